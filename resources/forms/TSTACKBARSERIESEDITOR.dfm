object StackBarSeriesEditor: TStackBarSeriesEditor
  Left = 0
  Top = 0
  Align = alClient
  BorderStyle = bsNone
  ClientHeight = 146
  ClientWidth = 314
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object LGroup: TLabel
    Left = 136
    Top = 12
    Width = 65
    Height = 13
    Caption = '&Stack Group:'
    FocusControl = EGroup
  end
  object RGMultiBar: TRadioGroup
    Left = 8
    Top = 4
    Width = 117
    Height = 133
    Caption = '&Multiple Bar:'
    Items.Strings = (
      'None'
      'Side'
      'Stacked'
      'Stacked 100%'
      'Side All'
      'Self Stack')
    TabOrder = 0
    OnClick = RGMultiBarClick
  end
  object EGroup: TEdit
    Left = 208
    Top = 8
    Width = 41
    Height = 21
    TabOrder = 1
    Text = '0'
    OnChange = EGroupChange
  end
  object UDGroup: TUpDown
    Left = 249
    Top = 8
    Width = 16
    Height = 21
    Associate = EGroup
    Max = 1000
    Position = 0
    TabOrder = 2
  end
  object CBYOrigin: TCheckBox
    Left = 136
    Top = 44
    Width = 97
    Height = 17
    Caption = 'Use &Origin:'
    TabOrder = 3
    OnClick = CBYOriginClick
  end
  object EYOrigin: TEdit
    Left = 136
    Top = 66
    Width = 113
    Height = 21
    TabOrder = 4
    Text = '0'
    OnChange = EYOriginChange
  end
end
