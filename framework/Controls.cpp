#include "framework/Controls.h"

#include "framework/Menus.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <stdexcept>
#include <unordered_map>

const TEnumInfo AlignNames{{L"alNone", L"alTop", L"alBottom", L"alLeft", L"alRight", L"alClient"}};
const TEnumInfo AlignmentNames{{L"taLeftJustify", L"taRightJustify", L"taCenter"}};
const TEnumInfo BorderStyleNames{{L"bsNone", L"bsSingle"}};
const TEnumInfo BiDiModeNames{
    {L"bdLeftToRight", L"bdRightToLeft", L"bdRightToLeftNoAlign", L"bdRightToLeftReadingOnly"}};

namespace {

thread_local TWinControl* t_creating = nullptr;

// The control of each framework window, by handle. Every message a control receives starts with
// this lookup, so it stays inside the process: a window property (GetPropW) costs a round trip
// to the window server under Wine, several per list line during a record download. An entry
// lives from the window's first message until its WM_NCDESTROY, the control's destruction or
// the handle being detached, whichever comes first, so it never outlives its control.
class ControlsByHandle {
public:
    void Set(HWND hwnd, TWinControl* control) {
        std::lock_guard lock(mutex_);
        controls_[hwnd] = control;
    }
    void Remove(HWND hwnd) {
        std::lock_guard lock(mutex_);
        controls_.erase(hwnd);
    }
    TWinControl* Find(HWND hwnd) {
        std::lock_guard lock(mutex_);
        const auto it = controls_.find(hwnd);
        return it == controls_.end() ? nullptr : it->second;
    }

private:
    std::mutex mutex_;
    std::unordered_map<HWND, TWinControl*> controls_;
};

ControlsByHandle& ControlWindows() {
    static ControlsByHandle controls;
    return controls;
}

// Framework window classes by name, with the procedure of the class each one extends.
std::map<std::wstring, WNDPROC>& WindowClasses() {
    static std::map<std::wstring, WNDPROC> classes;
    return classes;
}

WNDPROC EnsureWindowClass(const std::wstring& name, const TCreateParams& params) {
    auto& classes = WindowClasses();
    auto it = classes.find(name);
    if (it != classes.end())
        return it->second;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    WNDPROC base = DefWindowProcW;
    if (!params.BaseClassName.empty()) {
        // Super-classing keeps the standard class's style and extra bytes.
        if (!GetClassInfoExW(nullptr, params.BaseClassName.c_str(), &wc))
            throw Exception(L"Window class " + params.BaseClassName + L" is not available");
        base = wc.lpfnWndProc;
    } else {
        wc.style = params.ClassStyle;
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    }
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = TWinControl::StdWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name.c_str();
    wc.hIconSm = nullptr;
    if (!RegisterClassExW(&wc))
        throw Exception(L"Window class " + name + L" cannot be registered");
    classes[name] = base;
    return base;
}

WNDPROC BaseProcOf(HWND hwnd) {
    wchar_t name[256];
    if (GetClassNameW(hwnd, name, 256)) {
        auto it = WindowClasses().find(name);
        if (it != WindowClasses().end())
            return it->second;
    }
    return DefWindowProcW;
}

unsigned ShiftState(WPARAM keys) {
    unsigned shift = 0;
    if (keys & MK_SHIFT)
        shift |= 1;
    if (keys & MK_CONTROL)
        shift |= 4;
    return shift;
}

} // namespace

// TControl

