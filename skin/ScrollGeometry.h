#pragma once
// The arithmetic of skinned scroll bars: where the thumb of a stand-alone scroll bar sits, which
// part of a bar a point is over, where a dragged thumb is drawn, and which frames of the skin's
// strips each part shows. Positions are along the bar's axis, in overlay pixels. Free of Win32.

#include <cstdint>

namespace skin {

// Parts of a bar, numbered as the scroll codes they match (SB_LINEUP ... SB_THUMBTRACK).
enum ScrollPart : int {
    kNoPart = -1,
    kFirstArrow = 0,
    kSecondArrow = 1,
    kPageBefore = 2,
    kPageAfter = 3,
    kThumb = 5
};

struct ThumbSpan {
    int start = 0;
    int length = 0;
    int End() const { return start + length; }
};

// The scroll range and position of a stand-alone scroll bar (GetScrollInfo's values).
struct ScrollRange {
    std::int32_t min = 0;
    std::int32_t max = 0;
    std::uint32_t page = 0;
    std::int32_t position = 0;
};

// The thumb of a stand-alone bar `barLength` long with arrows `arrow` long. Every product is
// taken in 64 bits, so any range a scroll bar accepts gives a thumb inside the track; a bar
// with no room between its arrows has a thumb of length 0 at the first arrow's end.
ThumbSpan StandaloneThumb(int barLength, int arrow, const ScrollRange& range);

// The part under a point `along` the bar.
ScrollPart HitPart(int along, int barLength, int arrow, const ThumbSpan& thumb);

// The thumb start while it is dragged: where it was at the press, moved by the mouse, kept
// within the track.
int DraggedThumbStart(int startAtPress, int mouseMoved, int barLength, int arrow, int thumbLength);

// The length of each arrow square: the arrow size, or half the bar when the bar is shorter
// than two arrows.
int ArrowLength(int barLength, int arrow);

// The bar's thickness: the strip's height unless it differs from the arrow size by more than 2.
int BarThickness(int stripHeight, int arrow);

// Frames of the 23-frame scroll-bar strip. `first` is 1 left, 5 right, 9 up, 13 down.
int ArrowFrame(int first, bool hot, bool pressed);
// The gripper centred on the thumb: 17 horizontal, 20 vertical.
int GripperFrame(bool vertical, bool hot, bool pressed);
// The thumb element's frame: 1, 2 pressed, 3 hot.
int ThumbFrame(bool hot, bool pressed);

} // namespace skin
