#pragma once
// Panels and timers.

#include "framework/Controls.h"

class TCustomPanel : public TWinControl {
    DEVTOOL_CLASS(TCustomPanel)
public:
    explicit TCustomPanel(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
    void TextChanged() override { Invalidate(); }
};

class TPanel : public TCustomPanel {
    DEVTOOL_CLASS(TPanel)
public:
    using TCustomPanel::TCustomPanel;
};

// Calls OnTimer every Interval milliseconds while Enabled, from the message loop.
class TTimer : public TComponent {
    DEVTOOL_CLASS(TTimer)
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    void SetInterval(int interval);
    void Loaded() override { UpdateTimer(); }
    TNotifyEvent OnTimer;

private:
    void UpdateTimer();
    static LRESULT CALLBACK TimerWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    bool enabled_ = true;
    int interval_ = 1000;
};
