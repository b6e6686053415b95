# The servers an end-to-end test runs the game under, each started by the test
# and stopped by its PID when the test ends, whether it passed or not.
# Source it, call e2e_begin NAME BUILD_DIR [GAME] (the build's game unless
# named), then start_x_server and, for sound, start_sound_server (or
# start_pipewire_server) and start_recording FILE, or start_sound_server and
# start_screen_reader FILE.
E2E_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
PYTHON=/usr/bin/python3
e2e_pids=()

e2e_begin() {
  GAME=${3:-$2/shell/lumidex} ARTIFACTS=$2/e2e-artifacts/$1 E2E_WORK=$(mktemp -d)
  rm -rf "$ARTIFACTS" && mkdir -p "$ARTIFACTS"
  trap e2e_end EXIT
  [ -x "$GAME" ] || { echo "no game executable at $GAME"; exit 1; }
}

e2e_end() {
  local status=$? pid
  # CONT: a test may have left a server stopped. A process may end between
  # the two signals, and that must not fail the test.
  for pid in "${e2e_pids[@]}"; do kill "$pid" && kill -CONT "$pid" || true; done 2>/dev/null
  wait 2>/dev/null || true
  # Servers that started themselves, known by their PID files.
  for pid in "$E2E_WORK"/run/pulse/pid "$E2E_WORK"/run/speech-dispatcher/pid/*.pid; do
    [ -s "$pid" ] && kill "$(cat "$pid")" 2>/dev/null || true
  done
  rm -rf "$E2E_WORK"
  [ "$status" -eq 0 ] || echo "FAILED; screenshots and logs are in $ARTIFACTS"
  exit "$status"
}

# Starts a command in the background, to be stopped when the test ends.
in_background() { "$@" & e2e_pids+=($!); }

# Polls up to twenty seconds for a command to succeed.
await() { for _ in $(seq 400); do "$@" >/dev/null 2>&1 && return; sleep 0.05; done; echo "waited for: $*"; exit 1; }

# An Xvfb of its own on a free display; sets DISPLAY and X_SERVER_PID.
# -noreset: a game started as the previous one leaves must not meet a server resetting itself.
start_x_server() {
  in_background Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$E2E_WORK/display" 2>"$ARTIFACTS/xvfb.log"
  export X_SERVER_PID=$!
  await grep -q . "$E2E_WORK/display"
  export DISPLAY=:$(head -1 "$E2E_WORK/display")
}

# A PulseAudio server of its own with one null sink, mono at 22050 Hz like
# most of the game's sounds. norewinds: a rewinding sink would drop the first
# milliseconds of a sound that starts while another plays.
start_sound_server() {
  export XDG_RUNTIME_DIR=$E2E_WORK/run PULSE_SERVER=unix:$E2E_WORK/run/pulse/native
  unset PULSE_SINK
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  pulseaudio -D --system=false --exit-idle-time=-1 -n --disallow-exit --log-target=stderr \
    --load="module-null-sink sink_name=e2e rate=22050 channels=1 norewinds=1" \
    --load=module-native-protocol-unix 2>"$ARTIFACTS/pulse.log" || { cat "$ARTIFACTS/pulse.log"; exit 1; }
  pactl set-default-sink e2e
}

# PipeWire and its PulseAudio server, as current desktops run them, with a
# null sink as the default. Sets SOUND_SERVER_PID to the process that answers
# the game (the one to stop to hang the server).
start_pipewire_server() {
  export XDG_RUNTIME_DIR=$E2E_WORK/pipewire-run PULSE_SERVER=unix:$E2E_WORK/pipewire-run/pulse/native
  unset PULSE_SINK
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  eval "$(dbus-launch --sh-syntax)"
  e2e_pids+=("$DBUS_SESSION_BUS_PID")
  # Its session manager and PulseAudio server give up on a PipeWire that is
  # not listening yet: under load they could start first.
  in_background pipewire 2>"$ARTIFACTS/pipewire.log"
  await test -S "$XDG_RUNTIME_DIR/pipewire-0"
  local part
  for part in wireplumber pipewire-pulse; do
    in_background "$part" 2>"$ARTIFACTS/$part.log"
  done
  export SOUND_SERVER_PID=$!
  await pactl info
  pactl load-module module-null-sink sink_name=e2e rate=22050 channels=1 >/dev/null
  # The session manager takes the default sink once it is up.
  await eval 'pactl set-default-sink e2e && [ "$(pactl get-default-sink)" = e2e ]'
}

# Records the sink's monitor as raw signed 16-bit mono at 22050 Hz into FILE,
# once it records: an idle sink's monitor drops its first second or so.
start_recording() {
  local file=$1
  in_background parec -d e2e.monitor --latency-msec=10 --format=s16le --rate=22050 --channels=1 --raw >"$file"
  await eval '[ "$(stat -c %s "$file")" -gt 4410 ]'
}

# What a blind player's desktop gives the game, after start_sound_server
# (without a sound server speech-dispatcher never answers, and Orca hangs): a
# session bus, a window manager, so that the window is active and its focus
# real, the accessibility bus, and the Orca screen reader speaking through
# speech-dispatcher (see screen_reader.py). Orca's debug log goes to FILE,
# where each utterance is a line "HH:MM:SS.ffffff - SPEECH OUTPUT: 'text'".
# The log is written to a terminal (script), so that each line is there as
# soon as it is said, not when a file buffer fills.
start_screen_reader() {
  local file=$1
  export HOME=$E2E_WORK/home
  mkdir -p "$HOME"
  eval "$(dbus-launch --sh-syntax)"
  e2e_pids+=("$DBUS_SESSION_BUS_PID")
  in_background openbox --sm-disable 2>"$ARTIFACTS/openbox.log"
  in_background /usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$ARTIFACTS/at-spi.log"
  echo '{"general": {"enableSpeech": true, "enableKeyEcho": false, "enableBraille": false, "activeProfile": ["Default", "default"], "startingProfile": ["Default", "default"]}, "profiles": {"default": {"profile": ["Default", "default"]}}, "pronunciations": {}, "keybindings": {}}' >"$HOME/user-settings.conf"
  in_background script -qfec "$PYTHON $E2E_HERE/screen_reader.py $HOME" "$file" </dev/null >/dev/null 2>&1
  await grep -q "SPEECH OUTPUT: 'Screen reader on." "$file"
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}
