#!/usr/bin/env bash
# The game, as installed, under the X server its caller started (xvfb-run):
# a new game's deal reaches the board, and a click on the Master Card draws a
# picture onto it. A failure leaves its screenshot in ARTIFACTS.
#   play_test.sh GAME [ARTIFACTS]   (default: autopkgtest's artifacts, or a new folder)
set -euo pipefail
artifacts=${2:-${AUTOPKGTEST_ARTIFACTS:-$(mktemp -d)}} && mkdir -p "$artifacts"
/usr/bin/python3 - "$1" "$artifacts" "$(dirname "$0")/../e2e" <<'EOF_PY'
import sys
sys.path.insert(0, sys.argv[3])
from game_window import CARDS, FACES, FIXED_BACK, MASTER_BACK, MASTER_BOX, BoardView, GameWindow, View
window, board = GameWindow(*sys.argv[1:3]), BoardView()
window.wait_for(lambda shot: board.read(shot) == View(MASTER_BACK, dict.fromkeys(CARDS, FIXED_BACK), None), "a new game's board")
window.click(MASTER_BOX)
window.wait_for(lambda shot: board.read(shot).master in FACES, "a picture on the Master Card")
window.stop()
print(f"{sys.argv[1]}: a new game's board, then a picture drawn")
EOF_PY
