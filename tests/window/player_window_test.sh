#!/usr/bin/env bash
# Meets the real game in a real X window as a player would: on a 1024 x 768
# screen (Xvfb) with a French AZERTY keyboard, music captured through
# openal-soft's wave backend, the cursor read through XFixes. Checks that
# - the cursor is hidden over the playfield from the start, shown in the
#   editor, hidden again back in play;
# - the keypad's arrows walk while NumLock is off;
# - the key labelled M (where US keyboards have the semicolon) turns the
#   music off within a second and, pressed again, on again;
# - F11 reports "Mode Switch Failed." (the screen has no 800 x 600 mode) and
#   the window stays an 800 x 600 window;
# - Escape ends the game with exit code 0.
# With SCREENSHOTS=DIR set it saves DIR/playfield-no-cursor.png and
# DIR/editor-with-cursor.png, the cursor drawn in from XFixes (screenshots
# of X leave it out).
# Usage: player_window_test.sh GAME_BINARY DATA_DIR CURSOR_PROBE
set -euo pipefail
game=$(realpath "$1")
data=$(realpath "$2")
probe=$(realpath "$3")
work=$(mktemp -d)
source "$(dirname "$0")/../support/xvfb_game.sh"
trap 'stop_game_and_xvfb; rm -rf "$work"' EXIT

cp -r "$data" "$work/data"
printf 'lev1.dat' > "$work/data/Data/Levels/save.dat"
start_xvfb 1024x768
setxkbmap -layout fr
printf '[general]\ndrivers=wave\n[wave]\nfile=%s\n' "$work/music.wav" > "$work/alsoft.conf"
started=$(date +%s.%N)
ALSOFT_CONF="$work/alsoft.conf" ALSOFT_DRIVERS= start_game "$work/data"
wait_for_game_window

calc() { awk "BEGIN { printf \"%.3f\", $* }"; }
since_start() { calc "$(date +%s.%N) - $started"; }
fail() { echo "$1"; cat "$work/game.log"; exit 1; }
shot() { import -window root "$work/$1.png"; }
# Moves the pointer over the window (the game applies its cursor policy on
# every move) and says what the X server shows there.
cursor_at() {
    xdotool mousemove "$1" "$2"
    sleep 0.3
    xdotool mousemove_relative 3 3
    sleep 0.5
    "$probe" | cut -d' ' -f1
}
# shot NAME, then the same picture of the window with the cursor drawn in.
shot_with_cursor() {
    shot "$1"
    local at
    at=$("$probe" "$work/cursor.pam" | awk '/^at/ {print "+" $2 "+" $3}')
    convert "$work/$1.png" "$work/cursor.pam" -geometry "$at" -composite -crop 800x600+0+0 +repage \
        "$work/$1-cursor.png"
    if [ -n "${SCREENSHOTS:-}" ]; then cp "$work/$1-cursor.png" "$SCREENSHOTS/$1.png"; fi
}
press() { xdotool key --window "$window" "$1"; }

wait_until_steady "$work/before.png"

[ "$(cursor_at 400 300)" = hidden ] || fail "the cursor shows over the playfield at start"
shot_with_cursor playfield-no-cursor

# NumLock is off on a new X server: KP_6 is the keypad's right arrow.
shot before
xdotool keydown --window "$window" KP_Right
sleep 1.5
xdotool keyup --window "$window" KP_Right
sleep 0.5
shot after
[ "$(changed $start_tile "$work/before.png" "$work/after.png" | cut -d. -f1)" -gt 200 ] || fail "the keypad's right arrow did not walk"

# M twice, three seconds apart; the music plays from the start until then.
off_at=$(since_start)
press m
sleep 3
on_at=$(since_start)
press m
sleep 3

press e
[ "$(cursor_at 420 310)" = visible ] || fail "the cursor is hidden in the editor's load prompt"
press Return
sleep 1
[ "$(cursor_at 440 330)" = visible ] || fail "the cursor is hidden in the editor"
shot_with_cursor editor-with-cursor
press p
sleep 1
[ "$(cursor_at 400 300)" = hidden ] || fail "the cursor shows over the playfield after the editor"

press F11
for _ in $(seq 50); do
    grep -q "Mode Switch Failed" "$work/game.log" && break
    box=$(xdotool search --name '^Error$' 2>/dev/null | head -1 || true)
    if [ -n "$box" ]; then xdotool key --window "$box" Return; break; fi
    sleep 0.1
done
sleep 2
grep -q "Mode Switch Failed" "$work/game.log" || fail "F11 gave no \"Mode Switch Failed.\" message"
# The toggle made a new window.
window=$(xdotool search --name '^Velkamire$' | head -1)
size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = 800x600 ] || fail "after the failed switch the window is $size"

press Escape
wait_for_exit 30 || fail "Escape did not end the game"
[ "$game_status" -eq 0 ] || fail "exit code $game_status"

# RMS of the capture over a stretch of seconds.
rms() { sox "$work/music.wav" -n trim "$1" "$2" stat 2>&1 | awk '/RMS +amplitude/ {print $3}'; }
# The capture starts when the game opens its sound device, just after it was
# started, so a key pressed t seconds after the start lies at most t
# seconds into the capture.
before=$(rms "$(calc "$off_at - 2")" 1.5)
silent=$(rms "$(calc "$off_at + 1")" "$(calc "$on_at - $off_at - 2")")
again=$(rms "$(calc "$on_at + 1")" 1.5)
echo "music RMS: before M $before, from 1 s after M $silent, from 1 s after the second M $again"
awk -v b="$before" -v s="$silent" -v a="$again" 'BEGIN { exit !(b > 0.02 && s < 0.001 && a > 0.02) }' ||
    fail "M did not turn the music off and on again"
echo "cursor, keypad, AZERTY M, music, failed mode switch and Escape as expected"
