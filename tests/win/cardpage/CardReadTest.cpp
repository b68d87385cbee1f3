// Reading a card against the recording fake: the calls, the boxes filled and the reports.

#include "tests/win/cardpage/CardPageFixture.h"

#include "framework/DateTime.h"

#include <cmath>

namespace {

using cardtext::Purse;
using cardtext::Record;

const std::string kIssued =
    Record("0007B", "090315", "D5C5C8FD00000000", "000001F4", "000F423F", "FF0A0001", "43");

class ReadCard : public CardPageTest {
protected:
    double ValidityShown() {
        return std::floor(Get<TDateTimePicker>(L"DateTimePicker1")->DateTime());
    }
};

TEST_F(ReadCard, IssuedCardFillsEveryBox) {
    fake_.ReplyText("newreadcard", kIssued);
    fake_.ReplyText("newreadje", Purse(10000));
    fake_.ReplyText("newreadje", Purse(1250));
    Click(L"Button8");
    EXPECT_EQ(Calls(),
              (std::vector<std::string>{"newreadcard(3, \"01\", \"01\", 2)",
                                        "newreadje(3, \"01\", 4)", "newreadje(3, \"01\", 8)"}));
    EXPECT_EQ(TextOf(L"Edit11"), L"000123");
    EXPECT_EQ(TextOf(L"Edit12"), L"正常");
    EXPECT_EQ(TextOf(L"Edit13"), L"100");
    EXPECT_EQ(TextOf(L"Edit14"), L"12.5");
    EXPECT_EQ(TextOf(L"Edit15"), L"张三");
    EXPECT_EQ(ValidityShown(), EncodeDate(2009, 3, 15));
    EXPECT_EQ(TextOf(L"Edit20"), L"255");
    EXPECT_EQ(TextOf(L"Edit21"), L"10");
    EXPECT_EQ(TextOf(L"Edit22"), L"0");
    EXPECT_EQ(TextOf(L"Edit23"), L"1");
    EXPECT_EQ(TextOf(L"Edit60"), L"C");
    EXPECT_EQ(TextOf(L"Edit62"), L"5");
    EXPECT_EQ(TextOf(L"Edit64"), L"9999.99");
    EXPECT_EQ(U8(Status()), "读卡信息成功！");
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(ReadCard, SectorAndPortChooseTheBlocks) {
    SetText(L"sq", L"1");
    SetText(L"ComboBox1", L"5");
    fake_.StandingText("newreadcard", kIssued);
    fake_.StandingText("newreadje", Purse(0));
    Click(L"Button8");
    EXPECT_EQ(Calls(),
              (std::vector<std::string>{"newreadcard(5, \"01\", \"05\", 2)",
                                        "newreadje(5, \"01\", 8)", "newreadje(5, \"01\", 12)"}));
    fake_.ClearCalls();
    SetText(L"sq", L"2");
    Click(L"Button8");
    EXPECT_EQ(Calls().front(), "newreadcard(5, \"01\", \"09\", 2)");
    EXPECT_EQ(Calls().back(), "newreadje(5, \"01\", 16)");
}

// A blank card holds zeros: no date, card number 0, no type. The date prompt comes up and the
// rest of the record is still shown; the type box keeps what it held.
TEST_F(ReadCard, BlankCard) {
    SetText(L"Edit60", L"B");
    const double shownBefore = ValidityShown();
    fake_.ReplyText("newreadcard", std::string(64, '0'));
    fake_.StandingText("newreadje", Purse(0));
    Click(L"Button8");
    ExpectPlainMessage(L"新卡无信息!");
    EXPECT_EQ(TextOf(L"Edit11"), L"000000");
    EXPECT_EQ(TextOf(L"Edit12"), L"注销");
    EXPECT_EQ(TextOf(L"Edit13"), L"0");
    EXPECT_EQ(TextOf(L"Edit14"), L"0");
    EXPECT_EQ(TextOf(L"Edit15"), L"");
    EXPECT_EQ(TextOf(L"Edit20"), L"0");
    EXPECT_EQ(TextOf(L"Edit62"), L"0");
    EXPECT_EQ(TextOf(L"Edit64"), L"0");
    EXPECT_EQ(TextOf(L"Edit60"), L"B");
    EXPECT_EQ(ValidityShown(), shownBefore);
    EXPECT_EQ(U8(Status()), "读卡信息成功！");
}

// The validity date is read from the card's decimal digits as 20YY-MM-DD; a date that cannot
// be (29 February of a common year) is no date, whatever the rest of the record says.
TEST_F(ReadCard, ValidityDateFromTheCardDigits) {
    fake_.StandingText("newreadje", Purse(0));
    fake_.ReplyText("newreadcard", Record("00001", "991231", std::string(16, '0'), "00000000",
                                          "00000000", "00000000", "4A"));
    Click(L"Button8");
    EXPECT_EQ(ValidityShown(), EncodeDate(2099, 12, 31));
    EXPECT_TRUE(boxes_.Shown().empty());
    EXPECT_EQ(TextOf(L"Edit60"), L"J");

    fake_.ReplyText("newreadcard", Record("00002", "230229", std::string(16, '0'), "00000000",
                                          "00000000", "00000000", "41"));
    Click(L"Button8");
    ExpectPlainMessage(L"新卡无信息!");
    EXPECT_EQ(ValidityShown(), EncodeDate(2099, 12, 31));
    EXPECT_EQ(TextOf(L"Edit11"), L"000002");
    EXPECT_EQ(TextOf(L"Edit60"), L"A");
}

// Each failed call stops the reading; what was filled before stays, the rest keeps its text.
TEST_F(ReadCard, FailuresStopWhereTheyHappen) {
    SetText(L"Edit11", L"old");
    SetText(L"Edit13", L"old");
    SetText(L"Edit14", L"old");
    Click(L"Button8");
    EXPECT_EQ(U8(Status()), "读信息失败！");
    EXPECT_EQ(Calls().size(), 1u);
    EXPECT_EQ(TextOf(L"Edit11"), L"old");

    fake_.ClearCalls();
    fake_.ReplyText("newreadcard", kIssued);
    Click(L"Button8");
    EXPECT_EQ(U8(Status()), "读卡信息成功，读个人金额失败！");
    EXPECT_EQ(Calls().size(), 2u);
    EXPECT_EQ(TextOf(L"Edit11"), L"000123");
    EXPECT_EQ(TextOf(L"Edit13"), L"old");

    fake_.ClearCalls();
    fake_.ReplyText("newreadcard", kIssued);
    fake_.ReplyText("newreadje", Purse(500));
    Click(L"Button8");
    EXPECT_EQ(U8(Status()), "读卡信息成功，读补贴金额失败！");
    EXPECT_EQ(Calls().size(), 3u);
    EXPECT_EQ(TextOf(L"Edit13"), L"5");
    EXPECT_EQ(TextOf(L"Edit14"), L"old");
}

// The sector is converted before the port (the block text is the later argument); either error
// stops the operation before any call and leaves the status bar alone.
TEST_F(ReadCard, LinkBoxesThatAreNotNumbers) {
    SetStatus(L"之前");
    SetText(L"sq", L"one");
    SetText(L"ComboBox1", L"COM3");
    Click(L"Button8");
    ExpectConversionError(L"'one' is not a valid integer value.");
    boxes_.Clear();
    SetText(L"sq", L"0");
    Click(L"Button8");
    ExpectConversionError(L"'COM3' is not a valid integer value.");
    boxes_.Clear();
    Click(L"Button27");
    ExpectConversionError(L"'COM3' is not a valid integer value.");
    boxes_.Clear();
    Click(L"Button3");
    ExpectConversionError(L"'COM3' is not a valid integer value.");
    EXPECT_TRUE(Calls().empty());
    EXPECT_EQ(U8(Status()), "之前");
}

TEST_F(ReadCard, ReadBalanceKeepsTheStatusOnSuccess) {
    SetStatus(L"之前");
    SetText(L"sq", L"1");
    fake_.ReplyText("newreadje", "10270000EFD8FFFF1027000004FB04FB");
    Click(L"Button27");
    EXPECT_EQ(Calls(), (std::vector<std::string>{"newreadje(3, \"01\", 8)"}));
    EXPECT_EQ(TextOf(L"Edit13"), L"100");
    EXPECT_EQ(U8(Status()), "之前");

    Click(L"Button27");
    EXPECT_EQ(TextOf(L"Edit13"), L"100");
    EXPECT_EQ(U8(Status()), "读卡信息成功，读个人金额失败！");
}

TEST_F(ReadCard, ConsumedLimitsFromTheFixedBlocks) {
    SetText(L"sq", L"2"); // plays no part
    const std::string blocks = "24050603"
                               "2405060A"
                               "000000FF"
                               "99999901" +
                               std::string(32, '0') + "000004D2" + "240507" + std::string(12, '0') +
                               "000A00";
    fake_.ReplyText("newreadcard", blocks);
    Press(L"Button6");
    EXPECT_EQ(Calls(), (std::vector<std::string>{"newreadcard(3, \"01\", \"12\", 3)"}));
    EXPECT_EQ(TextOf(L"Edit9"), L"3");
    EXPECT_EQ(TextOf(L"Edit10"), L"10");
    EXPECT_EQ(TextOf(L"Edit77"), L"255");
    EXPECT_EQ(TextOf(L"Edit78"), L"1");
    EXPECT_EQ(TextOf(L"Edit80"), L"24-05-06");
    EXPECT_EQ(TextOf(L"Edit82"), L"00-00-00");
    EXPECT_EQ(TextOf(L"Edit83"), L"99-99-99");
    EXPECT_EQ(TextOf(L"Edit79"), L"12.34");
    EXPECT_EQ(TextOf(L"Edit84"), L"24-05-07");
    EXPECT_EQ(U8(Status()), "读卡成功！");

    // Too short to decode: nothing changes, yet the card answered.
    SetText(L"Edit9", L"old");
    fake_.ReplyText("newreadcard", blocks.substr(0, 95));
    Press(L"Button6");
    EXPECT_EQ(TextOf(L"Edit9"), L"old");
    EXPECT_EQ(U8(Status()), "读卡成功！");
    Press(L"Button6");
    EXPECT_EQ(U8(Status()), "读卡失败！");
}

TEST_F(ReadCard, RawBlockAsTyped) {
    SetText(L"ComboBox2", L"07");
    fake_.ReplyText("newreadcard", "00112233445566778899AABBCCDDEEFF");
    Click(L"Button3");
    EXPECT_EQ(TextOf(L"Edit2"), L"00112233445566778899AABBCCDDEEFF");
    SetText(L"ComboBox2", L"");
    Click(L"Button3");
    EXPECT_EQ(TextOf(L"Edit2"), L"");
    EXPECT_EQ(Calls(), (std::vector<std::string>{"newreadcard(3, \"01\", \"07\", 1)",
                                                 "newreadcard(3, \"01\", null, 1)"}));
    EXPECT_TRUE(boxes_.Shown().empty());
}

} // namespace
