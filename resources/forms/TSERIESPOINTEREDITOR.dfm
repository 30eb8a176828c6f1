object SeriesPointerEditor: TSeriesPointerEditor
  Left = 0
  Top = 0
  Align = alClient
  BorderStyle = bsNone
  ClientHeight = 258
  ClientWidth = 304
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object LWidth: TLabel
    Left = 8
    Top = 84
    Width = 32
    Height = 13
    Caption = '&Width:'
    FocusControl = SEPointHorizSize
  end
  object LHeight: TLabel
    Left = 8
    Top = 110
    Width = 35
    Height = 13
    Caption = '&Height:'
    FocusControl = SEPointVertSize
  end
  object LStyle: TLabel
    Left = 120
    Top = 10
    Width = 28
    Height = 13
    Caption = '&Style:'
    FocusControl = CBStyle
  end
  object LTransp: TLabel
    Left = 8
    Top = 166
    Width = 70
    Height = 13
    Caption = '&Transparency:'
    FocusControl = TBTransp
  end
  object CBDrawPoint: TCheckBox
    Left = 8
    Top = 8
    Width = 97
    Height = 17
    Caption = '&Visible'
    TabOrder = 0
    OnClick = CBDrawPointClick
  end
  object CB3dPoint: TCheckBox
    Left = 8
    Top = 26
    Width = 97
    Height = 17
    Caption = '&3D'
    TabOrder = 1
    OnClick = CB3dPointClick
  end
  object CBPoDark: TCheckBox
    Left = 8
    Top = 44
    Width = 97
    Height = 17
    Caption = 'Dar&k 3D'
    TabOrder = 2
    OnClick = CBPoDarkClick
  end
  object CBInflate: TCheckBox
    Left = 8
    Top = 62
    Width = 105
    Height = 17
    Caption = 'Inflate &Margins'
    TabOrder = 3
    OnClick = CBInflateClick
  end
  object SEPointHorizSize: TEdit
    Left = 52
    Top = 80
    Width = 41
    Height = 21
    TabOrder = 4
    Text = '1'
    OnChange = SEPointHorizSizeChange
  end
  object UDPointHorizSize: TUpDown
    Left = 93
    Top = 80
    Width = 15
    Height = 21
    Associate = SEPointHorizSize
    Max = 1000
    Min = 1
    Position = 1
    Thousands = False
    TabOrder = 5
  end
  object SEPointVertSize: TEdit
    Left = 52
    Top = 106
    Width = 41
    Height = 21
    TabOrder = 6
    Text = '1'
    OnChange = SEPointVertSizeChange
  end
  object UDPointVertSize: TUpDown
    Left = 93
    Top = 106
    Width = 15
    Height = 21
    Associate = SEPointVertSize
    Max = 1000
    Min = 1
    Position = 1
    Thousands = False
    TabOrder = 7
  end
  object CBStyle: TComboFlat
    Left = 156
    Top = 6
    Width = 137
    Height = 22
    Style = csOwnerDrawFixed
    DropDownCount = 12
    ItemHeight = 16
    TabOrder = 8
    OnChange = CBStyleChange
    OnDrawItem = CBStyleDrawItem
    Items.Strings = (
      'Square'
      'Circle'
      'Triangle'
      'Down Triangle'
      'Cross'
      'Diagonal Cross'
      'Star'
      'Diamond'
      'Small Dot'
      'Nothing'
      'Left Triangle'
      'Right Triangle'
      'Hexagon')
  end
  object BPointFillColor: TButton
    Left = 120
    Top = 36
    Width = 83
    Height = 25
    Caption = '&Pattern...'
    TabOrder = 9
    OnClick = BPointFillColorClick
  end
  object CBDefBrushColor: TCheckBox
    Left = 212
    Top = 40
    Width = 81
    Height = 17
    Caption = '&Default'
    TabOrder = 10
    OnClick = CBDefBrushColorClick
  end
  object BPoinPenCol: TButtonPen
    Left = 120
    Top = 68
    Width = 83
    Height = 25
    Caption = 'B&order...'
    TabOrder = 11
    OnClick = BPoinPenColClick
  end
  object Button2: TButton
    Left = 120
    Top = 100
    Width = 83
    Height = 25
    Caption = 'Sh&adow...'
    TabOrder = 12
    OnClick = Button2Click
  end
  object BGradient: TButton
    Left = 120
    Top = 132
    Width = 83
    Height = 25
    Caption = '&Gradient...'
    TabOrder = 13
    OnClick = BGradientClick
  end
  object TBTransp: TTrackBar
    Left = 84
    Top = 162
    Width = 133
    Height = 29
    Max = 100
    Frequency = 10
    TabOrder = 14
    OnChange = TBTranspChange
  end
  object CBColorEach: TCheckBox
    Left = 8
    Top = 196
    Width = 97
    Height = 17
    Caption = '&Color Each '
    TabOrder = 15
    OnClick = CBColorEachClick
  end
  object CBIgnoreNulls: TCheckBox
    Left = 120
    Top = 196
    Width = 97
    Height = 17
    Caption = '&Ignore nulls'
    TabOrder = 16
    OnClick = CBIgnoreNullsClick
  end
  object PanelBottom: TPanel
    Left = 0
    Top = 225
    Width = 304
    Height = 33
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 17
    Visible = False
    object Button1: TButton
      Left = 221
      Top = 4
      Width = 75
      Height = 25
      Caption = 'Close'
      ModalResult = 1
      TabOrder = 0
      OnClick = Button1Click
    end
  end
end
