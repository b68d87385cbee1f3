#include "skin/VarUdedForm.h"

#include "framework/Forms.h"
#include "framework/Menus.h"
#include "skin/ControlWalk.h"
#include "skin/MenuItemPaint.h"
#include "skin/SkinImageGdi.h"
#include "skin/VarUdedData.h"
#include "skin/VarUdedMenu.h"
#include "skin/WindowClass.h"

#include <algorithm>

namespace {

struct FormProcThunk {
    std::shared_ptr<TFormProcLink> link;
    void operator()(TMessage& msg) const;
};

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text)
        out.push_back(c < 128 ? static_cast<char>(c) : '?');
    return out;
}

HWND FindMdiClient(HWND window) {
    for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (skin::WindowClassName(child) == L"MDIClient")
            return child;
    }
    return nullptr;
}

// Caption-style removal: on NT systems of major version above 4 and minor version 0.
bool CaptionRemovalSystem() {
    const DWORD version = GetVersion();
    const bool nt = (version & 0x80000000u) == 0;
    const int major = LOBYTE(LOWORD(version));
    const int minor = HIBYTE(LOWORD(version));
    return nt && major > 4 && minor == 0;
}

} // namespace

const TClassInfo& TVarUdedForm::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TVarUdedForm, TComponent>("TVarUdedForm", nullptr, false);
    return info;
}

TVarUdedForm::TVarUdedForm(TComponent* owner) : TComponent(owner) {
    FDoubleClickTime = GetDoubleClickTime();
    FIconSize = GetSystemMetrics(SM_CXSMICON);
}

TVarUdedForm::~TVarUdedForm() {
    if (TSkinManage* manager = SkinManager())
        manager->ForgetSkinner(this);
    if (FSkinState != TSkinState::Destroyed && FWnd && IsWindow(FWnd))
        Uninstall();
    RestoreFormProc();
    UnhookWindow();
    ReleaseIcon();
}

void TVarUdedForm::SetWindow(HWND window, const std::wstring& name) {
    FWnd = window;
    FName = name;
}

void TVarUdedForm::AttachForm(TSkinData* skinData, TCustomForm* form) {
    FControl = form;
    if (!FWnd)
        FWnd = form->Handle();
    if (skinData->OnBeforeSkinForm)
        skinData->OnBeforeSkinForm(form, FWnd, FName);
    if (skinData->Skins(xcMenuItem))
        form->SetAutoScroll(false);
    Install(skinData);
    if (FSkinFrame && !FFormLink) {
        FFormLink = std::make_shared<TFormProcLink>();
        FFormLink->skinner = this;
        FFormLink->previous = form->WindowProc;
        form->WindowProc = FormProcThunk{FFormLink};
    }
    FSavedColor = form->Color();
    FColorSaved = true;
    form->SetColor(static_cast<TColor>(skinData->Colours().ButtonFace));
    if (skinData->Skins(xcMenuItem) && FMenuPainter)
        FMenuPainter->MakeMenusOwnerDrawn(form, true);
}

void TVarUdedForm::AttachWindow(TSkinData* skinData) {
    Install(skinData);
}

