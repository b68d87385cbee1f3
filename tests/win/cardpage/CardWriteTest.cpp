// Writing a card against the recording fake: the full card issue, the card number, the period
// limits changed in place and the raw block write.

#include "tests/win/cardpage/CardPageFixture.h"

#include "framework/DateTime.h"

namespace {

using Calls_ = std::vector<std::string>;

class WriteCard : public CardPageTest {
protected:
    void SetUp() override {
        CardPageTest::SetUp();
        // Midday, so the time of day cannot move the date.
        Get<TDateTimePicker>(L"DateTimePicker2")->SetDateTime(EncodeDate(2009, 3, 15) + 0.5);
    }
};

const char kDefaultRecord[] =
    "tolvane(3, \"01\", \"01\", 1, \"张三\", \"802715\", \"090315\", \"0000\", 0cur, "
    "99999999900cur, 255, 255, 255, 255, \"41\")";

TEST_F(WriteCard, FullWriteWithTheDefaults) {
    fake_.StandingTruth("addje", true);
    fake_.StandingTruth("tolvane", true);
    Press(L"Button18");
    EXPECT_EQ(Calls(), (Calls_{"addje(3, \"01\", 4, 0)", kDefaultRecord}));
    EXPECT_EQ(U8(Status()), "写信息成功！");
    EXPECT_TRUE(boxes_.Shown().empty());
}

// The issue date text comes from the picker's date itself, two digits each.
TEST_F(WriteCard, FullWriteOnSectorTwoWithEveryInput) {
    fake_.StandingTruth("addje", true);
    SetText(L"sq", L"2");
    SetText(L"ComboBox1", L"7");
    SetText(L"Edit16", L"1048575");
    SetText(L"Edit17", L"12.5");
    SetText(L"Edit18", L"李四");
    SetText(L"Edit72", L"");
    SetText(L"Edit63", L"200");
    SetText(L"Edit65", L"-0.5");
    SetText(L"Edit24", L"1");
    SetText(L"Edit25", L"2");
    SetText(L"Edit26", L"3");
    SetText(L"Edit27", L"4");
    SetText(L"ComboBox8", L"J");
    Get<TDateTimePicker>(L"DateTimePicker2")->SetDateTime(EncodeDate(2031, 12, 1) + 0.99);
    Press(L"Button18");
    EXPECT_EQ(Calls(), (Calls_{"addje(7, \"01\", 12, 1250)",
                               "tolvane(7, \"01\", \"09\", 1048575, \"李四\", null, \"311201\", "
                               "\"0000\", -5000cur, 2000000cur, 1, 2, 3, 4, \"4A\")"}));
    EXPECT_EQ(U8(Status()), "写信息失败！");
}

TEST_F(WriteCard, TypeOutsideTheTableIsANullCode) {
    fake_.StandingTruth("addje", true);
    for (const wchar_t* type : {L"a", L"K", L"", L"AB"}) {
        fake_.ClearCalls();
        SetText(L"ComboBox8", type);
        Press(L"Button18");
        ASSERT_EQ(Calls().size(), 2u);
        EXPECT_TRUE(Calls()[1].ends_with(", 255, null)")) << Calls()[1];
    }
}

TEST_F(WriteCard, FullWriteStops) {
    // No card number: a prompt and no call.
    SetText(L"Edit16", L"");
    Press(L"Button18");
    ExpectPlainMessage(L"请输入正确的卡号！");
    EXPECT_TRUE(Calls().empty());

    // The purse refuses: the record is not written.
    boxes_.Clear();
    SetText(L"Edit16", L"1");
    Press(L"Button18");
    ExpectPlainMessage(L"写信息失败");
    EXPECT_EQ(Calls(), (Calls_{"addje(3, \"01\", 4, 0)"}));
    EXPECT_EQ(Status(), L"");
}

// Every input is converted before the purse is credited: with every box bad at once, each press
// names the next bad box in the order amount, limits 4 to 1, daily limit, minimum balance, card
// number, sector, port, and calls nothing. Once all are mended the card is written with the
// same calls as ever, the purse credited once.
TEST_F(WriteCard, EveryInputConvertedBeforeThePurse) {
    fake_.StandingTruth("addje", true);
    fake_.StandingTruth("tolvane", true);
    const struct {
        const wchar_t* box;
        const wchar_t* bad;
        const wchar_t* error;
        const wchar_t* good;
    } cases[] = {
        {L"Edit17", L"1.234", L"'123.4' is not a valid integer value.", L"0"},
        {L"Edit27", L"4O", L"'4O' is not a valid integer value.", L"255"},
        {L"Edit26", L"", L"'' is not a valid integer value.", L"255"},
        {L"Edit25", L"2.5", L"'2.5' is not a valid integer value.", L"255"},
        {L"Edit24", L"25 5", L"'25 5' is not a valid integer value.", L"255"},
        {L"Edit63", L"9,99", L"'9,99' is not a valid floating point value.", L"9999999.99"},
        {L"Edit65", L"x", L"'x' is not a valid floating point value.", L"0"},
        {L"Edit16", L"12a", L"'12a' is not a valid integer value.", L"1"},
        {L"sq", L"s0", L"'s0' is not a valid integer value.", L"0"},
        {L"ComboBox1", L"COM3", L"'COM3' is not a valid integer value.", L"3"},
    };
    for (const auto& c : cases)
        SetText(c.box, c.bad);
    for (const auto& c : cases) {
        SCOPED_TRACE(U8(c.box));
        boxes_.Clear();
        Press(L"Button18");
        ExpectConversionError(c.error);
        EXPECT_TRUE(Calls().empty());
        EXPECT_EQ(Status(), L"");
        SetText(c.box, c.good);
    }
    boxes_.Clear();
    Press(L"Button18");
    EXPECT_EQ(Calls(), (Calls_{"addje(3, \"01\", 4, 0)", kDefaultRecord}));
    EXPECT_EQ(U8(Status()), "写信息成功！");
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(WriteCard, CardNumberAlone) {
    fake_.ReplyTruth("writekh", true);
    SetText(L"Edit16", L"456");
    SetText(L"sq", L"1");
    Press(L"Button9");
    EXPECT_EQ(U8(Status()), "写卡号成功！");
    Press(L"Button9");
    EXPECT_EQ(U8(Status()), "写卡号失败！");
    EXPECT_EQ(Calls(),
              (Calls_{"writekh(3, \"01\", \"05\", 456)", "writekh(3, \"01\", \"05\", 456)"}));

    SetText(L"Edit16", L"");
    Press(L"Button9");
    ExpectPlainMessage(L"请输入卡号！");
    boxes_.Clear();
    SetText(L"Edit16", L"4 5");
    Press(L"Button9");
    ExpectConversionError(L"'4 5' is not a valid integer value.");
    EXPECT_EQ(Calls().size(), 2u);
}

// Enter in a period's limit box or in its consumed-count box rewrites byte 10+n of block 02
// with the limit box's value; the sector plays no part.
TEST_F(WriteCard, PeriodLimitChangedInPlace) {
    const std::string block = "00112233445566778899AABBCCDDEEFF";
    const struct {
        const wchar_t* box;
        const wchar_t* limitBox;
        const char* written;
    } cases[] = {
        {L"Edit9", L"Edit24", "00112233445566778899AA0ACCDDEEFF"},
        {L"Edit24", L"Edit24", "00112233445566778899AA0ACCDDEEFF"},
        {L"Edit10", L"Edit25", "00112233445566778899AABB0ADDEEFF"},
        {L"Edit25", L"Edit25", "00112233445566778899AABB0ADDEEFF"},
        {L"Edit77", L"Edit26", "00112233445566778899AABBCC0AEEFF"},
        {L"Edit26", L"Edit26", "00112233445566778899AABBCC0AEEFF"},
        {L"Edit78", L"Edit27", "00112233445566778899AABBCCDD0AFF"},
        {L"Edit27", L"Edit27", "00112233445566778899AABBCCDD0AFF"},
    };
    SetText(L"sq", L"3");
    fake_.StandingText("newreadcard", block);
    fake_.StandingTruth("newwritecard", true);
    for (const auto& c : cases) {
        SCOPED_TRACE(U8(c.box));
        fake_.ClearCalls();
        SetStatus(L"");
        Type(c.box, L'1');
        Type(c.box, L'\t');
        EXPECT_TRUE(Calls().empty());
        SetText(c.limitBox, L"10");
        Enter(c.box);
        EXPECT_EQ(Calls(), (Calls_{"newreadcard(3, \"01\", \"02\", 1)",
                                   std::string("newwritecard(3, \"01\", \"02\", 1, \"") +
                                       c.written + "\")"}));
        EXPECT_EQ(U8(Status()), "写卡成功！");
        SetText(c.limitBox, L"255");
    }
    // A refused write reports nothing.
    fake_.StandingTruth("newwritecard", false);
    SetStatus(L"之前");
    Enter(L"Edit24");
    EXPECT_EQ(U8(Status()), "之前");
    EXPECT_TRUE(boxes_.Shown().empty());
}

// Only whole 32-digit blocks are written: a failed read or a limit that does not fit its byte
// writes nothing and shows the failure. A limit that is not a number is the conversion error,
// after the read.
TEST_F(WriteCard, PeriodLimitThatCannotBeWritten) {
    fake_.StandingTruth("newwritecard", true);
    Enter(L"Edit24");
    EXPECT_EQ(Calls(), (Calls_{"newreadcard(3, \"01\", \"02\", 1)"}));
    EXPECT_EQ(U8(Status()), "写卡失败！");

    fake_.StandingText("newreadcard", "00112233445566778899AABBCCDDEEFF");
    for (const wchar_t* limit : {L"256", L"-1", L"4096"}) {
        fake_.ClearCalls();
        SetStatus(L"");
        SetText(L"Edit25", limit);
        Enter(L"Edit10");
        EXPECT_TRUE(fake_.CallsTo("newwritecard").empty()) << U8(limit);
        EXPECT_EQ(U8(Status()), "写卡失败！");
    }
    fake_.ClearCalls();
    SetText(L"Edit26", L"ten");
    Enter(L"Edit77");
    ExpectConversionError(L"'ten' is not a valid integer value.");
    EXPECT_EQ(Calls(), (Calls_{"newreadcard(3, \"01\", \"02\", 1)"}));
}

TEST_F(WriteCard, RawBlockWriteAsTyped) {
    SetText(L"ComboBox2", L"05");
    SetText(L"Edit3", L"0123456789ABCDEF0123456789ABCDEF");
    fake_.ReplyTruth("newwritecard", true);
    Click(L"Button4");
    ExpectInformation(L"写卡成功！");
    boxes_.Clear();
    SetText(L"Edit3", L"");
    Click(L"Button4");
    ExpectInformation(L"写卡失败！");
    EXPECT_EQ(Calls(),
              (Calls_{"newwritecard(3, \"01\", \"05\", 1, \"0123456789ABCDEF0123456789ABCDEF\")",
                      "newwritecard(3, \"01\", \"05\", 1, null)"}));
}

} // namespace
