#include "devlib/Conversions.h"

#include "framework/Exception.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

// The message of the conversion error a call raises, or a marker when it raises none.
template <typename F> std::wstring ErrorOf(F&& call) {
    try {
        call();
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return L"(no error)";
}

std::wstring NotInteger(const std::wstring& text) {
    return L"'" + text + L"' is not a valid integer value";
}

std::wstring NotFloat(const std::wstring& text) {
    return L"'" + text + L"' is not a valid floating point value";
}

TEST(HexToInt, ReadsDigitsAndDollarPrefix) {
    EXPECT_EQ(HexToInt(""), 0);
    EXPECT_EQ(HexToInt("$1F"), 31);
    EXPECT_EQ(HexToInt("1f"), 31);
    EXPECT_EQ(HexToInt("0000012C"), 300);
    EXPECT_EQ(HexToInt("0007B"), 123);
}

TEST(HexToInt, EightDigitsWrapToNegative) {
    EXPECT_EQ(HexToInt("FFFFFFFF"), -1);
    EXPECT_EQ(HexToInt("80000000"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(HexToInt("7FFFFFFF"), std::numeric_limits<std::int32_t>::max());
    // Leading zeros do not count against the 32 bits.
    EXPECT_EQ(HexToInt("000000000000FFFFFFFF"), -1);
}

TEST(HexToInt, BadTextGivesZero) {
    EXPECT_EQ(HexToInt("1G"), 0);
    EXPECT_EQ(HexToInt("1$F"), 0);
    EXPECT_EQ(HexToInt("$"), 0);
    EXPECT_EQ(HexToInt("$$1"), 0);
    EXPECT_EQ(HexToInt(" 1"), 0);
    EXPECT_EQ(HexToInt("-1"), 0);
    EXPECT_EQ(HexToInt(std::string_view("1\0", 2)), 0);
    EXPECT_EQ(HexToInt("\xD5\xC5"), 0);
    // Nine significant digits do not fit 32 bits.
    EXPECT_EQ(HexToInt("100000000"), 0);
}

TEST(HexToText, PairsBecomeBytes) {
    EXPECT_EQ(HexToText("D5C5C8FD00000000"), std::string("\xD5\xC5\xC8\xFD\0\0\0\0", 8));
    EXPECT_EQ(HexToText("414"), "A");
    EXPECT_EQ(HexToText(""), "");
    EXPECT_EQ(HexToText("4"), "");
    EXPECT_EQ(HexToText("6162"), "ab");
    // A pair that is not hex gives a zero byte and the pairs after it still count.
    EXPECT_EQ(HexToText("4G41$1"), std::string("\0A\0", 3));
}

TEST(IntFromText, AcceptsSignedDecimal) {
    EXPECT_EQ(IntFromText(L"0"), 0);
    EXPECT_EQ(IntFromText(L"000000"), 0);
    EXPECT_EQ(IntFromText(L"12345"), 12345);
    EXPECT_EQ(IntFromText(L"+7"), 7);
    EXPECT_EQ(IntFromText(L"-300"), -300);
    EXPECT_EQ(IntFromText(L"  42"), 42);
    EXPECT_EQ(IntFromText(L"2147483647"), 2147483647);
    EXPECT_EQ(IntFromText(L"-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(IntFromText(L"00000000000000000000019"), 19);
}

TEST(IntFromText, RefusesEverythingElseNamingTheText) {
    for (const wchar_t* text :
         {L"", L" ", L"-", L"+", L"COM4", L"4 ", L"1 2", L"1.0", L"1e3", L"$1F", L"0x10", L"--1",
          L"+-1", L"\t1", L"2147483648", L"-2147483649", L"99999999999999999999999",
          L"\uFF11", // a full-width digit one
          L"\u0661"}) {
        EXPECT_EQ(ErrorOf([&] { IntFromText(text); }), NotInteger(text)) << Utf8FromWide(text);
    }
}

TEST(CurrencyFromText, ReadsDecimalNumbers) {
    EXPECT_EQ(CurrencyFromText(L"0"), 0);
    EXPECT_EQ(CurrencyFromText(L"12.5"), 125000);
    EXPECT_EQ(CurrencyFromText(L"100"), 1000000);
    EXPECT_EQ(CurrencyFromText(L"9999999.99"), 99999999900);
    EXPECT_EQ(CurrencyFromText(L"-0.05"), -500);
    EXPECT_EQ(CurrencyFromText(L"+3"), 30000);
    EXPECT_EQ(CurrencyFromText(L".5"), 5000);
    EXPECT_EQ(CurrencyFromText(L"5."), 50000);
    EXPECT_EQ(CurrencyFromText(L"  7  "), 70000);
    EXPECT_EQ(CurrencyFromText(L"-0"), 0);
    EXPECT_EQ(CurrencyFromText(L"000000000000000000000000001.5"), 15000);
}

TEST(CurrencyFromText, Exponents) {
    EXPECT_EQ(CurrencyFromText(L"1E2"), 1000000);
    EXPECT_EQ(CurrencyFromText(L"1.5e+1"), 150000);
    EXPECT_EQ(CurrencyFromText(L"125e-1"), 125000);
    EXPECT_EQ(CurrencyFromText(L"1e-99999999999999999999"), 0);
    EXPECT_EQ(CurrencyFromText(L"0e99999999999"), 0);
}

TEST(CurrencyFromText, RoundsToFourDecimalsHalfToEven) {
    EXPECT_EQ(CurrencyFromText(L"1.23456"), 12346);
    EXPECT_EQ(CurrencyFromText(L"1.23454"), 12345);
    EXPECT_EQ(CurrencyFromText(L"0.00005"), 0);
    EXPECT_EQ(CurrencyFromText(L"0.00015"), 2);
    EXPECT_EQ(CurrencyFromText(L"0.000050000000000000000000000000000000000000000001"), 1);
    EXPECT_EQ(CurrencyFromText(L"-0.00015"), -2);
    EXPECT_EQ(CurrencyFromText(L"0.000049999"), 0);
    EXPECT_EQ(CurrencyFromText(L"0.0000000001"), 0);
}

TEST(CurrencyFromText, RangeEdges) {
    EXPECT_EQ(CurrencyFromText(L"922337203685477.5807"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(CurrencyFromText(L"-922337203685477.5808"), std::numeric_limits<std::int64_t>::min());
    for (const wchar_t* text :
         {L"922337203685477.5808", L"-922337203685477.5809", L"922337203685477.58075", L"1e15",
          L"1e400", L"123456789012345678901234567890"}) {
        EXPECT_EQ(ErrorOf([&] { CurrencyFromText(text); }), NotFloat(text)) << Utf8FromWide(text);
    }
}

TEST(CurrencyFromText, RefusesWhatIsNotANumber) {
    for (const wchar_t* text :
         {L"", L" ", L"abc", L".", L"-", L"1,000", L"1.2.3", L"1e", L"1e+", L"E5", L"1 2",
          L"12.5元", L"\uFF11", L"0x10", L"$10", L"inf", L"nan", L"\t1"}) {
        EXPECT_EQ(ErrorOf([&] { CurrencyFromText(text); }), NotFloat(text)) << Utf8FromWide(text);
    }
}

TEST(CurrencyFromText, DecimalSeparatorIsAParameter) {
    EXPECT_EQ(CurrencyFromText(L"12,5", L','), 125000);
    EXPECT_EQ(ErrorOf([] { CurrencyFromText(L"12.5", L','); }), NotFloat(L"12.5"));
}

TEST(CurrencyText, ShortestForm) {
    EXPECT_EQ(CurrencyText(0), L"0");
    EXPECT_EQ(CurrencyText(125000), L"12.5");
    EXPECT_EQ(CurrencyText(10000), L"1");
    EXPECT_EQ(CurrencyText(1), L"0.0001");
    EXPECT_EQ(CurrencyText(-8505000, L','), L"-850,5");
    EXPECT_EQ(CurrencyText(std::numeric_limits<std::int64_t>::min()), L"-922337203685477.5808");
}

TEST(FenFromYuan, TwoDecimalsAtMost) {
    EXPECT_EQ(FenFromYuan(L"12.34"), 1234);
    EXPECT_EQ(FenFromYuan(L"-5"), -500);
    EXPECT_EQ(FenFromYuan(L"0.1"), 10);
    EXPECT_EQ(FenFromYuan(L"12.5"), 1250);
    EXPECT_EQ(FenFromYuan(L"99999"), 9999900);
    EXPECT_EQ(FenFromYuan(L"0"), 0);
    EXPECT_EQ(FenFromYuan(L"1.2300"), 123);
    EXPECT_EQ(FenFromYuan(L"21474836.47"), 2147483647);
}

TEST(FenFromYuan, ErrorsNameTheRightText) {
    EXPECT_EQ(ErrorOf([] { FenFromYuan(L"abc"); }), NotFloat(L"abc"));
    EXPECT_EQ(ErrorOf([] { FenFromYuan(L""); }), NotFloat(L""));
    EXPECT_EQ(ErrorOf([] { FenFromYuan(L"0.001"); }), NotInteger(L"0.1"));
    EXPECT_EQ(ErrorOf([] { FenFromYuan(L"1.234"); }), NotInteger(L"123.4"));
    EXPECT_EQ(ErrorOf([] { FenFromYuan(L"12.345"); }), NotInteger(L"1234.5"));
    EXPECT_EQ(ErrorOf([] { FenFromYuan(L"-0.001"); }), NotInteger(L"-0.1"));
    EXPECT_EQ(ErrorOf([] { FenFromYuan(L"21474836.48"); }), NotInteger(L"2147483648"));
    // The product of the largest currency value still has an exact text.
    EXPECT_EQ(ErrorOf([] { FenFromYuan(L"922337203685477.5807"); }),
              NotInteger(L"92233720368547758.07"));
    EXPECT_EQ(ErrorOf([] { FenFromYuan(L"1,5", L','); }), L"(no error)");
    EXPECT_EQ(ErrorOf([] { FenFromYuan(L"1,234", L','); }), NotInteger(L"123,4"));
}

TEST(YuanFromFen, ShortestYuanText) {
    EXPECT_EQ(YuanFromFen(1234), L"12.34");
    EXPECT_EQ(YuanFromFen(1250), L"12.5");
    EXPECT_EQ(YuanFromFen(1200), L"12");
    EXPECT_EQ(YuanFromFen(5), L"0.05");
    EXPECT_EQ(YuanFromFen(0), L"0");
    EXPECT_EQ(YuanFromFen(100000), L"1000");
    EXPECT_EQ(YuanFromFen(-5), L"-0.05");
    EXPECT_EQ(YuanFromFen(-1250), L"-12.5");
    EXPECT_EQ(YuanFromFen(4294967295), L"42949672.95");
    EXPECT_EQ(YuanFromFen(std::numeric_limits<std::int32_t>::min()), L"-21474836.48");
    EXPECT_EQ(YuanFromFen(1250, L','), L"12,5");
}

TEST(BlockText, AtLeastTwoDigits) {
    EXPECT_EQ(BlockText(1), "01");
    EXPECT_EQ(BlockText(0), "00");
    EXPECT_EQ(BlockText(13), "13");
    EXPECT_EQ(BlockText(41), "41");
    EXPECT_EQ(BlockText(401), "401");
    EXPECT_EQ(BlockText(-3), "-03");
    EXPECT_EQ(BlockText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(HexByteText, UpperCaseAtLeastNDigits) {
    EXPECT_EQ(HexByteText(255, 2), "FF");
    EXPECT_EQ(HexByteText(256, 2), "100");
    EXPECT_EQ(HexByteText(10, 2), "0A");
    EXPECT_EQ(HexByteText(0, 2), "00");
    EXPECT_EQ(HexByteText(15, 4), "000F");
    EXPECT_EQ(HexByteText(0, 0), "0");
    EXPECT_EQ(HexByteText(-1, 2), "FFFFFFFF");
    EXPECT_EQ(HexByteText(-2, 4), "FFFFFFFE");
    EXPECT_EQ(HexByteText(1, 1000), "0000000000000001");
}

} // namespace
