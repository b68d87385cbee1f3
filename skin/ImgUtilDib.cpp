#include "skin/ImgUtilDib.h"

#include <cstring>

namespace skin {

namespace {

BITMAPINFO TopDownInfo(int width, int height, int bitsPerPixel) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Reads a bitmap at 24 bits, applies an in-place transform and gives a new bitmap.
template <typename Transform> GdiBitmap Transformed(HBITMAP bitmap, Transform transform) {
    auto pixels = ReadPixels(bitmap, 24);
    if (!pixels) {
        return {};
    }
    transform(pixels->View());
    return DibSection::FromPixels(*pixels).Release();
}

// The turns read through a 32-bit copy and give 24-bit pixels.
template <typename Turn> GdiBitmap Turned(HBITMAP bitmap, Turn turn) {
    auto pixels = ReadPixels(bitmap, 32);
    if (!pixels) {
        return {};
    }
    auto turned = turn(pixels->View());
    if (!turned) {
        return {};
    }
    return DibSection::FromPixels(*turned).Release();
}

} // namespace

DibSection DibSection::Create(int width, int height, int bitsPerPixel) {
    DibSection dib;
    if (width <= 0 || height <= 0 || !DibSizeAccepted(width, height, bitsPerPixel)) {
        return dib;
    }
    const BITMAPINFO info = TopDownInfo(width, height, bitsPerPixel);
    void* bits = nullptr;
    GdiBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) {
        return dib;
    }
    const std::size_t bytes = *DibStride(width, bitsPerPixel) * static_cast<std::size_t>(height);
    auto view =
        PixelView::Over(static_cast<std::uint8_t*>(bits), bytes, width, height, bitsPerPixel, true);
    if (!view) {
        return dib;
    }
    dib.bitmap_ = std::move(bitmap);
    dib.view_ = *view;
    return dib;
}

DibSection DibSection::CopyOf(HBITMAP bitmap, int bitsPerPixel) {
    auto pixels = ReadPixels(bitmap, bitsPerPixel);
    if (!pixels) {
        return {};
    }
    return FromPixels(*pixels);
}

DibSection DibSection::FromPixels(PixelImage& pixels) {
    DibSection dib = Create(pixels.Width(), pixels.Height(), pixels.BitsPerPixel());
    if (!dib) {
        return dib;
    }
    const PixelView from = pixels.View();
    const std::size_t used = from.Stride();
    for (int y = 0; y < from.Height(); ++y) {
        std::memcpy(dib.view_.Row(y), from.Row(y), used);
    }
    return dib;
}

std::optional<SIZE> BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) {
        return std::nullopt;
    }
    return SIZE{info.bmWidth, info.bmHeight};
}

std::optional<PixelImage> ReadPixels(HBITMAP bitmap, int bitsPerPixel) {
    const auto size = BitmapSize(bitmap);
    if (!size || size->cx <= 0 || size->cy <= 0) {
        return std::nullopt;
    }
    auto pixels = PixelImage::Create(size->cx, size->cy, bitsPerPixel, true);
    if (!pixels) {
        return std::nullopt;
    }
    BITMAPINFO info = TopDownInfo(size->cx, size->cy, bitsPerPixel);
    ScreenDC screen;
    // GetDIBits writes into the buffer's storage; the view points at it.
    const PixelView view = pixels->View();
    const int rows = GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(size->cy), view.Row(0),
                               &info, DIB_RGB_COLORS);
    if (rows != size->cy) {
        return std::nullopt;
    }
    return pixels;
}

GdiBitmap GrayBitmap(HBITMAP bitmap) {
    return Transformed(bitmap, [](PixelView pixels) { GrayBitmap(pixels); });
}

GdiBitmap ReplaceKeyColour(HBITMAP bitmap, Colour colour) {
    const std::uint32_t rgb = ResolveColour(colour, SystemColourLookup);
    return Transformed(bitmap, [rgb](PixelView pixels) { ReplaceKeyColour(pixels, rgb); });
}

GdiBitmap MirrorBitmap(HBITMAP bitmap) {
    return Transformed(bitmap, [](PixelView pixels) { MirrorBitmap(pixels); });
}

GdiBitmap FlipBitmap(HBITMAP bitmap) {
    return Transformed(bitmap, [](PixelView pixels) { FlipBitmap(pixels); });
}

GdiBitmap RotateLeft(HBITMAP bitmap) {
    return Turned(bitmap, [](PixelView pixels) { return RotateLeft(pixels); });
}

GdiBitmap RotateRight(HBITMAP bitmap) {
    return Turned(bitmap, [](PixelView pixels) { return RotateRight(pixels); });
}

std::uint32_t SystemColourLookup(int index) {
    return GetSysColor(index);
}

std::uint32_t BlendColour(Colour c1, Colour c2, int weight) {
    return BlendColour(c1, c2, weight, SystemColourLookup);
}

int ColourSaturation(Colour colour) {
    return ColourSaturation(colour, SystemColourLookup);
}

} // namespace skin
