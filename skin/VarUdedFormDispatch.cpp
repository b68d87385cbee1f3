// The window skinner's message dispatch: three stages, each a table of the messages it answers.
// Stage 1 runs for every skinned window, stage 2 for windows whose frame is skinned, stage 3
// once the skinner is active.

#include "framework/Forms.h"
#include "skin/MenuItemPaint.h"
#include "skin/SkinScrollbar.h"
#include "skin/VarUdedData.h"
#include "skin/VarUdedForm.h"
#include "skin/VarUdedMenu.h"

#include <windowsx.h>

namespace {

constexpr UINT kThemedCaptionRequest = 0xAE;
constexpr UINT kRecalcFrame =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

bool IsSystemCommandOfMenu(UINT id) {
    switch (id) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
        return true;
    default:
        return false;
    }
}

} // namespace

LRESULT TVarUdedForm::HookProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCPAINT:
        if (FSkinState == TSkinState::Attached)
            return 0;
        break;
    case WM_ERASEBKGND:
        return WMEraseBkgnd(wParam, lParam);
    case WM_NCDESTROY:
        return WMNCDestroy(wParam, lParam);
    case WM_NCACTIVATE:
        if (FSkinState == TSkinState::Attached && FKinds.mdi != skin::MdiRole::Child)
            return 0;
        return FSkinFrame ? StageTwo(msg, wParam, lParam) : Default(msg, wParam, lParam);
    case kThemedCaptionRequest:
        return 0;
    case WM_INITMENUPOPUP:
        SkinManagerFlags().MenuKind = reinterpret_cast<HMENU>(wParam) == FSysMenu ? 2 : 1;
        return Default(msg, wParam, lParam);
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return WMCtlColor(msg, wParam, lParam);
    case skinmsg::kActivate:
        Activate();
        return 0;
    case skinmsg::kIsSkinned:
        return 1;
    case skinmsg::kReplaceScrollbar:
        ReplaceScrollbarSkinner(*this, reinterpret_cast<HWND>(wParam));
        return 0;
    default:
        break;
    }
    if (!FSkinFrame)
        return Default(msg, wParam, lParam);
    // A child window that is not an MDI child keeps the system's frame handling.
    if (FKinds.childWindow && FKinds.mdi != skin::MdiRole::Child)
        return Default(msg, wParam, lParam);
    return StageTwo(msg, wParam, lParam);
}

LRESULT TVarUdedForm::StageTwo(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SIZE:
        return WMSize(wParam, lParam);
    case WM_ACTIVATE:
        FActive = LOWORD(wParam) != WA_INACTIVE;
        break;
    case WM_NCACTIVATE:
        FActive = (wParam & 0xFF) != 0;
        break;
    case WM_GETMINMAXINFO:
        return WMGetMinMaxInfo(wParam, lParam);
    case WM_WINDOWPOSCHANGED:
        ReadShowState();
        return Default(msg, wParam, lParam);
    case WM_COMMAND:
        return WMCommand(wParam, lParam);
    case WM_SYSCOMMAND:
        return WMSysCommand(wParam, lParam);
    case skinmsg::kOpenMenuAt:
        return WMOpenMenuAt(lParam);
    default:
        break;
    }
    return StageThree(msg, wParam, lParam);
}

