#pragma once
// TVarUdedPopMenu: takes over one menu window ("#32768") while it is open and paints its frame
// and background from the skin's menu background; the items are drawn by the menu item painter.

#include "skin/ImgUtilDib.h"
#include "skin/WinSubclass.h"

#include <windows.h>

class TSkinData;

class TVarUdedPopMenu : private TWindowHook {
public:
    TVarUdedPopMenu() = default;
    ~TVarUdedPopMenu() override;

    void Attach(HWND window, TSkinData* skinData, HMENU menu);
    // Gives the window its own procedure back and drops the background.
    void Detach();

    HWND Window() const { return FWnd; }
    HMENU MenuHandle() const { return FMenuHandle; }
    void SetMenuHandle(HMENU menu) { FMenuHandle = menu; }
    TSkinData* SkinData() const { return FSkinData; }
    // The background as last painted (null before the first paint).
    HBITMAP Background() const { return FBackground.Handle(); }

private:
    LRESULT HookProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT WMEraseBkgnd(WPARAM wParam, LPARAM lParam);
    LRESULT WMNCPaint(WPARAM wParam, LPARAM lParam);
    LRESULT WMPrintClient(WPARAM wParam, LPARAM lParam);
    bool CanPaint() const;
    // Renders the menu background at the window's size into FBackground.
    bool RenderBackground();

    HWND FWnd = nullptr;
    TSkinData* FSkinData = nullptr;
    HMENU FMenuHandle = nullptr;
    skin::DibSection FBackground;
};
