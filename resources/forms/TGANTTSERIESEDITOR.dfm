object GanttSeriesEditor: TGanttSeriesEditor
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Gantt'
  ClientHeight = 208
  ClientWidth = 169
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object Label1: TLabel
    Left = 8
    Top = 12
    Width = 35
    Height = 13
    Caption = '&Height:'
    FocusControl = SEPointVertSize
  end
  object Label2: TLabel
    Left = 8
    Top = 140
    Width = 72
    Height = 13
    Caption = '&Transparency:'
    FocusControl = Edit1
  end
  object SEPointVertSize: TEdit
    Left = 60
    Top = 8
    Width = 40
    Height = 21
    TabOrder = 0
    Text = '1'
    OnChange = SEPointVertSizeChange
  end
  object UDPointVertSize: TUpDown
    Left = 100
    Top = 8
    Width = 16
    Height = 21
    Associate = SEPointVertSize
    Min = 1
    Max = 1000
    Position = 1
    Thousands = False
    TabOrder = 1
  end
  object BConnLines: TButtonPen
    Left = 8
    Top = 40
    Width = 140
    Height = 25
    Caption = 'Co&nnecting Lines...'
    TabOrder = 2
  end
  object CBColorEach: TCheckBox
    Left = 8
    Top = 76
    Width = 140
    Height = 17
    Caption = 'Color &Each'
    TabOrder = 3
    OnClick = CBColorEachClick
  end
  object BColor: TButtonColor
    Left = 8
    Top = 100
    Width = 100
    Height = 25
    Caption = '&Color...'
    TabOrder = 4
  end
  object Edit1: TEdit
    Left = 90
    Top = 136
    Width = 40
    Height = 21
    TabOrder = 5
    Text = '0'
    OnChange = Edit1Change
  end
  object UpDown1: TUpDown
    Left = 130
    Top = 136
    Width = 16
    Height = 21
    Associate = Edit1
    Thousands = False
    TabOrder = 6
  end
end
