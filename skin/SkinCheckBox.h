#pragma once
// The check box and radio button skinners: the box or circle from the Buttons element's check or
// radio strip, then the caption. Without the strip the control keeps its own painting.

#include "skin/ControlPicture.h"
#include "skin/ControlSkinner.h"

class SkinImage;

class TSkinCheckBox : public TSkinControl {
    DEVTOOL_CLASS(TSkinCheckBox)
public:
    using TSkinControl::TSkinControl;
    void Attach(TVarUdedForm* form, TSkinData* skinData, bool takeColour) override;
    void AttachWindow(HWND window, TSkinData* skinData, TVarUdedForm* form) override;
    bool BeforeMessage(TMessage& msg) override;
    void AfterMessage(TMessage& msg) override;
    void Paint(HDC dc, const RECT& rect) override;
    void Refresh() override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::CheckBox; }

protected:
    // The strip and its frame count.
    virtual const SkinImage* Strip(int& frames) const;
    bool CanPaint() const;

private:
    skin::CheckMark CurrentMark() const;
    void ReadTransparency();
    // The box or circle of the state and the caption, into the composed picture.
    void PaintBoxAndText(HDC target, const RECT& whole, const SkinImage& strip, int frames,
                         int frame);

    skin::ControlPicture FPicture;
    bool FTransparent = false;
    int FLastSetCheck = -1;
};

class TSkinRadioButton : public TSkinCheckBox {
    DEVTOOL_CLASS(TSkinRadioButton)
public:
    using TSkinCheckBox::TSkinCheckBox;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::RadioButton; }

protected:
    const SkinImage* Strip(int& frames) const override;
};
