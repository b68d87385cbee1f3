#pragma once
// The two scroll bar overlays of one control window (its horizontal and vertical bar), kept in
// place together, told of the control's scroll notifications, and the square where the two
// bars meet painted in the face colour. Shared by the skinners that cover a control's own bars.

#include "skin/ScrollOverlay.h"

#include <windows.h>

#include <memory>

class TSkinData;

class TScrollBarPair {
public:
    TScrollBarPair(HWND control, TSkinData* skinData);

    // Places each overlay over its bar (or hides it), then paints the corner.
    void Reposition();
    void Hide();
    void Invalidate();
    void Enable(bool enabled);
    // WM_HSCROLL or WM_VSCROLL: the bar's hot part follows the scroll code; the end of a scroll
    // clears it. The overlay is repainted at once, so it keeps up inside the native scroll loop.
    void Scrolled(UINT msg, WPARAM wParam);
    // After the control painted: a bar the control switched on or off is placed or hidden, the
    // others repainted, and the corner painted.
    void AfterControlPaint();
    // The square where a shown horizontal and a shown vertical bar meet, filled with ButtonFace.
    void PaintCorner();
    // The control's window is going: both overlays are hidden and freed at once.
    void Drop();

    TWScrollbar* Horizontal() const { return horizontal_.get(); }
    TWScrollbar* Vertical() const { return vertical_.get(); }

private:
    HWND control_;
    TSkinData* skinData_;
    std::unique_ptr<TWScrollbar> horizontal_;
    std::unique_ptr<TWScrollbar> vertical_;
};
