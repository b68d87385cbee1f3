// Times skinned scroll bars and pop-up menus against the same unskinned, in one process:
// scrolling the main window's result list of 80,000 lines page by page, and opening a pop-up
// menu of 20 items. Prints milliseconds and the ratios.
//   skin_scroll_menu_timing [rounds]

#include "app/Form1.h"
#include "bench/skin/BenchSupport.h"
#include "framework/Menus.h"
#include "skin/SkinClasses.h"
#include "skin/SkinManage.h"
#include "skin/VarUdedForm.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using bench::Median;
using bench::Pump;

// One page down, as the scroll bar's page area does it, painted; back to the top at the end.
void PageDown(HWND list) {
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    if (SendMessageW(list, LB_GETTOPINDEX, 0, 0) + 40 >= count)
        SendMessageW(list, LB_SETTOPINDEX, 0, 0);
    SendMessageW(list, WM_VSCROLL, SB_PAGEDOWN, 0);
    SendMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
    UpdateWindow(list);
    Pump();
}

// The menu closes as soon as its loop takes its first message: the time is opening it, shown
// and painted, and closing it.
LRESULT CALLBACK CloseAtOnce(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_MENU)
        EndMenu();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Should the menu loop take no message of its own, a timer closes the menu anyway.
void CALLBACK CloseLate(HWND, UINT, UINT_PTR, DWORD) {
    EndMenu();
}

void OpenPopup(TPopupMenu& popup, HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, CloseAtOnce, nullptr, GetCurrentThreadId());
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, CloseLate);
    popup.Popup(r.left + 60, r.top + 80);
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    Pump();
}

bool SkinAndWait(HWND window) {
    SkinManager()->Enabled = true;
    return SkinManager()->SkinWindow(window) && bench::ActiveSkinner(window);
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    TApplication application;
    application.Initialize();
    RegisterSkinClasses();

    TForm1 form(nullptr);
    SkinManager()->Enabled = false;
    form.Show();
    form.Control<TPageControl>(L"PageControl1")->SetActivePageIndex(1);
    const HWND window = form.Handle();
    const HWND list = form.Control<TListBox>(L"ListBox1")->Handle();
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < 80000; ++i) {
        const std::wstring line = L"Record " + std::to_wstring(i) + L"  0001234  12.50";
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);

    auto* popup = new TPopupMenu(&form);
    for (int i = 0; i < 20; ++i) {
        auto* item = new TMenuItem(popup);
        item->SetCaption(i % 5 == 4 ? L"-" : L"Menu item " + std::to_wstring(i + 1));
        popup->Items()->Add(item);
    }
    Pump();

    PageDown(list);
    OpenPopup(*popup, window);
    const double plainScroll = Median(rounds, [&] { PageDown(list); });
    const double plainMenu = Median(std::max(3, rounds / 5), [&] { OpenPopup(*popup, window); });
    if (!SkinAndWait(window)) {
        std::printf("the main window could not be skinned\n");
        return 1;
    }
    PageDown(list);
    OpenPopup(*popup, window);
    const double skinnedScroll = Median(rounds, [&] { PageDown(list); });
    std::printf("page scroll of the 80000-line result list: unskinned %.3f ms, skinned %.3f ms, "
                "ratio %.2f\n",
                plainScroll, skinnedScroll, skinnedScroll / plainScroll);
    std::fflush(stdout);
    const double skinnedMenu = Median(std::max(3, rounds / 5), [&] { OpenPopup(*popup, window); });
    std::printf("opening a pop-up menu of 20 items: unskinned %.3f ms, skinned %.3f ms, "
                "ratio %.2f\n",
                plainMenu, skinnedMenu, skinnedMenu / plainMenu);
    return 0;
}
