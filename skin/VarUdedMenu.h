#pragma once
// TVarUdedMenu: the menu bar of a skinned window, painted in the band the window skinner keeps
// below the caption. The window's own menu bar is taken away so the system draws none; each
// entry is a TMenuBtn, a clickable object of the non-client area.

#include "skin/ImgUtilDib.h"
#include "skin/VarUdedForm.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class TMainMenu;
class TMenuItem;
class TSkinData;
class TVarUdedMenu;

class TMenuBtn : public TNCObject {
public:
    TMenuBtn(TVarUdedForm* owner, TVarUdedMenu* bar) : TNCObject(owner), bar_(bar) {}
    void Paint() override;

    TMenuItem* Item = nullptr;
    int Index = 0;
    std::wstring Caption;
    bool Enabled = true;
    HMENU SubMenu = nullptr;
    UINT Command = 0;

private:
    TVarUdedMenu* bar_;
};

class TVarUdedMenu {
public:
    TVarUdedMenu(TVarUdedForm* owner, TSkinData* skinData, TMainMenu* menu, HMENU handle);
    TVarUdedMenu(const TVarUdedMenu&) = delete;
    TVarUdedMenu& operator=(const TVarUdedMenu&) = delete;

    // The entries from the window's menu handle (captions and states of the framework's items
    // where there are any), then the window's own bar is taken away.
    void BuildItems();
    // The form's menu changed: every entry built again from the new menu and its handle, and
    // laid out.
    void Rebuild(TMainMenu* menu, HMENU handle);
    // The same for a new menu handle of an MDI frame: only entries without a system caption
    // take the framework item's caption and command.
    void RebuildItems(HMENU handle);
    // Every entry's rectangle for the current band, without painting.
    void LayoutItems();
    // The whole bar into `dc`, whose origin is the window's top-left corner.
    void PaintBar(HDC dc, const RECT& bar);
    // One entry in its state, straight onto the window.
    void PaintItem(TMenuBtn& item);
    // The first entry with a caption under a window point, or null.
    TMenuBtn* ItemAt(POINT windowPoint) const;
    // The entry after (or before) the one at `index`, wrapping round.
    TMenuBtn* NeighbourItem(int index, bool forward) const;
    // The entry whose caption has this accelerator, or null.
    TMenuBtn* ItemWithAccelerator(wchar_t key) const;

    const std::vector<std::unique_ptr<TMenuBtn>>& Items() const { return items_; }
    HMENU MenuHandle() const { return menuHandle_; }
    TMainMenu* Menu() const { return menu_; }
    bool RightToLeft() const;
    // Changes each time the entries are built, so a cached frame is drawn anew.
    int Version() const { return version_; }

private:
    void ReadItems(bool onlyMissingCaptions);
    // Draws the entries onto `dc` at bar coordinates and stores their window rectangles.
    void PlaceItems(HDC dc, const RECT& bar, bool draw);
    void DrawCaption(HDC dc, const TMenuBtn& item, const RECT& rect) const;

    TVarUdedForm* owner_;
    TSkinData* skinData_;
    TMainMenu* menu_;
    HMENU menuHandle_;
    std::vector<std::unique_ptr<TMenuBtn>> items_;
    RECT barRect_{};
    skin::DibSection barBackground_;
    int version_ = 0;
};

// Opens the drop-down of a bar entry on the window of `skinner`, with keyboard and mouse
// moving between the bar's entries while it is open. False when the entry has no drop-down.
bool OpenMenuBarItem(TVarUdedForm& skinner, TVarUdedMenu& bar, TMenuBtn& item);
