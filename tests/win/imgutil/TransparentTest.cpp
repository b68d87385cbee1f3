#include "skin/ImgUtilPaint.h"

#include "TestCanvas.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

using test::At;
using test::Canvas;
using test::Painted;

bool IsKey(int x, int y) {
    return (x * 7 + y * 3) % 5 == 0 || y == 0;
}
std::uint32_t Source(int x, int y) {
    return IsKey(x, y) ? 0xFF00FF : MakeRgb(x * 9, y * 9, 77);
}
std::uint32_t Backdrop(int x, int y) {
    return MakeRgb(200 - x, 100 + y, 3);
}

// Draws the picture onto a patterned canvas and checks every pixel.
void CheckBlit(TransparentBlit how) {
    const DibSection picture = Painted(17, 11, Source);
    Canvas canvas(30, 20);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 30; ++x) {
            SetPixel(canvas.Dc(), x, y, Backdrop(x, y));
        }
    }
    SetBkColor(canvas.Dc(), 0x123456);
    SetTextColor(canvas.Dc(), 0x654321);
    // The rectangle is larger than the picture: only the picture's own size is drawn.
    DrawTransparent(canvas.Dc(), RECT{4, 3, 30, 20}, picture.Handle(), kSkinKeyColour, how);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 30; ++x) {
            const int px = x - 4;
            const int py = y - 3;
            const bool inside = px >= 0 && py >= 0 && px < 17 && py < 11;
            const std::uint32_t expected =
                inside && !IsKey(px, py) ? Source(px, py) : Backdrop(x, y);
            ASSERT_EQ(canvas.Pixel(x, y), expected) << x << "," << y;
        }
    }
    EXPECT_EQ(GetBkColor(canvas.Dc()), 0x123456u);
    EXPECT_EQ(GetTextColor(canvas.Dc()), 0x654321u);
}

TEST(DrawTransparent, MaskBltKeepsEveryKeyPixelOfTheDestination) {
    CheckBlit(TransparentBlit::MaskBlt);
}

TEST(DrawTransparent, ThreeBlitsKeepEveryKeyPixelOfTheDestination) {
    CheckBlit(TransparentBlit::ThreeBlits);
}

TEST(DrawTransparent, TheChosenFormOnThisSystemToo) {
    CheckBlit(TransparentBlit::Automatic);
}

TEST(DrawTransparent, OtherKeyColoursAndEmptyRectangles) {
    const DibSection picture =
        Painted(4, 1, [](int x, int) -> std::uint32_t { return x % 2 == 0 ? 0x00FF00 : 0xFF00FF; });
    Canvas canvas(4, 1, 0x000000);
    DrawTransparent(canvas.Dc(), RECT{0, 0, 4, 1}, picture.Handle(), 0x00FF00);
    EXPECT_EQ(canvas.Pixel(0, 0), 0x000000u);
    EXPECT_EQ(canvas.Pixel(1, 0), 0xFF00FFu);
    Canvas untouched(4, 1, 0x000000);
    DrawTransparent(untouched.Dc(), RECT{0, 0, 0, 1}, picture.Handle(), 0x00FF00);
    DrawTransparent(untouched.Dc(), RECT{3, 0, 0, 1}, picture.Handle(), 0x00FF00);
    DrawTransparent(untouched.Dc(), RECT{0, 0, 4, 1}, HBITMAP(nullptr), 0x00FF00);
    EXPECT_EQ(untouched.Count(0x000000), 4);
}

} // namespace
} // namespace skin
