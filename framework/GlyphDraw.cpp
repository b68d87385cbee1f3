#include "framework/GlyphDraw.h"

#include "framework/DisabledImage.h"

#include <algorithm>
#include <vector>

namespace {

// Paints the brush where a 1-bit source is 0 and leaves the destination where it is 1 (with
// black text and white background colours in the destination).
constexpr DWORD kRopPaintThroughZeros = 0x00B8074A; // PSDPxax

// A memory DC with a bitmap selected, both freed at the end of the scope.
class MonoImage {
public:
    MonoImage(int width, int height, const std::vector<std::uint8_t>& rows)
        : bitmap_(CreateBitmap(width, height, 1, 1, rows.data())), dc_(CreateCompatibleDC(nullptr)),
          old_(dc_ && bitmap_ ? SelectObject(dc_, bitmap_) : nullptr) {}
    ~MonoImage() {
        if (old_)
            SelectObject(dc_, old_);
        if (dc_)
            DeleteDC(dc_);
        if (bitmap_)
            DeleteObject(bitmap_);
    }
    MonoImage(const MonoImage&) = delete;
    MonoImage& operator=(const MonoImage&) = delete;
    HDC Dc() const { return old_ ? dc_ : nullptr; }

private:
    HBITMAP bitmap_;
    HDC dc_;
    HGDIOBJ old_;
};

// The DC's brush and colours are put back when the scope ends.
class SavedState {
public:
    explicit SavedState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedState() { RestoreDC(dc_, saved_); }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

private:
    HDC dc_;
    int saved_;
};

} // namespace

void DrawDisabledShape(HDC dc, int x, int y, int width, int height,
                       std::span<const std::uint8_t> shape) {
    const std::vector<std::uint8_t> rows = ShapeToMonoRows(width, height, shape);
    if (rows.empty())
        return;
    MonoImage mono(width, height, rows);
    if (!mono.Dc())
        return;
    SavedState saved(dc);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    SelectObject(dc, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    BitBlt(dc, x + 1, y + 1, width, height, mono.Dc(), 0, 0, kRopPaintThroughZeros);
    SelectObject(dc, GetSysColorBrush(COLOR_BTNSHADOW));
    BitBlt(dc, x, y, width, height, mono.Dc(), 0, 0, kRopPaintThroughZeros);
}

SIZE GlyphSize(const TBitmap& glyph, int count) {
    if (glyph.Empty())
        return {0, 0};
    count = std::clamp(count, 1, std::max(glyph.Width(), 1));
    return {glyph.Width() / count, glyph.Height()};
}

void DrawGlyph(HDC dc, int x, int y, TBitmap& glyph, int count, int index, bool enabled) {
    const SIZE size = GlyphSize(glyph, count);
    if (size.cx <= 0 || size.cy <= 0)
        return;
    const int left = std::clamp(index, 0, std::max(count, 1) - 1) * size.cx;
    const COLORREF key = ColorToRGB(glyph.TransparentColor());
    if (enabled) {
        HDC source = glyph.Canvas()->Handle();
        GdiTransparentBlt(dc, x, y, size.cx, size.cy, source, left, 0, size.cx, size.cy, key);
        return;
    }
    const std::vector<std::uint32_t> all = glyph.Pixels();
    if (all.empty())
        return;
    // Pixels are 0x00RRGGBB; the key colour is a COLORREF (0x00BBGGRR).
    const std::uint32_t keyPixel = (GetRValue(key) << 16) | (GetGValue(key) << 8) | GetBValue(key);
    const auto count_ = static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy);
    std::vector<std::uint32_t> pixels(count_);
    std::vector<std::uint8_t> transparent(count_);
    for (int row = 0; row < size.cy; ++row) {
        for (int column = 0; column < size.cx; ++column) {
            const std::uint32_t p =
                all[static_cast<std::size_t>(row) * glyph.Width() + left + column];
            const std::size_t i = static_cast<std::size_t>(row) * size.cx + column;
            pixels[i] = p;
            transparent[i] = p == keyPixel;
        }
    }
    DrawDisabledShape(dc, x, y, size.cx, size.cy,
                      DisabledShape(size.cx, size.cy, pixels, transparent));
}
