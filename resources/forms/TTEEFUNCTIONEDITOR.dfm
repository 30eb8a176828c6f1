inherited TeeFunctionEditor: TTeeFunctionEditor
  object LStyle: TLabel
    Left = 8
    Top = 12
    Width = 82
    Height = 13
    Caption = '&Calculate using:'
    FocusControl = CBStyle
  end
  object CBStyle: TComboFlat
    Left = 110
    Top = 8
    Width = 170
    Height = 21
    Style = csDropDownList
    ItemIndex = 0
    TabOrder = 0
    OnChange = CBStyleChange
    Items.Strings = (
      'All points'
      'Every number of points'
      'Every range')
  end
  object LNum: TLabel
    Left = 8
    Top = 44
    Width = 91
    Height = 13
    Caption = '&Number of points:'
    FocusControl = ENum
  end
  object ENum: TEdit
    Left = 110
    Top = 40
    Width = 70
    Height = 21
    Enabled = False
    TabOrder = 1
    OnChange = ENumChange
  end
  object BChange: TButton
    Left = 186
    Top = 38
    Width = 75
    Height = 25
    Caption = '&Change...'
    Enabled = False
    TabOrder = 2
    OnClick = BChangeClick
  end
  object LAlign: TLabel
    Left = 8
    Top = 76
    Width = 50
    Height = 13
    Caption = '&Alignment:'
    FocusControl = CBAlign
  end
  object CBAlign: TComboFlat
    Left = 110
    Top = 72
    Width = 170
    Height = 21
    Style = csDropDownList
    ItemIndex = 1
    TabOrder = 3
    OnChange = CBAlignChange
    Items.Strings = (
      'First'
      'Center'
      'Last')
  end
end
