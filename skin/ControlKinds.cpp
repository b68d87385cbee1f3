#include "skin/ControlKinds.h"

#include <array>

namespace skin {

const char* SkinnerKindName(SkinnerKind kind) {
    switch (kind) {
    case SkinnerKind::None:
        return "None";
    case SkinnerKind::Button:
        return "Button";
    case SkinnerKind::BitButton:
        return "BitButton";
    case SkinnerKind::PngBitButton:
        return "PngBitButton";
    case SkinnerKind::MenuButton:
        return "MenuButton";
    case SkinnerKind::SpeedButton:
        return "SpeedButton";
    case SkinnerKind::CheckBox:
        return "CheckBox";
    case SkinnerKind::RadioButton:
        return "RadioButton";
    case SkinnerKind::ComboBox:
        return "ComboBox";
    case SkinnerKind::Edit:
        return "Edit";
    case SkinnerKind::Tab:
        return "Tab";
    case SkinnerKind::TabButtons:
        return "TabButtons";
    case SkinnerKind::Tab31:
        return "Tab31";
    case SkinnerKind::TabSheet:
        return "TabSheet";
    case SkinnerKind::AdvPage:
        return "AdvPage";
    case SkinnerKind::GroupBox:
        return "GroupBox";
    case SkinnerKind::Box:
        return "Box";
    case SkinnerKind::BoxH:
        return "BoxH";
    case SkinnerKind::StatusBar:
        return "StatusBar";
    case SkinnerKind::Progress:
        return "Progress";
    case SkinnerKind::TrackBar:
        return "TrackBar";
    case SkinnerKind::UpDown:
        return "UpDown";
    case SkinnerKind::DateTime:
        return "DateTime";
    case SkinnerKind::MediaPlayer:
        return "MediaPlayer";
    case SkinnerKind::ObjImage:
        return "ObjImage";
    case SkinnerKind::Sizer:
        return "Sizer";
    case SkinnerKind::Scrollbar:
        return "Scrollbar";
    case SkinnerKind::SingleScrollbar:
        return "SingleScrollbar";
    case SkinnerKind::ScrollControl:
        return "ScrollControl";
    case SkinnerKind::ListView:
        return "ListView";
    case SkinnerKind::Header:
        return "Header";
    }
    return "?";
}

std::wstring LowerAscii(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out) {
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return out;
}

ButtonType ButtonTypeOf(std::uint32_t style) {
    // The type is the value of the low four bits, not a set of flags: split buttons (12, 13) and
    // command links (14, 15) share bits with the check and radio types.
    switch (style & ctlstyle::kButtonTypeMask) {
    case 0x0: // BS_PUSHBUTTON
    case 0x1: // BS_DEFPUSHBUTTON
    case 0x8: // BS_USERBUTTON, drawn as a push button since 32-bit Windows
        return ButtonType::Push;
    case 0x2: // BS_CHECKBOX
    case 0x3: // BS_AUTOCHECKBOX
    case 0x5: // BS_3STATE
    case 0x6: // BS_AUTO3STATE
        return ButtonType::Check;
    case 0x4: // BS_RADIOBUTTON
    case 0x9: // BS_AUTORADIOBUTTON
        return ButtonType::Radio;
    case 0x7:
        return ButtonType::GroupBox;
    case 0xB:
        return ButtonType::OwnerDraw;
    default: // BS_PUSHBOX, split buttons and command links keep their own look
        return ButtonType::Other;
    }
}

namespace {

PlainChoice ChooseButton(std::uint32_t style) {
    const ButtonType type = ButtonTypeOf(style);
    if (type == ButtonType::OwnerDraw || type == ButtonType::GroupBox ||
        (style & ctlstyle::kButtonBitmap))
        return {};
    switch (type) {
    case ButtonType::Check:
        return {SkinnerKind::CheckBox};
    case ButtonType::Radio:
        return {SkinnerKind::RadioButton};
    case ButtonType::Push:
        return {SkinnerKind::Button};
    case ButtonType::GroupBox:
    case ButtonType::OwnerDraw:
    case ButtonType::Other:
        break;
    }
    return {};
}

} // namespace

PlainChoice ChoosePlainWindow(std::wstring_view className, std::uint32_t style, bool hasChild) {
    const std::wstring name = LowerAscii(className);
    if (name == L"button")
        return ChooseButton(style);
    if (name == L"combobox") {
        if ((style & ctlstyle::kComboTypeMask) == ctlstyle::kComboSimple)
            return {};
        return {SkinnerKind::ComboBox};
    }
    if (name == L"comboboxex32") {
        if (!hasChild)
            return {};
        return {SkinnerKind::ComboBox, false, false, true};
    }
    if (name == L"scrollbar") {
        // Only a size grip is painted over; a real scroll bar keeps working and showing.
        if (style & (ctlstyle::kSizeGrip | ctlstyle::kSizeBox))
            return {SkinnerKind::Sizer};
        return {};
    }
    if (name == L"#32770") {
        if (style & ctlstyle::kTabStop)
            return {};
        return {SkinnerKind::BoxH, true};
    }
    static constexpr std::array<std::wstring_view, 3> kPanels = {
        L"tpanel", L"ttntpanel.unicodeclass", L"ttntsilentpaintpanel.unicodeclass"};
    for (std::wstring_view panel : kPanels) {
        if (name == panel)
            return {SkinnerKind::None, true, true};
    }
    if (name == L"tsilentpaintpanel")
        return {SkinnerKind::None, false, true};
    if (name == L"tcheckbox")
        return {SkinnerKind::CheckBox};
    if (name == L"tcombobox")
        return {SkinnerKind::ComboBox};
    if (name == L"tbutton")
        return {SkinnerKind::Button};
    if (name == L"tprogressbar")
        return {SkinnerKind::Progress};
    if (name == L"systabcontrol32") {
        if (style & ctlstyle::kTabOwnerDraw)
            return {};
        return {SkinnerKind::Tab};
    }
    if (name == L"edit")
        return {SkinnerKind::Edit};
    return {};
}

} // namespace skin
