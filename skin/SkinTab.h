#pragma once
// The tab control skinners: the band of tabs composed lying as top tabs do and turned to the
// control's tab side, and the pane drawn from the skin around the pages.

#include "skin/ControlPicture.h"
#include "skin/ControlSkinner.h"
#include "skin/ControlStates.h"
#include "skin/GdiOwners.h"

class TDataSkinObject;

class TSkinTab : public TSkinControl {
    DEVTOOL_CLASS(TSkinTab)
public:
    using TSkinControl::TSkinControl;
    bool BeforeMessage(TMessage& msg) override;
    void AfterMessage(TMessage& msg) override;
    void Paint(HDC dc, const RECT& rect) override;
    void Refresh() override;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::Tab; }

protected:
    // Draws one tab into the band (lying as a top tab) with its frame: 2 for the focused tab.
    virtual void DrawTab(HDC band, const RECT& r, int frame);
    // The colour of a tab's caption in `frame`.
    virtual COLORREF CaptionColour(int frame) const;
    virtual bool DrawsPane() const { return true; }

private:
    // The tab and pane pictures for the tab side, made again after a re-skin.
    void Prepare(skin::TabSide side);
    void AttachArrows();
    // What the picture of the tabs follows from: side, focus, fonts, colours, and each tab's
    // place and caption.
    std::size_t TabsKey(skin::TabSide side) const;
    // The band of tabs and the pane around the pages, into the composed picture.
    void PaintTabsAndPane(HDC target, const RECT& whole, skin::TabSide side, HBRUSH parent);

    skin::DibSection FTabImage;
    skin::DibSection FPaneImage;
    skin::ImageMargins FTabMargins;
    skin::ImageMargins FPaneMargins;
    bool FPrepared = false;
    skin::TabSide FSide = skin::TabSide::Top;
    HWND FArrows = nullptr; // the scroll arrows already given their skinner
    skin::ControlPicture FPicture;
};

// A page control whose tabs are buttons: the tabs drawn from the Buttons element, no pane.
class TSkinTabBtn : public TSkinTab {
    DEVTOOL_CLASS(TSkinTabBtn)
public:
    using TSkinTab::TSkinTab;
    skin::SkinnerKind Kind() const override { return skin::SkinnerKind::TabButtons; }

protected:
    void DrawTab(HDC band, const RECT& r, int frame) override;
    COLORREF CaptionColour(int frame) const override;
    bool DrawsPane() const override { return false; }
};
