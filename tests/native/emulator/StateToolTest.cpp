#include "emulator/StateTool.h"

#include "emulator/Emulator.h"
#include "emulator/StateFile.h"
#include "tests/native/common/TestFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

namespace emulator {
namespace {

class StateTool : public ::testing::Test {
protected:
    StateTool() {
        folder_ = std::filesystem::temp_directory_path() /
                  ("p2-tool-test-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder_);
    }
    ~StateTool() override { std::filesystem::remove_all(folder_); }

    int Run(std::vector<std::string> args) {
        out_.str("");
        err_.str("");
        args.insert(args.begin(), {"--state", (folder_ / "state").string()});
        return RunStateTool(args, folder_ / "default.state", out_, err_);
    }
    DeviceState Saved() {
        std::ifstream in(folder_ / "state", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return ParseState(text.str()).value();
    }

    std::filesystem::path folder_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(StateTool, HelpNamesEveryCommand) {
    ASSERT_EQ(RunStateTool({"--help"}, folder_ / "state", out_, err_), 0);
    for (const char* command : {"show", "card blank", "card issue", "card remove", "records add",
                                "records clear", "trace", "PROJECT2_STATE", "PROJECT2_TRACE"})
        EXPECT_NE(out_.str().find(command), std::string::npos) << command;
    EXPECT_EQ(RunStateTool({}, folder_ / "state", out_, err_), 2);
}

TEST_F(StateTool, PutsCardsOnTheReader) {
    ASSERT_EQ(Run({"card", "blank"}), 0);
    EXPECT_EQ(Saved().reader.card->ReadHex(1, 2), std::string(64, '0'));
    ASSERT_EQ(Run({"card", "issue", "4660"}), 0);
    EXPECT_EQ(Saved().reader.card->ReadHex(1, 1).substr(0, 6), "001234");
    ASSERT_EQ(Run({"show"}), 0);
    EXPECT_NE(out_.str().find("card 004660"), std::string::npos) << out_.str();
    EXPECT_NE(out_.str().find("personal purse (blocks 4, 5): 100.00 / 100.00"), std::string::npos);
    ASSERT_EQ(Run({"card", "remove"}), 0);
    EXPECT_FALSE(Saved().reader.card.has_value());
}

TEST_F(StateTool, AddsAndClearsTerminalRecords) {
    ASSERT_EQ(Run({"records", "add", "4", "19200", "2", "5"}), 0);
    EXPECT_EQ(Saved().terminals[1].records.size(), 13u);
    ASSERT_EQ(Run({"records", "clear", "4", "19200", "1"}), 0);
    EXPECT_TRUE(Saved().terminals[0].records.empty());
}

TEST_F(StateTool, PrintsTheTrace) {
    std::ofstream(folder_ / "trace.txt") << "getnum(4, 19200, 1) -> 23\n";
    ASSERT_EQ(Run({"trace", (folder_ / "trace.txt").string()}), 0);
    EXPECT_EQ(out_.str(), "getnum(4, 19200, 1) -> 23\n");
}

// A command that only shows never writes: not for a missing file, not for a state file. Names
// show as text.
TEST_F(StateTool, ShowOnlyReads) {
    ASSERT_EQ(Run({"show"}), 0) << err_.str();
    EXPECT_NE(out_.str().find("not there yet"), std::string::npos) << out_.str();
    EXPECT_NE(out_.str().find("name \"张三\""), std::string::npos) << out_.str();
    EXPECT_FALSE(std::filesystem::exists(folder_ / "state"));
    ASSERT_EQ(Run({"card", "issue"}), 0) << err_.str();
    const auto written = std::filesystem::last_write_time(folder_ / "state");
    std::ifstream in(folder_ / "state", std::ios::binary);
    const std::string before{std::istreambuf_iterator<char>(in), {}};
    ASSERT_EQ(Run({"show", "blocks"}), 0) << err_.str();
    EXPECT_NE(out_.str().find("titles \"    欢迎使用    智能IC卡管理系统\""), std::string::npos);
    EXPECT_NE(out_.str().find("info \"IC消费机 V1.06\""), std::string::npos);
    std::ifstream again(folder_ / "state", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(again), {}), before);
    EXPECT_EQ(std::filesystem::last_write_time(folder_ / "state"), written);
}

// A file with a journal, its last change cut short as a crash leaves it: show tells the last
// complete state and leaves the file as it is, tail included.
TEST_F(StateTool, ShowReadsTheJournalAndLeavesItsTail) {
    EmulatorOptions options;
    options.statePath = folder_ / "state";
    {
        Emulator library(options);
        ASSERT_TRUE(library.gskh(4, 19200, 1, 4242));
        ASSERT_TRUE(library.gskh(4, 19200, 1, 4343));
    }
    std::string text;
    {
        std::ifstream in(folder_ / "state", std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    text.resize(text.size() - 5);
    std::ofstream(folder_ / "state", std::ios::binary | std::ios::trunc) << text;
    ASSERT_EQ(Run({"show"}), 0) << err_.str();
    EXPECT_NE(out_.str().find("lost cards 4242\n"), std::string::npos) << out_.str();
    std::ifstream again(folder_ / "state", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(again), {}), text);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "state.broken"));

    // A change by the tool writes the file anew, without the cut tail.
    ASSERT_EQ(Run({"card", "remove"}), 0) << err_.str();
    EXPECT_EQ(Saved().terminals[0].lostCards, std::set<std::uint32_t>{4242});
}

// Every bad input: the exit status, a message naming the file and the cause, no success text,
// and no file changed, moved or made.
TEST_F(StateTool, RefusesBadInputAndChangesNothing) {
    TestFolder files("p2-bad-input-");
    const auto in = [&](const std::string& name) { return files / name; };
    files.Write("text.txt", "my notes\n");
    std::string random(2000, '\0');
    std::mt19937 bytes(11);
    for (char& c : random)
        c = static_cast<char>(bytes());
    files.Write("random.bin", random);
    files.Write("folder/keep", "");
    files.Write("trace.txt", "getnum(4, 19200, 1) -> 23\n");
    ASSERT_EQ(RunStateTool({"--state", in("good.state"), "card", "blank"}, "", out_, err_), 0);
    const std::string notState = " is not a state file, or is damaged; it was left as it is";
    const struct {
        std::vector<std::string> args;
        int status;
        std::string message;
    } cases[] = {
        {{"--state", in("text.txt"), "show"}, 1, in("text.txt") + notState},
        {{"--state", in("random.bin"), "show", "blocks"}, 1, in("random.bin") + notState},
        {{"--state", in("text.txt"), "card", "blank"}, 1, in("text.txt") + notState},
        {{"--state", in("random.bin"), "reset"}, 1, in("random.bin") + notState},
        {{"--state", in("folder"), "show"}, 1, in("folder") + " is a folder, not a state file"},
        {{"--state", in("folder"), "card", "blank"}, 1, in("folder") + " is a folder"},
        {{"--state", "/dev/zero", "show"}, 1, "/dev/zero" + notState},
        {{"--state", in("no/such/x.state"), "card", "blank"},
         1,
         "cannot make the state file " + in("no/such/x.state") + ": the folder " + in("no/such") +
             " does not exist"},
        {{"--state", in("text.txt/x.state"), "reset"}, 1, in("text.txt") + " is not a folder"},
        // A folder in which nothing can be made: the failed save is found and told.
        {{"--state", "/proc/p2state-test.state", "card", "remove"},
         1,
         "the change could not be written to the state file /proc/p2state-test.state"},
        {{"trace", in("folder")}, 1, in("folder") + " is a folder, not a trace file"},
        {{"trace", in("none.txt")}, 1, in("none.txt") + ": no such file"},
        {{"--state"}, 2, "--state needs the name of the state file"},
        {{"--state", ""}, 2, "--state needs the name of the state file"},
        {{"--state", in("good.state")}, 2, "Usage: p2state"},
        {{"--stat", in("good.state"), "show"}, 2, "unknown option \"--stat\""},
        {{"--state", in("good.state"), "show", "all"},
         2,
         "show takes nothing or blocks, not \"all\""},
        {{"--state", in("good.state"), "show", "blocks", "x"}, 2, "not \"x\""},
        {{"trace", in("trace.txt"), "more"}, 2, "trace takes at most one file, not \"more\""},
        {{"--state", in("good.state"), "reset", "now"}, 2, "reset takes nothing, not \"now\""},
        {{"--state", in("good.state"), "blank"}, 2, "unknown command \"blank\""},
        {{"--state", in("good.state"), "card", "flip"}, 2, "card takes blank, issue"},
        {{"--state", in("good.state"), "card", "issue", "1048576"},
         2,
         "\"1048576\" is not a card number: a card number is 0 to 1048575"},
        {{"--state", in("good.state"), "card", "issue", "12x"}, 2, "\"12x\" is not a card number"},
        {{"--state", in("good.state"), "records", "add", "4", "9600", "1", "5"},
         2,
         "no terminal on that port"},
        {{"--state", in("good.state"), "records", "add", "4", "19200", "1"},
         2,
         "records takes add"},
        {{"--state", in("good.state"), "records", "add", "4", "fast", "1", "5"},
         2,
         "\"fast\" is not a baud rate"},
        {{"--state", in("good.state"), "records", "clear", "COM4", "19200", "1"},
         2,
         "\"COM4\" is not a port number"},
        {{"--state", in("good.state"), "records", "add", "4", "19200", "1", "-1"},
         2,
         "\"-1\" is not a number of records"},
    };
    const auto before = files.Snapshot();
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        out_.str("");
        err_.str("");
        EXPECT_EQ(RunStateTool(c.args, in("default.state"), out_, err_), c.status);
        EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
        EXPECT_EQ(out_.str(), "");
        EXPECT_EQ(files.Snapshot(), before);
    }
    EXPECT_FALSE(std::filesystem::exists("/proc/p2state-test.state"));
}

} // namespace
} // namespace emulator
