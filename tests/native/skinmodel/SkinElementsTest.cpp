// The element model built from small skin descriptions, and from the default skin whole.

#include "skin/SkinElements.h"
#include "skin/SkinRead.h"
#include "tools/BmpWrite.h"
#include "tools/SkinPack.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

// System colours of the fake system: index i is 0x00010101 * (i + 1).
std::uint32_t FakeSysColour(int index) {
    return 0x00010101u * static_cast<std::uint32_t>(index + 1);
}

struct Picture {
    std::string name;
    int width = 0;
    int height = 0;
    std::uint32_t fill = 0x00336699; // 0x00RRGGBB
};

// A package of one description and plain images, then the elements read from it.
TSkinElements Load(const std::string& ini, const std::vector<Picture>& pictures = {}) {
    std::vector<SkinEntry> entries{{"skin.ini", {ini.begin(), ini.end()}}};
    for (const Picture& p : pictures) {
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(p.width) * p.height, p.fill);
        entries.push_back({p.name, EncodeBmp24(p.width, p.height, pixels)});
    }
    TSkinReader reader;
    EXPECT_TRUE(reader.LoadPackage(BuildSkinPackage(entries)));
    TByteBuffer description;
    std::string found;
    reader.FindEntry(".ini", description, found);
    TQuickIni q;
    q.LoadFromStream(description);
    TSkinElements elements;
    TSkinSystem system;
    system.SysColour = FakeSysColour;
    ReadSkinElements(q, reader, system, elements);
    return elements;
}

const TDataSkinSysButton* Button(const TSkinElements& s, const std::string& name) {
    for (const auto& b : s.TitleButtons) {
        if (b->Name == name)
            return b.get();
    }
    return nullptr;
}

TColour Sys(int index) {
    return static_cast<TColour>(FakeSysColour(index));
}

} // namespace

TEST(SkinElements, WithoutColoursTheSystemColoursStandIn) {
    const TSkinElements s =
        Load("[TitlebarSkin]\nSkinName=Plain\n"
             "[Colour1]\ncolor=1,2,3\n[ColourX]\n[Customcolors]\nColor3=9,8,7\n");
    EXPECT_EQ(s.SkinName, "Plain");
    EXPECT_EQ(s.Colours.ButtonFace, Sys(15));
    EXPECT_EQ(s.Colours.WindowText, Sys(8));
    EXPECT_EQ(s.Colours.Menubar, s.Colours.ButtonFace);
    EXPECT_EQ(s.Colours.Buttonlight, Sys(20));
    EXPECT_EQ(s.Colours.ButtonDkShadow, Sys(21));
    EXPECT_EQ(s.Colours.TitleTextNoActive, Sys(19));
    // Extra colours in file order; a section without a colour takes the window text colour.
    ASSERT_EQ(s.ExtraColours.size(), 2u);
    EXPECT_EQ(s.ExtraColours[0], 0x030201);
    EXPECT_EQ(s.ExtraColours[1], Sys(8));
    EXPECT_EQ(s.CustomColours[0], 0xFFFFFF);
    EXPECT_EQ(s.CustomColours[3], 0x070809);
    // Without a top edge the border colour is the face colour; the elements the model always
    // holds are there.
    EXPECT_EQ(s.BorderColour, s.Colours.ButtonFace);
    EXPECT_EQ(s.Buttons->Frame, 5);
    EXPECT_EQ(s.Title->Frame, 2);
    EXPECT_EQ(s.Title->FontHeight, 14);
    EXPECT_EQ(s.Title->ActiveText, TDataSkinTitle::kNotGiven);
    EXPECT_FALSE(s.Progress);
    EXPECT_FALSE(s.SunkEdge);
}

