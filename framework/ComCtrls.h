#pragma once
// Common controls: the page control with its tab sheets, the status bar with its panels, the
// date and time picker, and the range controls (progress bar, track bar, up-down).

#include "framework/DateTime.h"
#include "framework/StdCtrls.h"

class TPageControl;

// A page of a page control: a plain container window shown while its tab is selected.
class TTabSheet : public TWinControl {
    DEVTOOL_CLASS(TTabSheet)
public:
    explicit TTabSheet(TComponent* owner);
    TPageControl* PageControl() const;
    int PageIndex() const;
    void SetParent(TWinControl* parent) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void TextChanged() override;
};

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
extern const TEnumInfo TabPositionNames;
enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };
extern const TEnumInfo TabStyleNames;

// The system's tab control under the framework: where the tabs sit and how they look.
class TCustomTabControl : public TWinControl {
    DEVTOOL_CLASS(TCustomTabControl)
public:
    explicit TCustomTabControl(TComponent* owner);
    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition position);
    TTabStyle Style() const { return style_; }
    void SetStyle(TTabStyle style);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool v);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TTabPosition tabPosition_ = TTabPosition::tpTop;
    TTabStyle style_ = TTabStyle::tsTabs;
    bool multiLine_ = false;
};

class TPageControl : public TCustomTabControl {
    DEVTOOL_CLASS(TPageControl)
public:
    explicit TPageControl(TComponent* owner);
    int PageCount() const;
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    // Form files name the active page: 'ActivePage = TabSheet1'.
    std::wstring ActivePageName() const;
    void SetActivePageName(const std::wstring& name);
    void AlignControls() override;
    void WndProc(TMessage& msg) override;
    void Loaded() override;
    TNotifyEvent OnChange;

    void PagesChanged();

protected:
    void InitializeHandle() override;

private:
    void ShowActivePage();
    TTabSheet* activePage_ = nullptr;
    std::wstring pendingActiveName_;
};

enum class TStatusPanelStyle { psText, psOwnerDraw };
extern const TEnumInfo StatusPanelStyleNames;
enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };
extern const TEnumInfo StatusPanelBevelNames;

class TStatusPanel : public TCollectionItem {
    DEVTOOL_CLASS(TStatusPanel)
public:
    using TCollectionItem::TCollectionItem;
    const std::wstring& Text() const { return text_; }
    void SetText(const std::wstring& text);
    int Width() const { return width_; }
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    TStatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel bevel);
    TStatusPanelStyle Style() const { return style_; }
    void SetStyle(TStatusPanelStyle style);

private:
    std::wstring text_;
    int width_ = 50;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TStatusPanelBevel bevel_ = TStatusPanelBevel::pbLowered;
    TStatusPanelStyle style_ = TStatusPanelStyle::psText;
};

class TCustomStatusBar;
using TDrawPanelEvent =
    std::function<void(TCustomStatusBar* sender, TStatusPanel* panel, const RECT& rect)>;

class TCustomStatusBar : public TWinControl {
    DEVTOOL_CLASS(TCustomStatusBar)
public:
    explicit TCustomStatusBar(TComponent* owner);
    TCollection* Panels() { return &panels_; }
    TStatusPanel* Panel(int index) const;
    // One text over the whole bar instead of the panels.
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool v);
    const std::wstring& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::wstring& text);
    // The grip shows only on a bar whose parent is a form.
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool v);
    // The canvas owner-drawn panels are drawn on while OnDrawPanel runs.
    TCanvas* Canvas() { return &canvas_; }
    void WndProc(TMessage& msg) override;
    TDrawPanelEvent OnDrawPanel;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;

private:
    void UpdatePanels();
    TCollection panels_;
    std::wstring simpleText_;
    bool simplePanel_ = false;
    bool sizeGrip_ = true;
    TCanvas canvas_;
};

class TStatusBar : public TCustomStatusBar {
    DEVTOOL_CLASS(TStatusBar)
public:
    using TCustomStatusBar::TCustomStatusBar;
};

