// The main window's controls skinned: which skinner each control gets, the mouse and keyboard
// behaviour of skinned buttons, combo-box texts, the button frames, and handle counts over
// skinning cycles and message boxes.

#include "framework/ComCtrls.h"
#include "skin/ControlSkinner.h"
#include "skin/SkinImageGdi.h"
#include "tests/win/skin/SkinTestSupport.h"

#include <functional>
#include <map>

namespace {

int g_skinnedBoxes = 0;

// Closes the message box as soon as its button is skinned.
void CALLBACK CloseBoxWhenSkinned(HWND, UINT, UINT_PTR id, DWORD) {
    const HWND box = FindWindowW(L"#32770", L"Box");
    const HWND ok = box ? FindWindowExW(box, nullptr, L"Button", nullptr) : nullptr;
    if (!ok || SendMessageW(ok, skinmsg::kIsSkinned, 0, 0) != 1)
        return;
    KillTimer(nullptr, id);
    ++g_skinnedBoxes;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

class SkinControlsTest : public SkinnedMainWindowTest {
protected:
    TSkinControl* SkinnerOf(TControl* control) {
        return skinner_ ? skinner_->Skinners().FindByControl(control) : nullptr;
    }
    // The kind of skinner the main window's controls are meant to get ("" for none).
    static std::string ExpectedKind(TControl& control) {
        if (control.InheritsFrom("TButton"))
            return "Button";
        if (control.InheritsFrom("TCustomComboBox"))
            return "ComboBox";
        if (control.InheritsFrom("TDateTimePicker"))
            return GetPropText(&control, "Kind") == L"dtkTime" ? "Edit" : "DateTime";
        if (control.InheritsFrom("TCustomMemo") || control.InheritsFrom("TCustomListBox"))
            return "Scrollbar";
        if (control.InheritsFrom("TCustomEdit"))
            return "Edit";
        if (control.InheritsFrom("TCustomGroupBox"))
            return "GroupBox";
        if (control.InheritsFrom("TCustomStatusBar"))
            return "StatusBar";
        if (control.InheritsFrom("TPageControl"))
            return "Tab";
        if (control.InheritsFrom("TTabSheet"))
            return "TabSheet";
        return "";
    }
};

TEST_F(SkinControlsTest, EachControlGetsTheSkinnerOfItsKindOnce) {
    ASSERT_NE(Skin(), nullptr);
    std::map<std::string, int> expected;
    for (int i = 0; i < Form().ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(Form().Components(i));
        if (!control)
            continue;
        const std::string kind = ExpectedKind(*control);
        if (!kind.empty())
            ++expected[kind];
        SCOPED_TRACE(U8(control->Name()));
        TSkinControl* skinner = SkinnerOf(control);
        EXPECT_EQ(skinner ? skin::SkinnerKindName(skinner->Kind()) : "", kind);
        if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && skinner) {
            EXPECT_EQ(SendMessageW(windowed->Handle(), skinmsg::kIsSkinned, 0, 0), 1);
        }
    }
    EXPECT_GT(expected["Button"], 50);
    EXPECT_GT(expected["Edit"], 50);
    EXPECT_EQ(expected["DateTime"], 2);
    auto count = [&] {
        std::map<std::string, int> actual;
        for (TSkinControl* s : skinner_->Skinners().Items())
            ++actual[skin::SkinnerKindName(s->Kind())];
        return actual;
    };
    EXPECT_EQ(count(), expected);
    // A second walk finds every control skinned already.
    SendMessageW(Window(), skinmsg::kActivate, 0, 1000);
    EXPECT_EQ(count(), expected);

    auto* pages = Form().Control<TPageControl>(L"PageControl1");
    for (int page = 0; page < 3; ++page) {
        pages->SetActivePageIndex(page);
        PumpMessages(20);
        SaveScreenshot(Window(), "skinned-controls-page" + std::to_string(page + 1));
    }
    pages->SetActivePageIndex(0);
}

// One click per press and release and per Space key; none when the mouse left while pressed.
TEST_F(SkinControlsTest, ButtonsClickOncePerPressAndKeyAndNotAfterLeaving) {
    ASSERT_NE(Skin(), nullptr);
    auto* button = Form().Control<TButton>(L"Button1");
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    const HWND h = button->Handle();
    const LPARAM at = MAKELPARAM(5, 5);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
    EXPECT_EQ(SkinnerOf(button)->MouseState() & skin::kMousePressed, skin::kMousePressed);
    EXPECT_EQ(GetCapture(), nullptr) << "the native button never saw the press";
    SendMessageW(h, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(clicks, 1);

    SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(SkinnerOf(button)->MouseState() & skin::kMousePressed, skin::kMousePressed);
    SendMessageW(h, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(SkinnerOf(button)->MouseState() & skin::kMousePressed, 0);

    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(h, WM_MOUSELEAVE, 0, 0);
    SendMessageW(h, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(clicks, 2);
    SendMessageW(h, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(clicks, 2) << "a release without a press";
}

TEST_F(SkinControlsTest, ComboBoxTextsReadTheSameSkinned) {
    auto texts = [&] {
        std::vector<std::wstring> out;
        for (int i = 0; i < Form().ComponentCount(); ++i) {
            if (auto* combo = dynamic_cast<TCustomComboBox*>(Form().Components(i))) {
                wchar_t text[64] = {};
                GetWindowTextW(combo->Handle(), text, 64);
                out.push_back(text);
                out.push_back(combo->Text());
            }
        }
        return out;
    };
    const std::vector<std::wstring> before = texts();
    ASSERT_NE(Skin(), nullptr);
    EXPECT_EQ(texts(), before);
    auto* port = Form().Control<TComboBox>(L"ComboBox1");
    auto* skinner = SkinnerOf(port);
    ASSERT_NE(skinner, nullptr);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(port->Handle(), &info));
    ASSERT_NE(info.hwndItem, nullptr);
    // Typed into the subclassed edit: no code-page conversion on the way.
    for (const wchar_t* text : {L"COM3", L"19200", L"串口三号 ÄÖ"}) {
        SetWindowTextW(info.hwndItem, text);
        EXPECT_EQ(U8(port->Text()), U8(text));
        wchar_t back[64] = {};
        GetWindowTextW(info.hwndItem, back, 64);
        EXPECT_EQ(U8(back), U8(text));
    }
}

// Each state shows its frame of the Buttons strip: normal, pressed, disabled, hot, focused.
TEST_F(SkinControlsTest, ButtonFramesFollowTheState) {
    ASSERT_NE(Skin(), nullptr);
    auto* button = Form().Control<TButton>(L"Button1");
    auto* edit = Form().Control<TEdit>(L"Edit1");
    const HWND h = button->Handle();
    TSkinControl* skinner = SkinnerOf(button);
    ASSERT_NE(skinner, nullptr);
    const SkinImage& strip = Data().Elements().Buttons->Image;
    const int frames = Data().Elements().Buttons->Frames();
    ASSERT_EQ(frames, 5);
    auto topMiddle = [&] {
        RECT r{};
        GetWindowRect(h, &r);
        TBitmap bitmap;
        bitmap.SetSize(r.right - r.left, r.bottom - r.top);
        skinner->Paint(bitmap.Canvas()->Handle(), RECT{0, 0, bitmap.Width(), bitmap.Height()});
        GdiFlush();
        return bitmap.Pixels()[std::size_t(bitmap.Width()) + bitmap.Width() / 2] & 0xFFFFFF;
    };
    auto framePixel = [&](int frame) {
        return ElementPixel(strip, frames, frame, false, strip.Width() / frames / 2, 1);
    };
    struct Step {
        const char* what;
        std::function<void()> act;
        int frame;
    };
    const Step steps[] = {
        {"normal", [&] { edit->SetFocus(); }, 1},
        {"hot", [&] { SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }, 4},
        {"pressed", [&] { SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }, 2},
        {"focused", [&] { SendMessageW(h, WM_MOUSELEAVE, 0, 0); }, 5},
        {"disabled", [&] { button->SetEnabled(false); }, 3},
        {"disabled and hot", [&] { SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }, 3},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(topMiddle(), framePixel(step.frame));
    }
    button->SetEnabled(true);
}

TEST_F(SkinControlsTest, NoHandleGrowthOverSkinCyclesAndMessageBoxes) {
    ASSERT_NE(Skin(), nullptr);
    TSkinManage& manager = *SkinManager();
    manager.MarkStarted();
    auto cycle = [&](bool on) {
        Data().SetActive(on);
        manager.RunPendingAction();
        if (on)
            WaitFor([&] {
                const TVarUdedForm* s = manager.SkinnerOf(Window());
                return s && s->SkinState() == TSkinState::Active;
            });
        PumpMessages(5);
    };
    cycle(false);
    cycle(true);
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages(20);
    const int gdi = GdiObjectCount();
    const int windows = ThreadWindowCount();
    for (int i = 0; i < 20; ++i) {
        cycle(false);
        cycle(true);
    }
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages(20);
    EXPECT_EQ(GdiObjectCount(), gdi) << "skin on and off";
    EXPECT_EQ(ThreadWindowCount(), windows);

    // Message boxes skinned by the manager, each closed as soon as its button is skinned.
    g_skinnedBoxes = 0;
    auto showBox = [&] {
        SetTimer(nullptr, 0, 10, CloseBoxWhenSkinned);
        MessageBoxW(Window(), L"Text", L"Box", MB_OK);
    };
    showBox();
    PumpMessages(20);
    const int gdiBoxes = GdiObjectCount();
    const int windowsBoxes = ThreadWindowCount();
    for (int i = 0; i < 50; ++i)
        showBox();
    PumpMessages(20);
    EXPECT_EQ(g_skinnedBoxes, 51);
    EXPECT_EQ(GdiObjectCount(), gdiBoxes) << "message boxes";
    EXPECT_EQ(ThreadWindowCount(), windowsBoxes);
}

} // namespace
