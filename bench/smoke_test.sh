#!/usr/bin/env bash
# One short run of the bench programs that need no X or sound server, so that
# they keep building and running; their figures are not judged here.
set -euo pipefail
bench=$1/bench
out=$(mktemp)
trap 'rm -f "$out"' EXIT

QT_QPA_PLATFORM=offscreen "$bench/lumidex_pause_bench" --rounds 1 >"$out"
PULSE_SERVER=unix:/nonexistent/lumidex-no-sound-server "$bench/lumidex_play_request_bench" --requests 3 >>"$out"
cat "$out"

rows=$(grep -c '^| .* | .* ms.* | .* | .* | \(yes\|\*\*no\*\*\) |$' "$out")
[ "$rows" -eq 6 ] || { echo "expected 6 table rows, got $rows"; exit 1; }
