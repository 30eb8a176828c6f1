object SymbolEditor: TSymbolEditor
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Legend Symbol Editor'
  ClientHeight = 180
  ClientWidth = 300
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object Label1: TLabel
    Left = 8
    Top = 12
    Width = 32
    Height = 13
    Caption = '&Width:'
    FocusControl = SEColWi
  end
  object Label2: TLabel
    Left = 8
    Top = 40
    Width = 60
    Height = 13
    Caption = 'Width &Units:'
    FocusControl = CBColWUnits
  end
  object Label3: TLabel
    Left = 8
    Top = 68
    Width = 41
    Height = 13
    Caption = '&Position:'
    FocusControl = CBSymbolPos
  end
  object SEColWi: TEdit
    Left = 76
    Top = 8
    Width = 40
    Height = 21
    TabOrder = 0
    Text = '0'
    OnChange = SEColWiChange
  end
  object UDColWi: TUpDown
    Left = 116
    Top = 8
    Width = 16
    Height = 21
    Associate = SEColWi
    Increment = 5
    Thousands = False
    TabOrder = 1
  end
  object CBColWUnits: TComboFlat
    Left = 76
    Top = 36
    Width = 80
    Height = 21
    Style = csDropDownList
    TabOrder = 2
    OnChange = CBColWUnitsChange
    Items.Strings = (
      'Percent'
      'Pixels')
  end
  object CBSymbolPos: TComboFlat
    Left = 76
    Top = 64
    Width = 80
    Height = 21
    Style = csDropDownList
    TabOrder = 3
    OnChange = CBSymbolPosChange
    Items.Strings = (
      'Left'
      'Right')
  end
  object CBContinuous: TCheckBox
    Left = 8
    Top = 96
    Width = 100
    Height = 17
    Caption = '&Continuous'
    TabOrder = 4
    OnClick = CBContinuousClick
  end
  object CBVisible: TCheckBox
    Left = 8
    Top = 116
    Width = 100
    Height = 17
    Caption = '&Visible'
    TabOrder = 5
    OnClick = CBVisibleClick
  end
  object CBSquared: TCheckBox
    Left = 8
    Top = 136
    Width = 100
    Height = 17
    Caption = '&Squared'
    TabOrder = 6
    OnClick = CBSquaredClick
  end
  object CBSymPen: TCheckBox
    Left = 170
    Top = 8
    Width = 120
    Height = 17
    Caption = '&Default border'
    TabOrder = 7
    OnClick = CBSymPenClick
  end
  object BSymPen: TButtonPen
    Left = 170
    Top = 30
    Width = 110
    Height = 25
    Caption = '&Border...'
    TabOrder = 8
  end
  object BSymGradient: TButtonGradient
    Left = 170
    Top = 62
    Width = 110
    Height = 25
    Caption = '&Gradient...'
    TabOrder = 9
  end
  object Button1: TButton
    Left = 170
    Top = 94
    Width = 110
    Height = 25
    Caption = 'S&hadow...'
    TabOrder = 10
    OnClick = Button1Click
  end
end
