#include "framework/ButtonLayout.h"
#include "framework/DisabledImage.h"
#include "framework/ShortCuts.h"

#include <gtest/gtest.h>

namespace {

struct LayoutCase {
    const char* what;
    TLayoutSize client, glyph, text;
    TButtonLayout layout;
    int margin, spacing;
    TLayoutPoint glyphAt, textAt;
};

TEST(ButtonGlyph, LayoutOfGlyphAndCaption) {
    const TLayoutSize box{71, 21}, tall{60, 60}, glyph{16, 16}, text{30, 13};
    const LayoutCase cases[] = {
        {"centred block, fixed spacing",
         box,
         glyph,
         text,
         TButtonLayout::blGlyphLeft,
         -1,
         4,
         {11, 3},
         {31, 4}},
        {"even thirds, glyph right",
         box,
         glyph,
         text,
         TButtonLayout::blGlyphRight,
         -1,
         -1,
         {47, 3},
         {9, 4}},
        {"margin given, caption centred in the rest",
         tall,
         glyph,
         text,
         TButtonLayout::blGlyphTop,
         5,
         -1,
         {22, 5},
         {15, 34}},
        {"both given, from the bottom",
         tall,
         glyph,
         text,
         TButtonLayout::blGlyphBottom,
         2,
         3,
         {22, 42},
         {15, 26}},
        {"no caption: no spacing",
         box,
         glyph,
         {0, 0},
         TButtonLayout::blGlyphLeft,
         -1,
         4,
         {28, 3},
         {44, 11}},
        {"no glyph: no spacing",
         box,
         {0, 0},
         text,
         TButtonLayout::blGlyphLeft,
         -1,
         4,
         {21, 11},
         {21, 4}},
    };
    for (const LayoutCase& c : cases) {
        const TGlyphLayout at =
            LayoutGlyphButton(c.client, c.glyph, c.text, c.layout, c.margin, c.spacing);
        EXPECT_EQ(at.glyph, c.glyphAt) << c.what;
        EXPECT_EQ(at.text, c.textAt) << c.what;
    }
}

TEST(ButtonGlyph, DisabledShapeKeepsDarkOpaquePixels) {
    const std::vector<std::uint32_t> pixels{0x000000, 0xFFFFFF, 0x808080, 0xC0C0C0, 0xBFBFBF};
    const std::vector<std::uint8_t> transparent{0, 0, 1, 0, 0};
    EXPECT_EQ(DisabledShape(5, 1, pixels, transparent), (std::vector<std::uint8_t>{1, 0, 0, 0, 1}));
    EXPECT_EQ(DisabledShape(5, 1, pixels, {}), (std::vector<std::uint8_t>{1, 0, 1, 0, 1}));
    EXPECT_TRUE(DisabledShape(4, 1, pixels, {}).empty()) << "size does not fit";
    EXPECT_TRUE(DisabledShape(5, 1, pixels, std::vector<std::uint8_t>(2)).empty());
    EXPECT_TRUE(DisabledShape(0, 0, {}, {}).empty());

    // Rows of 10 pixels take two bytes; a shape pixel is a 0 bit, first pixel in the top bit.
    std::vector<std::uint8_t> shape(20);
    shape[0] = shape[9] = 1;
    EXPECT_EQ(ShapeToMonoRows(10, 2, shape), (std::vector<std::uint8_t>{0x7F, 0xBF, 0xFF, 0xFF}));
    EXPECT_EQ(ShapeToMonoRows(17, 1, std::vector<std::uint8_t>(17)).size(), 4u);
    EXPECT_TRUE(ShapeToMonoRows(10, 3, shape).empty());
}

TEST(ButtonGlyph, ShortCutTextsAndAccelerators) {
    const struct {
        TShortCut shortCut;
        const wchar_t* text;
    } cases[] = {
        {ShortCut('O', scCtrl), L"Ctrl+O"},
        {ShortCut(0x2E, scShift), L"Shift+Del"},
        {ShortCut(0x74, 0), L"F5"},
        {ShortCut('A', scShift | scCtrl | scAlt), L"Shift+Ctrl+Alt+A"},
        {ShortCut(0x0D, scAlt), L"Alt+Enter"},
        {ShortCut(0x5B, scCtrl), L""}, // a key without a name
        {scNone, L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShortCutToText(c.shortCut), c.text) << c.shortCut;
        if (*c.text) {
            EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.shortCut;
        }
    }
    // The way system menus write them.
    EXPECT_EQ(TextToShortCut(L"ALT+F4"), ShortCut(0x73, scAlt));
    EXPECT_EQ(TextToShortCut(L"Ctrl-W"), ShortCut('W', scCtrl));
    EXPECT_EQ(TextToShortCut(L"Alt+"), scNone);
    EXPECT_EQ(TextToShortCut(L"Ctrl+Unknown"), scNone);

    EXPECT_EQ(AcceleratorChar(L"&File"), L'F');
    EXPECT_EQ(AcceleratorChar(L"Save &As..."), L'A');
    EXPECT_EQ(AcceleratorChar(L"R&&D &Notes"), L'N') << "&& is a plain &";
    EXPECT_EQ(AcceleratorChar(L"R&&D"), 0);
    EXPECT_EQ(AcceleratorChar(L"trailing&"), 0);
    EXPECT_EQ(AcceleratorChar(L"文件(&F)"), L'F');
}

} // namespace
