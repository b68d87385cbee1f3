#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "framework/FormReader.h"
#include "framework/StdCtrls.h"
#include "tests/win/common/WinTest.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

// A form with a few controls, read from a form file the way the main window is.
class TTestForm : public TForm {
    DEVTOOL_CLASS(TTestForm)
public:
    explicit TTestForm(TComponent* owner) : TForm(owner) {
        methods_.push_back({"Clicked", EventKind::Notify, [this](TObject* s) { clicked = s; }, {}});
        methods_.push_back({"Pressed", EventKind::KeyPress, {}, [this](TObject*, wchar_t& k) {
                                keys += k;
                                if (k == L'x')
                                    k = 0; // swallowed
                            }});
        methods_.push_back(
            {"Fails",
             EventKind::Notify,
             [](TObject*) { throw EConvertError(L"'abc' is not a valid integer value"); },
             {}});
        LoadFromFormText(R"(object TestForm: TTestForm
  Left = 10
  Top = 20
  Width = 300
  Height = 200
  Caption = '测试'
  object Group: TGroupBox
    Left = 8
    Top = 8
    Width = 200
    Height = 120
    Caption = '组'
    object Caption1: TLabel
      Left = 8
      Top = 20
      Caption = '标签文字'
    end
    object Button: TButton
      Left = 8
      Top = 40
      Caption = '按钮'
      OnClick = Clicked
      TabOrder = 0
    end
    object Edit: TEdit
      Left = 8
      Top = 70
      Text = '12'
      MaxLength = 6
      PasswordChar = '*'
      OnKeyPress = Pressed
      TabOrder = 1
    end
  end
  object Failing: TButton
    Left = 210
    Top = 8
    Caption = 'x'
    OnClick = Fails
  end
end
)");
    }
    const TMethodEntry* FindMethod(std::string_view name) const override {
        for (const auto& m : methods_) {
            if (m.name == name)
                return &m;
        }
        return nullptr;
    }
    TObject* clicked = nullptr;
    std::wstring keys;

private:
    std::vector<TMethodEntry> methods_;
};

const TClassInfo& TTestForm::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TTestForm, TForm>("TTestForm", nullptr, false);
    return info;
}

std::wstring WindowClassOf(HWND h) {
    wchar_t name[64] = {};
    GetClassNameW(h, name, 64);
    return name;
}

TEST(Controls, WindowClassesAreNamedAfterFrameworkClasses) {
    TTestForm form(nullptr);
    form.HandleNeeded();
    auto* button = form.Control<TButton>(L"Button");
    EXPECT_EQ(WindowClassOf(form.Handle()), L"TTestForm");
    EXPECT_EQ(WindowClassOf(button->Handle()), L"TButton");
    EXPECT_EQ(WindowClassOf(form.Control<TEdit>(L"Edit")->Handle()), L"TEdit");
    EXPECT_EQ(WindowClassOf(form.Control<TGroupBox>(L"Group")->Handle()), L"TGroupBox");
    // Super-classed: the standard class's behaviour is there.
    SendMessageW(button->Handle(), BM_SETSTATE, TRUE, 0);
    EXPECT_TRUE(SendMessageW(button->Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_TRUE(button->InheritsFrom("TWinControl"));
    EXPECT_FALSE(button->InheritsFrom("TGraphicControl"));
    EXPECT_TRUE(form.Control<TLabel>(L"Caption1")->InheritsFrom("TGraphicControl"));
}

TEST(Controls, WindowProcCanBeReplacedAndRestored) {
    TTestForm form(nullptr);
    form.HandleNeeded();
    auto* button = form.Control<TButton>(L"Button");
    std::vector<UINT> seen;
    TWndMethod previous = button->WindowProc;
    button->WindowProc = [&](TMessage& msg) {
        seen.push_back(msg.Msg);
        if (msg.Msg == WM_USER + 7) {
            msg.Result = 42; // handled in front, the control never sees it
            return;
        }
        previous(msg);
    };
    EXPECT_EQ(SendMessageW(button->Handle(), WM_USER + 7, 0, 0), 42);
    SetWindowTextW(button->Handle(), L"新");
    EXPECT_EQ(button->Caption(), L"新"); // passed on to the control
    EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_SETTEXT)), seen.end());
    // The framework's own notifications pass through too.
    button->SetEnabled(false);
    EXPECT_NE(std::find(seen.begin(), seen.end(), CM_ENABLEDCHANGED), seen.end());
    // Reflected notifications reach the control's WindowProc.
    seen.clear();
    button->SetEnabled(true);
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_NE(std::find(seen.begin(), seen.end(), CN_COMMAND), seen.end());
    EXPECT_EQ(form.clicked, button);

    button->WindowProc = previous;
    seen.clear();
    SendMessageW(button->Handle(), WM_USER + 7, 0, 0);
    EXPECT_TRUE(seen.empty());
}

