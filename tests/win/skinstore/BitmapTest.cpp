// TBitmap on real GDI: size changes, the canvas and the handle taking turns with the memory DC,
// copies, pixel loading, handle ownership, the transparent colour, and no GDI objects left over.

#include "framework/Bitmap.h"
#include "skin/SkinBitmap.h"
#include "tests/win/common/WinTest.h"
#include "tests/win/skinstore/TestBmpFiles.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr std::uint32_t kRed = 0xFF0000; // 0x00RRGGBB, as Pixels() gives them

std::vector<std::uint32_t> Filled(int width, int height, std::uint32_t colour) {
    return std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour);
}

std::uint32_t At(const TBitmap& bitmap, int x, int y) {
    return bitmap.Pixels().at(static_cast<std::size_t>(y) * bitmap.Width() + x);
}

void FillWith(TBitmap& bitmap, TColor colour) {
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(colour);
    canvas->FillRect(RECT{0, 0, bitmap.Width(), bitmap.Height()});
}

TEST(Bitmap, ASizedBitmapIsBlackAndTakesDrawingThroughItsCanvas) {
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Handle(), nullptr);
    EXPECT_TRUE(bitmap.Pixels().empty());

    bitmap.SetSize(4, 3);
    ASSERT_FALSE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 4);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.Pixels(), Filled(4, 3, 0));

    FillWith(bitmap, clRed);
    EXPECT_EQ(bitmap.Pixels(), Filled(4, 3, kRed));
    // GDI sees the same picture through the canvas's DC.
    EXPECT_EQ(GetPixel(bitmap.Canvas()->Handle(), 3, 2), RGB(255, 0, 0));
}

TEST(Bitmap, ResizingKeepsTheSharedPartAndTheCanvasFollowsTheNewPicture) {
    TBitmap bitmap;
    bitmap.SetSize(4, 3);
    TCanvas* canvas = bitmap.Canvas();
    FillWith(bitmap, clRed);

    bitmap.SetSize(6, 2);
    EXPECT_EQ(At(bitmap, 3, 1), kRed);
    EXPECT_EQ(At(bitmap, 4, 0), 0u);
    EXPECT_EQ(At(bitmap, 5, 1), 0u);

    canvas->Brush()->SetColor(clBlue);
    canvas->FillRect(RECT{5, 0, 6, 2});
    EXPECT_EQ(At(bitmap, 5, 1), 0x0000FFu);

    // One side zero: no picture, but the other side stays as asked.
    bitmap.SetHeight(0);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 6);
    bitmap.SetHeight(1);
    EXPECT_EQ(bitmap.Pixels(), Filled(6, 1, 0));
}

TEST(Bitmap, TheHandleCanBeSelectedElsewhereAndTheCanvasComesBack) {
    TBitmap bitmap;
    bitmap.SetSize(3, 3);
    FillWith(bitmap, clRed);

    // A bitmap is selected into one DC at a time: handing it out lets the canvas go.
    HDC other = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(other, bitmap.Handle());
    ASSERT_NE(previous, nullptr);
    EXPECT_EQ(GetPixel(other, 1, 1), RGB(255, 0, 0));
    SelectObject(other, previous);
    DeleteDC(other);

    FillWith(bitmap, clBlue);
    EXPECT_EQ(At(bitmap, 2, 2), 0x0000FFu);

    // The framework's canvas draws the handle into another bitmap.
    TBitmap target;
    target.SetSize(5, 5);
    target.Canvas()->Draw(2, 2, bitmap.Handle());
    EXPECT_EQ(At(target, 1, 1), 0u);
    EXPECT_EQ(At(target, 2, 2), 0x0000FFu);
    EXPECT_EQ(At(target, 4, 4), 0x0000FFu);
}

TEST(Bitmap, AssignMakesAnIndependentCopy) {
    TBitmap source;
    source.SetSize(2, 2);
    FillWith(source, clRed);
    source.SetTransparent(true);
    source.SetTransparentColor(0xFF00FF);

    TBitmap copy;
    copy.Assign(source);
    EXPECT_NE(copy.Handle(), source.Handle());
    EXPECT_EQ(copy.Pixels(), Filled(2, 2, kRed));
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), 0xFF00FF);

    FillWith(source, clBlue);
    EXPECT_EQ(copy.Pixels(), Filled(2, 2, kRed));
    copy.Assign(copy);
    EXPECT_EQ(copy.Pixels(), Filled(2, 2, kRed));

    TBitmap empty;
    copy.Assign(empty);
    EXPECT_TRUE(copy.Empty());
    EXPECT_FALSE(copy.Transparent());
}

