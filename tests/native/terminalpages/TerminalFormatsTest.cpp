#include "terminalpages/TerminalFormats.h"

#include "framework/Exception.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const std::string kWeek = "\xD0\xC7\xC6\xDA"; // 星期 in GBK

TEST(ClockLine, FullReply) {
    EXPECT_EQ(ClockLine("2024050601123045"),
              "2024-05-06  12:30:45    " + kWeek + "\xD2\xBB"); // 一
    EXPECT_EQ(ClockLine("2024050607123045"), "2024-05-06  12:30:45    " + kWeek + "\xC8\xD5");
    EXPECT_EQ(ClockLine("2024050606123045"), "2024-05-06  12:30:45    " + kWeek + "\xC1\xF9");
}

TEST(ClockLine, OtherWeekdaysShowAsTheyCame) {
    EXPECT_EQ(ClockLine("2024050600123045"), "2024-05-06  12:30:45    " + kWeek + "0");
    EXPECT_EQ(ClockLine("2024050608123045"), "2024-05-06  12:30:45    " + kWeek + "8");
    EXPECT_EQ(ClockLine("20240506 A123045"), "2024-05-06  12:30:45    " + kWeek + "A");
}

TEST(ClockLine, ShortRepliesGiveShortPieces) {
    EXPECT_EQ(ClockLine(""), "--  ::    " + kWeek);
    EXPECT_EQ(ClockLine("2024"), "2024--  ::    " + kWeek);
    EXPECT_EQ(ClockLine("202405060"), "2024-05-06  ::    " + kWeek);
    EXPECT_EQ(ClockLine("20240506031"), "2024-05-06  1::    " + kWeek + "\xC8\xFD");
    // A longer reply shows its first sixteen characters.
    EXPECT_EQ(ClockLine("2024050601123045XYZ"), "2024-05-06  12:30:45    " + kWeek + "\xD2\xBB");
}

TEST(CodeTables, BaudRate) {
    EXPECT_EQ(BaudRateCode(L"9600"), 0);
    EXPECT_EQ(BaudRateCode(L"19200"), 1);
    EXPECT_EQ(BaudRateCode(L"38400"), 2);
    EXPECT_EQ(BaudRateCode(L"57600"), 3);
    EXPECT_EQ(BaudRateCode(L"115200"), 4);
    EXPECT_EQ(BaudRateCode(L"4800"), 4);
    EXPECT_EQ(BaudRateCode(L" 9600"), 4);
    EXPECT_EQ(BaudRateCode(L""), 4);
}

TEST(CodeTables, ModeLanguagePassword) {
    EXPECT_EQ(ModeCode(L"固定消费"), "00");
    EXPECT_EQ(ModeCode(L"手动消费"), "01");
    EXPECT_EQ(ModeCode(L"菜单消费"), "02");
    EXPECT_EQ(ModeCode(L"下传消费"), "03");
    EXPECT_FALSE(ModeCode(L"菜单").has_value());
    EXPECT_FALSE(ModeCode(L"").has_value());
    EXPECT_EQ(LanguageCode(L"简体中文"), "00");
    EXPECT_EQ(LanguageCode(L"繁体中文"), "01");
    EXPECT_EQ(LanguageCode(L"英文"), "02");
    EXPECT_EQ(LanguageCode(L""), "02");
    EXPECT_EQ(PasswordFunctionCode(L"使用"), "01");
    EXPECT_EQ(PasswordFunctionCode(L"不使用"), "00");
    EXPECT_EQ(PasswordFunctionCode(L"使用 "), "00");
}

TEST(Records, WholeRecordsOnly) {
    const std::string a(49, 'a');
    const std::string b(49, 'b');
    EXPECT_TRUE(SplitRecords("").empty());
    EXPECT_TRUE(SplitRecords(std::string(48, 'x')).empty());
    EXPECT_EQ(SplitRecords(a + "0123456789A"), std::vector<std::string_view>{a});
    EXPECT_EQ(SplitRecords(a + b), (std::vector<std::string_view>{a, b}));
    EXPECT_EQ(SplitRecords(a + b + "c").size(), 2u);
    // GBK bytes are counted as bytes: the library's width is in bytes.
    const std::string gbk = "\xD5\xC5" + std::string(47, '1');
    EXPECT_EQ(SplitRecords(gbk + gbk), (std::vector<std::string_view>{gbk, gbk}));
}

TEST(Records, RecordLineNumbers) {
    EXPECT_EQ(RecordLine("R", 1), "R   00001");
    EXPECT_EQ(RecordLine("R", 99999), "R   99999");
    EXPECT_EQ(RecordLine("R", 100000), "R   100000");
    EXPECT_EQ(RecordLine("", 0), "   00000");
    EXPECT_EQ(RecordLine(std::string_view("a\0b", 3), 2), std::string("a\0b   00002", 11));
}

TEST(Records, DownloadReplies) {
    EXPECT_TRUE(IsEndMarker("85"));
    EXPECT_FALSE(IsEndMarker("85 "));
    EXPECT_FALSE(IsEndMarker(""));
    EXPECT_EQ(ClassifyDownloadReply("85"), DownloadReply::End);
    EXPECT_EQ(ClassifyDownloadReply(std::string(49, '1')), DownloadReply::Records);
    EXPECT_EQ(ClassifyDownloadReply(std::string(60, '1')), DownloadReply::Records);
    EXPECT_EQ(ClassifyDownloadReply(""), DownloadReply::Failed);
    EXPECT_EQ(ClassifyDownloadReply("86"), DownloadReply::Stalled);
    EXPECT_EQ(ClassifyDownloadReply(std::string(48, '1')), DownloadReply::Stalled);
}

