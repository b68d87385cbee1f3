#pragma once
// The state file: the whole device state as lines of text, so a card and the terminals keep
// their data between runs and between programs. It holds a snapshot of the whole state, then a
// journal of the changes saved since (StateJournal.h): a change is appended in a few bytes
// (a record stored on a terminal costs one line), and when the journal has grown as large as
// the snapshot, the whole state is written again as a new snapshot, to a temporary file renamed
// over the old one so that a reader never sees half a snapshot. The file is re-read when its
// time stamp, size or first line shows that another program wrote it.
//
// Snapshot format: a first line "project2-state 1 TOKEN" (TOKEN differs at every save, so a change
// is seen even when the time stamp and size stay the same), then one item per line, a keyword and
// its values separated by single spaces. Texts are written as hex ("-" when empty), so GBK names
// and titles pass unchanged:
//   reader PORT PASSWORD-HEX
//   card none | card present, then "block N HEX32" for each of the 64 blocks
//   generated COUNT
//   terminal PORT BAUD MACHINE, then the terminal's items up to "end":
//     clock OFFSET, capacity N, info HEX, password HEX, password-function CODE, mode CODE,
//     language CODE, free-sector N, max-amount FEN, swipe-interval N, management-card N,
//     login HEX, standby HEX, discount CODE PERMILLE, lost CARD, barred CARD,
//     card-amount CARD GROUP NUMBER FEN, menu NUMBER FEN NAME-HEX, next-serial N, taken N,
//     record TEXT49, cleared TEXT49
// A journal change holds lines of the snapshot's "reader" and "card" items (with the card's
// blocks) and its "generated" line, each replacing what it names, and lines that address a
// terminal by its place in the file:
//   settings INDEX PORT BAUD MACHINE, then the terminal's items without its records, "taken" and
//     "next-serial", up to "end": they replace the terminal's link and settings
//   counts INDEX NEXT-SERIAL TAKEN
//   add INDEX TEXT49: a record stored after the terminal's others

#include "emulator/DeviceState.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace emulator {

std::string SerializeState(const DeviceState& state, const std::string& token = "");
// Nothing when the text is not a complete, consistent state.
std::optional<DeviceState> ParseState(std::string_view text);

// A state file's text: its snapshot, with the journal's changes applied up to the first that
// is incomplete, damaged or does not fit (that one and everything after it are ignored).
struct StateFileText {
    std::optional<DeviceState> state; // nothing when the snapshot is not a complete state
    std::size_t snapshotBytes = 0;
    std::size_t readableBytes = 0; // the snapshot and the changes applied
};
StateFileText ReadStateFileText(std::string_view text);

class StateFile {
public:
    enum class Status { Loaded, Missing, Unreadable, Broken };
    struct LoadResult {
        Status status = Status::Missing;
        DeviceState state;
    };

    explicit StateFile(std::filesystem::path path) : path_(std::move(path)) {}
    const std::filesystem::path& Path() const { return path_; }

    // Whether the file differs from what this object last read or wrote. When it does not, the
    // next Save trusts that and appends without looking again.
    bool ChangedOnDisk() const;
    LoadResult Load();
    // Appends the change from what this object last read or wrote, or writes the whole state
    // as a new snapshot: when `whole` is set, when the file changed since, and when the journal
    // has grown large.
    bool Save(const DeviceState& state, bool whole = false);
    // Moves a broken file out of the way; returns where it went (empty when it could not).
    std::filesystem::path MoveAside();

private:
    struct Stamp {
        bool exists = false;
        std::filesystem::file_time_type time{};
        std::uintmax_t size = 0;
        std::string firstLine;
        bool operator==(const Stamp&) const = default;
    };
    // What the file holds, in the parts a change replaces; records by how many there are and
    // the mark they were stored under.
    struct TerminalImage {
        std::string settings;
        std::uint32_t nextSerial = 0;
        std::size_t taken = 0;
        std::uint64_t recordsMark = 0;
        std::size_t records = 0;
        std::string lastRecord;
        std::size_t cleared = 0;
    };
    struct Image {
        std::string reader; // the reader and its card
        std::uint64_t generated = 0;
        std::vector<TerminalImage> terminals;
    };
    static Image ImageOf(const DeviceState& state);
    // The journal change from `before` to `state`; nothing when only a new snapshot can say it.
    static std::optional<std::string> ChangeFrom(const Image& before, const Image& after,
                                                 const DeviceState& state);

    Stamp CurrentStamp() const;
    // Whether the entry was appended; nothing when the file is not the one this object knows.
    std::optional<bool> Append(const std::string& entry, Image after);
    bool Rewrite(const DeviceState& state);

    std::filesystem::path path_;
    std::optional<Stamp> known_;
    mutable bool confirmed_ = false; // ChangedOnDisk found the file unchanged since then
    // Set while the file is known to end with the last change this object read or wrote.
    std::optional<Image> image_;
    std::size_t snapshotBytes_ = 0;
    std::size_t fileBytes_ = 0;
};

} // namespace emulator