TEST(Controls, EditKeepsLimitsAndKeyPressCanSwallowKeys) {
    TTestForm form(nullptr);
    form.HandleNeeded();
    auto* edit = form.Control<TEdit>(L"Edit");
    EXPECT_EQ(SendMessageW(edit->Handle(), EM_GETLIMITTEXT, 0, 0), 6);
    EXPECT_EQ(SendMessageW(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
    EXPECT_EQ(edit->Text(), L"12");
    SendMessageW(edit->Handle(), WM_CHAR, L'3', 1);
    SendMessageW(edit->Handle(), WM_CHAR, L'x', 1);
    SendMessageW(edit->Handle(), WM_CHAR, 13, 1);
    EXPECT_EQ(form.keys, std::wstring(L"3x\r"));
    EXPECT_EQ(edit->Text().find(L'x'), std::wstring::npos);
}

TEST(Controls, ParentPaintsItsGraphicChildren) {
    TTestForm form(nullptr);
    form.HandleNeeded();
    auto* group = form.Control<TGroupBox>(L"Group");
    auto* label = form.Control<TLabel>(L"Caption1");
    EXPECT_GT(label->Width(), 20); // sized to its text
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 200, 120);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bmp);
    RECT all{0, 0, 200, 120};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    group->PaintControls(dc);
    int dark = 0;
    for (int y = label->Top(); y < label->Top() + label->Height(); ++y) {
        for (int x = label->Left(); x < label->Left() + label->Width(); ++x)
            dark += GetRValue(GetPixel(dc, x, y)) < 128;
    }
    int outside = 0;
    for (int x = 0; x < 200; ++x)
        outside += GetRValue(GetPixel(dc, x, 110)) < 128;
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    EXPECT_GT(dark, 10) << "the label's text was painted";
    EXPECT_EQ(outside, 0) << "nothing painted outside the label";
}

TEST(Controls, FreeingTheFormFreesItsControlsAndWindows) {
    HWND formWindow, buttonWindow;
    {
        TTestForm form(nullptr);
        form.HandleNeeded();
        formWindow = form.Handle();
        buttonWindow = form.Control<TButton>(L"Button")->Handle();
        EXPECT_EQ(form.ComponentCount(), 5);
    }
    EXPECT_FALSE(IsWindow(formWindow));
    EXPECT_FALSE(IsWindow(buttonWindow));
}

// A window leads to its control only while both live and belong together: not after the window
// was destroyed, not after the control was freed, never for a window that the framework did
// not make; a window made again leads to the same control.
TEST(Controls, ControlIsFoundFromItsWindowOnlyWhileTheyBelongTogether) {
    HWND buttonWindow = nullptr;
    {
        TTestForm form(nullptr);
        form.HandleNeeded();
        auto* button = form.Control<TButton>(L"Button");
        buttonWindow = button->Handle();
        EXPECT_EQ(TWinControl::FromHandle(form.Handle()), &form);
        EXPECT_EQ(TWinControl::FromHandle(buttonWindow), button);
        EXPECT_EQ(TWinControl::FromHandle(GetDesktopWindow()), nullptr);
        EXPECT_EQ(TWinControl::FromHandle(nullptr), nullptr);

        DestroyWindow(buttonWindow);
        EXPECT_FALSE(button->HandleAllocated());
        EXPECT_EQ(TWinControl::FromHandle(buttonWindow), nullptr);
        const HWND again = button->Handle();
        EXPECT_EQ(TWinControl::FromHandle(again), button);
        buttonWindow = again;
    }
    EXPECT_EQ(TWinControl::FromHandle(buttonWindow), nullptr);
}

TEST(Controls, TabMovesThroughTabStopsInTabOrder) {
    TTestForm form(nullptr);
    form.Show();
    PumpMessages(50);
    auto* button = form.Control<TButton>(L"Button");
    auto* edit = form.Control<TEdit>(L"Edit");
    button->SetFocus();
    form.SelectNext(button, true);
    EXPECT_EQ(GetFocus(), edit->Handle());
    form.SelectNext(edit, false);
    EXPECT_EQ(GetFocus(), button->Handle());
}

TEST(Controls, StatusBarPanelsAndTimer) {
    TForm form(nullptr);
    auto* bar = new TStatusBar(&form);
    bar->SetParent(&form);
    bar->Panels()->Add();
    bar->Panels()->Add();
    bar->Panel(0)->SetText(L"  状态:");
    form.SetBounds(0, 0, 300, 200);
    form.HandleNeeded();
    bar->Panel(1)->SetText(L"读卡信息成功！");
    int edges[2] = {};
    EXPECT_EQ(SendMessageW(bar->Handle(), SB_GETPARTS, 2, reinterpret_cast<LPARAM>(edges)), 2);
    EXPECT_EQ(edges[0], 50);
    EXPECT_EQ(edges[1], -1);
    wchar_t text[64] = {};
    SendMessageW(bar->Handle(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), L"读卡信息成功！");
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(bar->Top() + bar->Height(), client.bottom) << "aligned to the bottom";

    auto* timer = new TTimer(&form);
    int ticks = 0;
    timer->SetInterval(10);
    timer->OnTimer = [&](TObject*) { ++ticks; };
    PumpMessages(200);
    EXPECT_GT(ticks, 2);
    timer->SetEnabled(false);
    int stopped = ticks;
    PumpMessages(60);
    EXPECT_EQ(ticks, stopped);
}

} // namespace
