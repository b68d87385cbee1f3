#include "framework/ComCtrls.h"

#include "framework/Forms.h"

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

// TCustomTabControl

const TEnumInfo TabPositionNames{{L"tpTop", L"tpBottom", L"tpLeft", L"tpRight"}};
const TEnumInfo TabStyleNames{{L"tsTabs", L"tsButtons", L"tsFlatButtons"}};

const TClassInfo& TCustomTabControl::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TCustomTabControl, TWinControl>(
        "TCustomTabControl",
        [](PropBuilder<TCustomTabControl>& b) {
            b.Enum("TabPosition", TabPositionNames, &TCustomTabControl::TabPosition,
                   &TCustomTabControl::SetTabPosition)
                .Enum("Style", TabStyleNames, &TCustomTabControl::Style,
                      &TCustomTabControl::SetStyle)
                .Bool("MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine);
        },
        false);
    return info;
}

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = WC_TABCONTROLW;
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
    if (multiLine_)
        params.Style |= TCS_MULTILINE;
    switch (tabPosition_) {
    case TTabPosition::tpTop:
        break;
    case TTabPosition::tpBottom:
        params.Style |= TCS_BOTTOM;
        break;
    case TTabPosition::tpLeft: // side tabs need several rows
        params.Style |= TCS_VERTICAL | TCS_MULTILINE;
        break;
    case TTabPosition::tpRight:
        params.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
        break;
    }
    switch (style_) {
    case TTabStyle::tsTabs:
        break;
    case TTabStyle::tsButtons:
        params.Style |= TCS_BUTTONS;
        break;
    case TTabStyle::tsFlatButtons:
        params.Style |= TCS_BUTTONS | TCS_FLATBUTTONS;
        break;
    }
}

void TCustomTabControl::SetTabPosition(TTabPosition position) {
    if (position == tabPosition_)
        return;
    tabPosition_ = position;
    RecreateWnd();
}

void TCustomTabControl::SetStyle(TTabStyle style) {
    if (style == style_)
        return;
    style_ = style;
    RecreateWnd();
}

void TCustomTabControl::SetMultiLine(bool v) {
    if (v == multiLine_)
        return;
    multiLine_ = v;
    RecreateWnd();
}

// TPageControl

