// Skinned scroll bars over the main window's result list: placed exactly over the native bar,
// shown and hidden with it, scrolling exactly as the native bar does, and gone with the list;
// and a stand-alone scroll bar control with its thumb at any range.

#include "skin/SkinScControl.h"
#include "skin/SkinScrollbarH.h"
#include "tests/win/skin/SkinTestSupport.h"

#include <climits>

namespace {

class SkinScrollTest : public SkinnedMainWindowTest {
protected:
    void SetUp() override {
        SkinnedMainWindowTest::SetUp();
        Form().Control<TPageControl>(L"PageControl1")->SetActivePageIndex(1);
        list_ = Form().Control<TListBox>(L"ListBox1");
        PumpMessages(20);
    }
    void Fill(int lines) {
        for (int i = 0; i < lines; ++i)
            list_->Items()->Add(L"Record " + std::to_wstring(i));
        PumpMessages(30);
    }
    RECT NativeBar(HWND window) {
        SCROLLBARINFO info{};
        info.cbSize = sizeof(info);
        GetScrollBarInfo(window, OBJID_VSCROLL, &info);
        return info.rcScrollBar;
    }
    // A press and release at a screen point of the bar, ended by the release the native
    // scroll loop finds waiting.
    void Click(HWND window, HWND pressed, POINT screen, bool overlay) {
        POINT client = screen;
        ScreenToClient(window, &client);
        PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
        if (overlay) {
            POINT at = screen;
            ScreenToClient(pressed, &at);
            SendMessageW(pressed, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        } else {
            SendMessageW(window, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(screen.x, screen.y));
        }
        PumpMessages(20);
    }
    TListBox* list_ = nullptr;
};

} // namespace

TEST_F(SkinScrollTest, OverlayCoversTheNativeBarAndScrollsLikeIt) {
    ASSERT_NE(Skin(), nullptr);
    TSkinScrollbarH bars(list_->Handle(), &Data());
    EXPECT_FALSE(bars.Vertical()->Shown()) << "no bar while the list fits";
    Fill(120);
    ASSERT_TRUE(WaitFor([&] { return bars.Vertical()->Shown(); }));
    RECT overlay{};
    GetWindowRect(bars.Vertical()->Window(), &overlay);
    const RECT native = NativeBar(list_->Handle());
    EXPECT_TRUE(EqualRect(&overlay, &native));
    SaveScreenshot(Window(), "skinned-result-list-scroll-bar");

    // The same clicks on the overlay and on a plain list's native bar give the same top lines.
    TListBox plain(&Form());
    plain.SetParent(list_->Parent());
    plain.SetBounds(list_->Left(), list_->Top(), list_->Width(), list_->Height());
    for (int i = 0; i < 120; ++i)
        plain.Items()->Add(L"Record " + std::to_wstring(i));
    plain.SetVisible(false);
    PumpMessages(20);
    const RECT bar = NativeBar(list_->Handle());
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    const int mid = (bar.left + bar.right) / 2;
    const POINT spots[] = {{mid, bar.bottom - arrow / 2}, // down arrow
                           {mid, bar.bottom - arrow / 2}, // again
                           {mid, bar.bottom - arrow - 3}, // page below the thumb
                           {mid, bar.top + arrow / 2}};   // up arrow
    for (const POINT& spot : spots) {
        Click(list_->Handle(), bars.Vertical()->Window(), spot, true);
        plain.SetVisible(true);
        SetWindowPos(plain.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        Click(plain.Handle(), nullptr, spot, false);
        plain.SetVisible(false);
        EXPECT_EQ(SendMessageW(list_->Handle(), LB_GETTOPINDEX, 0, 0),
                  SendMessageW(plain.Handle(), LB_GETTOPINDEX, 0, 0))
            << spot.y;
    }
    EXPECT_GT(SendMessageW(list_->Handle(), LB_GETTOPINDEX, 0, 0), 0);

    // Cleared, the list has no bar and the overlay goes.
    list_->Items()->Clear();
    ASSERT_TRUE(WaitFor([&] {
        InvalidateRect(list_->Handle(), nullptr, TRUE);
        return !bars.Vertical()->Shown();
    }));
    EXPECT_FALSE(IsWindowVisible(bars.Vertical()->Window()));
}

TEST_F(SkinScrollTest, OverlaysGoWithTheirControlsWindow) {
    ASSERT_NE(Skin(), nullptr);
    Fill(120);
    const int windows = ThreadWindowCount();
    HWND overlay = nullptr;
    {
        auto bars = std::make_unique<TSkinScrollbarH>(list_->Handle(), &Data());
        ASSERT_TRUE(WaitFor([&] { return bars->Vertical()->Shown(); }));
        overlay = bars->Vertical()->Window();
        // The list's window is made anew: the old one's overlays are hidden and freed at once.
        list_->RecreateWnd();
        EXPECT_TRUE(bars->Dead());
        EXPECT_FALSE(IsWindow(overlay));
    }
    PumpMessages(20);
    EXPECT_EQ(ThreadWindowCount(), windows);
}

TEST_F(SkinScrollTest, StandAloneScrollBarThumbFollowsItsRangeAtAnyScale) {
    ASSERT_NE(Skin(), nullptr);
    HWND bar =
        CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, 10, 10, 17, 200,
                        list_->Parent()->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(bar, nullptr);
    {
        TSkinScControl skinned(bar, &Data());
        TWScrollbar& overlay = *skinned.Overlay();
        ASSERT_TRUE(overlay.Shown());
        RECT covered{};
        GetWindowRect(overlay.Window(), &covered);
        RECT control{};
        GetWindowRect(bar, &control);
        EXPECT_TRUE(EqualRect(&covered, &control));
        const int arrow = GetSystemMetrics(SM_CXHSCROLL);
        const skin::ScrollRange ranges[] = {{0, 100, 10, 0},
                                            {0, 100, 10, 50},
                                            {0, 100, 1, 100},
                                            {INT_MIN, INT_MAX, 1000, 0},
                                            {INT_MIN, INT_MAX, 0x7FFFFFFF, INT_MAX / 2}};
        for (const skin::ScrollRange& r : ranges) {
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_ALL;
            info.nMin = r.min;
            info.nMax = r.max;
            info.nPage = r.page;
            info.nPos = r.position;
            SetScrollInfo(bar, SB_CTL, &info, TRUE);
            GetScrollInfo(bar, SB_CTL, &info); // as the control keeps it
            UpdateWindow(overlay.Window());
            const skin::ThumbSpan expected =
                skin::StandaloneThumb(200, arrow, {info.nMin, info.nMax, info.nPage, info.nPos});
            EXPECT_EQ(overlay.PaintedThumb().start, expected.start) << r.min << " " << r.max;
            EXPECT_EQ(overlay.PaintedThumb().length, expected.length) << r.min << " " << r.max;
            EXPECT_GE(expected.start, arrow);
            EXPECT_LE(expected.End(), 200 - arrow);
        }
        SaveScreenshot(Window(), "skinned-stand-alone-scroll-bar");
    }
    DestroyWindow(bar);
}
