#pragma once
// The skinners of the range controls: progress bars, track bars and up-down buttons. Each paints
// the whole control from the skin.

#include "skin/ControlSkinner.h"
#include "skin/ImgUtilDib.h"

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
    skin::DibSection FBuffer;
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
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::UpDown; }

private:
    bool Horizontal() const;
    // The half (0 first, 1 second) under a client point.
    int HalfAt(POINT p) const;

    skin::DibSection FBuffer;
    bool FEmbedded = false;
    int FHotHalf = -1;
    int FPressedHalf = -1;
};
