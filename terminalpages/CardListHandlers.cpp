// Terminal pages: the card lists a terminal holds. The lost-card list (second page), the
// machine card restriction list (third page) and the card amount entries (hidden controls of
// the second page), one card number or one entry per library call.

#include "app/Form1.h"
#include "devlib/TerminalLibrary.h"
#include "terminalpages/TerminalFormats.h"
#include "terminalpages/TerminalLink.h"

using namespace terminalpages;

namespace {

// gskh, jgkh, gskh1, jgkh1 and clearczj take the link and a card number; the clear-all calls
// the link only.
using CardCall = gskh_fn;
using ListCall = clearallhmd_fn;

// Sends the card number of a box with a link-and-card call.
bool SendCard(const TForm1& form, CardCall call, const wchar_t* box) {
    const std::int32_t card = IntegerBox(form, box);
    const TerminalLink link = ReadLink(form);
    return call(link.port, link.baud, link.machine, card) != 0;
}

// Clearing a whole list takes the terminal about half a minute: the operator confirms first.
void ClearWholeList(const TForm1& form, ListCall call) {
    if (!ConfirmYesNo(L"操作此过程需要半分钟时间，当状态栏出现清除挂失卡成功或失败字样，在进行其他"
                      L"操作，是否继续操作？"))
        return;
    const TerminalLink link = ReadLink(form);
    if (call(link.port, link.baud, link.machine) != 0)
        ShowInformation(L"清除全部挂失卡成功！");
    else
        ShowWarning(L"清除全部挂失卡失败！");
}

// Sends the card amount entry the boxes hold: amount, card number, number and group converted
// in that order, then the link.
bool SendCardAmountEntry(const TForm1& form) {
    const std::int64_t amount = CurrencyFromText(BoxText(form, L"Edit112"), DecimalSeparator());
    const std::int32_t card = IntegerBox(form, L"Edit111");
    const std::int32_t number = IntegerBox(form, L"Edit114");
    const std::int32_t group = IntegerBox(form, L"Edit113");
    const TerminalLink link = ReadLink(form);
    return Library().downczj(link.port, link.baud, link.machine, group, number, card, amount) != 0;
}

// Moves the position in the group and number boxes on by one entry; the group box is read only
// when the number passes 99 and the group moves on.
void AdvanceCardAmountPosition(const TForm1& form) {
    const std::int32_t number = IntegerBox(form, L"Edit114");
    const bool nextGroup = NextCardAmountPosition({0, number}).group != 0;
    const std::int32_t group = nextGroup ? IntegerBox(form, L"Edit113") : 0;
    const CardAmountPosition next = NextCardAmountPosition({group, number});
    SetBoxText(form, L"Edit114", std::to_wstring(next.number));
    if (nextGroup)
        SetBoxText(form, L"Edit113", std::to_wstring(next.group));
}

} // namespace

void TForm1::Button30Click(TObject*) {
    const bool done = SendCard(*this, Library().gskh, L"Edit32");
    ReportSecondPage(*this, done ? L"挂失成功！" : L"挂失失败！");
}

void TForm1::Button31Click(TObject*) {
    const bool done = SendCard(*this, Library().jgkh, L"Edit33");
    ReportSecondPage(*this, done ? L"解挂成功！" : L"解挂失败！");
}

void TForm1::Button45Click(TObject*) {
    ClearWholeList(*this, Library().clearallhmd);
}

void TForm1::Button55Click(TObject*) {
    const bool done = SendCard(*this, Library().gskh1, L"Edit101");
    ReportThirdPage(*this, done ? L"挂失成功！" : L"挂失失败！");
}

void TForm1::Button60Click(TObject*) {
    const bool done = SendCard(*this, Library().jgkh1, L"Edit102");
    ReportThirdPage(*this, done ? L"解挂成功！" : L"解挂失败！");
}

void TForm1::Button61Click(TObject*) {
    ClearWholeList(*this, Library().clearallhmd1);
}

void TForm1::Button94Click(TObject*) {
    if (!SendCardAmountEntry(*this)) {
        ShowWarning(L"下传失败！");
        return;
    }
    ShowInformation(L"下传成功！");
    AdvanceCardAmountPosition(*this);
}

// Sends the card numbers from `Edit111` up to, not including, `Edit115`, moving the position on
// after each entry. The boxes always show the entry being sent, so after a failure they show
// the one that failed.
void TForm1::Button97Click(TObject*) {
    while (IntegerBox(*this, L"Edit115") > IntegerBox(*this, L"Edit111")) {
        if (!SendCardAmountEntry(*this)) {
            ShowWarning(L"下传失败！");
            return;
        }
        AdvanceCardAmountPosition(*this);
        SetBoxText(*this, L"Edit111", std::to_wstring(IntegerBox(*this, L"Edit111") + 1));
    }
    ShowInformation(L"下传全部成功！");
}

void TForm1::Button95Click(TObject*) {
    if (SendCard(*this, Library().clearczj, L"Edit111"))
        ShowInformation(L"清除成功！");
    else
        ShowWarning(L"清除失败！");
}

void TForm1::Button96Click(TObject*) {
    const TerminalLink link = ReadLink(*this);
    if (Library().clearallczj(link.port, link.baud, link.machine) != 0)
        ShowInformation(L"清除成功！");
    else
        ShowWarning(L"清除失败！");
}
