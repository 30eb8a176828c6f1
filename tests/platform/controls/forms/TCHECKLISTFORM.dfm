object CheckListForm: TCheckListForm
  Left = 0
  Top = 0
  Caption = 'Checks'
  ClientHeight = 200
  ClientWidth = 300
  object Checks: TCheckListBox
    Left = 10
    Top = 10
    Width = 150
    Height = 100
    AllowGrayed = True
    ItemHeight = 16
    Items.Strings = (
      'Boost'
      'Timing')
    TabOrder = 0
    OnClickCheck = ChecksClickCheck
  end
end
