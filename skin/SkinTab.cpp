// The tab control skinners.

#include "skin/SkinTab.h"

#include "skin/ImgUtilPaint.h"
#include "skin/SkinImageGdi.h"
#include "skin/SkinRange.h"
#include "skin/VarUdedData.h"
#include "skin/VarUdedForm.h"

#include <commctrl.h>

namespace {

skin::GdiBitmap Turned(HBITMAP source, skin::TabSide side, bool turnSides) {
    switch (side) {
    case skin::TabSide::Top:
        break;
    case skin::TabSide::Bottom:
        return skin::FlipBitmap(source);
    case skin::TabSide::Left:
        if (turnSides)
            return skin::RotateLeft(source);
        break;
    case skin::TabSide::Right:
        if (turnSides)
            return skin::RotateRight(source);
        break;
    }
    return skin::DibSection::CopyOf(source, 24).Release();
}

skin::DibSection AsDib(skin::GdiBitmap bitmap) {
    skin::DibSection copy = skin::DibSection::CopyOf(bitmap.Get(), 24);
    return copy;
}

} // namespace

const TClassInfo& TSkinTab::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinTab, TSkinControl>("TSkinTab", nullptr, false);
    return info;
}

const TClassInfo& TSkinTabBtn::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinTabBtn, TSkinTab>("TSkinTabBtn", nullptr, false);
    return info;
}

bool TSkinTab::BeforeMessage(TMessage& msg) {
    const TDataSkinBorder* tabs = FSkinData->Elements().Tabs.get();
    if (tabs && !tabs->Image.Empty() && TakeOverPaint(msg))
        return false;
    return TSkinControl::BeforeMessage(msg);
}

void TSkinTab::AfterMessage(TMessage& msg) {
    switch (msg.Msg) {
    case TCM_SETCURSEL:
    case TCM_SETCURFOCUS:
        Repaint();
        return;
    default:
        break;
    }
    TSkinControl::AfterMessage(msg);
}

void TSkinTab::Refresh() {
    FPrepared = false;
    FPicture.Forget();
    TSkinControl::Refresh();
}

void TSkinTab::Prepare(skin::TabSide side) {
    FPrepared = true;
    FSide = side;
    FTabImage = {};
    FPaneImage = {};
    const TSkinElements& s = FSkinData->Elements();
    const TDataSkinBorder* tabs = s.Tabs.get();
    if (!tabs || tabs->Image.Empty())
        return;
    // Tabs are drawn lying as top tabs do, so only bottom tabs need their picture flipped.
    FTabImage = AsDib(Turned(ImageHandle(tabs->Image), side, false));
    FTabMargins = skin::TurnMargins(MarginsOf(*tabs),
                                    side == skin::TabSide::Bottom ? side : skin::TabSide::Top);
    const SkinImage* pane = nullptr;
    skin::ImageMargins paneMargins{4, 5, 4, 4};
    if (tabs->Style == 0) {
        pane = &tabs->Image2;
    } else if (tabs->Style == 1 && s.TabPane) {
        pane = &s.TabPane->Image;
        paneMargins = MarginsOf(*s.TabPane);
    }
    if (tabs->Style != 0 && s.TabPane)
        paneMargins = MarginsOf(*s.TabPane);
    if (pane && !pane->Empty()) {
        FPaneImage = AsDib(Turned(ImageHandle(*pane), side, true));
        FPaneMargins = skin::TurnMargins(paneMargins, side);
    }
}

void TSkinTab::AttachArrows() {
    // The arrows appear when the tabs no longer fit; they get their skinner once, at the first
    // paint that finds them.
    const HWND arrows = FindWindowExW(FWnd, nullptr, UPDOWN_CLASSW, nullptr);
    if (!arrows || arrows == FArrows || !FForm)
        return;
    FArrows = arrows;
    if (FForm->Skinners().FindByWindow(arrows))
        return;
    auto* skinner = new TSkinUpDown(nullptr);
    skinner->AttachWindow(arrows, FSkinData, FForm);
    if (!skinner->Attached())
        delete skinner;
}

