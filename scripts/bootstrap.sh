#!/usr/bin/env bash
# Installs what building and testing Mirevan needs, when it is missing (Debian).
set -euo pipefail

packages=(
  cmake ninja-build g++ make
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64 libz-mingw-w64-dev
  zlib1g-dev googletest libbenchmark-dev libpixman-1-dev pkg-config
  clang-14 libfuzzer-14-dev libclang-rt-14-dev
  wine wine64 fonts-wine xvfb xauth x11-utils xdotool imagemagick xcompmgr
  nsis zip unzip
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "bootstrap: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
