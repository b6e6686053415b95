#!/usr/bin/env bash
# How the Noto Emoji glyphs under resources/art/noto/ were taken. Not part of
# the build or of resources/regenerate: the extracted SVGs are kept in the repo,
# so the card tool needs no network. Run it again only to change the glyph set.
# Usage: resources/tools/extract_noto.sh   (needs npm and network access)
set -euo pipefail
version=1.2.9
here=$(cd "$(dirname "$0")" && pwd)
dest="$here/../art/noto"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && npm pack --silent "@iconify-json/noto@$version" >/dev/null && tar xzf ./*.tgz)

# Glyphs used by the card faces, by Iconify icon name.
glyphs=(
  minibus carrot leafy-green bird rooster alarm-clock hot-pepper croissant
  red-apple hot-beverage sushi ear-of-corn teacup-without-handle lady-beetle
  bell-pepper house-with-garden jack-o-lantern hot-dog hamburger hammer
  magnifying-glass-tilted-left owl pizza rocket watermelon ribbon wrapped-gift
  doughnut soft-ice-cream sport-utility-vehicle package soccer-ball pencil
  artist-palette sandwich butterfly
)

# The set ships as one JSON document; each icon is an SVG body drawn on a
# 128 x 128 grid. Write each as a standalone SVG file, unchanged.
/usr/bin/python3 - "$work/package/icons.json" "$dest" "${glyphs[@]}" <<'PY'
import json
import sys

icons_path, dest, *names = sys.argv[1:]
icon_set = json.load(open(icons_path, encoding="utf-8"))
for name in names:
    icon = icon_set["icons"][name]
    width = icon.get("width", icon_set["width"])
    height = icon.get("height", icon_set["height"])
    svg = ('<svg xmlns="http://www.w3.org/2000/svg" '
           f'viewBox="0 0 {width} {height}" width="{width}" height="{height}">'
           f'{icon["body"]}</svg>\n')
    with open(f"{dest}/{name}.svg", "w", encoding="utf-8") as out:
        out.write(svg)
PY
cp /usr/share/common-licenses/Apache-2.0 "$dest/LICENSE"
