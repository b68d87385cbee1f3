// The housekeeping commands of the group "常用操作" and the baud rate change, against the fake.

#include "tests/win/terminalpages/TerminalPageFixture.h"

namespace {

using Strings = std::vector<std::string>;
using Lines = std::vector<std::wstring>;

class LinkPage : public TerminalPageTest {
protected:
    void FillList() { Get<TListBox>(L"ListBox1")->Items()->Add(L"old line"); }
};

TEST_F(LinkPage, SetMachineNumberSendsOldThenNewNumber) {
    SetText(L"Edit36", L"1");
    SetText(L"Edit31", L"5");
    fake_.ReplyTruth("setjh", true);
    FillList();
    Press(L"Button24");
    EXPECT_EQ(Calls(), Strings{"setjh(4, 19200, 1, 5)"});
    EXPECT_EQ(U8(StatusOf(L"sb1")), "设置机号成功！");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{L"old line"});
    Press(L"Button24");
    EXPECT_EQ(U8(StatusOf(L"sb1")), "设置机号失败！");
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(LinkPage, InputsAreConvertedFromTheLastArgumentToTheFirst) {
    // New machine number, old machine number, baud rate, port number.
    SetText(L"Edit31", L"x1");
    SetText(L"Edit36", L"x2");
    SetText(L"ComboBox3", L"x3");
    SetText(L"Edit30", L"x4");
    Press(L"Button24");
    ExpectConversionError(L"'x1' is not a valid integer value");
    SetText(L"Edit31", L"1");
    Press(L"Button24");
    ExpectConversionError(L"'x2' is not a valid integer value");
    SetText(L"Edit36", L"1");
    Press(L"Button24");
    ExpectConversionError(L"'x3' is not a valid integer value");
    SetText(L"ComboBox3", L"9600");
    Press(L"Button24");
    ExpectConversionError(L"'x4' is not a valid integer value");
    EXPECT_TRUE(Calls().empty());
    EXPECT_EQ(StatusOf(L"sb1"), L"");

    // The link of every other command: machine, baud rate, port.
    SetText(L"Edit31", L"m");
    SetText(L"ComboBox3", L"b");
    SetText(L"Edit30", L"COM4");
    FillList();
    Press(L"Button29");
    ExpectConversionError(L"'m' is not a valid integer value");
    EXPECT_TRUE(ListItems(L"ListBox1").empty()) << "the list is emptied before the conversion";
    SetText(L"Edit31", L"1");
    Press(L"Button26");
    ExpectConversionError(L"'b' is not a valid integer value");
    SetText(L"ComboBox3", L"19200");
    Press(L"Button25");
    ExpectConversionError(L"'COM4' is not a valid integer value");
    SetText(L"Edit30", L"");
    Press(L"Button47");
    ExpectConversionError(L"'' is not a valid integer value");
    EXPECT_TRUE(Calls().empty());
    EXPECT_EQ(StatusOf(L"sb1"), L"");
}

TEST_F(LinkPage, ReadTheClock) {
    fake_.ReplyText("gettime", "2024050601123045");
    fake_.ReplyText("gettime", "2024050607123045");
    fake_.ReplyText("gettime", "2024050600123045");
    FillList();
    Press(L"Button25");
    EXPECT_EQ(Calls(), Strings{"gettime(4, 19200, 1)"});
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{L"2024-05-06  12:30:45    星期一"});
    EXPECT_EQ(U8(StatusOf(L"sb1")), "获取时间成功！");
    Press(L"Button25");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{L"2024-05-06  12:30:45    星期日"});
    Press(L"Button25");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{L"2024-05-06  12:30:45    星期0"});
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(LinkPage, ClockFailureShowsTheErrorBoxThenTheStatus) {
    FillList();
    fake_.ReplyNullText("gettime");
    boxes_.Clear();
    Press(L"Button25");
    ExpectWarning(L"获取时间失败!");
    EXPECT_EQ(U8(StatusOf(L"sb1")), "获取时间失败！");
    EXPECT_TRUE(ListItems(L"ListBox1").empty());
    fake_.ReplyText("gettime", "");
    Press(L"Button25");
    ExpectWarning(L"获取时间失败!");
}

TEST_F(LinkPage, SetTheClock) {
    fake_.ReplyTruth("settime", true);
    Press(L"Button26");
    EXPECT_EQ(U8(StatusOf(L"sb1")), "验证时间成功！");
    Press(L"Button26");
    EXPECT_EQ(U8(StatusOf(L"sb1")), "验证时间失败！");
    EXPECT_EQ(Calls(), (Strings{"settime(4, 19200, 1)", "settime(4, 19200, 1)"}));
}

