#include "tests/win/skin/SkinTestSupport.h"

#include "skin/SkinImageGdi.h"
#include "tools/BmpWrite.h"
#include "tools/SkinPack.h"

#include <utility>

FramePicture PaintFrameToMemory(TCustomForm& form) {
    RECT r{};
    GetWindowRect(form.Handle(), &r);
    FramePicture picture;
    picture.width = r.right - r.left;
    picture.height = r.bottom - r.top;
    TBitmap bitmap;
    bitmap.SetSize(picture.width, picture.height);
    HDC dc = bitmap.Canvas()->Handle();
    const LRESULT reply =
        form.Perform(skinmsg::kPaintFrameTo, reinterpret_cast<WPARAM>(dc), skinmsg::kMagic);
    EXPECT_EQ(reply, skinmsg::kMagic);
    GdiFlush();
    picture.pixels = bitmap.Pixels();
    return picture;
}

std::uint32_t ElementPixel(const SkinImage& image, int frames, int number, bool stacked, int x,
                           int y) {
    const TBmpImage& p = image.Pixels();
    if (stacked)
        return p.At(x, (p.height / frames) * (number - 1) + y) & 0xFFFFFF;
    return p.At((p.width / frames) * (number - 1) + x, y) & 0xFFFFFF;
}

namespace {

std::vector<std::uint8_t> Bmp(int width, int height, std::uint32_t fill,
                              bool magentaCorners = false) {
    std::vector<std::uint32_t> pixels(std::size_t(width) * height, fill);
    if (magentaCorners) {
        pixels[0] = 0xFF00FF;
        pixels[std::size_t(width) - 1] = 0xFF00FF;
    }
    return EncodeBmp24(width, height, pixels);
}

} // namespace

std::vector<std::uint8_t> PlainEdgeSkin(bool transparentCorners) {
    const std::string trans = transparentCorners ? "1" : "0";
    const std::string ini = "[Personality]\nLeft=l.bmp\nLeftFrame=1\nLeftTrans=" + trans +
                            "\nRight=l.bmp\nRightFrame=1\nRightTrans=" + trans +
                            "\nTop=t.bmp\nTopFrame=1\nTopTrans=" + trans +
                            "\nBottom=b.bmp\nBottomFrame=1\nBottomTrans=0\n"
                            "[ButtonClose]\nAction=0\nAlign=1\nXcoord=20\nYcoord=2\nFrame=1\n"
                            "ButtonImage=c.bmp\n";
    std::vector<SkinEntry> entries{
        {"plain.ini", {ini.begin(), ini.end()}},
        {"l.bmp", Bmp(5, 20, 0x204080)},
        {"t.bmp", Bmp(40, 22, 0x204080, transparentCorners)},
        {"b.bmp", Bmp(40, 5, 0x204080)},
        {"c.bmp", Bmp(16, 16, 0xC00000)},
    };
    return PackSkin(BuildSkinPackage(entries));
}

LRESULT CALLBACK PostLog::Hook(int code, WPARAM wParam, LPARAM lParam) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->hwnd == window &&
        (msg->message == WM_SYSCOMMAND || msg->message == WM_CLOSE || msg->message == WM_COMMAND ||
         msg->message == skinmsg::kButtonAction)) {
        posted.emplace_back(msg->message, msg->wParam & 0xFFF0);
        msg->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK MenuCloser::Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu))
        return;
    // Taking the picture pumps messages, this timer's among them.
    if (const char* name = std::exchange(screenshot, nullptr)) {
        SaveScreenshot(GetDesktopWindow(), name);
        return;
    }
    ++opened;
    EndMenu();
}

void SkinnedMainWindowTest::SetUp() {
    form_ = std::make_unique<TForm1>(nullptr);
    // The window first shows unskinned, so tests can compare before and after.
    ASSERT_NE(SkinManager(), nullptr);
    SkinManager()->Enabled = false;
    form_->Show();
    PumpMessages();
}

void SkinnedMainWindowTest::TearDown() {
    form_.reset();
    PumpMessages();
    DestroySkinManager();
}

TVarUdedForm* SkinnedMainWindowTest::Skin() {
    TSkinManage* manager = SkinManager();
    manager->Enabled = true;
    // The window may have been skinned already by the manager's hook, on an activation.
    manager->SkinWindow(Window());
    skinner_ = manager->SkinnerOf(Window());
    EXPECT_NE(skinner_, nullptr);
    if (skinner_)
        WaitFor([&] { return skinner_->SkinState() == TSkinState::Active; });
    PumpMessages(20);
    return skinner_;
}

RECT SkinnedMainWindowTest::ClientOnScreen() {
    RECT r{};
    GetClientRect(Window(), &r);
    MapWindowPoints(Window(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT SkinnedMainWindowTest::WindowRect() {
    RECT r{};
    GetWindowRect(Window(), &r);
    return r;
}
