#include "skin/ImgUtilColour.h"

#include <algorithm>

namespace skin {

std::uint32_t ResolveColour(Colour colour, SysColourLookup lookup) {
    if (colour >= 0) {
        return std::uint32_t(colour) & 0x00FFFFFFu;
    }
    if (lookup == nullptr) {
        return 0;
    }
    return lookup(int(std::uint32_t(colour) & 0xFF)) & 0x00FFFFFFu;
}

std::uint32_t BlendColour(Colour c1, Colour c2, int weight, SysColourLookup lookup) {
    const std::uint32_t a = ResolveColour(c1, lookup);
    const std::uint32_t b = ResolveColour(c2, lookup);
    const int scale = weight < 100 ? 100 : 1000;
    // A weight beyond the scale would push channels out of their byte and into the next one.
    const int w = std::clamp(weight, 0, scale);
    const auto mix = [&](int x, int y) { return (x * w + y * (scale - w) + scale / 2) / scale; };
    return MakeRgb(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
}

int ColourSaturation(Colour colour, SysColourLookup lookup) {
    const std::uint32_t rgb = ResolveColour(colour, lookup);
    const int r = RedOf(rgb);
    const int g = GreenOf(rgb);
    const int b = BlueOf(rgb);
    const int high = std::max({r, g, b});
    const int low = std::min({r, g, b});
    if (high <= 159) {
        return 200;
    }
    // 255 * (high - low) / high, rounded exactly on the integers: halves go to the even side.
    const int numerator = 255 * (high - low);
    int quotient = numerator / high;
    const int twiceRest = 2 * (numerator % high);
    if (twiceRest > high || (twiceRest == high && quotient % 2 == 1)) {
        ++quotient;
    }
    return quotient;
}

} // namespace skin
