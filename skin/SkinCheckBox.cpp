// The check box and radio button skinners.

#include "skin/SkinCheckBox.h"

#include "skin/ImgUtilPaint.h"
#include "skin/SkinImageGdi.h"
#include "skin/VarUdedData.h"

namespace {

constexpr int kTransparentTag = 5555;

} // namespace

const TClassInfo& TSkinCheckBox::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinCheckBox, TSkinControl>("TSkinCheckBox", nullptr, false);
    return info;
}

const TClassInfo& TSkinRadioButton::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinRadioButton, TSkinCheckBox>("TSkinRadioButton", nullptr, false);
    return info;
}

void TSkinCheckBox::Attach(TVarUdedForm* form, TSkinData* skinData, bool takeColour) {
    TSkinControl::Attach(form, skinData, takeColour);
    ReadTransparency();
}

void TSkinCheckBox::AttachWindow(HWND window, TSkinData* skinData, TVarUdedForm* form) {
    TSkinControl::AttachWindow(window, skinData, form);
    ReadTransparency();
}

void TSkinCheckBox::ReadTransparency() {
    FTransparent = (FControl && FControl->Tag() == kTransparentTag) ||
                   (FSkinData && FSkinData->HasOption(xoTransparent));
}

const SkinImage* TSkinCheckBox::Strip(int& frames) const {
    const TDataSkinButton* buttons = FSkinData->Elements().Buttons.get();
    if (!buttons)
        return nullptr;
    frames = buttons->CheckButtonFrame;
    return &buttons->CheckImage;
}

const SkinImage* TSkinRadioButton::Strip(int& frames) const {
    const TDataSkinButton* buttons = FSkinData->Elements().Buttons.get();
    if (!buttons)
        return nullptr;
    frames = buttons->RadioButtonFrame;
    return &buttons->RadioImage;
}

bool TSkinCheckBox::CanPaint() const {
    int frames = 0;
    const SkinImage* strip = FSkinData ? Strip(frames) : nullptr;
    return strip && !strip->Empty();
}

bool TSkinCheckBox::BeforeMessage(TMessage& msg) {
    switch (msg.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        if (!CanPaint())
            break;
        FullPaint(msg);
        return false;
    case WM_ERASEBKGND:
        if (!CanPaint())
            break;
        if (FTransparent) {
            TransparentBackground(msg);
        } else {
            msg.Result = 1;
        }
        return false;
    case BM_SETCHECK:
        FLastSetCheck = static_cast<int>(msg.WParam);
        break;
    default:
        break;
    }
    return TSkinControl::BeforeMessage(msg);
}

void TSkinCheckBox::AfterMessage(TMessage& msg) {
    switch (msg.Msg) {
    case WM_MOUSEMOVE:
        // The pushed look follows the mouse in and out while the button is held.
        if (!FollowMouse(true) && GetCapture() == FWnd)
            Repaint();
        return;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        MouseLeft(false);
        return;
    // The native button draws straight onto the screen at these: the skin goes back on top.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
    case WM_UPDATEUISTATE:
    case BM_SETCHECK:
    case BM_SETSTATE:
        Repaint();
        return;
    default:
        break;
    }
    TSkinControl::AfterMessage(msg);
}

skin::CheckMark TSkinCheckBox::CurrentMark() const {
    using skin::CheckMark;
    const LRESULT state = FWnd ? SendMessageW(FWnd, BM_GETSTATE, 0, 0) : 0;
    CheckMark mark = (state & BST_INDETERMINATE) ? CheckMark::Indeterminate
                     : (state & BST_CHECKED)     ? CheckMark::Checked
                                                 : CheckMark::Unchecked;
    if (!FControl)
        return mark;
    if (HasProperty(FControl, "DataBinding"))
        return CheckMark::Unchecked;
    if (HasProperty(FControl, "DataField")) {
        const int value = FLastSetCheck + 1;
        return value >= 3   ? CheckMark::Indeterminate
               : value == 2 ? CheckMark::Checked
                            : CheckMark::Unchecked;
    }
    if (HasProperty(FControl, "State")) {
        CheckMark fromState = mark;
        if (skin::CheckMarkFromStateText(GetPropText(FControl, "State"), fromState))
            return fromState;
        return mark;
    }
    if (HasProperty(FControl, "Checked"))
        return GetPropText(FControl, "Checked") == L"True" ? CheckMark::Checked
                                                           : CheckMark::Unchecked;
    return mark;
}

