#include "emulator/StateJournal.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace emulator {

namespace {

constexpr std::string_view kEntryStart = "+change ";

std::array<std::uint32_t, 256> CrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

template <class T> bool ParseWhole(std::string_view text, T& value, int base) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

} // namespace

std::uint32_t Crc32(std::string_view bytes) {
    static const std::array<std::uint32_t, 256> table = CrcTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (char byte : bytes)
        c = table[(c ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::string JournalEntry(std::string_view change) {
    char checksum[16];
    std::snprintf(checksum, sizeof checksum, "%08X", static_cast<unsigned>(Crc32(change)));
    std::string entry(kEntryStart);
    entry += std::to_string(change.size());
    entry += ' ';
    entry += checksum;
    entry += '\n';
    entry += change;
    return entry;
}

std::size_t JournalStart(std::string_view text) {
    if (text.starts_with('+'))
        return 0;
    const std::size_t at = text.find("\n+");
    return at == std::string_view::npos ? text.size() : at + 1;
}

std::optional<JournalEntryView> ReadJournalEntry(std::string_view text, std::size_t at) {
    if (at > text.size() || !text.substr(at).starts_with(kEntryStart))
        return std::nullopt;
    const std::size_t lineEnd = text.find('\n', at);
    if (lineEnd == std::string_view::npos)
        return std::nullopt;
    const std::string_view header =
        text.substr(at + kEntryStart.size(), lineEnd - at - kEntryStart.size());
    const std::size_t space = header.find(' ');
    std::size_t length = 0;
    std::uint32_t checksum = 0;
    if (space == std::string_view::npos || header.size() - space - 1 != 8 ||
        !ParseWhole(header.substr(0, space), length, 10) ||
        !ParseWhole(header.substr(space + 1), checksum, 16))
        return std::nullopt;
    const std::size_t start = lineEnd + 1;
    if (length == 0 || length > text.size() - start)
        return std::nullopt;
    const std::string_view change = text.substr(start, length);
    if (change.back() != '\n' || Crc32(change) != checksum)
        return std::nullopt;
    return JournalEntryView{change, start + length};
}

} // namespace emulator
