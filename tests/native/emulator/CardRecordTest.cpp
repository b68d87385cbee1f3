#include "emulator/CardRecord.h"

#include "emulator/Hex.h"

#include <gtest/gtest.h>

#include <string>

namespace emulator {
namespace {

CardRecordFields IssueDefaults() {
    CardRecordFields fields;
    fields.cardNumber = 123;
    fields.name = "\xD5\xC5\xC8\xFD"; // 张三
    fields.password = "802715";
    fields.date = "090315";
    fields.flags = "0000";
    fields.minimumBalance = 0;
    fields.dailyLimit = 9999999 * 10000LL + 9900; // 9999999.99 yuan
    fields.periodLimits = {255, 255, 255, 255};
    fields.typeCode = "43";
    return fields;
}

std::string RecordHex(const CardRecordFields& fields) {
    const auto blocks = EncodeCardRecord(fields);
    if (!blocks)
        return "";
    return HexFromBytes((*blocks)[0]) + HexFromBytes((*blocks)[1]);
}

// Digits n..m of the record text, counted from 1, as the card page cuts them.
std::string Digits(const std::string& hex, int first, int last) {
    return hex.substr(static_cast<std::size_t>(first - 1),
                      static_cast<std::size_t>(last - first + 1));
}

long long HexNumber(const std::string& digits) {
    return std::stoll(digits, nullptr, 16);
}

TEST(CardRecord, PutsEveryFieldWhereTheCardPageReadsIt) {
    const std::string hex = RecordHex(IssueDefaults());
    ASSERT_EQ(hex.size(), 64u);
    EXPECT_EQ(Digits(hex, 2, 6), "0007B");
    EXPECT_EQ(Digits(hex, 7, 12), "090315");
    EXPECT_EQ(Digits(hex, 13, 16), "0000");
    EXPECT_EQ(*TextFromHex(Digits(hex, 17, 32)), std::string("\xD5\xC5\xC8\xFD\0\0\0\0", 8));
    EXPECT_EQ(HexNumber(Digits(hex, 33, 40)), 0);
    EXPECT_EQ(Digits(hex, 41, 46), "802715");
    EXPECT_EQ(HexNumber(Digits(hex, 47, 54)), 999999999);
    EXPECT_EQ(Digits(hex, 55, 62), "FFFFFFFF");
    EXPECT_EQ(Digits(hex, 63, 64), "43");
}

TEST(CardRecord, RoundTripsThroughTheDecoder) {
    CardRecordFields fields = IssueDefaults();
    fields.cardNumber = 0xFFFFF;
    fields.name = "ABCDEFGH";
    fields.minimumBalance = 12 * 10000 + 3400;
    fields.periodLimits = {0, 1, 128, 255};
    fields.typeCode = "4a";
    const auto blocks = EncodeCardRecord(fields);
    ASSERT_TRUE(blocks.has_value());
    const CardRecordView view = DecodeCardRecord((*blocks)[0], (*blocks)[1]);
    EXPECT_EQ(view.cardNumber, 0xFFFFFu);
    EXPECT_EQ(view.name, "ABCDEFGH");
    EXPECT_EQ(view.date, "090315");
    EXPECT_EQ(view.minimumBalanceFen, 1234u);
    EXPECT_EQ(view.dailyLimitFen, 999999999u);
    EXPECT_EQ(view.periodLimits, (std::array<int, 4>{0, 1, 128, 255}));
    EXPECT_EQ(view.typeCode, 0x4A);
}

TEST(CardRecord, PadsAShortPasswordWithLeadingZeros) {
    CardRecordFields fields = IssueDefaults();
    fields.password = "1234";
    EXPECT_EQ(Digits(RecordHex(fields), 41, 46), "001234");
}

TEST(CardRecord, RefusesFieldsTheCardCannotHold) {
    const auto refused = [](auto change) {
        CardRecordFields fields = IssueDefaults();
        change(fields);
        return !EncodeCardRecord(fields).has_value();
    };
    EXPECT_TRUE(refused([](auto& f) { f.cardNumber = 0x100000; }));
    EXPECT_TRUE(refused([](auto& f) { f.cardNumber = -1; }));
    EXPECT_TRUE(refused([](auto& f) { f.name = "123456789"; }));
    EXPECT_TRUE(refused([](auto& f) { f.date = "090230"; }));
    EXPECT_TRUE(refused([](auto& f) { f.date = "0903150"; }));
    EXPECT_TRUE(refused([](auto& f) { f.date = "09-315"; }));
    EXPECT_TRUE(refused([](auto& f) { f.flags = "000"; }));
    EXPECT_TRUE(refused([](auto& f) { f.password = ""; }));
    EXPECT_TRUE(refused([](auto& f) { f.password = "1234567"; }));
    EXPECT_TRUE(refused([](auto& f) { f.password = "80271x"; }));
    EXPECT_TRUE(refused([](auto& f) { f.minimumBalance = -100; }));
    EXPECT_TRUE(refused([](auto& f) { f.minimumBalance = 1; })); // a hundredth of a fen
    EXPECT_TRUE(refused([](auto& f) { f.dailyLimit = (UINT32_MAX + 1LL) * 100; }));
    EXPECT_TRUE(refused([](auto& f) { f.periodLimits[2] = 256; }));
    EXPECT_TRUE(refused([](auto& f) { f.periodLimits[0] = -1; }));
    EXPECT_TRUE(refused([](auto& f) { f.typeCode = "4B"; }));
    EXPECT_TRUE(refused([](auto& f) { f.typeCode = ""; }));
    EXPECT_FALSE(refused([](auto& f) { f.date = "240229"; })); // a leap day
    EXPECT_FALSE(refused([](auto& f) { f.name = ""; }));
}

TEST(CardRecord, CardNumberAloneKeepsTheRestOfTheBlock) {
    const auto blocks = EncodeCardRecord(IssueDefaults());
    ASSERT_TRUE(blocks.has_value());
    Block first = (*blocks)[0];
    first[0] |= 0xA0; // a high half the card page never reads
    const auto renumbered = WithCardNumber(first, 0x12345);
    ASSERT_TRUE(renumbered.has_value());
    EXPECT_EQ(HexFromBytes(*renumbered).substr(0, 12), "A12345090315");
    EXPECT_EQ(HexFromBytes(*renumbered).substr(12), HexFromBytes(first).substr(12));
    EXPECT_FALSE(WithCardNumber(first, 0x100000).has_value());
}

} // namespace
} // namespace emulator
