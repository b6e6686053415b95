#!/usr/bin/env bash
# Without any display to open, the game ends at once with a message and
# status 1: no crash, no hang.
set -u
exe=$1/shell/lumidex
out=$(mktemp)
trap 'rm -f "$out"' EXIT
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:987 XDG_RUNTIME_DIR=$(mktemp -d) \
  timeout 20 "$exe" >"$out" 2>&1
status=$?
cat "$out"
[ "$status" -eq 1 ] || { echo "expected status 1, got $status"; exit 1; }
grep -q '^lumidex: ' "$out" || { echo "no message naming the game"; exit 1; }
echo "ends with status 1 and a message"
