object AxisMaxMin: TAxisMaxMin
  Left = 300
  Top = 200
  BorderStyle = bsDialog
  Caption = 'Axis Maximum and Minimum'
  ClientHeight = 82
  ClientWidth = 262
  Font.Height = -11
  Font.Name = 'Tahoma'
  Position = poScreenCenter
  OnShow = FormShow
  object Label1: TLabel
    Left = 8
    Top = 12
    Width = 27
    Height = 13
    Caption = '&Date:'
    FocusControl = EMaximum
  end
  object Label2: TLabel
    Left = 8
    Top = 44
    Width = 27
    Height = 13
    Caption = '&Time:'
    FocusControl = EMinimum
  end
  object EMaximum: TEdit
    Left = 48
    Top = 8
    Width = 121
    Height = 21
    Hint = 'Enter Date'
    ParentShowHint = False
    ShowHint = True
    TabOrder = 0
  end
  object EMinimum: TEdit
    Left = 48
    Top = 40
    Width = 121
    Height = 21
    Hint = 'Enter Time'
    ParentShowHint = False
    ShowHint = True
    TabOrder = 1
  end
  object BOk: TButton
    Left = 180
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    TabOrder = 2
    OnClick = BOkClick
  end
  object BCancel: TButton
    Left = 180
    Top = 40
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 3
  end
end
