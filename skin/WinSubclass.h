#pragma once
// Putting a handler in front of a window's procedure and taking it out again, for windows the
// skin engine did not create. The system's subclass chain is used, so handlers can be removed
// in any order and a handler added after ours keeps working when ours goes.

#include <windows.h>

class TWindowHook {
public:
    TWindowHook() = default;
    TWindowHook(const TWindowHook&) = delete;
    TWindowHook& operator=(const TWindowHook&) = delete;
    virtual ~TWindowHook();

    // Wraps SetWindowSubclass. False when the window is gone or already hooked by this object.
    bool HookWindow(HWND window);
    // Wraps RemoveWindowSubclass; safe to call while a message of the window is being handled.
    void UnhookWindow();
    HWND HookedWindow() const { return window_; }
    bool Hooked() const { return window_ != nullptr; }

protected:
    // Every message of the hooked window comes here first. Exceptions are handed to the
    // application's error display; the message then gets the default answer.
    virtual LRESULT HookProc(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
    // The next procedure of the chain (the window's own, in the end). Also right after the
    // hook was taken out while the message is being handled.
    LRESULT CallDefault(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                 DWORD_PTR data);
    HWND window_ = nullptr;
    HWND lastWindow_ = nullptr; // stays after unhooking, for the message being handled
};
