#include "skin/SkinScControl.h"

TSkinScControl::TSkinScControl(HWND control, TSkinData* skinData) : control_(control) {
    overlay_ = std::make_unique<TWScrollbar>(control, TWScrollbar::Control, skinData);
    HookWindow(control);
    overlay_->Reposition();
}

TSkinScControl::~TSkinScControl() {
    UnhookWindow();
    overlay_.reset();
}

LRESULT TSkinScControl::HookProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DESTROY:
        // Hidden and freed with the control's window.
        overlay_.reset();
        return CallDefault(msg, wParam, lParam);
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        if (overlay_)
            overlay_->Invalidate();
        return result;
    }
    case WM_WINDOWPOSCHANGED:
    case WM_NCPAINT: {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        if (overlay_)
            overlay_->Reposition();
        return result;
    }
    case WM_SHOWWINDOW: {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        if (overlay_ && !wParam)
            overlay_->Hide();
        return result;
    }
    case WM_ENABLE: {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        if (overlay_) {
            overlay_->Enable(wParam != 0);
            overlay_->Invalidate();
        }
        return result;
    }
    default:
        return CallDefault(msg, wParam, lParam);
    }
}
