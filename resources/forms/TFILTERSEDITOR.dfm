object FiltersEditor: TFiltersEditor
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Filters'
  ClientHeight = 330
  ClientWidth = 520
  Font.Height = -11
  Font.Name = 'Tahoma'
  Position = poScreenCenter
  OnShow = FormShow
  object PanelLeft: TPanel
    Left = 0
    Top = 0
    Width = 210
    Height = 290
    Align = alLeft
    BevelOuter = bvNone
    TabOrder = 0
    object PanelTools: TPanel
      Left = 0
      Top = 0
      Width = 210
      Height = 30
      Align = alTop
      BevelOuter = bvNone
      TabOrder = 0
      object BAdd: TSpeedButton
        Left = 4
        Top = 4
        Width = 23
        Height = 22
        Caption = '+'
        OnClick = BAddClick
      end
      object BDelete: TSpeedButton
        Left = 30
        Top = 4
        Width = 23
        Height = 22
        Caption = '-'
        Enabled = False
        OnClick = BDeleteClick
      end
      object BMoveUp: TSpeedButton
        Left = 62
        Top = 4
        Width = 23
        Height = 22
        Enabled = False
        OnClick = BMoveUpClick
      end
      object BMoveDown: TSpeedButton
        Left = 88
        Top = 4
        Width = 23
        Height = 22
        Enabled = False
        OnClick = BMoveDownClick
      end
    end
    object Filters: TCheckListBox
      Left = 0
      Top = 30
      Width = 210
      Height = 100
      Align = alTop
      ItemHeight = 13
      TabOrder = 1
      OnClick = FiltersClick
      OnClickCheck = FiltersClickCheck
    end
    object Splitter1: TSplitter
      Left = 0
      Top = 130
      Width = 210
      Height = 3
      Align = alTop
    end
    object PageProps: TPageControl
      Left = 0
      Top = 133
      Width = 210
      Height = 157
      ActivePage = TabOptions
      Align = alClient
      TabOrder = 2
      object TabOptions: TTabSheet
        Caption = 'Options'
      end
      object TabRegion: TTabSheet
        Caption = 'Region'
        object Label1: TLabel
          Left = 8
          Top = 10
          Width = 23
          Height = 13
          Caption = '&Left:'
          FocusControl = ELeft
        end
        object Label2: TLabel
          Left = 8
          Top = 36
          Width = 22
          Height = 13
          Caption = '&Top:'
          FocusControl = ETop
        end
        object Label3: TLabel
          Left = 8
          Top = 62
          Width = 32
          Height = 13
          Caption = '&Width:'
          FocusControl = EWidth
        end
        object Label4: TLabel
          Left = 8
          Top = 88
          Width = 35
          Height = 13
          Caption = '&Height:'
          FocusControl = EHeight
        end
        object ELeft: TEdit
          Left = 60
          Top = 6
          Width = 56
          Height = 21
          TabOrder = 0
          Text = '0'
          OnChange = ELeftChange
        end
        object UDLeft: TUpDown
          Left = 116
          Top = 6
          Width = 16
          Height = 21
          Associate = ELeft
          Max = 11100
          Thousands = False
          TabOrder = 1
        end
        object ETop: TEdit
          Left = 60
          Top = 32
          Width = 56
          Height = 21
          TabOrder = 2
          Text = '0'
          OnChange = ETopChange
        end
        object UDTop: TUpDown
          Left = 116
          Top = 32
          Width = 16
          Height = 21
          Associate = ETop
          Max = 11100
          Thousands = False
          TabOrder = 3
        end
        object EWidth: TEdit
          Left = 60
          Top = 58
          Width = 56
          Height = 21
          TabOrder = 4
          Text = '0'
          OnChange = EWidthChange
        end
        object UDWidth: TUpDown
          Left = 116
          Top = 58
          Width = 16
          Height = 21
          Associate = EWidth
          Max = 11100
          Thousands = False
          TabOrder = 5
        end
        object EHeight: TEdit
          Left = 60
          Top = 84
          Width = 56
          Height = 21
          TabOrder = 6
          Text = '0'
          OnChange = EHeightChange
        end
        object UDHeight: TUpDown
          Left = 116
          Top = 84
          Width = 16
          Height = 21
          Associate = EHeight
          Max = 11100
          Thousands = False
          TabOrder = 7
        end
      end
    end
  end
  object PageControl1: TPageControl
    Left = 210
    Top = 0
    Width = 310
    Height = 290
    ActivePage = TabPreview
    Align = alClient
    TabOrder = 1
    object TabPreview: TTabSheet
      Caption = 'Preview'
    end
  end
  object PanelBottom: TPanel
    Left = 0
    Top = 290
    Width = 520
    Height = 40
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 2
    object CBPreview: TCheckBox
      Left = 8
      Top = 12
      Width = 90
      Height = 17
      Caption = '&Preview'
      Checked = True
      State = cbChecked
      TabOrder = 0
      OnClick = CBPreviewClick
    end
    object CBScaled: TCheckBox
      Left = 104
      Top = 12
      Width = 90
      Height = 17
      Caption = '&Scaled'
      Checked = True
      State = cbChecked
      TabOrder = 1
      OnClick = CBScaledClick
    end
    object BOK: TButton
      Left = 436
      Top = 8
      Width = 75
      Height = 25
      Caption = 'OK'
      Default = True
      ModalResult = 1
      TabOrder = 2
    end
  end
  object MenuFilters: TPopupMenu
  end
  object PopupScaled: TPopupMenu
    object Scaled1: TMenuItem
      Caption = '&Scaled'
      Checked = True
      OnClick = Scaled1Click
    end
  end
end
