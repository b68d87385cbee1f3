// The skin manager on real windows: which windows it skins, the component it picks, start, stop
// and refresh requests, unregistering and teardown, and the messages caption buttons post.

#include "framework/Menus.h"
#include "skin/SkinManage.h"
#include "skin/VarUdedMenu.h"
#include "tests/win/skin/SkinTestSupport.h"

#include <functional>
#include <map>

namespace {

// Callbacks are plain functions: a capture-less lambda is not of the system's calling convention
// in the 32-bit build.
INT_PTR CALLBACK IgnoringDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

bool g_boxSkinned = false;

// Notes whether the message box is skinned once it shows, then closes it.
void CALLBACK CheckBoxSkinned(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = FindWindowW(L"#32770", L"Skinned box");
    if (!box)
        return;
    KillTimer(nullptr, id);
    g_boxSkinned =
        SendMessageW(box, skinmsg::kIsSkinned, 0, 0) == 1 && SkinManager()->SkinnerOf(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

} // namespace

namespace {

class SkinManagerTest : public SkinnedMainWindowTest {
protected:
    TSkinManage& Manager() { return *SkinManager(); }

    // A raw top-level window: WS_POPUP unless other styles are given.
    HWND RawWindow(const wchar_t* className, DWORD style, int size,
                   HINSTANCE module = GetModuleHandleW(nullptr)) {
        RegisterRawClass(className, module);
        HWND h = CreateWindowExW(0, className, L"raw", style, 10, 10, size, size,
                                 (style & WS_CHILD) ? Window() : nullptr, nullptr, module, nullptr);
        raw_.push_back(h);
        return h;
    }

    void TearDown() override {
        for (HWND h : raw_) {
            if (IsWindow(h))
                DestroyWindow(h);
        }
        SkinnedMainWindowTest::TearDown();
    }

    std::vector<HWND> raw_;

private:
    static void RegisterRawClass(const wchar_t* name, HINSTANCE module) {
        WNDCLASSW wc{};
        if (GetClassInfoW(module, name, &wc))
            return;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = module;
        wc.lpszClassName = name;
        RegisterClassW(&wc);
    }
};

// A dialog of the standard dialog class, made from a template in memory by another module.
HWND StandardDialog(HWND owner) {
    struct alignas(4) Template {
        DLGTEMPLATE head;
        WORD menu, windowClass;
        wchar_t title[8];
    } t{};
    t.head.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    t.head.cx = 160;
    t.head.cy = 80;
    wcscpy(t.title, L"Dialog");
    return CreateDialogIndirectParamW(GetModuleHandleW(L"user32.dll"), &t.head, owner,
                                      IgnoringDialogProc, 0);
}

std::unique_ptr<TSkinData> DialogComponent(TComponent* owner) {
    auto data = std::make_unique<TSkinData>(owner);
    data->SetSkinFormtype(TSkinFormType::sfDialog);
    EXPECT_TRUE(data->LoadFromPacked(PlainEdgeSkin(false)));
    data->Loaded();
    return data;
}

} // namespace

TEST_F(SkinManagerTest, AttachAndSkipRules) {
    Manager().Enabled = true;
    TForm tagged(nullptr);
    tagged.SetCaption(L"Tagged");
    tagged.SetTag(99);
    Data().SetDisableTag(5);
    tagged.Show();
    TForm plain(nullptr);
    plain.SetCaption(L"Plain");
    plain.Show();
    PumpMessages(50);
    Data().SetOptions(Data().Options() & ~SkinBit(xoPreview));

    struct Case {
        const char* what;
        HWND window;
        bool skinned;
    };
    const Case cases[] = {
        {"a form, skinned as it is activated", plain.Handle(), true},
        {"a form tagged 99, whatever DisableTag says", tagged.Handle(), false},
        {"a top-level window of this program", RawWindow(L"RawTop", WS_POPUP | WS_VISIBLE, 80),
         true},
        {"a child window", RawWindow(L"RawChild", WS_CHILD | WS_VISIBLE, 40), false},
        {"a window without area", RawWindow(L"RawEmpty", WS_POPUP, 0), false},
        {"a window of another module",
         RawWindow(L"Static", WS_POPUP | WS_VISIBLE, 80, GetModuleHandleW(L"user32.dll")), false},
        {"a preview window without xoPreview",
         RawWindow(L"TPreviewForm", WS_POPUP | WS_VISIBLE, 80), false},
        {"the application window class", RawWindow(L"TApplication", WS_POPUP | WS_VISIBLE, 80),
         false},
    };
    for (const Case& c : cases) {
        Manager().SkinWindow(c.window);
        EXPECT_EQ(Manager().SkinnerOf(c.window) != nullptr, c.skinned) << c.what;
        EXPECT_EQ(SendMessageW(c.window, skinmsg::kIsSkinned, 0, 0) == 1, c.skinned) << c.what;
    }
    // A second request for a skinned window attaches nothing more.
    const std::size_t count = Manager().SkinnedWindows().size();
    EXPECT_FALSE(Manager().SkinWindow(plain.Handle()));
    EXPECT_EQ(Manager().SkinnedWindows().size(), count);
}

TEST_F(SkinManagerTest, StandardDialogsTakeTheDialogComponentWhenThereIsOne) {
    Manager().Enabled = true;
    HWND first = StandardDialog(Window());
    ASSERT_NE(first, nullptr);
    raw_.push_back(first);
    ASSERT_TRUE(Manager().SkinWindow(first) || Manager().SkinnerOf(first));
    EXPECT_EQ(Manager().SkinnerOf(first)->SkinData(), &Data());

    std::unique_ptr<TSkinData> dialogs = DialogComponent(nullptr);
    HWND second = StandardDialog(Window());
    raw_.push_back(second);
    ASSERT_TRUE(Manager().SkinWindow(second) || Manager().SkinnerOf(second));
    EXPECT_EQ(Manager().SkinnerOf(second)->SkinData(), dialogs.get());
    EXPECT_EQ(Manager().FilterComponent, &Data());

    // Going away, the component takes every reference to it along: its skinners too.
    Manager().SetPendingComponent(dialogs.get());
    dialogs.reset();
    EXPECT_EQ(Manager().PendingComponent, nullptr);
    EXPECT_EQ(Manager().SkinnerOf(second), nullptr);
    EXPECT_EQ(SendMessageW(second, skinmsg::kIsSkinned, 0, 0), 0);
    EXPECT_NE(Manager().SkinnerOf(first), nullptr);
    for (TSkinData* c : Manager().Components())
        EXPECT_EQ(c, &Data());
}

TEST_F(SkinManagerTest, MessageBoxesAreSkinnedAsTheyOpen) {
    Manager().Enabled = true;
    Manager().MarkStarted();
    g_boxSkinned = false;
    SetTimer(nullptr, 0, 300, CheckBoxSkinned);
    ::MessageBoxW(Window(), L"Text", L"Skinned box", MB_OK);
    EXPECT_TRUE(g_boxSkinned);
    PumpMessages(20);
}

TEST_F(SkinManagerTest, ActiveSwitchesSkinningAfterTheDelayWithoutGrowth) {
    ASSERT_NE(Skin(), nullptr);
    Manager().MarkStarted();
    int changes = 0;
    Data().OnSkinChanged = [&](TObject*) { ++changes; };

    Data().SetActive(false);
    EXPECT_NE(Manager().SkinnerOf(Window()), nullptr) << "the stop waits for the timer";
    ASSERT_TRUE(WaitFor([&] { return changes == 1; }));
    EXPECT_TRUE(Manager().SkinnedWindows().empty());
    EXPECT_FALSE(Manager().Enabled);
    EXPECT_EQ(SendMessageW(Window(), skinmsg::kIsSkinned, 0, 0), 0);
    PumpMessages(300);
    EXPECT_EQ(changes, 1);

    Data().SetActive(true);
    ASSERT_TRUE(WaitFor([&] { return changes == 2; }));
    ASSERT_TRUE(WaitFor([&] {
        const TVarUdedForm* s = Manager().SkinnerOf(Window());
        return s && s->SkinState() == TSkinState::Active;
    }));

    const int gdi = GdiObjectCount();
    const int windows = ThreadWindowCount();
    for (int i = 0; i < 50; ++i) {
        Data().SetActive(i % 2 != 0);
        Manager().RunPendingAction();
        PumpMessages(5);
    }
    EXPECT_EQ(changes, 52);
    EXPECT_NE(Manager().SkinnerOf(Window()), nullptr);
    PumpMessages(50);
    EXPECT_LE(GdiObjectCount(), gdi);
    EXPECT_LE(ThreadWindowCount(), windows);
}

TEST_F(SkinManagerTest, RefreshAppliesANewSkinToTheWindowsUsingIt) {
    TVarUdedForm* skinner = Skin();
    ASSERT_NE(skinner, nullptr);
    Manager().MarkStarted();
    int changes = 0;
    Data().OnSkinChanged = [&](TObject*) { ++changes; };
    const int before = skinner->Metrics().borderLeft;
    ASSERT_TRUE(Data().LoadFromPacked(PlainEdgeSkin(false)));
    ASSERT_TRUE(WaitFor([&] { return changes == 1; }));
    EXPECT_EQ(skinner->Metrics().borderLeft, 5);
    EXPECT_NE(skinner->Metrics().borderLeft, before);
    // The new skin's close button is the only one that shows.
    PaintFrameToMemory(Form());
    int visible = 0;
    for (const auto& b : skinner->CaptionButtons())
        visible += b->Visible ? 1 : 0;
    EXPECT_EQ(visible, 1);
}

TEST_F(SkinManagerTest, TeardownUnhooksAndGivesEveryWindowBack) {
    ASSERT_NE(Skin(), nullptr);
    const RECT client = ClientOnScreen();
    DestroySkinManager();
    PumpMessages(20);
    EXPECT_EQ(SendMessageW(Window(), skinmsg::kIsSkinned, 0, 0), 0);
    const RECT after = ClientOnScreen();
    EXPECT_EQ(after.right - after.left, client.right - client.left);
    EXPECT_EQ(after.bottom - after.top, client.bottom - client.top);
    EXPECT_EQ(Data().Manager(), nullptr);
    // No hook is left: a new window activated now stays as it is.
    TForm later(nullptr);
    later.SetCaption(L"Later");
    later.Show();
    PumpMessages(50);
    EXPECT_EQ(SendMessageW(later.Handle(), skinmsg::kIsSkinned, 0, 0), 0);
}

TEST_F(SkinManagerTest, EachCaptionButtonPostsItsActionOncePerClick) {
    TVarUdedForm* skinner = Skin();
    ASSERT_NE(skinner, nullptr);
    PaintFrameToMemory(Form());
    PostLog::window = Window();
    PostLog::posted.clear();
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, PostLog::Hook, nullptr, GetCurrentThreadId());
    const std::map<int, WPARAM> expected{{0, SC_CLOSE}, {1, SC_MAXIMIZE}, {2, SC_MINIMIZE}};
    const RECT w = WindowRect();
    for (const auto& [action, command] : expected) {
        TWinSysButton* button = nullptr;
        for (const auto& b : skinner->CaptionButtons()) {
            if (b->Visible && b->Element()->Action == action)
                button = b.get();
        }
        ASSERT_NE(button, nullptr) << action;
        const skin::PaintRect r = button->Rect;
        const LPARAM at =
            MAKELPARAM(w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2);
        PostLog::posted.clear();
        SendMessageW(Window(), WM_NCMOUSEMOVE, HTCAPTION, at);
        SendMessageW(Window(), WM_NCLBUTTONDOWN, HTCAPTION, at);
        SendMessageW(Window(), WM_NCLBUTTONUP, HTCAPTION, at);
        PumpMessages(30);
        ASSERT_EQ(PostLog::posted.size(), 1u) << "action " << action;
        EXPECT_EQ(PostLog::posted[0].first, UINT(WM_SYSCOMMAND));
        EXPECT_EQ(PostLog::posted[0].second, command);
    }
    UnhookWindowsHookEx(hook);
    PostLog::window = nullptr;
}

TEST_F(SkinManagerTest, MdiFrameAndChildrenAreSkinnedThroughEveryShowState) {
    Manager().Enabled = true;
    Manager().MarkStarted();
    TForm frame(nullptr);
    frame.SetFormStyle(TFormStyle::fsMDIForm);
    frame.SetCaption(L"MDI frame");
    auto* menu = new TMainMenu(&frame);
    for (const wchar_t* caption : {L"&File", L"&Window"}) {
        auto* top = new TMenuItem(menu);
        top->SetCaption(caption);
        auto* sub = new TMenuItem(menu);
        sub->SetCaption(L"&New");
        top->Add(sub);
        menu->Items()->Add(top);
    }
    frame.SetMenu(menu);
    frame.SetBounds(60, 60, 560, 420);
    frame.Show();
    PumpMessages(50);
    ASSERT_NE(frame.ClientHandle(), nullptr);
    TVarUdedForm* frameSkinner = Manager().SkinnerOf(frame.Handle());
    ASSERT_NE(frameSkinner, nullptr);
    EXPECT_EQ(frameSkinner->Kinds().mdi, skin::MdiRole::Frame);
    EXPECT_EQ(Manager().MDIClient, frame.ClientHandle());
    ASSERT_NE(frameSkinner->MenuBar(), nullptr);
    EXPECT_EQ(frameSkinner->MenuBar()->Items().size(), 2u);
    EXPECT_EQ(GetMenu(frame.Handle()), nullptr) << "the skinned bar replaces the window's own";

    TForm first(nullptr);
    first.SetFormStyle(TFormStyle::fsMDIChild);
    first.SetCaption(L"First child");
    first.SetBounds(10, 10, 240, 160);
    first.Show();
    TForm second(nullptr);
    second.SetFormStyle(TFormStyle::fsMDIChild);
    second.SetCaption(L"Second child");
    second.SetBounds(120, 90, 240, 160);
    second.Show();
    PumpMessages(50);
    for (TForm* child : {&first, &second}) {
        EXPECT_EQ(GetParent(child->Handle()), frame.ClientHandle());
        const TVarUdedForm* s = Manager().SkinnerOf(child->Handle());
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->Kinds().mdi, skin::MdiRole::Child);
        ASSERT_TRUE(WaitFor([&] { return s->SkinState() == TSkinState::Active; }));
    }
    SaveScreenshot(frame.Handle(), "mdi-frame-restored");

