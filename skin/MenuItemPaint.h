#pragma once
// Menu items drawn from the skin's MenuItem element over the background the pop-up menu window
// skinner painted: framework items through their draw and measure handlers, items that only a
// system menu knows through the window's WM_MEASUREITEM and WM_DRAWITEM.

#include "framework/Menus.h"

#include "skin/GdiOwners.h"

#include <windows.h>

#include <memory>
#include <string>

class TCanvas;
class TComponent;
class TCustomForm;
class TMainMenu;
class TMenuItem;
class TSkinData;

// Made shared: the handlers it gives to menu items hold it weakly, so an item drawn after its
// skinner went draws nothing rather than reaching a freed painter.
class TMenuItemPainter : public std::enable_shared_from_this<TMenuItemPainter> {
public:
    TMenuItemPainter(TSkinData* skinData, TMainMenu* barMenu)
        : skinData_(skinData), barMenu_(barMenu) {}

    void MeasureMenuItem(TMenuItem* item, TCanvas* canvas, int& width, int& height) const;
    void MeasurePopupItem(TMenuItem* item, TCanvas* canvas, int& width, int& height) const;
    void DrawMenuItem(TMenuItem* item, TCanvas* canvas, const RECT& rect, bool selected) const;
    void DrawSystemMenuItem(HMENU menu, TMenuItem* item, bool selected, const RECT& rect,
                            TCanvas* canvas) const;
    void DrawPlainMenuItem(TMenuItem* item, TCanvas* canvas, bool selected, const RECT& rect) const;

    // WM_MEASUREITEM and WM_DRAWITEM of owner-drawn items that no framework menu holds: the
    // system menu's own entries. `tracked` is the menu being shown, for the item's text.
    void MeasureSystemItem(HWND window, HMENU tracked, MEASUREITEMSTRUCT& measure) const;
    void DrawSystemItem(const DRAWITEMSTRUCT& draw) const;

    // Hands the skin's draw and measure handlers to the form's main menus (or takes them back).
    void MakeMenusOwnerDrawn(TCustomForm* form, bool on) const;
    // The same for the pop-up menus a component owns, forms walked recursively.
    void MakePopupsOwnerDrawn(TComponent* owner, bool on) const;
    // The handlers given to menu items.
    TMenuDrawItemEvent DrawHandler() const;
    TMenuMeasureItemEvent MenuMeasureHandler() const;
    TMenuMeasureItemEvent PopupMeasureHandler() const;

private:
    // Draws the element frame and the item's content, or the separator, over `background`.
    void DrawItemOver(HMENU backgroundMenu, TMenuItem* item, TCanvas* canvas, const RECT& rect,
                      bool selected, bool separatorsAsLines) const;
    void DrawItemContent(TMenuItem* item, HDC dc, bool selected, const RECT& rect) const;
    void DrawItemText(TMenuItem* item, HDC dc, UINT flags, bool selected, RECT& rect,
                      std::wstring text) const;
    void DrawSeparator(HDC dc, const RECT& rect) const;
    bool HasElement() const;

    TSkinData* skinData_;
    TMainMenu* barMenu_;
    // The system's check-mark bitmap, loaded when first drawn.
    mutable skin::GdiObject<HBITMAP> checkMark_;
};
