#pragma once
// While a program holds a terminal line open for live monitoring, card holders keep paying at
// the terminals on it: every few seconds one transaction lands on one of those terminals, in
// turn. Driven by the time that passed, checked at each library call, so no thread is needed.

#include "emulator/DeviceState.h"
#include "emulator/TerminalRecord.h"

#include <cstdint>

namespace emulator {

constexpr std::int64_t kTransactionInterval = 3; // seconds
// After a long quiet spell only a few transactions appear at once, as a burst at the counter.
constexpr int kMaxTransactionsPerCheck = 10;

// The line opened for monitoring; it belongs to the program that opened it.
struct MonitorLine {
    int port = 0;
    int baud = 0;
    std::int64_t nextDue = 0;
};

// Adds the transactions due at `now`; returns how many records were stored.
int GenerateTransactions(DeviceState& state, MonitorLine& line, std::int64_t now);

// A plausible transaction, the same for the same sequence number: card, amount, balance and
// card type. Machine, serial, time and mode are the terminal's.
TransactionRecord SampleTransaction(std::uint64_t sequence);

} // namespace emulator
