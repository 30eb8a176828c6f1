object TeeExportFormBase: TTeeExportFormBase
  Left = 200
  Top = 150
  BorderStyle = bsDialog
  Caption = 'Export Dialog'
  ClientHeight = 320
  ClientWidth = 437
  Font.Height = -11
  Font.Name = 'Tahoma'
  Position = poScreenCenter
  OnCreate = FormCreate
  OnShow = FormShow
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 437
    Height = 282
    Align = alClient
    TabOrder = 0
    OnChange = PageControl1Change
    object TabPicture: TTabSheet
      Caption = 'Picture'
      object GBFormat: TGroupBox
        Left = 4
        Top = 4
        Width = 120
        Height = 212
        Caption = '&Format'
        TabOrder = 0
        object LBFormat: TListBox
          Left = 6
          Top = 18
          Width = 108
          Height = 186
          Sorted = True
          TabOrder = 0
          OnClick = LBFormatClick
        end
      end
      object PageOptions: TPageControl
        Left = 130
        Top = 4
        Width = 297
        Height = 212
        TabOrder = 1
        OnChange = PageOptionsChange
        object TabOptions: TTabSheet
          Caption = 'Options'
        end
        object TabSize: TTabSheet
          Caption = 'Size'
          object LabelWidth: TLabel
            Left = 8
            Top = 14
            Width = 40
            Height = 13
            Caption = '&Width:'
            FocusControl = EWidth
          end
          object EWidth: TEdit
            Left = 64
            Top = 10
            Width = 50
            Height = 21
            TabOrder = 0
            Text = '0'
            OnChange = EWidthChange
          end
          object UDWidth: TUpDown
            Left = 114
            Top = 10
            Width = 16
            Height = 21
            Associate = EWidth
            Max = 3000
            Thousands = False
            TabOrder = 1
          end
          object LabelHeight: TLabel
            Left = 8
            Top = 42
            Width = 40
            Height = 13
            Caption = '&Height:'
            FocusControl = EHeight
          end
          object EHeight: TEdit
            Left = 64
            Top = 38
            Width = 50
            Height = 21
            TabOrder = 2
            Text = '0'
            OnChange = EHeightChange
          end
          object UDHeight: TUpDown
            Left = 114
            Top = 38
            Width = 16
            Height = 21
            Associate = EHeight
            Max = 3000
            Thousands = False
            TabOrder = 3
          end
          object CBAspect: TCheckBox
            Left = 8
            Top = 70
            Width = 200
            Height = 17
            Caption = '&Keep aspect ratio'
            Checked = True
            State = cbChecked
            TabOrder = 4
          end
        end
      end
      object CBPicSize: TCheckBox
        Left = 8
        Top = 226
        Width = 90
        Height = 17
        Caption = '&File size:'
        TabOrder = 2
        OnClick = CBPicSizeClick
      end
      object LabelPicSize: TLabel
        Left = 104
        Top = 228
        Width = 200
        Height = 13
        Caption = '?'
      end
    end
    object TabNative: TTabSheet
      Caption = 'Native'
      object CBNativeData: TCheckBox
        Left = 8
        Top = 10
        Width = 200
        Height = 17
        Caption = '&Include Series data'
        Checked = True
        State = cbChecked
        TabOrder = 0
        OnClick = CBFileSizeClick
      end
      object CBNativeFormat: TRadioGroup
        Left = 8
        Top = 36
        Width = 150
        Height = 90
        Caption = 'Format:'
        ItemIndex = 0
        Items.Strings = (
          '&Binary'
          '&Text'
          '&XML')
        TabOrder = 1
        OnClick = CBNativeFormatClick
      end
      object BViewNative: TButton
        Left = 170
        Top = 44
        Width = 75
        Height = 25
        Caption = '&View...'
        TabOrder = 2
        OnClick = BViewNativeClick
      end
      object CBFileSize: TCheckBox
        Left = 8
        Top = 140
        Width = 90
        Height = 17
        Caption = '&File size:'
        TabOrder = 3
        OnClick = CBFileSizeClick
      end
      object LabelSize: TLabel
        Left = 104
        Top = 142
        Width = 200
        Height = 13
        Caption = '?'
      end
    end
    object TabData: TTabSheet
      Caption = 'Data'
      object LabelSeries: TLabel
        Left = 8
        Top = 12
        Width = 40
        Height = 13
        Caption = 'Se&ries:'
        FocusControl = CBSeries
      end
      object CBSeries: TComboBox
        Left = 60
        Top = 8
        Width = 150
        Height = 21
        Style = csDropDownList
        TabOrder = 0
      end
      object RGText: TRadioGroup
        Left = 8
        Top = 36
        Width = 120
        Height = 96
        Caption = '&Format:'
        ItemIndex = 0
        Items.Strings = (
          'Text'
          'XML'
          'HTML Table'
          'Excel')
        TabOrder = 1
        OnClick = RGTextClick
      end
      object GBInclude: TGroupBox
        Left = 136
        Top = 36
        Width = 130
        Height = 96
        Caption = '&Include:'
        TabOrder = 2
        object CBIndex: TCheckBox
          Left = 8
          Top = 16
          Width = 116
          Height = 17
          Caption = 'Point &Index'
          TabOrder = 0
        end
        object CBLabels: TCheckBox
          Left = 8
          Top = 34
          Width = 116
          Height = 17
          Caption = 'Point &Labels'
          Checked = True
          State = cbChecked
          TabOrder = 1
        end
        object CBHeader: TCheckBox
          Left = 8
          Top = 52
          Width = 116
          Height = 17
          Caption = '&Header'
          Checked = True
          State = cbChecked
          TabOrder = 2
        end
        object CBColors: TCheckBox
          Left = 8
          Top = 70
          Width = 116
          Height = 17
          Caption = 'Point &Colors'
          TabOrder = 3
        end
      end
      object LabelDelim: TLabel
        Left = 276
        Top = 40
        Width = 50
        Height = 13
        Caption = '&Delimiter:'
        FocusControl = CBDelim
      end
      object CBDelim: TComboBox
        Left = 276
        Top = 56
        Width = 90
        Height = 21
        Style = csDropDownList
        Items.Strings = (
          'Space'
          'Tab'
          'Comma'
          'Colon'
          'Custom')
        TabOrder = 3
        OnChange = CBDelimChange
      end
      object ECustom: TEdit
        Left = 372
        Top = 56
        Width = 24
        Height = 21
        MaxLength = 1
        TabOrder = 4
      end
      object LabelQuotes: TLabel
        Left = 276
        Top = 88
        Width = 60
        Height = 13
        Caption = 'Text &Quotes:'
        FocusControl = EQuotes
      end
      object EQuotes: TEdit
        Left = 372
        Top = 84
        Width = 24
        Height = 21
        MaxLength = 1
        TabOrder = 5
      end
      object CBUseSeriesFormat: TCheckBox
        Left = 8
        Top = 144
        Width = 200
        Height = 17
        Caption = 'Use Series Format'
        TabOrder = 6
        OnClick = CBUseSeriesFormatClick
      end
      object LabelValueFormat: TLabel
        Left = 8
        Top = 172
        Width = 70
        Height = 13
        Caption = '&Value Format:'
        FocusControl = SeriesValueFormat
      end
      object SeriesValueFormat: TComboBox
        Left = 90
        Top = 168
        Width = 140
        Height = 21
        TabOrder = 7
      end
      object BFormat: TButton
        Left = 234
        Top = 167
        Width = 24
        Height = 23
        Caption = '...'
        TabOrder = 8
        OnClick = BFormatClick
      end
    end
  end
  object PanelButtons: TPanel
    Left = 0
    Top = 282
    Width = 437
    Height = 38
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 1
    object BCopy: TButton
      Left = 8
      Top = 7
      Width = 75
      Height = 25
      Caption = '&Copy'
      TabOrder = 0
      OnClick = BCopyClick
    end
    object BSave: TButton
      Left = 90
      Top = 7
      Width = 75
      Height = 25
      Caption = '&Save...'
      TabOrder = 1
      OnClick = BSaveClick
    end
    object BSend: TButton
      Left = 172
      Top = 7
      Width = 75
      Height = 25
      Caption = 'S&end...'
      TabOrder = 2
      OnClick = BSendClick
    end
    object BClose: TButton
      Left = 354
      Top = 7
      Width = 75
      Height = 25
      Cancel = True
      Caption = 'Close'
      Default = True
      ModalResult = 2
      TabOrder = 3
    end
  end
  object SaveDialogPicture: TSaveDialog
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
  end
  object SaveDialogData: TSaveDialog
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
  end
  object SaveDialogNative: TSaveDialog
    Filter = 'Native tee files|*.TEE'
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
  end
end
