#include "skin/ImgUtilPaint.h"

#include "TestCanvas.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

using test::At;
using test::Canvas;
using test::Painted;

// Each of the nine parts of a frame has its own colour: part (column, row) of frame f.
std::uint32_t PartColour(int column, int row, int frame) {
    return MakeRgb(10 + 30 * column, 10 + 30 * row, frame * 100);
}

int Band(int local, int size) {
    return local < 3 ? 0 : (local < size - 3 ? 1 : 2);
}

// Two 9 x 9 frames side by side, margins of 3, one column left over at the right.
DibSection NinePartStrip() {
    return Painted(19, 9, [](int x, int y) -> std::uint32_t {
        if (x == 18) {
            return 0x0000FF; // belongs to no frame
        }
        return PartColour(Band(x % 9, 9), Band(y, 9), x / 9 + 1);
    });
}

constexpr ImageMargins kMargins{3, 3, 3, 3};

// Which part of a destination of the given size a pixel belongs to.
int DestBand(int at, int size) {
    return at < 3 ? 0 : (at < size - 3 ? 1 : 2);
}

TEST(NineGrid, EveryDestinationPixelComesFromItsPartOfTheChosenFrame) {
    const DibSection strip = NinePartStrip();
    const DibSection picture =
        DrawNineGrid({20, 15}, strip.Handle(), kMargins, FrameLayout::SideBySide, false, 2, 2);
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture.Width(), 20);
    ASSERT_EQ(picture.Height(), 15);
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 20; ++x) {
            ASSERT_EQ(At(picture.Pixels(), x, y), PartColour(DestBand(x, 20), DestBand(y, 15), 2))
                << x << "," << y;
        }
    }
}

TEST(NineGrid, TiledCentreRepeatsFromItsCornerAndMarginsCoverTheOverrun) {
    // Frame 1's centre carries a pattern so that tiles can be told from stretching.
    const DibSection strip = Painted(18, 9, [](int x, int y) -> std::uint32_t {
        const int lx = x % 9;
        if (Band(lx, 9) == 1 && Band(y, 9) == 1) {
            return MakeRgb(100 + lx - 3, 100 + y - 3, x / 9 * 100 + 50);
        }
        return PartColour(Band(lx, 9), Band(y, 9), x / 9 + 1);
    });
    // Centre of 14 x 8: the last tiles run 1 pixel into the right and bottom margins.
    const DibSection picture =
        DrawNineGrid({20, 14}, strip.Handle(), kMargins, FrameLayout::SideBySide, true, 2, 1);
    ASSERT_TRUE(picture);
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 20; ++x) {
            const int column = DestBand(x, 20);
            const int row = DestBand(y, 14);
            const std::uint32_t expected = column == 1 && row == 1
                                               ? MakeRgb(100 + (x - 3) % 3, 100 + (y - 3) % 3, 50)
                                               : PartColour(column, row, 1);
            ASSERT_EQ(At(picture.Pixels(), x, y), expected) << x << "," << y;
        }
    }
}

TEST(NineGrid, NarrowDestinationsDropTheSideMarginsAndStrayColumnsNeverShow) {
    const DibSection strip = NinePartStrip();
    // 5 is less than 3 + 3: the frame's whole width is squeezed in; top and bottom stay.
    const DibSection picture =
        DrawNineGrid({5, 12}, strip.Handle(), kMargins, FrameLayout::SideBySide, false, 2, 2);
    ASSERT_TRUE(picture);
    EXPECT_EQ(At(picture.Pixels(), 0, 0), PartColour(0, 0, 2));
    EXPECT_EQ(At(picture.Pixels(), 4, 0), PartColour(2, 0, 2));
    EXPECT_EQ(At(picture.Pixels(), 0, 6), PartColour(0, 1, 2));
    EXPECT_EQ(At(picture.Pixels(), 4, 11), PartColour(2, 2, 2));
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 5; ++x) {
            ASSERT_NE(At(picture.Pixels(), x, y), 0x0000FFu);
        }
    }
}

