#pragma once
// The class name of a window as the skin engine compares it: read with the wide function, at
// most 100 characters.

#include <windows.h>

#include <string>

namespace skin {

inline std::wstring WindowClassName(HWND window) {
    wchar_t name[101] = {};
    GetClassNameW(window, name, 101);
    return name;
}

} // namespace skin
