object Form1: TForm1
  Left = 174
  Top = 75
  Width = 395
  Height = 661
  Caption = '设备调试工具 V2.18'
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  OnCreate = FormCreate
  OnShow = FormShow
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 387
    Height = 627
    ActivePage = TabSheet1
    Align = alClient
    TabOrder = 0
    object TabSheet1: TTabSheet
      Caption = 'IC读卡器程序'
      object sb: TStatusBar
        Left = 0
        Top = 579
        Width = 379
        Height = 20
        Align = alBottom
        Panels = <
          item
            Text = '  状态:'
            Width = 50
          end
          item
            Width = 50
          end>
      end
      object GroupBox1: TGroupBox
        Left = 4
        Top = 4
        Width = 371
        Height = 77
        Caption = '读卡器设置'
        TabOrder = 0
        object Label1: TLabel
          Left = 8
          Top = 20
          Width = 46
          Height = 13
          Caption = '串口号：'
        end
        object ComboBox1: TComboBox
          Left = 56
          Top = 16
          Width = 60
          Height = 21
          ItemHeight = 13
          Style = csDropDown
          Text = '3'
          Items.Strings = (
            '1'
            '2'
            '3'
            '4'
            '5'
            '6'
            '7'
            '8'
            '9')
          TabOrder = 0
        end
        object Label2: TLabel
          Left = 128
          Top = 20
          Width = 34
          Height = 13
          Caption = '扇区：'
        end
        object sq: TComboBox
          Left = 164
          Top = 16
          Width = 60
          Height = 21
          ItemHeight = 13
          Style = csDropDown
          Text = '0'
          Items.Strings = (
            '0'
            '1'
            '2'
            '3'
            '4'
            '5'
            '6'
            '7'
            '8'
            '9'
            '10')
          TabOrder = 1
        end
        object Button2: TButton
          Left = 244
          Top = 16
          Width = 119
          Height = 25
          Caption = '读发卡器密码   '
          Visible = False
          TabOrder = 2
          OnClick = Button2Click
        end
        object Label3: TLabel
          Left = 8
          Top = 50
          Width = 46
          Height = 13
          Caption = '密码：'
        end
        object Edit1: TEdit
          Left = 56
          Top = 46
          Width = 168
          Height = 21
          MaxLength = 12
          PasswordChar = '*'
          Text = ''
          TabOrder = 3
        end
        object Button1: TButton
          Left = 244
          Top = 44
          Width = 119
          Height = 25
          Caption = '设置读卡器密码   '
          TabOrder = 4
          OnClick = Button1Click
        end
      end
      object GroupBox5: TGroupBox
        Left = 4
        Top = 87
        Width = 371
        Height = 295
        Caption = '读卡'
        TabOrder = 1
        object Label4: TLabel
          Left = 8
          Top = 20
          Width = 76
          Height = 13
          Caption = '卡号  '
        end
        object Edit11: TEdit
          Left = 86
          Top = 16
          Width = 90
          Height = 21
          Text = ''
          TabOrder = 0
        end
        object Label5: TLabel
          Left = 188
          Top = 20
          Width = 76
          Height = 13
          Caption = '状态  '
        end
        object Edit12: TEdit
          Left = 266
          Top = 16
          Width = 97
          Height = 21
          Text = ''
          TabOrder = 1
        end
        object Label6: TLabel
          Left = 8
          Top = 46
          Width = 76
          Height = 13
          Caption = '姓名  '
        end
        object Edit15: TEdit
          Left = 86
          Top = 42
          Width = 90
          Height = 21
          Text = ''
          TabOrder = 2
        end
        object Label7: TLabel
          Left = 188
          Top = 46
          Width = 76
          Height = 13
          Caption = '卡类型  '
        end
        object Edit60: TEdit
          Left = 266
          Top = 42
          Width = 97
          Height = 21
          Text = ''
          TabOrder = 3
        end
        object Label8: TLabel
          Left = 8
          Top = 72
          Width = 76
          Height = 13
          Caption = '个人金额  '
        end
        object Edit13: TEdit
          Left = 86
          Top = 68
          Width = 90
          Height = 21
          Text = ''
          TabOrder = 4
        end
        object Label9: TLabel
          Left = 188
          Top = 72
          Width = 76
          Height = 13
          Caption = '补贴金额  '
        end
        object Edit14: TEdit
          Left = 266
          Top = 68
          Width = 97
          Height = 21
          Text = ''
          TabOrder = 5
        end
        object Label10: TLabel
          Left = 8
          Top = 98
          Width = 76
          Height = 13
          Caption = '最低余额  '
        end
        object Edit62: TEdit
          Left = 86
          Top = 94
          Width = 90
          Height = 21
          Text = ''
          TabOrder = 6
        end
        object Label11: TLabel
          Left = 188
          Top = 98
          Width = 76
          Height = 13
          Caption = '每日限额  '
        end
        object Edit64: TEdit
          Left = 266
          Top = 94
          Width = 97
          Height = 21
          Text = ''
          TabOrder = 7
        end
        object Label12: TLabel
          Left = 8
          Top = 124
          Width = 76
          Height = 13
          Caption = '有效日期   '
        end
        object DateTimePicker1: TDateTimePicker
          Left = 86
          Top = 120
          Width = 90
          Height = 21
          TabOrder = 8
        end
        object Label13: TLabel
          Left = 8
          Top = 150
          Width = 76
          Height = 13
          Caption = '一时段限次  '
        end
        object Edit20: TEdit
          Left = 86
          Top = 146
          Width = 90
          Height = 21
          Text = ''
          TabOrder = 9
        end
        object Label14: TLabel
          Left = 188
          Top = 150
          Width = 76
          Height = 13
          Caption = '二时段限次  '
        end
        object Edit21: TEdit
          Left = 266
          Top = 146
          Width = 97
          Height = 21
          Text = ''
          TabOrder = 10
        end
        object Label15: TLabel
          Left = 8
          Top = 176
          Width = 76
          Height = 13
          Caption = '三时段限次  '
        end
        object Edit22: TEdit
          Left = 86
          Top = 172
          Width = 90
          Height = 21
          Text = ''
          TabOrder = 11
        end
        object Label16: TLabel
          Left = 188
          Top = 176
          Width = 76
          Height = 13
          Caption = '四时段限次  '
        end
        object Edit23: TEdit
          Left = 266
          Top = 172
          Width = 97
          Height = 21
          Text = ''
          TabOrder = 12
        end
        object Button8: TButton
          Left = 8
          Top = 200
          Width = 168
          Height = 25
          Caption = '读卡 '
          TabOrder = 13
          OnClick = Button8Click
        end
        object Button27: TButton
          Left = 188
          Top = 200
          Width = 175
          Height = 25
          Caption = '读余额'
          TabOrder = 14
          OnClick = Button27Click
        end
        object Label17: TLabel
          Left = 8
          Top = 238
          Width = 33
          Height = 13
          Caption = '块号：'
        end
        object ComboBox2: TComboBox
          Left = 44
          Top = 234
          Width = 50
          Height = 21
          ItemHeight = 13
          Style = csDropDown
          Text = '00'
          Items.Strings = (
            '00'
            '01'
            '02'
            '03'
            '04'
            '05'
            '06'
            '07'
            '08'
            '09'
            '10'
            '11'
            '12'
            '13'
            '14'
            '15'
            '16'
            '17'
            '18'
            '19'
            '20'
            '21')
          TabOrder = 15
        end
        object Edit2: TEdit
          Left = 98
          Top = 234
          Width = 201
          Height = 21
          Text = ''
          TabOrder = 16
        end
        object Button3: TButton
          Left = 307
          Top = 232
          Width = 56
          Height = 25
          Caption = '读卡'
          TabOrder = 17
          OnClick = Button3Click
        end
        object Edit3: TEdit
          Left = 8
          Top = 264
          Width = 291
          Height = 21
          MaxLength = 32
          Text = '00000000000000000000000000000000'
          TabOrder = 18
        end
        object Button4: TButton
          Left = 307
          Top = 262
          Width = 56
          Height = 25
          Caption = '写卡'
          TabOrder = 19
          OnClick = Button4Click
        end
      end
      object GroupBox4: TGroupBox
        Left = 4
        Top = 4
        Width = 371
        Height = 500
        Caption = '写卡'
        Visible = False
        TabOrder = 2
        object Button9: TButton
          Left = 8
          Top = 16
          Width = 76
          Height = 25
          Caption = '写卡号'
          TabOrder = 0
          OnClick = Button9Click
        end
        object Edit16: TEdit
          Left = 86
          Top = 18
          Width = 90
          Height = 21
          MaxLength = 6
          Text = '1'
          TabOrder = 1
        end
        object Button10: TButton
          Left = 188
          Top = 16
          Width = 76
          Height = 25
          Caption = '个人加款'
          TabOrder = 2
          OnClick = Button10Click
        end
        object Edit17: TEdit
          Left = 266
          Top = 18
          Width = 97
          Height = 21
          Text = '0'
          TabOrder = 3
        end
        object Button69: TButton
          Left = 8
          Top = 44
          Width = 76
          Height = 25
          Caption = '个人减款'
          TabOrder = 4
          OnClick = Button69Click
        end
        object Edit103: TEdit
          Left = 86
          Top = 46
          Width = 90
          Height = 21
          Text = '0'
          TabOrder = 5
        end
        object Button17: TButton
          Left = 188
          Top = 44
          Width = 76
          Height = 25
          Caption = '补贴加款'
          TabOrder = 6
          OnClick = Button17Click
        end
        object Edit19: TEdit
          Left = 266
          Top = 46
          Width = 97
          Height = 21
          Text = '0'
          TabOrder = 7
        end
        object Button89: TButton
          Left = 8
          Top = 72
          Width = 76
          Height = 25
          Caption = '补贴减款'
          Visible = False
          TabOrder = 8
          OnClick = Button89Click
        end
        object Edit104: TEdit
          Left = 86
          Top = 74
          Width = 90
          Height = 21
          Text = '0'
          TabOrder = 9
        end
        object Button13: TButton
          Left = 188
          Top = 72
          Width = 175
          Height = 25
          Caption = '个人余额清零   '
          TabOrder = 10
          OnClick = Button13Click
        end
        object Button14: TButton
          Left = 8
          Top = 100
          Width = 168
          Height = 25
          Caption = '补贴余额清零   '
          TabOrder = 11
          OnClick = Button14Click
        end
        object Button18: TButton
          Left = 188
          Top = 100
          Width = 175
          Height = 25
          Caption = '写全部信息  '
          TabOrder = 12
          OnClick = xxx
        end
        object Label53: TLabel
          Left = 8
          Top = 134
          Width = 76
          Height = 13
          Caption = '姓名  '
        end
        object Edit18: TEdit
          Left = 86
          Top = 130
          Width = 90
          Height = 21
          Text = '张三'
          TabOrder = 13
        end
        object Label54: TLabel
          Left = 188
          Top = 134
          Width = 76
          Height = 13
          Caption = '有效日期'
        end
        object DateTimePicker2: TDateTimePicker
          Left = 266
          Top = 130
          Width = 97
          Height = 21
          TabOrder = 14
        end
        object Label55: TLabel
          Left = 8
          Top = 160
          Width = 76
          Height = 13
          Caption = '卡片类型'
        end
        object ComboBox8: TComboBox
          Left = 86
          Top = 156
          Width = 90
          Height = 21
          ItemHeight = 13
          Style = csDropDown
          Text = 'A'
          Items.Strings = (
            'A'
            'B'
            'C'
            'D'
            'E'
            'F'
            'G'
            'H'
            'I'
            'J')
          TabOrder = 15
        end
        object Label56: TLabel
          Left = 188
          Top = 160
          Width = 76
          Height = 13
          Caption = '密      码'
        end
        object Edit72: TEdit
          Left = 266
          Top = 156
          Width = 97
          Height = 21
          Text = '802715'
          TabOrder = 16
        end
        object Label57: TLabel
          Left = 8
          Top = 186
          Width = 76
          Height = 13
          Caption = '每日限额  '
        end
        object Edit63: TEdit
          Left = 86
          Top = 182
          Width = 90
          Height = 21
          Text = '9999999.99'
          TabOrder = 17
        end
        object Label58: TLabel
          Left = 188
          Top = 186
          Width = 76
          Height = 13
          Caption = '卡内最低余额  '
        end
        object Edit65: TEdit
          Left = 266
          Top = 182
          Width = 97
          Height = 21
          Text = '0'
          TabOrder = 18
        end
        object Label59: TLabel
          Left = 8
          Top = 212
          Width = 76
          Height = 13
          Caption = '一时段限次  '
        end
        object Edit24: TEdit
          Left = 86
          Top = 208
          Width = 90
          Height = 21
          Text = '255'
          TabOrder = 19
          OnKeyPress = Edit24KeyPress
        end
        object Label60: TLabel
          Left = 188
          Top = 212
          Width = 76
          Height = 13
          Caption = '二时段限次  '
        end
        object Edit25: TEdit
          Left = 266
          Top = 208
          Width = 97
          Height = 21
          Text = '255'
          TabOrder = 20
          OnKeyPress = Edit25KeyPress
        end
        object Label61: TLabel
          Left = 8
          Top = 238
          Width = 76
          Height = 13
          Caption = '三时段限次  '
        end
        object Edit26: TEdit
          Left = 86
          Top = 234
          Width = 90
          Height = 21
          Text = '255'
          TabOrder = 21
          OnKeyPress = Edit26KeyPress
        end
        object Label62: TLabel
          Left = 188
          Top = 238
          Width = 76
          Height = 13
          Caption = '四时段限次  '
        end
        object Edit27: TEdit
          Left = 266
          Top = 234
          Width = 97
          Height = 21
          Text = '255'
          TabOrder = 22
          OnKeyPress = Edit27KeyPress
        end
        object Button6: TButton
          Left = 8
          Top = 262
          Width = 168
          Height = 25
          Caption = '读已消费限额限次     '
          TabOrder = 23
          OnClick = Button6Click
        end
        object Label66: TLabel
          Left = 8
          Top = 296
          Width = 76
          Height = 13
          Caption = '一时段限次  '
        end
        object Edit9: TEdit
          Left = 86
          Top = 292
          Width = 90
          Height = 21
          Text = ''
          TabOrder = 24
          OnKeyPress = Edit24KeyPress
        end
        object Label70: TLabel
          Left = 188
          Top = 296
          Width = 76
          Height = 13
          Caption = '一时段日期'
        end
        object Edit80: TEdit
          Left = 266
          Top = 292
          Width = 97
          Height = 21
          Text = ''
          TabOrder = 25
        end
        object Label67: TLabel
          Left = 8
          Top = 322
          Width = 76
          Height = 13
          Caption = '二时段限次  '
        end
        object Edit10: TEdit
          Left = 86
          Top = 318
          Width = 90
          Height = 21
          Text = ''
          TabOrder = 26
          OnKeyPress = Edit25KeyPress
        end
        object Label71: TLabel
          Left = 188
          Top = 322
          Width = 76
          Height = 13
          Caption = '二时段日期'
        end
        object Edit81: TEdit
          Left = 266
          Top = 318
          Width = 97
          Height = 21
          Text = ''
          TabOrder = 27
        end
        object Label68: TLabel
          Left = 8
          Top = 348
          Width = 76
          Height = 13
          Caption = '三时段限次  '
        end
        object Edit77: TEdit
          Left = 86
          Top = 344
          Width = 90
          Height = 21
          Text = ''
          TabOrder = 28
          OnKeyPress = Edit26KeyPress
        end
        object Label72: TLabel
          Left = 188
          Top = 348
          Width = 76
          Height = 13
          Caption = '三时段日期'
        end
        object Edit82: TEdit
          Left = 266
          Top = 344
          Width = 97
          Height = 21
          Text = ''
          TabOrder = 29
        end
        object Label69: TLabel
          Left = 8
          Top = 374
          Width = 76
          Height = 13
          Caption = '四时段限次  '
        end
        object Edit78: TEdit
          Left = 86
          Top = 370
          Width = 90
          Height = 21
          Text = ''
          TabOrder = 30
          OnKeyPress = Edit27KeyPress
        end
        object Label73: TLabel
          Left = 188
          Top = 374
          Width = 76
          Height = 13
          Caption = '四时段日期'
        end
        object Edit83: TEdit
          Left = 266
          Top = 370
          Width = 97
          Height = 21
          Text = ''
          TabOrder = 31
        end
        object Label74: TLabel
          Left = 8
          Top = 400
          Width = 76
          Height = 13
          Caption = '每日限额     '
        end
        object Edit79: TEdit
          Left = 86
          Top = 396
          Width = 90
          Height = 21
          Text = ''
          TabOrder = 32
        end
        object Edit84: TEdit
          Left = 266
          Top = 396
          Width = 97
          Height = 21
          Text = ''
          TabOrder = 33
        end
        object GroupBox23: TGroupBox
          Left = 8
          Top = 426
          Width = 355
          Height = 62
          Caption = '水控'
          Visible = False
          TabOrder = 34
          object Label75: TLabel
            Left = 8
            Top = 16
            Width = 80
            Height = 13
            Caption = '次数'
          end
          object Edit107: TEdit
            Left = 8
            Top = 31
            Width = 80
            Height = 21
            Text = ''
            TabOrder = 0
          end
          object Label76: TLabel
            Left = 96
            Top = 16
            Width = 80
            Height = 13
            Caption = '增减次数'
          end
          object Edit108: TEdit
            Left = 96
            Top = 31
            Width = 80
            Height = 21
            Text = '0'
            TabOrder = 1
          end
          object Button70: TButton
            Left = 184
            Top = 29
            Width = 85
            Height = 25
            Caption = '读水控次数'
            TabOrder = 2
            OnClick = Button70Click
          end
          object Button71: TButton
            Left = 277
            Top = 29
            Width = 70
            Height = 25
            Caption = '提交'
            TabOrder = 3
            OnClick = Button71Click
          end
        end
      end
    end
    object TabSheet2: TTabSheet
      Caption = 'IC消费机程序1'
      object sb1: TStatusBar
        Left = 0
        Top = 579
        Width = 379
        Height = 20
        Align = alBottom
        Panels = <
          item
            Text = '  状态:'
            Width = 50
          end
          item
            Width = 50
          end>
      end
      object GroupBox7: TGroupBox
        Left = 4
        Top = 4
        Width = 371
        Height = 256
        Caption = '常用操作'
        TabOrder = 0
        object Label30: TLabel
          Left = 8
          Top = 20
          Width = 76
          Height = 13
          Caption = '串口：  '
        end
        object Edit30: TEdit
          Left = 86
          Top = 16
          Width = 90
          Height = 21
          Text = '4'
          TabOrder = 0
        end
        object Label31: TLabel
          Left = 188
          Top = 20
          Width = 76
          Height = 13
          Caption = '机号：'
        end
        object Edit31: TEdit
          Left = 266
          Top = 16
          Width = 97
          Height = 21
          Text = '1'
          TabOrder = 1
        end
        object Label32: TLabel
          Left = 8
          Top = 46
          Width = 76
          Height = 13
          Caption = '老机号：'
        end
        object Edit36: TEdit
          Left = 86
          Top = 42
          Width = 90
          Height = 21
          Text = '1'
          TabOrder = 2
        end
        object Label33: TLabel
          Left = 188
          Top = 46
          Width = 76
          Height = 13
          Caption = '波特率：  '
        end
        object ComboBox3: TComboBox
          Left = 266
          Top = 42
          Width = 97
          Height = 21
          ItemHeight = 13
          Style = csDropDown
          Text = '19200'
          Items.Strings = (
            '9600'
            '19200'
            '38400'
            '57600'
            '115200')
          TabOrder = 3
        end
        object ListBox1: TListBox
          Left = 8
          Top = 68
          Width = 355
          Height = 95
          ItemHeight = 13
          TabOrder = 4
        end
        object Button24: TButton
          Left = 8
          Top = 169
          Width = 86
          Height = 25
          Caption = '设置机号'
          TabOrder = 5
          OnClick = Button24Click
        end
        object Button47: TButton
          Left = 97
          Top = 169
          Width = 86
          Height = 25
          Caption = '设备信息'
          TabOrder = 6
          OnClick = Button47Click
        end
        object Button25: TButton
          Left = 186
          Top = 169
          Width = 86
          Height = 25
          Caption = '获取时间'
          TabOrder = 7
          OnClick = Button25Click
        end
        object Button26: TButton
          Left = 275
          Top = 169
          Width = 86
          Height = 25
          Caption = '检正时间'
          TabOrder = 8
          OnClick = Button26Click
        end
        object Button43: TButton
          Left = 8
          Top = 196
          Width = 86
          Height = 25
          Caption = '最大存储数 '
          TabOrder = 9
          OnClick = Button43Click
        end
        object Button41: TButton
          Left = 97
          Top = 196
          Width = 86
          Height = 25
          Caption = '实时监控'
          TabOrder = 10
          OnClick = Button41Click
        end
        object Button29: TButton
          Left = 186
          Top = 196
          Width = 86
          Height = 25
          Caption = '获取总数'
          TabOrder = 11
          OnClick = Button29Click
        end
        object Button42: TButton
          Left = 275
          Top = 196
          Width = 86
          Height = 25
          Caption = '获取总额'
          TabOrder = 12
          OnClick = Button42Click
        end
        object Button28: TButton
          Left = 8
          Top = 223
          Width = 86
          Height = 25
          Caption = '清除全部数据'
          TabOrder = 13
          OnClick = Button28Click
        end
        object Button88: TButton
          Left = 97
          Top = 223
          Width = 86
          Height = 25
          Caption = '下载预览数据'
          TabOrder = 14
          OnClick = Button88Click
        end
        object Button16: TButton
          Left = 186
          Top = 223
          Width = 86
          Height = 25
          Caption = '恢复记录'
          Visible = False
          TabOrder = 15
          OnClick = Button16Click
        end
        object Edit105: TEdit
          Left = 275
          Top = 225
          Width = 86
          Height = 21
          Text = '10'
          Visible = False
          TabOrder = 16
        end
      end
      object GroupBox8: TGroupBox
        Left = 4
        Top = 264
        Width = 371
        Height = 77
        Caption = '挂失'
        TabOrder = 1
        object Label26: TLabel
          Left = 8
          Top = 22
          Width = 57
          Height = 13
          Caption = '挂失卡设置'
        end
        object Edit32: TEdit
          Left = 70
          Top = 18
          Width = 64
          Height = 21
          Text = '000000'
          TabOrder = 0
        end
        object Button30: TButton
          Left = 138
          Top = 16
          Width = 72
          Height = 25
          Caption = '挂失卡号'
          TabOrder = 1
          OnClick = Button30Click
        end
        object Edit33: TEdit
          Left = 218
          Top = 18
          Width = 64
          Height = 21
          Text = '000000'
          TabOrder = 2
        end
        object Button31: TButton
          Left = 286
          Top = 16
          Width = 72
          Height = 25
          Caption = '解挂卡号'
          TabOrder = 3
          OnClick = Button31Click
        end
        object Button45: TButton
          Left = 8
          Top = 44
          Width = 110
          Height = 25
          Caption = '清除全部挂失卡 '
          TabOrder = 4
          OnClick = Button45Click
        end
        object Label45: TLabel
          Left = 126
          Top = 50
          Width = 100
          Height = 13
          Caption = '此过程需等待半分钟'
        end
      end
      object GroupBox6: TGroupBox
        Left = 4
        Top = 345
        Width = 371
        Height = 77
        Caption = '高级设置'
        TabOrder = 2
        object Label22: TLabel
          Left = 8
          Top = 22
          Width = 100
          Height = 13
          Caption = '设置管理卡号   '
        end
        object Edit28: TEdit
          Left = 110
          Top = 18
          Width = 120
          Height = 21
          Text = '1'
          TabOrder = 0
        end
        object Button21: TButton
          Left = 238
          Top = 16
          Width = 125
          Height = 25
          Caption = '设置管理卡'
          TabOrder = 1
          OnClick = Button21Click
        end
        object Label42: TLabel
          Left = 8
          Top = 50
          Width = 100
          Height = 13
          Caption = '   最大255（分钟） '
        end
        object Edit54: TEdit
          Left = 110
          Top = 46
          Width = 120
          Height = 21
          Text = '0'
          TabOrder = 2
        end
        object Button22: TButton
          Left = 238
          Top = 44
          Width = 125
          Height = 25
          Caption = '设置刷卡间隔时间'
          TabOrder = 3
          OnClick = Button22Click
        end
      end
      object GroupBox9: TGroupBox
        Left = 4
        Top = 426
        Width = 371
        Height = 75
        Caption = '菜单设置'
        TabOrder = 3
        object Label27: TLabel
          Left = 8
          Top = 20
          Width = 68
          Height = 13
          Caption = '输入菜单号：'
        end
        object Edit34: TEdit
          Left = 78
          Top = 16
          Width = 40
          Height = 21
          MaxLength = 2
          Text = '1'
          TabOrder = 0
        end
        object Label28: TLabel
          Left = 130
          Top = 20
          Width = 68
          Height = 13
          Caption = '输入金额数：'
        end
        object Edit35: TEdit
          Left = 200
          Top = 16
          Width = 50
          Height = 21
          MaxLength = 4
          Text = '100'
          TabOrder = 1
        end
        object Label29: TLabel
          Left = 8
          Top = 48
          Width = 68
          Height = 13
          Caption = '输入菜名：'
        end
        object Edit37: TEdit
          Left = 78
          Top = 44
          Width = 172
          Height = 21
          Text = '家常凉菜'
          TabOrder = 2
        end
        object Button32: TButton
          Left = 258
          Top = 42
          Width = 105
          Height = 25
          Caption = '设置菜单'
          TabOrder = 3
          OnClick = Button32Click
        end
      end
      object GroupBox12: TGroupBox
        Left = 4
        Top = 505
        Width = 371
        Height = 49
        Caption = '设置每次最高消费额'
        TabOrder = 4
        object Label41: TLabel
          Left = 8
          Top = 22
          Width = 100
          Height = 13
          Caption = '  金额：  '
        end
        object Edit55: TEdit
          Left = 110
          Top = 18
          Width = 120
          Height = 21
          Text = '99999'
          TabOrder = 0
        end
        object Button44: TButton
          Left = 238
          Top = 16
          Width = 125
          Height = 25
          Caption = '设置'
          TabOrder = 1
          OnClick = Button44Click
        end
      end
      object Label126: TLabel
        Left = 8
        Top = 384
        Width = 56
        Height = 13
        Caption = '卡号：'
        Visible = False
      end
      object Edit111: TEdit
        Left = 66
        Top = 380
        Width = 100
        Height = 21
        Text = '2'
        Visible = False
        TabOrder = 5
      end
      object Label127: TLabel
        Left = 188
        Top = 384
        Width = 56
        Height = 13
        Caption = '金额：'
        Visible = False
      end
      object Edit112: TEdit
        Left = 246
        Top = 380
        Width = 100
        Height = 21
        Text = '100'
        Visible = False
        TabOrder = 6
      end
      object Label128: TLabel
        Left = 8
        Top = 410
        Width = 56
        Height = 13
        Caption = '组别：'
        Visible = False
      end
      object Edit113: TEdit
        Left = 66
        Top = 406
        Width = 100
        Height = 21
        Text = '1'
        Visible = False
        TabOrder = 7
      end
      object Label129: TLabel
        Left = 188
        Top = 410
        Width = 56
        Height = 13
        Caption = '编号：'
        Visible = False
      end
      object Edit114: TEdit
        Left = 246
        Top = 406
        Width = 100
        Height = 21
        Text = '1'
        Visible = False
        TabOrder = 8
      end
      object Label131: TLabel
        Left = 8
        Top = 436
        Width = 56
        Height = 13
        Caption = '结束卡号：'
        Visible = False
      end
      object Edit115: TEdit
        Left = 66
        Top = 432
        Width = 100
        Height = 21
        Text = '21'
        Visible = False
        TabOrder = 9
      end
      object Button94: TButton
        Left = 8
        Top = 458
        Width = 86
        Height = 25
        Caption = '下传单个'
        Visible = False
        TabOrder = 10
        OnClick = Button94Click
      end
      object Button97: TButton
        Left = 97
        Top = 458
        Width = 86
        Height = 25
        Caption = '批量下传'
        Visible = False
        TabOrder = 11
        OnClick = Button97Click
      end
      object Button95: TButton
        Left = 186
        Top = 458
        Width = 86
        Height = 25
        Caption = '清除单张'
        Visible = False
        TabOrder = 12
        OnClick = Button95Click
      end
      object Button96: TButton
        Left = 8
        Top = 486
        Width = 86
        Height = 25
        Caption = '清除所有'
        Visible = False
        TabOrder = 13
        OnClick = Button96Click
      end
      object Label130: TLabel
        Left = 100
        Top = 492
        Width = 200
        Height = 13
        Caption = '清除所有时间大于是1分半请耐心等待'
        Font.Color = clRed
        Font.Height = -11
        Font.Name = 'MS Sans Serif'
        Font.Style = []
        ParentFont = False
        Visible = False
      end
    end
    object TabSheet3: TTabSheet
      Caption = 'IC消费机程序2'
      object StatusBar1: TStatusBar
        Left = 0
        Top = 579
        Width = 379
        Height = 20
        Align = alBottom
        Panels = <
          item
            Text = '  状态:'
            Width = 50
          end
          item
            Width = 50
          end>
      end
      object GroupBox2: TGroupBox
        Left = 4
        Top = 4
        Width = 371
        Height = 49
        Caption = '设置波特率'
        TabOrder = 0
        object Label34: TLabel
          Left = 8
          Top = 22
          Width = 52
          Height = 13
          Caption = '旧波特率  '
        end
        object ComboBox5: TComboBox
          Left = 62
          Top = 18
          Width = 70
          Height = 21
          ItemHeight = 13
          Style = csDropDown
          Text = '9600'
          Items.Strings = (
            '9600'
            '19200'
            '38400'
            '57600'
            '115200')
          TabOrder = 0
        end
        object Label35: TLabel
          Left = 142
          Top = 22
          Width = 52
          Height = 13
          Caption = '新波特率  '
        end
        object ComboBox10: TComboBox
          Left = 196
          Top = 18
          Width = 70
          Height = 21
          ItemHeight = 13
          Style = csDropDown
          Text = '19200'
          Items.Strings = (
            '9600'
            '19200'
            '38400'
            '57600'
            '115200')
          TabOrder = 1
        end
        object Button5: TButton
          Left = 274
          Top = 16
          Width = 89
          Height = 25
          Caption = '设置波特率'
          TabOrder = 2
          OnClick = Button5Click
        end
      end
      object GroupBox17: TGroupBox
        Left = 4
        Top = 59
        Width = 371
        Height = 77
        Caption = '机号限卡设置'
        TabOrder = 1
        object Label104: TLabel
          Left = 8
          Top = 22
          Width = 57
          Height = 13
          Caption = '     '
        end
        object Edit101: TEdit
          Left = 70
          Top = 18
          Width = 64
          Height = 21
          Text = '000000'
          TabOrder = 0
        end
        object Button55: TButton
          Left = 138
          Top = 16
          Width = 72
          Height = 25
          Caption = '禁止卡号'
          TabOrder = 1
          OnClick = Button55Click
        end
        object Edit102: TEdit
          Left = 218
          Top = 18
          Width = 64
          Height = 21
          Text = '000000'
          TabOrder = 2
        end
        object Button60: TButton
          Left = 286
          Top = 16
          Width = 72
          Height = 25
          Caption = '允许卡号'
          TabOrder = 3
          OnClick = Button60Click
        end
        object Button61: TButton
          Left = 8
          Top = 44
          Width = 110
          Height = 25
          Caption = '清除全部卡号'
          TabOrder = 4
          OnClick = Button61Click
        end
      end
      object GroupBox13: TGroupBox
        Left = 4
        Top = 142
        Width = 183
        Height = 49
        Caption = '设置工作模式'
        TabOrder = 2
        object Label47: TLabel
          Left = 8
          Top = 22
          Width = 52
          Height = 13
          Caption = '消费模式  '
        end
        object ComboBox6: TComboBox
          Left = 62
          Top = 18
          Width = 70
          Height = 21
          ItemHeight = 13
          Style = csDropDown
          Text = '固定消费'
          Items.Strings = (
            '固定消费'
            '手动消费'
            '菜单消费'
            '下传消费')
          TabOrder = 0
        end
        object Button46: TButton
          Left = 136
          Top = 16
          Width = 39
          Height = 25
          Caption = '设置'
          TabOrder = 1
          OnClick = Button46Click
        end
      end
      object GroupBox15: TGroupBox
        Left = 192
        Top = 142
        Width = 183
        Height = 49
        Caption = '设置语言种类'
        TabOrder = 3
        object Label63: TLabel
          Left = 8
          Top = 22
          Width = 52
          Height = 13
          Caption = '语言种类   '
        end
        object ComboBox9: TComboBox
          Left = 62
          Top = 18
          Width = 70
          Height = 21
          ItemHeight = 13
          Style = csDropDown
          Text = '简体中文'
          Items.Strings = (
            '简体中文'
            '繁体中文'
            '英文')
          TabOrder = 0
        end
        object Button57: TButton
          Left = 136
          Top = 16
          Width = 39
          Height = 25
          Caption = '设置'
          TabOrder = 1
          OnClick = Button57Click
        end
      end
      object GroupBox14: TGroupBox
        Left = 4
        Top = 197
        Width = 371
        Height = 75
        Caption = '设置卡片类型折扣'
        TabOrder = 4
        object Label50: TLabel
          Left = 8
          Top = 20
          Width = 52
          Height = 13
          Caption = '折扣类型  '
        end
        object ComboBox7: TComboBox
          Left = 62
          Top = 16
          Width = 50
          Height = 21
          ItemHeight = 13
          Style = csDropDown
          Text = 'A'
          Items.Strings = (
            'A'
            'B'
            'C'
            'D'
            'E'
            'F'
            'G'
            'H'
            'I'
            'J')
          TabOrder = 0
        end
        object Label51: TLabel
          Left = 124
          Top = 20
          Width = 52
          Height = 13
          Caption = '折扣比率  '
        end
        object Edit59: TEdit
          Left = 178
          Top = 16
          Width = 60
          Height = 21
          Text = '1000'
          TabOrder = 1
        end
        object Label52: TLabel
          Left = 242
          Top = 20
          Width = 42
          Height = 13
          Caption = '千分比  '
        end
        object Button48: TButton
          Left = 8
          Top = 42
          Width = 100
          Height = 25
          Caption = '单个设置'
          TabOrder = 2
          OnClick = Button48Click
        end
        object Button67: TButton
          Left = 116
          Top = 42
          Width = 100
          Height = 25
          Caption = '设置所有'
          TabOrder = 3
          OnClick = Button67Click
        end
      end
      object GroupBox16: TGroupBox
        Left = 4
        Top = 278
        Width = 371
        Height = 75
        Caption = 'login名称'
        TabOrder = 5
        object Label65: TLabel
          Left = 8
          Top = 20
          Width = 70
          Height = 13
          Caption = 'login名称：  '
        end
        object Edit70: TEdit
          Left = 80
          Top = 16
          Width = 283
          Height = 21
          Text = '    欢迎使用    智能IC卡管理系统'
          TabOrder = 0
        end
        object Button58: TButton
          Left = 8
          Top = 42
          Width = 130
          Height = 25
          Caption = '设置打印/开机标题'
          TabOrder = 1
          OnClick = Button58Click
        end
        object Button91: TButton
          Left = 146
          Top = 42
          Width = 110
          Height = 25
          Caption = '设置待机标题'
          TabOrder = 2
          OnClick = Button91Click
        end
      end
      object GroupBox22: TGroupBox
        Left = 4
        Top = 359
        Width = 183
        Height = 49
        Caption = '设置自由扇区'
        TabOrder = 6
        object ComboBox12: TComboBox
          Left = 8
          Top = 18
          Width = 100
          Height = 21
          ItemHeight = 13
          Style = csDropDown
          Text = '00'
          TabOrder = 0
        end
        object Button66: TButton
          Left = 116
          Top = 16
          Width = 59
          Height = 25
          Caption = '设置'
          TabOrder = 1
          OnClick = Button66Click
        end
      end
      object GroupBox25: TGroupBox
        Left = 192
        Top = 359
        Width = 183
        Height = 49
        Caption = '密码功能使用'
        TabOrder = 7
        object ComboBox11: TComboBox
          Left = 8
          Top = 18
          Width = 100
          Height = 21
          ItemHeight = 13
          Style = csDropDown
          Text = '使用'
          Items.Strings = (
            '使用'
            '不使用')
          TabOrder = 0
        end
        object Button64: TButton
          Left = 116
          Top = 16
          Width = 59
          Height = 25
          Caption = '设置'
          TabOrder = 1
          OnClick = Button64Click
        end
      end
      object GroupBox24: TGroupBox
        Left = 4
        Top = 414
        Width = 371
        Height = 49
        Caption = '设置消费机密码'
        TabOrder = 8
        object Label48: TLabel
          Left = 8
          Top = 22
          Width = 46
          Height = 13
          Caption = '旧密码：'
        end
        object Edit57: TEdit
          Left = 56
          Top = 18
          Width = 100
          Height = 21
          MaxLength = 12
          PasswordChar = '*'
          Text = ''
          TabOrder = 0
        end
        object Label49: TLabel
          Left = 164
          Top = 22
          Width = 46
          Height = 13
          Caption = '新密码：'
        end
        object Edit58: TEdit
          Left = 212
          Top = 18
          Width = 90
          Height = 21
          MaxLength = 12
          PasswordChar = '*'
          Text = ''
          TabOrder = 1
        end
        object Button68: TButton
          Left = 310
          Top = 16
          Width = 53
          Height = 25
          Caption = '设置'
          TabOrder = 2
          OnClick = Button68Click
        end
      end
      object Button98: TButton
        Left = 4
        Top = 469
        Width = 140
        Height = 25
        Caption = '提交九种卡类金额'
        Visible = False
        TabOrder = 9
        OnClick = Button98Click
      end
    end
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 200
    OnTimer = Timer1Timer
  end
  object SkinData1: TSkinData
    Active = True
    DisableTag = 99
    SkinControls = [xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton, xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox, xcStatusBar, xcTab, xcTrackBar, xcSystemMenu]
    Options = [xoPreview, xoToolbarBK]
    Skin3rd.Strings = (
      'TCategoryButtons=scrollbar'
      'TVirtualStringTree=scrollbar'
      'TVirtualDrawTree=scrollbar'
      'TAdvPanelGroup=scrollbar'
      'THTMLViewer=scrollbar'
      'TDBCtrlGrid=scrollbar'
      'TImageEnMView=scrollbar'
      'TImageEnView=scrollbar'
      'TAdvMemo=scrollbar'
      'TDBAdvMemo=scrollbar'
      'TPngBitBtn=pngbitbtn'
      'TTBXDockablePanel=Panel'
      'TControlBar=Panel'
      'TTBDock=Panel'
      'TTBToolbar=Panel'
      'TRzGroup=panel'
      'TLMDCalculator=panel'
      'TLMDTrackbar=panel'
      'TLMDGROUPBOX=Panel'
      'TLMDSIMPLEPANEL=Panel'
      'TLMDDBCalendar=Panel'
      'TLMDButtonPanel=Panel'
      'TLMDLMDCalculator=Panel'
      'TLMDHeaderPanel=Panel'
      'TLMDTechnicalLine=Panel'
      'TLMDLMDClock=Panel'
      'TComboboxex=combobox'
      'TcxDBLookupComboBox=combobox'
      'TcxDBComboBox=combobox'
      'TcxDBDateEdit=combobox'
      'TcxDBImageComboBox=combobox'
      'TcxDBCalcEdit=combobox'
      'TcxDBBlobEdit=combobox'
      'TcxDBPopupEdit=combobox'
      'TcxDBFontNameComboBox=combobox'
      'TcxDBShellComboBox=combobox'
      'TRxLookupEdit=combobox'
      'TRxDBLookupCombo=combobox'
      'TRzDateTimeEdit=combobox'
      'TRzColorEdit=combobox'
      'TRzDateTimePicker=combobox'
      'TRzDBDateTimeEdit=combobox'
      'TRzDbColorEdit=combobox'
      'TRzDBDateTimePicker=combobox'
      'TLMDListCombobox=combobox'
      'TLMDCheckListCombobox=combobox'
      'TLMDHeaderListCombobox=combobox'
      'TLMDImageCombobox=combobox'
      'TLMDColorCombobox=combobox'
      'TLMDFontCombobox=combobox'
      'TLMDFontSizeCombobox=combobox'
      'TLMDFontSizeCombobox=combobox'
      'TLMDPrinterCombobox=combobox'
      'TLMDDriveCombobox=combobox'
      'TLMDCalculatorComboBox=combobox'
      'TLMDTrackBarComboBox=combobox'
      'TLMDCalendarComboBox=combobox'
      'TLMDTreeComboBox=combobox'
      'TWWTempKeyCombo=combobox'
      'TDBLookupCombobox=Combobox'
      'TWWDBCombobox=Combobox'
      'TWWDBCombobox=Combobox'
      'TWWDBLookupCombo=Combobox'
      'TWWKeyCombo=Combobox'
      'TWWDBDateTimePicker=Combobox'
      'TRxSpeedButton=speedbutton'
      'TfrSpeedButton=speedbutton'
      'TfrTBButton=speedbutton'
      'TRzButton=button'
      'TRzBitbtn=bitbtn'
      'TLMDButton=bitbtn'
      'TcxButton=bitbtn'
      'TRzMenuButton=menubtn'
      'TRzCheckGroup=CheckGroup'
      'TLMDCheckGroup=CheckGroup'
      'TLMDDBCheckGroup=CheckGroup'
      'TRzRadioGroup=Radiogroup'
      'TRzDBRadioGroup=Radiogroup'
      'TLMDRADIOGROUP=radiogroup'
      'TLMDDBRADIOGROUP=radiogroup'
      'TWWRADIOGROUP=radiogroup'
      'TcxDBRadioGroup=radiogroup'
      'TcxRadioGroup=radiogroup'
      'TRzDBRadioButton=Radiobutton'
      'TLMDRadiobutton=Radiobutton'
      'TRzButtonEdit=Edit'
      'TLMDEDIT=Edit'
      'TLMDMASKEDIT=Edit'
      'TLMDBROWSEEDIT=Edit'
      'TLMDEXTSPINEDIT=Edit'
      'TLMDCALENDAREDIT=Edit'
      'TLMDFILEOPENEDIT=Edit'
      'TLMDFILESAVEEDIT=Edit'
      'TLMDCOLOREDIT=Edit'
      'TLMDDBEDIT=Edit'
      'TLMDDBMASKEDIT=Edit'
      'TLMDDBEXTSPINEDIT=Edit'
      'TLMDDBSPINEDIT=Edit'
      'TLMDDBEDITDBLookup=Edit'
      'TLMDEDITDBLookup=Edit'
      'TWWDBEDIT=Edit'
      'TOVCPICTUREFIELD=Edit'
      'TOVCDBPICTUREFIELD=Edit'
      'TOVCSLIDEREDIT=Edit'
      'TOVCDBSLIDEREDIT=Edit'
      'TOVCSIMPLEFIELD=Edit'
      'TOVCDBSIMPLEFIELD=Edit'
      'TO32DBFLEXEDIT=Edit'
      'TOVCNUMERICFIELD=Edit'
      'TOVCDBNUMERICFIELD=Edit'
      'TLMDCalculatorEdit=edit'
      'TLMDGroupBox=Groupbox'
      'TcxGroupbox=groupbox'
      'TDBCheckboxEh=Checkbox'
      'TDBCheckboxEh=Checkbox'
      'TLMDCHECKBOX=Checkbox'
      'TLMDDBCHECKBOX=Checkbox')
    SkinStore = '(Good)'
    SkinFormtype = sfMainform
    Version = '4.11.07.25'
    MenuUpdate = True
    MenuMerge = False
    SkinStream = {}
  end
  object SkinStore1: TSkinStore
    Store = <>
  end
end
