#include "skin/SkinScControl.h"

const TClassInfo& TSkinScControl::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinScControl, TSkinControl>("TSkinScControl", nullptr, false);
    return info;
}

TSkinScControl::~TSkinScControl() = default;

void TSkinScControl::Attach(TVarUdedForm* form, TSkinData* skinData, bool takeColour) {
    if (Attached())
        return;
    TSkinControl::Attach(form, skinData, takeColour);
    if (Attached())
        MakeOverlay();
}

void TSkinScControl::AttachWindow(HWND window, TSkinData* skinData, TVarUdedForm* form) {
    if (Attached())
        return;
    TSkinControl::AttachWindow(window, skinData, form);
    if (Attached())
        MakeOverlay();
}

void TSkinScControl::MakeOverlay() {
    if (!FWnd)
        return;
    FOverlay = std::make_unique<TWScrollbar>(FWnd, TWScrollbar::Control, FSkinData);
    FOverlay->Enable(IsWindowEnabled(FWnd) != FALSE);
    FOverlay->Reposition();
}

void TSkinScControl::Detach() {
    TSkinControl::Detach();
    if (FWnd && IsWindow(FWnd))
        FOverlay.reset();
}

bool TSkinScControl::BeforeMessage(TMessage& msg) {
    if (msg.Msg == WM_DESTROY) {
        // Hidden and freed with the control's window.
        FOverlay.reset();
        return true;
    }
    return TSkinControl::BeforeMessage(msg);
}

void TSkinScControl::AfterMessage(TMessage& msg) {
    if (!FOverlay) {
        TSkinControl::AfterMessage(msg);
        return;
    }
    switch (msg.Msg) {
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case CN_HSCROLL:
    case CN_VSCROLL:
        FOverlay->Invalidate();
        break;
    case WM_WINDOWPOSCHANGED:
    case WM_NCPAINT:
        FOverlay->Reposition();
        break;
    case WM_SHOWWINDOW:
        if (!msg.WParam)
            FOverlay->Hide();
        break;
    case CM_VISIBLECHANGED:
        if (msg.WParam)
            FOverlay->Reposition();
        else
            FOverlay->Hide();
        break;
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
        FOverlay->Enable(IsWindowEnabled(FWnd) != FALSE);
        FOverlay->Invalidate();
        break;
    default:
        TSkinControl::AfterMessage(msg);
        break;
    }
}

void TSkinScControl::PaintWindow(HDC) {
    // The overlay covers the whole control and paints itself.
    if (FOverlay)
        FOverlay->Invalidate();
}

void TSkinScControl::Refresh() {
    if (FOverlay)
        FOverlay->Reposition();
}
