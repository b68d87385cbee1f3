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

// TCustomEdit, TEdit

const TClassInfo& TCustomEdit::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TCustomEdit, TWinControl>(
        "TCustomEdit",
        [](PropBuilder<TCustomEdit>& b) {
            b.Str("Text", &TCustomEdit::Text, &TCustomEdit::SetText)
                .Int("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength)
                .Str("PasswordChar", &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar)
                .Bool("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly)
                .Enum("BorderStyle", BorderStyleNames, &TCustomEdit::BorderStyle,
                      &TCustomEdit::SetBorderStyle)
                .NotifyEvent("OnChange", &TCustomEdit::OnChange);
        },
        false);
    return info;
}

const TClassInfo& TEdit::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TEdit, TCustomEdit>("TEdit", nullptr, true);
    return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = L"EDIT";
    params.Style |= ES_AUTOHSCROLL | (readOnly_ ? ES_READONLY : 0);
    if (borderStyle_ == TBorderStyle::bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
    if (UseRightToLeftReading())
        params.Style |= ES_RIGHT;
}

void TCustomEdit::InitializeHandle() {
    SendMessageW(Handle(), EM_LIMITTEXT, maxLength_, 0);
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, passwordChar_, 0);
}

void TCustomEdit::SetMaxLength(int length) {
    maxLength_ = std::max(length, 0);
    if (HandleAllocated())
        SendMessageW(Handle(), EM_LIMITTEXT, maxLength_, 0);
}

void TCustomEdit::SetPasswordChar(const std::wstring& c) {
    passwordChar_ = c.empty() ? 0 : c[0];
    if (HandleAllocated()) {
        SendMessageW(Handle(), EM_SETPASSWORDCHAR, passwordChar_, 0);
        Invalidate();
    }
}

void TCustomEdit::SetReadOnly(bool v) {
    readOnly_ = v;
    if (HandleAllocated())
        SendMessageW(Handle(), EM_SETREADONLY, v, 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    RecreateWnd();
}

void TCustomEdit::WndProc(TMessage& msg) {
    if (msg.Msg == CN_COMMAND && HIWORD(msg.WParam) == EN_CHANGE) {
        if (OnChange)
            OnChange(this);
        return;
    }
    TWinControl::WndProc(msg);
}

// TMemoStrings, TCustomMemo, TMemo

namespace {

// The text cut at CR LF; a break at the very end starts no further line.
std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::wstring JoinLines(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i)
            text += L"\r\n";
        text += lines[i];
    }
    return text;
}

} // namespace

const TClassInfo& TMemoStrings::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TMemoStrings, TStrings>("TMemoStrings", nullptr, false);
    return info;
}

int TMemoStrings::Count() const {
    return static_cast<int>(SplitLines(memo_.Text()).size());
}

std::wstring TMemoStrings::Get(int index) const {
    auto lines = SplitLines(memo_.Text());
    if (index < 0 || index >= static_cast<int>(lines.size()))
        return {};
    return lines[static_cast<size_t>(index)];
}

int TMemoStrings::Add(const std::wstring& text) {
    auto lines = SplitLines(memo_.Text());
    lines.push_back(text);
    memo_.SetText(JoinLines(lines));
    return static_cast<int>(lines.size()) - 1;
}

void TMemoStrings::Insert(int index, const std::wstring& text) {
    auto lines = SplitLines(memo_.Text());
    index = std::clamp(index, 0, static_cast<int>(lines.size()));
    lines.insert(lines.begin() + index, text);
    memo_.SetText(JoinLines(lines));
}

void TMemoStrings::Delete(int index) {
    auto lines = SplitLines(memo_.Text());
    if (index < 0 || index >= static_cast<int>(lines.size()))
        return;
    lines.erase(lines.begin() + index);
    memo_.SetText(JoinLines(lines));
}

void TMemoStrings::Clear() {
    memo_.SetText(L"");
}

const TEnumInfo ScrollStyleNames{{L"ssNone", L"ssHorizontal", L"ssVertical", L"ssBoth"}};

const TClassInfo& TCustomMemo::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TCustomMemo, TCustomEdit>(
        "TCustomMemo",
        [](PropBuilder<TCustomMemo>& b) {
            b.Object("Lines", &TCustomMemo::Lines)
                .Enum("ScrollBars", ScrollStyleNames, &TCustomMemo::ScrollBars,
                      &TCustomMemo::SetScrollBars)
                .Bool("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap);
        },
        false);
    return info;
}

const TClassInfo& TMemo::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TMemo, TCustomMemo>("TMemo", nullptr, true);
    return info;
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(*this) {
    SetBounds(0, 0, 185, 89);
}

