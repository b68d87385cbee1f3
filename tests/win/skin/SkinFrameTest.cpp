// Window frames drawn from the skin: client size, painting, hit testing, regions, caption
// buttons and handle counts, on the main window.

#include "tests/win/skin/SkinTestSupport.h"

#include "skin/SkinImageGdi.h"

namespace {

class SkinFrameTest : public SkinnedMainWindowTest {
protected:
    int HitAt(int x, int y) {
        const RECT w = WindowRect();
        return static_cast<int>(
            SendMessageW(Window(), WM_NCHITTEST, 0, MAKELPARAM(w.left + x, w.top + y)));
    }
    SIZE ClientSize() {
        RECT r{};
        GetClientRect(Window(), &r);
        return {r.right, r.bottom};
    }
};

bool SameSize(SIZE a, SIZE b) {
    return a.cx == b.cx && a.cy == b.cy;
}

} // namespace

TEST_F(SkinFrameTest, ClientAreaKeepsItsSizeThroughInstallAndUninstall) {
    const SIZE before = ClientSize();
    TVarUdedForm* skinner = Skin();
    ASSERT_NE(skinner, nullptr);
    const skin::FrameMetrics& m = skinner->Metrics();
    EXPECT_GT(m.captionHeight, 0);
    EXPECT_TRUE(SameSize(ClientSize(), before));
    const RECT w = WindowRect();
    const RECT c = ClientOnScreen();
    EXPECT_EQ(c.left - w.left, m.borderLeft);
    EXPECT_EQ(c.top - w.top, m.captionHeight);
    EXPECT_EQ(w.right - c.right, m.borderRight);
    EXPECT_EQ(w.bottom - c.bottom, m.borderBottom);
    // Resizing keeps the skinned frame around the new client area.
    SetWindowPos(Window(), nullptr, 0, 0, 500, 700, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(SameSize(ClientSize(), {500 - m.Horizontal(), 700 - m.Vertical()}));
    SetWindowPos(Window(), nullptr, 0, 0, w.right - w.left, w.bottom - w.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    skinner->Uninstall();
    PumpMessages(20);
    EXPECT_TRUE(SameSize(ClientSize(), before));
    EXPECT_EQ(SendMessageW(Window(), skinmsg::kIsSkinned, 0, 0), 0);
    LONG_PTR style = GetWindowLongPtrW(Window(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU) << "the system menu style comes back";
}

TEST_F(SkinFrameTest, FrameIsPaintedFromTheSkinInBothLooks) {
    TVarUdedForm* skinner = Skin();
    ASSERT_NE(skinner, nullptr);
    const TSkinElements& s = Data().Elements();
    const skin::FrameMetrics& m = skinner->Metrics();
    FramePicture active = PaintFrameToMemory(Form());
    const int W = active.width, H = active.height;
    // Top edge: a column between the caption text and the buttons shows the top image's middle.
    const int topMid = s.Top->Image.Width() / 2;
    EXPECT_EQ(active.At(W - 130, m.captionHeight / 2),
              ElementPixel(s.Top->Image, 2, 1, true, topMid, m.captionHeight / 2));
    // Left and right edges halfway down, bottom edge in the middle.
    EXPECT_EQ(active.At(m.borderLeft / 2, H / 2),
              ElementPixel(s.Left->Image, 2, 1, false, m.borderLeft / 2, s.Left->TopHeight + 1));
    EXPECT_EQ(active.At(W - 1 - m.borderRight / 2, H / 2),
              ElementPixel(s.Right->Image, 2, 1, false, m.borderRight - 1 - m.borderRight / 2,
                           s.Right->TopHeight + 1));
    EXPECT_EQ(
        active.At(W / 2, H - 1),
        ElementPixel(s.Bottom->Image, 2, 1, true, s.Bottom->Image.Width() / 2, m.borderBottom - 1));
    // The caption text is drawn in the title colour over the caption.
    int textPixels = 0;
    const COLORREF title = static_cast<COLORREF>(s.Colours.TitleTextActive);
    const std::uint32_t titlePixel =
        ((title & 0xFF) << 16) | (title & 0xFF00) | ((title >> 16) & 0xFF);
    for (int x = s.Title->TextShift(); x < W - s.Title->TextRightClip(); ++x) {
        for (int y = 0; y < m.captionHeight; ++y)
            textPixels += active.At(x, y) == titlePixel;
    }
    EXPECT_GT(textPixels, 50);

    SendMessageW(Window(), WM_NCACTIVATE, FALSE, 0);
    EXPECT_FALSE(skinner->IsActive());
    FramePicture inactive = PaintFrameToMemory(Form());
    EXPECT_EQ(inactive.At(W - 130, m.captionHeight / 2),
              ElementPixel(s.Top->Image, 2, 2, true, topMid, m.captionHeight / 2));
    EXPECT_NE(inactive.At(W - 130, m.captionHeight / 2), active.At(W - 130, m.captionHeight / 2));
    SendMessageW(Window(), WM_NCACTIVATE, TRUE, 0);
}

TEST_F(SkinFrameTest, HitTestsAlongCaptionEdgesAndCorners) {
    TVarUdedForm* skinner = Skin();
    ASSERT_NE(skinner, nullptr);
    const skin::FrameMetrics& m = skinner->Metrics();
    const RECT w = WindowRect();
    const int W = w.right - w.left, H = w.bottom - w.top;
    EXPECT_EQ(HitAt(W / 2, m.captionHeight / 2), HTCAPTION);
    EXPECT_EQ(HitAt(W / 2, H / 2), HTCLIENT);
    EXPECT_EQ(HitAt(0, H / 2), HTLEFT);
    EXPECT_EQ(HitAt(W - 1, H / 2), HTRIGHT);
    EXPECT_EQ(HitAt(W / 2, H - 1), HTBOTTOM);
    EXPECT_EQ(HitAt(W - 1, H - 1), HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt(0, H - 1), HTBOTTOMLEFT);
}

TEST_F(SkinFrameTest, RegionCutsTheTransparentCornersOnly) {
    TVarUdedForm* skinner = Skin();
    ASSERT_NE(skinner, nullptr);
    const RECT w = WindowRect();
    const int W = w.right - w.left, H = w.bottom - w.top;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(Window(), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0)) << "the rounded top-left corner is cut";
    EXPECT_FALSE(PtInRegion(region, W - 1, 0));
    EXPECT_TRUE(PtInRegion(region, W / 2, 0));
    EXPECT_TRUE(PtInRegion(region, 0, H / 2));
    EXPECT_TRUE(PtInRegion(region, W - 1, H - 1));
    EXPECT_TRUE(PtInRegion(region, W / 2, H / 2));

    // A skin without transparent pieces gives the plain window rectangle.
    ASSERT_TRUE(Data().LoadFromPacked(PlainEdgeSkin(false)));
    Form().Perform(skinmsg::kReskin);
    PumpMessages(20);
    ASSERT_NE(GetWindowRgn(Window(), region), ERROR);
    RECT box{};
    EXPECT_EQ(GetRgnBox(region, &box), SIMPLEREGION);
    const RECT now = WindowRect();
    EXPECT_EQ(box.right - box.left, now.right - now.left);
    EXPECT_EQ(box.bottom - box.top, now.bottom - now.top);
    EXPECT_EQ(skinner->Metrics().captionHeight, 22);
    DeleteObject(region);
}

TEST_F(SkinFrameTest, CaptionButtonsShowTheirStatesAndAct) {
    TVarUdedForm* skinner = Skin();
    ASSERT_NE(skinner, nullptr);
    PaintFrameToMemory(Form());
    TWinSysButton* minimize = nullptr;
    for (const auto& b : skinner->CaptionButtons()) {
        if (b->Visible && b->Element()->Action == 2)
            minimize = b.get();
    }
    ASSERT_NE(minimize, nullptr);
    const RECT w = WindowRect();
    const skin::PaintRect r = minimize->Rect;
    const LPARAM at = MAKELPARAM(w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2);
    SendMessageW(Window(), WM_NCMOUSEMOVE, HTCAPTION, at);
    EXPECT_EQ(skinner->HotObject(), minimize);
    EXPECT_EQ(minimize->State, 3);
    SendMessageW(Window(), WM_NCLBUTTONDOWN, HTCAPTION, at);
    EXPECT_EQ(minimize->State, 2);
    SendMessageW(Window(), WM_NCLBUTTONUP, HTCAPTION, at);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(Window()) != FALSE; }));
    EXPECT_EQ(skinner->ShowState(), skin::ShowState::Minimized);
    ShowWindow(Window(), SW_RESTORE);
    PumpMessages(20);
    EXPECT_EQ(skinner->ShowState(), skin::ShowState::Normal);
}

