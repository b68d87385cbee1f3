// The skinned menu bar of a form and menu items drawn from the skin's MenuItem element.

#include "framework/Menus.h"
#include "skin/MenuItemPaint.h"
#include "skin/SkinImageGdi.h"
#include "skin/SkinManage.h"
#include "skin/VarUdedMenu.h"
#include "tests/win/skin/SkinTestSupport.h"

#include <utility>

namespace {

class SkinMenuTest : public SkinnedMainWindowTest {
protected:
    void SetUp() override {
        SkinnedMainWindowTest::SetUp();
        menu_ = new TMainMenu(&Form());
        file_ = AddItem(menu_->Items(), L"&File");
        open_ = AddItem(file_, L"&Open");
        open_->SetShortCut(ShortCut('O', scCtrl));
        AddItem(file_, L"-");
        AddItem(file_, L"E&xit");
        disabled_ = AddItem(menu_->Items(), L"&Tools");
        AddItem(disabled_, L"&Options");
        disabled_->SetEnabled(false);
        Form().SetMenu(menu_);
        PumpMessages();
    }
    TMenuItem* AddItem(TMenuItem* parent, const wchar_t* caption) {
        auto* item = new TMenuItem(menu_);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    }
    // A bar entry pressed the way a user does.
    void PressEntry(const TMenuBtn& entry) {
        const RECT w = WindowRect();
        const LPARAM at = MAKELPARAM(w.left + entry.Rect.left + 3, w.top + entry.Rect.top + 3);
        SendMessageW(Window(), WM_NCLBUTTONDOWN, HTMENU, at);
    }

    TMainMenu* menu_ = nullptr;
    TMenuItem* file_ = nullptr;
    TMenuItem* open_ = nullptr;
    TMenuItem* disabled_ = nullptr;
};

} // namespace

TEST_F(SkinMenuTest, BarEntriesOpenTheirMenusAndDisabledOnesRunNothing) {
    TVarUdedForm* skinner = Skin();
    ASSERT_NE(skinner, nullptr);
    TVarUdedMenu* bar = skinner->MenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetMenu(Window()), nullptr) << "the window's own bar is gone";
    EXPECT_EQ(skinner->Metrics().menuHeight, GetSystemMetrics(SM_CYMENU));
    PaintFrameToMemory(Form());
    ASSERT_EQ(bar->Items().size(), 2u);
    const TMenuBtn& file = *bar->Items()[0];
    const TMenuBtn& tools = *bar->Items()[1];
    EXPECT_EQ(file.Item, file_);
    EXPECT_FALSE(tools.Enabled);
    EXPECT_GT(file.Rect.Width(), 0);
    EXPECT_GE(tools.Rect.left, file.Rect.right);
    EXPECT_EQ(bar->ItemWithAccelerator(L't'), &tools);

    PostLog::window = Window();
    PostLog::posted.clear();
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, PostLog::Hook, nullptr, GetCurrentThreadId());
    MenuCloser::opened = 0;
    MenuCloser::screenshot = "skinned-menu-open";
    const UINT_PTR timer = SetTimer(nullptr, 0, 60, MenuCloser::Tick);
    PressEntry(file);
    EXPECT_EQ(MenuCloser::opened, 1);
    PumpMessages(20);
    PressEntry(tools);
    PumpMessages(20);
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    PostLog::window = nullptr;
    EXPECT_EQ(MenuCloser::opened, 1) << "a disabled entry shows no menu";
    int commands = 0;
    for (const auto& [message, command] : PostLog::posted)
        commands += message == WM_COMMAND ? 1 : 0;
    EXPECT_EQ(commands, 1) << "only the enabled entry carries out its command";
    SaveScreenshot(Window(), "skinned-menu-bar");
}

TEST_F(SkinMenuTest, ItemsAreDrawnFromTheMenuItemElement) {
    TVarUdedForm* skinner = Skin();
    ASSERT_NE(skinner, nullptr);
    TMenuItemPainter* painter = skinner->MenuPainter();
    ASSERT_NE(painter, nullptr);
    const TDataSkinObject* element = Data().Elements().MenuItem.get();
    ASSERT_TRUE(element && !element->Image.Empty());
    const int width = 160;
    const int height = 22;
    // A probe right of the glyph box and left of any text: pure element frame.
    const int probeX = width - 4;
    const int probeY = height / 2;
    auto drawn = [&](TMenuItem* item, bool selected) {
        TBitmap bitmap;
        bitmap.SetSize(width, height);
        painter->DrawMenuItem(item, bitmap.Canvas(), RECT{0, 0, width, height}, selected);
        GdiFlush();
        return bitmap.Pixels()[std::size_t(probeY) * width + probeX] & 0xFFFFFF;
    };
    // The element's own pixel at the same place of a frame drawn at this size.
    auto expected = [&](int frame) {
        skin::DibSection picture = skin::DrawNineGrid(
            SIZE{width, height}, ImageHandle(element->Image), MarginsOf(*element),
            skin::FrameLayout::SideBySide, element->Tile != 0, 5, frame);
        GdiFlush();
        const std::uint8_t* bgr = picture.Pixels().Pixel(probeX, probeY);
        const std::uint32_t rgb = std::uint32_t(bgr[2]) << 16 | std::uint32_t(bgr[1]) << 8 | bgr[0];
        if (rgb == 0xFF00FF && element->Trans != 0) {
            // A transparent spot shows the menu's own colour (no pop-up background here).
            const auto menu = static_cast<std::uint32_t>(Data().Colours().Menu);
            return (menu & 0xFF) << 16 | (menu & 0xFF00) | (menu >> 16 & 0xFF);
        }
        return rgb;
    };
    EXPECT_EQ(drawn(open_, false), expected(1));
    EXPECT_EQ(drawn(open_, true), expected(4));

    // Measures: the skin's margin and room for a glyph are added to the framework's width.
    TBitmap scratch;
    scratch.SetSize(1, 1);
    int frameworkWidth = 0;
    int frameworkHeight = 0;
    open_->MeasureItem(*scratch.Canvas(), frameworkWidth, frameworkHeight);
    int w = frameworkWidth;
    int h = frameworkHeight;
    painter->MeasureMenuItem(open_, scratch.Canvas(), w, h);
    EXPECT_EQ(w, frameworkWidth + element->LeftWidth + 10 + 25);
    EXPECT_EQ(h, frameworkHeight);
}
