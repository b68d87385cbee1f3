#include "framework/ComCtrls.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "tests/win/common/WinTest.h"

#include <gtest/gtest.h>

namespace {

TEST(Application, TitleComesFromTheProgramFileName) {
    EXPECT_EQ(TitleFromModulePath(L"C:\\Tools\\Project1.exe"), L"Project1");
    EXPECT_EQ(TitleFromModulePath(L"C:\\a.b\\DEVTOOL.Main.EXE"), L"Devtool");
    EXPECT_EQ(TitleFromModulePath(L"x"), L"x"); // the first character stays as it is
    EXPECT_EQ(Application->Title(), L"framework_win_tests");
}

TEST(Application, ErrorDisplayAppendsAFullStopAfterLaterCharacters) {
    EXPECT_EQ(ExceptionDisplayText(L"'abc' is not a valid integer value"),
              L"'abc' is not a valid integer value.");
    EXPECT_EQ(ExceptionDisplayText(L"done."), L"done.");
    EXPECT_EQ(ExceptionDisplayText(L"ends in -"), L"ends in -"); // '-' sorts before '.'
    EXPECT_EQ(ExceptionDisplayText(L"失败"), L"失败.");
    EXPECT_EQ(ExceptionDisplayText(L""), L"");
}

TEST(Application, AHandlerErrorIsShownAndTheWindowStaysUsable) {
    MessageBoxRecorder boxes;
    TForm form(nullptr);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        if (++clicks == 1)
            throw EConvertError(L"'COM4' is not a valid integer value");
    };
    form.HandleNeeded();
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, L"'COM4' is not a valid integer value.");
    EXPECT_EQ(boxes.Shown()[0].caption, Application->Title());
    EXPECT_EQ(boxes.Shown()[0].flags, static_cast<unsigned>(MB_OK | MB_ICONSTOP));
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(boxes.Shown().size(), 1u);
}

TEST(Application, MessageBoxesGoThroughTheObserver) {
    MessageBoxRecorder boxes;
    boxes.Answer(IDNO);
    EXPECT_EQ(Application->MessageBox(L"是否继续操作？", L"提示", MB_YESNO), IDNO);
    EXPECT_EQ(Application->MessageBox(L"ok", L"提示", MB_OK), IDOK);
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].caption, L"提示");
}

} // namespace
