#include "skin/ScrollBarPair.h"

#include "skin/GdiOwners.h"
#include "skin/VarUdedData.h"

TScrollBarPair::TScrollBarPair(HWND control, TSkinData* skinData)
    : control_(control), skinData_(skinData),
      horizontal_(std::make_unique<TWScrollbar>(control, TWScrollbar::Horizontal, skinData)),
      vertical_(std::make_unique<TWScrollbar>(control, TWScrollbar::Vertical, skinData)) {}

void TScrollBarPair::Reposition() {
    if (!IsWindowVisible(control_)) {
        Hide();
        return;
    }
    if (horizontal_)
        horizontal_->Reposition();
    if (vertical_)
        vertical_->Reposition();
    PaintCorner();
}

void TScrollBarPair::Hide() {
    if (horizontal_)
        horizontal_->Hide();
    if (vertical_)
        vertical_->Hide();
}

void TScrollBarPair::Invalidate() {
    if (horizontal_)
        horizontal_->Invalidate();
    if (vertical_)
        vertical_->Invalidate();
}

void TScrollBarPair::Enable(bool enabled) {
    if (horizontal_)
        horizontal_->Enable(enabled);
    if (vertical_)
        vertical_->Enable(enabled);
}

void TScrollBarPair::Scrolled(UINT msg, WPARAM wParam) {
    TWScrollbar* bar = msg == WM_HSCROLL ? horizontal_.get() : vertical_.get();
    if (!bar)
        return;
    bar->SetHotPart(LOWORD(wParam) == SB_ENDSCROLL ? static_cast<int>(skin::kNoPart)
                                                   : static_cast<int>(LOWORD(wParam)));
    if (bar->Shown())
        UpdateWindow(bar->Window());
}

void TScrollBarPair::AfterControlPaint() {
    const LONG_PTR style = GetWindowLongPtrW(control_, GWL_STYLE);
    const bool wantsH = (style & WS_HSCROLL) != 0;
    const bool wantsV = (style & WS_VSCROLL) != 0;
    if ((horizontal_ && wantsH != horizontal_->Shown()) ||
        (vertical_ && wantsV != vertical_->Shown())) {
        Reposition();
        return;
    }
    Invalidate();
    PaintCorner();
}

void TScrollBarPair::PaintCorner() {
    if (!horizontal_ || !vertical_ || !horizontal_->Shown() || !vertical_->Shown() || !skinData_)
        return;
    const RECT& v = vertical_->NativeRect();
    const RECT& h = horizontal_->NativeRect();
    // The native rectangles are in client coordinates; the corner is drawn through the window
    // DC, whose origin is the window's top-left corner.
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

void TScrollBarPair::Drop() {
    horizontal_.reset();
    vertical_.reset();
}
