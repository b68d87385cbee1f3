#include "skin/ScrollOverlay.h"

#include "skin/GdiOwners.h"
#include "skin/ImgUtilPaint.h"
#include "skin/SkinImageGdi.h"
#include "skin/VarUdedData.h"

#include <windowsx.h>

#include <algorithm>

namespace {

constexpr wchar_t kClassName[] = L"TWScrollbar";
// Frames of the scroll-bar strip where each arrow's frames begin.
constexpr int kLeftArrow = 1;
constexpr int kRightArrow = 5;
constexpr int kUpArrow = 9;
constexpr int kDownArrow = 13;
constexpr int kStripFrames = 23;
constexpr int kTrackFrames = 4;

} // namespace

void TWScrollbar::RegisterOverlayClass() {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &TWScrollbar::Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        return RegisterClassW(&wc) != 0;
    }();
    (void)registered;
}

namespace {

COLORREF Colour(TColour c) {
    return static_cast<COLORREF>(c);
}

} // namespace

TWScrollbar::TWScrollbar(HWND target, Kind kind, TSkinData* skinData)
    : target_(target), kind_(kind), skinData_(skinData), arrow_(GetSystemMetrics(SM_CXHSCROLL)) {
    if (kind == Control) {
        const LONG_PTR style = GetWindowLongPtrW(target, GWL_STYLE);
        vertical_ = (style & SBS_VERT) != 0;
    } else {
        vertical_ = kind == Vertical;
    }
    RegisterOverlayClass();
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0,
                              0, 0, GetParent(target), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window_)
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TWScrollbar::~TWScrollbar() {
    if (window_ && IsWindow(window_)) {
        // Hidden at once: no ghost bar stays on screen while the rest is torn down.
        ShowWindow(window_, SW_HIDE);
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK TWScrollbar::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TWScrollbar*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, msg, wParam, lParam);
    return self->Handle(msg, wParam, lParam);
}

LRESULT TWScrollbar::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        WMPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE:
        WMMouseMove(lParam);
        return 0;
    case WM_MOUSELEAVE:
        WMMouseLeave();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        WMLButtonDown(lParam);
        return 0;
    case WM_LBUTTONUP:
        WMLButtonUp(lParam);
        return 0;
    default:
        return DefWindowProcW(window_, msg, wParam, lParam);
    }
}

TWScrollbar::BarState TWScrollbar::Query() const {
    BarState bar;
    if (!IsWindow(target_))
        return bar;
    if (kind_ == Control) {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        if (!GetScrollInfo(target_, SB_CTL, &info))
            return bar;
        RECT client{};
        GetClientRect(target_, &client);
        MapWindowPoints(target_, nullptr, reinterpret_cast<POINT*>(&client), 2);
        bar.valid = true;
        bar.visible = IsWindowVisible(target_) != FALSE;
        bar.enabled = IsWindowEnabled(target_) != FALSE;
        bar.screen = client;
        bar.length = vertical_ ? client.bottom - client.top : client.right - client.left;
        bar.thumb = skin::StandaloneThumb(
            bar.length, arrow_,
            {info.nMin, info.nMax, info.nPage, pressed_ ? info.nTrackPos : info.nPos});
        return bar;
    }
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!GetScrollBarInfo(target_, vertical_ ? OBJID_VSCROLL : OBJID_HSCROLL, &info))
        return bar;
    bar.valid = true;
    bar.visible = (GetWindowLongPtrW(target_, GWL_STYLE) & WS_VISIBLE) &&
                  !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    bar.enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    bar.screen = info.rcScrollBar;
    bar.length = vertical_ ? info.rcScrollBar.bottom - info.rcScrollBar.top
                           : info.rcScrollBar.right - info.rcScrollBar.left;
    bar.thumb = {info.xyThumbTop, info.xyThumbBottom - info.xyThumbTop};
    return bar;
}

