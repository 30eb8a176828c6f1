object FormTeeSeries: TFormTeeSeries
  Left = 0
  Top = 0
  Align = alClient
  BorderStyle = bsNone
  ClientHeight = 326
  ClientWidth = 383
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnCloseQuery = FormCloseQuery
  OnShow = FormShow
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 383
    Height = 33
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object ImageSeries: TImage
      Left = 4
      Top = 8
      Width = 16
      Height = 16
      Transparent = True
    end
    object LabelSeriesClass: TLabel
      Left = 194
      Top = 10
      Width = 3
      Height = 13
    end
    object PaintBox1: TPaintBox
      Left = 158
      Top = 4
      Width = 30
      Height = 25
      Cursor = crHandPoint
      OnClick = PaintBox1Click
      OnPaint = PaintBox1Paint
    end
    object CBSeries: TComboFlat
      Left = 26
      Top = 6
      Width = 127
      Height = 21
      HelpContext = 516
      Style = csDropDownList
      DropDownCount = 16
      TabOrder = 0
      OnChange = CBSeriesChange
    end
    object CBPersistent: TCheckBox
      Left = 300
      Top = 8
      Width = 77
      Height = 17
      Caption = 'Persistent'
      TabOrder = 1
      Visible = False
      OnClick = CBPersistentClick
    end
  end
  object PageSeries: TPageControl
    Left = 0
    Top = 33
    Width = 383
    Height = 293
    ActivePage = TheTabSheet
    Align = alClient
    TabOrder = 1
    OnChange = PageSeriesChange
    OnChanging = PageSeriesChanging
    object TheTabSheet: TTabSheet
      Caption = 'Format'
    end
    object TabGeneral: TTabSheet
      Caption = 'General'
    end
    object TabMarks: TTabSheet
      Caption = 'Marks'
    end
    object TabDataSource: TTabSheet
      Caption = 'Data Source'
    end
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 1
    OnTimer = Timer1Timer
  end
end
