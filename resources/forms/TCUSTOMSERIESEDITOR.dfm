object CustomSeriesEditor: TCustomSeriesEditor
  Left = 0
  Top = 0
  Align = alClient
  BorderStyle = bsNone
  ClientHeight = 230
  ClientWidth = 355
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object LStack: TLabel
    Left = 8
    Top = 112
    Width = 32
    Height = 13
    Caption = 'S&tack:'
    FocusControl = CBStack
  end
  object LNulls: TLabel
    Left = 8
    Top = 140
    Width = 63
    Height = 13
    Caption = 'Treat &nulls:'
    FocusControl = CBNulls
  end
  object LHeight: TLabel
    Left = 188
    Top = 96
    Width = 56
    Height = 13
    Caption = '&Height 3D:'
    FocusControl = EHeight
  end
  object LTransp: TLabel
    Left = 188
    Top = 172
    Width = 70
    Height = 13
    Caption = '&Transparency:'
    FocusControl = TBTransp
  end
  object BLineColor: TButtonColor
    Left = 8
    Top = 8
    Width = 83
    Height = 25
    Caption = '&Color...'
    TabOrder = 0
    OnClick = BLineColorClick
  end
  object BLineBorder: TButtonPen
    Left = 96
    Top = 8
    Width = 83
    Height = 25
    Caption = '&Border...'
    TabOrder = 1
    OnClick = BLineBorderClick
  end
  object CBColorEach: TCheckBox
    Left = 8
    Top = 42
    Width = 121
    Height = 17
    Caption = 'Color &Each'
    TabOrder = 2
    OnClick = CBColorEachClick
  end
  object CheckBox1: TCheckBox
    Left = 8
    Top = 62
    Width = 121
    Height = 17
    Caption = 'Color Each line'
    TabOrder = 3
    OnClick = CheckBox1Click
  end
  object CBClick: TCheckBox
    Left = 8
    Top = 82
    Width = 121
    Height = 17
    Caption = 'Clic&kable'
    TabOrder = 4
    OnClick = CBClickClick
  end
  object CBStack: TComboFlat
    Left = 80
    Top = 108
    Width = 97
    Height = 21
    Style = csDropDownList
    TabOrder = 5
    OnChange = CBStackChange
    Items.Strings = (
      'None'
      'Overlap'
      'Stack'
      'Stack 100%')
  end
  object CBNulls: TComboFlat
    Left = 80
    Top = 136
    Width = 97
    Height = 21
    Style = csDropDownList
    TabOrder = 6
    OnChange = CBNullsChange
    Items.Strings = (
      'Dont Paint'
      'Skip'
      'Ignore')
  end
  object GBStair: TGroupBox
    Left = 188
    Top = 4
    Width = 157
    Height = 65
    Caption = 'Line Mode:'
    TabOrder = 7
    object CBStairs: TCheckBox
      Left = 8
      Top = 18
      Width = 97
      Height = 17
      Caption = '&Stairs'
      TabOrder = 0
      OnClick = CBStairsClick
    end
    object CBInvStairs: TCheckBox
      Left = 8
      Top = 40
      Width = 97
      Height = 17
      Caption = '&Inverted'
      TabOrder = 1
      OnClick = CBInvStairsClick
    end
  end
  object CBDark3D: TCheckBox
    Left = 188
    Top = 74
    Width = 97
    Height = 17
    Caption = '&Dark 3D'
    TabOrder = 8
    OnClick = CBDark3DClick
  end
  object EHeight: TEdit
    Left = 262
    Top = 92
    Width = 45
    Height = 21
    TabOrder = 9
    Text = '0'
    OnChange = EHeightChange
  end
  object UDHeight: TUpDown
    Left = 307
    Top = 92
    Width = 15
    Height = 21
    Associate = EHeight
    Max = 1000
    Thousands = False
    TabOrder = 10
  end
  object BBrush: TButton
    Left = 188
    Top = 120
    Width = 75
    Height = 25
    Caption = '&Pattern...'
    TabOrder = 11
    OnClick = BBrushClick
  end
  object BOutline: TButtonPen
    Left = 268
    Top = 120
    Width = 79
    Height = 25
    Caption = '&Outline...'
    TabOrder = 12
  end
  object BGradient: TButtonGradient
    Left = 188
    Top = 144
    Width = 97
    Height = 25
    Caption = '&Gradient...'
    TabOrder = 13
  end
  object Button1: TButton
    Left = 8
    Top = 168
    Width = 83
    Height = 25
    Caption = 'S&hadow...'
    TabOrder = 14
    OnClick = Button1Click
  end
  object TBTransp: TTrackBar
    Left = 188
    Top = 188
    Width = 145
    Height = 29
    Max = 100
    Frequency = 10
    TabOrder = 15
    OnChange = TBTranspChange
  end
end
