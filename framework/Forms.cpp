#include "framework/Forms.h"

#include "framework/FormReader.h"
#include "framework/Menus.h"

#include <commctrl.h>

TApplication* Application = nullptr;

void HandleCurrentException() {
    try {
        throw;
    } catch (const std::exception& e) {
        if (Application)
            Application->HandleException(e);
    } catch (...) {
        if (Application)
            Application->HandleException(std::runtime_error("Unknown error"));
    }
}

std::wstring ExceptionDisplayText(const std::wstring& message) {
    if (!message.empty() && message.back() > L'.')
        return message + L".";
    return message;
}

std::wstring TitleFromModulePath(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    name = name.substr(0, name.find(L'.'));
    for (size_t i = 1; i < name.size(); ++i)
        name[i] = static_cast<wchar_t>(towlower(name[i]));
    return name;
}

// TCustomForm

const TEnumInfo FormStyleNames{{L"fsNormal", L"fsMDIChild", L"fsMDIForm", L"fsStayOnTop"}};

const TClassInfo& TCustomForm::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TCustomForm, TWinControl>(
        "TCustomForm",
        [](PropBuilder<TCustomForm>& b) {
            b.Str("Caption", &TCustomForm::Caption, &TCustomForm::SetCaption)
                .Int("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth)
                .Int("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight)
                .Bool("AutoScroll", &TCustomForm::AutoScroll, &TCustomForm::SetAutoScroll)
                .Enum("FormStyle", FormStyleNames, &TCustomForm::FormStyle,
                      &TCustomForm::SetFormStyle)
                .ComponentRef("Menu", &TCustomForm::MenuName, &TCustomForm::SetMenuName)
                .NotifyEvent("OnCreate", &TCustomForm::OnCreate)
                .NotifyEvent("OnShow", &TCustomForm::OnShow)
                .NotifyEvent("OnDestroy", &TCustomForm::OnDestroy);
        },
        false);
    return info;
}

const TClassInfo& TForm::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TForm, TCustomForm>("TForm", nullptr, false);
    return info;
}

namespace {
std::vector<TCustomForm*>& LiveForms() {
    static std::vector<TCustomForm*> forms;
    return forms;
}
} // namespace

const std::vector<TCustomForm*>& AllForms() {
    return LiveForms();
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    LiveForms().push_back(this);
    SetVisible(false);
    SetParentFont(false);
}

TCustomForm::~TCustomForm() {
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            HandleCurrentException();
        }
    }
    if (Application)
        Application->FormDestroyed(this);
    std::erase(LiveForms(), this);
    // The menu may outlive the form (or go after it among the form's components).
    DetachMenuBar();
    if (menu_)
        menu_->SetForm(nullptr);
    menu_ = nullptr;
}

void TCustomForm::SetMenu(TMainMenu* menu) {
    if (menu == menu_)
        return;
    // A menu bar belongs to one window at a time.
    if (menu && menu->Form())
        menu->Form()->SetMenu(nullptr);
    if (menu_) {
        DetachMenuBar();
        menu_->SetForm(nullptr);
    }
    menu_ = menu;
    pendingMenuName_.clear();
    if (menu_)
        menu_->SetForm(this);
    Perform(CM_MENUCHANGED, 0, reinterpret_cast<LPARAM>(menu_));
}

std::wstring TCustomForm::MenuName() const {
    return menu_ ? menu_->Name() : pendingMenuName_;
}

// While the form file is read the menu may not exist yet: the name waits for Loaded.
void TCustomForm::SetMenuName(const std::wstring& name) {
    if (Loading()) {
        pendingMenuName_ = name;
        return;
    }
    SetMenu(dynamic_cast<TMainMenu*>(FindComponent(name)));
}

void TCustomForm::Loaded() {
    TWinControl::Loaded();
    if (!pendingMenuName_.empty())
        SetMenu(dynamic_cast<TMainMenu*>(FindComponent(pendingMenuName_)));
}

