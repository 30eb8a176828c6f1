object FormTeeShape: TFormTeeShape
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Format'
  ClientHeight = 200
  ClientWidth = 320
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object PC1: TPageControl
    Left = 0
    Top = 0
    Width = 320
    Height = 200
    ActivePage = TabFormat
    Align = alClient
    TabOrder = 0
    OnChange = PC1PageChange
    object TabFormat: TTabSheet
      Caption = 'Format'
      object Label1: TLabel
        Left = 8
        Top = 106
        Width = 72
        Height = 13
        Caption = '&Transparency:'
        FocusControl = EShadowTransp
      end
      object BBackColor: TButtonColor
        Left = 8
        Top = 8
        Width = 100
        Height = 25
        Caption = '&Color...'
        TabOrder = 0
      end
      object Button6: TButton
        Left = 8
        Top = 40
        Width = 100
        Height = 25
        Caption = '&Pattern...'
        TabOrder = 1
        OnClick = Button6Click
      end
      object CBTransparent: TCheckBox
        Left = 8
        Top = 76
        Width = 120
        Height = 17
        Caption = '&Transparent'
        TabOrder = 2
        OnClick = CBTransparentClick
      end
      object EShadowTransp: TEdit
        Left = 88
        Top = 102
        Width = 40
        Height = 21
        TabOrder = 3
        Text = '0'
        OnChange = EShadowTranspChange
      end
      object UDTransp: TUpDown
        Left = 128
        Top = 102
        Width = 16
        Height = 21
        Associate = EShadowTransp
        Thousands = False
        TabOrder = 4
      end
    end
    object TabBorder: TTabSheet
      Caption = 'Border'
      object Label2: TLabel
        Left = 8
        Top = 48
        Width = 33
        Height = 13
        Caption = '&Bevel:'
        FocusControl = CBBevel
      end
      object Label3: TLabel
        Left = 150
        Top = 48
        Width = 25
        Height = 13
        Caption = 'Siz&e:'
        FocusControl = EBevWidth
      end
      object Label4: TLabel
        Left = 150
        Top = 84
        Width = 25
        Height = 13
        Caption = 'Siz&e:'
        FocusControl = ERoundSize
      end
      object Button4: TButtonPen
        Left = 8
        Top = 8
        Width = 100
        Height = 25
        Caption = '&Frame...'
        TabOrder = 0
      end
      object CBBevel: TComboFlat
        Left = 48
        Top = 44
        Width = 90
        Height = 21
        Style = csDropDownList
        TabOrder = 1
        OnChange = CBBevelChange
        Items.Strings = (
          'None'
          'Lowered'
          'Raised')
      end
      object EBevWidth: TEdit
        Left = 180
        Top = 44
        Width = 40
        Height = 21
        TabOrder = 2
        Text = '1'
        OnChange = EBevWidthChange
      end
      object UDBevW: TUpDown
        Left = 220
        Top = 44
        Width = 16
        Height = 21
        Associate = EBevWidth
        Max = 100
        Min = 1
        Position = 1
        Thousands = False
        TabOrder = 3
      end
      object CBRound: TCheckBox
        Left = 8
        Top = 82
        Width = 120
        Height = 17
        Caption = '&Round Frame'
        TabOrder = 4
        OnClick = CBRoundClick
      end
      object ERoundSize: TEdit
        Left = 180
        Top = 80
        Width = 40
        Height = 21
        TabOrder = 5
        Text = '1'
        OnChange = ERoundSizeChange
      end
      object UDRound: TUpDown
        Left = 220
        Top = 80
        Width = 16
        Height = 21
        Associate = ERoundSize
        Max = 500
        Position = 1
        Thousands = False
        TabOrder = 6
      end
    end
    object TabText: TTabSheet
      Caption = 'Text'
    end
    object TabGradient: TTabSheet
      Caption = 'Gradient'
    end
    object TabShadow: TTabSheet
      Caption = 'Shadow'
    end
    object TabPicture: TTabSheet
      Caption = 'Picture'
    end
  end
end