void TSkinTab::DrawTab(HDC band, const RECT& r, int frame) {
    const TDataSkinBorder& tabs = *FSkinData->Elements().Tabs;
    skin::DrawNineGridTo(band, r, FTabImage.Handle(), skin::FrameLayout::SideBySide, tabs.Tile != 0,
                         tabs.Trans != 0, tabs.Frames(), frame, FTabMargins);
}

COLORREF TSkinTab::CaptionColour(int frame) const {
    const TDataSkinBorder& tabs = *FSkinData->Elements().Tabs;
    const TColour colour = frame == 2 ? tabs.MouseOverColour : tabs.NormalColour;
    return colour != -1 ? static_cast<COLORREF>(colour) : TextColour();
}

void TSkinTabBtn::DrawTab(HDC band, const RECT& r, int frame) {
    const TDataSkinButton* buttons = FSkinData->Elements().Buttons.get();
    if (!buttons || buttons->Image.Empty())
        return;
    skin::DrawElement(band, r, buttons->Frames(), frame, PictureOf(*buttons));
}

COLORREF TSkinTabBtn::CaptionColour(int frame) const {
    const TDataSkinButton& buttons = *FSkinData->Elements().Buttons;
    const TColour colour = frame == 2 ? buttons.PressedColour : buttons.NormalColour;
    return colour != -1 ? static_cast<COLORREF>(colour) : TextColour();
}

void TSkinTab::Paint(HDC dc, const RECT& rect) {
    const skin::TabSide side =
        skin::TabSideOf(static_cast<std::uint32_t>(GetWindowLongPtrW(FWnd, GWL_STYLE)));
    if (!FPrepared || side != FSide)
        Prepare(side);
    if (!FTabImage)
        return;
    AttachArrows();
    const skin::GdiBrush parent(CreateSolidBrush(ParentColour()));
    const skin::SavedDC saved(dc);
    // The scroll arrows of a crowded tab row paint themselves.
    if (const HWND arrows = FindWindowExW(FWnd, nullptr, UPDOWN_CLASSW, nullptr);
        arrows && IsWindowVisible(arrows)) {
        RECT r{};
        GetWindowRect(arrows, &r);
        MapWindowPoints(nullptr, FWnd, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, rect.left + r.left, rect.top + r.top, rect.left + r.right,
                        rect.top + r.bottom);
    }
    FPicture.ComposeKeyed(dc, rect, TabsKey(side), parent.Get(),
                          [&](HDC target, const RECT& whole) {
                              PaintTabsAndPane(target, whole, side, parent.Get());
                          });
    if (FVariant == 2) {
        if (auto* control = dynamic_cast<TWinControl*>(FControl))
            control->PaintControls(dc);
    }
}

