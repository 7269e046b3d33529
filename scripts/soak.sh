#!/usr/bin/env bash
# The long soak: the replay tool on every shipped level with seeded random
# input, printing each level's memory figures.
#
#   scripts/soak.sh [-s GAME_SECONDS] [-b BUILD_DIR] [-j JOBS] [LEVEL...]
#
# Defaults: an hour of game time per level, in build/, every shipped level
# (or the ones named, as lev4 or lev4.dat), two at a time. In build-sanitize/
# the sanitizers' options are set as make test-sanitize sets them.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=3600
build=build
jobs=2
while getopts "s:b:j:" option; do
  case $option in
    s) seconds=$OPTARG ;;
    b) build=$OPTARG ;;
    j) jobs=$OPTARG ;;
    *) exit 2 ;;
  esac
done
if [ "$(basename "$build")" = build-sanitize ]; then source scripts/sanitizer-env.sh; fi
export VELKAMIRE_SOAK_SECONDS=$seconds

shift $((OPTIND - 1))
if [ $# -gt 0 ]; then
  levels=$(printf '%s\n' "$@" | sed 's/\.dat$//; s/$/.dat/')
else
  levels=$(cd assets/levels && ls -- *.lvl | sed 's/\.lvl$/.dat/')
fi
status=0
printf '%s\n' $levels | xargs -P "$jobs" -I{} env VELKAMIRE_SOAK_LEVEL={} bash -c \
  'nice -n 5 "$0" > "$1/soak-{}.log" 2>&1 && echo "{}: passed" || { echo "{}: FAILED, see $1/soak-{}.log"; exit 1; }' \
  "$build/tests/soak_tests" "$build" || status=1
for level in $levels; do grep -h "resident kB" "$build/soak-$level.log" || true; done
exit $status