void TVarUdedForm::Install(TSkinData* skinData) {
    if (FInstalled || !FWnd)
        return;
    FSkinData = skinData;
    FTimer = new TTimer(this);
    FTimer->SetEnabled(false);
    FTimer->SetInterval(250);
    FTimer->OnTimer = [this](TObject*) { HoverCheck(); };

    FSkinFrame = skinData->Skins(xcMainMenu);
    FStyle = static_cast<std::uint32_t>(GetWindowLongPtrW(FWnd, GWL_STYLE));
    FExStyle = static_cast<std::uint32_t>(GetWindowLongPtrW(FWnd, GWL_EXSTYLE));
    FClassName = skin::WindowClassName(FWnd);
    FOwnerWnd = GetWindow(FWnd, GW_OWNER);
    FHadSysMenu = (FStyle & WS_SYSMENU) != 0;
    const std::string className = Narrow(FClassName);
    skin::WindowTraits traits;
    traits.style = FStyle;
    traits.exStyle = FExStyle;
    traits.className = className;
    traits.hasSystemMenuHandle = GetSystemMenu(FWnd, FALSE) != nullptr && FHadSysMenu;
    const HWND mdiClient = FindMdiClient(FWnd);
    traits.hasMdiClient = mdiClient != nullptr;
    FKinds = skin::DeriveFrameKinds(traits);
    ReadShowState();
    if (FKinds.mdi == skin::MdiRole::Child && skinData->HasOption(xoMDIChildBorder))
        FSkinFrame = false;
    const bool appWindow = (FExStyle & WS_EX_APPWINDOW) != 0;
    if (CaptionRemovalSystem() && (appWindow || (!FOwnerWnd && FKinds.mdi != skin::MdiRole::Child)))
        FKinds.abilities |= skin::kRemovesCaptionStyle;

    TSkinManagerFlags& flags = SkinManagerFlags();
    if (flags.HideWhileSkinning && !FKinds.childWindow && FSkinFrame &&
        FKinds.border != skin::BorderKind::None) {
        FStyle &= ~WS_VISIBLE;
        SetWindowLongPtrW(FWnd, GWL_STYLE, FStyle);
    }

    HookWindow(FWnd);
    FInstalled = true;
    if (mdiClient)
        SubclassMdiClient(mdiClient);

    if (!FSkinFrame) {
        FSkinState = TSkinState::Active;
        return;
    }
    FMenuHandle = GetMenu(FWnd);
    const bool mdiChild = FKinds.mdi == skin::MdiRole::Child;
    FMenuPainter =
        std::make_shared<TMenuItemPainter>(skinData, FControl ? FControl->Menu() : nullptr);
    if (FMenuHandle && !mdiChild)
        CreateMenuBar(FMenuHandle);
    if (!(mdiChild && flags.MDIChildMaximized) && FShowState != skin::ShowState::Minimized)
        ApplyCaptionStyleRemoval(true);
    UpdateMetrics();
    if (mdiChild) {
        const int least = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
        if (FMetrics.captionHeight < least)
            FMetrics.menuHeight = least - FMetrics.captionHeight;
        if (FShowState == skin::ShowState::Maximized)
            SetMDIChildMaximized(true);
    }
}

void TVarUdedForm::CreateMenuBar(HMENU menu) {
    FMenuBar = std::make_unique<TVarUdedMenu>(this, FSkinData,
                                              FControl ? FControl->Menu() : nullptr, menu);
    FMenuBar->BuildItems();
    FMetrics.menuHeight = GetSystemMetrics(SM_CYMENU);
}

bool TVarUdedForm::ShowsMdiChildButtons() const {
    if (!FMdiClient || !FMenuBar)
        return false;
    bool maximized = false;
    FMdiClient->ActiveChild(&maximized);
    return maximized;
}

void TVarUdedForm::TakeMenu(HMENU menu, bool fromMdiClient) {
    if (!FSkinFrame || !FInstalled || !menu)
        return;
    if (!FMenuBar) {
        CreateMenuBar(menu);
        SetWindowPos(FWnd, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return;
    }
    // A new menu of the MDI client keeps the system's captions of the entries it added; a menu
    // changed by the form is read again whole.
    if (fromMdiClient)
        FMenuBar->RebuildItems(menu);
    else
        FMenuBar->Rebuild(FControl ? FControl->Menu() : nullptr, menu);
    ForgetComposition();
    PaintFrame();
}

void TVarUdedForm::ApplyMDICaptionStyle() {
    if (FKinds.mdi != skin::MdiRole::Child || !FSkinFrame || !FInstalled)
        return;
    const bool keep =
        SkinManagerFlags().MDIChildMaximized || FShowState == skin::ShowState::Minimized;
    ApplyCaptionStyleRemoval(!keep);
}

void TVarUdedForm::AttachControlWindow(HWND control) {
    AttachControlSkinner(*this, control);
}

void TVarUdedForm::ReadShowState() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (GetWindowPlacement(FWnd, &placement))
        FShowState = skin::ShowStateFromShowCommand(placement.showCmd);
}

void TVarUdedForm::ApplyCaptionStyleRemoval(bool remove) {
    if (!(FKinds.abilities & skin::kRemovesCaptionStyle))
        return;
    LONG_PTR style = GetWindowLongPtrW(FWnd, GWL_STYLE);
    const LONG_PTR wanted = remove ? (style & ~WS_CAPTION) : (style | WS_CAPTION);
    if (wanted != style)
        SetWindowLongPtrW(FWnd, GWL_STYLE, wanted);
}

