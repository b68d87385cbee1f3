#pragma once
// The notification a button's parent receives when the button is clicked. Sent directly, it
// reaches buttons that are hidden (the group "写卡") through the same window procedures, and
// the same error display, as a click by the operator.

#include <windows.h>

inline void SendClickNotification(HWND button) {
    SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}
