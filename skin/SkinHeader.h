#pragma once
// The header bar skinner: every section drawn from the Headerbar element with its image and
// caption, in the state the mouse gives it.

#include "skin/ControlPicture.h"
#include "skin/ControlSkinner.h"

class TSkinHeader : public TSkinControl {
    DEVTOOL_CLASS(TSkinHeader)
public:
    using TSkinControl::TSkinControl;
    bool BeforeMessage(TMessage& msg) override;
    void AfterMessage(TMessage& msg) override;
    void Paint(HDC dc, const RECT& rect) override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::Header; }

private:
    bool CanPaint() const;
    int SectionAt(POINT p) const;
    // The sections and the rest of the bar, into the composed picture.
    void PaintSections(HDC target, const RECT& whole);

    skin::ControlPicture FPicture;
    int FHotSection = -1;
    int FPressedSection = -1;
};
