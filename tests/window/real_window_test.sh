#!/usr/bin/env bash
# Plays the real game in a real X window (Xvfb): starts the binary in a copy
# of the data directory at the first level, walks the player right with
# xdotool, checks in screenshots that the picture changed where the player
# walked and stayed put elsewhere, then ends the game with Escape and
# expects exit code 0.
# Usage: real_window_test.sh GAME_BINARY DATA_DIR
set -euo pipefail
game=$(realpath "$1")
data=$2
work=$(mktemp -d)
source "$(dirname "$0")/../support/xvfb_game.sh"
trap 'stop_game_and_xvfb; rm -rf "$work"' EXIT

cp -r "$data" "$work/data"
printf 'lev1.dat' > "$work/data/Data/Levels/save.dat"

start_xvfb
start_game "$work/data"
wait_for_game_window
wait_until_steady "$work/before.png"

xdotool keydown --window "$window" Right
sleep 1.5
xdotool keyup --window "$window" Right
sleep 1
import -window root "$work/after.png"

start=$(changed $start_tile "$work/before.png" "$work/after.png")
far=$(changed $far_tile "$work/before.png" "$work/after.png")
echo "pixels changed where the player stood: $start; far away: $far"
[ "${start%%.*}" -gt 200 ] || { echo "the player did not move"; exit 1; }
[ "${far%%.*}" -lt 50 ] || { echo "the picture changed where nothing should move"; exit 1; }

end_game_with_escape
[ "$game_status" -eq 0 ]
