object FormTeePage: TFormTeePage
  Left = 0
  Top = 0
  ActiveControl = SEPointsPerPage
  Align = alClient
  BorderStyle = bsNone
  ClientHeight = 190
  ClientWidth = 340
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object Label1: TLabel
    Left = 8
    Top = 12
    Width = 60
    Height = 13
    Caption = 'P&oints per Page:'
    FocusControl = SEPointsPerPage
  end
  object SEPointsPerPage: TEdit
    Left = 108
    Top = 8
    Width = 50
    Height = 21
    Text = '0'
    TabOrder = 0
    OnChange = SEPointsPerPageChange
  end
  object UDPointsPerPage: TUpDown
    Left = 158
    Top = 8
    Width = 15
    Height = 21
    Associate = SEPointsPerPage
    Min = 0
    Max = 32000
    Position = 0
    TabOrder = 1
  end
  object CBScaleLast: TCheckBox
    Left = 8
    Top = 40
    Width = 160
    Height = 17
    Caption = '&Scale Last Page'
    TabOrder = 2
    OnClick = CBScaleLastClick
  end
  object CBPageLegend: TCheckBox
    Left = 8
    Top = 60
    Width = 160
    Height = 17
    Caption = '&Current page Legend'
    TabOrder = 3
    OnClick = CBPageLegendClick
  end
  object CBAutoScale: TCheckBox
    Left = 8
    Top = 80
    Width = 160
    Height = 17
    Caption = '&Auto scale axis'
    TabOrder = 4
    OnClick = CBAutoScaleClick
  end
  object CBNoPages: TCheckBox
    Left = 8
    Top = 100
    Width = 160
    Height = 17
    Caption = '&No pages'
    TabOrder = 5
    OnClick = CBNoPagesClick
  end
  object ChartPageNavigator1: TChartPageNavigator
    Left = 8
    Top = 128
    Width = 120
    Height = 25
    TabOrder = 6
  end
  object LabelPages: TLabel
    Left = 8
    Top = 160
    Width = 120
    Height = 13
    Alignment = taCenter
    AutoSize = False
    Caption = 'Page 1 of 1'
  end
  object CBPageNum: TCheckBox
    Left = 190
    Top = 8
    Width = 140
    Height = 17
    Caption = 'Show &Page Number'
    TabOrder = 7
    OnClick = CBPageNumClick
  end
  object BEditTool: TButton
    Left = 190
    Top = 30
    Width = 75
    Height = 25
    Caption = '&Edit...'
    TabOrder = 8
    OnClick = BEditToolClick
  end
end
