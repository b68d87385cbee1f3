#include "skin/ImgUtilPixels.h"

#include "PixelTestSupport.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

using test::Get;
using test::Picture;
using test::Rows;
using Grid = std::vector<std::vector<std::uint32_t>>;

TEST(PixelLayout, RowsArePaddedToFourBytesAndSizesAreCapped) {
    EXPECT_EQ(DibStride(1, 24), 4u);
    EXPECT_EQ(DibStride(5, 24), 16u);
    EXPECT_EQ(DibStride(3, 32), 12u);
    EXPECT_EQ(DibStride(0, 24), 0u);
    EXPECT_FALSE(DibStride(4, 8));
    EXPECT_FALSE(DibStride(-1, 24));
    EXPECT_TRUE(DibSizeAccepted(1920, 1080, 32));
    EXPECT_FALSE(DibSizeAccepted(kMaxImageSide, kMaxImageSide, 24));
    EXPECT_FALSE(DibSizeAccepted(10, 10, 16));
    EXPECT_FALSE(PixelImage::Create(kMaxImageSide + 1, 1, 24, false));
    EXPECT_FALSE(PixelImage::Create(kMaxImageSide, kMaxImageSide, 32, false));

    std::vector<std::uint8_t> buffer(15);
    EXPECT_FALSE(PixelView::Over(buffer.data(), buffer.size(), 5, 1, 24, false));
    EXPECT_FALSE(PixelView::Over(nullptr, 100, 1, 1, 24, false));
    EXPECT_TRUE(PixelView::Over(buffer.data(), buffer.size(), 1, 3, 24, false));
}

TEST(PixelLayout, RowZeroIsTheTopRowInEitherStorageOrder) {
    PixelImage bottomUp = Picture({{0x000001}, {0x000002}}, 24, false);
    EXPECT_EQ(bottomUp.Bytes()[2], 2); // the bottom row is stored first
    PixelImage topDown = Picture({{0x000001}, {0x000002}}, 24, true);
    EXPECT_EQ(topDown.Bytes()[2], 1);
}

TEST(PixelTransforms, GreyIsTheChannelMeanRoundedDown) {
    for (int bits : {24, 32}) {
        PixelImage image = Picture({{0x0000FF, 0x102030, 0xFFFFFF, 0x010000}}, bits);
        GrayBitmap(image.View());
        EXPECT_EQ(Rows(image.View()), (Grid{{0x555555, 0x202020, 0xFFFFFF, 0x000000}}));
    }
}

TEST(PixelTransforms, OnlyExactMagentaTakesTheReplacement) {
    PixelImage image = Picture({{0xFF00FF, 0xFF00FE, 0xFE00FF, 0xFF01FF, 0x000000}});
    ReplaceKeyColour(image.View(), 0x123456);
    EXPECT_EQ(Rows(image.View()), (Grid{{0x123456, 0xFF00FE, 0xFE00FF, 0xFF01FF, 0x000000}}));
}

TEST(PixelTransforms, MirrorAndFlipKeepSizeAndPadding) {
    for (int bits : {24, 32}) {
        for (bool topDown : {false, true}) {
            PixelImage image = Picture({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, bits, topDown);
            // The padding byte after each 24-bit row must stay as it was.
            std::vector<std::uint8_t> before = image.Bytes();
            MirrorBitmap(image.View());
            EXPECT_EQ(Rows(image.View()), (Grid{{3, 2, 1}, {6, 5, 4}, {9, 8, 7}}));
            FlipBitmap(image.View());
            EXPECT_EQ(Rows(image.View()), (Grid{{9, 8, 7}, {6, 5, 4}, {3, 2, 1}}));
            if (bits == 24) {
                for (std::size_t row = 0; row < 3; ++row) {
                    EXPECT_EQ(image.Bytes()[row * 12 + 9], before[row * 12 + 9]);
                }
            }
        }
    }
}

TEST(PixelTransforms, QuarterTurnsSwapTheSidesAndUndoEachOther) {
    // 3 wide, 2 high.
    PixelImage image = Picture({{1, 2, 3}, {4, 5, 6}}, 32, false);
    auto left = RotateLeft(image.View());
    ASSERT_TRUE(left);
    EXPECT_EQ(left->Width(), 2);
    EXPECT_EQ(left->Height(), 3);
    EXPECT_EQ(left->BitsPerPixel(), 24);
    EXPECT_EQ(Rows(left->View()), (Grid{{3, 6}, {2, 5}, {1, 4}}));

    auto right = RotateRight(image.View());
    ASSERT_TRUE(right);
    EXPECT_EQ(Rows(right->View()), (Grid{{4, 1}, {5, 2}, {6, 3}}));

    auto back = RotateRight(left->View());
    ASSERT_TRUE(back);
    EXPECT_EQ(Rows(back->View()), Rows(image.View()));
}

TEST(PixelTransforms, EmptyPicturesAreLeftAlone) {
    PixelImage empty = PixelImage::Create(0, 0, 24, false).value();
    GrayBitmap(empty.View());
    MirrorBitmap(empty.View());
    FlipBitmap(empty.View());
    auto turned = RotateLeft(empty.View());
    ASSERT_TRUE(turned);
    EXPECT_TRUE(turned->View().Empty());
    EXPECT_TRUE(MonoMaskBits(empty.View(), 0xFF00FF).empty());
}

TEST(PixelTransforms, MaskMarksExactKeyPixelsInWordAlignedRows) {
    std::vector<std::uint32_t> row(17, 0);
    row[0] = 0xFF00FF;
    row[9] = 0xFF00FF;
    row[16] = 0xFF00FF;
    row[1] = 0xFE00FF;
    PixelImage image = PixelImage::Create(17, 2, 32, false).value();
    for (int x = 0; x < 17; ++x) {
        test::Put(image.View(), x, 0, row[std::size_t(x)]);
    }
    const auto bits = MonoMaskBits(image.View(), 0xFF00FF);
    ASSERT_EQ(bits.size(), 8u); // 17 pixels need two 16-bit words a row
    EXPECT_EQ(bits[0], 0x80);
    EXPECT_EQ(bits[1], 0x40);
    EXPECT_EQ(bits[2], 0x80);
    EXPECT_EQ(bits[3], 0x00);
    EXPECT_EQ(bits[4], 0x00); // second row: black
}

} // namespace
} // namespace skin
