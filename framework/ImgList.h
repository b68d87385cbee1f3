#pragma once
// A list of equal-sized images kept in one system image list, drawn by index, with a key colour
// for transparency and a greyed form for disabled items.

#include "framework/Classes.h"

#include <windows.h>

#include <commctrl.h>

class TCustomImageList : public TComponent {
    DEVTOOL_CLASS(TCustomImageList)
public:
    explicit TCustomImageList(TComponent* owner);
    ~TCustomImageList() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size drops every image.
    void SetWidth(int width);
    void SetHeight(int height);
    int Count() const;

    // Cuts the bitmap into images of the list's size, left to right; pixels of maskColor
    // (0x00BBGGRR) become transparent. The bitmap stays the caller's. Answers the index of the
    // first image added, or -1.
    int AddMasked(HBITMAP bitmap, COLORREF maskColor);
    void Clear();

    // Draws image `index` with its top-left corner at (x, y); a disabled image is drawn greyed:
    // its dark opaque pixels embossed in the button highlight and shadow colours.
    void Draw(HDC dc, int x, int y, int index, bool enabled = true) const;

    // Wraps the system image list (ImageList_Create on first use).
    HIMAGELIST Handle() const;

private:
    void FreeHandle();
    int width_ = 16;
    int height_ = 16;
    mutable HIMAGELIST handle_ = nullptr;
};

class TImageList : public TCustomImageList {
    DEVTOOL_CLASS(TImageList)
public:
    using TCustomImageList::TCustomImageList;
};