TEST(Bitmap, PixelsLoadOnlyWhenTheBufferFitsTheSize) {
    TBitmap bitmap;
    // The top byte is not part of the colour.
    ASSERT_TRUE(bitmap.LoadFromPixels(2, 1, std::vector<std::uint32_t>{0xAA123456, 0x00ABCDEF}));
    EXPECT_EQ(bitmap.Pixels(), (std::vector<std::uint32_t>{0x123456, 0xABCDEF}));
    EXPECT_EQ(GetPixel(bitmap.Canvas()->Handle(), 0, 0), RGB(0x12, 0x34, 0x56));

    EXPECT_FALSE(bitmap.LoadFromPixels(2, 2, Filled(2, 1, kRed)));
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_FALSE(bitmap.LoadFromPixels(0, 0, {}));
    EXPECT_FALSE(bitmap.LoadFromPixels(-1, -1, Filled(1, 1, kRed)));
    EXPECT_FALSE(
        bitmap.LoadFromPixels(TBitmap::kMaxSide + 1, 1, Filled(TBitmap::kMaxSide + 1, 1, kRed)));

    // Sizes out of range leave no picture rather than a huge one.
    bitmap.SetSize(100000, 100000);
    EXPECT_TRUE(bitmap.Empty());
    bitmap.SetSize(-5, 4);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
}

TEST(Bitmap, HandlesAreTakenOverAndGivenBack) {
    HDC screen = GetDC(nullptr);
    HBITMAP device = CreateCompatibleBitmap(screen, 3, 2);
    ReleaseDC(nullptr, screen);
    ASSERT_NE(device, nullptr);

    TBitmap bitmap;
    bitmap.SetHandle(device);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 2);
    FillWith(bitmap, clRed);
    // A device bitmap is read back through GetDIBits.
    EXPECT_EQ(bitmap.Pixels(), Filled(3, 2, kRed));
    EXPECT_EQ(bitmap.TransparentColor(), clRed);

    HBITMAP released = bitmap.ReleaseHandle();
    EXPECT_EQ(released, device);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(GetObjectType(released), static_cast<DWORD>(OBJ_BITMAP));
    DeleteObject(released);

    // Only bitmaps are taken: anything else is left to its owner.
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    bitmap.SetSize(2, 2);
    bitmap.SetHandle(reinterpret_cast<HBITMAP>(brush));
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    DeleteObject(brush);
}

TEST(Bitmap, TransparentColourIsTheBottomLeftPixelUntilOneIsSet) {
    TBitmap bitmap;
    EXPECT_EQ(bitmap.TransparentColor(), clDefault);
    ASSERT_TRUE(bitmap.LoadFromPixels(
        2, 2, std::vector<std::uint32_t>{0xFFFFFF, 0xFFFFFF, 0x123456, 0xFFFFFF}));
    EXPECT_EQ(bitmap.TransparentColor(), 0x563412); // as a colour value, red in the low byte

    // Published, so the skin engine reaches them by name.
    SetOrdProp(&bitmap, "Transparent", 1);
    SetOrdProp(&bitmap, "TransparentColor", 0xFF00FF);
    EXPECT_TRUE(bitmap.Transparent());
    EXPECT_EQ(GetOrdProp(&bitmap, "TransparentColor"), 0xFF00FF);
    EXPECT_EQ(GetOrdProp(&bitmap, "Width"), 2);
    EXPECT_EQ(bitmap.ClassName(), "TBitmap");
}

void ExpectNoGrowth(const char* what, const std::function<void()>& cycle) {
    cycle(); // first use may make lasting objects (stock objects, caches)
    const int before = GdiObjectCount();
    for (int i = 0; i < 3000; ++i)
        cycle();
    EXPECT_EQ(GdiObjectCount(), before) << what;
}

TEST(BitmapHandles, NoGdiObjectsAreLeftAfterThousandsOfCycles) {
    const std::vector<TestBmpFile> files = TestBmpFiles();
    TBitmap kept;
    kept.SetSize(8, 8);
    int round = 0;

    ExpectNoGrowth("make, draw, resize, free", [&] {
        TBitmap bitmap;
        bitmap.SetSize(20 + round % 3, 10);
        FillWith(bitmap, static_cast<TColor>(round++ & 0xFFFFFF));
        bitmap.Canvas()->Font()->SetHeight(-10 - round % 2);
        bitmap.Canvas()->TextOut(1, 1, L"Ab");
        bitmap.SetSize(12, 12);
        bitmap.Canvas()->FillRect(RECT{0, 0, 4, 4});
    });
    ExpectNoGrowth("handle and canvas taking turns, drawn elsewhere", [&] {
        TBitmap bitmap;
        bitmap.SetSize(6, 6);
        FillWith(bitmap, clRed);
        kept.Canvas()->Draw(0, 0, bitmap.Handle());
        FillWith(bitmap, clBlue);
    });
    ExpectNoGrowth("copies and reloads", [&] {
        TBitmap copy;
        copy.Assign(kept);
        copy.LoadFromPixels(3, 1, std::vector<std::uint32_t>{1, 2, 3});
        kept.Assign(copy);
        kept.SetSize(8, 8);
    });
    ExpectNoGrowth("skin images loaded over each other", [&] {
        TBitmap bitmap;
        for (const TestBmpFile& file : files)
            LoadBitmapFromBmp(bitmap, file.bytes);
        LoadBitmapFromBmp(bitmap, std::vector<std::uint8_t>{'B', 'M', 0});
    });
    ExpectNoGrowth("handles taken over and given back", [&] {
        TBitmap bitmap;
        bitmap.SetHandle(CreateBitmap(4, 4, 1, 32, nullptr));
        bitmap.Canvas();
        DeleteObject(bitmap.ReleaseHandle());
        bitmap.SetHandle(CreateBitmap(2, 2, 1, 1, nullptr));
    });
}

} // namespace