TEST(SkinElements, TitleButtonsAreFilteredFramedAndFollowedByTheMdiButtons) {
    const TSkinElements s =
        Load("[BUTTON3]\nAction=-1\nButtonImage=a.bmp\n"
             "[Button4]\nAction=-1\nVisibility=0\nButtonImage=a.bmp\n"
             "[ButtonWide]\nAction=0\nButtonImage=wide.bmp\n"
             "[ButtonLong]\nAction=1\nButtonImage=long.bmp\n"
             "[ButtonOwn]\nAction=50\nButtonImage=long.bmp\nframe=2\n"
             "[ButtonSys]\nAction=3\nButtonImage=wide.bmp\n"
             "[Buttons]\n[Button.Radio]\n[BUTTON.CHECKBOX]\n"
             "[MDICONTROLS]\nImage=mdi.bmp\n",
             {{"a.bmp", 30, 10}, {"wide.bmp", 60, 20}, {"long.bmp", 90, 15}, {"mdi.bmp", 120, 10}});
    EXPECT_EQ(Button(s, "BUTTON3"), nullptr);
    const TDataSkinSysButton* kept = Button(s, "BUTTON4");
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->Frame, 6) << "a negative action takes six frames";
    EXPECT_EQ(kept->Visibility1, -1);
    ASSERT_NE(Button(s, "BUTTONWIDE"), nullptr);
    EXPECT_EQ(Button(s, "BUTTONWIDE")->Frame, 3);
    EXPECT_EQ(Button(s, "BUTTONLONG")->Frame, 6);
    EXPECT_EQ(Button(s, "BUTTONOWN")->Frame, 2);
    EXPECT_EQ(Button(s, "BUTTONOWN")->CombineOp, -1);
    // The window-menu button shows the window's icon, not its image.
    EXPECT_TRUE(Button(s, "BUTTONSYS")->Image.Empty());
    EXPECT_EQ(Button(s, "BUTTONS"), nullptr);
    EXPECT_EQ(Button(s, "BUTTON.RADIO"), nullptr);

    ASSERT_EQ(s.TitleButtons.size(), 8u);
    const int expectedX[] = {42, 28, 14};
    for (int i = 0; i < 3; ++i) {
        const TDataSkinSysButton& mdi = *s.TitleButtons[5 + i];
        SCOPED_TRACE(i);
        EXPECT_EQ(mdi.Action, 7 + i);
        EXPECT_EQ(mdi.Align, 100);
        EXPECT_EQ(mdi.Visibility, 100);
        EXPECT_EQ(mdi.Visibility1, 100);
        EXPECT_EQ(mdi.Frame, 4);
        EXPECT_EQ(mdi.Image.Width(), 40);
        EXPECT_EQ(mdi.Xcoord, expectedX[i]);
    }
}

