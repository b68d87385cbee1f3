// The stand-alone scroll bar, super-classed from "SCROLLBAR".

#include "framework/StdCtrls.h"

#include <algorithm>

const TEnumInfo ScrollBarKindNames{{L"sbHorizontal", L"sbVertical"}};

const TClassInfo& TScrollBar::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TScrollBar, TWinControl>(
        "TScrollBar",
        [](PropBuilder<TScrollBar>& b) {
            b.Enum("Kind", ScrollBarKindNames, &TScrollBar::Kind, &TScrollBar::SetKind)
                .Int("Min", &TScrollBar::Min, &TScrollBar::SetMin)
                .Int("Max", &TScrollBar::Max, &TScrollBar::SetMax)
                .Int("Position", &TScrollBar::Position, &TScrollBar::SetPosition)
                .Int("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize)
                .Int("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange)
                .Int("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange)
                .NotifyEvent("OnChange", &TScrollBar::OnChange);
        },
        true);
    return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
}

void TScrollBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = L"SCROLLBAR";
    params.Style |= kind_ == TScrollBarKind::sbHorizontal ? SBS_HORZ : SBS_VERT;
}

void TScrollBar::InitializeHandle() {
    SCROLLINFO si{sizeof(si),
                  SIF_ALL | SIF_DISABLENOSCROLL,
                  min_,
                  max_,
                  static_cast<UINT>(std::max(pageSize_, 0)),
                  position_,
                  0};
    SetScrollInfo(Handle(), SB_CTL, &si, TRUE);
}

void TScrollBar::SetKind(TScrollBarKind kind) {
    if (kind == kind_)
        return;
    kind_ = kind;
    // A bar turned on its side keeps its length: width and height change places.
    if (!Loading())
        SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TScrollBar::SetPageSize(int v) {
    pageSize_ = std::max(v, 0);
    if (HandleAllocated())
        InitializeHandle();
}

// Bounds that cross are taken as given while the form is read (Min may come before Max);
// otherwise the position is kept inside them.
void TScrollBar::SetParams(int position, int min, int max) {
    if (!Loading() && max < min)
        max = min;
    if (!Loading())
        position = std::clamp(position, min, max);
    bool moved = position != position_;
    position_ = position;
    min_ = min;
    max_ = max;
    if (HandleAllocated())
        InitializeHandle();
    if (moved && !Loading() && OnChange)
        OnChange(this);
}

void TScrollBar::Scroll(int code, int trackPos) {
    int page = std::max(pageSize_, 1);
    int top = std::max(min_, max_ - page + 1);
    if (pageSize_ <= 0)
        top = max_;
    int pos = position_;
    switch (code) {
    case SB_LINEUP:
        pos -= smallChange_;
        break;
    case SB_LINEDOWN:
        pos += smallChange_;
        break;
    case SB_PAGEUP:
        pos -= largeChange_;
        break;
    case SB_PAGEDOWN:
        pos += largeChange_;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        pos = trackPos;
        break;
    case SB_TOP:
        pos = min_;
        break;
    case SB_BOTTOM:
        pos = top;
        break;
    default:
        return;
    }
    SetPosition(std::clamp(pos, min_, top));
}

void TScrollBar::WndProc(TMessage& msg) {
    if (msg.Msg == CN_HSCROLL || msg.Msg == CN_VSCROLL) {
        // The 16-bit position of the message is not enough: the 32-bit one comes from the bar.
        SCROLLINFO si{sizeof(si), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(Handle(), SB_CTL, &si);
        Scroll(LOWORD(msg.WParam), si.nTrackPos);
        msg.Result = 0;
        return;
    }
    TWinControl::WndProc(msg);
}