const TClassInfo& TControl::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TControl, TComponent>(
        "TControl",
        [](PropBuilder<TControl>& b) {
            b.Int("Left", &TControl::Left, &TControl::SetLeft)
                .Int("Top", &TControl::Top, &TControl::SetTop)
                .Int("Width", &TControl::Width, &TControl::SetWidth)
                .Int("Height", &TControl::Height, &TControl::SetHeight)
                .Bool("Visible", &TControl::Visible, &TControl::SetVisible)
                .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled)
                .Object("Font", &TControl::Font)
                .Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
                .Int("Color", &TControl::Color, &TControl::SetColor)
                .Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
                .Bool("ParentBackground", &TControl::ParentBackground,
                      &TControl::SetParentBackground)
                .Enum("Align", AlignNames, &TControl::Align, &TControl::SetAlign)
                .Enum("BiDiMode", BiDiModeNames, &TControl::BiDiMode, &TControl::SetBiDiMode)
                .ComponentRef("PopupMenu", &TControl::PopupMenuName, &TControl::SetPopupMenuName)
                .NotifyEvent("OnClick", &TControl::OnClick);
        },
        false);
    return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
    WindowProc = [this](TMessage& msg) { WndProc(msg); };
    font_.OnChange = [this] {
        parentFont_ = parentFont_ && Loading();
        FontChanged();
    };
}

TControl::~TControl() {
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_)
        return;
    if (parent == this)
        throw Exception(L"A control cannot be its own parent");
    if (parent_)
        parent_->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
    auto* winParent = dynamic_cast<TWinControl*>(parent);
    if (!winParent)
        throw EFormError(L"Control " + Name() + L" has no parent that can hold it");
    SetParent(winParent);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    bool changed = left != left_ || top != top_ || width != width_ || height != height_;
    if (!changed)
        return;
    if (auto* p = dynamic_cast<TGraphicControl*>(this); p && parent_)
        Invalidate(); // the old place
    left_ = left;
    top_ = top;
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    if (dynamic_cast<TGraphicControl*>(this))
        Invalidate();
    if (align_ != TAlign::alNone)
        RequestAlign();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    if (!visible)
        Invalidate();
    visible_ = visible;
    VisibleChanged();
    Perform(CM_VISIBLECHANGED, visible);
    RequestAlign();
}

void TControl::VisibleChanged() {
    Invalidate();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    EnabledChanged();
    Perform(CM_ENABLEDCHANGED);
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_) {
        if (!c->visible_)
            return false;
    }
    return true;
}

void TControl::SetText(const std::wstring& text) {
    if (text == text_)
        return;
    text_ = text;
    TextChanged();
    Perform(CM_TEXTCHANGED);
}

void TControl::SetParentFont(bool v) {
    parentFont_ = v;
    if (v && parent_) {
        font_.Assign(*parent_->Font());
        parentFont_ = true;
    }
}

void TControl::FontChanged() {
    Invalidate();
    Perform(CM_FONTCHANGED);
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color == color_)
        return;
    color_ = color;
    ColorChanged();
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool v) {
    parentColor_ = v;
    if (v && parent_) {
        color_ = parent_->Color();
        ColorChanged();
    }
}

void TControl::SetParentBackground(bool v) {
    parentBackground_ = v;
}

void TControl::SetAlign(TAlign align) {
    if (align == align_)
        return;
    align_ = align;
    RequestAlign();
}

void TControl::SetBiDiMode(TBiDiMode mode) {
    if (mode == biDiMode_)
        return;
    biDiMode_ = mode;
    BiDiModeChanged();
}

std::wstring TControl::PopupMenuName() const {
    return popupMenu_.Name();
}

void TControl::SetPopupMenuName(const std::wstring& name) {
    popupMenu_.SetName(*this, name);
}

void TControl::Loaded() {
    TComponent::Loaded();
    popupMenu_.Resolve(*this);
}

void TControl::Notification(TComponent* component, bool removing) {
    TComponent::Notification(component, removing);
    if (removing)
        popupMenu_.Forget(component);
}

void TControl::RequestAlign() {
    if (parent_ && !Loading())
        parent_->AlignControls();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& msg) {
    switch (msg.Msg) {
    case CM_MOUSEENTER:
        mouseInControl_ = true;
        return;
    case CM_MOUSELEAVE:
        mouseInControl_ = false;
        return;
    case CM_PARENTFONTCHANGED:
        if (parentFont_ && parent_) {
            font_.Assign(*parent_->Font());
            parentFont_ = true;
        }
        return;
    case CM_PARENTCOLORCHANGED:
        if (parentColor_ && parent_) {
            color_ = parent_->Color();
            ColorChanged();
        }
        return;
    default:
        DefaultHandler(msg);
    }
}

