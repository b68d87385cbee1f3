#include "skin/BmpImage.h"

#include "TestBmp.h"
#include "tools/BmpWrite.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// Honest files of every form a skin holds decode to the same 2 x 2 picture:
// top row red, green; bottom row blue, white.
TEST(BmpImage, DecodesEveryFormTopDownAndBottomUp) {
    const std::vector<std::uint32_t> palette = {kRed, kGreen, kBlue, kWhite};
    struct Case {
        const char* name;
        BmpLayout layout;
        std::vector<std::uint32_t> expected = {kRed, kGreen, kBlue, kWhite};
    };
    std::vector<Case> cases;
    // 24 bits, bottom-up: blue, white first; rows padded to 4 bytes.
    cases.push_back(
        {"24 bottom-up",
         {.bitCount = 24,
          .pixelData = {0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0, 0, 0}}});
    cases.push_back(
        {"24 top-down",
         {.height = -2,
          .bitCount = 24,
          .pixelData = {0, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0}}});
    cases.push_back(
        {"32",
         {.height = -2,
          .bitCount = 32,
          .pixelData = {0, 0, 0xFF, 0x80, 0, 0xFF, 0, 0x80, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}}});
    cases.push_back({"8",
                     {.bitCount = 8,
                      .coloursUsed = 4,
                      .palette = palette,
                      .pixelData = {2, 3, 0, 0, 0, 1, 0, 0}}});
    cases.push_back({"4",
                     {.height = -2,
                      .bitCount = 4,
                      .palette = {kRed, kGreen, kBlue, kWhite, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                      .pixelData = {0x01, 0, 0, 0, 0x23, 0, 0, 0}}});
    cases.push_back({"1",
                     {.height = -2,
                      .bitCount = 1,
                      .palette = {kRed, kGreen},
                      .pixelData = {0x40, 0, 0, 0, 0x80, 0, 0, 0}},
                     {kRed, kGreen, kGreen, kRed}});
    cases.push_back({"16 bit fields 565",
                     {.height = -2,
                      .bitCount = 16,
                      .compression = 3,
                      .masks = {0xF800, 0x07E0, 0x001F},
                      .pixelData = {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0xFF, 0xFF}}});
    cases.push_back(
        {"32 bit fields in a V4 header",
         {.height = -2,
          .bitCount = 32,
          .compression = 3,
          .headerSize = 108,
          .masks = {0x0000FF00, 0x00FF0000, 0xFF000000},
          .pixelData = {0, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0xFF, 0xFF}}});
    cases.push_back({"core 8",
                     {.bitCount = 8,
                      .headerSize = 12,
                      .palette = std::vector<std::uint32_t>(256, 0),
                      .pixelData = {2, 3, 0, 0, 0, 1, 0, 0}}});
    for (std::size_t i = 0; i < 4; ++i) {
        cases.back().layout.palette[i] = palette[i];
    }

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TBmpImage image = DecodeBmp(MakeBmp(c.layout));
        ASSERT_EQ(image.width, 2);
        ASSERT_EQ(image.height, 2);
        EXPECT_EQ(image.bitCount, c.layout.bitCount);
        // Five and six bit channels reach full scale (0xFFFF is white).
        EXPECT_EQ(image.pixels, c.expected);
    }
}

TEST(BmpImage, ReadsWhatTheSkinToolsWrite) {
    const std::vector<std::uint32_t> pixels = {0xFF00FF, 0x123456, 0xABCDEF,
                                               0x000000, 0xFFFFFF, 0x7F7F7F};
    const TBmpImage image = DecodeBmp(EncodeBmp24(3, 2, pixels));
    ASSERT_EQ(image.width, 3);
    ASSERT_EQ(image.height, 2);
    EXPECT_EQ(image.pixels, pixels);
}

// A header that does not agree with the file gives an empty image, never a read beyond it.
TEST(BmpImage, LyingHeadersGiveEmptyImages) {
    const BmpLayout honest{.bitCount = 8,
                           .coloursUsed = 4,
                           .palette = {kRed, kGreen, kBlue, kWhite},
                           .pixelData = {2, 3, 0, 0, 0, 1, 0, 0}};
    ASSERT_FALSE(DecodeBmp(MakeBmp(honest)).Empty());

    std::vector<std::pair<const char*, BmpLayout>> lies;
    auto lie = [&](const char* what, auto change) {
        BmpLayout s = honest;
        change(s);
        lies.emplace_back(what, s);
    };
    lie("pixels beyond the end", [](BmpLayout& s) { s.pixelOffset = 5000; });
    lie("pixels start near the end", [](BmpLayout& s) { s.pixelOffset = 14 + 40 + 16 + 4; });
    lie("too few pixel bytes", [](BmpLayout& s) { s.pixelData.resize(5); });
    lie("more colours than the depth holds", [](BmpLayout& s) { s.coloursUsed = 300; });
    lie("palette runs past the file", [](BmpLayout& s) {
        s.coloursUsed = 200;
        s.pixelOffset = 14 + 40;
    });
    lie("zero width", [](BmpLayout& s) { s.width = 0; });
    lie("negative width", [](BmpLayout& s) { s.width = -2; });
    lie("zero height", [](BmpLayout& s) { s.height = 0; });
    lie("huge width", [](BmpLayout& s) { s.width = 0x7FFFFFFF; });
    lie("huge area", [](BmpLayout& s) {
        s.width = 30000;
        s.height = 30000;
    });
    lie("smallest height", [](BmpLayout& s) { s.height = static_cast<int>(0x80000000u); });
    lie("unknown depth", [](BmpLayout& s) { s.bitCount = 7; });
    lie("run-length compression", [](BmpLayout& s) { s.compression = 1; });
    lie("bit fields on 8 bits", [](BmpLayout& s) { s.compression = 3; });
    lie("header larger than the file", [](BmpLayout& s) { s.headerSize = 124; });
    lie("unknown header size", [](BmpLayout& s) { s.headerSize = 20; });
    for (const auto& [what, layout] : lies) {
        SCOPED_TRACE(what);
        auto file = MakeBmp(layout);
        if (std::string(what) == "header larger than the file") {
            file.resize(14 + 60);
        }
        EXPECT_TRUE(DecodeBmp(file).Empty());
    }
    EXPECT_TRUE(DecodeBmp({}).Empty());
    const std::vector<std::uint8_t> signatureOnly = {'B', 'M'};
    EXPECT_TRUE(DecodeBmp(signatureOnly).Empty());
    auto notBmp = MakeBmp(honest);
    notBmp[0] = 'X';
    EXPECT_TRUE(DecodeBmp(notBmp).Empty());
}

TEST(BmpImage, IndexPastThePaletteShowsBlackAndLastRowMayLackPadding) {
    // Two palette entries, an index of 3: black rather than a read past the palette.
    BmpLayout layout{.width = 2,
                     .height = -1,
                     .bitCount = 8,
                     .coloursUsed = 2,
                     .palette = {kRed, kGreen},
                     .pixelData = {1, 3}};
    const TBmpImage image = DecodeBmp(MakeBmp(layout));
    ASSERT_EQ(image.width, 2);
    EXPECT_EQ(image.At(0, 0), kGreen);
    EXPECT_EQ(image.At(1, 0), 0u);
}

} // namespace