TEST_F(SkinFrameTest, MaximizedWindowCoversTheWorkAreaExactly) {
    ASSERT_NE(Skin(), nullptr);
    const SIZE normal = ClientSize();
    ShowWindow(Window(), SW_MAXIMIZE);
    PumpMessages(20);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const RECT w = WindowRect();
    EXPECT_EQ(w.left, work.left);
    EXPECT_EQ(w.top, work.top);
    EXPECT_EQ(w.right, work.right);
    EXPECT_EQ(w.bottom, work.bottom);
    ShowWindow(Window(), SW_RESTORE);
    PumpMessages(20);
    EXPECT_TRUE(SameSize(ClientSize(), normal));
}

TEST_F(SkinFrameTest, NewCaptionTextIsDrawnInTheSkinnedCaption) {
    TVarUdedForm* skinner = Skin();
    ASSERT_NE(skinner, nullptr);
    const FramePicture before = PaintFrameToMemory(Form());
    Form().SetCaption(L"短");
    PumpMessages(20);
    EXPECT_EQ(GetStrProp(&Form(), "Caption"), L"短");
    const FramePicture after = PaintFrameToMemory(Form());
    // Part of the old text's place now shows the bare caption.
    const int y = skinner->Metrics().captionHeight / 2;
    int changed = 0;
    for (int x = 0; x < before.width; ++x)
        changed += before.At(x, y) != after.At(x, y);
    EXPECT_GT(changed, 10);
    EXPECT_EQ(GetWindowLongPtrW(Window(), GWL_STYLE) & WS_SYSMENU, 0)
        << "the system draws no caption buttons of its own";
}

