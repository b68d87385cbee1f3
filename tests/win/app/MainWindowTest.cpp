#include "app/Reports.h"
#include "framework/FormText.h"
#include "tests/win/common/MainWindowFixture.h"

#include <cmath>
#include <commctrl.h>
#include <functional>

namespace {

// The form file as the program holds it.
FormObject ProgramFormFile() {
    HRSRC res = FindResourceW(nullptr, L"FORM1", reinterpret_cast<LPCWSTR>(RT_RCDATA));
    HGLOBAL data = LoadResource(nullptr, res);
    return ParseFormText(std::string_view(static_cast<const char*>(LockResource(data)),
                                          SizeofResource(nullptr, res)));
}

std::wstring StringProp(const FormObject& obj, std::string_view name) {
    const FormProperty* p = obj.Find(name);
    return p ? p->value.text : std::wstring();
}

TEST_F(MainWindowTest, WindowStandsAsItsFormFileDescribesIt) {
    EXPECT_EQ(Form().Caption(), L"设备调试工具 V2.18");
    RECT r;
    GetWindowRect(Form().Handle(), &r);
    EXPECT_EQ(r.left, 174);
    EXPECT_EQ(r.top, 75);
    // The form file's 395 x 661 is the window under the system's frame; skinned, the frame is
    // the skin's and the client area keeps the size it has under the system's frame.
    RECT standard{0, 0, 0, 0};
    AdjustWindowRectEx(&standard, WS_OVERLAPPEDWINDOW, FALSE,
                       WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE);
    EXPECT_EQ(Form().ClientWidth(), 395 - (standard.right - standard.left));
    EXPECT_EQ(Form().ClientHeight(), 661 - (standard.bottom - standard.top));
    EXPECT_EQ(Form().Font()->Name(), L"MS Sans Serif");
    EXPECT_EQ(Form().Font()->Height(), -11);
    EXPECT_EQ(Form().ReaderCode(), "01");

    // Every object of the form file is a live component of its class, under its parent, with
    // the texts, lists, limits and visibility the file gives it.
    int checked = 0;
    std::function<void(const FormObject&, const FormObject*)> check =
        [&](const FormObject& obj, const FormObject* parentObj) {
            for (const FormObject& child : obj.children)
                check(child, &obj);
            if (!parentObj)
                return;
            std::wstring name = WideFromUtf8(obj.name);
            SCOPED_TRACE(obj.name);
            TComponent* c = Form().FindComponent(name);
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(c->ClassName(), obj.className);
            auto* control = dynamic_cast<TControl*>(c);
            if (!control)
                return;
            ++checked;
            std::wstring parentName =
                parentObj->name == "Form1" ? L"Form1" : WideFromUtf8(parentObj->name);
            ASSERT_NE(control->Parent(), nullptr);
            EXPECT_EQ(control->Parent()->Name(), parentName);
            auto* win = dynamic_cast<TWinControl*>(control);
            bool hidden = StringProp(obj, "Visible") == L"False";
            if (win && !dynamic_cast<TTabSheet*>(control)) {
                EXPECT_EQ(IsWindowVisible(win->Handle()) != 0,
                          !hidden && control->Showing() &&
                              IsWindowVisible(win->Parent()->Handle()));
                if (hidden) {
                    EXPECT_FALSE(IsWindowVisible(win->Handle()));
                }
            }
            if (hidden) {
                EXPECT_FALSE(control->Visible());
            }
            for (const char* key : {"Caption", "Text"}) {
                if (const FormProperty* p = obj.Find(key)) {
                    std::wstring live = win ? std::wstring() : control->Text();
                    if (win) {
                        wchar_t buf[256] = {};
                        GetWindowTextW(win->Handle(), buf, 256);
                        live = buf;
                    }
                    if (!dynamic_cast<TTabSheet*>(control) && !dynamic_cast<TStatusBar*>(control)) {
                        EXPECT_EQ(live, p->value.text) << key;
                    }
                }
            }
            if (const FormProperty* p = obj.Find("MaxLength")) {
                EXPECT_EQ(SendMessageW(win->Handle(), EM_GETLIMITTEXT, 0, 0), p->value.integer);
            }
            if (const FormProperty* p = obj.Find("PasswordChar")) {
                EXPECT_EQ(SendMessageW(win->Handle(), EM_GETPASSWORDCHAR, 0, 0),
                          static_cast<LRESULT>(p->value.text[0]));
            }
            if (const FormProperty* p = obj.Find("Items.Strings")) {
                bool combo = dynamic_cast<TComboBox*>(control) != nullptr;
                LRESULT count =
                    SendMessageW(win->Handle(), combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
                ASSERT_EQ(count, static_cast<LRESULT>(p->value.items.size()));
                for (size_t i = 0; i < p->value.items.size(); ++i) {
                    wchar_t item[256] = {};
                    SendMessageW(win->Handle(), combo ? CB_GETLBTEXT : LB_GETTEXT, i,
                                 reinterpret_cast<LPARAM>(item));
                    EXPECT_EQ(std::wstring(item), p->value.items[i]);
                }
            }
        };
    check(ProgramFormFile(), nullptr);
    EXPECT_GT(checked, 200);
}

TEST_F(MainWindowTest, PagesAndTheirStatusBars) {
    auto* pages = Get<TPageControl>(L"PageControl1");
    ASSERT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->ActivePage()->Name(), L"TabSheet1");
    const wchar_t* captions[] = {L"IC读卡器程序", L"IC消费机程序1", L"IC消费机程序2"};
    const wchar_t* bars[] = {L"sb", L"sb1", L"StatusBar1"};
    for (int i = 0; i < 3; ++i) {
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(pages->Handle(), TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(std::wstring(text), captions[i]);
        auto* bar = Get<TStatusBar>(bars[i]);
        EXPECT_EQ(bar->Parent(), pages->Pages(i));
        ASSERT_EQ(bar->Panels()->Count(), 2);
        EXPECT_EQ(bar->Panel(0)->Text(), L"  状态:");
        EXPECT_EQ(bar->Panel(0)->Width(), 50);
        RECT client;
        GetClientRect(pages->Pages(i)->Handle(), &client);
        EXPECT_EQ(bar->Top() + bar->Height(), client.bottom);
    }
    // A report replaces panel 1 and leaves the label.
    ReportStatus(Get<TStatusBar>(L"sb1"), L"获取时间成功！");
    ReportStatus(Get<TStatusBar>(L"sb1"), L"获取时间失败！");
    EXPECT_EQ(StatusOf(L"sb1"), L"获取时间失败！");
    EXPECT_EQ(Get<TStatusBar>(L"sb1")->Panel(0)->Text(), L"  状态:");

    auto* timer = Get<TTimer>(L"Timer1");
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 200);
}

TEST_F(MainWindowTest, ShowingSetsTheIssueDateAThousandDaysAhead) {
    double shown = Get<TDateTimePicker>(L"DateTimePicker2")->DateTime();
    EXPECT_NEAR(shown - Now(), 1000.0, 1.0 / 24);
}

TEST_F(MainWindowTest, EachPageOnScreen) {
    auto* pages = Get<TPageControl>(L"PageControl1");
    for (int i = 0; i < 3; ++i) {
        pages->SetActivePageIndex(i);
        EXPECT_TRUE(IsWindowVisible(pages->Pages(i)->Handle()));
        for (int other = 0; other < 3; ++other) {
            if (other != i) {
                EXPECT_FALSE(IsWindowVisible(pages->Pages(other)->Handle()));
            }
        }
        SaveScreenshot(Form().Handle(), "page" + std::to_string(i + 1));
    }
}

TEST(MainWindowLifeCycle, RepeatedWindowsLeaveNoHandlesBehind) {
    auto cycle = [] {
        TForm1 form(nullptr);
        form.Show();
        auto* pages = form.Control<TPageControl>(L"PageControl1");
        for (int i = 0; i < 3; ++i) {
            pages->SetActivePageIndex(i);
            UpdateWindow(form.Handle());
        }
        PumpMessages();
    };
    cycle(); // the first window registers classes and makes lasting system objects
    PumpMessages(50);
    int gdi = GdiObjectCount();
    int windows = ThreadWindowCount();
    for (int i = 0; i < 5; ++i)
        cycle();
    PumpMessages(50);
    EXPECT_EQ(GdiObjectCount(), gdi);
    EXPECT_EQ(ThreadWindowCount(), windows);
}

TEST_F(MainWindowTest, MessageBoxKinds) {
    ShowInformation(L"写卡成功！");
    ShowWarning(L"获取时间失败!");
    boxes_.Answer(IDNO);
    EXPECT_FALSE(ConfirmYesNo(L"是否继续操作？"));
    ShowPlainMessage(L"请输入卡号！");
    const auto& shown = boxes_.Shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].caption, L"提示");
    EXPECT_EQ(shown[0].flags, static_cast<unsigned>(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(shown[1].caption, L"警告");
    EXPECT_EQ(shown[1].flags, static_cast<unsigned>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(shown[2].flags, static_cast<unsigned>(MB_YESNO));
    EXPECT_EQ(shown[3].caption, Application->Title());
    EXPECT_EQ(shown[3].flags, static_cast<unsigned>(MB_OK));
}

} // namespace