void TCustomForm::Notification(TComponent* component, bool removing) {
    TWinControl::Notification(component, removing);
    if (removing && component == menu_)
        SetMenu(nullptr);
}

void TCustomForm::DetachMenuBar() {
    if (menu_ && HandleAllocated() && GetMenu(Handle()) == menu_->Handle())
        ::SetMenu(Handle(), nullptr);
}

bool TCustomForm::IsShortCut(WPARAM key) {
    TShortCut modifiers = 0;
    if (GetKeyState(VK_SHIFT) & 0x8000)
        modifiers |= scShift;
    if (GetKeyState(VK_CONTROL) & 0x8000)
        modifiers |= scCtrl;
    if (GetKeyState(VK_MENU) & 0x8000)
        modifiers |= scAlt;
    const TShortCut shortCut = ::ShortCut(static_cast<uint8_t>(key), modifiers);
    TMenuItem* item = menu_ ? menu_->FindShortCut(shortCut) : nullptr;
    for (int i = 0; !item && i < ComponentCount(); ++i) {
        if (auto* popup = dynamic_cast<TPopupMenu*>(Components(i)))
            item = popup->FindShortCut(shortCut);
    }
    if (!item)
        return false;
    item->Click();
    return true;
}

void TCustomForm::LoadFromFormText(std::string_view utf8) {
    ReadFormText(*this, utf8);
    if (OnCreate)
        OnCreate(this);
}

void TCustomForm::LoadFromResource(const wchar_t* resourceName) {
    HRSRC res = FindResourceW(nullptr, resourceName, reinterpret_cast<LPCWSTR>(RT_RCDATA));
    HGLOBAL data = res ? LoadResource(nullptr, res) : nullptr;
    const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
    if (!bytes)
        throw EFormError(std::wstring(L"Form resource ") + resourceName + L" not found");
    LoadFromFormText(std::string_view(bytes, SizeofResource(nullptr, res)));
}

void TCustomForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    params.ExStyle = WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE;
    params.WndParent = nullptr;
    if (formStyle_ == TFormStyle::fsStayOnTop)
        params.ExStyle |= WS_EX_TOPMOST;
    if (formStyle_ == TFormStyle::fsMDIChild) {
        TCustomForm* frame = MDIFrameForm();
        if (!frame || frame == this)
            throw Exception(L"Cannot create form. No MDI forms are currently active");
        frame->HandleNeeded();
        params.WndParent = frame->ClientHandle();
        params.Style = WS_CHILD | WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        params.ExStyle |= WS_EX_MDICHILD;
    }
}

TCustomForm* TCustomForm::MDIFrameForm() {
    for (TCustomForm* form : AllForms()) {
        if (form->formStyle_ == TFormStyle::fsMDIForm)
            return form;
    }
    return nullptr;
}

void TCustomForm::DefaultHandler(TMessage& msg) {
    const bool framework = msg.Msg >= CM_BASE && msg.Msg < CN_BASE + 0x400;
    if (!HandleAllocated() || framework) {
        TWinControl::DefaultHandler(msg);
        return;
    }
    // MDI windows answer through the system's MDI default procedures.
    if (formStyle_ == TFormStyle::fsMDIForm) {
        msg.Result = DefFrameProcW(Handle(), clientHandle_, msg.Msg, msg.WParam, msg.LParam);
        return;
    }
    if (formStyle_ == TFormStyle::fsMDIChild) {
        msg.Result = DefMDIChildProcW(Handle(), msg.Msg, msg.WParam, msg.LParam);
        return;
    }
    TWinControl::DefaultHandler(msg);
}

void TCustomForm::DestroyWnd() {
    if (formStyle_ == TFormStyle::fsMDIChild && HandleAllocated()) {
        const HWND client = GetParent(Handle());
        if (client) {
            // The client forgets the child and activates the next one.
            SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(Handle()), 0);
            return;
        }
    }
    TWinControl::DestroyWnd();
}

