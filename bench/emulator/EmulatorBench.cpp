// What one library call costs the model, and a full record download of 80,000 records.

#include "emulator/Emulator.h"
#include "emulator/TransactionGenerator.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <random>

namespace {

using emulator::DeviceState;
using emulator::Emulator;
using emulator::EmulatorOptions;

constexpr std::int64_t kNow = 1714998645;

EmulatorOptions InMemory() {
    EmulatorOptions options;
    options.clock = [] { return kNow; };
    return options;
}

void ReadCardRecord(benchmark::State& state) {
    Emulator library(InMemory());
    for (auto _ : state)
        benchmark::DoNotOptimize(library.newreadcard(3, "01", "01", 2));
}
BENCHMARK(ReadCardRecord);

void ReadPurse(benchmark::State& state) {
    Emulator library(InMemory());
    for (auto _ : state)
        benchmark::DoNotOptimize(library.newreadje(3, "01", 4));
}
BENCHMARK(ReadPurse);

void AddToPurse(benchmark::State& state) {
    Emulator library(InMemory());
    for (auto _ : state) {
        benchmark::DoNotOptimize(library.addje(3, "01", 4, 1));
        benchmark::DoNotOptimize(library.jk(3, "01", 4, 1));
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(AddToPurse);

void IssueCard(benchmark::State& state) {
    Emulator library(InMemory());
    for (auto _ : state)
        benchmark::DoNotOptimize(library.tolvane(3, "01", "01", 123, "\xD5\xC5\xC8\xFD", "802715",
                                                 "270506", "0000", 0, 99999999900LL, 255, 255, 255,
                                                 255, "41"));
}
BENCHMARK(IssueCard);

void WriteRawBlock(benchmark::State& state) {
    Emulator library(InMemory());
    for (auto _ : state)
        benchmark::DoNotOptimize(
            library.newwritecard(3, "01", "13", 1, "00112233445566778899AABBCCDDEEFF"));
}
BENCHMARK(WriteRawBlock);

void TerminalClock(benchmark::State& state) {
    Emulator library(InMemory());
    for (auto _ : state)
        benchmark::DoNotOptimize(library.gettime(4, 19200, 1));
}
BENCHMARK(TerminalClock);

void RecordCount(benchmark::State& state) {
    Emulator library(InMemory());
    for (auto _ : state)
        benchmark::DoNotOptimize(library.getnum(4, 19200, 1));
}
BENCHMARK(RecordCount);

void RecordTotal(benchmark::State& state) {
    Emulator library(InMemory());
    for (auto _ : state)
        benchmark::DoNotOptimize(library.getje(4, 19200, 1));
}
BENCHMARK(RecordTotal);

void RecordBatch(benchmark::State& state) {
    Emulator library(InMemory());
    for (auto _ : state)
        benchmark::DoNotOptimize(library.downlssjrecd(4, 19200, 1, 0));
}
BENCHMARK(RecordBatch);

void MonitorPoll(benchmark::State& state) {
    Emulator library(InMemory());
    for (auto _ : state)
        benchmark::DoNotOptimize(library.downlssjrecd1(4, 19200, 1));
}
BENCHMARK(MonitorPoll);

void LostCard(benchmark::State& state) {
    Emulator library(InMemory());
    int card = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(library.gskh(4, 19200, 1, card++ & 0xFFFF));
}
BENCHMARK(LostCard);

void Discount(benchmark::State& state) {
    Emulator library(InMemory());
    for (auto _ : state)
        benchmark::DoNotOptimize(library.setzk(4, 19200, 1, "4A", 850));
}
BENCHMARK(Discount);

void SilentTerminal(benchmark::State& state) {
    Emulator library(InMemory());
    for (auto _ : state)
        benchmark::DoNotOptimize(library.getnum(4, 9600, 1));
}
BENCHMARK(SilentTerminal);

// The cost that a state file adds: a reading call checks the file, a changing call rewrites it.
class WithStateFile {
public:
    WithStateFile() {
        folder_ = std::filesystem::temp_directory_path() /
                  ("p2-bench-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder_);
    }
    ~WithStateFile() { std::filesystem::remove_all(folder_); }
    EmulatorOptions Options() const {
        EmulatorOptions options = InMemory();
        options.statePath = folder_ / "project2.state";
        return options;
    }

private:
    std::filesystem::path folder_;
};

void ReadPurseWithStateFile(benchmark::State& state) {
    WithStateFile file;
    Emulator library(file.Options());
    for (auto _ : state)
        benchmark::DoNotOptimize(library.newreadje(3, "01", 4));
}
BENCHMARK(ReadPurseWithStateFile);

void AddToPurseWithStateFile(benchmark::State& state) {
    WithStateFile file;
    Emulator library(file.Options());
    for (auto _ : state)
        benchmark::DoNotOptimize(library.addje(3, "01", 4, 1));
}
BENCHMARK(AddToPurseWithStateFile);

// A terminal holding 80,000 records, kept in a state file: the monitoring poll and a changing
// call. The clock moves 0.2 s per poll as the page's timer does, so that the generator stores
// a transaction every 15 polls; `pollsPerTransaction` 1 makes every poll store one.
class EightyThousandStored {
public:
    explicit EightyThousandStored(std::int64_t pollsPerTransaction = 15) {
        EmulatorOptions options = file_.Options();
        options.clock = [this, pollsPerTransaction] {
            return kNow + ticks_ * emulator::kTransactionInterval / pollsPerTransaction;
        };
        library_.emplace(options);
        library_->Change([](DeviceState& devices) {
            emulator::Terminal& terminal = devices.terminals[0];
            terminal.capacity = emulator::kMaxRecordCapacity;
            for (std::uint64_t i = 0; i < 80000; ++i)
                terminal.AddRecord(emulator::SampleTransaction(i), kNow);
            terminal.MarkTaken(80000);
        });
        library_->opencom1("COM4", 19200);
    }
    Emulator& Library() { return *library_; }
    void Tick() { ++ticks_; }

private:
    WithStateFile file_;
    std::int64_t ticks_ = 0;
    std::optional<Emulator> library_;
};

// One monitoring poll as the page's timer runs it, without its pause: the untaken records,
// then those records reported taken.
void MonitorPollWithEightyThousandStored(benchmark::State& state) {
    EightyThousandStored stored(state.range(0));
    for (auto _ : state) {
        stored.Tick();
        const std::string reply = stored.Library().downlssjrecd1(4, 19200, 1);
        if (reply.size() >= 49)
            stored.Library().cleardbdata(4, 19200, 1, static_cast<int>(reply.size() / 49));
    }
}
BENCHMARK(MonitorPollWithEightyThousandStored)
    ->ArgName("polls per transaction")
    ->Arg(15)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

void LostCardWithEightyThousandStored(benchmark::State& state) {
    EightyThousandStored stored;
    for (auto _ : state) {
        benchmark::DoNotOptimize(stored.Library().gskh(4, 19200, 1, 4321));
        benchmark::DoNotOptimize(stored.Library().jgkh(4, 19200, 1, 4321));
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(LostCardWithEightyThousandStored)->Unit(benchmark::kMicrosecond);

// A record download as the terminal page runs it: batches from index 0 until "85".
void DownloadEightyThousandRecords(benchmark::State& state) {
    Emulator library(InMemory());
    library.Change([](DeviceState& devices) {
        emulator::Terminal& terminal = devices.terminals[0];
        terminal.capacity = 80000;
        terminal.records.clear();
        for (std::uint64_t i = 0; i < 80000; ++i)
            terminal.AddRecord(emulator::SampleTransaction(i), kNow);
    });
    std::int64_t records = 0;
    for (auto _ : state) {
        int start = 0;
        for (;;) {
            const std::string reply = library.downlssjrecd(4, 19200, 1, start);
            if (reply == "85")
                break;
            start += static_cast<int>(reply.size() / 49);
        }
        records += start;
    }
    state.SetItemsProcessed(records);
}
BENCHMARK(DownloadEightyThousandRecords)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
