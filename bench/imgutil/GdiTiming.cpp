// Timings of the drawing primitives under the running GDI (Windows or Wine): many iterations of
// each, reported in nanoseconds an operation. Google Benchmark is not built for this compiler.

#include "skin/ImgUtilPaint.h"
#include "skin/ImgUtilShared.h"

#include <windows.h>

#include <cstdio>

namespace {

using namespace skin;

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return double(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / frequency;
}

// Runs the operation until half a second has passed (at least `minimum` times).
template <typename Operation> void Time(const char* name, int minimum, Operation operation) {
    operation(); // warm up
    int count = 0;
    const double start = Now();
    double elapsed = 0;
    while (count < minimum || elapsed < 0.5) {
        operation();
        ++count;
        elapsed = Now() - start;
    }
    std::printf("%-44s %12.0f ns/op  (%d runs)\n", name, elapsed * 1e9 / count, count);
}

// A strip of four 60 x 40 frames with a border in the margins and a patterned centre.
DibSection SkinStrip() {
    DibSection strip = DibSection::Create(240, 40, 32);
    const PixelView view = strip.Pixels();
    for (int y = 0; y < view.Height(); ++y) {
        for (int x = 0; x < view.Width(); ++x) {
            std::uint8_t* p = view.Pixel(x, y);
            const int fx = x % 60;
            const bool margin = fx < 8 || fx >= 52 || y < 28 || y >= 32;
            p[0] = std::uint8_t(margin ? 40 : x * 3);
            p[1] = std::uint8_t(margin ? 80 : y * 5);
            p[2] = std::uint8_t(margin ? 160 : 200);
        }
    }
    return strip;
}

// A 1920 x 30 caption with rounded top corners of radius 8; key colour outside.
DibSection CaptionStrip() {
    DibSection caption = DibSection::Create(1920, 30, 32);
    const PixelView view = caption.Pixels();
    const int radius = 8;
    for (int y = 0; y < view.Height(); ++y) {
        for (int x = 0; x < view.Width(); ++x) {
            std::uint8_t* p = view.Pixel(x, y);
            const int cx = x < radius ? radius - x : (x >= 1920 - radius ? x - (1919 - radius) : 0);
            const int cy = y < radius ? radius - y : 0;
            const bool outside = cx * cx + cy * cy > radius * radius;
            p[0] = outside ? 255 : 90;
            p[1] = outside ? 0 : 60;
            p[2] = outside ? 255 : 30;
        }
    }
    return caption;
}

} // namespace

int main() {
    const DibSection strip = SkinStrip();
    const ImageMargins margins{8, 28, 8, 8};
    for (const SIZE size : {SIZE{395, 661}, SIZE{1920, 1080}}) {
        for (const bool tiled : {false, true}) {
            char name[80];
            std::snprintf(name, sizeof name, "DrawNineGrid %ldx%ld %s", size.cx, size.cy,
                          tiled ? "tiled" : "stretched");
            Time(name, 20, [&] {
                DibSection picture = DrawNineGrid(size, strip.Handle(), margins,
                                                  FrameLayout::SideBySide, tiled, 4, 2);
                if (!picture) {
                    std::puts("DrawNineGrid failed");
                }
            });
        }
    }

    // What a fresh picture and one full-size copy cost, to set the nine-grid figures against.
    Time("DibSection 1920x1080 create", 20,
         [] { DibSection d = DibSection::Create(1920, 1080, 32); });
    Time("DibSection 1920x1080 create and fill", 20, [] {
        DibSection d = DibSection::Create(1920, 1080, 32);
        MemoryDC dc;
        SelectScope select(dc.Get(), d.Handle());
        PatBlt(dc.Get(), 0, 0, 1920, 1080, WHITENESS);
    });
    {
        DibSection from = DibSection::Create(1920, 1080, 32);
        DibSection to = DibSection::Create(1920, 1080, 32);
        MemoryDC source;
        MemoryDC target;
        SelectScope s1(source.Get(), from.Handle());
        SelectScope s2(target.Get(), to.Handle());
        Time("BitBlt 1920x1080 DIB to DIB", 20,
             [&] { BitBlt(target.Get(), 0, 0, 1920, 1080, source.Get(), 0, 0, SRCCOPY); });
        SetStretchBltMode(target.Get(), COLORONCOLOR);
        Time("StretchBlt 44x4 to 1904x1044", 20, [&] {
            StretchBlt(target.Get(), 8, 28, 1904, 1044, source.Get(), 68, 28, 44, 4, SRCCOPY);
        });
    }

    const DibSection caption = CaptionStrip();
    Time("RegionFromBitmap 1920x30 rounded caption", 20, [&] {
        GdiRegion region = RegionFromBitmap(caption.Handle(), 0, 0, 0, 0, 0, kSkinKeyColour);
        if (!region) {
            std::puts("RegionFromBitmap failed");
        }
    });

    DibSection target = DibSection::Create(400, 700, 32);
    MemoryDC dc;
    SelectScope select(dc.Get(), target.Handle());
    const RECT bar{0, 0, 395, 661};
    Time("GradientFill 395x661 vertical, cache hit", 20,
         [&] { GradientFill(dc.Get(), bar, 0x202020, true, 0xF0E0D0); });
    std::uint32_t from = 0;
    Time("GradientFill 395x661 vertical, cache miss", 20, [&] {
        from = (from + 1) & 0xFF;
        GradientFill(dc.Get(), bar, Colour(from), true, 0xF0E0D0);
    });
    const RECT halfClipped{0, 0, 395, 1400};
    Time("GradientFill 395x1400, half clipped, hit", 20,
         [&] { GradientFill(dc.Get(), halfClipped, 0x202020, true, 0xF0E0D0); });
    return 0;
}
