// Painting the skinned frame: the whole non-client area is composed off screen (border
// pieces, caption strip with its text and buttons, menu band) and put on screen in one copy;
// and the window's outline cut from the border images.

#include "skin/ImgUtilPaint.h"
#include "skin/SkinImageGdi.h"
#include "skin/VarUdedData.h"
#include "skin/VarUdedForm.h"
#include "skin/VarUdedMenu.h"

namespace {

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

COLORREF TitleColour(const TSkinData& data, bool active) {
    const TDataSkinTitle& title = *data.Elements().Title;
    const TColour given = active ? title.ActiveText : title.InActiveText;
    if (given != TDataSkinTitle::kNotGiven)
        return static_cast<COLORREF>(given);
    const TSkinColours& c = data.Colours();
    return static_cast<COLORREF>(active ? c.TitleTextActive : c.TitleTextNoActive);
}

// The client area in window coordinates.
RECT ClientInWindow(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    RECT frame{};
    GetWindowRect(window, &frame);
    OffsetRect(&client, -frame.left, -frame.top);
    return client;
}

} // namespace

int TVarUdedForm::EdgeFrameNumber(int number) const {
    const TDataSkinBorder* edge = FSkinData->Elements().Edge(number);
    return FActive || !edge || edge->Frames() == 1 ? 1 : 2;
}

void TVarUdedForm::DrawEdge(HDC target, int number, const RECT& rect, bool stacked) {
    if (rect.right < rect.left || rect.bottom < rect.top)
        return;
    const TDataSkinBorder* edge = FSkinData->Elements().Edge(number);
    if (!edge || edge->Image.Empty())
        return;
    const skin::DibSection piece = skin::DrawNineGrid(
        {rect.right - rect.left, rect.bottom - rect.top}, ImageHandle(edge->Image),
        MarginsOf(*edge), stacked ? skin::FrameLayout::Stacked : skin::FrameLayout::SideBySide,
        edge->Tile != 1, edge->Frames(), EdgeFrameNumber(number));
    if (!piece)
        return;
    skin::MemoryDC source;
    skin::SelectScope select(source.Get(), piece.Handle());
    BitBlt(target, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
           source.Get(), 0, 0, SRCCOPY);
}

TFont* TVarUdedForm::TitleFont() {
    const int height = FSkinData->Elements().Title->FontHeight;
    FTitleFont.Assign(*FSkinData->CaptionFont());
    if (height > 0)
        FTitleFont.SetHeight(-height);
    return &FTitleFont;
}

void TVarUdedForm::DrawCaptionText(HDC target, int width) {
    const TDataSkinTitle& title = *FSkinData->Elements().Title;
    const skin::PaintRect box =
        skin::CaptionTextBox(width, FMetrics.captionHeight, title.TextShift(),
                             title.TextShiftVert(), title.TextRightClip());
    const std::wstring text = WindowText(FWnd);
    skin::SelectScope font(target, TitleFont()->Handle());
    SIZE extent{};
    GetTextExtentPoint32W(target, text.c_str(), static_cast<int>(text.size()), &extent);
    FTextAnchors = skin::PlaceCaptionText(box, extent.cx, title.TextAlignment);
    if (text.empty() || !box.HasArea())
        return;
    if (title.Textbackground != 0 && !title.Image.Empty()) {
        const RECT back{FTextAnchors.left - title.TXTBackleft, 0,
                        FTextAnchors.right + title.TXTBackRight, FMetrics.captionHeight};
        skin::DrawElement(target, back, title.Frames(), FActive ? 1 : 2, PictureOf(title));
    }
    RECT rect{FTextAnchors.left, box.top, box.right, box.bottom};
    SetBkMode(target, TRANSPARENT);
    SetTextColor(target, TitleColour(*FSkinData, FActive));
    skin::DrawTextAuto(target, text, rect,
                       DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT);
}

// The pieces that change only with the window's size and look: the four borders (or, for a
// minimized window, the face colour) and the caption strip's image.
void TVarUdedForm::DrawBackground(HDC target, int width, int height, bool minimized) {
    const skin::FrameMetrics& m = FMetrics;
    if (minimized) {
        skin::GdiBrush face(
            CreateSolidBrush(static_cast<COLORREF>(FSkinData->Colours().ButtonFace)));
        const RECT all{0, 0, width, height};
        FillRect(target, &all, face.Get());
        DrawEdge(target, 3, {0, 0, width, m.captionHeight}, true);
        return;
    }
    DrawEdge(target, 1, {0, 0, m.borderLeft, height}, false);
    DrawEdge(target, 2, {width - m.borderRight, 0, width, height}, false);
    DrawEdge(target, 4, {m.borderLeft, height - m.borderBottom, width - m.borderRight, height},
             true);
    DrawEdge(target, 3, {m.borderLeft, 0, width - m.borderRight, m.captionHeight}, true);
    if (m.menuHeight > 0) {
        const RECT band{m.borderLeft, m.captionHeight, width - m.borderRight, m.Top()};
        FillRect(target, &band, FSkinData->FaceBrush());
    }
}

