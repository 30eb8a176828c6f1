object BMPOptions: TBMPOptions
  Left = 0
  Top = 0
  BorderStyle = bsNone
  ClientHeight = 120
  ClientWidth = 220
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object Label1: TLabel
    Left = 8
    Top = 12
    Width = 40
    Height = 13
    Caption = '&Colors:'
  end
  object CBColors: TComboBox
    Left = 64
    Top = 8
    Width = 145
    Height = 21
    Style = csDropDownList
    Items.Strings = (
      'Default'
      '2 (1 bit)'
      '16 (4 bit)'
      '256 (8 bit)'
      '32768 (15 bit)'
      '65536 (16 bit)'
      '16M (24 bit)'
      '16M (32 bit)')
    TabOrder = 0
  end
  object CBMono: TCheckBox
    Left = 8
    Top = 40
    Width = 200
    Height = 17
    Caption = '&Monochrome'
    TabOrder = 1
    OnClick = CBMonoClick
  end
end
