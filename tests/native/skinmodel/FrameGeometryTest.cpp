// Frame kinds, metrics, the client rectangle and hit testing of skinned windows.

#include "skin/FrameGeometry.h"

#include <gtest/gtest.h>

using namespace skin;

TEST(FrameGeometry, FrameKindsFollowStyleAndClass) {
    constexpr std::uint32_t overlapped = 0x00CF0000; // caption, system menu, sizing, both boxes
    struct Case {
        const char* what;
        WindowTraits window;
        BorderKind border;
        unsigned abilities;
        bool dialogClass;
    } const cases[] = {
        {"sizeable main window",
         {overlapped, 0, "TForm1"},
         BorderKind::Sizeable,
         kCanMaximize | kCanMinimize | kHasSystemMenu,
         false},
        {"no caption", {0x80000000, 0, "TForm1"}, BorderKind::None, 0, false},
        {"half a caption", {0x00800000 | style::kThickFrame, 0, "X"}, BorderKind::None, 0, false},
        {"fixed",
         {style::kCaption | style::kSysMenu, 0, "X"},
         BorderKind::Fixed,
         kHasSystemMenu,
         false},
        {"modal frame",
         {style::kCaption | style::kModalFrame, 0, "X"},
         BorderKind::Dialog,
         0,
         false},
        {"extended dialog style wins over sizing",
         {style::kCaption | style::kThickFrame, style::kExDlgModalFrame, "X"},
         BorderKind::Dialog,
         0,
         false},
        {"message box class",
         {style::kCaption | style::kThickFrame, 0, "TMessageForm"},
         BorderKind::Dialog,
         0,
         true},
        {"standard dialog",
         {style::kCaption | style::kSysMenu, 0, "#32770"},
         BorderKind::Dialog,
         kHasSystemMenu,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const FrameKinds k = DeriveFrameKinds(c.window);
        EXPECT_EQ(k.border, c.border);
        EXPECT_EQ(k.abilities, c.abilities);
        EXPECT_EQ(k.dialogClass, c.dialogClass);
    }
    WindowTraits mdi{style::kCaption | style::kChild, style::kExMdiChild | style::kExLeftScrollBar,
                     "TChild"};
    const FrameKinds child = DeriveFrameKinds(mdi);
    EXPECT_EQ(child.mdi, MdiRole::Child);
    EXPECT_TRUE(child.childWindow);
    EXPECT_TRUE(child.rightToLeft);
    mdi = {style::kCaption, 0, "TFrame", false, true};
    EXPECT_EQ(DeriveFrameKinds(mdi).mdi, MdiRole::Frame);
    EXPECT_EQ(ShowStateFromShowCommand(3), ShowState::Maximized);
    for (unsigned minimized : {2u, 6u, 7u})
        EXPECT_EQ(ShowStateFromShowCommand(minimized), ShowState::Minimized);
    EXPECT_EQ(ShowStateFromShowCommand(1), ShowState::Normal);
}

TEST(FrameGeometry, MetricsAndClientRectangle) {
    const FrameMetrics m = ComputeFrameMetrics({8, 100, 2}, {10, 100, 2}, {100, 60, 2}, {100, 8, 0},
                                               BorderKind::Fixed);
    EXPECT_EQ(m.borderLeft, 4);
    EXPECT_EQ(m.borderRight, 5);
    EXPECT_EQ(m.captionHeight, 30);
    EXPECT_EQ(m.borderBottom, 8) << "a frame count of 0 counts as 1";
    const FrameMetrics none =
        ComputeFrameMetrics({8, 100, 2}, {10, 100, 2}, {100, 60, 2}, {100, 8, 1}, BorderKind::None);
    EXPECT_EQ(none.Vertical(), 0);

    FrameMetrics withMenu = m;
    withMenu.menuHeight = 20;
    EXPECT_EQ(SkinnedClientRect({100, 100, 500, 400}, withMenu), (PaintRect{104, 150, 495, 392}));
    // Smaller than its frame: an empty client at the inset corner, never an inverted one.
    const PaintRect tiny = SkinnedClientRect({0, 0, 6, 20}, withMenu);
    EXPECT_EQ(tiny, (PaintRect{4, 50, 4, 50}));
    EXPECT_FALSE(tiny.Inverted());

    const WindowSize size = WindowSizeForClient(387, 627, m);
    EXPECT_EQ(size.width, 396);
    EXPECT_EQ(size.height, 665);
    const WindowSize back = WindowSizeWithoutSkin(size.width, size.height, 8, 34, m);
    EXPECT_EQ(back.width, 387 + 8);
    EXPECT_EQ(back.height, 627 + 34);
}

TEST(FrameGeometry, HitTestsAlongCaptionMenuBandEdgesAndCorners) {
    FrameMetrics m;
    m.borderLeft = 4;
    m.borderRight = 4;
    m.captionHeight = 30;
    m.borderBottom = 4;
    m.menuHeight = 20;
    constexpr int W = 200, H = 300;
    struct Case {
        int system, x, y;
        BorderKind border;
        int expected;
    } const cases[] = {
        {hit::kNowhere, 100, 2, BorderKind::Sizeable, hit::kNowhere}, // the top three pixels
        {hit::kNowhere, 100, 10, BorderKind::Sizeable, hit::kCaption},
        {hit::kCaption, 2, 20, BorderKind::Fixed, hit::kCaption}, // caption corner
        {hit::kNowhere, 100, 35, BorderKind::Fixed, hit::kMenu},
        {hit::kNowhere, 100, 60, BorderKind::Fixed, hit::kNowhere}, // below the menu band
        {hit::kNowhere, 1, 100, BorderKind::Sizeable, hit::kLeft},
        {hit::kNowhere, 198, 100, BorderKind::Sizeable, hit::kRight},
        {hit::kNowhere, 100, 298, BorderKind::Sizeable, hit::kBottom},
        {hit::kNowhere, 1, 298, BorderKind::Sizeable, hit::kBottomLeft},
        {hit::kNowhere, 198, 298, BorderKind::Sizeable, hit::kBottomRight},
        {hit::kNowhere, 1, 100, BorderKind::Fixed, hit::kBorder},
        {hit::kNowhere, 100, 298, BorderKind::Dialog, hit::kBorder},
        {hit::kClient, 100, 100, BorderKind::Fixed, hit::kClient},
        {hit::kLeft, 1, 100, BorderKind::Fixed, hit::kLeft}, // the system's own codes stay
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        EXPECT_EQ(RefineHitTest(c.system, c.x, c.y, W, H, m, c.border), c.expected);
    }
}

TEST(FrameGeometry, DialogsWidenForLongCaptions) {
    DialogWidening w = WidenForCaption(200, 32, 300, 110);
    EXPECT_EQ(w.width, 442);
    EXPECT_EQ(w.childShift, 121);
    w = WidenForCaption(200, 32, 40, 110);
    EXPECT_EQ(w.width, 200);
    EXPECT_EQ(w.childShift, 0);
}
