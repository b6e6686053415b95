#!/usr/bin/env bash
# Plays sounds through the game's player into a sound server of its own and
# checks what its sink played; then, with no server to reach, every request
# returns at once and nothing is printed.
# Usage: real_sound_test.sh BUILD_DIR FLIP_WAVE
set -euo pipefail
source "$(dirname "$0")/../e2e/servers.sh"
e2e_begin media_real_sound "$1"
script=$1/tests/media/lumidex_wave_script
check="$PYTHON $(dirname "$0")/sound_check.py"
start_sound_server
$check tones "$E2E_WORK"
start_recording "$ARTIFACTS/rec.raw"
# shellcheck disable=SC2046
"$script" $($check script "$E2E_WORK") | tee "$ARTIFACTS/script.log"
sleep 0.3
$check analyse "$ARTIFACTS/rec.raw" "$ARTIFACTS/script.log" "$2"

export PULSE_SERVER=unix:$E2E_WORK/no-server
timeout 20 "$script" 0:slot:0 10:load 20:slot:1 30:slot:3 40:end >"$ARTIFACTS/out" 2>&1
cat "$ARTIFACTS/out"
# A request that waited for a server would take hundreds of milliseconds.
awk '!/returned after/ || $(NF-1) >= 50 { bad = 1 } END { exit bad }' "$ARTIFACTS/out" \
  || { echo "FAIL  without a sound server, a request waited or something was printed"; exit 1; }
echo "ok    without a sound server, every request returned at once, silently"
