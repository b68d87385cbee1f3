// Menus on real windows: the system menus built from the items, commands, short-cuts and
// accelerators, the change notification to the form, owner drawing, right-to-left menus and
// pop-up menus.

#include "framework/Menus.h"
#include "framework/ImgList.h"
#include "framework/StdCtrls.h"
#include "tests/win/common/WinTest.h"
#include "tests/win/framework/Surface.h"

#include <gtest/gtest.h>

namespace {

class TMenuForm : public TForm {
    DEVTOOL_CLASS(TMenuForm)
public:
    explicit TMenuForm(TComponent* owner) : TForm(owner) {
        method_ = {
            "ItemClick", EventKind::Notify, [this](TObject* s) { clicked.push_back(s); }, {}};
        LoadFromFormText(R"(object MenuForm: TMenuForm
  Width = 400
  Height = 300
  Menu = MainMenu1
  object MainMenu1: TMainMenu
    object FileMenu: TMenuItem
      Caption = '&File'
      object OpenItem: TMenuItem
        Caption = '&Open...'
        ShortCut = 16463
        Default = True
        OnClick = ItemClick
      end
      object Line1: TMenuItem
        Caption = '-'
      end
      object HiddenItem: TMenuItem
        Caption = '&Hidden'
        Visible = False
        ShortCut = 117
        OnClick = ItemClick
      end
      object RefreshItem: TMenuItem
        Caption = '&Refresh'
        ShortCut = 116
        OnClick = ItemClick
      end
      object DisabledItem: TMenuItem
        Caption = '&Disabled'
        Enabled = False
        ShortCut = 118
        OnClick = ItemClick
      end
    end
    object ViewMenu: TMenuItem
      Caption = '&View'
      object SmallItem: TMenuItem
        Caption = '&Small'
        RadioItem = True
        AutoCheck = True
        Checked = True
        GroupIndex = 1
      end
      object LargeItem: TMenuItem
        Caption = '&Large'
        RadioItem = True
        AutoCheck = True
        GroupIndex = 1
        ImageIndex = 0
      end
      object GridItem: TMenuItem
        Caption = '&Grid'
        AutoCheck = True
      end
    end
  end
  object PopupMenu1: TPopupMenu
    object CopyItem: TMenuItem
      Caption = '&Copy'
      OnClick = ItemClick
    end
  end
end
)");
    }
    const TMethodEntry* FindMethod(std::string_view name) const override {
        return name == method_.name ? &method_ : nullptr;
    }
    TMenuItem* Item(const wchar_t* name) const { return Control<TMenuItem>(name); }
    TMainMenu* Bar() const { return Control<TMainMenu>(L"MainMenu1"); }
    std::vector<TObject*> clicked;

private:
    TMethodEntry method_;
};

const TClassInfo& TMenuForm::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TMenuForm, TForm>("TMenuForm", nullptr, false);
    return info;
}

struct SystemItem {
    std::wstring text;
    UINT type = 0, state = 0, id = 0;
    HMENU subMenu = nullptr;
};

SystemItem ReadItem(HMENU menu, UINT position) {
    wchar_t text[80] = {};
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    mi.dwTypeData = text;
    mi.cch = 80;
    GetMenuItemInfoW(menu, position, TRUE, &mi);
    return {text, mi.fType, mi.fState, mi.wID, mi.hSubMenu};
}

