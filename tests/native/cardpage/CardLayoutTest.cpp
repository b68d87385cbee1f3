#include "cardpage/CardLayout.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// A card record of 64 digits assembled field by field.
std::string Record(std::string_view number, std::string_view date, std::string_view name,
                   std::string_view minimum, std::string_view daily, std::string_view limits,
                   std::string_view type) {
    std::string r = "0";
    r += number;   // digits 2-6
    r += date;     // 7-12
    r += "0000";   // 13-16 flags
    r += name;     // 17-32
    r += minimum;  // 33-40
    r += "000000"; // 41-46
    r += daily;    // 47-54
    r += limits;   // 55-62
    r += type;     // 63-64
    return r;
}

const std::string kIssued =
    Record("0007B", "090315", "D5C5C8FD00000000", "000001F4", "000F423F", "FF0A0001", "43");

TEST(CardBlocks, SectorArithmetic) {
    EXPECT_EQ(CardRecordBlock(0), 1);
    EXPECT_EQ(CardRecordBlock(1), 5);
    EXPECT_EQ(CardRecordBlock(2), 9);
    EXPECT_EQ(PersonalPurse(1).first, 8);
    EXPECT_EQ(PersonalPurse(1).second, 9);
    EXPECT_EQ(SubsidyPurse(1).first, 12);
    EXPECT_EQ(SubsidyPurse(1).second, 13);
    EXPECT_EQ(PersonalPurse(2).first, 12);
    // Any typed sector is safe; the blocks wrap like 32-bit integers.
    EXPECT_EQ(CardRecordBlock(std::numeric_limits<std::int32_t>::max()), -3);
    EXPECT_EQ(SubsidyPurse(std::numeric_limits<std::int32_t>::min()).second, 9);
}

TEST(DecodeCardRecord, IssuedCard) {
    const CardRecord r = DecodeCardRecord(kIssued);
    EXPECT_EQ(r.cardNumber, 123);
    EXPECT_EQ(CardNumberText(r.cardNumber), L"000123");
    EXPECT_EQ(CardStatusText(r.cardNumber), L"正常");
    ASSERT_TRUE(r.validity.has_value());
    EXPECT_EQ(*r.validity, (CardDate{2009, 3, 15}));
    EXPECT_EQ(r.name, "\xD5\xC5\xC8\xFD"); // two GBK characters, zero bytes cut off
    EXPECT_EQ(r.minimumBalanceFen, 500);
    EXPECT_EQ(r.dailyLimitFen, 999999);
    EXPECT_EQ(r.periodLimits, (std::array<int, 4>{255, 10, 0, 1}));
    EXPECT_EQ(r.typeLetter, L'C');
}

TEST(DecodeCardRecord, BlankCard) {
    const CardRecord r = DecodeCardRecord(std::string(64, '0'));
    EXPECT_EQ(CardNumberText(r.cardNumber), L"000000");
    EXPECT_EQ(CardStatusText(r.cardNumber), L"注销");
    EXPECT_FALSE(r.validity.has_value());
    EXPECT_EQ(r.name, "");
    EXPECT_EQ(r.minimumBalanceFen, 0);
    EXPECT_EQ(r.dailyLimitFen, 0);
    EXPECT_EQ(r.periodLimits, (std::array<int, 4>{}));
    EXPECT_FALSE(r.typeLetter.has_value());
}

TEST(DecodeCardRecord, ValidityMustBeARealDate) {
    auto validity = [](std::string_view date) {
        return DecodeCardRecord(Record("00001", date, std::string(16, '0'), "00000000", "00000000",
                                       "00000000", "41"))
            .validity;
    };
    EXPECT_EQ(validity("991231"), (CardDate{2099, 12, 31}));
    EXPECT_EQ(validity("240229"), (CardDate{2024, 2, 29}));
    EXPECT_FALSE(validity("230229").has_value());
    EXPECT_FALSE(validity("090431").has_value());
    EXPECT_FALSE(validity("091301").has_value());
    EXPECT_FALSE(validity("090300").has_value());
    EXPECT_FALSE(validity("0A0315").has_value()); // hex digits are not decimal digits
    EXPECT_EQ(validity("000101"), (CardDate{2000, 1, 1}));
}

