#pragma once
// The main window against the emulator library, each test with its own copy of project2.dll
// and its own state file.
//
// The library reads PROJECT2_STATE once, at its first call, and keeps one device model per
// loaded module; a state file that does not exist yet gives a new installation (the demo card
// on port 3). So each test points PROJECT2_STATE at a new temporary file and loads a private
// copy of the library, which starts from that file: no test sees another's cards.

#include "devlib/TerminalLibrary.h"
#include "tests/win/cardpage/ClickNotification.h"
#include "tests/win/common/MainWindowFixture.h"

#include <filesystem>
#include <memory>
#include <string>

class EmulatorPageTest : public MainWindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the state tool on this test's state file, as the operator would with p2state.
    void StateTool(const std::string& commandLine);
    void Press(const wchar_t* button) { SendClickNotification(Get<TButton>(button)->Handle()); }
    void Enter(const wchar_t* box) { Type(box, L'\r'); }
    std::wstring Status() { return StatusOf(L"sb"); }
    // The texts of the message boxes shown so far, and forgets them.
    std::vector<std::wstring> TakeShown();

private:
    std::filesystem::path state_;
    std::filesystem::path library_;
    HMODULE module_ = nullptr;
    TerminalLibrary table_;
    std::unique_ptr<ScopedLibrary> scope_;
};
