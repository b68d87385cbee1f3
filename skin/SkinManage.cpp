#include "skin/SkinManage.h"

#include "framework/Forms.h"
#include "skin/ControlKinds.h"
#include "skin/VarUdedData.h"
#include "skin/VarUdedForm.h"
#include "skin/VarUdedPopMenu.h"
#include "skin/WindowClass.h"

#include <algorithm>

namespace {

// The manager lives from the first skin component's load to program exit.
std::unique_ptr<TSkinManage>& ManagerSlot() {
    static std::unique_ptr<TSkinManage> manager;
    return manager;
}

HINSTANCE ProgramModule() {
    return GetModuleHandleW(nullptr);
}

// A child window that is neither an MDI child nor a window inside an MDI client.
bool IsOrdinaryChild(HWND window) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if (!(style & WS_CHILD) || (exStyle & WS_EX_MDICHILD))
        return false;
    return skin::LowerAscii(skin::WindowClassName(GetParent(window))) != L"mdiclient";
}

} // namespace

TSkinManage* SkinManager() {
    return ManagerSlot().get();
}

TSkinManage& EnsureSkinManager() {
    auto& slot = ManagerSlot();
    if (!slot)
        slot = std::make_unique<TSkinManage>();
    return *slot;
}

void DestroySkinManager() {
    ManagerSlot().reset();
}

TSkinManagerFlags& SkinManagerFlags() {
    if (TSkinManage* manager = SkinManager())
        return manager->Flags;
    // Without a manager every flag reads as cleared; writes are dropped at the next read.
    static TSkinManagerFlags cleared;
    cleared = {};
    return cleared;
}

void SetMDIChildMaximized(bool maximized) {
    if (TSkinManage* manager = SkinManager())
        manager->SetMDIChildMaximized(maximized);
}

TSkinManage::TSkinManage() {
    timer_ = std::make_unique<TTimer>(nullptr);
    timer_->SetEnabled(false);
    timer_->SetInterval(100);
    timer_->OnTimer = [this](TObject*) { RunPendingAction(); };
}

TSkinManage::~TSkinManage() {
    Destroying = true;
    Enabled = false;
    timer_.reset();
    // Unhook first, so no hook call reaches the lists while they are freed.
    if (hook_) {
        UnhookWindowsHookEx(hook_);
        hook_ = nullptr;
    }
    std::vector<TVarUdedForm*> skinners;
    skinners.swap(skinned_);
    const HINSTANCE module = ProgramModule();
    for (auto it = skinners.rbegin(); it != skinners.rend(); ++it) {
        TVarUdedForm* skinner = *it;
        const HWND window = skinner->Window();
        const bool ours =
            !IsWindow(window) ||
            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)) == module;
        if (ours)
            FreeSkinner(skinner);
    }
    for (auto& popup : popups_)
        popup->Detach();
    popups_.clear();
    for (TSkinData* component : components_) {
        if (component->Manager() == this)
            component->SetManager(nullptr);
    }
    components_.clear();
}

void TSkinManage::Register(TSkinData* component) {
    if (Destroying || !component)
        return;
    if (std::find(components_.begin(), components_.end(), component) != components_.end())
        return;
    components_.push_back(component);
    if (!FilterComponent && component->SkinFormtype() == TSkinFormType::sfMainform)
        FilterComponent = component;
}

void TSkinManage::Unregister(TSkinData* component) {
    std::erase(components_, component);
    if (FilterComponent == component)
        FilterComponent = nullptr;
    if (PendingComponent == component) {
        PendingComponent = nullptr;
        PendingAction = None;
    }
    // A skinner cannot draw without its skin: those of this component go with it.
    for (TVarUdedForm* skinner : SkinnersOf(component)) {
        std::erase(skinned_, skinner);
        FreeSkinner(skinner);
    }
    for (auto& popup : popups_) {
        if (popup->SkinData() == component)
            popup->Detach();
    }
    std::erase_if(popups_, [component](const auto& p) { return p->SkinData() == component; });
    if (popups_.empty())
        Flags.MenuKind = 0;
}

