#!/usr/bin/env bash
# Short fuzz run of the skin reading side (packed skin -> package -> description -> images),
# built with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer into build/fuzz.
# Ends non-zero when the fuzzer finds a crash, a leak or undefined behaviour.
# FUZZ_SECONDS sets the run time (default 45).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/fuzz"
mkdir -p "$out/corpus"

sources=(skin/SkinReadHuffman.cpp skin/SkinRead.cpp skin/VarUdedIni.cpp skin/BmpImage.cpp
         tools/SkinPack.cpp tools/BmpWrite.cpp tests/fuzz/SkinFuzz.cpp)
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root" "${sources[@]/#/$root/}" -o "$out/skin_fuzz"

# New inputs go to build/fuzz/corpus; the seeds in the repository are only read.
"$out/skin_fuzz" -max_total_time="${FUZZ_SECONDS:-45}" -max_len=65536 -timeout=20 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$out/" \
    "$out/corpus" "$root/tests/fuzz/corpus"
echo "skin fuzzing: no findings"
