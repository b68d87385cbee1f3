#include "tests/win/terminalpages/EmulatorTerminal.h"

#include "emulator/Installation.h"
#include "emulator/LocalTime.h"
#include "emulator/StateFile.h"

void EmulatorTerminalTest::SetUp() {
    filesBefore_ = RecordFiles();
    // A new installation written out at once, so the state file can be read back before the
    // first command changes it.
    library_.Open(L"terminal-", [](const std::filesystem::path& state) {
        ASSERT_TRUE(emulator::StateFile(state).Save(
            emulator::NewInstallation(emulator::LocalNowSeconds())));
    });
    if (HasFatalFailure())
        return;
    MainWindowTest::SetUp();
}

void EmulatorTerminalTest::TearDown() {
    MainWindowTest::TearDown();
    library_.Close();
    std::error_code ignored;
    for (const auto& file : NewRecordFiles())
        std::filesystem::remove(file, ignored);
}

emulator::DeviceState EmulatorTerminalTest::State() const {
    emulator::StateFile file(library_.StatePath());
    emulator::StateFile::LoadResult loaded = file.Load();
    EXPECT_EQ(loaded.status, emulator::StateFile::Status::Loaded);
    return loaded.state;
}

emulator::Terminal EmulatorTerminalTest::TerminalOf(int machine) const {
    for (const emulator::Terminal& terminal : State().terminals) {
        if (terminal.port == 4 && terminal.machine == machine)
            return terminal;
    }
    ADD_FAILURE() << "no terminal with machine number " << machine;
    return {};
}

std::vector<std::filesystem::path> EmulatorTerminalTest::NewRecordFiles() const {
    std::vector<std::filesystem::path> made;
    for (const auto& file : RecordFiles()) {
        if (!filesBefore_.count(file))
            made.push_back(file);
    }
    return made;
}

void EmulatorTerminalTest::ShowPage(int index) {
    Get<TPageControl>(L"PageControl1")->SetActivePageIndex(index);
    PumpMessages(50);
}
