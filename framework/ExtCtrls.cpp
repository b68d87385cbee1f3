#include "framework/ExtCtrls.h"

// TCustomPanel

const TClassInfo& TCustomPanel::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TCustomPanel, TWinControl>(
        "TCustomPanel",
        [](PropBuilder<TCustomPanel>& b) {
            b.Str("Caption", &TCustomPanel::Caption, &TCustomPanel::SetCaption);
        },
        false);
    return info;
}

const TClassInfo& TPanel::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TPanel, TCustomPanel>("TPanel", nullptr, true);
    return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
}

// A raised edge and the caption in the middle.
void TCustomPanel::PaintWindow(HDC dc) {
    RECT r = ClientRect();
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    TCanvas canvas(dc);
    canvas.Font()->Assign(*Font());
    SetBkMode(dc, TRANSPARENT);
    canvas.TextRect(r, Caption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// TTimer

const TClassInfo& TTimer::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TTimer, TComponent>(
        "TTimer",
        [](PropBuilder<TTimer>& b) {
            b.Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
                .Int("Interval", &TTimer::Interval, &TTimer::SetInterval)
                .NotifyEvent("OnTimer", &TTimer::OnTimer);
        },
        true);
    return info;
}

LRESULT CALLBACK TTimer::TimerWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
        auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (timer && timer->enabled_ && timer->OnTimer) {
            try {
                timer->OnTimer(timer);
            } catch (...) {
                HandleCurrentException();
            }
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = TimerWndProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TTimerWindow";
        return RegisterClassW(&wc) != 0;
    }();
    (void)registered;
    window_ = CreateWindowExW(0, L"TTimerWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (window_)
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimer::~TTimer() {
    if (window_) {
        KillTimer(window_, 1);
        DestroyWindow(window_);
    }
}

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(int interval) {
    interval_ = interval;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (!window_ || Loading())
        return;
    KillTimer(window_, 1);
    if (enabled_ && interval_ > 0)
        SetTimer(window_, 1, static_cast<UINT>(interval_), nullptr);
}
