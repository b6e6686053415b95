#!/usr/bin/env bash
# The built packages: lintian finds no error and no warning in the source
# package or the binary ones (the .dsc and .changes beside DEB); unpacked
# (into unpacked/ beside it), the binary package has the game, its manual
# page, launcher entry, icons and software-centre description where Debian and
# the desktops look for them; the entry starts the game and names its icons,
# the description launches the entry, and the desktop's own validators accept
# both. (debian/tests start and play the game installed.)
#   package_test.sh DEB
set -euo pipefail
deb=$(realpath "$1") id=org.example.Lumidex
fail() { echo "FAIL: $*"; exit 1; }
changes=${deb%.deb}.changes dsc=$(dirname "$deb")/$(grep -om1 '[^ ]*\.dsc$' "${deb%.deb}.changes")
lintian -I --fail-on error,warning "$dsc" "$changes"
root=$(dirname "$deb")/unpacked
rm -rf "$root" && dpkg -x "$deb" "$root"
for file in usr/games/lumidex usr/share/man/man6/lumidex.6.gz usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml; do
  [ -s "$root/$file" ] || fail "the package has no /$file"
done
entry=$root/usr/share/applications/$id.desktop metainfo=$root/usr/share/metainfo/$id.metainfo.xml
grep -qx 'Exec=/usr/games/lumidex' "$entry" || fail "the launcher entry does not start /usr/games/lumidex"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the description does not launch $id.desktop"
desktop-file-validate "$entry" && appstreamcli validate --no-net "$metainfo" || fail "a validator rejects the entry or the description"
for language in $(cat "$(dirname "$0")/../../desktop/po/LINGUAS"); do
  grep -q "^Comment\[$language\]=" "$entry" && grep -q "<summary xml:lang=\"$language\">" "$metainfo" || fail "no $language in the entry or the description"
done
icon=$(sed -n 's/^Icon=//p' "$entry")
for art in "$(dirname "$0")"/../../resources/icon/hicolor/*x*/lumidex.png; do
  size=$(basename "$(dirname "$art")")
  cmp -s "$art" "$root/usr/share/icons/hicolor/$size/apps/$icon.png" || fail "no $size icon named $icon"
done

echo "$(basename "$changes"): lintian finds nothing to fix, every file is in place"