TEST(NineGrid, StackedFramesAreReadFromTheirRow) {
    const DibSection strip = Painted(9, 18, [](int x, int y) -> std::uint32_t {
        return PartColour(Band(x, 9), Band(y % 9, 9), y / 9 + 1);
    });
    const DibSection picture =
        DrawNineGrid({12, 12}, strip.Handle(), kMargins, FrameLayout::Stacked, false, 2, 2);
    EXPECT_EQ(At(picture.Pixels(), 0, 0), PartColour(0, 0, 2));
    EXPECT_EQ(At(picture.Pixels(), 6, 6), PartColour(1, 1, 2));
}

TEST(NineGrid, DrawnToAContextWithOrWithoutTheKeyColour) {
    // Corners of the frame are key colour: a rounded look.
    const DibSection strip = Painted(9, 9, [](int x, int y) -> std::uint32_t {
        return (x == 0 || x == 8) && (y == 0 || y == 8) ? 0xFF00FF : PartColour(Band(x, 9), 1, 1);
    });
    Canvas canvas(30, 30, 0x00FF00);
    DrawNineGridTo(canvas.Dc(), RECT{5, 5, 25, 20}, strip.Handle(), FrameLayout::SideBySide, false,
                   true, 1, 1, kMargins);
    EXPECT_EQ(canvas.Pixel(5, 5), 0x00FF00u);   // key corner: the canvas shows through
    EXPECT_EQ(canvas.Pixel(24, 19), 0x00FF00u); // bottom-right corner too
    EXPECT_EQ(canvas.Pixel(6, 5), PartColour(0, 1, 1));
    EXPECT_EQ(canvas.Pixel(4, 4), 0x00FF00u); // outside the rectangle
    EXPECT_EQ(canvas.Pixel(25, 20), 0x00FF00u);

    Canvas plain(30, 30, 0x00FF00);
    DrawNineGridTo(plain.Dc(), RECT{5, 5, 25, 20}, strip.Handle(), FrameLayout::SideBySide, false,
                   false, 1, 1, kMargins);
    EXPECT_EQ(plain.Pixel(5, 5), 0xFF00FFu);

    Canvas element(30, 30, 0x00FF00);
    DrawElement(element.Dc(), RECT{0, 0, 10, 10}, 1, 1,
                ElementPicture{strip.Handle(), kMargins, true, false});
    EXPECT_EQ(element.Pixel(0, 0), 0x00FF00u);
    EXPECT_EQ(element.Pixel(5, 5), PartColour(1, 1, 1));
}

TEST(NineGrid, InvertedRectanglesAndBadImagesDrawNothing) {
    const DibSection strip = NinePartStrip();
    Canvas canvas(20, 20, 0x00FF00);
    DrawNineGridTo(canvas.Dc(), RECT{10, 0, 5, 10}, strip.Handle(), FrameLayout::SideBySide, false,
                   false, 2, 1, kMargins);
    DrawNineGridTo(canvas.Dc(), RECT{0, 10, 10, 5}, strip.Handle(), FrameLayout::SideBySide, false,
                   true, 2, 1, kMargins);
    DrawNineGridTo(canvas.Dc(), RECT{0, 0, 10, 10}, nullptr, FrameLayout::SideBySide, false, false,
                   2, 1, kMargins);
    EXPECT_EQ(canvas.Count(0x00FF00), 400);
    EXPECT_FALSE(
        DrawNineGrid({0, 10}, strip.Handle(), kMargins, FrameLayout::SideBySide, false, 2, 1));
}

TEST(NineGrid, AnImageSelectedIntoAnotherContextIsStillRead) {
    const DibSection strip = NinePartStrip();
    MemoryDC holder;
    SelectScope held(holder.Get(), strip.Handle());
    ASSERT_TRUE(held.Selected());
    const DibSection picture =
        DrawNineGrid({12, 12}, strip.Handle(), kMargins, FrameLayout::SideBySide, false, 2, 1);
    ASSERT_TRUE(picture);
    EXPECT_EQ(At(picture.Pixels(), 6, 6), PartColour(1, 1, 1));
}

} // namespace
} // namespace skin
