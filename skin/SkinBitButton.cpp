// The bit button skinner: the push button's frames with a glyph beside the caption.

#include "framework/ButtonLayout.h"
#include "framework/GlyphDraw.h"
#include "framework/ImgList.h"
#include "skin/ImgUtilPaint.h"
#include "skin/SkinButton.h"
#include "skin/VarUdedData.h"

namespace {

TButtonLayout LayoutOf(TControl& control) {
    const std::wstring name = skin::LowerAscii(GetPropText(&control, "Layout"));
    if (name == L"blglyphright")
        return TButtonLayout::blGlyphRight;
    if (name == L"blglyphtop")
        return TButtonLayout::blGlyphTop;
    if (name == L"blglyphbottom")
        return TButtonLayout::blGlyphBottom;
    return TButtonLayout::blGlyphLeft;
}

// The image of a list the control names, with its index for the state, or none.
struct ListImage {
    TCustomImageList* list = nullptr;
    int index = -1;
};

ListImage ImageOfList(TControl& control, bool enabled) {
    auto* list = dynamic_cast<TCustomImageList*>(GetObjectProp(&control, "Images"));
    if (!list)
        return {};
    int index = static_cast<int>(GetOrdProp(&control, "ImageIndex"));
    if (!enabled) {
        const int disabled = static_cast<int>(GetOrdProp(&control, "DisabledIndex"));
        if (disabled >= 0)
            index = disabled;
    }
    if (index < 0 || index >= list->Count())
        return {};
    return {list, index};
}

} // namespace

RECT DrawGlyphAndCaption(HDC dc, const RECT& area, TControl& control, TBitmap* glyph,
                         const std::wstring& caption, bool enabled, bool pressed, UINT textFlags) {
    const int count = std::max<int>(1, static_cast<int>(GetOrdProp(&control, "NumGlyphs")));
    if (glyph && glyph->Empty())
        glyph = nullptr;
    const ListImage listed = glyph ? ListImage{} : ImageOfList(control, enabled);
    TLayoutSize glyphSize;
    if (glyph) {
        const SIZE s = GlyphSize(*glyph, count);
        glyphSize = {s.cx, s.cy};
    } else if (listed.list) {
        glyphSize = {listed.list->Width(), listed.list->Height()};
    }
    RECT measured{0, 0, area.right - area.left, area.bottom - area.top};
    if (!caption.empty())
        skin::DrawTextAuto(dc, caption, measured, textFlags | DT_CALCRECT | DT_NOCLIP);
    const TLayoutSize textSize = caption.empty() ? TLayoutSize{}
                                                 : TLayoutSize{measured.right - measured.left,
                                                               measured.bottom - measured.top};
    int margin = static_cast<int>(GetOrdProp(&control, "Margin"));
    if (skin::LowerAscii(GetPropText(&control, "Alignment")) == L"tacenter")
        margin = -1;
    const int spacing = static_cast<int>(GetOrdProp(&control, "Spacing"));
    const TGlyphLayout layout =
        LayoutGlyphButton({area.right - area.left, area.bottom - area.top}, glyphSize, textSize,
                          LayoutOf(control), margin, spacing);
    if (glyph) {
        int index = 0;
        bool grey = false;
        if (!enabled) {
            index = count >= 2 ? 1 : 0;
            grey = count < 2;
        } else if (pressed && count >= 3) {
            index = 2;
        }
        DrawGlyph(dc, area.left + layout.glyph.x, area.top + layout.glyph.y, *glyph, count, index,
                  !grey);
    } else if (listed.list) {
        listed.list->Draw(dc, area.left + layout.glyph.x, area.top + layout.glyph.y, listed.index,
                          enabled);
    }
    RECT text{area.left + layout.text.x, area.top + layout.text.y,
              area.left + layout.text.x + textSize.cx, area.top + layout.text.y + textSize.cy};
    if (!caption.empty())
        skin::DrawTextAuto(dc, caption, text, textFlags | DT_NOCLIP);
    return text;
}

const TClassInfo& TSkinBitButton::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinBitButton, TSkinButton>("TSkinBitButton", nullptr, false);
    return info;
}

bool TSkinBitButton::BeforeMessage(TMessage& msg) {
    // An owner-drawn button asks for its face on its own (focus and state changes): the skinned
    // face is drawn into the device context it hands over instead.
    if (msg.Msg == CN_DRAWITEM && CanPaint()) {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(msg.LParam);
        PaintWindow(draw->hDC);
        msg.Result = TRUE;
        return false;
    }
    return TSkinButton::BeforeMessage(msg);
}

void TSkinBitButton::PaintFace(HDC dc, const RECT& rect, int frame) {
    if (!FControl) {
        TSkinButton::PaintFace(dc, rect, frame);
        return;
    }
    const skin::SavedDC saved(dc);
    PrepareText(dc, frame);
    RECT area = rect;
    InflateRect(&area, -2, -2);
    auto* glyph = dynamic_cast<TBitmap*>(GetObjectProp(FControl, FGlyphProperty));
    const std::wstring caption = Caption();
    const RECT text = DrawGlyphAndCaption(dc, area, *FControl, glyph, caption, FEnabled,
                                          (FMouseState & skin::kMousePressed) != 0,
                                          DT_EXPANDTABS | ReadingFlags());
    if (FFocused && !NoFocusRect() && !caption.empty()) {
        RECT focus = text;
        InflateRect(&focus, 2, 2);
        IntersectRect(&focus, &focus, &rect);
        DrawFocusRect(dc, &focus);
    }
}