int TCustomForm::ClientWidth() const {
    const RECT r = ClientRect();
    return r.right - r.left;
}

int TCustomForm::ClientHeight() const {
    const RECT r = ClientRect();
    return r.bottom - r.top;
}

void TCustomForm::SetClientWidth(int width) {
    SetWidth(Width() - ClientWidth() + width);
}

void TCustomForm::SetClientHeight(int height) {
    SetHeight(Height() - ClientHeight() + height);
}

HICON TCustomForm::Icon() const {
    if (icon_)
        return icon_;
    return Application ? Application->Icon() : nullptr;
}

void TCustomForm::SetIcon(HICON icon) {
    icon_ = icon;
    if (HandleAllocated())
        InitializeHandle();
}

void TCustomForm::InitializeHandle() {
    TWinControl::InitializeHandle();
    // The bar first: the MDI client fills the client area left below it.
    if (menu_)
        ::SetMenu(Handle(), menu_->Handle());
    if (formStyle_ == TFormStyle::fsMDIForm && !clientHandle_) {
        CLIENTCREATESTRUCT client{};
        client.idFirstChild = 0xFF00;
        RECT r{};
        GetClientRect(Handle(), &r);
        clientHandle_ = CreateWindowExW(
            WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
            WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, r.right,
            r.bottom, Handle(), nullptr, GetModuleHandleW(nullptr), &client);
    }
    if (HICON icon = Icon()) {
        SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
}

void TCustomForm::Show() {
    if (OnShow)
        OnShow(this);
    SetVisible(true);
    HandleNeeded();
    ShowWindow(Handle(), SW_SHOWNORMAL);
    if (formStyle_ == TFormStyle::fsMDIChild)
        SendMessageW(GetParent(Handle()), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Handle()), 0);
    else
        SetForegroundWindow(Handle());
    if (!activeControl_)
        SelectNext(nullptr, true);
    UpdateWindow(Handle());
}

void TCustomForm::VisibleChanged() {
    if (HandleAllocated())
        ShowWindow(Handle(), Visible() ? SW_SHOW : SW_HIDE);
}

void TCustomForm::Close() {
    if (!HandleAllocated())
        return;
    if (formStyle_ == TFormStyle::fsMDIChild)
        DestroyWnd();
    else
        DestroyWindow(Handle());
}

void TCustomForm::WndProc(TMessage& msg) {
    switch (msg.Msg) {
    case CM_DIALOGKEY:
        if (msg.WParam == VK_TAB) {
            SelectNext(activeControl_, (GetKeyState(VK_SHIFT) & 0x8000) == 0);
            msg.Result = 1;
            return;
        }
        TWinControl::WndProc(msg);
        return;
    case CM_FOCUSCHANGED:
        if (msg.WParam)
            activeControl_ = reinterpret_cast<TWinControl*>(msg.LParam);
        TWinControl::WndProc(msg);
        return;
    case WM_ACTIVATE:
        TWinControl::WndProc(msg);
        if (LOWORD(msg.WParam) != WA_INACTIVE && activeControl_ && activeControl_->CanFocus())
            activeControl_->SetFocus();
        return;
    case WM_CLOSE:
        Close();
        msg.Result = 0;
        return;
    case CM_MENUCHANGED:
        // The bar goes (back) on the window and is drawn again. Whoever paints the bar in its
        // place takes it off after this default handling.
        if (menu_ && HandleAllocated()) {
            if (GetMenu(Handle()) != menu_->Handle())
                ::SetMenu(Handle(), menu_->Handle());
            else
                DrawMenuBar(Handle());
        }
        msg.Result = 0;
        return;
    case WM_COMMAND:
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_MENUCHAR:
        if (!DispatchMenuMessage(msg))
            TWinControl::WndProc(msg);
        return;
    case WM_DESTROY:
        DetachMenuBar();
        TWinControl::WndProc(msg);
        if (Application && Application->MainForm() == this)
            PostQuitMessage(0);
        return;
    default:
        TWinControl::WndProc(msg);
    }
}

