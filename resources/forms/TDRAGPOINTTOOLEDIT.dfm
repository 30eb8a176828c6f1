inherited DragPointToolEdit: TDragPointToolEdit
  object RGStyle: TRadioGroup
    Left = 8
    Top = 38
    Width = 113
    Height = 81
    Caption = 'Drag Style:'
    ItemIndex = 2
    Items.Strings = (
      '&X'
      '&Y'
      '&Both')
    TabOrder = 1
    OnClick = RGStyleClick
  end
  object Label2: TLabel
    Left = 132
    Top = 42
    Width = 39
    Height = 13
    Caption = '&Cursor:'
    FocusControl = CBCursor
  end
  object CBCursor: TComboFlat
    Left = 132
    Top = 58
    Width = 121
    Height = 21
    Style = csDropDownList
    DropDownCount = 16
    TabOrder = 2
    OnChange = CBCursorChange
  end
end