void TControl::DefaultHandler(TMessage& msg) {
    msg.Result = 0;
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TControl::MouseDown(TMouseButton button, unsigned shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::Invalidate() {
    if (auto* self = dynamic_cast<TWinControl*>(this)) {
        if (self->HandleAllocated())
            InvalidateRect(self->Handle(), nullptr, TRUE);
        return;
    }
    if (parent_ && parent_->HandleAllocated()) {
        RECT r = BoundsRect();
        InvalidateRect(parent_->Handle(), &r, TRUE);
    }
}

// TGraphicControl

const TClassInfo& TGraphicControl::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TGraphicControl, TControl>("TGraphicControl", nullptr, false);
    return info;
}

void TGraphicControl::WndProc(TMessage& msg) {
    switch (msg.Msg) {
    case WM_PAINT: {
        canvas_.SetHandle(reinterpret_cast<HDC>(msg.WParam));
        canvas_.Font()->Assign(*Font());
        canvas_.Brush()->SetColor(Color());
        try {
            Paint(canvas_);
        } catch (...) {
            canvas_.SetHandle(nullptr);
            throw;
        }
        canvas_.SetHandle(nullptr);
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
        MouseDown(msg.Msg == WM_RBUTTONDOWN ? TMouseButton::mbRight : TMouseButton::mbLeft,
                  ShiftState(msg.WParam), static_cast<short>(LOWORD(msg.LParam)),
                  static_cast<short>(HIWORD(msg.LParam)));
        return;
    case WM_LBUTTONUP: {
        POINT pt{static_cast<short>(LOWORD(msg.LParam)), static_cast<short>(HIWORD(msg.LParam))};
        RECT r = ClientRect();
        if (PtInRect(&r, pt))
            Click();
        return;
    }
    default:
        TControl::WndProc(msg);
    }
}

// TWinControl

const TClassInfo& TWinControl::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TWinControl, TControl>(
        "TWinControl",
        [](PropBuilder<TWinControl>& b) {
            b.Int("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
                .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
                .KeyPressEvent("OnKeyPress", &TWinControl::OnKeyPress)
                .NotifyEvent("OnEnter", &TWinControl::OnEnter)
                .NotifyEvent("OnExit", &TWinControl::OnExit);
        },
        false);
    return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    for (TControl* c : std::vector<TControl*>(controls_))
        RemoveControl(c);
    if (handle_) {
        // The object is going: later messages of the window go to its class's own procedure.
        HWND h = handle_;
        ControlWindows().Remove(h);
        handle_ = nullptr;
        DestroyWindow(h);
    }
}

TWinControl* TWinControl::FromHandle(HWND hwnd) {
    return hwnd ? ControlWindows().Find(hwnd) : nullptr;
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = FromHandle(hwnd);
    if (!control && t_creating) {
        // The first message of a window being made: tie it to its control.
        control = t_creating;
        t_creating = nullptr;
        control->handle_ = hwnd;
        ControlWindows().Set(hwnd, control);
    }
    if (!control)
        return CallWindowProcW(BaseProcOf(hwnd), hwnd, msg, wParam, lParam);
    TMessage m{msg, wParam, lParam, 0};
    try {
        control->WindowProc(m);
    } catch (...) {
        HandleCurrentException();
    }
    if (msg == WM_NCDESTROY) {
        ControlWindows().Remove(hwnd);
        if (control->handle_ == hwnd)
            control->handle_ = nullptr;
    }
    return m.Result;
}

HWND TWinControl::Handle() {
    if (!handle_)
        CreateWnd();
    return handle_;
}

bool TWinControl::HasOwnWindowClass() const {
    return defWndProc_ == DefWindowProcW;
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.Caption = text_;
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (Visible())
        params.Style |= WS_VISIBLE;
    if (!Enabled())
        params.Style |= WS_DISABLED;
    if (tabStop_)
        params.Style |= WS_TABSTOP;
    if (UseRightToLeftReading())
        params.ExStyle |= WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    if (Parent())
        params.WndParent = Parent()->Handle();
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.WndParent)
        throw Exception(L"Control '" + Name() + L"' has no parent window");
    std::wstring className = WideFromUtf8(ClassName());
    defWndProc_ = EnsureWindowClass(className, params);
    t_creating = this;
    HWND h = CreateWindowExW(params.ExStyle, className.c_str(), params.Caption.c_str(),
                             params.Style, params.X, params.Y, params.Width, params.Height,
                             params.WndParent, nullptr, GetModuleHandleW(nullptr), nullptr);
    t_creating = nullptr;
    if (!h)
        throw Exception(L"Error creating window " + className);
    handle_ = h;
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
    InitializeHandle();
    // Children in tab order, so the window order follows it too.
    for (TWinControl* child : TabList())
        child->HandleNeeded();
    for (TControl* c : controls_) {
        if (auto* w = dynamic_cast<TWinControl*>(c))
            w->HandleNeeded();
    }
    AlignControls();
}

void TWinControl::DestroyWnd() {
    if (handle_)
        DestroyWindow(handle_);
}

void TWinControl::DestroyHandle() {
    DestroyWnd();
}

void TWinControl::RecreateWnd() {
    if (!handle_)
        return;
    Perform(CM_RECREATEWND);
    text_ = GetText(); // what the user typed outlives the window
    DestroyWnd();
    HandleNeeded();
}

HWND TWinControl::DetachHandle() {
    HWND h = handle_;
    if (h)
        ControlWindows().Remove(h);
    handle_ = nullptr;
    return h;
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    control->parent_ = this;
    if (control->ParentFont())
        control->Perform(CM_PARENTFONTCHANGED);
    if (control->ParentColor())
        control->Perform(CM_PARENTCOLORCHANGED);
    if (handle_) {
        if (auto* w = dynamic_cast<TWinControl*>(control))
            w->HandleNeeded();
        control->Invalidate();
    }
}

void TWinControl::RemoveControl(TControl* control) {
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end())
        return;
    control->Invalidate();
    controls_.erase(it);
    control->parent_ = nullptr;
    if (mouseControl_ == control)
        mouseControl_ = nullptr;
    if (captureControl_ == control)
        captureControl_ = nullptr;
}

