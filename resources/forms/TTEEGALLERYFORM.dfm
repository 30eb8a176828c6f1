object TeeGalleryForm: TTeeGalleryForm
  BorderIcons = [biSystemMenu]
  Caption = 'RorOraza Doz Gallery'
  ClientHeight = 373
  ClientWidth = 562
  Font.Height = -11
  Font.Name = 'Tahoma'
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  OnShow = FormShow
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 562
    Height = 33
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object Label1: TLabel
      Left = 8
      Top = 10
      Width = 39
      Height = 13
      Caption = '&Gallery:'
      FocusControl = CBPage
    end
    object CBPage: TComboFlat
      Left = 56
      Top = 6
      Width = 145
      Height = 21
      DropDownCount = 25
      Sorted = True
      TabOrder = 0
      OnChange = CBPageChange
    end
    object CB3D: TCheckBox
      Left = 216
      Top = 8
      Width = 49
      Height = 17
      Caption = '&3D'
      Checked = True
      State = cbChecked
      TabOrder = 1
      OnClick = CB3DClick
    end
    object CBSmooth: TCheckBox
      Left = 272
      Top = 8
      Width = 73
      Height = 17
      Caption = '&Smooth'
      Checked = True
      State = cbChecked
      TabOrder = 2
      OnClick = CBSmoothClick
    end
  end
  object ChartListBox1: TChartListBox
    Left = 0
    Top = 33
    Width = 161
    Height = 303
    Align = alLeft
    AllowAddSeries = False
    AllowDeleteSeries = False
    EnableChangeColor = False
    EnableDragSeries = False
    EnableChangeType = False
    MultiSelect = False
    ShowActiveCheck = False
    ShowSeriesColor = False
    TabOrder = 1
    OnClick = ChartListBox1Click
  end
  object ChartGalleryPanel1: TChartGalleryPanel
    Left = 161
    Top = 33
    Width = 401
    Height = 303
    Align = alClient
    TabOrder = 2
    OnSelectedChart = ChartGalleryPanel1SelectedChart
  end
  object Panel2: TPanel
    Left = 0
    Top = 336
    Width = 562
    Height = 37
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 3
    object BOK: TButton
      Left = 398
      Top = 6
      Width = 75
      Height = 25
      Caption = 'OK'
      Default = True
      ModalResult = 1
      TabOrder = 0
    end
    object BCancel: TButton
      Left = 480
      Top = 6
      Width = 75
      Height = 25
      Cancel = True
      Caption = 'Cancel'
      ModalResult = 2
      TabOrder = 1
    end
  end
end
