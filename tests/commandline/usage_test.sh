#!/usr/bin/env bash
# The game, the replay tool, the level compiler and the benchmark's probe
# answer --help with their usage on standard output and exit code 0, and
# refuse an unknown option with the usage on standard error and exit code 2.
# The game also answers --version; none of this opens a window.
# Usage: usage_test.sh GAME REPLAY LEVELC GLPROBE
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# Runs a program; checks its exit code and which stream holds the text.
expect() {  # code, stream with text (out|err), pattern, program, arguments...
    local code=$1 stream=$2 pattern=$3
    shift 3
    env -u DISPLAY SDL_VIDEODRIVER=none "$@" > "$work/out" 2> "$work/err"
    local got=$?
    local other=err
    [ "$stream" = err ] && other=out
    if [ "$got" -ne "$code" ] || ! grep -q -- "$pattern" "$work/$stream" || [ -s "$work/$other" ]; then
        echo "FAILED: $* gave exit code $got (wanted $code), '$pattern' wanted on std$stream"
        echo "--- stdout"; cat "$work/out"; echo "--- stderr"; cat "$work/err"
        failed=1
    fi
}

game=$1
replay=$2
levelc=$3
glprobe=$4
for program in "$game" "$replay" "$levelc" "$glprobe"; do
    expect 0 out '^usage: ' "$program" --help
    expect 2 err '^usage: ' "$program" --no-such-option
done
expect 0 out '^velkamire [0-9][0-9.]*$' "$game" --version
expect 2 err '^velkamire: --record needs a file$' "$game" --record
exit $failed
