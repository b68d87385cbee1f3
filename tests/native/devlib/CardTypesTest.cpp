#include "devlib/CardTypes.h"

#include <gtest/gtest.h>

namespace {

TEST(CardTypes, LettersAndCodesMatchBothWays) {
    EXPECT_EQ(CardTypeCode(L"A"), "41");
    EXPECT_EQ(CardTypeCode(L"C"), "43");
    EXPECT_EQ(CardTypeCode(L"J"), "4A");
    EXPECT_EQ(CardTypeLetter("41"), L'A');
    EXPECT_EQ(CardTypeLetter("43"), L'C');
    EXPECT_EQ(CardTypeLetter("4A"), L'J');
    for (std::string_view code : kCardTypeCodes)
        EXPECT_EQ(CardTypeCode(std::wstring(1, *CardTypeLetter(code))), code);
}

TEST(CardTypes, AnythingOutsideTheTableHasNone) {
    for (const wchar_t* letter : {L"", L"a", L"K", L"@", L"AA", L"A ", L" A", L"Ａ"})
        EXPECT_FALSE(CardTypeCode(letter).has_value());
    for (const char* code : {"", "40", "4B", "4a", "41 ", "4", "00", "FF"})
        EXPECT_FALSE(CardTypeLetter(code).has_value()) << code;
}

} // namespace