TEST(Menus, TheBarIsBuiltFromTheVisibleItems) {
    TMenuForm form(nullptr);
    form.HandleNeeded();
    TMainMenu* menu = form.Bar();
    ASSERT_EQ(form.Menu(), menu);
    EXPECT_EQ(menu->Form(), &form);
    HMENU bar = GetMenu(form.Handle());
    ASSERT_EQ(bar, menu->Handle());
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    const SystemItem file = ReadItem(bar, 0);
    EXPECT_EQ(file.text, L"&File");
    EXPECT_EQ(file.subMenu, form.Item(L"FileMenu")->Handle());
    EXPECT_EQ(menu->FindItemByHandle(file.subMenu), form.Item(L"FileMenu"));
    EXPECT_EQ(FindMenuItemByHandle(file.subMenu), form.Item(L"FileMenu"));

    const struct {
        const wchar_t* item;
        std::wstring text;
        UINT type, state;
    } entries[] = {
        {L"OpenItem", L"&Open...\tCtrl+O", MFT_STRING, MFS_DEFAULT},
        {L"Line1", L"", MFT_SEPARATOR, 0},
        {L"RefreshItem", L"&Refresh\tF5", MFT_STRING, 0},
        {L"DisabledItem", L"&Disabled\tF7", MFT_STRING, MFS_GRAYED},
    };
    ASSERT_EQ(GetMenuItemCount(file.subMenu), 4) << "the hidden item is left out";
    for (UINT i = 0; i < 4; ++i) {
        const SystemItem got = ReadItem(file.subMenu, i);
        TMenuItem* item = form.Item(entries[i].item);
        EXPECT_EQ(got.text, entries[i].text) << i;
        EXPECT_EQ(got.type & (MFT_SEPARATOR | MFT_OWNERDRAW), entries[i].type) << i;
        EXPECT_EQ(got.state & (MFS_DEFAULT | MFS_GRAYED), entries[i].state) << i;
        EXPECT_EQ(got.id, item->Command()) << i;
        EXPECT_EQ(menu->FindItem(item->Command()), item);
    }
    const SystemItem small = ReadItem(form.Item(L"ViewMenu")->Handle(), 0);
    EXPECT_TRUE(small.type & MFT_RADIOCHECK);
    EXPECT_TRUE(small.state & MFS_CHECKED);
    EXPECT_EQ(form.Item(L"RefreshItem")->ShortCutText(), L"F5");
    EXPECT_EQ(GetPropText(form.Item(L"OpenItem"), "ShortCut"), L"16463");
    EXPECT_EQ(form.Control<TPopupMenu>(L"PopupMenu1")->FindItem(menu->Items()->Command()), nullptr)
        << "an item is found only in its own menu";
}

TEST(Menus, CommandsShortCutsAndAcceleratorsClickItems) {
    TMenuForm form(nullptr);
    form.Show();
    PumpMessages(30);
    HWND h = form.Handle();
    auto command = [&](const wchar_t* name) {
        SendMessageW(h, WM_COMMAND, form.Item(name)->Command(), 0);
    };
    command(L"RefreshItem");
    command(L"DisabledItem");
    EXPECT_EQ(form.clicked, std::vector<TObject*>{form.Item(L"RefreshItem")});

    // Radio items of one group check one another out; the system menu shows it.
    command(L"LargeItem");
    EXPECT_TRUE(form.Item(L"LargeItem")->Checked());
    EXPECT_FALSE(form.Item(L"SmallItem")->Checked());
    HMENU view = form.Item(L"ViewMenu")->Handle();
    EXPECT_FALSE(ReadItem(view, 0).state & MFS_CHECKED);
    EXPECT_TRUE(ReadItem(view, 1).state & MFS_CHECKED);
    command(L"GridItem");
    command(L"GridItem");
    EXPECT_FALSE(form.Item(L"GridItem")->Checked());

    // Short-cuts of enabled, visible items only; from the message loop too.
    form.clicked.clear();
    EXPECT_TRUE(form.IsShortCut(VK_F5));
    EXPECT_FALSE(form.IsShortCut(VK_F6)) << "hidden";
    EXPECT_FALSE(form.IsShortCut(VK_F7)) << "disabled";
    PostMessageW(h, WM_KEYDOWN, VK_F5, 0);
    PumpMessages(20);
    EXPECT_EQ(form.clicked.size(), 2u);

    // An accelerator typed in an open menu, counted among visible items: "&Refresh" is third.
    HMENU file = form.Item(L"FileMenu")->Handle();
    auto menuChar = [&](wchar_t key, HMENU menu) {
        return SendMessageW(h, WM_MENUCHAR, MAKEWPARAM(key, MF_POPUP),
                            reinterpret_cast<LPARAM>(menu));
    };
    EXPECT_EQ(menuChar(L'r', file), MAKELRESULT(2, MNC_EXECUTE));
    EXPECT_EQ(menuChar(L'O', file), MAKELRESULT(0, MNC_EXECUTE));
    EXPECT_NE(HIWORD(menuChar(L'd', file)), MNC_EXECUTE) << "disabled";
    EXPECT_NE(HIWORD(menuChar(L'h', file)), MNC_EXECUTE) << "hidden";
    EXPECT_EQ(menuChar(L'v', form.Bar()->Handle()), MAKELRESULT(1, MNC_EXECUTE));
}

