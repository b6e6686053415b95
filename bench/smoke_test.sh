#!/usr/bin/env bash
# One short run of the bench programs that need no X or sound server, so that
# they keep building and running; their figures are not judged here.
set -euo pipefail
QT_QPA_PLATFORM=offscreen "$1/bench/lumidex_pause_bench" --rounds 1
PULSE_SERVER=unix:/nonexistent/lumidex-no-sound-server "$1/bench/lumidex_play_request_bench" --requests 3
