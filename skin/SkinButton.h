#pragma once
// The button skinners: push buttons, bit buttons with their glyph, drop-down menu buttons and
// the speed buttons that have no window. Each picture is composed in the skinner's own buffer
// and copied to the screen in one blit, so a button never flickers.

#include "skin/ControlPicture.h"
#include "skin/ControlSkinner.h"

#include <string>

class TBitmap;
class TDataSkinButton;

// A push button: the Buttons element's five frames (normal, pressed, disabled, hot, focused)
// behind a centred caption. The mouse press is taken from the native button, so the click is
// produced here when the pressed button is released.
class TSkinButton : public TSkinControl {
    DEVTOOL_CLASS(TSkinButton)
public:
    using TSkinControl::TSkinControl;
    void Attach(TVarUdedForm* form, TSkinData* skinData, bool takeColour) override;
    void AttachWindow(HWND window, TSkinData* skinData, TVarUdedForm* form) override;
    bool BeforeMessage(TMessage& msg) override;
    void AfterMessage(TMessage& msg) override;
    void Paint(HDC dc, const RECT& rect) override;
    void Refresh() override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::Button; }

protected:
    // The face follows from the frame, caption, font and focus alone, so an unchanged state may
    // show the picture composed last.
    virtual bool FaceFollowsState() const { return true; }
    // The skin has a picture for this button.
    bool CanPaint() const;
    // The frame the button's state shows.
    int CurrentFrame() const;
    // Draws what lies on the face (the caption; glyph and caption for bit buttons) into the
    // composed picture.
    virtual void PaintFace(HDC dc, const RECT& rect, int frame);
    // Draws the background and the Buttons element of `frame` into `dc`.
    void PaintBackground(HDC dc, const RECT& rect, int frame);
    // Selects the caption font and colour for `frame` into `dc`.
    void PrepareText(HDC dc, int frame) const;
    bool NoFocusRect() const;
    // The caption as drawn: "||" becomes a line break.
    std::wstring Caption() const;
    // The pressed button was released over itself: the click.
    void ProduceClick();
    // The shared frame and buffer painting of every button: background, element, face, copy.
    void ComposeAndCopy(HDC dc, const RECT& rect, int frame);

    skin::ControlPicture FPicture;
    bool FTransparent = false;
    bool FMultiLine = false;

private:
    void PressWithMouse(const TMessage& msg);
};

// A bit button: the push button's frames with the control's glyph laid out beside the caption
// as the framework's bit button lays it out.
class TSkinBitButton : public TSkinButton {
    DEVTOOL_CLASS(TSkinBitButton)
public:
    using TSkinButton::TSkinButton;
    // The published picture the glyph comes from ("Glyph" unless set).
    void SetGlyphProperty(const std::string& name) { FGlyphProperty = name; }
    bool BeforeMessage(TMessage& msg) override;
    skin::SkinnerKind Kind() const override {
        return FGlyphProperty == "Glyph" ? skin::SkinnerKind::BitButton
                                         : skin::SkinnerKind::PngBitButton;
    }

protected:
    void PaintFace(HDC dc, const RECT& rect, int frame) override;
    // The glyph is the control's, which may change without a message to the button.
    bool FaceFollowsState() const override { return false; }

private:
    std::string FGlyphProperty = "Glyph";
};

// A drop-down menu button: the push button with its caption moved left of a drawn triangle.
class TSkinMenuButton : public TSkinButton {
    DEVTOOL_CLASS(TSkinMenuButton)
public:
    using TSkinButton::TSkinButton;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::MenuButton; }

protected:
    void PaintFace(HDC dc, const RECT& rect, int frame) override;
};

// A speed button: a graphic control painted by its parent. The skinner takes its WindowProc
// only and paints into the device context the parent hands over.
class TSkinSpeedButton : public TSkinBitButton {
    DEVTOOL_CLASS(TSkinSpeedButton)
public:
    using TSkinBitButton::TSkinBitButton;
    bool BeforeMessage(TMessage& msg) override;
    void AfterMessage(TMessage& msg) override;
    void Paint(HDC dc, const RECT& rect) override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::SpeedButton; }

private:
    int SpeedFrame() const;
};

// Lays out and draws a button's glyph (sub-image 1 normal, 2 disabled, 3 pressed; or the image
// of its image list) and caption within `area`, as the framework's glyph buttons lay them out.
// Answers where the caption went.
RECT DrawGlyphAndCaption(HDC dc, const RECT& area, TControl& control, TBitmap* glyph,
                         const std::wstring& caption, bool enabled, bool pressed, UINT textFlags);
