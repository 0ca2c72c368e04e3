object Form1: TForm1
  Left = 0
  Top = 0
  Width = 193
  Height = 236
  Caption = '数据备份'
  Position = poScreenCenter
  BorderIcons = [biSystemMenu, biMinimize, biMaximize]
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  OnCreate = FormCreate
  OnClose = FormClose
  object grp1: TGroupBox
    Left = 0
    Top = 0
    Width = 185
    Height = 177
    Caption = 'Velmora'
    Enabled = False
    TabOrder = 0
    object lbl1: TLabel
      Left = 8
      Top = 20
      Caption = '用户名称:'
    end
    object lbl2: TLabel
      Left = 8
      Top = 48
      Caption = '用户密码:'
    end
    object lbl3: TLabel
      Left = 8
      Top = 76
      Caption = '服务名称:'
    end
    object lbl4: TLabel
      Left = 8
      Top = 104
      Caption = '备份时间:'
    end
    object lbl5: TLabel
      Left = 8
      Top = 132
      Caption = '备份路径:'
    end
    object lbl6: TLabel
      Left = 136
      Top = 160
      Caption = '      '
    end
    object edtUSERNAME: TEdit
      Left = 72
      Top = 16
      Width = 105
      Height = 21
      Enabled = False
      TabOrder = 0
    end
    object edtPASSWORD: TEdit
      Left = 72
      Top = 40
      Width = 105
      Height = 21
      Enabled = False
      TabOrder = 1
    end
    object edtDATABASE: TEdit
      Left = 72
      Top = 68
      Width = 105
      Height = 21
      Enabled = False
      TabOrder = 2
    end
    object medt1: TMaskEdit
      Left = 72
      Top = 96
      Width = 105
      Height = 21
      EditMask = '!90:00:00;1;_'
      MaxLength = 8
      Enabled = False
      TabOrder = 3
      Text = '  :  :  '
    end
    object edtPATH: TEdit
      Left = 72
      Top = 124
      Width = 97
      Height = 21
      Enabled = False
      TabOrder = 4
      OnDblClick = edtPATHDblClick
    end
    object btn2: TButton
      Left = 170
      Top = 125
      Width = 10
      Height = 21
      Caption = '.'
      TabOrder = 5
      OnClick = btn2Click
    end
    object chk1: TCheckBox
      Left = 8
      Top = 152
      Width = 81
      Height = 17
      Caption = '开机运行'
      Enabled = False
      TabOrder = 6
    end
  end
  object btn3: TButton
    Left = 3
    Top = 184
    Width = 57
    Height = 25
    Caption = '修改设置'
    Default = True
    TabOrder = 1
    OnClick = btn3Click
  end
  object btn1: TButton
    Left = 64
    Top = 184
    Width = 57
    Height = 25
    Caption = '立即备份'
    TabOrder = 2
    OnClick = btn1Click
  end
  object btn4: TButton
    Left = 125
    Top = 184
    Width = 57
    Height = 25
    Caption = '后台运行'
    TabOrder = 3
    OnClick = btn4Click
  end
  object tmr1: TTimer
    Interval = 1000
    OnTimer = tmr1Timer
  end
  object pm1: TPopupMenu
    object N2: TMenuItem
      Caption = '显示界面'
      OnClick = N2Click
    end
    object N1: TMenuItem
      Caption = '立即备份'
      OnClick = N1Click
    end
    object N3: TMenuItem
      Caption = '关于'
      OnClick = N3Click
    end
    object N4: TMenuItem
      Caption = '退出'
      OnClick = N4Click
    end
  end
  object cltrycn1: TTrayIcon
    Hint = '数据库备份'
    PopupMenu = pm1
    MinimizeToTray = True
    CycleIcons = True
    CycleInterval = 0
@TRAY_ICON_DATA@
  end
  object skndt1: TSkinData
    Active = True
    DisableTag = 99
    SkinControls = [xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton, xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox, xcStatusBar, xcTab, xcTrackBar, xcSystemMenu]
    Options = [xoPreview, xoToolbarBK]
    SkinFormtype = sfMainform
    MenuUpdate = True
    MenuMerge = False
@SKIN_STREAM@
  end
end
