#!/usr/bin/env bash
# Installs the game below a temporary DESTDIR and plays the installed copy in
# a real X window (Xvfb), started from an unrelated working directory with
# HOME and XDG_DATA_HOME in a temporary folder: walks the player into the
# first level's elevator, saves the progress (S), saves a level from the
# editor under a shipped level's name, and quits. Checks that both files
# landed in the player's directory and that the installed tree is byte for
# byte what was installed.
# Usage: installed_game_test.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(dirname "$0")
work=$(mktemp -d)
source "$here/../support/xvfb_game.sh"
trap 'stop_game_and_xvfb; rm -rf "$work"' EXIT

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr > "$work/install.log"
game=$root/usr/bin/velkamire
shipped=$root/usr/share/velkamire/Data/Levels
[ -x "$game" ] || { echo "no game installed at $game"; exit 1; }

# Every path with its type and mode, then every file's checksum.
snapshot() {
    (cd "$root" && find . -printf '%y %m %p\n' | sort && find . -type f -print0 | sort -z | xargs -0 sha256sum)
}
snapshot > "$work/installed.txt"
echo "installed in $SECONDS s"

mkdir -p "$work/home" "$work/elsewhere"
players=$work/home/data/velkamire/Data/Levels
start_xvfb
HOME="$work/home" XDG_DATA_HOME="$work/home/data" start_game "$work/elsewhere"
wait_for_game_window
wait_until_steady "$work/start.png"
echo "the game shows its first level after $SECONDS s"

# The first level: a corridor from the start (tile centre 160, 284 in window
# pixels, y from the top) right to a room whose elevator is at (672, 188).
# Only the player moves, so it is where the picture differs from the start
# inside the room's square, which leaves out the player's start. The
# player's outline spans 18 x 32 pixels around its centre; the elevator is
# drawn over it, so next to the elevator only the part outside shows.
room_x=576
room_y=108
room=224x224+$room_x+$room_y
elevator_x=672
elevator_y=188
locate() {  # -> "x y" of the player's centre, "gone" when the level changed, "hidden" when not seen
    import -window root "$work/now.png"
    local box w rest h xy x y
    box=$(convert "$work/start.png" "$work/now.png" -compose difference -composite -crop $room +repage \
          -colorspace gray -threshold 4% -format '%@' info: 2>/dev/null)
    w=${box%%x*} rest=${box#*x}
    h=${rest%%+*} xy=${rest#*+}
    x=$((room_x + ${xy%%+*})) y=$((room_y + ${xy#*+}))
    if [ "$w" -gt 40 ] || [ "$h" -gt 40 ]; then echo gone
    elif [ "$w" -eq 0 ]; then echo hidden
    elif [ "$x" -ge $((elevator_x - 16)) ] && [ "$x" -lt $((elevator_x + 16)) ]; then
        echo "$((x + w - 9)) $((y + 16))"  # only the right side shows
    else echo "$((x + 9)) $((y + 16))"; fi
}
# Where the player is once two looks a moment apart agree.
at_rest() {
    local last="" now
    for _ in $(seq 50); do
        now=$(locate)
        [ "$now" = "$last" ] && { echo "$now"; return; }
        last=$now
        sleep 0.2
    done
    echo "$last"
}
# Taps an arrow key as often as the distance to the target along one axis
# needs (a tap walks 8 pixels, but a long frame may walk more), then looks
# again. Returns 0 at the target, 1 when the level changed, 2 when the
# player cannot be seen.
walk() {  # axis (x or y), target, key towards lower values, key towards higher
    local axis=$1 target=$2 lower=$3 higher=$4 place value steps key
    for _ in $(seq 30); do
        place=$(at_rest)
        [ "$place" = gone ] && return 1
        [ "$place" = hidden ] && return 2
        if [ "$axis" = x ]; then value=${place% *}; else value=${place#* }; fi
        key=$higher
        if [ "$value" -gt "$target" ]; then key=$lower; steps=$(((value - target + 4) / 8))
        else steps=$(((target - value + 4) / 8)); fi
        [ "$steps" -eq 0 ] && return 0
        for _ in $(seq "$steps"); do
            xdotool key --window "$window" "$key"
            sleep 0.15
        done
    done
    echo "the player never reached $axis = $target (last at $place)"
    exit 1
}
walked() {  # walk's arguments; fails the test unless the target is reached
    local result=0
    walk "$@" || result=$?
    [ "$result" -eq 0 ] || { echo "lost the player walking to $2 (walk says $result)"; exit 1; }
}

# Along the corridor: the wall at its end stops the player at (608, 284).
for _ in $(seq 3); do
    xdotool keydown --window "$window" Right
    sleep 6
    xdotool keyup --window "$window" Right
    [ "$(at_rest)" != hidden ] && break
done
walked x 608 Left Right
walked y $elevator_y Up Down
walked x $((elevator_x - 32)) Left Right
# Onto the elevator: hidden under it, the player ends the level; the next
# level replaces the picture a second later.
ended=""
for _ in $(seq 40); do
    result=0
    walk x $elevator_x Left Right || result=$?
    [ "$result" -eq 1 ] && { ended=yes; break; }
    sleep 0.3
done
[ -n "$ended" ] || { echo "the level did not end on the elevator"; exit 1; }
echo "the player rode the elevator after $SECONDS s"

# Wait for the file the game writes; fail with what the player's folder holds.
wait_for_file() {  # path, expected bytes of a file
    for _ in $(seq 100); do
        [ -f "$1" ] && cmp -s "$1" "$2" && return 0
        sleep 0.2
    done
    echo "$1 never held the expected bytes; the player's folder has:"
    find "$work/home" -printf '%p %s\n'
    exit 1
}

# The next level loads a second after the elevator; then save the progress.
sleep 2
xdotool key --window "$window" s
printf 'lev2.dat' > "$work/expected_save"
wait_for_file "$players/save.dat" "$work/expected_save"

# The editor: load the current level (its name is offered), then save it
# under the first level's name, shadowing the shipped one for this player.
xdotool key --window "$window" e
sleep 1
xdotool key --window "$window" Return
sleep 1
xdotool key --window "$window" s
sleep 1
for _ in $(seq 12); do xdotool key --window "$window" BackSpace; done
xdotool type --window "$window" --delay 50 lev1.dat
xdotool key --window "$window" Return
wait_for_file "$players/lev1.dat" "$shipped/lev2.dat"

end_game_with_escape
[ "$game_status" -eq 0 ]

snapshot > "$work/after.txt"
if ! diff "$work/installed.txt" "$work/after.txt"; then
    echo "the installed tree changed"
    exit 1
fi
[ -z "$(ls -A "$work/elsewhere")" ] || { echo "the game wrote into its working directory"; ls -A "$work/elsewhere"; exit 1; }
echo "progress and level saved in $players; installed tree unchanged"
