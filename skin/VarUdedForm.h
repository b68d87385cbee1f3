#pragma once
// TVarUdedForm: the window skinner. It takes over one top-level window (a form, a standard
// dialog or a message box), answers the non-client messages itself, paints the borders, the
// caption with its buttons and the menu band from the skin, cuts the window's outline from the
// border images, and keeps the client area the size it had before skinning.

#include "framework/Classes.h"
#include "framework/Controls.h"
#include "framework/ExtCtrls.h"
#include "skin/CaptionLayout.h"
#include "skin/ControlSkinnerList.h"
#include "skin/GdiOwners.h"
#include "skin/GlyphCache.h"
#include "skin/ImgUtilDib.h"
#include "skin/ImgUtilShared.h"
#include "skin/SkinManage.h"
#include "skin/WinSubclass.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class TCustomForm;
class TDataSkinSysButton;
class TMenuItem;
class TPopupMenu;
class TVarUdedMenu;
class TMenuItemPainter;
class TSkinData;
class TVarUdedForm;

// The engine's private window messages.
namespace skinmsg {
inline constexpr UINT kReskin = 0x3401;
inline constexpr UINT kPaintFrame = 0x3502;
inline constexpr UINT kActivate = 0x3503;
inline constexpr UINT kButtonAction = 0x3514;
inline constexpr UINT kButtonVisible = 0x3515;
inline constexpr UINT kRedrawMdiFrame = 0x3516;
inline constexpr UINT kReplaceScrollbar = 0x3517;
inline constexpr UINT kOpenMenuAt = 0x3518;
inline constexpr UINT kIsSkinned = 0x3523;
inline constexpr UINT kPaintFrameTo = 0xBC4B;
inline constexpr UINT kPresence = 0xBC4D;
inline constexpr UINT kSkinned = 0xBC4E;
inline constexpr LPARAM kMagic = 0x41A2;
} // namespace skinmsg

// What the form's WindowProc holds while a window skinner is in front of it. When something
// else was put in front later, the skinner cannot take itself out of the chain; it then only
// stops answering and passes everything on.
struct TFormProcLink {
    TVarUdedForm* skinner = nullptr;
    TWndMethod previous;
};

// What a composed frame shows. A paint that would show the same copies the frame composed
// before instead of drawing it again.
struct TFrameLook {
    int width = -1;
    int height = -1;
    bool active = false;
    skin::ShowState show = skin::ShowState::Normal;
    int menuHeight = 0;
    int menuVersion = 0;
    bool mdiChildButtons = false;
    std::wstring caption;
    const void* hot = nullptr;
    int hotState = 0;
    friend bool operator==(const TFrameLook&, const TFrameLook&) = default;
};

// Skin states of a window skinner.
enum class TSkinState {
    Attached = 0,
    Active = 1,
    Reskinning = 3,
    Destroying = 4,
    Activating = 5,
    Destroyed = 6
};

// A clickable object of the non-client area: state 1 normal, 2 pressed, 3 hot.
class TNCObject {
public:
    explicit TNCObject(TVarUdedForm* owner) : owner_(owner) {}
    virtual ~TNCObject() = default;
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    virtual void Press();
    virtual void Release();
    virtual void Enter();
    virtual void Leave();
    virtual void Paint() {}

    TVarUdedForm* Owner() const { return owner_; }
    skin::PaintRect Rect;
    bool Visible = false;
    int State = 1;

private:
    TVarUdedForm* owner_;
};

// A caption button drawn from a title-bar button element of the skin.
class TWinSysButton : public TNCObject {
public:
    TWinSysButton(TVarUdedForm* owner, TDataSkinSysButton* element)
        : TNCObject(owner), element_(element) {}
    void Paint() override;
    TDataSkinSysButton* Element() const { return element_; }
    skin::CaptionButtonSpec Spec() const;
    bool ShowsIcon() const;

private:
    TDataSkinSysButton* element_;
};

// The MDI client window of a skinned MDI frame, subclassed while the frame is skinned.
class TMdiClientHook : private TWindowHook {
public:
    TMdiClientHook(TVarUdedForm* frame, HWND client);
    ~TMdiClientHook() override;
    HWND Window() const { return HookedWindow(); }
    // The active MDI child, and whether it is maximized.
    HWND ActiveChild(bool* maximized) const;

private:
    LRESULT HookProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    TVarUdedForm* frame_;
    bool menuUpdate_ = true;
};

class TVarUdedForm : public TComponent, private TWindowHook {
    DEVTOOL_CLASS(TVarUdedForm)
public:
    explicit TVarUdedForm(TComponent* owner);
    ~TVarUdedForm() override;

