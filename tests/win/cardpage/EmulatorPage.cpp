#include "tests/win/cardpage/EmulatorPage.h"

#include "emulator/StateTool.h"

#include <sstream>

void EmulatorPageTest::SetUp() {
    library_.Open(L"cardpage-");
    if (HasFatalFailure())
        return;
    MainWindowTest::SetUp();
}

void EmulatorPageTest::TearDown() {
    MainWindowTest::TearDown();
    library_.Close();
}

void EmulatorPageTest::StateTool(const std::string& commandLine) {
    // The tool reads its command line as UTF-8.
    const std::u8string statePath = library_.StatePath().u8string();
    std::vector<std::string> args{"--state", std::string(statePath.begin(), statePath.end())};
    std::istringstream words(commandLine);
    for (std::string word; words >> word;)
        args.push_back(word);
    std::ostringstream out, err;
    ASSERT_EQ(emulator::RunStateTool(args, library_.StatePath(), out, err), 0) << err.str();
}
