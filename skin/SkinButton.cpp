// The push button skinner and the composing every button skinner shares.

#include "skin/SkinButton.h"

#include "skin/SkinImageGdi.h"
#include "skin/VarUdedData.h"
#include "skin/WindowClass.h"

#include <windowsx.h>

namespace {

// Tag of a control that shows its parent through the transparent parts of its picture.
constexpr int kTransparentTag = 5555;

unsigned MouseShift(WPARAM keys) {
    unsigned shift = 0;
    if (keys & MK_SHIFT)
        shift |= 1;
    if (keys & MK_CONTROL)
        shift |= 4;
    return shift;
}

std::wstring LowerClass(const TControl& control) {
    return skin::LowerAscii(std::wstring(control.ClassName().begin(), control.ClassName().end()));
}

std::wstring WindowClassLower(HWND window) {
    return skin::LowerAscii(skin::WindowClassName(window));
}

} // namespace

const TClassInfo& TSkinButton::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinButton, TSkinControl>("TSkinButton", nullptr, false);
    return info;
}

void TSkinButton::Attach(TVarUdedForm* form, TSkinData* skinData, bool takeColour) {
    TSkinControl::Attach(form, skinData, takeColour);
    if (!FControl)
        return;
    const std::wstring name = LowerClass(*FControl);
    // Those buttons take no mouse-down from here: they track the mouse themselves.
    FVariant = name.rfind(L"trz", 0) == 0 || name.rfind(L"tel", 0) == 0 ? 1 : 0;
    FTransparent = FControl->Tag() == kTransparentTag || skinData->HasOption(xoTransparent);
}

void TSkinButton::AttachWindow(HWND window, TSkinData* skinData, TVarUdedForm* form) {
    TSkinControl::AttachWindow(window, skinData, form);
    FTransparent = skinData->HasOption(xoTransparent);
}

bool TSkinButton::CanPaint() const {
    const TDataSkinButton* element = FSkinData ? FSkinData->Elements().Buttons.get() : nullptr;
    return element && !element->Image.Empty();
}

bool TSkinButton::BeforeMessage(TMessage& msg) {
    if (CanPaint() && TakeOverPaint(msg))
        return false;
    switch (msg.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        PressWithMouse(msg);
        return false;
    default:
        break;
    }
    return TSkinControl::BeforeMessage(msg);
}

// The native button never sees the press, so it never captures the mouse and never clicks by
// itself: the release below is the only click a mouse press makes.
void TSkinButton::PressWithMouse(const TMessage& msg) {
    if (FWnd && GetFocus() != FWnd)
        SetFocus(FWnd);
    FMouseState |= skin::kMousePressed;
    PaintWindow(nullptr);
    if (!FControl || FVariant != 0)
        return;
    int x = GET_X_LPARAM(msg.LParam);
    int y = GET_Y_LPARAM(msg.LParam);
    if (FControl->Width() > 0x8000 || FControl->Height() > 0x8000) {
        POINT cursor{};
        GetCursorPos(&cursor);
        ScreenToClient(FWnd, &cursor);
        x = cursor.x;
        y = cursor.y;
    }
    FControl->MouseDown(TMouseButton::mbLeft, MouseShift(msg.WParam), x, y);
}

void TSkinButton::AfterMessage(TMessage& msg) {
    switch (msg.Msg) {
    case WM_SETTEXT:
        PaintWindow(nullptr);
        return;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (msg.WParam != VK_SPACE)
            break;
        if (msg.Msg == WM_KEYDOWN)
            FMouseState |= skin::kMousePressed;
        else
            FMouseState &= ~skin::kMousePressed;
        Repaint();
        return;
    case WM_MOUSEMOVE:
        ReadFocusAndEnabling();
        // A disabled button does not light up, and one that is hot stays so until the mouse
        // leaves.
        if (FEnabled)
            FollowMouse(true);
        else
            TrackMouseLeave();
        return;
    case WM_LBUTTONUP:
        if (FMouseState & skin::kMousePressed) {
            FMouseState &= ~skin::kMousePressed;
            Repaint();
            ProduceClick();
        }
        return;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        MouseLeft(true);
        return;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED:
    case WM_UPDATEUISTATE: // the native button draws its focus cue at once
    case BM_SETSTATE:
        Repaint();
        return;
    default:
        break;
    }
    TSkinControl::AfterMessage(msg);
}

void TSkinButton::ProduceClick() {
    if (FControl) {
        // The click may free this skinner (a handler that stops skinning): nothing after it.
        FControl->Click();
        return;
    }
    const HWND parent = GetParent(FWnd);
    const WPARAM id = WindowClassLower(FWnd) == L"tbutton"
                          ? 0
                          : static_cast<WPARAM>(static_cast<WORD>(GetDlgCtrlID(FWnd)));
    PostMessageW(parent, WM_COMMAND, id, reinterpret_cast<LPARAM>(FWnd));
}

