#include "emulator/StateFileCheck.h"

#include "emulator/StateFile.h"

#include <fstream>
#include <sstream>

namespace emulator {

StateFileCheck CheckStateFile(const std::filesystem::path& path) {
    StateFileCheck check;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    switch (status.type()) {
    case std::filesystem::file_type::not_found:
        check.kind = StateFileKind::Missing;
        return check;
    case std::filesystem::file_type::directory:
        check.kind = StateFileKind::Folder;
        return check;
    case std::filesystem::file_type::regular:
        break;
    case std::filesystem::file_type::none:
        check.kind = StateFileKind::Unreadable;
        return check;
    default:
        // A device or a pipe is no state file, and reading one may never end.
        check.kind = StateFileKind::NotState;
        return check;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
        check.kind = StateFileKind::Unreadable;
        return check;
    }
    auto state = ParseState(text.str());
    check.kind = state ? StateFileKind::State : StateFileKind::NotState;
    if (state)
        check.state = std::move(*state);
    return check;
}

} // namespace emulator
