#pragma once
// The control walk of a window skinner: which skinner each control of a skinned window gets, and
// attaching it. A framework form's controls are chosen for by class, ancestry and published
// properties; the child windows of a plain window (a standard dialog) by window class and style.

#include "skin/ControlKinds.h"

#include <windows.h>

#include <string>

class TComponent;
class TControl;
class TSkinControl;
class TSkinData;
class TVarUdedForm;

// What a framework control gets, when its choice does not end in the walk itself.
struct TSkinnerChoice {
    skin::SkinnerKind kind = skin::SkinnerKind::None;
    int variant = 0;
    bool takeColour = false;
    // The skinner subclasses the control's window instead of taking its WindowProc.
    bool windowMode = false;
    // The control's child controls are decided before the control gets its skinner.
    bool walkChildrenFirst = false;
    // ...or after it.
    bool walkChildrenAfter = false;
    // An embedded form: the components it owns are walked.
    bool walkOwned = false;
    // Every child control gets this skinner, whatever the rules would say of it.
    skin::SkinnerKind childKind = skin::SkinnerKind::None;
    int childVariant = 0;
    // Only the children that bear scroll bars get childKind.
    bool onlyScrollingChildren = false;
    // Written as "True" before the skinner attaches.
    bool setTransparent = false;
    // The published picture a bit button takes its glyph from, when not "Glyph".
    std::string glyphProperty;
};

// The choice for a framework control by the skin data's Skin3rd list, the excluded class names
// and the built-in class rules, in that order.
TSkinnerChoice ChooseSkinner(TSkinData& skinData, TControl& control);

// A control with its own scroll bars: by its window's style, or by being a list or a memo.
bool BearsScrollBars(TControl& control);

// Whether the skin data's SkinControls lets this kind of skinner work.
bool SkinsKind(const TSkinData& skinData, skin::SkinnerKind kind);

// A new skinner of this kind (its owner: the framework control, or null in window mode); null
// for the kinds this engine has no skinner for yet.
TSkinControl* MakeSkinner(skin::SkinnerKind kind, TComponent* owner);

// Walks the window's controls and attaches their skinners (the activation step); the skinners
// of controls whose windows are gone are freed first.
void AttachControlSkinners(TVarUdedForm& form);
// A control window made inside the window after activation (a size grip) gets its skinner.
void AttachControlSkinner(TVarUdedForm& form, HWND control);
