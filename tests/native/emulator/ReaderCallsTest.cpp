// The card reader's calls against the installed reader and its demonstration card.

#include "emulator/Emulator.h"
#include "emulator/LocalTime.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace emulator {
namespace {

class ReaderCalls : public ::testing::Test {
protected:
    ReaderCalls() : library_(Options()) {}
    static EmulatorOptions Options() {
        EmulatorOptions options;
        options.clock = [] { return SecondsFromCivil(2024, 5, 6, 12, 30, 45); };
        return options;
    }
    std::string Block(int block) {
        char text[8];
        std::snprintf(text, sizeof text, "%02d", block);
        return library_.newreadcard(3, "01", text, 1);
    }
    // The purse value as the card page decodes it: first 8 digits, least significant first.
    long Purse(int block) {
        const std::string hex = library_.newreadje(3, "01", block);
        if (hex.size() < 8)
            return -1;
        long value = 0;
        for (int i = 3; i >= 0; --i)
            value = value * 256 +
                    std::stol(hex.substr(static_cast<std::size_t>(2 * i), 2), nullptr, 16);
        return value;
    }
    Emulator library_;
};

TEST_F(ReaderCalls, InstalledCardHoldsTheDemonstrationRecordAndMoney) {
    const std::string record = library_.newreadcard(3, "01", "01", 2);
    ASSERT_EQ(record.size(), 64u);
    EXPECT_EQ(record.substr(1, 5), "0007B");
    EXPECT_EQ(record.substr(6, 6), "270506"); // valid three more years
    EXPECT_EQ(record.substr(16, 16), "D5C5C8FD00000000");
    EXPECT_EQ(record.substr(62, 2), "41");
    EXPECT_EQ(Purse(4), 10000);
    EXPECT_EQ(Purse(5), 10000);
    EXPECT_EQ(Purse(8), 5000);
    EXPECT_EQ(Purse(9), 5000);
}

TEST_F(ReaderCalls, AnswersOnlyItsPortAndReaderCode) {
    EXPECT_EQ(library_.newreadcard(4, "01", "01", 1), "");
    EXPECT_EQ(library_.newreadcard(3, "02", "01", 1), "");
    EXPECT_EQ(library_.newreadcard(3, nullptr, "01", 1), "");
    EXPECT_EQ(library_.newreadje(3, "1", 4), "");
    EXPECT_FALSE(library_.addje(2, "01", 4, 1));
    EXPECT_EQ(library_.readmm(4), "");
    EXPECT_EQ(Purse(4), 10000);
}

TEST_F(ReaderCalls, IssuesACardRecordFromTheIssueArguments) {
    ASSERT_TRUE(library_.tolvane(3, "01", "05", 4660, "ABC", "802715", "300131", "0000",
                                 12 * 10000 + 3400, 200 * 10000, 1, 2, 3, 4, "4A"));
    const std::string record = library_.newreadcard(3, "01", "05", 2);
    EXPECT_EQ(record, std::string("001234") + "300131" + "0000" + "4142430000000000" + "000004D2" +
                          "802715" + "00004E20" + "01020304" + "4A");
    // The record of sector 0 is untouched.
    EXPECT_EQ(library_.newreadcard(3, "01", "01", 1).substr(1, 5), "0007B");
}

TEST_F(ReaderCalls, RefusesARecordThatCannotBeStoredWhole) {
    const std::string before = library_.newreadcard(3, "01", "00", 64);
    EXPECT_FALSE(library_.tolvane(3, "01", "01", 0x100000, "A", "802715", "300131", "0000", 0, 0, 1,
                                  2, 3, 4, "41"));
    EXPECT_FALSE(library_.tolvane(3, "01", "01", 1, "123456789", "802715", "300131", "0000", 0, 0,
                                  1, 2, 3, 4, "41"));
    EXPECT_FALSE(library_.tolvane(3, "01", "01", 1, "A", "802715", "300131", "0000", 0, 0, 1, 2, 3,
                                  4, nullptr));
    EXPECT_FALSE(library_.tolvane(3, "01", "01", 1, nullptr, "802715", "300131", "0000", 0, 0, 1, 2,
                                  3, 4, "41"));
    // Blocks 2 and 3: the second is a sector trailer.
    EXPECT_FALSE(library_.tolvane(3, "01", "02", 1, "A", "802715", "300131", "0000", 0, 0, 1, 2, 3,
                                  4, "41"));
    EXPECT_FALSE(library_.tolvane(3, "01", "63", 1, "A", "802715", "300131", "0000", 0, 0, 1, 2, 3,
                                  4, "41"));
    EXPECT_EQ(library_.newreadcard(3, "01", "00", 64), before);
}

TEST_F(ReaderCalls, WritesTheCardNumberAlone) {
    ASSERT_TRUE(library_.writekh(3, "01", "01", 54321));
    const std::string record = library_.newreadcard(3, "01", "01", 2);
    EXPECT_EQ(record.substr(0, 6), "00D431");
    EXPECT_EQ(record.substr(16, 8), "D5C5C8FD");
    EXPECT_FALSE(library_.writekh(3, "01", "01", -1));
    EXPECT_FALSE(library_.writekh(3, "01", "03", 1));
}

TEST_F(ReaderCalls, PursesAddTakeAndClearLikeValueBlocks) {
    EXPECT_TRUE(library_.addje(3, "01", 4, 1250));
    EXPECT_EQ(Purse(4), 11250);
    EXPECT_TRUE(library_.jk(3, "01", 4, 11250));
    EXPECT_EQ(Purse(4), 0);
    EXPECT_FALSE(library_.jk(3, "01", 4, 1));
    EXPECT_FALSE(library_.addje(3, "01", 4, -5));
    EXPECT_FALSE(library_.jk(3, "01", 4, -5));
    EXPECT_FALSE(library_.jk(3, "01", 8, INT_MAX));
    EXPECT_EQ(Purse(8), 5000);
    EXPECT_TRUE(library_.money(3, "01", 9));
    EXPECT_EQ(Purse(9), 0);
    // A data block that holds no money counts as an empty purse.
    ASSERT_TRUE(library_.newwritecard(3, "01", "06", 1, "0123456789ABCDEF0123456789ABCDEF"));
    EXPECT_TRUE(library_.addje(3, "01", 6, 0));
    EXPECT_EQ(Purse(6), 0);
    EXPECT_EQ(library_.newreadje(3, "01", 6), "00000000FFFFFFFF0000000006F906F9");
    EXPECT_FALSE(library_.addje(3, "01", 7, 1));
    EXPECT_FALSE(library_.money(3, "01", 0));
    EXPECT_FALSE(library_.money(3, "01", 64));
}

TEST_F(ReaderCalls, RawBlocksReadAndWriteWithinTheRules) {
    EXPECT_TRUE(library_.newwritecard(3, "01", "13", 2, std::string(64, 'a').c_str()));
    EXPECT_EQ(library_.newreadcard(3, "01", "13", 2), std::string(64, 'A'));
    EXPECT_EQ(Block(12).size(), 32u);
    EXPECT_EQ(library_.newreadcard(3, "01", "5", 1).size(), 32u);
    for (const char* bad : {"", "1x", "64", "-1", "100", " 1"})
        EXPECT_EQ(library_.newreadcard(3, "01", bad, 1), "") << bad;
    EXPECT_EQ(library_.newreadcard(3, "01", nullptr, 1), "");
    EXPECT_EQ(library_.newreadcard(3, "01", "00", 0), "");
    EXPECT_EQ(library_.newreadcard(3, "01", "00", 65), "");
    EXPECT_EQ(library_.newreadcard(3, "01", "60", 5), "");
    EXPECT_EQ(library_.newreadcard(3, "01", "00", INT_MIN), "");
    EXPECT_FALSE(library_.newwritecard(3, "01", "13", 1, nullptr));
    EXPECT_FALSE(library_.newwritecard(3, "01", "13", 1, "ABC"));
    EXPECT_FALSE(library_.newwritecard(3, "01", "15", 1, std::string(32, '0').c_str()));
    EXPECT_FALSE(library_.newwritecard(3, "01", "00", 1, std::string(32, '0').c_str()));
    EXPECT_FALSE(library_.newwritecard(3, "01", "13", INT_MAX, std::string(32, '0').c_str()));
    EXPECT_EQ(library_.newreadcard(3, "01", "13", 1), std::string(32, 'A'));
}

TEST_F(ReaderCalls, KeepsTheReaderPassword) {
    EXPECT_EQ(library_.readmm(3), "FFFFFFFFFFFF");
    EXPECT_TRUE(library_.downmmre(3, "01", "802715"));
    EXPECT_EQ(library_.readmm(3), "802715");
    EXPECT_FALSE(library_.downmmre(3, "01", nullptr));
    EXPECT_FALSE(library_.downmmre(3, "01", "1234567890123"));
    EXPECT_FALSE(library_.downmmre(3, "01", "12 34"));
    EXPECT_FALSE(library_.downmmre(3, "02", "111111"));
    EXPECT_EQ(library_.readmm(3), "802715");
}

TEST_F(ReaderCalls, AReaderWithoutACardAnswersNothing) {
    library_.Change([](DeviceState& state) { state.reader.card.reset(); });
    EXPECT_EQ(library_.newreadcard(3, "01", "01", 2), "");
    EXPECT_EQ(library_.newreadje(3, "01", 4), "");
    EXPECT_FALSE(library_.addje(3, "01", 4, 1));
    // The reader itself still answers.
    EXPECT_TRUE(library_.downmmre(3, "01", "123456"));
}

} // namespace
} // namespace emulator
