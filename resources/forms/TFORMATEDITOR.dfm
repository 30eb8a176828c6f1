object FormatEditor: TFormatEditor
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Numeric Format'
  ClientHeight = 252
  ClientWidth = 330
  Font.Height = -11
  Font.Name = 'Tahoma'
  Position = poScreenCenter
  OnShow = FormShow
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 330
    Height = 86
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object Label1: TLabel
      Left = 150
      Top = 36
      Width = 50
      Height = 13
      Caption = 'D&ecimals:'
      FocusControl = Edit1
    end
    object Label2: TLabel
      Left = 150
      Top = 62
      Width = 32
      Height = 13
      Caption = '&Fixed:'
      FocusControl = Edit2
    end
    object RBInteger: TRadioButton
      Left = 8
      Top = 8
      Width = 120
      Height = 17
      Caption = '&Number'
      Checked = True
      TabOrder = 0
      OnClick = RBIntegerClick
    end
    object CBPercent: TCheckBox
      Left = 24
      Top = 28
      Width = 110
      Height = 17
      Caption = '&Percent'
      TabOrder = 1
      OnClick = CBPercentClick
    end
    object CBThousands: TCheckBox
      Left = 24
      Top = 46
      Width = 110
      Height = 17
      Caption = '&Thousands'
      TabOrder = 2
      OnClick = ChoiceClick
    end
    object CBCurrency: TCheckBox
      Left = 24
      Top = 64
      Width = 110
      Height = 17
      Caption = 'C&urrency'
      TabOrder = 3
      OnClick = ChoiceClick
    end
    object CBFixedDecimals: TCheckBox
      Left = 150
      Top = 8
      Width = 110
      Height = 17
      Caption = 'F&ixed'
      TabOrder = 4
    end
    object Edit1: TEdit
      Left = 210
      Top = 32
      Width = 40
      Height = 21
      TabOrder = 5
      Text = '0'
    end
    object UpDown1: TUpDown
      Left = 250
      Top = 32
      Width = 16
      Height = 21
      Associate = Edit1
      Max = 20
      TabOrder = 6
    end
    object Edit2: TEdit
      Left = 210
      Top = 58
      Width = 40
      Height = 21
      TabOrder = 7
      Text = '0'
    end
    object UpDown2: TUpDown
      Left = 250
      Top = 58
      Width = 16
      Height = 21
      Associate = Edit2
      Max = 20
      TabOrder = 8
    end
  end
  object GroupBox1: TGroupBox
    Left = 0
    Top = 86
    Width = 330
    Height = 124
    Align = alClient
    TabOrder = 1
    object RBDate: TRadioButton
      Left = 8
      Top = 16
      Width = 100
      Height = 17
      Caption = '&Date Time:'
      TabOrder = 0
      OnClick = ChoiceClick
    end
    object CBDate: TComboBox
      Left = 112
      Top = 14
      Width = 206
      Height = 21
      DropDownCount = 12
      Enabled = False
      TabOrder = 1
      OnChange = CBDateChange
      Items.Strings = (
        'mm-yyyy'
        'mm-dd-yy'
        'dd-mm-yyyy'
        'mmm'
        'ddd'
        'MM')
    end
    object RBGeo: TRadioButton
      Left = 8
      Top = 52
      Width = 100
      Height = 17
      Caption = '&Geographic:'
      TabOrder = 2
      OnClick = ChoiceClick
    end
    object CBGeo: TComboBox
      Left = 112
      Top = 50
      Width = 206
      Height = 21
      DropDownCount = 12
      Enabled = False
      TabOrder = 3
      OnChange = CBGeoChange
    end
    object RBCustom: TRadioButton
      Left = 8
      Top = 88
      Width = 100
      Height = 17
      Caption = '&Custom:'
      TabOrder = 4
      OnClick = ChoiceClick
    end
    object CBCustom: TComboBox
      Left = 112
      Top = 86
      Width = 206
      Height = 21
      Enabled = False
      TabOrder = 5
      OnChange = CBCustomChange
    end
  end
  object Panel2: TPanel
    Left = 0
    Top = 210
    Width = 330
    Height = 42
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 2
    object BOK: TButton
      Left = 160
      Top = 9
      Width = 75
      Height = 25
      Caption = 'OK'
      Default = True
      ModalResult = 1
      TabOrder = 0
    end
    object BCancel: TButton
      Left = 245
      Top = 9
      Width = 75
      Height = 25
      Cancel = True
      Caption = 'Cancel'
      ModalResult = 2
      TabOrder = 1
    end
  end
end
