#include "skin/ControlSkinner.h"

#include "skin/ImgUtilPaint.h"
#include "skin/VarUdedData.h"
#include "skin/VarUdedForm.h"

namespace {

// The callable that stands in the control's WindowProc for a skinner.
struct SkinnerThunk {
    std::shared_ptr<TSkinnerProcLink> link;
    void operator()(TMessage& msg) const {
        // The skinner may be freed while the message is handled, and with it this thunk: only
        // the local copy of the link is used from here on.
        const std::shared_ptr<TSkinnerProcLink> keep = link;
        if (keep->skinner) {
            keep->skinner->Dispatch(msg);
            return;
        }
        if (keep->previous)
            keep->previous(msg);
    }
};

// BeginPaint when the message brings no device context, EndPaint when the scope ends, whatever
// the painter did.
class PaintScope {
public:
    PaintScope(HWND window, HDC given) : window_(window), dc_(given) {
        if (!dc_) {
            dc_ = BeginPaint(window_, &ps_);
            began_ = true;
        }
    }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() {
        if (began_)
            EndPaint(window_, &ps_);
    }
    HDC Dc() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
    PAINTSTRUCT ps_{};
    bool began_ = false;
};

} // namespace

const TClassInfo& TSkinControl::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinControl, TComponent>("TSkinControl", nullptr, false);
    return info;
}

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() {
    *FAlive = false;
    RestoreWindowProc();
    UnhookWindow();
    if (FForm)
        FForm->Skinners().Unregister(this);
}

void TSkinControl::RestoreWindowProc() {
    if (!FLink)
        return;
    FLink->skinner = nullptr;
    // A control that is being freed frees its skinner after its own parts are gone (it no
    // longer owns it then): its WindowProc is not touched.
    const bool controlAlive = FControl && Owner() == FControl;
    if (controlAlive) {
        const auto* thunk = FControl->WindowProc.target<SkinnerThunk>();
        if (thunk && thunk->link == FLink)
            FControl->WindowProc = FLink->previous;
    }
    FLink.reset();
}

void TSkinControl::Attach(TVarUdedForm* form, TSkinData* skinData, bool takeColour) {
    if (FAttached)
        return;
    auto* control = dynamic_cast<TControl*>(Owner());
    if (!control)
        return;
    FTakeColour = takeColour;
    FSkinData = skinData;
    FForm = form;
    FControl = control;
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        FWnd = windowed->Handle();
    FUnicode = !FWnd || IsWindowUnicode(FWnd);
    FLink = std::make_shared<TSkinnerProcLink>();
    FLink->skinner = this;
    FLink->previous = control->WindowProc;
    control->WindowProc = SkinnerThunk{FLink};
    if (FForm)
        FForm->Skinners().Register(this);
    if (FTakeColour)
        TakeColour();
    if (FParentBackgroundWasOn)
        FVariant = 1;
    control->Invalidate();
    FAttached = true;
    FState = TSkinnerState::Attached;
}

void TSkinControl::TakeColour() {
    if (!FSkinData->HasOption(xoParentBackGround) &&
        GetPropText(FControl, "ParentBackground") == L"True") {
        SetPropText(FControl, "ParentBackground", L"False");
        FParentBackgroundWasOn = true;
    }
    FSavedColor = FControl->Color();
    FSavedParentColor = FControl->ParentColor();
    FColourTaken = true;
    FControl->SetColor(static_cast<TColor>(FaceColour()));
}

void TSkinControl::AttachWindow(HWND window, TSkinData* skinData, TVarUdedForm* form) {
    if (FAttached || !IsWindow(window))
        return;
    FSkinData = skinData;
    FForm = form;
    FWnd = window;
    FEnabled = true;
    FVariant = 0;
    if (FForm)
        FForm->Skinners().Register(this);
    FUnicode = IsWindowUnicode(window) != FALSE;
    FText = ControlText();
    HookWindow(window);
    InvalidateRect(FWnd, nullptr, TRUE);
    FAttached = true;
    FState = TSkinnerState::Attached;
}

