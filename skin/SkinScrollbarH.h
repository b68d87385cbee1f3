#pragma once
// TSkinScrollbarH: skinned scroll bars for a control window that has no framework control (a
// simple combo box's list), through its window procedure: an overlay over each of its native
// bars, kept in place as the window changes, told of every scroll, and the corner where two
// bars meet painted in the face colour.

#include "skin/ScrollBarPair.h"
#include "skin/WinSubclass.h"

#include <windows.h>

class TSkinData;

class TSkinScrollbarH : private TWindowHook {
public:
    TSkinScrollbarH(HWND control, TSkinData* skinData);
    ~TSkinScrollbarH() override;

    void Reposition() { bars_.Reposition(); }
    TWScrollbar* Horizontal() const { return bars_.Horizontal(); }
    TWScrollbar* Vertical() const { return bars_.Vertical(); }
    HWND Control() const { return control_; }
    // The control's window is gone: the overlays went with it.
    bool Dead() const { return dead_; }

private:
    LRESULT HookProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    HWND control_;
    TScrollBarPair bars_;
    bool dead_ = false;
};
