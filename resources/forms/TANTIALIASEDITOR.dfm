object AntiAliasEditor: TAntiAliasEditor
  Left = 0
  Top = 0
  Align = alClient
  BorderStyle = bsNone
  ClientHeight = 120
  ClientWidth = 260
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object Button1: TButton
    Left = 8
    Top = 40
    Width = 89
    Height = 25
    Caption = '&Filters...'
    TabOrder = 1
    OnClick = Button1Click
  end
  object CBAnti: TCheckBox
    Left = 8
    Top = 12
    Width = 150
    Height = 17
    Caption = '&Anti-alias'
    Checked = True
    State = cbChecked
    TabOrder = 0
    OnClick = CBAntiClick
  end
end