LRESULT TVarUdedForm::StageThree(UINT msg, WPARAM wParam, LPARAM lParam) {
    const bool maximizedMdiChild =
        FKinds.mdi == skin::MdiRole::Child && FShowState == skin::ShowState::Maximized;
    if (FSkinState == TSkinState::Attached || maximizedMdiChild)
        return Default(msg, wParam, lParam);
    switch (msg) {
    case WM_MEASUREITEM:
        return WMMeasureItem(wParam, lParam);
    case WM_DRAWITEM:
        return WMDrawItem(wParam, lParam);
    case WM_NCCALCSIZE:
        return WMNCCalcSize(wParam, lParam);
    case WM_NCHITTEST:
        return WMNCHitTest(wParam, lParam);
    case WM_NCPAINT:
        return WMNCPaint(wParam, lParam);
    case WM_NCACTIVATE:
        return WMNCActivate(wParam, lParam);
    case WM_NCMOUSEMOVE:
        return WMNCMouseMove(wParam, lParam);
    case WM_NCLBUTTONDOWN:
        return WMNCLButtonDown(wParam, lParam);
    case WM_NCLBUTTONUP:
        return WMNCLButtonUp(wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
        return WMNCLButtonDblClk(wParam, lParam);
    case WM_NCRBUTTONDOWN:
        return WMNCRButtonDown(wParam, lParam);
    case skinmsg::kPaintFrame:
        PaintFrame();
        return 0;
    default:
        return Default(msg, wParam, lParam);
    }
}

void TVarUdedForm::CallPreviousFormProc(TMessage& msg) {
    if (FFormLink && FFormLink->previous)
        FFormLink->previous(msg);
}

void TVarUdedForm::FormWindowProc(TMessage& msg) {
    switch (msg.Msg) {
    case WM_SETTEXT:
        FormSetText(msg);
        return;
    case skinmsg::kReskin:
        Reskin();
        return;
    case skinmsg::kPaintFrameTo:
        if (msg.LParam == skinmsg::kMagic) {
            PaintFrame(reinterpret_cast<HDC>(msg.WParam));
            msg.Result = skinmsg::kMagic;
            return;
        }
        break;
    case skinmsg::kPresence:
        msg.Result = msg.LParam == skinmsg::kMagic ? skinmsg::kMagic : 1;
        return;
    case CM_MENUCHANGED:
        FormMenuChanged(msg);
        return;
    default:
        break;
    }
    CallPreviousFormProc(msg);
}

// The form's menu changed: the frame stays still while the form puts the bar on its window,
// then the skinned bar takes the new menu over and the window's own bar goes again.
void TVarUdedForm::FormMenuChanged(TMessage& msg) {
    const bool painting = FSkinData && FSkinData->PaintFrames();
    if (FSkinData)
        FSkinData->SetPaintFrames(false);
    CallPreviousFormProc(msg);
    if (FSkinData)
        FSkinData->SetPaintFrames(painting);
    const HMENU menu = GetMenu(FWnd);
    if (!menu)
        return;
    if (FMenuBar && FSkinData && FSkinData->MenuUpdate())
        TakeMenu(menu, false);
    else if (!FMenuBar)
        TakeMenu(menu, false);
    SetMenu(FWnd, nullptr);
}

// Owner-drawn menu items: entries of the skinned bar's drop-downs are drawn here from the
// skin; other framework items go on to the framework, whose handlers are the skin's; entries
// only the system menu knows are drawn from a temporary item.
bool TVarUdedForm::DrawsMenuItems(UINT controlType) const {
    const bool hasMenu = FMenuHandle || FMenuBar || FSysPopup;
    return controlType == ODT_MENU && hasMenu && FMenuPainter;
}

TMenuItem* TVarUdedForm::BarItem(UINT command) const {
    TMainMenu* bar = FMenuBar ? FMenuBar->Menu() : nullptr;
    return bar ? bar->FindItem(command) : nullptr;
}

LRESULT TVarUdedForm::WMMeasureItem(WPARAM wParam, LPARAM lParam) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (!measure || !DrawsMenuItems(measure->CtlType))
        return Default(WM_MEASUREITEM, wParam, lParam);
    if (TMenuItem* item = BarItem(measure->itemID)) {
        skin::WindowDC dc(FWnd);
        TCanvas canvas(dc.Get());
        canvas.Font()->Assign(*MenuFont());
        int width = 0;
        int height = 0;
        item->MeasureItem(canvas, width, height);
        FMenuPainter->MeasureMenuItem(item, &canvas, width, height);
        canvas.SetHandle(nullptr);
        measure->itemWidth = static_cast<UINT>(width);
        measure->itemHeight = static_cast<UINT>(height);
        return 1;
    }
    if (FindMenuItemByCommand(measure->itemID) || (measure->itemID >= 1 && measure->itemID <= 4095))
        return Default(WM_MEASUREITEM, wParam, lParam);
    FMenuPainter->MeasureSystemItem(FWnd, FSysMenu, *measure);
    return 1;
}

LRESULT TVarUdedForm::WMDrawItem(WPARAM wParam, LPARAM lParam) {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (!draw || !DrawsMenuItems(draw->CtlType))
        return Default(WM_DRAWITEM, wParam, lParam);
    if (TSkinManage* manager = SkinManager())
        manager->SetPopupMenuHandle(reinterpret_cast<HMENU>(draw->hwndItem));
    if (TMenuItem* item = BarItem(draw->itemID)) {
        TCanvas canvas(draw->hDC);
        canvas.Font()->Assign(*MenuFont());
        const bool selected = (draw->itemState & ODS_SELECTED) != 0;
        if (FSkinData->Elements().MenuItem && !FSkinData->Elements().MenuItem->Image.Empty())
            FMenuPainter->DrawMenuItem(item, &canvas, draw->rcItem, selected);
        else
            FMenuPainter->DrawPlainMenuItem(item, &canvas, selected, draw->rcItem);
        canvas.SetHandle(nullptr);
        return 1;
    }
    if (FindMenuItemByCommand(draw->itemID) || (draw->itemID >= 1 && draw->itemID <= 4095))
        return Default(WM_DRAWITEM, wParam, lParam);
    FMenuPainter->DrawSystemItem(*draw);
    return 1;
}

