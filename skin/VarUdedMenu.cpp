#include "skin/VarUdedMenu.h"

#include "framework/Menus.h"
#include "skin/GdiOwners.h"
#include "skin/ImgUtilPaint.h"
#include "skin/SkinImageGdi.h"
#include "skin/VarUdedData.h"

#include <algorithm>
#include <cwctype>

namespace {

// The longest entry text read from a system menu.
constexpr int kMaxCaption = 80;
// Space an entry keeps round its caption.
constexpr int kItemPadding = 10;

} // namespace

void TMenuBtn::Paint() {
    bar_->PaintItem(*this);
}

TVarUdedMenu::TVarUdedMenu(TVarUdedForm* owner, TSkinData* skinData, TMainMenu* menu, HMENU handle)
    : owner_(owner), skinData_(skinData), menu_(menu), menuHandle_(handle) {}

bool TVarUdedMenu::RightToLeft() const {
    return owner_->Kinds().rightToLeft || (menu_ && menu_->IsRightToLeft());
}

void TVarUdedMenu::BuildItems() {
    if (HMENU current = GetMenu(owner_->Window()))
        menuHandle_ = current;
    if (!menuHandle_)
        return;
    if (owner_->Form() && !menu_)
        return;
    ReadItems(false);
    SetMenu(owner_->Window(), nullptr);
}

void TVarUdedMenu::Rebuild(TMainMenu* menu, HMENU handle) {
    menu_ = menu;
    if (handle)
        menuHandle_ = handle;
    ReadItems(false);
    SetMenu(owner_->Window(), nullptr);
    LayoutItems();
}

void TVarUdedMenu::RebuildItems(HMENU handle) {
    if (handle)
        menuHandle_ = handle;
    ReadItems(true);
    SetMenu(owner_->Window(), nullptr);
    LayoutItems();
}

void TVarUdedMenu::ReadItems(bool onlyMissingCaptions) {
    // The hot object may be one of the entries about to go: let go of it first.
    for (const auto& entry : items_) {
        if (owner_->HotObject() == entry.get())
            owner_->SetHotObject(nullptr);
    }
    items_.clear();
    ++version_;
    const int count = GetMenuItemCount(menuHandle_);
    for (int i = 0; i < count; ++i) {
        wchar_t text[kMaxCaption + 1] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = kMaxCaption + 1; // characters, the terminating zero included
        if (!GetMenuItemInfoW(menuHandle_, static_cast<UINT>(i), TRUE, &info))
            continue;
        text[kMaxCaption] = L'\0';
        auto item = std::make_unique<TMenuBtn>(owner_, this);
        item->Visible = true;
        item->Index = static_cast<int>(items_.size());
        item->Enabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
        item->Command = info.wID;
        item->SubMenu = info.hSubMenu;
        item->Caption = text;
        const bool takeFromFramework = !onlyMissingCaptions || item->Caption.empty();
        TMenuItem* frameworkItem = nullptr;
        if (menu_ && takeFromFramework) {
            frameworkItem = info.hSubMenu ? menu_->FindItemByHandle(info.hSubMenu) : nullptr;
            if (!frameworkItem)
                frameworkItem = menu_->FindItem(info.wID);
        }
        if (frameworkItem) {
            item->Caption = frameworkItem->Caption();
            item->Enabled = frameworkItem->Enabled();
            item->Item = frameworkItem;
            item->Command = frameworkItem->Command();
            item->SubMenu = frameworkItem->Count() > 0 ? frameworkItem->Handle() : nullptr;
        }
        items_.push_back(std::move(item));
    }
}

void TVarUdedMenu::LayoutItems() {
    RECT window{};
    GetWindowRect(owner_->Window(), &window);
    const skin::FrameMetrics& m = owner_->Metrics();
    const RECT bar{m.borderLeft, m.captionHeight, (window.right - window.left) - m.borderRight,
                   m.captionHeight + m.menuHeight};
    if (bar.right <= bar.left || bar.bottom <= bar.top)
        return;
    skin::ScreenDC screen;
    PlaceItems(screen.Get(), bar, false);
}

void TVarUdedMenu::DrawCaption(HDC dc, const TMenuBtn& item, const RECT& rect) const {
    const TSkinColours& c = skinData_->Colours();
    SetTextColor(dc, item.Enabled ? static_cast<COLORREF>(c.MenuBarText)
                                  : GetSysColor(COLOR_BTNSHADOW));
    // Centred: across by DT_CENTER, down by half the room the measured text leaves.
    RECT measured = rect;
    skin::DrawTextAuto(dc, item.Caption, measured,
                       DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE | DT_NOCLIP);
    const int dy = ((rect.bottom - rect.top) - (measured.bottom - measured.top)) / 2;
    RECT centred{rect.left, rect.top + dy, rect.right,
                 rect.top + dy + (measured.bottom - measured.top)};
    skin::DrawTextAuto(dc, item.Caption, centred, DT_CENTER | DT_EXPANDTABS | DT_SINGLELINE);
}

