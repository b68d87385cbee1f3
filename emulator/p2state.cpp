// p2state: the state tool of the emulated terminal library (see StateTool.h).

#include "emulator/StateTool.h"

#include <filesystem>
#include <iostream>

namespace {

// The state file beside this program, where the library beside it keeps it too.
std::filesystem::path DefaultStatePath(const char* argv0) {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        program = std::filesystem::absolute(argv0 != nullptr ? argv0 : "p2state", error);
    return program.parent_path() / "project2.state";
}

} // namespace

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
        return emulator::RunStateTool(arguments, DefaultStatePath(argc > 0 ? argv[0] : nullptr),
                                      std::cout, std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "p2state: " << error.what() << '\n';
        return 1;
    }
}