// Every change is told to the form as CM_MENUCHANGED through its WindowProc. The form's own
// handling puts the bar back on the window, so that a painter of its own bar, which takes the
// bar away after the default handling, reads the new menu there.
TEST(Menus, ChangesReachTheFormThroughWindowProc) {
    TMenuForm form(nullptr);
    form.HandleNeeded();
    HWND h = form.Handle();
    TMainMenu* menu = form.Bar();
    std::vector<LPARAM> told;
    std::vector<HMENU> onWindow;
    TWndMethod previous = form.WindowProc;
    form.WindowProc = [&](TMessage& msg) {
        previous(msg);
        if (msg.Msg != CM_MENUCHANGED)
            return;
        told.push_back(msg.LParam);
        onWindow.push_back(GetMenu(h));
        SetMenu(h, nullptr); // as a painted menu bar does
    };
    form.Item(L"RefreshItem")->SetCaption(L"&Reload");
    form.Item(L"RefreshItem")->SetVisible(false);
    EXPECT_EQ(told, (std::vector<LPARAM>(2, reinterpret_cast<LPARAM>(menu))));
    EXPECT_EQ(onWindow, (std::vector<HMENU>(2, menu->Handle())));
    EXPECT_EQ(GetMenuItemCount(form.Item(L"FileMenu")->Handle()), 3);

    auto* popup = form.Control<TPopupMenu>(L"PopupMenu1");
    told.clear();
    form.Item(L"CopyItem")->SetEnabled(false);
    EXPECT_EQ(told, std::vector<LPARAM>{reinterpret_cast<LPARAM>(popup)});

    told.clear();
    form.SetMenu(nullptr);
    EXPECT_EQ(told, std::vector<LPARAM>{0});
    EXPECT_EQ(menu->Form(), nullptr);
    form.SetMenu(menu);
    EXPECT_EQ(onWindow.back(), menu->Handle());
    form.WindowProc = previous;
    form.Item(L"GridItem")->SetCaption(L"网格");
    EXPECT_EQ(GetMenu(h), menu->Handle());
    wchar_t text[32] = {};
    GetMenuStringW(form.Item(L"ViewMenu")->Handle(), 2, text, 32, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(text), L"网格");
}

// The window going (or made again) never takes the menus' handles with it, and freeing the
// menus frees them.
TEST(Menus, HandlesLiveAndDieWithTheMenus) {
    HMENU bar, file, popup;
    {
        TMenuForm form(nullptr);
        form.HandleNeeded();
        bar = form.Bar()->Handle();
        file = form.Item(L"FileMenu")->Handle();
        popup = form.Control<TPopupMenu>(L"PopupMenu1")->Handle();
        form.RecreateWnd();
        EXPECT_EQ(GetMenu(form.Handle()), bar);
        EXPECT_TRUE(IsMenu(file));
        form.Close();
        EXPECT_TRUE(IsMenu(bar));
        form.HandleNeeded();
        EXPECT_EQ(GetMenu(form.Handle()), bar);

        delete form.Bar();
        EXPECT_EQ(form.Menu(), nullptr);
        EXPECT_EQ(GetMenu(form.Handle()), nullptr);
        EXPECT_FALSE(IsMenu(bar));
        EXPECT_FALSE(IsMenu(file));
        EXPECT_TRUE(IsMenu(popup));
    }
    EXPECT_FALSE(IsMenu(popup));
}

