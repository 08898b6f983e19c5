#!/usr/bin/env bash
# Sets up, builds and runs every test headless (Qt's offscreen platform), then builds the core,
# the board, the saved games and the window models with their tests again under AddressSanitizer
# and UndefinedBehaviorSanitizer (build-asan, no Qt) and runs those: any finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j 2

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVOCARI_SANITIZE=ON -DVOCARI_BUILD_QT=OFF -DVOCARI_BUILD_BENCH=OFF
cmake --build build-asan -j 2
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j 2
