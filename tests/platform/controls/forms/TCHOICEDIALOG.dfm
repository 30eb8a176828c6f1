object ChoiceDialog: TChoiceDialog
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Devices'
  ClientHeight = 180
  ClientWidth = 310
  Position = poMainFormCenter
  object Bevel1: TBevel
    Left = 8
    Top = 8
    Width = 297
    Height = 137
    Shape = bsFrame
  end
  object lblChoice: TLabel
    Left = 30
    Top = 32
    Width = 200
    Height = 26
    Caption = 'Multiple devices found.'#13#10'Please choose a device to connect to:'
  end
  object cbChoice: TComboBoxEx
    Left = 30
    Top = 88
    Width = 251
    Height = 22
    Style = csExDropDownList
    TabOrder = 2
  end
  object cbSorted: TComboBox
    Left = 30
    Top = 116
    Width = 100
    Height = 21
    ItemIndex = 1
    Sorted = True
    Style = csDropDownList
    Items.Strings = (
      'pear'
      'Apple'
      'fig')
    TabOrder = 3
  end
  object OKBtn: TButton
    Left = 150
    Top = 151
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 0
  end
  object CancelBtn: TButton
    Left = 230
    Top = 151
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 1
  end
end
