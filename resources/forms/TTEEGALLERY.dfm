object TeeGallery: TTeeGallery
  BorderIcons = [biSystemMenu]
  Caption = 'VorUvivi Gallery'
  ClientHeight = 373
  ClientWidth = 482
  Font.Height = -11
  Font.Name = 'Tahoma'
  Position = poScreenCenter
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnShow = FormShow
  object P1: TPanel
    Left = 0
    Top = 336
    Width = 482
    Height = 37
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 1
    object CB3D: TCheckBox
      Left = 8
      Top = 10
      Width = 49
      Height = 17
      Caption = '&3D'
      Checked = True
      State = cbChecked
      TabOrder = 0
      OnClick = CB3DClick
    end
    object CBSmooth: TCheckBox
      Left = 62
      Top = 10
      Width = 73
      Height = 17
      Caption = '&Smooth'
      TabOrder = 1
      OnClick = CBSmoothClick
    end
    object CBPalette: TComboFlat
      Left = 140
      Top = 8
      Width = 145
      Height = 21
      DropDownCount = 25
      Sorted = True
      TabOrder = 2
      OnChange = CBPaletteChange
    end
    object Button1: TButton
      Left = 318
      Top = 6
      Width = 75
      Height = 25
      Caption = 'OK'
      Default = True
      ModalResult = 1
      TabOrder = 3
    end
    object Button2: TButton
      Left = 400
      Top = 6
      Width = 75
      Height = 25
      Cancel = True
      Caption = 'Cancel'
      ModalResult = 2
      TabOrder = 4
    end
  end
  object TabTypes: TTabControl
    Left = 0
    Top = 0
    Width = 482
    Height = 336
    HelpContext = 1850
    Align = alClient
    TabOrder = 0
    OnChange = TabTypesChange
    object TabPages: TTabControl
      Left = 4
      Top = 24
      Width = 474
      Height = 308
      Align = alClient
      TabOrder = 0
      OnChange = TabPagesChange
      object ChartGalleryPanel1: TChartGalleryPanel
        Left = 4
        Top = 24
        Width = 466
        Height = 280
        Align = alClient
        TabOrder = 0
        OnSelectedChart = ChartGalleryPanel1SelectedChart
      end
    end
  end
end
