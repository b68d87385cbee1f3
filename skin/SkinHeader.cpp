#include "skin/SkinHeader.h"

#include "skin/ImgUtilPaint.h"
#include "skin/SkinImageGdi.h"
#include "skin/VarUdedData.h"

#include <commctrl.h>
#include <windowsx.h>

const TClassInfo& TSkinHeader::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinHeader, TSkinControl>("TSkinHeader", nullptr, false);
    return info;
}

bool TSkinHeader::CanPaint() const {
    const TDataSkinObject* bar = FSkinData->Elements().Headerbar.get();
    return bar && !bar->Image.Empty();
}

int TSkinHeader::SectionAt(POINT p) const {
    HDHITTESTINFO hit{};
    hit.pt = p;
    const int index =
        static_cast<int>(SendMessageW(FWnd, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & HHT_ONHEADER) ? index : -1;
}

bool TSkinHeader::BeforeMessage(TMessage& msg) {
    if (CanPaint() && TakeOverPaint(msg))
        return false;
    return TSkinControl::BeforeMessage(msg);
}

void TSkinHeader::AfterMessage(TMessage& msg) {
    const POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
    switch (msg.Msg) {
    case WM_MOUSEMOVE: {
        const int section = SectionAt(p);
        if (section != FHotSection) {
            FHotSection = section;
            Repaint();
        }
        TrackMouseLeave();
        return;
    }
    case WM_LBUTTONDOWN:
        FPressedSection = SectionAt(p);
        Repaint();
        return;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        FPressedSection = -1;
        Repaint();
        return;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        FHotSection = -1;
        Repaint();
        return;
    default:
        break;
    }
    TSkinControl::AfterMessage(msg);
}

void TSkinHeader::Paint(HDC dc, const RECT& rect) {
    if (!CanPaint())
        return;
    ReadFocusAndEnabling();
    FPicture.Compose(dc, rect, FSkinData->FaceBrush(),
                     [&](HDC target, const RECT& whole) { PaintSections(target, whole); });
}

void TSkinHeader::PaintSections(HDC target, const RECT& whole) {
    const int width = whole.right;
    const int height = whole.bottom;
    const TDataSkinObject& bar = *FSkinData->Elements().Headerbar;
    const skin::ElementPicture picture = PictureOf(bar);
    const skin::SavedDC saved(target);
    SelectObject(target, ControlFont());
    SetBkMode(target, TRANSPARENT);
    SetTextColor(target, FEnabled ? TextColour() : GetSysColor(COLOR_GRAYTEXT));
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(FWnd, HDM_GETIMAGELIST, 0, 0));
    const int count = static_cast<int>(SendMessageW(FWnd, HDM_GETITEMCOUNT, 0, 0));
    int right = 0;
    for (int i = 0; i < count; ++i) {
        RECT r{};
        SendMessageW(FWnd, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        right = std::max<int>(right, r.right);
        int frame = 1;
        if (!FEnabled)
            frame = 3;
        else if (i == FPressedSection)
            frame = 2;
        else if (i == FHotSection)
            frame = 4;
        skin::DrawElement(target, r, bar.Frames(), std::min(frame, bar.Frames()), picture);
        wchar_t text[128] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
        item.pszText = text;
        item.cchTextMax = 128;
        SendMessageW(FWnd, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        RECT area{r.left + 4, r.top, r.right - 4, r.bottom};
        if (images && (item.fmt & HDF_IMAGE) && item.iImage >= 0) {
            int cx = 0;
            int cy = 0;
            ImageList_GetIconSize(images, &cx, &cy);
            ImageList_Draw(images, item.iImage, target, area.left, (height - cy) / 2,
                           ILD_TRANSPARENT);
            area.left += cx + 2;
        }
        UINT align = DT_LEFT;
        if ((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER)
            align = DT_CENTER;
        else if ((item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT)
            align = DT_RIGHT;
        skin::DrawTextAuto(target, text, area,
                           align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | ReadingFlags());
    }
    if (right < width)
        skin::DrawElement(target, RECT{right, 0, width, height}, bar.Frames(), 1, picture);
}
