object TeeToolsGallery: TTeeToolsGallery
  Left = 300
  Top = 200
  BorderStyle = bsDialog
  Caption = 'Chart Tools Gallery'
  ClientHeight = 300
  ClientWidth = 480
  Font.Height = -11
  Font.Name = 'Tahoma'
  Position = poScreenCenter
  OnShow = FormShow
  object PanelDemos: TPanel
    Left = 240
    Top = 0
    Width = 240
    Height = 259
    Align = alClient
    BevelOuter = bvNone
    Color = clWhite
    TabOrder = 1
    object Panel1: TPanel
      Left = 0
      Top = 0
      Width = 240
      Height = 4
      Align = alTop
      BevelOuter = bvNone
      TabOrder = 0
    end
    object Panel2: TPanel
      Left = 0
      Top = 255
      Width = 240
      Height = 4
      Align = alBottom
      BevelOuter = bvNone
      TabOrder = 1
    end
  end
  object TabControl1: TTabControl
    Left = 0
    Top = 0
    Width = 240
    Height = 259
    HelpContext = 1474
    Align = alLeft
    TabOrder = 0
    OnChange = TabControl1Change
    object LBTool: TListBox
      Left = 4
      Top = 24
      Width = 232
      Height = 161
      Align = alClient
      Style = lbOwnerDrawFixed
      ItemHeight = 18
      Sorted = True
      TabOrder = 0
      OnClick = LBToolClick
      OnDblClick = LBToolDblClick
      OnDrawItem = LBToolDrawItem
    end
    object MemoDesc: TMemo
      Left = 4
      Top = 185
      Width = 232
      Height = 70
      TabStop = False
      Align = alBottom
      Color = clInfoBk
      ReadOnly = True
      TabOrder = 1
    end
  end
  object PanelBottom: TPanel
    Left = 0
    Top = 259
    Width = 480
    Height = 41
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 2
    object LabelClass: TLabel
      Left = 8
      Top = 14
      Width = 6
      Height = 13
      Caption = '?'
    end
    object CBView3D: TCheckBox
      Left = 40
      Top = 12
      Width = 70
      Height = 17
      Caption = '&View 3D'
      TabOrder = 0
      OnClick = CBView3DClick
    end
    object BOk: TButton
      Left = 318
      Top = 8
      Width = 75
      Height = 25
      HelpContext = 1773
      Anchors = [akTop, akRight]
      Caption = '&Add'
      Default = True
      Enabled = False
      ModalResult = 1
      TabOrder = 1
    end
    object BCan: TButton
      Left = 400
      Top = 8
      Width = 75
      Height = 25
      Anchors = [akTop, akRight]
      Cancel = True
      Caption = 'Cancel'
      ModalResult = 2
      TabOrder = 2
    end
  end
end