    // Takes over a framework form's window.
    void AttachForm(TSkinData* skinData, TCustomForm* form);
    // The painter of menu items drawn from this window's skin.
    TMenuItemPainter* MenuPainter() const { return FMenuPainter.get(); }
    // Takes over a window that no framework form owns (a standard dialog, a message box).
    void AttachWindow(TSkinData* skinData);
    void SetWindow(HWND window, const std::wstring& name);

    // The handling of the activation message: controls attached, window resized to keep its
    // client size, region cut.
    void Activate();
    // Gives everything back: procedure, styles, region, colour, and the client size under the
    // standard frame.
    void Uninstall();

    void PaintFrame(HDC dc = nullptr);
    void RebuildRegion();
    // Takes the outline away: the window is a plain rectangle again.
    void DropRegion();
    // Frame metrics and caption buttons from the current skin.
    void UpdateMetrics();
    // The skin was reloaded: drop the caption buttons so the next refresh makes them anew.
    void DropCaptionButtons();
    // Applies the skin again: colours, frame metrics, client size, region, repaint.
    void Refresh() { Reskin(); }
    // An MDI child puts its caption style back or takes it away for the manager's
    // MDI-child-maximized flag.
    void ApplyMDICaptionStyle();
    // A control window made inside this window after activation (a size grip) gets its control
    // skinner.
    void AttachControlWindow(HWND control);
    // The control skinners of this window's controls.
    TSkinnerList& Skinners() { return FSkinners; }

    HWND Window() const { return FWnd; }
    TCustomForm* Form() const { return FControl; }
    TSkinData* SkinData() const { return FSkinData; }
    TSkinState SkinState() const { return FSkinState; }
    const skin::FrameMetrics& Metrics() const { return FMetrics; }
    const skin::FrameKinds& Kinds() const { return FKinds; }
    bool SkinFrame() const { return FSkinFrame; }
    bool IsActive() const { return FActive; }
    skin::ShowState ShowState() const { return FShowState; }
    const std::vector<std::unique_ptr<TWinSysButton>>& CaptionButtons() const {
        return FCaptionButtons;
    }
    // The object under the mouse or pressed, or null.
    TNCObject* HotObject() const { return FHotObject; }
    void SetHotObject(TNCObject* object) { FHotObject = object; }
    bool IsHotObject(const TNCObject* object) const { return FHotObject == object; }

    // A window point (origin at the window's top-left corner) from a screen point.
    POINT WindowPoint(POINT screen) const;
    // The caption button under a window point that is visible and has an action, or null.
    TNCObject* ObjectAt(POINT windowPoint) const;
    // The ends of the caption text as last laid out.
    skin::CaptionTextAnchors TextAnchors() const { return FTextAnchors; }

