#include "skin/SkinStatusBar.h"

#include "framework/ComCtrls.h"
#include "skin/ImgUtilPaint.h"
#include "skin/ImgUtilShared.h"
#include "skin/SkinImageGdi.h"
#include "skin/VarUdedData.h"

#include <commctrl.h>

#include <vector>

namespace {

// A one-pixel 3-D frame: lowered shows the shadow at the top and left, raised the reverse.
void DrawBevel(HDC dc, const RECT& r, bool lowered) {
    const skin::GdiBrush shadow(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
    const skin::GdiBrush light(CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT)));
    const HBRUSH topLeft = lowered ? shadow.Get() : light.Get();
    const HBRUSH bottomRight = lowered ? light.Get() : shadow.Get();
    const RECT top{r.left, r.top, r.right, r.top + 1};
    const RECT left{r.left, r.top, r.left + 1, r.bottom};
    const RECT bottom{r.left, r.bottom - 1, r.right, r.bottom};
    const RECT right{r.right - 1, r.top, r.right, r.bottom};
    FillRect(dc, &top, topLeft);
    FillRect(dc, &left, topLeft);
    FillRect(dc, &bottom, bottomRight);
    FillRect(dc, &right, bottomRight);
}

UINT AlignmentFlags(TAlignment alignment, bool rightToLeft) {
    switch (alignment) {
    case TAlignment::taCenter:
        return DT_CENTER;
    case TAlignment::taRightJustify:
        return rightToLeft ? DT_LEFT : DT_RIGHT;
    case TAlignment::taLeftJustify:
        return rightToLeft ? DT_RIGHT : DT_LEFT;
    }
    return DT_LEFT;
}

int FrameOfBevel(TStatusPanelBevel bevel) {
    switch (bevel) {
    case TStatusPanelBevel::pbLowered:
        return 1;
    case TStatusPanelBevel::pbRaised:
        return 2;
    case TStatusPanelBevel::pbNone:
        return 3;
    }
    return 1;
}

} // namespace

const TClassInfo& TSkinStatusBar::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinStatusBar, TSkinControl>("TSkinStatusBar", nullptr, false);
    return info;
}

bool TSkinStatusBar::BeforeMessage(TMessage& msg) {
    if (dynamic_cast<TCustomStatusBar*>(FControl) && TakeOverPaint(msg))
        return false;
    return TSkinControl::BeforeMessage(msg);
}

void TSkinStatusBar::Paint(HDC dc, const RECT& rect) {
    auto* bar = dynamic_cast<TCustomStatusBar*>(FControl);
    skin::PaintScratch* scratch = skin::SharedPaintScratch();
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (!bar || !scratch || width <= 0 || height <= 0)
        return;
    const HDC target = scratch->Prepare(width, height);
    if (!target)
        return;
    const TSkinElements& s = FSkinData->Elements();
    const TDataSkinObject* edges = s.StatusBarEdges.get();
    if (edges && edges->Image.Empty())
        edges = nullptr;
    const RECT whole{0, 0, width, height};
    FillRect(target, &whole, FSkinData->FaceBrush());

    TFont font;
    font.Assign(*bar->Font());
    font.SetStyle(0);
    COLORREF colour = ColorToRGB(bar->Font()->Color());
    if (edges && edges->NormalColour != -1)
        colour = static_cast<COLORREF>(edges->NormalColour);
    const bool rtl = FControl->UseRightToLeftReading();
    std::vector<RECT> panelRects;
    {
        const skin::SavedDC saved(target);
        SelectObject(target, font.Handle());
        SetBkMode(target, TRANSPARENT);
        SetTextColor(target, colour);
        const int count = bar->Panels()->Count();
        if (bar->SimplePanel() || count == 0) {
            if (edges)
                skin::DrawNineGridTo(target, whole, ImageHandle(edges->Image),
                                     skin::FrameLayout::SideBySide, edges->Tile != 0,
                                     edges->Trans != 0, edges->Frames(), 1, MarginsOf(*edges));
            RECT text{2, 0, width - 2, height};
            skin::DrawTextAuto(target, GetPropText(bar, "simpletext"), text,
                               DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | ReadingFlags());
        } else {
            std::vector<skin::PaintRect> from;
            for (int i = 0; i < count; ++i) {
                RECT r{};
                SendMessageW(FWnd, SB_GETRECT, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(&r));
                from.push_back({r.left, r.top, r.right, r.bottom});
            }
            const std::vector<skin::PaintRect> placed = skin::StatusPanelRects(from, width);
            for (int i = 0; i < count; ++i) {
                TStatusPanel* panel = bar->Panel(i);
                const RECT r{placed[i].left, placed[i].top, placed[i].right, placed[i].bottom};
                panelRects.push_back(r);
                const int frame = FrameOfBevel(panel->Bevel());
                if (edges) {
                    skin::DrawNineGridTo(target, r, ImageHandle(edges->Image),
                                         skin::FrameLayout::SideBySide, edges->Tile != 0,
                                         edges->Trans != 0, edges->Frames(), frame,
                                         MarginsOf(*edges));
                } else if (frame != 3) {
                    DrawBevel(target, r, frame == 1);
                }
                if (panel->Style() == TStatusPanelStyle::psOwnerDraw)
                    continue;
                const std::wstring text = panel->Text().empty() ? L" " : panel->Text();
                RECT area{r.left + 2, r.top, r.right - 2, r.bottom};
                skin::DrawTextAuto(target, text, area,
                                   DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS |
                                       AlignmentFlags(panel->Alignment(), rtl) | ReadingFlags());
            }
        }
    }
    const LONG_PTR style = GetWindowLongPtrW(FWnd, GWL_STYLE);
    if ((style & SBARS_SIZEGRIP) && s.ExtraImages && !s.ExtraImages->Image.Empty()) {
        const int frames = s.ExtraImages->Frames();
        const int gripWidth = s.ExtraImages->Image.Width() / frames;
        const int gripHeight = s.ExtraImages->Image.Height();
        skin::DrawFrame(target, RECT{width - gripWidth, height - gripHeight, width, height},
                        ImageHandle(s.ExtraImages->Image), true, frames, std::min(5, frames));
    }
    BitBlt(dc, rect.left, rect.top, width, height, target, 0, 0, SRCCOPY);
    bar->PaintControls(dc);
    if (!bar->OnDrawPanel)
        return;
    // The bar's canvas lets go of the device context however the handler ends.
    struct CanvasBinding {
        TCanvas* canvas;
        ~CanvasBinding() { canvas->SetHandle(nullptr); }
    } binding{bar->Canvas()};
    binding.canvas->SetHandle(dc);
    for (std::size_t i = 0; i < panelRects.size(); ++i) {
        RECT inner = panelRects[i];
        InflateRect(&inner, -2, -2);
        bar->OnDrawPanel(bar, bar->Panel(static_cast<int>(i)), inner);
    }
}
