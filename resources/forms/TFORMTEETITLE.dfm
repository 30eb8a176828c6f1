object FormTeeTitle: TFormTeeTitle
  Left = 0
  Top = 0
  Align = alClient
  ActiveControl = CBTitles
  BorderIcons = []
  BorderStyle = bsNone
  ClientHeight = 240
  ClientWidth = 440
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 440
    Height = 32
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object CBTitles: TComboFlat
      Left = 8
      Top = 6
      Width = 120
      Height = 21
      Style = csDropDownList
      Items.Strings = (
        'Title'
        'SubTitle'
        'SubFoot'
        'Foot')
      TabOrder = 0
      OnChange = CBTitlesChange
    end
  end
  object PageControl1: TPageControl
    Left = 0
    Top = 32
    Width = 440
    Height = 208
    Align = alClient
    TabOrder = 1
    OnChange = PageControl1Change
    object TabStyle: TTabSheet
      Caption = 'Style'
      object CBVisible: TCheckBox
        Left = 8
        Top = 8
        Width = 100
        Height = 17
        Caption = '&Visible'
        TabOrder = 0
        OnClick = CBVisibleClick
      end
      object CBAdjust: TCheckBox
        Left = 8
        Top = 30
        Width = 110
        Height = 17
        Caption = '&Adjust Frame'
        TabOrder = 1
        OnClick = CBAdjustClick
      end
      object LAlign: TLabel
        Left = 8
        Top = 58
        Width = 60
        Height = 13
        Caption = 'Alig&nment:'
        FocusControl = CBAlign
      end
      object CBAlign: TComboFlat
        Left = 8
        Top = 74
        Width = 100
        Height = 21
        Style = csDropDownList
        Items.Strings = (
          'Left'
          'Center'
          'Right')
        TabOrder = 2
        OnChange = CBAlignChange
      end
      object LText: TLabel
        Left = 130
        Top = 8
        Width = 40
        Height = 13
        Caption = '&Text:'
        FocusControl = MText
      end
      object MText: TMemo
        Left = 130
        Top = 24
        Width = 210
        Height = 110
        ScrollBars = ssBoth
        TabOrder = 3
        WantTabs = True
        WordWrap = False
        OnChange = MTextChange
      end
      object Button1: TButton
        Left = 348
        Top = 24
        Width = 75
        Height = 25
        Caption = '&Edit...'
        TabOrder = 4
        OnClick = Button1Click
      end
    end
    object TabPosition: TTabSheet
      Caption = 'Position'
      object CBCustPos: TCheckBox
        Left = 8
        Top = 8
        Width = 90
        Height = 17
        Caption = '&Custom:'
        TabOrder = 0
        OnClick = CBCustPosClick
      end
      object LCustLeft: TLabel
        Left = 24
        Top = 36
        Width = 40
        Height = 13
        Caption = 'L&eft:'
        FocusControl = ECustLeft
      end
      object ECustLeft: TEdit
        Left = 70
        Top = 32
        Width = 44
        Height = 21
        Enabled = False
        Text = '0'
        TabOrder = 1
        OnChange = ECustLeftChange
      end
      object UDCustLeft: TUpDown
        Left = 114
        Top = 32
        Width = 15
        Height = 21
        Associate = ECustLeft
        Enabled = False
        Min = -1000
        Max = 1000
        Position = 0
        Increment = 5
        TabOrder = 2
      end
      object LCustTop: TLabel
        Left = 24
        Top = 62
        Width = 40
        Height = 13
        Caption = 'T&op:'
        FocusControl = ECustTop
      end
      object ECustTop: TEdit
        Left = 70
        Top = 58
        Width = 44
        Height = 21
        Enabled = False
        Text = '0'
        TabOrder = 3
        OnChange = ECustTopChange
      end
      object UDCustTop: TUpDown
        Left = 114
        Top = 58
        Width = 15
        Height = 21
        Associate = ECustTop
        Enabled = False
        Min = -1000
        Max = 1000
        Position = 0
        Increment = 5
        TabOrder = 4
      end
      object LVertMargin: TLabel
        Left = 160
        Top = 12
        Width = 80
        Height = 13
        Caption = '&Vert. Margin:'
        FocusControl = Edit1
      end
      object Edit1: TEdit
        Left = 244
        Top = 8
        Width = 40
        Height = 21
        Text = '0'
        TabOrder = 5
        OnChange = Edit1Change
      end
      object UDVertMargin: TUpDown
        Left = 284
        Top = 8
        Width = 15
        Height = 21
        Associate = Edit1
        Min = -500
        Max = 500
        Position = 0
        TabOrder = 6
      end
    end
  end
end
