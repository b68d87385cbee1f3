#pragma once
// Windows BMP files as a skin package holds them, decoded without Win32 into a plain pixel
// buffer. Skin images are untrusted: a file whose header does not agree with its bytes decodes
// to an empty image, never to a read outside the file.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

struct TBmpImage {
    int width = 0;
    int height = 0;
    int bitCount = 0; // bits per pixel of the file it came from
    // Rows top-down, pixels 0x00RRGGBB (note: skin colour values are 0x00BBGGRR).
    std::vector<std::uint32_t> pixels;

    bool Empty() const { return pixels.empty(); }
    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// Largest image accepted, in pixels and per side.
inline constexpr std::uint64_t kBmpMaxPixels = 1u << 24;
inline constexpr int kBmpMaxSide = 1 << 15;

// Decodes 1, 4, 8, 16, 24 and 32 bits per pixel (uncompressed, or bit fields for 16 and 32),
// bottom-up or top-down, with core or info headers. Anything else gives an empty image.
TBmpImage DecodeBmp(std::span<const std::uint8_t> file);
