#pragma once
// TSkinManage: the one skin manager of the process. It decides which top-level windows are
// skinned, keeps one window skinner per skinned window, watches window creation, activation and
// destruction on the GUI thread through a CBT hook, and carries out the start, stop and refresh
// requests of the skin components after a short delay.

#include "framework/ExtCtrls.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class TCustomForm;
class TSkinData;
class TVarUdedForm;
class TVarUdedPopMenu;

// The flags the manager shares with the window and menu skinners.
struct TSkinManagerFlags {
    bool HideWhileSkinning = false;
    bool MDIChildMaximized = false;
    int MenuKind = 0; // 0 pop-up menu, 1 menu-bar drop-down, 2 window menu
    bool MenuTracking = false;
};

class TSkinManage {
public:
    enum Action { None = 0, Start = 1, Stop = 2, Refresh = 3 };

    TSkinManage();
    ~TSkinManage();
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;

    // Towards the skin components.
    void Register(TSkinData* component);
    // Removes the component and every reference to it: the filter, the pending request and the
    // window skinners drawing with it (they are uninstalled and freed).
    void Unregister(TSkinData* component);
    void InstallHook();
    void SetPendingComponent(TSkinData* component) { PendingComponent = component; }
    // Stores the action and arms the timer with the delay. Before the manager has started, a
    // start or stop only switches Enabled.
    void Request(Action action, int delayMs);
    // Every skinner drawing with the pending component drops its caption buttons.
    void ReloadWindows();
    // The attach rule. True when a window skinner was attached.
    bool SkinWindow(HWND window);
    // A component of a type other than the main one starts: skinning is on and counted started.
    void CountStarter() {
        Enabled = true;
        ++Started;
    }
    void MarkStarted() {
        if (Started == 0)
            Started = 1;
    }

    // Towards the window skinners.
    TVarUdedForm* SkinnerOf(HWND window) const;
    // Takes a skinner out of the list without freeing it (the skinner is being freed).
    void ForgetSkinner(TVarUdedForm* skinner);
    void SetMDIChildMaximized(bool maximized);
    // Gives a menu handle to the most recently attached pop-up skinner that has none yet.
    void SetPopupMenuHandle(HMENU menu);
    // The background last painted by the pop-up skinner that shows this menu, or null.
    HBITMAP PopupBackground(HMENU menu) const;
    void SetMDIClient(HWND client, TCustomForm* frame) {
        MDIClient = client;
        MDIFrame = frame;
    }

    // Carries out the pending action now (the timer's tick).
    void RunPendingAction();
    // The component chosen for a window with this class name.
    TSkinData* ComponentFor(HWND window, const std::wstring& className) const;

    const std::vector<TVarUdedForm*>& SkinnedWindows() const { return skinned_; }
    const std::vector<TSkinData*>& Components() const { return components_; }
    bool HookInstalled() const { return hook_ != nullptr; }

    TSkinManagerFlags Flags;
    bool Enabled = false;
    bool Walking = false;
    int Started = 0;
    bool Destroying = false;
    HWND MDIClient = nullptr;
    TCustomForm* MDIFrame = nullptr;
    Action PendingAction = None;
    TSkinData* PendingComponent = nullptr;
    TSkinData* FilterComponent = nullptr;

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    void WindowCreated(HWND window);
    void WindowDestroyed(HWND window);
    void WindowActivated(HWND window);
    void AttachPopup(HWND menuWindow);

    // Frees the skinners whose windows are gone. The dead ones are taken out of the list before
    // any is freed, so freeing never changes a list being walked.
    void Purge();
    void FreeSkinner(TVarUdedForm* skinner);
    void SkinForm(TCustomForm* form);
    TCustomForm* FormOf(HWND window) const;
    std::vector<TVarUdedForm*> SkinnersOf(TSkinData* component) const;

    std::unique_ptr<TTimer> timer_;
    HHOOK hook_ = nullptr;
    std::vector<TVarUdedForm*> skinned_;
    std::vector<std::unique_ptr<TVarUdedPopMenu>> popups_;
    std::vector<TSkinData*> components_;
};

// The process-wide manager, or null when no skin component has loaded yet.
TSkinManage* SkinManager();
// The manager, made on first use.
TSkinManage& EnsureSkinManager();
// Tears the manager down: every skinner of this module uninstalled and freed, hook removed.
// Runs by itself at program exit; tests call it to start afresh.
void DestroySkinManager();
// The shared flags (cleared values when there is no manager).
TSkinManagerFlags& SkinManagerFlags();
// Sets the MDI-child-maximized flag through the manager, so MDI children follow.
void SetMDIChildMaximized(bool maximized);
