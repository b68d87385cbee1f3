// Record download against the fake: batches, the end marker, the limit, the file beside the
// program, replies that would make the download go round without end, and what can run while
// the download processes its messages: a second download, a monitoring tick, closing the window.

#include "tests/win/terminalpages/TerminalPageFixture.h"

#include "devlib/GbkText.h"

namespace {

using Strings = std::vector<std::string>;
using Lines = std::vector<std::wstring>;

std::string FileLine(int n, const char* number) {
    return Record(n) + "   " + number + "\r\n";
}
std::string Summary(int total) {
    return GbkFromWide(L"共下载" + std::to_wstring(total) + L"条!") + "\r\n";
}

class Download : public TerminalPageTest {
protected:
    // The one file this test's download made.
    std::string TheFile() {
        const auto files = NewRecordFiles();
        EXPECT_EQ(files.size(), 1u);
        return files.empty() ? std::string() : ReadBytes(files[0]);
    }
};

TEST_F(Download, RecordsUpToTheEndMarkerGoToTheListAndTheFile) {
    Get<TListBox>(L"ListBox1")->Items()->Add(L"old line");
    fake_.ReplyInt("getnum", 3);
    fake_.ReplyText("downlssjrecd", Records(1, 3));
    fake_.ReplyText("downlssjrecd", "85");
    Press(L"Button88");
    EXPECT_EQ(Calls(), (Strings{"getnum(4, 19200, 1)", "downlssjrecd(4, 19200, 1, 0)",
                                "downlssjrecd(4, 19200, 1, 3)"}));
    EXPECT_EQ(ListItems(L"ListBox1"),
              (Lines{WideFromUtf8(Record(1) + "   00001"), WideFromUtf8(Record(2) + "   00002"),
                     WideFromUtf8(Record(3) + "   00003"), L"共下载3条!"}));
    EXPECT_EQ(Get<TListBox>(L"ListBox1")->ItemIndex(), 3);
    EXPECT_EQ(TheFile(),
              FileLine(1, "00001") + FileLine(2, "00002") + FileLine(3, "00003") + Summary(3));
    EXPECT_TRUE(boxes_.Shown().empty());
    EXPECT_EQ(StatusOf(L"sb1"), L"");
}

// Sets the user's short date and long time formats for the scope.
class DateTimeFormats {
public:
    DateTimeFormats(const wchar_t* shortDate, const wchar_t* longTime) {
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, date_, 80);
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, time_, 80);
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, shortDate);
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, longTime);
    }
    ~DateTimeFormats() {
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, date_);
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, time_);
    }

private:
    wchar_t date_[80] = {};
    wchar_t time_[80] = {};
};

std::wstring Two(int value) {
    wchar_t text[8];
    swprintf(text, 8, L"%02d", value);
    return text;
}

// The file's name is "数据", the short date, and the long time's hour, minute and second in
// brackets; a date format with "/" still gives a file in the folder, with "-" in its place.
TEST_F(Download, FileIsNamedFromTheDateAndTimeInTheFolderBesideTheProgram) {
    for (const wchar_t* format : {L"yyyy-M-d", L"yyyy/M/d"}) {
        SCOPED_TRACE(U8(format));
        const DateTimeFormats formats(format, L"HH:mm:ss");
        fake_.ReplyInt("getnum", 1);
        fake_.ReplyText("downlssjrecd", "85");
        SYSTEMTIME before, after;
        GetLocalTime(&before);
        Press(L"Button88");
        GetLocalTime(&after);
        const auto files = NewRecordFiles();
        ASSERT_EQ(files.size(), 1u);
        EXPECT_EQ(files[0].parent_path(), RecordFolder());
        const std::wstring name = files[0].filename().wstring();
        std::wstring expected;
        for (const SYSTEMTIME& t : {before, after}) {
            const std::wstring candidate = L"数据" + std::to_wstring(t.wYear) + L"-" +
                                           std::to_wstring(t.wMonth) + L"-" +
                                           std::to_wstring(t.wDay) + L"(" + Two(t.wHour) +
                                           Two(t.wMinute) + Two(t.wSecond) + L").txt";
            if (candidate == name)
                expected = candidate;
        }
        EXPECT_EQ(U8(name), U8(expected));
        EXPECT_EQ(ReadBytes(files[0]), Summary(0));
        std::filesystem::remove(files[0]);
    }
}

