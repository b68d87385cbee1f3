// The gallery's menus skinned: the menu bar laid out from its entries, moved along with the
// arrow keys (wrapping round, swapped right to left), its items and the pop-up menu's items
// drawn from the skin, and menus opened again and again without handle growth.

#include "framework/ExtCtrls.h"
#include "framework/Menus.h"
#include "gallery/GalleryForm.h"
#include "skin/GdiOwners.h"
#include "skin/MenuItemPaint.h"
#include "skin/SkinImageGdi.h"
#include "skin/SkinManage.h"
#include "skin/VarUdedMenu.h"
#include "tests/win/skin/SkinTestSupport.h"

#include <algorithm>
#include <vector>

namespace {

constexpr UINT kGetMenuHandle = 0x01E1; // MN_GETHMENU

// Each menu window that opens is written down by its menu; the first one gets a key posted (or
// is pictured), every later one is closed.
struct MenuWatch {
    static inline std::vector<HMENU> opened;
    static inline WPARAM firstKey = 0;
    static inline const char* screenshot = nullptr;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND window = FindWindowW(L"#32768", nullptr);
        if (!window || !IsWindowVisible(window))
            return;
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(window, kGetMenuHandle, 0, 0));
        if (!opened.empty() && opened.back() == menu)
            return; // still the same menu, its key not handled yet
        opened.push_back(menu);
        if (opened.size() == 1 && screenshot) {
            SaveScreenshot(GetDesktopWindow(), screenshot);
            screenshot = nullptr;
        }
        if (opened.size() == 1 && firstKey) {
            PostMessageW(window, WM_KEYDOWN, firstKey, 0);
            return;
        }
        EndMenu();
    }
};

class SkinGalleryMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterGalleryClasses();
        EnsureSkinManager();
        SkinManager()->Enabled = false;
        form_ = std::make_unique<TGalleryForm>(nullptr);
        form_->Show();
        PumpMessages();
        SkinManager()->Enabled = true;
        SkinManager()->SkinWindow(form_->Handle());
        skinner_ = SkinManager()->SkinnerOf(form_->Handle());
        ASSERT_NE(skinner_, nullptr);
        WaitFor([&] { return skinner_->SkinState() == TSkinState::Active; });
        PumpMessages(20);
    }
    void TearDown() override {
        form_.reset();
        PumpMessages();
        DestroySkinManager();
    }
    TVarUdedMenu& Bar() { return *skinner_->MenuBar(); }
    TMenuItem* Item(const wchar_t* name) { return form_->Control<TMenuItem>(name); }
    // Opens a bar entry the way a mouse press does, and returns the menus that opened.
    std::vector<HMENU> Open(const TMenuBtn& entry, WPARAM firstKey, int settle = 30) {
        MenuWatch::opened.clear();
        MenuWatch::firstKey = firstKey;
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, MenuWatch::Tick);
        RECT w{};
        GetWindowRect(form_->Handle(), &w);
        SendMessageW(form_->Handle(), WM_NCLBUTTONDOWN, HTMENU,
                     MAKELPARAM(w.left + entry.Rect.left + 3, w.top + entry.Rect.top + 3));
        // A switch to another entry arrives as a posted press.
        PumpMessages(settle);
        KillTimer(nullptr, timer);
        return MenuWatch::opened;
    }

    std::unique_ptr<TGalleryForm> form_;
    TVarUdedForm* skinner_ = nullptr;
};

} // namespace

