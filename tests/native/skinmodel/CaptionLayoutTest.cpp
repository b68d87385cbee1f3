// Which caption buttons show, where they go and which frame they draw.

#include "skin/CaptionLayout.h"

#include <gtest/gtest.h>

using namespace skin;

namespace {

CaptionWindowState Window(ShowState show, unsigned abilities, bool active = true) {
    CaptionWindowState w;
    w.show = show;
    w.abilities = abilities;
    w.active = active;
    return w;
}

} // namespace

TEST(CaptionLayout, VisibilityRules) {
    const unsigned all = kCanMaximize | kCanMinimize | kHasSystemMenu;
    const CaptionWindowState normal = Window(ShowState::Normal, all);
    const CaptionWindowState maximized = Window(ShowState::Maximized, all);
    const CaptionWindowState inactive = Window(ShowState::Normal, all, false);
    const CaptionWindowState boxesOnly = Window(ShowState::Normal, kCanMaximize | kCanMinimize);
    CaptionWindowState dialog = Window(ShowState::Normal, kHasSystemMenu);
    dialog.border = BorderKind::Dialog;
    struct Case {
        const char* what;
        CaptionButtonSpec button;
        const CaptionWindowState& window;
        bool visible;
    } const cases[] = {
        {"close", {0, 1, 36, 4, 0, 0}, normal, true},
        {"close without a system menu", {0, 1, 36, 4, 0, 0}, boxesOnly, false},
        {"maximize on a normal window", {1, 1, 68, 4, 2, 6}, normal, true},
        {"maximize on a maximized one", {1, 1, 68, 4, 2, 6}, maximized, false},
        {"restore on a maximized one", {1, 1, 68, 4, 1, 6}, maximized, true},
        {"6 first asks for a system menu", {50, 1, 0, 0, 6, 0}, boxesOnly, false},
        {"6 second asks only for the box", {50, 1, 0, 0, 0, 6}, boxesOnly, true},
        {"active only", {50, 1, 0, 0, 3, 0}, inactive, false},
        {"inactive only", {50, 1, 0, 0, 4, 4}, inactive, true},
        {"never", {50, 1, 0, 0, 5, 0}, normal, false},
        {"second value -1 never", {50, 1, 0, 0, 0, -1}, normal, false},
        {"201..999 always", {50, 1, 0, 0, 300, 999}, normal, true},
        {"MDI buttons without a maximized child", {7, 100, 42, 0, 100, 100}, normal, false},
        {"window menu on a dialog", {3, 0, 4, 4, 0, 0}, dialog, false},
        {"200 on a dialog border of a form", {50, 0, 0, 0, 200, 200}, dialog, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CaptionButtonVisible(c.button, c.window), c.visible);
    }
    CaptionWindowState mdi = normal;
    mdi.mdiChildMaximizedInMenuBar = true;
    EXPECT_TRUE(CaptionButtonVisible({7, 100, 42, 0, 100, 100}, mdi));
    // 1000..2000 asks the window the first time, counts as always the second time.
    int asked = 0;
    CaptionWindowState asking = normal;
    asking.askWindow = [&](int visibility, int action) {
        ++asked;
        return visibility == 1500 && action == 60;
    };
    EXPECT_TRUE(CaptionButtonVisible({60, 1, 0, 0, 1500, 1999}, asking));
    EXPECT_FALSE(CaptionButtonVisible({61, 1, 0, 0, 1500, 0}, asking));
    EXPECT_EQ(asked, 2);
}

TEST(CaptionLayout, ButtonPlacesForEachAlignment) {
    FrameMetrics m;
    m.borderLeft = 4;
    m.borderRight = 5;
    m.captionHeight = 30;
    m.menuHeight = 20;
    const CaptionTextAnchors text{40, 120};
    struct Case {
        CaptionButtonSpec button;
        bool rtl;
        PaintRect expected;
    } const cases[] = {
        {{3, 0, 9, 7, 0, 0}, false, {9, 7, 25, 23}},
        {{0, 1, 36, 4, 0, 0}, false, {364, 4, 380, 20}},
        {{9, 100, 14, 0, 100, 100}, false, {400 - 14 - 5 - 2, 32, 400 - 14 - 5 - 2 + 16, 48}},
        {{9, 100, 14, 0, 100, 100}, true, {14 + 2 + 4, 32, 14 + 2 + 4 + 16, 48}},
        {{50, 2, 3, 5, 0, 0}, false, {40 - 16 - 3, 5, 40 - 3, 21}},
        {{50, 3, 3, 5, 0, 0}, false, {123, 5, 139, 21}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button.align);
        EXPECT_EQ(LayoutCaptionButton(c.button, 16, 16, 400, m, c.rtl, 2, text), c.expected);
    }
}

TEST(CaptionLayout, FramesNeverLeaveTheStrip) {
    EXPECT_EQ(CaptionPaintFrame(true, 4), 1);
    EXPECT_EQ(CaptionPaintFrame(false, 4), 4);
    EXPECT_EQ(CaptionPaintFrame(false, 3), 1);
    EXPECT_EQ(CaptionStateFrame(2, false, 4), 2);
    EXPECT_EQ(CaptionStateFrame(3, true, 4), 4);
    // A strip with fewer frames than the state asks for draws its last frame.
    EXPECT_EQ(CaptionStateFrame(3, false, 2), 2);
    EXPECT_EQ(CaptionStateFrame(3, true, 1), 1);
}

TEST(CaptionLayout, CaptionTextBoxAndAlignment) {
    const PaintRect box = CaptionTextBox(400, 30, 32, 2, 110);
    EXPECT_EQ(box, (PaintRect{32, 2, 290, 32}));
    EXPECT_EQ(PlaceCaptionText(box, 100, 0).left, 32);
    EXPECT_EQ(PlaceCaptionText(box, 100, 1).right, 290);
    EXPECT_EQ(PlaceCaptionText(box, 100, 2).left, 32 + 79);
    // Text wider than the box is cut to it.
    EXPECT_EQ(PlaceCaptionText(box, 1000, 0).right, 290);
    const PaintRect narrow = CaptionTextBox(100, 30, 32, 0, 110);
    EXPECT_EQ(narrow.Width(), 0);
}
