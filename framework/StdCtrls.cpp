#include "framework/StdCtrls.h"

#include <algorithm>

// TControlItems

const TClassInfo& TControlItems::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TControlItems, TStrings>("TControlItems", nullptr, false);
    return info;
}

int TControlItems::Add(const std::wstring& text) {
    items_.push_back(text);
    if (owner_.HandleAllocated())
        SendMessageW(owner_.Handle(), addMsg_, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return Count() - 1;
}

void TControlItems::Insert(int index, const std::wstring& text) {
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, text);
    if (owner_.HandleAllocated())
        SendMessageW(owner_.Handle(), insertMsg_, index, reinterpret_cast<LPARAM>(text.c_str()));
}

void TControlItems::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    items_.erase(items_.begin() + index);
    if (owner_.HandleAllocated())
        SendMessageW(owner_.Handle(), deleteMsg_, index, 0);
}

void TControlItems::Clear() {
    items_.clear();
    if (owner_.HandleAllocated())
        SendMessageW(owner_.Handle(), resetMsg_, 0, 0);
}

void TControlItems::Fill() {
    HWND h = owner_.Handle();
    SendMessageW(h, resetMsg_, 0, 0);
    for (const auto& item : items_)
        SendMessageW(h, addMsg_, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

// TButtonControl, TButton

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
    if (msg.Msg == CN_COMMAND && HIWORD(msg.WParam) == BN_CLICKED) {
        Click();
        return;
    }
    TWinControl::WndProc(msg);
}

const TClassInfo& TButton::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TButton, TButtonControl>("TButton", nullptr, true);
    return info;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.BaseClassName = L"BUTTON";
    params.Style |= BS_PUSHBUTTON;
}

// TEdit

const TClassInfo& TEdit::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TEdit, TWinControl>(
        "TEdit",
        [](PropBuilder<TEdit>& b) {
            b.Str("Text", &TEdit::Text, &TEdit::SetText)
                .Int("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength)
                .Str("PasswordChar", &TEdit::PasswordChar, &TEdit::SetPasswordChar)
                .Bool("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly)
                .NotifyEvent("OnChange", &TEdit::OnChange);
        },
        true);
    return info;
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
}

void TEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = L"EDIT";
    params.Style |= ES_AUTOHSCROLL | (readOnly_ ? ES_READONLY : 0);
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::InitializeHandle() {
    SendMessageW(Handle(), EM_LIMITTEXT, maxLength_, 0);
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, passwordChar_, 0);
}

void TEdit::SetMaxLength(int length) {
    maxLength_ = std::max(length, 0);
    if (HandleAllocated())
        SendMessageW(Handle(), EM_LIMITTEXT, maxLength_, 0);
}

void TEdit::SetPasswordChar(const std::wstring& c) {
    passwordChar_ = c.empty() ? 0 : c[0];
    if (HandleAllocated()) {
        SendMessageW(Handle(), EM_SETPASSWORDCHAR, passwordChar_, 0);
        Invalidate();
    }
}

void TEdit::SetReadOnly(bool v) {
    readOnly_ = v;
    if (HandleAllocated())
        SendMessageW(Handle(), EM_SETREADONLY, v, 0);
}

void TEdit::WndProc(TMessage& msg) {
    if (msg.Msg == CN_COMMAND && HIWORD(msg.WParam) == EN_CHANGE) {
        if (OnChange)
            OnChange(this);
        return;
    }
    TWinControl::WndProc(msg);
}

// TComboBox

const TEnumInfo ComboBoxStyleNames{{L"csDropDown", L"csSimple", L"csDropDownList"}};

const TClassInfo& TComboBox::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TComboBox, TWinControl>(
        "TComboBox",
        [](PropBuilder<TComboBox>& b) {
            b.Str("Text", &TComboBox::Text, &TComboBox::SetText)
                .Object("Items", &TComboBox::Items)
                .Int("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex)
                .Enum("Style", ComboBoxStyleNames, &TComboBox::Style, &TComboBox::SetStyle)
                .Int("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount)
                .Int("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight)
                .NotifyEvent("OnChange", &TComboBox::OnChange);
        },
        true);
    return info;
}

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner),
      items_(*this, CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 145, 21);
}

void TComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = L"COMBOBOX";
    params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL;
    switch (style_) {
    case TComboBoxStyle::csDropDown:
        params.Style |= CBS_DROPDOWN;
        break;
    case TComboBoxStyle::csSimple:
        params.Style |= CBS_SIMPLE;
        break;
    case TComboBoxStyle::csDropDownList:
        params.Style |= CBS_DROPDOWNLIST;
        break;
    }
    // The window's height includes the dropped-down list.
    if (style_ != TComboBoxStyle::csSimple)
        params.Height = Height() + dropDownCount_ * (itemHeight_ + 3) + 2;
}

void TComboBox::InitializeHandle() {
    std::wstring text = text_;
    items_.Fill();
    if (itemIndex_ >= 0)
        SendMessageW(Handle(), CB_SETCURSEL, itemIndex_, 0);
    else
        SetWindowTextW(Handle(), text.c_str());
}

