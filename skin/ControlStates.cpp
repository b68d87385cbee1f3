#include "skin/ControlStates.h"

#include "skin/ControlKinds.h"

#include <algorithm>
#include <cstdint>

namespace skin {

int PushButtonFrame(bool enabled, int mouseState, bool focused) {
    if (!enabled)
        return 3;
    if (mouseState & kMousePressed)
        return 2;
    if (mouseState & kMouseHot)
        return 4;
    return focused ? 5 : 1;
}

bool CheckMarkFromStateText(std::wstring_view text, CheckMark& mark) {
    const std::wstring lower = LowerAscii(text);
    if (lower.find(L"uncheck") != std::wstring::npos) {
        mark = CheckMark::Unchecked;
        return true;
    }
    if (lower.find(L"check") != std::wstring::npos) {
        mark = CheckMark::Checked;
        return true;
    }
    if (lower.find(L"gray") != std::wstring::npos) {
        mark = CheckMark::Indeterminate;
        return true;
    }
    return false;
}

int CheckBoxFrame(int frames, CheckMark mark, bool enabled, int mouseState) {
    if (frames == 12) {
        const int group = mark == CheckMark::Unchecked ? 0 : mark == CheckMark::Checked ? 1 : 2;
        int look = 1;
        if (!enabled)
            look = 4;
        else if (mouseState & kMousePressed)
            look = 3;
        else if (mouseState & kMouseHot)
            look = 2;
        return group * 4 + look;
    }
    int frame = static_cast<int>(mark);
    if (mark != CheckMark::Indeterminate && !enabled)
        frame += 2;
    return std::clamp(frame, 1, std::max(frames, 1));
}

std::wstring ButtonCaptionLines(std::wstring_view caption) {
    std::wstring text(caption);
    const std::size_t bars = text.find(L"||");
    if (bars != std::wstring::npos)
        text.replace(bars, 2, L"\r\n");
    return text;
}

PaintRect FocusRectAround(const PaintRect& area, int textWidth, int textHeight, bool centred,
                          bool rightAligned) {
    PaintRect r = RectAt(area.left, area.top, textWidth, textHeight);
    if (centred) {
        const int dx = (area.Width() - textWidth) / 2;
        const int dy = (area.Height() - textHeight) / 2;
        r = RectAt(area.left + dx, area.top + dy, textWidth, textHeight);
    } else if (rightAligned) {
        r = RectAt(area.right - textWidth, area.top, textWidth, textHeight);
    }
    r = {r.left - 2, r.top - 1, r.right + 2, r.bottom + 1};
    return {std::max(r.left, area.left), std::max(r.top, area.top), std::min(r.right, area.right),
            std::min(r.bottom, area.bottom)};
}

int ProgressFill(int length, int position, int low, int high) {
    if (length <= 0 || high <= low)
        return 0;
    const std::int64_t range = std::int64_t{high} - low;
    const std::int64_t done = std::clamp<std::int64_t>(std::int64_t{position} - low, 0, range);
    return static_cast<int>(done * length / range);
}

int ChunkCopies(int fill, int chunkWidth) {
    if (chunkWidth <= 0 || fill <= 0)
        return 0;
    return fill / chunkWidth + 1;
}

TabSide TabSideOf(std::uint32_t style) {
    constexpr std::uint32_t kBottom = 0x0002;   // TCS_BOTTOM, TCS_RIGHT with TCS_VERTICAL
    constexpr std::uint32_t kVertical = 0x0080; // TCS_VERTICAL
    const bool vertical = (style & kVertical) != 0;
    if (style & kBottom)
        return vertical ? TabSide::Right : TabSide::Bottom;
    return vertical ? TabSide::Left : TabSide::Top;
}

PaintRect TabRectInBand(const PaintRect& tab, const PaintRect& band, TabSide side) {
    switch (side) {
    case TabSide::Top:
    case TabSide::Bottom:
        return {tab.left - band.left, tab.top - band.top, tab.right - band.left,
                tab.bottom - band.top};
    case TabSide::Left:
        return {band.bottom - tab.bottom, tab.left - band.left, band.bottom - tab.top,
                tab.right - band.left};
    case TabSide::Right:
        return {tab.top - band.top, band.right - tab.right, tab.bottom - band.top,
                band.right - tab.left};
    }
    return tab;
}

ImageMargins TurnMargins(const ImageMargins& m, TabSide side) {
    switch (side) {
    case TabSide::Top:
        return m;
    case TabSide::Bottom:
        return {m.left, m.bottom, m.right, m.top};
    case TabSide::Left:
        return {m.top, m.right, m.bottom, m.left};
    case TabSide::Right:
        return {m.bottom, m.left, m.top, m.right};
    }
    return m;
}

int UpDownFrame(int state, int arrow) {
    const int frame = state + 4 * arrow;
    return arrow >= 2 ? frame - 8 : frame;
}

std::vector<PaintRect> StatusPanelRects(std::vector<PaintRect> panels, int barWidth) {
    for (PaintRect& r : panels)
        r.right += 2;
    if (!panels.empty())
        panels.back().right = barWidth;
    return panels;
}

PaintRect ComboButtonRect(int width, int height, int arrowWidth, bool leftSide) {
    if (leftSide)
        return {0, 0, arrowWidth + 2, height};
    return {width - arrowWidth - 2, 0, width, height};
}

PaintRect DateArrowRect(int pickerWidth, int arrowWidth, bool leftSide) {
    const int left = leftSide ? 2 : pickerWidth - arrowWidth - 4;
    return RectAt(left, 0, arrowWidth, arrowWidth + 1);
}

std::array<std::array<int, 2>, 3> MenuButtonTriangle(int width, int height) {
    const int middle = height / 2;
    return {{{width - 12, middle + 2}, {width - 15, middle - 1}, {width - 9, middle - 1}}};
}

} // namespace skin
