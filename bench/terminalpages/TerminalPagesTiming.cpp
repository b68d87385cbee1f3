// Times the record download and the live-monitoring poll of the terminal pages against the
// emulator library, with 80,000 records stored on the first terminal: the whole download into
// the result list and the record file, the library's share of it, and single polls. Prints
// milliseconds. Usage: terminalpages_timing [records] [polls] [page index, 1 = the list shown]

#include "app/Form1.h"
#include "devlib/GbkText.h"
#include "devlib/TerminalLibrary.h"
#include "emulator/Installation.h"
#include "emulator/LocalTime.h"
#include "emulator/StateFile.h"
#include "emulator/TransactionGenerator.h"
#include "skin/SkinClasses.h"
#include "terminalpages/ListPainting.h"
#include "terminalpages/TerminalFormats.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::filesystem::path ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

std::set<std::filesystem::path> RecordFiles() {
    std::set<std::filesystem::path> files;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(ProgramFolder() / "db", ignored))
        files.insert(entry.path());
    return files;
}

// A state file whose first terminal holds `count` records.
void WriteState(const std::filesystem::path& path, int count) {
    const std::int64_t now = emulator::LocalNowSeconds();
    emulator::DeviceState state = emulator::NewInstallation(now);
    emulator::Terminal& first = state.terminals.at(0);
    first.capacity = static_cast<std::size_t>(count) + 1000;
    first.records.clear();
    for (int i = 0; i < count; ++i)
        first.AddRecord(emulator::SampleTransaction(static_cast<std::uint64_t>(i)),
                        now - count + i);
    emulator::StateFile(path).Save(state);
}

// Every batch call of the download, timed: when it was asked for (start index) and how long the
// library took. The rest of the time between two calls is the program's per-record path.
struct BatchCall {
    int start = 0;
    Clock::time_point at;
    Clock::duration library{};
};
std::vector<BatchCall> g_calls;

const char* __stdcall TimedDownload(int port, int baud, int machine, int start) {
    const auto before = Clock::now();
    const char* reply = ImportedLibrary().downlssjrecd(port, baud, machine, start);
    g_calls.push_back({start, before, Clock::now() - before});
    return reply;
}

// Microseconds per record beyond the library's own time, for the records whose batches start
// in [from, to).
double ProgramMicrosecondsPerRecord(int from, int to) {
    const BatchCall* first = nullptr;
    const BatchCall* last = nullptr;
    Clock::duration library{};
    for (const BatchCall& call : g_calls) {
        if (call.start < from || call.start > to)
            continue;
        if (!first)
            first = &call;
        last = &call;
        if (call.start < to)
            library += call.library;
    }
    if (!first || first == last)
        return 0;
    const int records = last->start - first->start;
    return 1000.0 * Milliseconds(last->at - first->at - library) / records;
}

