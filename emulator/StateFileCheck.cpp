#include "emulator/StateFileCheck.h"

#include "emulator/StateFile.h"

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
    // A regular file is read as the library reads it; loading moves and writes nothing.
    StateFile::LoadResult loaded = StateFile(path).Load();
    switch (loaded.status) {
    case StateFile::Status::Loaded:
        check.kind = StateFileKind::State;
        check.state = std::move(loaded.state);
        break;
    case StateFile::Status::Missing:
        check.kind = StateFileKind::Missing;
        break;
    case StateFile::Status::Unreadable:
        check.kind = StateFileKind::Unreadable;
        break;
    case StateFile::Status::Broken:
        check.kind = StateFileKind::NotState;
        break;
    }
    return check;
}

} // namespace emulator
