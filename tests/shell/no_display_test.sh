#!/usr/bin/env bash
# Without any display to open, the game ends at once with a message and
# status 1: no crash, no hang. On a Wayland session it asks for X11 (XWayland)
# and nothing else.
set -u
exe=$1/shell/lumidex
out=$(mktemp)
trap 'rm -f "$out"' EXIT
env -u QT_QPA_PLATFORM -u XDG_CURRENT_DESKTOP -u XDG_SESSION_DESKTOP DISPLAY=:987 XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-987 \
  XDG_RUNTIME_DIR=$(mktemp -d) timeout 20 "$exe" >"$out" 2>&1
status=$?
cat "$out"
[ "$status" -eq 1 ] || { echo "expected status 1, got $status"; exit 1; }
grep -q '^lumidex: ' "$out" || { echo "no message naming the game"; exit 1; }
! grep -q 'plugin "wayland"' "$out" || { echo "tried Wayland itself"; exit 1; }
echo "ends with status 1 and a message"