TEST(DecodeCardRecord, FieldsKeepTheirOwnRules) {
    // A name of the full eight bytes; a minimum balance with the top bit set reads negative;
    // limits use the per-digit rule, so a lower-case digit counts by its character code.
    const CardRecord r = DecodeCardRecord(
        Record("FFFFF", "090315", "4142434445464748", "FFFFFFFF", "7FFFFFFF", "a0000000", "4A"));
    EXPECT_EQ(r.cardNumber, 1048575);
    EXPECT_EQ(CardNumberText(r.cardNumber), L"1048575");
    EXPECT_EQ(r.name, "ABCDEFGH");
    EXPECT_EQ(r.minimumBalanceFen, -1);
    EXPECT_EQ(r.dailyLimitFen, 2147483647);
    EXPECT_EQ(r.periodLimits[0], ('a' - '0') * 16);
    EXPECT_EQ(r.typeLetter, L'J');
}

TEST(DecodeCardRecord, ShortRepliesDecodeFromWhatIsThere) {
    for (std::size_t length = 0; length <= kIssued.size(); ++length) {
        const CardRecord r = DecodeCardRecord(std::string_view(kIssued).substr(0, length));
        if (length < 6) {
            EXPECT_NE(r.cardNumber, 123) << length;
        }
        if (length < 12) {
            EXPECT_FALSE(r.validity.has_value()) << length;
        }
        if (length < 64) {
            EXPECT_FALSE(r.typeLetter.has_value()) << length;
        }
    }
    const CardRecord cut = DecodeCardRecord(std::string_view(kIssued).substr(0, 57));
    EXPECT_EQ(cut.cardNumber, 123);
    EXPECT_EQ(cut.name, "\xD5\xC5\xC8\xFD");
    EXPECT_EQ(cut.periodLimits, (std::array<int, 4>{255, 0, 0, 0})); // digit 57 present: "0"
    const CardRecord oddCut = DecodeCardRecord(std::string_view(kIssued).substr(0, 55));
    EXPECT_EQ(oddCut.periodLimits[0], 15 * 16);
}

TEST(PurseValue, LeastSignificantByteFirst) {
    EXPECT_EQ(PurseValue("10270000EFD8FFFF1027000004FB04FB"), 10000u);
    EXPECT_EQ(PurseValue("00000000"), 0u);
    EXPECT_EQ(PurseValue("01020304"), 0x04030201u);
    EXPECT_EQ(PurseValue("FFFFFFFF"), 4294967295u); // unsigned
    EXPECT_EQ(PurseValue(""), 0u);
    EXPECT_EQ(PurseValue("102"), 0x2010u); // short: missing digits count 0
    // Characters outside the hex digits count by their code; the result wraps, never traps.
    EXPECT_EQ(PurseValue("0a"), static_cast<std::uint32_t>('a' - '0'));
    EXPECT_EQ(PurseValue("!!!!!!!!"),
              static_cast<std::uint32_t>((-15 * 16 - 15) * (1 + 256 + 65536 + 16777216LL)));
}

TEST(DecodeConsumption, NinetySixDigits) {
    std::string hex = "24050603"             // period 1: 24-05-06, 3
                      "2405060A"             // period 2: count 10
                      "000000FF"             // period 3: 00-00-00, 255
                      "99999901"             // period 4: as stored, not a real date
                      + std::string(32, '0') // block 13
                      + "000004D2" + "240506" + std::string(12, '0') + "000A00";
    ASSERT_EQ(hex.size(), 96u);
    const std::optional<Consumption> c = DecodeConsumption(hex);
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->periods[0].date, "24-05-06");
    EXPECT_EQ(c->periods[0].count, 3);
    EXPECT_EQ(c->periods[1].count, 10);
    EXPECT_EQ(c->periods[2].date, "00-00-00");
    EXPECT_EQ(c->periods[2].count, 255);
    EXPECT_EQ(c->periods[3].date, "99-99-99");
    EXPECT_EQ(c->dayAmountFen, 1234);
    EXPECT_EQ(c->dayDate, "24-05-06");
    // A longer reply decodes its first 96 digits; a shorter one decodes nothing.
    EXPECT_TRUE(DecodeConsumption(hex + "FF").has_value());
    EXPECT_FALSE(DecodeConsumption(std::string_view(hex).substr(0, 95)).has_value());
    EXPECT_FALSE(DecodeConsumption("").has_value());
}

