// skinart: draws the images of the default skin into a folder, as 24-bit BMP files that the
// description default.ini names. A light, flat look with a blue caption; magenta (0xFF00FF)
// marks the pixels the engine leaves transparent.

#include "tools/defaultskin/SkinArt.h"

#include "tools/BmpWrite.h"
#include "tools/ToolFiles.h"
#include "tools/defaultskin/Raster.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The palette of the skin (0x00RRGGBB). default.ini's [Colours] repeats the main ones.
constexpr Colour kFace = 0xF0F3F7;        // window and control background
constexpr Colour kCaption = 0x2B6CB0;     // active caption and frame
constexpr Colour kCaptionTop = 0x3C7DC4;  // top of the caption gradient
constexpr Colour kCaptionEdge = 0x1F5A99; // outline of the active frame
constexpr Colour kInactive = 0xB4C2D1;    // inactive caption and frame
constexpr Colour kInactiveTop = 0xC2CEDB;
constexpr Colour kInactiveEdge = 0x8E9FB2;
constexpr Colour kText = 0x1F2933;
constexpr Colour kGlyph = 0x4A5561;
constexpr Colour kBorder = 0xB5BDC7;      // control outlines
constexpr Colour kBorderLight = 0xD5DAE0; // disabled outlines, separators
constexpr Colour kHotFill = 0xE5F1FB;
constexpr Colour kHotBorder = 0x4A8BD0;
constexpr Colour kPressFill = 0xCFE0F3;
constexpr Colour kDisabledFill = 0xF4F5F7;
constexpr Colour kDisabledGlyph = 0xB0B8C1;
constexpr Colour kTrack = 0xE9EDF1;
constexpr Colour kWhite = 0xFFFFFF;

constexpr int kCaptionHeight = 30;
constexpr int kBorderWidth = 4;
constexpr int kCornerRadius = 8;

fs::path g_folder;
int g_written = 0;

void Save(const std::string& name, const Raster& image) {
    tools::WriteWholeFile(g_folder / name,
                          EncodeBmp24(image.Width(), image.Height(), image.Pixels()));
    ++g_written;
}

// ---- window frame ----

// Rounded top corners of the window: the distance of a pixel centre from the corner's centre,
// given its distance from the window's outer side (dx) and top (y).
double CornerDistance(int dx, int y) {
    const double cx = kCornerRadius - (dx + 0.5), cy = kCornerRadius - (y + 0.5);
    if (cx <= 0 || cy <= 0) {
        return 0;
    }
    return std::hypot(cx, cy);
}

// One column of a side piece (dx from the outer side) in the caption zone or below it.
Colour SideColour(int dx, int y, int height, bool active) {
    const Colour edge = active ? kCaptionEdge : kInactiveEdge;
    if (y < kCaptionHeight) {
        const double d = CornerDistance(dx, y);
        if (d > kCornerRadius) {
            return kKey;
        }
        if (d > kCornerRadius - 1.2 || dx == 0 || y == 0) {
            return edge;
        }
        return Mix(active ? kCaptionTop : kInactiveTop, active ? kCaption : kInactive,
                   static_cast<double>(y) / (kCaptionHeight - 1));
    }
    if (dx == 0 || y == height - 1) {
        return edge;
    }
    return active ? kCaption : kInactive;
}

