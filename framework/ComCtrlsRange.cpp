// The range controls: progress bar, track bar and up-down, each super-classed from its
// common control and kept in step with its Min, Max and Position.

#include "framework/ComCtrls.h"

#include <commctrl.h>

#include <algorithm>

const TEnumInfo ProgressBarOrientationNames{{L"pbHorizontal", L"pbVertical"}};
const TEnumInfo TrackBarOrientationNames{{L"trHorizontal", L"trVertical"}};
const TEnumInfo UDOrientationNames{{L"udHorizontal", L"udVertical"}};

namespace {
// Width and height change places when a control is turned on its side after it was placed.
void Turn(TControl& control) {
    control.SetBounds(control.Left(), control.Top(), control.Height(), control.Width());
}
} // namespace

// TProgressBar

const TClassInfo& TProgressBar::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TProgressBar, TWinControl>(
        "TProgressBar",
        [](PropBuilder<TProgressBar>& b) {
            b.Int("Min", &TProgressBar::Min, &TProgressBar::SetMin)
                .Int("Max", &TProgressBar::Max, &TProgressBar::SetMax)
                .Int("Position", &TProgressBar::Position, &TProgressBar::SetPosition)
                .Int("Step", &TProgressBar::Step, &TProgressBar::SetStep)
                .Enum("Orientation", ProgressBarOrientationNames, &TProgressBar::Orientation,
                      &TProgressBar::SetOrientation)
                .Bool("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth);
        },
        true);
    return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = PROGRESS_CLASSW;
    if (orientation_ == TProgressBarOrientation::pbVertical)
        params.Style |= PBS_VERTICAL;
    if (smooth_)
        params.Style |= PBS_SMOOTH;
}

void TProgressBar::InitializeHandle() {
    SendMessageW(Handle(), PBM_SETRANGE32, min_, max_);
    SendMessageW(Handle(), PBM_SETSTEP, step_, 0);
    SendMessageW(Handle(), PBM_SETPOS, position_, 0);
}

void TProgressBar::SetMin(int v) {
    min_ = v;
    if (HandleAllocated())
        InitializeHandle();
}

void TProgressBar::SetMax(int v) {
    max_ = v;
    if (HandleAllocated())
        InitializeHandle();
}

int TProgressBar::Position() const {
    if (!HandleAllocated())
        return position_;
    return static_cast<int>(
        SendMessageW(const_cast<TProgressBar*>(this)->Handle(), PBM_GETPOS, 0, 0));
}

// The bar keeps its position inside its range; so does the property.
void TProgressBar::SetPosition(int v) {
    position_ = Loading() ? v : std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    if (HandleAllocated())
        SendMessageW(Handle(), PBM_SETPOS, position_, 0);
}

void TProgressBar::SetStep(int v) {
    step_ = v;
    if (HandleAllocated())
        SendMessageW(Handle(), PBM_SETSTEP, step_, 0);
}

void TProgressBar::StepIt() {
    int next = Position() + step_;
    // The control wraps round past the end; the framework's bar stops there.
    SetPosition(next > max_ ? max_ : next);
}

void TProgressBar::SetOrientation(TProgressBarOrientation o) {
    if (o == orientation_)
        return;
    orientation_ = o;
    if (!Loading())
        Turn(*this);
    position_ = Position();
    RecreateWnd();
}

void TProgressBar::SetSmooth(bool v) {
    if (v == smooth_)
        return;
    smooth_ = v;
    position_ = Position();
    RecreateWnd();
}

// TTrackBar

const TClassInfo& TTrackBar::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TTrackBar, TWinControl>(
        "TTrackBar",
        [](PropBuilder<TTrackBar>& b) {
            b.Int("Min", &TTrackBar::Min, &TTrackBar::SetMin)
                .Int("Max", &TTrackBar::Max, &TTrackBar::SetMax)
                .Int("Position", &TTrackBar::Position, &TTrackBar::SetPosition)
                .Int("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency)
                .Enum("Orientation", TrackBarOrientationNames, &TTrackBar::Orientation,
                      &TTrackBar::SetOrientation)
                .NotifyEvent("OnChange", &TTrackBar::OnChange);
        },
        true);
    return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 150, 45);
}

void TTrackBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = TRACKBAR_CLASSW;
    params.Style |=
        TBS_AUTOTICKS | (orientation_ == TTrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ);
}

void TTrackBar::InitializeHandle() {
    SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, min_);
    SendMessageW(Handle(), TBM_SETRANGEMAX, FALSE, max_);
    SendMessageW(Handle(), TBM_SETTICFREQ, frequency_, 0);
    SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetMin(int v) {
    min_ = v;
    if (HandleAllocated())
        InitializeHandle();
}

void TTrackBar::SetMax(int v) {
    max_ = v;
    if (HandleAllocated())
        InitializeHandle();
}

int TTrackBar::Position() const {
    if (!HandleAllocated())
        return position_;
    return static_cast<int>(SendMessageW(const_cast<TTrackBar*>(this)->Handle(), TBM_GETPOS, 0, 0));
}

