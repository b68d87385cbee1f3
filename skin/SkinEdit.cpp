// The edit skinner: a skinned border over the system's one.

#include "skin/SkinEdit.h"

#include "skin/ControlWalk.h"
#include "skin/SkinRange.h"
#include "skin/VarUdedData.h"
#include "skin/VarUdedForm.h"
#include "skin/WindowClass.h"

namespace {

// The first child window that is an up-down or spin button.
HWND FindSpinChild(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring lower = skin::LowerAscii(skin::WindowClassName(child));
        if (lower == L"msctls_updown32" || lower.find(L"spin") != std::wstring::npos ||
            lower.find(L"updown") != std::wstring::npos)
            return child;
    }
    return nullptr;
}

} // namespace

const TClassInfo& TSkinEdit::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TSkinEdit, TSkinControl>("TSkinEdit", nullptr, false);
    return info;
}

void TSkinEdit::Attach(TVarUdedForm* form, TSkinData* skinData, bool takeColour) {
    TSkinControl::Attach(form, skinData, takeColour);
    AttachSpin();
}

void TSkinEdit::AttachWindow(HWND window, TSkinData* skinData, TVarUdedForm* form) {
    TSkinControl::AttachWindow(window, skinData, form);
    AttachSpin();
}

void TSkinEdit::AttachSpin() {
    if (!FWnd || !FSkinData->Skins(xcSpin))
        return;
    const HWND spin = FindSpinChild(FWnd);
    if (!spin || (FForm && FForm->Skinners().FindByWindow(spin)))
        return;
    auto* skinner = new TSkinUpDown(nullptr);
    skinner->SetEmbedded(true);
    skinner->AttachWindow(spin, FSkinData, FForm);
    if (!skinner->Attached())
        delete skinner;
}

bool TSkinEdit::BeforeMessage(TMessage& msg) {
    if (msg.Msg == skinmsg::kPaintControlTo && msg.LParam == skinmsg::kMagic) {
        TMessage paint{WM_PAINT, msg.WParam, 0, 0};
        CallPrevious(paint);
        PaintWindow(reinterpret_cast<HDC>(msg.WParam));
        msg.Result = skinmsg::kMagic;
        return false;
    }
    return TSkinControl::BeforeMessage(msg);
}

void TSkinEdit::AfterMessage(TMessage& msg) {
    switch (msg.Msg) {
    case WM_PAINT:
        // The border lies outside the client area the paint's context reaches.
        PaintWindow(nullptr);
        return;
    case WM_PRINTCLIENT:
    case WM_NCPAINT:
        PaintWindow(nullptr);
        return;
    default:
        break;
    }
    TSkinControl::AfterMessage(msg);
}

void TSkinEdit::Paint(HDC dc, const RECT& rect) {
    RECT client{};
    GetClientRect(FWnd, &client);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= client.right || height <= client.bottom)
        return;
    const skin::GdiBrush shadow(
        CreateSolidBrush(static_cast<COLORREF>(FSkinData->Colours().ButtonShadow)));
    RECT ring = rect;
    FrameRect(dc, &ring, shadow.Get());
    const auto white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    for (int i = 0; i < InnerFrames(); ++i) {
        InflateRect(&ring, -1, -1);
        FrameRect(dc, &ring, white);
    }
}
