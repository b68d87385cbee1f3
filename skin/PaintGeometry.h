#pragma once
// Where the skin painting primitives copy from and to: frames in an image strip, the nine parts
// of a nine-grid picture, tiles, three-part strips and centred frames. Plain rectangles only;
// the GDI layer carries out the copies in the order given here.

#include <vector>

namespace skin {

// A rectangle as Win32 keeps one: right and bottom are exclusive.
struct PaintRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Right left of left, or bottom above top: the primitives draw nothing then.
    bool Inverted() const { return right < left || bottom < top; }
    bool HasArea() const { return right > left && bottom > top; }
    friend bool operator==(const PaintRect&, const PaintRect&) = default;
};

inline PaintRect RectAt(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

// The fixed borders of a picture, in pixels of the source frame; they are never scaled.
struct ImageMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const ImageMargins&, const ImageMargins&) = default;
};

// How the frames of a strip lie: side by side, or one above the other.
enum class FrameLayout { SideBySide, Stacked };

// Frame `number` (counted from 1) of `count` equal frames of an image. Integer division: the
// columns or rows left over at the right or bottom belong to no frame. A count below 1 counts
// as 1 and the number is kept within 1..count.
PaintRect FrameRect(int imageWidth, int imageHeight, int count, int number, FrameLayout layout);

// One copy, stretched when the two sizes differ.
struct BlitPart {
    PaintRect source;
    PaintRect dest;
    friend bool operator==(const BlitPart&, const BlitPart&) = default;
};

// Tiles of one size laid from an area's top-left corner, right and down, while a tile's start
// lies inside the area. The last column and row may run past the area.
struct TileGrid {
    PaintRect area;
    int tileWidth = 0;
    int tileHeight = 0;

    int Columns() const;
    int Rows() const;
    PaintRect Tile(int column, int row) const {
        return RectAt(area.left + column * tileWidth, area.top + row * tileHeight, tileWidth,
                      tileHeight);
    }
};

enum class NinePart {
    TopLeft,
    BottomLeft,
    TopRight,
    LeftEdge,
    TopEdge,
    Centre,
    BottomRight,
    RightEdge,
    BottomEdge,
};

struct NineGridCopy {
    NinePart part;
    BlitPart blit;
};

// The copies that draw one frame into a picture of the destination size, in drawing order:
// top-left, bottom-left and top-right corners, left edge, top edge, centre, bottom-right
// corner, right edge, bottom edge. Parts with nothing to copy are left out. Both side margins
// count as 0 when the destination (or the frame) is narrower than their sum; likewise top and
// bottom for the height. A tiled centre leaves its copy in `centre`: the GDI layer lays the
// centre tiles in the Centre step, and the later parts cover tiles that run under the margins.
struct NineGridPlan {
    std::vector<NineGridCopy> copies;
    bool tiledCentre = false;
    TileGrid centreTiles; // the centre's destination and the source centre's size, when tiled
};
NineGridPlan PlanNineGrid(int destWidth, int destHeight, const PaintRect& frame,
                          const ImageMargins& margins, bool tileCentre);

// A three-part horizontal strip drawn into a picture of destWidth x destHeight: the left end,
// then the middle copied again and again at its own width from the left margin while a copy
// starts left of the right end, then the right end; all stretched to the height.
struct StripTiledPlan {
    BlitPart leftEnd;
    PaintRect middleSource; // empty when the frame has no middle
    TileGrid middle;
    BlitPart rightEnd;
};
StripTiledPlan PlanStripTiled(int destWidth, int destHeight, const PaintRect& frame, int leftMargin,
                              int rightMargin);

// A three-part strip stretched straight into `dest`: when dest is at least a frame wide the
// ends keep their widths and the middle takes the rest; narrower, the whole frame is stretched.
// The height is always stretched. Parts with nothing to copy are left out.
std::vector<BlitPart> PlanStripStretched(const PaintRect& dest, const PaintRect& frame,
                                         int leftMargin, int rightMargin);

// Where a frame of its own size lands centred in `dest`: offsets (dest size - frame size) div 2,
// rounded toward zero.
PaintRect CentredFrameDest(const PaintRect& dest, int frameWidth, int frameHeight);

} // namespace skin
