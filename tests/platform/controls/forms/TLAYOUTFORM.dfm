object LayoutForm: TLayoutForm
  Left = 0
  Top = 0
  Caption = 'Layout'
  ClientHeight = 300
  ClientWidth = 400
  OnCreate = FormCreate
  OnResize = FormResize
  object Right1: TTestBox
    Left = 200
    Top = 0
    Width = 50
    Height = 10
    Align = alLeft
  end
  object Left1: TTestBox
    Left = 0
    Top = 0
    Width = 30
    Height = 10
    Align = alLeft
  end
  object Mid1: TTestBox
    Left = 100
    Top = 0
    Width = 40
    Height = 10
    Align = alLeft
  end
  object Bottom2: TTestBox
    Left = 0
    Top = 200
    Width = 10
    Height = 10
    Align = alBottom
  end
  object Bottom1: TTestBox
    Left = 0
    Top = 250
    Width = 10
    Height = 20
    Align = alBottom
  end
  object Top2: TTestBox
    Left = 0
    Top = 50
    Width = 10
    Height = 15
    Align = alTop
  end
  object Top1: TTestBox
    Left = 0
    Top = 0
    Width = 10
    Height = 25
    Align = alTop
  end
  object Client1: TTestBox
    Left = 0
    Top = 0
    Width = 10
    Height = 10
    Align = alClient
  end
  object Corner: TTestBox
    Left = 350
    Top = 260
    Width = 40
    Height = 30
    Anchors = [akRight, akBottom]
  end
  object Stretch: TTestBox
    Left = 10
    Top = 100
    Width = 300
    Height = 20
    Anchors = [akLeft, akTop, akRight]
    Constraints.MaxWidth = 350
  end
end
