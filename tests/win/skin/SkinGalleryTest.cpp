// The control painters on the skin gallery, which holds every standard control in its states:
// the skinner each control gets, pixels of the button frames and of the check and radio strips,
// a caption on two lines, the progress fill, painters that fail or lack their picture, and what
// unskinning gives back.

#include "framework/Buttons.h"
#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "gallery/GalleryForm.h"
#include "skin/ControlSkinner.h"
#include "skin/ControlWalk.h"
#include "skin/SkinBoxes.h"
#include "skin/SkinButton.h"
#include "skin/SkinImageGdi.h"
#include "skin/SkinManage.h"
#include "tests/win/skin/SkinTestSupport.h"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <stdexcept>

namespace {

// What a control's skinner draws, painted into memory at the control's size.
struct ControlPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * width + x] & 0xFFFFFF; }
    friend bool operator==(const ControlPixels&, const ControlPixels&) = default;
};

// Every pixel of the window as the screen shows it.
ControlPixels ScreenPixels(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    ControlPixels out{r.right - r.left, r.bottom - r.top, {}};
    TBitmap bitmap;
    bitmap.SetSize(out.width, out.height);
    const HDC screen = GetDC(nullptr);
    BitBlt(bitmap.Canvas()->Handle(), 0, 0, out.width, out.height, screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    GdiFlush();
    out.pixels = bitmap.Pixels();
    return out;
}

class SkinGalleryTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterGalleryClasses();
        gallery_ = std::make_unique<TGalleryForm>(nullptr);
        ASSERT_NE(SkinManager(), nullptr);
        SkinManager()->Enabled = false;
        gallery_->Show();
        PumpMessages(20);
    }
    void TearDown() override {
        gallery_.reset();
        PumpMessages();
        DestroySkinManager();
    }

    TVarUdedForm* Skin() {
        TSkinManage* manager = SkinManager();
        manager->Enabled = true;
        manager->SkinWindow(gallery_->Handle());
        skinner_ = manager->SkinnerOf(gallery_->Handle());
        EXPECT_NE(skinner_, nullptr);
        if (skinner_)
            WaitFor([&] { return skinner_->SkinState() == TSkinState::Active; });
        PumpMessages(20);
        return skinner_;
    }
    // Skinning off, as the skin component does it, and carried out at once.
    void Unskin() {
        SkinManager()->MarkStarted();
        gallery_->SkinData().SetActive(false);
        SkinManager()->RunPendingAction();
        PumpMessages(20);
        skinner_ = nullptr;
    }
    TSkinData& Data() { return gallery_->SkinData(); }
    template <class T = TControl> T* Get(const wchar_t* name) { return gallery_->Control<T>(name); }
    TSkinControl* SkinnerOf(const wchar_t* name) {
        return skinner_ ? skinner_->Skinners().FindByControl(Get(name)) : nullptr;
    }
    // The named control as its skinner paints it, after the mouse has left it.
    ControlPixels Painted(const wchar_t* name) {
        TSkinControl* skinner = SkinnerOf(name);
        EXPECT_NE(skinner, nullptr) << U8(name);
        TControl* control = Get(name);
        ControlPixels out{control->Width(), control->Height(), {}};
        if (!skinner)
            return out;
        TMessage leave{CM_MOUSELEAVE, 0, 0, 0};
        skinner->Dispatch(leave);
        TBitmap bitmap;
        bitmap.SetSize(out.width, out.height);
        skinner->Paint(bitmap.Canvas()->Handle(), RECT{0, 0, out.width, out.height});
        GdiFlush();
        out.pixels = bitmap.Pixels();
        return out;
    }

    std::unique_ptr<TGalleryForm> gallery_;
    TVarUdedForm* skinner_ = nullptr;
};

