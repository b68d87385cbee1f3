// The journal behind the state file's snapshot: a crash at any byte of an append leaves the last
// complete change readable, two programs on one file see each other's appended changes, and the
// file stays about as large as its snapshot.

#include "emulator/StateJournal.h"

#include "emulator/Emulator.h"
#include "emulator/StateFile.h"
#include "tests/native/common/TestFolder.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace emulator {
namespace {

constexpr std::int64_t kNow = 1714998645;

TEST(StateJournal, ReadsOnlyCompleteIntactEntries) {
    const std::string change = "counts 0 5 2\nadd 0 X\n";
    const std::string entry = JournalEntry(change);
    EXPECT_EQ(entry.substr(0, 11), "+change 21 ");
    const std::string file = "snapshot\n" + entry + "+";
    const auto read = ReadJournalEntry(file, 9);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->change, change);
    EXPECT_EQ(read->end, 9 + entry.size());

    std::string flipped = entry;
    flipped[flipped.size() - 3] ^= 1;
    std::string longer = entry;
    longer.replace(8, 2, "22");
    const std::string broken[] = {
        entry.substr(0, entry.size() - 1), // cut before its last byte
        entry.substr(0, entry.find('\n')), // only the header, without its line break
        flipped,                           // a byte changed
        longer + "Z",                      // a length that takes in a byte of what follows
        "+change 21 1234567\n" + change,   // a short checksum
        "+change -1 00000000\n",
        "+change 0 00000000\n",
        JournalEntry("no line break"),
        std::string(entry.size(), '\0'), // what a power loss may leave
    };
    for (const std::string& text : broken)
        EXPECT_FALSE(ReadJournalEntry(text, 0).has_value()) << text;

    EXPECT_EQ(JournalStart("project2-state 1\nend\n" + entry), 21u);
    EXPECT_EQ(JournalStart("project2-state 1\nend\n+chan"), 21u);
    EXPECT_EQ(JournalStart("project2-state 1\nend\n"), 21u);
}

class JournalUse : public ::testing::Test {
protected:
    JournalUse() : folder_("p2-journal-test-") {}

    EmulatorOptions Options() {
        EmulatorOptions options;
        options.statePath = StatePath();
        options.clock = [this] { return now_; };
        return options;
    }
    std::filesystem::path StatePath() const { return folder_.Path() / "project2.state"; }
    std::string FileText() const { return folder_.Read("project2.state"); }
    std::string Loaded() const {
        StateFile file(StatePath());
        const StateFile::LoadResult loaded = file.Load();
        EXPECT_EQ(loaded.status, StateFile::Status::Loaded);
        return SerializeState(loaded.state);
    }

    TestFolder folder_;
    std::int64_t now_ = kNow;
};

// A file with a snapshot and a journal of changes of every kind: the state after each change,
// and where each change ends in the file.
struct History {
    std::vector<std::string> states;
    std::vector<std::size_t> ends;
};

TEST_F(JournalUse, ACutAtAnyByteOfAnAppendLeavesTheLastCompleteChange) {
    History history;
    {
        Emulator library(Options());
        library.State(); // the snapshot
        const auto note = [&] {
            history.states.push_back(SerializeState(library.State()));
            history.ends.push_back(FileText().size());
        };
        note();
        ASSERT_TRUE(library.gskh(4, 19200, 1, 77));
        note();
        ASSERT_TRUE(library.addje(3, "01", 4, 5));
        note();
        ASSERT_TRUE(library.opencom1("COM4", 19200));
        now_ += 10; // the generator stores a few records
        ASSERT_FALSE(library.downlssjrecd1(4, 19200, 1).empty());
        note();
        ASSERT_TRUE(library.cleardbdata(4, 19200, 2, 3));
        note();
        ASSERT_TRUE(library.setbtl(4, 19200, 2, 4));
        note();
    }
    const std::string text = FileText();
    ASSERT_EQ(text.size(), history.ends.back());
    ASSERT_EQ(JournalStart(text), history.ends.front()) << "every change after it appended";

    for (std::size_t cut = history.ends.front(); cut <= text.size(); ++cut) {
        folder_.Write("project2.state", text.substr(0, cut));
        std::size_t complete = 0;
        while (complete + 1 < history.ends.size() && history.ends[complete + 1] <= cut)
            ++complete;
        ASSERT_EQ(Loaded(), history.states[complete]) << "cut at " << cut;
    }

    // What a power loss may leave: zeros where the last change was to go. The next change is
    // written as a new snapshot, not behind the zeros, where no reader would find it.
    folder_.Write("project2.state", text.substr(0, history.ends[3]) + std::string(300, '\0'));
    EXPECT_EQ(Loaded(), history.states[3]);
    Emulator library(Options());
    ASSERT_TRUE(library.gskh(4, 19200, 1, 88));
    EXPECT_EQ(JournalStart(FileText()), FileText().size());
    EXPECT_EQ(Loaded(), SerializeState(library.State()));
    EXPECT_EQ(library.State().terminals[0].lostCards.count(88), 1u);
}

