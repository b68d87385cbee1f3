#include "skin/SkinScrollbar.h"

#include "skin/GdiOwners.h"
#include "skin/SkinHeader.h"
#include "skin/VarUdedData.h"
#include "skin/VarUdedForm.h"

#include <commctrl.h>

const TClassInfo& TSkinScrollbar::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinScrollbar, TSkinControl>("TSkinScrollbar", nullptr, false);
    return info;
}

TSkinScrollbar::TSkinScrollbar(TComponent* owner, bool singleBar)
    : TSkinControl(owner), FSingleBar(singleBar) {}

TSkinScrollbar::~TSkinScrollbar() = default;

void TSkinScrollbar::Attach(TVarUdedForm* form, TSkinData* skinData, bool takeColour) {
    if (Attached())
        return;
    TSkinControl::Attach(form, skinData, takeColour);
    if (!Attached() || !FWnd)
        return;
    if (FSingleBar)
        FVariant = 1;
    AttachScrollbars();
}

void TSkinScrollbar::AttachScrollbars() {
    const std::wstring border = skin::LowerAscii(GetPropText(FControl, "BorderStyle"));
    FOwnBorder = !FSingleBar && border != L"bsnone" && FControl->ClassName() != "TImageScrollBox";
    if (HasProperty(FControl, "FixedColor")) {
        FSavedFixedColor = static_cast<TColor>(GetOrdProp(FControl, "FixedColor"));
        SetOrdProp(FControl, "FixedColor", static_cast<int64_t>(FaceColour()));
    }
    FBars = std::make_unique<TScrollBarPair>(FWnd, FSkinData);
    FBars->Enable(FControl->Enabled());
    FBars->Reposition();
    if (FOwnBorder)
        SetWindowPos(FWnd, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TSkinScrollbar::Detach() {
    if (FSavedFixedColor && FControl) {
        SetOrdProp(FControl, "FixedColor", static_cast<int64_t>(*FSavedFixedColor));
        FSavedFixedColor.reset();
    }
    TSkinControl::Detach();
    if (FWnd && IsWindow(FWnd))
        FBars.reset();
}

void TSkinScrollbar::ControlDestroyed() {
    // Hidden and freed at once: no ghost bar stays over the parent while the control goes.
    FBars.reset();
}

void TSkinScrollbar::PaintBorder(HDC dc) const {
    RECT window{};
    GetWindowRect(FWnd, &window);
    RECT outer{0, 0, window.right - window.left, window.bottom - window.top};
    skin::GdiBrush shadow(
        CreateSolidBrush(static_cast<COLORREF>(FSkinData->Colours().ButtonShadow)));
    skin::GdiBrush face(CreateSolidBrush(FaceColour()));
    FrameRect(dc, &outer, shadow.Get());
    InflateRect(&outer, -1, -1);
    FrameRect(dc, &outer, face.Get());
}

bool TSkinScrollbar::BeforeMessage(TMessage& msg) {
    switch (msg.Msg) {
    case WM_NCPAINT: {
        if (!FOwnBorder)
            return true;
        CallPrevious(msg);
        const skin::WindowDC dc(FWnd);
        if (dc.Get())
            PaintBorder(dc.Get());
        return false;
    }
    case skinmsg::kPaintFrameTo:
        if (msg.LParam != skinmsg::kMagic)
            return true;
        if (FOwnBorder && msg.WParam)
            PaintBorder(reinterpret_cast<HDC>(msg.WParam));
        msg.Result = skinmsg::kMagic;
        return false;
    case WM_DESTROY:
        ControlDestroyed();
        return true;
    case CM_RECREATEWND:
        // The overlays belong to the old window: the window skinner puts a fresh skinner in
        // place once the new window exists.
        if (FForm && FForm->Window())
            PostMessageW(FForm->Window(), skinmsg::kReplaceScrollbar,
                         reinterpret_cast<WPARAM>(FWnd), 0);
        return true;
    default:
        return TSkinControl::BeforeMessage(msg);
    }
}

void TSkinScrollbar::AfterMessage(TMessage& msg) {
    if (!FBars) {
        TSkinControl::AfterMessage(msg);
        return;
    }
    switch (msg.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        FBars->Reposition();
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        FBars->Scrolled(msg.Msg, msg.WParam);
        break;
    case WM_MOUSEWHEEL:
        FBars->Invalidate();
        break;
    case CM_VISIBLECHANGED:
        if (msg.WParam)
            FBars->Reposition();
        else
            FBars->Hide();
        break;
    case CM_ENABLEDCHANGED:
        FBars->Enable(FControl && FControl->Enabled());
        FBars->Invalidate();
        break;
    default:
        TSkinControl::AfterMessage(msg);
        break;
    }
}

void TSkinScrollbar::PaintWindow(HDC) {
    // The control paints its own content; the skinner only keeps the overlays in step with it.
    if (FBars)
        FBars->AfterControlPaint();
}

void TSkinScrollbar::Refresh() {
    if (FSavedFixedColor && FControl)
        SetOrdProp(FControl, "FixedColor", static_cast<int64_t>(FaceColour()));
    TSkinControl::Refresh();
    if (FBars)
        FBars->Reposition();
    if (FOwnBorder && FWnd)
        RedrawWindow(FWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

TSkinScrollbar* TSkinScrollbar::MakeReplacement(TControl* control) const {
    return new TSkinScrollbar(control, FSingleBar);
}

const TClassInfo& TSkinListView::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinListView, TSkinScrollbar>("TSkinListView", nullptr, false);
    return info;
}

TSkinListView::TSkinListView(TComponent* owner) : TSkinScrollbar(owner) {}

TSkinListView::~TSkinListView() = default;

void TSkinListView::AttachScrollbars() {
    TSkinScrollbar::AttachScrollbars();
    const auto header = reinterpret_cast<HWND>(SendMessageW(FWnd, LVM_GETHEADER, 0, 0));
    if (!header)
        return;
    FHeader = std::make_unique<TSkinHeader>(nullptr);
    FHeader->AttachWindow(header, FSkinData, nullptr);
}

TSkinScrollbar* TSkinListView::MakeReplacement(TControl* control) const {
    return new TSkinListView(control);
}

void ReplaceScrollbarSkinner(TVarUdedForm& form, HWND oldWindow) {
    TSkinScrollbar* old = nullptr;
    for (TSkinControl* skinner : form.Skinners().Items()) {
        if (skinner->Window() == oldWindow) {
            old = dynamic_cast<TSkinScrollbar*>(skinner);
            break;
        }
    }
    if (!old || !old->Control())
        return;
    TControl* control = old->Control();
    // A control walk that ran since the window was made anew may have skinned it already.
    const TSkinControl* current = form.Skinners().FindByControl(control);
    auto* windowed = dynamic_cast<TWinControl*>(control);
    const bool replace =
        !(current && current != old) && windowed && windowed->HandleAllocated() && form.SkinData();
    const int variant = old->Variant();
    TSkinScrollbar* fresh = replace ? old->MakeReplacement(control) : nullptr;
    // The old skinner gives the control its WindowProc back before the new one goes in front.
    delete old;
    if (!fresh)
        return;
    fresh->SetVariant(variant);
    fresh->Attach(&form, form.SkinData(), false);
    if (!fresh->Attached())
        delete fresh;
}
