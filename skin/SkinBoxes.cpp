// The container skinners: group boxes, panels, inner dialogs, size grips and tab sheets.

#include "skin/SkinBoxes.h"

#include "skin/GdiOwners.h"
#include "skin/ImgUtilPaint.h"
#include "skin/VarUdedData.h"

const TClassInfo& TSkinGroupBox::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinGroupBox, TSkinControl>("TSkinGroupBox", nullptr, false);
    return info;
}

bool TSkinGroupBox::BeforeMessage(TMessage& msg) {
    if (TakeOverPaint(msg))
        return false;
    return TSkinControl::BeforeMessage(msg);
}

void TSkinGroupBox::Paint(HDC dc, const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const skin::SavedDC saved(dc);
    FillRect(dc, &rect, FSkinData->FaceBrush());
    SelectObject(dc, ControlFont());
    SIZE zero{};
    GetTextExtentPoint32W(dc, L"0", 1, &zero);
    const int line = zero.cy / 2;
    if (!FControl) {
        // The native frame of a dialog's group box is covered first.
        RECT cover{rect.left, rect.top + line, rect.right, rect.bottom};
        FrameRect(dc, &cover, FSkinData->FaceBrush());
        InflateRect(&cover, -1, -1);
        FrameRect(dc, &cover, FSkinData->FaceBrush());
    }
    const skin::GdiObject<HPEN> pen(
        CreatePen(PS_SOLID, 1, static_cast<COLORREF>(FSkinData->Colours().ButtonShadow)));
    {
        const skin::SelectScope usePen(dc, pen.Get());
        const skin::SelectScope noFill(dc, GetStockObject(NULL_BRUSH));
        RoundRect(dc, rect.left + 1, rect.top + line, rect.left + width - 1, rect.top + height - 1,
                  5, 5);
    }
    const std::wstring text = ControlText();
    if (!text.empty()) {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, FaceColour());
        ReadFocusAndEnabling();
        SetTextColor(dc, FEnabled ? TextColour() : GetSysColor(COLOR_GRAYTEXT));
        const bool right = (GetWindowLongPtrW(FWnd, GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
        UINT flags = DT_SINGLELINE | DT_EXPANDTABS | ReadingFlags();
        RECT caption{rect.left + 8, rect.top, rect.right - 8, rect.top + zero.cy};
        if (right)
            flags |= DT_RIGHT;
        skin::DrawTextAuto(dc, text, caption, flags);
    }
    if (auto* group = dynamic_cast<TWinControl*>(FControl))
        group->PaintControls(dc);
}

const TClassInfo& TSkinBox::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinBox, TSkinControl>("TSkinBox", nullptr, false);
    return info;
}

void TSkinBox::Attach(TVarUdedForm* form, TSkinData* skinData, bool) {
    TSkinControl::Attach(form, skinData, true);
}

const TClassInfo& TSkinBoxH::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinBoxH, TSkinControl>("TSkinBoxH", nullptr, false);
    return info;
}

bool TSkinBoxH::BeforeMessage(TMessage& msg) {
    switch (msg.Msg) {
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(FWnd, &client);
        FillRect(reinterpret_cast<HDC>(msg.WParam), &client, FSkinData->FaceBrush());
        msg.Result = 0;
        return false;
    }
    case WM_CTLCOLORSTATIC:
        CallPrevious(msg);
        SetBkMode(reinterpret_cast<HDC>(msg.WParam), TRANSPARENT);
        msg.Result = reinterpret_cast<LRESULT>(FSkinData->FaceBrush());
        return false;
    default:
        break;
    }
    return TSkinControl::BeforeMessage(msg);
}

const TClassInfo& TSkinSizer::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinSizer, TSkinControl>("TSkinSizer", nullptr, false);
    return info;
}

void TSkinSizer::AfterMessage(TMessage& msg) {
    if (msg.Msg == WM_PAINT) {
        const skin::WindowDC dc(FWnd);
        RECT window{};
        GetWindowRect(FWnd, &window);
        const RECT whole{0, 0, window.right - window.left, window.bottom - window.top};
        if (dc.Get())
            FillRect(dc.Get(), &whole, FSkinData->FaceBrush());
        return;
    }
    TSkinControl::AfterMessage(msg);
}

const TClassInfo& TSkinTabSheet::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinTabSheet, TSkinControl>("TSkinTabSheet", nullptr, false);
    return info;
}

bool TSkinTabSheet::BeforeMessage(TMessage& msg) {
    // A sheet that showed its parent's background keeps doing so.
    if (FVariant == 1)
        return TSkinControl::BeforeMessage(msg);
    switch (msg.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        FullPaint(msg);
        return false;
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(FWnd, &client);
        FillRect(reinterpret_cast<HDC>(msg.WParam), &client, FSkinData->FaceBrush());
        msg.Result = 1;
        return false;
    }
    default:
        break;
    }
    return TSkinControl::BeforeMessage(msg);
}

void TSkinTabSheet::Paint(HDC dc, const RECT& rect) {
    FillRect(dc, &rect, FSkinData->FaceBrush());
    if (auto* sheet = dynamic_cast<TWinControl*>(FControl))
        sheet->PaintControls(dc);
}
