object AxisIncrement: TAxisIncrement
  Left = 300
  Top = 200
  BorderStyle = bsDialog
  Caption = 'Axis Increment'
  ClientHeight = 128
  ClientWidth = 318
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object LCustom: TLabel
    Left = 8
    Top = 100
    Width = 52
    Height = 13
    Caption = '&Increment:'
    FocusControl = ECustom
  end
  object CBExact: TCheckBox
    Left = 8
    Top = 8
    Width = 150
    Height = 17
    Caption = '&Exact Date Time'
    TabOrder = 0
    OnClick = CBExactClick
  end
  object RadioGroup1: TRadioGroup
    Left = 8
    Top = 28
    Width = 90
    Height = 62
    Caption = 'Increment:'
    Items.Strings = (
      '&Standard:'
      '&Custom:')
    TabOrder = 1
    OnClick = RadioGroup1Click
  end
  object CBSteps: TComboBox
    Left = 104
    Top = 40
    Width = 122
    Height = 21
    Style = csDropDownList
    DropDownCount = 18
    Items.Strings = (
      'One Microsecond'
      'One Millisecond'
      'One Second'
      'Five Seconds'
      'Ten Seconds'
      'Fifteen Seconds'
      'Thirty Seconds'
      'One Minute'
      'Five Minutes'
      'Ten Minutes'
      'Fifteen Minutes'
      'Thirty Minutes'
      'One Hour'
      'Two Hours'
      'Six Hours'
      'Twelve Hours'
      'One Day'
      'Two Days'
      'Three Days'
      'One Week'
      'Half Month'
      'One Month'
      'Two Months'
      'Three Months'
      'Four Months'
      'Six Months'
      'One Year')
    TabOrder = 2
    OnChange = CBStepsChange
  end
  object ECustom: TEdit
    Left = 72
    Top = 96
    Width = 154
    Height = 21
    ParentShowHint = False
    ShowHint = True
    TabOrder = 3
  end
  object BOk: TButton
    Left = 236
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    TabOrder = 4
    OnClick = BOkClick
  end
  object BCancel: TButton
    Left = 236
    Top = 40
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 5
  end
end
