#!/usr/bin/env bash
# Kills the X server under the running game, three times over (a crash and
# an orderly shutdown of the server): each time the game must end (any exit
# code) within 10 s instead of spinning on the dead connection.
# Usage: display_lost_test.sh GAME_BINARY DATA_DIR
set -euo pipefail
game=$(realpath "$1")
data=$(realpath "$2")

for signal in KILL TERM KILL; do
    (
        work=$(mktemp -d)
        source "$(dirname "$0")/../support/xvfb_game.sh"
        trap 'stop_game_and_xvfb; rm -rf "$work"' EXIT
        cp -r "$data" "$work/data"
        printf 'lev1.dat' > "$work/data/Data/Levels/save.dat"
        start_xvfb
        start_game "$work/data"
        wait_for_game_window
        sleep 3  # past the start-up pause: frames are running
        { kill -$signal "$xvfb_pid"; wait "$xvfb_pid"; } 2>/dev/null || true
        xvfb_pid=""
        if ! wait_for_exit 10; then
            echo "the game still runs 10 s after its X server got SIG$signal"
            cat "$work/game.log"
            exit 1
        fi
        echo "X server got SIG$signal: the game ended with exit code $game_status"
    )
done
