#pragma once
// Everything the library emulates: the desktop reader with its card and the terminals on the
// serial lines. This is what the state file holds.

#include "emulator/Reader.h"
#include "emulator/Terminal.h"

#include <cstdint>
#include <vector>

namespace emulator {

struct DeviceState {
    Reader reader;
    std::vector<Terminal> terminals;
    std::uint64_t transactionsGenerated = 0; // drives the transaction generator's choices

    Terminal* FindTerminal(int port, int baud, int machine) {
        for (Terminal& terminal : terminals) {
            if (terminal.Matches(port, baud, machine))
                return &terminal;
        }
        return nullptr;
    }
};

} // namespace emulator
