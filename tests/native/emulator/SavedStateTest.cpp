// A state file saved by an earlier version of the library keeps loading: a technician's saved
// state (an issued card, records, every list) is user data.

#include "emulator/Emulator.h"
#include "emulator/StateFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace emulator {
namespace {

TEST(SavedState, AFileOfAnEarlierVersionLoadsWithEverythingItHeld) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("p2-saved-state-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / "project2.state";
    std::filesystem::copy_file(DEVTOOL_STATE_FIXTURE "/saved-2025-12.state", path);
    std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);

    const StateFile::LoadResult loaded = StateFile(path).Load();
    ASSERT_EQ(loaded.status, StateFile::Status::Loaded);
    const DeviceState& state = loaded.state;
    ASSERT_TRUE(state.reader.card.has_value());
    ASSERT_EQ(state.terminals.size(), 2u);
    for (const Terminal& t : state.terminals) {
        SCOPED_TRACE(t.machine);
        EXPECT_FALSE(t.records.empty());
        EXPECT_FALSE(t.lostCards.empty());
        EXPECT_FALSE(t.barredCards.empty());
        EXPECT_FALSE(t.cardAmounts.empty());
        EXPECT_FALSE(t.menus.empty());
        EXPECT_EQ(t.discounts.at("4A"), 850);
        EXPECT_EQ(t.password, "654321");
        EXPECT_EQ(t.loginTitle, "\xCA\xB3\xCC\xC3 1");
    }
    EXPECT_EQ(state.terminals[0].taken, 3u);
    EXPECT_FALSE(state.terminals[1].cleared.empty());

    // The library answers from it as it did when it was saved, and keeps it (nothing moved
    // aside, no new installation).
    EmulatorOptions options;
    options.statePath = path;
    options.clock = [] { return std::int64_t{1765195800}; };
    Emulator library(options);
    EXPECT_EQ(library.getnum(4, 19200, 1), 28);
    EXPECT_EQ(library.getnum(4, 19200, 2), 10);
    EXPECT_EQ(library.newreadcard(3, "01", "05", 1).substr(0, 12), "001234301231");
    EXPECT_FALSE(library.newreadje(3, "01", 4).empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);

    // A change is appended behind the saved snapshot, which stays as it was.
    ASSERT_TRUE(library.gskh(4, 19200, 1, 999));
    const auto read = [](const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string saved = read(DEVTOOL_STATE_FIXTURE "/saved-2025-12.state");
    const std::string now = read(path);
    EXPECT_GT(now.size(), saved.size());
    EXPECT_EQ(now.substr(0, saved.size()), saved);
    EXPECT_EQ(StateFile(path).Load().state.terminals[0].lostCards.count(999), 1u);
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace emulator