const TClassInfo& TPageControl::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TPageControl, TCustomTabControl>(
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

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {
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
    TCustomTabControl::Loaded();
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
    TCustomTabControl::WndProc(msg);
}

// TStatusPanel, TStatusBar

const TEnumInfo StatusPanelStyleNames{{L"psText", L"psOwnerDraw"}};
const TEnumInfo StatusPanelBevelNames{{L"pbNone", L"pbLowered", L"pbRaised"}};

const TClassInfo& TStatusPanel::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TStatusPanel, TCollectionItem>(
        "TStatusPanel",
        [](PropBuilder<TStatusPanel>& b) {
            b.Str("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
                .Int("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth)
                .Enum("Alignment", AlignmentNames, &TStatusPanel::Alignment,
                      &TStatusPanel::SetAlignment)
                .Enum("Bevel", StatusPanelBevelNames, &TStatusPanel::Bevel, &TStatusPanel::SetBevel)
                .Enum("Style", StatusPanelStyleNames, &TStatusPanel::Style,
                      &TStatusPanel::SetStyle);
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

void TStatusPanel::SetAlignment(TAlignment a) {
    alignment_ = a;
    Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel bevel) {
    bevel_ = bevel;
    Changed();
}

void TStatusPanel::SetStyle(TStatusPanelStyle style) {
    style_ = style;
    Changed();
}

const TClassInfo& TCustomStatusBar::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TCustomStatusBar, TWinControl>(
        "TCustomStatusBar",
        [](PropBuilder<TCustomStatusBar>& b) {
            b.Collection("Panels", &TCustomStatusBar::Panels)
                .Bool("SimplePanel", &TCustomStatusBar::SimplePanel,
                      &TCustomStatusBar::SetSimplePanel)
                .Str("SimpleText", &TCustomStatusBar::SimpleText, &TCustomStatusBar::SetSimpleText)
                .Bool("SizeGrip", &TCustomStatusBar::SizeGrip, &TCustomStatusBar::SetSizeGrip);
        },
        false);
    return info;
}

const TClassInfo& TStatusBar::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TStatusBar, TCustomStatusBar>("TStatusBar", nullptr, true);
    return info;
}

TCustomStatusBar::TCustomStatusBar(TComponent* owner)
    : TWinControl(owner),
      panels_([](TCollection* c) { return std::make_unique<TStatusPanel>(c); }) {
    panels_.OnChange = [this] { UpdatePanels(); };
    SetBounds(0, 0, 0, 19);
    SetAlign(TAlign::alBottom);
}

TStatusPanel* TCustomStatusBar::Panel(int index) const {
    if (index < 0 || index >= panels_.Count())
        return nullptr;
    return static_cast<TStatusPanel*>(panels_.Items(index));
}

void TCustomStatusBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = STATUSCLASSNAMEW;
    params.Style |= CCS_NOMOVEY;
    if (sizeGrip_ && dynamic_cast<TCustomForm*>(Parent()))
        params.Style |= SBARS_SIZEGRIP;
}

void TCustomStatusBar::InitializeHandle() {
    UpdatePanels();
}

void TCustomStatusBar::SetSimplePanel(bool v) {
    simplePanel_ = v;
    UpdatePanels();
}

void TCustomStatusBar::SetSimpleText(const std::wstring& text) {
    simpleText_ = text;
    UpdatePanels();
}

void TCustomStatusBar::SetSizeGrip(bool v) {
    if (v == sizeGrip_)
        return;
    sizeGrip_ = v;
    RecreateWnd();
}

void TCustomStatusBar::UpdatePanels() {
    if (!HandleAllocated())
        return;
    HWND h = Handle();
    int count = panels_.Count();
    if (simplePanel_ || count == 0) {
        SendMessageW(h, SB_SIMPLE, TRUE, 0);
        SendMessageW(h, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(simpleText_.c_str()));
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
    for (int i = 0; i < count; ++i) {
        const TStatusPanel* panel = Panel(i);
        WPARAM part = static_cast<WPARAM>(i);
        if (panel->Bevel() == TStatusPanelBevel::pbNone)
            part |= SBT_NOBORDERS;
        else if (panel->Bevel() == TStatusPanelBevel::pbRaised)
            part |= SBT_POPOUT;
        if (panel->Style() == TStatusPanelStyle::psOwnerDraw) {
            // The bar asks its parent to draw the panel: WM_DRAWITEM comes back as CN_DRAWITEM.
            SendMessageW(h, SB_SETTEXTW, part | SBT_OWNERDRAW, reinterpret_cast<LPARAM>(panel));
            continue;
        }
        // The bar centres text after one tab and right-aligns it after two.
        std::wstring text = panel->Text();
        if (panel->Alignment() == TAlignment::taCenter)
            text = L"\t" + text;
        else if (panel->Alignment() == TAlignment::taRightJustify)
            text = L"\t\t" + text;
        SendMessageW(h, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void TCustomStatusBar::WndProc(TMessage& msg) {
    if (msg.Msg == CN_DRAWITEM) {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(msg.LParam);
        TStatusPanel* panel = Panel(static_cast<int>(draw->itemID));
        if (panel && OnDrawPanel) {
            canvas_.SetHandle(draw->hDC);
            canvas_.Font()->Assign(*Font());
            try {
                OnDrawPanel(this, panel, draw->rcItem);
            } catch (...) {
                canvas_.SetHandle(nullptr);
                throw;
            }
            canvas_.SetHandle(nullptr);
        }
        msg.Result = TRUE;
        return;
    }
    TWinControl::WndProc(msg);
    // The bar chooses its height from its font; the new size reaches us through
    // WM_WINDOWPOSCHANGED and the parent lays its children out again.
    if (msg.Msg == WM_SETFONT && HandleAllocated())
        SendMessageW(Handle(), WM_SIZE, 0, 0);
}

// TDateTimePicker

const TEnumInfo DateTimeKindNames{{L"dtkDate", L"dtkTime"}};
const TEnumInfo DateModeNames{{L"dmComboBox", L"dmUpDown"}};
const TEnumInfo DateFormatNames{{L"dfShort", L"dfLong"}};

const TClassInfo& TDateTimePicker::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TDateTimePicker, TWinControl>(
        "TDateTimePicker",
        [](PropBuilder<TDateTimePicker>& b) {
            b.Enum("Kind", DateTimeKindNames, &TDateTimePicker::Kind, &TDateTimePicker::SetKind)
                .Enum("DateMode", DateModeNames, &TDateTimePicker::DateMode,
                      &TDateTimePicker::SetDateMode)
                .Enum("DateFormat", DateFormatNames, &TDateTimePicker::DateFormat,
                      &TDateTimePicker::SetDateFormat);
        },
        true);
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
    if (kind_ == TDateTimeKind::dtkTime) {
        params.Style |= DTS_TIMEFORMAT;
        return;
    }
    params.Style |= dateFormat_ == TDTDateFormat::dfLong ? DTS_LONGDATEFORMAT : DTS_SHORTDATEFORMAT;
    if (dateMode_ == TDTDateMode::dmUpDown)
        params.Style |= DTS_UPDOWN;
}

void TDateTimePicker::SetKind(TDateTimeKind kind) {
    if (kind == kind_)
        return;
    value_ = DateTime();
    kind_ = kind;
    RecreateWnd();
}

void TDateTimePicker::SetDateMode(TDTDateMode mode) {
    if (mode == dateMode_)
        return;
    value_ = DateTime();
    dateMode_ = mode;
    RecreateWnd();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat format) {
    if (format == dateFormat_)
        return;
    value_ = DateTime();
    dateFormat_ = format;
    RecreateWnd();
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
