#pragma once
// The standard controls, each super-classed from its system class.

#include "framework/Controls.h"

// Items of a list or combo box, kept in step with the window.
class TControlItems : public TStrings {
    DEVTOOL_CLASS(TControlItems)
public:
    TControlItems(TWinControl& owner, UINT addMsg, UINT insertMsg, UINT deleteMsg, UINT resetMsg)
        : owner_(owner), addMsg_(addMsg), insertMsg_(insertMsg), deleteMsg_(deleteMsg),
          resetMsg_(resetMsg) {}
    int Count() const override { return static_cast<int>(items_.size()); }
    std::wstring Get(int index) const override { return items_.at(index); }
    int Add(const std::wstring& text) override;
    void Insert(int index, const std::wstring& text) override;
    void Delete(int index) override;
    void Clear() override;
    // Puts every item into a new window.
    void Fill();

private:
    TWinControl& owner_;
    UINT addMsg_, insertMsg_, deleteMsg_, resetMsg_;
    std::vector<std::wstring> items_;
};

class TButtonControl : public TWinControl {
    DEVTOOL_CLASS(TButtonControl)
public:
    explicit TButtonControl(TComponent* owner);
    void WndProc(TMessage& msg) override;

protected:
    // BN_CLICKED reflected from the parent: a click of the button.
    virtual void Clicked() { Click(); }
};

class TButton : public TButtonControl {
    DEVTOOL_CLASS(TButton)
public:
    explicit TButton(TComponent* owner);
    // The button that Enter presses in its form, drawn with the heavier frame.
    bool Default() const { return default_; }
    void SetDefault(bool v);
    // The button that Escape presses in its form.
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    // The button Enter presses now: the focused button, else the default one while no other
    // button has the focus.
    bool Active() const { return active_; }
    void WndProc(TMessage& msg) override;

protected:
    void CreateParams(TCreateParams& params) override;
    // The button style of the window: a push button, drawn as the default while active.
    virtual UINT ButtonType() const { return active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }

private:
    void SetActive(bool v);
    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
extern const TEnumInfo CheckBoxStateNames;

// A check box that keeps its state itself (BS_3STATE), so Checked and State always tell what
// the box shows. A click moves unchecked, checked, then grayed when AllowGrayed.
class TCustomCheckBox : public TButtonControl {
    DEVTOOL_CLASS(TCustomCheckBox)
public:
    explicit TCustomCheckBox(TComponent* owner);
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);
    bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
    void SetChecked(bool v) {
        SetState(v ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
    }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool v) { allowGrayed_ = v; }
    // taRightJustify: the text right of the box (the usual way); taLeftJustify: left of it.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    void Toggle();

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;
    void Clicked() override { Toggle(); }

private:
    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
    bool allowGrayed_ = false;
    TAlignment alignment_ = TAlignment::taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
    DEVTOOL_CLASS(TCheckBox)
public:
    using TCustomCheckBox::TCustomCheckBox;
};

// A radio button (BS_RADIOBUTTON): checking one unchecks the radio buttons beside it under the
// same parent.
class TRadioButton : public TButtonControl {
    DEVTOOL_CLASS(TRadioButton)
public:
    explicit TRadioButton(TComponent* owner);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;
    void Clicked() override;

private:
    bool checked_ = false;
    TAlignment alignment_ = TAlignment::taRightJustify;
};

class TCustomEdit : public TWinControl {
    DEVTOOL_CLASS(TCustomEdit)
public:
    explicit TCustomEdit(TComponent* owner);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    std::wstring PasswordChar() const {
        return passwordChar_ ? std::wstring(1, passwordChar_) : L"";
    }
    void SetPasswordChar(const std::wstring& c);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    void WndProc(TMessage& msg) override;
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;

private:
    int maxLength_ = 0;
    wchar_t passwordChar_ = 0;
    bool readOnly_ = false;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
};

