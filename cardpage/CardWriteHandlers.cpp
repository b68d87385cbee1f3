// Card-reader page: writing a card. The full card issue (写全部信息), the card number alone
// (写卡号), one period limit changed in place (Enter in a limit box) and one raw block.

#include "app/Form1.h"
#include "cardpage/CardLayout.h"
#include "cardpage/ReaderLink.h"
#include "devlib/CardTypes.h"
#include "devlib/GbkText.h"
#include "devlib/TerminalLibrary.h"
#include "framework/DateTime.h"

using namespace cardpage;

namespace {

constexpr char kFlags[] = "0000";
constexpr wchar_t kEnter = 13;

// Period n's limit box, whichever box of the period the Enter was pressed in.
const wchar_t* const kLimitBoxes[] = {L"Edit24", L"Edit25", L"Edit26", L"Edit27"};

// Rewrites the limit of one period in block 02. The block is read back first and only the
// limit's byte changes. A block that could not be read, or a limit that does not fit its byte,
// writes nothing: a shorter or longer block text would land shifted on the card. The operator
// sees "写卡失败！" then instead of a silent status bar.
void ChangePeriodLimit(TForm1& form, int period) {
    const std::string block = CopyReply(
        Library().newreadcard(ReaderPort(form), form.ReaderCode().c_str(), kLimitChangeBlock, 1));
    const std::int32_t limit = IntegerBox(form, kLimitBoxes[period - 1]);
    const std::optional<std::string> changed = LimitChangeBlock(block, period, limit);
    if (!changed) {
        ReportCardStatus(form, L"写卡失败！");
        return;
    }
    if (Library().newwritecard(ReaderPort(form), form.ReaderCode().c_str(), kLimitChangeBlock, 1,
                               changed->c_str()))
        ReportCardStatus(form, L"写卡成功！");
}

TextArg TypeCodeArg(const std::wstring& letter) {
    const std::optional<std::string> code = CardTypeCode(letter);
    return code ? TextArg::Bytes(*code) : TextArg::Null();
}

} // namespace

void TForm1::xxx(TObject*) {
    if (BoxText(*this, L"Edit16").empty()) {
        ShowPlainMessage(L"请输入正确的卡号！");
        return;
    }
    const TextArg typeCode = TypeCodeArg(BoxText(*this, L"ComboBox8"));
    // YYMMDD straight from the picker's date, whatever the system's short date form.
    const TDateParts issue =
        DecodeDateTime(Control<TDateTimePicker>(L"DateTimePicker2")->DateTime());
    const std::string issueDate = IssueDateText(issue.year, issue.month, issue.day);
    // Every input is converted before the first call: a typing slip in any box must not leave
    // the opening amount on the card, or the corrected second press would credit it again.
    // The amount first, then the record's inputs last argument first, then sector and port.
    const wchar_t separator = DecimalSeparator();
    const std::int32_t amount = FenFromYuan(BoxText(*this, L"Edit17"), separator);
    const std::int32_t limit4 = IntegerBox(*this, L"Edit27");
    const std::int32_t limit3 = IntegerBox(*this, L"Edit26");
    const std::int32_t limit2 = IntegerBox(*this, L"Edit25");
    const std::int32_t limit1 = IntegerBox(*this, L"Edit24");
    const std::int64_t dailyLimit = CurrencyFromText(BoxText(*this, L"Edit63"), separator);
    const std::int64_t minimumBalance = CurrencyFromText(BoxText(*this, L"Edit65"), separator);
    const TextArg password(BoxText(*this, L"Edit72"));
    const TextArg name(BoxText(*this, L"Edit18"));
    const std::int32_t cardNumber = IntegerBox(*this, L"Edit16");
    const std::int32_t sector = CardSector(*this);
    const std::int32_t port = ReaderPort(*this);

    // The opening amount goes into the first personal purse block only.
    if (!Library().addje(port, ReaderCode().c_str(), PersonalPurse(sector).first, amount)) {
        ShowPlainMessage(L"写信息失败");
        return;
    }
    const std::string recordBlock = BlockText(CardRecordBlock(sector));
    const bool written =
        Library().tolvane(port, ReaderCode().c_str(), recordBlock.c_str(), cardNumber, name.get(),
                          password.get(), issueDate.c_str(), kFlags, minimumBalance, dailyLimit,
                          limit1, limit2, limit3, limit4, typeCode.get());
    ReportCardStatus(*this, written ? L"写信息成功！" : L"写信息失败！");
}

void TForm1::Button9Click(TObject*) {
    if (BoxText(*this, L"Edit16").empty()) {
        ShowPlainMessage(L"请输入卡号！");
        return;
    }
    const std::int32_t cardNumber = IntegerBox(*this, L"Edit16");
    const std::string block = BlockText(CardRecordBlock(CardSector(*this)));
    const bool written =
        Library().writekh(ReaderPort(*this), ReaderCode().c_str(), block.c_str(), cardNumber);
    ReportCardStatus(*this, written ? L"写卡号成功！" : L"写卡号失败！");
}

void TForm1::Edit24KeyPress(TObject*, wchar_t& Key) {
    if (Key == kEnter)
        ChangePeriodLimit(*this, 1);
}

void TForm1::Edit25KeyPress(TObject*, wchar_t& Key) {
    if (Key == kEnter)
        ChangePeriodLimit(*this, 2);
}

void TForm1::Edit26KeyPress(TObject*, wchar_t& Key) {
    if (Key == kEnter)
        ChangePeriodLimit(*this, 3);
}

void TForm1::Edit27KeyPress(TObject*, wchar_t& Key) {
    if (Key == kEnter)
        ChangePeriodLimit(*this, 4);
}

void TForm1::Button4Click(TObject*) {
    const TextArg hex(BoxText(*this, L"Edit3"));
    const TextArg block(BoxText(*this, L"ComboBox2"));
    const bool written =
        Library().newwritecard(ReaderPort(*this), ReaderCode().c_str(), block.get(), 1, hex.get());
    ShowInformation(written ? L"写卡成功！" : L"写卡失败！");
}