LRESULT TVarUdedForm::WMOpenMenuAt(LPARAM lParam) {
    const POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (auto* item = dynamic_cast<TMenuBtn*>(ObjectAt(WindowPoint(screen))); item && FMenuBar)
        OpenMenuBarItem(*this, *FMenuBar, *item);
    return 0;
}

// A visible window's caption text changes with redrawing switched off, so the system never
// paints its own caption over the skinned one; the frame is then painted anew.
void TVarUdedForm::FormSetText(TMessage& msg) {
    if (!IsWindowVisible(FWnd)) {
        CallPreviousFormProc(msg);
        return;
    }
    const bool mdiChild = FKinds.mdi == skin::MdiRole::Child;
    if (!mdiChild)
        SendMessageW(FWnd, WM_SETREDRAW, FALSE, 0);
    CallPreviousFormProc(msg);
    if (!mdiChild) {
        SendMessageW(FWnd, WM_SETREDRAW, TRUE, 0);
        if (Application)
            Application->ProcessMessages();
    }
    if (!IsWindow(FWnd) || !FInstalled)
        return;
    if (mdiChild && FShowState == skin::ShowState::Maximized)
        PostMessageW(GetParent(FWnd), skinmsg::kRedrawMdiFrame, reinterpret_cast<WPARAM>(FWnd), 0);
    else if (FShowState == skin::ShowState::Minimized)
        PaintFrame();
    else
        SetWindowPos(FWnd, nullptr, 0, 0, 0, 0, kRecalcFrame);
}

LRESULT TVarUdedForm::WMEraseBkgnd(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(WM_ERASEBKGND, wParam, lParam);
    if (FControl || !FSkinData)
        return result;
    RECT client{};
    GetClientRect(FWnd, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, FSkinData->FaceBrush());
    return 1;
}

LRESULT TVarUdedForm::WMNCDestroy(WPARAM wParam, LPARAM lParam) {
    FSkinState = TSkinState::Destroying;
    UninstallOnDestroy();
    const LRESULT result = Default(WM_NCDESTROY, wParam, lParam);
    FSkinState = TSkinState::Destroyed;
    return result;
}

LRESULT TVarUdedForm::WMCtlColor(UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(msg, wParam, lParam);
    if (FControl || !FSkinData)
        return result;
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    if (msg == WM_CTLCOLORSTATIC)
        return reinterpret_cast<LRESULT>(FSkinData->FaceBrush());
    return result;
}

LRESULT TVarUdedForm::WMSize(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(WM_SIZE, wParam, lParam);
    switch (wParam) {
    case SIZE_RESTORED:
        FShowState = skin::ShowState::Normal;
        break;
    case SIZE_MINIMIZED:
        FShowState = skin::ShowState::Minimized;
        return result;
    case SIZE_MAXIMIZED:
        FShowState = skin::ShowState::Maximized;
        break;
    default:
        break;
    }
    // A maximized MDI child fills its client with the frame pushed outside: the outline cut
    // for its normal size would clip it.
    if (FKinds.mdi == skin::MdiRole::Child && FShowState == skin::ShowState::Maximized)
        DropRegion();
    if (FKinds.mdi == skin::MdiRole::Child &&
        (SkinManagerFlags().MDIChildMaximized || FShowState != skin::ShowState::Normal))
        return result;
    if (FSkinState == TSkinState::Active || FSkinState == TSkinState::Reskinning)
        RebuildRegion();
    return result;
}

// A maximized skinned window shows its whole frame, so it is given the monitor's work area
// exactly: it never runs under the task bar.
LRESULT TVarUdedForm::WMGetMinMaxInfo(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(WM_GETMINMAXINFO, wParam, lParam);
    ReadShowState();
    const bool maximizedMdiChild =
        FKinds.mdi == skin::MdiRole::Child && FShowState == skin::ShowState::Maximized;
    ApplyCaptionStyleRemoval(!(FShowState == skin::ShowState::Minimized || maximizedMdiChild));
    if (FKinds.mdi != skin::MdiRole::Child && !FKinds.childWindow &&
        FKinds.border != skin::BorderKind::None && FSkinState != TSkinState::Attached) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        if (GetMonitorInfoW(MonitorFromWindow(FWnd, MONITOR_DEFAULTTONEAREST), &monitor)) {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMaxPosition = {monitor.rcWork.left - monitor.rcMonitor.left,
                                   monitor.rcWork.top - monitor.rcMonitor.top};
            info->ptMaxSize = {monitor.rcWork.right - monitor.rcWork.left,
                               monitor.rcWork.bottom - monitor.rcWork.top};
        }
    }
    return result;
}

