#pragma once
// Top-level windows and the application: message loop, title, message boxes and the default
// error display.

#include "framework/Controls.h"

#include <memory>
#include <vector>

// fsMDIForm: a frame holding an MDI client window; fsMDIChild: a child window inside the MDI
// client of the program's MDI frame.
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
extern const TEnumInfo FormStyleNames;

class TMainMenu;

class TCustomForm : public TWinControl {
    DEVTOOL_CLASS(TCustomForm)
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    void Show();
    void Hide() { SetVisible(false); }
    void Close();
    TWinControl* ActiveControl() const { return activeControl_; }

    // The size of the client area; setting it resizes the window around it.
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    // Kept for form files and skinners; forms here never scroll their client area.
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool v) { autoScroll_ = v; }
    // The window's icon: the application's unless one is set. The form does not own it.
    HICON Icon() const;
    void SetIcon(HICON icon);

    // Set before the window exists.
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle style) { formStyle_ = style; }
    // The MDI client window of an MDI frame (null for other forms).
    HWND ClientHandle() const { return clientHandle_; }
    // The MDI frame an MDI child lives in: the first MDI frame form.
    static TCustomForm* MDIFrameForm();
    // The menu bar. The form tells the menu it is the menu's form; the menu tells the form of
    // every change with CM_MENUCHANGED (lParam: the menu) through the form's WindowProc.
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    std::wstring MenuName() const;
    void SetMenuName(const std::wstring& name);
    void Loaded() override;
    void Notification(TComponent* component, bool removing) override;
    // Clicks the enabled, visible item of the form's menus (the bar, then the pop-up menus the
    // form owns) whose short-cut is this key with the modifier keys held now. True when one was.
    bool IsShortCut(WPARAM key);

    // The component of the form with this name and class; throws when there is none.
    template <class T> T* Control(std::wstring_view name) const {
        auto* control = dynamic_cast<T*>(FindComponent(name));
        if (!control)
            throw Exception(L"The window has no control " + std::wstring(name));
        return control;
    }

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnDestroy;

    void WndProc(TMessage& msg) override;
    void DefaultHandler(TMessage& msg) override;

protected:
    void DestroyWnd() override;
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;
    void VisibleChanged() override;
    // Reads the form file `utf8` into this form and runs OnCreate.
    void LoadFromFormText(std::string_view utf8);
    // Reads the form file held as an RCDATA resource of the program.
    void LoadFromResource(const wchar_t* resourceName);

private:
    // Takes the menu bar off the window (before the window is destroyed, which would destroy
    // the menu's HMENU with it).
    void DetachMenuBar();

    TWinControl* activeControl_ = nullptr;
    TMainMenu* menu_ = nullptr;
    std::wstring pendingMenuName_;
    HICON icon_ = nullptr;
    bool autoScroll_ = false;
    TFormStyle formStyle_ = TFormStyle::fsNormal;
    HWND clientHandle_ = nullptr;
};

// Every form that exists, in the order they were made.
const std::vector<TCustomForm*>& AllForms();

class TForm : public TCustomForm {
    DEVTOOL_CLASS(TForm)
public:
    using TCustomForm::TCustomForm;
};

// Answers a message box in place of the user: gets text, caption and style, returns the
// button pressed (IDOK, IDYES...).
using TMessageBoxHook =
    std::function<int(const std::wstring& text, const std::wstring& caption, unsigned flags)>;

class TApplication : public TComponent {
    DEVTOOL_CLASS(TApplication)
public:
    TApplication();
    ~TApplication() override;

    // Common controls, class registry, colour names.
    void Initialize();
    template <class T> T* CreateForm() {
        auto* form = new T(this);
        if (!mainForm_)
            mainForm_ = form;
        return form;
    }
    TCustomForm* MainForm() const { return mainForm_; }
    // Shows the main form and runs the message loop until it closes.
    void Run();
    // Handles the messages waiting in the queue, then returns.
    void ProcessMessages();
    bool HandleMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The program file name without folder, cut at its first ".", all but the first character in
    // lower case.
    const std::wstring& Title() const { return title_; }
    // The program's icon (resource MAINICON, else the system's application icon).
    HICON Icon() const { return icon_; }
    void SetTitle(const std::wstring& title) { title_ = title; }

    // Every message box of the program goes through here.
    int MessageBox(const std::wstring& text, const std::wstring& caption, unsigned flags);
    TMessageBoxHook MessageBoxHook;

    // The default error display: error icon, OK, the title as caption.
    void ShowException(const std::exception& error);
    void HandleException(const std::exception& error);
    std::function<void(const std::exception&)> OnException;

    void FormDestroyed(TCustomForm* form);

private:
    bool ProcessMessage(MSG& msg);
    bool IsShortCut(MSG& msg);
    bool IsKeyMsg(MSG& msg);

    TCustomForm* mainForm_ = nullptr;
    std::wstring title_;
    HICON icon_ = nullptr;
    bool terminated_ = false;
};

extern TApplication* Application;

// The text of the error display: "." is appended when the last character sorts after ".".
std::wstring ExceptionDisplayText(const std::wstring& message);
// The title made from a program path.
std::wstring TitleFromModulePath(const std::wstring& path);
