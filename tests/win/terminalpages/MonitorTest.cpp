// Live monitoring against the fake: starting and stopping by the button's caption, and what
// one poll does with each form of reply.

#include "tests/win/terminalpages/TerminalPageFixture.h"

#include <chrono>

namespace {

using Strings = std::vector<std::string>;
using Lines = std::vector<std::wstring>;

std::wstring Line(int n, const char* number) {
    return WideFromUtf8(Record(n) + "   " + number);
}

class Monitor : public TerminalPageTest {
protected:
    std::wstring Caption() { return Get<TButton>(L"Button41")->Caption(); }
    bool TimerOn() { return Get<TTimer>(L"Timer1")->Enabled(); }
    void Poll() { Form().Timer1Timer(nullptr); }
    int Selected() { return Get<TListBox>(L"ListBox1")->ItemIndex(); }
};

TEST_F(Monitor, StartsAndStopsByTheButtonsCaption) {
    Get<TListBox>(L"ListBox1")->Items()->Add(L"old line");
    fake_.ReplyTruth("opencom1", true);
    EXPECT_EQ(U8(Caption()), "实时监控");
    EXPECT_FALSE(TimerOn());
    Press(L"Button41");
    EXPECT_EQ(Calls(), Strings{"opencom1(\"COM4\", 19200)"});
    EXPECT_EQ(U8(Caption()), "停止监控");
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(Get<TTimer>(L"Timer1")->Interval(), 200);
    EXPECT_TRUE(ListItems(L"ListBox1").empty());

    fake_.ClearCalls();
    fake_.OnCall = [&](const std::string&) { EXPECT_FALSE(TimerOn()) << "timer stops first"; };
    Press(L"Button41");
    fake_.OnCall = nullptr;
    EXPECT_EQ(Calls(), Strings{"closecom()"});
    EXPECT_EQ(U8(Caption()), "实时监控");
    EXPECT_FALSE(TimerOn());
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(Monitor, PortNameIsThePortBoxAsTyped) {
    fake_.StandingTruth("opencom1", true);
    SetText(L"Edit30", L"04");
    SetText(L"ComboBox3", L"9600");
    Press(L"Button41");
    Press(L"Button41");
    SetText(L"Edit30", L"");
    Press(L"Button41");
    EXPECT_EQ(Calls(),
              (Strings{"opencom1(\"COM04\", 9600)", "closecom()", "opencom1(\"COM\", 9600)"}));
    Press(L"Button41");
    // Only the baud rate is converted.
    SetText(L"ComboBox3", L"fast");
    Press(L"Button41");
    ExpectConversionError(L"'fast' is not a valid integer value");
    EXPECT_EQ(U8(Caption()), "实时监控");
}

TEST_F(Monitor, PortThatDoesNotOpenLeavesMonitoringIdle) {
    Get<TListBox>(L"ListBox1")->Items()->Add(L"old line");
    Press(L"Button41");
    ExpectOneBox(L"打开串口失败!", Application->Title(), MB_OK);
    EXPECT_EQ(U8(Caption()), "实时监控");
    EXPECT_FALSE(TimerOn());
    EXPECT_TRUE(ListItems(L"ListBox1").empty()) << "emptied even when the port fails";
}

TEST_F(Monitor, PollShowsWholeRecordsAndReportsHowManyWereTaken) {
    // 98 characters: two records.
    fake_.ReplyText("downlssjrecd1", Records(1, 2));
    Poll();
    EXPECT_EQ(Calls(), (Strings{"downlssjrecd1(4, 19200, 1)", "cleardbdata(4, 19200, 1, 2)"}));
    EXPECT_EQ(ListItems(L"ListBox1"), (Lines{Line(1, "00001"), Line(2, "00002")}));
    EXPECT_EQ(Selected(), 1);

    // 60 characters: one record, the rest ignored; the numbering goes on.
    fake_.ClearCalls();
    fake_.ReplyText("downlssjrecd1", Record(3) + "12345678901");
    Poll();
    EXPECT_EQ(Calls(), (Strings{"downlssjrecd1(4, 19200, 1)", "cleardbdata(4, 19200, 1, 1)"}));
    EXPECT_EQ(ListItems(L"ListBox1").back(), Line(3, "00003"));
    EXPECT_EQ(Selected(), 2);

    // 48 characters: nothing shown or taken, but the last line is still selected.
    fake_.ClearCalls();
    Get<TListBox>(L"ListBox1")->SetItemIndex(0);
    fake_.ReplyText("downlssjrecd1", Record(4).substr(0, 48));
    Poll();
    EXPECT_EQ(Calls(), Strings{"downlssjrecd1(4, 19200, 1)"});
    EXPECT_EQ(ListItems(L"ListBox1").size(), 3u);
    EXPECT_EQ(Selected(), 2);

    // "85" and no answer: a quiet tick that selects nothing.
    Get<TListBox>(L"ListBox1")->SetItemIndex(0);
    fake_.ReplyText("downlssjrecd1", "85");
    Poll();
    fake_.ReplyNullText("downlssjrecd1");
    Poll();
    EXPECT_EQ(Calls().size(), 3u);
    EXPECT_EQ(Selected(), 0);
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(Monitor, PollTakesLinkBoxesFreshAndDropsItsErrors) {
    fake_.OnCall = [&](const std::string& call) {
        if (call.rfind("downlssjrecd1", 0) == 0)
            SetText(L"Edit31", L"2");
    };
    fake_.ReplyText("downlssjrecd1", Record(1));
    Poll();
    EXPECT_EQ(Calls(), (Strings{"downlssjrecd1(4, 19200, 1)", "cleardbdata(4, 19200, 2, 1)"}));

    // A bad box in the middle of a tick: the lines stay, nothing is reported.
    fake_.ClearCalls();
    fake_.OnCall = [&](const std::string& call) {
        if (call.rfind("downlssjrecd1", 0) == 0)
            SetText(L"ComboBox3", L"bad");
    };
    fake_.ReplyText("downlssjrecd1", Record(2));
    Poll();
    fake_.OnCall = nullptr;
    EXPECT_EQ(Calls(), Strings{"downlssjrecd1(4, 19200, 2)"});
    EXPECT_EQ(ListItems(L"ListBox1").size(), 2u);
    Poll();
    EXPECT_EQ(Calls().size(), 1u);
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(Monitor, RestartingEmptiesTheListAndNumbersFromOne) {
    fake_.StandingTruth("opencom1", true);
    Press(L"Button41");
    Get<TTimer>(L"Timer1")->SetEnabled(false); // the test polls by itself
    fake_.ReplyText("downlssjrecd1", Records(1, 3));
    Poll();
    Press(L"Button41");
    // Stopped: the lines and the numbering stay as they were.
    EXPECT_EQ(ListItems(L"ListBox1").size(), 3u);
    fake_.ReplyText("downlssjrecd1", Record(9));
    Poll();
    EXPECT_EQ(ListItems(L"ListBox1").back(), Line(9, "00004"));

    Press(L"Button41");
    Get<TTimer>(L"Timer1")->SetEnabled(false);
    fake_.ReplyText("downlssjrecd1", Record(7));
    Poll();
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{Line(7, "00001")});
}

TEST_F(Monitor, NumbersWidenPast99999) {
    fake_.ReplyText("downlssjrecd1", Records(1, 99999));
    fake_.ReplyText("downlssjrecd1", Record(5));
    const auto started = std::chrono::steady_clock::now();
    Poll();
    const auto took = std::chrono::steady_clock::now() - started;
    Poll();
    const Lines lines = ListItems(L"ListBox1");
    ASSERT_EQ(lines.size(), 100000u);
    EXPECT_EQ(lines[0], Line(1, "00001"));
    EXPECT_EQ(lines[99998], Line(99999, "99999"));
    EXPECT_EQ(lines[99999], Line(5, "100000"));
    EXPECT_EQ(fake_.CallsTo("cleardbdata"),
              (Strings{"cleardbdata(4, 19200, 1, 99999)", "cleardbdata(4, 19200, 1, 1)"}));
    // A large poll is one batch of list work, not a repaint per line.
    EXPECT_LT(std::chrono::duration_cast<std::chrono::seconds>(took).count(), 20);
}

TEST_F(Monitor, TimerPollsEvery200Milliseconds) {
    fake_.StandingTruth("opencom1", true);
    fake_.StandingText("downlssjrecd1", Record(1));
    Press(L"Button41");
    PumpMessages(1100);
    Press(L"Button41");
    const size_t polls = fake_.CallsTo("downlssjrecd1").size();
    EXPECT_GE(polls, 3u);
    EXPECT_LE(polls, 7u);
    const Lines lines = ListItems(L"ListBox1");
    ASSERT_EQ(lines.size(), polls);
    EXPECT_EQ(lines.back(), Line(1, ("0000" + std::to_string(polls)).c_str()));
    EXPECT_EQ(Selected(), static_cast<int>(polls) - 1);
}

} // namespace
