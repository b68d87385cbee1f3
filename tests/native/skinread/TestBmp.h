#pragma once
// Hand-built BMP files for the decoder tests: every header field can be set, so that a test can
// make an honest file or one whose header lies.

#include <cstdint>
#include <vector>

struct BmpLayout {
    int width = 2;
    int height = 2; // negative: rows top-down
    int bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t headerSize = 40; // 12: core header
    std::uint32_t coloursUsed = 0;
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB
    std::vector<std::uint32_t> masks;    // red, green, blue for bit fields
    std::vector<std::uint8_t> pixelData; // rows as stored, padding included
    // When set, written as the pixel offset instead of the honest one.
    std::int64_t pixelOffset = -1;
};

std::vector<std::uint8_t> MakeBmp(const BmpLayout& layout);