void TSkinControl::Detach() {
    if (!FColourTaken || !FControl)
        return;
    FColourTaken = false;
    if (FParentBackgroundWasOn)
        SetPropText(FControl, "ParentBackground", L"True");
    FControl->SetColor(FSavedColor);
    if (FSavedParentColor)
        FControl->SetParentColor(true);
}

void TSkinControl::Refresh() {
    if (FTakeColour && FControl)
        FControl->SetColor(static_cast<TColor>(FaceColour()));
    Repaint();
}

void TSkinControl::Dispatch(TMessage& msg) {
    if (msg.Msg == skinmsg::kPaintEnable) {
        const bool was = FPaintEnabled;
        FPaintEnabled = static_cast<INT_PTR>(msg.WParam) > 0;
        if (FPaintEnabled && !was)
            Repaint();
        msg.Result = 0;
        return;
    }
    if (!FPaintEnabled) {
        CallPrevious(msg);
        return;
    }
    if (!BeforeMessage(msg))
        return;
    const std::shared_ptr<bool> alive = FAlive;
    CallPrevious(msg);
    if (*alive)
        AfterMessage(msg);
}

void TSkinControl::CallPrevious(TMessage& msg) {
    if (FLink) {
        const std::shared_ptr<TSkinnerProcLink> link = FLink;
        if (link->previous)
            link->previous(msg);
        return;
    }
    msg.Result = CallDefault(msg.Msg, msg.WParam, msg.LParam);
}

LRESULT TSkinControl::HookProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    Dispatch(m);
    return m.Result;
}

bool TSkinControl::BeforeMessage(TMessage& msg) {
    switch (msg.Msg) {
    case WM_NCDESTROY:
        CallPrevious(msg);
        FPaintEnabled = false;
        FState = TSkinnerState::Destroyed;
        Detach();
        UnhookWindow();
        return false;
    case skinmsg::kIsSkinned:
        msg.Result = 1;
        return false;
    default:
        return true;
    }
}

void TSkinControl::AfterMessage(TMessage& msg) {
    switch (msg.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED:
        Repaint();
        break;
    case WM_PAINT:
        PaintWindow(reinterpret_cast<HDC>(msg.WParam));
        break;
    default:
        break;
    }
}

void TSkinControl::Repaint() {
    if (FRepaintTarget) {
        FRepaintTarget->Invalidate();
        return;
    }
    if (FControl && !FWnd) {
        FControl->Invalidate();
        return;
    }
    if (!FWnd)
        return;
    InvalidateRect(FWnd, nullptr, TRUE);
    UpdateWindow(FWnd);
}

void TSkinControl::PaintWindow(HDC dc) {
    if (!FWnd)
        return;
    try {
        GetWindowRect(FWnd, &FScreenRect);
        const RECT whole{0, 0, FScreenRect.right - FScreenRect.left,
                         FScreenRect.bottom - FScreenRect.top};
        if (dc) {
            Paint(dc, whole);
            return;
        }
        const skin::WindowDC own(FWnd);
        if (own.Get())
            Paint(own.Get(), whole);
    } catch (...) {
        // A failed paint ends quietly; the device context has been given back above.
    }
}

void TSkinControl::Paint(HDC, const RECT&) {}

void TSkinControl::FullPaint(TMessage& msg) {
    msg.Result = 0;
    if (!FWnd)
        return;
    const PaintScope scope(FWnd, reinterpret_cast<HDC>(msg.WParam));
    if (!scope.Dc())
        return;
    try {
        GetWindowRect(FWnd, &FScreenRect);
        Paint(scope.Dc(), RECT{0, 0, FScreenRect.right - FScreenRect.left,
                               FScreenRect.bottom - FScreenRect.top});
    } catch (...) {
        // The paint is ended by the scope, so the window is not asked to paint again and again.
    }
}

bool TSkinControl::TakeOverPaint(TMessage& msg) {
    switch (msg.Msg) {
    case WM_PAINT:
        FullPaint(msg);
        return true;
    case WM_ERASEBKGND:
        msg.Result = 1;
        return true;
    default:
        return false;
    }
}

