#include "skin/BmpImage.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitFields = 3;

std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8;
}

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

// One colour channel described by a bit mask, scaled to eight bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (m == 0) {
            return;
        }
        shift = std::countr_zero(m);
        bits = std::bit_width(m >> shift);
        if (bits > 8) { // keep the eight most significant bits of a wide channel
            shift += bits - 8;
            bits = 8;
        }
    }

    std::uint32_t Get(std::uint32_t value) const {
        if (bits == 0) {
            return 0;
        }
        const std::uint32_t v = ((value & mask) >> shift) & ((1u << bits) - 1);
        // Spread the value over eight bits so that full scale stays full scale.
        std::uint32_t out = 0;
        for (int filled = 0; filled < 8; filled += bits) {
            out = (out << bits) | v;
        }
        const int total = ((8 + bits - 1) / bits) * bits;
        return out >> (total - 8);
    }
};

} // namespace

TBmpImage DecodeBmp(std::span<const std::uint8_t> file) {
    const TBmpImage empty;
    if (file.size() < 14 + 12 || file[0] != 'B' || file[1] != 'M') {
        return empty;
    }
    const std::uint64_t pixelsAt = U32(file, 10);
    const std::uint32_t headerSize = U32(file, 14);
    const bool core = headerSize == 12;
    if (!core && (headerSize < 40 || headerSize > 124)) {
        return empty;
    }
    if (14 + static_cast<std::uint64_t>(headerSize) > file.size()) {
        return empty;
    }

    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t colourCount = 0;
    if (core) {
        width = U16(file, 18);
        height = U16(file, 20);
        bitCount = U16(file, 24);
    } else {
        width = static_cast<std::int32_t>(U32(file, 18));
        height = static_cast<std::int32_t>(U32(file, 22));
        bitCount = U16(file, 28);
        compression = U32(file, 30);
        colourCount = U32(file, 46);
    }
    const bool topDown = height < 0;
    if (topDown) {
        height = -height;
    }
    if (width <= 0 || height <= 0 || width > kBmpMaxSide || height > kBmpMaxSide ||
        static_cast<std::uint64_t>(width * height) > kBmpMaxPixels) {
        return empty;
    }
    const bool indexed = bitCount == 1 || bitCount == 4 || bitCount == 8;
    if (!indexed && bitCount != 16 && bitCount != 24 && bitCount != 32) {
        return empty;
    }
    if (compression != kBiRgb &&
        !(compression == kBiBitFields && (bitCount == 16 || bitCount == 32))) {
        return empty;
    }

    // Colour masks: from the info header's extension, or the three words after a plain one.
    std::uint32_t redMask = 0x7C00, greenMask = 0x03E0, blueMask = 0x001F;
    if (bitCount == 32) {
        redMask = 0xFF0000;
        greenMask = 0x00FF00;
        blueMask = 0x0000FF;
    }
    std::uint64_t paletteAt = 14 + static_cast<std::uint64_t>(headerSize);
    if (compression == kBiBitFields) {
        if (paletteAt + 12 > file.size() && headerSize < 52) {
            return empty;
        }
        const std::size_t masksAt = 14 + 40;
        redMask = U32(file, masksAt);
        greenMask = U32(file, masksAt + 4);
        blueMask = U32(file, masksAt + 8);
        if (headerSize == 40) {
            paletteAt += 12;
        }
    }

    std::array<std::uint32_t, 256> palette{};
    std::uint32_t paletteSize = 0;
    if (indexed) {
        const std::uint32_t most = 1u << bitCount;
        paletteSize = colourCount == 0 ? most : colourCount;
        if (paletteSize > most) {
            return empty;
        }
        const std::uint64_t entrySize = core ? 3 : 4;
        if (paletteAt + entrySize * paletteSize > file.size()) {
            return empty;
        }
        for (std::uint32_t i = 0; i < paletteSize; ++i) {
            const std::size_t at = static_cast<std::size_t>(paletteAt + entrySize * i);
            palette[i] = static_cast<std::uint32_t>(file[at + 2]) << 16 |
                         static_cast<std::uint32_t>(file[at + 1]) << 8 | file[at];
        }
    }

    const std::uint64_t rowBits = static_cast<std::uint64_t>(width) * bitCount;
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    const std::uint64_t lastRow = (rowBits + 7) / 8; // the last row may lack its padding
    if (pixelsAt > file.size() ||
        stride * static_cast<std::uint64_t>(height - 1) + lastRow > file.size() - pixelsAt) {
        return empty;
    }

    TBmpImage image;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.bitCount = static_cast<int>(bitCount);
    image.pixels.resize(static_cast<std::size_t>(width * height));
    const Channel red(redMask), green(greenMask), blue(blueMask);

    for (std::int64_t y = 0; y < height; ++y) {
        const std::int64_t fileRow = topDown ? y : height - 1 - y;
        const auto row = file.subspan(static_cast<std::size_t>(pixelsAt + stride * fileRow));
        std::uint32_t* out = image.pixels.data() + y * width;
        for (std::int64_t x = 0; x < width; ++x) {
            std::uint32_t pixel = 0;
            switch (bitCount) {
            case 1:
            case 4:
            case 8: {
                const std::uint64_t bit = static_cast<std::uint64_t>(x) * bitCount;
                const std::uint32_t byte = row[static_cast<std::size_t>(bit / 8)];
                const std::uint32_t index =
                    (byte >> (8 - bitCount - bit % 8)) & ((1u << bitCount) - 1);
                // An index past the palette shows black rather than reading beyond it.
                pixel = index < paletteSize ? palette[index] : 0;
                break;
            }
            case 16: {
                const std::uint32_t v = U16(row, static_cast<std::size_t>(x * 2));
                pixel = red.Get(v) << 16 | green.Get(v) << 8 | blue.Get(v);
                break;
            }
            case 24: {
                const std::size_t at = static_cast<std::size_t>(x * 3);
                pixel = static_cast<std::uint32_t>(row[at + 2]) << 16 |
                        static_cast<std::uint32_t>(row[at + 1]) << 8 | row[at];
                break;
            }
            default: {
                const std::uint32_t v = U32(row, static_cast<std::size_t>(x * 4));
                pixel = red.Get(v) << 16 | green.Get(v) << 8 | blue.Get(v);
                break;
            }
            }
            out[x] = pixel;
        }
    }
    return image;
}
