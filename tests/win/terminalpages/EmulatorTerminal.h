#pragma once
// The main window against the emulator library, each test with its own copy of project2.dll
// and its own state file.
//
// The library reads PROJECT2_STATE once, at its first call, and keeps one device model per
// loaded module; a state file that does not exist yet gives a new installation (terminals 1 and
// 2 on port 4 at 19200 baud, with stored records). So each test points PROJECT2_STATE at a new
// temporary file holding a new installation and loads a private copy of the library, which
// starts from that file: no test sees another's terminals. What the terminals hold is read back
// from the state file, which the library writes after every change.

#include "emulator/DeviceState.h"
#include "tests/win/common/PrivateLibrary.h"
#include "tests/win/terminalpages/TerminalPageFixture.h"

#include <filesystem>
#include <memory>

class EmulatorTerminalTest : public MainWindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    void Press(const wchar_t* button) { PressButton(Get<TButton>(button)); }
    // The devices as the library last saved them.
    emulator::DeviceState State() const;
    // The terminal on port 4 with this machine number, at any baud rate; fails the test when
    // there is none.
    emulator::Terminal TerminalOf(int machine) const;
    std::vector<std::wstring> TakeShown() { return boxes_.TakeTexts(); }
    std::vector<std::filesystem::path> NewRecordFiles() const;
    void ShowPage(int index);

private:
    PrivateLibrary library_;
    std::set<std::filesystem::path> filesBefore_;
};
