inherited CustomFunctionEditor: TCustomFunctionEditor
  object LStart: TLabel
    Left = 8
    Top = 12
    Width = 40
    Height = 13
    Caption = '&Start X:'
    FocusControl = EStart
  end
  object EStart: TEdit
    Left = 90
    Top = 8
    Width = 90
    Height = 21
    TabOrder = 0
    Text = '0'
    OnChange = EditChange
  end
  object LStep: TLabel
    Left = 8
    Top = 44
    Width = 27
    Height = 13
    Caption = 'S&tep:'
    FocusControl = EStep
  end
  object EStep: TEdit
    Left = 90
    Top = 40
    Width = 90
    Height = 21
    TabOrder = 1
    Text = '1'
    OnChange = EditChange
  end
  object LNum: TLabel
    Left = 8
    Top = 76
    Width = 62
    Height = 13
    Caption = '&Num. points:'
    FocusControl = ENum
  end
  object ENum: TEdit
    Left = 90
    Top = 72
    Width = 90
    Height = 21
    TabOrder = 2
    Text = '100'
    OnChange = EditChange
  end
end
