#pragma once
// The combo box skinner: after the control has painted itself, its frame and button are drawn
// over it from the skin's ComboButton element, leaving the text area the control painted.

#include "skin/ControlSkinner.h"

#include <memory>

class TComboEditHook;

class TSkinComBox : public TSkinControl {
    DEVTOOL_CLASS(TSkinComBox)
public:
    explicit TSkinComBox(TComponent* owner);
    ~TSkinComBox() override;
    void Attach(TVarUdedForm* form, TSkinData* skinData, bool takeColour) override;
    void AttachWindow(HWND window, TSkinData* skinData, TVarUdedForm* form) override;
    void Detach() override;
    void AfterMessage(TMessage& msg) override;
    void Paint(HDC dc, const RECT& rect) override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::ComboBox; }

    // The edit inside a drop-down combo box, subclassed while the skinner lives; null otherwise.
    HWND EditWindow() const;

private:
    void HookEdit();
    // The button's rectangle in window coordinates; false when the button is hidden.
    bool ButtonRect(RECT& rect) const;
    bool RightToLeft() const;
    int ButtonFrame() const;

    std::unique_ptr<TComboEditHook> FEdit;
    bool FDropped = false;
};
