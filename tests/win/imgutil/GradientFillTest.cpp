#include "skin/ImgUtilPaint.h"

#include "TestCanvas.h"
#include "skin/ImgUtilShared.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

using test::Canvas;

constexpr std::uint32_t kBack = 0x00FF00;

TEST(GradientFill, RowsFollowTheTableFromTopToBottom) {
    Canvas canvas(10, 50, kBack);
    GradientFill(canvas.Dc(), RECT{2, 5, 8, 45}, 0x000000, true, 0xFFFFFF);
    for (int i = 0; i < 40; ++i) {
        const std::uint32_t expected = GradientEntry(0x000000, 0xFFFFFF, 40, i);
        ASSERT_EQ(canvas.Pixel(2, 5 + i), expected) << i;
        ASSERT_EQ(canvas.Pixel(7, 5 + i), expected) << i;
    }
    EXPECT_EQ(canvas.Pixel(2, 0), kBack);
    EXPECT_EQ(canvas.Pixel(1, 10), kBack);
    EXPECT_EQ(canvas.Pixel(8, 10), kBack);
    EXPECT_EQ(canvas.Pixel(2, 45), kBack);
    EXPECT_EQ(canvas.Pixel(7, 44), 0xFFFFFFu);
}

TEST(GradientFill, HalfClippedDrawsOnlyTheVisibleRowsWithTheSameTable) {
    Canvas full(6, 40, kBack);
    GradientFill(full.Dc(), RECT{0, 0, 6, 40}, 0x102030, true, 0xF0A050);
    const int before = SharedGradientCache().Position();

    Canvas clipped(6, 40, kBack);
    IntersectClipRect(clipped.Dc(), 0, 0, 6, 20);
    GradientFill(clipped.Dc(), RECT{0, 0, 6, 40}, 0x102030, true, 0xF0A050);
    // The second draw found the table of the first.
    EXPECT_EQ(SharedGradientCache().Position(), before);
    for (int y = 0; y < 20; ++y) {
        ASSERT_EQ(clipped.Pixel(3, y), full.Pixel(3, y)) << y;
    }
    for (int y = 20; y < 40; ++y) {
        ASSERT_EQ(clipped.Pixel(3, y), kBack) << y;
    }
}

TEST(GradientFill, HorizontalBarsRunLeftToRightAndSystemColoursResolve) {
    Canvas canvas(30, 4, kBack);
    const Colour window = static_cast<Colour>(0x80000000u | COLOR_WINDOW);
    GradientFill(canvas.Dc(), RECT{0, 0, 30, 4}, window, false, 0x000000);
    const std::uint32_t from = GetSysColor(COLOR_WINDOW) & 0xFFFFFF;
    EXPECT_EQ(canvas.Pixel(0, 3), GradientEntry(from, 0, 30, 0));
    EXPECT_EQ(canvas.Pixel(17, 0), GradientEntry(from, 0, 30, 17));
    EXPECT_EQ(canvas.Pixel(29, 2), GradientEntry(from, 0, 30, 29));
}

TEST(GradientFill, NothingForEmptyOrInvisibleRectangles) {
    Canvas canvas(10, 10, kBack);
    GradientFill(canvas.Dc(), RECT{0, 5, 10, 5}, 0, true, 0xFFFFFF);
    GradientFill(canvas.Dc(), RECT{0, 8, 10, 2}, 0, true, 0xFFFFFF);
    GradientFill(canvas.Dc(), RECT{20, 20, 30, 30}, 0, true, 0xFFFFFF);
    IntersectClipRect(canvas.Dc(), 0, 0, 5, 5);
    GradientFill(canvas.Dc(), RECT{5, 5, 10, 10}, 0, false, 0xFFFFFF);
    EXPECT_EQ(canvas.Count(kBack), 100);
}

} // namespace
} // namespace skin
