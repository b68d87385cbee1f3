#include "framework/ButtonLayout.h"

const TEnumInfo ButtonLayoutNames{
    {L"blGlyphLeft", L"blGlyphRight", L"blGlyphTop", L"blGlyphBottom"}};

TGlyphLayout LayoutGlyphButton(TLayoutSize client, TLayoutSize glyph, TLayoutSize text,
                               TButtonLayout layout, int margin, int spacing) {
    const bool across =
        layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
    TGlyphLayout result;
    // The axis the layout does not run along: both centred.
    if (across) {
        result.glyph.y = (client.cy - glyph.cy + 1) / 2;
        result.text.y = (client.cy - text.cy + 1) / 2;
    } else {
        result.glyph.x = (client.cx - glyph.cx + 1) / 2;
        result.text.x = (client.cx - text.cx + 1) / 2;
    }
    if (text.cx == 0 || glyph.cx == 0)
        spacing = 0;
    // Lengths along the layout's axis.
    const int room = across ? client.cx : client.cy;
    const int glyphLength = across ? glyph.cx : glyph.cy;
    const int textLength = across ? text.cx : text.cy;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (room - glyphLength - textLength) / 3;
            spacing = margin;
        } else {
            margin = (room - glyphLength - spacing - textLength + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (room - margin - glyphLength - textLength) / 2;
    }
    switch (layout) {
    case TButtonLayout::blGlyphLeft:
        result.glyph.x = margin;
        result.text.x = margin + glyph.cx + spacing;
        break;
    case TButtonLayout::blGlyphRight:
        result.glyph.x = client.cx - margin - glyph.cx;
        result.text.x = result.glyph.x - spacing - text.cx;
        break;
    case TButtonLayout::blGlyphTop:
        result.glyph.y = margin;
        result.text.y = margin + glyph.cy + spacing;
        break;
    case TButtonLayout::blGlyphBottom:
        result.glyph.y = client.cy - margin - glyph.cy;
        result.text.y = result.glyph.y - spacing - text.cy;
        break;
    }
    return result;
}