TEST(Records, SummaryLine) {
    EXPECT_EQ(DownloadSummaryLine(3), "\xB9\xB2\xCF\xC2\xD4\xD8"
                                      "3\xCC\xF5!");
    EXPECT_EQ(DownloadSummaryLine(0), "\xB9\xB2\xCF\xC2\xD4\xD8"
                                      "0\xCC\xF5!");
    EXPECT_EQ(DownloadSummaryLine(80017), "\xB9\xB2\xCF\xC2\xD4\xD8"
                                          "80017\xCC\xF5!");
}

TEST(DownloadFileName, DateAndTimeParts) {
    EXPECT_EQ(DownloadFileName(L"2024-5-6", L"12:30:45"), L"数据2024-5-6(123045).txt");
    EXPECT_EQ(DownloadFileName(L"2024-05-06", L"09:05:07"), L"数据2024-05-06(090507).txt");
}

TEST(DownloadFileName, CharactersAFileNameCannotHoldBecomeDashes) {
    EXPECT_EQ(DownloadFileName(L"2024/5/6", L"12:30:45"), L"数据2024-5-6(123045).txt");
    EXPECT_EQ(DownloadFileName(L"6\\5\\2024", L"12:30:45"), L"数据6-5-2024(123045).txt");
    EXPECT_EQ(DownloadFileName(L"a:b*c?d\"e<f>g|h\ti", L"12:30:45"),
              L"数据a-b-c-d-e-f-g-h-i(123045).txt");
    // A time with a one-digit hour puts the separator into the pieces.
    EXPECT_EQ(DownloadFileName(L"2024-5-6", L"9:05:07"), L"数据2024-5-6(9-5-7).txt");
    EXPECT_EQ(DownloadFileName(L"2024年5月6日", L"12:30"), L"数据2024年5月6日(1230).txt");
    EXPECT_EQ(DownloadFileName(L"", L""), L"数据().txt");
}

TEST(CardAmountPosition, Advance) {
    EXPECT_EQ(NextCardAmountPosition({1, 1}), (CardAmountPosition{1, 2}));
    EXPECT_EQ(NextCardAmountPosition({1, 98}), (CardAmountPosition{1, 99}));
    EXPECT_EQ(NextCardAmountPosition({1, 99}), (CardAmountPosition{2, 1}));
    EXPECT_EQ(NextCardAmountPosition({7, 500}), (CardAmountPosition{8, 1}));
    EXPECT_EQ(NextCardAmountPosition({1, -5}), (CardAmountPosition{1, -4}));
    // Typed extremes wrap instead of overflowing.
    constexpr std::int32_t max = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(NextCardAmountPosition({max, 99}),
              (CardAmountPosition{std::numeric_limits<std::int32_t>::min(), 1}));
    EXPECT_EQ(NextCardAmountPosition({1, max}).number, std::numeric_limits<std::int32_t>::min());
}

TEST(CardAmountPosition, RangeOfNineteenEntries) {
    CardAmountPosition p{1, 1};
    for (int card = 2; card < 21; ++card)
        p = NextCardAmountPosition(p);
    EXPECT_EQ(p, (CardAmountPosition{1, 20}));
}

TEST(PerMilleFromText, MustBeIntegral) {
    EXPECT_EQ(PerMilleFromText(L"1000"), 1000);
    EXPECT_EQ(PerMilleFromText(L"850.0"), 850);
    EXPECT_EQ(PerMilleFromText(L"1000.0"), 1000);
    EXPECT_EQ(PerMilleFromText(L"-1"), -1);
    auto message = [](const wchar_t* text) {
        try {
            PerMilleFromText(text);
        } catch (const EConvertError& e) {
            return e.Message();
        }
        return std::wstring(L"(no error)");
    };
    EXPECT_EQ(message(L"850.5"), L"'850.5' is not a valid integer value");
    EXPECT_EQ(message(L"999.5"), L"'999.5' is not a valid integer value");
    EXPECT_EQ(message(L"abc"), L"'abc' is not a valid floating point value");
    EXPECT_EQ(message(L""), L"'' is not a valid floating point value");
    EXPECT_EQ(message(L"3e9"), L"'3000000000' is not a valid integer value");
}

// Replies come from a device: every length and every byte must be handled without reading out
// of bounds (the sanitizers watch this run).
TEST(TerminalReplies, ArbitraryBytesAreHandledSafely) {
    std::uint32_t rngState = 777;
    auto next = [&rngState] { return rngState = rngState * 1103515245u + 12345u; };
    for (int round = 0; round < 2000; ++round) {
        std::string reply(next() % 200, '\0');
        for (char& c : reply)
            c = static_cast<char>(next() >> 16);
        ClockLine(reply);
        std::size_t total = 0;
        for (std::string_view record : SplitRecords(reply)) {
            EXPECT_EQ(record.size(), kRecordWidth);
            total += record.size();
        }
        EXPECT_EQ(total, reply.size() / kRecordWidth * kRecordWidth);
        ClassifyDownloadReply(reply);
    }
}

} // namespace
