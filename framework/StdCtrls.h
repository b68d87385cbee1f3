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
};

class TButton : public TButtonControl {
    DEVTOOL_CLASS(TButton)
public:
    explicit TButton(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
};

class TEdit : public TWinControl {
    DEVTOOL_CLASS(TEdit)
public:
    explicit TEdit(TComponent* owner);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    std::wstring PasswordChar() const {
        return passwordChar_ ? std::wstring(1, passwordChar_) : L"";
    }
    void SetPasswordChar(const std::wstring& c);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    void WndProc(TMessage& msg) override;
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;

private:
    int maxLength_ = 0;
    wchar_t passwordChar_ = 0;
    bool readOnly_ = false;
};

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TWinControl {
    DEVTOOL_CLASS(TComboBox)
public:
    explicit TComboBox(TComponent* owner);
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

class TListBox : public TWinControl {
    DEVTOOL_CLASS(TListBox)
public:
    explicit TListBox(TComponent* owner);
    TStrings* Items() { return &items_; }
    int ItemIndex() const;
    void SetItemIndex(int index);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int h) { itemHeight_ = h; }
    void Clear() { items_.Clear(); }
    void WndProc(TMessage& msg) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;

private:
    TControlItems items_;
    int itemHeight_ = 13;
    int itemIndex_ = -1;
};

class TCustomGroupBox : public TWinControl {
    DEVTOOL_CLASS(TCustomGroupBox)
public:
    explicit TCustomGroupBox(TComponent* owner);
    void WndProc(TMessage& msg) override;

protected:
    void CreateParams(TCreateParams& params) override;
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
