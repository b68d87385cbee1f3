#include "emulator/TransactionGenerator.h"

#include <algorithm>
#include <vector>

namespace emulator {

namespace {

std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

constexpr std::uint32_t kRegularCards[] = {123, 456, 789, 1024, 2048, 4321};
constexpr const char* kTypeCodes[] = {"41", "41", "41", "42", "43"};

} // namespace

TransactionRecord SampleTransaction(std::uint64_t sequence) {
    const std::uint64_t h = Mix(sequence);
    TransactionRecord record;
    record.cardNumber = kRegularCards[h % std::size(kRegularCards)];
    record.amountFen = static_cast<std::uint32_t>(100 + (h >> 8) % 29 * 50); // 1.00 - 15.00
    record.balanceFen = static_cast<std::uint32_t>(record.amountFen + (h >> 16) % 98000);
    record.typeCode = kTypeCodes[(h >> 32) % std::size(kTypeCodes)];
    return record;
}

int GenerateTransactions(DeviceState& state, MonitorLine& line, std::int64_t now) {
    if (now < line.nextDue)
        return 0;
    std::vector<Terminal*> onLine;
    for (Terminal& terminal : state.terminals) {
        if (terminal.port == line.port)
            onLine.push_back(&terminal);
    }
    const std::int64_t due = (now - line.nextDue) / kTransactionInterval + 1;
    const int count = static_cast<int>(std::min<std::int64_t>(due, kMaxTransactionsPerCheck));
    line.nextDue =
        count < due ? now + kTransactionInterval : line.nextDue + due * kTransactionInterval;
    if (onLine.empty())
        return 0;
    int stored = 0;
    for (int i = 0; i < count; ++i) {
        const std::uint64_t sequence = state.transactionsGenerated++;
        Terminal& terminal = *onLine[sequence % onLine.size()];
        if (terminal.AddRecord(SampleTransaction(sequence), now))
            ++stored;
    }
    return stored;
}

} // namespace emulator