    // The child's own maximize button, then the same button restores.
    TVarUdedForm* secondSkinner = Manager().SkinnerOf(second.Handle());
    auto pressMaximize = [&] {
        for (const auto& b : secondSkinner->CaptionButtons()) {
            if (b->Element()->Action == 1) {
                secondSkinner->RunButtonAction(*b, POINT{});
                break;
            }
        }
        PumpMessages(50);
    };
    pressMaximize();
    EXPECT_TRUE(IsZoomed(second.Handle()));
    EXPECT_TRUE(Manager().Flags.MDIChildMaximized);
    {
        // No outline of the normal size clips the maximized child.
        skin::GdiRegion probe(CreateRectRgn(0, 0, 0, 0));
        EXPECT_EQ(GetWindowRgn(second.Handle(), probe.Get()), ERROR);
    }
    SaveScreenshot(frame.Handle(), "mdi-frame-child-maximized");
    // The maximized child's three buttons show in the frame's bar.
    EXPECT_TRUE(frameSkinner->ShowsMdiChildButtons());
    PaintFrameToMemory(frame);
    int mdiButtons = 0;
    for (const auto& b : frameSkinner->CaptionButtons())
        mdiButtons += b->Visible && b->Element()->Visibility == 100 ? 1 : 0;
    EXPECT_EQ(mdiButtons, 3);
    pressMaximize();
    EXPECT_FALSE(IsZoomed(second.Handle()));
    EXPECT_FALSE(Manager().Flags.MDIChildMaximized);
    ShowWindow(first.Handle(), SW_MINIMIZE);
    PumpMessages(50);
    EXPECT_EQ(Manager().SkinnerOf(first.Handle())->ShowState(), skin::ShowState::Minimized);
    SaveScreenshot(frame.Handle(), "mdi-frame-child-minimized");
}
