#include "devlib/CardTypes.h"

std::optional<std::string> CardTypeCode(std::wstring_view letter) {
    if (letter.size() != 1 || letter[0] < L'A' || letter[0] > L'J')
        return std::nullopt;
    return std::string(kCardTypeCodes[static_cast<std::size_t>(letter[0] - L'A')]);
}

std::optional<wchar_t> CardTypeLetter(std::string_view code) {
    for (std::size_t i = 0; i < kCardTypeCodes.size(); ++i) {
        if (kCardTypeCodes[i] == code)
            return static_cast<wchar_t>(L'A' + i);
    }
    return std::nullopt;
}
