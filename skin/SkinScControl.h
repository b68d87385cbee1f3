#pragma once
// TSkinScControl: a stand-alone scroll bar control drawn from the skin by one overlay over the
// whole control; presses go to the control itself, which keeps its own behaviour.

#include "skin/ScrollOverlay.h"
#include "skin/WinSubclass.h"

#include <windows.h>

#include <memory>

class TSkinData;

class TSkinScControl : private TWindowHook {
public:
    TSkinScControl(HWND control, TSkinData* skinData);
    ~TSkinScControl() override;

    TWScrollbar* Overlay() const { return overlay_.get(); }

private:
    LRESULT HookProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    HWND control_;
    std::unique_ptr<TWScrollbar> overlay_;
};
