#include "emulator/Card.h"

#include "emulator/ValueBlock.h"

#include <gtest/gtest.h>

#include <string>

namespace emulator {
namespace {

const std::string kData = "00112233445566778899AABBCCDDEEFF";

TEST(Card, BlankCardHoldsItsSerialAndTransportKeys) {
    const Card card = Card::Blank(0x3A5C7E91);
    EXPECT_EQ(card.ReadHex(0, 1).substr(0, 10), "3A5C7E9189"); // serial and its check byte
    // Key A never reads back; access bits and key B do.
    EXPECT_EQ(card.ReadHex(3, 1), "000000000000FF078069FFFFFFFFFFFF");
    EXPECT_EQ(card.ReadHex(1, 2), std::string(64, '0'));
}

TEST(Card, ReadsOnlyWithinTheCard) {
    const Card card = Card::Blank(1);
    EXPECT_EQ(card.ReadHex(0, 64).size(), 64u * 32u);
    EXPECT_EQ(card.ReadHex(63, 1).size(), 32u);
    EXPECT_EQ(card.ReadHex(63, 2), "");
    EXPECT_EQ(card.ReadHex(64, 1), "");
    EXPECT_EQ(card.ReadHex(-1, 1), "");
    EXPECT_EQ(card.ReadHex(1, 0), "");
}

TEST(Card, NeverWritesBlockZeroOrATrailer) {
    Card card = Card::Blank(1);
    const Card before = card;
    EXPECT_FALSE(card.WriteHex(0, 1, kData));
    EXPECT_FALSE(card.WriteHex(7, 1, kData));
    // A range that runs into a trailer is refused as a whole.
    EXPECT_FALSE(card.WriteHex(5, 3, kData + kData + kData));
    EXPECT_FALSE(card.AddValue(11, 100));
    EXPECT_FALSE(card.ClearValue(0));
    EXPECT_EQ(card.ReadHex(0, 64), before.ReadHex(0, 64));
}

TEST(Card, WritesWholeBlocksFromHexOfTheExactLength) {
    Card card = Card::Blank(1);
    EXPECT_TRUE(card.WriteHex(5, 2, kData + "ffeeddccbbaa99887766554433221100"));
    EXPECT_EQ(card.ReadHex(5, 2), kData + "FFEEDDCCBBAA99887766554433221100");
    EXPECT_FALSE(card.WriteHex(1, 1, kData.substr(0, 31)));
    EXPECT_FALSE(card.WriteHex(1, 1, kData + "00"));
    EXPECT_FALSE(card.WriteHex(1, 1, "G" + kData.substr(1)));
    EXPECT_EQ(card.ReadHex(1, 1), std::string(32, '0'));
}

TEST(Card, PurseChangesFollowTheValueBlockRules) {
    Card card = Card::Blank(1);
    EXPECT_TRUE(card.AddValue(4, 1250));
    EXPECT_EQ(card.ReadHex(4, 1), "E2040000"
                                  "1DFBFFFF"
                                  "E2040000"
                                  "04FB04FB");
    EXPECT_FALSE(card.TakeValue(4, 1251));
    EXPECT_TRUE(card.TakeValue(4, 1250));
    EXPECT_EQ(ValueOf(card.At(4)), 0u);
    ASSERT_TRUE(card.WriteHex(5, 1, kData));
    EXPECT_TRUE(card.ClearValue(5));
    EXPECT_EQ(card.At(5), MakeValueBlock(0, 5));
}

} // namespace
} // namespace emulator
