#include "skin/VarUdedPopMenu.h"

#include "skin/GdiOwners.h"
#include "skin/SkinImageGdi.h"
#include "skin/SkinManage.h"
#include "skin/VarUdedData.h"
#include "skin/VarUdedForm.h"

namespace {
// The width of a menu window's own frame, which the background covers too.
constexpr int kMenuFrame = 3;
// Asks for the window's own class styles on the context (not in every SDK header).
constexpr DWORD kDcxUseStyle = 0x10000;
} // namespace

TVarUdedPopMenu::~TVarUdedPopMenu() {
    Detach();
}

void TVarUdedPopMenu::Attach(HWND window, TSkinData* skinData, HMENU menu) {
    FWnd = window;
    FSkinData = skinData;
    FMenuHandle = menu;
    HookWindow(window);
}

void TVarUdedPopMenu::Detach() {
    UnhookWindow();
    FBackground = {};
}

bool TVarUdedPopMenu::CanPaint() const {
    if (!FSkinData || FSkinData->NoSkin())
        return false;
    const TSkinElements& elements = FSkinData->Elements();
    return elements.MenuBackground && !elements.MenuBackground->Image.Empty();
}

bool TVarUdedPopMenu::RenderBackground() {
    RECT window{};
    GetWindowRect(FWnd, &window);
    const SIZE size{window.right - window.left, window.bottom - window.top};
    if (size.cx <= 0 || size.cy <= 0)
        return false;
    // Drawn once per size: every frame paint and every item reuses it.
    if (FBackground && FBackground.Width() == size.cx && FBackground.Height() == size.cy)
        return true;
    const TDataSkinObject& element = *FSkinData->Elements().MenuBackground;
    FBackground = skin::DrawNineGrid(size, ImageHandle(element.Image), MarginsOf(element),
                                     skin::FrameLayout::SideBySide, element.Tile != 0, 1, 1);
    return static_cast<bool>(FBackground);
}

LRESULT TVarUdedPopMenu::HookProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == skinmsg::kIsSkinned)
        return 1;
    TSkinManage* manager = SkinManager();
    if (!manager || !manager->Enabled)
        return CallDefault(msg, wParam, lParam);
    switch (msg) {
    case WM_DESTROY: {
        Detach();
        return CallDefault(msg, wParam, lParam);
    }
    case WM_ERASEBKGND:
        return WMEraseBkgnd(wParam, lParam);
    case WM_NCPAINT:
        return WMNCPaint(wParam, lParam);
    case WM_PRINTCLIENT:
        return WMPrintClient(wParam, lParam);
    default:
        return CallDefault(msg, wParam, lParam);
    }
}

LRESULT TVarUdedPopMenu::WMEraseBkgnd(WPARAM wParam, LPARAM lParam) {
    if (!FSkinData || !FSkinData->HasOption(xoMenuBG))
        CallDefault(WM_ERASEBKGND, wParam, lParam);
    return 1;
}

LRESULT TVarUdedPopMenu::WMNCPaint(WPARAM wParam, LPARAM lParam) {
    if (!CanPaint())
        return CallDefault(WM_NCPAINT, wParam, lParam);
    // The region belongs to the caller; region 1 means the whole window.
    const HRGN update = wParam > 1 ? reinterpret_cast<HRGN>(wParam) : nullptr;
    HDC dc = GetDCEx(FWnd, update, DCX_WINDOW | kDcxUseStyle | (update ? DCX_INTERSECTRGN : 0));
    if (!dc)
        return 0;
    if (RenderBackground()) {
        skin::MemoryDC source;
        skin::SelectScope select(source.Get(), FBackground.Handle());
        BitBlt(dc, 0, 0, FBackground.Width(), FBackground.Height(), source.Get(), 0, 0, SRCCOPY);
    }
    ReleaseDC(FWnd, dc);
    return 0;
}

LRESULT TVarUdedPopMenu::WMPrintClient(WPARAM wParam, LPARAM lParam) {
    if (!CanPaint())
        return CallDefault(WM_PRINTCLIENT, wParam, lParam);
    HDC dc = reinterpret_cast<HDC>(wParam);
    if (RenderBackground()) {
        skin::MemoryDC source;
        skin::SelectScope select(source.Get(), FBackground.Handle());
        BitBlt(dc, 0, 0, FBackground.Width(), FBackground.Height(), source.Get(), 0, 0, SRCCOPY);
    }
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, kMenuFrame, kMenuFrame, FBackground.Width() - kMenuFrame,
                      FBackground.Height() - kMenuFrame);
    const LRESULT result = CallDefault(WM_PRINTCLIENT, wParam, lParam);
    RestoreDC(dc, saved);
    SetBkMode(dc, oldMode);
    return result;
}
