#pragma once
// Which caption buttons a skinned window shows, where they sit, which frame of their strip
// they draw, and where the caption text goes. Plain numbers; the window skinner supplies the
// window's state and draws.

#include "skin/FrameGeometry.h"

#include <functional>

namespace skin {

// The state of a window that the visibility rules test.
struct CaptionWindowState {
    ShowState show = ShowState::Normal;
    bool active = true;
    unsigned abilities = 0;
    BorderKind border = BorderKind::Fixed;
    bool dialogClass = false;
    // An MDI frame whose active child is maximized, with a skinned menu bar.
    bool mdiChildMaximizedInMenuBar = false;
    // Asks the window whether a button with a Visibility of 1000..2000 shows (wParam, lParam).
    std::function<bool(int visibility, int action)> askWindow;
};

// What a button element says about itself.
struct CaptionButtonSpec {
    int action = 0;
    int align = 0;
    int xcoord = 0;
    int ycoord = 0;
    int visibility = 0;
    int visibility1 = 0;
};

// The three tests (Visibility, Visibility1, Action) together.
bool CaptionButtonVisible(const CaptionButtonSpec& button, const CaptionWindowState& window);

// Anchors the caption text gives to buttons placed beside it.
struct CaptionTextAnchors {
    int left = 0;
    int right = 0;
};

// Where a button of width x height lands in window coordinates. The menu band uses the frame
// metrics; `menuBarLeftWidth` is the LeftWidth of the skin's menu-bar element (0 without one).
PaintRect LayoutCaptionButton(const CaptionButtonSpec& button, int width, int height,
                              int windowWidth, const FrameMetrics& metrics, bool rightToLeft,
                              int menuBarLeftWidth, const CaptionTextAnchors& anchors);

// The frame a button draws during a full caption paint: 1, or 4 for an inactive window when the
// strip has at least four frames. A frame beyond the strip draws its last frame.
int CaptionPaintFrame(bool active, int frames);
// The frame a button draws when it repaints itself in a state (1 normal, 2 pressed, 3 hot); a
// hot button in the menu band uses frame 4. Never beyond the strip's last frame.
int CaptionStateFrame(int state, bool inMenuBand, int frames);

// The caption text's box: from TextShift at the left to TextRightClip from the right edge,
// moved down by TextShiftVert, the caption's height. Empty when nothing fits.
PaintRect CaptionTextBox(int windowWidth, int captionHeight, int textShift, int textShiftVert,
                         int textRightClip);
// Where text of this width goes in the box: alignment 1 right, 2 centred, anything else left.
// The anchors are the ends of the text as it will be drawn (clipped to the box).
CaptionTextAnchors PlaceCaptionText(const PaintRect& box, int textWidth, int alignment);

} // namespace skin
