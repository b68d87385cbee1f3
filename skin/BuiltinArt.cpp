// The small pictures the engine carries itself: the track of a track bar for skins that have
// none, and the glyphs of the window menu. Drawn here as character art.

#include "skin/SkinElements.h"

#include <string_view>

namespace {

// One character a pixel; unknown characters are white.
std::uint32_t ArtColour(char c) {
    switch (c) {
    case '#': // outline
        return 0x6B7480;
    case '+': // light edge
        return 0xFFFFFF;
    case '-': // groove
        return 0xC9D0D8;
    case 'x': // glyph ink
        return 0x000000;
    default:
        return 0xFFFFFF;
    }
}

TBmpImage FromArt(std::initializer_list<std::string_view> rows) {
    TBmpImage image;
    image.height = static_cast<int>(rows.size());
    image.width = image.height ? static_cast<int>(rows.begin()->size()) : 0;
    image.bitCount = 24;
    for (std::string_view row : rows) {
        for (int x = 0; x < image.width; ++x) {
            image.pixels.push_back(ArtColour(x < static_cast<int>(row.size()) ? row[x] : '.'));
        }
    }
    return image;
}

} // namespace

TBmpImage BuiltinTrackImage() {
    return FromArt({
        "################",
        "#--------------+",
        "#--------------+",
        "#+++++++++++++++",
    });
}

TBmpImage BuiltinTrackVertImage() {
    return FromArt({
        "####",
        "#--+",
        "#--+",
        "#--+",
        "#--+",
        "#--+",
        "#--+",
        "#--+",
        "#--+",
        "#--+",
        "#--+",
        "#--+",
        "#--+",
        "#--+",
        "#--+",
        "#+++",
    });
}

TBmpImage BuiltinMenuGlyphs() {
    // Restore, maximize, minimize and close, each 16 x 16 on white.
    return FromArt({
        "................................................................",
        "................................................................",
        "................................................................",
        ".......xxxxxx......xxxxxxxxx.....................xx.......xx....",
        ".......xxxxxx......xxxxxxxxx......................xx.....xx.....",
        ".......x....x......x.......x.......................xx...xx......",
        ".....xxxxxx.x......x.......x........................xx.xx.......",
        ".....xxxxxx.x......x.......x.........................xxx........",
        ".....x....xxx......x.......x.........................xxx........",
        ".....x....x........x.......x........................xx.xx.......",
        ".....x....x........x.......x.......................xx...xx......",
        ".....x....x........x.......x.......xxxxxxx........xx.....xx.....",
        ".....xxxxxx........xxxxxxxxx.......xxxxxxx.......xx.......xx....",
        "................................................................",
        "................................................................",
        "................................................................",
    });
}
