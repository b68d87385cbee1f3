#pragma once
// Hexadecimal text as the reader and the terminals speak it: two upper-case digits per byte,
// first byte first.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace emulator {

std::string HexFromBytes(std::span<const std::uint8_t> bytes);
std::string HexFromText(std::string_view text);

// Accepts upper- and lower-case digits; an odd length or any other character gives nothing.
std::optional<std::vector<std::uint8_t>> BytesFromHex(std::string_view hex);
std::optional<std::string> TextFromHex(std::string_view hex);

// A decimal number of 1 to maxDigits digits and nothing else.
std::optional<int> ParseDecimal(std::string_view text, int maxDigits);

// 1 to maxLength printable ASCII characters (passwords).
bool IsPrintableAscii(std::string_view text, std::size_t maxLength);

} // namespace emulator
