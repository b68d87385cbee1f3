#pragma once
// Element images as the painters draw them: a DIB section made once from an image's pixels and
// kept with the image, and the pieces of an element the drawing primitives take.

#include "skin/ImgUtilPaint.h"
#include "skin/SkinElements.h"

#include <windows.h>

// The image's bitmap, made on first use and freed with the image; null for an empty image.
// The bitmap stays the image's: never select it into a device context of your own for long.
HBITMAP ImageHandle(const SkinImage& image);

// Image, margins and switches of an element, for DrawElement and DrawNineGridTo.
skin::ElementPicture PictureOf(const TDataSkinObject& element);
skin::ImageMargins MarginsOf(const TDataSkinObject& element);

// The pixels of any bitmap, rows top-down, 0x00RRGGBB; empty for a bad handle.
TBmpImage ImageFromBitmap(HBITMAP bitmap);

// The combo-box pictures that need drawing: the strip of sunken box and button for each state,
// its mirror for the sunken edge, and the arrow squares cut from it. Nothing without both a
// SunkEdge and a ComboButton. `arrowWidth` is the system's horizontal scroll-arrow width.
void BuildComboImages(TSkinElements& elements, int arrowWidth);
