#!/usr/bin/env bash
# Builds the Debian package from the build tree into a scratch folder and checks it the way Debian
# does: lintian must report no error and no warning; the desktop entry and the metainfo must pass
# their validators where those are installed. Exits 77 (a skipped test) without lintian.
# Usage: packaging/check_package.sh <build folder> <scratch folder>
set -euo pipefail
build=$1
scratch=$2

if ! command -v lintian >/dev/null; then
  echo "lintian is not installed: skipped (scripts/setup.sh installs it)"
  exit 77
fi

rm -rf "$scratch"
mkdir -p "$scratch"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" \
  || { cat "$scratch/cpack.log"; exit 1; }
debs=("$scratch"/vocari_*.deb)
[[ -f ${debs[0]} && ${#debs[@]} -eq 1 ]] || { echo "expected one vocari_*.deb in $scratch"; exit 1; }
deb=${debs[0]}
echo "package: $deb"

status=0
# Every tag of severity error or warning fails; the informational ones are shown but pass.
echo "--- lintian"
lintian --display-info --fail-on error,warning "$deb" || status=1

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
desktop=("$root"/usr/share/applications/*.desktop)
metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
if command -v desktop-file-validate >/dev/null; then
  echo "--- desktop-file-validate"
  desktop-file-validate "${desktop[@]}" || status=1
fi
if command -v appstreamcli >/dev/null; then
  echo "--- appstreamcli validate"
  appstreamcli validate --no-net "${metainfo[@]}" || status=1
fi

((status == 0)) && echo "package checks passed"
exit $status
