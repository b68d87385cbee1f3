#include "skin/MenuItemPaint.h"

#include "framework/Forms.h"
#include "framework/Menus.h"
#include "skin/GdiOwners.h"
#include "skin/ImgUtilPaint.h"
#include "skin/SkinImageGdi.h"
#include "skin/SkinManage.h"
#include "skin/VarUdedData.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace {

// The menu window's own frame, which the pop-up background covers too.
constexpr int kMenuFrame = 3;
// The longest item text read from a system menu.
constexpr int kMaxText = 80;
constexpr int kElementFrames = 5;
constexpr int kNormalFrame = 1;
constexpr int kSeparatorFrame = 2;
constexpr int kSelectedFrame = 4;
// The system's check-mark bitmap (OBM_CHECK; only declared with OEMRESOURCE).
constexpr WORD kCheckMarkBitmap = 32760;

COLORREF Colour(TColour c) {
    return static_cast<COLORREF>(c);
}

std::wstring MenuText(HMENU menu, UINT command) {
    wchar_t text[kMaxText + 1] = {};
    if (menu)
        GetMenuStringW(menu, command, text, kMaxText + 1, MF_BYCOMMAND);
    return text;
}

// The pop-up background the manager keeps for a menu, or null.
HBITMAP PopupBackgroundOf(HMENU menu) {
    TSkinManage* manager = SkinManager();
    return manager && menu ? manager->PopupBackground(menu) : nullptr;
}

void GiveMenuToPopup(HMENU menu) {
    if (TSkinManage* manager = SkinManager(); manager && menu)
        manager->SetPopupMenuHandle(menu);
}

// A picture of one item's size, selected into a memory context with the menu font.
class ItemPicture {
public:
    explicit ItemPicture(const RECT& rect)
        : width_(rect.right - rect.left), height_(rect.bottom - rect.top) {
        if (width_ <= 0 || height_ <= 0)
            return;
        picture_ = skin::DibSection::Create(width_, height_, 32);
        if (!picture_)
            return;
        select_.emplace(dc_.Get(), picture_.Handle());
        font_.emplace(dc_.Get(), MenuFont()->Handle());
    }
    explicit operator bool() const { return select_.has_value(); }
    HDC Dc() const { return dc_.Get(); }
    RECT All() const { return {0, 0, width_, height_}; }
    // Copies the picture onto the target at the item's place.
    void Put(HDC target, const RECT& rect) const {
        BitBlt(target, rect.left, rect.top, width_, height_, dc_.Get(), 0, 0, SRCCOPY);
    }

private:
    int width_;
    int height_;
    skin::DibSection picture_;
    skin::MemoryDC dc_;
    std::optional<skin::SelectScope> select_;
    std::optional<skin::SelectScope> font_;
};

HMENU ParentHandle(TMenuItem* item) {
    return item && item->Parent() ? item->Parent()->Handle() : nullptr;
}

} // namespace

bool TMenuItemPainter::HasElement() const {
    const TSkinElements& s = skinData_->Elements();
    return !skinData_->NoSkin() && s.MenuItem && !s.MenuItem->Image.Empty();
}

void TMenuItemPainter::MeasureMenuItem(TMenuItem* item, TCanvas* canvas, int& width,
                                       int& height) const {
    // The framework measured the item before this handler was asked.
    TMenu* menu = item->GetParentMenu();
    const bool images = menu && menu->Images();
    (void)canvas;
    (void)height;
    if (HasElement())
        width += skinData_->Elements().MenuItem->LeftWidth;
    width += 10 + (images ? 0 : 25);
}

void TMenuItemPainter::MeasurePopupItem(TMenuItem* item, TCanvas*, int& width, int&) const {
    TMenu* menu = item->GetParentMenu();
    const bool images = menu && menu->Images();
    if (HasElement())
        width += skinData_->Elements().MenuItem->LeftWidth;
    width += 12 + (images ? 0 : 23);
}

void TMenuItemPainter::DrawMenuItem(TMenuItem* item, TCanvas* canvas, const RECT& rect,
                                    bool selected) const {
    if (!HasElement()) {
        DrawPlainMenuItem(item, canvas, selected, rect);
        return;
    }
    GiveMenuToPopup(ParentHandle(item));
    DrawItemOver(ParentHandle(item), item, canvas, rect, selected, true);
}

void TMenuItemPainter::DrawSystemMenuItem(HMENU menu, TMenuItem* item, bool selected,
                                          const RECT& rect, TCanvas* canvas) const {
    if (!HasElement()) {
        DrawPlainMenuItem(item, canvas, selected, rect);
        return;
    }
    DrawItemOver(menu, item, canvas, rect, selected, false);
}

