#!/usr/bin/env bash
# The game window under a real X server, on a desktop whose sound server is
# PipeWire: a sound server that hangs, moves and held keys under window
# managers, and losing the display; with "soak", a minute of quick play in
# place of the window managers.
# Usage: window_e2e.sh BUILD_DIR [soak]
set -euo pipefail
source "$(dirname "$0")/servers.sh"
e2e_begin window_e2e "$1"
start_x_server
start_pipewire_server
start_recording "$ARTIFACTS/sink.raw"
$PYTHON "$E2E_HERE/window_e2e.py" "$GAME" "$ARTIFACTS" "$ARTIFACTS/sink.raw" "${2:-}"
