#pragma once
// The main window with the recording fake in place of the terminal library, for tests of the
// two terminal pages: clicks that reach hidden buttons too, the boxes shown, and the record
// files a download leaves in the folder "db" beside the test program.

#include "tests/win/common/FakeLibrary.h"
#include "tests/win/common/MainWindowFixture.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

// The notification a button's parent receives when the button is clicked. Sent directly, it
// reaches the hidden buttons of the pages through the same window procedures, and the same
// error display, as a click by the operator.
void PressButton(TButton* button);
// The same click, posted: it runs when the window next processes its messages.
void PostButtonClick(TButton* button);

// The folder "db" beside the test program and the files in it.
std::filesystem::path RecordFolder();
std::set<std::filesystem::path> RecordFiles();
std::string ReadBytes(const std::filesystem::path& path);

// Records as a terminal sends them: 49 digits, distinct per number.
std::string Record(int n);
std::string Records(int first, int count);

class TerminalPageTest : public MainWindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    void Press(const wchar_t* button) { PressButton(Get<TButton>(button)); }
    std::vector<std::string> Calls() const { return fake_.Calls(); }
    // The texts of the boxes shown so far, and forgets them.
    std::vector<std::wstring> TakeShown();
    // Exactly one box was shown, with this text, caption and style; forgets it.
    void ExpectOneBox(const std::wstring& text, const std::wstring& caption, unsigned flags);
    void ExpectInformation(const std::wstring& text) {
        ExpectOneBox(text, L"提示", MB_OK | MB_ICONINFORMATION);
    }
    void ExpectWarning(const std::wstring& text) {
        ExpectOneBox(text, L"警告", MB_OK | MB_ICONERROR);
    }
    // An error through the application's default error display.
    void ExpectErrorDisplay(const std::wstring& message);
    // The standard conversion error, shown that way.
    void ExpectConversionError(const std::wstring& message) { ExpectErrorDisplay(message); }
    // Record files a download made during this test.
    std::vector<std::filesystem::path> NewRecordFiles() const;

    FakeLibrary fake_;

private:
    std::set<std::filesystem::path> filesBefore_;
};