void TCustomMemo::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    // Wrapped lines never scroll sideways.
    if (wordWrap_)
        params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
    if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth)
        params.Style |= WS_HSCROLL;
    if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth)
        params.Style |= WS_VSCROLL;
}

void TCustomMemo::SetScrollBars(TScrollStyle style) {
    if (style == scrollBars_)
        return;
    scrollBars_ = style;
    RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool v) {
    if (v == wordWrap_)
        return;
    wordWrap_ = v;
    RecreateWnd();
}

// TCustomComboBox, TComboBox

const TEnumInfo ComboBoxStyleNames{{L"csDropDown", L"csSimple", L"csDropDownList"}};

const TClassInfo& TCustomComboBox::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TCustomComboBox, TWinControl>(
        "TCustomComboBox",
        [](PropBuilder<TCustomComboBox>& b) {
            b.Str("Text", &TCustomComboBox::Text, &TCustomComboBox::SetText)
                .Object("Items", &TCustomComboBox::Items)
                .Int("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex)
                .Enum("Style", ComboBoxStyleNames, &TCustomComboBox::Style,
                      &TCustomComboBox::SetStyle)
                .Int("DropDownCount", &TCustomComboBox::DropDownCount,
                     &TCustomComboBox::SetDropDownCount)
                .Int("ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight)
                .NotifyEvent("OnChange", &TCustomComboBox::OnChange);
        },
        false);
    return info;
}

const TClassInfo& TComboBox::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TComboBox, TCustomComboBox>("TComboBox", nullptr, true);
    return info;
}

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner),
      items_(*this, CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 145, 21);
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
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

void TCustomComboBox::InitializeHandle() {
    std::wstring text = text_;
    items_.Fill();
    if (itemIndex_ >= 0)
        SendMessageW(Handle(), CB_SETCURSEL, itemIndex_, 0);
    else
        SetWindowTextW(Handle(), text.c_str());
}

void TCustomComboBox::SetBounds(int left, int top, int width, int height) {
    bool changed = left != Left() || top != Top() || width != Width() || height != Height();
    TControl::SetBounds(left, top, width, height);
    if (changed && HandleAllocated() && style_ != TComboBoxStyle::csSimple)
        SetWindowPos(Handle(), nullptr, Left(), Top(), Width(),
                     Height() + dropDownCount_ * (itemHeight_ + 3) + 2,
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

int TCustomComboBox::ItemIndex() const {
    if (!HandleAllocated())
        return itemIndex_;
    return static_cast<int>(
        SendMessageW(const_cast<TCustomComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int index) {
    itemIndex_ = index;
    if (HandleAllocated())
        SendMessageW(Handle(), CB_SETCURSEL, index, 0);
    else if (index >= 0 && index < items_.Count())
        text_ = items_.Get(index);
}

void TCustomComboBox::SetStyle(TComboBoxStyle style) {
    style_ = style;
    RecreateWnd();
}

void TCustomComboBox::WndProc(TMessage& msg) {
    if (msg.Msg == CN_COMMAND) {
        WORD code = HIWORD(msg.WParam);
        if ((code == CBN_EDITCHANGE || code == CBN_SELCHANGE) && OnChange)
            OnChange(this);
        return;
    }
    TWinControl::WndProc(msg);
}

// TCustomListBox, TListBox

const TClassInfo& TCustomListBox::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TCustomListBox, TWinControl>(
        "TCustomListBox",
        [](PropBuilder<TCustomListBox>& b) {
            b.Object("Items", &TCustomListBox::Items)
                .Int("ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex)
                .Int("ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight)
                .Enum("BorderStyle", BorderStyleNames, &TCustomListBox::BorderStyle,
                      &TCustomListBox::SetBorderStyle);
        },
        false);
    return info;
}

const TClassInfo& TListBox::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TListBox, TCustomListBox>("TListBox", nullptr, true);
    return info;
}

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner),
      items_(*this, LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
}

void TCustomListBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = L"LISTBOX";
    params.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL;
    if (borderStyle_ == TBorderStyle::bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    RecreateWnd();
}

void TCustomListBox::InitializeHandle() {
    items_.Fill();
    if (itemIndex_ >= 0)
        SendMessageW(Handle(), LB_SETCURSEL, itemIndex_, 0);
}

int TCustomListBox::ItemIndex() const {
    if (!HandleAllocated())
        return itemIndex_;
    return static_cast<int>(
        SendMessageW(const_cast<TCustomListBox*>(this)->Handle(), LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int index) {
    itemIndex_ = index;
    if (HandleAllocated())
        SendMessageW(Handle(), LB_SETCURSEL, index, 0);
}

void TCustomListBox::WndProc(TMessage& msg) {
    if (msg.Msg == CN_COMMAND)
        return;
    TWinControl::WndProc(msg);
}
