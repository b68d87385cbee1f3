// One place that makes a skinner of each kind.

#include "skin/ControlWalk.h"
#include "skin/SkinBoxes.h"
#include "skin/SkinButton.h"
#include "skin/SkinCheckBox.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinEdit.h"
#include "skin/SkinHeader.h"
#include "skin/SkinRange.h"
#include "skin/SkinScControl.h"
#include "skin/SkinScrollbar.h"
#include "skin/SkinStatusBar.h"
#include "skin/SkinTab.h"

using skin::SkinnerKind;

TSkinControl* MakeSkinner(SkinnerKind kind, TComponent* owner) {
    switch (kind) {
    case SkinnerKind::Button:
        return new TSkinButton(owner);
    case SkinnerKind::BitButton:
    case SkinnerKind::PngBitButton:
        return new TSkinBitButton(owner);
    case SkinnerKind::MenuButton:
        return new TSkinMenuButton(owner);
    case SkinnerKind::SpeedButton:
        return new TSkinSpeedButton(owner);
    case SkinnerKind::CheckBox:
        return new TSkinCheckBox(owner);
    case SkinnerKind::RadioButton:
        return new TSkinRadioButton(owner);
    case SkinnerKind::ComboBox:
        return new TSkinComBox(owner);
    case SkinnerKind::Edit:
        return new TSkinEdit(owner);
    case SkinnerKind::DateTime:
        return new TSkinDateTime(owner);
    case SkinnerKind::Tab:
        return new TSkinTab(owner);
    case SkinnerKind::TabButtons:
        return new TSkinTabBtn(owner);
    case SkinnerKind::TabSheet:
        return new TSkinTabSheet(owner);
    case SkinnerKind::GroupBox:
        return new TSkinGroupBox(owner);
    case SkinnerKind::Box:
        return new TSkinBox(owner);
    case SkinnerKind::BoxH:
        return new TSkinBoxH(owner);
    case SkinnerKind::Sizer:
        return new TSkinSizer(owner);
    case SkinnerKind::StatusBar:
        return new TSkinStatusBar(owner);
    case SkinnerKind::Progress:
        return new TSkinProgress(owner);
    case SkinnerKind::TrackBar:
        return new TSkinTrackBar(owner);
    case SkinnerKind::UpDown:
        return new TSkinUpDown(owner);
    case SkinnerKind::Header:
        return new TSkinHeader(owner);
    case SkinnerKind::Scrollbar:
        return new TSkinScrollbar(owner);
    case SkinnerKind::SingleScrollbar:
        return new TSkinScrollbar(owner, true);
    case SkinnerKind::ScrollControl:
        return new TSkinScControl(owner);
    case SkinnerKind::ListView:
        return new TSkinListView(owner);
    // These kinds serve control classes the framework does not have.
    case SkinnerKind::Tab31:
    case SkinnerKind::AdvPage:
    case SkinnerKind::MediaPlayer:
    case SkinnerKind::ObjImage:
    case SkinnerKind::None:
        return nullptr;
    }
    return nullptr;
}
