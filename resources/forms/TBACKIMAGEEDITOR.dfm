object BackImageEditor: TBackImageEditor
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Picture'
  ClientHeight = 210
  ClientWidth = 320
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object Bevel1: TBevel
    Left = 8
    Top = 8
    Width = 84
    Height = 84
  end
  object Image1: TImage
    Left = 10
    Top = 10
    Width = 80
    Height = 80
    Stretch = True
  end
  object LabelSize: TLabel
    Left = 8
    Top = 98
    Width = 20
    Height = 13
    Caption = '0x0'
  end
  object LabelExt: TLabel
    Left = 8
    Top = 114
    Width = 3
    Height = 13
  end
  object RGBitmap: TRadioGroup
    Left = 104
    Top = 4
    Width = 100
    Height = 92
    Caption = 'St&yle'
    Items.Strings = (
      'Stretch'
      'Tile'
      'Center'
      'C&ustom')
    TabOrder = 0
    OnClick = RGBitmapClick
  end
  object BBrowse: TButton
    Left = 216
    Top = 8
    Width = 96
    Height = 25
    Caption = 'B&rowse...'
    TabOrder = 1
    OnClick = BBrowseClick
  end
  object CBTransp: TCheckBox
    Left = 216
    Top = 40
    Width = 96
    Height = 17
    Caption = '&Transparent'
    TabOrder = 2
    OnClick = CBTranspClick
  end
  object Button1: TButton
    Left = 216
    Top = 64
    Width = 96
    Height = 25
    Caption = '&Filters...'
    TabOrder = 3
    OnClick = Button1Click
  end
  object GBPosition: TGroupBox
    Left = 104
    Top = 100
    Width = 208
    Height = 62
    Caption = 'Position:'
    TabOrder = 4
    object Label1: TLabel
      Left = 8
      Top = 22
      Width = 23
      Height = 13
      Caption = '&Left:'
      FocusControl = ELeft
    end
    object Label2: TLabel
      Left = 104
      Top = 22
      Width = 24
      Height = 13
      Caption = 'T&op:'
      FocusControl = ETop
    end
    object ELeft: TEdit
      Left = 40
      Top = 18
      Width = 40
      Height = 21
      TabOrder = 0
      Text = '0'
      OnChange = ELeftChange
    end
    object UDLeft: TUpDown
      Left = 80
      Top = 18
      Width = 16
      Height = 21
      Associate = ELeft
      Thousands = False
      TabOrder = 1
    end
    object ETop: TEdit
      Left = 136
      Top = 18
      Width = 40
      Height = 21
      TabOrder = 2
      Text = '0'
      OnChange = ETopChange
    end
    object UDTop: TUpDown
      Left = 176
      Top = 18
      Width = 16
      Height = 21
      Associate = ETop
      Thousands = False
      TabOrder = 3
    end
  end
  object PanelButtons: TPanel
    Left = 0
    Top = 170
    Width = 320
    Height = 40
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 5
    Visible = False
    object BOK: TButton
      Left = 150
      Top = 8
      Width = 75
      Height = 25
      Caption = 'OK'
      Default = True
      ModalResult = 1
      TabOrder = 0
    end
    object BCancel: TButton
      Left = 235
      Top = 8
      Width = 75
      Height = 25
      Cancel = True
      Caption = 'Cancel'
      ModalResult = 2
      TabOrder = 1
    end
  end
end
