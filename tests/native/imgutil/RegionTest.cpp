#include "skin/ImgUtilRegion.h"

#include "PixelTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace skin {
namespace {

constexpr std::uint32_t K = 0xFF00FF; // key colour
constexpr std::uint32_t O = 0x336699; // an opaque pixel

struct Batch {
    std::int32_t header[8];
    std::vector<PaintRect> rects;
};

// Runs the collector and records every batch as the GDI layer would receive it.
struct Recorder {
    std::vector<Batch> batches;
    RegionDataBuilder builder{[this](std::span<const std::uint8_t> data) {
        Batch batch;
        std::memcpy(batch.header, data.data(), sizeof batch.header);
        const std::size_t count = (data.size() - 32) / 16;
        for (std::size_t i = 0; i < count; ++i) {
            std::int32_t r[4];
            std::memcpy(r, data.data() + 32 + i * 16, sizeof r);
            batch.rects.push_back({r[0], r[1], r[2], r[3]});
        }
        batches.push_back(std::move(batch));
    }};
};

TEST(RegionRuns, EachRowsOpaqueRunsBecomeRectanglesMovedByTheOffsets) {
    PixelImage image = test::Picture({{K, O, O, K, O}, {K, K, K, K, K}, {O, K, O, O, O}}, 32);
    Recorder rec;
    CollectOpaqueRuns(image.View(), KeyColourRange::From(K, 0, 0, 0), 10, 100, rec.builder);
    rec.builder.Finish();
    ASSERT_EQ(rec.batches.size(), 1u);
    EXPECT_EQ(rec.batches[0].rects,
              (std::vector<PaintRect>{
                  {11, 100, 13, 101}, {14, 100, 15, 101}, {10, 102, 11, 103}, {12, 102, 15, 103}}));
    const auto* h = rec.batches[0].header;
    EXPECT_EQ(h[0], 32);     // header size
    EXPECT_EQ(h[1], 1);      // rectangles
    EXPECT_EQ(h[2], 4);      // count
    EXPECT_EQ(h[3], 4 * 16); // bytes of rectangles
    EXPECT_EQ((PaintRect{h[4], h[5], h[6], h[7]}), (PaintRect{10, 100, 15, 103}));
}

TEST(RegionRuns, AnImageOfOnlyKeyColourGivesNoRectangles) {
    PixelImage image = test::Picture({{K, K}, {K, K}}, 24);
    Recorder rec;
    CollectOpaqueRuns(image.View(), KeyColourRange::From(K, 0, 0, 0), 0, 0, rec.builder);
    rec.builder.Finish();
    EXPECT_TRUE(rec.batches.empty());
}

TEST(RegionRuns, ToleranceReachesUpwardFromTheKeyAndIsCapped) {
    // Key 0x80FF40 (red 0x40, green 0xFF, blue 0x80) with tolerances red 4, green 10, blue 0.
    const KeyColourRange range = KeyColourRange::From(0x80FF40, 4, 10, 0);
    const auto holds = [&](std::uint32_t rgb) {
        const std::uint8_t bgr[3] = {std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8),
                                     std::uint8_t(rgb)};
        return range.Holds(bgr);
    };
    EXPECT_TRUE(holds(0x80FF40));
    EXPECT_TRUE(holds(0x80FF44));
    EXPECT_FALSE(holds(0x80FF45));
    EXPECT_FALSE(holds(0x80FF3F)); // below the key is never transparent
    EXPECT_FALSE(holds(0x81FF40));
    EXPECT_FALSE(holds(0x80FE40));
    EXPECT_FALSE(
        KeyColourRange::From(K, -1, 0, 0).Holds(std::array<std::uint8_t, 3>{255, 0, 255}.data()));
}

TEST(RegionRuns, RectanglesGoOutInBatchesOfTwoThousandWithGrowingRoom) {
    Recorder rec;
    EXPECT_EQ(rec.builder.Room(), 500u);
    for (int i = 0; i < 501; ++i) {
        rec.builder.Add({i, 0, i + 1, 1});
    }
    EXPECT_EQ(rec.builder.Room(), 1000u);
    for (int i = 501; i < 4500; ++i) {
        rec.builder.Add({i, 0, i + 1, 1});
    }
    ASSERT_EQ(rec.batches.size(), 2u);
    EXPECT_EQ(rec.builder.Count(), 500u);
    rec.builder.Finish();
    ASSERT_EQ(rec.batches.size(), 3u);
    EXPECT_EQ(rec.batches[0].header[2], 2000);
    EXPECT_EQ(rec.batches[1].header[2], 2000);
    EXPECT_EQ(rec.batches[2].header[2], 500);
    // Each batch's bound covers its own rectangles only.
    EXPECT_EQ(rec.batches[1].header[4], 2000);
    EXPECT_EQ(rec.batches[1].header[6], 4000);
    EXPECT_EQ(rec.batches[2].rects.back(), (PaintRect{4499, 0, 4500, 1}));
    rec.builder.Finish();
    EXPECT_EQ(rec.batches.size(), 3u);
}

TEST(RegionRuns, BoundIsRightForNegativeOffsetsAndOffsetsDoNotOverflow) {
    PixelImage image = test::Picture({{O, O}}, 32);
    Recorder rec;
    CollectOpaqueRuns(image.View(), KeyColourRange::From(K, 0, 0, 0), -50, -50, rec.builder);
    EXPECT_EQ(rec.builder.Bound(), (PaintRect{-50, -50, -48, -49}));
    CollectOpaqueRuns(image.View(), KeyColourRange::From(K, 0, 0, 0), INT_MAX, INT_MAX,
                      rec.builder);
    rec.builder.Finish();
    EXPECT_EQ(rec.batches[0].rects.back(), (PaintRect{INT_MAX, INT_MAX, INT_MAX, INT_MAX}));
}

} // namespace
} // namespace skin
