#include "skin/SkinScrollbarH.h"

TSkinScrollbarH::TSkinScrollbarH(HWND control, TSkinData* skinData)
    : control_(control), bars_(control, skinData) {
    HookWindow(control);
    bars_.Reposition();
}

TSkinScrollbarH::~TSkinScrollbarH() {
    UnhookWindow();
}

LRESULT TSkinScrollbarH::HookProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DESTROY:
        // Hidden and freed at once: no ghost bar stays over the parent.
        dead_ = true;
        bars_.Drop();
        return CallDefault(msg, wParam, lParam);
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case WM_NCPAINT: {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        bars_.Reposition();
        return result;
    }
    case WM_SHOWWINDOW: {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        if (!wParam)
            bars_.Hide();
        return result;
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        bars_.Scrolled(msg, wParam);
        return result;
    }
    case WM_MOUSEWHEEL: {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        bars_.Invalidate();
        return result;
    }
    case WM_PAINT: {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        bars_.AfterControlPaint();
        return result;
    }
    default:
        return CallDefault(msg, wParam, lParam);
    }
}
