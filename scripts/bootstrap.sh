#!/usr/bin/env bash
# Installs what the build and the tests need (only what is missing), then
# configures and builds. Safe to run again; works as root on a fresh machine.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ clang libclang-rt-14-dev cmake ninja-build pkg-config
          qt6-base-dev qt6-serialport-dev libqt6svg6
          libgtest-dev libgmock-dev libbenchmark-dev poppler-utils fonts-noto-cjk
          qt6-translations-l10n desktop-file-utils appstream man-db dpkg-dev file xvfb xdotool
          emscripten chromium)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
