#include "skin/ImgUtilDib.h"

#include "TestCanvas.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

using test::At;
using test::Painted;

// 3 x 2: the pixel value tells where it came from (x in red, y in green).
DibSection Sample() {
    return Painted(3, 2, [](int x, int y) { return MakeRgb(x * 10 + 1, y * 10 + 1, 200); });
}

std::uint32_t Origin(int x, int y) {
    return MakeRgb(x * 10 + 1, y * 10 + 1, 200);
}

// The pixels of a bitmap as 0x00BBGGRR, read back through GetDIBits.
std::uint32_t PixelOf(HBITMAP bitmap, int x, int y) {
    auto pixels = ReadPixels(bitmap, 32);
    return At(pixels->View(), x, y);
}

int DepthOf(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    return info.bmBitsPixel;
}

TEST(BitmapOperations, MirrorAndFlipKeepTheSizeAndGive24BitPictures) {
    const DibSection sample = Sample();
    const GdiBitmap mirrored = MirrorBitmap(sample.Handle());
    ASSERT_TRUE(mirrored);
    EXPECT_EQ(DepthOf(mirrored.Get()), 24);
    EXPECT_EQ(PixelOf(mirrored.Get(), 0, 0), Origin(2, 0));
    EXPECT_EQ(PixelOf(mirrored.Get(), 2, 1), Origin(0, 1));
    const GdiBitmap flipped = FlipBitmap(sample.Handle());
    EXPECT_EQ(PixelOf(flipped.Get(), 0, 0), Origin(0, 1));
    EXPECT_EQ(PixelOf(flipped.Get(), 1, 1), Origin(1, 0));
    // The source is untouched.
    EXPECT_EQ(At(sample.Pixels(), 0, 0), Origin(0, 0));
}

TEST(BitmapOperations, QuarterTurnsMoveCornersTheRightWay) {
    const DibSection sample = Sample();
    const GdiBitmap left = RotateLeft(sample.Handle());
    const auto leftSize = BitmapSize(left.Get());
    ASSERT_TRUE(leftSize);
    EXPECT_EQ(leftSize->cx, 2);
    EXPECT_EQ(leftSize->cy, 3);
    // Counter-clockwise: the old top-right corner comes to the top-left.
    EXPECT_EQ(PixelOf(left.Get(), 0, 0), Origin(2, 0));
    EXPECT_EQ(PixelOf(left.Get(), 1, 2), Origin(0, 1));
    const GdiBitmap right = RotateRight(sample.Handle());
    // Clockwise: the old bottom-left corner comes to the top-left.
    EXPECT_EQ(PixelOf(right.Get(), 0, 0), Origin(0, 1));
    EXPECT_EQ(PixelOf(right.Get(), 1, 2), Origin(2, 0));
}

TEST(BitmapOperations, GreyAndKeyReplacement) {
    const DibSection sample = Painted(3, 1, [](int x, int) -> std::uint32_t {
        return x == 0 ? 0xFF00FF : (x == 1 ? 0xFF00FE : 0x306090);
    });
    const GdiBitmap replaced = ReplaceKeyColour(sample.Handle(), 0x00123456);
    EXPECT_EQ(PixelOf(replaced.Get(), 0, 0), 0x123456u);
    EXPECT_EQ(PixelOf(replaced.Get(), 1, 0), 0xFF00FEu);
    // A system colour is looked up first.
    const GdiBitmap system =
        ReplaceKeyColour(sample.Handle(), static_cast<Colour>(0x80000000u | COLOR_WINDOW));
    EXPECT_EQ(PixelOf(system.Get(), 0, 0), GetSysColor(COLOR_WINDOW) & 0xFFFFFF);
    const GdiBitmap grey = GrayBitmap(sample.Handle());
    EXPECT_EQ(PixelOf(grey.Get(), 2, 0), 0x606060u);
}

TEST(BitmapOperations, BadHandlesGiveNothing) {
    EXPECT_FALSE(GrayBitmap(nullptr));
    EXPECT_FALSE(RotateLeft(reinterpret_cast<HBITMAP>(0x1234)));
    EXPECT_FALSE(ReadPixels(nullptr, 32));
}

TEST(ColourOperations, SystemColoursComeFromTheSystemTable) {
    const std::uint32_t face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(BlendColour(static_cast<Colour>(0x80000000u | COLOR_BTNFACE), 0, 50),
              BlendColour(Colour(face), 0, 50));
    EXPECT_EQ(BlendColour(0x808080, 0x000000, 150), 0x131313u);
    EXPECT_EQ(ColourSaturation(0x0000FF), 255);
}

} // namespace
} // namespace skin
