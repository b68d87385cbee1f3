// The progress bar skinner: the trough and the filled part composed lying down, turned upright
// for a vertical bar, and copied once.

#include "skin/ImgUtilPaint.h"
#include "skin/SkinImageGdi.h"
#include "skin/SkinRange.h"
#include "skin/VarUdedData.h"

#include <commctrl.h>

const TClassInfo& TSkinProgress::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinProgress, TSkinControl>("TSkinProgress", nullptr, false);
    return info;
}

bool TSkinProgress::CanPaint() const {
    const TDataSkinBorder* element = FSkinData->Elements().Progress.get();
    return element && !element->Image.Empty();
}

bool TSkinProgress::BeforeMessage(TMessage& msg) {
    if (CanPaint() && TakeOverPaint(msg))
        return false;
    return TSkinControl::BeforeMessage(msg);
}

void TSkinProgress::AfterMessage(TMessage& msg) {
    switch (msg.Msg) {
    case PBM_SETPOS:
    case PBM_DELTAPOS:
    case PBM_STEPIT:
    case PBM_SETRANGE:
    case PBM_SETRANGE32:
        Repaint();
        return;
    default:
        break;
    }
    TSkinControl::AfterMessage(msg);
}

void TSkinProgress::Paint(HDC dc, const RECT& rect) {
    if (!CanPaint())
        return;
    const TSkinElements& elements = FSkinData->Elements();
    const TDataSkinBorder& element = *elements.Progress;
    const bool vertical = (GetWindowLongPtrW(FWnd, GWL_STYLE) & PBS_VERTICAL) != 0;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    // Composed lying down: the length runs left to right.
    const int length = vertical ? height : width;
    const int thickness = vertical ? width : height;
    if (length <= 0 || thickness <= 0)
        return;
    skin::DibSection picture = skin::DibSection::Create(length, thickness, 24);
    if (!picture)
        return;
    const int low = static_cast<int>(SendMessageW(FWnd, PBM_GETRANGE, TRUE, 0));
    const int high = static_cast<int>(SendMessageW(FWnd, PBM_GETRANGE, FALSE, 0));
    const int position = static_cast<int>(SendMessageW(FWnd, PBM_GETPOS, 0, 0));
    const int fill = skin::ProgressFill(length, position, low, high);
    {
        const skin::MemoryDC memory(dc);
        const skin::SelectScope select(memory.Get(), picture.Handle());
        const HDC target = memory.Get();
        const RECT whole{0, 0, length, thickness};
        FillRect(target, &whole, FSkinData->FaceBrush());
        const HBITMAP image = ImageHandle(element.Image);
        if (element.Style != 1) {
            skin::DrawNineGridTo(target, whole, image, skin::FrameLayout::SideBySide,
                                 element.Tile != 0, true, 2, 1, MarginsOf(element));
            if (fill > 0)
                skin::DrawNineGridTo(target, RECT{0, 0, fill, thickness}, image,
                                     skin::FrameLayout::SideBySide, element.Tile != 0, true, 2, 2,
                                     MarginsOf(element));
        } else {
            skin::DrawNineGridTo(target, whole, image, skin::FrameLayout::SideBySide,
                                 element.Tile != 0, true, 1, 1, MarginsOf(element));
            const TDataSkinObject* chunk = elements.ProgressChunk.get();
            if (chunk && !chunk->Image.Empty() && fill > 0) {
                const HBITMAP chunkImage = ImageHandle(chunk->Image);
                if (chunk->Tile == 1) {
                    const int chunkWidth = chunk->Image.Width() / chunk->Frames();
                    const int chunkHeight = chunk->Image.Height();
                    const int top = (thickness - chunkHeight) / 2;
                    const int copies = skin::ChunkCopies(fill, chunkWidth);
                    for (int i = 0; i < copies; ++i) {
                        const int left = chunk->LeftWidth + 2 + i * chunkWidth;
                        skin::DrawFrame(target,
                                        RECT{left, top, left + chunkWidth, top + chunkHeight},
                                        chunkImage, chunk->Trans != 0, chunk->Frames(), 1);
                    }
                } else {
                    skin::DrawStripStretched(target, RECT{2, 2, 2 + fill, thickness - 2},
                                             chunkImage, skin::FrameLayout::SideBySide,
                                             chunk->Frames(), 1, chunk->LeftWidth,
                                             chunk->RightWidth);
                }
            }
        }
    }
    if (!vertical) {
        const skin::MemoryDC memory(dc);
        const skin::SelectScope select(memory.Get(), picture.Handle());
        BitBlt(dc, rect.left, rect.top, width, height, memory.Get(), 0, 0, SRCCOPY);
        return;
    }
    // Turned so that the start of the length ends at the bottom.
    const skin::GdiBitmap upright = skin::RotateLeft(picture.Handle());
    const skin::MemoryDC memory(dc);
    const skin::SelectScope select(memory.Get(), upright.Get());
    BitBlt(dc, rect.left, rect.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}
