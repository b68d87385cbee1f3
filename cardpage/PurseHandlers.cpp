// Card-reader page: adding to, taking from and clearing the personal and subsidy purses. Each
// purse is two value blocks kept alike, so every change is made on both, first block first.

#include "app/Form1.h"
#include "cardpage/CardLayout.h"
#include "cardpage/ReaderLink.h"
#include "devlib/TerminalLibrary.h"

using namespace cardpage;

namespace {

enum class PurseCall { Add, Take, Clear };

struct PurseChange {
    PurseCall call;
    PurseBlocks (*blocks)(std::int32_t sector);
    const wchar_t* amountBox; // none for clearing
    const wchar_t* success;
    const wchar_t* failure;
};

bool CallOn(TForm1& form, PurseCall call, std::int32_t block, std::int32_t fen) {
    const int port = ReaderPort(form);
    const char* readerCode = form.ReaderCode().c_str();
    switch (call) {
    case PurseCall::Add:
        return Library().addje(port, readerCode, block, fen) != 0;
    case PurseCall::Take:
        return Library().jk(port, readerCode, block, fen) != 0;
    case PurseCall::Clear:
        return Library().money(port, readerCode, block) != 0;
    }
    return false;
}

// A refused second call leaves the first block changed: the failure text tells the operator
// the purse needs looking at.
void ChangePurse(TForm1& form, const PurseChange& change) {
    std::int32_t fen = 0;
    if (change.amountBox) {
        const std::wstring amount = BoxText(form, change.amountBox);
        if (amount.empty()) {
            ShowPlainMessage(L"请输入金额!");
            return;
        }
        fen = FenFromYuan(amount, DecimalSeparator());
    }
    // The sector box is read again for each block, as the port box is for each call.
    if (!CallOn(form, change.call, change.blocks(CardSector(form)).first, fen) ||
        !CallOn(form, change.call, change.blocks(CardSector(form)).second, fen)) {
        ReportCardStatus(form, change.failure);
        return;
    }
    ReportCardStatus(form, change.success);
}

} // namespace

void TForm1::Button10Click(TObject*) {
    ChangePurse(*this, {PurseCall::Add, PersonalPurse, L"Edit17", L"加款成功！", L"加款失败！"});
}

void TForm1::Button69Click(TObject*) {
    ChangePurse(*this, {PurseCall::Take, PersonalPurse, L"Edit103", L"减款成功！", L"减款失败！"});
}

void TForm1::Button17Click(TObject*) {
    ChangePurse(*this, {PurseCall::Add, SubsidyPurse, L"Edit19", L"加款成功！", L"加款失败！"});
}

// The subsidy subtraction takes its amount from the personal subtraction's box; its own box
// `Edit104` is hidden and not read.
void TForm1::Button89Click(TObject*) {
    ChangePurse(*this,
                {PurseCall::Take, SubsidyPurse, L"Edit103", L"补贴减款成功！", L"补贴减款失败！"});
}

void TForm1::Button13Click(TObject*) {
    ChangePurse(*this, {PurseCall::Clear, PersonalPurse, nullptr, L"个人余额清零成功！",
                        L"个人余额清零失败！"});
}

// Clearing the subsidy purse reports with the personal purse's texts, as operators know it.
void TForm1::Button14Click(TObject*) {
    ChangePurse(*this, {PurseCall::Clear, SubsidyPurse, nullptr, L"个人余额清零成功！",
                        L"个人余额清零失败！"});
}
