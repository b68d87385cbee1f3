#include "framework/ImgList.h"

#include "framework/Bitmap.h"
#include "framework/DisabledImage.h"
#include "framework/GlyphDraw.h"

#include <vector>

const TClassInfo& TCustomImageList::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TCustomImageList, TComponent>(
        "TCustomImageList",
        [](PropBuilder<TCustomImageList>& b) {
            b.Int("Width", &TCustomImageList::Width, &TCustomImageList::SetWidth)
                .Int("Height", &TCustomImageList::Height, &TCustomImageList::SetHeight);
        },
        false);
    return info;
}

const TClassInfo& TImageList::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TImageList, TCustomImageList>("TImageList", nullptr, true);
    return info;
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList() {
    FreeHandle();
}

void TCustomImageList::FreeHandle() {
    if (handle_)
        ImageList_Destroy(handle_);
    handle_ = nullptr;
}

void TCustomImageList::SetWidth(int width) {
    if (width == width_ || width <= 0)
        return;
    width_ = width;
    FreeHandle();
}

void TCustomImageList::SetHeight(int height) {
    if (height == height_ || height <= 0)
        return;
    height_ = height;
    FreeHandle();
}

HIMAGELIST TCustomImageList::Handle() const {
    if (!handle_)
        handle_ = ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 4, 4);
    return handle_;
}

int TCustomImageList::Count() const {
    return handle_ ? ImageList_GetImageCount(handle_) : 0;
}

int TCustomImageList::AddMasked(HBITMAP bitmap, COLORREF maskColor) {
    if (!bitmap || !Handle())
        return -1;
    // ImageList_AddMasked changes the masked pixels of the bitmap it is given to black, so it
    // gets a copy and the caller's bitmap stays as it was.
    HBITMAP copy = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
    if (!copy)
        return -1;
    const int index = ImageList_AddMasked(handle_, copy, maskColor);
    DeleteObject(copy);
    return index;
}

void TCustomImageList::Clear() {
    if (handle_)
        ImageList_RemoveAll(handle_);
}

void TCustomImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const {
    if (!handle_ || index < 0 || index >= Count())
        return;
    if (enabled) {
        ImageList_Draw(handle_, index, dc, x, y, ILD_TRANSPARENT);
        return;
    }
    // The image on white and its mask, read back as pixels, give the greyed shape.
    TBitmap image;
    TBitmap mask;
    image.SetSize(width_, height_);
    mask.SetSize(width_, height_);
    if (image.Empty() || mask.Empty())
        return;
    TCanvas* canvas = image.Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect({0, 0, width_, height_});
    ImageList_Draw(handle_, index, canvas->Handle(), 0, 0, ILD_NORMAL);
    ImageList_Draw(handle_, index, mask.Canvas()->Handle(), 0, 0, ILD_MASK);
    const std::vector<std::uint32_t> pixels = image.Pixels();
    const std::vector<std::uint32_t> maskPixels = mask.Pixels();
    std::vector<std::uint8_t> transparent(maskPixels.size());
    for (size_t i = 0; i < maskPixels.size(); ++i)
        transparent[i] = maskPixels[i] != 0; // white in the mask: not part of the image
    DrawDisabledShape(dc, x, y, width_, height_,
                      DisabledShape(width_, height_, pixels, transparent));
}
