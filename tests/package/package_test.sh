#!/usr/bin/env bash
# The built package: lintian finds no error and no warning; unpacked (into
# unpacked/ beside it), it has the game, its manual page, launcher entry, icons
# and software-centre description where Debian and the desktops look for them;
# the entry starts the game and names its icons, the description launches the
# entry, and the desktop's own validators accept both; the game starts from it
# under an X server of its own and shows a new game's board.
#   package_test.sh DEB
set -euo pipefail
deb=$(realpath "$1") id=org.example.Lumidex
fail() { echo "FAIL: $*"; exit 1; }
lintian -I --fail-on error,warning "$deb"
root=$(dirname "$deb")/unpacked
rm -rf "$root" && dpkg -x "$deb" "$root"
for file in usr/games/lumidex usr/share/man/man6/lumidex.6.gz usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml; do
  [ -s "$root/$file" ] || fail "the package has no /$file"
done
entry=$root/usr/share/applications/$id.desktop metainfo=$root/usr/share/metainfo/$id.metainfo.xml
grep -qx 'Exec=/usr/games/lumidex' "$entry" || fail "the launcher entry does not start /usr/games/lumidex"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the description does not launch $id.desktop"
desktop-file-validate "$entry" && appstreamcli validate --no-net "$metainfo" || fail "a validator rejects the entry or the description"
icon=$(sed -n 's/^Icon=//p' "$entry")
for art in "$(dirname "$0")"/../../resources/icon/hicolor/*x*/lumidex.png; do
  size=$(basename "$(dirname "$art")")
  cmp -s "$art" "$root/usr/share/icons/hicolor/$size/apps/$icon.png" || fail "no $size icon named $icon"
done

source "$(dirname "$0")/../e2e/servers.sh"
e2e_begin package "$(dirname "$deb")" "$root/usr/games/lumidex"
start_x_server
$PYTHON - "$GAME" "$ARTIFACTS" "$E2E_HERE" <<'EOF_PY'
import sys
sys.path.insert(0, sys.argv[3])
from game_window import CARDS, FIXED_BACK, MASTER_BACK, BoardView, GameWindow, View
window, board = GameWindow(*sys.argv[1:3]), BoardView()
window.wait_for(lambda shot: board.read(shot) == View(MASTER_BACK, dict.fromkeys(CARDS, FIXED_BACK), None), "a new game's board")
window.stop()
EOF_PY
echo "$(basename "$deb"): lintian finds nothing to fix, every file is in place, the game shows its board"
