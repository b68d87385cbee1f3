#pragma once
// TWScrollbar: a small window of the skin engine laid exactly over one native scroll bar (or
// over a stand-alone scroll bar control) that paints the bar from the skin. Every press is
// handed to the native bar underneath, so the system keeps doing all the scrolling; the overlay
// learns which part is active from the control's scroll notifications.

#include "skin/ScrollGeometry.h"

#include <windows.h>

class TSkinData;

class TWScrollbar {
public:
    enum Kind { Horizontal = 0, Vertical = 1, Control = 2 };

    TWScrollbar(HWND target, Kind kind, TSkinData* skinData);
    ~TWScrollbar();
    TWScrollbar(const TWScrollbar&) = delete;
    TWScrollbar& operator=(const TWScrollbar&) = delete;

    // Places the overlay over the native bar, or hides it when the bar or its window is not
    // visible.
    void Reposition();
    void Hide();
    // A scroll notification of the target: its code becomes the hot part.
    void SetHotPart(int code);
    void Invalidate();
    void Enable(bool enabled);

    HWND Window() const { return window_; }
    HWND Target() const { return target_; }
    bool Shown() const { return shown_; }
    int HotPart() const { return hot_; }
    bool IsVertical() const { return vertical_; }
    // The native bar's rectangle in the target's client coordinates (kinds 0 and 1).
    const RECT& NativeRect() const { return native_; }
    // The thumb as last painted, along the bar.
    skin::ThumbSpan PaintedThumb() const { return painted_; }

private:
    static void RegisterOverlayClass();
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
    void WMPaint();
    void WMMouseMove(LPARAM lParam);
    void WMMouseLeave();
    void WMLButtonDown(LPARAM lParam);
    void WMLButtonUp(LPARAM lParam);

    // The bar as the system sees it now: its length, thumb and whether it is enabled.
    struct BarState {
        bool valid = false;
        bool visible = false;
        bool enabled = true;
        RECT screen{};
        int length = 0;
        skin::ThumbSpan thumb;
    };
    BarState Query() const;
    // A point along the bar in overlay coordinates.
    int Along(POINT overlayPoint) const;
    // The message that hands a press (or release) at an overlay point to the native bar: a
    // non-client press at the same screen point, or a press on the scroll bar control.
    struct Forward {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    Forward ForwardOf(POINT overlayPoint, bool down) const;
    void Paint(HDC dc, const RECT& client);

    HWND target_;
    Kind kind_;
    bool vertical_;
    TSkinData* skinData_;
    HWND window_ = nullptr;
    int arrow_;
    int barLength_ = 0;
    skin::ThumbSpan thumb_;
    skin::ThumbSpan painted_;
    int hot_ = skin::kNoPart;
    bool pressed_ = false;
    POINT pressPoint_{};
    int thumbStartAtPress_ = 0;
    bool shown_ = false;
    bool tracking_ = false;
    RECT native_{};
};
