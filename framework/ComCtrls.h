#pragma once
// Common controls: the page control with its tab sheets, the status bar with its panels and
// the date and time picker.

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

class TPageControl : public TWinControl {
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
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;

private:
    void ShowActivePage();
    TTabSheet* activePage_ = nullptr;
    std::wstring pendingActiveName_;
};

class TStatusPanel : public TCollectionItem {
    DEVTOOL_CLASS(TStatusPanel)
public:
    using TCollectionItem::TCollectionItem;
    const std::wstring& Text() const { return text_; }
    void SetText(const std::wstring& text);
    int Width() const { return width_; }
    void SetWidth(int width);

private:
    std::wstring text_;
    int width_ = 50;
};

class TStatusBar : public TWinControl {
    DEVTOOL_CLASS(TStatusBar)
public:
    explicit TStatusBar(TComponent* owner);
    TCollection* Panels() { return &panels_; }
    TStatusPanel* Panel(int index) const;
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool v) { simplePanel_ = v; }
    void WndProc(TMessage& msg) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;

private:
    void UpdatePanels();
    TCollection panels_;
    bool simplePanel_ = false;
};

class TDateTimePicker : public TWinControl {
    DEVTOOL_CLASS(TDateTimePicker)
public:
    explicit TDateTimePicker(TComponent* owner);
    TDateTime DateTime() const;
    void SetDateTime(TDateTime value);
    void WndProc(TMessage& msg) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;

private:
    TDateTime value_;
};
