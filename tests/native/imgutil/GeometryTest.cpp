#include "skin/PaintGeometry.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(FrameRect, FramesAreNumberedFromOneAndRemaindersAreLost) {
    EXPECT_EQ(FrameRect(100, 20, 4, 1, FrameLayout::SideBySide), RectAt(0, 0, 25, 20));
    EXPECT_EQ(FrameRect(100, 20, 4, 3, FrameLayout::SideBySide), RectAt(50, 0, 25, 20));
    // 103 / 4 = 25: the last three columns belong to no frame.
    EXPECT_EQ(FrameRect(103, 20, 4, 4, FrameLayout::SideBySide), RectAt(75, 0, 25, 20));
    EXPECT_EQ(FrameRect(10, 62, 3, 2, FrameLayout::Stacked), RectAt(0, 20, 10, 20));
}

TEST(FrameRect, OutOfRangeCountsAndNumbersStayInsideTheImage) {
    EXPECT_EQ(FrameRect(30, 10, 0, 1, FrameLayout::SideBySide), RectAt(0, 0, 30, 10));
    EXPECT_EQ(FrameRect(30, 10, 3, 0, FrameLayout::SideBySide), RectAt(0, 0, 10, 10));
    EXPECT_EQ(FrameRect(30, 10, 3, 7, FrameLayout::SideBySide), RectAt(20, 0, 10, 10));
    EXPECT_FALSE(FrameRect(2, 10, 3, 1, FrameLayout::SideBySide).HasArea());
    EXPECT_FALSE(FrameRect(-5, 10, 1, 1, FrameLayout::SideBySide).HasArea());
}

std::vector<NinePart> Order(const NineGridPlan& plan) {
    std::vector<NinePart> parts;
    for (const auto& copy : plan.copies) {
        parts.push_back(copy.part);
    }
    return parts;
}

const BlitPart* Find(const NineGridPlan& plan, NinePart part) {
    for (const auto& copy : plan.copies) {
        if (copy.part == part) {
            return &copy.blit;
        }
    }
    return nullptr;
}

TEST(NineGrid, AllNinePartsInDrawingOrder) {
    // Frame 2 of a strip: 20 x 10 starting at x = 20; margins 3, 2, 4, 1.
    const PaintRect frame = RectAt(20, 0, 20, 10);
    const NineGridPlan plan = PlanNineGrid(50, 30, frame, {3, 2, 4, 1}, false);
    using P = NinePart;
    EXPECT_EQ(Order(plan), (std::vector<NinePart>{P::TopLeft, P::BottomLeft, P::TopRight,
                                                  P::LeftEdge, P::TopEdge, P::Centre,
                                                  P::BottomRight, P::RightEdge, P::BottomEdge}));
    EXPECT_EQ(*Find(plan, P::TopLeft), (BlitPart{RectAt(20, 0, 3, 2), RectAt(0, 0, 3, 2)}));
    EXPECT_EQ(*Find(plan, P::BottomLeft), (BlitPart{RectAt(20, 9, 3, 1), RectAt(0, 29, 3, 1)}));
    EXPECT_EQ(*Find(plan, P::TopRight), (BlitPart{RectAt(36, 0, 4, 2), RectAt(46, 0, 4, 2)}));
    EXPECT_EQ(*Find(plan, P::LeftEdge), (BlitPart{RectAt(20, 2, 3, 7), RectAt(0, 2, 3, 27)}));
    EXPECT_EQ(*Find(plan, P::TopEdge), (BlitPart{RectAt(23, 0, 13, 2), RectAt(3, 0, 43, 2)}));
    EXPECT_EQ(*Find(plan, P::Centre), (BlitPart{RectAt(23, 2, 13, 7), RectAt(3, 2, 43, 27)}));
    EXPECT_EQ(*Find(plan, P::BottomRight), (BlitPart{RectAt(36, 9, 4, 1), RectAt(46, 29, 4, 1)}));
    EXPECT_EQ(*Find(plan, P::RightEdge), (BlitPart{RectAt(36, 2, 4, 7), RectAt(46, 2, 4, 27)}));
    EXPECT_EQ(*Find(plan, P::BottomEdge), (BlitPart{RectAt(23, 9, 13, 1), RectAt(3, 29, 43, 1)}));
    EXPECT_FALSE(plan.tiledCentre);
}

TEST(NineGrid, MarginsThatDoNotFitAreDropped) {
    const PaintRect frame = RectAt(0, 0, 20, 10);
    // 6 wide is less than 3 + 4: the whole frame width is stretched; heights keep margins.
    const NineGridPlan narrow = PlanNineGrid(6, 30, frame, {3, 2, 4, 1}, false);
    using P = NinePart;
    EXPECT_EQ(Order(narrow), (std::vector<NinePart>{P::TopEdge, P::Centre, P::BottomEdge}));
    EXPECT_EQ(*Find(narrow, P::Centre), (BlitPart{RectAt(0, 2, 20, 7), RectAt(0, 2, 6, 27)}));
    // Exactly the sum still keeps them, leaving an empty middle.
    const NineGridPlan exact = PlanNineGrid(7, 30, frame, {3, 2, 4, 1}, false);
    EXPECT_EQ(Find(exact, P::Centre), nullptr);
    EXPECT_NE(Find(exact, P::TopLeft), nullptr);
    // Both directions too small: one copy of the whole frame.
    const NineGridPlan tiny = PlanNineGrid(5, 2, frame, {3, 2, 4, 1}, false);
    EXPECT_EQ(Order(tiny), (std::vector<NinePart>{P::Centre}));
    EXPECT_EQ(tiny.copies[0].blit, (BlitPart{frame, RectAt(0, 0, 5, 2)}));
    // Margins wider than the frame itself, or negative, count as 0 as well.
    const NineGridPlan bad = PlanNineGrid(100, 100, frame, {15, -3, 15, 2}, false);
    EXPECT_EQ(*Find(bad, P::Centre), (BlitPart{RectAt(0, 0, 20, 8), RectAt(0, 0, 100, 98)}));
}