// The steps of the download's per-record path, each alone over `count` lines into the shown
// result list, in microseconds per line: where the time beyond the library goes.
void PrintPerRecordSteps(TForm1& form, int count) {
    TListBox& list = *form.Control<TListBox>(L"ListBox1");
    const std::string record = "0010002048202512080808250000350000873860000010041";
    auto perLine = [count](Clock::time_point since) {
        return 1000.0 * Milliseconds(Clock::now() - since) / count;
    };
    std::printf("steps of one record, alone, over %d lines (us per line):\n", count);

    auto start = Clock::now();
    std::size_t sink = 0;
    for (int i = 0; i < count; ++i)
        sink += WideFromGbk(RecordLine(record, i + 1)).size();
    std::printf("  record line and its conversion: %.2f\n", perLine(start));

    list.Clear();
    {
        terminalpages::ListPaintPause pause(list);
        start = Clock::now();
        for (int i = 0; i < count; ++i)
            list.Items()->Add(L"0010002048202512080808250000350000873860000010041   00001");
        std::printf("  list line added, painting held: %.2f\n", perLine(start));
        start = Clock::now();
        for (int i = 0; i < count; ++i)
            terminalpages::SelectLastLine(list);
        std::printf("  last line selected, painting held: %.2f\n", perLine(start));
    }
    Pump();
    start = Clock::now();
    {
        terminalpages::ListFollower follower(list);
        for (int i = 0; i < count; ++i)
            follower.LineAdded();
    }
    std::printf("  newest line followed (list of %d lines): %.2f\n", count, perLine(start));
    Pump();
    start = Clock::now();
    for (int i = 0; i < count; ++i)
        Application->ProcessMessages();
    std::printf("  messages processed, none waiting: %.2f\n", perLine(start));
    // What the list costs at each moment it is shown: painting released, the newest line
    // selected, the paint and everything else waiting handled.
    constexpr int kMoments = 40;
    start = Clock::now();
    for (int i = 0; i < kMoments; ++i) {
        {
            terminalpages::ListPaintPause pause(list);
            list.Items()->Add(L"0010002048202512080808250000350000873860000010041   00002");
        }
        terminalpages::SelectLastLine(list);
        Application->ProcessMessages();
    }
    std::printf("  one moment of showing the list (%d lines): %.2f ms\n", count,
                Milliseconds(Clock::now() - start) / kMoments);
    if (std::getenv("TIMING_QUEUE")) {
        std::map<unsigned, int> seen;
        for (int i = 0; i < count; ++i) {
            ++seen[LOWORD(GetQueueStatus(QS_ALLINPUT))];
            Application->ProcessMessages();
        }
        for (const auto& [bits, times] : seen)
            std::printf("    queue status %04x: %d times\n", bits, times);
    }
    // The two ways of finding the queue empty, taken in turns so that both see the same load.
    Clock::duration peeking{}, asking{};
    MSG msg;
    constexpr int kBlock = 2000; // long enough for the driver-event check to fall due
    for (int block = 0; block < count / kBlock; ++block) {
        start = Clock::now();
        for (int i = 0; i < kBlock; ++i)
            sink += static_cast<std::size_t>(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
        peeking += Clock::now() - start;
        start = Clock::now();
        for (int i = 0; i < kBlock; ++i)
            sink += GetQueueStatus(QS_ALLINPUT) & 0xFFFF;
        asking += Clock::now() - start;
    }
    std::printf("  empty queue found by PeekMessageW: %.2f, by GetQueueStatus: %.2f\n",
                1000.0 * Milliseconds(peeking) / count, 1000.0 * Milliseconds(asking) / count);
    start = Clock::now();
    for (int i = 0; i < count; ++i)
        sink += static_cast<std::size_t>(TWinControl::FromHandle(list.Handle()) != nullptr);
    std::printf("  control found from its window: %.3f\n", perLine(start));
    list.Clear();
    if (sink == 0)
        std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    const int records = argc > 1 ? std::max(1, std::atoi(argv[1])) : 80000;
    const int polls = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    const std::filesystem::path state =
        std::filesystem::temp_directory_path() /
        (L"terminalpages-timing-" + std::to_wstring(GetCurrentProcessId()) + L".state");
    WriteState(state, records);
    // Read by the library at its first call.
    SetEnvironmentVariableW(L"PROJECT2_STATE", state.c_str());

    TApplication application;
    application.Initialize();
    RegisterSkinClasses();
    auto form = std::make_unique<TForm1>(nullptr);
    form->Show();
    const int page = argc > 3 ? std::atoi(argv[3]) : 1;
    form->Control<TPageControl>(L"PageControl1")->SetActivePageIndex(page);
    UpdateWindow(form->Handle());
    Pump();

    // The library alone: every batch the download asks for, after one call that loads the state.
    Library().getnum(4, 19200, 1);
    auto start = Clock::now();
    int fetched = 0;
    for (int index = 0;; index += 10) {
        const std::string reply = Library().downlssjrecd(4, 19200, 1, index);
        if (reply == "85" || reply.empty())
            break;
        fetched += static_cast<int>(reply.size() / 49);
    }
    const double libraryOnly = Milliseconds(Clock::now() - start);

    const std::set<std::filesystem::path> before = RecordFiles();
    TerminalLibrary timed = ImportedLibrary();
    timed.downlssjrecd = &TimedDownload;
    g_calls.reserve(static_cast<std::size_t>(records) / 10 + 16);
    start = Clock::now();
    {
        ScopedLibrary scope(timed);
        form->Button88Click(nullptr);
    }
    const double download = Milliseconds(Clock::now() - start);
    const int lines = form->Control<TListBox>(L"ListBox1")->Items()->Count();
    std::uintmax_t fileSize = 0;
    for (const auto& file : RecordFiles()) {
        if (!before.count(file)) {
            fileSize = std::filesystem::file_size(file);
            std::filesystem::remove(file);
        }
    }
    Pump();

    // Live-monitoring polls: each takes the next untaken records and reports them taken, with
    // the terminal holding all its records.
    form->Control<TListBox>(L"ListBox1")->Clear();
    std::vector<double> ticks;
    for (int i = 0; i < polls; ++i) {
        start = Clock::now();
        form->Timer1Timer(nullptr);
        ticks.push_back(Milliseconds(Clock::now() - start));
        Pump();
    }
    std::sort(ticks.begin(), ticks.end());
    const int monitorLines = form->Control<TListBox>(L"ListBox1")->Items()->Count();

    std::printf("records stored: %d\n", records);
    std::printf("library alone, %d records in batches of 10: %.1f ms (%.1f us per record)\n",
                fetched, libraryOnly, 1000.0 * libraryOnly / std::max(1, fetched));
    std::printf("download into list and file: %.1f ms for %d lines, %ju bytes of file "
                "(%.1f us per record, %.1f us beyond the library)\n",
                download, lines, fileSize, 1000.0 * download / std::max(1, lines - 1),
                1000.0 * (download - libraryOnly) / std::max(1, lines - 1));
    Clock::duration libraryInDownload{};
    for (const BatchCall& call : g_calls)
        libraryInDownload += call.library;
    std::printf("library's share of the download: %.1f ms in %zu calls\n",
                Milliseconds(libraryInDownload), g_calls.size());
    std::printf("whole download / library alone: %.2f\n", download / libraryOnly);
    if (std::getenv("TIMING_BLOCKS")) {
        for (int from = 0; from < records; from += 10000)
            std::printf("  records %d-%d: %.1f us per record beyond the library\n", from,
                        from + 10000, ProgramMicrosecondsPerRecord(from, from + 10000));
    }
    for (int lines : {1000, 20000, 80000}) {
        if (lines > records)
            break;
        const int from = std::max(0, lines - 1000);
        std::printf("per record beyond the library at %d lines: %.1f us\n", lines,
                    ProgramMicrosecondsPerRecord(from, from + 1000));
    }
    std::printf("monitoring poll (10 new records, 10 ms pause included): median %.2f ms, "
                "min %.2f ms, max %.2f ms over %d polls, %d lines\n",
                ticks[ticks.size() / 2], ticks.front(), ticks.back(), polls, monitorLines);

    if (std::getenv("TIMING_STEPS"))
        PrintPerRecordSteps(*form, 20000);

    form.reset();
    Pump();
    std::error_code ignored;
    std::filesystem::remove(state, ignored);
    return 0;
}
