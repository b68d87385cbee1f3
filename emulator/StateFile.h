#pragma once
// The state file: the whole device state as lines of text, so a card and the terminals keep
// their data between runs and between programs. Written to a temporary file and renamed over
// the old one, so a reader never sees half a file; re-read when its time stamp or size shows
// that another program wrote it.
//
// Format: a first line "project2-state 1 TOKEN" (TOKEN differs at every save, so a change is
// seen even when the time stamp and size stay the same), then one item per line, a keyword and its
// values separated by single spaces. Texts are written as hex ("-" when empty), so GBK names and
// titles pass unchanged:
//   reader PORT PASSWORD-HEX
//   card none | card present, then "block N HEX32" for each of the 64 blocks
//   generated COUNT
//   terminal PORT BAUD MACHINE, then the terminal's items up to "end":
//     clock OFFSET, capacity N, info HEX, password HEX, password-function CODE, mode CODE,
//     language CODE, free-sector N, max-amount FEN, swipe-interval N, management-card N,
//     login HEX, standby HEX, discount CODE PERMILLE, lost CARD, barred CARD,
//     card-amount CARD GROUP NUMBER FEN, menu NUMBER FEN NAME-HEX, next-serial N, taken N,
//     record TEXT49, cleared TEXT49

#include "emulator/DeviceState.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace emulator {

std::string SerializeState(const DeviceState& state, const std::string& token = "");
// Nothing when the text is not a complete, consistent state.
std::optional<DeviceState> ParseState(std::string_view text);

class StateFile {
public:
    enum class Status { Loaded, Missing, Unreadable, Broken };
    struct LoadResult {
        Status status = Status::Missing;
        DeviceState state;
    };

    explicit StateFile(std::filesystem::path path) : path_(std::move(path)) {}
    const std::filesystem::path& Path() const { return path_; }

    // Whether the file differs from what this object last read or wrote.
    bool ChangedOnDisk() const;
    LoadResult Load();
    bool Save(const DeviceState& state);
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
    Stamp CurrentStamp() const;

    std::filesystem::path path_;
    std::optional<Stamp> known_;
};

} // namespace emulator