void TSkinControl::TransparentBackground(TMessage& msg) {
    const auto dc = reinterpret_cast<HDC>(msg.WParam);
    if (FControl) {
        skin::PaintParentBackground(FWnd, dc);
    } else {
        RECT client{};
        GetClientRect(FWnd, &client);
        FillRect(dc, &client, FSkinData->FaceBrush());
    }
    msg.Result = 1;
}

COLORREF TSkinControl::FaceColour() const {
    return FSkinData ? static_cast<COLORREF>(FSkinData->Colours().ButtonFace)
                     : GetSysColor(COLOR_BTNFACE);
}

COLORREF TSkinControl::ParentColour() const {
    if (FControl && FControl->Parent())
        return ColorToRGB(static_cast<TColor>(GetOrdProp(FControl->Parent(), "Color")));
    return FaceColour();
}

void TSkinControl::DrawFocusAround(HDC dc, const std::wstring& text, const RECT& rect,
                                   UINT flags) const {
    RECT measured = rect;
    skin::DrawTextAuto(dc, text, measured, flags | DT_CALCRECT | DT_NOCLIP);
    const skin::PaintRect r = skin::FocusRectAround(
        {rect.left, rect.top, rect.right, rect.bottom}, measured.right - measured.left,
        measured.bottom - measured.top, (flags & DT_CENTER) != 0, (flags & DT_RIGHT) != 0);
    const RECT focus{r.left, r.top, r.right, r.bottom};
    DrawFocusRect(dc, &focus);
}

UINT TSkinControl::ReadingFlags() const {
    if (FRepaintTarget && FRepaintTarget->UseRightToLeftReading())
        return DT_RTLREADING;
    if (FControl)
        return FControl->UseRightToLeftReading() ? DT_RTLREADING : 0;
    if (FWnd && (GetWindowLongPtrW(FWnd, GWL_EXSTYLE) & WS_EX_RTLREADING))
        return DT_RTLREADING;
    return 0;
}

std::wstring TSkinControl::ControlText() const {
    if (FControl)
        return FControl->Caption();
    if (!FWnd)
        return {};
    const int length = GetWindowTextLengthW(FWnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(FWnd, text.data(), length + 1)));
    return text;
}

HFONT TSkinControl::ControlFont() const {
    if (FControl)
        return FControl->Font()->Handle();
    HFONT font = FWnd ? reinterpret_cast<HFONT>(SendMessageW(FWnd, WM_GETFONT, 0, 0)) : nullptr;
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

COLORREF TSkinControl::TextColour() const {
    if (FControl)
        return ColorToRGB(FControl->Font()->Color());
    return FSkinData ? static_cast<COLORREF>(FSkinData->Colours().ButtonText)
                     : GetSysColor(COLOR_BTNTEXT);
}

void TSkinControl::ReadFocusAndEnabling() {
    if (!FWnd) {
        FFocused = false;
        FEnabled = !FControl || FControl->Enabled();
        return;
    }
    FFocused = GetFocus() == FWnd;
    FEnabled = (GetWindowLongPtrW(FWnd, GWL_STYLE) & WS_DISABLED) == 0;
}

void TSkinControl::TrackMouseLeave() {
    if (FWnd) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, FWnd, 0};
        TrackMouseEvent(&track);
    }
    // A framework control hears CM_MOUSELEAVE from the framework; a plain window also relies on
    // the window skinner's hover check.
    if (FForm && !FControl)
        FForm->Skinners().SetHover(this);
}

bool TSkinControl::FollowMouse(bool hot) {
    const bool changed = hot != ((FMouseState & skin::kMouseHot) != 0);
    if (changed) {
        FMouseState ^= skin::kMouseHot;
        Repaint();
    }
    TrackMouseLeave();
    return changed;
}

void TSkinControl::MouseLeft(bool clearPressed) {
    FMouseState &= ~(clearPressed ? skin::kMouseHot | skin::kMousePressed : skin::kMouseHot);
    Repaint();
}

bool TSkinControl::IsMouseLeave(const TMessage& msg) {
    return msg.Msg == WM_MOUSELEAVE || msg.Msg == CM_MOUSELEAVE;
}
