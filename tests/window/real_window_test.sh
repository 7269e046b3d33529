#!/usr/bin/env bash
# Plays the real game in a real X window (Xvfb): starts the binary in a copy
# of the data directory at the first level, walks the player right with
# xdotool, checks in screenshots that the picture changed where the player
# walked and stayed put elsewhere, then ends the game with Escape and
# expects exit code 0.
# Usage: real_window_test.sh GAME_BINARY DATA_DIR
set -euo pipefail
work=$(mktemp -d)
source "$(dirname "$0")/x_session.sh"

start_xvfb 800x600
ALSOFT_DRIVERS=null start_game "$(realpath "$1")" "$(realpath "$2")"
xdotool windowfocus --sync "$window" 2>/dev/null || true

# The player starts at the tile centred (160, 316) in playfield units, that is
# pixels x 144-176, y 268-300 from the top of the window, and walks right.
changed() {  # crop geometry, two shots -> number of differing pixels
    compare -metric AE -crop "$1" "$2" "$3" null: 2>&1 || true
}
brightness() {  # shot, crop geometry -> mean brightness in thousandths
    convert "$1" -crop "$2" -format '%[fx:int(mean*1000)]' info:
}
start_tile=32x32+144+268
far_tile=96x96+600+40

# The game pauses a second at start, then draws the level; a slow machine
# may take longer. Wait until the level shows and two shots agree.
shown=""
for attempt in $(seq 60); do
    sleep 0.5
    import -window root "$work/before.png"
    if [ -f "$work/previous.png" ] &&
       [ "$(brightness "$work/before.png" $far_tile)" -gt 20 ] &&
       [ "$(changed $far_tile "$work/previous.png" "$work/before.png" | cut -d. -f1)" -eq 0 ] &&
       [ "$(changed $start_tile "$work/previous.png" "$work/before.png" | cut -d. -f1)" -eq 0 ]; then
        shown=yes
        break
    fi
    cp "$work/before.png" "$work/previous.png"
done
[ -n "$shown" ] || { echo "the level never showed steadily"; cat "$work/game.log"; exit 1; }

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
wait_for_exit 30 || { echo "Escape did not end the game"; exit 1; }
echo "exit code $game_status"
[ "$game_status" -eq 0 ]
