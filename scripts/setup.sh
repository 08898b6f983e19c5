#!/usr/bin/env bash
# Installs what the build needs from Debian's archive (with sudo when not root) and builds the
# game, its word list and its tests into build/ (the "release" preset of CMakePresets.json).
# Usage: scripts/setup.sh [extra cmake options]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
  witalian hunspell-it
  xvfb xauth fonts-dejavu-core fonts-liberation2
)
scripts/install_packages.sh "${packages[@]}"

cmake --preset release "$@"
cmake --build --preset release -j "$(nproc)"