int TSkinButton::CurrentFrame() const {
    // The button Enter presses (the focused one, or the form's default button while no other
    // button has the focus) shows the focused look.
    const bool active = FFocused || (FWnd && (GetWindowLongPtrW(FWnd, GWL_STYLE) & BS_TYPEMASK) ==
                                                 BS_DEFPUSHBUTTON);
    return skin::PushButtonFrame(FEnabled, FMouseState, active);
}

bool TSkinButton::NoFocusRect() const {
    return FSkinData->HasOption(xoNoFocusRect);
}

std::wstring TSkinButton::Caption() const {
    return skin::ButtonCaptionLines(ControlText());
}

void TSkinButton::Paint(HDC dc, const RECT& rect) {
    if (!CanPaint())
        return;
    ReadFocusAndEnabling();
    FMultiLine = FControl && skin::LowerAscii(GetPropText(FControl, "MultiLine")) == L"true";
    ComposeAndCopy(dc, rect, CurrentFrame());
}

void TSkinButton::ComposeAndCopy(HDC dc, const RECT& rect, int frame) {
    const auto draw = [&](HDC target, const RECT& whole) {
        PaintBackground(target, whole, frame);
        PaintFace(target, whole, frame);
    };
    // A parent's picture behind, or a glyph the control may change, is drawn anew every time.
    if (FTransparent || !FaceFollowsState()) {
        FPicture.Compose(dc, rect, nullptr, draw);
        return;
    }
    const TDataSkinButton& element = *FSkinData->Elements().Buttons;
    const std::size_t key = skin::PictureKey(
        frame, ControlText(), FFocused, FEnabled, ControlFont(), TextColour(), NoFocusRect(),
        ReadingFlags(), &element, ImageHandle(element.Image), FSkinData->Colours().ButtonFace);
    FPicture.ComposeKeyed(dc, rect, key, nullptr, draw);
}

void TSkinButton::Refresh() {
    FPicture.Forget();
    TSkinControl::Refresh();
}

void TSkinButton::PaintBackground(HDC dc, const RECT& rect, int frame) {
    if (FTransparent && FWnd) {
        skin::PaintParentBackground(FWnd, dc);
    } else if (FTransparent && FControl && FControl->Parent()) {
        skin::PaintParentBackground(FControl->Parent()->Handle(), FControl->BoundsRect(), dc);
    } else {
        FillRect(dc, &rect, FSkinData->FaceBrush());
    }
    const TDataSkinButton& element = *FSkinData->Elements().Buttons;
    skin::DrawElement(dc, rect, element.Frames(), frame, PictureOf(element));
}

void TSkinButton::PrepareText(HDC dc, int frame) const {
    SelectObject(dc, ControlFont());
    SetBkMode(dc, TRANSPARENT);
    const TDataSkinButton& element = *FSkinData->Elements().Buttons;
    COLORREF colour = TextColour();
    if (frame == 1 && element.NormalColour != -1)
        colour = static_cast<COLORREF>(element.NormalColour);
    else if (frame == 4 && element.MouseOverColour != -1)
        colour = static_cast<COLORREF>(element.MouseOverColour);
    else if (frame == 2 && element.PressedColour != -1)
        colour = static_cast<COLORREF>(element.PressedColour);
    if (!FEnabled)
        colour = GetSysColor(COLOR_GRAYTEXT);
    SetTextColor(dc, colour);
}

void TSkinButton::PaintFace(HDC dc, const RECT& rect, int frame) {
    const skin::SavedDC saved(dc);
    PrepareText(dc, frame);
    const std::wstring text = Caption();
    RECT area = rect;
    InflateRect(&area, -2, -2);
    const UINT flags = DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | ReadingFlags();
    RECT block = area;
    skin::DrawTextAuto(dc, text, block, flags | DT_NOCLIP | DT_CALCRECT);
    const skin::PaintRect placed =
        skin::CentredFrameDest({area.left, area.top, area.right, area.bottom},
                               block.right - block.left, block.bottom - block.top);
    RECT target{placed.left, placed.top, placed.right, placed.bottom};
    skin::DrawTextAuto(dc, text, target, flags | DT_NOCLIP);
    if (FFocused && !NoFocusRect() && !text.empty()) {
        RECT focus = target;
        InflateRect(&focus, 2, 2);
        IntersectRect(&focus, &focus, &rect);
        DrawFocusRect(dc, &focus);
    }
}