void TVarUdedForm::ComposeFrame(HDC target, int width, int height) {
    const bool minimized = FShowState == skin::ShowState::Minimized;
    TFrameBackground& background = FBackground[FActive ? 0 : 1];
    if (!background.picture || background.width != width || background.height != height ||
        background.show != FShowState) {
        background.picture = skin::DibSection::Create(width, height, 32);
        background.width = width;
        background.height = height;
        background.show = FShowState;
        if (background.picture) {
            skin::MemoryDC dc;
            skin::SelectScope select(dc.Get(), background.picture.Handle());
            DrawBackground(dc.Get(), width, height, minimized);
        }
    }
    if (background.picture) {
        skin::MemoryDC source;
        skin::SelectScope select(source.Get(), background.picture.Handle());
        BitBlt(target, 0, 0, width, height, source.Get(), 0, 0, SRCCOPY);
    } else {
        DrawBackground(target, width, height, minimized);
    }
    DrawCaptionText(target, width);
    LayoutCaptionButtons(width);
    PaintCaptionButtons(target);
    const skin::FrameMetrics& m = FMetrics;
    if (FMenuBar && m.menuHeight > 0 && !minimized)
        FMenuBar->PaintBar(target, {m.borderLeft, m.captionHeight, width - m.borderRight, m.Top()});
}

void TVarUdedForm::ForgetComposition() {
    FComposedLook = {};
    for (TFrameBackground& background : FBackground)
        background = {};
    FGlyphs.Clear();
}

TFrameLook TVarUdedForm::CurrentLook(int width, int height) const {
    TFrameLook look;
    look.width = width;
    look.height = height;
    look.active = FActive;
    look.show = FShowState;
    look.menuHeight = FMetrics.menuHeight;
    look.menuVersion = FMenuBar ? FMenuBar->Version() : 0;
    look.mdiChildButtons = ShowsMdiChildButtons();
    look.caption = WindowText(FWnd);
    look.hot = FHotObject;
    look.hotState = FHotObject ? FHotObject->State : 0;
    return look;
}

bool TVarUdedForm::ComposeToBitmap(int width, int height) {
    if (width <= 0 || height <= 0)
        return false;
    TFrameLook look = CurrentLook(width, height);
    if (FCaptionBitmap && look == FComposedLook)
        return true;
    if (!FCaptionBitmap || FCaptionBitmap.Width() != width || FCaptionBitmap.Height() != height)
        FCaptionBitmap = skin::DibSection::Create(width, height, 32);
    FComposedLook = {};
    if (!FCaptionBitmap)
        return false;
    skin::MemoryDC dc;
    skin::SelectScope select(dc.Get(), FCaptionBitmap.Handle());
    ComposeFrame(dc.Get(), width, height);
    FComposedLook = std::move(look);
    return true;
}

void TVarUdedForm::PaintFrame(HDC dc) {
    if (!skin::SharedPaintScratch() || !FSkinData || FSkinData->NoSkin())
        return;
    if (FSkinState != TSkinState::Active && FSkinState != TSkinState::Reskinning)
        return;
    if (FKinds.border == skin::BorderKind::None)
        return;
    if (FKinds.mdi == skin::MdiRole::Child && FShowState == skin::ShowState::Maximized)
        return;
    std::optional<skin::WindowDC> own;
    if (!dc) {
        own.emplace(FWnd);
        dc = own->Get();
    }
    if (!dc)
        return;
    try {
        GetWindowRect(FWnd, &FWindowRect);
        FPaintWidth = FWindowRect.right - FWindowRect.left;
        FPaintHeight = FWindowRect.bottom - FWindowRect.top;
        // The hot object is forgotten: every button is drawn in its resting state.
        FHotObject = nullptr;
        if (ComposeToBitmap(FPaintWidth, FPaintHeight)) {
            skin::SavedDC saved(dc);
            const RECT client = ClientInWindow(FWnd);
            ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
            skin::MemoryDC source;
            skin::SelectScope select(source.Get(), FCaptionBitmap.Handle());
            BitBlt(dc, 0, 0, FPaintWidth, FPaintHeight, source.Get(), 0, 0, SRCCOPY);
        }
        SetBkMode(dc, OPAQUE);
    } catch (...) {
        // A paint that fails ends quietly; the next one starts afresh.
    }
}