void TWScrollbar::Reposition() {
    if (!window_)
        return;
    const BarState bar = Query();
    if (!bar.valid)
        return;
    if (!bar.visible || bar.length <= 0) {
        Hide();
        return;
    }
    barLength_ = bar.length;
    thumb_ = bar.thumb;
    native_ = bar.screen;
    MapWindowPoints(nullptr, target_, reinterpret_cast<POINT*>(&native_), 2);
    RECT inParent = bar.screen;
    MapWindowPoints(nullptr, GetParent(window_), reinterpret_cast<POINT*>(&inParent), 2);
    const HWND before = GetWindow(target_, GW_HWNDPREV);
    SetWindowPos(window_, before && before != window_ ? before : HWND_TOP, inParent.left,
                 inParent.top, inParent.right - inParent.left, inParent.bottom - inParent.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    MoveWindow(window_, inParent.left, inParent.top, inParent.right - inParent.left,
               inParent.bottom - inParent.top, TRUE);
    shown_ = true;
    Invalidate();
}

void TWScrollbar::Hide() {
    if (window_ && shown_)
        ShowWindow(window_, SW_HIDE);
    shown_ = false;
}

void TWScrollbar::SetHotPart(int code) {
    hot_ = code;
    Invalidate();
}

void TWScrollbar::Invalidate() {
    if (window_ && shown_)
        InvalidateRect(window_, nullptr, FALSE);
}

void TWScrollbar::Enable(bool enabled) {
    if (window_)
        EnableWindow(window_, enabled);
}

int TWScrollbar::Along(POINT p) const {
    return vertical_ ? p.y : p.x;
}

TWScrollbar::Forward TWScrollbar::ForwardOf(POINT overlayPoint, bool down) const {
    if (kind_ == Control) {
        POINT inTarget = overlayPoint;
        MapWindowPoints(window_, target_, &inTarget, 1);
        return {static_cast<UINT>(down ? WM_LBUTTONDOWN : WM_LBUTTONUP), MK_LBUTTON,
                MAKELPARAM(inTarget.x, inTarget.y)};
    }
    // The overlay lies exactly over the native bar: the same screen point is the bar's.
    POINT screen = overlayPoint;
    ClientToScreen(window_, &screen);
    return {static_cast<UINT>(down ? WM_NCLBUTTONDOWN : WM_NCLBUTTONUP),
            static_cast<WPARAM>(vertical_ ? HTVSCROLL : HTHSCROLL), MAKELPARAM(screen.x, screen.y)};
}

void TWScrollbar::WMMouseMove(LPARAM lParam) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const int part = skin::HitPart(Along(p), barLength_, arrow_, thumb_);
    if (part != hot_ && !pressed_) {
        hot_ = part;
        Invalidate();
    }
    if (!tracking_) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = window_;
        tracking_ = TrackMouseEvent(&track) != FALSE;
    }
}

void TWScrollbar::WMMouseLeave() {
    tracking_ = false;
    if (pressed_)
        return;
    hot_ = skin::kNoPart;
    Invalidate();
}

void TWScrollbar::WMLButtonDown(LPARAM lParam) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    GetCursorPos(&pressPoint_);
    const BarState bar = Query();
    if (bar.valid) {
        thumb_ = bar.thumb;
        barLength_ = bar.length;
    }
    thumbStartAtPress_ = thumb_.start;
    hot_ = skin::HitPart(Along(p), barLength_, arrow_, thumb_);
    pressed_ = true;
    Invalidate();
    ReleaseCapture();
    // The system's own scroll loop runs inside this call, exactly as for the native bar.
    const Forward down = ForwardOf(p, true);
    SendMessageW(target_, down.message, down.wParam, down.lParam);
    pressed_ = false;
    ReleaseCapture();
    const BarState after = Query();
    if (after.valid)
        thumb_ = after.thumb;
    Invalidate();
}

void TWScrollbar::WMLButtonUp(LPARAM lParam) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    pressed_ = false;
    ReleaseCapture();
    const Forward up = ForwardOf(p, false);
    PostMessageW(target_, up.message, up.wParam, up.lParam);
    Invalidate();
}

void TWScrollbar::WMPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    if (dc) {
        RECT client{};
        GetClientRect(window_, &client);
        try {
            Paint(dc, client);
        } catch (...) {
            // A failed paint ends here; the paint is still ended below.
        }
    }
    EndPaint(window_, &ps);
}

