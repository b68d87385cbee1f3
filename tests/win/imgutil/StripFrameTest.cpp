#include "skin/ImgUtilPaint.h"

#include "TestCanvas.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

using test::Canvas;
using test::Painted;

constexpr std::uint32_t kLeft = 0x0000AA;
constexpr std::uint32_t kRight = 0x00AA00;
constexpr std::uint32_t kMiddle[3] = {0x111111, 0x222222, 0x333333};
constexpr std::uint32_t kBack = 0xFFFFFF;

// One 8 x 4 frame: 2 columns of left end, 3 of middle, 3 of right end.
std::uint32_t StripColumn(int x) {
    return x < 2 ? kLeft : (x < 5 ? kMiddle[x - 2] : kRight);
}

TEST(StripTiled, MiddleRepeatsAtItsOwnWidthBetweenTheEnds) {
    const DibSection strip = Painted(8, 4, [](int x, int) { return StripColumn(x); });
    Canvas canvas(24, 8, kBack);
    DrawStripTiled(canvas.Dc(), RECT{1, 1, 21, 7}, strip.Handle(), FrameLayout::SideBySide, false,
                   1, 1, {2, 0, 3, 0});
    for (int x = 0; x < 20; ++x) {
        const std::uint32_t expected = x < 2 ? kLeft : (x >= 17 ? kRight : kMiddle[(x - 2) % 3]);
        for (int y = 0; y < 6; ++y) {
            ASSERT_EQ(canvas.Pixel(1 + x, 1 + y), expected) << x << "," << y;
        }
    }
    EXPECT_EQ(canvas.Pixel(0, 0), kBack);
    EXPECT_EQ(canvas.Pixel(21, 7), kBack);
}

TEST(StripTiled, KeyColourLeavesTheDestinationWhenTransparent) {
    // Second of two stacked frames; its middle column is key colour.
    const DibSection strip = Painted(8, 8, [](int x, int y) -> std::uint32_t {
        if (y < 4) {
            return 0x000000;
        }
        return x == 3 ? 0xFF00FF : StripColumn(x);
    });
    Canvas canvas(20, 4, kBack);
    DrawStripTiled(canvas.Dc(), RECT{0, 0, 20, 4}, strip.Handle(), FrameLayout::Stacked, true, 2, 2,
                   {2, 0, 3, 0});
    EXPECT_EQ(canvas.Pixel(3, 0), kBack);
    EXPECT_EQ(canvas.Pixel(6, 2), kBack);
    EXPECT_EQ(canvas.Pixel(2, 0), kMiddle[0]);
    EXPECT_EQ(canvas.Pixel(0, 3), kLeft);
    EXPECT_EQ(canvas.Count(0x000000), 0);
}

TEST(StripStretched, EndsKeepTheirWidthsUnlessTheRectangleIsNarrowerThanAFrame) {
    // Two stacked frames; the second has a plain middle so stretching keeps its colour.
    const DibSection strip = Painted(8, 8, [](int x, int y) -> std::uint32_t {
        if (y < 4) {
            return 0x000000;
        }
        return x < 2 ? kLeft : (x < 5 ? kMiddle[1] : kRight);
    });
    Canvas canvas(30, 10, kBack);
    DrawStripStretched(canvas.Dc(), RECT{2, 1, 27, 9}, strip.Handle(), FrameLayout::Stacked, 2, 2,
                       2, 3);
    EXPECT_EQ(canvas.Pixel(2, 1), kLeft);
    EXPECT_EQ(canvas.Pixel(3, 8), kLeft);
    EXPECT_EQ(canvas.Pixel(4, 4), kMiddle[1]);
    EXPECT_EQ(canvas.Pixel(23, 4), kMiddle[1]);
    EXPECT_EQ(canvas.Pixel(24, 4), kRight);
    EXPECT_EQ(canvas.Pixel(26, 8), kRight);
    EXPECT_EQ(canvas.Pixel(27, 4), kBack);
    EXPECT_EQ(canvas.Count(0x000000), 0);

    Canvas narrow(10, 4, kBack);
    DrawStripStretched(narrow.Dc(), RECT{0, 0, 6, 4}, strip.Handle(), FrameLayout::Stacked, 2, 2, 2,
                       3);
    EXPECT_EQ(narrow.Pixel(0, 0), kLeft);
    EXPECT_EQ(narrow.Pixel(5, 3), kRight);
    EXPECT_EQ(narrow.Pixel(6, 0), kBack);
}

