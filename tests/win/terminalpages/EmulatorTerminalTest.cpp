// The terminal pages end to end against the emulator library: every command reaches the
// addressed terminal, and what it changes shows in the terminal's state.

#include "tests/win/terminalpages/EmulatorTerminal.h"

#include "devlib/GbkText.h"

#include <numeric>

namespace {

using Lines = std::vector<std::wstring>;

int SecondsOfDay(int h, int m, int s) {
    return h * 3600 + m * 60 + s;
}

// Seconds between the clock line's time and the computer's local time, within a day.
int ClockLineOffset(const std::wstring& line) {
    int h = 0, m = 0, s = 0;
    EXPECT_EQ(swscanf(line.c_str() + 12, L"%d:%d:%d", &h, &m, &s), 3) << U8(line);
    SYSTEMTIME now;
    GetLocalTime(&now);
    int offset = SecondsOfDay(h, m, s) - SecondsOfDay(now.wHour, now.wMinute, now.wSecond);
    if (offset > 43200)
        offset -= 86400;
    if (offset < -43200)
        offset += 86400;
    return offset;
}

TEST_F(EmulatorTerminalTest, ReadAndSetTheClock) {
    Press(L"Button25");
    EXPECT_EQ(U8(StatusOf(L"sb1")), "获取时间成功！");
    Lines lines = ListItems(L"ListBox1");
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].size(), 27u) << U8(lines[0]);
    EXPECT_EQ(lines[0].substr(4, 1) + lines[0].substr(7, 1), L"--");
    EXPECT_EQ(lines[0].substr(10, 2), L"  ");
    EXPECT_EQ(lines[0].substr(20, 6), L"    星期");
    EXPECT_NE(std::wstring(L"一二三四五六日").find(lines[0][26]), std::wstring::npos);
    EXPECT_NEAR(ClockLineOffset(lines[0]), -95, 3); // the first terminal's clock is slow

    Press(L"Button26");
    EXPECT_EQ(U8(StatusOf(L"sb1")), "验证时间成功！");
    EXPECT_EQ(TerminalOf(1).clockOffset, 0);
    Press(L"Button25");
    EXPECT_NEAR(ClockLineOffset(ListItems(L"ListBox1").at(0)), 0, 3);

    // Nobody answers on another port.
    SetText(L"Edit30", L"5");
    Press(L"Button25");
    EXPECT_EQ(TakeShown(), Lines{L"获取时间失败!"});
    EXPECT_EQ(U8(StatusOf(L"sb1")), "获取时间失败！");
}

TEST_F(EmulatorTerminalTest, CountTotalCapacityAndDeviceInformation) {
    const emulator::Terminal first = TerminalOf(1);
    Press(L"Button29");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{std::to_wstring(first.records.size())});
    EXPECT_EQ(U8(StatusOf(L"sb1")), "获取记录总数成功！");
    Press(L"Button42");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{std::to_wstring(first.TotalAmountFen())});
    EXPECT_GT(first.TotalAmountFen(), 0u);
    Press(L"Button43");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{L"50000"});
    Press(L"Button47");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{WideFromGbk(first.info)});
    EXPECT_EQ(U8(ListItems(L"ListBox1")[0]), "IC消费机 V1.06");
    SetText(L"Edit31", L"2");
    Press(L"Button29");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{std::to_wstring(TerminalOf(2).records.size())});
    SetText(L"Edit31", L"3");
    Press(L"Button29");
    EXPECT_TRUE(ListItems(L"ListBox1").empty());
    EXPECT_EQ(U8(StatusOf(L"sb1")), "获取记录总数失败！");
}

