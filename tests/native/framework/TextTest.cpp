#include "framework/Exception.h"

#include <gtest/gtest.h>

TEST(Text, Utf8AndWideRoundTrip) {
    std::wstring wide = L"设备调试工具 V2.18 ;\u00e9";
    EXPECT_EQ(WideFromUtf8(Utf8FromWide(wide)), wide);
    EXPECT_EQ(Utf8FromWide(L"状"), "\xE7\x8A\xB6");
    // A truncated sequence and a stray continuation byte become replacement characters.
    EXPECT_EQ(WideFromUtf8("a\xE7\x8A"), std::wstring(L"a\uFFFD\uFFFD"));
    EXPECT_EQ(WideFromUtf8("\x80z"), std::wstring(L"\uFFFDz"));
    EXPECT_STREQ(EConvertError(L"'x' is not a valid integer value").what(),
                 "'x' is not a valid integer value");
}
