// Streams made by other LZHUF coders unpack byte for byte to what they were made from. Unlike
// the round trips, these streams were not produced with our own adaptive tree, so a fault in
// the tree's update or rebuild (the halving, the rebuild point, the order nodes are inserted
// in) shows here.

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

// Unpacks `name`.lzh (32-bit unpacked length, then the stream) and compares it with `name`.bin.
void ExpectUnpacksTo(const std::string& name) {
    const std::vector<std::uint8_t> packed = ReadFile(name + ".lzh");
    const std::vector<std::uint8_t> expected = ReadFile(name + ".bin");
    ASSERT_GT(packed.size(), 4u);
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

// Two streams from coders other than ours: a packed skin from another LZHUF encoder (copies
// and literals, 225,760 bytes, though in fewer than 0x8000 codes, so its tree is never
// rebuilt), and 120,000 literals from a separate Python coder, whose tree is rebuilt three
// times.
TEST(LzhFixture, OtherCodersStreamsUnpackByteForByte) {
    for (const char* name : {DEVTOOL_LZH_FIXTURES "/lzh/default-package",
                             DEVTOOL_LZH_FIXTURES "/lzh-rebuild/literals"}) {
        SCOPED_TRACE(name);
        ExpectUnpacksTo(name);
    }
}

} // namespace
