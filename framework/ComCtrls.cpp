#include "framework/ComCtrls.h"

#include <commctrl.h>

// TTabSheet

const TClassInfo& TTabSheet::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TTabSheet, TWinControl>(
        "TTabSheet",
        [](PropBuilder<TTabSheet>& b) {
            b.Str("Caption", &TTabSheet::Caption, &TTabSheet::SetCaption);
        },
        true);
    return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
}

TPageControl* TTabSheet::PageControl() const {
    return dynamic_cast<TPageControl*>(Parent());
}

int TTabSheet::PageIndex() const {
    TPageControl* pc = PageControl();
    if (!pc)
        return -1;
    for (int i = 0; i < pc->PageCount(); ++i) {
        if (pc->Pages(i) == this)
            return i;
    }
    return -1;
}

void TTabSheet::SetParent(TWinControl* parent) {
    TPageControl* old = PageControl();
    TWinControl::SetParent(parent);
    if (old)
        old->PagesChanged();
    if (TPageControl* pc = PageControl())
        pc->PagesChanged();
}

void TTabSheet::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TTabSheet::TextChanged() {
    if (TPageControl* pc = PageControl())
        pc->PagesChanged();
}

// TPageControl

const TClassInfo& TPageControl::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TPageControl, TWinControl>(
        "TPageControl",
        [](PropBuilder<TPageControl>& b) {
            b.ComponentRef("ActivePage", &TPageControl::ActivePageName,
                           &TPageControl::SetActivePageName)
                .Int("TabIndex", &TPageControl::ActivePageIndex, &TPageControl::SetActivePageIndex)
                .NotifyEvent("OnChange", &TPageControl::OnChange);
        },
        true);
    return info;
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

int TPageControl::PageCount() const {
    int n = 0;
    for (int i = 0; i < ControlCount(); ++i)
        n += dynamic_cast<TTabSheet*>(Controls(i)) != nullptr;
    return n;
}

TTabSheet* TPageControl::Pages(int index) const {
    int n = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        if (auto* sheet = dynamic_cast<TTabSheet*>(Controls(i))) {
            if (n++ == index)
                return sheet;
        }
    }
    return nullptr;
}

int TPageControl::ActivePageIndex() const {
    return activePage_ ? activePage_->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(Pages(index));
}

std::wstring TPageControl::ActivePageName() const {
    return activePage_ ? activePage_->Name() : pendingActiveName_;
}

void TPageControl::SetActivePageName(const std::wstring& name) {
    // The page may not have been read yet: it is looked up once the form is complete.
    pendingActiveName_ = name;
    if (!Loading() && Owner())
        SetActivePage(dynamic_cast<TTabSheet*>(Owner()->FindComponent(name)));
}

void TPageControl::Loaded() {
    if (!pendingActiveName_.empty() && Owner())
        SetActivePage(dynamic_cast<TTabSheet*>(Owner()->FindComponent(pendingActiveName_)));
    if (!activePage_)
        SetActivePage(Pages(0));
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->PageControl() != this)
        return;
    activePage_ = page;
    if (HandleAllocated() && page)
        SendMessageW(Handle(), TCM_SETCURSEL, page->PageIndex(), 0);
    ShowActivePage();
}

