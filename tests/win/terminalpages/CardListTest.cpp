// The card lists against the fake: lost cards, the machine restriction list and the card amount
// entries, single and as a range.

#include "tests/win/terminalpages/TerminalPageFixture.h"

#include "app/Reports.h"

namespace {

using Strings = std::vector<std::string>;

constexpr const wchar_t* kClearQuestion = L"操作此过程需要半分钟时间，当状态栏出现清除挂失卡成功或"
                                          L"失败字样，在进行其他操作，是否继续操作？";

class CardLists : public TerminalPageTest {
protected:
    std::string Entry(int group, int number, int card, const char* amount = "1000000cur") {
        return "downczj(4, 19200, 1, " + std::to_string(group) + ", " + std::to_string(number) +
               ", " + std::to_string(card) + ", " + amount + ")";
    }
    std::wstring Box(const wchar_t* name) { return TextOf(name); }
};

TEST_F(CardLists, LostAndBarredCardsReportOnTheirPage) {
    struct Case {
        const wchar_t* button;
        const wchar_t* box;
        const char* function;
        const wchar_t* bar;
        const char* success;
        const char* failure;
    };
    const Case cases[] = {
        {L"Button30", L"Edit32", "gskh", L"sb1", "挂失成功！", "挂失失败！"},
        {L"Button31", L"Edit33", "jgkh", L"sb1", "解挂成功！", "解挂失败！"},
        {L"Button55", L"Edit101", "gskh1", L"StatusBar1", "挂失成功！", "挂失失败！"},
        {L"Button60", L"Edit102", "jgkh1", L"StatusBar1", "解挂成功！", "解挂失败！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.function);
        fake_.ClearCalls();
        fake_.ReplyTruth(c.function, true);
        Press(c.button); // the default "000000" is card 0
        EXPECT_EQ(U8(StatusOf(c.bar)), c.success);
        SetText(c.box, L"12345");
        Press(c.button);
        EXPECT_EQ(U8(StatusOf(c.bar)), c.failure);
        EXPECT_EQ(Calls(), (Strings{std::string(c.function) + "(4, 19200, 1, 0)",
                                    std::string(c.function) + "(4, 19200, 1, 12345)"}));
        // The card number is converted before the link.
        SetText(c.box, L"12 345");
        SetText(L"Edit31", L"x");
        Press(c.button);
        ExpectConversionError(L"'12 345' is not a valid integer value");
        SetText(L"Edit31", L"1");
    }
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(CardLists, ClearingAWholeListAsksFirst) {
    for (const auto& [button, function] :
         {std::pair{L"Button45", "clearallhmd"}, std::pair{L"Button61", "clearallhmd1"}}) {
        SCOPED_TRACE(function);
        fake_.ClearCalls();
        ReportStatus(Get<TStatusBar>(L"sb1"), L"before");
        boxes_.Answer(IDNO);
        Press(button);
        ExpectOneBox(kClearQuestion, L"提示", MB_YESNO);
        EXPECT_TRUE(Calls().empty());
        EXPECT_EQ(StatusOf(L"sb1"), L"before");

        fake_.ReplyTruth(function, true);
        Press(button);
        ASSERT_EQ(TakeShown(),
                  (std::vector<std::wstring>{kClearQuestion, L"清除全部挂失卡成功！"}));
        Press(button);
        EXPECT_EQ(boxes_.Shown().back().text, L"清除全部挂失卡失败！");
        EXPECT_EQ(boxes_.Shown().back().flags, static_cast<unsigned>(MB_OK | MB_ICONERROR));
        boxes_.Clear();
        EXPECT_EQ(Calls(), (Strings{std::string(function) + "(4, 19200, 1)",
                                    std::string(function) + "(4, 19200, 1)"}));
    }
}

TEST_F(CardLists, SingleEntryMovesThePositionOn) {
    fake_.StandingTruth("downczj", true);
    SetText(L"Edit112", L"12.5");
    Press(L"Button94");
    ExpectInformation(L"下传成功！");
    EXPECT_EQ(Calls(), Strings{Entry(1, 1, 2, "125000cur")});
    EXPECT_EQ(Box(L"Edit114"), L"2");
    EXPECT_EQ(Box(L"Edit113"), L"1");
    EXPECT_EQ(Box(L"Edit111"), L"2");

    // Past 99 the number restarts at 1 in the next group.
    SetText(L"Edit114", L"99");
    Press(L"Button94");
    ExpectInformation(L"下传成功！");
    EXPECT_EQ(Box(L"Edit114"), L"1");
    EXPECT_EQ(Box(L"Edit113"), L"2");

    fake_.StandingTruth("downczj", false);
    Press(L"Button94");
    ExpectWarning(L"下传失败！");
    EXPECT_EQ(Box(L"Edit114"), L"1");
    EXPECT_EQ(Box(L"Edit113"), L"2");
}

TEST_F(CardLists, EntryConvertsAmountCardNumberGroupThenLink) {
    SetText(L"Edit112", L"abc");
    SetText(L"Edit111", L"c");
    SetText(L"Edit114", L"n");
    SetText(L"Edit113", L"g");
    SetText(L"Edit31", L"m");
    const std::pair<const wchar_t*, const wchar_t*> fixes[] = {
        {L"Edit112", L"1"}, {L"Edit111", L"2"}, {L"Edit114", L"3"}, {L"Edit113", L"4"}};
    Press(L"Button94");
    ExpectConversionError(L"'abc' is not a valid floating point value");
    const wchar_t* next[] = {L"c", L"n", L"g", L"m"};
    for (int i = 0; i < 4; ++i) {
        SetText(fixes[i].first, fixes[i].second);
        Press(L"Button94");
        ExpectConversionError(L"'" + std::wstring(next[i]) + L"' is not a valid integer value");
    }
    EXPECT_TRUE(Calls().empty());
}

TEST_F(CardLists, RangeSendsUpToButNotIncludingTheEndCard) {
    fake_.StandingTruth("downczj", true);
    Press(L"Button97"); // defaults: cards 2 to 20
    ExpectInformation(L"下传全部成功！");
    Strings expected;
    for (int card = 2; card <= 20; ++card)
        expected.push_back(Entry(1, card - 1, card));
    EXPECT_EQ(Calls(), expected);
    EXPECT_EQ(Box(L"Edit111"), L"21");
    EXPECT_EQ(Box(L"Edit114"), L"20");
    EXPECT_EQ(Box(L"Edit113"), L"1");

    fake_.ClearCalls();
    SetText(L"Edit111", L"20");
    Press(L"Button97");
    ExpectInformation(L"下传全部成功！");
    EXPECT_EQ(Calls(), Strings{Entry(1, 20, 20)});

    fake_.ClearCalls();
    Press(L"Button97"); // 21 to 21: nothing to send
    ExpectInformation(L"下传全部成功！");
    SetText(L"Edit111", L"30");
    Press(L"Button97");
    ExpectInformation(L"下传全部成功！");
    EXPECT_TRUE(Calls().empty());

    // Across a group.
    SetText(L"Edit111", L"1");
    SetText(L"Edit115", L"3");
    SetText(L"Edit114", L"99");
    Press(L"Button97");
    EXPECT_EQ(Calls(), (Strings{Entry(1, 99, 1), Entry(2, 1, 2)}));
    EXPECT_EQ(Box(L"Edit113"), L"2");
    EXPECT_EQ(Box(L"Edit114"), L"2");
}

TEST_F(CardLists, RangeStopsAtTheFirstRefusedCard) {
    fake_.ReplyTruth("downczj", true);
    fake_.ReplyTruth("downczj", true);
    fake_.ReplyTruth("downczj", false);
    fake_.StandingTruth("downczj", true);
    Press(L"Button97");
    ExpectWarning(L"下传失败！");
    EXPECT_EQ(Calls(), (Strings{Entry(1, 1, 2), Entry(1, 2, 3), Entry(1, 3, 4)}));
    EXPECT_EQ(Box(L"Edit111"), L"4");
    EXPECT_EQ(Box(L"Edit114"), L"3");
}

TEST_F(CardLists, ConversionErrorInsideARangeEndsItWithoutTheFinalBox) {
    fake_.StandingTruth("downczj", true);
    int sent = 0;
    fake_.OnCall = [&](const std::string&) {
        if (++sent == 2)
            SetText(L"Edit112", L"1.2.3");
    };
    Press(L"Button97");
    fake_.OnCall = nullptr;
    ExpectConversionError(L"'1.2.3' is not a valid floating point value");
    EXPECT_EQ(Calls().size(), 2u);
    EXPECT_EQ(Box(L"Edit111"), L"4");
}

TEST_F(CardLists, ClearingCardAmounts) {
    fake_.ReplyTruth("clearczj", true);
    Press(L"Button95");
    ExpectInformation(L"清除成功！");
    Press(L"Button95");
    ExpectWarning(L"清除失败！");
    fake_.ReplyTruth("clearallczj", true);
    Press(L"Button96"); // asks nothing
    ExpectInformation(L"清除成功！");
    Press(L"Button96");
    ExpectWarning(L"清除失败！");
    EXPECT_EQ(Calls(), (Strings{"clearczj(4, 19200, 1, 2)", "clearczj(4, 19200, 1, 2)",
                                "clearallczj(4, 19200, 1)", "clearallczj(4, 19200, 1)"}));
}

} // namespace
