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
  qt6-translations-l10n locales
  xvfb xauth fonts-dejavu-core fonts-liberation2
  lintian desktop-file-utils appstream  # the package checks: lintian and the two validators
)
scripts/install_packages.sh "${packages[@]}"

# The tests read numbers under an Italian locale: generate it_IT.UTF-8 unless it is there already.
if ! locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$'; then
  sudo=()
  [[ $(id -u) -ne 0 ]] && sudo=(sudo)
  if grep -q '^# *it_IT\.UTF-8 UTF-8' /etc/locale.gen; then
    "${sudo[@]}" sed -i 's/^# *\(it_IT\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^it_IT\.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'it_IT.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${sudo[@]}" locale-gen
fi

cmake --preset release "$@"
cmake --build --preset release -j "$(nproc)"
