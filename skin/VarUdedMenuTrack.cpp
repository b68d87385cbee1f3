// Opening a drop-down of the skinned menu bar, and the message-filter hook that lets the arrow
// keys and the mouse move from one bar entry to the next while it is open, as on a native bar.

#include "framework/Menus.h"
#include "skin/SkinManage.h"
#include "skin/VarUdedData.h"
#include "skin/VarUdedMenu.h"

namespace {

// One drop-down of one bar is tracked at a time, on the GUI thread.
struct TrackingState {
    HHOOK hook = nullptr;
    int barIndex = -1;
    TMenuItem* current = nullptr;
    TVarUdedForm* skinner = nullptr;
    TVarUdedMenu* bar = nullptr;
    HMENU trackedMenu = nullptr;
    bool firstMessage = false;
    bool switching = false;
    POINT lastMouse{};
};

TrackingState& Tracking() {
    static TrackingState state;
    return state;
}

// Marks every entry of a menu and its sub-menus as owner-drawn, so the item painter draws them.
void MakeOwnerDrawn(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info))
            continue;
        if (!(info.fType & MFT_OWNERDRAW)) {
            info.fMask = MIIM_FTYPE;
            info.fType |= MFT_OWNERDRAW;
            SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        }
        if (info.hSubMenu)
            MakeOwnerDrawn(info.hSubMenu);
    }
}

// The open menu closes on this click, and the window then opens the other entry.
void SwitchToItem(TVarUdedForm& skinner, const TMenuBtn& target) {
    RECT window{};
    GetWindowRect(skinner.Window(), &window);
    const POINT at{window.left + target.Rect.left + 1, window.top + target.Rect.top + 1};
    PostMessageW(skinner.Window(), WM_NCLBUTTONDOWN, 1, MAKELPARAM(at.x, at.y));
}

// Arrow keys swap in a right-to-left menu; only key messages carry virtual-key codes.
void SwapArrowsForRightToLeft(MSG& msg) {
    TrackingState& t = Tracking();
    const bool keyMessage = msg.message == WM_KEYDOWN || msg.message == WM_KEYUP ||
                            msg.message == WM_SYSKEYDOWN || msg.message == WM_SYSKEYUP;
    if (!keyMessage || !t.bar)
        return;
    // Until an item of the drop-down is known, the bar's own direction decides.
    const bool rightToLeft =
        t.current ? t.current->GetParentMenu() && t.current->GetParentMenu()->IsRightToLeft()
                  : t.bar->RightToLeft();
    if (!rightToLeft)
        return;
    if (msg.wParam == VK_LEFT)
        msg.wParam = VK_RIGHT;
    else if (msg.wParam == VK_RIGHT)
        msg.wParam = VK_LEFT;
}

LRESULT CALLBACK MenuFilterProc(int code, WPARAM wParam, LPARAM lParam) {
    TrackingState& t = Tracking();
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (msg)
        SwapArrowsForRightToLeft(*msg);
    const LRESULT next = CallNextHookEx(t.hook, code, wParam, lParam);
    if (next != 0 || code != MSGF_MENU || !msg || !t.skinner || !t.bar)
        return next;
    if (!t.firstMessage) {
        t.firstMessage = true;
        PostMessageW(msg->hwnd, WM_KEYDOWN, VK_DOWN, 0);
    }
    TMenuBtn* target = nullptr;
    switch (msg->message) {
    case WM_KEYDOWN:
        if (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE) {
            t.switching = false;
        } else if (msg->wParam == VK_LEFT) {
            const bool atTop = !t.current || (t.current->Parent() &&
                                              t.current->Parent()->Handle() == t.trackedMenu);
            if (atTop)
                target = t.bar->NeighbourItem(t.barIndex, false);
        } else if (msg->wParam == VK_RIGHT) {
            if (!t.current || t.current->Count() == 0)
                target = t.bar->NeighbourItem(t.barIndex, true);
        }
        break;
    case WM_SYSKEYDOWN:
        if (msg->wParam == VK_MENU)
            SkinManagerFlags().MenuTracking = false;
        break;
    case WM_MENUSELECT: {
        const HMENU menu = reinterpret_cast<HMENU>(msg->lParam);
        if (HIWORD(msg->wParam) == 0xFFFF && !menu) {
            if (!t.switching)
                SkinManagerFlags().MenuTracking = false;
            break;
        }
        t.switching = false;
        if (t.bar->Menu()) {
            if (HIWORD(msg->wParam) & MF_POPUP) {
                const HMENU sub = GetSubMenu(menu, LOWORD(msg->wParam));
                t.current = t.bar->Menu()->FindItemByHandle(sub);
            } else {
                t.current = t.bar->Menu()->FindItem(LOWORD(msg->wParam));
            }
        }
        break;
    }
    case WM_MOUSEMOVE: {
        POINT p{static_cast<short>(LOWORD(msg->lParam)), static_cast<short>(HIWORD(msg->lParam))};
        ClientToScreen(msg->hwnd, &p);
        if (p.x != t.lastMouse.x || p.y != t.lastMouse.y) {
            t.lastMouse = p;
            target = t.bar->ItemAt(t.skinner->WindowPoint(p));
        }
        break;
    }
    default:
        break;
    }
    if (target && target->Index != t.barIndex) {
        t.switching = true;
        SwitchToItem(*t.skinner, *target);
    }
    return next;
}

void InstallTrackingHook() {
    TrackingState& t = Tracking();
    if (t.hook)
        return;
    t.firstMessage = false;
    t.switching = false;
    GetCursorPos(&t.lastMouse);
    t.hook = SetWindowsHookExW(WH_MSGFILTER, MenuFilterProc, nullptr, GetCurrentThreadId());
}

void RemoveTrackingHook() {
    TrackingState& t = Tracking();
    if (t.hook)
        UnhookWindowsHookEx(t.hook);
    t.hook = nullptr;
    t.current = nullptr;
    t.barIndex = -1;
    t.skinner = nullptr;
    t.bar = nullptr;
}

} // namespace

bool OpenMenuBarItem(TVarUdedForm& skinner, TVarUdedMenu& bar, TMenuBtn& item) {
    const HWND window = skinner.Window();
    // A disabled entry carries out nothing.
    if (item.Enabled)
        PostMessageW(window, WM_COMMAND, item.Command, 0);
    if (!item.SubMenu)
        return false;
    TrackingState& t = Tracking();
    t.barIndex = item.Index;
    t.skinner = &skinner;
    t.bar = &bar;
    RECT frame{};
    GetWindowRect(window, &frame);
    MakeOwnerDrawn(item.SubMenu);
    TSkinManagerFlags& flags = SkinManagerFlags();
    flags.MenuTracking = true;
    flags.MenuKind = 1;
    t.trackedMenu = item.SubMenu;
    InstallTrackingHook();
    if (item.Enabled) {
        const bool rtl = bar.RightToLeft();
        const int x = frame.left + (rtl ? item.Rect.right : item.Rect.left);
        const int y = frame.top + item.Rect.bottom;
        TrackPopupMenu(item.SubMenu, TPM_NONOTIFY | TPM_RIGHTBUTTON | (rtl ? TPM_RIGHTALIGN : 0), x,
                       y, 0, window, nullptr);
    }
    RemoveTrackingHook();
    flags.MenuTracking = false;
    return true;
}
