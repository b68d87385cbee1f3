// The terminal settings against the fake: what each command sends, in which form, and how it
// reports.

#include "tests/win/terminalpages/TerminalPageFixture.h"

namespace {

using Strings = std::vector<std::string>;

class Settings : public TerminalPageTest {};

TEST_F(Settings, StatusBarCommandsSendTheirValueAfterTheLink) {
    struct Case {
        const wchar_t* button;
        const char* function;
        const char* call; // with the defaults of the window
        const wchar_t* bar;
        const char* success;
        const char* failure;
    };
    const Case cases[] = {
        {L"Button21", "setglk", "setglk(4, 19200, 1, 1)", L"sb1", "设置管理卡成功！",
         "设置管理卡失败！"},
        {L"Button22", "downsjjg", "downsjjg(4, 19200, 1, 0)", L"sb1", "设置刷卡时间间隔成功！",
         "设置刷卡时间间隔失败！"},
        {L"Button32", "downcd", "downcd(4, 19200, 1, 1, 1000000cur, \"家常凉菜\")", L"sb1",
         "设置菜单成功！", "设置菜单失败！"},
        {L"Button44", "downmaxje", "downmaxje(4, 19200, 1, 9999900)", L"sb1",
         "设置每次最大消费金额成功！", "设置每次最大消费金额失败！"},
        {L"Button46", "setxfms", "setxfms(4, 19200, 1, \"00\")", L"StatusBar1",
         "设置工作模式成功！", "设置工作模式失败！"},
        {L"Button48", "setzk", "setzk(4, 19200, 1, \"41\", 1000)", L"StatusBar1", "设置折扣成功！",
         "设置折扣失败！"},
        {L"Button58", "downlogin", "downlogin(4, 19200, 1, \"    欢迎使用    智能IC卡管理系统\")",
         L"StatusBar1", "设置login名称成功！", "设置login名称失败！"},
        {L"Button91", "downloginxb",
         "downloginxb(4, 19200, 1, \"    欢迎使用    智能IC卡管理系统\")", L"StatusBar1",
         "设置login名称成功！", "设置login名称失败！"},
        {L"Button57", "updateyy", "updateyy(4, 19200, 1, \"00\")", L"StatusBar1", "设置语言成功！",
         "设置语言失败！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.function);
        fake_.ClearCalls();
        fake_.ReplyTruth(c.function, true);
        Press(c.button);
        EXPECT_EQ(U8(StatusOf(c.bar)), c.success);
        Press(c.button);
        EXPECT_EQ(U8(StatusOf(c.bar)), c.failure);
        EXPECT_EQ(Calls(), (Strings{c.call, c.call}));
    }
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(Settings, BoxCommandsReportInBoxes) {
    fake_.ReplyTruth("setsq", true);
    Press(L"Button66");
    ExpectInformation(L"设置成功！");
    Press(L"Button66");
    ExpectWarning(L"设置失败！");
    fake_.ReplyTruth("mmkg", true);
    Press(L"Button64");
    ExpectInformation(L"成功！");
    Press(L"Button64");
    ExpectInformation(L"失败！");
    fake_.ReplyTruth("downpassword", true);
    Press(L"Button68");
    ExpectInformation(L"成功！");
    SetText(L"Edit57", L"123456");
    SetText(L"Edit58", L"654321");
    Press(L"Button68");
    ExpectInformation(L"失败！");
    EXPECT_EQ(Calls(), (Strings{"setsq(4, 19200, 1, \"00\")", "setsq(4, 19200, 1, \"00\")",
                                "mmkg(4, 19200, 1, \"01\")", "mmkg(4, 19200, 1, \"01\")",
                                "downpassword(4, 19200, 1, null, null)",
                                "downpassword(4, 19200, 1, \"123456\", \"654321\")"}));
    EXPECT_EQ(StatusOf(L"StatusBar1"), L"");
}

TEST_F(Settings, CodeTablesAndNullTexts) {
    fake_.StandingTruth("setxfms", true);
    for (const wchar_t* mode : {L"固定消费", L"手动消费", L"菜单消费", L"下传消费", L"菜单"}) {
        SetText(L"ComboBox6", mode);
        Press(L"Button46");
    }
    EXPECT_EQ(fake_.CallsTo("setxfms"),
              (Strings{"setxfms(4, 19200, 1, \"00\")", "setxfms(4, 19200, 1, \"01\")",
                       "setxfms(4, 19200, 1, \"02\")", "setxfms(4, 19200, 1, \"03\")",
                       "setxfms(4, 19200, 1, null)"}));
    EXPECT_EQ(U8(StatusOf(L"StatusBar1")), "设置工作模式成功！");

    for (const wchar_t* type : {L"J", L"a", L""}) {
        SetText(L"ComboBox7", type);
        Press(L"Button48");
    }
    EXPECT_EQ(fake_.CallsTo("setzk"),
              (Strings{"setzk(4, 19200, 1, \"4A\", 1000)", "setzk(4, 19200, 1, null, 1000)",
                       "setzk(4, 19200, 1, null, 1000)"}));

    for (const wchar_t* language : {L"简体中文", L"繁体中文", L"英文", L"日文"}) {
        SetText(L"ComboBox9", language);
        Press(L"Button57");
    }
    EXPECT_EQ(fake_.CallsTo("updateyy"),
              (Strings{"updateyy(4, 19200, 1, \"00\")", "updateyy(4, 19200, 1, \"01\")",
                       "updateyy(4, 19200, 1, \"02\")", "updateyy(4, 19200, 1, \"02\")"}));

    for (const wchar_t* use : {L"使用", L"不使用", L"x"}) {
        SetText(L"ComboBox11", use);
        Press(L"Button64");
    }
    EXPECT_EQ(fake_.CallsTo("mmkg"),
              (Strings{"mmkg(4, 19200, 1, \"01\")", "mmkg(4, 19200, 1, \"00\")",
                       "mmkg(4, 19200, 1, \"00\")"}));

    // Texts go as typed; an empty box is a null text, not an empty one.
    SetText(L"Edit70", L"");
    Press(L"Button58");
    SetText(L"ComboBox12", L"");
    Press(L"Button66");
    SetText(L"Edit37", L"");
    Press(L"Button32");
    SetText(L"ComboBox12", L" 3 ");
    Press(L"Button66");
    EXPECT_EQ(fake_.CallsTo("downlogin"), Strings{"downlogin(4, 19200, 1, null)"});
    EXPECT_EQ(fake_.CallsTo("setsq"),
              (Strings{"setsq(4, 19200, 1, null)", "setsq(4, 19200, 1, \" 3 \")"}));
    EXPECT_EQ(fake_.CallsTo("downcd"), Strings{"downcd(4, 19200, 1, 1, 1000000cur, null)"});
}

TEST_F(Settings, AmountsRatesAndIntegers) {
    fake_.StandingTruth("setzk", true);
    fake_.StandingTruth("downmaxje", true);
    fake_.StandingTruth("downsjjg", true);
    SetText(L"Edit59", L"850.0");
    Press(L"Button48");
    SetText(L"Edit59", L"850.5");
    Press(L"Button48");
    ExpectConversionError(L"'850.5' is not a valid integer value");
    SetText(L"Edit59", L"abc");
    Press(L"Button48");
    ExpectConversionError(L"'abc' is not a valid floating point value");
    EXPECT_EQ(fake_.CallsTo("setzk"), Strings{"setzk(4, 19200, 1, \"41\", 850)"});

    SetText(L"Edit55", L"12.5");
    Press(L"Button44");
    SetText(L"Edit55", L"12.345");
    Press(L"Button44");
    ExpectConversionError(L"'1234.5' is not a valid integer value");
    EXPECT_EQ(fake_.CallsTo("downmaxje"), Strings{"downmaxje(4, 19200, 1, 1250)"});

    SetText(L"Edit54", L"300"); // above the label's 255: sent all the same
    Press(L"Button22");
    EXPECT_EQ(fake_.CallsTo("downsjjg"), Strings{"downsjjg(4, 19200, 1, 300)"});

    SetText(L"Edit34", L"12");
    SetText(L"Edit35", L"2.5");
    SetText(L"Edit37", L"红烧肉");
    Press(L"Button32");
    EXPECT_EQ(fake_.CallsTo("downcd"), Strings{"downcd(4, 19200, 1, 12, 25000cur, \"红烧肉\")"});
}

TEST_F(Settings, OwnValuesAreConvertedBeforeTheLink) {
    SetText(L"Edit31", L"machine");
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {{L"Button21", L"Edit28"},
                                                               {L"Button22", L"Edit54"},
                                                               {L"Button44", L"Edit55"},
                                                               {L"Button48", L"Edit59"},
                                                               {L"Button67", L"Edit59"}};
    for (const auto& [button, box] : cases) {
        SetText(box, L"1x");
        Press(button);
        const std::wstring kind = std::wstring(box) == L"Edit28" || std::wstring(box) == L"Edit54"
                                      ? L"integer"
                                      : L"floating point";
        ExpectConversionError(L"'1x' is not a valid " + kind + L" value");
    }
    // The menu: amount before menu number, both before the link.
    SetText(L"Edit34", L"n");
    SetText(L"Edit35", L"a");
    Press(L"Button32");
    ExpectConversionError(L"'a' is not a valid floating point value");
    SetText(L"Edit35", L"1");
    Press(L"Button32");
    ExpectConversionError(L"'n' is not a valid integer value");
    SetText(L"Edit34", L"1");
    Press(L"Button32");
    ExpectConversionError(L"'machine' is not a valid integer value");
    EXPECT_TRUE(Calls().empty());
}

TEST_F(Settings, AllDiscountsStopAtTheFirstFailure) {
    fake_.StandingTruth("setzk", true);
    SetText(L"ComboBox7", L"C"); // plays no part
    SetText(L"Edit59", L"900");
    Press(L"Button67");
    ExpectInformation(L"设置折扣全部成功！");
    Strings all;
    for (const char* code : {"41", "42", "43", "44", "45", "46", "47", "48", "49", "4A"})
        all.push_back(std::string("setzk(4, 19200, 1, \"") + code + "\", 900)");
    EXPECT_EQ(Calls(), all);

    fake_.ClearCalls();
    for (int i = 0; i < 3; ++i)
        fake_.ReplyTruth("setzk", true);
    fake_.ReplyTruth("setzk", false);
    Press(L"Button67");
    ExpectWarning(L"设置折扣失败！");
    EXPECT_EQ(Calls(), Strings(all.begin(), all.begin() + 4));
    EXPECT_EQ(StatusOf(L"StatusBar1"), L"");
}

TEST_F(Settings, AllDiscountsReadTheLinkForEveryType) {
    fake_.StandingTruth("setzk", true);
    int calls = 0;
    fake_.OnCall = [&](const std::string&) {
        if (++calls == 2)
            SetText(L"Edit31", L"2");
        if (calls == 5)
            SetText(L"Edit30", L"");
    };
    SetText(L"Edit59", L"900");
    Press(L"Button67");
    fake_.OnCall = nullptr;
    ExpectConversionError(L"'' is not a valid integer value");
    EXPECT_EQ(Calls(),
              (Strings{"setzk(4, 19200, 1, \"41\", 900)", "setzk(4, 19200, 1, \"42\", 900)",
                       "setzk(4, 19200, 2, \"43\", 900)", "setzk(4, 19200, 2, \"44\", 900)",
                       "setzk(4, 19200, 2, \"45\", 900)"}));
}

TEST_F(Settings, HiddenNineTypeButtonDoesNothing) {
    Press(L"Button98");
    EXPECT_TRUE(Calls().empty());
    EXPECT_TRUE(boxes_.Shown().empty());
}

} // namespace
