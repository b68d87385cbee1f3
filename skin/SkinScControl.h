#pragma once
// TSkinScControl: a stand-alone scroll bar control drawn from the skin by one overlay over the
// whole control; presses go to the control itself, which keeps its own behaviour.

#include "skin/ControlSkinner.h"
#include "skin/ScrollOverlay.h"

#include <memory>

class TSkinScControl : public TSkinControl {
    DEVTOOL_CLASS(TSkinScControl)
public:
    using TSkinControl::TSkinControl;
    ~TSkinScControl() override;

    void Attach(TVarUdedForm* form, TSkinData* skinData, bool takeColour) override;
    void AttachWindow(HWND window, TSkinData* skinData, TVarUdedForm* form) override;
    void Detach() override;
    bool BeforeMessage(TMessage& msg) override;
    void AfterMessage(TMessage& msg) override;
    void PaintWindow(HDC dc) override;
    void Refresh() override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::ScrollControl; }

    TWScrollbar* Overlay() const { return FOverlay.get(); }

private:
    void MakeOverlay();

    std::unique_ptr<TWScrollbar> FOverlay;
};
