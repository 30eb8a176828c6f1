object MenuForm: TMenuForm
  Left = 0
  Top = 0
  Caption = 'Menus'
  ClientHeight = 120
  ClientWidth = 200
  object Panel1: TPanel
    Left = 10
    Top = 10
    Width = 100
    Height = 50
    PopupMenu = PopupMenu1
  end
  object PopupMenu1: TPopupMenu
    OnPopup = PopupMenu1Popup
    object View1: TMenuItem
      Caption = '&View'
      object Small1: TMenuItem
        Caption = 'Small'
        Checked = True
        GroupIndex = 1
        RadioItem = True
        AutoCheck = True
        OnClick = ItemClick
      end
      object Large1: TMenuItem
        Caption = 'Large'
        GroupIndex = 1
        RadioItem = True
        AutoCheck = True
        OnClick = ItemClick
      end
    end
    object N1: TMenuItem
      Caption = '-'
    end
    object Save1: TMenuItem
      Caption = '&Save'
      ShortCut = 16467
      OnClick = ItemClick
    end
  end
end
