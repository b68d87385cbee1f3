object Gallery: TGalleryForm
  Left = 40
  Top = 30
  Width = 808
  Height = 580
  Caption = 'Skin gallery'
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Menu = MainMenu1
  object GroupButtons: TGroupBox
    Left = 8
    Top = 6
    Width = 250
    Height = 192
    Caption = 'Buttons'
    TabOrder = 0
    object Button1: TButton
      Left = 12
      Top = 20
      Width = 110
      Height = 25
      Caption = 'Normal'
      TabOrder = 0
    end
    object Button2: TButton
      Left = 128
      Top = 20
      Width = 110
      Height = 25
      Caption = 'Default'
      Default = True
      TabOrder = 1
    end
    object Button3: TButton
      Left = 12
      Top = 52
      Width = 110
      Height = 25
      Caption = 'Disabled'
      Enabled = False
      TabOrder = 2
    end
    object Button4: TButton
      Left = 128
      Top = 52
      Width = 110
      Height = 40
      Caption = 'Two||lines'
      TabOrder = 3
    end
    object BitBtn1: TBitBtn
      Left = 12
      Top = 98
      Width = 110
      Height = 30
      Caption = 'Bit button'
      TabOrder = 4
    end
    object BitBtn2: TBitBtn
      Left = 128
      Top = 98
      Width = 110
      Height = 50
      Caption = 'Glyph top'
      Layout = blGlyphTop
      TabOrder = 5
    end
    object SpeedButton1: TSpeedButton
      Left = 12
      Top = 134
      Width = 52
      Height = 25
      Caption = 'Flat'
      Flat = True
    end
    object SpeedButton2: TSpeedButton
      Left = 70
      Top = 134
      Width = 52
      Height = 25
      Caption = 'Down'
      GroupIndex = 1
      Down = True
    end
    object MenuButton1: TGalleryMenuButton
      Left = 12
      Top = 162
      Width = 110
      Height = 24
      Caption = 'Menu'
      TabOrder = 6
    end
    object BitBtn3: TBitBtn
      Left = 128
      Top = 154
      Width = 110
      Height = 32
      Caption = 'Disabled'
      Enabled = False
      TabOrder = 7
    end
  end
  object GroupChoices: TGroupBox
    Left = 8
    Top = 204
    Width = 250
    Height = 196
    Caption = 'Check boxes and radio buttons'
    TabOrder = 1
    object CheckBox1: TCheckBox
      Left = 12
      Top = 20
      Width = 110
      Height = 17
      Caption = 'Unchecked'
      TabOrder = 0
    end
    object CheckBox2: TCheckBox
      Left = 12
      Top = 40
      Width = 110
      Height = 17
      Caption = 'Checked'
      Checked = True
      TabOrder = 1
    end
    object CheckBox3: TCheckBox
      Left = 12
      Top = 60
      Width = 110
      Height = 17
      Caption = 'Grayed'
      AllowGrayed = True
      State = cbGrayed
      TabOrder = 2
    end
    object CheckBox4: TCheckBox
      Left = 12
      Top = 80
      Width = 110
      Height = 17
      Caption = 'Disabled'
      Checked = True
      Enabled = False
      TabOrder = 3
    end
    object CheckBox5: TCheckBox
      Left = 12
      Top = 100
      Width = 110
      Height = 17
      Alignment = taLeftJustify
      Caption = 'Box right'
      TabOrder = 4
    end
    object CheckBox6: TCheckBox
      Left = 12
      Top = 120
      Width = 110
      Height = 17
      Caption = 'Off, disabled'
      Enabled = False
      TabOrder = 5
    end
    object RadioButton1: TRadioButton
      Left = 128
      Top = 20
      Width = 110
      Height = 17
      Caption = 'Radio one'
      Checked = True
      TabOrder = 6
    end
    object RadioButton2: TRadioButton
      Left = 128
      Top = 40
      Width = 110
      Height = 17
      Caption = 'Radio two'
      TabOrder = 7
    end
    object RadioButton3: TRadioButton
      Left = 128
      Top = 60
      Width = 110
      Height = 17
      Caption = 'Disabled'
      Enabled = False
      TabOrder = 8
    end
    object RadioGroup1: TRadioGroup
      Left = 128
      Top = 84
      Width = 110
      Height = 100
      Caption = 'Radio group'
      Items.Strings = (
        'First'
        'Second'
        'Third')
      ItemIndex = 1
      TabOrder = 9
    end
  end
  object Panel1: TPanel
    Left = 8
    Top = 406
    Width = 250
    Height = 70
    Caption = 'Panel'
    ParentBackground = True
    PopupMenu = PopupMenu1
    TabOrder = 2
    object PanelLabel: TLabel
      Left = 8
      Top = 6
      Width = 100
      Height = 13
      Caption = 'A label on a panel'
    end
  end
  object GroupText: TGroupBox
    Left = 266
    Top = 6
    Width = 250
    Height = 254
    Caption = 'Text'
    TabOrder = 3
    object Label1: TLabel
      Left = 12
      Top = 24
      Width = 50
      Height = 13
      Caption = 'Edit:'
    end
    object Edit1: TEdit
      Left = 70
      Top = 20
      Width = 168
      Height = 21
      Text = 'Editable'
      TabOrder = 0
    end
    object Edit2: TEdit
      Left = 70
      Top = 46
      Width = 168
      Height = 21
      Enabled = False
      Text = 'Disabled'
      TabOrder = 1
    end
    object Label2: TLabel
      Left = 12
      Top = 76
      Width = 50
      Height = 13
      Caption = 'Combo:'
    end
    object ComboBox1: TComboBox
      Left = 70
      Top = 72
      Width = 168
      Height = 21
      ItemHeight = 13
      Style = csDropDown
      Text = 'COM3'
      Items.Strings = (
        'COM1'
        'COM2'
        'COM3'
        'COM4')
      TabOrder = 2
    end
    object ComboBox2: TComboBox
      Left = 70
      Top = 98
      Width = 168
      Height = 21
      ItemHeight = 13
      Style = csDropDownList
      Items.Strings = (
        '19200'
        '9600')
      ItemIndex = 0
      TabOrder = 3
    end
    object ComboBox3: TComboBox
      Left = 70
      Top = 124
      Width = 168
      Height = 21
      Enabled = False
      ItemHeight = 13
      Style = csDropDown
      Text = 'Disabled'
      TabOrder = 4
    end
    object Label3: TLabel
      Left = 12
      Top = 154
      Width = 50
      Height = 13
      Caption = 'Date:'
    end
    object DateTimePicker1: TDateTimePicker
      Left = 70
      Top = 150
      Width = 168
      Height = 21
      TabOrder = 5
    end
    object DateTimePicker2: TDateTimePicker
      Left = 70
      Top = 176
      Width = 168
      Height = 21
      Kind = dtkTime
      TabOrder = 6
    end
    object Memo1: TMemo
      Left = 12
      Top = 204
      Width = 110
      Height = 40
      Lines.Strings = (
        'A memo'
        'of five lines,'
        'more than it'
        'shows, so its'
        'bar scrolls')
      ScrollBars = ssVertical
      TabOrder = 7
    end
    object ListBox1: TListBox
      Left = 128
      Top = 204
      Width = 110
      Height = 40
      ItemHeight = 13
      Items.Strings = (
        'List item one'
        'List item two'
        'List item three'
        'List item four'
        'List item five')
      TabOrder = 8
    end
  end
  object GroupRanges: TGroupBox
    Left = 266
    Top = 266
    Width = 250
    Height = 210
    Caption = 'Ranges'
    TabOrder = 4
    object ProgressBar1: TProgressBar
      Left = 12
      Top = 22
      Width = 196
      Height = 16
      Position = 60
      TabOrder = 0
    end
    object ProgressBar2: TProgressBar
      Left = 220
      Top = 22
      Width = 18
      Height = 120
      Orientation = pbVertical
      Position = 40
      TabOrder = 1
    end
    object TrackBar1: TTrackBar
      Left = 12
      Top = 46
      Width = 196
      Height = 32
      Position = 4
      TabOrder = 2
    end
    object TrackBar2: TTrackBar
      Left = 12
      Top = 84
      Width = 32
      Height = 116
      Orientation = trVertical
      Position = 3
      TabOrder = 3
    end
    object Edit3: TEdit
      Left = 60
      Top = 88
      Width = 60
      Height = 21
      Text = '5'
      TabOrder = 4
    end
    object UpDown1: TUpDown
      Left = 120
      Top = 88
      Width = 16
      Height = 21
      Associate = Edit3
      Position = 5
      TabOrder = 5
    end
    object UpDown2: TUpDown
      Left = 60
      Top = 118
      Width = 40
      Height = 20
      Orientation = udHorizontal
      TabOrder = 6
    end
    object ScrollBar1: TScrollBar
      Left = 60
      Top = 150
      Width = 150
      Height = 17
      TabOrder = 7
    end
  end
  object PageTop: TPageControl
    Left = 524
    Top = 6
    Width = 266
    Height = 110
    ActivePage = SheetTop1
    TabOrder = 5
    object SheetTop1: TTabSheet
      Caption = 'Top tabs'
      object SheetLabel: TLabel
        Left = 8
        Top = 8
        Width = 150
        Height = 13
        Caption = 'A label on a tab sheet'
      end
      object SheetCheck: TCheckBox
        Left = 8
        Top = 30
        Width = 150
        Height = 17
        Caption = 'On a sheet'
        Checked = True
        TabOrder = 0
      end
    end
    object SheetTop2: TTabSheet
      Caption = 'Second'
    end
    object SheetTop3: TTabSheet
      Caption = 'Third'
    end
  end
  object PageBottom: TPageControl
    Left = 524
    Top = 122
    Width = 266
    Height = 110
    ActivePage = SheetBottom1
    TabPosition = tpBottom
    TabOrder = 6
    object SheetBottom1: TTabSheet
      Caption = 'Bottom tabs'
    end
    object SheetBottom2: TTabSheet
      Caption = 'Second'
    end
  end
  object PageLeft: TPageControl
    Left = 524
    Top = 238
    Width = 130
    Height = 120
    ActivePage = SheetLeft1
    TabPosition = tpLeft
    TabOrder = 7
    object SheetLeft1: TTabSheet
      Caption = 'Left'
    end
    object SheetLeft2: TTabSheet
      Caption = 'Tabs'
    end
  end
  object PageRight: TPageControl
    Left = 660
    Top = 238
    Width = 130
    Height = 120
    ActivePage = SheetRight1
    TabPosition = tpRight
    TabOrder = 8
    object SheetRight1: TTabSheet
      Caption = 'Right'
    end
    object SheetRight2: TTabSheet
      Caption = 'Tabs'
    end
  end
  object PageButtons: TPageControl
    Left = 524
    Top = 364
    Width = 266
    Height = 112
    ActivePage = SheetButtons1
    Style = tsButtons
    TabOrder = 9
    object SheetButtons1: TTabSheet
      Caption = 'Button tabs'
    end
    object SheetButtons2: TTabSheet
      Caption = 'Second'
    end
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 506
    Width = 800
    Height = 20
    Align = alBottom
    Panels = <
      item
        Text = 'Lowered panel'
        Width = 200
      end
      item
        Bevel = pbRaised
        Text = 'Raised panel'
        Width = 200
      end
      item
        Bevel = pbNone
        Text = 'No bevel'
        Width = 200
      end>
  end
  object MenuImages: TImageList
  end
  object MainMenu1: TMainMenu
    Images = MenuImages
    object MenuFile: TMenuItem
      Caption = '&File'
      object MenuOpen: TMenuItem
        Caption = '&Open skin...'
        ImageIndex = 0
        ShortCut = 16463
      end
      object MenuSave: TMenuItem
        Caption = '&Save'
        ShortCut = 16467
      end
      object MenuFileSep1: TMenuItem
        Caption = '-'
      end
      object MenuRecent: TMenuItem
        Caption = '&Recent skins'
        object MenuRecent1: TMenuItem
          Caption = 'canteen-blue.skn'
        end
        object MenuRecent2: TMenuItem
          Caption = 'canteen-green.skn'
        end
      end
      object MenuFileSep2: TMenuItem
        Caption = '-'
      end
      object MenuExit: TMenuItem
        Caption = 'E&xit'
      end
    end
    object MenuView: TMenuItem
      Caption = '&View'
      object MenuToolbar: TMenuItem
        Caption = '&Toolbar'
        AutoCheck = True
        Checked = True
      end
      object MenuStatus: TMenuItem
        Caption = '&Status bar'
        ImageIndex = 0
        AutoCheck = True
        Checked = True
      end
      object MenuViewSep: TMenuItem
        Caption = '-'
      end
      object MenuSmall: TMenuItem
        Caption = 'S&mall icons'
        AutoCheck = True
        Checked = True
        GroupIndex = 1
        RadioItem = True
      end
      object MenuLarge: TMenuItem
        Caption = '&Large icons'
        AutoCheck = True
        GroupIndex = 1
        RadioItem = True
      end
      object MenuHidden: TMenuItem
        Caption = 'Hidden item'
        Visible = False
      end
      object MenuDisabled: TMenuItem
        Caption = '&Disabled item'
        Enabled = False
      end
    end
    object MenuWindow: TMenuItem
      Caption = '&Window'
      Visible = False
    end
    object MenuHelp: TMenuItem
      Caption = '&Help'
      object MenuAbout: TMenuItem
        Caption = '&About the gallery'
        Default = True
      end
    end
  end
  object PopupMenu1: TPopupMenu
    Images = MenuImages
    object PopupCut: TMenuItem
      Caption = 'Cu&t'
      ImageIndex = 0
      ShortCut = 16472
    end
    object PopupCopy: TMenuItem
      Caption = '&Copy'
      ShortCut = 16451
    end
    object PopupSep: TMenuItem
      Caption = '-'
    end
    object PopupChecked: TMenuItem
      Caption = 'C&hecked'
      Checked = True
    end
    object PopupDisabled: TMenuItem
      Caption = '&Disabled'
      Enabled = False
    end
  end
  object SkinData1: TSkinData
    Active = True
    DisableTag = 99
    SkinStream = {}
  end
end
