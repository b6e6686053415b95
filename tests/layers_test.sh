#!/usr/bin/env bash
# The layers include only downwards: nothing in game/ includes a header of
# media/, window/ or shell/, nothing in media/ one of window/ or shell/,
# nothing in window/ one of shell/; and no two files include each other.
set -euo pipefail
cd "$(dirname "$0")/.."
failed=0
headers() { for f in "$@"; do [ -d "$f" ] && ls "$f" | grep '\.h$' || true; done; }
includes() { sed -n 's/^#include "\(.*\)"/\1/p' "$1"; }
for rule in "game:media window shell" "media:window shell" "window:shell"; do
  above=$(headers ${rule#*:})
  for file in "${rule%%:*}"/*.cpp "${rule%%:*}"/*.h; do
    for header in $(includes "$file"); do
      grep -qx "$header" <<<"$above" && { echo "$file includes $header from a layer above"; failed=1; }
    done
  done
done
for file in */*.h; do
  for header in $(includes "$file"); do
    for other in */"$header"; do
      [ -f "$other" ] && includes "$other" | grep -qx "$(basename "$file")" \
        && { echo "$file and $other include each other"; failed=1; }
    done
  done
done
exit $failed