void TMenuItemPainter::DrawItemOver(HMENU backgroundMenu, TMenuItem* item, TCanvas* canvas,
                                    const RECT& rect, bool selected, bool separatorsAsLines) const {
    const ItemPicture work(rect);
    if (!work)
        return;
    const HDC dc = work.Dc();
    const RECT all = work.All();
    HBITMAP background = PopupBackgroundOf(backgroundMenu);
    BITMAP info{};
    if (background && GetObjectW(background, sizeof(info), &info) && info.bmWidth > 0) {
        skin::MemoryDC source;
        skin::SelectScope selectSource(source.Get(), background);
        BitBlt(dc, 0, 0, all.right, all.bottom, source.Get(), rect.left + kMenuFrame,
               rect.top + kMenuFrame, SRCCOPY);
    } else {
        skin::GdiBrush menu(CreateSolidBrush(Colour(skinData_->Colours().Menu)));
        FillRect(dc, &all, menu.Get());
    }
    const bool separator = separatorsAsLines && item->IsLine();
    if (!separator) {
        const TDataSkinObject& e = *skinData_->Elements().MenuItem;
        skin::DrawNineGridTo(dc, all, ImageHandle(e.Image), skin::FrameLayout::SideBySide,
                             e.Tile != 0, e.Trans != 0, kElementFrames,
                             selected ? kSelectedFrame : kNormalFrame, MarginsOf(e));
        DrawItemContent(item, dc, selected, all);
    }
    work.Put(canvas->Handle(), rect);
    if (separator)
        DrawSeparator(canvas->Handle(), rect);
}

void TMenuItemPainter::DrawPlainMenuItem(TMenuItem* item, TCanvas* canvas, bool selected,
                                         const RECT& rect) const {
    const ItemPicture work(rect);
    if (!work)
        return;
    const TSkinColours& c = skinData_->Colours();
    skin::GdiBrush fill(CreateSolidBrush(Colour(selected ? c.Hilight : c.Menu)));
    const RECT all = work.All();
    FillRect(work.Dc(), &all, fill.Get());
    DrawItemContent(item, work.Dc(), selected, all);
    work.Put(canvas->Handle(), rect);
}

void TMenuItemPainter::DrawSeparator(HDC target, const RECT& rect) const {
    const TDataSkinObject& e = *skinData_->Elements().MenuItem;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int d = e.Image.Width() / kElementFrames;
    const int imageHeight = e.Image.Height();
    if (width <= 0 || height <= 0 || d <= 0 || imageHeight <= 0)
        return;
    const int top = height < imageHeight ? imageHeight - height : 0;
    const int rows = imageHeight - top;
    skin::DibSection work = skin::DibSection::Create(width, height, 32);
    if (!work)
        return;
    {
        // The picture leaves its context before it is drawn: a bitmap is selected into one
        // context at a time.
        skin::MemoryDC dc;
        skin::SelectScope select(dc.Get(), work.Handle());
        skin::MemoryDC source;
        skin::SelectScope selectSource(source.Get(), ImageHandle(e.Image));
        SetStretchBltMode(dc.Get(), COLORONCOLOR);
        const int left = std::min(e.LeftWidth, width);
        const int right = std::min(e.RightWidth, width - left);
        StretchBlt(dc.Get(), 0, 0, left, height, source.Get(), d, top, e.LeftWidth, rows, SRCCOPY);
        StretchBlt(dc.Get(), width - right, 0, right, height, source.Get(), 2 * d - e.RightWidth,
                   top, e.RightWidth, rows, SRCCOPY);
        const int middleSource = d - e.LeftWidth - e.RightWidth;
        if (middleSource > 0 && width - left - right > 0)
            StretchBlt(dc.Get(), left, 0, width - left - right, height, source.Get(),
                       d + e.LeftWidth, top, middleSource, rows, SRCCOPY);
    }
    skin::DrawTransparent(target, rect, work, skin::kSkinKeyColour);
}