TEST_F(SkinGalleryMenuTest, BarEntriesAndArrowKeysWrappingRoundAndSwappedRightToLeft) {
    ASSERT_NE(skinner_->MenuBar(), nullptr);
    PaintFrameToMemory(*form_);
    // The hidden entry takes no place on the bar.
    ASSERT_EQ(Bar().Items().size(), 3u);
    const TMenuBtn& file = *Bar().Items()[0];
    const TMenuBtn& view = *Bar().Items()[1];
    const TMenuBtn& help = *Bar().Items()[2];
    EXPECT_EQ(file.Item, Item(L"MenuFile"));
    EXPECT_EQ(help.Item, Item(L"MenuHelp"));
    EXPECT_EQ(Bar().ItemWithAccelerator(L'v'), &view);
    EXPECT_EQ(Bar().ItemWithAccelerator(L'w'), nullptr);
    EXPECT_LT(file.Rect.right, view.Rect.left + 1);
    EXPECT_LT(view.Rect.right, help.Rect.left + 1);

    MenuWatch::screenshot = "gallery-menu-bar-open";
    EXPECT_EQ(Open(file, VK_LEFT), (std::vector<HMENU>{file.SubMenu, help.SubMenu}))
        << "left from the first entry wraps round to the last";
    EXPECT_EQ(Open(help, VK_RIGHT), (std::vector<HMENU>{help.SubMenu, file.SubMenu}))
        << "right from the last entry wraps round to the first";
    EXPECT_EQ(Open(view, VK_RIGHT), (std::vector<HMENU>{view.SubMenu, help.SubMenu}))
        << "the hidden entry between them is passed over";

    form_->Control<TMainMenu>(L"MainMenu1")->SetBiDiMode(TBiDiMode::bdRightToLeft);
    PumpMessages(20);
    PaintFrameToMemory(*form_);
    ASSERT_EQ(Bar().Items().size(), 3u);
    const TMenuBtn& rtlFile = *Bar().Items()[0];
    const TMenuBtn& rtlView = *Bar().Items()[1];
    EXPECT_GT(rtlFile.Rect.left, rtlView.Rect.left)
        << "right to left, the first entry is rightmost";
    EXPECT_EQ(Open(rtlFile, VK_LEFT), (std::vector<HMENU>{rtlFile.SubMenu, rtlView.SubMenu}))
        << "left moves on to the next entry in a right-to-left menu";

    // Skinning off gives the window its own menu bar back.
    form_->SkinData().SetActive(false);
    SkinManager()->RunPendingAction();
    PumpMessages(20);
    EXPECT_EQ(GetMenu(form_->Handle()), form_->Control<TMainMenu>(L"MainMenu1")->Handle());
}

TEST_F(SkinGalleryMenuTest, ItemsOfBothMenusAreDrawnAndMeasuredFromTheSkin) {
    TMenuItemPainter* painter = skinner_->MenuPainter();
    ASSERT_NE(painter, nullptr);
    const TDataSkinObject* element = skinner_->SkinData()->Elements().MenuItem.get();
    ASSERT_TRUE(element && !element->Image.Empty());
    const int width = 180;
    const int height = 22;
    struct Probe {
        const wchar_t* item;
        bool selected;
        int x;
        std::uint32_t pixel;
    };
    auto drawn = [&](TMenuItem* item, bool selected, int x, int y) {
        TBitmap bitmap;
        bitmap.SetSize(width, height);
        painter->DrawMenuItem(item, bitmap.Canvas(), RECT{0, 0, width, height}, selected);
        GdiFlush();
        return bitmap.Pixels()[std::size_t(y) * width + x] & 0xFFFFFF;
    };
    // The selected frame differs from the normal one at its right end, where no text is; a
    // disabled item shows the same frame as an enabled one, and a separator no item frame.
    const int x = width - 4;
    const std::uint32_t normal = drawn(Item(L"MenuOpen"), false, x, height / 2);
    EXPECT_NE(drawn(Item(L"MenuOpen"), true, x, height / 2), normal);
    EXPECT_EQ(drawn(Item(L"PopupDisabled"), false, x, height / 2),
              drawn(Item(L"PopupCopy"), false, x, height / 2));
    auto column = [&](TMenuItem* item) {
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < height; ++y)
            pixels.push_back(drawn(item, false, width / 2, y));
        return pixels;
    };
    EXPECT_NE(column(Item(L"MenuFileSep1")), column(Item(L"MenuSave")));

    // Measures: the framework's size, plus the skin's margin and the glyph room.
    TBitmap scratch;
    scratch.SetSize(1, 1);
    auto measured = [&](TMenuItem* item, bool popup) {
        int w = 0;
        int h = 0;
        item->MeasureItem(*scratch.Canvas(), w, h);
        const int frameworkWidth = w;
        if (popup)
            painter->MeasurePopupItem(item, scratch.Canvas(), w, h);
        else
            painter->MeasureMenuItem(item, scratch.Canvas(), w, h);
        return w - frameworkWidth;
    };
    // Both menus carry an image list, so no extra glyph room is added.
    EXPECT_EQ(measured(Item(L"MenuStatus"), false), element->LeftWidth + 10) << "checked, image";
    EXPECT_EQ(measured(Item(L"MenuToolbar"), false), element->LeftWidth + 10) << "checked";
    EXPECT_EQ(measured(Item(L"PopupChecked"), true), element->LeftWidth + 12);

    // Entries only the system menu knows: its close entry (text width + 26 + the margin, four
    // pixels more height) and an entry without text (eight more).
    const HWND window = form_->Handle();
    wchar_t text[81] = {};
    GetMenuStringW(GetSystemMenu(window, FALSE), SC_CLOSE, text, 81, MF_BYCOMMAND);
    ASSERT_NE(text[0], L'\0');
    SIZE extent{};
    {
        const skin::ScreenDC screen;
        const skin::SelectScope select(screen.Get(), MenuFont()->Handle());
        GetTextExtentPoint32W(screen.Get(), text, static_cast<int>(wcslen(text)), &extent);
    }
    MEASUREITEMSTRUCT close{ODT_MENU, 0, SC_CLOSE, 0, 10, 0};
    EXPECT_EQ(SendMessageW(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&close)), 1);
    EXPECT_EQ(int(close.itemWidth), extent.cx + 26 + element->LeftWidth);
    EXPECT_EQ(close.itemHeight, 14u);
    MEASUREITEMSTRUCT blank{ODT_MENU, 0, 0, 0, 10, 0};
    SendMessageW(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&blank));
    EXPECT_EQ(int(blank.itemWidth), 26 + element->LeftWidth);
    EXPECT_EQ(blank.itemHeight, 18u);
}

