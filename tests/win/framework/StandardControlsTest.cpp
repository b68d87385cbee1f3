// Behaviour of the standard controls on real windows: states kept in step with the window,
// reflected notifications, the mouse on graphic buttons, and what each one paints.

#include "framework/ButtonLayout.h"
#include "framework/Buttons.h"
#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "framework/ImgList.h"
#include "framework/StdCtrls.h"
#include "tests/win/common/WinTest.h"
#include "tests/win/framework/Surface.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

template <class T> T* Make(TWinControl* parent, int left, int top, int width, int height) {
    auto* control = new T(parent);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

COLORREF Sys(int index) {
    return GetSysColor(index);
}

int Brightness(COLORREF c) {
    return GetRValue(c) + GetGValue(c) + GetBValue(c);
}

TEST(StandardControls, CheckBoxesAndRadioButtonsKeepTheirState) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* check = Make<TCheckBox>(&form, 8, 8, 100, 17);
    auto* panel = Make<TPanel>(&form, 8, 30, 200, 60);
    auto* first = Make<TRadioButton>(panel, 4, 4, 90, 17);
    auto* second = Make<TRadioButton>(panel, 4, 24, 90, 17);
    auto* group = Make<TRadioGroup>(&form, 8, 100, 150, 80);
    form.HandleNeeded();

    // A click moves unchecked, checked, grayed (when allowed) and round again; the window
    // shows each state.
    check->SetAllowGrayed(true);
    int clicks = 0;
    check->OnClick = [&](TObject*) { ++clicks; };
    const LRESULT shown[] = {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED};
    for (LRESULT expected : shown) {
        SendMessageW(check->Handle(), BM_CLICK, 0, 0);
        EXPECT_EQ(SendMessageW(check->Handle(), BM_GETCHECK, 0, 0), expected);
    }
    EXPECT_EQ(check->State(), TCheckBoxState::cbUnchecked);
    EXPECT_EQ(clicks, 3);

    // Radio buttons under one parent: one checked at a time.
    first->SetChecked(true);
    SendMessageW(second->Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(second->Checked());
    EXPECT_FALSE(first->Checked());
    EXPECT_EQ(SendMessageW(first->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // A radio group makes one button per item; clicking one sets ItemIndex.
    group->Items()->Assign({L"甲", L"乙", L"丙"});
    ASSERT_EQ(group->ButtonCount(), 3);
    EXPECT_EQ(group->Buttons(1)->Caption(), L"乙");
    int groupClicks = 0;
    group->OnClick = [&](TObject*) { ++groupClicks; };
    SendMessageW(group->Buttons(2)->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(groupClicks, 1);
    group->SetItemIndex(0);
    EXPECT_TRUE(group->Buttons(0)->Checked());
    EXPECT_FALSE(group->Buttons(2)->Checked());
    group->Items()->Delete(2);
    EXPECT_EQ(group->ButtonCount(), 2);
}

TEST(StandardControls, MemoLinesAreTheWindowText) {
    TForm form(nullptr);
    auto* memo = Make<TMemo>(&form, 0, 0, 200, 100);
    form.HandleNeeded();
    TStrings* lines = memo->Lines();
    lines->Add(L"第一行");
    lines->Add(L"second");
    lines->Insert(0, L"top");
    EXPECT_EQ(lines->Count(), 3);
    EXPECT_EQ(memo->Text(), L"top\r\n第一行\r\nsecond");
    lines->Delete(1);
    EXPECT_EQ(lines->ToVector(), (std::vector<std::wstring>{L"top", L"second"}));
    EXPECT_EQ(SendMessageW(memo->Handle(), EM_GETLINECOUNT, 0, 0), 2);
    // A new window for another wrapping keeps the lines.
    memo->SetWordWrap(false);
    EXPECT_TRUE(GetWindowLongW(memo->Handle(), GWL_STYLE) & ES_AUTOHSCROLL);
    EXPECT_EQ(lines->Get(1), L"second");
    lines->Clear();
    EXPECT_EQ(lines->Count(), 0);
}

TEST(StandardControls, RangeControlsFollowTheirWindows) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* bar = Make<TScrollBar>(&form, 0, 0, 200, 17);
    auto* progress = Make<TProgressBar>(&form, 0, 30, 200, 16);
    auto* track = Make<TTrackBar>(&form, 0, 60, 200, 40);
    auto* edit = Make<TEdit>(&form, 0, 120, 60, 21);
    auto* upDown = Make<TUpDown>(&form, 0, 0, 17, 21);
    form.HandleNeeded();

    // The scroll bar moves itself by its steps, the last page stopping at Max - PageSize + 1.
    bar->SetPageSize(10);
    bar->SetLargeChange(10);
    int moves = 0;
    bar->OnChange = [&](TObject*) { ++moves; };
    const struct {
        int code;
        int position;
    } steps[] = {{SB_LINEDOWN, 1}, {SB_PAGEDOWN, 11}, {SB_BOTTOM, 91}, {SB_LINEDOWN, 91},
                 {SB_PAGEUP, 81},  {SB_TOP, 0},       {SB_LINEUP, 0}};
    for (const auto& step : steps) {
        SendMessageW(form.Handle(), WM_HSCROLL, step.code, reinterpret_cast<LPARAM>(bar->Handle()));
        EXPECT_EQ(bar->Position(), step.position) << step.code;
        EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), step.position);
    }
    EXPECT_EQ(moves, 5);
    bar->SetKind(TScrollBarKind::sbVertical);
    EXPECT_EQ(bar->Width(), 17) << "turned on its side";
    EXPECT_EQ(bar->Height(), 200);

    // A progress bar stops at its end instead of wrapping round.
    progress->SetMax(25);
    progress->SetPosition(99);
    EXPECT_EQ(progress->Position(), 25);
    progress->SetPosition(20);
    progress->StepIt();
    EXPECT_EQ(SendMessageW(progress->Handle(), PBM_GETPOS, 0, 0), 25);

    // A track bar moved by the user tells OnChange once.
    int trackChanges = 0;
    track->OnChange = [&](TObject*) { ++trackChanges; };
    SendMessageW(track->Handle(), TBM_SETPOS, TRUE, 7);
    SendMessageW(form.Handle(), WM_HSCROLL, TB_THUMBPOSITION,
                 reinterpret_cast<LPARAM>(track->Handle()));
    SendMessageW(form.Handle(), WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(track->Handle()));
    EXPECT_EQ(track->Position(), 7);
    EXPECT_EQ(trackChanges, 1);

    // The up-down shows its number in the associated edit and sits at its right edge.
    upDown->SetMax(10);
    upDown->SetAssociate(edit);
    upDown->SetPosition(5);
    EXPECT_EQ(edit->Text(), L"5");
    EXPECT_EQ(upDown->Left(), edit->Left() + edit->Width());
    int upDownChanges = 0;
    upDown->OnChange = [&](TObject*) { ++upDownChanges; };
    // A click on the upper arrow steps up.
    SendMessageW(upDown->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 2));
    SendMessageW(upDown->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 2));
    EXPECT_EQ(upDown->Position(), 6);
    EXPECT_EQ(edit->Text(), L"6");
    EXPECT_EQ(upDownChanges, 1);
}