void DrawFrame() {
    const int sideHeight = kCaptionHeight + 16 + kBorderWidth;
    std::vector<Raster> left, right, top, bottom;
    for (bool active : {true, false}) {
        Raster l(kBorderWidth, sideHeight), r(kBorderWidth, sideHeight);
        for (int y = 0; y < sideHeight; ++y) {
            for (int dx = 0; dx < kBorderWidth; ++dx) {
                l.Set(dx, y, SideColour(dx, y, sideHeight, active));
                r.Set(kBorderWidth - 1 - dx, y, SideColour(dx, y, sideHeight, active));
            }
        }
        left.push_back(l);
        right.push_back(r);

        // The caption strip; its fixed ends carry the rest of the rounded corners.
        constexpr int width = 64;
        Raster t(width, kCaptionHeight);
        for (int y = 0; y < kCaptionHeight; ++y) {
            for (int x = 0; x < width; ++x) {
                const int fromLeft = x + kBorderWidth, fromRight = width - 1 - x + kBorderWidth;
                const int dx = std::min(fromLeft, fromRight);
                t.Set(x, y, SideColour(dx, y, kCaptionHeight + 1, active));
            }
        }
        top.push_back(t);

        Raster b(width, kBorderWidth, active ? kCaption : kInactive);
        b.Fill(0, kBorderWidth - 1, width, 1, active ? kCaptionEdge : kInactiveEdge);
        bottom.push_back(b);
    }
    Save("left.bmp", Strip(left));
    Save("right.bmp", Strip(right));
    Save("top.bmp", Strip(top, true));
    Save("bottom.bmp", Strip(bottom, true));
}

// ---- caption buttons ----

enum class Glyph { Close, Maximize, Restore, Minimize };

void DrawGlyph(Raster& r, Glyph glyph, double cx, double cy, double size, Colour c) {
    const double h = size / 2;
    switch (glyph) {
    case Glyph::Close:
        r.Line(cx - h, cy - h, cx + h, cy + h, 1.3, c);
        r.Line(cx - h, cy + h, cx + h, cy - h, 1.3, c);
        break;
    case Glyph::Maximize:
        r.Polyline({{cx - h, cy - h},
                    {cx + h, cy - h},
                    {cx + h, cy + h},
                    {cx - h, cy + h},
                    {cx - h, cy - h}},
                   1.1, c);
        break;
    case Glyph::Restore:
        r.Polyline({{cx - h, cy - h + 2.5},
                    {cx + h - 2.5, cy - h + 2.5},
                    {cx + h - 2.5, cy + h},
                    {cx - h, cy + h},
                    {cx - h, cy - h + 2.5}},
                   1.1, c);
        r.Polyline({{cx - h + 2.5, cy - h + 2.5},
                    {cx - h + 2.5, cy - h},
                    {cx + h, cy - h},
                    {cx + h, cy + h - 2.5},
                    {cx + h - 2.5, cy + h - 2.5}},
                   1.1, c);
        break;
    case Glyph::Minimize:
        r.Line(cx - h, cy + 0.5, cx + h, cy + 0.5, 1.2, c);
        break;
    }
}

// Frames: normal, pressed, hot, inactive window.
void DrawCaptionButton(const std::string& name, Glyph glyph) {
    constexpr int w = 30, h = 22;
    const Colour hot = glyph == Glyph::Close ? 0xE04343 : 0x4C8BD0;
    const Colour pressed = glyph == Glyph::Close ? 0xB83232 : kCaptionEdge;
    std::vector<Raster> frames;
    for (int state = 0; state < 4; ++state) {
        Raster r(w, h);
        if (state == 1 || state == 2) {
            r.RoundFill(1, 1, w - 2, h - 2, 3, state == 1 ? pressed : hot);
        }
        DrawGlyph(r, glyph, w / 2.0, h / 2.0, 9, state == 3 ? 0xEEF2F6 : kWhite);
        frames.push_back(r);
    }
    Save(name, Strip(frames));
}

// Minimize, restore and close of a maximized MDI child, four frames each, in the menu band.
void DrawMdiControls() {
    constexpr int a = 16;
    std::vector<Raster> columns;
    for (Glyph glyph : {Glyph::Minimize, Glyph::Restore, Glyph::Close}) {
        for (int state = 0; state < 4; ++state) {
            Raster r(a, a);
            if (state > 0) {
                r.RoundFill(0.5, 0.5, a - 1, a - 1, 2, state == 1 ? kPressFill : kHotFill);
            }
            DrawGlyph(r, glyph, a / 2.0, a / 2.0, 7, kText);
            columns.push_back(r);
        }
    }
    Save("mdicontrols.bmp", Strip(columns));
}

