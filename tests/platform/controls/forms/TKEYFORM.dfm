object KeyForm: TKeyForm
  Left = 0
  Top = 0
  Caption = 'Keys'
  ClientHeight = 200
  ClientWidth = 300
  object Group: TTestBox
    Left = 0
    Top = 0
    Width = 300
    Height = 150
    TabOrder = 0
    object Edit3: TTestBox
      Left = 10
      Top = 10
      Width = 50
      Height = 20
      TabOrder = 2
      TabStop = True
    end
    object Edit1: TTestBox
      Left = 10
      Top = 40
      Width = 50
      Height = 20
      TabOrder = 0
      TabStop = True
    end
    object NoStop: TTestBox
      Left = 10
      Top = 70
      Width = 50
      Height = 20
      TabOrder = 1
    end
    object Edit2: TTestBox
      Left = 10
      Top = 100
      Width = 50
      Height = 20
      TabOrder = 3
      TabStop = True
    end
  end
  object OkButton: TTestButton
    Left = 10
    Top = 160
    Width = 60
    Height = 25
    Default = True
    TabOrder = 1
    OnClick = OkClick
  end
  object CancelButton: TTestButton
    Left = 80
    Top = 160
    Width = 60
    Height = 25
    Cancel = True
    TabOrder = 2
    OnClick = CancelClick
  end
end
