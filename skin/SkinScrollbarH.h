#pragma once
// TSkinScrollbarH: skinned scroll bars for a control window through its window procedure: an
// overlay over each of its native bars, kept in place as the window changes, told of every
// scroll, and the corner where two bars meet painted in the face colour.

#include "skin/ScrollOverlay.h"
#include "skin/WinSubclass.h"

#include <windows.h>

#include <memory>

class TSkinData;

class TSkinScrollbarH : private TWindowHook {
public:
    TSkinScrollbarH(HWND control, TSkinData* skinData);
    ~TSkinScrollbarH() override;

    void Reposition();
    TWScrollbar* Horizontal() const { return horizontal_.get(); }
    TWScrollbar* Vertical() const { return vertical_.get(); }
    HWND Control() const { return control_; }
    // The control's window is gone: the overlays went with it.
    bool Dead() const { return dead_; }

private:
    LRESULT HookProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PaintCorner();
    void DropOverlays();

    HWND control_;
    TSkinData* skinData_;
    std::unique_ptr<TWScrollbar> horizontal_;
    std::unique_ptr<TWScrollbar> vertical_;
    bool dead_ = false;
};
