object ChartPreview: TChartPreview
  Left = 0
  Top = 0
  Caption = 'VorUvivi Print Preview'
  ClientHeight = 394
  ClientWidth = 502
  Font.Height = -11
  Font.Name = 'Tahoma'
  KeyPreview = True
  Position = poScreenCenter
  OnShow = FormShow
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 502
    Height = 34
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    OnResize = Panel1Resize
    object Label1: TLabel
      Left = 8
      Top = 10
      Width = 40
      Height = 13
      Caption = 'P&rinter:'
    end
    object CBPrinters: TComboBox
      Left = 56
      Top = 6
      Width = 192
      Height = 21
      Style = csDropDownList
      TabOrder = 0
      OnChange = CBPrintersChange
    end
    object BSetupPrinter: TButton
      Left = 256
      Top = 4
      Width = 75
      Height = 25
      Caption = '&Setup...'
      TabOrder = 1
      OnClick = BSetupPrinterClick
    end
    object BPrint: TButton
      Left = 336
      Top = 4
      Width = 75
      Height = 25
      Caption = '&Print'
      TabOrder = 2
      OnClick = BPrintClick
    end
    object PanelClose: TPanel
      Left = 416
      Top = 0
      Width = 86
      Height = 34
      Align = alRight
      BevelOuter = bvNone
      TabOrder = 3
      object BClose: TButton
        Left = 4
        Top = 4
        Width = 75
        Height = 25
        Cancel = True
        Caption = 'Close'
        Default = True
        ModalResult = 2
        TabOrder = 0
      end
    end
  end
  object Panel2: TPanel
    Left = 0
    Top = 34
    Width = 128
    Height = 360
    Align = alLeft
    BevelOuter = bvNone
    TabOrder = 1
    object Orientation: TRadioGroup
      Left = 6
      Top = 2
      Width = 116
      Height = 56
      Caption = 'Orien&tation:'
      Items.Strings = (
        'P&ortrait'
        '&Landscape')
      TabOrder = 0
      OnClick = OrientationClick
    end
    object GBMargins: TGroupBox
      Left = 6
      Top = 62
      Width = 116
      Height = 92
      Caption = 'Margins (%)'
      TabOrder = 1
      object SETopMa: TEdit
        Left = 38
        Top = 18
        Width = 26
        Height = 21
        TabOrder = 0
        Text = '0'
        OnChange = SETopMaChange
      end
      object UDTopMa: TUpDown
        Left = 64
        Top = 18
        Width = 15
        Height = 21
        Associate = SETopMa
        Increment = 5
        TabOrder = 1
      end
      object SELeftMa: TEdit
        Left = 6
        Top = 42
        Width = 26
        Height = 21
        TabOrder = 2
        Text = '0'
        OnChange = SELeftMaChange
      end
      object UDLeftMa: TUpDown
        Left = 32
        Top = 42
        Width = 15
        Height = 21
        Associate = SELeftMa
        Increment = 5
        TabOrder = 3
      end
      object SERightMa: TEdit
        Left = 70
        Top = 42
        Width = 26
        Height = 21
        TabOrder = 4
        Text = '0'
        OnChange = SERightMaChange
      end
      object UDRightMa: TUpDown
        Left = 96
        Top = 42
        Width = 15
        Height = 21
        Associate = SERightMa
        Increment = 5
        TabOrder = 5
      end
      object SEBotMa: TEdit
        Left = 38
        Top = 66
        Width = 26
        Height = 21
        TabOrder = 6
        Text = '0'
        OnChange = SEBotMaChange
      end
      object UDBotMa: TUpDown
        Left = 64
        Top = 66
        Width = 15
        Height = 21
        Associate = SEBotMa
        Increment = 5
        TabOrder = 7
      end
    end
    object GBResolution: TGroupBox
      Left = 6
      Top = 158
      Width = 116
      Height = 64
      Caption = 'Detail:'
      TabOrder = 2
      object Label2: TLabel
        Left = 6
        Top = 44
        Width = 26
        Height = 13
        Caption = 'More'
      end
      object Label3: TLabel
        Left = 72
        Top = 44
        Width = 36
        Height = 13
        Caption = 'Normal'
      end
      object Resolution: TTrackBar
        Left = 4
        Top = 16
        Width = 108
        Height = 26
        Frequency = 10
        LineSize = 2
        Max = 100
        TabOrder = 0
        OnChange = ResolutionChange
      end
    end
    object BReset: TButton
      Left = 6
      Top = 228
      Width = 116
      Height = 25
      Caption = 'Reset &Margins'
      Enabled = False
      TabOrder = 3
      OnClick = BResetClick
    end
    object ShowMargins: TCheckBox
      Left = 8
      Top = 260
      Width = 112
      Height = 17
      Caption = '&View Margins'
      Checked = True
      State = cbChecked
      TabOrder = 4
      OnClick = ShowMarginsClick
    end
    object CBProp: TCheckBox
      Left = 8
      Top = 280
      Width = 112
      Height = 17
      Caption = 'Proport&ional'
      Checked = True
      State = cbChecked
      TabOrder = 5
      OnClick = CBPropClick
    end
    object CBBitmap: TCheckBox
      Left = 8
      Top = 300
      Width = 112
      Height = 17
      Caption = 'S&mooth'
      TabOrder = 6
      OnClick = CBBitmapClick
    end
  end
  object TeePreviewPanel1: TTeePreviewPanel
    Left = 128
    Top = 34
    Width = 374
    Height = 360
    Align = alClient
    TabOrder = 2
  end
end
