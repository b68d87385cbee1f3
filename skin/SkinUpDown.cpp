// The up-down skinner: each half from the skin's up-down strip with its arrow glyph over it, or
// plain drawn halves when the skin has no strip.

#include "skin/ImgUtilPaint.h"
#include "skin/SkinImageGdi.h"
#include "skin/SkinRange.h"
#include "skin/VarUdedData.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {

// A small arrow drawn with lines, pointing up, down, left or right (arrow 0..3), centred.
void DrawArrowLines(HDC dc, const RECT& r, int arrow, COLORREF colour) {
    const skin::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
    const skin::SavedDC saved(dc);
    SelectObject(dc, pen.Get());
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom) / 2;
    for (int i = 0; i < 3; ++i) {
        switch (arrow) {
        case 0:
            MoveToEx(dc, cx - i, cy - 1 + i, nullptr);
            LineTo(dc, cx + i + 1, cy - 1 + i);
            break;
        case 1:
            MoveToEx(dc, cx - i, cy + 1 - i, nullptr);
            LineTo(dc, cx + i + 1, cy + 1 - i);
            break;
        case 2:
            MoveToEx(dc, cx - 1 + i, cy - i, nullptr);
            LineTo(dc, cx - 1 + i, cy + i + 1);
            break;
        default:
            MoveToEx(dc, cx + 1 - i, cy - i, nullptr);
            LineTo(dc, cx + 1 - i, cy + i + 1);
            break;
        }
    }
}

} // namespace

const TClassInfo& TSkinUpDown::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinUpDown, TSkinControl>("TSkinUpDown", nullptr, false);
    return info;
}

bool TSkinUpDown::Horizontal() const {
    return (GetWindowLongPtrW(FWnd, GWL_STYLE) & UDS_HORZ) != 0;
}

int TSkinUpDown::HalfAt(POINT p) const {
    RECT client{};
    GetClientRect(FWnd, &client);
    if (!PtInRect(&client, p))
        return -1;
    if (Horizontal())
        return p.x < client.right / 2 ? 0 : 1;
    return p.y < client.bottom / 2 ? 0 : 1;
}

bool TSkinUpDown::BeforeMessage(TMessage& msg) {
    if (TakeOverPaint(msg))
        return false;
    return TSkinControl::BeforeMessage(msg);
}

void TSkinUpDown::AfterMessage(TMessage& msg) {
    const POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
    switch (msg.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        FPressedHalf = HalfAt(p);
        Repaint();
        return;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        FPressedHalf = -1;
        Repaint();
        return;
    case WM_MOUSEMOVE: {
        const int half = HalfAt(p);
        if (half != FHotHalf) {
            FHotHalf = half;
            Repaint();
        }
        TrackMouseLeave();
        return;
    }
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        FHotHalf = -1;
        Repaint();
        return;
    default:
        break;
    }
    TSkinControl::AfterMessage(msg);
}

void TSkinUpDown::Paint(HDC dc, const RECT& rect) {
    ReadFocusAndEnabling();
    const TSkinElements& s = FSkinData->Elements();
    const std::size_t key =
        skin::PictureKey(FEnabled, FPressedHalf, FHotHalf, Horizontal(), s.UpDownHorz.get(),
                         s.UpDownVert.get(), FSkinData->Colours().ButtonFace);
    FPicture.ComposeKeyed(dc, rect, key, FSkinData->FaceBrush(),
                          [&](HDC target, const RECT& whole) { PaintHalves(target, whole); });
}

void TSkinUpDown::Refresh() {
    FPicture.Forget();
    TSkinControl::Refresh();
}

void TSkinUpDown::PaintHalves(HDC target, const RECT& whole) {
    const int width = whole.right;
    const int height = whole.bottom;
    const bool horizontal = Horizontal();
    const TSkinElements& s = FSkinData->Elements();
    const TDataSkinBorder* element = horizontal ? s.UpDownHorz.get() : s.UpDownVert.get();
    const RECT halves[2] = {
        horizontal ? RECT{0, 0, width / 2, height} : RECT{0, 0, width, height / 2},
        horizontal ? RECT{width / 2, 0, width, height} : RECT{0, height / 2, width, height}};
    const TSkinColours& colours = FSkinData->Colours();
    for (int half = 0; half < 2; ++half) {
        const int arrow = (horizontal ? 2 : 0) + half;
        int state = 1;
        if (!FEnabled)
            state = 4;
        else if (FPressedHalf == half)
            state = 2;
        else if (FHotHalf == half)
            state = 3;
        if (element && !element->Image.Empty()) {
            const int frame = skin::UpDownFrame(state, arrow);
            skin::DrawFrame(target, halves[half], ImageHandle(element->Image), true,
                            element->Frames(), frame);
            if (!element->Image2.Empty())
                skin::DrawFrameCentred(target, halves[half], ImageHandle(element->Image2), true,
                                       element->Frames(), frame);
            continue;
        }
        const skin::GdiBrush fill(CreateSolidBrush(
            static_cast<COLORREF>(state == 2 ? colours.ButtonShadow : colours.ButtonFace)));
        FillRect(target, &halves[half], fill.Get());
        const skin::GdiBrush outline(
            CreateSolidBrush(static_cast<COLORREF>(colours.ButtonDkShadow)));
        FrameRect(target, &halves[half], outline.Get());
        DrawArrowLines(target, halves[half], arrow,
                       state == 4 ? GetSysColor(COLOR_GRAYTEXT)
                                  : static_cast<COLORREF>(colours.ButtonText));
    }
}
