#pragma once
// A picture in memory: an owned GDI bitmap (a 32-bit top-down DIB section when this class makes
// it) with a canvas over a memory DC that has the bitmap selected.

#include "framework/Graphics.h"

#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

class TBitmap : public TObject {
    DEVTOOL_CLASS(TBitmap)
public:
    // Largest picture made here, in pixels and per side; larger sizes leave the bitmap empty.
    static constexpr std::uint64_t kMaxPixels = 1u << 24;
    static constexpr int kMaxSide = 1 << 15;

    TBitmap();
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    // The size asked for. A bitmap with a zero side has no image but keeps the other side.
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    // Makes a new image of that size; the part both sizes share keeps its pixels, the rest is
    // black. A size that is negative, too large or refused by GDI leaves no image.
    void SetSize(int width, int height);

    // True when there is no image to draw.
    bool Empty() const { return bitmap_ == nullptr; }
    // Drops the image; both sides become 0.
    void Clear();

    // The bitmap, for blits and for the image operations. The canvas lets go of it first (a
    // bitmap can be selected into one DC only), so take Canvas() again after this.
    HBITMAP Handle() const;
    // Takes ownership of any bitmap; the size comes from the bitmap. nullptr empties.
    void SetHandle(HBITMAP bitmap);
    // Gives the bitmap to the caller, who deletes it; this object is empty afterwards.
    HBITMAP ReleaseHandle();

    // Drawing on the picture. The memory DC is made on first use and lives with the bitmap.
    TCanvas* Canvas();

    // Copies picture, size and transparency; the copy is a 32-bit DIB section of its own.
    void Assign(const TBitmap& source);

    // Replaces the image with pixels 0x00RRGGBB, rows top-down, width * height of them (the
    // top byte is ignored). False, and an empty bitmap, when the buffer does not fit the size
    // or the size is out of range.
    bool LoadFromPixels(int width, int height, std::span<const std::uint32_t> pixels);
    // The picture as pixels 0x00RRGGBB, rows top-down; empty when there is no image.
    std::vector<std::uint32_t> Pixels() const;

    // Transparent drawing takes TransparentColor as the key colour. Until a colour is set, it
    // is the colour of the bottom-left pixel (clDefault for an empty bitmap).
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color) { transparentColor_ = color; }

private:
    // Puts a new bitmap in place of the old one, which is deleted; a live canvas follows.
    void Replace(HBITMAP bitmap, std::uint32_t* bits, int width, int height);
    void Select() const;
    void Deselect() const;

    HBITMAP bitmap_ = nullptr;
    std::uint32_t* bits_ = nullptr; // pixels of a DIB section made here, else nullptr
    int width_ = 0;
    int height_ = 0;
    bool transparent_ = false;
    TColor transparentColor_ = clDefault;

    // The canvas's memory DC and the bitmap it held when made; the image is selected into it
    // only while the canvas is in use.
    HDC dc_ = nullptr;
    HGDIOBJ dcBitmap_ = nullptr;
    mutable bool selected_ = false;
    TCanvas canvas_;
};
