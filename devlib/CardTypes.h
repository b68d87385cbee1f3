#pragma once
// The card type table shared by the card record and the terminal discounts: the letters A to J
// and their codes, the letter's character code as two upper-case hex digits ("41" to "4A").
// Codes are texts for the terminal library (ASCII, so std::string); letters are box texts.

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The ten codes in table order, "41" (A) to "4A" (J).
inline constexpr std::array<std::string_view, 10> kCardTypeCodes = {"41", "42", "43", "44", "45",
                                                                    "46", "47", "48", "49", "4A"};

// The code of a type letter box text: exactly one of "A" to "J" (upper case); anything else has
// no code, which the caller passes on as a null text.
std::optional<std::string> CardTypeCode(std::wstring_view letter);

// The letter of a code read from a card: exactly one of "41" to "4A" as written; anything else
// has no letter.
std::optional<wchar_t> CardTypeLetter(std::string_view code);