TEST_F(Download, NothingStoredOrNoAnswerLeavesAnEmptyFile) {
    fake_.ReplyInt("getnum", 0);
    Press(L"Button88");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{L"无数据可供下载!"});
    EXPECT_EQ(TheFile(), "");
    fake_.ReplyInt("getnum", -1);
    Press(L"Button88");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{L"通讯失败!"});
    EXPECT_EQ(Calls(), (Strings{"getnum(4, 19200, 1)", "getnum(4, 19200, 1)"}));
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(Download, StoredCountPlaysNoFurtherPart) {
    fake_.ReplyInt("getnum", 5);
    fake_.ReplyText("downlssjrecd", "85");
    Press(L"Button88");
    EXPECT_EQ(ListItems(L"ListBox1"), Lines{L"共下载0条!"});
    EXPECT_EQ(TheFile(), Summary(0));
}

// A reply that holds no whole record and is not the end marker would be asked for again with the
// same start index for ever; it ends the download as a communication failure, after the lines
// already taken, in the list and in the file.
TEST_F(Download, ReplyWithoutAWholeRecordEndsTheDownload) {
    for (const std::string& broken : {std::string(), std::string("8"), Record(9).substr(0, 48)}) {
        SCOPED_TRACE(broken.size());
        fake_.ClearCalls();
        fake_.ReplyInt("getnum", 9);
        fake_.ReplyText("downlssjrecd", Records(1, 2));
        fake_.ReplyText("downlssjrecd", broken);
        fake_.StandingText("downlssjrecd", broken);
        Press(L"Button88");
        EXPECT_EQ(fake_.CallsTo("downlssjrecd").size(), 2u);
        EXPECT_EQ(ListItems(L"ListBox1").back(), L"通讯失败!");
        EXPECT_EQ(ListItems(L"ListBox1").size(), 3u);
        const auto files = NewRecordFiles();
        ASSERT_FALSE(files.empty());
        EXPECT_EQ(ReadBytes(files.back()),
                  FileLine(1, "00001") + FileLine(2, "00002") + GbkFromWide(L"通讯失败!") + "\r\n");
        for (const auto& file : files)
            std::filesystem::remove(file);
    }
}

TEST_F(Download, StopsAfterTheBatchThatTakesTheStartIndexPast80000) {
    // 80000 records: the start index stands at the limit, so one more batch is asked for.
    fake_.ReplyInt("getnum", 1);
    fake_.ReplyText("downlssjrecd", Records(1, 80000));
    fake_.ReplyText("downlssjrecd", Record(80001));
    fake_.StandingText("downlssjrecd", Record(1));
    Press(L"Button88");
    EXPECT_EQ(fake_.CallsTo("downlssjrecd"),
              (Strings{"downlssjrecd(4, 19200, 1, 0)", "downlssjrecd(4, 19200, 1, 80000)"}));
    const Lines lines = ListItems(L"ListBox1");
    ASSERT_EQ(lines.size(), 80002u);
    EXPECT_EQ(lines[80000], WideFromUtf8(Record(80001) + "   80001"));
    EXPECT_EQ(lines[80001], L"共下载80001条!");
    const std::string file = TheFile();
    EXPECT_EQ(file.size(), 80001 * (49 + 3 + 5 + 2) + Summary(80001).size());
    EXPECT_EQ(file.substr(file.size() - Summary(80001).size()), Summary(80001));
}

TEST_F(Download, BadLinkBoxAtALaterBatchEndsWithTheLinesSoFarInTheFile) {
    fake_.ReplyInt("getnum", 4);
    fake_.ReplyText("downlssjrecd", Records(1, 2));
    fake_.OnCall = [&](const std::string& call) {
        if (call.rfind("downlssjrecd", 0) == 0)
            SetText(L"Edit30", L"COM4");
    };
    Press(L"Button88");
    fake_.OnCall = nullptr;
    ExpectConversionError(L"'COM4' is not a valid integer value");
    EXPECT_EQ(fake_.CallsTo("downlssjrecd").size(), 1u);
    EXPECT_EQ(ListItems(L"ListBox1").size(), 2u);
    EXPECT_EQ(TheFile(), FileLine(1, "00001") + FileLine(2, "00002"));
}

TEST_F(Download, BadLinkBoxBeforeAnyCallLeavesAnEmptyFile) {
    Get<TListBox>(L"ListBox1")->Items()->Add(L"old line");
    SetText(L"Edit31", L"one");
    Press(L"Button88");
    ExpectConversionError(L"'one' is not a valid integer value");
    EXPECT_TRUE(Calls().empty());
    EXPECT_TRUE(ListItems(L"ListBox1").empty());
    EXPECT_EQ(TheFile(), "");
}

