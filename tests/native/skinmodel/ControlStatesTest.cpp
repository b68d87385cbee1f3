// What the control painters work out before they draw (strip frames, progress lengths, tab
// geometry), and the skinner a dialog's plain window gets from its class and style.

#include "skin/ControlStates.h"
#include "skin/ControlKinds.h"

#include <gtest/gtest.h>

#include <climits>

using namespace skin;

TEST(ControlStates, StripFramesOfButtonsAndCheckBoxes) {
    // Push buttons: disabled wins over everything, then pressed, hot, focused.
    const struct {
        bool enabled;
        int mouse;
        bool focused;
        int frame;
    } buttons[] = {
        {true, 0, false, 1},
        {true, kMousePressed, false, 2},
        {false, kMousePressed, true, 3},
        {true, kMouseHot, true, 4},
        {true, 0, true, 5},
        {true, kMouseHot | kMousePressed, false, 2},
    };
    for (const auto& b : buttons)
        EXPECT_EQ(PushButtonFrame(b.enabled, b.mouse, b.focused), b.frame)
            << b.enabled << " " << b.mouse << " " << b.focused;

    using M = CheckMark;
    const struct {
        int frames;
        M mark;
        bool enabled;
        int mouse;
        int frame;
    } checks[] = {
        // Three groups of four: unchecked, checked, indeterminate; normal, hot, pressed, disabled.
        {12, M::Unchecked, true, 0, 1},
        {12, M::Unchecked, true, kMouseHot, 2},
        {12, M::Unchecked, true, kMousePressed, 3},
        {12, M::Unchecked, false, 0, 4},
        {12, M::Checked, true, 0, 5},
        {12, M::Checked, false, kMouseHot, 8},
        {12, M::Indeterminate, true, 0, 9},
        {12, M::Indeterminate, false, 0, 12},
        // Any other count: the mark's number, 2 more when disabled, never past the strip.
        {4, M::Unchecked, true, kMouseHot, 1},
        {4, M::Checked, true, 0, 2},
        {4, M::Unchecked, false, 0, 3},
        {4, M::Checked, false, 0, 4},
        {4, M::Indeterminate, true, 0, 4},
        {2, M::Checked, false, 0, 2},
        {0, M::Checked, true, 0, 1},
    };
    for (const auto& c : checks)
        EXPECT_EQ(CheckBoxFrame(c.frames, c.mark, c.enabled, c.mouse), c.frame)
            << c.frames << " frames, mark " << static_cast<int>(c.mark) << ", enabled " << c.enabled
            << ", mouse " << c.mouse;

    const struct {
        const wchar_t* text;
        bool named;
        M mark;
    } states[] = {{L"cbUnchecked", true, M::Unchecked},
                  {L"cbChecked", true, M::Checked},
                  {L"CBGRAYED", true, M::Indeterminate},
                  {L"", false, M::Unchecked},
                  {L"tsOff", false, M::Unchecked}};
    for (const auto& s : states) {
        M mark = M::Unchecked;
        EXPECT_EQ(CheckMarkFromStateText(s.text, mark), s.named);
        if (s.named) {
            EXPECT_EQ(mark, s.mark);
        }
    }
}

TEST(ControlStates, CaptionsWithBarsBreakOnceAtTheFirstPair) {
    EXPECT_EQ(ButtonCaptionLines(L"Two||lines"), L"Two\r\nlines");
    EXPECT_EQ(ButtonCaptionLines(L"a||b||c"), L"a\r\nb||c");
    EXPECT_EQ(ButtonCaptionLines(L"one|line"), L"one|line");
    EXPECT_EQ(ButtonCaptionLines(L""), L"");
}

