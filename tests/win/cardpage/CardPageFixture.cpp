#include "tests/win/cardpage/CardPageFixture.h"

#include <cstdio>

void CardPageTest::ExpectOneBox(const std::wstring& text, const std::wstring& caption,
                                unsigned flags) {
    const auto& shown = boxes_.Shown();
    ASSERT_EQ(shown.size(), 1u) << (shown.empty() ? "no box" : U8(shown.back().text));
    EXPECT_EQ(U8(shown[0].text), U8(text));
    EXPECT_EQ(U8(shown[0].caption), U8(caption));
    EXPECT_EQ(shown[0].flags, flags);
}

void CardPageTest::ExpectPlainMessage(const std::wstring& text) {
    ExpectOneBox(text, Application->Title(), MB_OK);
}

void CardPageTest::ExpectInformation(const std::wstring& text) {
    ExpectOneBox(text, L"提示", MB_OK | MB_ICONINFORMATION);
}

void CardPageTest::ExpectConversionError(const std::wstring& message) {
    ExpectOneBox(message, Application->Title(), MB_OK | MB_ICONERROR);
}

namespace cardtext {

std::string Record(std::string_view number, std::string_view date, std::string_view name,
                   std::string_view minimum, std::string_view daily, std::string_view limits,
                   std::string_view type) {
    std::string r = "0";
    r += number;   // digits 2-6
    r += date;     // 7-12
    r += "0000";   // 13-16, flags
    r += name;     // 17-32
    r += minimum;  // 33-40
    r += "000000"; // 41-46
    r += daily;    // 47-54
    r += limits;   // 55-62
    r += type;     // 63-64
    return r;
}

std::string Purse(unsigned fen) {
    auto le = [](unsigned v) {
        char text[9];
        std::snprintf(text, sizeof text, "%02X%02X%02X%02X", v & 0xFF, v >> 8 & 0xFF,
                      v >> 16 & 0xFF, v >> 24 & 0xFF);
        return std::string(text);
    };
    return le(fen) + le(~fen) + le(fen) + "04FB04FB";
}

} // namespace cardtext
