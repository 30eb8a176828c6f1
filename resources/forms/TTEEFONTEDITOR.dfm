object TeeFontEditor: TTeeFontEditor
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'TeeFont Editor'
  ClientHeight = 236
  ClientWidth = 310
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 310
    Height = 196
    ActivePage = TabFont
    Align = alClient
    TabOrder = 0
    OnChange = PageControl1Change
    object TabFont: TTabSheet
      Caption = 'Font'
      object Label1: TLabel
        Left = 8
        Top = 10
        Width = 31
        Height = 13
        Caption = '&Name:'
        FocusControl = CBName
      end
      object Label2: TLabel
        Left = 8
        Top = 40
        Width = 23
        Height = 13
        Caption = '&Size:'
        FocusControl = ESize
      end
      object CBName: TComboFlat
        Left = 48
        Top = 6
        Width = 240
        Height = 21
        DropDownCount = 15
        Sorted = True
        TabOrder = 0
        OnChange = CBNameChange
      end
      object ESize: TEdit
        Left = 48
        Top = 36
        Width = 40
        Height = 21
        TabOrder = 1
        Text = '8'
        OnChange = ESizeChange
      end
      object UDSize: TUpDown
        Left = 88
        Top = 36
        Width = 16
        Height = 21
        Associate = ESize
        Max = 1500
        Min = 1
        Position = 8
        Thousands = False
        TabOrder = 2
      end
      object GroupBox1: TGroupBox
        Left = 8
        Top = 64
        Width = 150
        Height = 96
        Caption = 'Style:'
        TabOrder = 3
        object CBBold: TCheckBox
          Left = 10
          Top = 18
          Width = 120
          Height = 17
          Caption = '&Bold'
          TabOrder = 0
          OnClick = CBBoldClick
        end
        object CBItalic: TCheckBox
          Left = 10
          Top = 36
          Width = 120
          Height = 17
          Caption = '&Italic'
          TabOrder = 1
          OnClick = CBItalicClick
        end
        object CBUnder: TCheckBox
          Left = 10
          Top = 54
          Width = 120
          Height = 17
          Caption = '&Underline'
          TabOrder = 2
          OnClick = CBUnderClick
        end
        object CBStrike: TCheckBox
          Left = 10
          Top = 72
          Width = 120
          Height = 17
          Caption = 'Strikeout'
          TabOrder = 3
          OnClick = CBStrikeClick
        end
      end
      object BColor: TButtonColor
        Left = 180
        Top = 70
        Width = 100
        Height = 25
        Caption = '&Color...'
        TabOrder = 4
      end
      object Button3: TButton
        Left = 180
        Top = 104
        Width = 100
        Height = 25
        Caption = '&Edit...'
        TabOrder = 5
        OnClick = Button3Click
      end
    end
    object TabOptions: TTabSheet
      Caption = 'Options'
      object Label3: TLabel
        Left = 8
        Top = 12
        Width = 100
        Height = 13
        Caption = '&Inter-char spacing:'
        FocusControl = EInter
      end
      object EInter: TEdit
        Left = 120
        Top = 8
        Width = 40
        Height = 21
        TabOrder = 0
        Text = '0'
        OnChange = EInterChange
      end
      object UDInter: TUpDown
        Left = 160
        Top = 8
        Width = 16
        Height = 21
        Associate = EInter
        Max = 100
        Min = -100
        Thousands = False
        TabOrder = 1
      end
      object BOutline: TButtonPen
        Left = 8
        Top = 44
        Width = 100
        Height = 25
        Caption = '&Outline...'
        TabOrder = 2
      end
      object CBOutGrad: TCheckBox
        Left = 8
        Top = 80
        Width = 160
        Height = 17
        Caption = 'O&utline gradient'
        TabOrder = 3
        OnClick = CBOutGradClick
      end
    end
    object TabShadow: TTabSheet
      Caption = 'Shadow'
    end
    object TabGradient: TTabSheet
      Caption = 'Gradient'
    end
    object TabPicture: TTabSheet
      Caption = 'Picture'
    end
  end
  object PanelButtons: TPanel
    Left = 0
    Top = 196
    Width = 310
    Height = 40
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 1
    object BOK: TButton
      Left = 140
      Top = 8
      Width = 75
      Height = 25
      Caption = 'OK'
      Default = True
      ModalResult = 1
      TabOrder = 0
    end
    object BCancel: TButton
      Left = 225
      Top = 8
      Width = 75
      Height = 25
      Cancel = True
      Caption = 'Cancel'
      TabOrder = 1
      OnClick = BCancelClick
    end
  end
end
