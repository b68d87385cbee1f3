// What outside code (the skin engine) sees of each standard control: its ancestry, its window
// class, and its published properties read by name.

#include "framework/Buttons.h"
#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "framework/StdCtrls.h"
#include "tests/win/common/WinTest.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

// Every standard control, read from a form file.
class TAllControlsForm : public TForm {
    DEVTOOL_CLASS(TAllControlsForm)
public:
    explicit TAllControlsForm(TComponent* owner) : TForm(owner) {
        LoadFromFormText(R"(object AllControls: TAllControlsForm
  Width = 640
  Height = 480
  object Button1: TButton
    Caption = 'OK'
    Default = True
  end
  object BitBtn1: TBitBtn
    Top = 30
    Caption = 'Bit'
    Layout = blGlyphTop
    Margin = 2
  end
  object SpeedButton1: TSpeedButton
    Top = 60
    Flat = True
  end
  object CheckBox1: TCheckBox
    Top = 90
    Caption = 'Check'
    AllowGrayed = True
    State = cbGrayed
  end
  object RadioButton1: TRadioButton
    Top = 110
    Caption = 'Radio'
    Checked = True
  end
  object Edit1: TEdit
    Top = 130
    BorderStyle = bsNone
  end
  object Memo1: TMemo
    Left = 200
    ScrollBars = ssVertical
  end
  object ComboBox1: TComboBox
    Top = 160
    Style = csDropDownList
  end
  object ListBox1: TListBox
    Left = 200
    Top = 100
  end
  object ScrollBar1: TScrollBar
    Top = 190
    Kind = sbVertical
  end
  object GroupBox1: TGroupBox
    Left = 400
    Caption = 'Group'
  end
  object RadioGroup1: TRadioGroup
    Left = 400
    Top = 110
    Items.Strings = ('One' 'Two')
    ItemIndex = 1
  end
  object Panel1: TPanel
    Left = 400
    Top = 220
    Alignment = taLeftJustify
    BevelInner = bvLowered
  end
  object Label1: TLabel
    Top = 300
    Caption = 'Label'
  end
  object PageControl1: TPageControl
    Left = 200
    Top = 220
    Width = 180
    Height = 100
    Style = tsButtons
    object TabSheet1: TTabSheet
      Caption = 'Page'
    end
  end
  object StatusBar1: TStatusBar
    SimplePanel = True
    SimpleText = 'ready'
  end
  object DateTimePicker1: TDateTimePicker
    Top = 330
    Kind = dtkTime
  end
  object ProgressBar1: TProgressBar
    Top = 360
    Max = 50
    Position = 20
  end
  object TrackBar1: TTrackBar
    Left = 200
    Top = 340
    Position = 3
  end
  object UpDown1: TUpDown
    Left = 380
    Top = 340
  end
end
)");
    }
};

const TClassInfo& TAllControlsForm::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TAllControlsForm, TForm>("TAllControlsForm", nullptr, false);
    return info;
}

struct ControlCase {
    const wchar_t* name;
    std::vector<const char*> is;                             // ancestors the selection rules test
    std::vector<const char*> isNot;                          // ancestors it must not answer to
    std::vector<std::pair<const char*, std::wstring>> props; // published, read as text
    std::vector<const char*> missing;                        // must read as missing
};

std::wstring ClassOfWindow(HWND h) {
    wchar_t name[64] = {};
    GetClassNameW(h, name, 64);
    return name;
}