TEST_F(EmulatorTerminalTest, TerminalAnswersUnderItsNewMachineNumber) {
    const size_t stored = TerminalOf(1).records.size();
    SetText(L"Edit36", L"1");
    SetText(L"Edit31", L"7");
    Press(L"Button24");
    EXPECT_EQ(U8(StatusOf(L"sb1")), "设置机号成功！");
    Press(L"Button29");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{std::to_wstring(stored)});
    SetText(L"Edit31", L"1");
    Press(L"Button29");
    EXPECT_EQ(U8(StatusOf(L"sb1")), "获取记录总数失败！");
    // Machine 1 is gone: renaming it again fails.
    SetText(L"Edit31", L"9");
    Press(L"Button24");
    EXPECT_EQ(U8(StatusOf(L"sb1")), "设置机号失败！");
}

TEST_F(EmulatorTerminalTest, TerminalAnswersAtItsNewBaudRate) {
    ShowPage(2);
    SetText(L"Edit31", L"2");
    SetText(L"ComboBox5", L"19200");
    SetText(L"ComboBox10", L"9600");
    Press(L"Button5");
    EXPECT_EQ(TakeShown(), Lines{L"设置波特率成功！"});
    EXPECT_EQ(TerminalOf(2).baud, 9600);
    Press(L"Button29");
    EXPECT_EQ(U8(StatusOf(L"sb1")), "获取记录总数失败！");
    SetText(L"ComboBox3", L"9600");
    Press(L"Button29");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{std::to_wstring(TerminalOf(2).records.size())});
    // The old rate no longer reaches it.
    Press(L"Button5");
    EXPECT_EQ(TakeShown(), Lines{L"设置波特率失败！"});
}

TEST_F(EmulatorTerminalTest, ClearAndRestoreRecords) {
    Press(L"Button28");
    EXPECT_EQ(TakeShown(), Lines{L"清除数据成功！"});
    EXPECT_TRUE(TerminalOf(1).records.empty());
    Press(L"Button29");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{L"0"});
    Press(L"Button16"); // hidden; restores Edit105's 10 records
    EXPECT_EQ(TakeShown(), Lines{L"恢复记录成功！"});
    Press(L"Button29");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{L"10"});
    SetText(L"Edit31", L"5");
    Press(L"Button28");
    EXPECT_EQ(TakeShown(), Lines{L"清除数据失败！"});
}

TEST_F(EmulatorTerminalTest, MonitoringShowsNewTransactionsAsTheyArrive) {
    ShowPage(1);
    Press(L"Button41");
    ASSERT_TRUE(boxes_.Shown().empty());
    ASSERT_EQ(U8(Get<TButton>(L"Button41")->Caption()), "停止监控");
    const size_t stored = TerminalOf(1).records.size();
    // The generator adds one transaction every 3 seconds to the terminals of the open line.
    PumpMessages(7000);
    SaveScreenshot(Form().Handle(), "terminal-monitoring");
    Press(L"Button41");
    EXPECT_EQ(U8(Get<TButton>(L"Button41")->Caption()), "实时监控");

    const emulator::Terminal first = TerminalOf(1);
    EXPECT_GT(first.records.size(), stored) << "no new transaction for the first terminal";
    EXPECT_EQ(first.taken, first.records.size()) << "every record shown was reported taken";
    const Lines lines = ListItems(L"ListBox1");
    ASSERT_EQ(lines.size(), first.records.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%.5d", static_cast<int>(i + 1));
        EXPECT_EQ(lines[i], WideFromGbk(first.records[i] + "   " + number));
    }
    EXPECT_EQ(Get<TListBox>(L"ListBox1")->ItemIndex(), static_cast<int>(lines.size()) - 1);
    // Stopped: nothing more arrives.
    PumpMessages(400);
    EXPECT_EQ(ListItems(L"ListBox1").size(), lines.size());
}

