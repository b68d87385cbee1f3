#include "emulator/StateTool.h"

#include "emulator/StateFile.h"

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
    EXPECT_NE(Run({"card", "issue", "1048576"}), 0);
    EXPECT_NE(Run({"card", "issue", "12x"}), 0);
}

TEST_F(StateTool, AddsAndClearsTerminalRecords) {
    ASSERT_EQ(Run({"records", "add", "4", "19200", "2", "5"}), 0);
    EXPECT_EQ(Saved().terminals[1].records.size(), 13u);
    ASSERT_EQ(Run({"records", "clear", "4", "19200", "1"}), 0);
    EXPECT_TRUE(Saved().terminals[0].records.empty());
    EXPECT_NE(Run({"records", "add", "4", "9600", "2", "5"}), 0);
    EXPECT_NE(err_.str().find("no terminal"), std::string::npos);
    EXPECT_NE(Run({"records", "add", "4", "19200", "2"}), 0);
}

TEST_F(StateTool, PrintsTheTrace) {
    std::ofstream(folder_ / "trace.txt") << "getnum(4, 19200, 1) -> 23\n";
    ASSERT_EQ(Run({"trace", (folder_ / "trace.txt").string()}), 0);
    EXPECT_EQ(out_.str(), "getnum(4, 19200, 1) -> 23\n");
    EXPECT_NE(Run({"trace", (folder_ / "none.txt").string()}), 0);
}

} // namespace
} // namespace emulator
