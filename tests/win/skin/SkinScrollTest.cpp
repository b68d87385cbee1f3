// Skinned scroll bars over the main window's result list: placed exactly over the native bar,
// shown and hidden with it, scrolling exactly as the native bar does, and gone with the list;
// and a stand-alone scroll bar control with its thumb at any range.

#include "skin/ControlWalk.h"
#include "skin/GdiOwners.h"
#include "skin/SkinHeader.h"
#include "skin/SkinScControl.h"
#include "skin/SkinScrollbar.h"
#include "skin/SkinScrollbarH.h"
#include "tests/win/skin/SkinTestSupport.h"

#include <commctrl.h>

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
    // The scroll bar skinner the control walk gave the result list.
    TSkinScrollbar* ListSkinner() {
        return dynamic_cast<TSkinScrollbar*>(skinner_->Skinners().FindByControl(list_));
    }
    TListBox* list_ = nullptr;
};

} // namespace

TEST_F(SkinScrollTest, OverlayCoversTheNativeBarAndScrollsLikeIt) {
    ASSERT_NE(Skin(), nullptr);
    TSkinScrollbar* skinned = ListSkinner();
    ASSERT_NE(skinned, nullptr) << "the result list gets a scroll bar skinner";
    EXPECT_TRUE(skinned->OwnBorder());
    TSkinScrollbar& bars = *skinned;
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
    ASSERT_NE(ListSkinner(), nullptr);
    ASSERT_TRUE(WaitFor([&] { return ListSkinner()->Vertical()->Shown(); }));
    const int windows = ThreadWindowCount();
    const HWND overlay = ListSkinner()->Vertical()->Window();

    // The list's window is made anew: the old window's overlays are hidden and freed at once,
    // and a fresh skinner covers the new window's bar.
    list_->RecreateWnd();
    EXPECT_FALSE(IsWindow(overlay));
    ASSERT_TRUE(WaitFor([&] {
        TSkinScrollbar* fresh = ListSkinner();
        return fresh && fresh->Window() == list_->Handle() && fresh->Vertical() &&
               fresh->Vertical()->Shown();
    }));
    RECT covered{};
    GetWindowRect(ListSkinner()->Vertical()->Window(), &covered);
    const RECT native = NativeBar(list_->Handle());
    EXPECT_TRUE(EqualRect(&covered, &native));
    EXPECT_EQ(SendMessageW(list_->Handle(), skinmsg::kIsSkinned, 0, 0), 1);
    EXPECT_EQ(ThreadWindowCount(), windows) << "no stray overlay";

    // A window-mode skinner of a plain window loses its overlays with the window too.
    HWND plain =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0,
                        100, 60, list_->Parent()->Handle(), nullptr, nullptr, nullptr);
    ASSERT_NE(plain, nullptr);
    for (int i = 0; i < 50; ++i)
        SendMessageW(plain, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"line"));
    TSkinScrollbarH bars(plain, &Data());
    ASSERT_TRUE(WaitFor([&] {
        bars.Reposition();
        return bars.Vertical() && bars.Vertical()->Shown();
    }));
    const HWND plainOverlay = bars.Vertical()->Window();
    DestroyWindow(plain);
    EXPECT_TRUE(bars.Dead());
    EXPECT_FALSE(IsWindow(plainOverlay));
    PumpMessages(20);
}

