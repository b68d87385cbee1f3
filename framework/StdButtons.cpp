// Buttons super-classed from "BUTTON": push buttons, check boxes and radio buttons.

#include "framework/StdCtrls.h"

const TEnumInfo CheckBoxStateNames{{L"cbUnchecked", L"cbChecked", L"cbGrayed"}};

// TButtonControl

const TClassInfo& TButtonControl::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TButtonControl, TWinControl>(
        "TButtonControl",
        [](PropBuilder<TButtonControl>& b) {
            b.Str("Caption", &TButtonControl::Caption, &TButtonControl::SetCaption);
        },
        false);
    return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
}

void TButtonControl::WndProc(TMessage& msg) {
    if (msg.Msg == CN_COMMAND) {
        if (HIWORD(msg.WParam) == BN_CLICKED)
            Clicked();
        return;
    }
    TWinControl::WndProc(msg);
}

// TButton

const TClassInfo& TButton::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TButton, TButtonControl>(
        "TButton",
        [](PropBuilder<TButton>& b) {
            b.Bool("Default", &TButton::Default, &TButton::SetDefault)
                .Bool("Cancel", &TButton::Cancel, &TButton::SetCancel);
        },
        true);
    return info;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool v) {
    if (v == default_)
        return;
    default_ = v;
    SetActive(v);
}

void TButton::SetActive(bool v) {
    if (v == active_)
        return;
    active_ = v;
    if (HandleAllocated())
        SendMessageW(Handle(), BM_SETSTYLE, ButtonType(), TRUE);
}

void TButton::WndProc(TMessage& msg) {
    switch (msg.Msg) {
    case CM_FOCUSCHANGED:
        if (msg.WParam) {
            auto* focused = reinterpret_cast<TWinControl*>(msg.LParam);
            SetActive(focused == this || (default_ && !dynamic_cast<TButton*>(focused)));
        }
        break;
    case CM_DIALOGKEY:
        if (((msg.WParam == VK_RETURN && active_) || (msg.WParam == VK_ESCAPE && cancel_)) &&
            CanFocus()) {
            Click();
            msg.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TButtonControl::WndProc(msg);
}

void TButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.BaseClassName = L"BUTTON";
    params.Style |= ButtonType();
}

// TCustomCheckBox

const TClassInfo& TCustomCheckBox::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TCustomCheckBox, TButtonControl>(
        "TCustomCheckBox",
        [](PropBuilder<TCustomCheckBox>& b) {
            b.Enum("Alignment", AlignmentNames, &TCustomCheckBox::Alignment,
                   &TCustomCheckBox::SetAlignment)
                .Bool("AllowGrayed", &TCustomCheckBox::AllowGrayed,
                      &TCustomCheckBox::SetAllowGrayed)
                .Bool("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked)
                .Enum("State", CheckBoxStateNames, &TCustomCheckBox::State,
                      &TCustomCheckBox::SetState);
        },
        false);
    return info;
}

const TClassInfo& TCheckBox::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TCheckBox, TCustomCheckBox>("TCheckBox", nullptr, true);
    return info;
}

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 97, 17);
}

void TCustomCheckBox::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.BaseClassName = L"BUTTON";
    params.Style |= BS_3STATE;
    // The box stays left of the text unless the text is to be on the left.
    if ((alignment_ == TAlignment::taLeftJustify) != UseRightToLeftReading())
        params.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::InitializeHandle() {
    SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

void TCustomCheckBox::SetState(TCheckBoxState state) {
    if (state == state_)
        return;
    state_ = state;
    if (HandleAllocated())
        SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
    if (!Loading())
        Click();
}

void TCustomCheckBox::SetAlignment(TAlignment a) {
    if (a == alignment_)
        return;
    alignment_ = a;
    RecreateWnd();
}

void TCustomCheckBox::Toggle() {
    switch (state_) {
    case TCheckBoxState::cbUnchecked:
        SetState(TCheckBoxState::cbChecked);
        return;
    case TCheckBoxState::cbChecked:
        SetState(allowGrayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbUnchecked);
        return;
    case TCheckBoxState::cbGrayed:
        SetState(TCheckBoxState::cbUnchecked);
        return;
    }
}

// TRadioButton

const TClassInfo& TRadioButton::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TRadioButton, TButtonControl>(
        "TRadioButton",
        [](PropBuilder<TRadioButton>& b) {
            b.Enum("Alignment", AlignmentNames, &TRadioButton::Alignment,
                   &TRadioButton::SetAlignment)
                .Bool("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked);
        },
        true);
    return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.BaseClassName = L"BUTTON";
    params.Style |= BS_RADIOBUTTON;
    if ((alignment_ == TAlignment::taLeftJustify) != UseRightToLeftReading())
        params.Style |= BS_LEFTTEXT;
}

void TRadioButton::InitializeHandle() {
    SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool v) {
    if (v == checked_)
        return;
    checked_ = v;
    if (HandleAllocated())
        SendMessageW(Handle(), BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!v)
        return;
    if (TWinControl* parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i));
            if (other && other != this)
                other->SetChecked(false);
        }
    }
    if (!Loading())
        Click();
}

void TRadioButton::SetAlignment(TAlignment a) {
    if (a == alignment_)
        return;
    alignment_ = a;
    RecreateWnd();
}

void TRadioButton::Clicked() {
    SetChecked(true);
}
