#include "skin/WinSubclass.h"

#include "framework/Controls.h"

#include <commctrl.h>

TWindowHook::~TWindowHook() {
    UnhookWindow();
}

bool TWindowHook::HookWindow(HWND window) {
    if (window_ || !IsWindow(window))
        return false;
    if (!SetWindowSubclass(window, Proc, reinterpret_cast<UINT_PTR>(this), 0))
        return false;
    window_ = window;
    lastWindow_ = window;
    return true;
}

void TWindowHook::UnhookWindow() {
    if (!window_)
        return;
    RemoveWindowSubclass(window_, Proc, reinterpret_cast<UINT_PTR>(this));
    window_ = nullptr;
}

LRESULT TWindowHook::CallDefault(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!lastWindow_)
        return 0;
    return DefSubclassProc(lastWindow_, msg, wParam, lParam);
}

LRESULT CALLBACK TWindowHook::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR) {
    auto* self = reinterpret_cast<TWindowHook*>(id);
    try {
        return self->HookProc(msg, wParam, lParam);
    } catch (...) {
        HandleCurrentException();
    }
    return DefSubclassProc(window, msg, wParam, lParam);
}
