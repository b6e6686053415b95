#!/usr/bin/env bash
# Regenerates every resource into a scratch folder and checks that the files
# committed under resources/ are exactly what their sources make (the card
# faces' names among them), and that nothing is committed that the sources no
# longer make.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
bash "$repo/resources/regenerate" "$scratch" >/dev/null
failed=0
for dir in bitmap wave text cursor icon layout; do
  diff -rq "$scratch/$dir" "$repo/resources/$dir" || failed=1
done
diff -q "$scratch/pictureNames.cpp" "$repo/resources/pictureNames.cpp" || failed=1
exit $failed
