#!/usr/bin/env bash
# Configures and builds the trees named on the command line: native (host), win (the 32-bit
# program) and win64 (the same for machines that run only 64-bit code).
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
if [ ! -f "$root/build/win64/build.ninja" ]; then
    cmake -S "$root" -B "$root/build/win64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null
fi
# Each argument is a tree, optionally with one target: "win64:DevTool".
for arg in "$@"; do
    tree=${arg%%:*}
    if [ "$tree" != "$arg" ]; then
        cmake --build "$root/build/$tree" -j "$jobs" --target "${arg#*:}"
    else
        cmake --build "$root/build/$tree" -j "$jobs"
    fi
done