TEST(NineGrid, TiledCentreStartsAtItsCornerAndRunsUnderTheMargins) {
    const PaintRect frame = RectAt(0, 0, 10, 10);
    const NineGridPlan plan = PlanNineGrid(30, 21, frame, {2, 2, 3, 3}, true);
    ASSERT_TRUE(plan.tiledCentre);
    const TileGrid& tiles = plan.centreTiles;
    EXPECT_EQ(tiles.area, RectAt(2, 2, 25, 16));
    EXPECT_EQ(tiles.tileWidth, 5);
    EXPECT_EQ(tiles.tileHeight, 5);
    EXPECT_EQ(tiles.Columns(), 5);
    EXPECT_EQ(tiles.Rows(), 4);
    // The last tile reaches past the centre into the bottom margin, which is drawn later.
    EXPECT_EQ(tiles.Tile(4, 3), RectAt(22, 17, 5, 5));
    EXPECT_EQ(plan.copies.back().part, NinePart::BottomEdge);
}

TEST(NineGrid, NothingForEmptyDestinationsOrFrames) {
    EXPECT_TRUE(PlanNineGrid(0, 10, RectAt(0, 0, 5, 5), {}, false).copies.empty());
    EXPECT_TRUE(PlanNineGrid(10, -1, RectAt(0, 0, 5, 5), {}, true).copies.empty());
    EXPECT_TRUE(PlanNineGrid(10, 10, RectAt(0, 0, 0, 5), {}, true).copies.empty());
    // A frame that is all margin has no centre to tile.
    const NineGridPlan allMargin = PlanNineGrid(30, 30, RectAt(0, 0, 4, 4), {2, 2, 2, 2}, true);
    EXPECT_FALSE(allMargin.tiledCentre);
    EXPECT_EQ(allMargin.copies.size(), 4u);
}

TEST(StripTiled, EndsStretchedToHeightAndMiddleRepeatedBetween) {
    const PaintRect frame = RectAt(0, 10, 12, 10); // second of two stacked frames
    const StripTiledPlan plan = PlanStripTiled(30, 18, frame, 3, 4);
    EXPECT_EQ(plan.leftEnd, (BlitPart{RectAt(0, 10, 3, 10), RectAt(0, 0, 3, 18)}));
    EXPECT_EQ(plan.rightEnd, (BlitPart{RectAt(8, 10, 4, 10), RectAt(26, 0, 4, 18)}));
    EXPECT_EQ(plan.middleSource, RectAt(3, 10, 5, 10));
    // Copies start at 3, 8, ..., 23; 23 is left of 26, so five copies.
    EXPECT_EQ(plan.middle.Columns(), 5);
    EXPECT_EQ(plan.middle.Rows(), 1);
    EXPECT_EQ(plan.middle.Tile(4, 0), RectAt(23, 0, 5, 18));
}

TEST(StripTiled, NoMiddleWhenTheEndsFillTheFrameOrTheStripIsShort) {
    EXPECT_EQ(PlanStripTiled(30, 5, RectAt(0, 0, 6, 5), 3, 3).middle.Columns(), 0);
    EXPECT_EQ(PlanStripTiled(30, 5, RectAt(0, 0, 6, 5), 5, 5).middle.Columns(), 0);
    EXPECT_EQ(PlanStripTiled(5, 5, RectAt(0, 0, 10, 5), 3, 3).middle.Columns(), 0);
    const StripTiledPlan bad = PlanStripTiled(30, 5, RectAt(0, 0, 6, 5), 5, 5);
    EXPECT_EQ(bad.rightEnd.source, RectAt(5, 0, 1, 5));
}

TEST(StripStretched, EndsKeepWidthsUnlessNarrowerThanAFrame) {
    const PaintRect frame = RectAt(10, 0, 10, 6);
    const auto wide = PlanStripStretched(RectAt(100, 50, 40, 12), frame, 2, 3);
    ASSERT_EQ(wide.size(), 3u);
    EXPECT_EQ(wide[0], (BlitPart{RectAt(10, 0, 2, 6), RectAt(100, 50, 2, 12)}));
    EXPECT_EQ(wide[1], (BlitPart{RectAt(12, 0, 5, 6), RectAt(102, 50, 35, 12)}));
    EXPECT_EQ(wide[2], (BlitPart{RectAt(17, 0, 3, 6), RectAt(137, 50, 3, 12)}));

    const auto narrow = PlanStripStretched(RectAt(0, 0, 9, 12), frame, 2, 3);
    ASSERT_EQ(narrow.size(), 1u);
    EXPECT_EQ(narrow[0], (BlitPart{frame, RectAt(0, 0, 9, 12)}));
    EXPECT_TRUE(PlanStripStretched(PaintRect{10, 0, 5, 12}, frame, 2, 3).empty());
}

TEST(FrameCentred, OffsetsRoundTowardZero) {
    EXPECT_EQ(CentredFrameDest(RectAt(10, 20, 11, 10), 4, 4), RectAt(13, 23, 4, 4));
    // Larger than the rectangle: (3 - 6) div 2 = -1.
    EXPECT_EQ(CentredFrameDest(RectAt(10, 20, 3, 3), 6, 6), RectAt(9, 19, 6, 6));
}

} // namespace
} // namespace skin