void TVarUdedMenu::PlaceItems(HDC dc, const RECT& bar, bool draw) {
    const int width = bar.right - bar.left;
    const int height = bar.bottom - bar.top;
    const TSkinElements& s = skinData_->Elements();
    const bool rtl = RightToLeft();
    int x = 6;
    if (s.MenuBar && !s.MenuBar->Image.Empty()) {
        x = rtl ? s.MenuBar->RightWidth + 8 : s.MenuBar->LeftWidth + 4;
        if (width < x)
            x = 12;
    }
    skin::SelectScope font(dc, MenuFont()->Handle());
    SetBkMode(dc, TRANSPARENT);
    for (const auto& item : items_) {
        if (!item->Visible) {
            item->Rect = {};
            continue;
        }
        int itemWidth = 0;
        if (!item->Caption.empty()) {
            RECT measure{0, 0, 0, 0};
            skin::DrawTextAuto(dc, item->Caption, measure, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
            itemWidth = (measure.right - measure.left) + kItemPadding;
        }
        RECT rect{x, 0, x + itemWidth, height - 1};
        if (rtl)
            rect = {width - x - itemWidth, 0, width - x, height - 1};
        x += itemWidth;
        if (draw && itemWidth > 0)
            DrawCaption(dc, *item, rect);
        item->Rect = {rect.left + bar.left, rect.top + bar.top, rect.right + bar.left,
                      bar.bottom - 1};
    }
}

void TVarUdedMenu::PaintBar(HDC dc, const RECT& bar) {
    const int width = bar.right - bar.left;
    const int height = bar.bottom - bar.top;
    if (width <= 0 || height <= 0)
        return;
    barRect_ = bar;
    skin::DibSection picture = skin::DibSection::Create(width, height, 32);
    if (!picture)
        return;
    skin::MemoryDC memory;
    skin::SelectScope select(memory.Get(), picture.Handle());
    const RECT all{0, 0, width, height};
    const TSkinElements& s = skinData_->Elements();
    if (s.MenuBar && !s.MenuBar->Image.Empty()) {
        const TDataSkinObject& e = *s.MenuBar;
        const int frame = owner_->IsActive() ? 1 : 2;
        if (e.Tile == 1)
            skin::DrawNineGridTo(memory.Get(), all, ImageHandle(e.Image),
                                 skin::FrameLayout::Stacked, false, false, 2, frame, MarginsOf(e));
        else
            skin::DrawStripTiled(memory.Get(), all, ImageHandle(e.Image),
                                 skin::FrameLayout::Stacked, false, 2, frame, MarginsOf(e));
    } else {
        skin::GdiBrush brush(CreateSolidBrush(static_cast<COLORREF>(skinData_->Colours().Menubar)));
        FillRect(memory.Get(), &all, brush.Get());
    }
    barBackground_ = skin::DibSection::Create(width, height, 32);
    if (barBackground_) {
        skin::MemoryDC copy;
        skin::SelectScope selectCopy(copy.Get(), barBackground_.Handle());
        BitBlt(copy.Get(), 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY);
    }
    PlaceItems(memory.Get(), bar, true);
    // The three MDI child buttons of a maximized child sit at the bar's far end.
    if (owner_->ShowsMdiChildButtons()) {
        for (const auto& button : owner_->CaptionButtons()) {
            const TDataSkinSysButton& e = *button->Element();
            if (e.Visibility != 100 || e.Image.Empty() || !button->Visible)
                continue;
            RECT r{button->Rect.left - bar.left, button->Rect.top - bar.top,
                   button->Rect.right - bar.left, button->Rect.bottom - bar.top};
            skin::DrawFrame(memory.Get(), r, ImageHandle(e.Image), true, e.Frames(), 1);
        }
        SetMDIChildMaximized(true);
    }
    BitBlt(dc, bar.left, bar.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

void TVarUdedMenu::PaintItem(TMenuBtn& item) {
    const HWND window = owner_->Window();
    if (!barBackground_ || !IsWindow(window) || item.Rect.Width() <= 0)
        return;
    skin::WindowDC dc(window);
    if (!dc.Get())
        return;
    const RECT r{item.Rect.left, item.Rect.top, item.Rect.right, item.Rect.bottom};
    {
        skin::MemoryDC source;
        skin::SelectScope select(source.Get(), barBackground_.Handle());
        BitBlt(dc.Get(), r.left, r.top, r.right - r.left, r.bottom - r.top, source.Get(),
               r.left - barRect_.left, r.top - barRect_.top, SRCCOPY);
    }
    if (item.State == 2 || item.State == 3) {
        skin::GdiBrush frame(
            CreateSolidBrush(static_cast<COLORREF>(skinData_->Colours().ButtonHilight)));
        FrameRect(dc.Get(), &r, frame.Get());
    }
    skin::SelectScope font(dc.Get(), MenuFont()->Handle());
    SetBkMode(dc.Get(), TRANSPARENT);
    DrawCaption(dc.Get(), item, r);
}

TMenuBtn* TVarUdedMenu::ItemAt(POINT p) const {
    for (const auto& item : items_) {
        const skin::PaintRect& r = item->Rect;
        if (!item->Caption.empty() && p.x >= r.left && p.x < r.right && p.y >= r.top &&
            p.y < r.bottom)
            return item.get();
    }
    return nullptr;
}

TMenuBtn* TVarUdedMenu::NeighbourItem(int index, bool forward) const {
    if (items_.empty())
        return nullptr;
    const int count = static_cast<int>(items_.size());
    const int next = forward ? (index + 1) % count : (index - 1 + count) % count;
    return items_[static_cast<std::size_t>(std::clamp(next, 0, count - 1))].get();
}

TMenuBtn* TVarUdedMenu::ItemWithAccelerator(wchar_t key) const {
    if (key == 0)
        return items_.empty() ? nullptr : items_.front().get();
    for (const auto& item : items_) {
        const wchar_t accelerator = AcceleratorChar(item->Caption);
        if (accelerator && towupper(accelerator) == towupper(key))
            return item.get();
    }
    return nullptr;
}
