#!/usr/bin/env bash
# Installs what the project needs on Debian 12 and builds it into build/.
# Usage: scripts/setup.sh              the game and its data set (what playing needs)
#        scripts/setup.sh --for-tests  also the tests, benchmarks and what they run with
#        scripts/setup.sh --check-play-configure DIR
#                                      configures the play build in DIR as if the test
#                                      packages were not installed, and builds nothing
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
  libx11-dev matchbox-window-manager  # the first-paint benchmark's poller and window manager
)
# Playing builds neither the tests nor the benchmarks, so it never needs their packages.
play_options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIMBARO_TESTS=OFF -DVIMBARO_BENCH=OFF)
test_options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIMBARO_TESTS=ON -DVIMBARO_BENCH=ON)

if [ "${1:-}" = "--check-play-configure" ]; then
  dir=${2:?usage: setup.sh --check-play-configure DIR}
  cmake -S . -B "$dir" "${play_options[@]}" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON --no-warn-unused-cli >/dev/null
  echo "the play build configures without the test packages"
  exit 0
fi

options=("${play_options[@]}")
if [ "${1:-}" = "--for-tests" ]; then
  packages+=("${test_packages[@]}")
  options=("${test_options[@]}")
fi

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

# Installs the named packages that are missing, and nothing else: packages already there are
# neither upgraded nor reinstalled.
install_missing() {
  local missing=() p
  for p in "$@"; do
    installed "$p" || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  local as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Vimbaro needs these Debian packages; ask an administrator to install them" \
        "(apt-get install ${missing[*]}) and run this again." >&2
      exit 1
    fi
    as_root=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends --no-upgrade "${missing[@]}"
}

install_missing "${packages[@]}"

# The emoji sets for the word cards come from the npm registry. Debian's nodejs brings npm
# along in some releases and packs it apart in others.
if ! command -v npm >/dev/null 2>&1; then
  install_missing npm || install_missing nodejs
fi

cmake -S . -B build "${options[@]}" >/dev/null
cmake --build build -j"$(nproc)"
