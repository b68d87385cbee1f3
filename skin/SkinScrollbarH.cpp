#include "skin/SkinScrollbarH.h"

#include "skin/GdiOwners.h"
#include "skin/VarUdedData.h"

TSkinScrollbarH::TSkinScrollbarH(HWND control, TSkinData* skinData)
    : control_(control), skinData_(skinData) {
    horizontal_ = std::make_unique<TWScrollbar>(control, TWScrollbar::Horizontal, skinData);
    vertical_ = std::make_unique<TWScrollbar>(control, TWScrollbar::Vertical, skinData);
    HookWindow(control);
    Reposition();
}

TSkinScrollbarH::~TSkinScrollbarH() {
    UnhookWindow();
    DropOverlays();
}

void TSkinScrollbarH::DropOverlays() {
    horizontal_.reset();
    vertical_.reset();
}

void TSkinScrollbarH::Reposition() {
    if (!IsWindowVisible(control_)) {
        if (horizontal_)
            horizontal_->Hide();
        if (vertical_)
            vertical_->Hide();
        return;
    }
    if (horizontal_)
        horizontal_->Reposition();
    if (vertical_)
        vertical_->Reposition();
    PaintCorner();
}

void TSkinScrollbarH::PaintCorner() {
    if (!horizontal_ || !vertical_ || !horizontal_->Shown() || !vertical_->Shown() || !skinData_)
        return;
    const RECT& v = vertical_->NativeRect();
    const RECT& h = horizontal_->NativeRect();
    // The square where the bars meet, in window coordinates.
    RECT client{};
    GetClientRect(control_, &client);
    POINT origin{0, 0};
    ClientToScreen(control_, &origin);
    RECT window{};
    GetWindowRect(control_, &window);
    const int dx = origin.x - window.left;
    const int dy = origin.y - window.top;
    const RECT corner{v.left + dx, h.top + dy, v.right + dx + 2, h.bottom + dy + 2};
    skin::WindowDC dc(control_);
    if (!dc.Get())
        return;
    skin::GdiBrush face(CreateSolidBrush(static_cast<COLORREF>(skinData_->Colours().ButtonFace)));
    FillRect(dc.Get(), &corner, face.Get());
}

LRESULT TSkinScrollbarH::HookProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DESTROY: {
        // Hidden and freed at once: no ghost bar stays over the parent.
        dead_ = true;
        DropOverlays();
        return CallDefault(msg, wParam, lParam);
    }
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case WM_NCPAINT: {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        Reposition();
        return result;
    }
    case WM_SHOWWINDOW: {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        if (!wParam) {
            if (horizontal_)
                horizontal_->Hide();
            if (vertical_)
                vertical_->Hide();
        }
        return result;
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        TWScrollbar* bar = msg == WM_HSCROLL ? horizontal_.get() : vertical_.get();
        if (bar) {
            bar->SetHotPart(LOWORD(wParam) == SB_ENDSCROLL ? -1 : LOWORD(wParam));
            if (bar->Shown())
                UpdateWindow(bar->Window());
        }
        return result;
    }
    case WM_MOUSEWHEEL: {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        if (horizontal_)
            horizontal_->Invalidate();
        if (vertical_)
            vertical_->Invalidate();
        return result;
    }
    case WM_PAINT: {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        const LONG_PTR style = GetWindowLongPtrW(control_, GWL_STYLE);
        // A bar switched on or off by the control shows up here at the latest.
        const bool wantsH = (style & WS_HSCROLL) != 0;
        const bool wantsV = (style & WS_VSCROLL) != 0;
        if ((horizontal_ && wantsH != horizontal_->Shown()) ||
            (vertical_ && wantsV != vertical_->Shown())) {
            Reposition();
        } else {
            if (horizontal_)
                horizontal_->Invalidate();
            if (vertical_)
                vertical_->Invalidate();
            PaintCorner();
        }
        return result;
    }
    default:
        return CallDefault(msg, wParam, lParam);
    }
}
