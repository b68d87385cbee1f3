#pragma once
// Device-independent copies of bitmaps, and the image and colour operations of the skin engine
// applied to GDI bitmaps: each reads the picture into a plain buffer, transforms it there and
// gives back a new 24-bit bitmap; colours resolve system colours with GetSysColor.

#include "skin/GdiOwners.h"
#include "skin/ImgUtilColour.h"
#include "skin/ImgUtilPixels.h"

#include <windows.h>

#include <optional>

namespace skin {

// A DIB section (CreateDIBSection) whose pixels are also reachable as a PixelView.
class DibSection {
public:
    DibSection() = default;

    // A zero-filled picture, rows top-down; empty when the size is out of range or GDI refuses.
    static DibSection Create(int width, int height, int bitsPerPixel);
    // A top-down copy of any bitmap's pixels; empty for a bad handle.
    static DibSection CopyOf(HBITMAP bitmap, int bitsPerPixel);
    // A DIB section holding the given pixels.
    static DibSection FromPixels(PixelImage& pixels);

    HBITMAP Handle() const { return bitmap_.Get(); }
    explicit operator bool() const { return static_cast<bool>(bitmap_); }
    int Width() const { return view_.Width(); }
    int Height() const { return view_.Height(); }
    // Call GdiFlush() before reading pixels that GDI has just drawn.
    PixelView Pixels() const { return view_; }
    // Hands the bitmap to the caller; this object is empty afterwards.
    GdiBitmap Release() {
        view_ = {};
        return std::move(bitmap_);
    }

private:
    GdiBitmap bitmap_;
    PixelView view_;
};

// The size of a bitmap, or nothing for a bad handle.
std::optional<SIZE> BitmapSize(HBITMAP bitmap);

// The pixels of a bitmap as a top-down buffer of the given depth (24 or 32), read with
// GetDIBits on the screen's device context.
std::optional<PixelImage> ReadPixels(HBITMAP bitmap, int bitsPerPixel);

// The image operations: each result is a new 24-bit bitmap (empty for a bad handle), the source
// stays as it was.
GdiBitmap GrayBitmap(HBITMAP bitmap);
GdiBitmap ReplaceKeyColour(HBITMAP bitmap, Colour colour);
GdiBitmap MirrorBitmap(HBITMAP bitmap);
GdiBitmap FlipBitmap(HBITMAP bitmap);
GdiBitmap RotateLeft(HBITMAP bitmap);
GdiBitmap RotateRight(HBITMAP bitmap);

// The colour operations with system colours looked up by GetSysColor.
std::uint32_t SystemColourLookup(int index);
std::uint32_t BlendColour(Colour c1, Colour c2, int weight);
int ColourSaturation(Colour colour);

} // namespace skin
