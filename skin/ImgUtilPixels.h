#pragma once
// Pixel buffers laid out the way a device-independent bitmap holds them, and the transforms the
// skin engine applies to skin images: greying, key-colour replacement, mirroring, flipping and
// quarter turns. No Win32 here; the GDI layer copies bitmaps in and out of these buffers.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace skin {

// Largest image side and pixel count accepted; larger requests are refused, not allocated.
inline constexpr int kMaxImageSide = 32768;
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{64} * 1024 * 1024;

// Bytes in one row of a device-independent bitmap: whole pixels padded to a multiple of four.
// Empty when the width or pixel size is out of range.
std::optional<std::size_t> DibStride(int width, int bitsPerPixel);

// True when a picture of this size and depth (24 or 32) is within the accepted bounds.
bool DibSizeAccepted(int width, int height, int bitsPerPixel);

// A window onto pixels owned elsewhere (a vector, a DIB section): 3 bytes a pixel (blue, green,
// red) or 4 (blue, green, red, unused), rows padded to four bytes, stored bottom-up unless
// topDown. Row(y) always counts y from the top of the picture.
class PixelView {
public:
    PixelView() = default;

    // Empty when the sizes are out of range or do not fit in bufferBytes.
    static std::optional<PixelView> Over(std::uint8_t* bits, std::size_t bufferBytes, int width,
                                         int height, int bitsPerPixel, bool topDown);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BytesPerPixel() const { return bytesPerPixel_; }
    std::size_t Stride() const { return stride_; }
    bool TopDown() const { return topDown_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    std::uint8_t* Row(int y) const {
        const int stored = topDown_ ? y : height_ - 1 - y;
        return bits_ + static_cast<std::size_t>(stored) * stride_;
    }
    std::uint8_t* Pixel(int x, int y) const {
        return Row(y) + static_cast<std::size_t>(x) * static_cast<std::size_t>(bytesPerPixel_);
    }

private:
    std::uint8_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int bytesPerPixel_ = 3;
    std::size_t stride_ = 0;
    bool topDown_ = false;
};

// Pixels that own their buffer.
class PixelImage {
public:
    PixelImage() = default;

    // Zero-filled; empty when the sizes are out of range.
    static std::optional<PixelImage> Create(int width, int height, int bitsPerPixel, bool topDown);

    PixelView View();
    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    bool TopDown() const { return topDown_; }
    const std::vector<std::uint8_t>& Bytes() const { return bits_; }

private:
    std::vector<std::uint8_t> bits_;
    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 24;
    bool topDown_ = false;
};

// Each pixel's three channels become (R + G + B) div 3.
void GrayBitmap(PixelView pixels);

// Every pixel that is exactly red 255, green 0, blue 255 takes the colour 0x00BBGGRR.
void ReplaceKeyColour(PixelView pixels, std::uint32_t rgb);

// New (x, y) is old (W - 1 - x, y).
void MirrorBitmap(PixelView pixels);

// New row y is old row H - 1 - y.
void FlipBitmap(PixelView pixels);

// A quarter turn counter-clockwise: the result is H x W, 24 bits a pixel, in the source's row
// order, and its (x, y) is the source's (W - 1 - y, x).
std::optional<PixelImage> RotateLeft(PixelView source);

// A quarter turn clockwise: the result is H x W, 24 bits a pixel, in the source's row order,
// and its (x, y) is the source's (y, H - 1 - x).
std::optional<PixelImage> RotateRight(PixelView source);

// The bits of a one-bit-per-pixel mask for CreateBitmap: rows top-down, each padded to 16 bits,
// most significant bit first; a bit is 1 where the pixel is exactly the colour 0x00BBGGRR.
std::vector<std::uint8_t> MonoMaskBits(PixelView pixels, std::uint32_t keyRgb);

} // namespace skin
