#include "skin/ImgUtilPixels.h"

#include <algorithm>

namespace skin {

namespace {

bool PixelSizeSupported(int bitsPerPixel) {
    return bitsPerPixel == 24 || bitsPerPixel == 32;
}

bool SizeInRange(int width, int height) {
    if (width < 0 || height < 0 || width > kMaxImageSide || height > kMaxImageSide) {
        return false;
    }
    return std::int64_t{width} * height <= kMaxImagePixels;
}

std::uint8_t Red(std::uint32_t rgb) {
    return static_cast<std::uint8_t>(rgb & 0xFF);
}
std::uint8_t Green(std::uint32_t rgb) {
    return static_cast<std::uint8_t>((rgb >> 8) & 0xFF);
}
std::uint8_t Blue(std::uint32_t rgb) {
    return static_cast<std::uint8_t>((rgb >> 16) & 0xFF);
}

// A turned picture: the result's (x, y) is read from source position from(x, y).
template <typename SourceOf> std::optional<PixelImage> Turned(PixelView source, SourceOf from) {
    auto result = PixelImage::Create(source.Height(), source.Width(), 24, source.TopDown());
    if (!result) {
        return std::nullopt;
    }
    const PixelView out = result->View();
    for (int y = 0; y < out.Height(); ++y) {
        std::uint8_t* row = out.Row(y);
        for (int x = 0; x < out.Width(); ++x) {
            const auto [sx, sy] = from(x, y);
            const std::uint8_t* in = source.Pixel(sx, sy);
            std::copy_n(in, 3, row + static_cast<std::size_t>(x) * 3);
        }
    }
    return result;
}

} // namespace

std::optional<std::size_t> DibStride(int width, int bitsPerPixel) {
    if (width < 0 || width > kMaxImageSide || !PixelSizeSupported(bitsPerPixel)) {
        return std::nullopt;
    }
    const std::uint64_t bits = std::uint64_t(width) * std::uint64_t(bitsPerPixel);
    return static_cast<std::size_t>(((bits + 31) / 32) * 4);
}

bool DibSizeAccepted(int width, int height, int bitsPerPixel) {
    return DibStride(width, bitsPerPixel).has_value() && SizeInRange(width, height);
}

std::optional<PixelView> PixelView::Over(std::uint8_t* bits, std::size_t bufferBytes, int width,
                                         int height, int bitsPerPixel, bool topDown) {
    const auto stride = DibStride(width, bitsPerPixel);
    if (!stride || !SizeInRange(width, height)) {
        return std::nullopt;
    }
    const std::uint64_t needed = std::uint64_t(*stride) * std::uint64_t(height);
    if (needed > bufferBytes || (needed > 0 && bits == nullptr)) {
        return std::nullopt;
    }
    PixelView view;
    view.bits_ = bits;
    view.width_ = width;
    view.height_ = height;
    view.bytesPerPixel_ = bitsPerPixel / 8;
    view.stride_ = *stride;
    view.topDown_ = topDown;
    return view;
}

std::optional<PixelImage> PixelImage::Create(int width, int height, int bitsPerPixel,
                                             bool topDown) {
    const auto stride = DibStride(width, bitsPerPixel);
    if (!stride || !SizeInRange(width, height)) {
        return std::nullopt;
    }
    PixelImage image;
    image.bits_.assign(*stride * static_cast<std::size_t>(height), 0);
    image.width_ = width;
    image.height_ = height;
    image.bitsPerPixel_ = bitsPerPixel;
    image.topDown_ = topDown;
    return image;
}

PixelView PixelImage::View() {
    // The sizes were checked when the image was made, so the view always exists.
    return PixelView::Over(bits_.data(), bits_.size(), width_, height_, bitsPerPixel_, topDown_)
        .value_or(PixelView{});
}

void GrayBitmap(PixelView pixels) {
    for (int y = 0; y < pixels.Height(); ++y) {
        for (int x = 0; x < pixels.Width(); ++x) {
            std::uint8_t* p = pixels.Pixel(x, y);
            const auto grey = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
            p[0] = p[1] = p[2] = grey;
        }
    }
}

void ReplaceKeyColour(PixelView pixels, std::uint32_t rgb) {
    for (int y = 0; y < pixels.Height(); ++y) {
        for (int x = 0; x < pixels.Width(); ++x) {
            std::uint8_t* p = pixels.Pixel(x, y);
            if (p[0] == 255 && p[1] == 0 && p[2] == 255) {
                p[0] = Blue(rgb);
                p[1] = Green(rgb);
                p[2] = Red(rgb);
            }
        }
    }
}

void MirrorBitmap(PixelView pixels) {
    const int size = pixels.BytesPerPixel();
    for (int y = 0; y < pixels.Height(); ++y) {
        for (int left = 0, right = pixels.Width() - 1; left < right; ++left, --right) {
            std::swap_ranges(pixels.Pixel(left, y), pixels.Pixel(left, y) + size,
                             pixels.Pixel(right, y));
        }
    }
}

void FlipBitmap(PixelView pixels) {
    const std::size_t used = static_cast<std::size_t>(pixels.Width()) * pixels.BytesPerPixel();
    for (int top = 0, bottom = pixels.Height() - 1; top < bottom; ++top, --bottom) {
        std::swap_ranges(pixels.Row(top), pixels.Row(top) + used, pixels.Row(bottom));
    }
}

std::optional<PixelImage> RotateLeft(PixelView source) {
    const int w = source.Width();
    return Turned(source, [w](int x, int y) { return std::pair{w - 1 - y, x}; });
}

std::optional<PixelImage> RotateRight(PixelView source) {
    const int h = source.Height();
    return Turned(source, [h](int x, int y) { return std::pair{y, h - 1 - x}; });
}

std::vector<std::uint8_t> MonoMaskBits(PixelView pixels, std::uint32_t keyRgb) {
    const std::size_t rowBytes = ((static_cast<std::size_t>(pixels.Width()) + 15) / 16) * 2;
    std::vector<std::uint8_t> bits(rowBytes * static_cast<std::size_t>(pixels.Height()), 0);
    for (int y = 0; y < pixels.Height(); ++y) {
        std::uint8_t* out = bits.data() + rowBytes * static_cast<std::size_t>(y);
        for (int x = 0; x < pixels.Width(); ++x) {
            const std::uint8_t* p = pixels.Pixel(x, y);
            if (p[0] == Blue(keyRgb) && p[1] == Green(keyRgb) && p[2] == Red(keyRgb)) {
                out[x / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
            }
        }
    }
    return bits;
}

} // namespace skin
