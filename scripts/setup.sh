#!/usr/bin/env bash
# Installs what the project needs on Debian 12 and builds it into build/.
# Usage: scripts/setup.sh [--for-tests]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev libjpeg-dev
  fonts-dejavu-core timgm6mb-soundfont
  xfonts-base  # the X fonts SDL's system message box draws its text with
  libcairo2-dev libpango1.0-dev librsvg2-dev libespeak-ng-dev espeak-ng-data nlohmann-json3-dev
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xdotool x11-utils imagemagick
)
if [ "${1:-}" = "--for-tests" ]; then
  packages+=("${test_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The emoji sets for the word cards come from the npm registry. Debian's nodejs brings npm
# along in some releases and packs it apart in others.
if ! command -v npm >/dev/null 2>&1; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends npm ||
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends nodejs
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
