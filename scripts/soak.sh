#!/usr/bin/env bash
# The long soak: the replay tool on every shipped level with seeded random
# input, two levels at a time, printing each level's memory figures.
#
#   scripts/soak.sh [-s GAME_SECONDS] [-b BUILD_DIR]
#
# Defaults: an hour of game time per level, in build/. In build-sanitize/
# the sanitizers' options are set as make test-sanitize sets them.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=3600
build=build
while getopts "s:b:" option; do
  case $option in
    s) seconds=$OPTARG ;;
    b) build=$OPTARG ;;
    *) exit 2 ;;
  esac
done
if [ "$(basename "$build")" = build-sanitize ]; then source scripts/sanitizer-env.sh; fi
export VELKAMIRE_SOAK_SECONDS=$seconds

levels=$(cd assets/levels && ls -- *.lvl | sed 's/\.lvl$/.dat/')
status=0
printf '%s\n' $levels | xargs -P 2 -I{} env VELKAMIRE_SOAK_LEVEL={} bash -c \
  'nice -n 5 "$0" > "$1/soak-{}.log" 2>&1 && echo "{}: passed" || { echo "{}: FAILED, see $1/soak-{}.log"; exit 1; }' \
  "$build/tests/soak_tests" "$build" || status=1
grep -h "resident kB" "$build"/soak-*.log || true
exit $status
