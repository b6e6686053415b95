#!/usr/bin/env bash
# The game with no display to open. --help and --version print and succeed, the
# help in the desktop's language, or fail with a message when their output
# can't be written; an
# unknown option or an argument gets a one-line message, the usage and status
# 2, but the session name a desktop restores the game with is taken; with no
# arguments the game ends at once with a message and status 1, no crash, no
# hang, and on a Wayland session it asks for X11 (XWayland) and nothing else.
# On Qt's offscreen screen, a scale the window can't be shown at ends the game
# at once, status 1, with one line that names the setting.
# The version is the build's, and the package's changelog and the
# software-centre description's latest release say the same.
#   command_line_test.sh BUILD_DIR SOURCE_DIR VERSION
# LUMIDEX_GAME names another game to test (the installed one) in place of the build's.
set -u
game=${LUMIDEX_GAME:-$1/shell/lumidex} top=$2 version=$3
failed=0
fail() { echo "FAIL: $*"; failed=1; }
nodisplay() { env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$@" timeout 20 "$game" "${args[@]}"; }

args=(--version) && out=$(nodisplay) && [ "$out" = "lumidex $version" ] || fail "--version printed: $out"
args=(-session restored --version) && out=$(nodisplay) && [ "$out" = "lumidex $version" ] || fail "a restored session's name is refused: $out"
args=(--help) && out=$(nodisplay) && grep -q '^Usage: lumidex ' <<<"$out" && grep -q -- --version <<<"$out" || fail "--help printed: $out"
for option in --help --version; do
  args=("$option") && out=$(nodisplay 2>&1 >/dev/full)
  [ $? -eq 1 ] && grep -q '^lumidex: .*: No space left on device$' <<<"$out" || fail "$option to a full disk: $out"
done
for setting in QT_SCALE_FACTOR={0,nan,-1,1e9,0.5} QT_SCREEN_SCALE_FACTORS=inf QT_FONT_DPI=1000000; do
  out=$(env QT_QPA_PLATFORM=offscreen "$setting" timeout 5 "$game" 2>&1)
  [ $? -eq 1 ] && [ "$(grep -c '^lumidex: ' <<<"$out")" = 1 ] && grep -q "($setting)" <<<"$out" || fail "$setting: $out"
done
# In each of the game's languages the usage is that language's: none of its
# lines English; and its catalogue has every text translated.
args=(--help) && english=$(nodisplay)
for language in de fr es it pt_BR; do
  same=$(nodisplay LANGUAGE= LC_ALL= LANG="$language.UTF-8" | grep -xF -f <(grep . <<<"$english"))
  [ -z "$same" ] || fail "--help in $language keeps English lines: $same"
  /usr/lib/qt6/bin/lrelease "$top/translations/lumidex_$language.ts" -qm /dev/null | grep -q ' 0 unfinished' ||
    fail "texts left untranslated in $language"
done
for bad in --bogus stray; do
  args=("$bad") && out=$(nodisplay 2>&1 >/dev/null)
  [ $? -eq 2 ] && grep -q "^lumidex: .*'${bad#--}'" <<<"$out" && sed -n 2p <<<"$out" | grep -q '^Usage: lumidex ' || fail "$bad: $out"
done
args=() && out=$(nodisplay -u XDG_CURRENT_DESKTOP -u XDG_SESSION_DESKTOP DISPLAY=:987 XDG_SESSION_TYPE=wayland \
  WAYLAND_DISPLAY=wayland-987 XDG_RUNTIME_DIR="$(mktemp -d)" 2>&1)
[ $? -eq 1 ] && grep -q '^lumidex: ' <<<"$out" && ! grep -q 'plugin "wayland"' <<<"$out" || fail "no display, no message and status 1: $out"

grep -q "^lumidex ($version) " "$top/debian/changelog" || fail "debian/changelog's latest entry is not $version"
[ "$(grep -om1 '<release version="[^"]*"' "$top/desktop/org.example.Lumidex.metainfo.xml")" = "<release version=\"$version\"" ] ||
  fail "the metainfo's latest release is not $version"
exit $failed
