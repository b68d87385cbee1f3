#include "skin/ScrollGeometry.h"

#include <algorithm>

namespace skin {

namespace {

// value x numerator / denominator in 64 bits, truncated toward zero, kept within int.
int Scale(std::int64_t value, std::int64_t numerator, std::int64_t denominator) {
    if (denominator == 0)
        return 0;
    const std::int64_t scaled = value * numerator / denominator;
    return static_cast<int>(std::clamp<std::int64_t>(scaled, INT32_MIN, INT32_MAX));
}

} // namespace

ThumbSpan StandaloneThumb(int barLength, int arrow, const ScrollRange& r) {
    std::int64_t range = std::int64_t(r.max) - r.min;
    if (range == 0)
        range = 9999999;
    if (range < 0)
        range = -range;
    const std::int64_t offset =
        std::clamp<std::int64_t>(std::int64_t(r.position) - r.min, 0, range);
    const int free = barLength - 2 * arrow;
    if (free <= 0)
        return {std::max(arrow, 0), 0};
    ThumbSpan thumb;
    if (r.page > 0) {
        const std::int64_t page = std::min<std::int64_t>(r.page, range + 1);
        thumb.length = Scale(free, page - 1, range);
        if (thumb.length > 7) {
            thumb.start = arrow + Scale(free, offset, range);
        } else {
            thumb.length = std::min(8, free);
            thumb.start = arrow + Scale(free - thumb.length, offset, range);
        }
    } else {
        thumb.length = std::min(arrow, free);
        thumb.start = arrow + Scale(std::max(barLength - 3 * arrow, 0), offset, range);
    }
    // Whatever the range said, the thumb stays on the track.
    thumb.length = std::clamp(thumb.length, 0, free);
    thumb.start = std::clamp(thumb.start, arrow, arrow + free - thumb.length);
    return thumb;
}

ScrollPart HitPart(int along, int barLength, int arrow, const ThumbSpan& thumb) {
    const int arrowLength = ArrowLength(barLength, arrow);
    if (along < arrowLength)
        return kFirstArrow;
    if (along >= barLength - arrowLength)
        return kSecondArrow;
    if (along < thumb.start)
        return kPageBefore;
    if (along < thumb.End())
        return kThumb;
    return kPageAfter;
}

int DraggedThumbStart(int startAtPress, int mouseMoved, int barLength, int arrow, int thumbLength) {
    const std::int64_t wanted = std::int64_t(startAtPress) + mouseMoved;
    const int last = std::max(arrow, barLength - arrow - thumbLength);
    return static_cast<int>(std::clamp<std::int64_t>(wanted, arrow, last));
}

int ArrowLength(int barLength, int arrow) {
    return barLength < 2 * arrow ? std::max(barLength, 0) / 2 : arrow;
}

int BarThickness(int stripHeight, int arrow) {
    return stripHeight - arrow > 2 || arrow - stripHeight > 2 ? arrow : stripHeight;
}

int ArrowFrame(int first, bool hot, bool pressed) {
    if (!hot)
        return first;
    return first + (pressed ? 1 : 3);
}

int GripperFrame(bool vertical, bool hot, bool pressed) {
    const int base = vertical ? 20 : 17;
    if (pressed)
        return base + 1;
    return hot ? base + 2 : base;
}

int ThumbFrame(bool hot, bool pressed) {
    if (pressed)
        return 2;
    return hot ? 3 : 1;
}

} // namespace skin
