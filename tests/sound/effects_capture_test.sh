#!/usr/bin/env bash
# Plays a level through openal-soft's wave-file backend with the music
# taken out of the sound list, so that the capture holds only the effects,
# and checks that the sound the script should set off is heard; the same
# level played without the deed stays silent.
# Usage: effects_capture_test.sh REPLAY LEVELC DATA_DIR LEVEL.lvl SOUND_ID SCRIPT CONTROL_SCRIPT
set -euo pipefail
replay=$1 levelc=$2 data=$3 level=$4 sound=$5 script=$6 control=$7
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp -r "$data" "$work/data"
# The music is the third line; a missing file leaves it silent.
sed -i '3s|.*|Data/Sounds/no-music.ogg|' "$work/data/sounds.txt"
"$levelc" compile "$level" "$work/data/Data/Levels/capture.dat"
printf 'capture.dat' > "$work/data/Data/Levels/save.dat"

# Prints the peak amplitude of the capture of one run: the capture runs
# as long as the wall clock, so its average would depend on the machine.
run() {
    printf '[general]\ndrivers=wave\n[wave]\nfile=%s\n' "$work/$1.wav" > "$work/alsoft.conf"
    printf '%b' "$2" > "$work/$1.txt"
    # Enough frames for the effect to be written out: the wave backend
    # writes at the pace of the clock on the wall.
    ALSOFT_CONF="$work/alsoft.conf" ALSOFT_DRIVERS= SDL_VIDEODRIVER=offscreen \
        "$replay" --data "$work/data" --frames 500 --trace "$work/$1.jsonl" "$work/$1.txt" > /dev/null 2>&1
    sox "$work/$1.wav" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}'
}

heard=$(run deed "$script")
quiet=$(run control "$control")
echo "with the deed: peak $heard; without: peak $quiet"
grep -q "\"sounds\":\[{\"id\":$sound,\"loop\":false}" "$work/deed.jsonl" || { echo "sound $sound was never played"; exit 1; }
if grep -q "\"sounds\":\[{\"id\":$sound," "$work/control.jsonl"; then echo "sound $sound played without the deed"; exit 1; fi
awk -v h="$heard" -v q="$quiet" 'BEGIN { exit !(h > 0.05 && q < 0.001) }' || { echo "not heard, or heard without the deed"; exit 1; }
