object FormSettings: TFormSettings
  BorderStyle = bsDialog
  Caption = 'Settings'
  ClientHeight = 180
  ClientWidth = 386
  Font.Height = -11
  Font.Name = 'Tahoma'
  Position = poScreenCenter
  object Bevel1: TBevel
    Left = 8
    Top = 8
    Width = 281
    Height = 161
    Shape = bsFrame
  end
  object OKBtn: TButton
    Left = 300
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 0
  end
  object CancelBtn: TButton
    Left = 300
    Top = 38
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 1
  end
  object chbTriggeredInputActive: TCheckBox
    Left = 24
    Top = 16
    Width = 257
    Height = 17
    Caption = 'Active Trigger Input'
    TabOrder = 2
  end
end