TEST(SkinElements, EdgesSectionsAndFrameCounts) {
    const TSkinElements s =
        Load("[Personality]\nLeft=e.bmp\nLeftTopHeight=30\nLeftBotHeight=4\nLeftFrame=0\n"
             "LeftStretch=5\nTop=e.bmp\nTopTopHeight=12\nTopBotHeight=11\nTopFrame=-3\nTopTrans=0\n"
             "menuBar=e.bmp\nTileMenu=7\n"
             "[Tab.Pane]\nImage=e.bmp\nLeftWidth=9\nTopHeight=2\n"
             "[Headerbar]\nImage=e.bmp\n[MenuItem]\nImage=e.bmp\nFrame=2\n"
             "[Progress]\nBitmap=e.bmp\nStyle=1\nTile=3\n"
             "[ComboButton]\nImage=half.bmp\n"
             "[Buttons]\nTile=2\nCheckButton=check.bmp\nRadioButton=radio.bmp\nRadioButtonFrame=0\n"
             "NormalColour2=1,2,3\n"
             "[HorzScrollThumb]\nImage=e.bmp\nFrameCount=2\n[GroupBox]\nImage=e.bmp\n"
             "BackgroundLeftShift=6\n[SunkEdgeMissing]\nImage=e.bmp\n",
             {{"e.bmp", 40, 40},
              {"check.bmp", 52, 13},
              {"radio.bmp", 96, 16},
              {"half.bmp", 2, 1, 0xFF00FF}});
    // A frame count of 0 or less would be divided by: such an edge holds one frame.
    EXPECT_EQ(s.Left->Frame, 1);
    EXPECT_EQ(s.Top->Frame, 1);
    EXPECT_EQ(s.Left->Tile, 1);
    EXPECT_EQ(s.Left->TopHeight, 30);
    EXPECT_EQ(s.Left->BottomHeight, 4);
    EXPECT_EQ(s.Left->LeftWidth, 0);
    EXPECT_EQ(s.Top->LeftWidth, 12);
    EXPECT_EQ(s.Top->RightWidth, 11);
    EXPECT_EQ(s.Top->Trans, 0);
    EXPECT_EQ(s.Right->Trans, 1) << "edges are transparent unless told otherwise";
    ASSERT_TRUE(s.MenuBar);
    EXPECT_EQ(s.MenuBar->Tile, 1);
    EXPECT_EQ(s.MenuBar->LeftWidth, 1);
    EXPECT_EQ(s.MenuBar->Frame, 2);

    ASSERT_TRUE(s.TabPane);
    EXPECT_EQ(s.TabPane->LeftWidth, 4);
    EXPECT_EQ(s.TabPane->TopHeight, 2);
    EXPECT_EQ(s.Headerbar->Frame, 5);
    EXPECT_EQ(s.MenuItem->Frame, 5);
    EXPECT_EQ(s.Progress->Frame, 1);
    EXPECT_EQ(s.Progress->Tile, 1);
    EXPECT_EQ(s.HorzScrollThumb->Frame, 2);
    EXPECT_EQ(s.GroupBox->BackgroundLeftShift, 6);
    EXPECT_EQ(s.GroupBox->Frame, 1);
    EXPECT_EQ(s.Buttons->Tile, 0);
    EXPECT_EQ(s.Buttons->CheckButtonFrame, 4);
    EXPECT_EQ(s.Buttons->RadioButtonFrame, 6);
    EXPECT_TRUE(s.Buttons->HasNormalColour2);
    EXPECT_FALSE(s.Buttons->HasPressedColour2);
    EXPECT_EQ(s.Buttons->NormalColour2, 0x030201);
    EXPECT_EQ(s.Buttons->PressedColour2, s.Colours.ButtonText);

    // A combo button without a sunken edge gives the arrow image with the key colour turned
    // into the face colour; its second image is its mirror.
    ASSERT_TRUE(s.ComboButton);
    EXPECT_EQ(s.ComboButton->Frame, 4);
    EXPECT_EQ(s.ComboxArrow->Frame, 4);
    ASSERT_EQ(s.ComboxArrow->Image.Width(), 2);
    const std::uint32_t face = static_cast<std::uint32_t>(s.Colours.ButtonFace);
    const std::uint32_t facePixel = ((face & 0xFF) << 16) | (face & 0xFF00) | ((face >> 16) & 0xFF);
    EXPECT_EQ(s.ComboxArrow->Image.Pixels().At(0, 0), facePixel);
    EXPECT_EQ(s.ComboButton->Image2.Width(), 2);

    // Without their sections the tracks are the built-in pictures.
    EXPECT_EQ(s.Track->Image.Width(), 16);
    EXPECT_EQ(s.Track->Image.Height(), 4);
    EXPECT_EQ(s.TRACKVERT->Image.Width(), 4);
    EXPECT_EQ(s.Track->LeftWidth, 3);
    EXPECT_EQ(s.Track->Frame, 1);
}

TEST(SkinElements, FrameInferenceFromImageSizes) {
    struct Case {
        int width, height, action, frames;
    } const cases[] = {{60, 20, 0, 3}, {90, 15, 0, 6},  {76, 20, 0, 3},
                       {77, 20, 0, 6}, {60, 20, -2, 6}, {0, 0, 0, 6}};
    for (const Case& c : cases)
        EXPECT_EQ(InferTitleButtonFrames(c.width, c.height, c.action), c.frames)
            << c.width << "x" << c.height;
    EXPECT_EQ(InferCheckFrames(52, 13), 4);
    EXPECT_EQ(InferCheckFrames(96, 16), 6);
    EXPECT_EQ(InferCheckFrames(40, 16), 4);
    EXPECT_EQ(InferCheckFrames(13 * 12, 13), 12);
}

