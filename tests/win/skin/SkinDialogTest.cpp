// Message boxes of the system skinned by the window skinner.

#include "tests/win/skin/SkinTestSupport.h"

namespace {

struct BoxWatch {
    TSkinData* data = nullptr;
    std::wstring caption;
    RECT before{};
    RECT after{};
    RECT buttonBefore{};
    RECT buttonAfter{};
    bool skinned = false;
    HWND box = nullptr;
    std::unique_ptr<TVarUdedForm> skinner;
};

BoxWatch* g_watch = nullptr;

HWND FindButton(HWND box) {
    return FindWindowExW(box, nullptr, L"Button", nullptr);
}

// Runs inside the message box's loop: once the box shows, skins it and notes its size; a
// moment later saves a picture of it and closes it.
void CALLBACK SkinTheBox(HWND, UINT, UINT_PTR id, DWORD) {
    BoxWatch& w = *g_watch;
    if (w.skinner) {
        KillTimer(nullptr, id);
        SaveScreenshot(w.box, "skinned-message-box");
        w.skinner.reset();
        PostMessageW(w.box, WM_COMMAND, IDOK, 0);
        return;
    }
    w.box = FindWindowW(L"#32770", w.caption.c_str());
    if (!w.box || !IsWindowVisible(w.box))
        return;
    GetWindowRect(w.box, &w.before);
    GetWindowRect(FindButton(w.box), &w.buttonBefore);
    w.skinner = std::make_unique<TVarUdedForm>(nullptr);
    w.skinner->SetWindow(w.box, L"#32770");
    w.skinner->AttachWindow(w.data);
    SendMessageW(w.box, skinmsg::kActivate, 0, 1000);
    w.skinned = SendMessageW(w.box, skinmsg::kIsSkinned, 0, 0) == 1;
    GetWindowRect(w.box, &w.after);
    GetWindowRect(FindButton(w.box), &w.buttonAfter);
}

class SkinDialogTest : public SkinnedMainWindowTest {};

} // namespace

TEST_F(SkinDialogTest, LongMessageBoxCaptionWidensTheBox) {
    BoxWatch watch;
    watch.data = &Data();
    watch.caption = L"提示：这是一个很长很长的消息框标题，用来检查对话框会不会变宽 " +
                    std::wstring(L"(caption wider than the box)");
    g_watch = &watch;
    SetTimer(nullptr, 0, 200, SkinTheBox);
    MessageBoxW(Window(), L"短", watch.caption.c_str(), MB_OK);
    g_watch = nullptr;
    ASSERT_TRUE(watch.skinned);
    const int widthBefore = watch.before.right - watch.before.left;
    const int widthAfter = watch.after.right - watch.after.left;
    EXPECT_GT(widthAfter, widthBefore);
    // The caption fits between its shift and the right clip.
    const TDataSkinTitle& title = *Data().Elements().Title;
    EXPECT_GE(widthAfter - title.TextShift() - title.TextRightClip(), 300);
    // The widened box stays on the screen.
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(watch.after.right, work.right);
    EXPECT_GE(watch.after.left, work.left);
    // Children move right by half the widening.
    const int shift =
        (watch.buttonAfter.left - watch.after.left) - (watch.buttonBefore.left - watch.before.left);
    const int widening = widthAfter - widthBefore;
    EXPECT_NEAR(shift, widening / 2, 6);
}
