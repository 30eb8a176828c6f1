inherited FastLineSeriesEditor: TFastLineSeriesEditor
  Align = alClient
  BorderStyle = bsNone
  ClientHeight = 226
  ClientWidth = 306
  object CBDrawAll: TCheckBox
    Left = 120
    Top = 8
    Width = 97
    Height = 17
    Caption = 'Draw &All'
    TabOrder = 10
    OnClick = CBDrawAllClick
  end
  object GBStair: TGroupBox
    Left = 8
    Top = 150
    Width = 145
    Height = 65
    Caption = 'Line Mode:'
    TabOrder = 11
    object CBStairs: TCheckBox
      Left = 8
      Top = 18
      Width = 97
      Height = 17
      Caption = '&Stairs'
      TabOrder = 0
      OnClick = CBStairsClick
    end
    object CBInvStairs: TCheckBox
      Left = 8
      Top = 40
      Width = 97
      Height = 17
      Caption = '&Inverted'
      Enabled = False
      TabOrder = 1
      OnClick = CBInvStairsClick
    end
  end
  object LNulls: TLabel
    Left = 164
    Top = 154
    Width = 63
    Height = 13
    Caption = '&Treat Nulls:'
    FocusControl = CBNulls
  end
  object CBNulls: TComboFlat
    Left = 164
    Top = 172
    Width = 121
    Height = 21
    Style = csDropDownList
    ItemIndex = 2
    TabOrder = 12
    OnChange = CBNullsChange
    Items.Strings = (
      'Dont Paint'
      'Skip'
      'Ignore')
  end
end
