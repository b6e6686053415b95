#!/usr/bin/env bash
# The player bot plays whole games through the real window, then draws and
# picks on a system too short of resources for sound.
# Usage: bot_e2e.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/servers.sh"
e2e_begin bot_e2e "$1"
start_x_server
start_pipewire_server
$PYTHON "$E2E_HERE/bot_e2e.py" "$GAME" "$ARTIFACTS"
$PYTHON "$E2E_HERE/short_e2e.py" "$GAME" "$ARTIFACTS" "$1/tests/e2e/liblumidex_short_system.so"
