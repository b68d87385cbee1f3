#pragma once
// The journal behind the snapshot in the state file. Each change saved since the snapshot was
// written is appended as one entry: a line "+change LENGTH CHECKSUM" (LENGTH in decimal, the
// CRC-32 of the change in 8 hex digits), then LENGTH bytes of change lines. An entry that is cut
// short or whose checksum does not match is what a crash in the middle of an append leaves: it
// ends the journal, and nothing from it on is read.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace emulator {

std::uint32_t Crc32(std::string_view bytes);

// The entry that carries `change` (lines, each ending in a line break).
std::string JournalEntry(std::string_view change);

// Where the journal starts in a state file's text: at its first line that begins with '+', or
// at the end when there is none (a file written before the journal existed has none).
std::size_t JournalStart(std::string_view text);

struct JournalEntryView {
    std::string_view change;
    std::size_t end = 0; // where the next entry starts
};
// The complete, intact entry that starts at `at`; nothing when there is none.
std::optional<JournalEntryView> ReadJournalEntry(std::string_view text, std::size_t at);

} // namespace emulator
