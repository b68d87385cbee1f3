#pragma once
// Menu short-cuts: a virtual-key code in the low byte and the modifier keys in the high bits,
// and the text a menu shows for them ("Ctrl+O", "Shift+Del", "F5"). Free of Win32.

#include <cstdint>
#include <string>
#include <string_view>

using TShortCut = std::uint16_t;

constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// The short-cut of key (a virtual-key code) with the given modifier bits.
constexpr TShortCut ShortCut(std::uint8_t key, TShortCut modifiers) {
    return static_cast<TShortCut>(key | (modifiers & (scShift | scCtrl | scAlt)));
}

// "Shift+Ctrl+Alt+" in that order, then the key's name; empty for no short-cut or a key
// without a name.
std::wstring ShortCutToText(TShortCut shortCut);

// The short-cut a text such as "Alt+F4" or "CTRL+S" names (modifiers in any case, joined by
// "+" or "-"); scNone when the key has no name.
TShortCut TextToShortCut(std::wstring_view text);

// The accelerator of a caption: the character after a single "&" ("&&" stands for a plain "&"),
// or 0 when there is none.
wchar_t AcceleratorChar(std::wstring_view caption);
