#include "emulator/ValueBlock.h"

#include <gtest/gtest.h>

namespace emulator {
namespace {

TEST(ValueBlock, LaysOutValueInverseValueAndAddress) {
    const Block block = MakeValueBlock(10000, 4);
    const Block expected = {0x10, 0x27, 0x00, 0x00, 0xEF, 0xD8, 0xFF, 0xFF,
                            0x10, 0x27, 0x00, 0x00, 0x04, 0xFB, 0x04, 0xFB};
    EXPECT_EQ(block, expected);
    EXPECT_EQ(ValueOf(block), 10000u);
}

TEST(ValueBlock, RejectsBlocksWhoseCopiesDisagree) {
    EXPECT_FALSE(ValueOf(Block{}).has_value()); // zeros: the inverse copy is wrong
    for (int byte = 0; byte < 16; ++byte) {
        Block block = MakeValueBlock(1234, 5);
        block[static_cast<std::size_t>(byte)] ^= 0x01;
        EXPECT_FALSE(ValueOf(block).has_value()) << "byte " << byte;
    }
}

TEST(ValueBlock, AddsAndTakesWithinThirtyTwoBits) {
    const Block start = MakeValueBlock(500, 8);
    EXPECT_EQ(ValueOf(*AddToValue(start, 250, 8)), 750u);
    EXPECT_EQ(ValueOf(*TakeFromValue(start, 500, 8)), 0u);
    EXPECT_FALSE(TakeFromValue(start, 501, 8).has_value());
    EXPECT_EQ(ValueOf(*AddToValue(MakeValueBlock(UINT32_MAX - 1, 8), 1, 8)), UINT32_MAX);
    EXPECT_FALSE(AddToValue(MakeValueBlock(UINT32_MAX, 8), 1, 8).has_value());
}

TEST(ValueBlock, TreatsAnythingButMoneyAsZero) {
    Block garbage{};
    garbage.fill(0x5A);
    const auto added = AddToValue(garbage, 300, 9);
    ASSERT_TRUE(added.has_value());
    EXPECT_EQ(*added, MakeValueBlock(300, 9));
    EXPECT_EQ(*TakeFromValue(garbage, 0, 9), MakeValueBlock(0, 9));
    EXPECT_FALSE(TakeFromValue(garbage, 1, 9).has_value());
}

} // namespace
} // namespace emulator