LRESULT TVarUdedForm::WMCommand(WPARAM wParam, LPARAM lParam) {
    if (IsSystemCommandOfMenu(LOWORD(wParam))) {
        PostMessageW(FWnd, WM_SYSCOMMAND, LOWORD(wParam), 0);
        return 0;
    }
    return Default(WM_COMMAND, wParam, lParam);
}

LRESULT TVarUdedForm::WMSysCommand(WPARAM wParam, LPARAM lParam) {
    if ((wParam & 0xFFF0) == SC_KEYMENU && !SkinManagerFlags().MenuTracking) {
        if (lParam == L' ') {
            POINT origin{0, 0};
            ClientToScreen(FWnd, &origin);
            OpenSystemMenu(origin);
            return 0;
        }
        // Alt with a letter (or Alt alone, key 0) opens the bar entry it names.
        if (lParam != L'-' && FMenuBar && !GetCapture()) {
            if (TMenuBtn* item = FMenuBar->ItemWithAccelerator(static_cast<wchar_t>(lParam))) {
                item->Press();
                OpenMenuBarItem(*this, *FMenuBar, *item);
                item->Leave();
                return 1;
            }
        }
    }
    switch (wParam & 0xFFF0) {
    case SC_MINIMIZE:
        FShowState = skin::ShowState::Minimized;
        if (FKinds.mdi == skin::MdiRole::Child)
            ApplyCaptionStyleRemoval(false);
        break;
    case SC_MAXIMIZE:
        FShowState = skin::ShowState::Maximized;
        break;
    case SC_RESTORE:
        FShowState = skin::ShowState::Normal;
        if (FKinds.mdi == skin::MdiRole::Child) {
            ApplyCaptionStyleRemoval(true);
            SetMDIChildMaximized(false);
        }
        break;
    default:
        break;
    }
    return Default(WM_SYSCOMMAND, wParam, lParam);
}

LRESULT TVarUdedForm::WMNCCalcSize(WPARAM wParam, LPARAM lParam) {
    if (!wParam) {
        Default(WM_NCCALCSIZE, wParam, lParam);
        return 0;
    }
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    const RECT window = params->rgrc[0];
    Default(WM_NCCALCSIZE, wParam, lParam);
    const bool mdiChild = FKinds.mdi == skin::MdiRole::Child;
    if ((mdiChild && FShowState != skin::ShowState::Normal) ||
        FKinds.border == skin::BorderKind::None) {
        params->rgrc[1] = params->rgrc[0];
        return WVR_REDRAW;
    }
    const skin::PaintRect client =
        skin::SkinnedClientRect({window.left, window.top, window.right, window.bottom}, FMetrics);
    params->rgrc[0] = {client.left, client.top, client.right, client.bottom};
    params->rgrc[1] = params->rgrc[0];
    return WVR_REDRAW;
}

LRESULT TVarUdedForm::WMNCHitTest(WPARAM wParam, LPARAM lParam) {
    const LRESULT answer = Default(WM_NCHITTEST, wParam, lParam);
    RECT window{};
    GetWindowRect(FWnd, &window);
    const POINT p = WindowPoint({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    // A maximized window cannot be sized by its borders.
    const skin::BorderKind border =
        FShowState == skin::ShowState::Maximized ? skin::BorderKind::Fixed : FKinds.border;
    return skin::RefineHitTest(static_cast<int>(answer), p.x, p.y, window.right - window.left,
                               window.bottom - window.top, FMetrics, border);
}

LRESULT TVarUdedForm::WMNCPaint(WPARAM, LPARAM) {
    if (!(FKinds.abilities & skin::kRemovesCaptionStyle)) {
        const LONG_PTR style = GetWindowLongPtrW(FWnd, GWL_STYLE);
        // While the bit is away the system draws no caption buttons of its own.
        if (style & WS_SYSMENU)
            SetWindowLongPtrW(FWnd, GWL_STYLE, style & ~WS_SYSMENU);
    }
    if (FSkinData && FSkinData->PaintFrames() && FKinds.border != skin::BorderKind::None)
        PaintFrame();
    return 0;
}

LRESULT TVarUdedForm::WMNCActivate(WPARAM wParam, LPARAM lParam) {
    FActive = (wParam & 0xFF) != 0;
    if (FTimer)
        FTimer->SetEnabled(FActive);
    if (!FActive)
        FSkinners.MouseLeftHover();
    if (FKinds.mdi == skin::MdiRole::Child)
        Default(WM_NCACTIVATE, wParam, lParam);
    else if (FMdiClient)
        SendMessageW(FMdiClient->Window(), WM_NCACTIVATE, wParam, lParam);
    PaintFrame();
    return 1;
}
