#include "tests/win/common/WinTest.h"

#include <gtest/gtest.h>

MessageBoxRecorder::MessageBoxRecorder() : previous_(Application->MessageBoxHook) {
    Application->MessageBoxHook = [this](const std::wstring& text, const std::wstring& caption,
                                         unsigned flags) {
        shown_.push_back({text, caption, flags});
        if (answers_.empty())
            return (flags & 0xF) == MB_YESNO ? IDYES : IDOK;
        int answer = answers_.front();
        answers_.pop_front();
        return answer;
    };
}

MessageBoxRecorder::~MessageBoxRecorder() {
    Application->MessageBoxHook = previous_;
}

void PumpMessages(int milliseconds) {
    DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        Application->ProcessMessages();
        if (milliseconds > 0)
            Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

std::string U8(const std::wstring& text) {
    return Utf8FromWide(text);
}

// Window tests run inside one application, as the program does.
int main(int argc, char** argv) {
    TApplication application;
    application.Initialize();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
