#!/usr/bin/env bash
# Regenerates every resource into a scratch folder and checks that the files
# committed under resources/ are exactly what their sources make, and that
# nothing is committed that the sources no longer make.
# Usage: regenerate_test.sh [BUILD_DIR]   (the build folder is not needed)
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

bash "$repo/resources/regenerate" "$scratch"

# Every file the tools write, and every committed one, as paths under resources/.
list() { (cd "$1" && find "${@:2}" -type f ! -name contact-sheet.png | sed 's|^\./||' | sort); }
made=$(list "$scratch" .)
committed=$(list "$repo/resources" bitmap wave text cursor icon layout 2>/dev/null || true)

failures=0
while read -r f; do
  if [ ! -f "$repo/resources/$f" ]; then
    echo "made but not committed: resources/$f"; failures=$((failures + 1))
  elif ! cmp -s "$scratch/$f" "$repo/resources/$f"; then
    echo "committed file differs from what its source makes: resources/$f"; failures=$((failures + 1))
  fi
done <<< "$made"
while read -r f; do
  [ -z "$f" ] || [ -f "$scratch/$f" ] || { echo "committed but no longer made: resources/$f"; failures=$((failures + 1)); }
done <<< "$committed"

echo "$(wc -l <<< "$made") files regenerated, $failures problems"
[ -n "$made" ] && [ "$failures" -eq 0 ]
