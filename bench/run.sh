#!/usr/bin/env bash
# The performance benchmark (make bench). In an optimised build, each run
# repeated BENCH_RUNS times and given as median (lowest - highest):
#   - whole frames: the replay tool's timing mode on every shipped level
#     (played by its solution) and on the stress scenes of bench/scenes/,
#     CPU time per frame with Mesa's rasteriser on one thread;
#   - the bare-GL probe on a draw census of the same frames, and the ratio
#     probe / game (1.0: the game costs what its quads cost as bare GL),
#     taken run by run from a game run and the probe run straight after it,
#     so that a slow spell of the machine weighs on both sides of a ratio;
#   - start-up to the first drawn frame;
#   - Google Benchmark: one world step against the number of objects, and
#     level loads.
# Usage: bench/run.sh [BUILD_DIR]   (default build-bench, made by make bench)
# Environment: BENCH_RUNS (5), BENCH_FROM (first timed frame, 50),
#              BENCH_FRAMES (most frames of a run, 600), BENCH_ONLY=step
#              (only the world step) or BENCH_ONLY="lev3 fire" (only the
#              frames of the scenes named).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-bench}" && pwd)
runs=${BENCH_RUNS:-5}
from=${BENCH_FROM:-50}
most=${BENCH_FRAMES:-600}
export LP_NUM_THREADS=1 SDL_VIDEODRIVER=offscreen ALSOFT_DRIVERS=null
only=${BENCH_ONLY:-}

work=$build/bench-work
rm -rf "$work"
mkdir -p "$work"
cp -r "$build/data" "$work/data"
cp "$root"/bench/scenes/speech/*.txt "$work/data/Data/Speech/"
for source in "$root"/bench/scenes/*.lvl; do
    "$build/velkamire-levelc" compile "$source" "$work/data/Data/Levels/$(basename "$source" .lvl).dat"
done

# Only the Google Benchmark part, for a quick look at the step: BENCH_ONLY=step.
if [ "$only" = step ]; then
    exec "$build/velkamire-bench" --data "$work/data" --benchmark_filter=WorldStep \
        --benchmark_repetitions="$runs" --benchmark_display_aggregates_only=true
fi

# Cases: name, level file, replay script (or none).
cases=()
for source in $(ls "$root"/assets/levels/lev*.lvl | sort -V); do
    name=$(basename "$source" .lvl)
    script="$root/assets/levels/solutions/$name.txt"
    [ -f "$script" ] || script=none
    cases+=("$name $name.dat $script")
done
for source in "$root"/bench/scenes/*.lvl; do
    name=$(basename "$source" .lvl)
    cases+=("$name $name.dat $root/bench/scenes/$name.txt")
done
if [ -n "$only" ]; then
    chosen=()
    for entry in "${cases[@]}"; do
        for name in $only; do [ "${entry%% *}" = "$name" ] && chosen+=("$entry"); done
    done
    [ ${#chosen[@]} -gt 0 ] || { echo "bench/run.sh: no scene named $only" >&2; exit 2; }
    cases=("${chosen[@]}")
fi

# Frames a run plays: the script's length, at most $most.
frames_of() {
    local length=$most
    if [ "$1" != none ]; then
        length=$(awk '!/^[[:space:]]*#/ && NF { f = $1; if ($2 == "hold") f += $4; if (f > m) m = f } END { print m + 1 }' "$1")
    fi
    echo $(( length < most ? length : most ))
}

# The value of key=... in a line of key=value pairs.
field() { tr ' ' '\n' <<< "$2" | sed -n "s/^$1=//p"; }

# "median (lowest-highest)" of numbers, one a line.
summary() { sort -g | awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.3f (%.3f-%.3f)\n", m, v[1], v[NR] }'; }
median() { summary | cut -d' ' -f1; }
# "thread + rasteriser" medians, from the names of two arrays.
parts() {
    local -n thread=$1 raster=$2
    echo "$(printf '%s\n' "${thread[@]}" | median) + $(printf '%s\n' "${raster[@]}" | median)"
}

replay() { "$build/velkamire-replay" --data "$work/data" "$@"; }

echo "Machine: $(nproc) CPUs, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
     "Mesa $(dpkg-query -W -f='${Version}' libgl1-mesa-dri 2>/dev/null || echo unknown), LP_NUM_THREADS=1"
echo "Frames timed from frame $from; $runs runs of each; CPU ms per frame, median (lowest-highest)."
echo
echo "Each CPU figure is the game's (or the probe's) own thread plus Mesa's rasteriser"
echo "thread; the medians of the two parts are given as thread + rasteriser."
echo "Probe / game is the median (lowest-highest) of the ratios of each game run"
echo "and the probe run that followed it."
echo
echo "| Scene | Frames timed | Quads a frame | Game ms/frame | Game: thread + rasteriser | Probe ms/frame | Probe: thread + rasteriser | Probe / game |"
echo "|---|---|---|---|---|---|---|---|"
startups_cpu=()
startups_wall=()
for entry in "${cases[@]}"; do
    read -r name level script <<< "$entry"
    frames=$(frames_of "$script")
    args=(--frames "$frames")
    [ "$script" = none ] || args+=("$script")
    printf '%s' "$level" > "$work/data/Data/Levels/save.dat"
    replay --census "$work/census.bin" "${args[@]}" 2> "$work/census.log"
    game=() game_thread=() game_raster=()
    probe=() probe_thread=() probe_raster=() ratios=()
    for ((i = 0; i < runs; ++i)); do
        line=$(replay --timing "$from" "${args[@]}" 2> "$work/timing.log")
        game+=("$(field cpu_ms "$line")")
        game_thread+=("$(field thread_ms "$line")")
        game_raster+=("$(field raster_ms "$line")")
        startups_cpu+=("$(field startup_cpu_ms "$line")")
        startups_wall+=("$(field startup_wall_ms "$line")")
        line=$("$build/velkamire-glprobe" --data "$work/data" --timing "$from" "$work/census.bin")
        probe+=("$(field cpu_ms "$line")")
        probe_thread+=("$(field thread_ms "$line")")
        probe_raster+=("$(field raster_ms "$line")")
        ratios+=("$(awk -v p="${probe[-1]}" -v g="${game[-1]}" 'BEGIN { printf "%.4f", p / g }')")
        quads=$(field quads "$line")
        timed=$(field frames "$line")
    done
    game_summary=$(printf '%s\n' "${game[@]}" | summary)
    probe_summary=$(printf '%s\n' "${probe[@]}" | summary)
    ratio=$(printf '%s\n' "${ratios[@]}" | summary)
    echo "| $name | $timed | $quads | $game_summary | $(parts game_thread game_raster) |" \
         "$probe_summary | $(parts probe_thread probe_raster) | $ratio |"
    rm -f "$work/census.bin"
done
echo
echo "Start-up to the first drawn frame (replay tool, every run above; the game's"
echo "one-second pause at start is virtual there): CPU $(printf '%s\n' "${startups_cpu[@]}" | summary) ms," \
     "wall $(printf '%s\n' "${startups_wall[@]}" | summary) ms."
echo

[ -z "$only" ] || exit 0
levels=()
for entry in "${cases[@]}"; do
    read -r name level script <<< "$entry"
    levels+=("$level")
done
"$build/velkamire-bench" --data "$work/data" --benchmark_repetitions="$runs" \
    --benchmark_display_aggregates_only=true "${levels[@]}" 2> "$work/bench.log"
