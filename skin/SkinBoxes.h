#pragma once
// The skinners of containers: group boxes drawn as a rounded frame with their caption, panels
// and embedded forms that only take the skin's face colour, inner dialog windows filled with it,
// and dialog size grips painted over.

#include "skin/ControlSkinner.h"

class TSkinGroupBox : public TSkinControl {
    DEVTOOL_CLASS(TSkinGroupBox)
public:
    using TSkinControl::TSkinControl;
    bool BeforeMessage(TMessage& msg) override;
    void Paint(HDC dc, const RECT& rect) override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::GroupBox; }
};

// Paints nothing: attaching gives the control the face colour (always), detaching gives its own
// colour back.
class TSkinBox : public TSkinControl {
    DEVTOOL_CLASS(TSkinBox)
public:
    using TSkinControl::TSkinControl;
    void Attach(TVarUdedForm* form, TSkinData* skinData, bool takeColour) override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::Box; }
};

class TSkinBoxH : public TSkinControl {
    DEVTOOL_CLASS(TSkinBoxH)
public:
    using TSkinControl::TSkinControl;
    bool BeforeMessage(TMessage& msg) override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::BoxH; }
};

class TSkinSizer : public TSkinControl {
    DEVTOOL_CLASS(TSkinSizer)
public:
    using TSkinControl::TSkinControl;
    void AfterMessage(TMessage& msg) override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::Sizer; }
};

// The tab sheet skinner: the sheet filled with the face colour under its graphic controls.
class TSkinTabSheet : public TSkinControl {
    DEVTOOL_CLASS(TSkinTabSheet)
public:
    using TSkinControl::TSkinControl;
    bool BeforeMessage(TMessage& msg) override;
    void Paint(HDC dc, const RECT& rect) override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::TabSheet; }
};
