// Terminal pages: live monitoring. `Button41` opens the monitor port and starts polling the
// terminal every 200 ms (`Timer1`); every new record is shown with a running number and the
// terminal is told how many it has taken. The same button stops it.

#include "app/Form1.h"
#include "devlib/TerminalLibrary.h"
#include "terminalpages/ListPainting.h"
#include "terminalpages/TerminalFormats.h"
#include "terminalpages/TerminalLink.h"

using namespace terminalpages;

namespace {

constexpr const wchar_t* kStartCaption = L"实时监控";
constexpr const wchar_t* kStopCaption = L"停止监控";

// The port box goes into the port name exactly as typed: 4 gives COM4, 04 gives COM04.
TextArg MonitorPortName(const TForm1& form) {
    return TextArg(L"COM" + BoxText(form, L"Edit30"));
}

} // namespace

void TForm1::Button41Click(TObject*) {
    TButton* button = Control<TButton>(L"Button41");
    TTimer* timer = Control<TTimer>(L"Timer1");
    if (button->Caption() != kStartCaption) {
        timer->SetEnabled(false);
        button->SetCaption(kStartCaption);
        Library().closecom();
        return;
    }
    // The list and the numbering start afresh even when the port then fails to open.
    ResultList(*this).Clear();
    monitorSequence_ = 0;
    const std::int32_t baud = IntegerBox(*this, L"ComboBox3");
    const TextArg portName = MonitorPortName(*this);
    if (Library().opencom1(portName.get(), baud) == 0) {
        ShowPlainMessage(L"打开串口失败!");
        return;
    }
    timer->SetEnabled(true);
    button->SetCaption(kStopCaption);
}

// One poll. A quiet terminal ("85" or no answer) ends the tick at once. Errors of a tick, a bad
// link box included, are dropped: the next tick tries again.
void TForm1::Timer1Timer(TObject*) {
    try {
        const TerminalLink link = ReadLink(*this);
        const std::string reply =
            CopyReply(Library().downlssjrecd1(link.port, link.baud, link.machine));
        if (reply.empty() || IsEndMarker(reply))
            return;
        const std::vector<std::string_view> records = SplitRecords(reply);
        TListBox& list = ResultList(*this);
        {
            ListPaintPause pause(list);
            for (std::string_view record : records) {
                // The number widens past 99999 and wraps like a 32-bit integer, never overflows.
                monitorSequence_ =
                    static_cast<std::int32_t>(static_cast<std::uint32_t>(monitorSequence_) + 1u);
                list.Items()->Add(WideFromGbk(RecordLine(record, monitorSequence_)));
            }
            if (!records.empty()) {
                const TerminalLink again = ReadLink(*this);
                Library().cleardbdata(again.port, again.baud, again.machine,
                                      static_cast<int>(records.size()));
            }
            SelectLastLine(list);
        }
        Sleep(10);
    } catch (...) {
        // Dropped on purpose: a poll never interrupts the operator.
    }
}
