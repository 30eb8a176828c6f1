inherited AverageFuncEditor: TAverageFuncEditor
  object CBNulls: TCheckBox
    Left = 8
    Top = 106
    Width = 200
    Height = 17
    Caption = '&Include Null values'
    Checked = True
    State = cbChecked
    TabOrder = 4
    OnClick = CBNullsClick
  end
end
