// The state file: its text form, and the library keeping its state in it between calls,
// instances and programs.

#include "emulator/StateFile.h"

#include "emulator/Emulator.h"
#include "emulator/Installation.h"
#include "emulator/LocalTime.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

namespace emulator {
namespace {

constexpr std::int64_t kNow = 1714998645; // 2024-05-06 12:30:45

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

DeviceState BusyState() {
    DeviceState state = NewInstallation(kNow);
    Terminal& t = state.terminals[0];
    t.ReportLost(12);
    t.BarCard(34);
    t.PutCardAmount(1, 2, 3, 45600);
    t.SetMenu(7, 1000000, "\xBC\xD2\xB3\xA3");
    t.SetStandbyTitle("");
    t.MarkTaken(4);
    state.terminals[1].ClearRecords();
    state.terminals[1].RestoreRecords(3);
    state.transactionsGenerated = 99;
    return state;
}

TEST(StateText, RoundTripsEverythingItHolds) {
    const DeviceState state = BusyState();
    const std::string text = SerializeState(state);
    const auto parsed = ParseState(text);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(SerializeState(*parsed), text);
    EXPECT_EQ(parsed->terminals[0].taken, 4u);
    EXPECT_EQ(parsed->terminals[1].cleared.size(), 5u);
    EXPECT_EQ(parsed->terminals[0].menus.at(7).name, "\xBC\xD2\xB3\xA3");

    DeviceState noCard = state;
    noCard.reader.card.reset();
    const auto parsedNoCard = ParseState(SerializeState(noCard, "A1B2"));
    ASSERT_TRUE(parsedNoCard.has_value());
    EXPECT_FALSE(parsedNoCard->reader.card.has_value());
}

TEST(StateText, RefusesAnythingIncompleteOrInconsistent) {
    const std::string good = SerializeState(BusyState());
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    const std::string broken[] = {
        "",
        "garbage",
        good.substr(0, good.size() / 2),       // cut in the middle of a terminal
        good.substr(0, good.find("block 40")), // cut in the middle of the card
        replaced("project2-state 1", "project2-state 2"),
        replaced("reader 3 ", "reader 0 "),
        replaced("block 5 ", "block 6 "), // one block twice, one missing
        replaced("block 1 00", "block 1 0G"),
        replaced("terminal 4 19200 2", "terminal 4 19200 1"),
        replaced("terminal 4 19200 2", "terminal 4 4800 2"),
        replaced("taken 4", "taken 24"),
        replaced("mode 00", "mode 09"),
        replaced("capacity 50000", "capacity 10"),
        replaced("clock -95", "clock 99999999999999"),
        replaced("lost 12", "lost 1048576"),
        replaced("lost 12", "lost -12"),
        replaced("record 001", "record 01"),
        replaced("next-serial", "next-serials"),
        good + "extra 1\n",
    };
    for (const std::string& text : broken)
        EXPECT_FALSE(ParseState(text).has_value()) << text.substr(0, 200);
}

class StateFileUse : public ::testing::Test {
protected:
    StateFileUse() {
        folder_ = std::filesystem::temp_directory_path() /
                  ("p2-state-test-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder_);
    }
    ~StateFileUse() override { std::filesystem::remove_all(folder_); }

    EmulatorOptions Options() const {
        EmulatorOptions options;
        options.statePath = StatePath();
        options.tracePath = folder_ / "trace.txt";
        options.clock = [] { return kNow; };
        return options;
    }
    std::filesystem::path StatePath() const { return folder_ / "project2.state"; }

    std::filesystem::path folder_;
};

TEST_F(StateFileUse, FirstCallInstallsAndSavesTheDevices) {
    Emulator library(Options());
    EXPECT_EQ(library.getnum(4, 19200, 1), 23);
    const auto saved = ParseState(ReadFile(StatePath()));
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->terminals.size(), 2u);
    EXPECT_NE(ReadFile(folder_ / "trace.txt").find("new installation"), std::string::npos);
}

TEST_F(StateFileUse, ACardKeepsItsDataBetweenRuns) {
    {
        Emulator library(Options());
        ASSERT_TRUE(library.addje(3, "01", 4, 1));
        ASSERT_TRUE(library.gskh(4, 19200, 2, 777));
    }
    Emulator again(Options());
    EXPECT_EQ(again.newreadje(3, "01", 4).substr(0, 8), "11270000");
    EXPECT_EQ(again.State().terminals[1].lostCards.count(777), 1u);
    // Only the state file remains: no temporary files are left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_),
                            std::filesystem::directory_iterator()),
              2); // state and trace
}

