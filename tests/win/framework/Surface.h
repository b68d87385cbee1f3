#pragma once
// A picture for the painting tests to paint into and read back pixel by pixel.

#include "framework/Bitmap.h"

struct Surface {
    Surface(int width, int height, TColor fill = clWhite) {
        bitmap.SetSize(width, height);
        bitmap.Canvas()->Brush()->SetColor(fill);
        bitmap.Canvas()->FillRect({0, 0, width, height});
    }
    HDC Dc() { return bitmap.Canvas()->Handle(); }
    COLORREF At(int x, int y) { return GetPixel(Dc(), x, y); }
    // How many pixels of `r` have this colour.
    int Count(const RECT& r, COLORREF colour) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x)
                n += At(x, y) == colour;
        }
        return n;
    }
    TBitmap bitmap;
};
