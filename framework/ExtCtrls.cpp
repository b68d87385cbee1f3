#include "framework/ExtCtrls.h"

#include <algorithm>
#include <cstdlib>

// TCustomPanel

const TEnumInfo BevelCutNames{{L"bvNone", L"bvLowered", L"bvRaised", L"bvSpace"}};

const TClassInfo& TCustomPanel::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TCustomPanel, TCustomControl>(
        "TCustomPanel",
        [](PropBuilder<TCustomPanel>& b) {
            b.Str("Caption", &TCustomPanel::Caption, &TCustomPanel::SetCaption)
                .Enum("Alignment", AlignmentNames, &TCustomPanel::Alignment,
                      &TCustomPanel::SetAlignment)
                .Enum("BevelInner", BevelCutNames, &TCustomPanel::BevelInner,
                      &TCustomPanel::SetBevelInner)
                .Enum("BevelOuter", BevelCutNames, &TCustomPanel::BevelOuter,
                      &TCustomPanel::SetBevelOuter)
                .Int("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth)
                .Int("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth)
                .Enum("BorderStyle", BorderStyleNames, &TCustomPanel::BorderStyle,
                      &TCustomPanel::SetBorderStyle);
        },
        false);
    return info;
}

const TClassInfo& TPanel::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TPanel, TCustomPanel>("TPanel", nullptr, true);
    return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
    if (borderStyle_ == TBorderStyle::bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomPanel::SetAlignment(TAlignment a) {
    alignment_ = a;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut cut) {
    bevelInner_ = cut;
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut cut) {
    bevelOuter_ = cut;
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int width) {
    bevelWidth_ = std::max(width, 1);
    Invalidate();
}

void TCustomPanel::SetBorderWidth(int width) {
    borderWidth_ = std::max(width, 0);
    Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    RecreateWnd();
}

namespace {
// One bevel, BevelWidth lines deep, drawn inward from `r`, which it shrinks.
void DrawBevel(HDC dc, RECT& r, TBevelCut cut, int width) {
    if (cut == TBevelCut::bvNone)
        return;
    for (int i = 0; i < width; ++i) {
        if (cut == TBevelCut::bvLowered)
            DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        else if (cut == TBevelCut::bvRaised)
            DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
        else
            InflateRect(&r, -1, -1);
    }
}
} // namespace

// Outer bevel, border, inner bevel, then the caption inside them.
void TCustomPanel::Paint() {
    TCanvas& canvas = *Canvas();
    HDC dc = canvas.Handle();
    RECT r = ClientRect();
    DrawBevel(dc, r, bevelOuter_, bevelWidth_);
    InflateRect(&r, -borderWidth_, -borderWidth_);
    DrawBevel(dc, r, bevelInner_, bevelWidth_);
    const std::wstring caption = Caption();
    if (caption.empty())
        return;
    SetBkMode(dc, TRANSPARENT);
    if (!Enabled())
        canvas.Font()->SetColor(clGrayText);
    UINT flags = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    TAlignment a = alignment_;
    if (UseRightToLeftReading()) {
        flags |= DT_RTLREADING;
        if (a != TAlignment::taCenter)
            a = a == TAlignment::taLeftJustify ? TAlignment::taRightJustify
                                               : TAlignment::taLeftJustify;
    }
    switch (a) {
    case TAlignment::taLeftJustify:
        flags |= DT_LEFT;
        break;
    case TAlignment::taRightJustify:
        flags |= DT_RIGHT;
        break;
    case TAlignment::taCenter:
        flags |= DT_CENTER;
        break;
    }
    canvas.TextRect(r, caption, flags);
}

// TCustomRadioGroup, TRadioGroup

namespace {
// The buttons of a radio group: owned by the group, not by the form.
class TGroupButton : public TRadioButton {
    DEVTOOL_CLASS(TGroupButton)
public:
    using TRadioButton::TRadioButton;
};

const TClassInfo& TGroupButton::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TGroupButton, TRadioButton>("TGroupButton", nullptr, false);
    return info;
}
} // namespace

const TClassInfo& TCustomRadioGroup::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TCustomRadioGroup, TCustomGroupBox>(
        "TCustomRadioGroup",
        [](PropBuilder<TCustomRadioGroup>& b) {
            b.Object("Items", &TCustomRadioGroup::Items)
                .Int("ItemIndex", &TCustomRadioGroup::ItemIndex, &TCustomRadioGroup::SetItemIndex)
                .Int("Columns", &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns);
        },
        false);
    return info;
}