TEST(LimitChangeBlock, ReplacesByteTenPlusN) {
    const std::string block = "00112233445566778899AABBCCDDEEFF";
    EXPECT_EQ(LimitChangeBlock(block, 1, 10), "00112233445566778899AA0ACCDDEEFF");
    EXPECT_EQ(LimitChangeBlock(block, 2, 255), "00112233445566778899AABBFFDDEEFF");
    EXPECT_EQ(LimitChangeBlock(block, 3, 0), "00112233445566778899AABBCC00EEFF");
    EXPECT_EQ(LimitChangeBlock(block, 4, 1), "00112233445566778899AABBCCDD01FF");
    // A longer reply still gives one block of 32 digits.
    EXPECT_EQ(LimitChangeBlock(block + "1234", 4, 1), "00112233445566778899AABBCCDD01FF");
}

TEST(LimitChangeBlock, NothingToWrite) {
    const std::string block = "00112233445566778899AABBCCDDEEFF";
    EXPECT_FALSE(LimitChangeBlock("", 1, 10).has_value()); // the read failed
    EXPECT_FALSE(LimitChangeBlock(block.substr(0, 31), 1, 10).has_value());
    EXPECT_FALSE(LimitChangeBlock("00112233445566778899AABBCCDDEEFG", 1, 10).has_value());
    EXPECT_FALSE(LimitChangeBlock(block, 1, 256).has_value());
    EXPECT_FALSE(LimitChangeBlock(block, 1, -1).has_value());
    EXPECT_FALSE(LimitChangeBlock(block, 0, 10).has_value());
    EXPECT_FALSE(LimitChangeBlock(block, 5, 10).has_value());
}

TEST(WaterCount, ReadAndChange) {
    const std::string block = "0123456789ABCDEF0123456789000A77";
    EXPECT_EQ(WaterCount(block), 10);
    EXPECT_EQ(WaterCountBlock(block, 5), "0123456789ABCDEF0123456789000F00");
    EXPECT_EQ(WaterCountBlock(block, -10), "0123456789ABCDEF01234567890000"
                                           "00");
    EXPECT_EQ(WaterCountBlock(block, 65525), "0123456789ABCDEF0123456789FFFF00");
    EXPECT_EQ(WaterCount(""), 0);
    EXPECT_EQ(WaterCount(std::string(28, '0') + "1"), 1); // short reply: the digits there
}

TEST(WaterCount, NothingToWrite) {
    const std::string block = "0123456789ABCDEF0123456789000A77";
    EXPECT_FALSE(WaterCountBlock(block, -11).has_value());
    EXPECT_FALSE(WaterCountBlock(block, 65526).has_value());
    EXPECT_FALSE(WaterCountBlock(block, std::numeric_limits<std::int32_t>::max()).has_value());
    EXPECT_FALSE(WaterCountBlock(block, std::numeric_limits<std::int32_t>::min()).has_value());
    EXPECT_FALSE(WaterCountBlock("", 1).has_value()); // the read failed
    EXPECT_FALSE(WaterCountBlock(block.substr(0, 30), 1).has_value());
}

TEST(IssueDateText, TwoDigitsEach) {
    EXPECT_EQ(IssueDateText(2009, 3, 15), "090315");
    EXPECT_EQ(IssueDateText(2027, 12, 1), "271201");
    EXPECT_EQ(IssueDateText(2100, 1, 1), "000101");
}

// Replies come from a device: every length and every byte must decode without reading out of
// bounds (the sanitizers watch this run).
TEST(CardReplies, ArbitraryBytesDecodeSafely) {
    std::uint32_t rngState = 12345;
    auto next = [&rngState] { return rngState = rngState * 1103515245u + 12345u; };
    for (int round = 0; round < 2000; ++round) {
        std::string reply(next() % 130, '\0');
        for (char& c : reply)
            c = static_cast<char>(round % 2 ? next() >> 16 : "0123456789ABCDEF"[next() >> 16 & 15]);
        DecodeCardRecord(reply);
        PurseValue(reply);
        DecodeConsumption(reply);
        WaterCount(reply);
        if (auto block = LimitChangeBlock(reply, 1 + round % 4, round % 300)) {
            EXPECT_EQ(block->size(), 32u);
        }
        if (auto block = WaterCountBlock(reply, round - 1000)) {
            EXPECT_EQ(block->size(), 32u);
        }
    }
}

} // namespace
