# Helpers for tests that run the real game in an X window (Xvfb): start the
# server and the game, find the game's window, end the game with Escape, and
# stop both in the right order. Source this file; it keeps its state in
# xvfb_pid, game_pid, window and game_status.

# Starts Xvfb and exports DISPLAY. Xvfb picks a free display itself and
# names it on the given descriptor.
start_xvfb() {  # work directory
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3> "$1/display" > "$1/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.1; done
    [ -s "$1/display" ] || { echo "Xvfb did not start"; cat "$1/xvfb.log"; return 1; }
    export DISPLAY=:$(head -1 "$1/display")
    for _ in $(seq 50); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done
}

# Starts the game ($game) in its data directory with no sound card; its
# output goes to game.log beside the data directory.
start_game() {  # data directory, game arguments...
    local dir=$1
    shift
    game_log="$(dirname "$dir")/game.log"
    (cd "$dir" && ALSOFT_DRIVERS=null exec "$game" "$@") > "$game_log" 2>&1 &
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
    [ -n "$window" ] || { echo "no window titled Velkamire appeared"; cat "$game_log"; return 1; }
    xdotool windowfocus --sync "$window" 2>/dev/null || true
}

# Presses Escape and waits for the game to end; sets game_status.
end_game_with_escape() {
    xdotool key --window "$window" Escape
    for _ in $(seq 300); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$game_pid" 2>/dev/null; then echo "Escape did not end the game"; return 1; fi
    wait "$game_pid" && game_status=0 || game_status=$?
    game_pid=""
}

# The game is stopped before its X server: a game whose display vanishes
# while it shuts down was seen to linger, so it gets 5 s and then SIGKILL.
stop_game_and_xvfb() {
    if [ -n "${game_pid:-}" ]; then
        kill "$game_pid" 2>/dev/null || true
        for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$game_pid" 2>/dev/null || true
    fi
    if [ -n "${xvfb_pid:-}" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
