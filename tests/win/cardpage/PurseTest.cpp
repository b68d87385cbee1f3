// Purse and counter operations against the recording fake.

#include "tests/win/cardpage/CardPageFixture.h"

namespace {

using Calls_ = std::vector<std::string>;

class Purses : public CardPageTest {};

struct PurseCase {
    const wchar_t* button;
    const wchar_t* amountBox; // null for clearing
    const char* call;         // name and blocks on sector 1
    int first;
    int second;
    const char* success;
    const char* failure;
};

// Sector 1 throughout: personal purse 8/9, subsidy purse 12/13.
const PurseCase kCases[] = {
    {L"Button10", L"Edit17", "addje", 8, 9, "加款成功！", "加款失败！"},
    {L"Button69", L"Edit103", "jk", 8, 9, "减款成功！", "减款失败！"},
    {L"Button17", L"Edit19", "addje", 12, 13, "加款成功！", "加款失败！"},
    {L"Button89", L"Edit103", "jk", 12, 13, "补贴减款成功！", "补贴减款失败！"},
    {L"Button13", nullptr, "money", 8, 9, "个人余额清零成功！", "个人余额清零失败！"},
    {L"Button14", nullptr, "money", 12, 13, "个人余额清零成功！", "个人余额清零失败！"},
};

std::string PurseCall(const PurseCase& c, int block) {
    return std::string(c.call) + "(3, \"01\", " + std::to_string(block) +
           (c.amountBox ? ", 1250)" : ")");
}

// Both blocks of the purse, first block first; a refused first call leaves the second alone, a
// refused second call is reported although the first block changed.
TEST_F(Purses, BothBlocksOrTheFailureText) {
    SetText(L"sq", L"1");
    for (const PurseCase& c : kCases) {
        SCOPED_TRACE(U8(c.button));
        for (const wchar_t* box : {L"Edit17", L"Edit19", L"Edit103", L"Edit104"})
            SetText(box, L"9");
        if (c.amountBox)
            SetText(c.amountBox, L"12.5");
        for (int refused = 0; refused <= 2; ++refused) {
            fake_.ClearCalls();
            SetStatus(L"");
            fake_.ReplyTruth(c.call, refused != 1);
            if (refused != 1)
                fake_.ReplyTruth(c.call, refused != 2);
            Press(c.button);
            Calls_ expected{PurseCall(c, c.first)};
            if (refused != 1)
                expected.push_back(PurseCall(c, c.second));
            EXPECT_EQ(Calls(), expected) << refused;
            EXPECT_EQ(U8(Status()), refused == 0 ? c.success : c.failure) << refused;
        }
    }
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(Purses, SectorZeroWholeYuan) {
    fake_.StandingTruth("addje", true);
    SetText(L"Edit17", L"7");
    SetText(L"Edit19", L"3");
    Press(L"Button17");
    Press(L"Button10");
    EXPECT_EQ(Calls(), (Calls_{"addje(3, \"01\", 8, 300)", "addje(3, \"01\", 9, 300)",
                               "addje(3, \"01\", 4, 700)", "addje(3, \"01\", 5, 700)"}));
}

TEST_F(Purses, AmountsThatAreNotMoney) {
    SetText(L"Edit17", L"");
    Press(L"Button10");
    ExpectPlainMessage(L"请输入金额!");
    boxes_.Clear();
    SetText(L"Edit103", L"0.001");
    Press(L"Button89");
    ExpectConversionError(L"'0.1' is not a valid integer value.");
    boxes_.Clear();
    // The amount is converted before the sector.
    SetText(L"Edit19", L"abc");
    SetText(L"sq", L"s");
    Press(L"Button17");
    ExpectConversionError(L"'abc' is not a valid floating point value.");
    boxes_.Clear();
    Press(L"Button14");
    ExpectConversionError(L"'s' is not a valid integer value.");
    EXPECT_TRUE(Calls().empty());
}

TEST_F(Purses, ReadWaterCount) {
    fake_.ReplyText("newreadcard", "0123456789ABCDEF0123456789012C00");
    Press(L"Button70");
    EXPECT_EQ(TextOf(L"Edit107"), L"300");
    Press(L"Button70");
    EXPECT_EQ(TextOf(L"Edit107"), L"0");
    EXPECT_EQ(Calls(),
              (Calls_{"newreadcard(3, \"01\", \"14\", 1)", "newreadcard(3, \"01\", \"14\", 1)"}));
    EXPECT_TRUE(boxes_.Shown().empty());
    EXPECT_EQ(Status(), L"");
}

TEST_F(Purses, ChangeWaterCount) {
    const std::string block = "0123456789ABCDEF0123456789000A77";
    fake_.StandingText("newreadcard", block);
    fake_.ReplyTruth("newwritecard", true);
    SetText(L"Edit108", L"5");
    Press(L"Button71");
    ExpectInformation(L"写卡成功！");
    EXPECT_EQ(Calls(),
              (Calls_{"newreadcard(3, \"01\", \"14\", 1)",
                      "newwritecard(3, \"01\", \"14\", 1, \"0123456789ABCDEF0123456789000F00\")"}));
    boxes_.Clear();
    fake_.ClearCalls();
    SetText(L"Edit108", L"-10");
    Press(L"Button71");
    ExpectInformation(L"写卡失败！");
    EXPECT_EQ(fake_.CallsTo("newwritecard"),
              (Calls_{"newwritecard(3, \"01\", \"14\", 1, \"0123456789ABCDEF0123456789000000\")"}));
}

// A count that leaves 0-65535, or a block that could not be read, writes nothing and is
// reported as a failed write; a change that is not a number is the conversion error after
// the read.
TEST_F(Purses, WaterCountThatCannotBeWritten) {
    fake_.StandingTruth("newwritecard", true);
    SetText(L"Edit108", L"1");
    Press(L"Button71");
    ExpectInformation(L"写卡失败！");
    fake_.StandingText("newreadcard", "0123456789ABCDEF0123456789000A77");
    for (const wchar_t* change : {L"-11", L"65526", L"2147483647"}) {
        boxes_.Clear();
        SetText(L"Edit108", change);
        Press(L"Button71");
        ExpectInformation(L"写卡失败！");
    }
    EXPECT_TRUE(fake_.CallsTo("newwritecard").empty());
    boxes_.Clear();
    fake_.ClearCalls();
    SetText(L"Edit108", L"+-1");
    Press(L"Button71");
    ExpectConversionError(L"'+-1' is not a valid integer value.");
    EXPECT_EQ(Calls(), (Calls_{"newreadcard(3, \"01\", \"14\", 1)"}));
}

} // namespace
