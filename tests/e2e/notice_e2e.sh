#!/usr/bin/env bash
# The large-fonts notice under a real X server: a GNOME desktop whose font was
# made 14 pt gets the notice and nothing else, and its OK button ends the
# program with status 0; the stock 11 pt on a screen scaled by two gets the game.
# Usage: notice_e2e.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/servers.sh"
e2e_begin notice_e2e "$1"
start_x_server
fail() { echo "FAIL: $*"; exit 1; }

# Starts the game on a desktop font of $1 points; sets window to the game's
# first visible window.
start_game() {
  export HOME=$E2E_WORK/home-$1 XDG_CURRENT_DESKTOP=GNOME
  mkdir -p "$HOME/.config/gtk-3.0"
  printf '[Settings]\ngtk-font-name=DejaVu Sans %s\n' "$1" >"$HOME/.config/gtk-3.0/settings.ini"
  "$GAME" 2>>"$ARTIFACTS/game.log" &
  game=$!
  e2e_pids+=("$game")
  for _ in $(seq 400); do
    window=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null) && return
    kill -0 "$game" 2>/dev/null || fail "the game ended before it showed a window"
    sleep 0.05
  done
  fail "no window showed"
}

start_game 14
[ "$(wc -l <<<"$window")" -eq 1 ] || fail "more than one window: $window"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "${WIDTH}x$HEIGHT" = 409x191 ] || fail "the notice measures ${WIDTH}x$HEIGHT"
sleep 1  # mapped before painted
xdotool mousemove --sync $((X + 202)) $((Y + 164)) click 1
for _ in $(seq 200); do kill -0 "$game" 2>/dev/null || break; sleep 0.05; done
status=0
timeout 1 tail --pid="$game" -f /dev/null || fail "the game still runs after OK"
wait "$game" || status=$?
[ "$status" -eq 0 ] || fail "the game ended with status $status after OK"

QT_SCALE_FACTOR=2 start_game 11
[ "$(xdotool getwindowname "$window")" = Lumidex ] || fail "the window showing is not the game"
echo "PASS"
