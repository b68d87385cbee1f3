#include "skin/GlyphCache.h"

#include "skin/ImgUtilPaint.h"

#include <vector>

void TGlyphCache::Draw(HDC dc, const RECT& rect, HBITMAP image, int frames, int number) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (!image || width <= 0 || height <= 0)
        return;
    if (!skin::IsNtFamily()) {
        skin::DrawFrame(dc, rect, image, true, frames, number);
        return;
    }
    const Key key{image, frames, number, width, height};
    auto it = glyphs_.find(key);
    if (it == glyphs_.end()) {
        Glyph glyph;
        glyph.picture = skin::DibSection::Create(width, height, 24);
        if (!glyph.picture)
            return;
        {
            skin::MemoryDC target;
            skin::SelectScope select(target.Get(), glyph.picture.Handle());
            skin::DrawFrame(target.Get(), {0, 0, width, height}, image, false, frames, number);
        }
        GdiFlush();
        const std::vector<std::uint8_t> bits =
            skin::MonoMaskBits(glyph.picture.Pixels(), skin::kSkinKeyColour);
        glyph.mask.Reset(CreateBitmap(width, height, 1, 1, bits.data()));
        if (!glyph.mask)
            return;
        it = glyphs_.emplace(key, std::move(glyph)).first;
    }
    skin::MemoryDC source;
    skin::SelectScope select(source.Get(), it->second.picture.Handle());
    // Where the mask is 1 (key colour) the destination stays, elsewhere the frame is copied.
    MaskBlt(dc, rect.left, rect.top, width, height, source.Get(), 0, 0, it->second.mask.Get(), 0, 0,
            MAKEROP4(0x00AA0029, SRCCOPY));
}
