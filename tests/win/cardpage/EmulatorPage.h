#pragma once
// The main window against the emulator library, each test with its own copy of project2.dll
// and its own state file (the demo card on port 3 to begin with).

#include "tests/win/cardpage/ClickNotification.h"
#include "tests/win/common/MainWindowFixture.h"
#include "tests/win/common/PrivateLibrary.h"

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
    std::vector<std::wstring> TakeShown() { return boxes_.TakeTexts(); }

private:
    PrivateLibrary library_;
};
