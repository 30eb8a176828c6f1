object FormTeeTools: TFormTeeTools
  Left = 0
  Top = 0
  BorderStyle = bsNone
  ClientHeight = 270
  ClientWidth = 404
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object PTop: TPanel
    Left = 0
    Top = 0
    Width = 404
    Height = 41
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object BClone: TSpeedButton
      Left = 172
      Top = 8
      Width = 25
      Height = 25
      Hint = 'Clone'
      Enabled = False
      ParentShowHint = False
      ShowHint = True
      OnClick = BCloneClick
    end
    object BMoveUp: TSpeedButton
      Left = 346
      Top = 8
      Width = 25
      Height = 25
      Anchors = [akTop, akRight]
      Enabled = False
      OnClick = BMoveUpClick
    end
    object BMoveDown: TSpeedButton
      Left = 374
      Top = 8
      Width = 25
      Height = 25
      Anchors = [akTop, akRight]
      Enabled = False
      OnClick = BMoveDownClick
    end
    object BAdd: TButton
      Left = 6
      Top = 8
      Width = 75
      Height = 25
      Hint = 'Add'
      HelpContext = 1773
      Caption = '&Add...'
      ParentShowHint = False
      ShowHint = True
      TabOrder = 0
      OnClick = BAddClick
    end
    object BDelete: TButton
      Left = 89
      Top = 8
      Width = 75
      Height = 25
      Hint = 'Remove'
      Caption = '&Delete'
      Enabled = False
      ParentShowHint = False
      ShowHint = True
      TabOrder = 1
      OnClick = BDeleteClick
    end
    object CBActive: TCheckBox
      Left = 208
      Top = 4
      Width = 97
      Height = 17
      HelpContext = 1773
      Caption = 'A&ctive'
      TabOrder = 2
      OnClick = CBActiveClick
    end
    object CBShowInEditor: TCheckBox
      Left = 208
      Top = 21
      Width = 130
      Height = 17
      Caption = 'Show in this editor'
      TabOrder = 3
      Visible = False
      OnClick = CBShowInEditorClick
    end
  end
  object LBTools: TListBox
    Left = 0
    Top = 41
    Width = 100
    Height = 212
    HelpContext = 1773
    Align = alLeft
    Style = lbOwnerDrawFixed
    ItemHeight = 18
    TabOrder = 1
    OnClick = LBToolsClick
    OnDrawItem = LBToolsDrawItem
  end
  object Splitter1: TSplitter
    Left = 100
    Top = 41
    Width = 3
    Height = 212
  end
  object PanelToolEditor: TPanel
    Left = 103
    Top = 41
    Width = 301
    Height = 212
    Align = alClient
    BevelOuter = bvLowered
    TabOrder = 2
  end
  object PBottom: TPanel
    Left = 0
    Top = 253
    Width = 404
    Height = 17
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 3
    Visible = False
  end
end
