#pragma once
// Colours, fonts, brushes, pens and the canvas over a device context.

#include "framework/Classes.h"

#include <windows.h>

using TColor = int32_t;

// A negative colour names a system colour: its low byte is the GetSysColor index.
constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clBtnText = clSystemColor | COLOR_BTNTEXT;
constexpr TColor clHighlight = clSystemColor | COLOR_HIGHLIGHT;
constexpr TColor clHighlightText = clSystemColor | COLOR_HIGHLIGHTTEXT;
constexpr TColor clGrayText = clSystemColor | COLOR_GRAYTEXT;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The RGB value of a colour, system colours resolved.
COLORREF ColorToRGB(TColor color);
// Registers the colour names form files use (clBtnFace, clRed...).
void RegisterColorIdents();

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
extern const TEnumInfo FontStyleNames;

// A font description with a lazily made HFONT, remade after every change.
class TFont : public TObject {
    DEVTOOL_CLASS(TFont)
public:
    TFont();
    ~TFont() override;
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const std::wstring& Name() const { return name_; }
    void SetName(const std::wstring& name);
    int Height() const { return height_; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    unsigned Style() const { return style_; }
    void SetStyle(unsigned style);
    int Charset() const { return charset_; }
    void SetCharset(int charset);

    void Assign(const TFont& other);
    // Takes face, height, style and character set from a logical font (the system's caption
    // font, say).
    void AssignLogFont(const LOGFONTW& font);
    // Wraps CreateFontIndirect; the font stays owned by this object.
    HFONT Handle();

    std::function<void()> OnChange;

private:
    void Changed();
    void FreeHandle();

    std::wstring name_ = L"MS Sans Serif";
    int height_ = -11;
    TColor color_ = clWindowText;
    unsigned style_ = 0;
    int charset_ = DEFAULT_CHARSET;
    HFONT handle_ = nullptr;
};

// A solid brush with a lazily made HBRUSH.
class TBrush : public TObject {
    DEVTOOL_CLASS(TBrush)
public:
    TBrush() = default;
    ~TBrush() override;
    TBrush(const TBrush&) = delete;
    TBrush& operator=(const TBrush&) = delete;
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // Wraps CreateSolidBrush; system colours use the shared system brush.
    HBRUSH Handle();

private:
    TColor color_ = clWhite;
    HBRUSH handle_ = nullptr;
};

class TPen : public TObject {
    DEVTOOL_CLASS(TPen)
public:
    TPen() = default;
    ~TPen() override;
    TPen(const TPen&) = delete;
    TPen& operator=(const TPen&) = delete;
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    // Wraps CreatePen.
    HPEN Handle();

private:
    void FreeHandle();
    TColor color_ = clBlack;
    int width_ = 1;
    HPEN handle_ = nullptr;
};

// Drawing on a device context it does not own. The objects it selects are put back when the
// canvas lets go of the DC (SetHandle(nullptr) or destruction).
class TCanvas : public TObject {
    DEVTOOL_CLASS(TCanvas)
public:
    TCanvas() {
        // A changed font is selected at once, so the old one is never freed while selected.
        font_.OnChange = [this] { SelectObjects(); };
    }
    explicit TCanvas(HDC dc) : TCanvas() { SetHandle(dc); }
    ~TCanvas() override { SetHandle(nullptr); }
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    HDC Handle() const { return dc_; }
    void SetHandle(HDC dc);
    TFont* Font() { return &font_; }
    TBrush* Brush() { return &brush_; }
    TPen* Pen() { return &pen_; }

    void FillRect(const RECT& rect);
    void FrameRect(const RECT& rect);
    void TextOut(int x, int y, const std::wstring& text);
    void TextRect(const RECT& rect, const std::wstring& text, UINT format);
    SIZE TextExtent(const std::wstring& text);
    int TextWidth(const std::wstring& text) { return TextExtent(text).cx; }
    int TextHeight(const std::wstring& text) { return TextExtent(text).cy; }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Draw(int x, int y, HBITMAP bitmap);

private:
    void SelectObjects();

    HDC dc_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
    HGDIOBJ oldBrush_ = nullptr;
    HGDIOBJ oldPen_ = nullptr;
    TFont font_;
    TBrush brush_;
    TPen pen_;
};
