#!/usr/bin/env bash
# The game window under a real X server: start-up, face, dragging, minimise, exit.
# Usage: window_e2e.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/servers.sh"
e2e_begin window_e2e "$1"
start_x_server
$PYTHON "$E2E_HERE/window_e2e.py" "$GAME" "$ARTIFACTS"
