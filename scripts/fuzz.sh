#!/usr/bin/env bash
# Runs the fuzz targets built by make fuzz, one at a time at low priority, each
# from its committed seeds (fuzz/corpus/NAME) into a working corpus of its
# own (build-fuzz/corpus/NAME). Inputs that crash or trip a sanitizer are
# kept as build-fuzz/findings/NAME-*, and the script fails.
#
#   scripts/fuzz.sh [-t SECONDS] [-n RUNS] [-j JOBS] [NAME...]
#
# -t: time for each target (default 60); -n: stop after this many runs
# instead; with both, whichever comes first. -j: run each target as this
# many processes on one corpus (each picks up what the others add), the
# runs shared out between them. NAME: tga level list font wav levelc-compile levelc-decompile
# replay-script speech (default: all).
set -euo pipefail
cd "$(dirname "$0")/.."
# Absolute paths: the level target works in a scratch folder of its own.
root=$(pwd)
build=$(realpath -m "${FUZZ_BUILD:-build-fuzz}")
seconds=
runs=-1
jobs=1
while getopts "t:n:j:" option; do
  case $option in
    t) seconds=$OPTARG ;;
    n) runs=$OPTARG ;;
    j) jobs=$OPTARG ;;
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

# Starts a command at low priority in the background. Where the kernel
# groups processes by session (autogroup), nice only ranks a process against
# its own session, so the command gets a session of its own, niced as a
# whole. Being out of the terminal's process group, it is stopped here on
# Ctrl-C.
children=()
start_low_priority() {
  setsid bash -c 'echo 19 >/proc/self/autogroup 2>/dev/null; exec nice -n 10 "$@"' low "$@" &
  children+=($!)
}
stop_children() {
  for child in "${children[@]}"; do kill -TERM -- "-$child" 2>/dev/null || true; done
  wait || true
  exit 130
}
trap stop_children INT TERM

# Sums one figure of libFuzzer's final statistics over the logs given.
stat_sum() {
  local name=$1; shift
  cat "$@" | awk -v name="stat::$name:" '$1 == name {sum += $2} END {print sum + 0}'
}

# How many inputs a target has had kept as findings.
findings() {
  find "$build/findings" -maxdepth 1 -name "$1-*" | wc -l
}

mkdir -p "$build/findings"
for name in "${targets[@]}"; do
  work="$build/corpus/$name"
  mkdir -p "$work"
  job_runs=$runs
  if [ "$runs" != -1 ]; then job_runs=$(( (runs + jobs - 1) / jobs )); fi
  options=(-max_total_time="$seconds" -runs="$job_runs" -print_final_stats=1
           -artifact_prefix="$build/findings/$name-")
  # Each object of a level meets every other at each step: long levels
  # only slow the search down.
  if [ "$name" = level ]; then options+=(-max_len=512); fi
  if [ -f "fuzz/dict/$name.dict" ]; then options+=(-dict="$root/fuzz/dict/$name.dict"); fi
  echo "== fuzz-$name"
  start=$(date +%s)
  found_before=$(findings "$name")
  logs=()
  children=()
  for job in $(seq 1 "$jobs"); do
    log="$build/fuzz-$name.log"
    if [ "$jobs" -gt 1 ]; then log="$build/fuzz-$name.$job.log"; fi
    logs+=("$log")
    start_low_priority "$build/fuzz/fuzz-$name" "${options[@]}" "$work" "$root/fuzz/corpus/$name" 2>"$log"
  done
  # The first process to fail ends the others: its finding is what counts.
  failed=
  for _ in "${children[@]}"; do wait -n || { failed=1; break; }; done
  if [ -n "$failed" ]; then
    for child in "${children[@]}"; do kill -TERM -- "-$child" 2>/dev/null || true; done
    wait || true
    for log in "${logs[@]}"; do tail -n 60 "$log"; done
    # A fuzzer killed from outside fails without having found anything.
    if [ "$(findings "$name")" -gt "$found_before" ]; then
      echo "fuzz-$name: finding kept in $build/findings/"
    else
      echo "fuzz-$name: stopped without a finding, see ${logs[*]}"
    fi
    exit 1
  fi
  echo "   $(stat_sum number_of_executed_units "${logs[@]}") runs in" \
       "$(( $(date +%s) - start )) s, corpus $(ls "$work" | wc -l) files"
done
