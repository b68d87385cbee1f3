// The card-reader page end to end: the window's operations against the emulator library, each
// test on its own fresh installation (the demo card, number 123 of 张三, on port 3).

#include "tests/win/cardpage/EmulatorPage.h"

#include "framework/DateTime.h"

#include <cmath>

namespace {

using Texts = std::vector<std::wstring>;

class CardPageEndToEnd : public EmulatorPageTest {
protected:
    void ReadCard() { Click(L"Button8"); }
    double Validity() { return std::floor(Get<TDateTimePicker>(L"DateTimePicker1")->DateTime()); }
    void SetIssueInputs() {
        SetText(L"Edit16", L"456");
        SetText(L"Edit17", L"25.5");
        SetText(L"Edit18", L"李四");
        SetText(L"ComboBox8", L"C");
        SetText(L"Edit63", L"300");
        SetText(L"Edit65", L"1.5");
        SetText(L"Edit24", L"10");
        SetText(L"Edit25", L"20");
        SetText(L"Edit26", L"30");
        SetText(L"Edit27", L"40");
        Get<TDateTimePicker>(L"DateTimePicker2")->SetDateTime(EncodeDate(2030, 6, 1) + 0.5);
    }
    void ExpectIssuedCard() {
        EXPECT_EQ(TextOf(L"Edit11"), L"000456");
        EXPECT_EQ(TextOf(L"Edit12"), L"正常");
        EXPECT_EQ(TextOf(L"Edit13"), L"25.5");
        EXPECT_EQ(TextOf(L"Edit14"), L"0");
        EXPECT_EQ(TextOf(L"Edit15"), L"李四");
        EXPECT_EQ(Validity(), EncodeDate(2030, 6, 1));
        EXPECT_EQ(TextOf(L"Edit20"), L"10");
        EXPECT_EQ(TextOf(L"Edit21"), L"20");
        EXPECT_EQ(TextOf(L"Edit22"), L"30");
        EXPECT_EQ(TextOf(L"Edit23"), L"40");
        EXPECT_EQ(TextOf(L"Edit60"), L"C");
        EXPECT_EQ(TextOf(L"Edit62"), L"1.5");
        EXPECT_EQ(TextOf(L"Edit64"), L"300");
        EXPECT_EQ(U8(Status()), "读卡信息成功！");
    }
};

TEST_F(CardPageEndToEnd, DemoCard) {
    ReadCard();
    EXPECT_EQ(TextOf(L"Edit11"), L"000123");
    EXPECT_EQ(TextOf(L"Edit12"), L"正常");
    EXPECT_EQ(TextOf(L"Edit13"), L"100");
    EXPECT_EQ(TextOf(L"Edit14"), L"50");
    EXPECT_EQ(TextOf(L"Edit15"), L"张三");
    // Valid for three more years from the installation.
    EXPECT_NEAR(Validity() - Now(), 3 * 365.25, 3.0);
    for (const wchar_t* box : {L"Edit20", L"Edit21", L"Edit22", L"Edit23"})
        EXPECT_EQ(TextOf(box), L"255");
    EXPECT_EQ(TextOf(L"Edit60"), L"A");
    EXPECT_EQ(TextOf(L"Edit62"), L"0");
    EXPECT_EQ(TextOf(L"Edit64"), L"200");
    EXPECT_EQ(U8(Status()), "读卡信息成功！");
    EXPECT_TRUE(TakeShown().empty());
    SaveScreenshot(Form().Handle(), "cardpage-demo-card");

    SetText(L"Edit13", L"");
    Click(L"Button27");
    EXPECT_EQ(TextOf(L"Edit13"), L"100");

    Press(L"Button6");
    EXPECT_EQ(U8(Status()), "读卡成功！");
    EXPECT_EQ(TextOf(L"Edit9"), L"0");
    EXPECT_EQ(TextOf(L"Edit79"), L"0");
}

TEST_F(CardPageEndToEnd, BlankCard) {
    StateTool("card blank");
    SetText(L"Edit60", L"");
    ReadCard();
    EXPECT_EQ(TakeShown(), (Texts{L"新卡无信息!"}));
    EXPECT_EQ(TextOf(L"Edit11"), L"000000");
    EXPECT_EQ(TextOf(L"Edit12"), L"注销");
    EXPECT_EQ(TextOf(L"Edit13"), L"0");
    EXPECT_EQ(TextOf(L"Edit14"), L"0");
    EXPECT_EQ(TextOf(L"Edit15"), L"");
    EXPECT_EQ(TextOf(L"Edit20"), L"0");
    EXPECT_EQ(TextOf(L"Edit60"), L"");
    EXPECT_EQ(TextOf(L"Edit62"), L"0");
    EXPECT_EQ(TextOf(L"Edit64"), L"0");
    EXPECT_EQ(U8(Status()), "读卡信息成功！");
    SaveScreenshot(Form().Handle(), "cardpage-blank-card");
}

TEST_F(CardPageEndToEnd, IssueOnSectorZero) {
    StateTool("card blank");
    SetIssueInputs();
    Press(L"Button18");
    EXPECT_EQ(U8(Status()), "写信息成功！");
    EXPECT_TRUE(TakeShown().empty());
    ReadCard();
    ExpectIssuedCard();
    EXPECT_TRUE(TakeShown().empty());
}

// A slip in a record box stops the issue before the purse is credited; the corrected second
// press credits the opening amount once.
TEST_F(CardPageEndToEnd, IssueAfterASlipCreditsOnce) {
    StateTool("card blank");
    SetIssueInputs();
    SetText(L"Edit25", L"2O");
    Press(L"Button18");
    EXPECT_EQ(TakeShown(), (Texts{L"'2O' is not a valid integer value."}));
    EXPECT_EQ(Status(), L"");
    SetText(L"Edit25", L"20");
    Press(L"Button18");
    EXPECT_EQ(U8(Status()), "写信息成功！");
    ReadCard();
    ExpectIssuedCard();
    EXPECT_TRUE(TakeShown().empty());
}

// On sector 2 the record lies in blocks 9-10 and the personal purse in block 12; sector 0
// stays blank.
TEST_F(CardPageEndToEnd, IssueOnSectorTwo) {
    StateTool("card blank");
    SetText(L"sq", L"2");
    SetIssueInputs();
    Press(L"Button18");
    EXPECT_EQ(U8(Status()), "写信息成功！");
    ReadCard();
    ExpectIssuedCard();
    EXPECT_TRUE(TakeShown().empty());
    SetText(L"sq", L"0");
    ReadCard();
    EXPECT_EQ(TakeShown(), (Texts{L"新卡无信息!"}));
    EXPECT_EQ(TextOf(L"Edit11"), L"000000");
    EXPECT_EQ(TextOf(L"Edit13"), L"0");
}

TEST_F(CardPageEndToEnd, CardNumberAndPeriodLimit) {
    SetText(L"Edit16", L"789");
    Press(L"Button9");
    EXPECT_EQ(U8(Status()), "写卡号成功！");
    SetText(L"Edit26", L"7");
    Enter(L"Edit77");
    EXPECT_EQ(U8(Status()), "写卡成功！");
    // A limit that does not fit its byte leaves the card as it was.
    SetText(L"Edit27", L"300");
    Enter(L"Edit27");
    EXPECT_EQ(U8(Status()), "写卡失败！");
    ReadCard();
    EXPECT_EQ(TextOf(L"Edit11"), L"000789");
    EXPECT_EQ(TextOf(L"Edit15"), L"张三");
    EXPECT_EQ(TextOf(L"Edit20"), L"255");
    EXPECT_EQ(TextOf(L"Edit22"), L"7");
    EXPECT_EQ(TextOf(L"Edit23"), L"255");
    EXPECT_EQ(TextOf(L"Edit60"), L"A");
}

TEST_F(CardPageEndToEnd, BothPurses) {
    SetText(L"Edit17", L"12.5");
    Press(L"Button10");
    EXPECT_EQ(U8(Status()), "加款成功！");
    SetText(L"Edit103", L"2.5");
    Press(L"Button69");
    EXPECT_EQ(U8(Status()), "减款成功！");
    SetText(L"Edit19", L"10");
    Press(L"Button17");
    EXPECT_EQ(U8(Status()), "加款成功！");
    Press(L"Button89"); // 2.5 again, from the personal subtraction's box
    EXPECT_EQ(U8(Status()), "补贴减款成功！");
    ReadCard();
    EXPECT_EQ(TextOf(L"Edit13"), L"110");
    EXPECT_EQ(TextOf(L"Edit14"), L"57.5");

    SetText(L"Edit103", L"1000");
    Press(L"Button69");
    EXPECT_EQ(U8(Status()), "减款失败！");
    Press(L"Button13");
    EXPECT_EQ(U8(Status()), "个人余额清零成功！");
    Click(L"Button27");
    EXPECT_EQ(TextOf(L"Edit13"), L"0");
    Press(L"Button14");
    EXPECT_EQ(U8(Status()), "个人余额清零成功！");
    ReadCard();
    EXPECT_EQ(TextOf(L"Edit13"), L"0");
    EXPECT_EQ(TextOf(L"Edit14"), L"0");
    EXPECT_TRUE(TakeShown().empty());
}

TEST_F(CardPageEndToEnd, WaterCount) {
    Press(L"Button70");
    EXPECT_EQ(TextOf(L"Edit107"), L"0");
    SetText(L"Edit108", L"300");
    Press(L"Button71");
    EXPECT_EQ(TakeShown(), (Texts{L"写卡成功！"}));
    SetText(L"Edit108", L"-1");
    Press(L"Button71");
    EXPECT_EQ(TakeShown(), (Texts{L"写卡成功！"}));
    Press(L"Button70");
    EXPECT_EQ(TextOf(L"Edit107"), L"299");
    // Below zero: nothing is written.
    SetText(L"Edit108", L"-300");
    Press(L"Button71");
    EXPECT_EQ(TakeShown(), (Texts{L"写卡失败！"}));
    Press(L"Button70");
    EXPECT_EQ(TextOf(L"Edit107"), L"299");
}

TEST_F(CardPageEndToEnd, RawBlock) {
    SetText(L"ComboBox2", L"06");
    SetText(L"Edit3", L"00112233445566778899AABBCCDDEEFF");
    Click(L"Button4");
    EXPECT_EQ(TakeShown(), (Texts{L"写卡成功！"}));
    SetText(L"ComboBox2", L"00");
    Click(L"Button3");
    EXPECT_NE(TextOf(L"Edit2"), L"00112233445566778899AABBCCDDEEFF");
    SetText(L"ComboBox2", L"06");
    Click(L"Button3");
    EXPECT_EQ(TextOf(L"Edit2"), L"00112233445566778899AABBCCDDEEFF");
}

TEST_F(CardPageEndToEnd, WrongPortFailsEverywhere) {
    SetText(L"ComboBox1", L"5");
    SetText(L"Edit2", L"old");
    ReadCard();
    EXPECT_EQ(U8(Status()), "读信息失败！");
    Click(L"Button27");
    EXPECT_EQ(U8(Status()), "读卡信息成功，读个人金额失败！");
    Press(L"Button6");
    EXPECT_EQ(U8(Status()), "读卡失败！");
    Press(L"Button9");
    EXPECT_EQ(U8(Status()), "写卡号失败！");
    Press(L"Button10");
    EXPECT_EQ(U8(Status()), "加款失败！");
    Press(L"Button89");
    EXPECT_EQ(U8(Status()), "补贴减款失败！");
    Press(L"Button14");
    EXPECT_EQ(U8(Status()), "个人余额清零失败！");
    Enter(L"Edit24");
    EXPECT_EQ(U8(Status()), "写卡失败！");
    Click(L"Button3");
    EXPECT_EQ(TextOf(L"Edit2"), L"");
    EXPECT_TRUE(TakeShown().empty());
    Press(L"Button18");
    Click(L"Button4");
    Press(L"Button71");
    SetText(L"Edit1", L"123456");
    Click(L"Button1");
    Press(L"Button2");
    EXPECT_EQ(TakeShown(),
              (Texts{L"写信息失败", L"写卡失败！", L"写卡失败！", L"设置读卡器密码失败！", L""}));
}

TEST_F(CardPageEndToEnd, ReaderPassword) {
    SetText(L"Edit1", L"Ab-123456");
    Click(L"Button1");
    EXPECT_EQ(TakeShown(), (Texts{L"设置读卡器密码成功！"}));
    Press(L"Button2");
    EXPECT_EQ(TakeShown(), (Texts{L"Ab-123456"}));
}

} // namespace
