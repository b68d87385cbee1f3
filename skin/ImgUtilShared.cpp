#include "skin/ImgUtilShared.h"

#include <memory>

namespace skin {

namespace {

// Painting happens on the one GUI thread, so the count needs no lock.
int users = 0;
std::unique_ptr<PaintScratch> scratch;

} // namespace

PaintScratch::PaintScratch() {
    if (dc_) {
        SetStretchBltMode(dc_.Get(), COLORONCOLOR);
    }
}

HDC PaintScratch::Prepare(int width, int height) {
    if (!dc_ || width <= 0 || height <= 0) {
        return nullptr;
    }
    if (bitmap_ && width == width_ && height == height_) {
        return dc_.Get();
    }
    GdiBitmap fresh;
    {
        ScreenDC screen;
        fresh.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
    }
    if (!fresh) {
        return nullptr;
    }
    select_.reset();
    bitmap_ = std::move(fresh);
    select_.emplace(dc_.Get(), bitmap_.Get());
    width_ = width;
    height_ = height;
    return dc_.Get();
}

PaintScratchUse::PaintScratchUse() {
    if (users++ == 0) {
        scratch = std::make_unique<PaintScratch>();
    }
}

PaintScratchUse::~PaintScratchUse() {
    if (--users == 0) {
        scratch.reset();
    }
}

PaintScratch& PaintScratchUse::Scratch() const {
    return *scratch;
}

PaintScratch* SharedPaintScratch() {
    return scratch.get();
}

int PaintScratchUsers() {
    return users;
}

GradientCache& SharedGradientCache() {
    static GradientCache cache;
    return cache;
}

} // namespace skin