// ---- push buttons, check boxes, radio buttons ----

// Frames: normal, pressed, disabled, hot, focused.
void DrawButtons() {
    constexpr int s = 24;
    std::vector<Raster> frames;
    struct Look {
        Colour border, top, bottom;
        double width;
    };
    const Look looks[] = {{kBorder, 0xFDFDFE, 0xEEF1F5, 1.0},
                          {kCaption, kPressFill, kPressFill, 1.0},
                          {kBorderLight, kDisabledFill, kDisabledFill, 1.0},
                          {kHotBorder, 0xF2F8FD, kHotFill, 1.0},
                          {kCaption, 0xFDFDFE, 0xEEF1F5, 2.0}};
    for (const Look& look : looks) {
        Raster r(s, s);
        r.RoundBox(0, 0, s, s, 3.5, look.border, look.top, look.bottom, look.width);
        frames.push_back(r);
    }
    Save("button.bmp", Strip(frames));
}

// Twelve frames: unchecked, checked, indeterminate; each normal, hot, pressed, disabled.
void DrawCheckAndRadio() {
    constexpr int s = 13;
    std::vector<Raster> checks, radios;
    for (int value = 0; value < 3; ++value) {
        for (int state = 0; state < 4; ++state) {
            const bool disabled = state == 3;
            const Colour border = disabled ? 0xC3CAD2 : state == 0 ? 0x8A96A3 : kCaption;
            const Colour fill = disabled     ? kDisabledFill
                                : state == 2 ? kPressFill
                                : state == 1 ? kHotFill
                                             : kWhite;
            const Colour mark = disabled ? kDisabledGlyph : kCaption;

            Raster c(s, s, kFace);
            if (value == 1) {
                c.RoundBox(0, 0, s, s, 2.5, mark, mark, mark);
                c.Polyline({{3.2, 6.8}, {5.6, 9.2}, {10, 4}}, 1.7, kWhite);
            } else {
                c.RoundBox(0, 0, s, s, 2.5, border, fill, fill);
                if (value == 2) {
                    c.RoundFill(3.5, 3.5, 6, 6, 1, mark);
                }
            }
            checks.push_back(c);

            Raster r(s, s, kFace);
            r.RoundBox(0, 0, s, s, s / 2.0, value == 1 ? mark : border, fill, fill);
            if (value == 1) {
                r.Disc(s / 2.0, s / 2.0, 3.2, mark);
            } else if (value == 2) {
                r.Disc(s / 2.0, s / 2.0, 2.2, mark);
            }
            radios.push_back(r);
        }
    }
    Save("check.bmp", Strip(checks));
    Save("radio.bmp", Strip(radios));
}

// ---- combo boxes and edits ----

Colour StateBorder(int state) { // normal, pressed, disabled, hot
    const Colour borders[] = {kBorder, kCaption, kBorderLight, kHotBorder};
    return borders[state];
}

void DrawDownArrow(Raster& r, double cx, double cy, Colour c) {
    r.Polyline({{cx - 3.5, cy - 1.5}, {cx, cy + 2}, {cx + 3.5, cy - 1.5}}, 1.4, c);
}

void DrawComboParts() {
    std::vector<Raster> sunk, button, extra;
    for (int state = 0; state < 4; ++state) {
        Raster s(20, 21, state == 2 ? kDisabledFill : kWhite);
        for (int x = 0; x < 20; ++x) {
            s.Set(x, 0, StateBorder(state));
            s.Set(x, 20, StateBorder(state));
        }
        for (int y = 0; y < 21; ++y) {
            s.Set(0, y, StateBorder(state));
            s.Set(19, y, StateBorder(state));
        }
        sunk.push_back(s);

        // The button sits inside the box's border, which shows through its magenta edge.
        Raster b(17, 21);
        if (state == 1 || state == 3) {
            b.Fill(1, 1, 15, 19, state == 1 ? kPressFill : kHotFill);
        }
        b.Fill(0, 4, 1, 13, kBorderLight);
        button.push_back(b);

        Raster e(16, 16);
        const Colour arrows[] = {kGlyph, kText, kDisabledGlyph, kCaption};
        DrawDownArrow(e, 8, 8, arrows[state]);
        extra.push_back(e);
    }
    // Frame 5 of the extra images: the size grip of status bars.
    Raster grip(16, 16);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j <= i; ++j) {
            grip.Fill(13 - 4 * j, 5 + 4 * i, 2, 2, 0xA0AAB5);
        }
    }
    extra.push_back(grip);
    Save("sunkedge.bmp", Strip(sunk));
    Save("combobutton.bmp", Strip(button));
    Save("extra.bmp", Strip(extra));
}

