#include "devlib/Conversions.h"

#include "framework/Exception.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

[[noreturn]] void RaiseNotInteger(std::wstring_view text) {
    throw EConvertError(L"'" + std::wstring(text) + L"' is not a valid integer value");
}

[[noreturn]] void RaiseNotFloat(std::wstring_view text) {
    throw EConvertError(L"'" + std::wstring(text) + L"' is not a valid floating point value");
}

// A decimal number as its significant digits (no leading zeros) times a power of ten.
struct Decimal {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;
    bool droppedNonZero = false; // digits past the kept ones, folded into rounding
};

// More significant digits than this cannot change a 19-digit raw value except through
// rounding, which the dropped-digit flag keeps.
constexpr std::size_t kKeptDigits = 40;
// Exponents beyond this overflow or underflow every raw value anyway.
constexpr std::int64_t kExponentCap = 100000;

std::optional<Decimal> ParseDecimal(std::wstring_view s, wchar_t separator) {
    Decimal d;
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n && s[i] == L' ')
        ++i;
    if (i < n && (s[i] == L'+' || s[i] == L'-')) {
        d.negative = s[i] == L'-';
        ++i;
    }
    bool anyDigit = false;
    auto takeDigit = [&](wchar_t c, bool fraction) {
        anyDigit = true;
        if (d.digits.empty() && c == L'0') {
            if (fraction)
                --d.exponent;
            return;
        }
        if (d.digits.size() < kKeptDigits) {
            d.digits += static_cast<char>(c);
            if (fraction)
                --d.exponent;
            return;
        }
        d.droppedNonZero = d.droppedNonZero || c != L'0';
        if (!fraction)
            ++d.exponent;
    };
    while (i < n && IsDigit(s[i]))
        takeDigit(s[i++], false);
    if (i < n && s[i] == separator) {
        ++i;
        while (i < n && IsDigit(s[i]))
            takeDigit(s[i++], true);
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < n && (s[i] == L'E' || s[i] == L'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (s[i] == L'+' || s[i] == L'-')) {
            negativeExponent = s[i] == L'-';
            ++i;
        }
        if (i == n || !IsDigit(s[i]))
            return std::nullopt;
        std::int64_t e = 0;
        while (i < n && IsDigit(s[i])) {
            e = std::min(kExponentCap, e * 10 + (s[i] - L'0'));
            ++i;
        }
        d.exponent += negativeExponent ? -e : e;
    }
    while (i < n && s[i] == L' ')
        ++i;
    if (i != n)
        return std::nullopt;
    return d;
}

// Appends one decimal digit to v; false when the result would pass limit.
bool PushDigit(std::uint64_t& v, int digit, std::uint64_t limit) {
    if (v > (limit - static_cast<std::uint64_t>(digit)) / 10)
        return false;
    v = v * 10 + static_cast<std::uint64_t>(digit);
    return true;
}

// value x 10^4 rounded half to even; nullopt when it leaves the signed 64-bit range.
std::optional<std::int64_t> RawFromDecimal(const Decimal& d) {
    if (d.digits.empty())
        return 0;
    const std::uint64_t limit = d.negative
                                    ? std::uint64_t{1} << 63
                                    : std::uint64_t{std::numeric_limits<std::int64_t>::max()};
    const std::int64_t shift = d.exponent + 4; // raw = digits x 10^shift
    const auto count = static_cast<std::int64_t>(d.digits.size());
    std::uint64_t v = 0;
    if (shift >= 0) {
        if (count + shift > 19)
            return std::nullopt;
        for (char c : d.digits)
            if (!PushDigit(v, c - '0', limit))
                return std::nullopt;
        for (std::int64_t k = 0; k < shift; ++k)
            if (!PushDigit(v, 0, limit))
                return std::nullopt;
    } else {
        const std::int64_t whole = count + shift; // digits left of the rounding point
        if (whole > 19)
            return std::nullopt;
        for (std::int64_t k = 0; k < whole; ++k)
            if (!PushDigit(v, d.digits[static_cast<std::size_t>(k)] - '0', limit))
                return std::nullopt;
        // The first dropped digit decides, the rest only break a tie.
        int first = 0;
        bool restNonZero = d.droppedNonZero;
        if (whole >= 0) {
            first = d.digits[static_cast<std::size_t>(whole)] - '0';
            for (std::size_t k = static_cast<std::size_t>(whole) + 1; k < d.digits.size(); ++k)
                restNonZero = restNonZero || d.digits[k] != '0';
        } else {
            restNonZero = true; // every digit lies beyond the first dropped place
        }
        const bool up = first > 5 || (first == 5 && (restNonZero || (v & 1) != 0));
        if (up) {
            if (v == limit)
                return std::nullopt;
            ++v;
        }
    }
    if (!d.negative)
        return static_cast<std::int64_t>(v);
    return static_cast<std::int64_t>(0 - v); // two's complement covers -2^63
}

