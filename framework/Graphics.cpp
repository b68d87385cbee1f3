#include "framework/Graphics.h"

#include <cmath>
#include <cwchar>

COLORREF ColorToRGB(TColor color) {
    if (color < 0)
        return GetSysColor(color & 0xFF);
    return static_cast<COLORREF>(color) & 0xFFFFFF;
}

void RegisterColorIdents() {
    struct Name {
        const wchar_t* name;
        TColor value;
    };
    static const Name names[] = {
        {L"clBlack", clBlack},
        {L"clWhite", clWhite},
        {L"clRed", clRed},
        {L"clBlue", clBlue},
        {L"clGreen", 0x008000},
        {L"clNavy", 0x800000},
        {L"clMaroon", 0x000080},
        {L"clGray", 0x808080},
        {L"clSilver", 0xC0C0C0},
        {L"clYellow", 0x00FFFF},
        {L"clBtnFace", clBtnFace},
        {L"clWindow", clWindow},
        {L"clWindowText", clWindowText},
        {L"clBtnText", clBtnText},
        {L"clHighlight", clHighlight},
        {L"clHighlightText", clHighlightText},
        {L"clGrayText", clGrayText},
        {L"clNone", clNone},
        {L"clDefault", clDefault},
    };
    for (const Name& n : names)
        RegisterIntegerIdent(n.name, n.value);
}

const TEnumInfo FontStyleNames{{L"fsBold", L"fsItalic", L"fsUnderline", L"fsStrikeOut"}};

// TFont

const TClassInfo& TFont::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TFont, TObject>(
        "TFont",
        [](PropBuilder<TFont>& b) {
            b.Str("Name", &TFont::Name, &TFont::SetName)
                .Int("Height", &TFont::Height, &TFont::SetHeight)
                .Int("Size", &TFont::Size, &TFont::SetSize)
                .Int("Color", &TFont::Color, &TFont::SetColor)
                .Int("Charset", &TFont::Charset, &TFont::SetCharset)
                .Set("Style", FontStyleNames, &TFont::Style, &TFont::SetStyle);
        },
        false);
    return info;
}

TFont::TFont() = default;

TFont::~TFont() {
    FreeHandle();
}

void TFont::FreeHandle() {
    if (handle_)
        DeleteObject(handle_);
    handle_ = nullptr;
}

void TFont::Changed() {
    // Whoever holds the old font selects the new one in OnChange before the old one goes.
    HFONT old = handle_;
    handle_ = nullptr;
    if (OnChange)
        OnChange();
    if (old)
        DeleteObject(old);
}

void TFont::SetName(const std::wstring& name) {
    if (name == name_)
        return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == height_)
        return;
    height_ = height;
    Changed();
}

// Points at the screen's 96 pixels per inch, as form files store them.
int TFont::Size() const {
    return static_cast<int>(std::lround(-height_ * 72.0 / 96.0));
}

void TFont::SetSize(int points) {
    SetHeight(-static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

void TFont::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    if (OnChange)
        OnChange();
}

void TFont::SetStyle(unsigned style) {
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TFont::SetCharset(int charset) {
    if (charset == charset_)
        return;
    charset_ = charset;
    Changed();
}

void TFont::Assign(const TFont& other) {
    if (&other == this)
        return;
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    style_ = other.style_;
    charset_ = other.charset_;
    Changed();
}

void TFont::AssignLogFont(const LOGFONTW& font) {
    name_.assign(font.lfFaceName, wcsnlen(font.lfFaceName, LF_FACESIZE));
    height_ = font.lfHeight;
    style_ = 0;
    if (font.lfWeight >= FW_BOLD)
        style_ |= 1u << fsBold;
    if (font.lfItalic)
        style_ |= 1u << fsItalic;
    if (font.lfUnderline)
        style_ |= 1u << fsUnderline;
    if (font.lfStrikeOut)
        style_ |= 1u << fsStrikeOut;
    charset_ = font.lfCharSet;
    Changed();
}

HFONT TFont::Handle() {
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & (1u << fsBold)) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & (1u << fsItalic)) != 0;
        lf.lfUnderline = (style_ & (1u << fsUnderline)) != 0;
        lf.lfStrikeOut = (style_ & (1u << fsStrikeOut)) != 0;
        lf.lfCharSet = static_cast<BYTE>(charset_);
        lf.lfQuality = DEFAULT_QUALITY;
        lstrcpynW(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
        handle_ = CreateFontIndirectW(&lf);
    }
    return handle_;
}

