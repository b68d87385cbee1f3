#pragma once
// The skin gallery's window: every standard control in its states (enabled, disabled, checked,
// focused, default), read from its form file, so a skin can be seen on all of them at once.

#include "framework/Forms.h"
#include "framework/StdCtrls.h"

#include <string_view>
#include <vector>

class TSkinData;

// A push button that drops a menu down: the Skin3rd list gives it the menu button skinner.
class TGalleryMenuButton : public TButton {
    DEVTOOL_CLASS(TGalleryMenuButton)
public:
    using TButton::TButton;
};

class TGalleryForm : public TForm {
    DEVTOOL_CLASS(TGalleryForm)
public:
    // Reads the window from the form file held in the program's resources.
    explicit TGalleryForm(TComponent* owner);
    TSkinData& SkinData() const;

    // The Skin3rd line that makes TGalleryMenuButton a menu button.
    static constexpr const wchar_t* kMenuButtonLine = L"TGalleryMenuButton=menubtn";

private:
    void GiveGlyphs();
};

// Makes the gallery's classes known to the form reader. Call before the first gallery is made.
void RegisterGalleryClasses();
