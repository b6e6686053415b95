#!/usr/bin/env bash
# The game window under a real X server, on a desktop whose sound server is
# PipeWire: a sound server that
# hangs, and losing the display; with "soak", a minute of quick play too.
# Usage: window_e2e.sh BUILD_DIR [soak]
set -euo pipefail
source "$(dirname "$0")/servers.sh"
e2e_begin window_e2e "$1"
start_x_server
start_pipewire_server
start_recording "$ARTIFACTS/sink.raw"
$PYTHON "$E2E_HERE/window_e2e.py" "$GAME" "$ARTIFACTS" "$ARTIFACTS/sink.raw" "${2:-}"
