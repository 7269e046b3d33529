#!/usr/bin/env bash
# Plays the game headless through openal-soft's wave-file backend and
# checks that what it played is the music: not silent, and as long as the
# run. Usage: music_capture_test.sh REPLAY_TOOL DATA_DIR
set -euo pipefail
replay=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '[general]\ndrivers=wave\n[wave]\nfile=%s\n' "$work/out.wav" > "$work/alsoft.conf"
# Enough frames for well over a second of real time on any machine: the
# wave backend writes at the pace of the clock on the wall.
ALSOFT_CONF="$work/alsoft.conf" ALSOFT_DRIVERS= SDL_VIDEODRIVER=offscreen \
    "$replay" --data "$data" --frames 400 --trace "$work/trace.jsonl" > /dev/null 2> "$work/stderr.txt"

grep -q '"sounds":\[{"id":2,"loop":true}\]' "$work/trace.jsonl" || { echo "music was not started looping"; exit 1; }
stats=$(sox "$work/out.wav" -n stat 2>&1)
length=$(awk '/Length \(seconds\)/ {print $3}' <<< "$stats")
rms=$(awk '/RMS +amplitude/ {print $3}' <<< "$stats")
echo "captured ${length}s, RMS ${rms}"
awk -v l="$length" -v r="$rms" 'BEGIN { exit !(l > 0.2 && r > 0.02) }' || { echo "capture is silent or empty"; exit 1; }

