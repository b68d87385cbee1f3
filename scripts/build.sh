#!/usr/bin/env bash
# Configures and builds the native tree (build/native) and the Windows tree (build/win).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${DEVTOOL_JOBS:-$(nproc)}

if [ ! -f "$root/build/native/build.ninja" ]; then
    cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
if [ ! -f "$root/build/win/build.ninja" ]; then
    cmake -S "$root" -B "$root/build/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
fi
for tree in "$@"; do
    cmake --build "$root/build/$tree" -j "$jobs"
done
