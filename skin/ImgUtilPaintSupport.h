#pragma once
// Pieces shared by the primitives' source files: an image selected for reading, stretched
// copies, tiling by doubling, and the final blit of a composed picture.

#include "skin/GdiOwners.h"
#include "skin/ImgUtilDib.h"
#include "skin/PaintGeometry.h"

#include <windows.h>

#include <optional>

namespace skin::paint {

// An image selected into a memory context for reading. A bitmap that is selected into another
// context already cannot be selected again, so its pixels are copied and the copy is read.
class ImageSource {
public:
    explicit ImageSource(HBITMAP image);
    ImageSource(const ImageSource&) = delete;
    ImageSource& operator=(const ImageSource&) = delete;

    HDC Get() const { return dc_.Get(); }
    bool Ready() const { return select_.has_value() && select_->Selected(); }

private:
    MemoryDC dc_;
    DibSection copy_;
    std::optional<SelectScope> select_;
};

// A memory context with a picture selected and stretch mode COLORONCOLOR.
class PictureTarget {
public:
    explicit PictureTarget(const DibSection& picture);
    HDC Get() const { return dc_.Get(); }
    bool Ready() const { return select_.Selected(); }

private:
    MemoryDC dc_;
    SelectScope select_;
};

inline bool Inverted(const RECT& rect) {
    return rect.right < rect.left || rect.bottom < rect.top;
}

// StretchBlt of one part (a plain BitBlt when the sizes agree).
void CopyPart(HDC target, HDC source, const BlitPart& part);

// Fills extentWidth x extentHeight from (x, y) with copies of the tile already drawn at (x, y):
// the filled block is copied beside and below itself, doubling each time, which gives the same
// pixels as laying every tile but takes a handful of blits.
void RepeatTile(HDC target, int x, int y, int tileWidth, int tileHeight, int extentWidth,
                int extentHeight);

// Draws a composed picture into the rectangle: key colour left out, or copied.
void BlitPicture(HDC dc, const RECT& rect, const DibSection& picture, bool transparent);

} // namespace skin::paint
