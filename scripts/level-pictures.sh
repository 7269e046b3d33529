#!/usr/bin/env bash
# Takes the reference picture of shipped levels: frame 30 of a replay that
# starts on the level and presses nothing, as the suite's LevelPictures test
# takes it and compares it with assets/levels/pictures/<name>.png.
# Usage: level-pictures.sh BUILD_DIR OUT_DIR [NAME...]
#   NAME is a level's name without .lvl (lev4); default: every
#   assets/levels/lev*.lvl. The build's data must hold the compiled levels.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -lt 2 ]; then
    echo "usage: level-pictures.sh BUILD_DIR OUT_DIR [NAME...]" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
shift 2
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    for source in "$root"/assets/levels/lev*.lvl; do names+=("$(basename "$source" .lvl)"); done
fi

# A copy of the data, so that save.dat of the build stays as it is.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build/data" "$work/data"
for name in "${names[@]}"; do
    if [ ! -f "$work/data/Data/Levels/$name.dat" ]; then
        echo "level-pictures: $name.dat is not in $build/data (build first)" >&2
        exit 1
    fi
    printf '%s.dat' "$name" > "$work/data/Data/Levels/save.dat"
    SDL_VIDEODRIVER=offscreen ALSOFT_DRIVERS=null \
        "$build/velkamire-replay" --data "$work/data" --frames 31 --screenshot "30:$out/$name.png"
done
