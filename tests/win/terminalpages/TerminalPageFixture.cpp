#include "tests/win/terminalpages/TerminalPageFixture.h"

#include "devlib/GbkText.h"

#include <cstdio>
#include <fstream>
#include <sstream>

void PressButton(TButton* button) {
    HWND h = button->Handle();
    SendMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), BN_CLICKED),
                 reinterpret_cast<LPARAM>(h));
}

void PostButtonClick(TButton* button) {
    HWND h = button->Handle();
    PostMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), BN_CLICKED),
                 reinterpret_cast<LPARAM>(h));
}

std::filesystem::path RecordFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path() / L"db";
}

std::set<std::filesystem::path> RecordFiles() {
    std::set<std::filesystem::path> files;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(RecordFolder(), ignored))
        files.insert(entry.path());
    return files;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Record(int n) {
    char text[64];
    std::snprintf(text, sizeof text, "%03d%07d20240506123045%07d%08d%06d0041", n % 1000, n,
                  n % 10000000, 100000, n % 1000000);
    return std::string(text, 49);
}

std::string Records(int first, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += Record(first + i);
    return text;
}

void TerminalPageTest::SetUp() {
    filesBefore_ = RecordFiles();
    MainWindowTest::SetUp();
}

void TerminalPageTest::TearDown() {
    MainWindowTest::TearDown();
    for (const auto& file : NewRecordFiles()) {
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
    }
}

std::vector<std::filesystem::path> TerminalPageTest::NewRecordFiles() const {
    std::vector<std::filesystem::path> made;
    for (const auto& file : RecordFiles()) {
        if (!filesBefore_.count(file))
            made.push_back(file);
    }
    return made;
}

std::vector<std::wstring> TerminalPageTest::TakeShown() {
    std::vector<std::wstring> texts;
    for (const ShownMessage& m : boxes_.Shown())
        texts.push_back(m.text);
    boxes_.Clear();
    return texts;
}

void TerminalPageTest::ExpectOneBox(const std::wstring& text, const std::wstring& caption,
                                    unsigned flags) {
    ASSERT_EQ(boxes_.Shown().size(), 1u);
    const ShownMessage& box = boxes_.Shown()[0];
    EXPECT_EQ(U8(box.text), U8(text));
    EXPECT_EQ(U8(box.caption), U8(caption));
    EXPECT_EQ(box.flags, flags);
    boxes_.Clear();
}

void TerminalPageTest::ExpectErrorDisplay(const std::wstring& message) {
    ExpectOneBox(message + L".", Application->Title(), MB_OK | MB_ICONSTOP);
}
