#!/usr/bin/env bash
# Runs the fuzz targets built by make fuzz, one at a time at low priority, each
# from its committed seeds (fuzz/corpus/NAME) into a working corpus of its
# own (build-fuzz/corpus/NAME). Inputs that crash or trip a sanitizer are
# kept as build-fuzz/findings/NAME-*, and the script fails.
#
#   scripts/fuzz.sh [-t SECONDS] [-n RUNS] [NAME...]
#
# -t: time for each target (default 60); -n: stop after this many runs
# instead; with both, whichever comes first. NAME: tga level list font wav levelc-compile levelc-decompile
# replay-script speech (default: all).
set -euo pipefail
cd "$(dirname "$0")/.."
# Absolute paths: the level target works in a scratch folder of its own.
root=$(pwd)
build=$(realpath -m "${FUZZ_BUILD:-build-fuzz}")
seconds=
runs=-1
while getopts "t:n:" option; do
  case $option in
    t) seconds=$OPTARG ;;
    n) runs=$OPTARG ;;
    *) exit 2 ;;
  esac
done
# libFuzzer reads a time of 0 as no limit.
if [ -z "$seconds" ]; then
  if [ "$runs" = -1 ]; then seconds=60; else seconds=0; fi
fi
shift $((OPTIND - 1))
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(tga level list font wav levelc-compile levelc-decompile replay-script speech)
fi

# Runs a command at low priority. Where the kernel groups processes by
# session (autogroup), nice only ranks a process against its own session,
# so the command gets a session of its own, niced as a whole. Being out of
# the terminal's process group, it is stopped here on Ctrl-C.
low_priority() {
  setsid bash -c 'echo 19 >/proc/self/autogroup 2>/dev/null; exec nice -n 10 "$@"' low "$@" &
  local child=$!
  trap 'kill -TERM -- -'"$child"' 2>/dev/null; wait '"$child"' || true; exit 130' INT TERM
  wait "$child"
  local status=$?
  trap - INT TERM
  return $status
}

mkdir -p "$build/findings"
for name in "${targets[@]}"; do
  work="$build/corpus/$name"
  mkdir -p "$work"
  options=(-max_total_time="$seconds" -runs="$runs" -print_final_stats=1
           -artifact_prefix="$build/findings/$name-")
  # Each object of a level meets every other at each step: long levels
  # only slow the search down.
  if [ "$name" = level ]; then options+=(-max_len=512); fi
  if [ -f "fuzz/dict/$name.dict" ]; then options+=(-dict="$root/fuzz/dict/$name.dict"); fi
  echo "== fuzz-$name"
  start=$(date +%s)
  low_priority "$build/fuzz/fuzz-$name" "${options[@]}" "$work" "$root/fuzz/corpus/$name" 2>"$build/fuzz-$name.log" ||
    { tail -n 60 "$build/fuzz-$name.log"; echo "fuzz-$name: finding kept in $build/findings/"; exit 1; }
  echo "   $(grep -E '^stat::number_of_executed_units' "$build/fuzz-$name.log" | awk '{print $2}') runs in" \
       "$(( $(date +%s) - start )) s, corpus $(ls "$work" | wc -l) files"
done
