#!/usr/bin/env bash
# Records a short play of the real game in an X window (Xvfb), driven with
# xdotool, then replays the recording headless with velkamire-replay. The
# real game runs with no frame cap, so its frames take varying times; the
# replay must still run the same frames with the same steps: both traces
# have as many frames, their last frames are equal object for object, and
# so is every frame before.
# Usage: record_replay_test.sh GAME_BINARY REPLAY_BINARY DATA_DIR
set -euo pipefail
game=$(realpath "$1")
replay=$(realpath "$2")
data=$3
work=$(mktemp -d)
source "$(dirname "$0")/../support/xvfb_game.sh"
trap 'stop_game_and_xvfb; rm -rf "$work"' EXIT

for copy in real replayed; do
    cp -r "$data" "$work/$copy"
    printf 'lev1.dat' > "$work/$copy/Data/Levels/save.dat"
done

start_xvfb
start_game "$work/real" --record "$work/play.txt" --trace "$work/real.jsonl"
wait_for_game_window

# The game draws frames as soon as its window is up; let a good many pass.
for _ in $(seq 300); do
    [ "$(stat -c %s "$work/real.jsonl" 2>/dev/null || echo 0)" -gt 200000 ] && break
    sleep 0.1
done

xdotool keydown --window "$window" Right
sleep 1.2
xdotool keyup --window "$window" Right
xdotool key --window "$window" Up
sleep 0.3
xdotool keydown --window "$window" Left
sleep 0.5
xdotool keyup --window "$window" Left
xdotool key --window "$window" d
sleep 0.5
end_game_with_escape
[ "$game_status" -eq 0 ] || { echo "the game ended with exit code $game_status"; cat "$work/game.log"; exit 1; }

grep -q ' key 39$' "$work/play.txt" && grep -q ' keyup 37$' "$work/play.txt" ||
    { echo "the recording lacks the keys that were pressed"; cat "$work/play.txt"; exit 1; }
times=$(awk '$2 == "elapsed" { print $3 }' "$work/play.txt" | sort -u | wc -l)
echo "distinct frame times in the recording: $times"
[ "$times" -gt 1 ] || { echo "every frame took the same time; nothing tests the time lines"; exit 1; }

"$replay" --data "$work/replayed" --trace "$work/replayed.jsonl" "$work/play.txt" 2> "$work/replay.log" ||
    { echo "velkamire-replay failed"; cat "$work/replay.log"; exit 1; }

real_frames=$(wc -l < "$work/real.jsonl")
replayed_frames=$(wc -l < "$work/replayed.jsonl")
echo "frames drawn: $real_frames in the game, $replayed_frames in the replay"
[ "$real_frames" -eq "$replayed_frames" ] || { echo "the replay drew a different number of frames"; exit 1; }

tail -1 "$work/real.jsonl" > "$work/real_last.json"
tail -1 "$work/replayed.jsonl" > "$work/replayed_last.json"
jq -c '.objects[]' "$work/real_last.json" > "$work/real_objects"
jq -c '.objects[]' "$work/replayed_last.json" > "$work/replayed_objects"
echo "objects in the last frame: $(wc -l < "$work/real_objects")"
diff "$work/real_objects" "$work/replayed_objects" || { echo "the last frames' objects differ"; exit 1; }
diff <(jq -S 'del(.objects)' "$work/real_last.json") <(jq -S 'del(.objects)' "$work/replayed_last.json") ||
    { echo "the last frames differ outside their objects"; exit 1; }
jq -e '.ended' "$work/real_last.json" > /dev/null || { echo "the last frame did not end the game"; exit 1; }
# Not only the end: every frame the replay drew is the frame the game drew.
if ! cmp -s "$work/real.jsonl" "$work/replayed.jsonl"; then
    echo "the traces part at line $(cmp "$work/real.jsonl" "$work/replayed.jsonl" | awk '{ print $NF }')"
    exit 1
fi

# The play did something: the player is not where it started.
player() { jq -c '[.objects[] | select(.type == 5) | [.x, .y]]' "$1"; }
first=$(head -1 "$work/real.jsonl" | player /dev/stdin)
last=$(player "$work/real_last.json")
echo "player from $first to $last"
[ "$first" != "$last" ] || { echo "the player never moved"; exit 1; }
