#!/usr/bin/env bash
# Sets up, builds and runs every test headless (Qt's offscreen platform), then builds the core,
# the board, the saved games and the window models with their tests again under AddressSanitizer
# and UndefinedBehaviorSanitizer (the "asan" preset, build-asan, no Qt) and runs those: any
# finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
ctest --preset release -j "$(nproc)"

cmake --preset asan
cmake --build --preset asan -j "$(nproc)"
ctest --preset asan -j "$(nproc)"