// A click on the download button while a download processes its messages runs a whole second
// download before the first goes on; each writes its own file.
TEST_F(Download, SecondDownloadInsideTheFirstRunsToItsEnd) {
    fake_.StandingInt("getnum", 5);
    fake_.ReplyText("downlssjrecd", Records(1, 2)); // first download
    fake_.ReplyText("downlssjrecd", Record(7));     // second download
    fake_.ReplyText("downlssjrecd", "85");          // second download ends
    fake_.ReplyText("downlssjrecd", "85");          // first download ends
    bool posted = false;
    fake_.OnCall = [&](const std::string& call) {
        if (posted || call.rfind("downlssjrecd", 0) != 0)
            return;
        posted = true;
        // The second file gets its own name: wait for the next second of the clock.
        SYSTEMTIME now, later;
        GetLocalTime(&now);
        do {
            Sleep(20);
            GetLocalTime(&later);
        } while (later.wSecond == now.wSecond);
        PostButtonClick(Get<TButton>(L"Button88"));
    };
    Press(L"Button88");
    fake_.OnCall = nullptr;
    EXPECT_TRUE(boxes_.Shown().empty());
    EXPECT_EQ(fake_.CallsTo("downlssjrecd"),
              (Strings{"downlssjrecd(4, 19200, 1, 0)", "downlssjrecd(4, 19200, 1, 0)",
                       "downlssjrecd(4, 19200, 1, 1)", "downlssjrecd(4, 19200, 1, 2)"}));
    EXPECT_EQ(ListItems(L"ListBox1"), (Lines{WideFromUtf8(Record(7) + "   00001"), L"共下载1条!",
                                             WideFromUtf8(Record(2) + "   00002"), L"共下载2条!"}));
    const auto files = NewRecordFiles();
    ASSERT_EQ(files.size(), 2u);
    std::set<std::string> contents = {ReadBytes(files[0]), ReadBytes(files[1])};
    EXPECT_EQ(contents,
              (std::set<std::string>{FileLine(1, "00001") + FileLine(2, "00002") + Summary(2),
                                     FileLine(7, "00001") + Summary(1)}));
}

// Within the same second the second download would get the first one's file name: it cannot
// open the file the first one writes, reports the file error and leaves the list alone.
TEST_F(Download, SecondDownloadInTheSameSecondCannotTakeTheFirstOnesFile) {
    fake_.StandingInt("getnum", 5);
    fake_.ReplyText("downlssjrecd", Records(1, 2));
    fake_.ReplyText("downlssjrecd", "85");
    bool posted = false;
    SYSTEMTIME started{}, ended{};
    fake_.OnCall = [&](const std::string& call) {
        if (posted || call.rfind("downlssjrecd", 0) != 0)
            return;
        posted = true;
        PostButtonClick(Get<TButton>(L"Button88"));
    };
    // Start just after the clock turns to a new second, so both downloads fall within it.
    GetLocalTime(&started);
    do {
        Sleep(5);
        GetLocalTime(&ended);
    } while (ended.wSecond == started.wSecond);
    GetLocalTime(&started);
    Press(L"Button88");
    GetLocalTime(&ended);
    fake_.OnCall = nullptr;
    if (started.wSecond != ended.wSecond)
        GTEST_SKIP() << "the clock moved on to the next second during the download";
    ExpectErrorDisplay(L"File access denied");
    EXPECT_EQ(fake_.CallsTo("getnum").size(), 1u);
    EXPECT_EQ(ListItems(L"ListBox1"), (Lines{WideFromUtf8(Record(1) + "   00001"),
                                             WideFromUtf8(Record(2) + "   00002"), L"共下载2条!"}));
    EXPECT_EQ(TheFile(), FileLine(1, "00001") + FileLine(2, "00002") + Summary(2));
}

int g_batchesWhenHandled = -1;
int g_batchesAsked = 0;

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_APP)
        g_batchesWhenHandled = g_batchesAsked;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// A download of many batches: the list box itself (LB_GETCOUNT, LB_GETTEXT), the framework's
