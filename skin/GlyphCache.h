#pragma once
// Frames of small images drawn with their key colour left out, again and again (caption
// buttons on every caption paint): each frame is cut out and its one-bit mask made once, then
// every draw is a single masked blit.

#include "skin/GdiOwners.h"
#include "skin/ImgUtilDib.h"

#include <windows.h>

#include <map>
#include <tuple>

class TGlyphCache {
public:
    // Frame `number` of `frames` side-by-side frames of the image, stretched to the rectangle,
    // magenta left out.
    void Draw(HDC dc, const RECT& rect, HBITMAP image, int frames, int number);
    // Forgets every prepared frame (the images changed).
    void Clear() { glyphs_.clear(); }
    std::size_t Size() const { return glyphs_.size(); }

private:
    struct Glyph {
        skin::DibSection picture;
        skin::GdiBitmap mask;
    };
    using Key = std::tuple<HBITMAP, int, int, int, int>; // image, frames, number, width, height
    std::map<Key, Glyph> glyphs_;
};