TEST_F(SkinFrameTest, WindowWithoutCaptionGetsNoFrameButStaysSubclassed) {
    HWND popup = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10, 10, 120, 80, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(popup, nullptr);
    RECT clientBefore{};
    GetClientRect(popup, &clientBefore);
    {
        TVarUdedForm skinner(nullptr);
        skinner.SetWindow(popup, L"STATIC");
        skinner.AttachWindow(&Data());
        SendMessageW(popup, skinmsg::kActivate, 0, 1000);
        EXPECT_EQ(skinner.Kinds().border, skin::BorderKind::None);
        EXPECT_EQ(skinner.Metrics().Vertical() + skinner.Metrics().Horizontal(), 0);
        EXPECT_EQ(SendMessageW(popup, skinmsg::kIsSkinned, 0, 0), 1);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetWindowRgn(popup, region), ERROR) << "no region for a window without caption";
        DeleteObject(region);
        RECT client{};
        GetClientRect(popup, &client);
        EXPECT_EQ(client.right, clientBefore.right);
        EXPECT_EQ(client.bottom, clientBefore.bottom);
    }
    EXPECT_EQ(SendMessageW(popup, skinmsg::kIsSkinned, 0, 0), 0);
    DestroyWindow(popup);
}

TEST_F(SkinFrameTest, NoHandleGrowthOverPaintsActivationsResizesAndCycles) {
    TVarUdedForm* skinner = Skin();
    ASSERT_NE(skinner, nullptr);
    // Both looks are drawn once first: each keeps its picture while the size stays.
    SendMessageW(Window(), WM_NCACTIVATE, FALSE, 0);
    SendMessageW(Window(), WM_NCACTIVATE, TRUE, 0);
    // Every control has painted once too: control painters keep their pictures.
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages(20);
    const int gdi = GdiObjectCount();
    const int windows = ThreadWindowCount();
    for (int i = 0; i < 200; ++i)
        RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    for (int i = 0; i < 50; ++i) {
        SendMessageW(Window(), WM_NCACTIVATE, i % 2 == 0 ? FALSE : TRUE, 0);
    }
    SendMessageW(Window(), WM_NCACTIVATE, TRUE, 0);
    const RECT w = WindowRect();
    for (int i = 0; i < 50; ++i) {
        SetWindowPos(Window(), nullptr, 0, 0, w.right - w.left + (i % 7) * 5,
                     w.bottom - w.top + (i % 5) * 3, SWP_NOMOVE | SWP_NOZORDER);
    }
    SetWindowPos(Window(), nullptr, 0, 0, w.right - w.left, w.bottom - w.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages(20);
    EXPECT_EQ(GdiObjectCount(), gdi) << "paints, activations and resizes";
    EXPECT_EQ(ThreadWindowCount(), windows);

    delete skinner;
    PumpMessages(20);
    const int gdiUnskinned = GdiObjectCount();
    // Skinned date pickers show an arrow button of their own; unskinned they have none.
    const int windowsUnskinned = ThreadWindowCount();
    for (int i = 0; i < 20; ++i) {
        TVarUdedForm* again = Skin();
        ASSERT_NE(again, nullptr);
        RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        delete again;
        PumpMessages(5);
    }
    EXPECT_EQ(GdiObjectCount(), gdiUnskinned) << "install and uninstall cycles";
    EXPECT_EQ(ThreadWindowCount(), windowsUnskinned);
}

TEST_F(SkinFrameTest, ScreenshotsOfEachPageActiveAndInactive) {
    ASSERT_NE(Skin(), nullptr);
    auto* pages = Form().Control<TPageControl>(L"PageControl1");
    for (int page = 0; page < 3; ++page) {
        pages->SetActivePageIndex(page);
        PumpMessages(20);
        SaveScreenshot(Window(), "skinned-main-page" + std::to_string(page + 1));
    }
    pages->SetActivePageIndex(0);
    SendMessageW(Window(), WM_NCACTIVATE, FALSE, 0);
    SaveScreenshot(Window(), "skinned-main-inactive");
    SendMessageW(Window(), WM_NCACTIVATE, TRUE, 0);
}
