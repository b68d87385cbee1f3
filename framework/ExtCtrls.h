#pragma once
// Panels, radio groups and timers.

#include "framework/StdCtrls.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
extern const TEnumInfo BevelCutNames;

// A container with an outer and an inner bevel and its caption drawn inside.
class TCustomPanel : public TCustomControl {
    DEVTOOL_CLASS(TCustomPanel)
public:
    explicit TCustomPanel(TComponent* owner);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut cut);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void TextChanged() override { Invalidate(); }

private:
    TAlignment alignment_ = TAlignment::taCenter;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
};

class TPanel : public TCustomPanel {
    DEVTOOL_CLASS(TPanel)
public:
    using TCustomPanel::TCustomPanel;
};

// A group box of radio buttons made from its Items, one column or several; ItemIndex is the
// checked one (-1: none).
class TCustomRadioGroup : public TCustomGroupBox {
    DEVTOOL_CLASS(TCustomRadioGroup)
public:
    explicit TCustomRadioGroup(TComponent* owner);
    TStrings* Items() { return &items_; }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TRadioButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }
    void Loaded() override;
    void SetBounds(int left, int top, int width, int height) override;

protected:
    void FontChanged() override;

private:
    void UpdateButtons();
    void ArrangeButtons();
    void ButtonClicked(TRadioButton* button);
    TStringList items_;
    std::vector<TRadioButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool updating_ = false;
};

class TRadioGroup : public TCustomRadioGroup {
    DEVTOOL_CLASS(TRadioGroup)
public:
    using TCustomRadioGroup::TCustomRadioGroup;
};

// Calls OnTimer every Interval milliseconds while Enabled, from the message loop.
class TTimer : public TComponent {
    DEVTOOL_CLASS(TTimer)
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    void SetInterval(int interval);
    void Loaded() override { UpdateTimer(); }
    TNotifyEvent OnTimer;

private:
    void UpdateTimer();
    static LRESULT CALLBACK TimerWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    bool enabled_ = true;
    int interval_ = 1000;
};
