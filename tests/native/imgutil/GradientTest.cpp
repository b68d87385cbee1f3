#include "skin/ImgUtilGradient.h"

#include "skin/ImgUtilColour.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(GradientTable, RisingGradientRunsFromFirstToLastColour) {
    GradientCache cache;
    const auto& table = cache.Table(0x000000, 0x0A0A0A, 3);
    EXPECT_EQ(table, (std::vector<std::uint32_t>{0x000000, 0x050505, 0x0A0A0A}));
    // Rounding: (4 + i * 255) div 9 per channel for ten steps of red.
    EXPECT_EQ(GradientEntry(0x000000, 0x0000FF, 10, 1), 0x00001Cu);
    EXPECT_EQ(GradientEntry(0x000000, 0x0000FF, 10, 9), 0x0000FFu);
}

TEST(GradientTable, DivisionsTruncateTowardZero) {
    // A falling channel stops one short of the target: (1 + 2 * -10) div 2 = -9.
    EXPECT_EQ(GradientEntry(0x000014, 0x00000A, 3, 2), 0x00000Bu);
    EXPECT_EQ(GradientEntry(0x000014, 0x00000A, 3, 1), 0x000010u);
    // One step is the midpoint.
    EXPECT_EQ(GradientEntry(0x000000, 0x000009, 1, 0), 0x000004u);
    EXPECT_EQ(GradientEntry(0x000009, 0x000000, 1, 0), 0x000005u);
    // Two steps are the ends.
    EXPECT_EQ(GradientEntry(0xFFFFFF, 0x000000, 2, 1), 0x000000u);
}

TEST(GradientCache, SameGradientIsServedFromItsSlot) {
    GradientCache cache;
    const auto* first = &cache.Table(0x000000, 0xFFFFFF, 40);
    EXPECT_EQ(cache.Position(), 1);
    EXPECT_EQ(&cache.Table(0x000000, 0xFFFFFF, 40), first);
    EXPECT_EQ(cache.Position(), 1);
    // Another length or other ends make a new table.
    EXPECT_NE(&cache.Table(0x000000, 0xFFFFFF, 41), first);
    EXPECT_NE(&cache.Table(0x000001, 0xFFFFFF, 40), first);
    EXPECT_EQ(cache.Position(), 3);
}

TEST(GradientCache, FallingGradientsAreFoundAgain) {
    GradientCache cache;
    const auto* table = &cache.Table(0xFFFFFF, 0x000000, 30);
    EXPECT_EQ(&cache.Table(0xFFFFFF, 0x000000, 30), table);
    EXPECT_EQ(cache.Position(), 1);
}

TEST(GradientCache, SlotsAreReplacedRoundRobin) {
    GradientCache cache;
    for (int i = 0; i < GradientCache::kSlots; ++i) {
        cache.Table(0, 0xFFFFFF, 10 + i);
    }
    EXPECT_EQ(cache.Position(), 0);
    const auto* last = &cache.Table(0, 0xFFFFFF, 10 + GradientCache::kSlots - 1);
    // The next new gradient takes slot 0 (length 10) and leaves the others.
    cache.Table(0, 0xFFFFFF, 99);
    EXPECT_EQ(cache.Position(), 1);
    EXPECT_EQ(&cache.Table(0, 0xFFFFFF, 10 + GradientCache::kSlots - 1), last);
    EXPECT_EQ(cache.Position(), 1);
    cache.Table(0, 0xFFFFFF, 10);
    EXPECT_EQ(cache.Position(), 2);
    cache.Clear();
    EXPECT_EQ(cache.Position(), 0);
}

TEST(GradientCache, LengthIsKeptWithinBounds) {
    GradientCache cache;
    EXPECT_EQ(cache.Table(0, 0xFFFFFF, 0).size(), 1u);
    EXPECT_EQ(cache.Table(0, 0xFFFFFF, GradientCache::kMaxSteps + 5).size(),
              std::size_t(GradientCache::kMaxSteps));
}

TEST(GradientSteps, OnlyStepsInsideTheClipAreDrawn) {
    // A 40-pixel bar at 10 with the lower half clipped away: steps 0 to 19.
    const StepRange half = VisibleSteps(10, 40, 0, 30);
    EXPECT_EQ(half.first, 0);
    EXPECT_EQ(half.last, 20);
    const StepRange middle = VisibleSteps(10, 40, 25, 35);
    EXPECT_EQ(middle.first, 15);
    EXPECT_EQ(middle.last, 25);
    EXPECT_TRUE(VisibleSteps(10, 40, 50, 60).Empty());
    EXPECT_TRUE(VisibleSteps(10, 0, 0, 60).Empty());
    EXPECT_EQ(VisibleSteps(-5, 10, -100, 100).last, 10);
}

} // namespace
} // namespace skin