void TVarUdedForm::UpdateMetrics() {
    if (!FSkinData || FSkinData->NoSkin())
        return;
    const int menuHeight = FMetrics.menuHeight;
    if (FKinds.border == skin::BorderKind::None) {
        FMetrics = {};
    } else {
        const TSkinElements& s = FSkinData->Elements();
        auto edge = [](const TDataSkinBorder& e) {
            return skin::EdgeImage{e.Image.Width(), e.Image.Height(), e.Frames()};
        };
        FMetrics = skin::ComputeFrameMetrics(edge(*s.Left), edge(*s.Right), edge(*s.Top),
                                             edge(*s.Bottom), FKinds.border);
        FMetrics.menuHeight = menuHeight;
    }
    // The buttons go with the hot object that may point at one of them.
    FHotObject = nullptr;
    ForgetComposition();
    FCaptionButtons.clear();
    for (const auto& element : FSkinData->Elements().TitleButtons) {
        if (element->Action == 3 || element->Action == 11) {
            FetchIcon();
            if (element->Image.Empty() && FIconBitmap) {
                element->Image.Assign(ImageFromBitmap(FIconBitmap.Handle()));
                element->Frame = 1;
            }
        }
        FCaptionButtons.push_back(std::make_unique<TWinSysButton>(this, element.get()));
    }
}

void TVarUdedForm::DropCaptionButtons() {
    FHotObject = nullptr;
    ForgetComposition();
    FCaptionButtons.clear();
}

void TVarUdedForm::ReleaseIcon() {
    if (FIcon)
        DestroyIcon(FIcon);
    FIcon = nullptr;
}