// ---- scroll bars ----

void DrawChevron(Raster& r, double cx, double cy, int direction, Colour c) {
    // direction: 0 left, 1 right, 2 up, 3 down
    const double a = 2.2, b = 3.6;
    std::vector<Point> p;
    switch (direction) {
    case 0:
        p = {{cx + a / 2 + 0.5, cy - b}, {cx - a / 2, cy}, {cx + a / 2 + 0.5, cy + b}};
        break;
    case 1:
        p = {{cx - a / 2 - 0.5, cy - b}, {cx + a / 2, cy}, {cx - a / 2 - 0.5, cy + b}};
        break;
    case 2:
        p = {{cx - b, cy + a / 2 + 0.5}, {cx, cy - a / 2}, {cx + b, cy + a / 2 + 0.5}};
        break;
    default:
        p = {{cx - b, cy - a / 2 - 0.5}, {cx, cy + a / 2}, {cx + b, cy - a / 2 - 0.5}};
        break;
    }
    r.Polyline(p, 1.5, c);
}

void DrawScrollBars() {
    constexpr int s = 17;
    std::vector<Raster> frames;
    // Arrows left, right, up, down; each normal, pressed, disabled, hot.
    for (int direction = 0; direction < 4; ++direction) {
        for (int state = 0; state < 4; ++state) {
            const Colour fills[] = {kTrack, 0xC3CCD6, kTrack, 0xD9DFE6};
            const Colour glyphs[] = {0x5F6B78, kText, 0xC5CCD3, 0x2F3A45};
            Raster r(s, s, fills[state]);
            DrawChevron(r, s / 2.0, s / 2.0, direction, glyphs[state]);
            frames.push_back(r);
        }
    }
    // Grippers on the thumb: horizontal then vertical; each normal, pressed, hot.
    for (bool vertical : {false, true}) {
        for (int state = 0; state < 3; ++state) {
            Raster r(s, s);
            const Colour c = state == 1 ? 0xC9D1DA : 0xE6EAEE;
            for (int i = -1; i <= 1; ++i) {
                if (vertical) {
                    r.Fill(6, 8 + 2 * i, 5, 1, c);
                } else {
                    r.Fill(8 + 2 * i, 6, 1, 5, c);
                }
            }
            frames.push_back(r);
        }
    }
    frames.emplace_back(s, s); // the 23rd frame is not used
    Save("scrollbar.bmp", Strip(frames));

    // Tracks: enabled, pressed, disabled, hot.
    std::vector<Raster> horz, vert;
    for (int state = 0; state < 4; ++state) {
        const Colour c = state == 2 ? 0xF2F4F6 : state == 1 ? 0xDFE4EA : kTrack;
        horz.emplace_back(16, s, c);
        vert.emplace_back(s, 16, c);
    }
    Save("hscroll.bmp", Strip(horz));
    Save("vscroll.bmp", Strip(vert));

    // Thumbs: normal, pressed, hot; a slim pill across the track.
    std::vector<Raster> hthumb, vthumb;
    for (Colour c : {0xB3BDC8u, 0x7D8A98u, 0x98A4B1u}) {
        Raster h(24, s, kTrack);
        h.RoundFill(1, 4, 22, 9, 4.5, c);
        hthumb.push_back(h);
        Raster v(s, 24, kTrack);
        v.RoundFill(4, 1, 9, 22, 4.5, c);
        vthumb.push_back(v);
    }
    Save("hthumb.bmp", Strip(hthumb));
    Save("vthumb.bmp", Strip(vthumb));
}