TEST(Menus, OwnerDrawnItemsAreMeasuredAndDrawn) {
    TMenuForm form(nullptr);
    form.HandleNeeded();
    HWND h = form.Handle();
    TMainMenu* menu = form.Bar();
    menu->SetOwnerDraw(true);
    HMENU file = form.Item(L"FileMenu")->Handle();
    EXPECT_TRUE(ReadItem(menu->Handle(), 0).type & MFT_OWNERDRAW) << "the bar's entries too";
    EXPECT_TRUE(ReadItem(file, 2).type & MFT_OWNERDRAW);
    EXPECT_EQ(ReadItem(file, 2).text, L"&Refresh\tF5") << "the caption stays readable";

    auto measure = [&](const wchar_t* name) {
        MEASUREITEMSTRUCT m{};
        m.CtlType = ODT_MENU;
        m.itemID = form.Item(name)->Command();
        EXPECT_EQ(SendMessageW(h, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&m)), TRUE);
        return m;
    };
    const MEASUREITEMSTRUCT refresh = measure(L"RefreshItem"), line = measure(L"Line1"),
                            open = measure(L"OpenItem");
    EXPECT_GT(refresh.itemWidth, 40u);
    EXPECT_LT(line.itemHeight, refresh.itemHeight);
    EXPECT_GT(open.itemWidth, refresh.itemWidth) << "longer caption and short-cut, in bold";
    form.Item(L"RefreshItem")->OnMeasureItem = [](TMenuItem*, TCanvas*, int& w, int& height) {
        w += 5;
        height = 40;
    };
    EXPECT_EQ(measure(L"RefreshItem").itemHeight, 40u);
    EXPECT_EQ(measure(L"RefreshItem").itemWidth, refresh.itemWidth + 5);

    const RECT r{0, 0, 160, 22};
    auto draw = [&](const wchar_t* name, UINT state) {
        auto surface = std::make_unique<Surface>(160, 22);
        DRAWITEMSTRUCT d{};
        d.CtlType = ODT_MENU;
        d.itemID = form.Item(name)->Command();
        d.itemState = state;
        d.hDC = surface->Dc();
        d.rcItem = r;
        EXPECT_EQ(SendMessageW(h, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&d)), TRUE);
        return surface;
    };
    const COLORREF menuColour = GetSysColor(COLOR_MENU), lit = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(draw(L"RefreshItem", ODS_SELECTED)->At(1, 1), lit);
    EXPECT_EQ(draw(L"RefreshItem", 0)->At(1, 1), menuColour);
    EXPECT_EQ(draw(L"Line1", ODS_SELECTED)->At(1, 1), menuColour) << "a line is never lit";
    EXPECT_GT(draw(L"Line1", 0)->Count({0, 0, 160, 22}, GetSysColor(COLOR_BTNSHADOW)), 100);
    auto disabled = draw(L"DisabledItem", 0);
    EXPECT_GT(disabled->Count(r, GetSysColor(COLOR_GRAYTEXT)), 5);
    EXPECT_EQ(disabled->Count(r, GetSysColor(COLOR_MENUTEXT)), 0);
    // A checked item without an image shows a mark in its glyph box on the left.
    auto checked = draw(L"SmallItem", 0);
    EXPECT_GT(checked->Count({0, 0, 28, 22}, GetSysColor(COLOR_MENUTEXT)), 3);

    // With images, the item's image sits in that box, greyed when disabled.
    TImageList images(nullptr);
    TBitmap picture;
    picture.LoadFromPixels(16, 16, std::vector<std::uint32_t>(16 * 16, 0x000000));
    images.AddMasked(picture.Handle(), RGB(255, 0, 255));
    menu->SetImages(&images);
    EXPECT_EQ(draw(L"LargeItem", 0)->At(12, 10), RGB(0, 0, 0));
    form.Item(L"LargeItem")->SetEnabled(false);
    EXPECT_EQ(draw(L"LargeItem", 0)->At(12, 10), GetSysColor(COLOR_BTNSHADOW));
    menu->SetImages(nullptr);

    // An item's own handler replaces the framework's drawing.
    form.Item(L"RefreshItem")->OnDrawItem = [](TMenuItem*, TCanvas* canvas, const RECT& rect,
                                               bool selected) {
        canvas->Brush()->SetColor(selected ? clRed : clBlue);
        canvas->FillRect(rect);
    };
    EXPECT_EQ(draw(L"RefreshItem", ODS_SELECTED)->At(80, 10), RGB(255, 0, 0));

    // Items the framework does not know are left to the window's default handling.
    DRAWITEMSTRUCT unknown{};
    unknown.CtlType = ODT_MENU;
    unknown.itemID = 0xF060; // the system menu's close command
    TMessage msg{WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&unknown), 0};
    EXPECT_FALSE(DispatchMenuMessage(msg));
}

