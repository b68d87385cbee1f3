#pragma once
// Controls: the replaceable message method WindowProc, windowed controls super-classed from the
// standard window classes under their framework class names, and graphic controls painted by
// their parent.

#include "framework/Graphics.h"
#include "framework/Messages.h"

#include <functional>

class TWinControl;
class TPopupMenu;

using TWndMethod = std::function<void(TMessage&)>;
using TNotifyEvent = std::function<void(TObject*)>;
using TKeyPressEvent = std::function<void(TObject*, wchar_t&)>;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
extern const TEnumInfo AlignNames;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Where text sits in a control.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
extern const TEnumInfo AlignmentNames;
// A single line border or none, for edits, lists and panels.
enum class TBorderStyle { bsNone, bsSingle };
extern const TEnumInfo BorderStyleNames;
// Reading order; the right-to-left forms put text and scroll bars on the other side.
enum class TBiDiMode {
    bdLeftToRight,
    bdRightToLeft,
    bdRightToLeftNoAlign,
    bdRightToLeftReadingOnly
};
extern const TEnumInfo BiDiModeNames;

class TControl : public TComponent {
    DEVTOOL_CLASS(TControl)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    void SetParentComponent(TComponent* parent) override;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    virtual RECT ClientRect() const { return {0, 0, width_, height_}; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Whether this control and all its parents are visible.
    bool Showing() const;

    std::wstring Caption() const { return GetText(); }
    void SetCaption(const std::wstring& text) { SetText(text); }
    std::wstring Text() const { return GetText(); }
    virtual std::wstring GetText() const { return text_; }
    virtual void SetText(const std::wstring& text);

    TFont* Font() { return &font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    bool ParentBackground() const { return parentBackground_; }
    void SetParentBackground(bool v);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode mode);
    bool UseRightToLeftReading() const { return biDiMode_ != TBiDiMode::bdLeftToRight; }
    // The menu a right click on the control opens.
    TPopupMenu* PopupMenu() const { return popupMenu_.Get(); }
    void SetPopupMenu(TPopupMenu* menu) { popupMenu_.Set(menu); }
    std::wstring PopupMenuName() const;
    void SetPopupMenuName(const std::wstring& name);
    void Loaded() override;
    void Notification(TComponent* component, bool removing) override;

    // Every message of the control passes through WindowProc. A caller may put its own method
    // in front, keep the previous one and call it.
    TWndMethod WindowProc;
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual void WndProc(TMessage& msg);
    virtual void DefaultHandler(TMessage& msg);

    virtual void Click();
    virtual void MouseDown(TMouseButton button, unsigned shift, int x, int y);
    void Invalidate();
    bool MouseInControl() const { return mouseInControl_; }

    TNotifyEvent OnClick;
    std::function<void(TObject*, TMouseButton, unsigned, int, int)> OnMouseDown;

protected:
    std::wstring text_;
    virtual void FontChanged();
    virtual void ColorChanged() { Invalidate(); }
    virtual void VisibleChanged();
    virtual void EnabledChanged() { Invalidate(); }
    virtual void TextChanged() { Invalidate(); }
    virtual void BiDiModeChanged() { Invalidate(); }
    void RequestAlign();

private:
    friend class TWinControl;
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    bool parentFont_ = true;
    bool parentColor_ = false;
    bool parentBackground_ = false;
    bool mouseInControl_ = false;
    TColor color_ = clBtnFace;
    TAlign align_ = TAlign::alNone;
    TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
    TFont font_;
    TComponentLink<TPopupMenu> popupMenu_;
};

// A control without a window of its own: its parent paints it into its own device context
// by sending it WM_PAINT with that DC in wParam.
class TGraphicControl : public TControl {
    DEVTOOL_CLASS(TGraphicControl)
public:
    using TControl::TControl;
    // Bound to the parent's device context while WM_PAINT runs; a caller in front of WindowProc
    // may bind it to the DC in wParam to paint the control itself.
    TCanvas* Canvas() { return &canvas_; }
    void WndProc(TMessage& msg) override;

protected:
    virtual void Paint(TCanvas& canvas) = 0;

private:
    TCanvas canvas_;
};

struct TCreateParams {
    std::wstring Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    // The standard class this one is super-classed from; empty for a class of our own.
    std::wstring BaseClassName;
    UINT ClassStyle = CS_DBLCLKS;
};

class TWinControl : public TControl {
    DEVTOOL_CLASS(TWinControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // The window, made on first use.
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    void DestroyHandle();
    // Destroys and makes the window again (style changes); CM_RECREATEWND tells the control.
    void RecreateWnd();

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(index); }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order) { tabOrder_ = order; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }
    // Children that take part in tab order, in tab order.
    std::vector<TWinControl*> TabList() const;

    std::wstring GetText() const override;
    void SetText(const std::wstring& text) override;
    void SetBounds(int left, int top, int width, int height) override;
    RECT ClientRect() const override;
    // The client area less what aligned children take: where an MDI client window goes.
    RECT AlignedClientRect() const { return alignedClient_; }

    bool Focused() const;
    virtual bool CanFocus() const;
    void SetFocus();
    // Moves the focus to the next (or previous) tab stop after `current` among the descendants.
    void SelectNext(TWinControl* current, bool forward);

    // Paints the visible graphic children into `dc`, which is in this control's client space.
    void PaintControls(HDC dc, TControl* first = nullptr);
    virtual void AlignControls();

    void WndProc(TMessage& msg) override;
    void DefaultHandler(TMessage& msg) override;

    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // The window procedure of every framework window class.
    static LRESULT CALLBACK StdWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static TWinControl* FromHandle(HWND hwnd);

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    // Gives the new window its font, text and state.
    virtual void InitializeHandle() {}
    virtual void DestroyWnd();
    // Paints the window's own face into `dc` (the standard class's painting by default).
    virtual void PaintWindow(HDC dc);
    virtual void KeyPress(wchar_t& key);
    void FontChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void ColorChanged() override;
    void BiDiModeChanged() override { RecreateWnd(); }
    // Lets go of the window without destroying it: its messages go to its class's procedure
    // from now on. Answers the window.
    HWND DetachHandle();
    // The brush of this control's colour, for WM_CTLCOLOR* and background erasing.
    HBRUSH ColorBrush();
    bool HasOwnWindowClass() const;

private:
    void WMPaint(TMessage& msg);
    bool ReflectNotification(TMessage& msg);
    bool ForwardMouseToGraphic(TMessage& msg);
    void UpdateBounds();

    HWND handle_ = nullptr;
    WNDPROC defWndProc_ = nullptr;
    std::vector<TControl*> controls_;
    int tabOrder_ = -1;
    bool tabStop_ = false;
    bool aligning_ = false;
    TControl* mouseControl_ = nullptr;
    // The graphic child a left button press went to: it gets the mouse until the release.
    TControl* captureControl_ = nullptr;
    RECT alignedClient_{};
    TBrush brush_;
};

// A windowed control with a window class of its own that paints itself on its canvas.
class TCustomControl : public TWinControl {
    DEVTOOL_CLASS(TCustomControl)
public:
    using TWinControl::TWinControl;
    // The canvas is bound to a device context only while Paint runs.
    TCanvas* Canvas() { return &canvas_; }

protected:
    void PaintWindow(HDC dc) override;
    virtual void Paint() {}

private:
    TCanvas canvas_;
};

// Registers the framework classes that form files create by name.
void RegisterFrameworkClasses();

// Hands the exception being handled to the application's error display. Window procedures
// call it so that no exception escapes into the system.
void HandleCurrentException();
