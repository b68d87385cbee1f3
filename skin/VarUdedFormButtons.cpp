// Caption buttons: which show and where, how they look in each state, the mouse over them and
// what a click does.

#include "skin/ImgUtilPaint.h"
#include "skin/SkinImageGdi.h"
#include "skin/VarUdedData.h"
#include "skin/VarUdedForm.h"
#include "skin/VarUdedMenu.h"

#include <windowsx.h>

// TNCObject

void TNCObject::Press() {
    if (owner_->HotObject() && !owner_->IsHotObject(this))
        owner_->HotObject()->Leave();
    if (!Visible)
        return;
    owner_->SetHotObject(this);
    State = 2;
    Paint();
}

void TNCObject::Release() {
    if (!Visible)
        return;
    State = 3;
    Paint();
}

void TNCObject::Enter() {
    if (owner_->HotObject() && !owner_->IsHotObject(this))
        owner_->HotObject()->Leave();
    if (owner_->IsHotObject(this) || !Visible)
        return;
    owner_->SetHotObject(this);
    State = 3;
    Paint();
}

void TNCObject::Leave() {
    if (!Visible)
        return;
    if (owner_->IsHotObject(this))
        owner_->SetHotObject(nullptr);
    State = 1;
    Paint();
}

// TWinSysButton

skin::CaptionButtonSpec TWinSysButton::Spec() const {
    const TDataSkinSysButton& e = *element_;
    return {e.Action, e.Align, e.Xcoord, e.Ycoord, e.Visibility, e.Visibility1};
}

bool TWinSysButton::ShowsIcon() const {
    return element_->Action == 3 || element_->Action == 11;
}

void TWinSysButton::Paint() {
    Owner()->PaintButtonNow(*this);
}

// TVarUdedForm

skin::CaptionWindowState TVarUdedForm::CaptionState() const {
    skin::CaptionWindowState w;
    w.show = FShowState;
    w.active = FActive;
    w.abilities = FKinds.abilities;
    w.border = FKinds.border;
    w.dialogClass = FKinds.dialogClass;
    w.mdiChildMaximizedInMenuBar = ShowsMdiChildButtons();
    const HWND window = FWnd;
    w.askWindow = [window](int visibility, int action) {
        return SendMessageW(window, skinmsg::kButtonVisible, static_cast<WPARAM>(visibility),
                            action) > 0;
    };
    return w;
}

void TVarUdedForm::LayoutCaptionButtons(int width) {
    const skin::CaptionWindowState state = CaptionState();
    const TSkinElements& s = FSkinData->Elements();
    const int menuLeft = s.MenuBar ? s.MenuBar->LeftWidth : 0;
    for (auto& button : FCaptionButtons) {
        const TDataSkinSysButton& e = *button->Element();
        button->Visible = skin::CaptionButtonVisible(button->Spec(), state);
        if (!button->Visible || e.Image.Empty())
            continue;
        button->Rect = skin::LayoutCaptionButton(button->Spec(), e.Image.Width() / e.Frames(),
                                                 e.Image.Height(), width, FMetrics,
                                                 FKinds.rightToLeft, menuLeft, FTextAnchors);
    }
}

void TVarUdedForm::PaintCaptionButtons(HDC target) {
    for (auto& button : FCaptionButtons) {
        const TDataSkinSysButton& e = *button->Element();
        if (!button->Visible || e.Visibility == 100 || e.Image.Empty())
            continue;
        const skin::PaintRect& r = button->Rect;
        const RECT rect{r.left, r.top, r.right, r.bottom};
        if (button->ShowsIcon()) {
            if (FIcon)
                DrawIconEx(target, r.left, r.top, FIcon, FIconSize, FIconSize, 0, nullptr,
                           DI_NORMAL);
            else if (FIconBitmap)
                skin::DrawTransparent(target, rect, FIconBitmap, skin::kSkinKeyColour);
            continue;
        }
        const int frame = IsHotObject(button.get())
                              ? skin::CaptionStateFrame(button->State, e.Align == 100, e.Frames())
                              : skin::CaptionPaintFrame(FActive, e.Frames());
        FGlyphs.Draw(target, rect, ImageHandle(e.Image), e.Frames(), frame);
    }
}

TNCObject* TVarUdedForm::ObjectAt(POINT p) const {
    for (const auto& button : FCaptionButtons) {
        const skin::PaintRect& r = button->Rect;
        if (button->Visible && button->Element()->Action >= 0 && p.x >= r.left && p.x < r.right &&
            p.y >= r.top && p.y < r.bottom)
            return button.get();
    }
    return FMenuBar ? FMenuBar->ItemAt(p) : nullptr;
}

