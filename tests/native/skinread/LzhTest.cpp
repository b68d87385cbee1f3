#include "skin/SkinRead.h"
#include "tools/SkinPack.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<std::uint8_t> RandomBytes(std::size_t n, unsigned salt, int alphabet = 256) {
    std::mt19937 rng(salt);
    std::uniform_int_distribution<int> byte(0, alphabet - 1);
    std::vector<std::uint8_t> out(n);
    for (auto& b : out) {
        b = static_cast<std::uint8_t>(byte(rng));
    }
    return out;
}

std::vector<std::uint8_t> Decode(std::size_t n, std::span<const std::uint8_t> stream) {
    TByteBuffer out;
    TLZH().Unpack(n, stream, out);
    return out;
}

// The packer's streams decode to what was packed, for inputs that exercise literals, copies
// of every length and distance, the ring's wrap and the tree's rebuild.
TEST(Lzh, RoundTripsManyInputs) {
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> inputs;
    inputs.emplace_back("empty", std::vector<std::uint8_t>{});
    inputs.emplace_back("one byte", std::vector<std::uint8_t>{0x41});
    inputs.emplace_back("spaces like the ring's start", std::vector<std::uint8_t>(5000, ' '));
    inputs.emplace_back("zeros, 1 MiB", std::vector<std::uint8_t>(1 << 20, 0));
    inputs.emplace_back("incompressible", RandomBytes(200000, 1));
    inputs.emplace_back("small alphabet", RandomBytes(300000, 2, 3));
    std::vector<std::uint8_t> all(256 * 40);
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    }
    inputs.emplace_back("every byte value", all);
    std::string text;
    for (int i = 0; i < 3000; ++i) {
        text += "[Section" + std::to_string(i % 17) + "]\r\nImage=frame" + std::to_string(i) +
                ".bmp\r\n";
    }
    inputs.emplace_back("description text", std::vector<std::uint8_t>(text.begin(), text.end()));
    // Repeats at distances near the ring size and lengths around the longest copy.
    std::vector<std::uint8_t> far = RandomBytes(4095, 3);
    far.insert(far.end(), far.begin(), far.end());
    far.insert(far.end(), far.begin(), far.begin() + 61);
    inputs.emplace_back("repeats at 4095", far);
    for (std::size_t n : {2u, 3u, 59u, 60u, 61u, 4095u, 4096u, 4097u}) {
        inputs.emplace_back("length " + std::to_string(n), RandomBytes(n, 10 + n, 4));
    }

    // The decoding uses the whole stream and nothing past it.
    for (const auto& [name, data] : inputs) {
        SCOPED_TRACE(name);
        const auto stream = LzhEncode(data);
        TByteBuffer out;
        EXPECT_EQ(TLZH().Unpack(data.size(), stream, out), stream.size());
        EXPECT_EQ(out, data);
    }
}

TEST(Lzh, CompressesRepetitiveInput) {
    const std::vector<std::uint8_t> zeros(1 << 20, 0);
    EXPECT_LT(LzhEncode(zeros).size(), zeros.size() / 20);
}

// A truncated stream still gives exactly N bytes: the missing input reads as zeros, and what
// was decoded before the cut is unchanged.
TEST(Lzh, TruncatedStreamStillGivesNBytes) {
    const auto data = RandomBytes(20000, 4, 16);
    const auto stream = LzhEncode(data);
    for (std::size_t keep :
         {std::size_t{0}, std::size_t{1}, stream.size() / 2, stream.size() - 1}) {
        SCOPED_TRACE(keep);
        TByteBuffer out;
        // The decoding tells that it read past the end of what was kept.
        EXPECT_GT(TLZH().Unpack(data.size(), std::span(stream).first(keep), out), keep);
        ASSERT_EQ(out.size(), data.size());
        // A symbol and its position take under 40 bits, so the first keep / 8 output bytes
        // come from stream bytes that were kept.
        const std::size_t safe = keep / 8;
        EXPECT_TRUE(
            std::equal(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(safe), data.begin()));
    }
    // Decoding longer than was packed goes on past the end in the same way.
    EXPECT_EQ(Decode(data.size() + 1000, stream).size(), data.size() + 1000);
}

// Arbitrary bytes decode to exactly the length asked for, whatever they hold.
TEST(Lzh, ArbitraryStreamsDecodeToTheLengthAsked) {
    for (unsigned salt = 0; salt < 50; ++salt) {
        const auto garbage = RandomBytes(salt * 13, 100 + salt);
        EXPECT_EQ(Decode(3000 + salt, garbage).size(), 3000u + salt);
    }
    EXPECT_TRUE(Decode(0, RandomBytes(10, 1)).empty());
}

// Facts of the published scheme that do not depend on our encoder: in the fresh tree the
// all-zero path leads to the literal 't' (8 bits), nine ones to 's' and eight ones then a
// zero to 'r'; the path 10001100 leads
// to the shortest copy (3 bytes), and a copy from position 0 reads the spaces that fill the
// ring before the start position 4036.
TEST(Lzh, FreshDecoderFollowsTheScheme) {
    EXPECT_EQ(Decode(1, std::vector<std::uint8_t>{0x00}), std::vector<std::uint8_t>{'t'});
    EXPECT_EQ(Decode(1, std::vector<std::uint8_t>{0xFF, 0x80}), std::vector<std::uint8_t>{'s'});
    EXPECT_EQ(Decode(1, std::vector<std::uint8_t>{0xFF}), std::vector<std::uint8_t>{'r'});
    EXPECT_EQ(Decode(3, std::vector<std::uint8_t>{0x8C, 0x00, 0x00}),
              (std::vector<std::uint8_t>{' ', ' ', ' '}));
}

} // namespace
