object RefuseForm: TRefuseForm
  Left = 0
  Top = 0
  Caption = 'Refuse'
  ClientHeight = 100
  ClientWidth = 200
  OnCloseQuery = FormCloseQuery
  object Tabs: TTabControl
    Left = 0
    Top = 0
    Width = 120
    Height = 80
    OnChanging = TabsChanging
  end
  object Spin: TUpDown
    Left = 150
    Top = 0
    Width = 17
    Height = 25
    OnChanging = SpinChanging
  end
end