TEST_F(SkinGalleryTest, EachControlGetsTheSkinnerOfItsKindOnce) {
    ASSERT_NE(Skin(), nullptr);
    const std::map<std::wstring, std::string> expected = {
        {L"GroupButtons", "GroupBox"},
        {L"Button1", "Button"},
        {L"Button2", "Button"},
        {L"Button3", "Button"},
        {L"Button4", "Button"},
        {L"BitBtn1", "BitButton"},
        {L"BitBtn3", "BitButton"},
        {L"SpeedButton1", "SpeedButton"},
        {L"SpeedButton2", "SpeedButton"},
        {L"MenuButton1", "MenuButton"},
        {L"CheckBox1", "CheckBox"},
        {L"CheckBox5", "CheckBox"},
        {L"RadioButton1", "RadioButton"},
        {L"RadioGroup1", "GroupBox"},
        {L"Panel1", "Box"},
        {L"PanelLabel", ""},
        {L"Label1", ""},
        {L"Edit1", "Edit"},
        {L"Edit2", "Edit"},
        {L"ComboBox1", "ComboBox"},
        {L"ComboBox2", "ComboBox"},
        {L"ComboBox3", "ComboBox"},
        {L"DateTimePicker1", "DateTime"},
        {L"DateTimePicker2", "Edit"},
        {L"Memo1", "Scrollbar"},
        {L"ListBox1", "Scrollbar"},
        {L"ScrollBar1", "ScrollControl"},
        {L"ProgressBar1", "Progress"},
        {L"ProgressBar2", "Progress"},
        {L"TrackBar1", "TrackBar"},
        {L"TrackBar2", "TrackBar"},
        {L"UpDown1", "UpDown"},
        {L"UpDown2", "UpDown"},
        {L"PageTop", "Tab"},
        {L"PageBottom", "Tab"},
        {L"PageLeft", "Tab"},
        {L"PageRight", "Tab"},
        {L"PageButtons", "TabButtons"},
        {L"SheetTop1", "TabSheet"},
        {L"SheetRight2", "TabSheet"},
        {L"StatusBar1", "StatusBar"},
    };
    for (const auto& [name, kind] : expected) {
        SCOPED_TRACE(U8(name));
        TSkinControl* skinner = SkinnerOf(name.c_str());
        EXPECT_EQ(skinner ? skin::SkinnerKindName(skinner->Kind()) : "", kind);
        if (auto* windowed = dynamic_cast<TWinControl*>(Get(name.c_str())); windowed && skinner) {
            EXPECT_EQ(SendMessageW(windowed->Handle(), skinmsg::kIsSkinned, 0, 0), 1);
        }
    }
    // A second walk adds nothing: every control answers that it is skinned.
    const std::size_t skinners = skinner_->Skinners().Items().size();
    SendMessageW(gallery_->Handle(), skinmsg::kActivate, 0, 1000);
    PumpMessages(20);
    EXPECT_EQ(skinner_->Skinners().Items().size(), skinners);
    SaveScreenshot(gallery_->Handle(), "skin-gallery");
}

