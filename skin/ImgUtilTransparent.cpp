// Key-colour work: blits that leave the key colour out, and window regions from images.

#include "skin/ImgUtilPaint.h"

#include "skin/ImgUtilRegion.h"

#include <algorithm>
#include <vector>

namespace skin {

namespace {

// The ternary raster operation that leaves the destination as it is.
constexpr DWORD kKeepDestination = 0x00AA0029;

// A one-bit mask, 1 where the picture has the key colour. It is built from the pixels rather
// than by blitting the colour picture onto a monochrome one against a background colour, so it
// does not depend on how the display driver converts colours.
GdiBitmap KeyMask(const DibSection& picture, COLORREF key) {
    const std::vector<std::uint8_t> bits = MonoMaskBits(picture.Pixels(), key & 0x00FFFFFF);
    return GdiBitmap(CreateBitmap(picture.Width(), picture.Height(), 1, 1, bits.data()));
}

} // namespace

void DrawTransparent(HDC dc, const RECT& rect, const DibSection& picture, COLORREF key,
                     TransparentBlit how) {
    if (rect.right < rect.left || rect.bottom < rect.top || !picture) {
        return;
    }
    const int width = std::min<int>(rect.right - rect.left, picture.Width());
    const int height = std::min<int>(rect.bottom - rect.top, picture.Height());
    if (width <= 0 || height <= 0) {
        return;
    }
    GdiFlush();
    const GdiBitmap mask = KeyMask(picture, key);
    MemoryDC source;
    SelectScope selectPicture(source.Get(), picture.Handle());
    if (!mask || !selectPicture.Selected()) {
        return;
    }
    if (how == TransparentBlit::Automatic) {
        how = IsNtFamily() ? TransparentBlit::MaskBlt : TransparentBlit::ThreeBlits;
    }
    if (how == TransparentBlit::MaskBlt) {
        // Where the mask is 1 (key colour) the destination stays, elsewhere the picture is copied.
        MaskBlt(dc, rect.left, rect.top, width, height, source.Get(), 0, 0, mask.Get(), 0, 0,
                MAKEROP4(kKeepDestination, SRCCOPY));
        return;
    }
    // D ^ S, then AND with the mask shown white on key pixels and black elsewhere, then ^ S
    // again: key pixels come back to D, the others become S. A monochrome source takes the
    // context's text colour for 0 bits and its background colour for 1 bits.
    MemoryDC maskSource;
    SelectScope selectMask(maskSource.Get(), mask.Get());
    DcColoursScope colours(dc, RGB(255, 255, 255), RGB(0, 0, 0));
    BitBlt(dc, rect.left, rect.top, width, height, source.Get(), 0, 0, SRCINVERT);
    BitBlt(dc, rect.left, rect.top, width, height, maskSource.Get(), 0, 0, SRCAND);
    BitBlt(dc, rect.left, rect.top, width, height, source.Get(), 0, 0, SRCINVERT);
}

void DrawTransparent(HDC dc, const RECT& rect, HBITMAP bitmap, COLORREF key, TransparentBlit how) {
    if (rect.right < rect.left || rect.bottom < rect.top) {
        return;
    }
    const DibSection copy = DibSection::CopyOf(bitmap, 32);
    DrawTransparent(dc, rect, copy, key, how);
}

GdiRegion RegionFromBitmap(HBITMAP bitmap, int xOffset, int yOffset, int blueTolerance,
                           int greenTolerance, int redTolerance, COLORREF key) {
    auto pixels = ReadPixels(bitmap, 32);
    if (!pixels) {
        return {};
    }
    GdiRegion result(CreateRectRgn(0, 0, 0, 0));
    if (!result) {
        return {};
    }
    RegionDataBuilder builder([&result](std::span<const std::uint8_t> data) {
        const auto* regionData = reinterpret_cast<const RGNDATA*>(data.data());
        GdiRegion batch(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), regionData));
        if (batch) {
            CombineRgn(result.Get(), result.Get(), batch.Get(), RGN_OR);
        }
    });
    const auto transparent =
        KeyColourRange::From(key & 0x00FFFFFF, redTolerance, greenTolerance, blueTolerance);
    CollectOpaqueRuns(pixels->View(), transparent, xOffset, yOffset, builder);
    builder.Finish();
    return result;
}

} // namespace skin
