// Costs of the portable image arithmetic: run extraction for window outlines, nine-grid plans,
// gradient tables and quarter turns.

#include "skin/ImgUtilGradient.h"
#include "skin/ImgUtilPixels.h"
#include "skin/ImgUtilRegion.h"
#include "skin/PaintGeometry.h"

#include <benchmark/benchmark.h>

namespace {

using namespace skin;

// A caption strip with rounded top corners: key colour outside a quarter circle of radius 8.
PixelImage CaptionStrip(int width, int height) {
    PixelImage image = PixelImage::Create(width, height, 32, true).value();
    PixelView view = image.View();
    const int radius = 8;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = view.Pixel(x, y);
            const int cx =
                x < radius ? radius - x : (x >= width - radius ? x - (width - radius - 1) : 0);
            const int cy = y < radius ? radius - y : 0;
            const bool outside = cx * cx + cy * cy > radius * radius;
            p[0] = outside ? 255 : std::uint8_t(x);
            p[1] = outside ? 0 : std::uint8_t(y);
            p[2] = outside ? 255 : 40;
        }
    }
    return image;
}

void BM_RegionRunsCaption(benchmark::State& state) {
    PixelImage image = CaptionStrip(int(state.range(0)), 30);
    const KeyColourRange key = KeyColourRange::From(0xFF00FF, 0, 0, 0);
    std::size_t bytes = 0;
    for (auto _ : state) {
        RegionDataBuilder builder(
            [&](std::span<const std::uint8_t> data) { bytes += data.size(); });
        CollectOpaqueRuns(image.View(), key, 0, 0, builder);
        builder.Finish();
    }
    benchmark::DoNotOptimize(bytes);
}
BENCHMARK(BM_RegionRunsCaption)->Arg(395)->Arg(1920);

// A picture full of holes: every other pixel is key colour, the worst case for run counts.
void BM_RegionRunsCheckerboard(benchmark::State& state) {
    PixelImage image = PixelImage::Create(256, 256, 32, true).value();
    PixelView view = image.View();
    for (int y = 0; y < 256; ++y) {
        for (int x = (y % 2); x < 256; x += 2) {
            std::uint8_t* p = view.Pixel(x, y);
            p[0] = 255;
            p[2] = 255;
        }
    }
    const KeyColourRange key = KeyColourRange::From(0xFF00FF, 0, 0, 0);
    for (auto _ : state) {
        std::size_t batches = 0;
        RegionDataBuilder builder([&](std::span<const std::uint8_t>) { ++batches; });
        CollectOpaqueRuns(view, key, 0, 0, builder);
        builder.Finish();
        benchmark::DoNotOptimize(batches);
    }
}
BENCHMARK(BM_RegionRunsCheckerboard);

void BM_NineGridPlan(benchmark::State& state) {
    const PaintRect frame = FrameRect(120, 40, 4, 2, FrameLayout::SideBySide);
    for (auto _ : state) {
        NineGridPlan plan = PlanNineGrid(1920, 1080, frame, {6, 20, 6, 6}, true);
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(BM_NineGridPlan);

void BM_GradientTable(benchmark::State& state) {
    const bool hit = state.range(0) != 0;
    GradientCache cache;
    std::uint32_t from = 0x102030;
    for (auto _ : state) {
        if (!hit) {
            from = (from + 1) & 0xFFFFFF; // a new gradient every time
        }
        benchmark::DoNotOptimize(cache.Table(from, 0xF0E0D0, 661).data());
    }
}
BENCHMARK(BM_GradientTable)->Arg(0)->Arg(1);

void BM_RotateLeft(benchmark::State& state) {
    PixelImage image = PixelImage::Create(395, 661, 32, false).value();
    for (auto _ : state) {
        auto turned = RotateLeft(image.View());
        benchmark::DoNotOptimize(turned);
    }
}
BENCHMARK(BM_RotateLeft);

} // namespace
