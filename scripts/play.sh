#!/usr/bin/env bash
# Sets up, builds and starts the game in its data folder (the folder that holds Base3.txt).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cd build/data
exec ../bin/vocari
