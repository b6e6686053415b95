#!/usr/bin/env bash
# The command line, with no display to open: --help and --version print and
# succeed; an unknown option or an argument gets a one-line message, the usage
# and status 2. The version is the build's, and the package's changelog and
# the software-centre description's latest release say the same.
#   command_line_test.sh BUILD_DIR SOURCE_DIR VERSION
set -u
game=$1/shell/lumidex top=$2 version=$3
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }
# Sets out (standard output), err (standard error) and status.
run() {
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$game" "$@" 2>"$errors")
  status=$? err=$(<"$errors")
}

run --version
[ "$status" -eq 0 ] && [ "$out" = "lumidex $version" ] || fail "--version: status $status, printed: $out$err"
run --help
[ "$status" -eq 0 ] && grep -q '^Usage: ' <<<"$out" && grep -q -- '--version' <<<"$out" || fail "--help: status $status, printed: $out$err"
for bad in --bogus stray; do
  run "$bad"
  [ "$status" -eq 2 ] && [ -z "$out" ] && grep -q "^lumidex: .*'${bad#--}'" <<<"$err" && sed -n 2p <<<"$err" | grep -q '^Usage: ' ||
    fail "$bad: status $status, printed: $out$err"
done
grep -q "^lumidex ($version) " "$top/debian/changelog" || fail "debian/changelog's latest entry is not $version"
[ "$(grep -om1 '<release version="[^"]*"' "$top/desktop/org.example.Lumidex.metainfo.xml")" = "<release version=\"$version\"" ] ||
  fail "the metainfo's latest release is not $version"
exit $failed