void TTrackBar::SetPosition(int v) {
    position_ = Loading() ? v : std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    if (HandleAllocated())
        SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetFrequency(int v) {
    frequency_ = std::max(v, 1);
    if (HandleAllocated())
        SendMessageW(Handle(), TBM_SETTICFREQ, frequency_, 0);
}

void TTrackBar::SetOrientation(TTrackBarOrientation o) {
    if (o == orientation_)
        return;
    orientation_ = o;
    if (!Loading())
        Turn(*this);
    position_ = Position();
    RecreateWnd();
}

void TTrackBar::WndProc(TMessage& msg) {
    if (msg.Msg == CN_HSCROLL || msg.Msg == CN_VSCROLL) {
        int now = Position();
        if (now != position_) {
            position_ = now;
            if (OnChange)
                OnChange(this);
        }
        msg.Result = 0;
        return;
    }
    TWinControl::WndProc(msg);
}

// TCustomUpDown, TUpDown

const TClassInfo& TCustomUpDown::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TCustomUpDown, TWinControl>(
        "TCustomUpDown",
        [](PropBuilder<TCustomUpDown>& b) {
            b.Int("Min", &TCustomUpDown::Min, &TCustomUpDown::SetMin)
                .Int("Max", &TCustomUpDown::Max, &TCustomUpDown::SetMax)
                .Int("Position", &TCustomUpDown::Position, &TCustomUpDown::SetPosition)
                .Int("Increment", &TCustomUpDown::Increment, &TCustomUpDown::SetIncrement)
                .Bool("Wrap", &TCustomUpDown::Wrap, &TCustomUpDown::SetWrap)
                .Enum("Orientation", UDOrientationNames, &TCustomUpDown::Orientation,
                      &TCustomUpDown::SetOrientation)
                .ComponentRef("Associate", &TCustomUpDown::AssociateName,
                              &TCustomUpDown::SetAssociateName)
                .NotifyEvent("OnChange", &TCustomUpDown::OnChange);
        },
        false);
    return info;
}

const TClassInfo& TUpDown::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TUpDown, TCustomUpDown>("TUpDown", nullptr, true);
    return info;
}

TCustomUpDown::TCustomUpDown(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 17, 25);
}

void TCustomUpDown::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = UPDOWN_CLASSW;
    params.Style |= UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_SETBUDDYINT;
    if (orientation_ == TUDOrientation::udHorizontal)
        params.Style |= UDS_HORZ;
    if (wrap_)
        params.Style |= UDS_WRAP;
}

// The associated control shows the number; the up-down sits at its right edge.
void TCustomUpDown::InitializeHandle() {
    HWND h = Handle();
    SendMessageW(h, UDM_SETRANGE32, min_, max_);
    UDACCEL accel{0, static_cast<UINT>(increment_)};
    SendMessageW(h, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    SendMessageW(h, UDM_SETPOS32, 0, position_);
    TWinControl* buddy = associate_.Get();
    if (buddy && buddy->Parent() == Parent()) {
        SendMessageW(h, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy->Handle()), 0);
        SetBounds(buddy->Left() + buddy->Width(), buddy->Top(), Width(), buddy->Height());
        SetWindowTextW(buddy->Handle(), std::to_wstring(position_).c_str());
    }
}

void TCustomUpDown::Loaded() {
    TWinControl::Loaded();
    associate_.Resolve(*this);
}

void TCustomUpDown::Notification(TComponent* component, bool removing) {
    TWinControl::Notification(component, removing);
    if (removing)
        associate_.Forget(component);
}

void TCustomUpDown::SetAssociate(TWinControl* control) {
    associate_.Set(control);
    if (HandleAllocated())
        InitializeHandle();
}

void TCustomUpDown::SetAssociateName(const std::wstring& name) {
    associate_.SetName(*this, name);
    if (HandleAllocated())
        InitializeHandle();
}

void TCustomUpDown::SetMin(int v) {
    min_ = v;
    if (HandleAllocated())
        SendMessageW(Handle(), UDM_SETRANGE32, min_, max_);
}

void TCustomUpDown::SetMax(int v) {
    max_ = v;
    if (HandleAllocated())
        SendMessageW(Handle(), UDM_SETRANGE32, min_, max_);
}

int TCustomUpDown::Position() const {
    if (!HandleAllocated())
        return position_;
    BOOL failed = FALSE;
    auto pos = static_cast<int>(SendMessageW(const_cast<TCustomUpDown*>(this)->Handle(),
                                             UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    return failed ? position_ : pos;
}

void TCustomUpDown::SetPosition(int v) {
    position_ = Loading() ? v : std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    if (!HandleAllocated())
        return;
    SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
    if (TWinControl* buddy = associate_.Get(); buddy && buddy->HandleAllocated())
        SetWindowTextW(buddy->Handle(), std::to_wstring(position_).c_str());
}

void TCustomUpDown::SetIncrement(int v) {
    increment_ = std::max(v, 1);
    if (HandleAllocated())
        InitializeHandle();
}

void TCustomUpDown::SetWrap(bool v) {
    if (v == wrap_)
        return;
    wrap_ = v;
    position_ = Position();
    RecreateWnd();
}

void TCustomUpDown::SetOrientation(TUDOrientation o) {
    if (o == orientation_)
        return;
    orientation_ = o;
    position_ = Position();
    RecreateWnd();
}

void TCustomUpDown::WndProc(TMessage& msg) {
    if (msg.Msg == CN_HSCROLL || msg.Msg == CN_VSCROLL) {
        int now = Position();
        if (now != position_) {
            position_ = now;
            if (OnChange)
                OnChange(this);
        }
        msg.Result = 0;
        return;
    }
    if (msg.Msg == CN_NOTIFY) {
        msg.Result = 0; // UDN_DELTAPOS: the step is allowed
        return;
    }
    TWinControl::WndProc(msg);
}
