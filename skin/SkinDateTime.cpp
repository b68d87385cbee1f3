// The date picker skinner and its arrow button.

#include "skin/ImgUtilPaint.h"
#include "skin/SkinEdit.h"
#include "skin/SkinImageGdi.h"
#include "skin/VarUdedData.h"

#include <windowsx.h>

const TClassInfo& TArrowButton::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TArrowButton, TCustomControl>("TArrowButton", nullptr, false);
    return info;
}

TArrowButton::TArrowButton(TComponent* owner, TSkinDateTime& skinner, TWinControl& picker)
    : TCustomControl(owner), skinner_(skinner), picker_(picker) {
    SetTabStop(false);
}

void TArrowButton::WndProc(TMessage& msg) {
    switch (msg.Msg) {
    case CM_MOUSEENTER:
        hot_ = picker_.Enabled();
        Invalidate();
        break;
    case CM_MOUSELEAVE:
        hot_ = false;
        Invalidate();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        // The picker opens its calendar when it is clicked where its own button is.
        POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
        MapWindowPoints(Handle(), picker_.Handle(), &p, 1);
        const LPARAM at = MAKELPARAM(p.x, p.y);
        PostMessageW(picker_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(picker_.Handle(), WM_LBUTTONUP, 0, at);
        msg.Result = 0;
        return;
    }
    case WM_LBUTTONUP:
        picker_.SetFocus();
        msg.Result = 0;
        return;
    default:
        break;
    }
    TCustomControl::WndProc(msg);
}

void TArrowButton::Paint() {
    TSkinData* data = skinner_.SkinData();
    if (!data)
        return;
    const HDC dc = Canvas()->Handle();
    const RECT client = ClientRect();
    FillRect(dc, &client, data->FaceBrush());
    const TDataSkinObject& arrow = *data->Elements().ComboxArrow;
    if (arrow.Image.Empty())
        return;
    skin::DrawFrame(dc, client, ImageHandle(arrow.Image), false, arrow.Frames(), hot_ ? 4 : 1);
}

const TClassInfo& TSkinDateTime::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinDateTime, TSkinEdit>("TSkinDateTime", nullptr, false);
    return info;
}

void TSkinDateTime::Attach(TVarUdedForm* form, TSkinData* skinData, bool takeColour) {
    TSkinEdit::Attach(form, skinData, takeColour);
    auto* picker = dynamic_cast<TWinControl*>(FControl);
    if (!picker || FArrow)
        return;
    const LONG_PTR style = GetWindowLongPtrW(FWnd, GWL_STYLE);
    if (!(style & WS_CLIPCHILDREN)) {
        SetWindowLongPtrW(FWnd, GWL_STYLE, style | WS_CLIPCHILDREN);
        FAddedClipChildren = true;
    }
    FArrow = new TArrowButton(this, *this, *picker);
    PlaceArrow();
    FArrow->SetParent(picker);
}

void TSkinDateTime::PlaceArrow() {
    RECT window{};
    GetWindowRect(FWnd, &window);
    const bool left = (GetWindowLongPtrW(FWnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    const skin::PaintRect r =
        skin::DateArrowRect(window.right - window.left, GetSystemMetrics(SM_CXHSCROLL), left);
    FArrow->SetBounds(r.left, r.top, r.Width(), r.Height());
}

void TSkinDateTime::Detach() {
    // The arrow button and the clipping style were added here: both go, so skinning again adds
    // no second button.
    delete FArrow;
    FArrow = nullptr;
    if (FAddedClipChildren && FWnd && IsWindow(FWnd)) {
        const LONG_PTR style = GetWindowLongPtrW(FWnd, GWL_STYLE);
        SetWindowLongPtrW(FWnd, GWL_STYLE, style & ~WS_CLIPCHILDREN);
    }
    FAddedClipChildren = false;
    TSkinEdit::Detach();
}

void TSkinDateTime::Refresh() {
    if (FArrow)
        FArrow->Invalidate();
    TSkinEdit::Refresh();
}
