#include "skin/FrameGeometry.h"

#include <algorithm>

namespace skin {

bool IsDialogClass(std::string_view className) {
    return className == "#32770" || className == "TMessageForm";
}

FrameKinds DeriveFrameKinds(const WindowTraits& w) {
    FrameKinds k;
    k.rightToLeft = (w.exStyle & style::kExLeftScrollBar) != 0;
    k.childWindow = (w.style & style::kChild) != 0;
    if (w.style & style::kMaximizeBox) {
        k.abilities |= kCanMaximize;
    }
    if (w.style & style::kMinimizeBox) {
        k.abilities |= kCanMinimize;
    }
    if ((w.style & style::kSysMenu) || w.hasSystemMenuHandle) {
        k.abilities |= kHasSystemMenu;
    }
    if (w.hasMdiClient) {
        k.mdi = MdiRole::Frame;
    }
    if (w.exStyle & style::kExMdiChild) {
        k.mdi = MdiRole::Child;
    }
    if ((w.style & style::kCaption) != style::kCaption) {
        k.border = BorderKind::None;
    } else if (w.style & style::kThickFrame) {
        k.border = BorderKind::Sizeable;
    } else if (w.style & style::kModalFrame) {
        k.border = BorderKind::Dialog;
    }
    k.dialogClass = IsDialogClass(w.className);
    if ((w.exStyle & style::kExDlgModalFrame) || k.dialogClass) {
        k.border = BorderKind::Dialog;
    }
    return k;
}

ShowState ShowStateFromShowCommand(unsigned showCommand) {
    switch (showCommand) {
    case 3:
        return ShowState::Maximized;
    case 2:
    case 6:
    case 7:
        return ShowState::Minimized;
    default:
        return ShowState::Normal;
    }
}

FrameMetrics ComputeFrameMetrics(const EdgeImage& left, const EdgeImage& right,
                                 const EdgeImage& top, const EdgeImage& bottom, BorderKind border) {
    FrameMetrics m;
    if (border == BorderKind::None) {
        return m;
    }
    auto per = [](int size, int frames) { return size / std::max(frames, 1); };
    m.captionHeight = per(top.height, top.frames);
    m.borderLeft = per(left.width, left.frames);
    m.borderRight = per(right.width, right.frames);
    m.borderBottom = per(bottom.height, bottom.frames);
    return m;
}

PaintRect SkinnedClientRect(const PaintRect& window, const FrameMetrics& m) {
    PaintRect r{window.left + m.borderLeft, window.top + m.Top(), window.right - m.borderRight,
                window.bottom - m.borderBottom};
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

int RefineHitTest(int systemAnswer, int x, int y, int windowWidth, int windowHeight,
                  const FrameMetrics& m, BorderKind border) {
    if (systemAnswer != hit::kNowhere && systemAnswer != hit::kCaption) {
        return systemAnswer;
    }
    if (y < m.captionHeight) {
        return y > 3 ? hit::kCaption : systemAnswer;
    }
    if (m.menuHeight > 0 && y < m.Top() && x >= m.borderLeft && x < windowWidth - m.borderRight) {
        return hit::kMenu;
    }
    const bool sizing = border == BorderKind::Sizeable;
    const bool bottom = y >= windowHeight - m.borderBottom;
    const bool left = x < m.borderLeft;
    const bool right = x >= windowWidth - m.borderRight;
    if (!sizing) {
        return bottom || left || right ? hit::kBorder : systemAnswer;
    }
    if (bottom) {
        return left ? hit::kBottomLeft : right ? hit::kBottomRight : hit::kBottom;
    }
    if (left) {
        return hit::kLeft;
    }
    if (right) {
        return hit::kRight;
    }
    return systemAnswer;
}

WindowSize WindowSizeForClient(int clientWidth, int clientHeight, const FrameMetrics& m) {
    return {clientWidth + m.Horizontal(), clientHeight + m.Vertical()};
}

DialogWidening WidenForCaption(int windowWidth, int textShift, int textWidth, int textRightClip) {
    const int needed = textShift + textWidth + textRightClip;
    if (needed <= windowWidth) {
        return {windowWidth, 0};
    }
    return {needed, (needed - windowWidth) / 2};
}

WindowSize WindowSizeWithoutSkin(int windowWidth, int windowHeight, int standardFrameWidth,
                                 int standardFrameHeight, const FrameMetrics& m) {
    return {windowWidth + standardFrameWidth - m.borderLeft - m.borderRight,
            windowHeight + standardFrameHeight - m.captionHeight - m.borderBottom};
}

} // namespace skin
