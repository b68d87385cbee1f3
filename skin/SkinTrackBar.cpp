// The track bar skinner: the channel stretched from the track image and the thumb drawn from the
// thumb element that matches the bar's direction and tick side.

#include "skin/ImgUtilPaint.h"
#include "skin/SkinImageGdi.h"
#include "skin/SkinRange.h"
#include "skin/VarUdedData.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

namespace {

const TDataSkinObject* ThumbElement(const TSkinElements& s, LONG_PTR style) {
    const bool vertical = (style & TBS_VERT) != 0;
    const TDataSkinObject* chosen = nullptr;
    if (vertical) {
        if (style & TBS_BOTH)
            chosen = s.TrackbarThumbVert.get();
        else if (style & TBS_LEFT)
            chosen = s.TrackbarThumbLeft.get();
        else
            chosen = s.TrackbarThumbRight.get();
        if (!chosen || chosen->Image.Empty())
            chosen = s.TrackbarThumbVert.get();
    } else {
        if (style & TBS_BOTH)
            chosen = s.TrackbarThumbHorz.get();
        else if (style & TBS_TOP)
            chosen = s.TrackbarThumbUp.get();
        else
            chosen = s.TrackbarThumbDown.get();
        if (!chosen || chosen->Image.Empty())
            chosen = s.TrackbarThumbHorz.get();
    }
    return chosen && !chosen->Image.Empty() ? chosen : nullptr;
}

} // namespace

const TClassInfo& TSkinTrackBar::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinTrackBar, TSkinControl>("TSkinTrackBar", nullptr, false);
    return info;
}

bool TSkinTrackBar::BeforeMessage(TMessage& msg) {
    if (TakeOverPaint(msg))
        return false;
    return TSkinControl::BeforeMessage(msg);
}

void TSkinTrackBar::AfterMessage(TMessage& msg) {
    switch (msg.Msg) {
    case WM_MOUSEMOVE: {
        RECT thumb{};
        SendMessageW(FWnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        const POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
        FollowMouse(PtInRect(&thumb, p) != FALSE);
        return;
    }
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        MouseLeft(false);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        Repaint();
        return;
    default:
        break;
    }
    TSkinControl::AfterMessage(msg);
}

void TSkinTrackBar::Paint(HDC dc, const RECT& rect) {
    ReadFocusAndEnabling();
    FPicture.Compose(dc, rect, FSkinData->FaceBrush(),
                     [&](HDC target, const RECT&) { PaintBar(target); });
}

void TSkinTrackBar::PaintBar(HDC target) {
    if (FControl)
        skin::PaintParentBackground(FWnd, target);

    const TSkinElements& s = FSkinData->Elements();
    const LONG_PTR style = GetWindowLongPtrW(FWnd, GWL_STYLE);
    const bool vertical = (style & TBS_VERT) != 0;
    RECT channel{};
    SendMessageW(FWnd, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    // The system gives a vertical bar's channel as if it lay horizontally.
    if (vertical && channel.right - channel.left > channel.bottom - channel.top)
        channel = {channel.top, channel.left, channel.bottom, channel.right};
    const TDataSkinObject& track = vertical ? *s.TRACKVERT : *s.Track;
    if (!track.Image.Empty())
        skin::DrawElement(target, channel, track.Frames(), 1, PictureOf(track));

    RECT thumb{};
    SendMessageW(FWnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    if (!(style & TBS_NOTICKS)) {
        const skin::GdiBrush shadow(
            CreateSolidBrush(static_cast<COLORREF>(FSkinData->Colours().ButtonShadow)));
        // The marks lie evenly from the thumb's middle at one end of the channel to its middle
        // at the other, as many as the bar counts.
        const int count = static_cast<int>(SendMessageW(FWnd, TBM_GETNUMTICS, 0, 0));
        const int half = vertical ? (thumb.bottom - thumb.top) / 2 : (thumb.right - thumb.left) / 2;
        const int first = (vertical ? channel.top : channel.left) + half;
        const int last = (vertical ? channel.bottom : channel.right) - half - 1;
        std::vector<int> ticks;
        for (int i = 0; i < count; ++i)
            ticks.push_back(count > 1 ? first + (last - first) * i / (count - 1) : first);
        for (int at : ticks) {
            const RECT mark = vertical ? RECT{thumb.right + 2, at, thumb.right + 5, at + 1}
                                       : RECT{at, thumb.bottom + 2, at + 1, thumb.bottom + 5};
            FillRect(target, &mark, shadow.Get());
        }
    }
    if (const TDataSkinObject* element = ThumbElement(s, style)) {
        int frame = 1;
        if (!FEnabled)
            frame = 3;
        else if (GetCapture() == FWnd)
            frame = 2;
        else if (FMouseState & skin::kMouseHot)
            frame = 4;
        else if (FFocused)
            frame = 5;
        skin::DrawFrame(target, thumb, ImageHandle(element->Image), true, element->Frames(),
                        std::min(frame, element->Frames()));
    }
}
