#include "emulator/Trace.h"

#include <cstdio>
#include <fstream>

namespace emulator {

void Trace::Write(std::string_view line) const {
    if (path_.empty())
        return;
    std::ofstream out(path_, std::ios::binary | std::ios::app);
    out << line << '\n';
}

std::string TraceValue(const char* text) {
    if (text == nullptr)
        return "null";
    return TraceValue(std::string_view(text));
}

std::string TraceValue(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '"' || c == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string TraceValue(int value) {
    return std::to_string(value);
}

std::string TraceValue(bool value) {
    return value ? "true" : "false";
}

std::string TraceCurrency(std::int64_t raw) {
    const bool negative = raw < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    char text[40];
    std::snprintf(text, sizeof text, "%s%llu.%04llu", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / 10000),
                  static_cast<unsigned long long>(magnitude % 10000));
    return text;
}

} // namespace emulator
