object BaseSourceEditor: TBaseSourceEditor
  Left = 0
  Top = 0
  Align = alClient
  BorderStyle = bsNone
  ClientHeight = 250
  ClientWidth = 420
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  OnShow = FormShow
  object Pan: TPanel
    Left = 0
    Top = 0
    Width = 420
    Height = 33
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object LLabel: TLabel
      Left = 8
      Top = 10
      Width = 37
      Height = 13
      Caption = '&Source:'
      FocusControl = CBSources
    end
    object CBSources: TComboFlat
      Left = 70
      Top = 6
      Width = 165
      Height = 21
      Style = csDropDownList
      DropDownCount = 12
      TabOrder = 0
    end
    object BApply: TButton
      Left = 337
      Top = 4
      Width = 75
      Height = 25
      Anchors = [akTop, akRight]
      Caption = '&Apply'
      Enabled = False
      TabOrder = 1
      OnClick = BApplyClick
    end
  end
end
