#include "framework/ShortCuts.h"

namespace {

// Names of the keys a menu short-cut may use, by virtual-key code.
std::wstring KeyName(unsigned key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::wstring(1, static_cast<wchar_t>(key));
    if (key >= 0x70 && key <= 0x87) // F1 to F24
        return L"F" + std::to_wstring(key - 0x70 + 1);
    if (key >= 0x60 && key <= 0x69) // the number pad's digits
        return L"Num " + std::to_wstring(key - 0x60);
    switch (key) {
    case 0x08:
        return L"BkSp";
    case 0x09:
        return L"Tab";
    case 0x0D:
        return L"Enter";
    case 0x1B:
        return L"Esc";
    case 0x20:
        return L"Space";
    case 0x21:
        return L"PgUp";
    case 0x22:
        return L"PgDn";
    case 0x23:
        return L"End";
    case 0x24:
        return L"Home";
    case 0x25:
        return L"Left";
    case 0x26:
        return L"Up";
    case 0x27:
        return L"Right";
    case 0x28:
        return L"Down";
    case 0x2D:
        return L"Ins";
    case 0x2E:
        return L"Del";
    default:
        return {};
    }
}

} // namespace

std::wstring ShortCutToText(TShortCut shortCut) {
    std::wstring name = KeyName(shortCut & 0xFFu);
    if (name.empty())
        return {};
    std::wstring text;
    if (shortCut & scShift)
        text += L"Shift+";
    if (shortCut & scCtrl)
        text += L"Ctrl+";
    if (shortCut & scAlt)
        text += L"Alt+";
    return text + name;
}

TShortCut TextToShortCut(std::wstring_view text) {
    auto lower = [](std::wstring_view s) {
        std::wstring out(s);
        for (wchar_t& c : out)
            c = (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
        return out;
    };
    TShortCut modifiers = 0;
    for (;;) {
        const std::wstring head = lower(text.substr(0, 6));
        if (head.starts_with(L"shift+") || head.starts_with(L"shift-")) {
            modifiers |= scShift;
            text.remove_prefix(6);
        } else if (head.starts_with(L"ctrl+") || head.starts_with(L"ctrl-")) {
            modifiers |= scCtrl;
            text.remove_prefix(5);
        } else if (head.starts_with(L"alt+") || head.starts_with(L"alt-")) {
            modifiers |= scAlt;
            text.remove_prefix(4);
        } else {
            break;
        }
    }
    if (text.empty())
        return scNone;
    const std::wstring key = lower(text);
    for (unsigned code = 1; code < 0x100; ++code) {
        const std::wstring name = KeyName(code);
        if (!name.empty() && lower(name) == key)
            return ShortCut(static_cast<std::uint8_t>(code), modifiers);
    }
    return scNone;
}

wchar_t AcceleratorChar(std::wstring_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&')
            continue;
        if (caption[i + 1] != L'&')
            return caption[i + 1];
        ++i; // "&&": a plain "&"
    }
    return 0;
}
