#include "tests/win/common/WinTest.h"

#include "skin/SkinClasses.h"

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

std::vector<std::wstring> MessageBoxRecorder::TakeTexts() {
    std::vector<std::wstring> texts;
    for (const ShownMessage& m : shown_)
        texts.push_back(m.text);
    shown_.clear();
    return texts;
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

void SaveScreenshot(HWND window, const std::string& name) {
    wchar_t dir[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"DEVTOOL_SCREENSHOT_DIR", dir, MAX_PATH))
        return;
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    PumpMessages(100);
    RECT r;
    GetWindowRect(window, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h; // bottom-up, as BMP files store rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    // What the screen shows in the window's place, frame included.
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    int stride = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(bi.bmiHeader);
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(stride * h);
    std::wstring path = std::wstring(dir) + L"\\" + WideFromUtf8(name) + L".bmp";
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
        DWORD written;
        WriteFile(f, &fh, sizeof(fh), &written, nullptr);
        WriteFile(f, &bi.bmiHeader, sizeof(bi.bmiHeader), &written, nullptr);
        WriteFile(f, bits, static_cast<DWORD>(stride * h), &written, nullptr);
        CloseHandle(f);
    }
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
}

int GdiObjectCount() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0)
        return static_cast<int>(counted);
    int live = 0;
    for (UINT_PTR index = 1; index < 0x10000; ++index)
        live += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
    return live;
}

namespace {
BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}
BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountWindow, count);
    return TRUE;
}
} // namespace

int ThreadWindowCount() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren,
                      reinterpret_cast<LPARAM>(&count));
    return count;
}

// Window tests run inside one application, as the program does.
int main(int argc, char** argv) {
    TApplication application;
    application.Initialize();
    RegisterSkinClasses();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