TEST(Frame, ChosenFrameStretchedToTheRectangle) {
    // Three 4 x 4 frames side by side; frame 2 has a key-colour left half.
    const DibSection strip = Painted(12, 4, [](int x, int) -> std::uint32_t {
        const int frame = x / 4;
        if (frame == 1 && x % 4 < 2) {
            return 0xFF00FF;
        }
        return frame == 0 ? 0x000001 : (frame == 1 ? 0x000002 : 0x000003);
    });
    Canvas canvas(20, 20, kBack);
    DrawFrame(canvas.Dc(), RECT{2, 2, 12, 10}, strip.Handle(), false, 3, 3);
    EXPECT_EQ(canvas.Count(0x000003), 80);
    EXPECT_EQ(canvas.Pixel(1, 1), kBack);

    Canvas transparent(20, 20, kBack);
    DrawFrame(transparent.Dc(), RECT{0, 0, 8, 8}, strip.Handle(), true, 3, 2);
    EXPECT_EQ(transparent.Count(0x000002), 32);
    EXPECT_EQ(transparent.Pixel(0, 0), kBack);
    EXPECT_EQ(transparent.Pixel(3, 7), kBack);
    EXPECT_EQ(transparent.Pixel(4, 0), 0x000002u);
}

TEST(Frame, CentredAtItsOwnSize) {
    const DibSection strip = Painted(8, 4, [](int x, int y) -> std::uint32_t {
        if (x >= 4 && y == 0) {
            return 0xFF00FF;
        }
        return x < 4 ? 0x000001 : 0x000002;
    });
    Canvas canvas(20, 20, kBack);
    // (11 - 4) div 2 = 3 and (10 - 4) div 2 = 3.
    DrawFrameCentred(canvas.Dc(), RECT{0, 0, 11, 10}, strip.Handle(), false, 2, 1);
    EXPECT_EQ(canvas.Count(0x000001), 16);
    EXPECT_EQ(canvas.Pixel(3, 3), 0x000001u);
    EXPECT_EQ(canvas.Pixel(6, 6), 0x000001u);
    EXPECT_EQ(canvas.Pixel(2, 3), kBack);
    EXPECT_EQ(canvas.Pixel(7, 3), kBack);

    Canvas transparent(20, 20, kBack);
    DrawFrameCentred(transparent.Dc(), RECT{0, 0, 11, 10}, strip.Handle(), true, 2, 2);
    EXPECT_EQ(transparent.Count(0x000002), 12);
    EXPECT_EQ(transparent.Pixel(3, 3), kBack);
    EXPECT_EQ(transparent.Pixel(3, 4), 0x000002u);
}

TEST(Frame, InvertedRectanglesDrawNothing) {
    const DibSection strip = Painted(8, 4, [](int, int) { return 0x000001u; });
    Canvas canvas(20, 20, kBack);
    DrawFrame(canvas.Dc(), RECT{10, 0, 0, 10}, strip.Handle(), false, 2, 1);
    DrawFrameCentred(canvas.Dc(), RECT{0, 10, 10, 0}, strip.Handle(), true, 2, 1);
    DrawStripTiled(canvas.Dc(), RECT{10, 0, 0, 10}, strip.Handle(), FrameLayout::SideBySide, false,
                   1, 1, {});
    DrawStripStretched(canvas.Dc(), RECT{0, 10, 10, 0}, strip.Handle(), FrameLayout::SideBySide, 1,
                       1, 0, 0);
    EXPECT_EQ(canvas.Count(kBack), 400);
}

} // namespace
} // namespace skin
