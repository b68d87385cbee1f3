#pragma once
// Colour arithmetic of the skin engine on 0x00BBGGRR values. A negative colour names a system
// colour by its low byte; the caller supplies the lookup (GetSysColor on Windows), so this code
// needs no Win32.

#include <cstdint>

namespace skin {

// 0x00BBGGRR, or negative for a system colour whose index is the low byte.
using Colour = std::int32_t;

// Gives the 0x00BBGGRR value of a system colour index.
using SysColourLookup = std::uint32_t (*)(int index);

// The plain 0x00BBGGRR value of a colour: system colours through the lookup (black without
// one); the unused top byte of a plain colour is dropped.
std::uint32_t ResolveColour(Colour colour, SysColourLookup lookup);

// Mixes c1 and c2 with weight w for c1: w below 100 is a percentage, from 100 upward a per-mille
// value (150 means 15 %). Each channel is (c1 * w + c2 * (d - w) + d div 2) div d. Weights
// outside 0..1000 count as the nearest end, so a channel never leaves 0..255.
std::uint32_t BlendColour(Colour c1, Colour c2, int weight, SysColourLookup lookup);

// 0..255: the saturation (max - min) / max of the colour scaled to 255 and rounded to the
// nearest integer, halves to even, when any channel is above 159; otherwise 200.
int ColourSaturation(Colour colour, SysColourLookup lookup);

inline constexpr std::uint32_t MakeRgb(int r, int g, int b) {
    return std::uint32_t(r & 0xFF) | (std::uint32_t(g & 0xFF) << 8) |
           (std::uint32_t(b & 0xFF) << 16);
}
inline constexpr int RedOf(std::uint32_t rgb) {
    return int(rgb & 0xFF);
}
inline constexpr int GreenOf(std::uint32_t rgb) {
    return int((rgb >> 8) & 0xFF);
}
inline constexpr int BlueOf(std::uint32_t rgb) {
    return int((rgb >> 16) & 0xFF);
}

} // namespace skin