TEST_F(SkinScrollTest, StandAloneScrollBarThumbFollowsItsRangeAtAnyScale) {
    ASSERT_NE(Skin(), nullptr);
    HWND bar =
        CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, 10, 10, 17, 200,
                        list_->Parent()->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(bar, nullptr);
    {
        TSkinScControl skinned(nullptr);
        skinned.AttachWindow(bar, &Data(), nullptr);
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

namespace {

// Watches the system's scroll loop: moves the cursor as the queued mouse move goes in, and notes
// the thumb the overlay painted by the time the release comes.
struct DragWatch {
    static inline TWScrollbar* overlay = nullptr;
    static inline POINT moveTo{};
    static inline int paintedAtRelease = -1;
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (code == MSGF_SCROLLBAR && msg->message == WM_MOUSEMOVE)
            SetCursorPos(moveTo.x, moveTo.y);
        if (code == MSGF_SCROLLBAR && msg->message == WM_LBUTTONUP && overlay)
            paintedAtRelease = overlay->PaintedThumb().start;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
};

} // namespace

TEST_F(SkinScrollTest, DraggedThumbFollowsTheMouseWhileTheListScrolls) {
    ASSERT_NE(Skin(), nullptr);
    Fill(400);
    TSkinScrollbar* skinned = ListSkinner();
    ASSERT_NE(skinned, nullptr);
    TWScrollbar& overlay = *skinned->Vertical();
    ASSERT_TRUE(WaitFor([&] { return overlay.Shown(); }));
    UpdateWindow(overlay.Window());
    const skin::ThumbSpan before = overlay.PaintedThumb();
    ASSERT_GT(before.length, 0);

    // Press on the thumb's middle, move 30 pixels down, release; the overlay hands the press to
    // the list's own scroll loop.
    const POINT press{(overlay.NativeRect().right - overlay.NativeRect().left) / 2,
                      before.start + before.length / 2};
    POINT screen = press;
    ClientToScreen(overlay.Window(), &screen);
    SetCursorPos(screen.x, screen.y);
    DragWatch::overlay = &overlay;
    DragWatch::moveTo = {screen.x, screen.y + 30};
    DragWatch::paintedAtRelease = -1;
    POINT moved = DragWatch::moveTo;
    ScreenToClient(list_->Handle(), &moved);
    PostMessageW(list_->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(moved.x, moved.y));
    PostMessageW(list_->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(moved.x, moved.y));
    HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, &DragWatch::Hook, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    SendMessageW(overlay.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
    UnhookWindowsHookEx(hook);
    DragWatch::overlay = nullptr;
    PumpMessages(20);

    EXPECT_EQ(DragWatch::paintedAtRelease, before.start + 30) << "the thumb went with the mouse";
    EXPECT_GT(SendMessageW(list_->Handle(), LB_GETTOPINDEX, 0, 0), 0) << "the list scrolled";
}

TEST_F(SkinScrollTest, CornerWhereTwoBarsMeetIsFaceColouredAndBorderIsTheSkins) {
    ASSERT_NE(Skin(), nullptr);
    // A window of its own, so no sibling paints over the memo.
    TForm host(nullptr);
    host.SetBounds(40, 40, 260, 200);
    TMemo* memo = new TMemo(&host);
    memo->SetParent(&host);
    memo->SetBounds(10, 10, 160, 120);
    memo->SetScrollBars(TScrollStyle::ssBoth);
    memo->SetWordWrap(false);
    for (int i = 0; i < 40; ++i)
        memo->Lines()->Add(L"a line far longer than the memo is wide, so it scrolls sideways " +
                           std::to_wstring(i));
    host.Show();
    auto* skinned = new TSkinScrollbar(memo);
    skinned->Attach(nullptr, &Data(), false);
    ASSERT_TRUE(skinned->Attached());
    ASSERT_TRUE(WaitFor([&] {
        RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        return skinned->Horizontal()->Shown() && skinned->Vertical()->Shown();
    }));
    PumpMessages(20);
    const RECT& v = skinned->Vertical()->NativeRect();
    const RECT& h = skinned->Horizontal()->NativeRect();
    RECT window{};
    GetWindowRect(memo->Handle(), &window);
    POINT corner{(v.left + v.right) / 2, (h.top + h.bottom) / 2};
    ClientToScreen(memo->Handle(), &corner);
    const skin::ScreenDC screen;
    const COLORREF face = static_cast<COLORREF>(Data().Colours().ButtonFace);
    EXPECT_EQ(GetPixel(screen.Get(), corner.x, corner.y), face);
    EXPECT_EQ(GetPixel(screen.Get(), window.left, window.top + 40),
              static_cast<COLORREF>(Data().Colours().ButtonShadow))
        << "the memo's own border: the skin's shadow at the edge";
    EXPECT_EQ(GetPixel(screen.Get(), window.left + 1, window.top + 40), face);
    SaveScreenshot(host.Handle(), "skinned-memo-both-bars");
}

namespace {

// A report-style list view, as another vendor's list view control would be.
class TTestListView : public TWinControl {
    DEVTOOL_CLASS(TTestListView)
public:
    using TWinControl::TWinControl;
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.BaseClassName = WC_LISTVIEWW;
        params.Style |= LVS_REPORT | WS_BORDER;
    }
};

} // namespace

const TClassInfo& TTestListView::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TTestListView, TWinControl>("TListView", nullptr, false);
    return info;
}

TEST_F(SkinScrollTest, ListViewGetsItsBarsAndHeaderSkinned) {
    ASSERT_NE(Skin(), nullptr);
    auto* view = new TTestListView(&Form());
    view->SetParent(list_->Parent());
    view->SetBounds(10, 10, 200, 120);
    view->HandleNeeded();
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 300;
    column.pszText = const_cast<wchar_t*>(L"Record");
    SendMessageW(view->Handle(), LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    for (int i = 0; i < 60; ++i) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        const std::wstring text = L"Line " + std::to_wstring(i);
        item.pszText = const_cast<wchar_t*>(text.c_str());
        SendMessageW(view->Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    EXPECT_EQ(ChooseSkinner(Data(), *view).kind, skin::SkinnerKind::ListView);
    AttachControlSkinners(*skinner_); // the walk a later activation runs
    PumpMessages(20);
    auto* skinned = dynamic_cast<TSkinListView*>(skinner_->Skinners().FindByControl(view));
    ASSERT_NE(skinned, nullptr);
    ASSERT_NE(skinned->Header(), nullptr) << "the header is skinned with the list";
    EXPECT_EQ(skinned->Header()->Window(),
              reinterpret_cast<HWND>(SendMessageW(view->Handle(), LVM_GETHEADER, 0, 0)));
    ASSERT_TRUE(WaitFor([&] {
        RedrawWindow(view->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return skinned->Vertical()->Shown() && skinned->Horizontal()->Shown();
    }));
}
