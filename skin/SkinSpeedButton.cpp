// The speed button skinner: a button without a window, painted into its parent's device context.

#include "skin/SkinButton.h"
#include "skin/SkinImageGdi.h"
#include "skin/VarUdedData.h"

namespace {

constexpr int kTransparentTag = 5555;

} // namespace

const TClassInfo& TSkinSpeedButton::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinSpeedButton, TSkinBitButton>("TSkinSpeedButton", nullptr, false);
    return info;
}

bool TSkinSpeedButton::BeforeMessage(TMessage& msg) {
    if (msg.Msg == WM_PAINT && CanPaint() && msg.WParam) {
        Paint(reinterpret_cast<HDC>(msg.WParam), RECT{0, 0, FControl->Width(), FControl->Height()});
        msg.Result = 0;
        return false;
    }
    // Presses go to the control first (it keeps its own down state and clicks).
    return TSkinControl::BeforeMessage(msg);
}

void TSkinSpeedButton::AfterMessage(TMessage& msg) {
    switch (msg.Msg) {
    case CM_MOUSEENTER:
        if (FControl->Enabled())
            FMouseState |= skin::kMouseHot;
        Repaint();
        return;
    case CM_MOUSELEAVE:
        MouseLeft(true);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        FMouseState |= skin::kMousePressed;
        Repaint();
        return;
    case WM_LBUTTONUP:
        FMouseState &= ~skin::kMousePressed;
        Repaint();
        return;
    case CM_ENABLEDCHANGED:
        Repaint();
        return;
    default:
        return;
    }
}

int TSkinSpeedButton::SpeedFrame() const {
    if (!FControl->Enabled())
        return 3;
    if ((FMouseState & skin::kMousePressed) || GetPropText(FControl, "Down") == L"True")
        return 2;
    return (FMouseState & skin::kMouseHot) ? 4 : 1;
}

void TSkinSpeedButton::Paint(HDC dc, const RECT& rect) {
    FEnabled = FControl->Enabled();
    FFocused = false;
    const int frame = SpeedFrame();
    const bool flat = GetPropText(FControl, "Flat") == L"True";
    const bool transparent =
        FControl->Tag() == kTransparentTag || FSkinData->HasOption(xoTransparent);
    FPicture.Compose(
        dc, rect, transparent ? nullptr : FSkinData->FaceBrush(),
        [&](HDC target, const RECT& whole) {
            // What lies behind: the device context as the parent painted it so far.
            if (transparent)
                BitBlt(target, 0, 0, whole.right, whole.bottom, dc, rect.left, rect.top, SRCCOPY);
            if (!flat || frame == 2 || frame == 4) {
                const TDataSkinButton& element = *FSkinData->Elements().Buttons;
                skin::DrawElement(target, whole, element.Frames(), frame, PictureOf(element));
            }
            PaintFace(target, whole, frame);
        });
}
