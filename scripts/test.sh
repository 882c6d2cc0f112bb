#!/usr/bin/env bash
# Sets everything up and runs the whole test suite: unit and session tests, the sanitizer
# builds, the fuzzers for a bounded time, end-to-end runs of the real binary under Xvfb and
# one short pass of the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
fuzz_seconds=${VIMBARO_FUZZ_SECONDS:-60}

bash scripts/setup.sh --for-tests

section() { printf '\n=== %s ===\n' "$1"; }

section "the play build needs no test packages"
play_check=$(mktemp -d)
bash scripts/setup.sh --check-play-configure "$play_check"
rm -rf "$play_check"

section "unit and session tests"
(cd build && ctest --output-on-failure -j"$jobs")

section "address and undefined-behaviour sanitizers"
cmake -S . -B build-asan -DVIMBARO_SANITIZE=address,undefined -DVIMBARO_BENCH=OFF \
  -DVIMBARO_DATA=OFF >/dev/null
cmake --build build-asan -j"$jobs"
# The sanitizer builds make no data set of their own; the series sessions play on this one.
export VIMBARO_TEST_DATA="$root/build/Data"
(cd build-asan && LSAN_OPTIONS="suppressions=$root/tests/lsan.supp" ctest --output-on-failure -j"$jobs")

section "thread sanitizer"
cmake -S . -B build-tsan -DVIMBARO_SANITIZE=thread -DVIMBARO_BENCH=OFF -DVIMBARO_DATA=OFF >/dev/null
cmake --build build-tsan -j"$jobs"
# The exercise types' own unit tests take minutes each under this sanitizer; the address build
# runs them, and the sessions here still play every type with the key thread and its fades
# (by keys; the switch sessions of the types run in the other builds, and the whole series
# here use every input).
(cd build-tsan && TSAN_OPTIONS="halt_on_error=1 suppressions=$root/tests/tsan.supp" ctest \
  --output-on-failure -j"$jobs" \
  -E '^(Types|Variants)/|^Schemat|^ThemeRowTest|^MissingLetterTest|TypeSession.*_switch')

section "fuzzing (${fuzz_seconds} s per loader)"
seeds=$(mktemp -d)
trap 'rm -rf "$seeds"' EXIT
VIMBARO_FUZZ_SEEDS="$seeds" ./build/tests/vimbaro_tests >/dev/null
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVIMBARO_FUZZ=ON -DVIMBARO_TESTS=OFF \
  -DVIMBARO_BENCH=OFF -DVIMBARO_DATA=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$jobs"
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$seeds/$name"
  mkdir -p "$corpus"
  echo "$name: $(ls "$corpus" | wc -l) seeds"
  log="$seeds/$name.log"
  if ! "$target" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 "$corpus" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "$name found a failure"
    exit 1
  fi
  grep -E '^(#[0-9]+\s+DONE|Done)' "$log" | tail -n 1 || true
done

section "end-to-end runs under Xvfb"
bash tests/e2e/run.sh "$root/build/vimbaro"

section "benchmarks (one short pass)"
# On a real X server the idle figure measures the blocking wait, as on a user's machine.
xvfb-run -a -s "-screen 0 1280x1024x24" ./build/bench/vimbaro_bench --benchmark_min_time=0.05
bash bench/first_paint.sh build

echo
echo "All tests passed."
