// The default skin as the build makes it: every element of the description vocabulary is
// there, every image it names is in the package and decodes, and each strip divides into the
// frames its painter reads.

#include "skin/SkinRead.h"
#include "skin/VarUdedIni.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

std::vector<std::uint8_t> ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class DefaultSkin : public ::testing::Test {
protected:
    void SetUp() override {
        const auto packed = ReadFile(DEVTOOL_DEFAULT_SKIN_FILE);
        ASSERT_FALSE(packed.empty()) << DEVTOOL_DEFAULT_SKIN_FILE;
        ASSERT_TRUE(reader.ReadPackage(packed));
        TByteBuffer description;
        std::string name;
        reader.FindEntry(".ini", description, name);
        ASSERT_EQ(name, "default.ini");
        ini.LoadFromStream(description);
    }

    // The image a key names, which must exist and divide into frames across (or down).
    TBmpImage Image(const char* section, const char* key, int frames, bool stacked = false) {
        const TBmpImage image = ReadImage(ini, reader, section, key);
        EXPECT_FALSE(image.Empty()) << section << " " << key;
        if (!image.Empty()) {
            EXPECT_EQ((stacked ? image.height : image.width) % frames, 0) << section << " " << key;
        }
        return image;
    }

    TSkinReader reader;
    TQuickIni ini;
};

TEST_F(DefaultSkin, PackageHoldsTheDescriptionAsWritten) {
    TByteBuffer packed;
    reader.ExtractEntry("default.ini", packed);
    EXPECT_EQ(packed, ReadFile(DEVTOOL_DEFAULT_SKIN_INI));
    // Every other entry is an image the engine can read.
    for (std::size_t i = 1; i < reader.Count(); ++i) {
        EXPECT_FALSE(DecodeBmp(reader.EntryData(i)).Empty()) << reader.Names()[i];
    }
}

TEST_F(DefaultSkin, WindowFrame) {
    const auto top = Image("Personality", "Top", 2, true);
    const auto left = Image("Personality", "Left", 2);
    const auto right = Image("Personality", "Right", 2);
    const auto bottom = Image("Personality", "Bottom", 2, true);
    EXPECT_EQ(top.height / 2, ini.ReadInteger("Personality", "LeftTopHeight", 0));
    EXPECT_EQ(left.width, right.width);
    EXPECT_EQ(left.height, right.height);
    EXPECT_EQ(ini.ReadInteger("Personality", "TopTrans", 0), 1);
    // The outer corner pixel is cut away (magenta) and the caption below it is not.
    EXPECT_EQ(left.At(0, 0), 0xFF00FFu);
    EXPECT_NE(left.At(left.width / 2 - 1, top.height / 2 - 1), 0xFF00FFu);
    EXPECT_NE(bottom.At(0, 0), 0xFF00FFu);
    Image("Personality", "menuBar", 2, true);
    EXPECT_EQ(ReadColourKeys(ini, "Personality", "ActiveText", -1), 0xFFFFFF);
}

TEST_F(DefaultSkin, TitleButtons) {
    std::vector<std::string> sections;
    ini.ReadSectionNames(sections);
    std::vector<std::int32_t> actions;
    for (const auto& s : sections) {
        std::string upper = s;
        for (char& c : upper) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        if (upper.rfind("BUTTON", 0) != 0 || upper == "BUTTONS") {
            continue;
        }
        actions.push_back(ini.ReadInteger(s, "Action", 0));
        if (!ini.ReadString(s, "ButtonImage", "").empty()) {
            const auto image = Image(s.c_str(), "ButtonImage", 4);
            EXPECT_EQ(ini.ReadInteger(s, "Frame", 0), 4);
            EXPECT_LE(image.height + ini.ReadInteger(s, "Ycoord", 0), 30) << s;
        }
    }
    std::sort(actions.begin(), actions.end());
    EXPECT_EQ(actions,
              (std::vector<std::int32_t>{0, 1, 1, 2, 3})); // close, max, restore, min, menu
    const auto mdi = Image("MDICONTROLS", "Image", 12);
}

TEST_F(DefaultSkin, ControlElements) {
    struct Element {
        const char* section;
        const char* key;
        int frames;
    };
    const Element elements[] = {
        {"Buttons", "Bitmap", 5},
        {"Buttons", "CheckButton", 12},
        {"Buttons", "RadioButton", 12},
        {"ComboButton", "Image", 4},
        {"SunkEdge", "Image", 4},
        {"ExtraImages", "Image", 5},
        {"Scrollbar", "Image", 23},
        {"HorzScroll", "Image", 4},
        {"VertScroll", "Image", 4},
        {"HorzScrollThumb", "Image", 3},
        {"VertScrollThumb", "Image", 3},
        {"Tabs", "Image", 5},
        {"Tabs", "Border", 1},
        {"Tab.Pane", "Image", 1},
        {"StatusBarEdges", "Image", 3},
        {"Progress", "Bitmap", 2},
        {"Progress.Chunk", "Image", 1},
        {"MenuItem", "Image", 5},
        {"MenuBackground", "Image", 1},
        {"GroupBox", "Image", 1},
        {"GroupBoxEdge", "Image", 2},
        {"Headerbar", "Image", 5},
        {"Track", "Image", 1},
        {"TRACKVERT", "Image", 1},
        {"Trackbar.ThumbHorz", "Image", 5},
        {"Trackbar.ThumbVert", "Image", 5},
        {"Trackbar.ThumbLeft", "Image", 5},
        {"Trackbar.ThumbRight", "Image", 5},
        {"Trackbar.ThumbUp", "Image", 5},
        {"Trackbar.ThumbDown", "Image", 5},
        {"UpDown.Horz", "Image", 8},
        {"UpDown.Horz", "GlyphImage", 8},
        {"UpDown.Vert", "Image", 8},
        {"UpDown.Vert", "GlyphImage", 8},
        {"ToolBars", "Image", 5},
    };
    for (const auto& e : elements) {
        Image(e.section, e.key, e.frames);
    }
    // Scroll bar arrows are squares of the bar's thickness.
    const auto scroll = ReadImage(ini, reader, "Scrollbar", "Image");
    EXPECT_EQ(scroll.width / 23, scroll.height);
    EXPECT_EQ(ini.ReadInteger("Buttons", "CheckButtonFrame", 0), 12);
    EXPECT_LE(ini.ReadInteger("Tab.Pane", "LeftWidth", 9), 4);
}

TEST_F(DefaultSkin, ColoursFontsAndNames) {
    const char* colours[] = {
        "WindowText",       "ButtonFace",   "Scrollbar",      "HilightText", "Hilight",
        "Menubar",          "Menu",         "MenuText",       "ButtonText",  "ButtonHilight",
        "Buttonlight",      "ButtonShadow", "ButtonDkShadow", "MenuBarText", "TitleTextActive",
        "TitleTextNoActive"};
    for (const char* key : colours) {
        EXPECT_GE(ReadColourTriple(ini, "Colours", key, -1), 0) << key;
    }
    EXPECT_EQ(ReadColourTriple(ini, "Colours", "ButtonFace", -1), 0xF7F3F0);
    for (int i = 0; i < 10; ++i) {
        EXPECT_GE(ReadColourTriple(ini, "Customcolors", "Color" + std::to_string(i), -1), 0);
    }
    EXPECT_EQ(ini.ReadInteger("Fonts", "FontHeight", 0), 14);
    EXPECT_EQ(ini.ReadString("TitlebarSkin", "SkinName", ""), "Default");
}

} // namespace
