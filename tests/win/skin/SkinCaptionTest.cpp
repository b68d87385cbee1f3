// Caption buttons and the window menu of the skinned main window: hover, glyphs of each show
// state, double clicks, and the owner-drawn window menu with the commands it posts.

#include "framework/Menus.h"
#include "tests/win/skin/SkinTestSupport.h"

#include <map>
#include <utility>
#include <windowsx.h>

namespace {

class SkinCaptionTest : public SkinnedMainWindowTest {
protected:
    // The visible caption button with this action, or null.
    TWinSysButton* Button(int action) {
        for (const auto& b : skinner_->CaptionButtons()) {
            if (b->Visible && b->Element()->Action == action)
                return b.get();
        }
        return nullptr;
    }
    // The screen point in the middle of a button.
    LPARAM At(const TNCObject& object) {
        const RECT w = WindowRect();
        const skin::PaintRect r = object.Rect;
        return MAKELPARAM(w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2);
    }
    // A caption point clear of every button.
    LPARAM CaptionPoint() {
        const RECT w = WindowRect();
        return MAKELPARAM(w.left + (w.right - w.left) / 2, w.top + 8);
    }
};

} // namespace

TEST_F(SkinCaptionTest, HoverShowsTheHotFrameUntilTheMouseLeaves) {
    ASSERT_NE(Skin(), nullptr);
    SetForegroundWindow(Window());
    PumpMessages(50);
    PaintFrameToMemory(Form());
    TWinSysButton* close = Button(0);
    ASSERT_NE(close, nullptr);
    SetCursorPos(GET_X_LPARAM(At(*close)), GET_Y_LPARAM(At(*close)));
    SendMessageW(Window(), WM_NCMOUSEMOVE, HTCAPTION, At(*close));
    EXPECT_EQ(close->State, 3);
    SaveScreenshot(Window(), "caption-button-hot");
    SendMessageW(Window(), WM_NCLBUTTONDOWN, HTCAPTION, At(*close));
    EXPECT_EQ(close->State, 2);
    SaveScreenshot(Window(), "caption-button-pressed");
    close->Leave();
    const RECT w = WindowRect();

    // The mouse leaves: the hover check gives the normal frame back.
    SetCursorPos(GET_X_LPARAM(At(*close)), GET_Y_LPARAM(At(*close)));
    SendMessageW(Window(), WM_NCMOUSEMOVE, HTCAPTION, At(*close));
    ASSERT_EQ(close->State, 3);
    SetCursorPos(w.right + 200, w.bottom + 200);
    const DWORD left = GetTickCount();
    ASSERT_TRUE(WaitFor([&] { return close->State == 1; }));
    EXPECT_LE(GetTickCount() - left, 300u);
    EXPECT_EQ(skinner_->HotObject(), nullptr);
}

TEST_F(SkinCaptionTest, MaximizeAndRestoreSwapTheirGlyphsAndDoubleClicksToggle) {
    ASSERT_NE(Skin(), nullptr);
    PaintFrameToMemory(Form());
    TWinSysButton* maximize = Button(1);
    ASSERT_NE(maximize, nullptr);
    const TDataSkinSysButton* normalGlyph = maximize->Element();
    SendMessageW(Window(), WM_NCMOUSEMOVE, HTCAPTION, At(*maximize));
    SendMessageW(Window(), WM_NCLBUTTONDOWN, HTCAPTION, At(*maximize));
    SendMessageW(Window(), WM_NCLBUTTONUP, HTCAPTION, At(*maximize));
    ASSERT_TRUE(WaitFor([&] { return IsZoomed(Window()) != FALSE; }));
    PaintFrameToMemory(Form());
    TWinSysButton* restore = Button(1);
    ASSERT_NE(restore, nullptr);
    EXPECT_NE(restore->Element(), normalGlyph) << "the restore glyph replaces the maximize one";
    SaveScreenshot(Window(), "caption-maximized");

    // A double click on the caption restores a maximized window and maximizes a normal one.
    SendMessageW(Window(), WM_NCLBUTTONDBLCLK, HTCAPTION, CaptionPoint());
    ASSERT_TRUE(WaitFor([&] { return !IsZoomed(Window()); }));
    PaintFrameToMemory(Form());
    EXPECT_EQ(Button(1)->Element(), normalGlyph);
    SendMessageW(Window(), WM_NCLBUTTONDBLCLK, HTCAPTION, CaptionPoint());
    ASSERT_TRUE(WaitFor([&] { return IsZoomed(Window()) != FALSE; }));
    ShowWindow(Window(), SW_RESTORE);
    PumpMessages(20);
}

TEST_F(SkinCaptionTest, WindowMenuIsOwnerDrawnFromTheSystemMenuAndPostsOnce) {
    ASSERT_NE(Skin(), nullptr);
    // A menu stays open only while its window is in the foreground.
    SetForegroundWindow(Window());
    PumpMessages(50);
    PaintFrameToMemory(Form());
    MenuCloser::opened = 0;
    MenuCloser::screenshot = "window-menu-open";
    const UINT_PTR timer = SetTimer(nullptr, 0, 60, MenuCloser::Tick);
    SendMessageW(Window(), WM_NCRBUTTONDOWN, HTCAPTION, CaptionPoint());
    EXPECT_EQ(MenuCloser::opened, 1);
    // A second right click within the double-click time opens nothing.
    SendMessageW(Window(), WM_NCRBUTTONDOWN, HTCAPTION, CaptionPoint());
    EXPECT_EQ(MenuCloser::opened, 1);
    KillTimer(nullptr, timer);

    TPopupMenu* popup = skinner_->SystemPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Tag(), TVarUdedForm::kSystemPopupTag);
    EXPECT_TRUE(popup->OwnerDraw());
    EXPECT_EQ(popup->Images(), Data().MenuGlyphs());
    std::map<int, TMenuItem*> byCommand;
    for (int i = 0; i < popup->Items()->Count(); ++i) {
        TMenuItem* item = popup->Items()->Items(i);
        byCommand[item->Tag() & 0xFFF0] = item;
    }
    struct Expect {
        int command;
        bool enabled;
        int image;
    };
    for (const Expect& e :
         {Expect{SC_RESTORE, false, 0}, Expect{SC_MAXIMIZE, true, 1}, Expect{SC_MINIMIZE, true, 2},
          Expect{SC_CLOSE, true, 3}, Expect{SC_MOVE, true, -1}}) {
        ASSERT_TRUE(byCommand.count(e.command)) << std::hex << e.command;
        EXPECT_EQ(byCommand[e.command]->Enabled(), e.enabled) << std::hex << e.command;
        EXPECT_EQ(byCommand[e.command]->ImageIndex(), e.image) << std::hex << e.command;
    }

    // Choosing an item reaches the window as its command, once.
    PostLog::window = Window();
    PostLog::posted.clear();
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, PostLog::Hook, nullptr, GetCurrentThreadId());
    SendMessageW(popup->PopupWindow(), WM_COMMAND, byCommand[SC_MAXIMIZE]->Command(), 0);
    PumpMessages(30);
    UnhookWindowsHookEx(hook);
    ASSERT_EQ(PostLog::posted.size(), 1u);
    EXPECT_EQ(PostLog::posted[0], std::make_pair(UINT(WM_SYSCOMMAND), WPARAM(SC_MAXIMIZE)));
}
