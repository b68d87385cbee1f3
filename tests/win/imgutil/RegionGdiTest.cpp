#include "skin/ImgUtilPaint.h"

#include "TestCanvas.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

using test::Painted;

TEST(RegionFromBitmap, HolesAndKeyBordersAreLeftOut) {
    // A 12 x 8 picture: key colour in the corners and a 2 x 2 hole in the middle.
    const DibSection picture = Painted(12, 8, [](int x, int y) -> std::uint32_t {
        const bool corner = (x == 0 || x == 11) && (y == 0 || y == 7);
        const bool hole = (x == 5 || x == 6) && (y == 3 || y == 4);
        return corner || hole ? 0xFF00FF : 0x804020;
    });
    const GdiRegion region = RegionFromBitmap(picture.Handle(), 100, 50, 0, 0, 0, 0xFF00FF);
    ASSERT_TRUE(region);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool corner = (x == 0 || x == 11) && (y == 0 || y == 7);
            const bool hole = (x == 5 || x == 6) && (y == 3 || y == 4);
            ASSERT_EQ(PtInRegion(region.Get(), 100 + x, 50 + y) != 0, !corner && !hole)
                << x << "," << y;
        }
    }
    RECT box{};
    EXPECT_EQ(GetRgnBox(region.Get(), &box), COMPLEXREGION);
    EXPECT_EQ(box.left, 100);
    EXPECT_EQ(box.top, 50);
    EXPECT_EQ(box.right, 112);
    EXPECT_EQ(box.bottom, 58);
}

TEST(RegionFromBitmap, AnAllKeyImageGivesAnEmptyRegion) {
    const DibSection picture = Painted(9, 9, [](int, int) { return 0xFF00FFu; });
    const GdiRegion region = RegionFromBitmap(picture.Handle(), 0, 0, 0, 0, 0, 0xFF00FF);
    ASSERT_TRUE(region);
    RECT box{};
    EXPECT_EQ(GetRgnBox(region.Get(), &box), NULLREGION);
}

TEST(RegionFromBitmap, TolerancesWidenTheKeyUpward) {
    // Colours just above the key within the tolerances count as key colour too.
    const DibSection picture = Painted(4, 1, [](int x, int) -> std::uint32_t {
        switch (x) {
        case 0:
            return 0xFA00FA; // blue 250, red 250
        case 1:
            return 0xFF02FF;
        case 2:
            return 0xFF03FF; // green 3 is beyond a tolerance of 2
        default:
            return 0xF500F5;
        }
    });
    const GdiRegion region = RegionFromBitmap(picture.Handle(), 0, 0, 10, 2, 10, 0xF500F5);
    EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
    EXPECT_FALSE(PtInRegion(region.Get(), 1, 0));
    EXPECT_TRUE(PtInRegion(region.Get(), 2, 0));
    EXPECT_FALSE(PtInRegion(region.Get(), 3, 0));
}

TEST(RegionFromBitmap, ManyRunsAreJoinedAcrossBatches) {
    // A checkerboard of 120 x 120 has 7200 runs: four batches of region data.
    const DibSection picture = Painted(120, 120, [](int x, int y) -> std::uint32_t {
        return (x + y) % 2 == 0 ? 0xFF00FF : 0x000000;
    });
    const GdiRegion region = RegionFromBitmap(picture.Handle(), -3, 0, 0, 0, 0, 0xFF00FF);
    for (int y = 0; y < 120; y += 7) {
        for (int x = 0; x < 120; x += 3) {
            ASSERT_EQ(PtInRegion(region.Get(), x - 3, y) != 0, (x + y) % 2 == 1) << x << "," << y;
        }
    }
    EXPECT_TRUE(PtInRegion(region.Get(), 116, 118));
    EXPECT_FALSE(RegionFromBitmap(nullptr, 0, 0, 0, 0, 0, 0xFF00FF));
}

} // namespace
} // namespace skin
