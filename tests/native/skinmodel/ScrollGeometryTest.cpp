// Thumbs, hit parts and strip frames of skinned scroll bars, including ranges at the 32-bit
// limits, bars shorter than their two arrows and thumbs dragged past the track's ends.

#include "skin/ScrollGeometry.h"

#include <gtest/gtest.h>

#include <climits>

using namespace skin;

TEST(ScrollGeometry, StandaloneThumbStaysOnTheTrackForAnyRange) {
    const int bar = 200;
    const int arrow = 16;
    struct Case {
        const char* what;
        ScrollRange range;
        ThumbSpan thumb;
    };
    const Case cases[] = {
        {"at the minimum the thumb starts at the arrow", {0, 100, 11, 0}, {16, 16}},
        {"half way", {0, 100, 11, 45}, {16 + 75, 16}},
        {"a page of 1 gives the 8-pixel thumb", {0, 100, 1, 50}, {16 + 80, 8}},
        {"no page: an arrow-long thumb", {0, 100, 0, 100}, {16 + 152, 16}},
        {"min equals max counts as a huge range", {5, 5, 0, 5}, {16, 16}},
        {"full 32-bit range at its top", {INT_MIN, INT_MAX, 0, INT_MAX}, {16 + 152, 16}},
        {"full 32-bit range with a huge page", {INT_MIN, INT_MAX, 0x7FFFFFFFu, 0}, {16 + 84, 83}},
        {"position beyond the range", {0, 10, 2, 1000}, {16 + 152, 16}},
        {"negative ranges", {-50, -10, 0, -30}, {16 + 76, 16}},
    };
    for (const Case& c : cases) {
        const ThumbSpan t = StandaloneThumb(bar, arrow, c.range);
        EXPECT_EQ(t.start, c.thumb.start) << c.what;
        EXPECT_EQ(t.length, c.thumb.length) << c.what;
        EXPECT_GE(t.start, arrow) << c.what;
        EXPECT_LE(t.End(), bar - arrow) << c.what;
    }
    // A bar with no room between its arrows has no thumb.
    EXPECT_EQ(StandaloneThumb(30, 16, {0, 100, 10, 50}).length, 0);
    EXPECT_EQ(StandaloneThumb(0, 16, {0, 100, 10, 50}).length, 0);
}

TEST(ScrollGeometry, HitPartsAlongTheBar) {
    const ThumbSpan thumb{80, 30};
    const struct {
        int along;
        ScrollPart part;
    } cases[] = {{0, kFirstArrow},    {15, kFirstArrow},  {16, kPageBefore}, {79, kPageBefore},
                 {80, kThumb},        {109, kThumb},      {110, kPageAfter}, {183, kPageAfter},
                 {184, kSecondArrow}, {199, kSecondArrow}};
    for (const auto& c : cases)
        EXPECT_EQ(HitPart(c.along, 200, 16, thumb), c.part) << c.along;
    // A bar shorter than two arrows: two half-length arrows, both reachable.
    EXPECT_EQ(ArrowLength(20, 16), 10);
    EXPECT_EQ(HitPart(5, 20, 16, {16, 0}), kFirstArrow);
    EXPECT_EQ(HitPart(15, 20, 16, {16, 0}), kSecondArrow);
}

TEST(ScrollGeometry, DraggedThumbFollowsTheMouseWithinTheTrack) {
    EXPECT_EQ(DraggedThumbStart(50, 20, 200, 16, 30), 70);
    EXPECT_EQ(DraggedThumbStart(50, -100, 200, 16, 30), 16);
    EXPECT_EQ(DraggedThumbStart(50, 1000, 200, 16, 30), 154);
    EXPECT_EQ(DraggedThumbStart(50, INT_MAX, 200, 16, 30), 154);
    EXPECT_EQ(DraggedThumbStart(50, INT_MIN, 200, 16, 30), 16);
}

TEST(ScrollGeometry, StripFramesAndThickness) {
    EXPECT_EQ(ArrowFrame(9, false, false), 9);
    EXPECT_EQ(ArrowFrame(9, true, false), 12);
    EXPECT_EQ(ArrowFrame(9, true, true), 10);
    EXPECT_EQ(GripperFrame(false, false, false), 17);
    EXPECT_EQ(GripperFrame(true, true, false), 22);
    EXPECT_EQ(GripperFrame(true, true, true), 21);
    EXPECT_EQ(ThumbFrame(true, true), 2);
    EXPECT_EQ(ThumbFrame(true, false), 3);
    EXPECT_EQ(BarThickness(17, 16), 17);
    EXPECT_EQ(BarThickness(20, 16), 16);
    EXPECT_EQ(BarThickness(13, 16), 16);
}