const TClassInfo& TRadioGroup::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TRadioGroup, TCustomRadioGroup>("TRadioGroup", nullptr, true);
    return info;
}

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {
    items_.OnChange = [this] { UpdateButtons(); };
}

void TCustomRadioGroup::Loaded() {
    TCustomGroupBox::Loaded();
    UpdateButtons();
}

void TCustomRadioGroup::SetItemIndex(int index) {
    if (Loading()) { // the items may come later in the form file
        itemIndex_ = index;
        return;
    }
    if (index < -1 || index >= items_.Count())
        index = -1;
    itemIndex_ = index;
    updating_ = true;
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->SetChecked(static_cast<int>(i) == index);
    updating_ = false;
}

void TCustomRadioGroup::SetColumns(int columns) {
    columns_ = std::clamp(columns, 1, 16);
    ArrangeButtons();
}

void TCustomRadioGroup::SetBounds(int left, int top, int width, int height) {
    TCustomGroupBox::SetBounds(left, top, width, height);
    ArrangeButtons();
}

void TCustomRadioGroup::FontChanged() {
    TCustomGroupBox::FontChanged();
    ArrangeButtons();
}

// One button per item, made again whenever the items change.
void TCustomRadioGroup::UpdateButtons() {
    if (Loading())
        return;
    while (buttons_.size() > static_cast<size_t>(items_.Count())) {
        delete buttons_.back();
        buttons_.pop_back();
    }
    while (buttons_.size() < static_cast<size_t>(items_.Count())) {
        auto* button = new TGroupButton(this);
        button->SetTabStop(false);
        button->SetParent(this);
        button->OnClick = [this, button](TObject*) { ButtonClicked(button); };
        buttons_.push_back(button);
    }
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->SetCaption(items_.Get(static_cast<int>(i)));
    SetItemIndex(itemIndex_);
    ArrangeButtons();
}

// Columns side by side below the caption, the rows sharing the height left.
void TCustomRadioGroup::ArrangeButtons() {
    if (buttons_.empty())
        return;
    const int count = static_cast<int>(buttons_.size());
    const int rows = (count + columns_ - 1) / columns_;
    const int top = std::abs(Font()->Height()) + 6;
    const int columnWidth = std::max((Width() - 10) / columns_, 1);
    const int rowHeight = std::max((Height() - top - 4) / rows, 1);
    const int buttonHeight = std::min(rowHeight, std::abs(Font()->Height()) + 6);
    for (int i = 0; i < count; ++i) {
        int column = i / rows, row = i % rows;
        buttons_[static_cast<size_t>(i)]->SetBounds(
            8 + column * columnWidth, top + row * rowHeight + (rowHeight - buttonHeight) / 2,
            columnWidth - 4, buttonHeight);
    }
}

void TCustomRadioGroup::ButtonClicked(TRadioButton* button) {
    if (updating_ || !button->Checked())
        return;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i] == button)
            itemIndex_ = static_cast<int>(i);
    }
    Click();
}

// TTimer

const TClassInfo& TTimer::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TTimer, TComponent>(
        "TTimer",
        [](PropBuilder<TTimer>& b) {
            b.Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
                .Int("Interval", &TTimer::Interval, &TTimer::SetInterval)
                .NotifyEvent("OnTimer", &TTimer::OnTimer);
        },
        true);
    return info;
}

LRESULT CALLBACK TTimer::TimerWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
        auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (timer && timer->enabled_ && timer->OnTimer) {
            try {
                timer->OnTimer(timer);
            } catch (...) {
                HandleCurrentException();
            }
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = TimerWndProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TTimerWindow";
        return RegisterClassW(&wc) != 0;
    }();
    (void)registered;
    window_ = CreateWindowExW(0, L"TTimerWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (window_)
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimer::~TTimer() {
    if (window_) {
        KillTimer(window_, 1);
        DestroyWindow(window_);
    }
}

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(int interval) {
    interval_ = interval;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (!window_ || Loading())
        return;
    KillTimer(window_, 1);
    if (enabled_ && interval_ > 0)
        SetTimer(window_, 1, static_cast<UINT>(interval_), nullptr);
}
