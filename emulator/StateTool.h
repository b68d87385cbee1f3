#pragma once
// The state tool: shows the emulated devices and changes them from the command line (put a
// card on the reader, add or clear terminal records, print the call trace).

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace emulator {

// Runs one command line (without the program name); returns the exit code.
int RunStateTool(const std::vector<std::string>& arguments,
                 const std::filesystem::path& defaultStatePath, std::ostream& out,
                 std::ostream& err);

} // namespace emulator