// ---- tabs, panes, status bar, group boxes ----

void DrawTabs() {
    constexpr int w = 40, h = 24;
    std::vector<Raster> frames;
    // Frames: normal, selected, and three spare copies of the normal tab.
    for (int state = 0; state < 5; ++state) {
        const bool selected = state == 1;
        Raster r(w, h);
        const Colour fill = selected ? kFace : 0xE4E9EE;
        r.RoundBox(0, selected ? 0 : 2, w, h + 4, 4, 0xC5CDD6, fill, fill);
        if (selected) {
            r.RoundFill(1, 0.5, w - 2, 3, 1.5, kCaption);
        } else {
            r.Fill(0, h - 1, w, 1, 0xC5CDD6);
        }
        frames.push_back(r);
    }
    Save("tabs.bmp", Strip(frames));

    Raster pane(20, 20, kFace);
    for (int i = 0; i < 20; ++i) {
        pane.Set(i, 0, 0xC5CDD6);
        pane.Set(i, 19, 0xC5CDD6);
        pane.Set(0, i, 0xC5CDD6);
        pane.Set(19, i, 0xC5CDD6);
    }
    Save("tabpane.bmp", pane);
}

void DrawStatusAndGroups() {
    // Status bar panels: lowered, raised, none.
    std::vector<Raster> panels;
    for (int kind = 0; kind < 3; ++kind) {
        Raster r(16, 16, kFace);
        if (kind < 2) {
            const Colour tl = kind == 0 ? 0xCDD4DB : kWhite;
            const Colour br = kind == 0 ? kWhite : 0xCDD4DB;
            r.Fill(0, 0, 16, 1, tl);
            r.Fill(0, 0, 1, 16, tl);
            r.Fill(0, 15, 16, 1, br);
            r.Fill(15, 0, 1, 16, br);
        }
        panels.push_back(r);
    }
    Save("statusedges.bmp", Strip(panels));

    std::vector<Raster> edges;
    for (Colour c : {0xC5CDD6u, kBorderLight}) {
        Raster r(16, 16, kFace);
        r.RoundBox(0, 0, 16, 16, 4, c, kFace, kFace);
        edges.push_back(r);
    }
    Save("groupedge.bmp", Strip(edges));
    Save("groupbox.bmp", Raster(16, 16, kFace));
}

// ---- progress bars ----

void DrawProgress() {
    constexpr int w = 20, h = 14;
    Raster trough(w, h), fill(w, h);
    trough.RoundBox(0, 0, w, h, 3, 0xC5CDD6, 0xE4E9EE, 0xE4E9EE);
    fill.RoundBox(0, 0, w, h, 3, kCaptionEdge, kCaptionTop, kCaption);
    Save("progress.bmp", Strip({trough, fill}));

    Raster chunk(10, 12);
    chunk.RoundFill(0, 0, 8, 12, 1.5, kCaption);
    Save("chunk.bmp", chunk);
}

// ---- menus ----

void DrawMenus() {
    std::vector<Raster> bars;
    for (Colour c : {0xF7F9FBu, 0xF3F5F8u}) {
        Raster r(32, 20, c);
        r.Fill(0, 19, 32, 1, 0xDCE2E8);
        bars.push_back(r);
    }
    Save("menubar.bmp", Strip(bars, true));

    // Items: normal (background shows through), separator, disabled, selected, spare.
    constexpr int w = 40, h = 20;
    std::vector<Raster> items;
    for (int state = 0; state < 5; ++state) {
        Raster r(w, h);
        if (state == 1) {
            r.Fill(4, 16, w - 8, 1, kBorderLight);
        } else if (state == 2) {
            r.RoundFill(1, 1, w - 2, h - 2, 3, 0xE8ECF0);
        } else if (state >= 3) {
            r.RoundFill(1, 1, w - 2, h - 2, 3, kCaption);
        }
        items.push_back(r);
    }
    Save("menuitem.bmp", Strip(items));

    Raster background(16, 16, kWhite);
    background.Fill(0, 0, 16, 1, kBorder);
    background.Fill(0, 15, 16, 1, kBorder);
    background.Fill(0, 0, 1, 16, kBorder);
    background.Fill(15, 0, 1, 16, kBorder);
    Save("menubg.bmp", background);
}

