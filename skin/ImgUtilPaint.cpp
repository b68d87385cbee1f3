#include "skin/ImgUtilPaint.h"

#include "skin/ImgUtilPaintSupport.h"

#include <algorithm>

namespace skin {

using paint::CopyPart;
using paint::ImageSource;
using paint::Inverted;
using paint::PictureTarget;

namespace {

PaintRect ToPaint(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

std::optional<PaintRect> ImageFrame(HBITMAP image, int count, int number, FrameLayout layout) {
    const auto size = BitmapSize(image);
    if (!size) {
        return std::nullopt;
    }
    const PaintRect frame = FrameRect(size->cx, size->cy, count, number, layout);
    if (!frame.HasArea()) {
        return std::nullopt;
    }
    return frame;
}

// Lays the tiles of a grid: the first from the source, the rest copied within the picture, and
// nothing past the picture's edge.
void LayTiles(HDC target, SIZE targetSize, HDC source, const PaintRect& tileSource,
              const TileGrid& grid) {
    const PaintRect first = grid.Tile(0, 0);
    CopyPart(target, source, {tileSource, first});
    const int extentWidth =
        std::min(grid.Columns() * grid.tileWidth, int(targetSize.cx) - grid.area.left);
    const int extentHeight =
        std::min(grid.Rows() * grid.tileHeight, int(targetSize.cy) - grid.area.top);
    paint::RepeatTile(target, first.left, first.top, grid.tileWidth, grid.tileHeight, extentWidth,
                      extentHeight);
}

} // namespace

DibSection DrawNineGrid(SIZE dest, HBITMAP image, const ImageMargins& margins, FrameLayout layout,
                        bool tileCentre, int count, int number) {
    const auto frame = ImageFrame(image, count, number, layout);
    if (!frame) {
        return {};
    }
    const NineGridPlan plan = PlanNineGrid(dest.cx, dest.cy, *frame, margins, tileCentre);
    if (plan.copies.empty()) {
        return {};
    }
    DibSection picture = DibSection::Create(dest.cx, dest.cy, 32);
    if (!picture) {
        return {};
    }
    ImageSource source(image);
    PictureTarget target(picture);
    if (!source.Ready() || !target.Ready()) {
        return {};
    }
    for (const NineGridCopy& copy : plan.copies) {
        if (copy.part == NinePart::Centre && plan.tiledCentre) {
            LayTiles(target.Get(), dest, source.Get(), copy.blit.source, plan.centreTiles);
            continue;
        }
        CopyPart(target.Get(), source.Get(), copy.blit);
    }
    GdiFlush();
    return picture;
}

void DrawNineGridTo(HDC dc, const RECT& rect, HBITMAP image, FrameLayout layout, bool tileCentre,
                    bool transparent, int count, int number, const ImageMargins& margins) {
    if (Inverted(rect)) {
        return;
    }
    const SIZE size{rect.right - rect.left, rect.bottom - rect.top};
    const DibSection picture =
        DrawNineGrid(size, image, margins, layout, tileCentre, count, number);
    paint::BlitPicture(dc, rect, picture, transparent);
}

void DrawElement(HDC dc, const RECT& rect, int count, int number, const ElementPicture& element) {
    DrawNineGridTo(dc, rect, element.image, FrameLayout::SideBySide, element.tiled,
                   element.transparent, count, number, element.margins);
}

void DrawStripTiled(HDC dc, const RECT& rect, HBITMAP image, FrameLayout layout, bool transparent,
                    int count, int number, const ImageMargins& margins) {
    if (Inverted(rect)) {
        return;
    }
    const auto frame = ImageFrame(image, count, number, layout);
    const SIZE size{rect.right - rect.left, rect.bottom - rect.top};
    if (!frame || size.cx <= 0 || size.cy <= 0) {
        return;
    }
    const StripTiledPlan plan =
        PlanStripTiled(size.cx, size.cy, *frame, margins.left, margins.right);
    DibSection picture = DibSection::Create(size.cx, size.cy, 32);
    if (!picture) {
        return;
    }
    {
        ImageSource source(image);
        PictureTarget target(picture);
        if (!source.Ready() || !target.Ready()) {
            return;
        }
        if (plan.leftEnd.dest.HasArea()) {
            CopyPart(target.Get(), source.Get(), plan.leftEnd);
        }
        if (plan.middle.Columns() > 0) {
            LayTiles(target.Get(), size, source.Get(), plan.middleSource, plan.middle);
        }
        // The right end is drawn last and covers a middle copy that runs into it.
        if (plan.rightEnd.dest.HasArea()) {
            CopyPart(target.Get(), source.Get(), plan.rightEnd);
        }
        GdiFlush();
    }
    paint::BlitPicture(dc, rect, picture, transparent);
}

void DrawStripStretched(HDC dc, const RECT& rect, HBITMAP image, FrameLayout layout, int count,
                        int number, int leftMargin, int rightMargin) {
    if (Inverted(rect)) {
        return;
    }
    const auto frame = ImageFrame(image, count, number, layout);
    if (!frame) {
        return;
    }
    ImageSource source(image);
    if (!source.Ready()) {
        return;
    }
    for (const BlitPart& part :
         PlanStripStretched(ToPaint(rect), *frame, leftMargin, rightMargin)) {
        CopyPart(dc, source.Get(), part);
    }
}

void DrawFrame(HDC dc, const RECT& rect, HBITMAP image, bool transparent, int count, int number) {
    if (Inverted(rect)) {
        return;
    }
    const auto frame = ImageFrame(image, count, number, FrameLayout::SideBySide);
    const PaintRect dest = ToPaint(rect);
    if (!frame || !dest.HasArea()) {
        return;
    }
    ImageSource source(image);
    if (!source.Ready()) {
        return;
    }
    if (!transparent) {
        CopyPart(dc, source.Get(), {*frame, dest});
        return;
    }
    DibSection picture = DibSection::Create(dest.Width(), dest.Height(), 32);
    if (!picture) {
        return;
    }
    {
        PictureTarget target(picture);
        CopyPart(target.Get(), source.Get(), {*frame, RectAt(0, 0, dest.Width(), dest.Height())});
        GdiFlush();
    }
    DrawTransparent(dc, rect, picture, kSkinKeyColour);
}

void DrawFrameCentred(HDC dc, const RECT& rect, HBITMAP image, bool transparent, int count,
                      int number) {
    if (Inverted(rect)) {
        return;
    }
    const auto frame = ImageFrame(image, count, number, FrameLayout::SideBySide);
    if (!frame) {
        return;
    }
    const PaintRect dest = CentredFrameDest(ToPaint(rect), frame->Width(), frame->Height());
    ImageSource source(image);
    if (!source.Ready()) {
        return;
    }
    if (!transparent) {
        CopyPart(dc, source.Get(), {*frame, dest});
        return;
    }
    DibSection picture = DibSection::Create(frame->Width(), frame->Height(), 32);
    if (!picture) {
        return;
    }
    {
        PictureTarget target(picture);
        CopyPart(target.Get(), source.Get(),
                 {*frame, RectAt(0, 0, frame->Width(), frame->Height())});
        GdiFlush();
    }
    DrawTransparent(dc, RECT{dest.left, dest.top, dest.right, dest.bottom}, picture,
                    kSkinKeyColour);
}

} // namespace skin
