#pragma once
// A read-only look at a file named as the state file, for the state tool: what the file holds,
// found without moving, replacing or creating anything. (The library itself sets a broken state
// file aside and starts afresh; a person who named a file by hand is told instead.)

#include "emulator/DeviceState.h"

#include <filesystem>

namespace emulator {

enum class StateFileKind {
    Missing,    // nothing of that name
    Folder,     // a folder of that name
    Unreadable, // there, but it cannot be read
    NotState,   // a file that does not hold a complete state
    State,      // a state file
};

struct StateFileCheck {
    StateFileKind kind = StateFileKind::Missing;
    DeviceState state; // what the file holds, when it is a state file
};

StateFileCheck CheckStateFile(const std::filesystem::path& path);

} // namespace emulator
