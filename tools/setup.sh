#!/bin/bash
# Installs whatever building and testing Festoon needs from Debian's packages, then
# configures and builds both trees: the Windows build (festoon.exe, cross-compiled
# with MinGW-w64) in build/win and the host build (core, unit tests, end-to-end
# tests that drive build/win under Wine) in build/host. Quick when all is in place.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

packages=(
    cmake make g++ libgtest-dev python3           # host build and tests
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 # festoon.exe
    wine wine64 fonts-wine                         # running it
    xvfb xdotool imagemagick x11-utils procps      # the end-to-end harness
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]})); then
    if [[ $(id -u) -ne 0 ]]; then
        echo "setup: missing Debian packages: ${missing[*]}" >&2
        echo "setup: run this script as root, or install them with apt-get" >&2
        exit 1
    fi
    echo "setup: installing ${missing[*]}"
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi

# Two jobs at most: the machines this runs on are small and often shared.
jobs=2
if [[ ! -f build/win/CMakeCache.txt ]]; then
    cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
fi
cmake --build build/win -j"$jobs"
if [[ ! -f build/host/CMakeCache.txt ]]; then
    cmake -S . -B build/host -DFESTOON_WIN_BUILD="$root/build/win"
fi
cmake --build build/host -j"$jobs"
