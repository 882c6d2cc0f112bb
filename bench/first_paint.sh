#!/usr/bin/env bash
# Times the game's start against the least an SDL2 program needs to show a window: from the
# start of each program to the first non-black pixel in the middle of the screen, several
# times each under Xvfb at 1280x1024, without a window manager and, when one is installed,
# with matchbox-window-manager. Prints the medians and their ratio; asserts nothing.
# Usage: first_paint.sh BUILD_DIR (holding vimbaro, its Data and bench/)
set -uo pipefail
build=$(readlink -f "${1:?usage: first_paint.sh BUILD_DIR}")
rounds=${FIRST_PAINT_ROUNDS:-5}
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER

# -br: a black root window, so the first pixel a program draws is seen.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -br -nolisten tcp -noreset 3>"$work/display" \
  >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
export DISPLAY=":$(head -n 1 "$work/display")"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Alternates the two programs so that both see the same machine load.
measure() {  # measure LABEL
  local game="" bare="" t
  for _ in $(seq "$rounds"); do
    t=$(cd "$work" && "$build/bench/vimbaro_first_pixel" "$build/vimbaro") && game="$game $t"
    t=$("$build/bench/vimbaro_first_pixel" "$build/bench/vimbaro_bare_window") && bare="$bare $t"
  done
  local g b
  g=$(tr ' ' '\n' <<<"$game" | grep . | median)
  b=$(tr ' ' '\n' <<<"$bare" | grep . | median)
  printf '%s: game %s ms (%s), bare SDL2 window %s ms (%s), ratio %s\n' "$1" "${g:-?}" \
    "${game# }" "${b:-?}" "${bare# }" \
    "$(awk -v g="${g:-0}" -v b="${b:-0}" 'BEGIN { if (b > 0) printf "%.2f", g / b; else print "?" }')"
}

echo "First paint, median of $rounds starts each:"
measure "no window manager"
if command -v matchbox-window-manager >/dev/null 2>&1; then
  matchbox-window-manager -use_titlebar no >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
  measure "matchbox-window-manager"
fi
