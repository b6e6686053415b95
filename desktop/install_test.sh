#!/usr/bin/env bash
# Installs the build into a scratch folder at a prefix of its own (the
# package's /usr is the package test's), then checks that the launcher entry
# starts the game installed there, that the description launches the entry,
# and that the desktop's own validators accept both.
#   install_test.sh BUILD_DIR APP_ID
set -uo pipefail
build=$1 id=$2 prefix=/opt/lumidex
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

DESTDIR=$root cmake --install "$build" --prefix $prefix >/dev/null || exit 1
entry=$root$prefix/share/applications/$id.desktop metainfo=$root$prefix/share/metainfo/$id.metainfo.xml
exe=$(sed -n 's/^Exec=//p' "$entry")
[ "$exe" = $prefix/games/lumidex ] && [ -x "$root$exe" ] || fail "Exec=$exe is not the game installed at $prefix"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the description does not launch $id.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the description"
exit $failed