// The shortest decimal text of value / 10^decimals.
std::wstring ShortestFixed(std::int64_t value, int decimals, wchar_t separator) {
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::uint64_t scale = 1;
    for (int k = 0; k < decimals; ++k)
        scale *= 10;
    std::wstring text = value < 0 ? L"-" : L"";
    text += std::to_wstring(magnitude / scale);
    std::wstring fraction = std::to_wstring(magnitude % scale);
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), L'0');
    while (!fraction.empty() && fraction.back() == L'0')
        fraction.pop_back();
    if (!fraction.empty())
        text += separator + fraction;
    return text;
}

} // namespace

std::int32_t HexToInt(std::string_view hex) {
    for (std::size_t i = 0; i < hex.size(); ++i) {
        if (HexDigitValue(hex[i]) < 0 && !(i == 0 && hex[i] == '$'))
            return 0;
    }
    if (!hex.empty() && hex.front() == '$')
        hex.remove_prefix(1);
    while (!hex.empty() && hex.front() == '0')
        hex.remove_prefix(1);
    if (hex.size() > 8)
        return 0;
    std::uint32_t v = 0;
    for (char c : hex)
        v = v << 4 | static_cast<std::uint32_t>(HexDigitValue(c));
    return static_cast<std::int32_t>(v);
}

std::string HexToText(std::string_view hex) {
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        const int high = HexDigitValue(hex[i]);
        const int low = HexDigitValue(hex[i + 1]);
        bytes += high < 0 || low < 0 ? '\0' : static_cast<char>(high << 4 | low);
    }
    return bytes;
}

std::int32_t IntFromText(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == L' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    if (i == text.size())
        RaiseNotInteger(text);
    const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : (std::uint64_t{1} << 31) - 1;
    std::uint64_t v = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i]) || !PushDigit(v, text[i] - L'0', limit))
            RaiseNotInteger(text);
    }
    const auto signedValue = static_cast<std::int64_t>(v);
    return static_cast<std::int32_t>(negative ? -signedValue : signedValue);
}

std::int64_t CurrencyFromText(std::wstring_view text, wchar_t decimalSeparator) {
    const std::optional<Decimal> d = ParseDecimal(text, decimalSeparator);
    if (!d)
        RaiseNotFloat(text);
    const std::optional<std::int64_t> raw = RawFromDecimal(*d);
    if (!raw)
        RaiseNotFloat(text);
    return *raw;
}

std::wstring CurrencyText(std::int64_t raw, wchar_t decimalSeparator) {
    return ShortestFixed(raw, 4, decimalSeparator);
}

std::int32_t FenFromYuan(std::wstring_view text, wchar_t decimalSeparator) {
    // raw x 100 with four decimals is raw with two decimals: no product can overflow.
    const std::int64_t raw = CurrencyFromText(text, decimalSeparator);
    return IntFromText(ShortestFixed(raw, 2, decimalSeparator));
}

std::wstring YuanFromFen(std::int64_t fen, wchar_t decimalSeparator) {
    return ShortestFixed(fen, 2, decimalSeparator);
}

std::string BlockText(std::int32_t block) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.2d", static_cast<int>(block));
    return buffer;
}

std::string HexByteText(std::int32_t value, int minDigits) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*X", std::clamp(minDigits, 0, 16),
                  static_cast<unsigned>(static_cast<std::uint32_t>(value)));
    return buffer;
}