// An intact entry that does not fit the state (a corrupted file that kept its checksum) is
// ignored with all that follows; the file is not taken for broken.
TEST_F(JournalUse, AChangeThatDoesNotFitEndsTheJournal) {
    {
        Emulator library(Options());
        ASSERT_TRUE(library.gskh(4, 19200, 1, 77));
    }
    const std::string good = FileText();
    const std::string expected = Loaded();
    for (const char* misfit :
         {"add 9 0010000010000012404300012340000045600240506123045\n", "counts 0 1 999\n",
          "settings 1 4 19200 1\nend\n", "frobnicate 1\n"}) {
        folder_.Write("project2.state",
                      good + JournalEntry(misfit) + JournalEntry("counts 0 900 0\n"));
        EXPECT_EQ(Loaded(), expected) << misfit;
    }
}

TEST_F(JournalUse, TwoProgramsSeeEachOthersAppendedChanges) {
    Emulator program(Options());
    Emulator tool(Options());
    ASSERT_TRUE(program.opencom1("COM4", 19200));
    EXPECT_EQ(tool.getnum(4, 19200, 1), 23);
    for (int round = 0; round < 5; ++round) {
        now_ += 6; // two records, one on each terminal
        const std::string fresh = program.downlssjrecd1(4, 19200, 1);
        ASSERT_EQ(fresh.size() % 49, 0u);
        ASSERT_TRUE(program.cleardbdata(4, 19200, 1, static_cast<int>(fresh.size() / 49)));
        ASSERT_TRUE(tool.gskh(4, 19200, 2, 100 + round));
        EXPECT_EQ(SerializeState(tool.State()), SerializeState(program.State())) << round;
        EXPECT_EQ(program.State().terminals[1].lostCards.count(100 + round), 1u);
    }
    EXPECT_GT(tool.getnum(4, 19200, 1), 23);
    EXPECT_EQ(JournalStart(FileText()) < FileText().size(), true) << "changes were appended";

    // A new snapshot by one is seen by the other, which appends behind it again.
    tool.Change([](DeviceState& state) { state.terminals[0].ClearRecords(); });
    EXPECT_EQ(program.getnum(4, 19200, 1), 0);
    ASSERT_TRUE(program.gskh(4, 19200, 1, 5));
    EXPECT_EQ(tool.State().terminals[0].lostCards.count(5), 1u);
    EXPECT_EQ(Loaded(), SerializeState(tool.State()));
}

#ifndef _WIN32
// Runs `work` in a second process; true when it ended well.
template <class Work> bool InSecondProcess(const Work& work) {
    const pid_t child = fork();
    if (child == 0)
        _exit(work() ? 0 : 1);
    int status = 0;
    return child != -1 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// A real second program. While both append at the same moment, each may write the whole state
// from what it last read (the last writer wins, as with any two programs saving one file), but
// the file is never left unreadable; what one program stores the other then sees.
TEST_F(JournalUse, ASecondProcessWritingAtTheSameTimeNeverBreaksTheFile) {
    Emulator program(Options());
    program.State();
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        Emulator other(Options());
        bool ok = true;
        for (int i = 0; i < 200; ++i)
            ok = other.gskh(4, 19200, 2, 1000 + i % 7) && other.jgkh(4, 19200, 2, 1000 + i % 7) &&
                 ok;
        _exit(ok ? 0 : 1);
    }
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(program.gskh(4, 19200, 1, 2000 + i % 5));
        ASSERT_TRUE(program.jgkh(4, 19200, 1, 2000 + i % 5));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_FALSE(std::filesystem::exists(folder_.Path() / "project2.state.broken"));
    EXPECT_EQ(SerializeState(program.State()), Loaded());

    ASSERT_TRUE(InSecondProcess([&] { return Emulator(Options()).gskh(4, 19200, 2, 4242); }));
    EXPECT_EQ(program.State().terminals[1].lostCards.count(4242), 1u);
    ASSERT_TRUE(program.gskh(4, 19200, 1, 4343));
    EXPECT_TRUE(InSecondProcess([&] {
        Emulator other(Options());
        return other.State().terminals[0].lostCards.count(4343) == 1 &&
               other.State().terminals[1].lostCards.count(4242) == 1;
    }));
    EXPECT_LT(JournalStart(FileText()), FileText().size()) << "changes were appended";
}
#endif

TEST_F(JournalUse, TheFileStaysAboutAsLargeAsItsSnapshot) {
    Emulator library(Options());
    library.State();
    const std::size_t snapshot = FileText().size();
    std::size_t largest = 0;
    for (int i = 0; i < 400; ++i) {
        ASSERT_TRUE(library.addje(3, "01", 4, 1)); // the card's 64 blocks at every change
        largest = std::max(largest, FileText().size());
    }
    EXPECT_LE(largest, snapshot + std::max<std::size_t>(snapshot, 64 * 1024));
    EXPECT_EQ(Loaded(), SerializeState(library.State()));
    EXPECT_EQ(Emulator(Options()).newreadje(3, "01", 4), library.newreadje(3, "01", 4));
}

} // namespace
} // namespace emulator