// The walk's rules in their order: the disabling tag (a radio group's buttons with it), the
// OnSkinControl handler, a Skin3rd kind "nil" over a built-in rule, and a Skin3rd kind whose
// SkinControls member is missing, which ends the choice.
TEST_F(SkinGalleryTest, WalkRulesLeaveOutWhatTheyAreToldTo) {
    TSkinData& data = Data();
    Get(L"Button1")->SetTag(data.DisableTag());
    auto* group = Get<TRadioGroup>(L"RadioGroup1");
    ASSERT_GT(group->ButtonCount(), 0);
    group->SetTag(data.DisableTag());
    data.Skin3rd()->Add(L"TEdit=nil");
    data.Skin3rd()->Add(L"TComboBox=edit");
    data.SetSkinControls(data.SkinControls() & ~SkinBit(xcEdit));
    int asked = 0;
    data.OnSkinControl = [&](TComponent*, TSkinData*, TControl*, TControl* control,
                             const std::wstring& upperClass, TComponent*& given) {
        ++asked;
        if (control->Name() == L"Edit3") {
            EXPECT_EQ(upperClass, L"TEDIT");
            given = new TSkinButton(control);
        }
    };
    ASSERT_NE(Skin(), nullptr);
    EXPECT_GT(asked, 20);
    const struct {
        const wchar_t* name;
        const char* kind;
    } cases[] = {
        {L"Button1", ""},   {L"Button2", "Button"},   {L"RadioGroup1", ""},
        {L"Edit1", ""},     {L"Edit3", "Button"},     {L"ComboBox1", ""},
        {L"ComboBox2", ""}, {L"DateTimePicker1", ""}, {L"CheckBox1", "CheckBox"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(U8(c.name));
        TSkinControl* skinner = SkinnerOf(c.name);
        EXPECT_EQ(skinner ? skin::SkinnerKindName(skinner->Kind()) : "", std::string(c.kind));
    }
    for (int i = 0; i < group->ButtonCount(); ++i) {
        EXPECT_EQ(skinner_->Skinners().FindByControl(group->Buttons(i)), nullptr);
        EXPECT_EQ(SendMessageW(group->Buttons(i)->Handle(), skinmsg::kIsSkinned, 0, 0), 0);
    }
}

// Pixel probes of the button painters: the top middle of each button shows its frame of the
// Buttons strip.
TEST_F(SkinGalleryTest, ButtonsShowTheFrameOfTheirState) {
    ASSERT_NE(Skin(), nullptr);
    const TDataSkinButton& buttons = *Data().Elements().Buttons;
    const int frames = buttons.Frames();
    const struct {
        const wchar_t* name;
        int frame;
    } cases[] = {
        {L"Button1", 1}, {L"Button2", 5}, // the default button looks focused
        {L"Button3", 3}, {L"BitBtn3", 3}, {L"BitBtn1", 1}, {L"MenuButton1", 1},
    };
    gallery_->Control<TEdit>(L"Edit1")->SetFocus();
    PumpMessages(5);
    for (const auto& c : cases) {
        SCOPED_TRACE(U8(c.name));
        const ControlPixels p = Painted(c.name);
        ASSERT_FALSE(p.pixels.empty());
        EXPECT_EQ(p.At(p.width / 2, 1), ElementPixel(buttons.Image, frames, c.frame, false,
                                                     buttons.Image.Width() / frames / 2, 1));
    }
}

// Pixel probes of the check and radio painters: every pixel of the box that is not the key
// colour is the strip's pixel of the state's frame.
TEST_F(SkinGalleryTest, CheckAndRadioBoxesShowTheirStripFrame) {
    ASSERT_NE(Skin(), nullptr);
    const TDataSkinButton& buttons = *Data().Elements().Buttons;
    ASSERT_EQ(buttons.CheckButtonFrame, 12) << "the default skin's strips are 12 frames";
    const struct {
        const wchar_t* name;
        bool radio;
        int frame; // of three groups of four: unchecked, checked, grayed
        bool boxRight;
    } cases[] = {
        {L"CheckBox1", false, 1, false},   {L"CheckBox2", false, 5, false},
        {L"CheckBox3", false, 9, false},   {L"CheckBox4", false, 8, false},
        {L"CheckBox5", false, 1, true},    {L"CheckBox6", false, 4, false},
        {L"RadioButton1", true, 5, false}, {L"RadioButton2", true, 1, false},
        {L"RadioButton3", true, 4, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(U8(c.name));
        const SkinImage& strip = c.radio ? buttons.RadioImage : buttons.CheckImage;
        const int frames = c.radio ? buttons.RadioButtonFrame : buttons.CheckButtonFrame;
        const int cellWidth = strip.Width() / frames;
        const int cellHeight = strip.Height();
        const ControlPixels p = Painted(c.name);
        ASSERT_FALSE(p.pixels.empty());
        const int left = c.boxRight ? p.width - cellWidth : 0;
        const int top = (p.height - cellHeight) / 2;
        int compared = 0;
        int wrong = 0;
        int differsFromOthers = 0;
        for (int y = 0; y < cellHeight; ++y) {
            for (int x = 0; x < cellWidth; ++x) {
                const std::uint32_t want = ElementPixel(strip, frames, c.frame, false, x, y);
                if (want == 0xFF00FF)
                    continue;
                ++compared;
                wrong += p.At(left + x, top + y) != want;
                const int other = c.frame == 1 ? 5 : 1;
                differsFromOthers += ElementPixel(strip, frames, other, false, x, y) != want;
            }
        }
        EXPECT_GT(compared, cellWidth * cellHeight / 2);
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(differsFromOthers, 0) << "the probe tells the frames apart";
    }
    // A picture kept from the last paint is not shown again once the state changed.
    auto* box = Get<TCheckBox>(L"CheckBox1");
    const int frames = buttons.CheckButtonFrame;
    const int middle = buttons.CheckImage.Width() / frames / 2;
    ASSERT_NE(ElementPixel(buttons.CheckImage, frames, 1, false, middle, 1),
              ElementPixel(buttons.CheckImage, frames, 5, false, middle, 1));
    for (const bool checked : {true, false, true}) {
        box->SetChecked(checked);
        const ControlPixels p = Painted(L"CheckBox1");
        const int top = (p.height - buttons.CheckImage.Height()) / 2;
        EXPECT_EQ(p.At(middle, top + 1),
                  ElementPixel(buttons.CheckImage, frames, checked ? 5 : 1, false, middle, 1));
    }
    box->SetChecked(false);
}

// "||" in a caption breaks the line: the text covers two lines' height and less width than on
// one line.
TEST_F(SkinGalleryTest, BarsInACaptionMakeTwoLines) {
    ASSERT_NE(Skin(), nullptr);
    auto* button = Get<TButton>(L"Button4");
    ASSERT_EQ(button->Caption(), L"Two||lines");
    const ControlPixels withText = Painted(L"Button4");
    button->SetCaption(L"");
    const ControlPixels without = Painted(L"Button4");
    button->SetCaption(L"Two||lines");
    int top = without.height, bottom = -1, left = without.width, right = -1;
    for (int y = 0; y < without.height; ++y) {
        for (int x = 0; x < without.width; ++x) {
            if (withText.At(x, y) == without.At(x, y))
                continue;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            left = std::min(left, x);
            right = std::max(right, x);
        }
    }
    ASSERT_GE(bottom, top) << "no text drawn";
    TBitmap measure;
    measure.SetSize(1, 1);
    const HDC dc = measure.Canvas()->Handle();
    SelectObject(dc, button->Font()->Handle());
    SIZE line{};
    GetTextExtentPoint32W(dc, L"Two lines", 9, &line);
    EXPECT_GT(bottom - top + 1, line.cy * 3 / 2) << "two lines high";
    EXPECT_LT(right - left + 1, line.cx * 3 / 4) << "narrower than one line";
}

// The fill is measured from the low limit: 100 of 50..150 fills as much as 50 of 0..100.
TEST_F(SkinGalleryTest, ProgressFillCountsFromTheLowLimit) {
    ASSERT_NE(Skin(), nullptr);
    auto* bar = Get<TProgressBar>(L"ProgressBar1");
    auto paintAt = [&](int low, int high, int position) {
        SendMessageW(bar->Handle(), PBM_SETRANGE32, static_cast<WPARAM>(low), high);
        SendMessageW(bar->Handle(), PBM_SETPOS, static_cast<WPARAM>(position), 0);
        return Painted(L"ProgressBar1");
    };
    const ControlPixels half = paintAt(0, 100, 50);
    EXPECT_EQ(paintAt(50, 150, 100), half);
    EXPECT_NE(paintAt(0, 150, 100), half);
    EXPECT_NE(paintAt(0, 100, 0), half);
    // An empty range draws an empty bar rather than dividing by zero.
    EXPECT_EQ(paintAt(7, 7, 7), paintAt(0, 100, 0));
    paintAt(0, 100, 60);
}

// A crowded tab row's scroll arrows get one skinner, however often the tabs are painted; the tabs'
// picture follows the page shown.
TEST_F(SkinGalleryTest, CrowdedTabsGiveTheirArrowsOneSkinner) {
    ASSERT_NE(Skin(), nullptr);
    auto* pages = Get<TPageControl>(L"PageTop");
    // The picture kept from the last paint follows the page shown.
    const ControlPixels first = Painted(L"PageTop");
    pages->SetActivePageIndex(1);
    PumpMessages(5);
    EXPECT_NE(Painted(L"PageTop"), first);
    pages->SetActivePageIndex(0);
    PumpMessages(5);
    EXPECT_EQ(Painted(L"PageTop"), first);
    const int width = pages->Width();
    pages->SetWidth(90);
    PumpMessages(10);
    const HWND arrows = FindWindowExW(pages->Handle(), nullptr, UPDOWN_CLASSW, nullptr);
    ASSERT_NE(arrows, nullptr);
    for (int i = 0; i < 5; ++i)
        RedrawWindow(pages->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const auto& items = skinner_->Skinners().Items();
    EXPECT_EQ(std::count_if(items.begin(), items.end(),
                            [&](TSkinControl* s) { return s->Window() == arrows; }),
              1);
    pages->SetWidth(width);
}

// A painter that throws still ends its paint, so the window is not asked to paint again and
// again, and gives back its device contexts.
TEST_F(SkinGalleryTest, FailingPainterEndsItsPaint) {
    struct ThrowingButton : TSkinButton {
        using TSkinButton::TSkinButton;
        void Paint(HDC, const RECT&) override {
            ++paints;
            throw std::runtime_error("painter failed");
        }
        int paints = 0;
    };
    const HWND parent = Get<TWinControl>(L"Panel1")->Handle();
    const HWND button = CreateWindowW(L"BUTTON", L"Plain", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 4,
                                      4, 80, 24, parent, nullptr, nullptr, nullptr);
    ASSERT_NE(button, nullptr);
    ThrowingButton skinner(nullptr);
    skinner.AttachWindow(button, &Data(), nullptr);
    ASSERT_TRUE(skinner.Attached());
    const int gdi = GdiObjectCount();
    for (int i = 0; i < 20; ++i) {
        InvalidateRect(button, nullptr, TRUE);
        UpdateWindow(button);
        skinner.PaintWindow(nullptr);
    }
    PumpMessages(20);
    EXPECT_GE(skinner.paints, 40);
    EXPECT_FALSE(GetUpdateRect(button, nullptr, FALSE)) << "the paint was ended";
    EXPECT_EQ(GdiObjectCount(), gdi);
    DestroyWindow(button);
}

// A plain window that dies before its skinner leaves a dead skinner, which the next control walk
// frees; a window made after activation gets its skinner on its own.
TEST_F(SkinGalleryTest, DeadSkinnersArePurgedAtTheNextWalk) {
    ASSERT_NE(Skin(), nullptr);
    const HWND parent = Get<TWinControl>(L"Panel1")->Handle();
    const HWND button = CreateWindowW(L"BUTTON", L"Late", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX,
                                      4, 4, 80, 20, parent, nullptr, nullptr, nullptr);
    ASSERT_NE(button, nullptr);
    AttachControlSkinner(*skinner_, button);
    TSkinnerList& list = skinner_->Skinners();
    TSkinControl* late = list.FindByWindow(button);
    ASSERT_NE(late, nullptr);
    EXPECT_EQ(skin::SkinnerKindName(late->Kind()), std::string("CheckBox"));
    EXPECT_EQ(SendMessageW(button, skinmsg::kIsSkinned, 0, 0), 1);
    const std::size_t count = list.Items().size();
    DestroyWindow(button);
    ASSERT_TRUE(list.Contains(late));
    EXPECT_EQ(late->State(), TSkinnerState::Destroyed);
    SendMessageW(gallery_->Handle(), skinmsg::kActivate, 0, 1000);
    PumpMessages(10);
    EXPECT_EQ(list.Items().size(), count - 1);
    EXPECT_EQ(std::count_if(list.Items().begin(), list.Items().end(),
                            [](TSkinControl* s) { return s->State() == TSkinnerState::Destroyed; }),
              0);
}

// An inner dialog's text cells are drawn transparent on the one face brush the skin keeps, so
// painting them makes no brush.
TEST_F(SkinGalleryTest, InnerDialogTextIsTransparentOnTheKeptFaceBrush) {
    const HWND parent = Get<TWinControl>(L"Panel1")->Handle();
    const HWND inner = CreateWindowExW(0, L"#32770", L"", WS_CHILD | WS_VISIBLE, 2, 2, 120, 40,
                                       parent, nullptr, nullptr, nullptr);
    ASSERT_NE(inner, nullptr);
    const HWND label = CreateWindowW(L"STATIC", L"Text", WS_CHILD | WS_VISIBLE, 4, 4, 80, 16, inner,
                                     nullptr, nullptr, nullptr);
    TSkinBoxH skinner(nullptr);
    skinner.AttachWindow(inner, &Data(), nullptr);
    ASSERT_TRUE(skinner.Attached());
    const HDC dc = GetDC(label);
    SetBkMode(dc, OPAQUE);
    const int gdi = GdiObjectCount();
    for (int i = 0; i < 20; ++i) {
        const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(inner, WM_CTLCOLORSTATIC,
                                                                 reinterpret_cast<WPARAM>(dc),
                                                                 reinterpret_cast<LPARAM>(label)));
        EXPECT_EQ(brush, Data().FaceBrush());
    }
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(GdiObjectCount(), gdi);
    ReleaseDC(label, dc);
    DestroyWindow(inner);
}

// A skin without the pictures a painter needs leaves those controls as the system draws them.
TEST_F(SkinGalleryTest, ControlsKeepTheirOwnLookWhenTheSkinLacksTheirPicture) {
    const wchar_t* names[] = {L"Button1", L"CheckBox2", L"RadioButton1", L"ProgressBar1",
                              L"PageTop"};
    std::map<std::wstring, ControlPixels> before;
    for (const wchar_t* name : names)
        before[name] = ScreenPixels(Get<TWinControl>(name)->Handle());
    ASSERT_TRUE(Data().LoadFromPacked(PlainEdgeSkin(false)));
    const TDataSkinButton* buttons = Data().Elements().Buttons.get();
    ASSERT_TRUE(!buttons || (buttons->Image.Empty() && buttons->CheckImage.Empty()));
    ASSERT_NE(Skin(), nullptr);
    for (const wchar_t* name : names) {
        SCOPED_TRACE(U8(name));
        auto* control = Get<TWinControl>(name);
        RedrawWindow(control->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpMessages(5);
        // Without a picture the painter draws nothing.
        if (TSkinControl* skinner = SkinnerOf(name)) {
            TBitmap bitmap;
            bitmap.SetSize(control->Width(), control->Height());
            const std::vector<std::uint32_t> blank = bitmap.Pixels();
            skinner->Paint(bitmap.Canvas()->Handle(),
                           RECT{0, 0, control->Width(), control->Height()});
            GdiFlush();
            EXPECT_EQ(bitmap.Pixels(), blank);
        }
        EXPECT_EQ(ScreenPixels(control->Handle()), before[name]);
    }
}

// Skinning off gives back what skinning changed: colours, the date picker's added arrow button
// and clipping style, every WindowProc; a handler put in front of a skinner keeps working.
TEST_F(SkinGalleryTest, UnskinningGivesBackWhatSkinningChanged) {
    auto* panel = Get<TPanel>(L"Panel1");
    auto* picker = Get<TWinControl>(L"DateTimePicker1");
    const TColor panelColour = panel->Color();
    const bool panelParentColour = panel->ParentColor();
    const bool panelParentBackground = panel->ParentBackground();
    const LONG_PTR pickerStyle = GetWindowLongPtrW(picker->Handle(), GWL_STYLE);
    const HWND pickerChild = GetWindow(picker->Handle(), GW_CHILD);
    const int windows = ThreadWindowCount();

    ASSERT_NE(Skin(), nullptr);
    EXPECT_EQ(ColorToRGB(panel->Color()), static_cast<COLORREF>(Data().Colours().ButtonFace));
    EXPECT_NE(GetWindow(picker->Handle(), GW_CHILD), pickerChild) << "the arrow button";
    EXPECT_TRUE(GetWindowLongPtrW(picker->Handle(), GWL_STYLE) & WS_CLIPCHILDREN);

    // A handler chained in front of the skinner, as another component would.
    auto* button = Get<TButton>(L"Button1");
    int seen = 0;
    const TWndMethod skinned = button->WindowProc;
    button->WindowProc = [&seen, skinned](TMessage& msg) {
        ++seen;
        skinned(msg);
    };

    Unskin();
    EXPECT_EQ(panel->Color(), panelColour);
    EXPECT_EQ(panel->ParentColor(), panelParentColour);
    EXPECT_EQ(panel->ParentBackground(), panelParentBackground);
    EXPECT_EQ(GetWindow(picker->Handle(), GW_CHILD), pickerChild);
    EXPECT_EQ(GetWindowLongPtrW(picker->Handle(), GWL_STYLE), pickerStyle);
    EXPECT_EQ(ThreadWindowCount(), windows);
    for (int i = 0; i < gallery_->ComponentCount(); ++i) {
        if (auto* control = dynamic_cast<TWinControl*>(gallery_->Components(i))) {
            SCOPED_TRACE(U8(control->Name()));
            EXPECT_EQ(SendMessageW(control->Handle(), skinmsg::kIsSkinned, 0, 0), 0);
        }
    }
    // The handler in front still runs and still reaches the button.
    seen = 0;
    SendMessageW(button->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Again"));
    EXPECT_GE(seen, 1);
    EXPECT_EQ(button->Caption(), L"Again");
    button->WindowProc = skinned;

    // Skinning again makes one arrow button again, not a second one.
    gallery_->SkinData().SetActive(true);
    SkinManager()->RunPendingAction();
    ASSERT_NE(Skin(), nullptr);
    int children = 0;
    for (HWND c = GetWindow(picker->Handle(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        ++children;
    EXPECT_EQ(children, pickerChild ? 2 : 1);
}

} // namespace
