#pragma once
// TSkinScrollbar: the control skinner of a control that bears scroll bars (memos, list boxes,
// grids, rich edits). It lays an overlay over each native bar of the control, keeps them in
// place and told of every scroll, paints the corner where the bars meet, and draws the
// control's border itself. TSkinListView also skins the list view's header.

#include "skin/ControlSkinner.h"
#include "skin/ScrollBarPair.h"

#include <memory>
#include <optional>

class TSkinHeader;

class TSkinScrollbar : public TSkinControl {
    DEVTOOL_CLASS(TSkinScrollbar)
public:
    // A single-bar skinner (variant 1) never draws a border of its own.
    TSkinScrollbar(TComponent* owner, bool singleBar = false);
    ~TSkinScrollbar() override;

    void Attach(TVarUdedForm* form, TSkinData* skinData, bool takeColour) override;
    // Creates the overlays and takes over the grid's fixed colour; called by Attach.
    virtual void AttachScrollbars();
    void Detach() override;
    bool BeforeMessage(TMessage& msg) override;
    void AfterMessage(TMessage& msg) override;
    void PaintWindow(HDC dc) override;
    void Refresh() override;
    skin::SkinnerKind Kind() const override {
        return FSingleBar ? skin::SkinnerKind::SingleScrollbar : skin::SkinnerKind::Scrollbar;
    }

    bool OwnBorder() const { return FOwnBorder; }
    TWScrollbar* Horizontal() const { return FBars ? FBars->Horizontal() : nullptr; }
    TWScrollbar* Vertical() const { return FBars ? FBars->Vertical() : nullptr; }
    // A fresh skinner of the same class for `control`, used when the control's window is made
    // anew and the overlays of the old one are gone.
    virtual TSkinScrollbar* MakeReplacement(TControl* control) const;

protected:
    // The 2-pixel border: ButtonShadow at the window's edge, ButtonFace inside it.
    void PaintBorder(HDC windowDc) const;

private:
    void ControlDestroyed();

    bool FSingleBar;
    bool FOwnBorder = false;
    std::optional<TColor> FSavedFixedColor;
    std::unique_ptr<TScrollBarPair> FBars;
};

class TSkinListView : public TSkinScrollbar {
    DEVTOOL_CLASS(TSkinListView)
public:
    explicit TSkinListView(TComponent* owner);
    ~TSkinListView() override;

    void AttachScrollbars() override;
    TSkinScrollbar* MakeReplacement(TControl* control) const override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::ListView; }
    TSkinHeader* Header() const { return FHeader.get(); }

private:
    std::unique_ptr<TSkinHeader> FHeader;
};

// The control whose window was `oldWindow` has a new window: its scroll bar skinner is freed and
// a fresh one of the same class attached to the control.
void ReplaceScrollbarSkinner(TVarUdedForm& form, HWND oldWindow);
