// The MDI client of a skinned MDI frame: its scroll bars, the maximized-child flag and redraws
// of the frame when a child changes.

#include "skin/VarUdedData.h"
#include "skin/VarUdedForm.h"
#include "skin/VarUdedMenu.h"

TMdiClientHook::TMdiClientHook(TVarUdedForm* frame, HWND client) : frame_(frame) {
    if (TSkinData* data = frame->SkinData())
        menuUpdate_ = data->MenuUpdate();
    HookWindow(client);
}

TMdiClientHook::~TMdiClientHook() = default;

HWND TMdiClientHook::ActiveChild(bool* maximized) const {
    BOOL max = FALSE;
    const HWND child = reinterpret_cast<HWND>(
        SendMessageW(HookedWindow(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&max)));
    if (maximized)
        *maximized = child && max;
    return child;
}

LRESULT TMdiClientHook::HookProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    TSkinData* data = frame_->SkinData();
    const bool skinned = frame_->SkinFrame() && data;
    switch (msg) {
    case WM_NCDESTROY: {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        UnhookWindow();
        return result;
    }
    case WM_NCCALCSIZE:
        if (skinned && !data->HasOption(xoMDIScrollbar)) {
            const HWND client = HookedWindow();
            const LONG_PTR style = GetWindowLongPtrW(client, GWL_STYLE);
            if (style & (WS_HSCROLL | WS_VSCROLL))
                SetWindowLongPtrW(client, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
        }
        return CallDefault(msg, wParam, lParam);
    case WM_MDICREATE:
        if (data)
            data->SetMenuUpdate(false);
        return CallDefault(msg, wParam, lParam);
    case WM_MDIDESTROY: {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        if (skinned) {
            bool maximized = false;
            const HWND active = ActiveChild(&maximized);
            SetMDIChildMaximized(maximized);
            if (!active && data) {
                data->SetMenuUpdate(menuUpdate_);
                if (TVarUdedMenu* bar = frame_->MenuBar())
                    frame_->TakeMenu(bar->MenuHandle(), true);
            }
        }
        return result;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
        if (skinned && SkinManagerFlags().MDIChildMaximized)
            SetMDIChildMaximized(false);
        return CallDefault(msg, wParam, lParam);
    case WM_MDISETMENU: {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        if (skinned && wParam && frame_->MenuBar()) {
            frame_->TakeMenu(reinterpret_cast<HMENU>(wParam), true);
            SetMenu(frame_->Window(), nullptr);
        }
        return result;
    }
    case skinmsg::kRedrawMdiFrame:
        RedrawWindow(frame_->Window(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        return 0;
    default:
        return CallDefault(msg, wParam, lParam);
    }
}

void TVarUdedForm::SubclassMdiClient(HWND client) {
    FMdiClient = std::make_unique<TMdiClientHook>(this, client);
    if (TSkinManage* manager = SkinManager())
        manager->SetMDIClient(client, FControl);
}

void TVarUdedForm::SendToActiveMdiChild(WPARAM command) {
    if (!FMdiClient)
        return;
    if (const HWND child = FMdiClient->ActiveChild(nullptr))
        SendMessageW(child, WM_SYSCOMMAND, command, 0);
}