TEST_F(LinkPage, CountTotalAndCapacityShowThePlainNumber) {
    struct Case {
        const wchar_t* button;
        const char* function;
        const char* success;
        const char* failure;
    };
    const Case cases[] = {
        {L"Button29", "getnum", "获取记录总数成功！", "获取记录总数失败！"},
        {L"Button42", "getje", "获取记录总金额成功！", "获取记录总金额失败！"},
        {L"Button43", "getmaxnum", "获取记录最大数成功！", "获取记录最大数失败！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.function);
        fake_.ClearCalls();
        fake_.ReplyInt(c.function, 0);
        fake_.ReplyInt(c.function, 1234567);
        fake_.ReplyInt(c.function, -5);
        fake_.ReplyInt(c.function, -1);
        FillList();
        Press(c.button);
        EXPECT_EQ(ListItems(L"ListBox1"), Lines{L"0"});
        EXPECT_EQ(U8(StatusOf(L"sb1")), c.success);
        Press(c.button);
        EXPECT_EQ(ListItems(L"ListBox1"), Lines{L"1234567"});
        Press(c.button);
        EXPECT_EQ(ListItems(L"ListBox1"), Lines{L"-5"});
        EXPECT_EQ(U8(StatusOf(L"sb1")), c.success);
        Press(c.button);
        EXPECT_TRUE(ListItems(L"ListBox1").empty());
        EXPECT_EQ(U8(StatusOf(L"sb1")), c.failure);
        EXPECT_EQ(Calls().size(), 4u);
        EXPECT_EQ(Calls()[0], std::string(c.function) + "(4, 19200, 1)");
    }
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(LinkPage, DeviceInformationIsDecodedFromHex) {
    // "IC消费机 V1.06" in GBK hex, then a text cut at its first zero byte.
    fake_.ReplyText("getxx", "4943CFFBB7D1BBFA2056312E3036");
    fake_.ReplyText("getxx", "41420043");
    FillList();
    Press(L"Button47");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{L"IC消费机 V1.06"});
    EXPECT_EQ(U8(StatusOf(L"sb1")), "获取机器版本信息成功！");
    Press(L"Button47");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{L"AB"});
    Press(L"Button47");
    EXPECT_TRUE(ListItems(L"ListBox1").empty());
    EXPECT_EQ(U8(StatusOf(L"sb1")), "获取机器版本信息失败！");
    EXPECT_EQ(Calls()[0], "getxx(4, 19200, 1)");
}

TEST_F(LinkPage, ClearAllDataAndRestoreRecordsReportInBoxes) {
    FillList();
    fake_.ReplyTruth("cleardata", true);
    Press(L"Button28");
    ExpectInformation(L"清除数据成功！");
    Press(L"Button28");
    ExpectWarning(L"清除数据失败！");

    // The hidden restore button sends the count of Edit105.
    fake_.ReplyTruth("hfdata", true);
    Press(L"Button16");
    ExpectInformation(L"恢复记录成功！");
    Press(L"Button16");
    ExpectInformation(L"恢复记录失败！");
    SetText(L"Edit105", L"ten");
    Press(L"Button16");
    ExpectConversionError(L"'ten' is not a valid integer value");
    EXPECT_EQ(Calls(), (Strings{"cleardata(4, 19200, 1)", "cleardata(4, 19200, 1)",
                                "hfdata(4, 19200, 1, 10)", "hfdata(4, 19200, 1, 10)"}));
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{L"old line"});
    EXPECT_EQ(StatusOf(L"sb1"), L"");
}

TEST_F(LinkPage, BaudRateChangeSendsTheOldRateAndTheNewRateCode) {
    SetText(L"ComboBox3", L"38400"); // plays no part
    SetText(L"ComboBox5", L"9600");
    fake_.StandingTruth("setbtl", true);
    const std::pair<const wchar_t*, int> rates[] = {{L"9600", 0},  {L"19200", 1},  {L"38400", 2},
                                                    {L"57600", 3}, {L"115200", 4}, {L"4800", 4},
                                                    {L" 9600", 4}};
    for (const auto& [text, code] : rates) {
        fake_.ClearCalls();
        SetText(L"ComboBox10", text);
        Press(L"Button5");
        EXPECT_EQ(Calls(), Strings{"setbtl(4, 9600, 1, " + std::to_string(code) + ")"});
        ExpectInformation(L"设置波特率成功！");
    }
    fake_.StandingTruth("setbtl", false);
    Press(L"Button5");
    ExpectInformation(L"设置波特率失败！");
    EXPECT_EQ(StatusOf(L"StatusBar1"), L"");

    // Machine number, old baud rate, port number.
    fake_.ClearCalls();
    SetText(L"Edit31", L"m");
    SetText(L"ComboBox5", L"old");
    Press(L"Button5");
    ExpectConversionError(L"'m' is not a valid integer value");
    SetText(L"Edit31", L"2");
    SetText(L"Edit30", L"p");
    Press(L"Button5");
    ExpectConversionError(L"'old' is not a valid integer value");
    EXPECT_TRUE(Calls().empty());
}

} // namespace
