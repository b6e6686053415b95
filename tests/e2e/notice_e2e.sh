#!/usr/bin/env bash
# The large-fonts notice under a real X server. A GNOME desktop whose font was
# made 14 pt gets the notice and nothing else, and its OK button ends the
# program with status 0. The stock 11 pt on a screen Qt scales by two gets
# the game.
# Usage: notice_e2e.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/servers.sh"
e2e_begin notice_e2e "$1"
start_x_server

fail() { echo "FAIL: $*"; exit 1; }

# A home whose GNOME settings give the desktop's font in points.
desktop_font() {
  export HOME=$E2E_WORK/home-$1 XDG_CURRENT_DESKTOP=GNOME
  mkdir -p "$HOME/.config/gtk-3.0"
  printf '[Settings]\ngtk-font-name=DejaVu Sans %s\n' "$1" >"$HOME/.config/gtk-3.0/settings.ini"
}

# Starts the game; sets game to its PID.
start_game() {
  "$GAME" 2>>"$ARTIFACTS/game.log" &
  game=$!
  e2e_pids+=("$game")
}

# The game's visible windows, once there is at least one.
visible_windows() {
  local found
  for _ in $(seq 400); do
    kill -0 "$game" 2>/dev/null || fail "the game ended before it showed a window"
    found=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null || true)
    [ -n "$found" ] && { echo "$found"; return; }
    sleep 0.05
  done
  fail "no window showed"
}

# Sets X, Y, WIDTH and HEIGHT of a window.
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

# Sets status to what the game ends with, or fails when it goes on running.
# Not called in a $(...) subshell: only this shell can wait for the game.
wait_game_end() {
  for _ in $(seq 200); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$game" 2>/dev/null && fail "the game still runs after $1"
  status=0
  wait "$game" || status=$?
}

echo "== a 14 pt desktop font: the notice alone"
desktop_font 14
start_game
windows=$(visible_windows)
[ "$(wc -l <<<"$windows")" -eq 1 ] || fail "more than one window: $windows"
notice=$windows
geometry "$notice"
echo "notice at $X,$Y size ${WIDTH}x$HEIGHT, titled '$(xdotool getwindowname "$notice")'"
[ "${WIDTH}x$HEIGHT" = 409x191 ] || fail "the notice measures ${WIDTH}x$HEIGHT inside"
read -r screen_w screen_h < <(xdotool getdisplaygeometry)
(( X >= (screen_w - 409) / 2 - 1 && X <= (screen_w - 409) / 2 + 1 &&
   Y >= (screen_h - 191) / 2 - 1 && Y <= (screen_h - 191) / 2 + 1 )) || fail "the notice is not centred: $X,$Y"
[ -z "$(xdotool getwindowname "$notice" | tr -d ' ')" ] || fail "the notice has a title"

# White all round, dark text in each of the four lines, a button drawn at its
# place. Looked at again until it shows so: the window maps before it paints.
notice_looks_right() {
  import -window "$notice" "$ARTIFACTS/notice.png"
  $PYTHON - "$ARTIFACTS/notice.png" <<'EOF'
import sys
from PIL import Image

shot = Image.open(sys.argv[1]).convert('RGB')
assert shot.size == (409, 191), shot.size
white = (255, 255, 255)

def darkest(box):
    return min(sum(p) for p in shot.crop(box).getdata())

for corner in [(0, 0), (408, 0), (0, 190), (408, 190)]:
    assert shot.getpixel(corner) == white, f'corner {corner} is {shot.getpixel(corner)}'
for top in (14, 46, 78, 110):
    assert darkest((0, top, 409, top + 24)) < 3 * 64, f'no text in the line at {top}'
assert shot.crop((0, 136, 409, 150)).getcolors() == [(409 * 14, white)], 'marks between the text and the button'
assert shot.getpixel((140, 164)) == white and shot.getpixel((265, 164)) == white, 'marks beside the button'
assert shot.getpixel((170, 156)) != white, 'no button face'
EOF
}
looked=no
for _ in $(seq 100); do
  notice_looks_right 2>"$ARTIFACTS/look.log" && { looked=yes; break; }
  sleep 0.05
done
[ "$looked" = yes ] || { cat "$ARTIFACTS/look.log"; fail "the notice does not look right; see $ARTIFACTS/notice.png"; }

xdotool mousemove --sync $((X + 162 + 40)) $((Y + 152 + 12)) click 1
wait_game_end "OK was clicked"
[ "$status" -eq 0 ] || fail "the game ended with status $status after OK"
echo "OK ended the game with status 0"

for scaling in QT_SCALE_FACTOR=2 QT_FONT_DPI=192; do
  echo "== the stock 11 pt desktop font on a scaled screen ($scaling): the game"
  desktop_font 11
  export "$scaling"
  start_game
  window=$(visible_windows)
  name=$(xdotool getwindowname "$window")
  [ "$name" = Lumidex ] || fail "the window showing is '$name', not the game"
  echo "the game showed"
  kill "$game" && wait "$game" || true
  unset "${scaling%%=*}"
done
echo "PASS"
