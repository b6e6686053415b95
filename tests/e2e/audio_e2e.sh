#!/usr/bin/env bash
# Checks the sounds bot_e2e recorded from the sound server against the sounds
# its clicks should have made: which, in what order, whole, and when.
# Usage: audio_e2e.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
recorded=$1/e2e-artifacts/bot_e2e
[ -s "$recorded/sink.raw" ] && [ -s "$recorded/expected-sounds.jsonl" ] \
  || { echo "no recording in $recorded: run bot_e2e first"; exit 1; }
/usr/bin/python3 "$here/heard_sounds.py" "$recorded/sink.raw" "$recorded/expected-sounds.jsonl" \
  "$here/../../resources/wave" || { echo "FAILED; the recording is in $recorded"; exit 1; }