// ---- header bars, tool bars ----

void DrawHeaderAndToolbars() {
    // Header sections: normal, pressed, disabled, hot, spare.
    std::vector<Raster> header;
    const Colour tops[] = {kWhite, 0xDCE6F0, kWhite, 0xF2F8FD, kWhite};
    const Colour bottoms[] = {0xF1F3F6, 0xDCE6F0, 0xF1F3F6, kHotFill, 0xF1F3F6};
    for (int state = 0; state < 5; ++state) {
        Raster r(20, 22);
        r.GradientV(0, 0, 20, 22, tops[state], bottoms[state]);
        r.Fill(0, 21, 20, 1, 0xC5CDD6);
        r.Fill(19, 4, 1, 14, kBorderLight);
        header.push_back(r);
    }
    Save("header.bmp", Strip(header));

    // Tool bar buttons: normal, pressed, disabled, hot, checked.
    std::vector<Raster> tools;
    for (int state = 0; state < 5; ++state) {
        Raster r(22, 22, kFace);
        if (state == 1 || state == 4) {
            r.RoundBox(0, 0, 22, 22, 3, 0x7FA7D3, kPressFill, kPressFill);
        } else if (state == 3) {
            r.RoundBox(0, 0, 22, 22, 3, 0xA8C8EA, kHotFill, kHotFill);
        }
        tools.push_back(r);
    }
    Save("toolbars.bmp", Strip(tools));
}

// ---- track bars ----

void DrawTrackBars() {
    Raster track(20, 6, kFace), trackVert(6, 20, kFace);
    track.RoundBox(0, 0, 20, 6, 3, kBorder, 0xDDE2E8, 0xDDE2E8);
    trackVert.RoundBox(0, 0, 6, 20, 3, kBorder, 0xDDE2E8, 0xDDE2E8);
    Save("track.bmp", track);
    Save("trackvert.bmp", trackVert);

    struct Look {
        Colour border, fill;
        double width;
    };
    // Frames: normal, pressed, disabled, hot, focused.
    const Look looks[] = {{0x7D8A98, kWhite, 1.0},
                          {kCaption, kPressFill, 1.0},
                          {0xC3CAD2, kDisabledFill, 1.0},
                          {kHotBorder, kHotFill, 1.0},
                          {kCaption, kWhite, 1.6}};
    const double w = 11, h = 21, tip = 5;
    struct Shape {
        const char* file;
        bool vertical;
        std::vector<Point> points;
    };
    const Shape shapes[] = {
        {"thumbhorz.bmp", false, {{0.5, 0.5}, {w - 0.5, 0.5}, {w - 0.5, h - 0.5}, {0.5, h - 0.5}}},
        {"thumbdown.bmp",
         false,
         {{0.5, 0.5}, {w - 0.5, 0.5}, {w - 0.5, h - tip}, {w / 2, h - 0.5}, {0.5, h - tip}}},
        {"thumbup.bmp",
         false,
         {{w / 2, 0.5}, {w - 0.5, tip}, {w - 0.5, h - 0.5}, {0.5, h - 0.5}, {0.5, tip}}},
        {"thumbvert.bmp", true, {{0.5, 0.5}, {h - 0.5, 0.5}, {h - 0.5, w - 0.5}, {0.5, w - 0.5}}},
        {"thumbright.bmp",
         true,
         {{0.5, 0.5}, {h - tip, 0.5}, {h - 0.5, w / 2}, {h - tip, w - 0.5}, {0.5, w - 0.5}}},
        {"thumbleft.bmp",
         true,
         {{w / 2 - 0.5, 0.5},
          {h - 0.5, 0.5},
          {h - 0.5, w - 0.5},
          {w / 2 - 0.5, w - 0.5},
          {0.5, w / 2}}},
    };
    for (const Shape& shape : shapes) {
        std::vector<Raster> frames;
        for (const Look& look : looks) {
            Raster r(shape.vertical ? static_cast<int>(h) : static_cast<int>(w),
                     shape.vertical ? static_cast<int>(w) : static_cast<int>(h));
            r.ConvexPolygon(shape.points, look.border, look.fill, look.width);
            frames.push_back(r);
        }
        Save(shape.file, Strip(frames));
    }
}

