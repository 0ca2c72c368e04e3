object GalleryForm: TGalleryForm
  Left = 40
  Top = 20
  ClientWidth = 700
  ClientHeight = 520
  Caption = 'Velmora gallery - 控件一览'
  BorderStyle = bsSizeable
  BorderIcons = [biSystemMenu, biMinimize, biMaximize]
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  object mnuMain: TMainMenu
    object miFile: TMenuItem
      Caption = '&File'
      object miMessage: TMenuItem
        Caption = '&Message box...'
        OnClick = ShowMessageBox
      end
      object miMdi: TMenuItem
        Caption = 'M&DI window...'
        OnClick = ShowMdiWindow
      end
      object miSep1: TMenuItem
        Caption = '-'
      end
      object miExit: TMenuItem
        Caption = 'E&xit'
        OnClick = CloseGallery
      end
    end
    object miView: TMenuItem
      Caption = '&View'
      object miChecked: TMenuItem
        Caption = '&Checked item'
        Checked = True
      end
      object miDisabled: TMenuItem
        Caption = '&Disabled item'
        Enabled = False
      end
      object miMore: TMenuItem
        Caption = '&More'
        object miSub1: TMenuItem
          Caption = 'Sub-item &1'
        end
        object miSub2: TMenuItem
          Caption = 'Sub-item &2'
        end
      end
    end
    object miSkin: TMenuItem
      Caption = '&Skin'
      object miSkinDefault: TMenuItem
        Caption = '&Velmora (built in)'
        OnClick = UseBuiltInSkin
      end
      object miSkinSage: TMenuItem
        Caption = 'Velmora &Sage'
        OnClick = UseSageSkin
      end
      object miSkinOpen: TMenuItem
        Caption = '&Open package...'
        OnClick = OpenSkinPackage
      end
    end
    object miHelp: TMenuItem
      Caption = '&Help'
      object miAbout: TMenuItem
        Caption = '&About the gallery'
        OnClick = ShowMessageBox
      end
    end
  end
  object grpButtons: TGroupBox
    Left = 8
    Top = 8
    Width = 220
    Height = 200
    Caption = 'Buttons'
    TabOrder = 0
    object btnPush: TButton
      Left = 12
      Top = 20
      Width = 92
      Height = 25
      Caption = 'Push button'
      Default = True
      TabOrder = 0
    end
    object btnDisabled: TButton
      Left = 114
      Top = 20
      Width = 92
      Height = 25
      Caption = 'Disabled'
      Enabled = False
      TabOrder = 1
    end
    object btnBit: TBitBtn
      Left = 12
      Top = 52
      Width = 92
      Height = 25
      Caption = 'Bit button'
      TabOrder = 2
    end
    object spdPlain: TSpeedButton
      Left = 114
      Top = 52
      Width = 44
      Height = 25
      Caption = 'Speed'
    end
    object spdDown: TSpeedButton
      Left = 162
      Top = 52
      Width = 44
      Height = 25
      Caption = 'Down'
      Down = True
    end
    object chkOn: TCheckBox
      Left = 12
      Top = 88
      Width = 92
      Height = 17
      Caption = 'Checked'
      Checked = True
      TabOrder = 3
    end
    object chkOff: TCheckBox
      Left = 114
      Top = 88
      Width = 92
      Height = 17
      Caption = '开机运行'
      TabOrder = 4
    end
    object chkDisabled: TCheckBox
      Left = 12
      Top = 112
      Width = 120
      Height = 17
      Caption = 'Disabled check'
      Enabled = False
      TabOrder = 5
    end
    object rdoFirst: TRadioButton
      Left = 12
      Top = 140
      Width = 92
      Height = 17
      Caption = 'Radio one'
      Checked = True
      TabOrder = 6
    end
    object rdoSecond: TRadioButton
      Left = 114
      Top = 140
      Width = 92
      Height = 17
      Caption = 'Radio two'
      TabOrder = 7
    end
    object btnMessage: TButton
      Left = 12
      Top = 166
      Width = 92
      Height = 25
      Caption = 'Message box'
      TabOrder = 8
      OnClick = ShowMessageBox
    end
    object btnMdi: TButton
      Left = 114
      Top = 166
      Width = 92
      Height = 25
      Caption = 'MDI window'
      TabOrder = 9
      OnClick = ShowMdiWindow
    end
  end
  object pnlInfo: TPanel
    Left = 8
    Top = 216
    Width = 220
    Height = 36
    Caption = 'A panel with a raised bevel'
    TabOrder = 1
  end
  object grpEdits: TGroupBox
    Left = 236
    Top = 8
    Width = 220
    Height = 244
    Caption = 'Edits and lists'
    TabOrder = 2
    object edtText: TEdit
      Left = 12
      Top = 20
      Width = 120
      Height = 21
      Text = 'An edit'
      TabOrder = 0
    end
    object medtTime: TMaskEdit
      Left = 140
      Top = 20
      Width = 66
      Height = 21
      EditMask = '!90:00:00;1;_'
      Text = '01:30:00'
      TabOrder = 1
    end
    object memNotes: TMemo
      Left = 12
      Top = 48
      Width = 194
      Height = 70
      ScrollBars = ssBoth
      TabOrder = 2
      Lines.Strings = (
        'A memo with both scroll bars.'
        'Its second line is long enough to need the horizontal scroll bar to be read.'
        'Third'
        'Fourth'
        'Fifth'
        'Sixth')
    end
    object lstItems: TListBox
      Left = 12
      Top = 124
      Width = 90
      Height = 110
      TabOrder = 3
      Items.Strings = (
        'Alpha'
        'Bravo'
        'Charlie'
        'Delta'
        'Echo'
        'Foxtrot'
        'Golf'
        'Hotel'
        'India')
    end
    object cboDropDown: TComboBox
      Left = 110
      Top = 124
      Width = 96
      Style = csDropDown
      ItemIndex = 0
      TabOrder = 4
      Items.Strings = (
        'Drop-down'
        'Second'
        'Third'
        'Fourth'
        'Fifth'
        'Sixth'
        'Seventh'
        'Eighth'
        'Ninth'
        'Tenth'
        'Eleventh'
        'Twelfth'
        'Thirteenth'
        'Fourteenth')
    end
    object cboList: TComboBox
      Left = 110
      Top = 152
      Width = 96
      Style = csDropDownList
      ItemIndex = 1
      TabOrder = 5
      Items.Strings = (
        'First'
        'Drop-down list'
        'Third')
    end
    object cboSimple: TComboBox
      Left = 110
      Top = 180
      Width = 96
      Height = 54
      Style = csSimple
      TabOrder = 6
      Items.Strings = (
        'Simple'
        'Two'
        'Three')
    end
  end
  object grpRanges: TGroupBox
    Left = 464
    Top = 8
    Width = 228
    Height = 244
    Caption = 'Ranges'
    TabOrder = 3
    object edtSpin: TEdit
      Left = 12
      Top = 20
      Width = 60
      Height = 21
      Text = '5'
      TabOrder = 0
    end
    object udSpin: TUpDown
      Left = 72
      Top = 20
      Width = 17
      Height = 21
      Max = 10
      Position = 5
      TabOrder = 1
    end
    object udHorz: TUpDown
      Left = 96
      Top = 20
      Width = 34
      Height = 17
      Orientation = udHorizontal
      TabOrder = 2
    end
    object dtpDate: TDateTimePicker
      Left = 12
      Top = 48
      Width = 120
      Height = 21
      TabOrder = 3
    end
    object dtpTime: TDateTimePicker
      Left = 12
      Top = 76
      Width = 120
      Height = 21
      Kind = dtkTime
      TabOrder = 4
    end
    object prgHorz: TProgressBar
      Left = 12
      Top = 108
      Width = 160
      Height = 16
      Position = 60
    end
    object prgSmooth: TProgressBar
      Left = 12
      Top = 130
      Width = 160
      Height = 16
      Position = 35
      Smooth = True
    end
    object trkHorz: TTrackBar
      Left = 12
      Top = 152
      Width = 160
      Height = 36
      Max = 10
      Position = 3
      TabOrder = 5
    end
    object prgVert: TProgressBar
      Left = 180
      Top = 20
      Width = 16
      Height = 120
      Orientation = pbVertical
      Position = 70
    end
    object trkVert: TTrackBar
      Left = 196
      Top = 20
      Width = 28
      Height = 150
      Orientation = trVertical
      Max = 10
      Position = 6
      TabOrder = 6
    end
    object sbHorz: TScrollBar
      Left = 12
      Top = 200
      Width = 160
      Height = 17
      Max = 100
      PageSize = 20
      LargeChange = 20
      Position = 30
      TabOrder = 7
    end
    object sbVert: TScrollBar
      Left = 178
      Top = 176
      Width = 17
      Height = 60
      Kind = sbVertical
      Max = 10
      Position = 4
      TabOrder = 8
    end
  end
  object pgcPages: TPageControl
    Left = 8
    Top = 260
    Width = 684
    Height = 230
    TabOrder = 4
    object tshList: TTabSheet
      Caption = 'List view'
      object lvFiles: TListView
        Left = 6
        Top = 6
        Width = 660
        Height = 190
        TabOrder = 0
        Columns.Strings = (
          'File=220'
          'Size=90'
          'Outcome=120'
          'When=180')
        Items.Strings = (
          'ORCL_20261208_0130.dmp'#9'1 204 224'#9'ok'#9'2026-12-08 01:30:00'
          'ORCL_20261207_0130.dmp'#9'1 198 016'#9'warnings'#9'2026-12-07 01:30:00'
          'ORCL_20261206_0130.dmp'#9'0'#9'failed'#9'2026-12-06 01:30:00')
      end
    end
    object tshTree: TTabSheet
      Caption = 'Tree view'
      object tvTree: TTreeView
        Left = 6
        Top = 6
        Width = 300
        Height = 190
        TabOrder = 0
        Items.Strings = (
          'Database'
          '  Users'
          '    SCOTT'
          '    HR'
          '  Backups'
          '    Daily'
          '    Manual')
      end
    end
    object tshTabs: TTabSheet
      Caption = 'Tabs'
      object pgcClose: TPageControl
        Tag = 7777
        Left = 6
        Top = 4
        Width = 210
        Height = 94
        TabOrder = 0
        object tshOne: TTabSheet
          Caption = 'Daily'
          object lblOne: TLabel
            Left = 8
            Top = 8
            Width = 180
            Height = 16
            Caption = 'Tabs with close boxes'
          end
        end
        object tshTwo: TTabSheet
          Caption = 'Weekly'
        end
        object tshThree: TTabSheet
          Caption = 'Manual'
        end
      end
      object tabBottom: TTabControl
        Left = 6
        Top = 102
        Width = 210
        Height = 94
        TabOrder = 1
        TabPosition = tpBottom
        Tabs.Strings = (
          'Full'
          'Users'
          'Tables')
        TabIndex = 1
      end
      object tabLeft: TTabControl
        Left = 222
        Top = 4
        Width = 150
        Height = 192
        TabOrder = 2
        TabPosition = tpLeft
        Tabs.Strings = (
          'Source'
          'Target'
          'Log')
      end
      object tabRight: TTabControl
        Left = 378
        Top = 4
        Width = 150
        Height = 192
        TabOrder = 3
        TabPosition = tpRight
        Tabs.Strings = (
          'Monday'
          'Friday')
        TabIndex = 1
      end
      object tabButtons: TTabControl
        Left = 534
        Top = 4
        Width = 136
        Height = 60
        TabOrder = 4
        Style = tsButtons
        Tabs.Strings = (
          'On'
          'Off')
      end
      object tabScroll: TTabControl
        Left = 534
        Top = 70
        Width = 136
        Height = 126
        TabOrder = 5
        Tabs.Strings = (
          'January'
          'February'
          'March'
          'April'
          'May')
      end
    end
  end
  object sbStatus: TStatusBar
    SimplePanel = False
    Panels.Strings = (
      'Ready=200'
      'Skin: Velmora=200'
      'Panel three')
  end
  object skn: TSkinData
    Active = True
    SkinFormtype = sfMainform
@SKIN_STREAM@
  end
end
