// A packed skin made by another LZHUF encoder unpacks byte for byte to the package it was made
// from. Unlike the round trips, this stream was not produced with our own adaptive tree, so a
// fault in the tree's rebuild (the halving, the rebuild point, the order nodes are inserted in)
// shows here: the fixture is long enough for the tree to be rebuilt many times.

#include "skin/SkinRead.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "cannot open " << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(LzhFixture, OtherEncodersStreamUnpacksByteForByte) {
    const std::vector<std::uint8_t> packed = ReadFile(DEVTOOL_LZH_FIXTURE "/default-package.lzh");
    const std::vector<std::uint8_t> expected = ReadFile(DEVTOOL_LZH_FIXTURE "/default-package.bin");
    ASSERT_GT(packed.size(), 4u);
    ASSERT_EQ(expected.size(), 225760u);
    const std::size_t length =
        packed[0] | packed[1] << 8 | packed[2] << 16 | static_cast<std::size_t>(packed[3]) << 24;
    ASSERT_EQ(length, expected.size());

    TByteBuffer out;
    const std::size_t used =
        TLZH().Unpack(length, std::span<const std::uint8_t>(packed).subspan(4), out);
    EXPECT_LE(used, packed.size() - 4) << "the decoder read past the end of the stream";
    ASSERT_EQ(out.size(), expected.size());
    std::size_t firstDifference = 0;
    while (firstDifference < out.size() && out[firstDifference] == expected[firstDifference])
        ++firstDifference;
    EXPECT_EQ(firstDifference, out.size()) << "first wrong byte at offset " << firstDifference;
}

} // namespace
