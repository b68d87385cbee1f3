// How the framework measures and draws owner-drawn menu items, and the routing of menu messages
// from a window to the items.

#include "framework/Menus.h"

#include <algorithm>
#include <cwctype>

TFont* MenuFont() {
    static TFont* font = [] {
        auto* f = new TFont; // lives as long as the process, like the system's menu font
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
            f->AssignLogFont(metrics.lfMenuFont);
        return f;
    }();
    return font;
}

namespace {

constexpr int kGlyphSide = 16; // a check mark's box when the menu has no images
constexpr int kGap = 6;        // between glyph box, caption, short-cut and the edges

// The caption as shown: "&&" is a plain "&", a single "&" only underlines the next letter.
std::wstring ShownText(const std::wstring& caption) {
    std::wstring shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

SIZE TextSize(TCanvas& canvas, const std::wstring& text) {
    SIZE size = canvas.TextExtent(text.empty() ? L" " : ShownText(text));
    if (text.empty())
        size.cx = 0;
    return size;
}

// A check mark, or the round mark of a radio item, in the middle of `box`.
void DrawCheckMark(HDC dc, const RECT& box, bool radio, COLORREF colour) {
    const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    if (radio) {
        HBRUSH brush = CreateSolidBrush(colour);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
        Ellipse(dc, cx - 3, cy - 3, cx + 4, cy + 4);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(brush);
        return;
    }
    HPEN pen = CreatePen(PS_SOLID, 2, colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    POINT mark[3] = {{cx - 4, cy}, {cx - 1, cy + 3}, {cx + 4, cy - 3}};
    Polyline(dc, mark, 3);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

} // namespace

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
    TMenu* menu = GetParentMenu();
    TCustomImageList* images = menu ? menu->Images() : nullptr;
    if (IsLine()) {
        width = 0;
        height = std::max(GetSystemMetrics(SM_CYMENU) / 2, 5);
    } else {
        unsigned style = canvas.Font()->Style();
        if (default_)
            canvas.Font()->SetStyle(style | (1u << fsBold));
        const SIZE text = TextSize(canvas, caption_);
        const SIZE shortCut = TextSize(canvas, shortCut_ ? ShortCutText() : L"");
        canvas.Font()->SetStyle(style);
        if (InMenuBar()) {
            width = text.cx + 2 * kGap;
            height = std::max<int>(text.cy + 4, GetSystemMetrics(SM_CYMENU));
        } else {
            const int glyph = images ? std::max(images->Width(), kGlyphSide) : kGlyphSide;
            width = kGap + glyph + kGap + text.cx + kGap;
            if (shortCut.cx > 0)
                width += 3 * kGap + shortCut.cx;
            height =
                std::max<int>({text.cy + 6, images ? images->Height() + 4 : 0, kGlyphSide + 2});
        }
    }
    if (OnMeasureItem)
        OnMeasureItem(this, &canvas, width, height);
}

void TMenuItem::DrawItem(TCanvas& canvas, const RECT& rect, bool selected) {
    if (OnDrawItem) {
        OnDrawItem(this, &canvas, rect, selected);
        return;
    }
    HDC dc = canvas.Handle();
    TMenu* menu = GetParentMenu();
    TCustomImageList* images = menu ? menu->Images() : nullptr;
    const bool rtl = menu && menu->IsRightToLeft();
    const bool lit = selected && !IsLine();
    FillRect(dc, &rect, GetSysColorBrush(lit ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (IsLine()) {
        RECT line = rect;
        line.top += (rect.bottom - rect.top) / 2 - 1;
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    const int textColour = !enabled_ ? COLOR_GRAYTEXT : lit ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT;
    canvas.Font()->SetColor(clSystemColor | textColour);
    if (default_)
        canvas.Font()->SetStyle(canvas.Font()->Style() | (1u << fsBold));
    SetBkMode(dc, TRANSPARENT);
    const UINT rtlFlags = rtl ? DT_RTLREADING : 0;
    if (InMenuBar()) {
        canvas.TextRect(rect, caption_, DT_CENTER | DT_VCENTER | DT_SINGLELINE | rtlFlags);
        return;
    }
    const int side = images ? std::max(images->Width(), kGlyphSide) : kGlyphSide;
    const int boxHeight = images ? std::max(images->Height(), kGlyphSide) : kGlyphSide;
    RECT box;
    box.left = rtl ? rect.right - kGap - side : rect.left + kGap;
    box.right = box.left + side;
    box.top = rect.top + (rect.bottom - rect.top - boxHeight) / 2;
    box.bottom = box.top + boxHeight;
    if (images && imageIndex_ >= 0 && imageIndex_ < images->Count()) {
        images->Draw(dc, box.left, box.top, imageIndex_, enabled_);
        if (checked_) {
            RECT edge = box;
            InflateRect(&edge, 1, 1);
            DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
        }
    } else if (checked_) {
        DrawCheckMark(dc, box, radioItem_, GetSysColor(textColour));
    }
    RECT text = rect;
    if (rtl) {
        text.left += kGap;
        text.right = box.left - kGap;
    } else {
        text.left = box.right + kGap;
        text.right -= kGap;
    }
    const UINT lineFlags = DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS | rtlFlags;
    canvas.TextRect(text, caption_, lineFlags | (rtl ? DT_RIGHT : DT_LEFT));
    if (shortCut_)
        canvas.TextRect(text, ShortCutText(), lineFlags | (rtl ? DT_LEFT : DT_RIGHT));
}

namespace {

// The screen's device context for measuring, released when done.
class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) {}
    ~ScreenDC() { ReleaseDC(nullptr, dc_); }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// The DC's state is put back after an item's drawing, whatever it selected.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDC() { RestoreDC(dc_, saved_); }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};

} // namespace

bool DispatchMenuMessage(TMessage& msg) {
    switch (msg.Msg) {
    case WM_COMMAND: {
        // lParam 0 and notification code 0 (menu) or 1 (accelerator).
        if (msg.LParam != 0 || HIWORD(msg.WParam) > 1)
            return false;
        TMenuItem* item = FindMenuItemByCommand(LOWORD(msg.WParam));
        if (!item)
            return false;
        msg.Result = 0;
        // A command can be posted for an item that has been disabled since (or by a painted
        // menu bar): a disabled item does nothing.
        if (item->Enabled())
            item->Click();
        return true;
    }
    case WM_MENUCHAR: {
        TMenuItem* parent = FindMenuItemByHandle(reinterpret_cast<HMENU>(msg.LParam));
        const auto key = static_cast<wchar_t>(towupper(LOWORD(msg.WParam)));
        if (!parent || key == 0)
            return false;
        // Positions count the visible items only, as the system menu holds only those.
        int position = 0, found = -1, matches = 0;
        for (int i = 0; i < parent->Count(); ++i) {
            const TMenuItem* item = parent->Items(i);
            if (!item->Visible())
                continue;
            if (item->Enabled() && towupper(AcceleratorChar(item->Caption())) == key) {
                if (found < 0)
                    found = position;
                ++matches;
            }
            ++position;
        }
        if (found < 0)
            return false;
        msg.Result = MAKELRESULT(found, matches > 1 ? MNC_SELECT : MNC_EXECUTE);
        return true;
    }
    case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(msg.LParam);
        if (!measure || measure->CtlType != ODT_MENU)
            return false;
        TMenuItem* item = FindMenuItemByCommand(measure->itemID);
        if (!item)
            return false;
        ScreenDC screen;
        TCanvas canvas(screen.Get());
        canvas.Font()->Assign(*MenuFont());
        int width = static_cast<int>(measure->itemWidth);
        int height = static_cast<int>(measure->itemHeight);
        item->MeasureItem(canvas, width, height);
        measure->itemWidth = static_cast<UINT>(std::max(width, 0));
        measure->itemHeight = static_cast<UINT>(std::max(height, 0));
        msg.Result = TRUE;
        return true;
    }
    case WM_DRAWITEM: {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(msg.LParam);
        if (!draw || draw->CtlType != ODT_MENU)
            return false;
        TMenuItem* item = FindMenuItemByCommand(draw->itemID);
        if (!item)
            return false;
        SavedDC saved(draw->hDC);
        TCanvas canvas(draw->hDC);
        canvas.Font()->Assign(*MenuFont());
        item->DrawItem(canvas, draw->rcItem, (draw->itemState & ODS_SELECTED) != 0);
        msg.Result = TRUE;
        return true;
    }
    default:
        return false;
    }
}
