object SeriesToolEditor: TSeriesToolEditor
  Left = 0
  Top = 0
  Align = alClient
  BorderStyle = bsNone
  ClientHeight = 160
  ClientWidth = 290
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 290
    Height = 33
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object Label1: TLabel
      Left = 8
      Top = 10
      Width = 36
      Height = 13
      Caption = '&Series:'
      FocusControl = CBSeries
    end
    object CBSeries: TComboFlat
      Left = 56
      Top = 6
      Width = 145
      Height = 21
      HelpContext = 1121
      Style = csDropDownList
      TabOrder = 0
      OnChange = CBSeriesChange
    end
  end
end
