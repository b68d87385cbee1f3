// Times the monitoring poll and a changing call of the emulated library with 80,000 records
// kept in the state file, in any tree (under Wine too, where opening a file costs most). Prints
// milliseconds. Usage: statefile_timing [polls]

#include "emulator/Emulator.h"
#include "emulator/TransactionGenerator.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::int64_t kNow = 1714998645;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace

int main(int argc, char** argv) {
    const int polls = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("statefile-timing-" + std::to_string(std::random_device{}()) + ".state");
    std::int64_t ticks = 0;
    emulator::EmulatorOptions options;
    options.statePath = path;
    // 0.2 s per poll, as the page's timer: a transaction every 15 polls.
    options.clock = [&] { return kNow + ticks * emulator::kTransactionInterval / 15; };
    {
        emulator::Emulator library(options);
        library.Change([](emulator::DeviceState& devices) {
            emulator::Terminal& terminal = devices.terminals[0];
            terminal.capacity = emulator::kMaxRecordCapacity;
            for (std::uint64_t i = 0; i < 80000; ++i)
                terminal.AddRecord(emulator::SampleTransaction(i), kNow);
            terminal.MarkTaken(80000);
        });
        library.opencom1("COM4", 19200);

        // The poll as the page runs it, without its pause: the untaken records, then those
        // reported taken.
        std::vector<double> times;
        for (int i = 0; i < polls; ++i) {
            ++ticks;
            const auto start = Clock::now();
            const std::string reply = library.downlssjrecd1(4, 19200, 1);
            if (reply.size() >= 49)
                library.cleardbdata(4, 19200, 1, static_cast<int>(reply.size() / 49));
            times.push_back(Milliseconds(Clock::now() - start));
        }
        const double mean = std::accumulate(times.begin(), times.end(), 0.0) / polls;
        std::sort(times.begin(), times.end());
        std::printf("poll with 80000 records stored: mean %.3f ms, median %.3f ms, max %.3f ms "
                    "over %d polls\n",
                    mean, times[times.size() / 2], times.back(), polls);

        const int calls = 200;
        const auto start = Clock::now();
        for (int i = 0; i < calls / 2; ++i) {
            library.gskh(4, 19200, 1, 4321);
            library.jgkh(4, 19200, 1, 4321);
        }
        std::printf("changing call: mean %.3f ms over %d calls\n",
                    Milliseconds(Clock::now() - start) / calls, calls);
    }
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return 0;
}
