#include "framework/Bitmap.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

bool SizeFits(int width, int height) {
    return width > 0 && height > 0 && width <= TBitmap::kMaxSide && height <= TBitmap::kMaxSide &&
           static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) <=
               TBitmap::kMaxPixels;
}

std::size_t PixelCount(int width, int height) {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // negative height: rows top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Wraps CreateDIBSection for a zero-filled 32-bit top-down picture; its rows hold 0x00RRGGBB
// values with no padding.
HBITMAP CreateTopDownDib(int width, int height, std::uint32_t** bits) {
    const BITMAPINFO info = TopDown32(width, height);
    void* memory = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    *bits = bitmap ? static_cast<std::uint32_t*>(memory) : nullptr;
    return bitmap;
}

TColor ColorFromRgb(std::uint32_t rgb) {
    return static_cast<TColor>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

} // namespace

const TClassInfo& TBitmap::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TBitmap, TObject>(
        "TBitmap",
        [](PropBuilder<TBitmap>& b) {
            b.Int("Width", &TBitmap::Width, &TBitmap::SetWidth)
                .Int("Height", &TBitmap::Height, &TBitmap::SetHeight)
                .Bool("Transparent", &TBitmap::Transparent, &TBitmap::SetTransparent)
                .Int("TransparentColor", &TBitmap::TransparentColor, &TBitmap::SetTransparentColor);
        },
        false);
    return info;
}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
    canvas_.SetHandle(nullptr);
    Deselect();
    if (dc_)
        DeleteDC(dc_);
    if (bitmap_)
        DeleteObject(bitmap_);
}

void TBitmap::Select() const {
    if (dc_ && bitmap_ && !selected_)
        selected_ = SelectObject(dc_, bitmap_) != nullptr;
}

void TBitmap::Deselect() const {
    if (!selected_)
        return;
    SelectObject(dc_, dcBitmap_);
    selected_ = false;
}

void TBitmap::Replace(HBITMAP bitmap, std::uint32_t* bits, int width, int height) {
    const bool canvasInUse = selected_;
    Deselect();
    if (bitmap_ && bitmap_ != bitmap)
        DeleteObject(bitmap_);
    bitmap_ = bitmap;
    bits_ = bits;
    width_ = width;
    height_ = height;
    if (canvasInUse)
        Select();
}

void TBitmap::Clear() {
    Replace(nullptr, nullptr, 0, 0);
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_)
        return;
    if (width == 0 || height == 0) {
        Replace(nullptr, nullptr, width, height);
        return;
    }
    if (!SizeFits(width, height)) {
        Clear();
        return;
    }
    std::uint32_t* bits = nullptr;
    HBITMAP bitmap = CreateTopDownDib(width, height, &bits);
    if (!bitmap) {
        Clear();
        return;
    }
    if (bitmap_) {
        // Keep the part of the old picture that the new size still covers.
        const std::vector<std::uint32_t> old = Pixels();
        const int rows = std::min(height, height_);
        const int columns = std::min(width, width_);
        for (int y = 0; y < rows && !old.empty(); ++y) {
            std::memcpy(bits + PixelCount(width, y), old.data() + PixelCount(width_, y),
                        static_cast<std::size_t>(columns) * sizeof(std::uint32_t));
        }
    }
    Replace(bitmap, bits, width, height);
}

HBITMAP TBitmap::Handle() const {
    Deselect();
    return bitmap_;
}

void TBitmap::SetHandle(HBITMAP bitmap) {
    if (bitmap == bitmap_)
        return;
    // Only a bitmap is taken: deleting any other kind of object here would free something the
    // caller still uses.
    BITMAP info{};
    if (!bitmap || GetObjectType(bitmap) != OBJ_BITMAP ||
        GetObjectW(bitmap, sizeof(info), &info) == 0) {
        Clear();
        return;
    }
    Replace(bitmap, nullptr, info.bmWidth, info.bmHeight);
}

HBITMAP TBitmap::ReleaseHandle() {
    Deselect();
    HBITMAP bitmap = bitmap_;
    bitmap_ = nullptr;
    bits_ = nullptr;
    width_ = 0;
    height_ = 0;
    return bitmap;
}

TCanvas* TBitmap::Canvas() {
    if (!dc_) {
        dc_ = CreateCompatibleDC(nullptr);
        if (!dc_)
            return &canvas_; // a canvas without a DC draws nothing
        dcBitmap_ = GetCurrentObject(dc_, OBJ_BITMAP);
        canvas_.SetHandle(dc_);
    }
    Select();
    return &canvas_;
}

void TBitmap::Assign(const TBitmap& source) {
    if (&source == this)
        return;
    transparent_ = source.transparent_;
    transparentColor_ = source.transparentColor_;
    if (source.Empty()) {
        Replace(nullptr, nullptr, source.width_, source.height_);
        return;
    }
    LoadFromPixels(source.width_, source.height_, source.Pixels());
}

bool TBitmap::LoadFromPixels(int width, int height, std::span<const std::uint32_t> pixels) {
    if (!SizeFits(width, height) || pixels.size() != PixelCount(width, height)) {
        Clear();
        return false;
    }
    std::uint32_t* bits = nullptr;
    HBITMAP bitmap = CreateTopDownDib(width, height, &bits);
    if (!bitmap) {
        Clear();
        return false;
    }
    std::transform(pixels.begin(), pixels.end(), bits,
                   [](std::uint32_t p) { return p & kRgbMask; });
    Replace(bitmap, bits, width, height);
    return true;
}

std::vector<std::uint32_t> TBitmap::Pixels() const {
    if (!bitmap_)
        return {};
    std::vector<std::uint32_t> pixels(PixelCount(width_, height_));
    // Drawing through the canvas may still be queued; the bits are only current after this.
    GdiFlush();
    if (bits_) {
        std::transform(bits_, bits_ + pixels.size(), pixels.begin(),
                       [](std::uint32_t p) { return p & kRgbMask; });
        return pixels;
    }
    // Any other bitmap is read through GetDIBits, which wants it out of every DC.
    Deselect();
    BITMAPINFO info = TopDown32(width_, height_);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap_, 0, static_cast<UINT>(height_), pixels.data(), &info,
                               DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != height_)
        return {};
    for (std::uint32_t& p : pixels)
        p &= kRgbMask;
    return pixels;
}

TColor TBitmap::TransparentColor() const {
    if (transparentColor_ != clDefault || !bitmap_)
        return transparentColor_;
    if (bits_) {
        GdiFlush();
        return ColorFromRgb(bits_[PixelCount(width_, height_ - 1)]);
    }
    const std::vector<std::uint32_t> pixels = Pixels();
    return pixels.empty() ? clDefault : ColorFromRgb(pixels[PixelCount(width_, height_ - 1)]);
}
