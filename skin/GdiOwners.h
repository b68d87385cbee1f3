#pragma once
// Small owners for GDI handles and device-context state: each destructor deletes, releases or
// restores what its constructor took, so painting code keeps no old handles and no clean-up
// paths of its own.

#include <windows.h>

#include <utility>

namespace skin {

// Owns a GDI object (bitmap, region, brush, pen, font): DeleteObject on destruction.
template <typename Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Gives the handle up to the caller, who then deletes it.
    Handle Release() { return std::exchange(handle_, nullptr); }
    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr) {
            DeleteObject(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using GdiBitmap = GdiObject<HBITMAP>;
using GdiRegion = GdiObject<HRGN>;
using GdiBrush = GdiObject<HBRUSH>;

// A memory device context: CreateCompatibleDC on construction, DeleteDC on destruction.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith = nullptr) : dc_(CreateCompatibleDC(compatibleWith)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC() {
        if (dc_ != nullptr) {
            DeleteDC(dc_);
        }
    }
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};

// The screen's device context: GetDC(nullptr), ReleaseDC on destruction.
class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) {}
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    ~ScreenDC() {
        if (dc_ != nullptr) {
            ReleaseDC(nullptr, dc_);
        }
    }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// A window's whole-window device context: GetWindowDC, released on destruction.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a device context and selects the previous one back on destruction.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;
    ~SelectScope() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }
    // False when the object could not be selected (a bitmap already selected elsewhere).
    bool Selected() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// SaveDC on construction, RestoreDC on destruction: origins, clipping and colours come back.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), level_(SaveDC(dc)) {}
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;
    ~SavedDC() {
        if (level_ != 0) {
            RestoreDC(dc_, level_);
        }
    }

private:
    HDC dc_;
    int level_;
};

// Sets the background and text colours of a device context and restores both on destruction.
class DcColoursScope {
public:
    DcColoursScope(HDC dc, COLORREF background, COLORREF text)
        : dc_(dc), background_(SetBkColor(dc, background)), text_(SetTextColor(dc, text)) {}
    DcColoursScope(const DcColoursScope&) = delete;
    DcColoursScope& operator=(const DcColoursScope&) = delete;
    ~DcColoursScope() {
        SetBkColor(dc_, background_);
        SetTextColor(dc_, text_);
    }

private:
    HDC dc_;
    COLORREF background_;
    COLORREF text_;
};

} // namespace skin
