#!/usr/bin/env bash
# Installs every Debian package the build, the demo data and the tests need.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config python3
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-image-formats-plugins
  gstreamer1.0-plugins-good gstreamer1.0-plugins-base gstreamer1.0-plugins-ugly
  fonts-liberation fonts-liberation2 fonts-comic-neue fonts-dejavu-core
  xvfb xauth
  espeak-ng lame sox
  libbenchmark-dev
  clang libclang-rt-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