TEST_F(EmulatorTerminalTest, DownloadAllStoredRecords) {
    ShowPage(1);
    Press(L"Button88");
    const emulator::Terminal first = TerminalOf(1);
    const Lines lines = ListItems(L"ListBox1");
    ASSERT_EQ(lines.size(), first.records.size() + 1);
    std::string expected;
    for (size_t i = 0; i < first.records.size(); ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%.5d", static_cast<int>(i + 1));
        const std::string line = first.records[i] + "   " + number;
        EXPECT_EQ(lines[i], WideFromGbk(line));
        expected += line + "\r\n";
    }
    const std::wstring summary = L"共下载" + std::to_wstring(first.records.size()) + L"条!";
    EXPECT_EQ(lines.back(), summary);
    expected += GbkFromWide(summary) + "\r\n";
    const auto files = NewRecordFiles();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(ReadBytes(files[0]), expected);
    EXPECT_EQ(first.taken, 0u) << "a download leaves the records to live monitoring";
    SaveScreenshot(Form().Handle(), "terminal-download");
    EXPECT_TRUE(boxes_.Shown().empty());

    // A terminal that does not answer.
    SetText(L"Edit31", L"3");
    Press(L"Button88");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{L"通讯失败!"});
}

TEST_F(EmulatorTerminalTest, LostAndBarredCards) {
    SetText(L"Edit32", L"12345");
    Press(L"Button30");
    EXPECT_EQ(U8(StatusOf(L"sb1")), "挂失成功！");
    SetText(L"Edit32", L"777");
    Press(L"Button30");
    EXPECT_EQ(TerminalOf(1).lostCards, (std::set<std::uint32_t>{777, 12345}));
    SetText(L"Edit33", L"12345");
    Press(L"Button31");
    EXPECT_EQ(U8(StatusOf(L"sb1")), "解挂成功！");
    EXPECT_EQ(TerminalOf(1).lostCards, (std::set<std::uint32_t>{777}));
    boxes_.Answer(IDNO);
    Press(L"Button45");
    EXPECT_EQ(TerminalOf(1).lostCards.size(), 1u);
    boxes_.Clear();
    Press(L"Button45");
    EXPECT_EQ(TakeShown().back(), L"清除全部挂失卡成功！");
    EXPECT_TRUE(TerminalOf(1).lostCards.empty());

    ShowPage(2);
    SetText(L"Edit101", L"4321");
    Press(L"Button55");
    EXPECT_EQ(U8(StatusOf(L"StatusBar1")), "挂失成功！");
    EXPECT_EQ(TerminalOf(1).barredCards, (std::set<std::uint32_t>{4321}));
    SetText(L"Edit102", L"4321");
    Press(L"Button60");
    EXPECT_EQ(U8(StatusOf(L"StatusBar1")), "解挂成功！");
    EXPECT_TRUE(TerminalOf(1).barredCards.empty());
    Press(L"Button55");
    Press(L"Button61");
    EXPECT_EQ(TakeShown().back(), L"清除全部挂失卡成功！");
    EXPECT_TRUE(TerminalOf(1).barredCards.empty());
}

TEST_F(EmulatorTerminalTest, CardAmountEntriesSingleAndRange) {
    Press(L"Button94"); // card 2, 100 yuan, group 1, number 1
    EXPECT_EQ(TakeShown(), Lines{L"下传成功！"});
    auto amounts = TerminalOf(1).cardAmounts;
    ASSERT_EQ(amounts.size(), 1u);
    EXPECT_EQ(amounts[2].group, 1);
    EXPECT_EQ(amounts[2].number, 1);
    EXPECT_EQ(amounts[2].amountFen, 10000u);

    SetText(L"Edit111", L"3");
    SetText(L"Edit115", L"6");
    SetText(L"Edit112", L"12.5");
    Press(L"Button97");
    EXPECT_EQ(TakeShown(), Lines{L"下传全部成功！"});
    amounts = TerminalOf(1).cardAmounts;
    ASSERT_EQ(amounts.size(), 4u);
    for (int card = 3; card <= 5; ++card) {
        EXPECT_EQ(amounts[card].number, card - 1);
        EXPECT_EQ(amounts[card].amountFen, 1250u);
    }
    EXPECT_EQ(TextOf(L"Edit111"), L"6");

    SetText(L"Edit111", L"4");
    Press(L"Button95");
    EXPECT_EQ(TakeShown(), Lines{L"清除成功！"});
    EXPECT_EQ(TerminalOf(1).cardAmounts.count(4), 0u);
    Press(L"Button96");
    EXPECT_EQ(TakeShown(), Lines{L"清除成功！"});
    EXPECT_TRUE(TerminalOf(1).cardAmounts.empty());
}

