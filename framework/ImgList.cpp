#include "framework/ImgList.h"

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
    // Greyed: the image's shape in the shadow colour, offset by the highlight colour.
    IMAGELISTDRAWPARAMS params{};
    params.cbSize = sizeof(params);
    params.himl = handle_;
    params.i = index;
    params.hdcDst = dc;
    params.x = x;
    params.y = y;
    params.rgbBk = CLR_NONE;
    params.rgbFg = CLR_DEFAULT;
    params.fStyle = ILD_TRANSPARENT;
    params.fState = ILS_SATURATE;
    if (!ImageList_DrawIndirect(&params))
        ImageList_DrawEx(handle_, index, dc, x, y, 0, 0, CLR_NONE, GetSysColor(COLOR_BTNSHADOW),
                         ILD_BLEND50);
}
