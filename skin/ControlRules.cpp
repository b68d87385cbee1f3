// The choice of skinner for a framework control: the Skin3rd list first, then the class names
// that are never skinned, then the built-in class rules.

#include "framework/Buttons.h"
#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "skin/ControlWalk.h"
#include "skin/VarUdedData.h"

#include <algorithm>
#include <array>
#include <cwctype>

using skin::SkinnerKind;

namespace {

std::wstring Upper(const std::string& text) {
    std::wstring out;
    for (char c : text)
        out.push_back(static_cast<wchar_t>(std::towupper(static_cast<unsigned char>(c))));
    return out;
}

bool OneOf(const std::wstring& name, std::initializer_list<const wchar_t*> names) {
    return std::any_of(names.begin(), names.end(), [&](const wchar_t* n) { return name == n; });
}

bool HasTabsElement(const TSkinData& data) {
    return data.Elements().Tabs != nullptr;
}

} // namespace

bool BearsScrollBars(TControl& control) {
    if (control.InheritsFrom("TCustomListBox") || control.InheritsFrom("TCustomMemo"))
        return true;
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (!windowed || !windowed->HandleAllocated())
        return false;
    return (GetWindowLongPtrW(windowed->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

namespace {

// A windowed control whose window is larger than its client area.
bool HasBorder(TControl& control) {
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (!windowed)
        return false;
    RECT window{};
    RECT client{};
    GetWindowRect(windowed->Handle(), &window);
    GetClientRect(windowed->Handle(), &client);
    return window.right - window.left != client.right ||
           window.bottom - window.top != client.bottom;
}

TSkinnerChoice Kind(SkinnerKind kind, int variant = 0, bool takeColour = false) {
    TSkinnerChoice choice;
    choice.kind = kind;
    choice.variant = variant;
    choice.takeColour = takeColour;
    return choice;
}

TSkinnerChoice FromSkin3rd(TSkinData& data, TControl& control, const std::wstring& kind,
                           const std::wstring& upperClass) {
    const bool rz = upperClass.find(L"TRZ") != std::wstring::npos;
    if (kind == L"combobox")
        return data.Skins(xcCombo) ? Kind(SkinnerKind::ComboBox) : TSkinnerChoice{};
    if (kind == L"edit")
        return data.Skins(xcEdit) && HasBorder(control) ? Kind(SkinnerKind::Edit)
                                                        : TSkinnerChoice{};
    if (kind == L"radiobutton")
        return data.Skins(xcRadioButton) ? Kind(SkinnerKind::RadioButton) : TSkinnerChoice{};
    if (kind == L"checkbox")
        return data.Skins(xcCheckBox) ? Kind(SkinnerKind::CheckBox) : TSkinnerChoice{};
    if (kind == L"panel" || kind == L"trackbar") {
        const bool panel = kind == L"panel";
        if (!data.Skins(panel ? xcPanel : xcButton))
            return {};
        TSkinnerChoice choice =
            panel ? Kind(SkinnerKind::Box, 0, true) : Kind(SkinnerKind::TrackBar);
        choice.setTransparent = true;
        return choice;
    }
    if (kind == L"button")
        return data.Skins(xcButton) ? Kind(SkinnerKind::Button) : TSkinnerChoice{};
    if (kind == L"datetimepicker")
        return data.Skins(xcCombo) ? Kind(SkinnerKind::DateTime) : TSkinnerChoice{};
    if (kind == L"mediaplayer")
        return data.Skins(xcButton) ? Kind(SkinnerKind::MediaPlayer) : TSkinnerChoice{};
    if (kind == L"bitbtn") {
        if (!data.Skins(xcButton))
            return {};
        if (upperClass == L"TCXBUTTON" && GetPropText(&control, "Kind") == L"cxbkDropDownButton")
            return Kind(SkinnerKind::MenuButton);
        return Kind(SkinnerKind::BitButton);
    }
    if (kind == L"pngbitbtn") {
        if (!data.Skins(xcButton))
            return {};
        TSkinnerChoice choice = Kind(SkinnerKind::PngBitButton);
        choice.glyphProperty = "PngImage";
        return choice;
    }
    if (kind == L"menubtn")
        return data.Skins(xcButton) ? Kind(SkinnerKind::MenuButton) : TSkinnerChoice{};
    if (kind == L"speedbutton")
        return data.Skins(xcSpeedButton) ? Kind(SkinnerKind::SpeedButton) : TSkinnerChoice{};
    if (kind == L"tab")
        return data.Skins(xcTab) && HasTabsElement(data) ? Kind(SkinnerKind::Tab)
                                                         : TSkinnerChoice{};
    if (kind == L"progress")
        return data.Skins(xcProgress) ? Kind(SkinnerKind::Progress) : TSkinnerChoice{};
    if (kind == L"scrollbar" || kind == L"singlescrollbar" || kind == L"embedscrollbar") {
        if (!data.Skins(xcScrollbar))
            return {};
        TSkinnerChoice choice;
        if (kind == L"scrollbar") {
            choice.kind = SkinnerKind::Scrollbar;
            choice.walkChildrenAfter = true;
        } else if (kind == L"singlescrollbar") {
            choice.kind = SkinnerKind::SingleScrollbar;
        } else {
            choice.childKind = SkinnerKind::Scrollbar;
            choice.onlyScrollingChildren = true;
        }
        return choice;
    }
    if (kind == L"container") {
        TSkinnerChoice choice;
        choice.walkChildrenAfter = true;
        return choice;
    }
    if (kind == L"groupbox")
        return data.Skins(xcGroupBox) ? Kind(SkinnerKind::GroupBox, 0, true) : TSkinnerChoice{};
    if (kind == L"advpagecontrol")
        return data.Skins(xcTab) ? Kind(SkinnerKind::AdvPage, 4, true) : TSkinnerChoice{};
    if (kind == L"radiogroup") {
        if (!data.Skins(xcGroupBox))
            return {};
        TSkinnerChoice choice = Kind(SkinnerKind::GroupBox, 0, true);
        if (data.Skins(xcRadioButton)) {
            choice.childKind = rz ? SkinnerKind::ObjImage : SkinnerKind::RadioButton;
            choice.childVariant = rz ? 2 : 0;
        }
        return choice;
    }
    if (kind == L"checkgroup") {
        if (!data.Skins(xcPanel))
            return {};
        TSkinnerChoice choice;
        if (data.Skins(xcRadioButton)) {
            choice.childKind = rz ? SkinnerKind::ObjImage : SkinnerKind::CheckBox;
            choice.childVariant = rz ? 1 : 0;
        }
        if (data.Skins(xcGroupBox)) {
            choice.kind = SkinnerKind::GroupBox;
            choice.takeColour = true;
        }
        return choice;
    }
    // "nil", and any kind this engine does not know: left alone.
    return {};
}

TSkinnerChoice TabRule(TSkinData& data, TControl& control) {
    if (!data.Skins(xcTab) || !HasTabsElement(data))
        return {};
    if (auto* pages = dynamic_cast<TPageControl*>(&control))
        return Kind(pages->Style() != TTabStyle::tsTabs ? SkinnerKind::TabButtons
                                                        : SkinnerKind::Tab);
    return Kind(SkinnerKind::Tab, 2);
}

TSkinnerChoice BuiltIn(TSkinData& data, TControl& control, const std::wstring& name) {
    if (control.InheritsFrom("TCustomTabControl"))
        return TabRule(data, control);
    if (name == L"TTABSET")
        return data.Skins(xcTab) && HasTabsElement(data) ? Kind(SkinnerKind::Tab31)
                                                         : TSkinnerChoice{};
    if (control.InheritsFrom("TTabSheet"))
        return data.Skins(xcTab) && HasTabsElement(data) ? Kind(SkinnerKind::TabSheet)
                                                         : TSkinnerChoice{};
    if (name == L"TTABBEDNOTEBOOK")
        return data.Skins(xcTab) && HasTabsElement(data) ? Kind(SkinnerKind::Tab)
                                                         : TSkinnerChoice{};
    if (name == L"TMVCPANEL") {
        TSkinnerChoice choice;
        choice.walkChildrenAfter = true;
        return choice;
    }
    if (OneOf(name, {L"TUPDOWN", L"TSPINBUTTON"}))
        return data.Skins(xcSpin) ? Kind(SkinnerKind::UpDown) : TSkinnerChoice{};
    if (name == L"TMEDIAPLAYER")
        return data.Skins(xcButton) ? Kind(SkinnerKind::MediaPlayer) : TSkinnerChoice{};
    if (name == L"TDBNAVIGATOR") {
        if (!data.Skins(xcPanel))
            return {};
        TSkinnerChoice choice = Kind(SkinnerKind::Box, 0, true);
        choice.walkChildrenAfter = true;
        return choice;
    }
    if (OneOf(name, {L"TRZCHECKBOX", L"TRZDBCHECKBOX"}))
        return data.Skins(xcCheckBox) ? Kind(SkinnerKind::ObjImage, 1) : TSkinnerChoice{};
    if (OneOf(name, {L"TRZRADIOBUTTON", L"TRZDBRADIOBUTTON"}))
        return data.Skins(xcRadioButton) ? Kind(SkinnerKind::ObjImage, 2) : TSkinnerChoice{};
    if (OneOf(name, {L"TCXCHECKBOX", L"TCXDBCHECKBOX"}))
        return data.Skins(xcCheckBox) ? Kind(SkinnerKind::ObjImage, 3) : TSkinnerChoice{};
    if (control.InheritsFrom("TCustomGroupBox")) {
        if (!data.Skins(xcPanel))
            return {};
        TSkinnerChoice choice = Kind(SkinnerKind::GroupBox);
        choice.walkChildrenFirst = true;
        return choice;
    }
    if (control.InheritsFrom("TRadioButton"))
        return data.Skins(xcRadioButton) ? Kind(SkinnerKind::RadioButton) : TSkinnerChoice{};
    // The framework's own check boxes, speed buttons and track bars are standard controls like
    // the radio button: they get the skinners their SkinControls members name.
    if (control.InheritsFrom("TCustomCheckBox"))
        return data.Skins(xcCheckBox) ? Kind(SkinnerKind::CheckBox) : TSkinnerChoice{};
    if (control.InheritsFrom("TSpeedButton"))
        return data.Skins(xcSpeedButton) ? Kind(SkinnerKind::SpeedButton) : TSkinnerChoice{};
    if (control.InheritsFrom("TTrackBar"))
        return data.Skins(xcTrackBar) ? Kind(SkinnerKind::TrackBar) : TSkinnerChoice{};
    if (control.InheritsFrom("TCustomStatusBar"))
        return data.Skins(xcStatusBar) ? Kind(SkinnerKind::StatusBar) : TSkinnerChoice{};
    if (control.InheritsFrom("TProgressBar"))
        return data.Skins(xcProgress) ? Kind(SkinnerKind::Progress) : TSkinnerChoice{};
    if (name == L"TTNTCOMBOBOX" || control.InheritsFrom("TCustomComboBox"))
        return data.Skins(xcCombo) ? Kind(SkinnerKind::ComboBox) : TSkinnerChoice{};
    if (control.InheritsFrom("TDateTimePicker")) {
        if (!data.Skins(xcEdit))
            return {};
        const bool arrows = GetPropText(&control, "DateMode") == L"dmUpDown" ||
                            GetPropText(&control, "Kind") == L"dtkTime";
        return Kind(arrows ? SkinnerKind::Edit : SkinnerKind::DateTime);
    }
    if (OneOf(name, {L"TRICHEDIT", L"TWWDBRICHEDIT", L"TDXDBMEMO"}))
        return data.Skins(xcScrollbar) ? Kind(SkinnerKind::Scrollbar) : TSkinnerChoice{};
    if (control.InheritsFrom("TBitBtn"))
        return data.Skins(xcBitBtn) ? Kind(SkinnerKind::BitButton) : TSkinnerChoice{};
    if (control.InheritsFrom("TCustomPanel")) {
        if (!data.Skins(xcPanel))
            return {};
        TSkinnerChoice choice = Kind(SkinnerKind::Box, 0, true);
        choice.walkChildrenFirst = true;
        return choice;
    }
    // A stand-alone scroll bar control is covered whole by one overlay; a list view's bars
    // are covered like any control's, and its header skinned with them.
    if (control.InheritsFrom("TScrollBar"))
        return data.Skins(xcScrollbar) ? Kind(SkinnerKind::ScrollControl) : TSkinnerChoice{};
    if (name == L"TLISTVIEW" || control.InheritsFrom("TCustomListView"))
        return data.Skins(xcScrollbar) ? Kind(SkinnerKind::ListView) : TSkinnerChoice{};
    if (OneOf(name, {L"TDXTREELIST", L"TDXDBTREELIST", L"TDXDBGRID"}) ||
        control.InheritsFrom("TCustomMemo") || BearsScrollBars(control))
        return data.Skins(xcScrollbar) ? Kind(SkinnerKind::Scrollbar) : TSkinnerChoice{};
    if (control.InheritsFrom("TButton"))
        return data.Skins(xcButton) ? Kind(SkinnerKind::Button) : TSkinnerChoice{};
    if (control.InheritsFrom("TCustomEdit"))
        return data.Skins(xcEdit) ? Kind(SkinnerKind::Edit) : TSkinnerChoice{};
    if (control.InheritsFrom("TCustomForm")) {
        TSkinnerChoice choice = Kind(SkinnerKind::Box, 0, true);
        choice.walkOwned = true;
        return choice;
    }
    if (OneOf(name, {L"TDCEDIT", L"TDCDBEDIT"})) {
        const int64_t buttons = GetOrdProp(&control, "NumButtons");
        if (buttons == 1)
            return data.Skins(xcCombo) ? Kind(SkinnerKind::ComboBox) : TSkinnerChoice{};
        if (buttons == 0 && data.Skins(xcEdit)) {
            TSkinnerChoice choice = Kind(SkinnerKind::Edit);
            choice.windowMode = true;
            return choice;
        }
    }
    return {};
}

} // namespace

TSkinnerChoice ChooseSkinner(TSkinData& data, TControl& control) {
    const std::wstring upper = Upper(control.ClassName());
    const std::wstring kind = data.Skin3rdKind(WideFromUtf8(control.ClassName()));
    if (!kind.empty())
        return FromSkin3rd(data, control, kind, upper);
    if (OneOf(upper, {L"TDBCOMBOBOXEH", L"TFRDESIGNERPAGE", L"TFRPBOX"}))
        return {};
    return BuiltIn(data, control, upper);
}

bool SkinsKind(const TSkinData& data, SkinnerKind kind) {
    switch (kind) {
    case SkinnerKind::Button:
    case SkinnerKind::MenuButton:
    case SkinnerKind::MediaPlayer:
        return data.Skins(xcButton);
    case SkinnerKind::BitButton:
    case SkinnerKind::PngBitButton:
        return data.Skins(xcBitBtn) || data.Skins(xcButton);
    case SkinnerKind::SpeedButton:
        return data.Skins(xcSpeedButton);
    case SkinnerKind::CheckBox:
    case SkinnerKind::ObjImage:
        return data.Skins(xcCheckBox);
    case SkinnerKind::RadioButton:
        return data.Skins(xcRadioButton);
    case SkinnerKind::ComboBox:
    case SkinnerKind::DateTime:
        return data.Skins(xcCombo);
    case SkinnerKind::Edit:
        return data.Skins(xcEdit);
    case SkinnerKind::Tab:
    case SkinnerKind::TabButtons:
    case SkinnerKind::Tab31:
    case SkinnerKind::TabSheet:
    case SkinnerKind::AdvPage:
        return data.Skins(xcTab);
    case SkinnerKind::GroupBox:
        return data.Skins(xcGroupBox);
    case SkinnerKind::Box:
        return data.Skins(xcPanel);
    case SkinnerKind::StatusBar:
        return data.Skins(xcStatusBar);
    case SkinnerKind::Progress:
        return data.Skins(xcProgress);
    case SkinnerKind::TrackBar:
        return data.Skins(xcTrackBar);
    case SkinnerKind::UpDown:
        return data.Skins(xcSpin);
    case SkinnerKind::Scrollbar:
    case SkinnerKind::SingleScrollbar:
    case SkinnerKind::ScrollControl:
    case SkinnerKind::ListView:
        return data.Skins(xcScrollbar);
    case SkinnerKind::None:
    case SkinnerKind::BoxH:
    case SkinnerKind::Sizer:
    case SkinnerKind::Header:
        return true;
    }
    return true;
}
