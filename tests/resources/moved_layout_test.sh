#!/usr/bin/env bash
# Moves the Master Card 40 units right in a copy of the window's layout and
# draws the window face from that copy: the card's painted shadow moves with
# it, and nothing else of the face changes.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch"/{window,game,resources}
cp -r "$repo"/resources/{tools,art,ResourceIds.h} "$scratch/resources/"
cp "$repo/game/mdlPicfunc.h" "$scratch/game/"
sed 's/kMasterCard{28, 312,/kMasterCard{68, 312,/' "$repo/window/Layout.h" >"$scratch/window/Layout.h"
! cmp -s "$repo/window/Layout.h" "$scratch/window/Layout.h" || { echo "the Master Card is no longer at 28, 312"; exit 1; }
/usr/bin/python3 "$scratch/resources/tools/make_ui.py" "$scratch/out"
/usr/bin/python3 - "$repo/resources/layout/Picture1@2x.png" "$scratch/out/layout/Picture1@2x.png" <<'PY'
import sys
from PIL import Image, ImageChops
before, after = (Image.open(path).convert('RGB') for path in sys.argv[1:])
changed = ImageChops.difference(before, after).getbbox()
# In units (the pictures are at 2 pixels a unit): from where the old shadow
# lay, left of and below the old card (28, 312, 55, 55), to the new shadow's
# right end, 2 units beyond the new card's right edge and softened.
left, top, right, bottom = (v / 2 for v in changed) if changed else (0, 0, 0, 0)
ok = 24 <= left <= 32 and 308 <= top and 123 + 2 <= right <= 123 + 6 and bottom <= 367 + 6
sys.exit(0 if ok else f'the face changed over {changed} (pixels): not where the Master Card moved')
PY
