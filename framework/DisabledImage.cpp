#include "framework/DisabledImage.h"

namespace {
constexpr unsigned kLightLevel = 192;
}

std::vector<std::uint8_t> DisabledShape(int width, int height,
                                        std::span<const std::uint32_t> pixels,
                                        std::span<const std::uint8_t> transparent) {
    if (width <= 0 || height <= 0)
        return {};
    const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (pixels.size() != count || (!transparent.empty() && transparent.size() != count))
        return {};
    std::vector<std::uint8_t> shape(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (!transparent.empty() && transparent[i])
            continue;
        const std::uint32_t p = pixels[i];
        // Integer luma: 0.299 R + 0.587 G + 0.114 B.
        const unsigned luma =
            (((p >> 16) & 0xFF) * 299 + ((p >> 8) & 0xFF) * 587 + (p & 0xFF) * 114) / 1000;
        shape[i] = luma < kLightLevel ? 1 : 0;
    }
    return shape;
}

std::vector<std::uint8_t> ShapeToMonoRows(int width, int height,
                                          std::span<const std::uint8_t> shape) {
    if (width <= 0 || height <= 0 ||
        shape.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return {};
    const std::size_t stride = ((static_cast<std::size_t>(width) + 15) / 16) * 2;
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(height), 0xFF);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!shape[static_cast<std::size_t>(y) * width + x])
                continue;
            rows[y * stride + x / 8] &= static_cast<std::uint8_t>(~(0x80u >> (x % 8)));
        }
    }
    return rows;
}
