// Painting thousands of times must not leave GDI objects behind.

#include "skin/ImgUtilPaint.h"

#include "TestCanvas.h"
#include "skin/ImgUtilShared.h"
#include "tests/win/common/WinTest.h"

#include <gtest/gtest.h>

#include <functional>

namespace skin {
namespace {

using test::Canvas;
using test::Painted;

int GdiObjects() {
    return GdiObjectCount();
}

void ExpectNoGrowth(const char* what, const std::function<void()>& paint) {
    paint(); // first use may create lasting objects (stock objects, caches)
    const int before = GdiObjects();
    for (int i = 0; i < 2000; ++i) {
        paint();
    }
    EXPECT_EQ(GdiObjects(), before) << what;
}

TEST(GdiHandles, CountingSeesObjectsComeAndGo) {
    const int before = GdiObjects();
    const GdiBrush brush(CreateSolidBrush(0x123456));
    EXPECT_EQ(GdiObjects(), before + 1);
}

TEST(GdiHandles, NoGrowthAcrossThousandsOfCalls) {
    const DibSection strip = Painted(30, 10, [](int x, int y) -> std::uint32_t {
        return (x % 10 == 0 && y == 0) ? 0xFF00FF : MakeRgb(x * 8, y * 20, 90);
    });
    Canvas canvas(64, 48);
    const HDC dc = canvas.Dc();
    const RECT rect{2, 3, 50, 40};
    const ImageMargins margins{3, 3, 3, 3};
    ExpectNoGrowth("DrawNineGridTo", [&] {
        DrawNineGridTo(dc, rect, strip.Handle(), FrameLayout::SideBySide, true, true, 3, 2,
                       margins);
    });
    ExpectNoGrowth("DrawElement", [&] {
        DrawElement(dc, rect, 3, 1, ElementPicture{strip.Handle(), margins, false, false});
    });
    ExpectNoGrowth("DrawStripTiled", [&] {
        DrawStripTiled(dc, rect, strip.Handle(), FrameLayout::SideBySide, true, 3, 3, margins);
    });
    ExpectNoGrowth("DrawStripStretched", [&] {
        DrawStripStretched(dc, rect, strip.Handle(), FrameLayout::SideBySide, 3, 1, 2, 2);
    });
    ExpectNoGrowth("DrawFrame", [&] { DrawFrame(dc, rect, strip.Handle(), true, 3, 1); });
    ExpectNoGrowth("DrawFrameCentred",
                   [&] { DrawFrameCentred(dc, rect, strip.Handle(), true, 3, 2); });
    ExpectNoGrowth("DrawTransparent three blits", [&] {
        DrawTransparent(dc, rect, strip.Handle(), kSkinKeyColour, TransparentBlit::ThreeBlits);
    });
    ExpectNoGrowth("RegionFromBitmap", [&] {
        GdiRegion region = RegionFromBitmap(strip.Handle(), 0, 0, 0, 0, 0, kSkinKeyColour);
    });
    ExpectNoGrowth("GradientFill", [&] { GradientFill(dc, rect, 0x000000, true, 0xFFFFFF); });
    ExpectNoGrowth("RotateLeft", [&] { GdiBitmap turned = RotateLeft(strip.Handle()); });
    ExpectNoGrowth("PaintScratch", [&] {
        PaintScratchUse use;
        use.Scratch().Prepare(10 + GetTickCount() % 3, 10);
    });
}

} // namespace
} // namespace skin
