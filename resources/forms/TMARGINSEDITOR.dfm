object MarginsEditor: TMarginsEditor
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'MarginsEditor'
  ClientHeight = 120
  ClientWidth = 280
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object Label1: TLabel
    Left = 150
    Top = 10
    Width = 23
    Height = 13
    Caption = '&Left:'
    FocusControl = ELeft
  end
  object Label2: TLabel
    Left = 150
    Top = 36
    Width = 22
    Height = 13
    Caption = '&Top:'
    FocusControl = ETop
  end
  object Label3: TLabel
    Left = 150
    Top = 62
    Width = 29
    Height = 13
    Caption = '&Right:'
    FocusControl = ERight
  end
  object Label4: TLabel
    Left = 150
    Top = 88
    Width = 36
    Height = 13
    Caption = '&Bottom:'
    FocusControl = EBottom
  end
  object RGUnits: TRadioGroup
    Left = 4
    Top = 4
    Width = 136
    Height = 100
    Caption = '&Units:'
    ItemIndex = 0
    Items.Strings = (
      'Percent &Font'
      'P&ercent Size'
      'P&ixels')
    TabOrder = 0
    OnClick = RGUnitsClick
  end
  object ELeft: TEdit
    Left = 196
    Top = 6
    Width = 50
    Height = 21
    TabOrder = 1
    Text = '0'
    OnChange = ELeftChange
  end
  object UDLeft: TUpDown
    Left = 246
    Top = 6
    Width = 16
    Height = 21
    Associate = ELeft
    Max = 32000
    Min = -32000
    Thousands = False
    TabOrder = 2
  end
  object ETop: TEdit
    Left = 196
    Top = 32
    Width = 50
    Height = 21
    TabOrder = 3
    Text = '0'
    OnChange = ETopChange
  end
  object UDTop: TUpDown
    Left = 246
    Top = 32
    Width = 16
    Height = 21
    Associate = ETop
    Max = 32000
    Min = -32000
    Thousands = False
    TabOrder = 4
  end
  object ERight: TEdit
    Left = 196
    Top = 58
    Width = 50
    Height = 21
    TabOrder = 5
    Text = '0'
    OnChange = ERightChange
  end
  object UDRight: TUpDown
    Left = 246
    Top = 58
    Width = 16
    Height = 21
    Associate = ERight
    Max = 32000
    Min = -32000
    Thousands = False
    TabOrder = 6
  end
  object EBottom: TEdit
    Left = 196
    Top = 84
    Width = 50
    Height = 21
    TabOrder = 7
    Text = '0'
    OnChange = EBottomChange
  end
  object UDBottom: TUpDown
    Left = 246
    Top = 84
    Width = 16
    Height = 21
    Associate = EBottom
    Max = 32000
    Min = -32000
    Thousands = False
    TabOrder = 8
  end
end
