#pragma once
// Files and folders for the command-line tools, with failures told in the user's words: each
// error names the file and the cause, never a library's own text.

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <vector>

namespace tools {

// Something a tool could not do; the message is shown as it is, after the tool's name.
class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole of an existing file.
std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path);

// Writes a file whole or not at all: the data goes to a temporary file beside it that is then
// renamed over it, so a failure leaves an earlier file of that name as it was.
void WriteWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> data);

// Makes a folder (and the folders above it) unless it is there already.
void MakeFolder(const std::filesystem::path& folder);

// Checks that a folder exists to be read.
void RequireFolder(const std::filesystem::path& folder);

} // namespace tools