void TMenuItemPainter::DrawItemContent(TMenuItem* item, HDC dc, bool selected,
                                       const RECT& rect) const {
    const std::wstring caption = item->Caption();
    TMenu* menu = item->GetParentMenu();
    if (!menu)
        menu = barMenu_;
    TCustomImageList* images = menu ? menu->Images() : nullptr;
    const bool rtl = menu && menu->IsRightToLeft();
    int w = images ? images->Width() : 16;
    if (item->Checked())
        w = std::max(w, 16);
    const int margin = HasElement() ? skinData_->Elements().MenuItem->LeftWidth : 0;
    const bool line = caption == L"-";
    RECT box{};
    if (rtl) {
        box.right = rect.right - 1 - margin;
        box.left = line ? box.right : box.right - w;
    } else {
        box.left = rect.left + 1 + margin;
        box.right = line ? box.left : box.left + w;
    }
    box.top = rect.top + 1;
    box.bottom = box.top + w;
    const int itemHeight = rect.bottom - rect.top;
    if (!line) {
        const int index = item->ImageIndex();
        const bool hasImage = images && index >= 0 && index < images->Count();
        if (hasImage) {
            RECT frame = box;
            const int boxHeight = item->Checked() ? 16 : images->Height();
            if (!rtl)
                OffsetRect(&frame, 0, (itemHeight - boxHeight) / 2 - (frame.top - rect.top));
            if (item->Checked()) {
                // A checked item with an image sits in a sunken, dithered box.
                const WORD bits[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
                skin::GdiObject<HBITMAP> pattern(CreateBitmap(8, 8, 1, 1, bits));
                skin::GdiBrush dither(CreatePatternBrush(pattern.Get()));
                const COLORREF text = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
                const COLORREF back = SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
                FillRect(dc, &frame, dither.Get());
                SetTextColor(dc, text);
                SetBkColor(dc, back);
                DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
            }
            images->Draw(dc, frame.left, frame.top, index, item->Enabled());
        } else if (item->Checked()) {
            // Loaded once per painter and freed with it: a shared load is not cached by every
            // system and would leave one bitmap behind per drawn item.
            if (!checkMark_)
                checkMark_.Reset(static_cast<HBITMAP>(LoadImageW(
                    nullptr, MAKEINTRESOURCEW(kCheckMarkBitmap), IMAGE_BITMAP, 0, 0, 0)));
            const HBITMAP check = checkMark_.Get();
            BITMAP b{};
            if (check && GetObjectW(check, sizeof(b), &b)) {
                const int x = box.left + ((box.right - box.left) - b.bmWidth) / 2 + 1;
                const int y = rect.top + (itemHeight - b.bmHeight) / 2 + 1;
                skin::MemoryDC source;
                skin::SelectScope selectCheck(source.Get(), check);
                const COLORREF text = SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
                BitBlt(dc, x, y, b.bmWidth, b.bmHeight, source.Get(), 0, 0, SRCAND);
                SetTextColor(dc, text);
            }
        }
    }
    RECT text = rtl ? RECT{rect.left + 1, rect.top, box.left - 3, rect.bottom}
                    : RECT{box.right + 3, rect.top, rect.right - 1, rect.bottom};
    RECT measured = text;
    const UINT calc =
        DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE | (rtl ? DT_RIGHT : 0);
    DrawItemText(item, dc, calc, selected, measured, caption);
    const int dy = ((text.bottom - text.top) - (measured.bottom - measured.top)) / 2;
    RECT shown{text.left, text.top + dy, text.right,
               text.top + dy + (measured.bottom - measured.top)};
    DrawItemText(item, dc, DT_EXPANDTABS | DT_SINGLELINE | (rtl ? DT_RIGHT : 0), selected, shown,
                 caption);
    if (item->ShortCut() != 0 && !line) {
        RECT cut = rtl ? RECT{rect.left + 11, shown.top, text.right, shown.bottom}
                       : RECT{measured.right, shown.top, rect.right - 11, shown.bottom};
        DrawItemText(item, dc, rtl ? DT_LEFT : DT_RIGHT, selected, cut, item->ShortCutText());
    }
}

void TMenuItemPainter::DrawItemText(TMenuItem* item, HDC dc, UINT flags, bool selected, RECT& rect,
                                    std::wstring text) const {
    const bool measuring = (flags & DT_CALCRECT) != 0;
    if (measuring && (text.empty() || text == L"&"))
        text += L' ';
    if (text == L"-") {
        if (!measuring) {
            RECT line = rect;
            OffsetRect(&line, 0, 4);
            DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        }
        return;
    }
    SetBkMode(dc, TRANSPARENT);
    const TSkinColours& c = skinData_->Colours();
    COLORREF colour = Colour(c.MenuText);
    if (!item->Enabled())
        colour =
            c.ButtonShadow == c.MenuText ? GetSysColor(COLOR_BTNSHADOW) : Colour(c.ButtonShadow);
    else if (selected)
        colour = Colour(c.HilightText);
    SetTextColor(dc, colour);
    std::optional<TFont> bold;
    std::optional<skin::SelectScope> boldScope;
    if (item->Default()) {
        bold.emplace();
        bold->Assign(*MenuFont());
        bold->SetStyle(bold->Style() | (1u << fsBold));
        boldScope.emplace(dc, bold->Handle());
    }
    skin::DrawTextAuto(dc, text, rect, flags);
}

void TMenuItemPainter::MeasureSystemItem(HWND window, HMENU tracked,
                                         MEASUREITEMSTRUCT& measure) const {
    const std::wstring text = MenuText(tracked, measure.itemID);
    skin::ScreenDC screen;
    skin::SelectScope font(screen.Get(), MenuFont()->Handle());
    SIZE extent{};
    GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    (void)window;
    measure.itemWidth = static_cast<UINT>(extent.cx + 26);
    if (HasElement())
        measure.itemWidth += static_cast<UINT>(skinData_->Elements().MenuItem->LeftWidth);
    measure.itemHeight += text.empty() ? 8 : 4;
    if (GetVersion() & 0x80000000u)
        measure.itemHeight += 4;
}

void TMenuItemPainter::DrawSystemItem(const DRAWITEMSTRUCT& draw) const {
    const HMENU menu = reinterpret_cast<HMENU>(draw.hwndItem);
    GiveMenuToPopup(menu);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_FTYPE;
    GetMenuItemInfoW(menu, draw.itemID, FALSE, &info);
    // A temporary framework item stands for the system's entry while it is drawn.
    TMenuItem temporary(nullptr);
    const std::wstring text = MenuText(menu, draw.itemID);
    temporary.SetCaption(text.empty() ? L"-" : text);
    temporary.SetEnabled((info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0);
    temporary.SetChecked((info.fState & MFS_CHECKED) != 0);
    TCanvas canvas(draw.hDC);
    DrawSystemMenuItem(menu, &temporary, (draw.itemState & ODS_SELECTED) != 0, draw.rcItem,
                       &canvas);
    canvas.SetHandle(nullptr);
}

TMenuDrawItemEvent TMenuItemPainter::DrawHandler() const {
    return [self = weak_from_this()](TMenuItem* s, TCanvas* c, const RECT& r, bool selected) {
        if (auto painter = self.lock())
            painter->DrawMenuItem(s, c, r, selected);
    };
}

TMenuMeasureItemEvent TMenuItemPainter::MenuMeasureHandler() const {
    return [self = weak_from_this()](TMenuItem* s, TCanvas* c, int& w, int& h) {
        if (auto painter = self.lock())
            painter->MeasureMenuItem(s, c, w, h);
    };
}

TMenuMeasureItemEvent TMenuItemPainter::PopupMeasureHandler() const {
    return [self = weak_from_this()](TMenuItem* s, TCanvas* c, int& w, int& h) {
        if (auto painter = self.lock())
            painter->MeasurePopupItem(s, c, w, h);
    };
}

void TMenuItemPainter::MakeMenusOwnerDrawn(TCustomForm* form, bool on) const {
    if (!form)
        return;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* menu = dynamic_cast<TMainMenu*>(form->Components(i));
        if (!menu)
            continue;
        menu->SetOwnerDraw(on);
        std::function<void(TMenuItem*, bool)> walk = [&](TMenuItem* parent, bool top) {
            for (int k = 0; k < parent->Count(); ++k) {
                TMenuItem* item = parent->Items(k);
                if (!on) {
                    item->OnDrawItem = nullptr;
                    item->OnMeasureItem = nullptr;
                } else if (!top && !item->OnDrawItem) {
                    item->OnDrawItem = DrawHandler();
                    item->OnMeasureItem = MenuMeasureHandler();
                }
                walk(item, false);
            }
        };
        walk(menu->Items(), true);
    }
}

void TMenuItemPainter::MakePopupsOwnerDrawn(TComponent* owner, bool on) const {
    if (!owner)
        return;
    if (auto* form = dynamic_cast<TCustomForm*>(owner);
        form && std::string(form->ClassName()) == "TwwRichEditForm")
        return;
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        TComponent* component = owner->Components(i);
        if (dynamic_cast<TCustomForm*>(component)) {
            MakePopupsOwnerDrawn(component, on);
            continue;
        }
        auto* popup = dynamic_cast<TPopupMenu*>(component);
        if (!popup || popup->Tag() == skinData_->DisableTag() || !skinData_->Skins(xcPopupMenu))
            continue;
        popup->SetOwnerDraw(on);
        std::function<void(TMenuItem*)> walk = [&](TMenuItem* parent) {
            for (int k = 0; k < parent->Count(); ++k) {
                TMenuItem* item = parent->Items(k);
                if (!on) {
                    item->OnDrawItem = nullptr;
                    item->OnMeasureItem = nullptr;
                } else {
                    item->OnDrawItem = DrawHandler();
                    if (!item->OnMeasureItem)
                        item->OnMeasureItem = PopupMeasureHandler();
                }
                walk(item);
            }
        };
        walk(popup->Items());
    }
}
