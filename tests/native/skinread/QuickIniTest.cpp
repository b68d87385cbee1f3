#include "skin/SkinRead.h"
#include "skin/VarUdedIni.h"
#include "tools/BmpWrite.h"
#include "tools/SkinPack.h"

#include <gtest/gtest.h>

namespace {

using namespace std::literals;

TQuickIni Ini(std::string_view text) {
    TQuickIni ini;
    ini.LoadFromStream(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    return ini;
}

TEST(QuickIni, LinesSectionsAndComments) {
    const auto ini = Ini("orphan=1\r\n"
                         "  [Buttons]  \r\n"
                         ";Image=a.bmp\n"
                         "\tImage = b.bmp \r"
                         "\r\n"
                         "[ Spaced ]\n"
                         "key=v\0[After]\nx=1"sv);
    // Comments and empty lines are dropped, the rest trimmed; a NUL ends the text.
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"orphan=1", "[Buttons]", "Image = b.bmp",
                                                     "[ Spaced ]", "key=v"}));
    std::vector<std::string> names;
    ini.ReadSectionNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"Buttons", "Spaced"}));
    EXPECT_EQ(ini.SectionLine("buttons"), 1);
    EXPECT_EQ(ini.SectionLine("Spaced"), -1); // the spaces inside the brackets count
    EXPECT_EQ(ini.SectionLine(" Spaced "), 3);
    EXPECT_EQ(ini.ReadString("BUTTONS", "image", "-"), "b.bmp");
    EXPECT_EQ(ini.ReadString("After", "x", "-"), "-");
    // Lines before the first header belong to no section.
    EXPECT_EQ(ini.ReadString("", "orphan", "-"), "-");
}

TEST(QuickIni, FirstSectionAndFirstKeyWin) {
    const auto ini = Ini("[Buttons]\nTrans=\nTile=1\nTile=2\nlonely\n"
                         "Image=a.bmp ; note\n[buttons]\nStyle=4\n[Other]\nTile=9\n");
    EXPECT_EQ(ini.ReadInteger("Buttons", "Tile", 0), 1);
    // Present with an empty value: the default, and the scan stops there.
    EXPECT_EQ(ini.ReadInteger("Buttons", "Trans", 7), 7);
    EXPECT_EQ(ini.ReadInteger("Buttons", "Style", 0), 0); // only the first [Buttons] is seen
    EXPECT_EQ(ini.ReadString("Buttons", "Image", ""), "a.bmp ; note");
    EXPECT_EQ(ini.ReadString("Buttons", "lonely", "-"), "-"); // no "=": the empty key
    EXPECT_EQ(ini.ReadInteger("Missing", "Tile", 5), 5);
}

TEST(QuickIni, Integers) {
    const auto ini = Ini("[Fonts]\na=0x10\nb=$10\nc=abc\nd=-12\ne=0X1f\nf=0x\ng=2147483648\n"
                         "h=-2147483648\ni=$FFFFFFFF\nj=$100000000\nk=+7\nl=1 2\nm=-$10\n");
    struct Case {
        const char* key;
        std::int32_t expected;
    };
    const Case cases[] = {{"a", 16}, {"b", 16}, {"c", 14},        {"d", -12},     {"e", 31},
                          {"f", 14}, {"g", 14}, {"h", INT32_MIN}, {"i", -1},      {"j", 14},
                          {"k", 7},  {"l", 14}, {"m", -16},       {"missing", 14}};
    for (const auto& c : cases) {
        EXPECT_EQ(ini.ReadInteger("Fonts", c.key, 14), c.expected) << c.key;
    }
}

TEST(QuickIni, ColourTriples) {
    struct Case {
        const char* text;
        std::optional<TColour> expected;
    };
    const Case cases[] = {
        {"255, 128, 0", 0x0080FF},
        {"12", 0},             // a lone number ends the text without a separator: black
        {"1 2 3 4", 0x030201}, // numbers after the third are ignored
        {"1,2", 0x000001},     // the second number ends the text: green stays 0
        {"1,2,", 0x000201},
        {"256,257,258", 0x020100}, // modulo 256
        {"-5;x7,(9)", 0x090705},
        {"1,99999999999,3", 0x000001}, // too large: that component and the rest stay 0
        {"  ", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseColourTriple(c.text), c.expected) << c.text;
    }
    const auto ini = Ini("[Colours]\nButtonFace=10,20,30\nMenu=\n[P]\nActiveTextR=300\n"
                         "ActiveTextG=2\nActiveTextB=3\nInActiveTextR=1\nInActiveTextB=3\n");
    EXPECT_EQ(ReadColourTriple(ini, "Colours", "ButtonFace", -15), 0x1E140A);
    EXPECT_EQ(ReadColourTriple(ini, "Colours", "Menu", -4), -4);
    EXPECT_EQ(ReadColourKeys(ini, "P", "ActiveText", 0x1FFFFFFF), 0x03022C);
    EXPECT_EQ(ReadColourKeys(ini, "P", "InActiveText", 0x1FFFFFFF), 0x1FFFFFFF);
}

TEST(QuickIni, ImageValues) {
    EXPECT_EQ(ImageEntryName("C:\\skins\\blue\\Frame.bmp"), "Frame.bmp");
    EXPECT_EQ(ImageEntryName("d:frame.bmp"), "frame.bmp");
    EXPECT_EQ(ImageEntryName("Frame.BMP"), "");
    EXPECT_EQ(ImageEntryName("a.bmp ; note"), "");
    EXPECT_EQ(ImageEntryName("skins\\"), "");
    EXPECT_EQ(ImageEntryName("noext"), "");
    EXPECT_EQ(ImageEntryName("a.bmp.txt"), "");

    const auto bmp = EncodeBmp24(2, 1, {0xFF00FF, 0x00FF00});
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(BuildSkinPackage(
        {{"skin.ini", {}}, {"frame.bmp", bmp}, {"empty.bmp", {}}, {"bad.bmp", {1, 2, 3}}})));
    const auto ini = Ini("[E]\nA=C:\\skins\\blue\\Frame.bmp\nB=Frame.BMP\nC=empty.bmp\n"
                         "D=missing.bmp\nE=bad.bmp\n");
    const TBmpImage image = ReadImage(ini, reader, "E", "A");
    ASSERT_EQ(image.width, 2);
    EXPECT_EQ(image.At(1, 0), 0x00FF00u);
    for (const char* key : {"B", "C", "D", "E", "Z"}) {
        EXPECT_TRUE(ReadImage(ini, reader, "E", key).Empty()) << key;
    }
}

} // namespace
