#pragma once
// The skinners of the range controls: progress bars, track bars and up-down buttons. Each paints
// the whole control from the skin.

#include "skin/ControlPicture.h"
#include "skin/ControlSkinner.h"

class TSkinProgress : public TSkinControl {
    DEVTOOL_CLASS(TSkinProgress)
public:
    using TSkinControl::TSkinControl;
    bool BeforeMessage(TMessage& msg) override;
    void AfterMessage(TMessage& msg) override;
    void Paint(HDC dc, const RECT& rect) override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::Progress; }

private:
    bool CanPaint() const;
};

class TSkinTrackBar : public TSkinControl {
    DEVTOOL_CLASS(TSkinTrackBar)
public:
    using TSkinControl::TSkinControl;
    bool BeforeMessage(TMessage& msg) override;
    void AfterMessage(TMessage& msg) override;
    void Paint(HDC dc, const RECT& rect) override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::TrackBar; }

private:
    // Channel, tick marks and thumb, into the composed picture.
    void PaintBar(HDC target);

    skin::ControlPicture FPicture;
};

class TSkinUpDown : public TSkinControl {
    DEVTOOL_CLASS(TSkinUpDown)
public:
    using TSkinControl::TSkinControl;
    // An up-down inside another control (an edit's spin button).
    void SetEmbedded(bool embedded) { FEmbedded = embedded; }
    bool Embedded() const { return FEmbedded; }
    bool BeforeMessage(TMessage& msg) override;
    void AfterMessage(TMessage& msg) override;
    void Paint(HDC dc, const RECT& rect) override;
    void Refresh() override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::UpDown; }

private:
    bool Horizontal() const;
    // The half (0 first, 1 second) under a client point.
    int HalfAt(POINT p) const;
    // Both halves, into the composed picture.
    void PaintHalves(HDC target, const RECT& whole);

    skin::ControlPicture FPicture;
    bool FEmbedded = false;
    int FHotHalf = -1;
    int FPressedHalf = -1;
};