TEST_F(SkinGalleryMenuTest, PopupMenuIsSkinnedAndMenusOpenRepeatedlyWithoutHandleGrowth) {
    // The panel's pop-up menu, opened where a right click would open it.
    TPopupMenu* popup = form_->Control<TPopupMenu>(L"PopupMenu1");
    EXPECT_TRUE(popup->OwnerDraw()) << "the skin draws the pop-up menu's items";
    MenuWatch::opened.clear();
    MenuWatch::firstKey = 0;
    MenuWatch::screenshot = "gallery-popup-menu";
    UINT_PTR timer = SetTimer(nullptr, 0, 30, MenuWatch::Tick);
    RECT panel{};
    GetWindowRect(form_->Control<TPanel>(L"Panel1")->Handle(), &panel);
    popup->Popup(panel.left + 20, panel.top + 10);
    KillTimer(nullptr, timer);
    EXPECT_EQ(MenuWatch::opened.size(), 1u);

    const TMenuBtn& file = *Bar().Items()[0];
    Open(file, 0);
    int gdi = GdiObjectCount();
    const int windows = ThreadWindowCount();
    for (int i = 0; i < 100; ++i)
        Open(file, 0, 0);
    PumpMessages(20);
    EXPECT_EQ(GdiObjectCount(), gdi) << "drop-downs of the bar";
    gdi = GdiObjectCount();
    timer = SetTimer(nullptr, 0, 30, MenuWatch::Tick);
    for (int i = 0; i < 20; ++i) {
        MenuWatch::opened.clear();
        popup->Popup(panel.left + 20, panel.top + 10);
    }
    KillTimer(nullptr, timer);
    PumpMessages(20);
    EXPECT_EQ(GdiObjectCount(), gdi) << "pop-up menus";
    EXPECT_EQ(ThreadWindowCount(), windows);
}

namespace {

// The order in which a pop-up menu window is framed and its items drawn, as this system sends it.
struct PaintOrder {
    static inline std::vector<UINT> seen;
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION) {
            wchar_t name[16] = {};
            GetClassNameW(call->hwnd, name, 16);
            const bool menuWindow = wcscmp(name, L"#32768") == 0;
            if ((menuWindow && (call->message == WM_NCPAINT || call->message == WM_PRINTCLIENT ||
                                call->message == WM_ERASEBKGND)) ||
                call->message == WM_DRAWITEM)
                seen.push_back(call->message);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
};

} // namespace

TEST_F(SkinGalleryMenuTest, PopupFrameIsPaintedBeforeItsItemsAreDrawnOverIt) {
    PaintOrder::seen.clear();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, PaintOrder::Hook, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    MenuWatch::opened.clear();
    MenuWatch::firstKey = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, MenuWatch::Tick);
    RECT panel{};
    GetWindowRect(form_->Control<TPanel>(L"Panel1")->Handle(), &panel);
    form_->Control<TPopupMenu>(L"PopupMenu1")->Popup(panel.left + 20, panel.top + 10);
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    const auto firstDraw = std::find(PaintOrder::seen.begin(), PaintOrder::seen.end(), WM_DRAWITEM);
    ASSERT_NE(firstDraw, PaintOrder::seen.end()) << "the items are drawn by the skin";
    const auto firstFrame =
        std::find_if(PaintOrder::seen.begin(), PaintOrder::seen.end(),
                     [](UINT m) { return m == WM_NCPAINT || m == WM_PRINTCLIENT; });
    EXPECT_LT(firstFrame, firstDraw)
        << "the background the items are drawn over exists before the first item";
}
