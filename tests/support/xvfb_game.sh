# Helpers for tests that run the real game in an X window (Xvfb), driven by
# xdotool: start the server and the game, find the game's window, wait for
# the level to show, end the game with Escape, and stop both in the right
# order. Source this file after setting `work` to a scratch folder and
# `game` to the game's binary; it keeps its state in xvfb_pid, game_pid,
# window and game_status.

# Starts Xvfb with a screen of the given size (800x600 unless told) and
# exports DISPLAY. Xvfb picks a free display itself and names it on the
# given descriptor.
start_xvfb() {  # [WxH]
    Xvfb -displayfd 3 -screen 0 "${1:-800x600}x24" -nolisten tcp 3> "$work/display" > "$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; return 1; }
    export DISPLAY=:$(head -1 "$work/display")
    for _ in $(seq 50); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done
}

# Starts the game in the given directory, with no sound card unless
# ALSOFT_DRIVERS is set; its output goes to $work/game.log. Set variables
# for the game in front of the call.
start_game() {  # working directory, game arguments...
    local dir=$1
    shift
    (cd "$dir" && ALSOFT_DRIVERS=${ALSOFT_DRIVERS-null} exec "$game" "$@") > "$work/game.log" 2>&1 &
    game_pid=$!
}

# Waits for the window titled Velkamire and focuses it; sets window.
wait_for_game_window() {
    window=""
    for _ in $(seq 300); do
        window=$(xdotool search --name '^Velkamire$' 2>/dev/null | head -1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "no window titled Velkamire appeared"; cat "$work/game.log"; return 1; }
    xdotool windowfocus --sync "$window" 2>/dev/null || true
}

changed() {  # crop geometry, two shots -> number of differing pixels
    compare -metric AE -crop "$1" "$2" "$3" null: 2>&1 || true
}
brightness() {  # shot, crop geometry -> mean brightness in thousandths
    convert "$1" -crop "$2" -format '%[fx:int(mean*1000)]' info:
}

# Where the player of the first level starts (x 144-176, y 268-300 from the
# top of the window) and a corner far from anything that moves.
start_tile=32x32+144+268
far_tile=96x96+600+40

# The game pauses a second at start, then draws the level; a slow machine
# may take longer. Waits until the level shows (a bright far corner) and two
# shots agree where the player starts and far from it, and leaves the last
# shot in the given file.
wait_until_steady() {  # shot file
    local previous="$work/previous.png"
    rm -f "$previous"
    for _ in $(seq 60); do
        sleep 0.5
        import -window root "$1"
        if [ -f "$previous" ] &&
           [ "$(brightness "$1" $far_tile)" -gt 20 ] &&
           [ "$(changed $far_tile "$previous" "$1" | cut -d. -f1)" -eq 0 ] &&
           [ "$(changed $start_tile "$previous" "$1" | cut -d. -f1)" -eq 0 ]; then
            return 0
        fi
        cp "$1" "$previous"
    done
    echo "the level never showed steadily"
    cat "$work/game.log"
    return 1
}

# True when the game ended within the given seconds; sets game_status.
wait_for_exit() {  # seconds
    for _ in $(seq $(($1 * 10))); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$game_pid" 2>/dev/null && return 1
    game_status=0
    wait "$game_pid" || game_status=$?
    game_pid=""
}

# Presses Escape and waits for the game to end; sets game_status.
end_game_with_escape() {
    xdotool key --window "$window" Escape
    wait_for_exit 30 || { echo "Escape did not end the game"; return 1; }
    echo "exit code $game_status"
}

# The game is stopped before its X server: a game whose display vanishes
# while it shuts down was seen to linger, and SDL turns SIGTERM into a quit
# event that a stuck game never reads, so it gets 5 s and then SIGKILL.
stop_game_and_xvfb() {
    if [ -n "${game_pid:-}" ]; then
        kill "$game_pid" 2>/dev/null || true
        for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$game_pid" 2>/dev/null || true
    fi
    if [ -n "${xvfb_pid:-}" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
