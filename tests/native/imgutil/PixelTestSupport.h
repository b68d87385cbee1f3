#pragma once
// Small helpers to build and read test pictures as 0x00BBGGRR values.

#include "skin/ImgUtilPixels.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace skin::test {

inline void Put(PixelView view, int x, int y, std::uint32_t rgb) {
    std::uint8_t* p = view.Pixel(x, y);
    p[0] = static_cast<std::uint8_t>(rgb >> 16);
    p[1] = static_cast<std::uint8_t>(rgb >> 8);
    p[2] = static_cast<std::uint8_t>(rgb);
}

inline std::uint32_t Get(PixelView view, int x, int y) {
    const std::uint8_t* p = view.Pixel(x, y);
    return std::uint32_t(p[2]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[0]) << 16);
}

// A picture whose rows are given top first.
inline PixelImage Picture(std::initializer_list<std::vector<std::uint32_t>> rows, int bits = 24,
                          bool topDown = false) {
    const int height = static_cast<int>(rows.size());
    const int width = height > 0 ? static_cast<int>(rows.begin()->size()) : 0;
    PixelImage image = PixelImage::Create(width, height, bits, topDown).value();
    int y = 0;
    for (const auto& row : rows) {
        for (int x = 0; x < width; ++x) {
            Put(image.View(), x, y, row[std::size_t(x)]);
        }
        ++y;
    }
    return image;
}

inline std::vector<std::vector<std::uint32_t>> Rows(PixelView view) {
    std::vector<std::vector<std::uint32_t>> rows;
    for (int y = 0; y < view.Height(); ++y) {
        rows.emplace_back();
        for (int x = 0; x < view.Width(); ++x) {
            rows.back().push_back(Get(view, x, y));
        }
    }
    return rows;
}

} // namespace skin::test
