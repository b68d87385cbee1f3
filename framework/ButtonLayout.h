#pragma once
// Where a glyph button (bit button, speed button) puts its glyph and its caption. Free of Win32.

#include "framework/Classes.h"

// Which side of the caption the glyph is on.
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
extern const TEnumInfo ButtonLayoutNames;

struct TLayoutSize {
    int cx = 0, cy = 0;
};
struct TLayoutPoint {
    int x = 0, y = 0;
    bool operator==(const TLayoutPoint&) const = default;
};

struct TGlyphLayout {
    TLayoutPoint glyph; // top-left of the glyph
    TLayoutPoint text;  // top-left of the caption block
};

// Lays glyph and caption out in an area of size `client` (positions relative to its corner).
// margin: from the edge on the glyph's side to the glyph, -1 to centre glyph and caption
// together; spacing: between glyph and caption, -1 to share the free length evenly (with margin
// -1: margin, spacing and the rest are equal thirds; with a margin: the caption is centred in
// what is left after margin and glyph). An empty caption or glyph makes the spacing 0. Across
// the layout's axis both are centred.
TGlyphLayout LayoutGlyphButton(TLayoutSize client, TLayoutSize glyph, TLayoutSize text,
                               TButtonLayout layout, int margin, int spacing);
