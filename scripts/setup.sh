#!/usr/bin/env bash
# Installs what Ordalis needs to build, test and run on Debian 12, and builds
# it in build/. Safe to run again: installs only what is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-serialport-dev
          qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl1-mesa-dev libgtest-dev libgmock-dev
          libbenchmark-dev nlohmann-json3-dev libcli11-dev clang ccache xvfb xauth
          imagemagick fonts-dejavu-core help2man python3-icalendar python3-dateutil poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build="${ORDALIS_BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build"
