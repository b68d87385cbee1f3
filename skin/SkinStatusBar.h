#pragma once
// The status bar skinner: the bar composed in the painters' shared scratch picture, each panel
// framed from the StatusBarEdges element, and copied once.

#include "skin/ControlSkinner.h"

class TSkinStatusBar : public TSkinControl {
    DEVTOOL_CLASS(TSkinStatusBar)
public:
    using TSkinControl::TSkinControl;
    bool BeforeMessage(TMessage& msg) override;
    void Paint(HDC dc, const RECT& rect) override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::StatusBar; }
};
