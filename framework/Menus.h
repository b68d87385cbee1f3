#pragma once
// Menus: items in a tree, each with a command identifier unique in the process, built into
// system menus (HMENU); the main menu of a form and pop-up menus. Owner-drawn items are measured
// and drawn by the framework unless the item has its own handlers.

#include "framework/Controls.h"
#include "framework/ImgList.h"
#include "framework/ShortCuts.h"

#include <memory>
#include <vector>

class TMenu;
class TMenuItem;
class TCustomForm;

using TMenuDrawItemEvent =
    std::function<void(TMenuItem* sender, TCanvas* canvas, const RECT& rect, bool selected)>;
using TMenuMeasureItemEvent =
    std::function<void(TMenuItem* sender, TCanvas* canvas, int& width, int& height)>;

class TMenuItem : public TComponent {
    DEVTOOL_CLASS(TMenuItem)
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    // "&File": the letter after "&" is the accelerator; "-" makes a separator line.
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    bool IsLine() const { return caption_ == L"-"; }
    bool Checked() const { return checked_; }
    // Checking a radio item unchecks the radio items of its group beside it.
    void SetChecked(bool v);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool v);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v) { groupIndex_ = v; }
    // A click checks and unchecks the item by itself.
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool v) { autoCheck_ = v; }
    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    // A hidden item is left out of the system menu.
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    int ShortCut() const { return shortCut_; }
    void SetShortCut(int v);
    std::wstring ShortCutText() const { return ShortCutToText(static_cast<TShortCut>(shortCut_)); }

    // The tree.
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    // Frees the items below this one.
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return parent_; }
    int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
    // The menu whose tree holds the item, or null.
    TMenu* GetParentMenu() const;
    void SetParentComponent(TComponent* parent) override;

    // The identifier WM_COMMAND, WM_DRAWITEM and WM_MEASUREITEM carry for this item.
    UINT Command() const { return command_; }
    // The system menu of the items below this one, made when first asked for; null for an item
    // without sub-items (the top of a menu always has one).
    HMENU Handle();

    // Checks an auto-check item, then calls OnClick.
    virtual void Click();
    // The framework's measure of an owner-drawn item, then OnMeasureItem's word on it.
    void MeasureItem(TCanvas& canvas, int& width, int& height);
    // OnDrawItem, or the framework's drawing: image or check mark, caption and short-cut.
    void DrawItem(TCanvas& canvas, const RECT& rect, bool selected);
    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;

private:
    friend class TMenu;
    friend TMenuItem* FindMenuItemByHandle(HMENU menu);
    void Changed();
    void RebuildHandle();
    void FreeHandle();
    void AppendTo(HMENU menu, TMenu* owner, bool first);
    bool InMenuBar() const;

    std::wstring caption_;
    bool checked_ = false;
    bool radioItem_ = false;
    bool autoCheck_ = false;
    bool default_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    int groupIndex_ = 0;
    int imageIndex_ = -1;
    int shortCut_ = 0;
    UINT command_ = 0;
    HMENU handle_ = nullptr;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr; // set on the top item of a menu only
    bool destroying_ = false;
    std::vector<TMenuItem*> items_;
};

class TMenu : public TComponent {
    DEVTOOL_CLASS(TMenu)
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    // The invisible top item; the menu's entries are its sub-items.
    TMenuItem* Items() const { return items_.get(); }
    HMENU Handle() { return items_->Handle(); }
    TCustomImageList* Images() const { return images_.Get(); }
    void SetImages(TCustomImageList* images);
    std::wstring ImagesName() const { return images_.Name(); }
    void SetImagesName(const std::wstring& name);
    // Every item, the bar's own entries included, is drawn by the item's handlers or the
    // framework (MFT_OWNERDRAW). Items below the bar are owner-drawn too while the menu has
    // images.
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool v);
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode mode);
    bool IsRightToLeft() const { return biDiMode_ != TBiDiMode::bdLeftToRight; }

    // The item with this command among the menu's items, or null.
    TMenuItem* FindItem(UINT command) const;
    // The item whose sub-items make up this system menu, or null.
    TMenuItem* FindItemByHandle(HMENU menu) const;
    // The enabled, visible item with this short-cut, or null.
    TMenuItem* FindShortCut(TShortCut shortCut) const;

    void Loaded() override;
    void Notification(TComponent* component, bool removing) override;

protected:
    friend class TMenuItem;
    // Makes the empty system menu of the top item.
    virtual HMENU CreateMenuHandle() = 0;
    // True for a menu bar, whose own entries are never owner-drawn by the framework's choice.
    virtual bool IsMenuBar() const { return false; }
    // Called after the system menus were rebuilt for a change.
    virtual void MenuChanged() {}
    // Builds every system menu of the tree again.
    void RebuildAll();

private:
    std::unique_ptr<TMenuItem> items_;
    TComponentLink<TCustomImageList> images_;
    bool ownerDraw_ = false;
    TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
};

// The menu bar of a form; the form tells it which window it is on.
class TMainMenu : public TMenu {
    DEVTOOL_CLASS(TMainMenu)
public:
    explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
    ~TMainMenu() override;
    TCustomForm* Form() const { return form_; }
    // Called by the form when it takes the menu or lets it go.
    void SetForm(TCustomForm* form) { form_ = form; }

protected:
    HMENU CreateMenuHandle() override { return CreateMenu(); }
    bool IsMenuBar() const override { return true; }
    // The form hears CM_MENUCHANGED through its WindowProc and the bar is drawn again.
    void MenuChanged() override;

private:
    TCustomForm* form_ = nullptr;
};

class TPopupMenu : public TMenu {
    DEVTOOL_CLASS(TPopupMenu)
public:
    explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
    // Shows the menu at a screen point and returns when it closes; the chosen item's command
    // reaches the window the menu was shown for as WM_COMMAND, through its WindowProc.
    void Popup(int x, int y);
    // The control the menu was last opened for.
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component) { popupComponent_ = component; }
    // The window that receives the menu's messages: the owning form's, else the form of the
    // popup component, else the main form's, else a hidden window of the framework's.
    HWND PopupWindow() const;
    void Notification(TComponent* component, bool removing) override;
    TNotifyEvent OnPopup;

protected:
    HMENU CreateMenuHandle() override { return CreatePopupMenu(); }
    void MenuChanged() override;

private:
    TComponent* popupComponent_ = nullptr;
};

// The item behind a command identifier, whatever menu holds it; null when none.
TMenuItem* FindMenuItemByCommand(UINT command);
// The item whose sub-items make up this system menu, whatever menu holds it; null when none.
TMenuItem* FindMenuItemByHandle(HMENU menu);
// Menu messages that reached a window: WM_COMMAND from a menu (lParam 0) clicks its item
// (never a disabled one); WM_MEASUREITEM and WM_DRAWITEM of owner-drawn menu items (ODT_MENU)
// measure and draw it; WM_MENUCHAR finds the item of an open framework menu whose caption's
// accelerator is the key (the system finds none in owner-drawn items).
// True when the message was a menu item's and has been handled.
bool DispatchMenuMessage(TMessage& msg);
// The font menus are drawn in (the system's menu font).
TFont* MenuFont();