// TApplication

const TClassInfo& TApplication::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TApplication, TComponent>("TApplication", nullptr, false);
    return info;
}

TApplication::TApplication() : TComponent(nullptr) {
    Application = this;
    wchar_t path[MAX_PATH * 2] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    title_ = TitleFromModulePath(path);
    // Shared icons need no freeing.
    icon_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, 0, 0,
                                          LR_DEFAULTSIZE | LR_SHARED));
    if (!icon_)
        icon_ = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
}

TApplication::~TApplication() {
    // Forms go while the application still answers for them.
    while (ComponentCount() > 0)
        delete Components(ComponentCount() - 1);
    if (Application == this)
        Application = nullptr;
}

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES |
                                              ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    RegisterColorIdents();
    RegisterFrameworkClasses();
}

void TApplication::FormDestroyed(TCustomForm* form) {
    if (form == mainForm_)
        mainForm_ = nullptr;
}

void TApplication::Run() {
    if (mainForm_)
        mainForm_->Show();
    while (!terminated_ && HandleMessage()) {
    }
}

bool TApplication::HandleMessage() {
    MSG msg;
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
        terminated_ = true;
        return false;
    }
    ProcessMessage(msg);
    return true;
}

void TApplication::ProcessMessages() {
    // GetQueueStatus: what the queue holds now (posted and sent messages, input, paints, timers).
    // Asking that first makes the common case of an empty queue cheap: under Wine, PeekMessageW
    // on an empty queue also waits for display events, flushes the window surfaces and yields
    // the processor, several times the cost of the question, and a record download asks after
    // every record.
    if (LOWORD(GetQueueStatus(QS_ALLINPUT)) == 0)
        return;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        ProcessMessage(msg);
    }
}

// Tab, Enter and Escape that the focused window does not want go to its form as CM_DIALOGKEY:
// Tab moves the focus, Enter presses the active (default) button, Escape the cancel button.
bool TApplication::IsKeyMsg(MSG& msg) {
    if (msg.message != WM_KEYDOWN ||
        (msg.wParam != VK_TAB && msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE))
        return false;
    const LRESULT wants =
        SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (wants & (msg.wParam == VK_TAB ? DLGC_WANTTAB | DLGC_WANTALLKEYS
                                      : DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))
        return false;
    // The focused window may be the inner part of a control (a combo box's edit).
    auto* form =
        dynamic_cast<TCustomForm*>(TWinControl::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
    return form && form->Perform(CM_DIALOGKEY, msg.wParam, msg.lParam) != 0;
}

// A key pressed in a form's window that is the short-cut of one of the form's menu items.
bool TApplication::IsShortCut(MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return false;
    auto* form =
        dynamic_cast<TCustomForm*>(TWinControl::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
    return form && form->IsShortCut(msg.wParam);
}

bool TApplication::ProcessMessage(MSG& msg) {
    try {
        if (IsShortCut(msg) || IsKeyMsg(msg))
            return true;
    } catch (...) {
        HandleCurrentException();
        return true;
    }
    for (TCustomForm* form : AllForms()) {
        if (form->ClientHandle() && TranslateMDISysAccel(form->ClientHandle(), &msg))
            return true;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

int TApplication::MessageBox(const std::wstring& text, const std::wstring& caption,
                             unsigned flags) {
    if (MessageBoxHook)
        return MessageBoxHook(text, caption, flags);
    HWND owner = GetActiveWindow();
    return ::MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

void TApplication::ShowException(const std::exception& error) {
    std::wstring message;
    if (auto* e = dynamic_cast<const Exception*>(&error))
        message = e->Message();
    else
        message = WideFromUtf8(error.what());
    MessageBox(ExceptionDisplayText(message), title_, MB_OK | MB_ICONSTOP);
}

void TApplication::HandleException(const std::exception& error) {
    if (OnException) {
        OnException(error);
        return;
    }
    ShowException(error);
}
