// The control walk: the framework form's controls are visited in the order the form owns them,
// then its tab order; a plain window's child windows in window order.

#include "skin/ControlWalk.h"

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "skin/ControlSkinner.h"
#include "skin/SkinButton.h"
#include "skin/VarUdedData.h"
#include "skin/VarUdedForm.h"
#include "skin/WindowClass.h"

#include <cwctype>

using skin::SkinnerKind;

namespace {

std::wstring UpperClass(const TControl& control) {
    std::wstring out;
    for (char c : control.ClassName())
        out.push_back(static_cast<wchar_t>(std::towupper(static_cast<unsigned char>(c))));
    return out;
}

bool AnswersSkinned(HWND window) {
    return window && SendMessageW(window, skinmsg::kIsSkinned, 0, 0) == 1;
}

class TControlWalk {
public:
    explicit TControlWalk(TVarUdedForm& form)
        : form_(form), data_(*form.SkinData()), list_(form.Skinners()) {}

    void Run() {
        list_.PurgeDead();
        if (TCustomForm* owner = form_.Form())
            WalkForm(*owner);
        else
            WalkPlainChildren(form_.Window());
    }

    // A plain child window on its own.
    void DecidePlain(HWND window);

private:
    void WalkForm(TCustomForm& owner);
    void WalkOwned(TComponent& owner);
    void WalkChildren(TControl& control);
    void Visit(TControl& control);
    void Apply(TControl& control, const TSkinnerChoice& choice);
    void AttachTo(TControl& control, SkinnerKind kind, int variant, bool takeColour,
                  const TSkinnerChoice* choice);
    bool AlreadySkinned(TControl& control) const;
    void WalkPlainChildren(HWND parent);

    TVarUdedForm& form_;
    TSkinData& data_;
    TSkinnerList& list_;
};

void TControlWalk::WalkForm(TCustomForm& owner) {
    WalkOwned(owner);
    for (TWinControl* control : owner.TabList()) {
        if (!control->HandleAllocated() || control->Tag() == data_.DisableTag() ||
            AnswersSkinned(control->Handle()))
            continue;
        Visit(*control);
    }
}

void TControlWalk::WalkOwned(TComponent& owner) {
    // By index: a handler of OnSkinControl may add components while the walk runs.
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        if (auto* control = dynamic_cast<TControl*>(owner.Components(i)))
            Visit(*control);
    }
}

void TControlWalk::WalkChildren(TControl& control) {
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (!windowed)
        return;
    for (int i = 0; i < windowed->ControlCount(); ++i)
        Visit(*windowed->Controls(i));
}

bool TControlWalk::AlreadySkinned(TControl& control) const {
    if (list_.FindByControl(&control))
        return true;
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    return windowed && windowed->HandleAllocated() && AnswersSkinned(windowed->Handle());
}

void TControlWalk::Visit(TControl& control) {
    const std::wstring upper = UpperClass(control);
    if (control.Tag() == data_.DisableTag()) {
        // The buttons of a group left alone stay alone too.
        const std::wstring lower = skin::LowerAscii(upper);
        auto* group = dynamic_cast<TWinControl*>(&control);
        if (group && (lower.find(L"radiogroup") != std::wstring::npos ||
                      lower.find(L"checkgroup") != std::wstring::npos)) {
            for (int i = 0; i < group->ControlCount(); ++i)
                group->Controls(i)->SetTag(data_.DisableTag());
        }
        return;
    }
    if (!control.Parent() || AlreadySkinned(control))
        return;
    if (data_.OnSkinControl) {
        TComponent* given = nullptr;
        data_.OnSkinControl(&form_, &data_, form_.Form(), &control, upper, given);
        if (auto* skinner = dynamic_cast<TSkinControl*>(given)) {
            if (!list_.Contains(skinner))
                skinner->Attach(&form_, &data_, skinner->TakesColour());
            if (control.InheritsFrom("TCustomPanel"))
                WalkChildren(control);
            return;
        }
    }
    Apply(control, ChooseSkinner(data_, control));
}

void TControlWalk::Apply(TControl& control, const TSkinnerChoice& choice) {
    if (choice.setTransparent)
        SetPropText(&control, "Transparent", L"True");
    if (choice.walkChildrenFirst)
        WalkChildren(control);
    if (choice.childKind != SkinnerKind::None) {
        if (auto* group = dynamic_cast<TWinControl*>(&control)) {
            for (int i = 0; i < group->ControlCount(); ++i) {
                TControl& child = *group->Controls(i);
                if (choice.onlyScrollingChildren && !BearsScrollBars(child))
                    continue;
                if (!AlreadySkinned(child))
                    AttachTo(child, choice.childKind, choice.childVariant, false, nullptr);
            }
        }
    }
    if (choice.kind != SkinnerKind::None)
        AttachTo(control, choice.kind, choice.variant, choice.takeColour, &choice);
    if (choice.walkChildrenAfter)
        WalkChildren(control);
    if (choice.walkOwned)
        WalkOwned(control);
}

void TControlWalk::AttachTo(TControl& control, SkinnerKind kind, int variant, bool takeColour,
                            const TSkinnerChoice* choice) {
    const bool windowMode = choice && choice->windowMode;
    TSkinControl* skinner = MakeSkinner(kind, windowMode ? nullptr : &control);
    if (!skinner)
        return;
    skinner->SetVariant(variant);
    if (choice && !choice->glyphProperty.empty()) {
        if (auto* bit = dynamic_cast<TSkinBitButton*>(skinner))
            bit->SetGlyphProperty(choice->glyphProperty);
    }
    if (windowMode) {
        auto* windowed = dynamic_cast<TWinControl*>(&control);
        if (!windowed) {
            delete skinner;
            return;
        }
        skinner->AttachWindow(windowed->Handle(), &data_, &form_);
    } else {
        skinner->Attach(&form_, &data_, takeColour);
    }
    if (!skinner->Attached())
        delete skinner;
}

void TControlWalk::WalkPlainChildren(HWND parent) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD)
            DecidePlain(child);
    }
}

void TControlWalk::DecidePlain(HWND window) {
    if (list_.FindByWindow(window) || AnswersSkinned(window))
        return;
    const auto style = static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_STYLE));
    const HWND firstChild = GetWindow(window, GW_CHILD);
    const skin::PlainChoice choice =
        skin::ChoosePlainWindow(skin::WindowClassName(window), style, firstChild != nullptr);
    if (choice.panelColour) {
        if (TWinControl* control = TWinControl::FromHandle(window))
            control->SetColor(static_cast<TColor>(data_.Colours().ButtonFace));
    }
    if (choice.walkChildren)
        WalkPlainChildren(window);
    if (choice.kind == SkinnerKind::None || !SkinsKind(data_, choice.kind))
        return;
    const HWND target = choice.firstChild ? firstChild : window;
    if (!target || list_.FindByWindow(target))
        return;
    TSkinControl* skinner = MakeSkinner(choice.kind, nullptr);
    if (!skinner)
        return;
    skinner->AttachWindow(target, &data_, &form_);
    if (!skinner->Attached())
        delete skinner;
}

} // namespace

void AttachControlSkinners(TVarUdedForm& form) {
    if (!form.SkinData() || form.SkinData()->NoSkin())
        return;
    TControlWalk(form).Run();
}

void AttachControlSkinner(TVarUdedForm& form, HWND control) {
    if (!form.SkinData() || form.SkinData()->NoSkin())
        return;
    TControlWalk(form).DecidePlain(control);
}