void TSkinCheckBox::Paint(HDC dc, const RECT& rect) {
    int frames = 0;
    const SkinImage* strip = Strip(frames);
    if (!strip || strip->Empty())
        return;
    frames = std::max(frames, 1);
    ReadFocusAndEnabling();
    int mouse = FMouseState;
    if (FWnd && (SendMessageW(FWnd, BM_GETSTATE, 0, 0) & BST_PUSHED))
        mouse |= skin::kMousePressed;
    const int frame = skin::CheckBoxFrame(frames, CurrentMark(), FEnabled, mouse);
    if (FTransparent) {
        // The parent's picture behind can change at any time: drawn anew every time.
        FPicture.Compose(dc, rect, nullptr, [&](HDC target, const RECT& whole) {
            skin::PaintParentBackground(FWnd, target);
            PaintBoxAndText(target, whole, *strip, frames, frame);
        });
        return;
    }
    const std::size_t key =
        skin::PictureKey(frame, ControlText(), FFocused, FEnabled, ControlFont(), TextColour(),
                         ReadingFlags(), GetWindowLongPtrW(FWnd, GWL_STYLE), strip,
                         ImageHandle(*strip), FSkinData->Colours().ButtonFace);
    FPicture.ComposeKeyed(dc, rect, key, FSkinData->FaceBrush(),
                          [&](HDC target, const RECT& whole) {
                              PaintBoxAndText(target, whole, *strip, frames, frame);
                          });
}

void TSkinCheckBox::Refresh() {
    FPicture.Forget();
    TSkinControl::Refresh();
}

void TSkinCheckBox::PaintBoxAndText(HDC target, const RECT& whole, const SkinImage& strip,
                                    int frames, int frame) {
    const int width = whole.right;
    const int height = whole.bottom;
    const int cellWidth = strip.Width() / frames;
    const int cellHeight = strip.Height();
    const bool leftText = FWnd && (GetWindowLongPtrW(FWnd, GWL_STYLE) & BS_LEFTTEXT);
    const int boxLeft = leftText ? width - cellWidth : 0;
    const int boxTop = (height - cellHeight) / 2;
    const RECT box{boxLeft, boxTop, boxLeft + cellWidth, boxTop + cellHeight};
    skin::DrawFrame(target, box, ImageHandle(strip), true, frames, frame);

    const std::wstring text = ControlText();
    if (text.empty())
        return;
    const skin::SavedDC saved(target);
    SelectObject(target, ControlFont());
    SetBkMode(target, TRANSPARENT);
    SetTextColor(target, FEnabled ? TextColour() : GetSysColor(COLOR_GRAYTEXT));
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | ReadingFlags();
    RECT textRect{cellWidth + 2, 0, width, height};
    if (leftText) {
        textRect = {0, 0, width - cellWidth - 2, height};
        flags |= DT_RIGHT | DT_RTLREADING;
    }
    skin::DrawTextAuto(target, text, textRect, flags);
    if (FFocused) {
        // Measured as drawn: a single line, placed in the middle of the height.
        RECT measured = textRect;
        skin::DrawTextAuto(target, text, measured, flags | DT_CALCRECT);
        const int textHeight = measured.bottom - measured.top;
        RECT line{textRect.left, (height - textHeight) / 2, textRect.right,
                  (height - textHeight) / 2 + textHeight};
        DrawFocusAround(target, text, line, flags & ~(DT_VCENTER | DT_SINGLELINE));
    }
}
