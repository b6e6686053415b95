#!/usr/bin/env bash
# Installs the build into a scratch folder as a distribution package would
# (prefix /usr under DESTDIR), then checks that every file lands where desktops
# look for it, that the entry, the description, the icons and the screenshots
# agree with each other, and that the desktop's own validators accept them.
#   install_test.sh BUILD_DIR APP_ID ICON_SOURCE_DIR SOURCE_DIR
set -uo pipefail
build=$1 id=$2 icons=$3 top=$4
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR=$root cmake --install "$build" --prefix /usr >"$root.log" 2>&1 || { cat "$root.log"; rm -f "$root.log"; exit 1; }
rm -f "$root.log"
usr=$root/usr
entry=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml

[ -x "$usr/bin/lumidex" ] || fail "no executable bin/lumidex"
[ -f "$entry" ] || fail "no launcher entry share/applications/$id.desktop"
[ -f "$metainfo" ] || fail "no description share/metainfo/$id.metainfo.xml"

# Every icon size the art provides, installed under the app id at that size.
sizes=0
for source in "$icons"/*x*/lumidex.png; do
  size=$(basename "$(dirname "$source")")
  installed=$usr/share/icons/hicolor/$size/apps/$id.png
  sizes=$((sizes + 1))
  if [ ! -f "$installed" ]; then
    fail "no icon share/icons/hicolor/$size/apps/$id.png"
  else
    actual=$(/usr/bin/python3 -c 'import sys; from PIL import Image; w, h = Image.open(sys.argv[1]).size; print(f"{w}x{h}")' "$installed")
    [ "$actual" = "$size" ] || fail "the icon in $size is $actual"
  fi
done
[ "$sizes" -ge 3 ] || fail "only $sizes icon sizes under $icons"

# The entry starts the installed program and names the installed icon; the
# description launches the installed entry.
if [ -f "$entry" ] && [ -f "$metainfo" ]; then
  exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  [ -x "$usr/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
  icon_name=$(sed -n 's/^Icon=//p' "$entry")
  [ "$icon_name" = "$id" ] || fail "Icon=$icon_name, the installed icons are named $id"
  grep -q "<id>$id</id>" "$metainfo" || fail "the description's id is not $id"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the description does not launch $id.desktop"

  # The description names the licence whose text the repository carries.
  license=$(sed -n 's:.*<project_license>\(.*\)</project_license>.*:\1:p' "$metainfo")
  [[ $license == GPL-3.0-or-later* ]] || fail "the description's licence is '$license'"
  grep -q '^ *Version 3, 29 June 2007' "$top/COPYING" || fail "COPYING holds no GPL 3 text"
  # Every screenshot the description lists lies under docs/screenshots, at the size it states.
  listed=0
  while read -r width height name; do
    listed=$((listed + 1))
    shot=$top/docs/screenshots/$name
    size=$(/usr/bin/python3 -c 'import sys; from PIL import Image; print("%dx%d" % Image.open(sys.argv[1]).size)' "$shot" 2>/dev/null)
    [ "$size" = "${width}x$height" ] || fail "screenshot $name: ${size:-no such file under docs/screenshots}, the description says ${width}x$height"
  done < <(sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)".*/\([^/<]*\)</image>.*|\1 \2 \3|p' "$metainfo")
  [ "$listed" -gt 0 ] || fail "the description lists no screenshot"

  desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the description"
fi

[ "$failures" -eq 0 ] && echo "installed and valid: $id"
exit $((failures > 0))
