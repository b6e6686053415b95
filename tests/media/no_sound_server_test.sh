#!/usr/bin/env bash
# With no sound server to reach, every sound request returns at once and the
# program says nothing about it.
# Usage: no_sound_server_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run PULSE_SERVER=unix:$work/run/no-server

status=0
timeout 20 "$build/tests/media/lumidex_wave_script" 0:slot:sndFlip 10:load 20:slot:sndWin \
  30:slot:sndClick 40:slot:sndMatch 50:slot:sndRefuse 60:slot:sndSpare 70:slot:sndFlip 80:end \
  >"$work/out" 2>"$work/err" || status=$?
cat "$work/out"
if [ "$status" -ne 0 ]; then
  echo "FAIL  the script ended with status $status"; exit 1
fi
if [ -s "$work/err" ]; then
  echo "FAIL  messages were printed:"; cat "$work/err"; exit 1
fi
# A request that waits for a server would take hundreds of milliseconds.
slowest=$(sed -n 's/.*returned after \([0-9.]*\) ms.*/\1/p' "$work/out" | sort -g | tail -1)
echo "slowest request: $slowest ms"
awk -v ms="$slowest" 'BEGIN { exit !(ms < 50) }' || { echo "FAIL  a request took $slowest ms"; exit 1; }
echo "ok    every request returned at once, and nothing was printed"
