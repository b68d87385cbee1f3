#include "skin/ImgUtilColour.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

// System colour i is grey level i * 10, so tests can tell which index was asked for.
std::uint32_t FakeSystemColour(int index) {
    return MakeRgb(index * 10, index * 10, index * 10);
}

TEST(BlendColour, WeightIsPercentBelowOneHundredAndPerMilleFromThere) {
    EXPECT_EQ(BlendColour(0x808080, 0x000000, 150, nullptr), 0x131313u);
    EXPECT_EQ(BlendColour(0x808080, 0x000000, 15, nullptr), 0x131313u);
    EXPECT_EQ(BlendColour(0x0000FF, 0xFF0000, 50, nullptr), 0x800080u);
    EXPECT_EQ(BlendColour(0x0000FF, 0xFF0000, 100, nullptr), 0xE6001Au); // 10 %
    EXPECT_EQ(BlendColour(0x123456, 0xABCDEF, 0, nullptr), 0xABCDEFu);
    EXPECT_EQ(BlendColour(0x123456, 0xABCDEF, 1000, nullptr), 0x123456u);
    // Halves round up: (1 * 50 + 0 + 50) div 100 = 1.
    EXPECT_EQ(BlendColour(0x000001, 0x000000, 50, nullptr), 0x000001u);
}

TEST(BlendColour, WeightsBeyondTheScaleStayWithinTheChannels) {
    EXPECT_EQ(BlendColour(0xFFFFFF, 0x000000, 5000, nullptr), 0xFFFFFFu);
    EXPECT_EQ(BlendColour(0xFFFFFF, 0x000000, -20, nullptr), 0x000000u);
    EXPECT_EQ(BlendColour(0x000000, 0xFFFFFF, -20, nullptr), 0xFFFFFFu);
}

TEST(BlendColour, SystemColoursAreLookedUpByTheirLowByte) {
    const Colour systemFive = static_cast<Colour>(0x80000005u);
    EXPECT_EQ(ResolveColour(systemFive, FakeSystemColour), 0x323232u);
    EXPECT_EQ(BlendColour(systemFive, 0x000000, 50, FakeSystemColour), 0x191919u);
    EXPECT_EQ(ResolveColour(systemFive, nullptr), 0u);
    EXPECT_EQ(ResolveColour(0x7F123456, nullptr), 0x123456u);
}

TEST(ColourSaturation, ScaledWhenBrightElseFixed) {
    EXPECT_EQ(ColourSaturation(0x0000FF, nullptr), 255);
    EXPECT_EQ(ColourSaturation(0x505050, nullptr), 200);
    EXPECT_EQ(ColourSaturation(0x9F0000, nullptr), 200); // 159 is not above 159
    EXPECT_EQ(ColourSaturation(0xA00000, nullptr), 255);
    EXPECT_EQ(ColourSaturation(0xFFFFFF, nullptr), 0);
    EXPECT_EQ(ColourSaturation(0x000000, nullptr), 200);
    // 255 * 100 / 200 = 127.5 rounds to 128; 255 * 1 / 170 = 1.5 rounds to 2;
    // 255 * 3 / 170 = 4.5 rounds to 4.
    EXPECT_EQ(ColourSaturation(MakeRgb(200, 100, 150), nullptr), 128);
    EXPECT_EQ(ColourSaturation(MakeRgb(170, 169, 170), nullptr), 2);
    EXPECT_EQ(ColourSaturation(MakeRgb(170, 167, 170), nullptr), 4);
    // 255 * 61 / 200 = 77.775
    EXPECT_EQ(ColourSaturation(MakeRgb(200, 139, 150), nullptr), 78);
}

TEST(ColourSaturation, SystemColoursAreResolvedFirst) {
    EXPECT_EQ(ColourSaturation(static_cast<Colour>(0x80000019u), FakeSystemColour), 0);
    EXPECT_EQ(ColourSaturation(static_cast<Colour>(0x80000001u), FakeSystemColour), 200);
}

} // namespace
} // namespace skin
