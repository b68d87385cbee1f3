// Painting what lies behind a control, and text on either Windows family.

#include "skin/ImgUtilPaint.h"

#include <string>

namespace skin {

bool IsNtFamily() {
    // The other family sets the top bit of the version.
    return (GetVersion() & 0x80000000u) == 0;
}

void PaintParentBackground(HWND control, HDC dc) {
    if (control == nullptr) {
        return;
    }
    HWND parent = GetParent(control);
    if (parent == nullptr) {
        return;
    }
    RECT bounds{};
    if (!GetWindowRect(control, &bounds)) {
        return;
    }
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
    PaintParentBackground(parent, bounds, dc);
}

void PaintParentBackground(HWND parent, const RECT& boundsInParent, HDC dc) {
    if (parent == nullptr || dc == nullptr) {
        return;
    }
    const SavedDC saved(dc);
    OffsetViewportOrgEx(dc, -boundsInParent.left, -boundsInParent.top, nullptr);
    IntersectClipRect(dc, boundsInParent.left, boundsInParent.top, boundsInParent.right,
                      boundsInParent.bottom);
    const auto context = reinterpret_cast<WPARAM>(dc);
    SendMessageW(parent, WM_ERASEBKGND, context, 0);
    SendMessageW(parent, WM_PAINT, context, 0);
}

int DrawTextAuto(HDC dc, std::wstring_view text, RECT& rect, UINT format) {
    if (IsNtFamily()) {
        return DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect, format);
    }
    const int length = static_cast<int>(text.size());
    const int bytes =
        WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) {
        WideCharToMultiByte(CP_ACP, 0, text.data(), length, ansi.data(), bytes, nullptr, nullptr);
    }
    return DrawTextA(dc, ansi.c_str(), -1, &rect, format);
}

} // namespace skin