enum class TDateTimeKind { dtkDate, dtkTime };
extern const TEnumInfo DateTimeKindNames;
enum class TDTDateMode { dmComboBox, dmUpDown };
extern const TEnumInfo DateModeNames;
enum class TDTDateFormat { dfShort, dfLong };
extern const TEnumInfo DateFormatNames;

class TDateTimePicker : public TWinControl {
    DEVTOOL_CLASS(TDateTimePicker)
public:
    explicit TDateTimePicker(TComponent* owner);
    TDateTime DateTime() const;
    void SetDateTime(TDateTime value);
    // A time is always edited with arrows; a date drops a calendar down unless dmUpDown.
    TDateTimeKind Kind() const { return kind_; }
    void SetKind(TDateTimeKind kind);
    TDTDateMode DateMode() const { return dateMode_; }
    void SetDateMode(TDTDateMode mode);
    TDTDateFormat DateFormat() const { return dateFormat_; }
    void SetDateFormat(TDTDateFormat format);
    void WndProc(TMessage& msg) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;

private:
    TDateTime value_;
    TDateTimeKind kind_ = TDateTimeKind::dtkDate;
    TDTDateMode dateMode_ = TDTDateMode::dmComboBox;
    TDTDateFormat dateFormat_ = TDTDateFormat::dfShort;
};

enum class TProgressBarOrientation { pbHorizontal, pbVertical };
extern const TEnumInfo ProgressBarOrientationNames;

class TProgressBar : public TWinControl {
    DEVTOOL_CLASS(TProgressBar)
public:
    explicit TProgressBar(TComponent* owner);
    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int Position() const;
    void SetPosition(int v);
    int Step() const { return step_; }
    void SetStep(int v);
    void StepIt();
    TProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TProgressBarOrientation o);
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool v);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;

private:
    int min_ = 0, max_ = 100, position_ = 0, step_ = 10;
    TProgressBarOrientation orientation_ = TProgressBarOrientation::pbHorizontal;
    bool smooth_ = false;
};

enum class TTrackBarOrientation { trHorizontal, trVertical };
extern const TEnumInfo TrackBarOrientationNames;

class TTrackBar : public TWinControl {
    DEVTOOL_CLASS(TTrackBar)
public:
    explicit TTrackBar(TComponent* owner);
    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int Position() const;
    void SetPosition(int v);
    int Frequency() const { return frequency_; }
    void SetFrequency(int v);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation o);
    void WndProc(TMessage& msg) override;
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;

private:
    int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1;
    TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
};

enum class TUDOrientation { udHorizontal, udVertical };
extern const TEnumInfo UDOrientationNames;

// Arrow buttons that step a number, shown in the associated control when there is one.
class TCustomUpDown : public TWinControl {
    DEVTOOL_CLASS(TCustomUpDown)
public:
    explicit TCustomUpDown(TComponent* owner);
    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int Position() const;
    void SetPosition(int v);
    int Increment() const { return increment_; }
    void SetIncrement(int v);
    bool Wrap() const { return wrap_; }
    void SetWrap(bool v);
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation o);
    TWinControl* Associate() const { return associate_.Get(); }
    void SetAssociate(TWinControl* control);
    std::wstring AssociateName() const { return associate_.Name(); }
    void SetAssociateName(const std::wstring& name);
    void Loaded() override;
    void Notification(TComponent* component, bool removing) override;
    void WndProc(TMessage& msg) override;
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;

private:
    int min_ = 0, max_ = 100, position_ = 0, increment_ = 1;
    bool wrap_ = false;
    TUDOrientation orientation_ = TUDOrientation::udVertical;
    TComponentLink<TWinControl> associate_;
};

class TUpDown : public TCustomUpDown {
    DEVTOOL_CLASS(TUpDown)
public:
    using TCustomUpDown::TCustomUpDown;
};