TEST(StandardControls, StatusBarPanelsAndPickerModes) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 200);
    auto* bar = Make<TStatusBar>(&form, 0, 0, 400, 20);
    auto* picker = Make<TDateTimePicker>(&form, 0, 0, 120, 21);
    for (int i = 0; i < 3; ++i)
        bar->Panels()->Add();
    bar->Panel(0)->SetText(L"左");
    bar->Panel(1)->SetText(L"中");
    bar->Panel(1)->SetAlignment(TAlignment::taCenter);
    bar->Panel(1)->SetBevel(TStatusPanelBevel::pbRaised);
    bar->Panel(2)->SetStyle(TStatusPanelStyle::psOwnerDraw);
    std::vector<int> drawn;
    bar->OnDrawPanel = [&](TCustomStatusBar* sender, TStatusPanel* panel, const RECT& r) {
        EXPECT_NE(sender->Canvas()->Handle(), nullptr);
        EXPECT_GT(r.right, r.left);
        drawn.push_back(panel->Index());
    };
    form.Show();
    UpdateWindow(bar->Handle());
    PumpMessages(30);

    wchar_t text[32] = {};
    const LRESULT info =
        SendMessageW(bar->Handle(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), L"\t中") << "a tab centres the text";
    EXPECT_EQ(HIWORD(info) & SBT_POPOUT, SBT_POPOUT);
    EXPECT_EQ(drawn, std::vector<int>{2});

    bar->SetSimpleText(L"简单");
    bar->SetSimplePanel(true);
    EXPECT_TRUE(SendMessageW(bar->Handle(), SB_ISSIMPLE, 0, 0));
    text[0] = 0;
    // While simple, the bar answers every part with the simple text.
    SendMessageW(bar->Handle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), L"简单");

    // Another kind or mode is another window; the value stays.
    picker->SetDateTime(EncodeDate(2021, 3, 4));
    picker->SetDateMode(TDTDateMode::dmUpDown);
    EXPECT_TRUE(GetWindowLongW(picker->Handle(), GWL_STYLE) & DTS_UPDOWN);
    EXPECT_EQ(static_cast<int>(picker->DateTime()), static_cast<int>(EncodeDate(2021, 3, 4)));
}

