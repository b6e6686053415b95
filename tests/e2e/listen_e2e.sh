#!/usr/bin/env bash
# A bot plays by ear, through the Orca screen reader.
# Usage: listen_e2e.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/servers.sh"
e2e_begin listen_e2e "$1"
start_x_server
start_sound_server
start_screen_reader "$ARTIFACTS/orca.log"
$PYTHON "$E2E_HERE/listen_e2e.py" "$GAME" "$ARTIFACTS" "$ARTIFACTS/orca.log"
