#include "skin/CaptionLayout.h"

#include <algorithm>
#include <optional>

namespace skin {

namespace {

bool Maximized(const CaptionWindowState& w) {
    return w.show == ShowState::Maximized;
}

bool Has(const CaptionWindowState& w, unsigned ability) {
    return (w.abilities & ability) != 0;
}

// The rules the two visibility values share (0 to 9, 200 and 201 to 999). `strictBoxes`
// makes 6 and 8 also ask for a system menu, as the first value does.
std::optional<bool> CommonRule(int value, const CaptionWindowState& w, bool strictBoxes) {
    const bool sys = !strictBoxes || Has(w, kHasSystemMenu);
    switch (value) {
    case 0:
        return true;
    case 1:
        return Maximized(w);
    case 2:
        return !Maximized(w);
    case 3:
        return w.active;
    case 4:
        return !w.active;
    case 5:
        return false;
    case 6:
        return Has(w, kCanMaximize) && sys;
    case 7:
        return !Has(w, kCanMaximize);
    case 8:
        return Has(w, kCanMinimize) && sys;
    case 9:
        return !Has(w, kCanMinimize);
    case 200:
        return w.border == BorderKind::Dialog && !w.dialogClass;
    default:
        break;
    }
    if (value >= 201 && value <= 999) {
        return true;
    }
    return std::nullopt;
}

bool FirstTest(const CaptionButtonSpec& b, const CaptionWindowState& w) {
    if (auto rule = CommonRule(b.visibility, w, true)) {
        return *rule;
    }
    if (b.visibility == 100) {
        return w.mdiChildMaximizedInMenuBar;
    }
    if (b.visibility >= 1000 && b.visibility <= 2000) {
        return w.askWindow && w.askWindow(b.visibility, b.action);
    }
    return false;
}

bool SecondTest(const CaptionButtonSpec& b, const CaptionWindowState& w, bool first) {
    if (auto rule = CommonRule(b.visibility1, w, false)) {
        return *rule;
    }
    if (b.visibility1 == 100) {
        return first;
    }
    return b.visibility1 >= 1000 && b.visibility1 <= 2000;
}

bool ActionTest(const CaptionButtonSpec& b, const CaptionWindowState& w) {
    switch (b.action) {
    case 0:
        return Has(w, kHasSystemMenu);
    case 1:
        return Has(w, kCanMaximize);
    case 2:
        return Has(w, kCanMinimize);
    case 3:
    case 11:
    case 12:
        return w.border != BorderKind::Dialog;
    default:
        return true;
    }
}

} // namespace

bool CaptionButtonVisible(const CaptionButtonSpec& b, const CaptionWindowState& w) {
    const bool first = FirstTest(b, w);
    return first && SecondTest(b, w, first) && ActionTest(b, w);
}

PaintRect LayoutCaptionButton(const CaptionButtonSpec& b, int width, int height, int windowWidth,
                              const FrameMetrics& m, bool rightToLeft, int menuBarLeftWidth,
                              const CaptionTextAnchors& anchors) {
    switch (b.align) {
    case 0:
        return RectAt(b.xcoord, b.ycoord, width, height);
    case 1:
        return RectAt(windowWidth - b.xcoord, b.ycoord, width, height);
    case 100: {
        const int y = m.captionHeight + (m.menuHeight - height) / 2;
        const int x = rightToLeft ? b.xcoord + menuBarLeftWidth + m.borderLeft
                                  : windowWidth - b.xcoord - m.borderRight - menuBarLeftWidth;
        return RectAt(x, y, width, height);
    }
    case 2:
    case 8:
        return RectAt(anchors.left - width - b.xcoord, b.ycoord, width, height);
    case 3:
    case 9:
        return RectAt(b.xcoord + anchors.right, b.ycoord, width, height);
    default:
        return RectAt(b.xcoord, b.ycoord, width, height);
    }
}

int CaptionPaintFrame(bool active, int frames) {
    return !active && frames >= 4 ? 4 : 1;
}

int CaptionStateFrame(int state, bool inMenuBand, int frames) {
    int frame = state;
    if (state == 3 && inMenuBand) {
        frame = 4;
    }
    return std::clamp(frame, 1, std::max(frames, 1));
}

PaintRect CaptionTextBox(int windowWidth, int captionHeight, int textShift, int textShiftVert,
                         int textRightClip) {
    PaintRect box{textShift, textShiftVert, windowWidth - textRightClip,
                  textShiftVert + captionHeight};
    if (box.right < box.left) {
        box.right = box.left;
    }
    return box;
}

CaptionTextAnchors PlaceCaptionText(const PaintRect& box, int textWidth, int alignment) {
    const int width = std::min(textWidth, box.Width());
    int left = box.left;
    if (alignment == 1) {
        left = box.right - width;
    } else if (alignment == 2) {
        left = box.left + (box.Width() - width) / 2;
    }
    return {left, left + width};
}

} // namespace skin
