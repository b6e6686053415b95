#!/usr/bin/env bash
# Installs the build into a scratch folder as a distribution package would
# (prefix /usr under DESTDIR), then checks that the launcher entry starts the
# installed program and names the icon installed at every size the art has,
# that the description launches the entry, and that the desktop's own
# validators accept both.
#   install_test.sh BUILD_DIR APP_ID ICON_SOURCE_DIR
set -uo pipefail
build=$1 id=$2 icons=$3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null || exit 1
entry=$root/usr/share/applications/$id.desktop metainfo=$root/usr/share/metainfo/$id.metainfo.xml
exe=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -n "$exe" ] && [ -x "$root/usr/bin/$exe" ] || fail "Exec=$exe is no installed program"
icon=$(sed -n 's/^Icon=//p' "$entry")
for art in "$icons"/*x*/lumidex.png; do
  size=$(basename "$(dirname "$art")")
  cmp -s "$art" "$root/usr/share/icons/hicolor/$size/apps/$icon.png" || fail "no $size icon named $icon"
done
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the description does not launch $id.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the description"
exit $failed