void TSkinManage::InstallHook() {
    if (hook_)
        return;
    hook_ = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

void TSkinManage::Request(Action action, int delayMs) {
    PendingAction = action;
    timer_->SetInterval(delayMs);
    if (Started != 0) {
        timer_->SetEnabled(true);
        return;
    }
    if (action == Start)
        Enabled = true;
    else if (action == Stop)
        Enabled = false;
}

void TSkinManage::ReloadWindows() {
    for (TVarUdedForm* skinner : SkinnersOf(PendingComponent))
        skinner->DropCaptionButtons();
}

std::vector<TVarUdedForm*> TSkinManage::SkinnersOf(TSkinData* component) const {
    std::vector<TVarUdedForm*> out;
    for (TVarUdedForm* skinner : skinned_) {
        if (skinner->SkinData() == component)
            out.push_back(skinner);
    }
    return out;
}

TVarUdedForm* TSkinManage::SkinnerOf(HWND window) const {
    for (TVarUdedForm* skinner : skinned_) {
        if (skinner->Window() == window && skinner->SkinState() != TSkinState::Destroyed)
            return skinner;
    }
    return nullptr;
}

void TSkinManage::ForgetSkinner(TVarUdedForm* skinner) {
    if (Destroying)
        return;
    std::erase(skinned_, skinner);
}

void TSkinManage::FreeSkinner(TVarUdedForm* skinner) {
    // A form-owned skinner leaves its form's components as it is freed.
    delete skinner;
}

void TSkinManage::Purge() {
    std::vector<TVarUdedForm*> dead;
    for (TVarUdedForm* skinner : skinned_) {
        if (skinner->SkinState() == TSkinState::Destroyed || !IsWindow(skinner->Window()))
            dead.push_back(skinner);
    }
    for (TVarUdedForm* skinner : dead)
        std::erase(skinned_, skinner);
    for (TVarUdedForm* skinner : dead)
        FreeSkinner(skinner);
}

TCustomForm* TSkinManage::FormOf(HWND window) const {
    for (TCustomForm* form : AllForms()) {
        if (form->HandleAllocated() && form->Handle() == window)
            return form;
    }
    return dynamic_cast<TCustomForm*>(TWinControl::FromHandle(window));
}

TSkinData* TSkinManage::ComponentFor(HWND window, const std::wstring& className) const {
    auto lastOf = [this](auto&& matches) -> TSkinData* {
        for (auto it = components_.rbegin(); it != components_.rend(); ++it) {
            if (matches(*it))
                return *it;
        }
        return nullptr;
    };
    if (TSkinData* only = lastOf([window](TSkinData* c) {
            if (c->SkinFormtype() != TSkinFormType::sfOnlyThisForm)
                return false;
            auto* form = dynamic_cast<TCustomForm*>(c->Owner());
            return form && form->HandleAllocated() && form->Handle() == window;
        }))
        return only;
    const std::wstring lower = skin::LowerAscii(className);
    if (lower == L"tmessageform" || lower == L"#32770") {
        if (TSkinData* dialog =
                lastOf([](TSkinData* c) { return c->SkinFormtype() == TSkinFormType::sfDialog; }))
            return dialog;
    }
    if (TSkinData* main =
            lastOf([](TSkinData* c) { return c->SkinFormtype() == TSkinFormType::sfMainform; }))
        return main;
    return components_.empty() ? nullptr : components_.front();
}

bool TSkinManage::SkinWindow(HWND window) {
    if (!Enabled || Destroying || !IsWindow(window))
        return false;
    Purge();
    if (SendMessageW(window, skinmsg::kIsSkinned, 0, 0) == 1 || SkinnerOf(window))
        return false;
    TCustomForm* form = FormOf(window);
    if (!Walking && IsOrdinaryChild(window))
        return false;
    const std::wstring className = skin::WindowClassName(window);
    const bool ourModule =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)) == ProgramModule();
    if (!form && !ourModule && className != L"#32770")
        return false;
    RECT rect{};
    GetWindowRect(window, &rect);
    const bool mdiChild = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
    if ((rect.right - rect.left) * (rect.bottom - rect.top) == 0 && !mdiChild)
        return false;
    // A fixed tag, whatever the components' DisableTag says.
    if (form && form->Tag() == 99)
        return false;
    if (className.find(L"TcxPopupEditPopupWindow") != std::wstring::npos ||
        className == L"TApplication")
        return false;
    if (FilterComponent && !FilterComponent->WantsWindow(className))
        return false;
    TSkinData* component = ComponentFor(window, className);
    if (!component || component->NoSkin())
        return false;
    auto* skinner = new TVarUdedForm(form);
    skinner->SetWindow(window, className);
    if (form)
        skinner->AttachForm(component, form);
    else
        skinner->AttachWindow(component);
    skinned_.push_back(skinner);
    PostMessageW(window, skinmsg::kActivate, 0, 1000);
    return true;
}

void TSkinManage::SetMDIChildMaximized(bool maximized) {
    if (Flags.MDIChildMaximized == maximized)
        return;
    Flags.MDIChildMaximized = maximized;
    if (FilterComponent && FilterComponent->HasOption(xoMDIChildBorder))
        return;
    for (TVarUdedForm* skinner : skinned_) {
        if (skinner->Kinds().mdi == skin::MdiRole::Child)
            skinner->ApplyMDICaptionStyle();
    }
}

void TSkinManage::SkinForm(TCustomForm* form) {
    if (!form->Visible() || !form->HandleAllocated())
        return;
    if (GetWindowLongPtrW(form->Handle(), GWL_STYLE) & WS_CHILD)
        return;
    SkinWindow(form->Handle());
}

