// The combo box skinner and the subclass of its edit.

#include "skin/SkinComboBox.h"

#include "skin/ImgUtilPaint.h"
#include "skin/SkinImageGdi.h"
#include "skin/VarUdedData.h"

#include <windowsx.h>

// The edit of a drop-down combo box: its paints, clicks and focus changes draw over the parts of
// the combo box it does not cover, so the button shows its state at once.
class TComboEditHook : private TWindowHook {
public:
    TComboEditHook(TSkinComBox& owner, HWND edit) : owner_(owner) { HookWindow(edit); }
    HWND Window() const { return HookedWindow(); }

private:
    LRESULT HookProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = CallDefault(msg, wParam, lParam);
        switch (msg) {
        case WM_PAINT:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            owner_.PaintWindow(nullptr);
            break;
        case WM_NCDESTROY:
            UnhookWindow();
            break;
        default:
            break;
        }
        return result;
    }
    TSkinComBox& owner_;
};

const TClassInfo& TSkinComBox::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinComBox, TSkinControl>("TSkinComBox", nullptr, false);
    return info;
}

TSkinComBox::TSkinComBox(TComponent* owner) : TSkinControl(owner) {}

TSkinComBox::~TSkinComBox() = default;

void TSkinComBox::Attach(TVarUdedForm* form, TSkinData* skinData, bool takeColour) {
    TSkinControl::Attach(form, skinData, takeColour);
    HookEdit();
}

void TSkinComBox::AttachWindow(HWND window, TSkinData* skinData, TVarUdedForm* form) {
    TSkinControl::AttachWindow(window, skinData, form);
    HookEdit();
}

void TSkinComBox::Detach() {
    FEdit.reset();
    TSkinControl::Detach();
}

void TSkinComBox::HookEdit() {
    if (!FWnd || FEdit)
        return;
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (!GetComboBoxInfo(FWnd, &info) || !info.hwndItem || info.hwndItem == FWnd)
        return;
    FEdit = std::make_unique<TComboEditHook>(*this, info.hwndItem);
}

HWND TSkinComBox::EditWindow() const {
    return FEdit ? FEdit->Window() : nullptr;
}

bool TSkinComBox::RightToLeft() const {
    return (GetWindowLongPtrW(FWnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
}

bool TSkinComBox::ButtonRect(RECT& rect) const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(FWnd, &info)) {
        if (info.stateButton & STATE_SYSTEM_INVISIBLE)
            return false;
        rect = info.rcButton;
        return true;
    }
    RECT window{};
    GetWindowRect(FWnd, &window);
    const skin::PaintRect r =
        skin::ComboButtonRect(window.right - window.left, window.bottom - window.top,
                              GetSystemMetrics(SM_CXHSCROLL), RightToLeft());
    rect = {r.left, r.top, r.right, r.bottom};
    return true;
}

int TSkinComBox::ButtonFrame() const {
    if (!FEnabled)
        return 3;
    const bool dropped = FDropped || SendMessageW(FWnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
    if (dropped || (FMouseState & skin::kMousePressed))
        return 2;
    const HWND focus = GetFocus();
    if ((focus && (focus == FWnd || IsChild(FWnd, focus))) || (FMouseState & skin::kMouseHot))
        return 4;
    return 1;
}

void TSkinComBox::AfterMessage(TMessage& msg) {
    switch (msg.Msg) {
    case WM_PAINT:
        PaintWindow(reinterpret_cast<HDC>(msg.WParam));
        return;
    case WM_MOUSEMOVE: {
        RECT button{};
        const POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
        const bool inside = ButtonRect(button) && PtInRect(&button, p);
        const bool wasHot = (FMouseState & skin::kMouseHot) != 0;
        if (inside != wasHot) {
            FMouseState ^= skin::kMouseHot;
            PaintWindow(nullptr);
        }
        TrackMouseLeave();
        return;
    }
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        FMouseState &= ~(skin::kMouseHot | skin::kMousePressed);
        PaintWindow(nullptr);
        return;
    case CN_COMMAND:
        if (HIWORD(msg.WParam) == CBN_DROPDOWN || HIWORD(msg.WParam) == CBN_CLOSEUP) {
            FDropped = HIWORD(msg.WParam) == CBN_DROPDOWN;
            PaintWindow(nullptr);
        }
        return;
    // The control draws its button and selection straight onto the screen at these.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_CAPTURECHANGED:
    case CB_SETCURSEL:
    case CB_SHOWDROPDOWN:
        PaintWindow(nullptr);
        return;
    default:
        break;
    }
    TSkinControl::AfterMessage(msg);
}

void TSkinComBox::Paint(HDC dc, const RECT& rect) {
    const TSkinElements& elements = FSkinData->Elements();
    const TDataSkinBorder* button = elements.ComboButton.get();
    if (!button || button->Image.Empty())
        return;
    ReadFocusAndEnabling();
    RECT buttonRect{};
    if (!ButtonRect(buttonRect))
        return;
    const int frame = ButtonFrame();
    const bool rtl = RightToLeft();
    const int arrowWidth = GetSystemMetrics(SM_CXHSCROLL);
    const skin::SavedDC saved(dc);
    if (button->Style == 2) {
        const TDataSkinObject* picture = button;
        if (rtl && elements.SunkEdge)
            picture = elements.SunkEdge.get();
        skin::DrawNineGridTo(dc, rect, ImageHandle(picture->Image), skin::FrameLayout::SideBySide,
                             picture->Tile != 0, true, button->Frames(), frame,
                             MarginsOf(*picture));
        return;
    }
    if (button->Style == 1) {
        skin::GdiBrush shadow(
            CreateSolidBrush(static_cast<COLORREF>(FSkinData->Colours().ButtonShadow)));
        FrameRect(dc, &rect, shadow.Get());
        const int thumb = GetSystemMetrics(SM_CYVTHUMB);
        const RECT area =
            rtl ? RECT{rect.left + 1, rect.top + 1, rect.left + 1 + thumb, rect.bottom - 1}
                : RECT{rect.right - 1 - thumb, rect.top + 1, rect.right - 1, rect.bottom - 1};
        skin::DrawFrame(dc, area, ImageHandle(button->Image), button->Trans != 0, button->Frames(),
                        frame);
        return;
    }
    // The plain style: the text area stays as the control painted it.
    const RECT text =
        rtl ? RECT{rect.left + 2 + arrowWidth + 4, rect.top + 2, rect.right - 2, rect.bottom - 2}
            : RECT{rect.left + 2, rect.top + 2, rect.right - 2 - arrowWidth - 4, rect.bottom - 2};
    ExcludeClipRect(dc, text.left, text.top, text.right, text.bottom);
    if (elements.SunkEdge)
        skin::DrawElement(dc, rect, elements.SunkEdge->Frames(), frame,
                          PictureOf(*elements.SunkEdge));
    const skin::PaintRect r =
        skin::ComboButtonRect(rect.right - rect.left, rect.bottom - rect.top, arrowWidth, rtl);
    const RECT place{rect.left + r.left, rect.top + r.top, rect.left + r.right,
                     rect.top + r.bottom};
    skin::DrawElement(dc, place, button->Frames(), frame, PictureOf(*button));
    if (elements.ExtraImages)
        skin::DrawFrameCentred(dc, place, ImageHandle(elements.ExtraImages->Image), true,
                               elements.ExtraImages->Frames(), frame);
}