    // A caption button repainting itself straight onto the window.
    void PaintButtonNow(TWinSysButton& button);
    // The skinned menu bar, or null.
    TVarUdedMenu* MenuBar() const { return FMenuBar.get(); }
    // An MDI frame whose active child is maximized shows that child's buttons in its bar.
    bool ShowsMdiChildButtons() const;
    // The bar takes over a new menu of the window and the window's own bar goes.
    void TakeMenu(HMENU menu, bool fromMdiClient);
    // The window menu at a screen point, unless this opening is the second of a double click.
    void OpenSystemMenu(POINT screen);
    // The window menu as last built (null before the first opening).
    TPopupMenu* SystemPopup() const { return FSysPopup; }
    // The Tag of the window menu's pop-up menu.
    static constexpr int kSystemPopupTag = 33333;
    // Runs the action of the hot caption button.
    void RunButtonAction(TWinSysButton& button, POINT screen);
    // The 250 ms hover check.
    void HoverCheck();
    // The messages of the framework's form while the skinner is in front of its WindowProc.
    void FormWindowProc(TMessage& msg);

private:
    LRESULT HookProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam) {
        return CallDefault(msg, wParam, lParam);
    }
    LRESULT StageTwo(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT StageThree(UINT msg, WPARAM wParam, LPARAM lParam);
    void CallPreviousFormProc(TMessage& msg);

    void Install(TSkinData* skinData);
    void UninstallOnDestroy();
    void RestoreFormProc();
    void AttachControls();
    void ReadShowState();
    void KeepClientSize(bool useCurrentClient);
    void ApplyCaptionStyleRemoval(bool remove);
    void FetchIcon();
    void ReleaseIcon();
    void SubclassMdiClient(HWND client);
    void RebuildSystemPopup();
    // The skinned bar for the window's menu, and the band it is painted in.
    void CreateMenuBar(HMENU menu);
    // The bar's framework item behind a menu command, or null.
    TMenuItem* BarItem(UINT command) const;
    // Owner-drawn menu items of this window are the skin's to measure and draw.
    bool DrawsMenuItems(UINT controlType) const;
    TMenuItem* AddSysItem(const std::wstring& caption, int tag, int image);
    void SendToActiveMdiChild(WPARAM command);
    void Reskin();

    // Message handlers.
    LRESULT WMEraseBkgnd(WPARAM wParam, LPARAM lParam);
    LRESULT WMNCDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT WMCtlColor(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WMSize(WPARAM wParam, LPARAM lParam);
    LRESULT WMGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    LRESULT WMCommand(WPARAM wParam, LPARAM lParam);
    LRESULT WMSysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT WMNCCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT WMNCHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT WMNCPaint(WPARAM wParam, LPARAM lParam);
    LRESULT WMNCActivate(WPARAM wParam, LPARAM lParam);
    LRESULT WMNCMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT WMNCLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT WMNCLButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT WMNCLButtonDblClk(WPARAM wParam, LPARAM lParam);
    LRESULT WMNCRButtonDown(WPARAM wParam, LPARAM lParam);
    void FormSetText(TMessage& msg);
    void FormMenuChanged(TMessage& msg);
    LRESULT WMOpenMenuAt(LPARAM lParam);
    LRESULT WMMeasureItem(WPARAM wParam, LPARAM lParam);
    LRESULT WMDrawItem(WPARAM wParam, LPARAM lParam);
    // Framework menus of the form drawn by the skin (or given back to the framework).
    void SkinFormMenus(bool on);

    // Painting.
    bool ComposeToBitmap(int width, int height);
    TFrameLook CurrentLook(int width, int height) const;
    void ComposeFrame(HDC target, int width, int height);
    void DrawBackground(HDC target, int width, int height, bool minimized);
    void ForgetComposition();
    void DrawEdge(HDC target, int number, const RECT& rect, bool stacked);
    void DrawCaptionText(HDC target, int width);
    void LayoutCaptionButtons(int width);
    void PaintCaptionButtons(HDC target);
    skin::CaptionWindowState CaptionState() const;
    int EdgeFrameNumber(int number) const;
    // The caption font at the skin's title height.
    TFont* TitleFont();

    HWND FWnd = nullptr;
    TCustomForm* FControl = nullptr;
    TSkinData* FSkinData = nullptr;
    std::wstring FName;
    std::wstring FClassName;
    HWND FOwnerWnd = nullptr;
    TWndMethod FOldWindowProc;
    std::shared_ptr<TFormProcLink> FFormLink;
    bool FSkinFrame = false;
    bool FInstalled = false;
    bool FActivationBegun = false;
    std::uint32_t FStyle = 0;
    std::uint32_t FExStyle = 0;
    bool FHadSysMenu = false;
    skin::FrameKinds FKinds;
    skin::ShowState FShowState = skin::ShowState::Normal;
    bool FActive = true;
    TSkinState FSkinState = TSkinState::Attached;
    skin::FrameMetrics FMetrics;
    SIZE FStdFrameSize{};
    RECT FClientRect{};
    RECT FWindowRect{};
    int FPaintWidth = 0;
    int FPaintHeight = 0;
    HRGN FRgn = nullptr; // owned by the system once applied
    bool FRgnSet = false;
    int FRgnWidth = -1;
    int FRgnHeight = -1;
    std::vector<std::unique_ptr<TWinSysButton>> FCaptionButtons;
    TNCObject* FHotObject = nullptr;
    HMENU FMenuHandle = nullptr;
    HMENU FSysMenu = nullptr;
    TPopupMenu* FSysPopup = nullptr; // owned as a component
    HICON FIcon = nullptr; // the window's small icon, copied to the small-icon size (owned)
    int FIconSize = 16;
    skin::DibSection FIconBitmap;
    skin::DibSection FCaptionBitmap; // the whole frame, composed off screen
    TTimer* FTimer = nullptr;
    DWORD FLastClickTime = 0;
    DWORD FDoubleClickTime = 0;
    TColor FSavedColor = 0;
    bool FColorSaved = false;
    skin::CaptionTextAnchors FTextAnchors;
    TFont FTitleFont;
    TFrameLook FComposedLook; // what FCaptionBitmap holds; width -1 when nothing
    // The border pieces and the caption strip without its text and buttons, for each look
    // (active, inactive) at the size they were drawn for.
    struct TFrameBackground {
        skin::DibSection picture;
        int width = -1;
        int height = -1;
        skin::ShowState show = skin::ShowState::Normal;
    } FBackground[2];
    TGlyphCache FGlyphs;
    std::unique_ptr<TMdiClientHook> FMdiClient;
    std::unique_ptr<TVarUdedMenu> FMenuBar;
    std::shared_ptr<TMenuItemPainter> FMenuPainter;
    skin::PaintScratchUse FScratch; // the painters' shared scratch lives while skinners do
    TSkinnerList FSkinners;
};
