#pragma once
// Helpers of the window tests: the application they run in, message boxes answered and
// written down, and message pumping.

#include "framework/Forms.h"

#include <deque>
#include <string>
#include <vector>

struct ShownMessage {
    std::wstring text;
    std::wstring caption;
    unsigned flags = 0;
};

// Answers every message box while it lives; the answers queue up (IDOK by default) and the
// boxes shown are kept in order.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    void Answer(int button) { answers_.push_back(button); }
    const std::vector<ShownMessage>& Shown() const { return shown_; }
    void Clear() { shown_.clear(); }
    // The texts of the boxes shown so far, which are then forgotten.
    std::vector<std::wstring> TakeTexts();

private:
    std::vector<ShownMessage> shown_;
    std::deque<int> answers_;
    TMessageBoxHook previous_;
};

// Handles waiting messages for about `milliseconds`.
void PumpMessages(int milliseconds = 0);

// Saves what a top-level window shows as a 24-bit BMP file named `name` + ".bmp" in the folder
// of the environment variable DEVTOOL_SCREENSHOT_DIR; does nothing when it is not set.
void SaveScreenshot(HWND window, const std::string& name);

// The process's live GDI objects. Wine does not count them in GetGuiResources; there every
// live object still answers to its handle's table index alone, so the table is scanned.
int GdiObjectCount();
// Windows of the calling thread, child windows included.
int ThreadWindowCount();

// UTF-8 form of wide text, for readable assertion messages.
std::string U8(const std::wstring& text);