void TVarUdedForm::PaintButtonNow(TWinSysButton& button) {
    if (FSkinState != TSkinState::Active || !IsWindow(FWnd))
        return;
    RECT window{};
    GetWindowRect(FWnd, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    if (width != FPaintWidth || height != FPaintHeight) {
        PaintFrame();
        return;
    }
    if (!ComposeToBitmap(width, height))
        return;
    skin::WindowDC dc(FWnd);
    skin::MemoryDC source;
    skin::SelectScope select(source.Get(), FCaptionBitmap.Handle());
    const skin::PaintRect r = button.Rect;
    BitBlt(dc.Get(), r.left, r.top, r.Width(), r.Height(), source.Get(), r.left, r.top, SRCCOPY);
}

void TVarUdedForm::DropRegion() {
    if (FRgnSet)
        SetWindowRgn(FWnd, nullptr, TRUE);
    FRgn = nullptr;
    FRgnSet = false;
    FRgnWidth = FRgnHeight = -1;
}

void TVarUdedForm::RebuildRegion() {
    if (FSkinState == TSkinState::Destroyed || !FSkinFrame || !FSkinData || FSkinData->NoSkin())
        return;
    RECT window{};
    GetWindowRect(FWnd, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    if (width <= 0 || height <= 0)
        return;
    const bool mdiChild = FKinds.mdi == skin::MdiRole::Child;
    if (mdiChild && FShowState != skin::ShowState::Normal)
        return;
    if (width == FRgnWidth && height == FRgnHeight && !mdiChild &&
        FSkinState != TSkinState::Reskinning)
        return;
    const TSkinElements& s = FSkinData->Elements();
    const skin::FrameMetrics& m = FMetrics;
    const bool anyTrans =
        s.Left->Trans == 1 || s.Right->Trans == 1 || s.Top->Trans == 1 || s.Bottom->Trans == 1;
    skin::GdiRegion region;
    if (!anyTrans) {
        region.Reset(CreateRectRgn(0, 0, width, height));
        FRgnWidth = FRgnHeight = -1;
    } else {
        FRgnWidth = width;
        FRgnHeight = height;
        region.Reset(CreateRectRgn(m.borderLeft, m.captionHeight, width - m.borderRight,
                                   height - m.borderBottom));
        if (FKinds.border != skin::BorderKind::None) {
            // A piece drawn at its size and cut along its transparent pixels, or its rectangle.
            auto add = [&](int number, const RECT& rect, bool stacked, bool cut) {
                skin::GdiRegion part;
                const TDataSkinBorder* edge = s.Edge(number);
                if (cut && edge && !edge->Image.Empty()) {
                    const skin::DibSection piece = skin::DrawNineGrid(
                        {rect.right - rect.left, rect.bottom - rect.top}, ImageHandle(edge->Image),
                        MarginsOf(*edge),
                        stacked ? skin::FrameLayout::Stacked : skin::FrameLayout::SideBySide,
                        edge->Tile != 1, edge->Frames(), EdgeFrameNumber(number));
                    if (piece)
                        part = skin::RegionFromBitmap(piece.Handle(), rect.left, rect.top, 1, 1, 1,
                                                      skin::kSkinKeyColour);
                }
                if (!part)
                    part.Reset(CreateRectRgnIndirect(&rect));
                CombineRgn(region.Get(), region.Get(), part.Get(), RGN_OR);
            };
            add(1, {0, 0, m.borderLeft, height}, false, s.Left->Trans == 1 && height > 1);
            add(2, {width - m.borderRight, 0, width, height}, false,
                s.Right->Trans == 1 && height > 1);
            add(4, {m.borderLeft, height - m.borderBottom, width - m.borderRight, height}, true,
                s.Bottom->Trans == 1 && m.borderBottom >= 2);
            add(3, {m.borderLeft, 0, width - m.borderRight, m.captionHeight}, true,
                s.Top->Trans == 1 && m.captionHeight > 1 &&
                    width - m.borderLeft - m.borderRight > 0);
        }
    }
    if (!region)
        return;
    // Once the system takes the region it owns it; only a refused region is ours to free.
    HRGN handle = region.Release();
    if (SetWindowRgn(FWnd, handle, TRUE)) {
        FRgn = handle;
        FRgnSet = true;
    } else {
        DeleteObject(handle);
        FRgn = nullptr;
        FRgnSet = false;
    }
}