// Enter and Escape that the focused control does not want press the form's active and cancel
// buttons; every button hears of focus changes and dialog keys through its WindowProc.
TEST(StandardControls, EnterAndEscapePressTheActiveAndCancelButtons) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* edit = Make<TEdit>(&form, 8, 8, 100, 21);
    auto* memo = Make<TMemo>(&form, 8, 40, 100, 60);
    auto* ok = Make<TButton>(&form, 150, 8, 75, 25);
    auto* cancel = Make<TButton>(&form, 150, 40, 75, 25);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    std::vector<std::wstring> pressed;
    ok->OnClick = [&](TObject*) { pressed.push_back(L"ok"); };
    cancel->OnClick = [&](TObject*) { pressed.push_back(L"cancel"); };
    std::vector<UINT> heard;
    TWndMethod previous = ok->WindowProc;
    ok->WindowProc = [&](TMessage& msg) {
        if (msg.Msg == CM_FOCUSCHANGED || msg.Msg == CM_DIALOGKEY)
            heard.push_back(msg.Msg);
        previous(msg);
    };
    form.Show();
    PumpMessages(30);
    auto key = [&](TWinControl* focus, WPARAM vk) {
        focus->SetFocus();
        PostMessageW(focus->Handle(), WM_KEYDOWN, vk, 1);
        PumpMessages(10);
    };
    key(edit, VK_RETURN);
    key(edit, VK_ESCAPE);
    key(memo, VK_RETURN); // a memo keeps Enter for a new line
    EXPECT_EQ(pressed, (std::vector<std::wstring>{L"ok", L"cancel"}));
    // A focused button is the active one: Enter presses it and it shows the default frame.
    pressed.clear();
    key(cancel, VK_RETURN);
    EXPECT_EQ(pressed, std::vector<std::wstring>{L"cancel"});
    EXPECT_EQ(GetWindowLongW(cancel->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongW(ok->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    edit->SetFocus();
    EXPECT_TRUE(ok->Active()) << "the default button again once no button has the focus";
    EXPECT_NE(std::find(heard.begin(), heard.end(), CM_FOCUSCHANGED), heard.end());
    EXPECT_NE(std::find(heard.begin(), heard.end(), CM_DIALOGKEY), heard.end());
    ok->WindowProc = previous;
}

// A press on a graphic button keeps the mouse until the release: a release elsewhere clicks
// nothing, a release over it clicks, and grouped speed buttons stay down one at a time.
TEST(StandardControls, GraphicButtonsTakeTheMouseWhilePressed) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* one = Make<TSpeedButton>(&form, 10, 10, 40, 30);
    auto* two = Make<TSpeedButton>(&form, 60, 10, 40, 30);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(10, 80, 60, 20);
    label->SetCaption(L"标签");
    form.Show();
    PumpMessages(30);
    HWND h = form.Handle();
    int oneClicks = 0, labelClicks = 0;
    one->OnClick = [&](TObject*) { ++oneClicks; };
    label->OnClick = [&](TObject*) { ++labelClicks; };
    auto mouse = [&](UINT msg, int x, int y) {
        SendMessageW(h, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    };

    mouse(WM_LBUTTONDOWN, 20, 20);
    EXPECT_TRUE(one->Pressed());
    EXPECT_EQ(GetCapture(), h);
    mouse(WM_MOUSEMOVE, 200, 150);
    EXPECT_FALSE(one->Pressed()) << "dragged off";
    mouse(WM_LBUTTONUP, 200, 150);
    EXPECT_EQ(oneClicks, 0);
    EXPECT_NE(GetCapture(), h);
    mouse(WM_LBUTTONDOWN, 20, 20);
    mouse(WM_LBUTTONUP, 25, 25);
    EXPECT_EQ(oneClicks, 1);

    // Pressed elsewhere, released over the label: not a click of the label.
    mouse(WM_LBUTTONDOWN, 200, 150);
    mouse(WM_LBUTTONUP, 20, 85);
    EXPECT_EQ(labelClicks, 0);
    mouse(WM_LBUTTONDOWN, 20, 85);
    mouse(WM_LBUTTONUP, 21, 86);
    EXPECT_EQ(labelClicks, 1);

    one->SetGroupIndex(1);
    two->SetGroupIndex(1);
    mouse(WM_LBUTTONDOWN, 20, 20);
    mouse(WM_LBUTTONUP, 20, 20);
    EXPECT_TRUE(one->Down());
    mouse(WM_LBUTTONDOWN, 70, 20);
    mouse(WM_LBUTTONUP, 70, 20);
    EXPECT_TRUE(two->Down());
    EXPECT_FALSE(one->Down());
    mouse(WM_LBUTTONDOWN, 70, 20);
    mouse(WM_LBUTTONUP, 70, 20);
    EXPECT_TRUE(two->Down()) << "one of the group stays down";
    two->SetAllowAllUp(true);
    mouse(WM_LBUTTONDOWN, 70, 20);
    mouse(WM_LBUTTONUP, 70, 20);
    EXPECT_FALSE(two->Down());
}

// A 12 x 10 glyph: light yellow with a dark blue square, its key colour magenta in the bottom
// row.
void MakeGlyph(TBitmap& glyph) {
    std::vector<std::uint32_t> pixels(12 * 10, 0xFFFF00);
    for (int y = 2; y < 8; ++y) {
        for (int x = 3; x < 9; ++x)
            pixels[y * 12 + x] = 0x000080;
    }
    for (int x = 0; x < 12; ++x)
        pixels[9 * 12 + x] = 0xFF00FF;
    glyph.LoadFromPixels(12, 10, pixels);
}

TEST(StandardControls, GlyphButtonsPaintGlyphAndFrame) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* bit = Make<TBitBtn>(&form, 10, 10, 80, 30);
    auto* speed = Make<TSpeedButton>(&form, 100, 10, 30, 30);
    form.HandleNeeded();
    TBitmap glyph;
    MakeGlyph(glyph);
    bit->SetGlyph(glyph);
    bit->SetCaption(L"");
    speed->SetGlyph(glyph);

    // No caption: the glyph is centred in the button inset by 3 (frame and face edge).
    const TGlyphLayout at =
        LayoutGlyphButton({80 - 4, 30 - 4}, {12, 10}, {0, 0}, TButtonLayout::blGlyphLeft, -1, 4);
    const int gx = 2 + at.glyph.x, gy = 2 + at.glyph.y;
    auto paintBit = [&](Surface& s, UINT state) {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_BUTTON;
        draw.hwndItem = bit->Handle();
        draw.hDC = s.Dc();
        draw.rcItem = {0, 0, 80, 30};
        draw.itemState = state;
        bit->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    };
    Surface up(80, 30);
    paintBit(up, 0);
    EXPECT_EQ(up.At(gx + 5, gy + 4), RGB(0, 0, 0x80)) << "the glyph's square";
    EXPECT_EQ(up.At(gx, gy), RGB(0xFF, 0xFF, 0));
    EXPECT_EQ(up.At(gx, gy + 9), Sys(COLOR_BTNFACE)) << "the key colour is left out";
    Surface pressed(80, 30);
    paintBit(pressed, ODS_SELECTED);
    EXPECT_EQ(pressed.At(gx + 1, gy + 1), RGB(0xFF, 0xFF, 0)) << "moved down and right";

    // Disabled without a second image: the greyed form, shadow over highlight.
    bit->SetEnabled(false);
    Surface greyed(80, 30);
    paintBit(greyed, ODS_DISABLED);
    EXPECT_EQ(greyed.At(gx + 5, gy + 4), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(greyed.At(gx + 9, gy + 8), Sys(COLOR_BTNHIGHLIGHT)) << "the highlight below";
    EXPECT_EQ(greyed.At(gx, gy), Sys(COLOR_BTNFACE)) << "light pixels leave no shape";

    // The speed button draws a raised face, sunk while down.
    speed->SetGroupIndex(1);
    Surface raised(30, 30), sunk(30, 30);
    speed->Perform(WM_PAINT, reinterpret_cast<WPARAM>(raised.Dc()), 0);
    speed->SetDown(true);
    speed->Perform(WM_PAINT, reinterpret_cast<WPARAM>(sunk.Dc()), 0);
    EXPECT_LT(Brightness(sunk.At(1, 1)), Brightness(raised.At(1, 1)));
    EXPECT_EQ(raised.At(15 - 6 + 3, 15 - 5 + 2), RGB(0, 0, 0x80)) << "glyph centred";
}

TEST(StandardControls, PanelsAndGroupBoxesPaintTheirFrames) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* panel = Make<TPanel>(&form, 0, 0, 100, 50);
    auto* group = Make<TGroupBox>(&form, 0, 60, 100, 60);
    form.HandleNeeded();
    const struct {
        TBevelCut outer;
        COLORREF topLeft, bottomRight;
    } bevels[] = {
        {TBevelCut::bvRaised, Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_BTNSHADOW)},
        {TBevelCut::bvLowered, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT)},
        {TBevelCut::bvNone, Sys(COLOR_BTNFACE), Sys(COLOR_BTNFACE)},
    };
    for (const auto& b : bevels) {
        panel->SetBevelOuter(b.outer);
        Surface s(100, 50, clBtnFace);
        SendMessageW(panel->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(s.Dc()), 0);
        EXPECT_EQ(s.At(0, 0), b.topLeft) << static_cast<int>(b.outer);
        EXPECT_EQ(s.At(99, 49), b.bottomRight) << static_cast<int>(b.outer);
    }
    // The group box's etched frame: shadow, highlight inside it, below the caption's middle.
    Surface s(100, 60, clBtnFace);
    SendMessageW(group->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(s.Dc()), 0);
    EXPECT_EQ(s.At(0, 40), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(s.At(1, 40), Sys(COLOR_BTNHIGHLIGHT));
}

TEST(StandardControls, ImageListDrawsGreyedImages) {
    TImageList images(nullptr);
    TBitmap picture;
    std::vector<std::uint32_t> pixels(16 * 16, 0xFF00FF);
    for (int y = 4; y < 12; ++y) {
        for (int x = 4; x < 12; ++x)
            pixels[y * 16 + x] = 0x000000;
    }
    picture.LoadFromPixels(16, 16, pixels);
    ASSERT_EQ(images.AddMasked(picture.Handle(), RGB(0xFF, 0, 0xFF)), 0);
    Surface normal(20, 20), greyed(20, 20);
    images.Draw(normal.Dc(), 0, 0, 0, true);
    images.Draw(greyed.Dc(), 0, 0, 0, false);
    EXPECT_EQ(normal.At(6, 6), RGB(0, 0, 0));
    EXPECT_EQ(normal.At(1, 1), RGB(255, 255, 255)) << "masked out";
    EXPECT_EQ(greyed.At(6, 6), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(greyed.At(12, 12), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(greyed.At(1, 1), RGB(255, 255, 255));
    images.Draw(greyed.Dc(), 0, 0, 5, false); // no such image: nothing
}

} // namespace
