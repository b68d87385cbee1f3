#pragma once
// Writes 24-bit BMP files (bottom-up rows, the form every Windows program reads), for the
// default skin's images and for tests.

#include <cstdint>
#include <vector>

// pixels: width * height values 0x00RRGGBB, rows top-down.
std::vector<std::uint8_t> EncodeBmp24(int width, int height,
                                      const std::vector<std::uint32_t>& pixels);
