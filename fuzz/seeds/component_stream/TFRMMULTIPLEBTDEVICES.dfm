object frmMultipleBtDevices: TfrmMultipleBtDevices
  BorderStyle = bsDialog
  Caption = 'Devices'
  ClientHeight = 180
  ClientWidth = 310
  Font.Height = -11
  Font.Name = 'Tahoma'
  Position = poMainFormCenter
  object Bevel1: TBevel
    Left = 8
    Top = 8
    Width = 297
    Height = 137
    Shape = bsFrame
  end
  object lblBtDeviceSelect: TLabel
    Left = 30
    Top = 32
    Caption = 'Multiple devices found.'#13#10'Please choose a device to connect to:'
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
  object cbBtDeviceSelect: TComboBoxEx
    Left = 30
    Top = 88
    Width = 251
    Style = csExDropDownList
    TabOrder = 2
  end
end
