#!/usr/bin/env bash
# Plays the real game in a real X window (Xvfb): starts the binary in a copy
# of the data directory at the first level, walks the player right with
# xdotool, checks in screenshots that the picture changed where the player
# walked and stayed put elsewhere, then ends the game with Escape and
# expects exit code 0.
# Usage: real_window_test.sh GAME_BINARY DATA_DIR
set -euo pipefail
game=$1
data=$2
work=$(mktemp -d)
source "$(dirname "$0")/x_session.sh"
trap 'stop_game; stop_xvfb; rm -rf "$work"' EXIT

cp -r "$data" "$work/data"
printf 'lev1.dat' > "$work/data/Data/Levels/save.dat"

start_xvfb
(cd "$work/data" && ALSOFT_DRIVERS=null exec "$game") > "$work/game.log" 2>&1 &
game_pid=$!
find_window

# The player starts at the tile centred (160, 316) in playfield units, that is
# pixels x 144-176, y 268-300 from the top of the window, and walks right.
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

xdotool key --window "$window" Escape
expect_game_ends
