#include "skin/ImgUtilPaint.h"

#include "TestCanvas.h"
#include "skin/ImgUtilShared.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

using test::Canvas;

constexpr std::uint32_t kErased = 0x0000C0;
constexpr std::uint32_t kPainted = 0xC00000;
constexpr std::uint32_t kBack = 0xFFFFFF;

int erases = 0;
int paints = 0;

// A parent that erases with one colour and paints a square at (40, 30)-(50, 40) of its client
// area into the context it is given, the way a parent paints for a transparent child.
LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        ++erases;
        RECT all{0, 0, 1000, 1000};
        const GdiBrush brush(CreateSolidBrush(kErased));
        FillRect(reinterpret_cast<HDC>(wParam), &all, brush.Get());
        return 1;
    }
    if (message == WM_PAINT && wParam != 0) {
        ++paints;
        RECT square{40, 30, 50, 40};
        const GdiBrush brush(CreateSolidBrush(kPainted));
        FillRect(reinterpret_cast<HDC>(wParam), &square, brush.Get());
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class ParentBackground : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = ParentProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"ImgUtilTestParent";
        RegisterClassW(&windowClass);
        parent_ = CreateWindowExW(0, L"ImgUtilTestParent", L"", WS_POPUP, 0, 0, 200, 200, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
        child_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 35, 25, 20, 20, parent_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        erases = paints = 0;
    }
    void TearDown() override { DestroyWindow(parent_); }

    HWND parent_ = nullptr;
    HWND child_ = nullptr;
};

TEST_F(ParentBackground, ParentPaintsBehindTheChildClippedToIt) {
    ASSERT_NE(child_, nullptr);
    Canvas canvas(30, 30, kBack);
    PaintParentBackground(child_, canvas.Dc());
    EXPECT_EQ(erases, 1);
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(canvas.Pixel(0, 0), kErased);
    EXPECT_EQ(canvas.Pixel(5, 5), kPainted);   // parent (40, 30)
    EXPECT_EQ(canvas.Pixel(14, 14), kPainted); // parent (49, 39)
    EXPECT_EQ(canvas.Pixel(15, 15), kErased);
    EXPECT_EQ(canvas.Pixel(19, 19), kErased);
    // The child is 20 x 20: nothing beyond it is touched.
    EXPECT_EQ(canvas.Pixel(20, 5), kBack);
    EXPECT_EQ(canvas.Pixel(5, 25), kBack);
    // Origin and clipping are as they were.
    POINT origin{1, 1};
    GetViewportOrgEx(canvas.Dc(), &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(canvas.Dc(), clip), 0);
    DeleteObject(clip);
}

TEST_F(ParentBackground, ControlsWithoutAWindowGiveTheirBounds) {
    Canvas canvas(10, 10, kBack);
    PaintParentBackground(parent_, RECT{45, 35, 55, 45}, canvas.Dc());
    EXPECT_EQ(canvas.Pixel(0, 0), kPainted);
    EXPECT_EQ(canvas.Pixel(4, 4), kPainted);
    EXPECT_EQ(canvas.Pixel(5, 5), kErased);
}

TEST_F(ParentBackground, NothingWithoutAParent) {
    Canvas canvas(10, 10, kBack);
    PaintParentBackground(parent_, canvas.Dc());
    PaintParentBackground(HWND(nullptr), canvas.Dc());
    EXPECT_EQ(erases + paints, 0);
    EXPECT_EQ(canvas.Count(kBack), 100);
}

TEST(DrawTextAuto, DrawsWideTextAndReportsItsHeight) {
    Canvas canvas(80, 30, kBack);
    SetTextColor(canvas.Dc(), 0x000000);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    RECT rect{0, 0, 80, 30};
    const int height =
        DrawTextAuto(canvas.Dc(), L"读卡 Ab", rect, DT_LEFT | DT_TOP | DT_SINGLELINE);
    EXPECT_GT(height, 0);
    EXPECT_LT(canvas.Count(kBack), 80 * 30);
    EXPECT_TRUE(IsNtFamily());
}

TEST(PaintScratch, MadeByTheFirstUserAndFreedByTheLast) {
    EXPECT_EQ(SharedPaintScratch(), nullptr);
    {
        PaintScratchUse first;
        PaintScratch* scratch = SharedPaintScratch();
        ASSERT_NE(scratch, nullptr);
        EXPECT_EQ(GetStretchBltMode(scratch->Dc()), COLORONCOLOR);
        {
            PaintScratchUse second;
            EXPECT_EQ(PaintScratchUsers(), 2);
            EXPECT_EQ(&second.Scratch(), scratch);
            HDC dc = scratch->Prepare(40, 20);
            ASSERT_NE(dc, nullptr);
            EXPECT_EQ(BitmapSize(scratch->Bitmap())->cx, 40);
            scratch->Strings().push_back(L"Caption");
        }
        EXPECT_EQ(SharedPaintScratch(), scratch);
        EXPECT_EQ(scratch->Strings().size(), 1u);
        EXPECT_EQ(scratch->Prepare(0, 5), nullptr);
        scratch->Prepare(8, 9);
        EXPECT_EQ(BitmapSize(scratch->Bitmap())->cy, 9);
    }
    EXPECT_EQ(PaintScratchUsers(), 0);
    EXPECT_EQ(SharedPaintScratch(), nullptr);
}

} // namespace
} // namespace skin
