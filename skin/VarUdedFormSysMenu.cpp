// The window menu of a skinned window: rebuilt as an owner-drawn pop-up menu from the window's
// own system menu each time it opens, from the icon button, a right click on the caption or
// Alt+Space.

#include "framework/Forms.h"
#include "framework/Menus.h"
#include "skin/MenuItemPaint.h"
#include "skin/VarUdedData.h"
#include "skin/VarUdedForm.h"

namespace {

// Image indexes of the skin data's window-menu glyphs.
constexpr int kRestoreGlyph = 0;
constexpr int kMaximizeGlyph = 1;
constexpr int kMinimizeGlyph = 2;
constexpr int kCloseGlyph = 3;
// The longest item text taken over from the system menu.
constexpr int kMaxItemText = 80;

bool OldNtFamily() {
    const DWORD version = GetVersion();
    return (version & 0x80000000u) == 0 && LOBYTE(LOWORD(version)) < 5;
}

} // namespace

TMenuItem* TVarUdedForm::AddSysItem(const std::wstring& caption, int tag, int image) {
    auto* item = new TMenuItem(FSysPopup);
    item->SetCaption(caption);
    item->SetTag(tag);
    item->SetImageIndex(image);
    FSysPopup->Items()->Add(item);
    if (FMenuPainter) {
        item->OnDrawItem = FMenuPainter->DrawHandler();
        item->OnMeasureItem = FMenuPainter->PopupMeasureHandler();
    }
    return item;
}

void TVarUdedForm::RebuildSystemPopup() {
    delete FSysPopup;
    FSysPopup = new TPopupMenu(this);
    FSysPopup->SetTag(kSystemPopupTag);
    FSysPopup->SetOwnerDraw(true);
    if (FSkinData)
        FSysPopup->SetImages(FSkinData->MenuGlyphs());
    FSysPopup->SetPopupComponent(FControl);
    const bool maximizeBox = (FKinds.abilities & skin::kCanMaximize) != 0;
    const bool minimizeBox = (FKinds.abilities & skin::kCanMinimize) != 0;
    const HWND window = FWnd;

    if (OldNtFamily()) {
        AddSysItem(L" Restore ", 0, kRestoreGlyph)->OnClick = [window](TObject*) {
            PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        };
        if (maximizeBox)
            AddSysItem(L" Maximize ", 1, kMaximizeGlyph)->OnClick = [window](TObject*) {
                PostMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
            };
        if (minimizeBox)
            AddSysItem(L" Minimize ", 2, kMinimizeGlyph)->OnClick = [window](TObject*) {
                PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            };
        AddSysItem(L"-", 100, -1);
        TMenuItem* close = AddSysItem(L" Close ", 3, kCloseGlyph);
        close->SetShortCut(ShortCut(VK_F4, scAlt));
        close->OnClick = [this](TObject*) {
            if (FTimer)
                FTimer->SetEnabled(false);
            PostMessageW(FWnd, WM_CLOSE, 0, 0);
        };
        return;
    }
    if (!FSysMenu)
        return;
    const int count = GetMenuItemCount(FSysMenu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[kMaxItemText + 1] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_FTYPE;
        info.dwTypeData = text;
        // The capacity in characters, the terminating zero included.
        info.cch = kMaxItemText + 1;
        if (!GetMenuItemInfoW(FSysMenu, static_cast<UINT>(i), TRUE, &info))
            continue;
        text[kMaxItemText] = L'\0';
        const bool line = (info.fType & MFT_SEPARATOR) || text[0] == L'\0';
        const UINT command = info.wID;
        // "&Close\tAlt+F4": the caption, then the short-cut the item shows at its right.
        std::wstring caption = line ? L"-" : std::wstring(text);
        const std::size_t tab = caption.find(L'\t');
        const std::wstring shortCut = tab == std::wstring::npos ? L"" : caption.substr(tab + 1);
        if (tab != std::wstring::npos)
            caption.resize(tab);
        TMenuItem* item = AddSysItem(caption, static_cast<int>(command), -1);
        if (line)
            continue;
        item->SetShortCut(TextToShortCut(shortCut));
        bool enabled = (info.fState & MFS_DISABLED) != MFS_DISABLED;
        item->SetChecked((info.fState & MFS_CHECKED) != 0);
        switch (command & 0xFFF0) {
        case SC_SIZE:
        case SC_MOVE:
            enabled = enabled && FShowState != skin::ShowState::Maximized;
            break;
        case SC_MINIMIZE:
            item->SetImageIndex(kMinimizeGlyph);
            enabled = FShowState != skin::ShowState::Minimized && minimizeBox;
            break;
        case SC_MAXIMIZE:
            item->SetImageIndex(kMaximizeGlyph);
            enabled = FShowState != skin::ShowState::Maximized && maximizeBox;
            break;
        case SC_CLOSE:
            item->SetImageIndex(kCloseGlyph);
            break;
        case SC_RESTORE:
            item->SetImageIndex(kRestoreGlyph);
            enabled = FShowState != skin::ShowState::Normal;
            break;
        default:
            break;
        }
        item->SetEnabled(enabled);
        item->OnClick = [window, command](TObject*) {
            PostMessageW(window, WM_SYSCOMMAND, command, 0);
        };
    }
}

void TVarUdedForm::OpenSystemMenu(POINT screen) {
    const DWORD now = GetTickCount();
    if (FLastClickTime != 0 && now - FLastClickTime <= FDoubleClickTime) {
        // The second of two quick openings: a double click, which closes the window when it
        // was on a caption object.
        FLastClickTime = 0;
        if (FHotObject) {
            if (FTimer)
                FTimer->SetEnabled(false);
            PostMessageW(FWnd, WM_CLOSE, 0, 0);
        }
        return;
    }
    FLastClickTime = now;
    SkinManagerFlags().MenuKind = 2;
    RebuildSystemPopup();
    FSysPopup->Popup(screen.x, screen.y);
}
