#!/usr/bin/env bash
# Short fuzz runs, built with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# into build/fuzz, side by side so that together they take the time of one:
#   - the skin reading side (packed skin -> package -> description -> images);
#   - what the program and the library read from devices and files: the emulator's state file
#     and the terminal library's replies (card records, purse blocks, terminal texts).
# Ends non-zero when a fuzzer finds a crash, a leak or undefined behaviour.
# FUZZ_SECONDS sets the run time (default 45).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/fuzz"
mkdir -p "$out/corpus" "$out/device-corpus"
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -I"$root")

skin_sources=(skin/SkinReadHuffman.cpp skin/SkinRead.cpp skin/VarUdedIni.cpp skin/BmpImage.cpp
              tools/SkinPack.cpp tools/BmpWrite.cpp tests/fuzz/SkinFuzz.cpp)
device_sources=(emulator/Card.cpp emulator/CardRecord.cpp emulator/GbkToUtf8.cpp emulator/Hex.cpp
                emulator/Installation.cpp emulator/LocalTime.cpp emulator/Reader.cpp
                emulator/StateFile.cpp emulator/StateFileCheck.cpp emulator/StateJournal.cpp
                emulator/Terminal.cpp
                emulator/TerminalRecord.cpp emulator/TransactionGenerator.cpp
                emulator/ValueBlock.cpp cardpage/CardLayout.cpp terminalpages/TerminalFormats.cpp
                devlib/Conversions.cpp devlib/CardTypes.cpp framework/Exception.cpp
                tests/fuzz/DeviceFuzz.cpp)
clang++ "${flags[@]}" "${skin_sources[@]/#/$root/}" -o "$out/skin_fuzz" &
skin_build=$!
clang++ "${flags[@]}" "${device_sources[@]/#/$root/}" -o "$out/device_fuzz"
wait "$skin_build"

# New inputs go to build/fuzz; the seeds in the repository are only read.
run() {
    local name=$1 corpus=$2 seeds=$3
    "$out/$name" -max_total_time="${FUZZ_SECONDS:-45}" -max_len=65536 -timeout=20 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$out/$name-" \
        "$out/$corpus" "$root/tests/fuzz/$seeds" >"$out/$name.log" 2>&1
}
run skin_fuzz corpus corpus &
skin_run=$!
device_status=0
run device_fuzz device-corpus device-corpus || device_status=$?
skin_status=0
wait "$skin_run" || skin_status=$?
for name in skin_fuzz device_fuzz; do
    echo "--- $name"
    tail -n 12 "$out/$name.log"
done
if [ "$skin_status" -ne 0 ] || [ "$device_status" -ne 0 ]; then
    echo "fuzzing: findings (skin $skin_status, device $device_status); see build/fuzz/*.log"
    exit 1
fi
echo "fuzzing: no findings"