TEST(ClassTree, ControlsAnswerAncestryAndPropertiesByName) {
    TAllControlsForm form(nullptr);
    form.HandleNeeded();
    const ControlCase cases[] = {
        {L"Button1",
         {"TButtonControl", "TWinControl"},
         {"TBitBtn"},
         {{"Default", L"True"}},
         {"Glyph", "Style"}},
        {L"BitBtn1",
         {"TButton"},
         {},
         {{"Layout", L"blGlyphTop"}, {"Margin", L"2"}, {"Spacing", L"4"}, {"NumGlyphs", L"1"}},
         {"Kind"}},
        {L"SpeedButton1",
         {"TGraphicControl"},
         {"TWinControl"},
         {{"Flat", L"True"}, {"Down", L"False"}, {"Layout", L"blGlyphLeft"}, {"Margin", L"-1"}},
         {}},
        {L"CheckBox1",
         {"TCustomCheckBox", "TButtonControl"},
         {"TRadioButton", "TButton"},
         {{"State", L"cbGrayed"}, {"Checked", L"False"}, {"Alignment", L"taRightJustify"}},
         {}},
        {L"RadioButton1", {"TButtonControl"}, {"TCustomCheckBox"}, {{"Checked", L"True"}}, {}},
        {L"Edit1", {"TCustomEdit"}, {"TCustomMemo"}, {{"BorderStyle", L"bsNone"}}, {"Style"}},
        {L"Memo1",
         {"TCustomMemo", "TCustomEdit"},
         {"TCustomListBox"},
         {{"ScrollBars", L"ssVertical"}, {"BorderStyle", L"bsSingle"}},
         {}},
        {L"ComboBox1",
         {"TCustomComboBox"},
         {"TCustomEdit", "TCustomListBox"},
         {{"Style", L"csDropDownList"}},
         {"BorderStyle"}},
        {L"ListBox1", {"TCustomListBox"}, {"TCustomComboBox"}, {{"BorderStyle", L"bsSingle"}}, {}},
        {L"ScrollBar1", {"TWinControl"}, {"TCustomControl"}, {{"Kind", L"sbVertical"}}, {}},
        {L"GroupBox1",
         {"TCustomGroupBox", "TCustomControl"},
         {"TCustomPanel"},
         {{"Caption", L"Group"}},
         {}},
        {L"RadioGroup1", {"TCustomRadioGroup", "TCustomGroupBox"}, {}, {{"ItemIndex", L"1"}}, {}},
        {L"Panel1",
         {"TCustomPanel", "TCustomControl"},
         {"TCustomGroupBox"},
         {{"Alignment", L"taLeftJustify"},
          {"BevelInner", L"bvLowered"},
          {"BevelOuter", L"bvRaised"},
          {"BorderStyle", L"bsNone"}},
         {}},
        {L"Label1", {"TGraphicControl"}, {}, {{"Transparent", L"True"}}, {"BorderStyle"}},
        {L"PageControl1", {"TCustomTabControl"}, {}, {{"Style", L"tsButtons"}}, {}},
        {L"TabSheet1", {"TWinControl"}, {"TCustomTabControl"}, {{"Caption", L"Page"}}, {}},
        {L"StatusBar1",
         {"TCustomStatusBar"},
         {},
         {{"SimplePanel", L"True"}, {"simpletext", L"ready"}},
         {}},
        {L"DateTimePicker1",
         {"TWinControl"},
         {"TCustomEdit"},
         {{"Kind", L"dtkTime"}, {"DateMode", L"dmComboBox"}},
         {}},
        {L"ProgressBar1", {"TWinControl"}, {}, {{"Position", L"20"}, {"Max", L"50"}}, {}},
        {L"TrackBar1", {"TWinControl"}, {}, {{"Position", L"3"}}, {"Transparent"}},
        {L"UpDown1", {"TCustomUpDown"}, {}, {{"Orientation", L"udVertical"}}, {}},
    };
    for (const ControlCase& c : cases) {
        SCOPED_TRACE(U8(c.name));
        auto* control = form.Control<TControl>(c.name);
        for (const char* ancestor : c.is)
            EXPECT_TRUE(control->InheritsFrom(ancestor)) << ancestor;
        for (const char* other : c.isNot)
            EXPECT_FALSE(control->InheritsFrom(other)) << other;
        for (const auto& [prop, text] : c.props)
            EXPECT_EQ(U8(GetPropText(control, prop)), U8(text)) << prop;
        for (const char* prop : c.missing) {
            EXPECT_FALSE(HasProperty(control, prop)) << prop;
            EXPECT_EQ(GetOrdProp(control, prop), -1) << prop;
        }
        // Every windowed control's window class is its framework class.
        if (auto* win = dynamic_cast<TWinControl*>(control)) {
            EXPECT_EQ(ClassOfWindow(win->Handle()), WideFromUtf8(control->ClassName()));
        }
    }
}

// The windows carry the styles the properties ask for, so that code reading styles sees the
// same control as code reading properties.
TEST(ClassTree, WindowStylesFollowTheProperties) {
    TAllControlsForm form(nullptr);
    form.HandleNeeded();
    auto style = [&](const wchar_t* name) {
        return GetWindowLongW(form.Control<TWinControl>(name)->Handle(), GWL_STYLE);
    };
    auto exStyle = [&](const wchar_t* name) {
        return GetWindowLongW(form.Control<TWinControl>(name)->Handle(), GWL_EXSTYLE);
    };
    EXPECT_EQ(style(L"Button1") & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(style(L"BitBtn1") & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(style(L"CheckBox1") & BS_TYPEMASK, BS_3STATE);
    EXPECT_EQ(style(L"RadioButton1") & BS_TYPEMASK, BS_RADIOBUTTON);
    EXPECT_FALSE(exStyle(L"Edit1") & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(style(L"Memo1") & ES_MULTILINE);
    EXPECT_TRUE(style(L"Memo1") & WS_VSCROLL);
    EXPECT_FALSE(style(L"Memo1") & WS_HSCROLL);
    EXPECT_EQ(style(L"ComboBox1") & 3, CBS_DROPDOWNLIST);
    EXPECT_EQ(style(L"ScrollBar1") & SBS_VERT, SBS_VERT);
    EXPECT_TRUE(style(L"PageControl1") & TCS_BUTTONS);
    EXPECT_TRUE(style(L"StatusBar1") & SBARS_SIZEGRIP) << "a bar on a form has the grip";
    EXPECT_TRUE(style(L"DateTimePicker1") & DTS_TIMEFORMAT);
    EXPECT_EQ(
        SendMessageW(form.Control<TWinControl>(L"ProgressBar1")->Handle(), PBM_GETRANGE, FALSE, 0),
        50);
    // The standard classes' own behaviour is there: the check box shows what State says.
    EXPECT_EQ(SendMessageW(form.Control<TWinControl>(L"CheckBox1")->Handle(), BM_GETCHECK, 0, 0),
              BST_INDETERMINATE);
    // Right to left: the reading order and the scroll bar side follow BiDiMode.
    auto* edit = form.Control<TEdit>(L"Edit1");
    edit->SetText(L"保留");
    SetPropText(edit, "BiDiMode", L"bdRightToLeft");
    EXPECT_TRUE(exStyle(L"Edit1") & WS_EX_RTLREADING);
    EXPECT_TRUE(style(L"Edit1") & ES_RIGHT);
    EXPECT_EQ(edit->Text(), L"保留") << "the text outlives the new window";
}

} // namespace
