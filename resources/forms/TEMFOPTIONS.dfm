object EMFOptions: TEMFOptions
  Left = 0
  Top = 0
  BorderStyle = bsNone
  ClientHeight = 60
  ClientWidth = 220
  Font.Height = -11
  Font.Name = 'Tahoma'
  object CBEnhanced: TCheckBox
    Left = 8
    Top = 8
    Width = 200
    Height = 17
    Caption = '&Enhanced'
    Checked = True
    State = cbChecked
    TabOrder = 0
  end
end
