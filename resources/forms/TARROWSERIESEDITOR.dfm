object ArrowSeriesEditor: TArrowSeriesEditor
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Arrow'
  ClientHeight = 170
  ClientWidth = 239
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object Label1: TLabel
    Left = 8
    Top = 80
    Width = 32
    Height = 13
    Caption = '&Width:'
    FocusControl = SEArrowWidth
  end
  object Label2: TLabel
    Left = 124
    Top = 80
    Width = 35
    Height = 13
    Caption = '&Height:'
    FocusControl = SEArrowHeight
  end
  object Label3: TLabel
    Left = 8
    Top = 116
    Width = 23
    Height = 13
    Caption = '&Size:'
    FocusControl = SBPercent
  end
  object LPercent: TLabel
    Left = 190
    Top = 116
    Width = 24
    Height = 13
    Caption = '50%'
  end
  object CBColorEach: TCheckBox
    Left = 8
    Top = 8
    Width = 100
    Height = 17
    Caption = 'Color &Each'
    TabOrder = 0
    OnClick = CBColorEachClick
  end
  object BArrowColor: TButtonColor
    Left = 124
    Top = 4
    Width = 100
    Height = 25
    Caption = '&Color...'
    TabOrder = 1
  end
  object BPen: TButtonPen
    Left = 8
    Top = 40
    Width = 100
    Height = 25
    Caption = '&Border...'
    TabOrder = 2
  end
  object BBrush: TButton
    Left = 124
    Top = 40
    Width = 100
    Height = 25
    Caption = '&Pattern...'
    TabOrder = 3
    OnClick = BBrushClick
  end
  object SEArrowWidth: TEdit
    Left = 54
    Top = 76
    Width = 40
    Height = 21
    TabOrder = 4
    Text = '4'
    OnChange = SEArrowWidthChange
  end
  object UDArrowWidth: TUpDown
    Left = 94
    Top = 76
    Width = 16
    Height = 21
    Associate = SEArrowWidth
    Min = 1
    Max = 10000
    Position = 4
    Thousands = False
    TabOrder = 5
  end
  object SEArrowHeight: TEdit
    Left = 170
    Top = 76
    Width = 40
    Height = 21
    TabOrder = 6
    Text = '4'
    OnChange = SEArrowHeightChange
  end
  object UDArrowHeight: TUpDown
    Left = 210
    Top = 76
    Width = 16
    Height = 21
    Associate = SEArrowHeight
    Min = 1
    Max = 10000
    Position = 4
    Thousands = False
    TabOrder = 7
  end
  object SBPercent: TScrollBar
    Left = 40
    Top = 114
    Width = 140
    Height = 17
    Max = 100
    Position = 50
    TabOrder = 8
    OnChange = SBPercentChange
  end
end