// The fill reads the low limit and never leaves the bar; a chunk without width draws nothing
// instead of dividing by zero.
TEST(ControlStates, ProgressFillStaysOnTheBar) {
    const struct {
        int length, position, low, high, fill;
    } cases[] = {
        {200, 50, 0, 100, 100},
        {200, 60, 20, 120, 80}, // the low limit counts
        {200, 10, 20, 120, 0},  // below the range
        {200, 500, 0, 100, 200},
        {200, 5, 5, 5, 0},  // an empty range
        {200, 5, 10, 0, 0}, // an upside-down range
        {0, 50, 0, 100, 0}, // no bar
        {1000, INT_MAX, INT_MIN, INT_MAX, 1000},
        {1000, 0, INT_MIN, INT_MAX, 500},
        {INT_MAX, INT_MAX - 1, 0, INT_MAX, INT_MAX - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgressFill(c.length, c.position, c.low, c.high), c.fill)
            << c.length << " " << c.position << " " << c.low << ".." << c.high;
    EXPECT_EQ(ChunkCopies(100, 10), 11);
    EXPECT_EQ(ChunkCopies(100, 0), 0);
    EXPECT_EQ(ChunkCopies(100, -3), 0);
    EXPECT_EQ(ChunkCopies(0, 10), 0);
}

TEST(ControlStates, TabsLieInTheirBandOnEverySide) {
    EXPECT_EQ(TabSideOf(0), TabSide::Top);
    EXPECT_EQ(TabSideOf(0x2), TabSide::Bottom);
    EXPECT_EQ(TabSideOf(0x80), TabSide::Left);
    EXPECT_EQ(TabSideOf(0x82), TabSide::Right);
    // A 100 x 20 band of top tabs; side bands are 20 wide and 100 high.
    const PaintRect top{10, 0, 60, 20};
    EXPECT_EQ(TabRectInBand(top, {0, 0, 100, 20}, TabSide::Top), top);
    EXPECT_EQ(TabRectInBand({10, 80, 60, 100}, {0, 80, 100, 100}, TabSide::Bottom),
              (PaintRect{10, 0, 60, 20}));
    // Side tabs lie along the band's length, measured from the end the band is turned to.
    EXPECT_EQ(TabRectInBand({0, 10, 20, 60}, {0, 0, 20, 100}, TabSide::Left),
              (PaintRect{40, 0, 90, 20}));
    EXPECT_EQ(TabRectInBand({80, 10, 100, 60}, {80, 0, 100, 100}, TabSide::Right),
              (PaintRect{10, 0, 60, 20}));
    const ImageMargins m{1, 2, 3, 4};
    EXPECT_EQ(TurnMargins(m, TabSide::Bottom), (ImageMargins{1, 4, 3, 2}));
    EXPECT_EQ(TurnMargins(m, TabSide::Left), (ImageMargins{2, 3, 4, 1}));
    EXPECT_EQ(TurnMargins(m, TabSide::Right), (ImageMargins{4, 1, 2, 3}));
}

TEST(ControlStates, SmallPiecesOfThePainters) {
    // Up-down frames: the vertical strip counts 4 a arrow, the horizontal one from its start.
    EXPECT_EQ(UpDownFrame(1, 0), 1);
    EXPECT_EQ(UpDownFrame(2, 1), 6);
    EXPECT_EQ(UpDownFrame(1, 2), 1);
    EXPECT_EQ(UpDownFrame(4, 3), 8);
    const std::vector<PaintRect> panels =
        StatusPanelRects({{0, 2, 100, 20}, {102, 2, 150, 20}}, 300);
    EXPECT_EQ(panels[0], (PaintRect{0, 2, 102, 20}));
    EXPECT_EQ(panels[1], (PaintRect{102, 2, 300, 20}));
    EXPECT_TRUE(StatusPanelRects({}, 300).empty());
    EXPECT_EQ(ComboButtonRect(120, 21, 17, false), (PaintRect{101, 0, 120, 21}));
    EXPECT_EQ(ComboButtonRect(120, 21, 17, true), (PaintRect{0, 0, 19, 21}));
    EXPECT_EQ(DateArrowRect(150, 17, false), (PaintRect{129, 0, 146, 18}));
    EXPECT_EQ(DateArrowRect(150, 17, true), (PaintRect{2, 0, 19, 18}));
    const auto triangle = MenuButtonTriangle(80, 24);
    EXPECT_EQ(triangle[0], (std::array<int, 2>{68, 14}));
    EXPECT_EQ(triangle[1], (std::array<int, 2>{65, 11}));
    EXPECT_EQ(triangle[2], (std::array<int, 2>{71, 11}));
    // The focus rectangle around a centred text, kept inside the area.
    EXPECT_EQ(FocusRectAround({0, 0, 100, 30}, 40, 10, true, false), (PaintRect{28, 9, 72, 21}));
    EXPECT_EQ(FocusRectAround({0, 0, 100, 30}, 40, 10, false, true), (PaintRect{58, 0, 100, 11}));
    EXPECT_EQ(FocusRectAround({0, 0, 30, 10}, 40, 10, false, false), (PaintRect{0, 0, 30, 10}));
}

// The plain windows of a dialog: button kinds by their type value, so split buttons and command
// links are not taken for check boxes or radio buttons; only size grips get the sizer.
TEST(ControlKinds, PlainWindowsByClassAndStyle) {
    using K = SkinnerKind;
    const struct {
        const wchar_t* cls;
        std::uint32_t style;
        bool hasChild;
        PlainChoice choice;
    } cases[] = {
        {L"Button", 0x0, false, {K::Button}},                    // BS_PUSHBUTTON
        {L"BUTTON", 0x1, false, {K::Button}},                    // BS_DEFPUSHBUTTON
        {L"button", 0x2, false, {K::CheckBox}},                  // BS_CHECKBOX
        {L"button", 0x3, false, {K::CheckBox}},                  // BS_AUTOCHECKBOX
        {L"button", 0x5, false, {K::CheckBox}},                  // BS_3STATE
        {L"button", 0x6, false, {K::CheckBox}},                  // BS_AUTO3STATE
        {L"button", 0x4, false, {K::RadioButton}},               // BS_RADIOBUTTON
        {L"button", 0x9, false, {K::RadioButton}},               // BS_AUTORADIOBUTTON
        {L"button", 0x7, false, {}},                             // BS_GROUPBOX
        {L"button", 0xB, false, {}},                             // BS_OWNERDRAW
        {L"button", 0xC, false, {}},                             // BS_SPLITBUTTON
        {L"button", 0xD, false, {}},                             // BS_DEFSPLITBUTTON
        {L"button", 0xE, false, {}},                             // BS_COMMANDLINK
        {L"button", 0xF, false, {}},                             // BS_DEFCOMMANDLINK
        {L"button", 0x80, false, {}},                            // BS_BITMAP
        {L"button", 0x10000 | 0x20 | 0x3, false, {K::CheckBox}}, // tab stop, left text
        {L"ComboBox", 0x2, false, {K::ComboBox}},
        {L"ComboBox", 0x3, false, {K::ComboBox}},
        {L"ComboBox", 0x1, false, {}}, // CBS_SIMPLE
        {L"ComboBoxEx32", 0, true, {K::ComboBox, false, false, true}},
        {L"ComboBoxEx32", 0, false, {}},
        {L"ScrollBar", 0x0, false, {}},          // a horizontal bar keeps its own look
        {L"ScrollBar", 0x1, false, {}},          // a vertical one too
        {L"ScrollBar", 0x10, false, {K::Sizer}}, // SBS_SIZEGRIP
        {L"ScrollBar", 0x08, false, {K::Sizer}}, // SBS_SIZEBOX
        {L"#32770", 0, true, {K::BoxH, true}},
        {L"#32770", 0x10000, true, {}},
        {L"TPanel", 0, true, {K::None, true, true}},
        {L"TSilentPaintPanel", 0, false, {K::None, false, true}},
        {L"SysTabControl32", 0, false, {K::Tab}},
        {L"SysTabControl32", 0x2000, false, {}},
        {L"Edit", 0, false, {K::Edit}},
        {L"TCheckBox", 0, false, {K::CheckBox}},
        {L"SysTreeView32", 0, false, {}},
        {L"Static", 0, false, {}},
    };
    for (const auto& c : cases) {
        const PlainChoice got = ChoosePlainWindow(c.cls, c.style, c.hasChild);
        EXPECT_EQ(got, c.choice) << "class " << testing::PrintToString(std::wstring(c.cls))
                                 << " style 0x" << std::hex << c.style << ": got "
                                 << SkinnerKindName(got.kind);
    }
}
