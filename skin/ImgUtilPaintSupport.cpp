#include "skin/ImgUtilPaintSupport.h"

#include "skin/ImgUtilPaint.h"

#include <algorithm>

namespace skin::paint {

ImageSource::ImageSource(HBITMAP image) {
    if (!dc_ || image == nullptr) {
        return;
    }
    select_.emplace(dc_.Get(), image);
    if (select_->Selected()) {
        return;
    }
    select_.reset();
    copy_ = DibSection::CopyOf(image, 32);
    if (copy_) {
        select_.emplace(dc_.Get(), copy_.Handle());
    }
}

PictureTarget::PictureTarget(const DibSection& picture) : select_(dc_.Get(), picture.Handle()) {
    SetStretchBltMode(dc_.Get(), COLORONCOLOR);
}

void CopyPart(HDC target, HDC source, const BlitPart& part) {
    const PaintRect& s = part.source;
    const PaintRect& d = part.dest;
    if (s.Width() == d.Width() && s.Height() == d.Height()) {
        BitBlt(target, d.left, d.top, d.Width(), d.Height(), source, s.left, s.top, SRCCOPY);
        return;
    }
    StretchBlt(target, d.left, d.top, d.Width(), d.Height(), source, s.left, s.top, s.Width(),
               s.Height(), SRCCOPY);
}

void RepeatTile(HDC target, int x, int y, int tileWidth, int tileHeight, int extentWidth,
                int extentHeight) {
    if (tileWidth <= 0 || tileHeight <= 0 || extentWidth <= 0 || extentHeight <= 0) {
        return;
    }
    const int bandHeight = std::min(tileHeight, extentHeight);
    // Each copy starts a whole number of tiles from x, so the pattern stays in step.
    for (int filled = tileWidth; filled < extentWidth;) {
        const int width = std::min(filled, extentWidth - filled);
        BitBlt(target, x + filled, y, width, bandHeight, target, x, y, SRCCOPY);
        filled += width;
    }
    for (int filled = tileHeight; filled < extentHeight;) {
        const int height = std::min(filled, extentHeight - filled);
        BitBlt(target, x, y + filled, extentWidth, height, target, x, y, SRCCOPY);
        filled += height;
    }
}

void BlitPicture(HDC dc, const RECT& rect, const DibSection& picture, bool transparent) {
    if (!picture) {
        return;
    }
    if (transparent) {
        DrawTransparent(dc, rect, picture, kSkinKeyColour);
        return;
    }
    MemoryDC source;
    SelectScope select(source.Get(), picture.Handle());
    BitBlt(dc, rect.left, rect.top, std::min<int>(rect.right - rect.left, picture.Width()),
           std::min<int>(rect.bottom - rect.top, picture.Height()), source.Get(), 0, 0, SRCCOPY);
}

} // namespace skin::paint
