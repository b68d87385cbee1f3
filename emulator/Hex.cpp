#include "emulator/Hex.h"

namespace emulator {

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string HexFromBytes(std::span<const std::uint8_t> bytes) {
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        hex.push_back(kDigits[b >> 4]);
        hex.push_back(kDigits[b & 0x0F]);
    }
    return hex;
}

std::string HexFromText(std::string_view text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    return HexFromBytes(bytes);
}

std::optional<std::vector<std::uint8_t>> BytesFromHex(std::string_view hex) {
    if (hex.size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexValue(hex[i]);
        const int low = HexValue(hex[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return bytes;
}

std::optional<std::string> TextFromHex(std::string_view hex) {
    auto bytes = BytesFromHex(hex);
    if (!bytes)
        return std::nullopt;
    return std::string(bytes->begin(), bytes->end());
}

std::optional<int> ParseDecimal(std::string_view text, int maxDigits) {
    if (text.empty() || text.size() > static_cast<std::size_t>(maxDigits) || maxDigits > 9)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool IsPrintableAscii(std::string_view text, std::size_t maxLength) {
    if (text.empty() || text.size() > maxLength)
        return false;
    for (char c : text) {
        if (c <= ' ' || c >= 0x7F)
            return false;
    }
    return true;
}

} // namespace emulator
