#pragma once
// TSkinControl: the base of the control skinners. A skinner sits in front of one control's
// message handling and paints the control from the skin, leaving input, state and notifications
// to the control. It works in one of two modes: in front of a framework control's WindowProc,
// or, for a child window without a framework control (a dialog's controls, a combo box's edit),
// in the window's subclass chain. It gives back everything it changed when it goes.

#include "framework/Controls.h"
#include "skin/ControlKinds.h"
#include "skin/ControlStates.h"
#include "skin/WinSubclass.h"

#include <windows.h>

#include <memory>
#include <string>

class TSkinData;
class TVarUdedForm;
class TSkinControl;

// The private messages of the control skinners.
namespace skinmsg {
// wParam > 0: painting on (and a repaint); wParam <= 0: painting off, every message goes by.
inline constexpr UINT kPaintEnable = 0x3506;
// With lParam kMagic: paint the control into the device context in wParam; answers kMagic.
inline constexpr UINT kPaintControlTo = 0xBC4A;
} // namespace skinmsg

// What the control's WindowProc holds while a skinner is in front of it. When the skinner goes
// while another handler sits in front of it, the link stays in that handler's chain and only
// passes messages on.
struct TSkinnerProcLink {
    TSkinControl* skinner = nullptr;
    TWndMethod previous;
};

enum class TSkinnerState { Created = 0, Attached = 1, Destroyed = 6 };

class TSkinControl : public TComponent, private TWindowHook {
    DEVTOOL_CLASS(TSkinControl)
public:
    // In framework mode the owner is the skinned control, so the skinner goes with it.
    explicit TSkinControl(TComponent* owner);
    ~TSkinControl() override;

    // Framework mode: puts the skinner in front of its owner control's WindowProc. A second call
    // does nothing.
    virtual void Attach(TVarUdedForm* form, TSkinData* skinData, bool takeColour);
    // Window mode: subclasses a window that has no framework control.
    virtual void AttachWindow(HWND window, TSkinData* skinData, TVarUdedForm* form);
    // Gives back what attaching changed on the control. Runs once.
    virtual void Detach();
    // False when the skinner handled (swallowed) the message.
    virtual bool BeforeMessage(TMessage& msg);
    // Runs after the previous handler for the messages that went on.
    virtual void AfterMessage(TMessage& msg);
    // Paints the whole window into `dc`, or into the window's own DC when none is given.
    virtual void PaintWindow(HDC dc);
    // The painter of the class: draws the control into `dc` within `rect`.
    virtual void Paint(HDC dc, const RECT& rect);
    // The skin changed: colours taken again, repaint.
    virtual void Refresh();
    virtual skin::SkinnerKind Kind() const = 0;

    // Every message of the control comes here first.
    void Dispatch(TMessage& msg);

    TControl* Control() const { return FControl; }
    HWND Window() const { return FWnd; }
    TSkinData* SkinData() const { return FSkinData; }
    TSkinnerState State() const { return FState; }
    bool Attached() const { return FAttached; }
    bool TakesColour() const { return FTakeColour; }
    int Variant() const { return FVariant; }
    // Set by the control walk before attaching.
    void SetVariant(int variant) { FVariant = variant; }
    int MouseState() const { return FMouseState; }
    const RECT& ScreenRect() const { return FScreenRect; }
    // Another control to invalidate when a repaint is asked for.
    void SetRepaintTarget(TControl* target) { FRepaintTarget = target; }

protected:
    // The next handler of the control: its previous WindowProc, or the window's previous
    // procedure.
    void CallPrevious(TMessage& msg);
    // Invalidates and updates the window (or the repaint target).
    void Repaint();
    // WM_PAINT handled completely: the control's own painting never runs.
    void FullPaint(TMessage& msg);
    // For a painter that draws every pixel of its control: WM_PAINT painted whole and
    // WM_ERASEBKGND answered without erasing. True when the message was one of them.
    bool TakeOverPaint(TMessage& msg);
    // WM_ERASEBKGND: a framework control lets its parent paint behind it; a plain window is
    // filled with ButtonFace. Result 1.
    void TransparentBackground(TMessage& msg);
    // The colour of a framework control's parent, else ButtonFace.
    COLORREF ParentColour() const;
    COLORREF FaceColour() const;
    // A focus rectangle around `text` as DrawText lays it out in `rect` with `flags`.
    void DrawFocusAround(HDC dc, const std::wstring& text, const RECT& rect, UINT flags) const;
    // DT_RTLREADING for a right-to-left control, else 0.
    UINT ReadingFlags() const;
    // The caption (framework mode) or the window text.
    std::wstring ControlText() const;
    // The control's font: the framework control's, else the window's WM_GETFONT font.
    HFONT ControlFont() const;
    // The colour the control's text is drawn in: its font colour, else the skin's ButtonText.
    COLORREF TextColour() const;
    // Reads focus and enabling into FFocused and FEnabled.
    void ReadFocusAndEnabling();
    // Asks for WM_MOUSELEAVE, and to be told by the window skinner when the mouse has left.
    void TrackMouseLeave();
    // The mouse moved: the hot bit becomes `hot`, with a repaint when it changed, and leave
    // tracking is (re)started. True when it changed.
    bool FollowMouse(bool hot);
    // The mouse left: hot (and, when asked, pressed) cleared, repaint.
    void MouseLeft(bool clearPressed);
    // True when `msg` is WM_MOUSELEAVE or the framework's CM_MOUSELEAVE.
    static bool IsMouseLeave(const TMessage& msg);
    bool FrameworkMode() const { return FControl != nullptr; }

    TControl* FControl = nullptr;
    HWND FWnd = nullptr;
    TSkinData* FSkinData = nullptr;
    TVarUdedForm* FForm = nullptr;
    bool FUnicode = true;
    std::wstring FText;
    bool FAttached = false;
    TSkinnerState FState = TSkinnerState::Created;
    bool FPaintEnabled = true;
    bool FTakeColour = false;
    TColor FSavedColor = 0;
    bool FSavedParentColor = false;
    bool FColourTaken = false;
    bool FParentBackgroundWasOn = false;
    int FVariant = 0;
    int FMouseState = 0;
    bool FFocused = false;
    bool FEnabled = true;
    RECT FScreenRect{};
    TControl* FRepaintTarget = nullptr;

private:
    LRESULT HookProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void RestoreWindowProc();
    void TakeColour();

    std::shared_ptr<TSkinnerProcLink> FLink;
    // Cleared when the skinner goes, so a message handler that outlives it can tell.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
