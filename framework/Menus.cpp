// Menu items, their system menus and the menus that hold them.

#include "framework/Menus.h"

#include "framework/Forms.h"

#include <algorithm>
#include <functional>
#include <map>

namespace {

// Command identifiers in use, each with its item. They stay below 0xF000, where the system's
// own commands (SC_CLOSE and the rest) begin.
constexpr UINT kLastCommand = 0xEFFF;

std::map<UINT, TMenuItem*>& Commands() {
    static std::map<UINT, TMenuItem*> commands;
    return commands;
}

UINT AllocateCommand(TMenuItem* item) {
    static UINT next = 1;
    auto& commands = Commands();
    for (UINT tries = 0; tries < kLastCommand; ++tries) {
        UINT command = next;
        next = next >= kLastCommand ? 1 : next + 1;
        if (commands.emplace(command, item).second)
            return command;
    }
    throw Exception(L"No menu command identifier is free");
}

} // namespace

TMenuItem* FindMenuItemByCommand(UINT command) {
    auto& commands = Commands();
    auto it = commands.find(command);
    return it == commands.end() ? nullptr : it->second;
}

TMenuItem* FindMenuItemByHandle(HMENU menu) {
    if (!menu)
        return nullptr;
    for (const auto& [command, item] : Commands()) {
        if (item->handle_ == menu)
            return item;
    }
    return nullptr;
}

// TMenuItem

