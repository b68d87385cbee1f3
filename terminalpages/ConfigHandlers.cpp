// Terminal pages: the settings written into a terminal. Each command works out its own value
// (or the code from its table) first, then reads the link, makes one library call and reports;
// "设置所有" sets the discount of all ten card types.

#include "app/Form1.h"
#include "devlib/CardTypes.h"
#include "devlib/TerminalLibrary.h"
#include "terminalpages/TerminalFormats.h"
#include "terminalpages/TerminalLink.h"

using namespace terminalpages;

namespace {

// setxfms, updateyy, downlogin, downloginxb, setsq and mmkg take the link and one text.
bool SendText(const TForm1& form, setxfms_fn call, const TextArg& text) {
    const TerminalLink link = ReadLink(form);
    return call(link.port, link.baud, link.machine, text.get()) != 0;
}

// setglk, downsjjg and downmaxje take the link and one integer.
bool SendInteger(const TForm1& form, setglk_fn call, std::int32_t value) {
    const TerminalLink link = ReadLink(form);
    return call(link.port, link.baud, link.machine, value) != 0;
}

bool SetDiscount(const TForm1& form, const TextArg& typeCode, std::int32_t perMille) {
    const TerminalLink link = ReadLink(form);
    return Library().setzk(link.port, link.baud, link.machine, typeCode.get(), perMille) != 0;
}

} // namespace

void TForm1::Button21Click(TObject*) {
    const bool done = SendInteger(*this, Library().setglk, IntegerBox(*this, L"Edit28"));
    ReportSecondPage(*this, done ? L"设置管理卡成功！" : L"设置管理卡失败！");
}

// The label states at most 255 minutes; the terminal decides what it accepts.
void TForm1::Button22Click(TObject*) {
    const bool done = SendInteger(*this, Library().downsjjg, IntegerBox(*this, L"Edit54"));
    ReportSecondPage(*this, done ? L"设置刷卡时间间隔成功！" : L"设置刷卡时间间隔失败！");
}

// The dish name goes as typed; the edit boxes' length limits are the only bounds.
void TForm1::Button32Click(TObject*) {
    const TextArg name(BoxText(*this, L"Edit37"));
    const std::int64_t amount = CurrencyFromText(BoxText(*this, L"Edit35"), DecimalSeparator());
    const std::int32_t menuNumber = IntegerBox(*this, L"Edit34");
    const TerminalLink link = ReadLink(*this);
    const bool done =
        Library().downcd(link.port, link.baud, link.machine, menuNumber, amount, name.get()) != 0;
    ReportSecondPage(*this, done ? L"设置菜单成功！" : L"设置菜单失败！");
}

void TForm1::Button44Click(TObject*) {
    const std::int32_t fen = FenFromYuan(BoxText(*this, L"Edit55"), DecimalSeparator());
    const bool done = SendInteger(*this, Library().downmaxje, fen);
    ReportSecondPage(*this, done ? L"设置每次最大消费金额成功！" : L"设置每次最大消费金额失败！");
}

void TForm1::Button46Click(TObject*) {
    const TextArg mode = CodeArg(ModeCode(BoxText(*this, L"ComboBox6")));
    const bool done = SendText(*this, Library().setxfms, mode);
    ReportThirdPage(*this, done ? L"设置工作模式成功！" : L"设置工作模式失败！");
}

void TForm1::Button48Click(TObject*) {
    const std::int32_t perMille = PerMilleFromText(BoxText(*this, L"Edit59"), DecimalSeparator());
    const TextArg typeCode = CodeArg(CardTypeCode(BoxText(*this, L"ComboBox7")));
    const bool done = SetDiscount(*this, typeCode, perMille);
    ReportThirdPage(*this, done ? L"设置折扣成功！" : L"设置折扣失败！");
}

// The rate is read once; the link is read again for every type. The first refused type ends
// the run, the types before it keep their new rate.
void TForm1::Button67Click(TObject*) {
    const std::int32_t perMille = PerMilleFromText(BoxText(*this, L"Edit59"), DecimalSeparator());
    for (std::string_view code : kCardTypeCodes) {
        if (!SetDiscount(*this, TextArg::Bytes(std::string(code)), perMille)) {
            ShowWarning(L"设置折扣失败！");
            return;
        }
    }
    ShowInformation(L"设置折扣全部成功！");
}

void TForm1::Button58Click(TObject*) {
    const bool done = SendText(*this, Library().downlogin, TextArg(BoxText(*this, L"Edit70")));
    ReportThirdPage(*this, done ? L"设置login名称成功！" : L"设置login名称失败！");
}

void TForm1::Button91Click(TObject*) {
    const bool done = SendText(*this, Library().downloginxb, TextArg(BoxText(*this, L"Edit70")));
    ReportThirdPage(*this, done ? L"设置login名称成功！" : L"设置login名称失败！");
}

void TForm1::Button57Click(TObject*) {
    const TextArg language = TextArg::Bytes(LanguageCode(BoxText(*this, L"ComboBox9")));
    const bool done = SendText(*this, Library().updateyy, language);
    ReportThirdPage(*this, done ? L"设置语言成功！" : L"设置语言失败！");
}

void TForm1::Button66Click(TObject*) {
    if (SendText(*this, Library().setsq, TextArg(BoxText(*this, L"ComboBox12"))))
        ShowInformation(L"设置成功！");
    else
        ShowWarning(L"设置失败！");
}

void TForm1::Button64Click(TObject*) {
    const TextArg code = TextArg::Bytes(PasswordFunctionCode(BoxText(*this, L"ComboBox11")));
    ShowInformation(SendText(*this, Library().mmkg, code) ? L"成功！" : L"失败！");
}

void TForm1::Button68Click(TObject*) {
    const TextArg newPassword(BoxText(*this, L"Edit58"));
    const TextArg oldPassword(BoxText(*this, L"Edit57"));
    const TerminalLink link = ReadLink(*this);
    const bool done = Library().downpassword(link.port, link.baud, link.machine, oldPassword.get(),
                                             newPassword.get()) != 0;
    ShowInformation(done ? L"成功！" : L"失败！");
}

// The hidden "提交九种卡类金额" button does nothing.
void TForm1::Button98Click(TObject*) {}
