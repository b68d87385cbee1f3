// Card-reader page: reading a card. The card record and both purses (读卡), the personal purse
// alone (读余额), the consumption blocks (读已消费限额限次) and one raw block.

#include "app/Form1.h"
#include "cardpage/CardLayout.h"
#include "cardpage/ReaderLink.h"
#include "devlib/GbkText.h"
#include "devlib/TerminalLibrary.h"
#include "framework/DateTime.h"

using namespace cardpage;

namespace {

const wchar_t* const kPeriodLimitBoxes[] = {L"Edit20", L"Edit21", L"Edit22", L"Edit23"};
const wchar_t* const kConsumedCountBoxes[] = {L"Edit9", L"Edit10", L"Edit77", L"Edit78"};
const wchar_t* const kConsumedDateBoxes[] = {L"Edit80", L"Edit81", L"Edit82", L"Edit83"};

std::wstring Decimal(std::int32_t value) {
    return std::to_wstring(value);
}

} // namespace

void TForm1::Button8Click(TObject*) {
    const std::int32_t sector = CardSector(*this);
    const std::string block = BlockText(CardRecordBlock(sector));
    const std::string reply = CopyReply(Library().newreadcard(
        ReaderPort(*this), ReaderCode().c_str(), block.c_str(), kCardRecordBlockCount));
    if (reply.empty()) {
        ReportCardStatus(*this, L"读信息失败！");
        return;
    }
    const CardRecord record = DecodeCardRecord(reply);
    const wchar_t separator = DecimalSeparator();
    SetBoxText(*this, L"Edit62", YuanFromFen(record.minimumBalanceFen, separator));
    SetBoxText(*this, L"Edit64", YuanFromFen(record.dailyLimitFen, separator));
    // The date is taken from the card's digits directly, whatever the system date format; a
    // card that holds no real date (a blank card's zeros) is a card not yet issued, and the
    // rest of its record is shown all the same.
    if (record.validity) {
        Control<TDateTimePicker>(L"DateTimePicker1")
            ->SetDateTime(
                EncodeDate(record.validity->year, record.validity->month, record.validity->day));
    } else {
        ShowPlainMessage(L"新卡无信息!");
    }
    SetBoxText(*this, L"Edit12", CardStatusText(record.cardNumber));
    SetBoxText(*this, L"Edit11", CardNumberText(record.cardNumber));
    SetBoxText(*this, L"Edit15", WideFromGbk(record.name));
    for (std::size_t i = 0; i < record.periodLimits.size(); ++i)
        SetBoxText(*this, kPeriodLimitBoxes[i], Decimal(record.periodLimits[i]));
    if (record.typeLetter)
        SetBoxText(*this, L"Edit60", std::wstring(1, *record.typeLetter));

    const std::string personal = CopyReply(
        Library().newreadje(ReaderPort(*this), ReaderCode().c_str(), PersonalPurse(sector).first));
    if (personal.empty()) {
        ReportCardStatus(*this, L"读卡信息成功，读个人金额失败！");
        return;
    }
    SetBoxText(*this, L"Edit13", YuanFromFen(PurseValue(personal), separator));

    const std::string subsidy = CopyReply(
        Library().newreadje(ReaderPort(*this), ReaderCode().c_str(), SubsidyPurse(sector).first));
    if (subsidy.empty()) {
        ReportCardStatus(*this, L"读卡信息成功，读补贴金额失败！");
        return;
    }
    SetBoxText(*this, L"Edit14", YuanFromFen(PurseValue(subsidy), separator));
    ReportCardStatus(*this, L"读卡信息成功！");
}

void TForm1::Button27Click(TObject*) {
    const std::int32_t block = PersonalPurse(CardSector(*this)).first;
    const std::string personal =
        CopyReply(Library().newreadje(ReaderPort(*this), ReaderCode().c_str(), block));
    if (personal.empty()) {
        ReportCardStatus(*this, L"读卡信息成功，读个人金额失败！");
        return;
    }
    // Success leaves the status bar as it was.
    SetBoxText(*this, L"Edit13", YuanFromFen(PurseValue(personal), DecimalSeparator()));
}

void TForm1::Button6Click(TObject*) {
    const std::string reply = CopyReply(Library().newreadcard(
        ReaderPort(*this), ReaderCode().c_str(), kConsumptionFirstBlock, kConsumptionBlockCount));
    if (const std::optional<Consumption> consumption = DecodeConsumption(reply)) {
        for (std::size_t i = 0; i < consumption->periods.size(); ++i) {
            SetBoxText(*this, kConsumedCountBoxes[i], Decimal(consumption->periods[i].count));
            SetBoxText(*this, kConsumedDateBoxes[i], WideFromGbk(consumption->periods[i].date));
        }
        SetBoxText(*this, L"Edit79", YuanFromFen(consumption->dayAmountFen, DecimalSeparator()));
        SetBoxText(*this, L"Edit84", WideFromGbk(consumption->dayDate));
    }
    // A reply too short to decode still came from the card.
    ReportCardStatus(*this, reply.empty() ? L"读卡失败！" : L"读卡成功！");
}

void TForm1::Button3Click(TObject*) {
    const TextArg block(BoxText(*this, L"ComboBox2"));
    const std::string reply =
        CopyReply(Library().newreadcard(ReaderPort(*this), ReaderCode().c_str(), block.get(), 1));
    SetBoxText(*this, L"Edit2", WideFromGbk(reply));
}
