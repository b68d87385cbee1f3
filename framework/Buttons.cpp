#include "framework/Buttons.h"

#include "framework/GlyphDraw.h"

// TGlyphSettings

bool TGlyphSettings::SetNumGlyphs(int count) {
    count = std::clamp(count, 1, 4);
    if (count == numGlyphs_)
        return false;
    numGlyphs_ = count;
    return true;
}

void TGlyphSettings::Draw(TCanvas& canvas, const RECT& area, const std::wstring& caption,
                          bool enabled, bool pressed, bool down, UINT textFlags) {
    HDC dc = canvas.Handle();
    const SIZE glyph = GlyphSize(glyph_, numGlyphs_);
    RECT textBox{0, 0, area.right - area.left, 0};
    if (!caption.empty())
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textBox,
                  DT_CALCRECT | DT_SINGLELINE | textFlags);
    else
        textBox = {};
    const TGlyphLayout at = LayoutGlyphButton(
        {area.right - area.left, area.bottom - area.top}, {glyph.cx, glyph.cy},
        {textBox.right - textBox.left, textBox.bottom - textBox.top}, layout_, margin_, spacing_);
    if (glyph.cx > 0) {
        int index = 0;
        bool greyed = false;
        if (!enabled) {
            index = numGlyphs_ > 1 ? 1 : 0;
            greyed = numGlyphs_ < 2;
        } else if (pressed && numGlyphs_ > 2) {
            index = 2;
        } else if (down && numGlyphs_ > 3) {
            index = 3;
        }
        DrawGlyph(dc, area.left + at.glyph.x, area.top + at.glyph.y, glyph_, numGlyphs_, index,
                  !greyed);
    }
    if (caption.empty())
        return;
    RECT text{area.left + at.text.x, area.top + at.text.y,
              area.left + at.text.x + textBox.right - textBox.left,
              area.top + at.text.y + textBox.bottom - textBox.top};
    SetBkMode(dc, TRANSPARENT);
    if (!enabled) {
        // Greyed text: the highlight one pixel down and right under the shadow.
        RECT lower = text;
        OffsetRect(&lower, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &lower,
                  DT_SINGLELINE | DT_NOCLIP | textFlags);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    } else {
        SetTextColor(dc, ColorToRGB(canvas.Font()->Color()));
    }
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | DT_NOCLIP | textFlags);
}

// TBitBtn

