#pragma once
// The optional call trace: one line per library call with its arguments and result, appended
// to a file, so a session with a program can be followed afterwards. Texts are quoted; bytes
// outside printable ASCII (GBK names among them) are written as \xHH.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace emulator {

class Trace {
public:
    Trace() = default;
    explicit Trace(std::filesystem::path path) : path_(std::move(path)) {}

    bool Enabled() const { return !path_.empty(); }
    const std::filesystem::path& Path() const { return path_; }
    // Appends one line; a file that cannot be written loses the line, never the call.
    void Write(std::string_view line) const;

private:
    std::filesystem::path path_;
};

// How values appear in a trace line.
std::string TraceValue(const char* text);
std::string TraceValue(std::string_view text);
std::string TraceValue(int value);
std::string TraceValue(bool value);
// Currency, shown as the decimal value with its four decimals.
std::string TraceCurrency(std::int64_t raw);

} // namespace emulator
