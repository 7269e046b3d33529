# Helpers for tests that run the game in an X server of their own (Xvfb).
# Source it after setting $work (a scratch directory); it kills what it
# started when the test exits.

# start_xvfb WxH: starts a server on a free display and exports DISPLAY.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3> "$work/display" > "$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
    export DISPLAY=:$(head -1 "$work/display")
    for _ in $(seq 50); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done
}

# start_game BINARY DATA_DIR: runs the game in a copy of the data directory,
# continuing at the first level; sets game_pid and window.
start_game() {
    cp -r "$2" "$work/data"
    printf 'lev1.dat' > "$work/data/Data/Levels/save.dat"
    (cd "$work/data" && exec "$1") > "$work/game.log" 2>&1 &
    game_pid=$!
    window=""
    for _ in $(seq 300); do
        window=$(xdotool search --name '^Velkamire$' 2>/dev/null | head -1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "no window titled Velkamire appeared"; cat "$work/game.log"; exit 1; }
}

# wait_for_exit SECONDS: true when the game ended within that time; sets
# game_status.
wait_for_exit() {
    for _ in $(seq $(($1 * 10))); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$game_pid" 2>/dev/null && return 1
    wait "$game_pid" && game_status=0 || game_status=$?
    game_pid=""
}

# The game is stopped before its server. SDL turns SIGTERM into a quit
# event that a stuck game never reads, so it gets SIGKILL after 5 s.
end_session() {
    if [ -n "${game_pid:-}" ]; then
        kill "$game_pid" 2>/dev/null || true
        for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$game_pid" 2>/dev/null || true
    fi
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap end_session EXIT
