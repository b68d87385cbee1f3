#pragma once
// The edit skinner and the date picker skinner: both leave the control's own painting and draw
// a skinned border over the system's one after every paint.

#include "framework/Controls.h"
#include "skin/ControlSkinner.h"

class TSkinDateTime;

// The arrow button a skinned date picker shows over its own: a press on it is handed to the
// picker as a click at the same point, so the picker opens its calendar.
class TArrowButton : public TCustomControl {
    DEVTOOL_CLASS(TArrowButton)
public:
    TArrowButton(TComponent* owner, TSkinDateTime& skinner, TWinControl& picker);
    void WndProc(TMessage& msg) override;
    bool Hot() const { return hot_; }

protected:
    void Paint() override;

private:
    TSkinDateTime& skinner_;
    TWinControl& picker_;
    bool hot_ = false;
};

class TSkinEdit : public TSkinControl {
    DEVTOOL_CLASS(TSkinEdit)
public:
    using TSkinControl::TSkinControl;
    void Attach(TVarUdedForm* form, TSkinData* skinData, bool takeColour) override;
    void AttachWindow(HWND window, TSkinData* skinData, TVarUdedForm* form) override;
    bool BeforeMessage(TMessage& msg) override;
    void AfterMessage(TMessage& msg) override;
    void Paint(HDC dc, const RECT& rect) override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::Edit; }

protected:
    // White frames inside the shadow line.
    virtual int InnerFrames() const { return 2; }

private:
    void AttachSpin();
};

// A date picker that drops a calendar down: the edit's border with one white frame, and an arrow
// button drawn from the skin laid over the picker's own.
class TSkinDateTime : public TSkinEdit {
    DEVTOOL_CLASS(TSkinDateTime)
public:
    using TSkinEdit::TSkinEdit;
    void Attach(TVarUdedForm* form, TSkinData* skinData, bool takeColour) override;
    void Detach() override;
    void Refresh() override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::DateTime; }
    TArrowButton* ArrowButton() const { return FArrow; }

protected:
    int InnerFrames() const override { return 1; }

private:
    void PlaceArrow();
    TArrowButton* FArrow = nullptr; // owned as a component
    bool FAddedClipChildren = false;
};
