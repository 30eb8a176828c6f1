object SelectListForm: TSelectListForm
  BorderIcons = [biSystemMenu]
  ClientHeight = 190
  ClientWidth = 352
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnCreate = FormCreate
  OnShow = FormShow
  object PanelFrom: TPanel
    Left = 0
    Top = 0
    Width = 145
    Height = 190
    Align = alLeft
    BevelOuter = bvNone
    TabOrder = 0
    object L22: TLabel
      Left = 4
      Top = 4
      Width = 47
      Height = 13
      Caption = 'A&vailable:'
      FocusControl = FromList
    end
    object FromList: TListBox
      Left = 4
      Top = 20
      Width = 137
      Height = 166
      MultiSelect = True
      TabOrder = 0
      OnClick = ListClick
      OnDblClick = FromListDblClick
    end
  end
  object PanelButtons: TPanel
    Left = 145
    Top = 0
    Width = 40
    Height = 190
    Align = alLeft
    BevelOuter = bvNone
    TabOrder = 1
    object BRightOne: TButton
      Left = 6
      Top = 28
      Width = 28
      Height = 25
      Caption = '>'
      TabOrder = 0
      OnClick = BRightOneClick
    end
    object BRightAll: TButton
      Left = 6
      Top = 58
      Width = 28
      Height = 25
      Caption = '>>'
      TabOrder = 1
      OnClick = BRightAllClick
    end
    object BLeftOne: TButton
      Left = 6
      Top = 98
      Width = 28
      Height = 25
      Caption = '<'
      TabOrder = 2
      OnClick = BLeftOneClick
    end
    object BLeftAll: TButton
      Left = 6
      Top = 128
      Width = 28
      Height = 25
      Caption = '<<'
      TabOrder = 3
      OnClick = BLeftAllClick
    end
  end
  object PanelTo: TPanel
    Left = 185
    Top = 0
    Width = 167
    Height = 190
    Align = alClient
    BevelOuter = bvNone
    TabOrder = 2
    object L23: TLabel
      Left = 4
      Top = 4
      Width = 48
      Height = 13
      Caption = '&Selected: '
      FocusControl = ToList
    end
    object BMoveUP: TSpeedButton
      Left = 140
      Top = 20
      Width = 23
      Height = 22
      OnClick = BMoveUPClick
    end
    object BMoveDown: TSpeedButton
      Left = 140
      Top = 46
      Width = 23
      Height = 22
      OnClick = BMoveDownClick
    end
    object ToList: TListBox
      Left = 4
      Top = 20
      Width = 132
      Height = 166
      MultiSelect = True
      TabOrder = 0
      OnClick = ListClick
      OnDblClick = ToListDblClick
    end
  end
end
