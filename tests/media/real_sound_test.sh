#!/usr/bin/env bash
# Plays sounds through the game's player into a PulseAudio server of its own
# with a null sink, records the sink's monitor and checks what was heard.
# Usage: real_sound_test.sh BUILD_DIR FLIP_WAVE MATCH_WAVE
set -euo pipefail
build=$1 flip=$2 match=$3
here=$(cd "$(dirname "$0")" && pwd)
check="/usr/bin/python3 $here/sound_check.py"
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/run PULSE_SERVER=unix:$work/run/pulse/native
unset PULSE_SINK
mkdir -m 700 "$work/run"
recorder=

stop_all() {
  [ -n "$recorder" ] && kill "$recorder" 2>/dev/null && wait "$recorder" 2>/dev/null
  if [ -s "$work/run/pulse/pid" ]; then
    local server
    server=$(cat "$work/run/pulse/pid")
    kill "$server" 2>/dev/null
    for _ in $(seq 40); do kill -0 "$server" 2>/dev/null || break; sleep 0.05; done
  fi
  rm -rf "$work"
}
trap stop_all EXIT

# norewinds: a server that rewinds the sink to start a new sound early leaves
# the sound's first milliseconds out of the monitor's recording.
pulseaudio -D --system=false --exit-idle-time=-1 -n --disallow-exit --log-target=stderr \
  --load="module-null-sink sink_name=lumidex rate=22050 channels=1 norewinds=1" \
  --load=module-native-protocol-unix 2>"$work/pulse.log" || { cat "$work/pulse.log"; exit 1; }
pactl set-default-sink lumidex

$check tones "$work"
parec -d lumidex.monitor --latency-msec=10 --format=s16le --rate=22050 --channels=1 --raw \
  >"$work/rec.raw" &
recorder=$!
# An idle sink's monitor drops its first second or so: wait until it records.
for _ in $(seq 100); do
  [ "$(stat -c %s "$work/rec.raw")" -gt 8820 ] && break
  sleep 0.05
done

# shellcheck disable=SC2046
"$build/tests/media/lumidex_wave_script" $($check script "$work") | tee "$work/script.log"
sleep 0.3
kill "$recorder"
wait "$recorder" 2>/dev/null || true
recorder=
$check analyse "$work/rec.raw" "$work/script.log" "$flip" "$match"
