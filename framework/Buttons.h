#pragma once
// Buttons with a glyph: the bit button (a push button drawn by the framework) and the speed
// button (a graphic control). Both lay out glyph and caption with LayoutGlyphButton.

#include "framework/Bitmap.h"
#include "framework/ButtonLayout.h"
#include "framework/StdCtrls.h"

#include <algorithm>

// The glyph of a button: a strip of up to four equal images (up, disabled, pressed, down) with
// its transparent colour, and where it sits beside the caption.
class TGlyphSettings {
public:
    TBitmap* Glyph() { return &glyph_; }
    int NumGlyphs() const { return numGlyphs_; }
    bool SetNumGlyphs(int count);
    TButtonLayout Layout() const { return layout_; }
    int Margin() const { return margin_; }
    int Spacing() const { return spacing_; }
    void SetLayout(TButtonLayout layout) { layout_ = layout; }
    void SetMargin(int margin) { margin_ = std::max(margin, -1); }
    void SetSpacing(int spacing) { spacing_ = std::max(spacing, -1); }
    // Draws glyph and caption inside `area`: sub-image 2 when disabled (or the greyed first one
    // when there is none), 3 when pressed, 4 when held down, else 1.
    void Draw(TCanvas& canvas, const RECT& area, const std::wstring& caption, bool enabled,
              bool pressed, bool down, UINT textFlags);

private:
    TBitmap glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
};

class TBitBtn : public TButton {
    DEVTOOL_CLASS(TBitBtn)
public:
    explicit TBitBtn(TComponent* owner);
    // Changing the picture in place needs an Invalidate; SetGlyph copies and repaints.
    TBitmap* Glyph() { return glyph_.Glyph(); }
    void SetGlyph(const TBitmap& glyph);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return glyph_.Layout(); }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return glyph_.Margin(); }
    void SetMargin(int margin);
    int Spacing() const { return glyph_.Spacing(); }
    void SetSpacing(int spacing);
    void WndProc(TMessage& msg) override;

protected:
    UINT ButtonType() const override { return BS_OWNERDRAW; }

private:
    void DrawItem(const DRAWITEMSTRUCT& draw);
    TGlyphSettings glyph_;
};

// A button without a window, painted by its parent. With a GroupIndex it stays down when
// clicked, and the other speed buttons of its group under the same parent come up.
class TSpeedButton : public TGraphicControl {
    DEVTOOL_CLASS(TSpeedButton)
public:
    explicit TSpeedButton(TComponent* owner);
    TBitmap* Glyph() { return glyph_.Glyph(); }
    void SetGlyph(const TBitmap& glyph);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return glyph_.Layout(); }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return glyph_.Margin(); }
    void SetMargin(int margin);
    int Spacing() const { return glyph_.Spacing(); }
    void SetSpacing(int spacing);
    // Only a button with a GroupIndex stays down.
    bool Down() const { return down_; }
    void SetDown(bool down);
    // A flat button shows its frame only while the mouse is over it or it is down.
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    // In a group, a click on the down button brings it up again.
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v) { allowAllUp_ = v; }
    // True between a press on the button and the release while the mouse is over it.
    bool Pressed() const { return pressed_; }
    void WndProc(TMessage& msg) override;

protected:
    void Paint(TCanvas& canvas) override;

private:
    void Released(int x, int y);
    TGlyphSettings glyph_;
    bool down_ = false;
    bool flat_ = false;
    bool allowAllUp_ = false;
    bool pressed_ = false;
    bool dragging_ = false;
    int groupIndex_ = 0;
};
