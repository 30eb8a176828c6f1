object PenDialog: TPenDialog
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Border Editor'
  ClientHeight = 152
  ClientWidth = 306
  Font.Height = -11
  Font.Name = 'Tahoma'
  Position = poScreenCenter
  OnShow = FormShow
  object LWidth: TLabel
    Left = 8
    Top = 39
    Width = 32
    Height = 13
    Caption = '&Width:'
    FocusControl = SEWidth
  end
  object LStyle: TLabel
    Left = 8
    Top = 67
    Width = 28
    Height = 13
    Caption = '&Style:'
    FocusControl = CBStyle
  end
  object LSpace: TLabel
    Left = 8
    Top = 123
    Width = 34
    Height = 13
    Caption = 'Sp&ace:'
    FocusControl = ESpace
  end
  object CBVisible: TCheckBox
    Left = 8
    Top = 8
    Width = 97
    Height = 17
    HelpContext = 680
    Caption = '&Visible'
    TabOrder = 0
    OnClick = CBVisibleClick
  end
  object SEWidth: TEdit
    Left = 56
    Top = 35
    Width = 33
    Height = 21
    TabOrder = 1
    Text = '1'
    OnChange = SEWidthChange
  end
  object UDWidth: TUpDown
    Left = 89
    Top = 35
    Width = 16
    Height = 21
    Associate = SEWidth
    Min = 1
    Position = 1
    TabOrder = 2
  end
  object CBStyle: TComboFlat
    Left = 56
    Top = 63
    Width = 145
    Height = 22
    Style = csOwnerDrawFixed
    ItemHeight = 16
    TabOrder = 4
    OnChange = CBStyleChange
    OnDrawItem = CBStyleDrawItem
    Items.Strings = (
      'Solid'
      'Dash'
      'Dot'
      'Dash Dot'
      'Dash Dot Dot')
  end
  object CBEndStyle: TComboFlat
    Left = 56
    Top = 91
    Width = 145
    Height = 21
    HelpContext = 1828
    TabOrder = 5
    OnChange = CBEndStyleChange
    Items.Strings = (
      'Round'
      'Square'
      'Flat')
  end
  object ESpace: TEdit
    Left = 56
    Top = 119
    Width = 33
    Height = 21
    Enabled = False
    TabOrder = 6
    Text = '1'
    OnChange = ESpaceChange
  end
  object UDSpace: TUpDown
    Left = 89
    Top = 119
    Width = 16
    Height = 21
    Associate = ESpace
    Enabled = False
    Min = 1
    Position = 1
    TabOrder = 7
  end
  object BColor: TButtonColor
    Left = 120
    Top = 33
    Width = 81
    Height = 25
    Caption = '&Color...'
    TabOrder = 3
    OnClick = BColorClick
  end
  object BOk: TButton
    Left = 222
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 8
  end
  object BCancel: TButton
    Left = 222
    Top = 40
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 9
    OnClick = BCancelClick
  end
end
