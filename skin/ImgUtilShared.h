#pragma once
// What the painters share across the process: a scratch picture and a string list, made when
// the first user starts and freed when the last one ends, and the gradient table cache.

#include "skin/GdiOwners.h"
#include "skin/ImgUtilGradient.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace skin {

// A memory context holding a picture that painters draw into before one copy to the screen,
// with stretch mode COLORONCOLOR.
class PaintScratch {
public:
    PaintScratch();
    PaintScratch(const PaintScratch&) = delete;
    PaintScratch& operator=(const PaintScratch&) = delete;

    // The context with a picture of exactly this size selected (made again when the size
    // changes); null when GDI refuses.
    HDC Prepare(int width, int height);
    HDC Dc() const { return dc_.Get(); }
    HBITMAP Bitmap() const { return bitmap_.Get(); }
    std::vector<std::wstring>& Strings() { return strings_; }

private:
    // Declared so that the picture is deselected before it is deleted, and both before the DC.
    MemoryDC dc_;
    GdiBitmap bitmap_;
    std::optional<SelectScope> select_;
    int width_ = 0;
    int height_ = 0;
    std::vector<std::wstring> strings_;
};

// One user of the shared scratch: the first one made creates it, the last one gone frees it.
class PaintScratchUse {
public:
    PaintScratchUse();
    PaintScratchUse(const PaintScratchUse&) = delete;
    PaintScratchUse& operator=(const PaintScratchUse&) = delete;
    ~PaintScratchUse();

    PaintScratch& Scratch() const;
};

// The shared scratch, or null while nobody uses it.
PaintScratch* SharedPaintScratch();
int PaintScratchUsers();

// The process's gradient tables; released when the process ends.
GradientCache& SharedGradientCache();

} // namespace skin