void TWScrollbar::Paint(HDC dc, const RECT& client) {
    if (!skinData_ || skinData_->NoSkin())
        return;
    const TSkinElements& s = skinData_->Elements();
    if (!s.Scrollbar || s.Scrollbar->Image.Empty())
        return;
    const BarState bar = Query();
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const int along = vertical_ ? height : width;
    if (!bar.valid || !bar.visible || bar.length <= 0 || bar.length > along || width <= 0 ||
        height <= 0)
        return;
    skin::DibSection scratch = skin::DibSection::Create(width, height, 32);
    if (!scratch)
        return;
    skin::MemoryDC memory;
    skin::SelectScope select(memory.Get(), scratch.Handle());
    SetStretchBltMode(memory.Get(), COLORONCOLOR);
    const TSkinColours& c = skinData_->Colours();
    skin::GdiBrush face(CreateSolidBrush(Colour(c.ButtonFace)));
    FillRect(memory.Get(), &client, face.Get());

    const int arrowLength = skin::ArrowLength(bar.length, arrow_);
    auto span = [&](int from, int to) {
        return vertical_ ? RECT{0, from, width, to} : RECT{from, 0, to, height};
    };
    // Track.
    const TDataSkinObject* track = vertical_ ? s.VertScroll.get() : s.HorzScroll.get();
    if (track && !track->Image.Empty() && bar.length > 2 * arrowLength)
        skin::DrawNineGridTo(memory.Get(), span(arrowLength, bar.length - arrowLength),
                             ImageHandle(track->Image), skin::FrameLayout::SideBySide,
                             track->Tile != 0, track->Trans != 0, kTrackFrames, bar.enabled ? 1 : 3,
                             MarginsOf(*track));
    // Arrows.
    const HBITMAP strip = ImageHandle(s.Scrollbar->Image);
    const int first = vertical_ ? kUpArrow : kLeftArrow;
    const int second = vertical_ ? kDownArrow : kRightArrow;
    skin::DrawFrame(memory.Get(), span(0, arrowLength), strip, true, kStripFrames,
                    skin::ArrowFrame(first, hot_ == skin::kFirstArrow, pressed_));
    skin::DrawFrame(memory.Get(), span(bar.length - arrowLength, bar.length), strip, true,
                    kStripFrames, skin::ArrowFrame(second, hot_ == skin::kSecondArrow, pressed_));
    // Thumb: following the mouse while it is dragged.
    skin::ThumbSpan thumb = bar.thumb;
    if (pressed_ && hot_ == skin::kThumb && kind_ != Control) {
        POINT cursor{};
        GetCursorPos(&cursor);
        const int moved = vertical_ ? cursor.y - pressPoint_.y : cursor.x - pressPoint_.x;
        thumb.start =
            skin::DraggedThumbStart(thumbStartAtPress_, moved, bar.length, arrow_, thumb.length);
    }
    painted_ = thumb;
    const TDataSkinObject* thumbElement =
        vertical_ ? s.VertScrollThumb.get() : s.HorzScrollThumb.get();
    const bool thumbInside = thumb.length > 0 && thumb.start >= 0 && thumb.End() <= along;
    if (bar.enabled && thumbInside && thumbElement && !thumbElement->Image.Empty()) {
        const bool thumbHot = hot_ == skin::kThumb;
        skin::DrawNineGridTo(memory.Get(), span(thumb.start, thumb.End()),
                             ImageHandle(thumbElement->Image), skin::FrameLayout::SideBySide, false,
                             thumbElement->Trans != 0, thumbElement->Frames(),
                             skin::ThumbFrame(thumbHot && !pressed_, thumbHot && pressed_),
                             MarginsOf(*thumbElement));
        // Gripper centred on the thumb when it fits.
        const int stripHeight = s.Scrollbar->Image.Height();
        const int gripper = s.Scrollbar->Image.Width() / kStripFrames;
        if (stripHeight < thumb.length + 2 && gripper > 0) {
            const int centre = thumb.start + thumb.length / 2;
            const RECT grip = span(centre - gripper / 2, centre - gripper / 2 + gripper);
            skin::DrawFrame(
                memory.Get(), grip, strip, true, kStripFrames,
                skin::GripperFrame(vertical_, thumbHot && !pressed_, thumbHot && pressed_));
        }
    }
    BitBlt(dc, 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY);
}
