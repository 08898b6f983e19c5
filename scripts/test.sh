#!/usr/bin/env bash
# Sets up, builds and runs every test headless (Qt's offscreen platform), then builds the core,
# the board, the saved games and the window models with their tests again under AddressSanitizer
# and UndefinedBehaviorSanitizer (the "asan" preset, build-asan, no Qt) and runs those, and
# last runs every fuzz target for a short fixed time (scripts/fuzz.sh, build-fuzz): any finding
# fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
ctest --preset release -j "$(nproc)"

cmake --preset asan
cmake --build --preset asan -j "$(nproc)"
ctest --preset asan -j "$(nproc)"

# The search, the game file reader, the viewer and the options parser meet their fuzzers on every
# change: 30 seconds a target, two at a time.
bash scripts/fuzz.sh 30
