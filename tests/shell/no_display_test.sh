#!/usr/bin/env bash
# Without any display to open, the game ends at once with a message and
# status 1: no crash, no hang. On a Wayland session it asks for X11 (XWayland)
# and nothing else.
set -u
out=$(env -u QT_QPA_PLATFORM -u XDG_CURRENT_DESKTOP -u XDG_SESSION_DESKTOP DISPLAY=:987 XDG_SESSION_TYPE=wayland \
  WAYLAND_DISPLAY=wayland-987 XDG_RUNTIME_DIR=$(mktemp -d) timeout 20 "$1/shell/lumidex" 2>&1)
status=$?
echo "$out"
[ "$status" -eq 1 ] && grep -q '^lumidex: ' <<<"$out" && ! grep -q 'plugin "wayland"' <<<"$out" ||
  { echo "expected status 1 and a message naming the game, without trying Wayland; got status $status"; exit 1; }