// TBrush

const TClassInfo& TBrush::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TBrush, TObject>(
        "TBrush", [](PropBuilder<TBrush>& b) { b.Int("Color", &TBrush::Color, &TBrush::SetColor); },
        false);
    return info;
}

TBrush::~TBrush() {
    if (handle_)
        DeleteObject(handle_);
}

void TBrush::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    if (handle_)
        DeleteObject(handle_);
    handle_ = nullptr;
}

HBRUSH TBrush::Handle() {
    if (!handle_)
        handle_ = CreateSolidBrush(ColorToRGB(color_));
    return handle_;
}

// TPen

const TClassInfo& TPen::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TPen, TObject>(
        "TPen",
        [](PropBuilder<TPen>& b) {
            b.Int("Color", &TPen::Color, &TPen::SetColor)
                .Int("Width", &TPen::Width, &TPen::SetWidth);
        },
        false);
    return info;
}

TPen::~TPen() {
    FreeHandle();
}

void TPen::FreeHandle() {
    if (handle_)
        DeleteObject(handle_);
    handle_ = nullptr;
}

void TPen::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    FreeHandle();
}

void TPen::SetWidth(int width) {
    if (width == width_)
        return;
    width_ = width;
    FreeHandle();
}

HPEN TPen::Handle() {
    if (!handle_)
        handle_ = CreatePen(PS_SOLID, width_, ColorToRGB(color_));
    return handle_;
}

// TCanvas

const TClassInfo& TCanvas::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TCanvas, TObject>(
        "TCanvas", [](PropBuilder<TCanvas>& b) { b.Object("Font", &TCanvas::Font); }, false);
    return info;
}

void TCanvas::SetHandle(HDC dc) {
    if (dc_) {
        // Put back what the DC held, so the canvas's own objects can be freed.
        if (oldFont_)
            SelectObject(dc_, oldFont_);
        if (oldBrush_)
            SelectObject(dc_, oldBrush_);
        if (oldPen_)
            SelectObject(dc_, oldPen_);
    }
    oldFont_ = oldBrush_ = oldPen_ = nullptr;
    dc_ = dc;
}

void TCanvas::SelectObjects() {
    if (!dc_)
        return;
    HGDIOBJ f = SelectObject(dc_, font_.Handle());
    if (!oldFont_)
        oldFont_ = f;
    HGDIOBJ b = SelectObject(dc_, brush_.Handle());
    if (!oldBrush_)
        oldBrush_ = b;
    HGDIOBJ p = SelectObject(dc_, pen_.Handle());
    if (!oldPen_)
        oldPen_ = p;
    SetTextColor(dc_, ColorToRGB(font_.Color()));
}

void TCanvas::FillRect(const RECT& rect) {
    if (dc_)
        ::FillRect(dc_, &rect, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& rect) {
    if (dc_)
        ::FrameRect(dc_, &rect, brush_.Handle());
}

void TCanvas::TextOut(int x, int y, const std::wstring& text) {
    SelectObjects();
    if (dc_)
        ::TextOutW(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

void TCanvas::TextRect(const RECT& rect, const std::wstring& text, UINT format) {
    SelectObjects();
    RECT r = rect;
    if (dc_)
        ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r, format);
}

SIZE TCanvas::TextExtent(const std::wstring& text) {
    SIZE size{0, 0};
    SelectObjects();
    if (dc_)
        GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void TCanvas::MoveTo(int x, int y) {
    if (dc_)
        MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    SelectObjects();
    if (dc_)
        ::LineTo(dc_, x, y);
}

void TCanvas::Draw(int x, int y, HBITMAP bitmap) {
    if (!dc_ || !bitmap)
        return;
    BITMAP bm{};
    GetObjectW(bitmap, sizeof(bm), &bm);
    HDC mem = CreateCompatibleDC(dc_);
    HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(dc_, x, y, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
}
