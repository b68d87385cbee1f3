// Terminal pages: record download. `Button88` pulls the stored records of one terminal batch
// by batch from the first on, shows each as a numbered line in the result list and writes the
// same lines to a dated file in the folder "db" beside the program.

#include "app/Form1.h"
#include "devlib/TerminalLibrary.h"
#include "terminalpages/ListPainting.h"
#include "terminalpages/RecordFile.h"
#include "terminalpages/TerminalFormats.h"
#include "terminalpages/TerminalLink.h"

using namespace terminalpages;

namespace {

// Text of one system date or time format call, empty when the system gives none.
template <class Format> std::wstring FormattedNow(const Format& format) {
    wchar_t text[128] = {};
    return format(text, static_cast<int>(std::size(text))) > 0 ? std::wstring(text)
                                                               : std::wstring();
}

// "db\数据<short date>(hhmmss).txt" beside the program, from one reading of the clock so that
// date and time agree. The folder is made when missing; if that fails, creating the file
// reports it.
std::wstring NewRecordFilePath() {
    const std::wstring folder = ProgramFolder() + L"\\db";
    // CreateDirectoryW: fails harmlessly when the folder is there already.
    CreateDirectoryW(folder.c_str(), nullptr);
    SYSTEMTIME now;
    GetLocalTime(&now);
    // GetDateFormatW / GetTimeFormatW: the user's short date and long time formats.
    const std::wstring date = FormattedNow([&](wchar_t* out, int size) {
        return GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, out, size);
    });
    const std::wstring time = FormattedNow([&](wchar_t* out, int size) {
        return GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, nullptr, out, size);
    });
    return folder + L"\\" + DownloadFileName(date, time);
}

// One line into the list and the file.
void AddLine(TListBox& list, RecordFile& file, const std::string& gbk) {
    list.Items()->Add(WideFromGbk(gbk));
    file.WriteLine(gbk);
}

} // namespace

// The file is closed on every way out, with every line shown so far. A reply that is neither
// the end marker nor holds a whole record (no answer, or a broken one) ends the download with
// "通讯失败!" after the lines taken so far, in the list and in the file: asking again with the
// same start index would repeat without end, and a summary would claim a complete download.
// Closing the window during the download ends it too, after the record being shown.
void TForm1::Button88Click(TObject*) {
    RecordFile file(NewRecordFilePath());
    TListBox& list = ResultList(*this);
    list.Clear();
    const TerminalLink first = ReadLink(*this);
    const int stored = Library().getnum(first.port, first.baud, first.machine);
    if (stored == 0) {
        list.Items()->Add(L"无数据可供下载!");
        return;
    }
    if (stored == -1) {
        list.Items()->Add(L"通讯失败!");
        return;
    }
    // Selects the newest line now and then while records arrive, and at every way out.
    ListFollower follower(list);
    std::int64_t total = 0;
    std::int32_t start = 0;
    std::int32_t sequence = 0;
    while (start <= kDownloadIndexLimit) {
        const TerminalLink link = ReadLink(*this);
        const std::string reply =
            CopyReply(Library().downlssjrecd(link.port, link.baud, link.machine, start));
        switch (ClassifyDownloadReply(reply)) {
        case DownloadReply::End:
            AddLine(list, file, DownloadSummaryLine(total));
            return;
        case DownloadReply::Failed:
        case DownloadReply::Stalled:
            AddLine(list, file, GbkFromWide(L"通讯失败!"));
            return;
        case DownloadReply::Records:
            break;
        }
        const std::vector<std::string_view> records = SplitRecords(reply);
        for (std::string_view record : records) {
            AddLine(list, file, RecordLine(record, ++sequence));
            follower.LineAdded();
            Application->ProcessMessages();
            // The window was closed meanwhile, or the program is ending: the download ends
            // here with the lines taken so far in the file, and nothing makes the list's
            // window again.
            if (Application->Terminated() || !HandleAllocated())
                return;
        }
        const auto taken = static_cast<std::int32_t>(records.size());
        total += taken;
        start += taken;
    }
    AddLine(list, file, DownloadSummaryLine(total));
}
