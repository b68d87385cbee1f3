// The drop-down menu button skinner: a push button whose caption makes room for a triangle.

#include "skin/ImgUtilPaint.h"
#include "skin/SkinButton.h"

const TClassInfo& TSkinMenuButton::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinMenuButton, TSkinButton>("TSkinMenuButton", nullptr, false);
    return info;
}

void TSkinMenuButton::PaintFace(HDC dc, const RECT& rect, int frame) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    RECT textArea{rect.left + 2, rect.top, rect.left + 2 + width - 17, rect.bottom};
    TSkinButton::PaintFace(dc, textArea, frame);
    const auto corners = skin::MenuButtonTriangle(width, height);
    POINT points[3];
    for (int i = 0; i < 3; ++i)
        points[i] = {rect.left + corners[i][0], rect.top + corners[i][1]};
    const COLORREF colour = GetSysColor(FEnabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    const skin::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
    const skin::GdiBrush brush(CreateSolidBrush(colour));
    const skin::SavedDC saved(dc);
    SelectObject(dc, pen.Get());
    SelectObject(dc, brush.Get());
    Polygon(dc, points, 3);
}