void TPageControl::ShowActivePage() {
    for (int i = 0; i < PageCount(); ++i) {
        TTabSheet* sheet = Pages(i);
        if (sheet != activePage_)
            sheet->SetVisible(false);
    }
    if (activePage_) {
        AlignControls();
        activePage_->SetVisible(true);
        if (activePage_->HandleAllocated())
            SetWindowPos(activePage_->Handle(), HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TPageControl::PagesChanged() {
    if (!HandleAllocated())
        return;
    HWND h = Handle();
    SendMessageW(h, TCM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < PageCount(); ++i) {
        std::wstring caption = Pages(i)->Caption();
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(h, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    if (activePage_)
        SendMessageW(h, TCM_SETCURSEL, activePage_->PageIndex(), 0);
    AlignControls();
}

void TPageControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = WC_TABCONTROLW;
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TPageControl::InitializeHandle() {
    PagesChanged();
}

void TPageControl::AlignControls() {
    if (!HandleAllocated())
        return;
    RECT r;
    GetClientRect(Handle(), &r);
    SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    for (int i = 0; i < PageCount(); ++i)
        Pages(i)->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TPageControl::WndProc(TMessage& msg) {
    if (msg.Msg == CN_NOTIFY) {
        auto* hdr = reinterpret_cast<NMHDR*>(msg.LParam);
        if (hdr->code == TCN_SELCHANGE) {
            int index = static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
            SetActivePage(Pages(index));
            if (OnChange)
                OnChange(this);
        }
        msg.Result = 0;
        return;
    }
    TWinControl::WndProc(msg);
}

// TStatusPanel, TStatusBar

const TClassInfo& TStatusPanel::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TStatusPanel, TCollectionItem>(
        "TStatusPanel",
        [](PropBuilder<TStatusPanel>& b) {
            b.Str("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
                .Int("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth);
        },
        false);
    return info;
}

void TStatusPanel::SetText(const std::wstring& text) {
    if (text == text_)
        return;
    text_ = text;
    Changed();
}

void TStatusPanel::SetWidth(int width) {
    if (width == width_)
        return;
    width_ = width;
    Changed();
}

const TClassInfo& TStatusBar::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TStatusBar, TWinControl>(
        "TStatusBar",
        [](PropBuilder<TStatusBar>& b) {
            b.Collection("Panels", &TStatusBar::Panels)
                .Bool("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel);
        },
        true);
    return info;
}

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner),
      panels_([](TCollection* c) { return std::make_unique<TStatusPanel>(c); }) {
    panels_.OnChange = [this] { UpdatePanels(); };
    SetBounds(0, 0, 0, 19);
    SetAlign(TAlign::alBottom);
}

TStatusPanel* TStatusBar::Panel(int index) const {
    if (index < 0 || index >= panels_.Count())
        return nullptr;
    return static_cast<TStatusPanel*>(panels_.Items(index));
}

void TStatusBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = STATUSCLASSNAMEW;
    params.Style |= CCS_NOMOVEY;
}

void TStatusBar::InitializeHandle() {
    UpdatePanels();
}

void TStatusBar::UpdatePanels() {
    if (!HandleAllocated())
        return;
    HWND h = Handle();
    int count = panels_.Count();
    if (count == 0) {
        SendMessageW(h, SB_SIMPLE, TRUE, 0);
        return;
    }
    SendMessageW(h, SB_SIMPLE, FALSE, 0);
    // Each panel ends where the sum of the widths so far ends; the last one runs to the edge.
    std::vector<int> edges(static_cast<size_t>(count));
    int right = 0;
    for (int i = 0; i < count; ++i) {
        right += Panel(i)->Width();
        edges[static_cast<size_t>(i)] = i == count - 1 ? -1 : right;
    }
    SendMessageW(h, SB_SETPARTS, count, reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < count; ++i)
        SendMessageW(h, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(Panel(i)->Text().c_str()));
}

void TStatusBar::WndProc(TMessage& msg) {
    TWinControl::WndProc(msg);
    // The bar chooses its height from its font; the new size reaches us through
    // WM_WINDOWPOSCHANGED and the parent lays its children out again.
    if (msg.Msg == WM_SETFONT && HandleAllocated())
        SendMessageW(Handle(), WM_SIZE, 0, 0);
}

// TDateTimePicker

const TClassInfo& TDateTimePicker::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TDateTimePicker, TWinControl>("TDateTimePicker", nullptr, true);
    return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner), value_(Now()) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 186, 21);
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = DATETIMEPICK_CLASSW;
    params.Style |= DTS_SHORTDATEFORMAT;
}

namespace {
SYSTEMTIME SystemTimeOf(TDateTime value) {
    TDateParts p = DecodeDateTime(value);
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(p.year);
    st.wMonth = static_cast<WORD>(p.month);
    st.wDay = static_cast<WORD>(p.day);
    st.wHour = static_cast<WORD>(p.hour);
    st.wMinute = static_cast<WORD>(p.minute);
    st.wSecond = static_cast<WORD>(p.second);
    return st;
}
} // namespace

void TDateTimePicker::InitializeHandle() {
    SYSTEMTIME st = SystemTimeOf(value_);
    SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
}

TDateTime TDateTimePicker::DateTime() const {
    if (!HandleAllocated())
        return value_;
    SYSTEMTIME st{};
    if (SendMessageW(const_cast<TDateTimePicker*>(this)->Handle(), DTM_GETSYSTEMTIME, 0,
                     reinterpret_cast<LPARAM>(&st)) != GDT_VALID)
        return value_;
    TDateParts p{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, 0};
    return IsValidDate(p.year, p.month, p.day) ? EncodeDateTime(p) : value_;
}

void TDateTimePicker::SetDateTime(TDateTime value) {
    value_ = value;
    if (HandleAllocated())
        InitializeHandle();
}

void TDateTimePicker::WndProc(TMessage& msg) {
    if (msg.Msg == CN_NOTIFY) {
        msg.Result = 0;
        return;
    }
    TWinControl::WndProc(msg);
}
