#pragma once
// What the skin window tests share: the main window skinned with its own skin component, a
// frame painted into memory, and small packed skins made on the spot.

#include "app/Form1.h"
#include "skin/VarUdedData.h"
#include "skin/VarUdedForm.h"
#include "tests/win/common/WinTest.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Pixels of a window's frame painted into memory: 0x00RRGGBB, rows top-down.
struct FramePicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

// Asks the skinner to paint the frame into a memory bitmap of the window's size.
FramePicture PaintFrameToMemory(TCustomForm& form);

// The pixel (0x00RRGGBB) of frame `number` of an element image, at (x, y) of that frame.
std::uint32_t ElementPixel(const SkinImage& image, int frames, int number, bool stacked, int x,
                           int y);

// A packed skin with four plain edges (no transparency unless asked) and a close button.
std::vector<std::uint8_t> PlainEdgeSkin(bool transparentCorners);

// Pumps messages until the predicate holds or about two seconds pass.
template <class Predicate> bool WaitFor(Predicate done) {
    for (int i = 0; i < 200 && !done(); ++i)
        PumpMessages(10);
    return done();
}

// Posted commands, system commands, closes and button actions of one window, written down and then
// dropped, so nothing really runs. Install with SetWindowsHookExW(WH_GETMESSAGE, ...).
struct PostLog {
    static inline HWND window = nullptr;
    static inline std::vector<std::pair<UINT, WPARAM>> posted;
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
};

// A thread timer callback that closes each menu that opens, counting them; the first one is
// pictured first when a screenshot name is set.
struct MenuCloser {
    static inline int opened = 0;
    static inline const char* screenshot = nullptr;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
};

class SkinnedMainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Attaches the window skinner and waits for its activation.
    TVarUdedForm* Skin();
    TForm1& Form() { return *form_; }
    HWND Window() { return form_->Handle(); }
    TSkinData& Data() { return *form_->Control<TSkinData>(L"SkinData1"); }
    RECT ClientOnScreen();
    RECT WindowRect();

    MessageBoxRecorder boxes_;
    std::unique_ptr<TForm1> form_;
    TVarUdedForm* skinner_ = nullptr;
};
