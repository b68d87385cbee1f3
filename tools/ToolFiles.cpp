#include "tools/ToolFiles.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace tools {

namespace {

std::string Shown(const fs::path& path) {
    return path.string();
}

// The system's words for the last failed file operation, e.g. "Permission denied".
std::string LastCause() {
    const int code = errno;
    return code != 0 ? std::generic_category().message(code) : std::string("unknown cause");
}

// Why a file could not be made at path: a missing folder is the usual cause, and the system's
// own words for it ("No such file or directory") do not say which part is missing.
std::string WriteCause(const fs::path& path) {
    const fs::path parent = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::error_code error;
    if (!fs::exists(parent, error))
        return "the folder " + Shown(parent) + " does not exist";
    if (!fs::is_directory(parent, error))
        return Shown(parent) + " is not a folder";
    return LastCause();
}

} // namespace

std::vector<std::uint8_t> ReadWholeFile(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        throw ToolError(Shown(path) + ": no such file");
    if (status.type() == fs::file_type::directory)
        throw ToolError(Shown(path) + " is a folder, not a file");
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ToolError("cannot read " + Shown(path) + ": " + LastCause());
    std::vector<std::uint8_t> data{std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>()};
    if (in.bad())
        throw ToolError("cannot read " + Shown(path) + ": " + LastCause());
    return data;
}

void WriteWholeFile(const fs::path& path, std::span<const std::uint8_t> data) {
    std::error_code error;
    if (fs::is_directory(path, error))
        throw ToolError("cannot write " + Shown(path) + ": it is a folder");
    fs::path temporary = path;
    temporary += ".part";
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out)
        throw ToolError("cannot write " + Shown(path) + ": " + WriteCause(path));
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
    out.close();
    if (!out) {
        const std::string cause = LastCause();
        fs::remove(temporary, error);
        throw ToolError("cannot write " + Shown(path) + ": " + cause);
    }
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, error);
        throw ToolError("cannot write " + Shown(path) + ": " + error.message());
    }
}

void MakeFolder(const fs::path& folder) {
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (status.type() == fs::file_type::directory)
        return;
    if (status.type() != fs::file_type::not_found && status.type() != fs::file_type::none)
        throw ToolError("cannot make the folder " + Shown(folder) + ": a file of that name exists");
    fs::create_directories(folder, error);
    if (error)
        throw ToolError("cannot make the folder " + Shown(folder) + ": " + error.message());
}

void RequireFolder(const fs::path& folder) {
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (status.type() == fs::file_type::not_found)
        throw ToolError(Shown(folder) + ": no such folder");
    if (status.type() != fs::file_type::directory)
        throw ToolError(Shown(folder) + " is not a folder");
}

} // namespace tools