namespace {

POINT ScreenPoint(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

} // namespace

LRESULT TVarUdedForm::WMNCMouseMove(WPARAM wParam, LPARAM lParam) {
    if (!FActive)
        return Default(WM_NCMOUSEMOVE, wParam, lParam);
    if (TNCObject* object = ObjectAt(WindowPoint(ScreenPoint(lParam)))) {
        object->Enter();
        return 0;
    }
    if (FHotObject) {
        TNCObject* hot = FHotObject;
        FHotObject = nullptr;
        hot->Leave();
    }
    return Default(WM_NCMOUSEMOVE, wParam, lParam);
}

LRESULT TVarUdedForm::WMNCLButtonDown(WPARAM wParam, LPARAM lParam) {
    if (TNCObject* object = ObjectAt(WindowPoint(ScreenPoint(lParam)))) {
        if (!FActive)
            SetForegroundWindow(FWnd);
        object->Press();
        if (auto* item = dynamic_cast<TMenuBtn*>(object); item && FMenuBar) {
            OpenMenuBarItem(*this, *FMenuBar, *item);
            // The entry stays the hot object until the mouse leaves it.
            if (FHotObject == item)
                item->Enter();
            item->State = IsHotObject(item) ? 3 : 1;
            item->Paint();
        }
        return 0;
    }
    // A maximized window is not dragged by its caption.
    if (FShowState == skin::ShowState::Maximized && wParam == HTCAPTION && FActive)
        wParam = HTMENU;
    return Default(WM_NCLBUTTONDOWN, wParam, lParam);
}

LRESULT TVarUdedForm::WMNCLButtonUp(WPARAM wParam, LPARAM lParam) {
    TNCObject* object = ObjectAt(WindowPoint(ScreenPoint(lParam)));
    if (!object)
        return Default(WM_NCLBUTTONUP, wParam, lParam);
    auto* button = dynamic_cast<TWinSysButton*>(object);
    if (button && IsHotObject(button)) {
        button->Release();
        RunButtonAction(*button, ScreenPoint(lParam));
    }
    return 0;
}

LRESULT TVarUdedForm::WMNCLButtonDblClk(WPARAM wParam, LPARAM lParam) {
    if (TNCObject* object = ObjectAt(WindowPoint(ScreenPoint(lParam)))) {
        auto* button = dynamic_cast<TWinSysButton*>(object);
        if (button && button->ShowsIcon()) {
            if (FTimer)
                FTimer->SetEnabled(false);
            PostMessageW(FWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
    }
    if (wParam != HTCAPTION)
        return Default(WM_NCLBUTTONDBLCLK, wParam, lParam);
    if (FShowState != skin::ShowState::Normal) {
        PostMessageW(FWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
        return 0;
    }
    if (FKinds.abilities & skin::kCanMaximize) {
        PostMessageW(FWnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        return 0;
    }
    return Default(WM_NCLBUTTONDBLCLK, wParam, lParam);
}

LRESULT TVarUdedForm::WMNCRButtonDown(WPARAM wParam, LPARAM lParam) {
    if (wParam == HTCAPTION && FKinds.mdi != skin::MdiRole::Child) {
        OpenSystemMenu(ScreenPoint(lParam));
        return 0;
    }
    return Default(WM_NCRBUTTONDOWN, wParam, lParam);
}

void TVarUdedForm::RunButtonAction(TWinSysButton& button, POINT) {
    const int action = button.Element()->Action;
    switch (action) {
    case 0: {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID;
        if (FSysMenu && !GetMenuItemInfoW(FSysMenu, SC_CLOSE, FALSE, &info))
            return;
        if (FTimer)
            FTimer->SetEnabled(false);
        PostMessageW(FWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        return;
    }
    case 1:
    case 22:
        if (FShowState == skin::ShowState::Maximized) {
            FShowState = skin::ShowState::Normal;
            PostMessageW(FWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
            return;
        }
        if (FKinds.mdi == skin::MdiRole::Child)
            SetMDIChildMaximized(true);
        FShowState = skin::ShowState::Maximized;
        PostMessageW(FWnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        FHotObject = nullptr;
        return;
    case 2:
    case 23:
        if (FShowState == skin::ShowState::Minimized) {
            PostMessageW(FWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
            return;
        }
        FShowState = skin::ShowState::Minimized;
        if (FHadSysMenu && !(FKinds.abilities & skin::kRemovesCaptionStyle)) {
            const LONG_PTR style = GetWindowLongPtrW(FWnd, GWL_STYLE);
            SetWindowLongPtrW(FWnd, GWL_STYLE, style | WS_SYSMENU);
        }
        PostMessageW(FWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return;
    case 3:
    case 11:
    case 12: {
        POINT cursor{};
        GetCursorPos(&cursor);
        OpenSystemMenu(POINT{cursor.x + 1, cursor.y + 1});
        return;
    }
    case 7:
    case 60:
        SendToActiveMdiChild(SC_MINIMIZE);
        return;
    case 8:
    case 61:
        SendToActiveMdiChild(SC_RESTORE);
        return;
    case 9:
    case 62:
        SendToActiveMdiChild(SC_CLOSE);
        return;
    default:
        PostMessageW(FWnd, skinmsg::kButtonAction, static_cast<WPARAM>(action), 0);
        return;
    }
}

void TVarUdedForm::HoverCheck() {
    if (SkinManagerFlags().MenuTracking)
        return;
    POINT cursor{};
    GetCursorPos(&cursor);
    FSkinners.CheckHover(cursor);
    if (!FHotObject)
        return;
    const POINT p = WindowPoint(cursor);
    const skin::PaintRect& r = FHotObject->Rect;
    if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom)
        return;
    TNCObject* hot = FHotObject;
    FHotObject = nullptr;
    hot->Leave();
}