class TEdit : public TCustomEdit {
    DEVTOOL_CLASS(TEdit)
public:
    using TCustomEdit::TCustomEdit;
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
extern const TEnumInfo ScrollStyleNames;

class TCustomMemo;

// The lines of a memo: its text cut at line breaks, kept in the window itself.
class TMemoStrings : public TStrings {
    DEVTOOL_CLASS(TMemoStrings)
public:
    explicit TMemoStrings(TCustomMemo& memo) : memo_(memo) {}
    int Count() const override;
    std::wstring Get(int index) const override;
    int Add(const std::wstring& text) override;
    void Insert(int index, const std::wstring& text) override;
    void Delete(int index) override;
    void Clear() override;

private:
    TCustomMemo& memo_;
};

class TCustomMemo : public TCustomEdit {
    DEVTOOL_CLASS(TCustomMemo)
public:
    explicit TCustomMemo(TComponent* owner);
    TStrings* Lines() { return &lines_; }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle style);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TMemoStrings lines_;
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    bool wordWrap_ = true;
};

class TMemo : public TCustomMemo {
    DEVTOOL_CLASS(TMemo)
public:
    using TCustomMemo::TCustomMemo;
};

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TCustomComboBox : public TWinControl {
    DEVTOOL_CLASS(TCustomComboBox)
public:
    explicit TCustomComboBox(TComponent* owner);
    TStrings* Items() { return &items_; }
    int ItemIndex() const;
    void SetItemIndex(int index);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count) { dropDownCount_ = count; }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int h) { itemHeight_ = h; }
    void SetBounds(int left, int top, int width, int height) override;
    void WndProc(TMessage& msg) override;
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;

private:
    TControlItems items_;
    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
    int dropDownCount_ = 8;
    int itemHeight_ = 13;
    int itemIndex_ = -1;
};

class TComboBox : public TCustomComboBox {
    DEVTOOL_CLASS(TComboBox)
public:
    using TCustomComboBox::TCustomComboBox;
};

class TCustomListBox : public TWinControl {
    DEVTOOL_CLASS(TCustomListBox)
public:
    explicit TCustomListBox(TComponent* owner);
    TStrings* Items() { return &items_; }
    int ItemIndex() const;
    void SetItemIndex(int index);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int h) { itemHeight_ = h; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    void Clear() { items_.Clear(); }
    void WndProc(TMessage& msg) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;

private:
    TControlItems items_;
    int itemHeight_ = 13;
    int itemIndex_ = -1;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
};

class TListBox : public TCustomListBox {
    DEVTOOL_CLASS(TListBox)
public:
    using TCustomListBox::TCustomListBox;
};

enum class TScrollBarKind { sbHorizontal, sbVertical };
extern const TEnumInfo ScrollBarKindNames;

// A stand-alone scroll bar. The standard control only reports the user's scrolling; the thumb
// is moved here, by SmallChange, LargeChange or to where it was dragged.
class TScrollBar : public TWinControl {
    DEVTOOL_CLASS(TScrollBar)
public:
    explicit TScrollBar(TComponent* owner);
    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind kind);
    int Min() const { return min_; }
    void SetMin(int v) { SetParams(position_, v, max_); }
    int Max() const { return max_; }
    void SetMax(int v) { SetParams(position_, min_, v); }
    int Position() const { return position_; }
    void SetPosition(int v) { SetParams(v, min_, max_); }
    int PageSize() const { return pageSize_; }
    void SetPageSize(int v);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int v) { smallChange_ = v; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int v) { largeChange_ = v; }
    void SetParams(int position, int min, int max);
    void WndProc(TMessage& msg) override;
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;

private:
    void Scroll(int code, int trackPos);
    TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
    int min_ = 0, max_ = 100, position_ = 0, pageSize_ = 0;
    int smallChange_ = 1, largeChange_ = 1;
};

// A frame with a caption that holds other controls; painted here, not by the system's
// group-box button.
class TCustomGroupBox : public TCustomControl {
    DEVTOOL_CLASS(TCustomGroupBox)
public:
    explicit TCustomGroupBox(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
};

class TGroupBox : public TCustomGroupBox {
    DEVTOOL_CLASS(TGroupBox)
public:
    using TCustomGroupBox::TCustomGroupBox;
};

class TLabel : public TGraphicControl {
    DEVTOOL_CLASS(TLabel)
public:
    explicit TLabel(TComponent* owner);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    void Loaded() override;

protected:
    void Paint(TCanvas& canvas) override;
    void TextChanged() override;
    void FontChanged() override;

private:
    void AdjustSize();
    bool autoSize_ = true;
    bool transparent_ = true;
};
