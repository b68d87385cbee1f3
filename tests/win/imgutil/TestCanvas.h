#pragma once
// A memory picture to draw into and read back pixel by pixel, and hand-made skin strips.

#include "skin/GdiOwners.h"
#include "skin/ImgUtilDib.h"

#include <windows.h>

#include <cstdint>
#include <functional>

namespace skin::test {

// 0x00BBGGRR of a pixel of a 24- or 32-bit view.
inline std::uint32_t At(PixelView view, int x, int y) {
    const std::uint8_t* p = view.Pixel(x, y);
    return std::uint32_t(p[2]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[0]) << 16);
}

inline void Set(PixelView view, int x, int y, std::uint32_t rgb) {
    std::uint8_t* p = view.Pixel(x, y);
    p[0] = std::uint8_t(rgb >> 16);
    p[1] = std::uint8_t(rgb >> 8);
    p[2] = std::uint8_t(rgb);
}

// A picture whose pixel (x, y) is colour(x, y).
inline DibSection Painted(int width, int height,
                          const std::function<std::uint32_t(int, int)>& colour) {
    DibSection picture = DibSection::Create(width, height, 32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Set(picture.Pixels(), x, y, colour(x, y));
        }
    }
    return picture;
}

// A 32-bit memory canvas filled with one colour.
class Canvas {
public:
    Canvas(int width, int height, std::uint32_t fill = 0x00FFFFFF)
        : picture_(Painted(width, height, [fill](int, int) { return fill; })),
          select_(dc_.Get(), picture_.Handle()) {}

    HDC Dc() const { return dc_.Get(); }
    std::uint32_t Pixel(int x, int y) const {
        GdiFlush();
        return At(picture_.Pixels(), x, y);
    }
    int Width() const { return picture_.Width(); }
    int Height() const { return picture_.Height(); }
    // Counts pixels of the given colour.
    int Count(std::uint32_t rgb) const {
        GdiFlush();
        int n = 0;
        for (int y = 0; y < Height(); ++y) {
            for (int x = 0; x < Width(); ++x) {
                n += At(picture_.Pixels(), x, y) == rgb ? 1 : 0;
            }
        }
        return n;
    }

private:
    DibSection picture_;
    MemoryDC dc_;
    SelectScope select_;
};

} // namespace skin::test