const TClassInfo& TBitBtn::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TBitBtn, TButton>(
        "TBitBtn",
        [](PropBuilder<TBitBtn>& b) {
            b.Object("Glyph", &TBitBtn::Glyph)
                .Int("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs)
                .Enum("Layout", ButtonLayoutNames, &TBitBtn::Layout, &TBitBtn::SetLayout)
                .Int("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin)
                .Int("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing);
        },
        true);
    return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::SetGlyph(const TBitmap& glyph) {
    glyph_.Glyph()->Assign(glyph);
    Invalidate();
}

void TBitBtn::SetNumGlyphs(int count) {
    if (glyph_.SetNumGlyphs(count))
        Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout layout) {
    glyph_.SetLayout(layout);
    Invalidate();
}

void TBitBtn::SetMargin(int margin) {
    glyph_.SetMargin(margin);
    Invalidate();
}

void TBitBtn::SetSpacing(int spacing) {
    glyph_.SetSpacing(spacing);
    Invalidate();
}

void TBitBtn::WndProc(TMessage& msg) {
    switch (msg.Msg) {
    case CN_DRAWITEM:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(msg.LParam));
        msg.Result = TRUE;
        return;
    case WM_LBUTTONDBLCLK:
        // An owner-drawn button takes a double click as a second click, not as a press.
        msg.Msg = WM_LBUTTONDOWN;
        break;
    default:
        break;
    }
    TButton::WndProc(msg);
}

// The push button's face, a heavier frame when it is the default or has the focus, then glyph
// and caption, moved one pixel down and right while pressed.
void TBitBtn::DrawItem(const DRAWITEMSTRUCT& draw) {
    TCanvas canvas(draw.hDC);
    canvas.Font()->Assign(*Font());
    HDC dc = draw.hDC;
    RECT r = draw.rcItem;
    const bool pressed = (draw.itemState & ODS_SELECTED) != 0;
    const bool focused = (draw.itemState & ODS_FOCUS) != 0;
    if (Active() || focused) {
        canvas.Brush()->SetColor(clBlack);
        canvas.FrameRect(r);
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    RECT area = r;
    InflateRect(&area, -2, -2);
    if (pressed)
        OffsetRect(&area, 1, 1);
    glyph_.Draw(canvas, area, Caption(), Enabled(), pressed, false,
                UseRightToLeftReading() ? DT_RTLREADING : 0);
    if (focused) {
        RECT focus = r;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

// TSpeedButton

const TClassInfo& TSpeedButton::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TSpeedButton, TGraphicControl>(
        "TSpeedButton",
        [](PropBuilder<TSpeedButton>& b) {
            b.Str("Caption", &TSpeedButton::Caption, &TSpeedButton::SetCaption)
                .Object("Glyph", &TSpeedButton::Glyph)
                .Int("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs)
                .Enum("Layout", ButtonLayoutNames, &TSpeedButton::Layout, &TSpeedButton::SetLayout)
                .Int("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin)
                .Int("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing)
                .Int("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex)
                .Bool("Down", &TSpeedButton::Down, &TSpeedButton::SetDown)
                .Bool("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp)
                .Bool("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat);
        },
        true);
    return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetGlyph(const TBitmap& glyph) {
    glyph_.Glyph()->Assign(glyph);
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int count) {
    if (glyph_.SetNumGlyphs(count))
        Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
    glyph_.SetLayout(layout);
    Invalidate();
}

void TSpeedButton::SetMargin(int margin) {
    glyph_.SetMargin(margin);
    Invalidate();
}

void TSpeedButton::SetSpacing(int spacing) {
    glyph_.SetSpacing(spacing);
    Invalidate();
}

void TSpeedButton::SetDown(bool down) {
    // The form file may give Down before GroupIndex.
    if (groupIndex_ == 0 && !Loading())
        down = false;
    if (down == down_)
        return;
    down_ = down;
    if (down && groupIndex_ != 0 && Parent()) {
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
            if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
                other->down_ = false;
                other->Invalidate();
            }
        }
    }
    Invalidate();
}

void TSpeedButton::SetFlat(bool flat) {
    flat_ = flat;
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int index) {
    groupIndex_ = index;
    if (groupIndex_ == 0 && down_)
        SetDown(false);
}

void TSpeedButton::WndProc(TMessage& msg) {
    const int x = static_cast<short>(LOWORD(msg.LParam));
    const int y = static_cast<short>(HIWORD(msg.LParam));
    switch (msg.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        dragging_ = true;
        pressed_ = true;
        Invalidate();
        MouseDown(TMouseButton::mbLeft, 0, x, y);
        return;
    case WM_MOUSEMOVE:
        if (dragging_) {
            const RECT r = ClientRect();
            const bool inside = PtInRect(&r, POINT{x, y}) != 0;
            if (inside != pressed_) {
                pressed_ = inside;
                Invalidate();
            }
        }
        return;
    case WM_LBUTTONUP:
        Released(x, y);
        return;
    case CM_CANCELMODE:
        dragging_ = false;
        pressed_ = false;
        Invalidate();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
    case CM_ENABLEDCHANGED:
        TGraphicControl::WndProc(msg);
        Invalidate();
        return;
    default:
        TGraphicControl::WndProc(msg);
    }
}

// A release over the button clicks it; in a group it goes down (or up, when all may be up).
void TSpeedButton::Released(int x, int y) {
    if (!dragging_)
        return;
    dragging_ = false;
    pressed_ = false;
    const RECT r = ClientRect();
    Invalidate();
    if (!PtInRect(&r, POINT{x, y}))
        return;
    if (groupIndex_ != 0) {
        if (!down_)
            SetDown(true);
        else if (allowAllUp_)
            SetDown(false);
    }
    Click();
}

void TSpeedButton::Paint(TCanvas& canvas) {
    HDC dc = canvas.Handle();
    RECT r = ClientRect();
    const bool sunk = pressed_ || down_;
    if (!flat_) {
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (sunk ? DFCS_PUSHED : 0));
    } else if (sunk || (MouseInControl() && Enabled())) {
        DrawEdge(dc, &r, sunk ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    RECT area = r;
    InflateRect(&area, -2, -2);
    if (sunk)
        OffsetRect(&area, 1, 1);
    glyph_.Draw(canvas, area, Caption(), Enabled(), pressed_, down_,
                UseRightToLeftReading() ? DT_RTLREADING : 0);
}
