#!/usr/bin/env bash
# The bot of listen_e2e.py plays by ear through the Orca screen reader, the
# game in German: it hears what Orca says put into its English by the pairs of
# listen_de.tsv, so that only the game's German is understood.
# Usage: listen_de_e2e.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/servers.sh"
e2e_begin listen_de_e2e "$1"
start_x_server
start_sound_server
start_screen_reader "$ARTIFACTS/orca.log"
grep -v '^#' "$E2E_HERE/listen_de.tsv" | sed -E 's/^(.*)\t(.*)$/s#\1#\2#g/' >"$E2E_WORK/english.sed"
mkfifo "$E2E_WORK/said" # the reader first: the writer's opening waits for it
in_background sed -u -E -f "$E2E_WORK/english.sed" "$E2E_WORK/said" >"$ARTIFACTS/heard.log"
in_background tail -n +1 -f "$ARTIFACTS/orca.log" >"$E2E_WORK/said"
LANGUAGE=de $PYTHON "$E2E_HERE/listen_e2e.py" "$GAME" "$ARTIFACTS" "$ARTIFACTS/heard.log"