const TClassInfo& TMenuItem::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TMenuItem, TComponent>(
        "TMenuItem",
        [](PropBuilder<TMenuItem>& b) {
            b.Str("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
                .Bool("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
                .Bool("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem)
                .Int("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex)
                .Bool("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck)
                .Bool("Default", &TMenuItem::Default, &TMenuItem::SetDefault)
                .Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
                .Bool("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
                .Int("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
                .Int("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
                .NotifyEvent("OnClick", &TMenuItem::OnClick);
        },
        true);
    return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(AllocateCommand(this)) {}

// The item leaves its parent first, then empties its own system menu so that freeing it does
// not free the sub-items' menus, which the sub-items free themselves.
TMenuItem::~TMenuItem() {
    destroying_ = true;
    if (parent_)
        parent_->Remove(this);
    if (handle_) {
        while (GetMenuItemCount(handle_) > 0)
            RemoveMenu(handle_, 0, MF_BYPOSITION);
    }
    while (!items_.empty())
        delete items_.back();
    if (handle_)
        DestroyMenu(handle_);
    Commands().erase(command_);
}

void TMenuItem::SetCaption(const std::wstring& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    Changed();
}

void TMenuItem::SetChecked(bool v) {
    if (v == checked_)
        return;
    checked_ = v;
    if (v && radioItem_ && parent_) {
        for (TMenuItem* other : parent_->items_) {
            if (other != this && other->radioItem_ && other->groupIndex_ == groupIndex_)
                other->checked_ = false;
        }
    }
    Changed();
}

void TMenuItem::SetRadioItem(bool v) {
    radioItem_ = v;
    Changed();
}

void TMenuItem::SetDefault(bool v) {
    default_ = v;
    Changed();
}

void TMenuItem::SetEnabled(bool v) {
    if (v == enabled_)
        return;
    enabled_ = v;
    Changed();
}

void TMenuItem::SetVisible(bool v) {
    if (v == visible_)
        return;
    visible_ = v;
    Changed();
}

void TMenuItem::SetImageIndex(int v) {
    imageIndex_ = v;
    Changed();
}

void TMenuItem::SetShortCut(int v) {
    shortCut_ = v & 0xFFFF;
    Changed();
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item == this || item->parent_ == this)
        return;
    for (TMenuItem* p = parent_; p; p = p->parent_) {
        if (p == item)
            throw Exception(L"A menu item cannot hold its own parent");
    }
    if (item->parent_)
        item->parent_->Remove(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    RebuildHandle();
    Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end())
        return;
    items_.erase(it);
    item->parent_ = nullptr;
    if (destroying_)
        return;
    RebuildHandle();
    Changed();
}

void TMenuItem::Clear() {
    while (!items_.empty())
        delete items_.back();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* top = this;
    while (top->parent_)
        top = top->parent_;
    return top->menu_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* menu = dynamic_cast<TMenu*>(parent)) {
        menu->Items()->Add(this);
        return;
    }
    if (auto* item = dynamic_cast<TMenuItem*>(parent)) {
        item->Add(this);
        return;
    }
    throw EFormError(L"Menu item " + Name() + L" is not inside a menu");
}

bool TMenuItem::InMenuBar() const {
    return parent_ && parent_->menu_ && parent_->menu_->IsMenuBar();
}

HMENU TMenuItem::Handle() {
    if (!handle_ && (menu_ || !items_.empty())) {
        handle_ = menu_ ? menu_->CreateMenuHandle() : CreatePopupMenu();
        RebuildHandle();
    }
    return handle_;
}

// Fills the item's system menu again from its visible sub-items. RemoveMenu, unlike
// DeleteMenu, leaves the sub-items' own menus alive.
void TMenuItem::RebuildHandle() {
    if (!handle_ || destroying_)
        return;
    while (GetMenuItemCount(handle_) > 0)
        RemoveMenu(handle_, 0, MF_BYPOSITION);
    TMenu* menu = GetParentMenu();
    bool first = true;
    for (TMenuItem* item : items_) {
        if (!item->visible_)
            continue;
        item->AppendTo(handle_, menu, first);
        first = false;
    }
}

void TMenuItem::AppendTo(HMENU menu, TMenu* owner, bool first) {
    const bool bar = InMenuBar();
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA | MIIM_SUBMENU;
    mi.wID = command_;
    mi.dwItemData = command_;
    std::wstring text = caption_;
    if (IsLine()) {
        mi.fType = MFT_SEPARATOR;
    } else {
        if (shortCut_ && !bar && !ShortCutText().empty())
            text += L"\t" + ShortCutText();
        mi.fMask |= MIIM_STRING;
        mi.dwTypeData = text.data();
        mi.cch = static_cast<UINT>(text.size());
    }
    if (radioItem_)
        mi.fType |= MFT_RADIOCHECK;
    if (owner) {
        if (owner->OwnerDraw() || (owner->Images() && !bar))
            mi.fType |= MFT_OWNERDRAW;
        if (owner->IsRightToLeft()) {
            mi.fType |= MFT_RIGHTORDER;
            if (bar && first) // the bar's entries start at its right edge
                mi.fType |= MFT_RIGHTJUSTIFY;
        }
    }
    if (checked_)
        mi.fState |= MFS_CHECKED;
    if (!enabled_)
        mi.fState |= MFS_DISABLED | MFS_GRAYED;
    if (default_)
        mi.fState |= MFS_DEFAULT;
    mi.hSubMenu = items_.empty() ? nullptr : Handle();
    InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &mi);
}

// A change shows in the parent's system menu (this item's entry) and is told to the menu.
void TMenuItem::Changed() {
    TMenu* menu = GetParentMenu();
    if (Loading() || destroying_ || (menu && menu->Loading()))
        return;
    if (parent_)
        parent_->RebuildHandle();
    if (menu)
        menu->MenuChanged();
}

void TMenuItem::Click() {
    if (autoCheck_)
        SetChecked(radioItem_ ? true : !checked_);
    if (OnClick)
        OnClick(this);
}

// TMenu

const TClassInfo& TMenu::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TMenu, TComponent>(
        "TMenu",
        [](PropBuilder<TMenu>& b) {
            b.ComponentRef("Images", &TMenu::ImagesName, &TMenu::SetImagesName)
                .Bool("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw)
                .Enum("BiDiMode", BiDiModeNames, &TMenu::BiDiMode, &TMenu::SetBiDiMode);
        },
        false);
    return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)) {
    items_->menu_ = this;
}

TMenu::~TMenu() {
    items_.reset();
}

void TMenu::SetImages(TCustomImageList* images) {
    images_.Set(images);
    RebuildAll();
}

void TMenu::SetImagesName(const std::wstring& name) {
    images_.SetName(*this, name);
    RebuildAll();
}

void TMenu::SetOwnerDraw(bool v) {
    if (v == ownerDraw_)
        return;
    ownerDraw_ = v;
    RebuildAll();
}

void TMenu::SetBiDiMode(TBiDiMode mode) {
    if (mode == biDiMode_)
        return;
    biDiMode_ = mode;
    RebuildAll();
}

void TMenu::Loaded() {
    TComponent::Loaded();
    images_.Resolve(*this);
    RebuildAll();
}

void TMenu::Notification(TComponent* component, bool removing) {
    TComponent::Notification(component, removing);
    if (removing && images_.Get() && static_cast<TComponent*>(images_.Get()) == component) {
        images_.Forget(component);
        RebuildAll();
    }
}

namespace {
// Sub-items first: a menu's entries point at the sub-menus, which must be complete.
void RebuildTree(TMenuItem* item, const std::function<void(TMenuItem*)>& rebuild) {
    for (int i = 0; i < item->Count(); ++i)
        RebuildTree(item->Items(i), rebuild);
    rebuild(item);
}

template <class Pred> TMenuItem* FindInTree(TMenuItem* item, const Pred& pred) {
    for (int i = 0; i < item->Count(); ++i) {
        TMenuItem* child = item->Items(i);
        if (pred(child))
            return child;
        if (TMenuItem* found = FindInTree(child, pred))
            return found;
    }
    return nullptr;
}
} // namespace

void TMenu::RebuildAll() {
    if (Loading())
        return;
    RebuildTree(items_.get(), [](TMenuItem* item) { item->RebuildHandle(); });
    MenuChanged();
}

TMenuItem* TMenu::FindItem(UINT command) const {
    TMenuItem* item = FindMenuItemByCommand(command);
    return item && item->GetParentMenu() == this ? item : nullptr;
}

TMenuItem* TMenu::FindItemByHandle(HMENU menu) const {
    if (!menu)
        return nullptr;
    if (items_->handle_ == menu)
        return items_.get();
    return FindInTree(items_.get(), [menu](TMenuItem* item) { return item->handle_ == menu; });
}

TMenuItem* TMenu::FindShortCut(TShortCut shortCut) const {
    if (shortCut == scNone)
        return nullptr;
    // Items under a hidden or disabled parent cannot be reached either.
    std::function<TMenuItem*(TMenuItem*)> search = [&](TMenuItem* item) -> TMenuItem* {
        for (int i = 0; i < item->Count(); ++i) {
            TMenuItem* child = item->Items(i);
            if (!child->Visible() || !child->Enabled())
                continue;
            if (child->ShortCut() == shortCut)
                return child;
            if (TMenuItem* found = search(child))
                return found;
        }
        return nullptr;
    };
    return search(items_.get());
}

// TMainMenu

const TClassInfo& TMainMenu::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TMainMenu, TMenu>("TMainMenu", nullptr, true);
    return info;
}

TMainMenu::~TMainMenu() {
    if (form_)
        form_->SetMenu(nullptr);
}

void TMainMenu::MenuChanged() {
    if (form_)
        form_->Perform(CM_MENUCHANGED, 0, reinterpret_cast<LPARAM>(this));
}

// TPopupMenu

const TClassInfo& TPopupMenu::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TPopupMenu, TMenu>(
        "TPopupMenu",
        [](PropBuilder<TPopupMenu>& b) { b.NotifyEvent("OnPopup", &TPopupMenu::OnPopup); }, true);
    return info;
}

void TPopupMenu::MenuChanged() {
    if (auto* form = dynamic_cast<TCustomForm*>(Owner()))
        form->Perform(CM_MENUCHANGED, 0, reinterpret_cast<LPARAM>(this));
}

void TPopupMenu::Notification(TComponent* component, bool removing) {
    TMenu::Notification(component, removing);
    if (removing && component == popupComponent_)
        popupComponent_ = nullptr;
}

namespace {

// Receives the commands of pop-up menus that belong to no window of the program.
LRESULT CALLBACK PopupListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    try {
        if (DispatchMenuMessage(m))
            return m.Result;
    } catch (...) {
        HandleCurrentException();
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND PopupListWindow() {
    static HWND window = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = PopupListProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TPopupList";
        RegisterClassW(&wc);
        return CreateWindowExW(WS_EX_TOOLWINDOW, L"TPopupList", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    }();
    return window;
}

} // namespace

HWND TPopupMenu::PopupWindow() const {
    for (TComponent* c = Owner(); c; c = c->Owner()) {
        auto* form = dynamic_cast<TCustomForm*>(c);
        if (form && form->HandleAllocated())
            return form->Handle();
    }
    if (auto* control = dynamic_cast<TControl*>(popupComponent_)) {
        TControl* top = control;
        while (top->Parent())
            top = top->Parent();
        auto* window = dynamic_cast<TWinControl*>(top);
        if (window && window->HandleAllocated())
            return window->Handle();
    }
    if (Application && Application->MainForm() && Application->MainForm()->HandleAllocated())
        return Application->MainForm()->Handle();
    return PopupListWindow();
}

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup)
        OnPopup(this);
    HWND window = PopupWindow();
    UINT flags = TPM_LEFTBUTTON | TPM_RIGHTBUTTON;
    if (IsRightToLeft())
        flags |= TPM_RIGHTALIGN;
    // The menu closes on a click elsewhere only while its window is in the foreground; the
    // empty message afterwards lets a second menu open at once (a known need of TrackPopupMenu).
    SetForegroundWindow(window);
    TrackPopupMenu(Handle(), flags, x, y, 0, window, nullptr);
    PostMessageW(window, WM_NULL, 0, 0);
}