std::vector<TWinControl*> TWinControl::TabList() const {
    std::vector<TWinControl*> list;
    for (TControl* c : controls_) {
        if (auto* w = dynamic_cast<TWinControl*>(c))
            list.push_back(w);
    }
    std::stable_sort(list.begin(), list.end(), [](TWinControl* a, TWinControl* b) {
        int ka = a->tabOrder_ < 0 ? INT32_MAX : a->tabOrder_;
        int kb = b->tabOrder_ < 0 ? INT32_MAX : b->tabOrder_;
        return ka < kb;
    });
    return list;
}

std::wstring TWinControl::GetText() const {
    if (!handle_)
        return text_;
    int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(handle_, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(got, 0)));
    return text;
}

void TWinControl::SetText(const std::wstring& text) {
    if (handle_) {
        if (GetText() == text)
            return;
        text_ = text;
        SetWindowTextW(handle_, text.c_str());
        Perform(CM_TEXTCHANGED);
        return;
    }
    TControl::SetText(text);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    bool changed = left != Left() || top != Top() || width != Width() || height != Height();
    TControl::SetBounds(left, top, width, height);
    if (changed && handle_)
        SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT TWinControl::ClientRect() const {
    RECT r{0, 0, Width(), Height()};
    if (handle_)
        GetClientRect(handle_, &r);
    return r;
}

void TWinControl::UpdateBounds() {
    RECT r;
    GetWindowRect(handle_, &r);
    HWND parent = GetParent(handle_);
    if (parent && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    TControl::SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

bool TWinControl::Focused() const {
    return handle_ && GetFocus() == handle_;
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent()) {
        if (!c->Visible() || !c->Enabled())
            return false;
    }
    return true;
}

void TWinControl::SetFocus() {
    if (CanFocus())
        ::SetFocus(Handle());
}

namespace {
void CollectTabStops(const TWinControl* parent, std::vector<TWinControl*>& out) {
    for (TWinControl* c : parent->TabList()) {
        if (!c->Visible() || !c->Enabled())
            continue;
        if (c->TabStop())
            out.push_back(c);
        CollectTabStops(c, out);
    }
}
} // namespace

void TWinControl::SelectNext(TWinControl* current, bool forward) {
    std::vector<TWinControl*> stops;
    CollectTabStops(this, stops);
    if (stops.empty())
        return;
    auto it = std::find(stops.begin(), stops.end(), current);
    size_t index = 0;
    if (it == stops.end()) {
        index = forward ? 0 : stops.size() - 1;
    } else {
        size_t at = static_cast<size_t>(it - stops.begin());
        index = forward ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
    }
    stops[index]->SetFocus();
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
    bool started = first == nullptr;
    for (TControl* c : controls_) {
        if (!started) {
            started = c == first;
            if (!started)
                continue;
        }
        if (!dynamic_cast<TGraphicControl*>(c) || !c->Visible())
            continue;
        RECT r = c->BoundsRect();
        if (!RectVisible(dc, &r))
            continue;
        int saved = SaveDC(dc);
        POINT origin;
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + r.left, origin.y + r.top, nullptr);
        IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        RestoreDC(dc, saved);
    }
}

void TWinControl::AlignControls() {
    if (aligning_ || !handle_)
        return;
    aligning_ = true;
    RECT area = ClientRect();
    auto place = [&](TAlign which) {
        for (TControl* c : controls_) {
            if (c->Align() != which || !c->Visible())
                continue;
            int w = c->Width(), h = c->Height();
            switch (which) {
            case TAlign::alTop:
                c->SetBounds(area.left, area.top, area.right - area.left, h);
                area.top += h;
                break;
            case TAlign::alBottom:
                c->SetBounds(area.left, area.bottom - h, area.right - area.left, h);
                area.bottom -= h;
                break;
            case TAlign::alLeft:
                c->SetBounds(area.left, area.top, w, area.bottom - area.top);
                area.left += w;
                break;
            case TAlign::alRight:
                c->SetBounds(area.right - w, area.top, w, area.bottom - area.top);
                area.right -= w;
                break;
            case TAlign::alClient:
                c->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
                break;
            case TAlign::alNone:
                break;
            }
        }
    };
    for (TAlign a :
         {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient})
        place(a);
    alignedClient_ = area;
    aligning_ = false;
}

void TWinControl::PaintWindow(HDC dc) {
    if (HasOwnWindowClass())
        return;
    TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(m);
}

void TWinControl::WMPaint(TMessage& msg) {
    bool graphicChildren = std::any_of(controls_.begin(), controls_.end(), [](TControl* c) {
        return c->Visible() && dynamic_cast<TGraphicControl*>(c);
    });
    if (!graphicChildren && !HasOwnWindowClass()) {
        DefaultHandler(msg);
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = reinterpret_cast<HDC>(msg.WParam);
    bool own = dc == nullptr;
    if (own)
        dc = BeginPaint(handle_, &ps);
    PaintWindow(dc);
    PaintControls(dc);
    if (own)
        EndPaint(handle_, &ps);
    msg.Result = 0;
}

bool TWinControl::ReflectNotification(TMessage& msg) {
    HWND child = nullptr;
    switch (msg.Msg) {
    case WM_COMMAND:
        child = reinterpret_cast<HWND>(msg.LParam);
        break;
    case WM_NOTIFY:
        child = reinterpret_cast<NMHDR*>(msg.LParam)->hwndFrom;
        break;
    case WM_DRAWITEM: {
        auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(msg.LParam);
        if (d->CtlType == ODT_MENU)
            return false;
        child = d->hwndItem;
        break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL: // from scroll bar, track bar and up-down controls; 0 for the own bars
    case WM_VSCROLL:
        child = reinterpret_cast<HWND>(msg.LParam);
        break;
    default:
        return false;
    }
    if (!child)
        return false;
    TWinControl* control = FromHandle(child);
    if (!control || control == this)
        return false;
    msg.Result = control->Perform(CN_BASE + msg.Msg, msg.WParam, msg.LParam);
    return true;
}

bool TWinControl::ForwardMouseToGraphic(TMessage& msg) {
    POINT pt{static_cast<short>(LOWORD(msg.LParam)), static_cast<short>(HIWORD(msg.LParam))};
    if (TControl* held = captureControl_) {
        // Pressed on a graphic child: moves and the release go to it, wherever the mouse is.
        if (msg.Msg == WM_LBUTTONUP) {
            captureControl_ = nullptr;
            if (GetCapture() == handle_)
                ReleaseCapture();
        }
        held->Perform(msg.Msg, msg.WParam, MAKELPARAM(pt.x - held->Left(), pt.y - held->Top()));
        return msg.Msg != WM_MOUSEMOVE;
    }
    if (msg.Msg == WM_LBUTTONUP) // pressed elsewhere: no graphic child is clicked
        return false;
    TControl* hit = nullptr;
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        RECT r = c->BoundsRect();
        if (c->Visible() && dynamic_cast<TGraphicControl*>(c) && PtInRect(&r, pt)) {
            hit = c;
            break;
        }
    }
    if (msg.Msg == WM_MOUSEMOVE && hit != mouseControl_) {
        if (mouseControl_)
            mouseControl_->Perform(CM_MOUSELEAVE);
        mouseControl_ = hit;
        if (hit)
            hit->Perform(CM_MOUSEENTER);
    }
    if (!hit || !hit->Enabled())
        return false;
    if (msg.Msg == WM_LBUTTONDOWN || msg.Msg == WM_LBUTTONDBLCLK) {
        captureControl_ = hit;
        SetCapture(handle_);
    }
    hit->Perform(msg.Msg, msg.WParam, MAKELPARAM(pt.x - hit->Left(), pt.y - hit->Top()));
    return msg.Msg != WM_MOUSEMOVE;
}

void TWinControl::KeyPress(wchar_t& key) {
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TWinControl::WndProc(TMessage& msg) {
    if (ReflectNotification(msg))
        return;
    switch (msg.Msg) {
    case WM_PAINT:
        WMPaint(msg);
        return;
    case WM_ERASEBKGND:
        if (HasOwnWindowClass()) {
            RECT r;
            GetClientRect(handle_, &r);
            FillRect(reinterpret_cast<HDC>(msg.WParam), &r, ColorBrush());
            msg.Result = 1;
            return;
        }
        break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(msg.WParam);
        SetTextColor(dc, ColorToRGB(Font()->Color()));
        SetBkColor(dc, ColorToRGB(Color()));
        msg.Result = reinterpret_cast<LRESULT>(ColorBrush());
        return;
    }
    case WM_CHAR: {
        wchar_t key = static_cast<wchar_t>(msg.WParam);
        KeyPress(key);
        if (key == 0) {
            msg.Result = 0;
            return;
        }
        msg.WParam = key;
        break;
    }
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
        // A key no focused control wanted goes from the form down to every control until one
        // takes it (a default or cancel button).
        for (TControl* c : std::vector<TControl*>(controls_)) {
            msg.Result = c->Perform(msg.Msg, msg.WParam, msg.LParam);
            if (msg.Result)
                return;
        }
        msg.Result = 0;
        return;
    case CM_FOCUSCHANGED:
        // Sent to the form by the control that gained or lost the focus; every control hears it.
        for (TControl* c : std::vector<TControl*>(controls_))
            c->Perform(msg.Msg, msg.WParam, msg.LParam);
        msg.Result = 0;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (msg.Msg == WM_SETFOCUS && OnEnter)
            OnEnter(this);
        if (msg.Msg == WM_KILLFOCUS && OnExit)
            OnExit(this);
        for (TWinControl* p = this; p; p = p->Parent()) {
            if (!p->Parent())
                p->Perform(CM_FOCUSCHANGED, msg.Msg == WM_SETFOCUS, reinterpret_cast<LPARAM>(this));
        }
        break;
    case WM_MOUSEMOVE:
        if (!MouseInControl()) {
            Perform(CM_MOUSEENTER);
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, handle_, 0};
            TrackMouseEvent(&tme);
        }
        if (ForwardMouseToGraphic(msg))
            return;
        break;
    case WM_MOUSELEAVE:
        if (mouseControl_) {
            mouseControl_->Perform(CM_MOUSELEAVE);
            mouseControl_ = nullptr;
        }
        Perform(CM_MOUSELEAVE);
        break;
    case WM_CAPTURECHANGED:
        // Another window took the mouse: the press on a graphic child ends without a release.
        if (captureControl_ && reinterpret_cast<HWND>(msg.LParam) != handle_) {
            TControl* held = captureControl_;
            captureControl_ = nullptr;
            held->Perform(CM_CANCELMODE);
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONUP:
        if (ForwardMouseToGraphic(msg))
            return;
        if (msg.Msg != WM_LBUTTONUP)
            MouseDown(msg.Msg == WM_RBUTTONDOWN ? TMouseButton::mbRight : TMouseButton::mbLeft,
                      ShiftState(msg.WParam), static_cast<short>(LOWORD(msg.LParam)),
                      static_cast<short>(HIWORD(msg.LParam)));
        break;
    case WM_SIZE:
        DefaultHandler(msg);
        AlignControls();
        return;
    case WM_CONTEXTMENU:
        if (TPopupMenu* menu = PopupMenu()) {
            POINT pt{static_cast<short>(LOWORD(msg.LParam)),
                     static_cast<short>(HIWORD(msg.LParam))};
            if (msg.LParam == -1) { // from the keyboard: below the control's corner
                pt = {0, 0};
                ClientToScreen(handle_, &pt);
            }
            menu->SetPopupComponent(this);
            menu->Popup(pt.x, pt.y);
            msg.Result = 0;
            return;
        }
        break;
    case WM_WINDOWPOSCHANGED:
        DefaultHandler(msg);
        if (handle_)
            UpdateBounds();
        return;
    default:
        break;
    }
    TControl::WndProc(msg);
}

void TWinControl::DefaultHandler(TMessage& msg) {
    if (!handle_) {
        msg.Result = 0;
        return;
    }
    if (msg.Msg >= CN_BASE && msg.Msg < CN_BASE + 0x400) {
        // A notification nobody took: the parent's default answer.
        HWND parent = GetParent(handle_);
        msg.Result = parent ? DefWindowProcW(parent, msg.Msg - CN_BASE, msg.WParam, msg.LParam) : 0;
        return;
    }
    if (msg.Msg >= CM_BASE && msg.Msg < CN_BASE) {
        msg.Result = 0;
        return;
    }
    msg.Result = CallWindowProcW(defWndProc_, handle_, msg.Msg, msg.WParam, msg.LParam);
}

HBRUSH TWinControl::ColorBrush() {
    brush_.SetColor(Color());
    return brush_.Handle();
}

void TWinControl::FontChanged() {
    if (handle_)
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
    for (TControl* c : controls_)
        c->Perform(CM_PARENTFONTCHANGED);
    TControl::FontChanged();
}

void TWinControl::VisibleChanged() {
    if (handle_)
        ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::EnabledChanged() {
    if (handle_)
        EnableWindow(handle_, Enabled());
}

void TWinControl::ColorChanged() {
    for (TControl* c : controls_)
        c->Perform(CM_PARENTCOLORCHANGED);
    TControl::ColorChanged();
}

// TCustomControl

const TClassInfo& TCustomControl::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TCustomControl, TWinControl>("TCustomControl", nullptr, false);
    return info;
}

void TCustomControl::PaintWindow(HDC dc) {
    canvas_.SetHandle(dc);
    canvas_.Font()->Assign(*Font());
    canvas_.Brush()->SetColor(Color());
    try {
        Paint();
    } catch (...) {
        canvas_.SetHandle(nullptr);
        throw;
    }
    canvas_.SetHandle(nullptr);
}