// Items and the file hold every line in order, and a message posted during a batch is handled
// before the next batch is asked for.
TEST_F(Download, LongDownloadKeepsEveryLineAndHandlesMessagesAsItGoes) {
    constexpr int kBatches = 300;
    constexpr int kBatch = 10;
    fake_.StandingInt("getnum", 5);
    for (int b = 0; b < kBatches; ++b)
        fake_.ReplyText("downlssjrecd", Records(b * kBatch + 1, kBatch));
    fake_.StandingText("downlssjrecd", "85");

    // A message-only window that notes how many batches had been asked for when it got its
    // message.
    g_batchesWhenHandled = -1;
    g_batchesAsked = 0;
    WNDCLASSW wc{};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"DownloadMessageProbe";
    RegisterClassW(&wc);
    const HWND probe = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                       nullptr, wc.hInstance, nullptr);
    ASSERT_NE(probe, nullptr);
    fake_.OnCall = [&](const std::string& call) {
        if (call.rfind("downlssjrecd(", 0) != 0)
            return;
        if (++g_batchesAsked == 150)
            PostMessageW(probe, WM_APP, 0, 0);
    };
    Press(L"Button88");
    fake_.OnCall = nullptr;
    DestroyWindow(probe);
    EXPECT_EQ(g_batchesWhenHandled, 150);

    constexpr int kRecords = kBatches * kBatch;
    Lines expected;
    std::string file;
    for (int n = 1; n <= kRecords; ++n) {
        char number[16];
        std::snprintf(number, sizeof number, "%.5d", n);
        expected.push_back(WideFromUtf8(Record(n) + "   " + number));
        file += FileLine(n, number);
    }
    expected.push_back(L"共下载" + std::to_wstring(kRecords) + L"条!");
    file += Summary(kRecords);
    EXPECT_EQ(ListItems(L"ListBox1"), expected);
    const HWND list = Get<TListBox>(L"ListBox1")->Handle();
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), static_cast<LRESULT>(expected.size()));
    Lines inListBox;
    for (int i = 0; i < static_cast<int>(expected.size()); ++i) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)), L'\0');
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        inListBox.push_back(text);
    }
    EXPECT_EQ(inListBox, expected);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), kRecords);
    EXPECT_EQ(TheFile(), file);
}

// Closing the window while a download processes its messages ends the download after the
// record being shown: the file is closed with the lines so far, and no window is made again.
TEST_F(Download, ClosingTheWindowEndsTheDownloadWithTheFileClosed) {
    fake_.StandingInt("getnum", 5);
    fake_.ReplyText("downlssjrecd", Records(1, 3));
    fake_.StandingText("downlssjrecd", "85");
    bool posted = false;
    fake_.OnCall = [&](const std::string& call) {
        if (posted || call.rfind("downlssjrecd(", 0) != 0)
            return;
        posted = true;
        PostMessageW(Form().Handle(), WM_CLOSE, 0, 0);
    };
    Press(L"Button88");
    fake_.OnCall = nullptr;
    EXPECT_FALSE(Form().HandleAllocated());
    EXPECT_FALSE(Get<TListBox>(L"ListBox1")->HandleAllocated());
    EXPECT_EQ(fake_.CallsTo("downlssjrecd").size(), 1u);
    EXPECT_EQ(ListItems(L"ListBox1"), (Lines{WideFromUtf8(Record(1) + "   00001")}));
    const auto files = NewRecordFiles();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(ReadBytes(files[0]), FileLine(1, "00001"));
    // CreateFileW without sharing: succeeds only when no handle of the file is left open.
    const HANDLE again = CreateFileW(files[0].c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(again, INVALID_HANDLE_VALUE);
    if (again != INVALID_HANDLE_VALUE)
        CloseHandle(again);
    EXPECT_TRUE(boxes_.Shown().empty());
}

// A monitoring tick that falls due during a download runs between two records: its lines go
// into the list between the download's, numbered by the monitor's own counter, and the file
// holds only the download's lines.
TEST_F(Download, MonitoringTickRunsBetweenTwoRecords) {
    fake_.ReplyTruth("opencom1", true);
    Press(L"Button41");
    ASSERT_TRUE(Get<TTimer>(L"Timer1")->Enabled());
    fake_.ReplyText("downlssjrecd1", Record(9));
    fake_.StandingText("downlssjrecd1", "85");
    fake_.StandingInt("getnum", 5);
    fake_.ReplyText("downlssjrecd", Records(1, 2));
    fake_.StandingText("downlssjrecd", "85");
    bool waited = false;
    fake_.OnCall = [&](const std::string& call) {
        if (waited || call.rfind("downlssjrecd(", 0) != 0)
            return;
        waited = true;
        Sleep(Get<TTimer>(L"Timer1")->Interval() + 100); // the tick is due at the first record
    };
    Press(L"Button88");
    fake_.OnCall = nullptr;
    Press(L"Button41");
    EXPECT_EQ(ListItems(L"ListBox1"),
              (Lines{WideFromUtf8(Record(1) + "   00001"), WideFromUtf8(Record(9) + "   00001"),
                     WideFromUtf8(Record(2) + "   00002"), L"共下载2条!"}));
    EXPECT_EQ(fake_.CallsTo("cleardbdata"), (Strings{"cleardbdata(4, 19200, 1, 1)"}));
    EXPECT_EQ(TheFile(), FileLine(1, "00001") + FileLine(2, "00002") + Summary(2));
    EXPECT_EQ(Get<TListBox>(L"ListBox1")->ItemIndex(), 3);
}

} // namespace
