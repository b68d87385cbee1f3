#pragma once
// The drawing primitives of the skin engine: they turn a frame of an image strip into pixels
// (nine-grid pictures, three-part strips, whole frames), blit with a key colour, build window
// regions from images, fill gradient bars, paint a parent's background under a control and draw
// text on either Windows family. Every primitive draws nothing for a rectangle whose right is
// left of its left or whose bottom is above its top.

#include "skin/ImgUtilColour.h"
#include "skin/ImgUtilDib.h"
#include "skin/PaintGeometry.h"

#include <windows.h>

#include <string_view>

namespace skin {

// The key colour of all skin images: magenta.
inline constexpr COLORREF kSkinKeyColour = 0xFF00FF;

// What a painter needs of a skin element: its image, margins, and the Trans and Tile switches.
struct ElementPicture {
    HBITMAP image = nullptr;
    ImageMargins margins;
    bool transparent = false; // the element's Trans is 1
    bool tiled = false;       // the element's Tile is set
};

// Frame `number` of `count` drawn into a new picture of the destination size: margins kept,
// edges and centre stretched, or the centre tiled. Empty when there is nothing to draw.
DibSection DrawNineGrid(SIZE dest, HBITMAP image, const ImageMargins& margins, FrameLayout layout,
                        bool tileCentre, int count, int number);

// DrawNineGrid for the rectangle's size, then drawn there with the key colour left out when
// transparent, else copied.
void DrawNineGridTo(HDC dc, const RECT& rect, HBITMAP image, FrameLayout layout, bool tileCentre,
                    bool transparent, int count, int number, const ImageMargins& margins);

// An element's frame as a nine-grid picture, frames side by side.
void DrawElement(HDC dc, const RECT& rect, int count, int number, const ElementPicture& element);

// A three-part horizontal strip: the ends at their widths, the middle repeated between them,
// all stretched to the height; drawn with the key colour left out when transparent.
void DrawStripTiled(HDC dc, const RECT& rect, HBITMAP image, FrameLayout layout, bool transparent,
                    int count, int number, const ImageMargins& margins);

// A three-part strip stretched straight onto the context; a rectangle narrower than a frame
// takes the whole frame stretched.
void DrawStripStretched(HDC dc, const RECT& rect, HBITMAP image, FrameLayout layout, int count,
                        int number, int leftMargin, int rightMargin);

// A frame (side by side) stretched to the rectangle.
void DrawFrame(HDC dc, const RECT& rect, HBITMAP image, bool transparent, int count, int number);

// A frame (side by side) at its own size, centred in the rectangle.
void DrawFrameCentred(HDC dc, const RECT& rect, HBITMAP image, bool transparent, int count,
                      int number);

// How DrawTransparent reaches the screen: one MaskBlt (NT family), or three blits through a
// mask (the other family). Automatic picks by the running system.
enum class TransparentBlit { Automatic, MaskBlt, ThreeBlits };

// The bitmap drawn from its top-left corner into the rectangle (at most its own size), leaving
// the destination unchanged wherever the bitmap has the key colour.
void DrawTransparent(HDC dc, const RECT& rect, HBITMAP bitmap, COLORREF key,
                     TransparentBlit how = TransparentBlit::Automatic);
// The same for a picture already held as a DIB section (no copy is taken).
void DrawTransparent(HDC dc, const RECT& rect, const DibSection& picture, COLORREF key,
                     TransparentBlit how = TransparentBlit::Automatic);

// A region of the bitmap's pixels that are not transparent, moved by the offsets. A pixel is
// transparent when each channel lies between the key's and that plus the tolerance. Empty (but
// a valid region) when every pixel is transparent; no region for a bad bitmap.
GdiRegion RegionFromBitmap(HBITMAP bitmap, int xOffset, int yOffset, int blueTolerance,
                           int greenTolerance, int redTolerance, COLORREF key);

// One-pixel bands from `from` to `to`, top to bottom (vertical) or left to right, drawn only
// where the context's clip box lets them show; tables come from the shared gradient cache.
void GradientFill(HDC dc, const RECT& rect, Colour from, bool vertical, Colour to);

// Lets the parent of a window paint what lies behind it into the given context: the parent gets
// WM_ERASEBKGND and WM_PAINT with the context as wParam, its origin moved so that the control's
// top-left corner is (0, 0), clipped to the control. Nothing happens without a parent.
void PaintParentBackground(HWND control, HDC dc);
// The same for a control that has no window of its own, given its bounds in the parent.
void PaintParentBackground(HWND parent, const RECT& boundsInParent, HDC dc);

// DrawTextW on the NT family; elsewhere the text converted to the ANSI code page and DrawTextA.
int DrawTextAuto(HDC dc, std::wstring_view text, RECT& rect, UINT format);

// True on the NT family of Windows (and on Wine).
bool IsNtFamily();

} // namespace skin