void TSkinManage::RunPendingAction() {
    timer_->SetEnabled(false);
    TSkinData* component = PendingComponent;
    if (!component)
        return;
    const Action action = PendingAction;
    if (component->SkinFormtype() == TSkinFormType::sfOnlyThisForm) {
        if (action == Start) {
            Enabled = true;
            Walking = true;
            const auto& forms = AllForms();
            for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
                if (*it == component->Owner()) {
                    SkinForm(*it);
                    break;
                }
            }
            Walking = false;
        } else if (action == Stop) {
            Enabled = false;
            Purge();
            const std::vector<TVarUdedForm*> mine = SkinnersOf(component);
            if (!mine.empty()) {
                TVarUdedForm* last = mine.back();
                last->Uninstall();
                std::erase(skinned_, last);
                FreeSkinner(last);
            }
        } else if (action == Refresh) {
            Purge();
            const std::vector<TVarUdedForm*> mine = SkinnersOf(component);
            if (!mine.empty())
                mine.front()->Refresh();
        }
    } else if (action == Start) {
        Enabled = true;
        Walking = true;
        Purge();
        // A copy: skinning a form may make or free forms.
        const std::vector<TCustomForm*> forms = AllForms();
        for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
            const auto& live = AllForms();
            if (std::find(live.begin(), live.end(), *it) != live.end())
                SkinForm(*it);
        }
        Walking = false;
    } else if (action == Stop) {
        Enabled = false;
        Purge();
        while (!skinned_.empty()) {
            TVarUdedForm* first = skinned_.front();
            skinned_.erase(skinned_.begin());
            first->Uninstall();
            FreeSkinner(first);
        }
    } else if (action == Refresh) {
        Purge();
        const std::vector<TVarUdedForm*> mine = SkinnersOf(component);
        for (TVarUdedForm* skinner : mine)
            skinner->UpdateMetrics();
        for (TVarUdedForm* skinner : mine)
            skinner->Refresh();
    }
    if (component->OnSkinChanged)
        component->OnSkinChanged(component);
    PendingComponent = nullptr;
    PendingAction = None;
}

// The CBT hook: creation, destruction and activation of the thread's windows.

LRESULT CALLBACK TSkinManage::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    TSkinManage* manager = SkinManager();
    if (manager && !manager->Destroying) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        switch (code) {
        case HCBT_CREATEWND:
            manager->WindowCreated(window);
            break;
        case HCBT_DESTROYWND:
            manager->WindowDestroyed(window);
            break;
        case HCBT_ACTIVATE:
            manager->WindowActivated(window);
            break;
        default:
            break;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TSkinManage::WindowCreated(HWND window) {
    // The class is read from the window: the creation parameters may carry it as an atom.
    const std::wstring className = skin::WindowClassName(window);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (skin::LowerAscii(className) == L"scrollbar" && (style & SBS_SIZEGRIP)) {
        if (TVarUdedForm* parent = SkinnerOf(GetParent(window)))
            parent->AttachControlWindow(window);
    }
    if (!(style & WS_CHILD) && className == L"#32768")
        AttachPopup(window);
    if (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_MDICHILD)
        SkinWindow(window);
}

void TSkinManage::WindowDestroyed(HWND window) {
    auto it = std::find_if(popups_.begin(), popups_.end(),
                           [window](const auto& p) { return p->Window() == window; });
    if (it != popups_.end()) {
        std::unique_ptr<TVarUdedPopMenu> popup = std::move(*it);
        popups_.erase(it);
        popup->Detach();
    }
    if (popups_.empty())
        Flags.MenuKind = 0;
}

void TSkinManage::WindowActivated(HWND window) {
    MarkStarted();
    SkinWindow(window);
}

void TSkinManage::AttachPopup(HWND menuWindow) {
    if (!Enabled || SendMessageW(menuWindow, skinmsg::kIsSkinned, 0, 0) == 1)
        return;
    for (const auto& popup : popups_) {
        if (popup->Window() == menuWindow)
            return;
    }
    TSkinData* component = ComponentFor(menuWindow, L"#32768");
    if (!component || component->NoSkin())
        return;
    const bool allowed = Flags.MenuKind == 0 ? component->Skins(xcPopupMenu)
                         : Flags.MenuKind == 1
                             ? component->Skins(xcMainMenu) || component->Skins(xcMenuItem)
                             : component->Skins(xcSystemMenu);
    if (!allowed)
        return;
    auto popup = std::make_unique<TVarUdedPopMenu>();
    popup->Attach(menuWindow, component, nullptr);
    popups_.push_back(std::move(popup));
}

void TSkinManage::SetPopupMenuHandle(HMENU menu) {
    for (auto it = popups_.rbegin(); it != popups_.rend(); ++it) {
        if (!(*it)->MenuHandle()) {
            (*it)->SetMenuHandle(menu);
            return;
        }
    }
}

HBITMAP TSkinManage::PopupBackground(HMENU menu) const {
    for (const auto& popup : popups_) {
        if (popup->MenuHandle() == menu)
            return popup->Background();
    }
    return nullptr;
}
