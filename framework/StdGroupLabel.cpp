// Group boxes, painted here, and labels, painted by their parent.

#include "framework/StdCtrls.h"

// TCustomGroupBox

const TClassInfo& TCustomGroupBox::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TCustomGroupBox, TCustomControl>(
        "TCustomGroupBox",
        [](PropBuilder<TCustomGroupBox>& b) {
            b.Str("Caption", &TCustomGroupBox::Caption, &TCustomGroupBox::SetCaption);
        },
        false);
    return info;
}

const TClassInfo& TGroupBox::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TGroupBox, TCustomGroupBox>("TGroupBox", nullptr, true);
    return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
}

// An etched frame whose top runs through the middle of the caption, the caption on the
// group's colour 8 pixels in (from the right for right-to-left reading).
void TCustomGroupBox::Paint() {
    TCanvas& canvas = *Canvas();
    RECT r = ClientRect();
    const std::wstring caption = Caption();
    const SIZE text = canvas.TextExtent(caption.empty() ? L"0" : caption);
    RECT frame = r;
    frame.top += text.cy / 2;
    DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
    if (caption.empty())
        return;
    RECT label{8, 0, 8 + text.cx + 2, text.cy};
    if (UseRightToLeftReading())
        label = {r.right - 8 - text.cx - 2, 0, r.right - 8, text.cy};
    SetBkMode(canvas.Handle(), OPAQUE);
    SetBkColor(canvas.Handle(), ColorToRGB(Color()));
    if (!Enabled())
        canvas.Font()->SetColor(clGrayText);
    UINT flags = DT_SINGLELINE | DT_CENTER | DT_NOCLIP;
    if (UseRightToLeftReading())
        flags |= DT_RTLREADING;
    canvas.TextRect(label, caption, flags);
}

// TLabel

const TClassInfo& TLabel::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TLabel, TGraphicControl>(
        "TLabel",
        [](PropBuilder<TLabel>& b) {
            b.Str("Caption", &TLabel::Caption, &TLabel::SetCaption)
                .Bool("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize)
                .Bool("Transparent", &TLabel::Transparent, &TLabel::SetTransparent);
        },
        true);
    return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 13);
}

void TLabel::SetAutoSize(bool v) {
    autoSize_ = v;
    AdjustSize();
}

void TLabel::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustSize();
}

void TLabel::TextChanged() {
    AdjustSize();
    Invalidate();
}

void TLabel::FontChanged() {
    AdjustSize();
    TGraphicControl::FontChanged();
}

// An auto-sized label is as large as its text in its font.
void TLabel::AdjustSize() {
    if (!autoSize_ || Loading())
        return;
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    std::wstring text = Caption().empty() ? L" " : Caption();
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    if (Caption().empty())
        size.cx = 0;
    SetBounds(Left(), Top(), size.cx, size.cy);
}

void TLabel::Paint(TCanvas& canvas) {
    RECT r = ClientRect();
    if (!transparent_) {
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(r);
    }
    SetBkMode(canvas.Handle(), TRANSPARENT);
    if (!Enabled())
        canvas.Font()->SetColor(clGrayText);
    canvas.TextRect(r, Caption(), DT_LEFT | DT_TOP | DT_NOPREFIX | DT_SINGLELINE);
}