TEST_F(EmulatorTerminalTest, EverySettingReachesTheTerminal) {
    SetText(L"Edit28", L"88");
    Press(L"Button21");
    SetText(L"Edit54", L"30");
    Press(L"Button22");
    Press(L"Button32"); // menu 1, 100 yuan, 家常凉菜
    SetText(L"Edit55", L"12.5");
    Press(L"Button44");
    EXPECT_EQ(U8(StatusOf(L"sb1")), "设置每次最大消费金额成功！");

    ShowPage(2);
    SetText(L"ComboBox6", L"菜单消费");
    Press(L"Button46");
    EXPECT_EQ(U8(StatusOf(L"StatusBar1")), "设置工作模式成功！");
    SetText(L"Edit59", L"800");
    Press(L"Button67");
    EXPECT_EQ(TakeShown(), Lines{L"设置折扣全部成功！"});
    SetText(L"ComboBox7", L"B");
    SetText(L"Edit59", L"900");
    Press(L"Button48");
    EXPECT_EQ(U8(StatusOf(L"StatusBar1")), "设置折扣成功！");
    SetText(L"Edit70", L"欢迎光临");
    Press(L"Button58");
    SetText(L"Edit70", L"请刷卡");
    Press(L"Button91");
    EXPECT_EQ(U8(StatusOf(L"StatusBar1")), "设置login名称成功！");
    SetText(L"ComboBox9", L"繁体中文");
    Press(L"Button57");
    EXPECT_EQ(U8(StatusOf(L"StatusBar1")), "设置语言成功！");
    SetText(L"ComboBox12", L"05");
    Press(L"Button66");
    SetText(L"ComboBox11", L"不使用");
    Press(L"Button64");
    SetText(L"Edit57", L"123456");
    SetText(L"Edit58", L"654321");
    Press(L"Button68");
    EXPECT_EQ(TakeShown(), (Lines{L"设置成功！", L"成功！", L"成功！"}));
    SaveScreenshot(Form().Handle(), "terminal-settings");

    const emulator::Terminal t = TerminalOf(1);
    EXPECT_EQ(t.managementCard, 88u);
    EXPECT_EQ(t.swipeInterval, 30);
    ASSERT_EQ(t.menus.count(1), 1u);
    EXPECT_EQ(t.menus.at(1).amountFen, 10000u);
    EXPECT_EQ(U8(WideFromGbk(t.menus.at(1).name)), "家常凉菜");
    EXPECT_EQ(t.maxAmountFen, 1250u);
    EXPECT_EQ(t.modeCode, "02");
    for (const auto& [code, perMille] : t.discounts)
        EXPECT_EQ(perMille, code == "42" ? 900 : 800) << code;
    EXPECT_EQ(t.discounts.size(), 10u);
    EXPECT_EQ(U8(WideFromGbk(t.loginTitle)), "欢迎光临");
    EXPECT_EQ(U8(WideFromGbk(t.standbyTitle)), "请刷卡");
    EXPECT_EQ(t.languageCode, "01");
    EXPECT_EQ(t.freeSector, 5);
    EXPECT_EQ(t.passwordFunction, "00");
    EXPECT_EQ(t.password, "654321");

    // The old password no longer matches.
    Press(L"Button68");
    EXPECT_EQ(TakeShown(), Lines{L"失败！"});
    // A mode outside the table goes as a null text, which the terminal refuses.
    SetText(L"ComboBox6", L"自动");
    Press(L"Button46");
    EXPECT_EQ(U8(StatusOf(L"StatusBar1")), "设置工作模式失败！");
    EXPECT_EQ(TerminalOf(1).modeCode, "02");
}

} // namespace