void TComboBox::SetBounds(int left, int top, int width, int height) {
    bool changed = left != Left() || top != Top() || width != Width() || height != Height();
    TControl::SetBounds(left, top, width, height);
    if (changed && HandleAllocated() && style_ != TComboBoxStyle::csSimple)
        SetWindowPos(Handle(), nullptr, Left(), Top(), Width(),
                     Height() + dropDownCount_ * (itemHeight_ + 3) + 2,
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

int TComboBox::ItemIndex() const {
    if (!HandleAllocated())
        return itemIndex_;
    return static_cast<int>(
        SendMessageW(const_cast<TComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int index) {
    itemIndex_ = index;
    if (HandleAllocated())
        SendMessageW(Handle(), CB_SETCURSEL, index, 0);
    else if (index >= 0 && index < items_.Count())
        text_ = items_.Get(index);
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    style_ = style;
    RecreateWnd();
}

void TComboBox::WndProc(TMessage& msg) {
    if (msg.Msg == CN_COMMAND) {
        WORD code = HIWORD(msg.WParam);
        if ((code == CBN_EDITCHANGE || code == CBN_SELCHANGE) && OnChange)
            OnChange(this);
        return;
    }
    TWinControl::WndProc(msg);
}

// TListBox

const TClassInfo& TListBox::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TListBox, TWinControl>(
        "TListBox",
        [](PropBuilder<TListBox>& b) {
            b.Object("Items", &TListBox::Items)
                .Int("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex)
                .Int("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight);
        },
        true);
    return info;
}

TListBox::TListBox(TComponent* owner)
    : TWinControl(owner),
      items_(*this, LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
}

void TListBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = L"LISTBOX";
    params.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::InitializeHandle() {
    items_.Fill();
    if (itemIndex_ >= 0)
        SendMessageW(Handle(), LB_SETCURSEL, itemIndex_, 0);
}

int TListBox::ItemIndex() const {
    if (!HandleAllocated())
        return itemIndex_;
    return static_cast<int>(
        SendMessageW(const_cast<TListBox*>(this)->Handle(), LB_GETCURSEL, 0, 0));
}

void TListBox::SetItemIndex(int index) {
    itemIndex_ = index;
    if (HandleAllocated())
        SendMessageW(Handle(), LB_SETCURSEL, index, 0);
}

void TListBox::WndProc(TMessage& msg) {
    if (msg.Msg == CN_COMMAND)
        return;
    TWinControl::WndProc(msg);
}

// TCustomGroupBox

const TClassInfo& TCustomGroupBox::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TCustomGroupBox, TWinControl>(
        "TCustomGroupBox",
        [](PropBuilder<TCustomGroupBox>& b) {
            b.Str("Caption", &TCustomGroupBox::Caption, &TCustomGroupBox::SetCaption);
        },
        false);
    return info;
}

const TClassInfo& TGroupBox::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TGroupBox, TCustomGroupBox>("TGroupBox", nullptr, true);
    return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = L"BUTTON";
    params.Style |= BS_GROUPBOX | WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TCustomGroupBox::WndProc(TMessage& msg) {
    // The system's group box leaves its inside unpainted; it takes the group's colour.
    if (msg.Msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(Handle(), &r);
        FillRect(reinterpret_cast<HDC>(msg.WParam), &r, ColorBrush());
        msg.Result = 1;
        return;
    }
    TWinControl::WndProc(msg);
}

// TLabel

const TClassInfo& TLabel::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TLabel, TGraphicControl>(
        "TLabel",
        [](PropBuilder<TLabel>& b) {
            b.Str("Caption", &TLabel::Caption, &TLabel::SetCaption)
                .Bool("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize)
                .Bool("Transparent", &TLabel::Transparent, &TLabel::SetTransparent);
        },
        true);
    return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 13);
}

void TLabel::SetAutoSize(bool v) {
    autoSize_ = v;
    AdjustSize();
}

void TLabel::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

void TLabel::Loaded() {
    AdjustSize();
}

void TLabel::TextChanged() {
    AdjustSize();
    Invalidate();
}

void TLabel::FontChanged() {
    AdjustSize();
    TGraphicControl::FontChanged();
}

// An auto-sized label is as large as its text in its font.
void TLabel::AdjustSize() {
    if (!autoSize_ || Loading())
        return;
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    std::wstring text = Caption().empty() ? L" " : Caption();
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    if (Caption().empty())
        size.cx = 0;
    SetBounds(Left(), Top(), size.cx, size.cy);
}

void TLabel::Paint(TCanvas& canvas) {
    RECT r = ClientRect();
    if (!transparent_) {
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(r);
    }
    SetBkMode(canvas.Handle(), TRANSPARENT);
    if (!Enabled())
        canvas.Font()->SetColor(clGrayText);
    canvas.TextRect(r, Caption(), DT_LEFT | DT_TOP | DT_NOPREFIX | DT_SINGLELINE);
}
