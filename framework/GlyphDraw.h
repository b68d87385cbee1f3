#pragma once
// Drawing the glyphs of buttons and menu items: one sub-image of a strip, transparently, and the
// greyed form of a picture.

#include "framework/Bitmap.h"

#include <cstdint>
#include <span>

// Paints a shape made by DisabledShape with its corner at (x, y): in the button highlight colour
// one pixel down and right, then in the button shadow colour over it.
void DrawDisabledShape(HDC dc, int x, int y, int width, int height,
                       std::span<const std::uint8_t> shape);

// Draws sub-image `index` of the `count` equal images side by side in `glyph` with its corner
// at (x, y); the glyph's transparent colour is left out. A greyed (`enabled` false) image is
// the greyed form of that sub-image.
void DrawGlyph(HDC dc, int x, int y, TBitmap& glyph, int count, int index, bool enabled);

// The size of one sub-image of a strip of `count` images.
SIZE GlyphSize(const TBitmap& glyph, int count);