void TVarUdedForm::FetchIcon() {
    ReleaseIcon();
    FComposedLook = {};
    HICON icon = reinterpret_cast<HICON>(SendMessageW(FWnd, WM_GETICON, ICON_SMALL, 0));
    if (!icon)
        icon = reinterpret_cast<HICON>(SendMessageW(FWnd, WM_GETICON, ICON_BIG, 0));
    if (!icon)
        return;
    const int cx = GetSystemMetrics(SM_CXSMICON);
    const int cy = GetSystemMetrics(SM_CYSMICON);
    FIcon = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE));
    if (!FIcon)
        return;
    FIconBitmap = skin::DibSection::Create(cx, cy, 24);
    if (!FIconBitmap)
        return;
    skin::MemoryDC dc;
    skin::SelectScope select(dc.Get(), FIconBitmap.Handle());
    skin::GdiBrush magenta(CreateSolidBrush(skin::kSkinKeyColour));
    const RECT all{0, 0, cx, cy};
    FillRect(dc.Get(), &all, magenta.Get());
    DrawIconEx(dc.Get(), 0, 0, FIcon, cx, cy, 0, nullptr, DI_NORMAL);
    if (TBitmap* appIcon = FSkinData ? FSkinData->AppIcon() : nullptr; appIcon && appIcon->Empty())
        appIcon->SetHandle(static_cast<HBITMAP>(
            CopyImage(FIconBitmap.Handle(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

void TVarUdedForm::Activate() {
    if (!FInstalled)
        return;
    FActivationBegun = true;
    FSysMenu = GetSystemMenu(FWnd, FALSE);
    FetchIcon();
    GetClientRect(FWnd, &FClientRect);
    RECT window{};
    GetWindowRect(FWnd, &window);
    FStdFrameSize = {(window.right - window.left) - (FClientRect.right - FClientRect.left),
                     (window.bottom - window.top) - (FClientRect.bottom - FClientRect.top)};
    TSkinManagerFlags& flags = SkinManagerFlags();
    if (flags.HideWhileSkinning) {
        flags.HideWhileSkinning = false;
        const LONG_PTR style = GetWindowLongPtrW(FWnd, GWL_STYLE);
        if (!(style & WS_VISIBLE))
            SetWindowLongPtrW(FWnd, GWL_STYLE, style | WS_VISIBLE);
    }
    AttachControls();
    if (FControl && FMenuPainter && FSkinData->Skins(xcPopupMenu))
        FMenuPainter->MakePopupsOwnerDrawn(FControl, true);
    if (FSkinState == TSkinState::Attached && FSkinFrame) {
        const bool mdiChild = FKinds.mdi == skin::MdiRole::Child;
        if (mdiChild) {
            if (FShowState == skin::ShowState::Maximized) {
                PostMessageW(GetParent(FWnd), skinmsg::kRedrawMdiFrame,
                             reinterpret_cast<WPARAM>(FWnd), 0);
            } else if (FShowState == skin::ShowState::Minimized) {
                ApplyCaptionStyleRemoval(false);
            } else {
                FSkinState = TSkinState::Activating;
                KeepClientSize(false);
                FSkinState = TSkinState::Active;
                RebuildRegion();
            }
        } else if (!FKinds.childWindow && FKinds.border != skin::BorderKind::None &&
                   FShowState != skin::ShowState::Minimized) {
            FSkinState = TSkinState::Activating;
            KeepClientSize(false);
            FSkinState = TSkinState::Active;
            if (FShowState == skin::ShowState::Maximized)
                SetWindowPos(FWnd, nullptr, 0, 0, 0, 0,
                             SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                                 SWP_FRAMECHANGED);
            else
                RebuildRegion();
        }
    }
    SendMessageW(FWnd, skinmsg::kSkinned, 0, skinmsg::kMagic);
    if (FSkinData->OnAfterSkinForm)
        FSkinData->OnAfterSkinForm(FControl, FWnd, FName);
    FSkinState = TSkinState::Active;
    if (FTimer)
        FTimer->SetEnabled(true);
    if (FSkinFrame)
        RedrawWindow(FWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

void TVarUdedForm::AttachControls() {
    AttachControlSkinners(*this);
}

void TVarUdedForm::KeepClientSize(bool useCurrentClient) {
    if (FKinds.mdi == skin::MdiRole::Child && FShowState == skin::ShowState::Maximized) {
        SetWindowPos(FWnd, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return;
    }
    const bool reskin = FSkinState == TSkinState::Reskinning;
    if (FKinds.dialogClass || reskin || useCurrentClient)
        GetClientRect(FWnd, &FClientRect);
    int clientWidth = FClientRect.right - FClientRect.left;
    int clientHeight = FClientRect.bottom - FClientRect.top;
    if (FControl && !useCurrentClient) {
        clientWidth = FControl->ClientWidth();
        clientHeight = FControl->ClientHeight() -
                       (FKinds.mdi == skin::MdiRole::Child ? 0 : FMetrics.menuHeight);
    }
    skin::WindowSize size = skin::WindowSizeForClient(clientWidth, clientHeight, FMetrics);
    if (FKinds.dialogClass && !reskin) {
        const int length = GetWindowTextLengthW(FWnd);
        std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
        caption.resize(GetWindowTextW(FWnd, caption.data(), length + 1));
        // Measured in the font the caption text is drawn in, so the widened caption fits.
        skin::ScreenDC screen;
        skin::SelectScope font(screen.Get(), TitleFont()->Handle());
        SIZE extent{};
        GetTextExtentPoint32W(screen.Get(), caption.c_str(), static_cast<int>(caption.size()),
                              &extent);
        const TDataSkinTitle& title = *FSkinData->Elements().Title;
        const skin::DialogWidening widen =
            skin::WidenForCaption(size.width, title.TextShift(), extent.cx, title.TextRightClip());
        if (widen.childShift > 0) {
            for (HWND child = GetWindow(FWnd, GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                RECT r{};
                GetWindowRect(child, &r);
                MapWindowPoints(nullptr, FWnd, reinterpret_cast<POINT*>(&r), 2);
                SetWindowPos(child, nullptr, r.left + widen.childShift, r.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING |
                                 SWP_NOOWNERZORDER);
            }
        }
        size.width = widen.width;
        if (widen.childShift > 0) {
            // A widened box stays on its monitor: it moves left as far as it has to.
            RECT window{};
            GetWindowRect(FWnd, &window);
            MONITORINFO monitor{};
            monitor.cbSize = sizeof(monitor);
            if (GetMonitorInfoW(MonitorFromWindow(FWnd, MONITOR_DEFAULTTONEAREST), &monitor) &&
                window.left + size.width > monitor.rcWork.right) {
                const int left =
                    std::max<int>(monitor.rcWork.left, monitor.rcWork.right - size.width);
                SetWindowPos(FWnd, nullptr, left, window.top, size.width, size.height,
                             SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
                return;
            }
        }
    }
    SetWindowPos(FWnd, nullptr, 0, 0, size.width, size.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TVarUdedForm::Reskin() {
    if (FControl) {
        FControl->SetColor(static_cast<TColor>(FSkinData->Colours().ButtonFace));
    }
    FSkinners.RefreshAll();
    FSkinState = TSkinState::Reskinning;
    if (FSkinFrame) {
        if (FControl && FMenuPainter && FSkinData->Skins(xcPopupMenu))
            FMenuPainter->MakePopupsOwnerDrawn(FControl, true);
        UpdateMetrics();
        KeepClientSize(true);
        if (FControl) {
            FControl->SetHeight(FControl->Height() + 1);
            FControl->SetHeight(FControl->Height() - 1);
        }
        RebuildRegion();
    }
    SendMessageW(FWnd, skinmsg::kSkinned, 0, skinmsg::kMagic);
    if (FSkinData->OnAfterSkinForm)
        FSkinData->OnAfterSkinForm(FControl, FWnd, FName);
    FSkinState = TSkinState::Active;
    RedrawWindow(FWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TVarUdedForm::RestoreFormProc() {
    if (!FFormLink)
        return;
    FFormLink->skinner = nullptr;
    if (FControl) {
        const auto* thunk = FControl->WindowProc.target<FormProcThunk>();
        if (thunk && thunk->link == FFormLink)
            FControl->WindowProc = FFormLink->previous;
    }
    FFormLink.reset();
}

void TVarUdedForm::SkinFormMenus(bool on) {
    if (!FControl || !FMenuPainter || !FSkinData)
        return;
    if (FSkinData->Skins(xcMenuItem))
        FMenuPainter->MakeMenusOwnerDrawn(FControl, on);
    FMenuPainter->MakePopupsOwnerDrawn(FControl, on);
}

void TVarUdedForm::Uninstall() {
    delete FSysPopup;
    FSysPopup = nullptr;
    if (FTimer)
        FTimer->SetEnabled(false);
    if (!FInstalled)
        return;
    const bool destroying =
        FSkinState == TSkinState::Destroying || FSkinState == TSkinState::Destroyed;
    RestoreFormProc();
    UnhookWindow();
    FMdiClient.reset();
    FInstalled = false;
    FSkinners.FreeAll();
    if (!destroying)
        SkinFormMenus(false);
    FMenuPainter.reset();
    if (FControl && FColorSaved && !destroying)
        FControl->SetColor(FSavedColor);
    if (!FSkinFrame) {
        if (!destroying)
            RedrawWindow(FWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return;
    }
    LONG_PTR style = GetWindowLongPtrW(FWnd, GWL_STYLE);
    if (FHadSysMenu && !(FKinds.abilities & skin::kRemovesCaptionStyle))
        style |= WS_SYSMENU;
    if (FKinds.abilities & skin::kRemovesCaptionStyle)
        style |= WS_CAPTION;
    SetWindowLongPtrW(FWnd, GWL_STYLE, style);
    if (FMenuBar) {
        const HMENU menu = FMenuBar->MenuHandle() ? FMenuBar->MenuHandle() : FMenuHandle;
        FMenuBar.reset();
        if (menu && !GetMenu(FWnd) && IsMenu(menu))
            SetMenu(FWnd, menu);
    }
    if (!destroying && (FKinds.mdi == skin::MdiRole::Child || !FKinds.childWindow) &&
        FActivationBegun && FKinds.border != skin::BorderKind::None) {
        RECT window{};
        GetWindowRect(FWnd, &window);
        const skin::WindowSize size =
            skin::WindowSizeWithoutSkin(window.right - window.left, window.bottom - window.top,
                                        FStdFrameSize.cx, FStdFrameSize.cy, FMetrics);
        SetWindowPos(FWnd, nullptr, 0, 0, size.width, size.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    DropRegion();
    FCaptionButtons.clear();
    FHotObject = nullptr;
}

void TVarUdedForm::UninstallOnDestroy() {
    if (FTimer)
        FTimer->SetEnabled(false);
    RestoreFormProc();
    UnhookWindow();
    FMdiClient.reset();
    FInstalled = false;
    FSkinners.FreeAll();
    FHotObject = nullptr;
    FMenuBar.reset();
    // Items still holding the painter's handlers find it gone and draw nothing.
    FMenuPainter.reset();
    FCaptionButtons.clear();
    // The system frees the region with the window.
    FRgn = nullptr;
    FRgnSet = false;
}

POINT TVarUdedForm::WindowPoint(POINT screen) const {
    POINT p = screen;
    ScreenToClient(FWnd, &p);
    if (FKinds.mdi == skin::MdiRole::Child && FShowState == skin::ShowState::Minimized)
        return p;
    p.x += FMetrics.borderLeft;
    p.y += FMetrics.Top();
    return p;
}

void FormProcThunk::operator()(TMessage& msg) const {
    if (link->skinner) {
        link->skinner->FormWindowProc(msg);
        return;
    }
    if (link->previous)
        link->previous(msg);
}
