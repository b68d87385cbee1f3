#include "skin/SkinImageGdi.h"

#include "skin/GdiOwners.h"
#include "skin/ImgUtilDib.h"

namespace {

constexpr int kComboCell = 50;
constexpr int kComboHeight = 21;

// A 32-bit DIB section of the pixels (both use 0x00RRGGBB rows top-down).
HBITMAP MakeBitmap(const TBmpImage& image) {
    skin::DibSection dib = skin::DibSection::Create(image.width, image.height, 32);
    if (!dib) {
        return nullptr;
    }
    const skin::PixelView view = dib.Pixels();
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(view.Row(y));
        for (int x = 0; x < image.width; ++x) {
            row[x] = image.At(x, y) & 0xFFFFFF;
        }
    }
    return dib.Release().Release();
}

void FillMagenta(HDC dc, const RECT& rect) {
    skin::GdiBrush brush(CreateSolidBrush(skin::kSkinKeyColour));
    FillRect(dc, &rect, brush.Get());
}

} // namespace

HBITMAP ImageHandle(const SkinImage& image) {
    if (image.Empty()) {
        return nullptr;
    }
    std::shared_ptr<void>& native = image.Native();
    if (!native) {
        HBITMAP bitmap = MakeBitmap(image.Pixels());
        if (!bitmap) {
            return nullptr;
        }
        native = std::shared_ptr<void>(bitmap, [](void* h) { DeleteObject(h); });
    }
    return static_cast<HBITMAP>(native.get());
}

skin::ImageMargins MarginsOf(const TDataSkinObject& e) {
    return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
}

skin::ElementPicture PictureOf(const TDataSkinObject& e) {
    return {ImageHandle(e.Image), MarginsOf(e), e.Trans == 1, e.Tile != 0};
}

TBmpImage ImageFromBitmap(HBITMAP bitmap) {
    TBmpImage image;
    auto pixels = skin::ReadPixels(bitmap, 32);
    if (!pixels) {
        return image;
    }
    skin::PixelView view = pixels->View();
    image.width = view.Width();
    image.height = view.Height();
    image.bitCount = 24;
    image.pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(view.Row(y));
        image.pixels.insert(image.pixels.end(), row, row + image.width);
    }
    for (std::uint32_t& p : image.pixels) {
        p &= 0xFFFFFF;
    }
    return image;
}

void BuildComboImages(TSkinElements& s, int arrowWidth) {
    if (!s.SunkEdge || !s.ComboButton) {
        return;
    }
    TDataSkinObject& sunk = *s.SunkEdge;
    TDataSkinBorder& button = *s.ComboButton;
    const int w = arrowWidth + 2;
    const int n = sunk.Frames();
    skin::DibSection strip = skin::DibSection::Create(kComboCell * n, kComboHeight, 24);
    skin::DibSection work = skin::DibSection::Create(kComboCell, kComboHeight, 24);
    if (!strip || !work) {
        return;
    }
    {
        skin::MemoryDC stripDc;
        skin::MemoryDC workDc;
        skin::SelectScope stripSel(stripDc.Get(), strip.Handle());
        skin::SelectScope workSel(workDc.Get(), work.Handle());
        const RECT whole{0, 0, kComboCell * n, kComboHeight};
        FillMagenta(stripDc.Get(), whole);
        const RECT cell{0, 0, kComboCell, kComboHeight};
        const RECT right{kComboCell - w, 0, kComboCell, kComboHeight};
        const skin::ElementPicture sunkPicture = PictureOf(sunk);
        for (int k = 1; k <= n; ++k) {
            FillMagenta(workDc.Get(), cell);
            skin::DrawElement(workDc.Get(), cell, n, k, sunkPicture);
            skin::DrawNineGridTo(workDc.Get(), right, ImageHandle(button.Image),
                                 skin::FrameLayout::SideBySide, button.Tile != 0, true,
                                 button.Frames(), k, MarginsOf(button));
            if (s.ExtraImages) {
                skin::DrawFrameCentred(workDc.Get(), right, ImageHandle(s.ExtraImages->Image), true,
                                       s.ExtraImages->Frames(), k);
            }
            FillMagenta(workDc.Get(), RECT{2, 2, kComboCell - 1 - w, 18});
            BitBlt(stripDc.Get(), kComboCell * (k - 1), 0, kComboCell, kComboHeight, workDc.Get(),
                   0, 0, SRCCOPY);
        }
    }
    GdiFlush();
    TBmpImage stripImage = ImageFromBitmap(strip.Handle());
    button.Style = 2;
    button.LeftWidth = 2;
    button.TopHeight = sunk.TopHeight;
    button.RightWidth = w + 2;
    button.BottomHeight = sunk.BottomHeight;
    button.Image.Assign(stripImage);
    sunk.Image.Assign(MirrorImage(stripImage));
    sunk.LeftWidth = w + 2;
    sunk.RightWidth = 2;
    s.ComboxArrow->Image.Assign(ComboArrowFromStrip(stripImage, n));
    s.ComboxArrow->Frame = n;
}