TEST(Menus, RightToLeftMenus) {
    TMenuForm form(nullptr);
    form.HandleNeeded();
    TMainMenu* menu = form.Bar();
    menu->SetBiDiMode(TBiDiMode::bdRightToLeft);
    EXPECT_TRUE(menu->IsRightToLeft());
    EXPECT_EQ(ReadItem(menu->Handle(), 0).type & (MFT_RIGHTORDER | MFT_RIGHTJUSTIFY),
              static_cast<UINT>(MFT_RIGHTORDER | MFT_RIGHTJUSTIFY));
    EXPECT_EQ(ReadItem(menu->Handle(), 1).type & (MFT_RIGHTORDER | MFT_RIGHTJUSTIFY),
              static_cast<UINT>(MFT_RIGHTORDER));
    EXPECT_TRUE(ReadItem(form.Item(L"FileMenu")->Handle(), 0).type & MFT_RIGHTORDER);

    // The check mark moves to the right end of the item.
    Surface s(160, 22);
    TCanvas canvas(s.Dc());
    canvas.Font()->Assign(*MenuFont());
    form.Item(L"SmallItem")->DrawItem(canvas, {0, 0, 160, 22}, false);
    const COLORREF ink = GetSysColor(COLOR_MENUTEXT);
    EXPECT_GT(s.Count({132, 0, 160, 22}, ink), 3);
    EXPECT_EQ(s.Count({0, 0, 28, 22}, ink), 0);
}

// Posts the keys that choose the first item of the pop-up menu once it is open.
void CALLBACK ChooseFirstItem(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu))
        return;
    KillTimer(nullptr, timer);
    PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EndMenu();
}

TEST(Menus, PopupMenusOpenAndCarryOutTheChosenItem) {
    TMenuForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    form.Show();
    PumpMessages(30);
    auto* popup = form.Control<TPopupMenu>(L"PopupMenu1");
    int opened = 0;
    popup->OnPopup = [&](TObject*) { ++opened; };
    EXPECT_EQ(popup->PopupWindow(), form.Handle()) << "the owning form's window";

    SetTimer(nullptr, 0, 50, ChooseFirstItem);
    popup->Popup(100, 100);
    PumpMessages(50);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(form.clicked, std::vector<TObject*>{form.Item(L"CopyItem")});

    // A right click on a control opens its pop-up menu for it.
    edit->SetPopupMenu(popup);
    SetTimer(nullptr, 0, 50, CloseMenu);
    SendMessageW(edit->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->Handle()),
                 MAKELPARAM(120, 120));
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(popup->PopupComponent(), edit);
    delete edit;
    EXPECT_EQ(popup->PopupComponent(), nullptr);
}

} // namespace
