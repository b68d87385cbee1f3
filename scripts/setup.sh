#!/usr/bin/env bash
# Installs what building, running and testing need on a Debian 12 machine, when it is missing.
set -euo pipefail

# Wine's own fonts (fonts-wine, among them Marlett) come only as a recommendation of wine, which
# --no-install-recommends leaves out: without them Wine draws the glyphs of caption buttons,
# scroll arrows and check marks as letters ("0 1 r"). nsis, zip and unzip make and check the
# release (./package).
packages=(cmake ninja-build g++ g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
          binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
          googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
          wine wine32:i386 wine64 fonts-wine xvfb xauth x11-utils imagemagick fonts-wqy-microhei
          nsis zip unzip)

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}" >&2
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
fi
as_root apt-get update -qq
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
