#!/bin/bash
# Runs the game under a virtual X server with the accessibility bus and reads it through AT-SPI
# with tools/atspi_dump.py, as a screen reader would. Usage: tools/atspi_check.sh [build-dir]
# The build dir needs the targets vocari and vocari_data (default: build).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)

if [[ "${ATSPI_CHECK_INSIDE:-}" != 1 ]]; then
  # The pieces of the desktop a screen reader relies on.
  missing=()
  for pkg in at-spi2-core python3-pyatspi gir1.2-atspi-2.0 dbus-x11 xvfb; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || missing+=("$pkg")
  done
  if ((${#missing[@]})); then
    echo "installing ${missing[*]}"
    apt-get install -y "${missing[@]}" >/dev/null
  fi
  export ATSPI_CHECK_INSIDE=1
  exec dbus-run-session -- "$0" "$build"
fi

# Inside the private session bus.
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
launcher=
game=
cleanup() {
  for pid in $game $launcher $xvfb; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X${display#:} ]] && break; sleep 0.1; done

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
sleep 1

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
(cd "$build/data" && exec "$build/bin/vocari") &
game=$!

/usr/bin/python3 "$here/atspi_dump.py"