TEST_F(StateFileUse, SeesWhatAnotherProgramChanged) {
    Emulator program(Options());
    Emulator tool(Options());
    EXPECT_EQ(program.newreadje(3, "01", 8).substr(0, 8), "88130000");
    ASSERT_TRUE(tool.jk(3, "01", 8, 1)); // the same size of file, perhaps the same time stamp
    EXPECT_EQ(program.newreadje(3, "01", 8).substr(0, 8), "87130000");
    tool.Change([](DeviceState& state) { state.reader.card.reset(); });
    EXPECT_EQ(program.newreadje(3, "01", 8), "");
}

TEST_F(StateFileUse, ABrokenFileIsMovedAsideAndANewInstallationStarts) {
    WriteFile(StatePath(), "project2-state 1\nreader 3 3132\ncard present\nblock 0 00\n");
    Emulator library(Options());
    EXPECT_EQ(library.newreadcard(3, "01", "01", 1).substr(1, 5), "0007B");
    EXPECT_EQ(ReadFile(folder_ / "project2.state.broken").substr(0, 16), "project2-state 1");
    EXPECT_TRUE(ParseState(ReadFile(StatePath())).has_value());
    EXPECT_NE(ReadFile(folder_ / "trace.txt").find("is broken, moved to"), std::string::npos);

    // Broken again while the library runs: the same recovery, no crash.
    WriteFile(StatePath(), std::string(1000, '\xFF'));
    EXPECT_EQ(library.getnum(4, 19200, 2), 8);
    EXPECT_EQ(ReadFile(folder_ / "project2.state.broken"), std::string(1000, '\xFF'));
}

TEST_F(StateFileUse, ADeletedFileStartsANewInstallation) {
    Emulator library(Options());
    ASSERT_TRUE(library.cleardata(4, 19200, 1));
    std::filesystem::remove(StatePath());
    EXPECT_EQ(library.getnum(4, 19200, 1), 23);
    EXPECT_TRUE(std::filesystem::exists(StatePath()));
}

TEST_F(StateFileUse, AFolderThatCannotBeWrittenKeepsTheStateInMemory) {
    EmulatorOptions options = Options();
    options.statePath = folder_ / "missing" / "project2.state";
    Emulator library(options);
    ASSERT_TRUE(library.gskh(4, 19200, 1, 5));
    EXPECT_EQ(library.State().terminals[0].lostCards.count(5), 1u);
    EXPECT_FALSE(std::filesystem::exists(options.statePath));
    EXPECT_NE(ReadFile(folder_ / "trace.txt").find("cannot be written"), std::string::npos);
}

TEST_F(StateFileUse, TracesEachCallWithArgumentsAndResult) {
    Emulator library(Options());
    library.newreadcard(3, "01", "01", 1);
    library.downmmre(3, nullptr, nullptr);
    library.downcd(4, 19200, 1, 1, 123400, "\xBC\xD2\"");
    library.getnum(4, 9600, 1);
    library.closecom();
    const std::string trace = ReadFile(folder_ / "trace.txt");
    EXPECT_NE(trace.find("2024-05-06 12:30:45 newreadcard(3, \"01\", \"01\", 1) -> \"0000"),
              std::string::npos);
    EXPECT_NE(trace.find("downmmre(3, null, null) -> false"), std::string::npos);
    EXPECT_NE(trace.find("downcd(4, 19200, 1, 1, 12.3400, \"\\xBC\\xD2\\x22\") -> true"),
              std::string::npos);
    EXPECT_NE(trace.find("getnum(4, 9600, 1) -> -1"), std::string::npos);
    EXPECT_NE(trace.find("closecom() -> false"), std::string::npos);
}

} // namespace
} // namespace emulator
