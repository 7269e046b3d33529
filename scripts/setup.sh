#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test.
# Skips what is already installed; uses sudo when not run as root.
# "setup.sh fuzz" adds clang with libFuzzer, for make fuzz only.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libx11-dev libxfixes-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
  libopenal-dev libalut-dev libogg-dev libvorbis-dev
  libfreetype-dev fonts-dejavu-core libpng-dev zlib1g-dev
  libgtest-dev libbenchmark-dev
  xvfb xdotool imagemagick x11-utils x11-xkb-utils sox jq
  dpkg-dev file desktop-file-utils lintian man-db
)
if [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-14-dev llvm)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
