#pragma once
// Geometry of a 1 KiB contactless card: 16 sectors of 4 blocks of 16 bytes. The last block of
// each sector (3, 7, 11, ...) is its trailer, holding keys and access bits; block 0 holds the
// card's serial number and maker data.

#include <array>
#include <cstdint>

namespace emulator {

constexpr int kBlockSize = 16;
constexpr int kBlocksPerSector = 4;
constexpr int kBlockCount = 64;

using Block = std::array<std::uint8_t, kBlockSize>;

constexpr bool IsValidBlock(int block) {
    return block >= 0 && block < kBlockCount;
}
constexpr bool IsSectorTrailer(int block) {
    return block % kBlocksPerSector == 3;
}
// Blocks that hold data the library may change: neither block 0 nor a sector trailer.
constexpr bool IsDataBlock(int block) {
    return IsValidBlock(block) && block != 0 && !IsSectorTrailer(block);
}

} // namespace emulator
