// The reader's password, set and read back, against the recording fake.

#include "tests/win/cardpage/CardPageFixture.h"

namespace {

using Calls_ = std::vector<std::string>;

class ReaderSettings : public CardPageTest {};

TEST_F(ReaderSettings, SetPasswordAsTyped) {
    fake_.ReplyTruth("downmmre", true);
    SetText(L"Edit1", L"abc 12");
    Click(L"Button1");
    ExpectInformation(L"设置读卡器密码成功！");
    boxes_.Clear();
    SetText(L"Edit1", L"");
    SetText(L"ComboBox1", L"9");
    Click(L"Button1");
    ExpectInformation(L"设置读卡器密码失败！");
    EXPECT_EQ(Calls(), (Calls_{"downmmre(3, \"01\", \"abc 12\")", "downmmre(9, \"01\", null)"}));
}

TEST_F(ReaderSettings, ReadPasswordShowsTheReplyUnchanged) {
    fake_.ReplyText("readmm", "\xC3\xDC\xC2\xEB"
                              "802715"); // GBK 密码 then digits
    Press(L"Button2");
    ExpectPlainMessage(L"密码802715");
    boxes_.Clear();
    Press(L"Button2");
    ExpectPlainMessage(L"");
    EXPECT_EQ(Calls(), (Calls_{"readmm(3)", "readmm(3)"}));
}

TEST_F(ReaderSettings, PortThatIsNotANumber) {
    SetText(L"ComboBox1", L"");
    Click(L"Button1");
    ExpectConversionError(L"'' is not a valid integer value.");
    boxes_.Clear();
    Press(L"Button2");
    ExpectConversionError(L"'' is not a valid integer value.");
    EXPECT_TRUE(Calls().empty());
}

} // namespace