// ---- up-down buttons ----

// Eight frames: first arrow (up or left) normal, pressed, hot, disabled; then the second.
void DrawUpDown() {
    const Colour fills[] = {0xF3F5F8, kPressFill, kHotFill, kDisabledFill};
    const Colour borders[] = {kBorder, kCaption, kHotBorder, kBorderLight};
    const Colour glyphs[] = {kGlyph, kText, kCaption, kDisabledGlyph};
    for (bool vertical : {true, false}) {
        const int w = vertical ? 17 : 11, h = vertical ? 11 : 17;
        std::vector<Raster> base, glyph;
        for (int arrow = 0; arrow < 2; ++arrow) {
            for (int state = 0; state < 4; ++state) {
                Raster b(w, h);
                b.RoundBox(0, 0, w, h, 2, borders[state], fills[state], fills[state]);
                base.push_back(b);
                Raster g(w, h);
                const int direction = vertical ? (arrow == 0 ? 2 : 3) : (arrow == 0 ? 0 : 1);
                DrawChevron(g, w / 2.0, h / 2.0, direction, glyphs[state]);
                glyph.push_back(g);
            }
        }
        Save(vertical ? "updownv.bmp" : "updownh.bmp", Strip(base));
        Save(vertical ? "updownvglyph.bmp" : "updownhglyph.bmp", Strip(glyph));
    }
}

constexpr char kHelp[] = R"(Usage: skinart FOLDER

Draws the images of the program's default skin into FOLDER (made when missing), as the 24-bit
BMP files its description default.ini names; skinpack then packs them with the description.

  --help, -h   this text
)";

void DrawAll() {
    DrawFrame();
    DrawCaptionButton("close.bmp", Glyph::Close);
    DrawCaptionButton("max.bmp", Glyph::Maximize);
    DrawCaptionButton("restore.bmp", Glyph::Restore);
    DrawCaptionButton("min.bmp", Glyph::Minimize);
    DrawMdiControls();
    DrawButtons();
    DrawCheckAndRadio();
    DrawComboParts();
    DrawScrollBars();
    DrawTabs();
    DrawStatusAndGroups();
    DrawProgress();
    DrawMenus();
    DrawHeaderAndToolbars();
    DrawTrackBars();
    DrawUpDown();
}

} // namespace

int RunSkinArt(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto asksHelp = [](const std::string& word) { return word == "--help" || word == "-h"; };
    if (std::any_of(args.begin(), args.end(), asksHelp)) {
        out << kHelp;
        return 0;
    }
    if (args.size() != 1) {
        err << "skinart: " << (args.empty() ? "name the folder to draw into" : "one folder only")
            << "; usage: skinart FOLDER (see skinart --help)\n";
        return 2;
    }
    // A word that looks like an option is one this tool does not know, not a folder to make.
    if (args[0].starts_with("-")) {
        err << "skinart: unknown option \"" << args[0] << "\"; usage: skinart FOLDER\n";
        return 2;
    }
    try {
        g_folder = args[0];
        g_written = 0;
        tools::MakeFolder(g_folder);
        DrawAll();
    } catch (const tools::ToolError& error) {
        err << "skinart: " << error.what() << "\n";
        return 1;
    }
    out << "skinart: " << g_written << " images in " << g_folder.string() << "\n";
    return 0;
}