std::size_t TSkinTab::TabsKey(skin::TabSide side) const {
    std::size_t key =
        skin::PictureKey(side, SendMessageW(FWnd, TCM_GETCURFOCUS, 0, 0),
                         SendMessageW(FWnd, TCM_GETCURSEL, 0, 0), ControlFont(), ParentColour(),
                         TextColour(), ReadingFlags(), FTabImage.Handle(), FPaneImage.Handle());
    const int count = static_cast<int>(SendMessageW(FWnd, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT r{};
        SendMessageW(FWnd, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        wchar_t text[81] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 81;
        SendMessageW(FWnd, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        key ^= skin::PictureKey(key, r.left, r.top, r.right, r.bottom, std::wstring(text));
    }
    return key;
}

void TSkinTab::PaintTabsAndPane(HDC target, const RECT& whole, skin::TabSide side, HBRUSH parent) {
    RECT pane = whole;
    SendMessageW(FWnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&pane));
    InflateRect(&pane, 4, 4);
    RECT band = whole;
    switch (side) {
    case skin::TabSide::Top:
        pane.top += 1;
        band.bottom = pane.top;
        break;
    case skin::TabSide::Bottom:
        pane.bottom -= 1;
        band.top = pane.bottom;
        break;
    case skin::TabSide::Left:
        pane.left += 1;
        band.right = pane.left;
        break;
    case skin::TabSide::Right:
        pane.right -= 1;
        band.left = pane.right;
        break;
    }
    const bool sideways = side == skin::TabSide::Left || side == skin::TabSide::Right;
    const int bandLength = sideways ? band.bottom - band.top : band.right - band.left;
    const int bandDepth = sideways ? band.right - band.left : band.bottom - band.top;
    if (bandLength > 0 && bandDepth > 0) {
        skin::DibSection picture = skin::DibSection::Create(bandLength, bandDepth, 24);
        if (picture) {
            {
                const skin::MemoryDC bandMemory(target);
                const skin::SelectScope bandSelect(bandMemory.Get(), picture.Handle());
                const HDC bandDc = bandMemory.Get();
                const RECT all{0, 0, bandLength, bandDepth};
                FillRect(bandDc, &all, parent);
                const skin::SavedDC saved(bandDc);
                SelectObject(bandDc, ControlFont());
                SetBkMode(bandDc, TRANSPARENT);
                const int count = static_cast<int>(SendMessageW(FWnd, TCM_GETITEMCOUNT, 0, 0));
                int focus = static_cast<int>(SendMessageW(FWnd, TCM_GETCURFOCUS, 0, 0));
                if (focus < 0)
                    focus = static_cast<int>(SendMessageW(FWnd, TCM_GETCURSEL, 0, 0));
                const skin::PaintRect bandRect{band.left, band.top, band.right, band.bottom};
                for (int i = 0; i < count; ++i) {
                    RECT r{};
                    SendMessageW(FWnd, TCM_GETITEMRECT, static_cast<WPARAM>(i),
                                 reinterpret_cast<LPARAM>(&r));
                    if (side == skin::TabSide::Top)
                        OffsetRect(&r, 0, 1);
                    const skin::PaintRect b =
                        skin::TabRectInBand({r.left, r.top, r.right, r.bottom}, bandRect, side);
                    const RECT inBand{b.left, b.top, b.right, b.bottom};
                    const int frame = i == focus ? 2 : 1;
                    DrawTab(bandDc, inBand, frame);
                    wchar_t text[81] = {};
                    TCITEMW item{};
                    item.mask = TCIF_TEXT;
                    item.pszText = text;
                    item.cchTextMax = 81;
                    SendMessageW(FWnd, TCM_GETITEMW, static_cast<WPARAM>(i),
                                 reinterpret_cast<LPARAM>(&item));
                    SetTextColor(bandDc, CaptionColour(frame));
                    RECT caption = inBand;
                    skin::DrawTextAuto(bandDc, text, caption,
                                       DT_CENTER | DT_VCENTER | DT_SINGLELINE | ReadingFlags());
                }
            }
            skin::GdiBitmap turned;
            if (side == skin::TabSide::Left)
                turned = skin::RotateLeft(picture.Handle());
            else if (side == skin::TabSide::Right)
                turned = skin::RotateRight(picture.Handle());
            const skin::MemoryDC placeMemory(target);
            const skin::SelectScope placeSelect(placeMemory.Get(),
                                                turned ? turned.Get() : picture.Handle());
            BitBlt(target, band.left, band.top, band.right - band.left, band.bottom - band.top,
                   placeMemory.Get(), 0, 0, SRCCOPY);
        }
    }
    if (DrawsPane() && FPaneImage)
        skin::DrawNineGridTo(target, pane, FPaneImage.Handle(), skin::FrameLayout::SideBySide,
                             false, false, 1, 1, FPaneMargins);
}