TEST(SkinElements, BorderColourAndToolbarGradientComeFromTheTopEdge) {
    const TSkinElements s = Load("[Personality]\nTop=top.bmp\nTopFrame=2\n"
                                 "[Colours]\nButtonFace=200,200,200\n",
                                 {{"top.bmp", 30, 24, 0x00102030}});
    EXPECT_EQ(s.BorderColour, 0x302010);
    ASSERT_EQ(s.Toolbar->Image.Width(), 10);
    ASSERT_EQ(s.Toolbar->Image.Height(), 40);
    const TBmpImage& bar = s.Toolbar->Image.Pixels();
    // Top: 15 % of the face colour, the rest white.
    EXPECT_EQ(bar.At(0, 0), 0x00F7F7F7u);
    EXPECT_NE(bar.At(0, 39), bar.At(0, 0));
    EXPECT_EQ(bar.At(9, 39), bar.At(0, 39));
}

TEST(SkinElements, TheDefaultSkinLoadsWhole) {
    std::ifstream in(DEVTOOL_DEFAULT_SKIN_FILE, std::ios::binary);
    const std::vector<std::uint8_t> packed{std::istreambuf_iterator<char>(in), {}};
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(packed));
    TByteBuffer description;
    std::string name;
    reader.FindEntry(".ini", description, name);
    TQuickIni q;
    q.LoadFromStream(description);
    TSkinElements s;
    TSkinSystem system;
    system.SysColour = FakeSysColour;
    ReadSkinElements(q, reader, system, s);

    EXPECT_EQ(s.SkinName, "Default");
    for (int edge = 1; edge <= 4; ++edge) {
        SCOPED_TRACE(edge);
        EXPECT_FALSE(s.Edge(edge)->Image.Empty());
        EXPECT_EQ(s.Edge(edge)->Frame, 2);
    }
    const std::vector<const TDataSkinObject*> sections{
        static_cast<const TDataSkinObject*>(s.Progress.get()),
        s.ProgressChunk.get(),
        s.MenuBar.get(),
        s.GroupBoxEdge.get(),
        static_cast<const TDataSkinObject*>(s.GroupBox.get()),
        static_cast<const TDataSkinObject*>(s.Tabs.get()),
        s.StatusBarEdges.get(),
        s.TabPane.get(),
        s.ToolBars.get(),
        static_cast<const TDataSkinObject*>(s.ComboButton.get()),
        s.SunkEdge.get(),
        s.ExtraImages.get(),
        s.Headerbar.get(),
        s.MenuItem.get(),
        s.MenuBackground.get(),
        s.Scrollbar.get(),
        s.HorzScroll.get(),
        s.VertScroll.get(),
        s.HorzScrollThumb.get(),
        s.VertScrollThumb.get(),
        s.TrackbarThumbHorz.get(),
        s.TrackbarThumbVert.get(),
        s.TrackbarThumbLeft.get(),
        s.TrackbarThumbRight.get(),
        s.TrackbarThumbUp.get(),
        s.TrackbarThumbDown.get(),
        static_cast<const TDataSkinObject*>(s.UpDownHorz.get()),
        static_cast<const TDataSkinObject*>(s.UpDownVert.get()),
        s.Track.get(),
        s.TRACKVERT.get()};
    for (const TDataSkinObject* e : sections) {
        ASSERT_NE(e, nullptr);
        SCOPED_TRACE(e->Name);
        EXPECT_FALSE(e->Image.Empty());
        // Every frame the painters will cut has at least a pixel.
        EXPECT_GE(e->Image.Width() / e->Frames(), 1);
    }
    EXPECT_FALSE(s.Tabs->Image2.Empty());
    EXPECT_FALSE(s.UpDownVert->Image2.Empty());
    EXPECT_EQ(s.Scrollbar->Frame, 23);
    EXPECT_EQ(s.Buttons->CheckButtonFrame, 12);
    // Close, maximize, restore, minimize, the window-menu button and the three MDI buttons.
    ASSERT_EQ(s.TitleButtons.size(), 8u);
    EXPECT_EQ(s.TitleButtons[0]->Action, 0);
    EXPECT_EQ(s.TitleButtons[4]->Action, 3);
    EXPECT_EQ(s.TitleButtons[4]->Frame, 6);
    EXPECT_FALSE(s.TitleButtons[7]->Image.Empty());
}
