object FormTeePanel: TFormTeePanel
  Left = 0
  Top = 0
  Align = alClient
  BorderStyle = bsNone
  Caption = 'Panel Editor'
  ClientHeight = 240
  ClientWidth = 440
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 440
    Height = 240
    Align = alClient
    TabOrder = 21
    OnChange = PageControl1Change
    object TabColor: TTabSheet
      Caption = 'Color'
      object BPanelColor: TButtonColor
        Left = 8
        Top = 8
        Width = 110
        Height = 25
        Caption = '&Color...'
        TabOrder = 0
        OnClick = BPanelColorClick
      end
      object CBColorDef: TCheckBox
        Left = 130
        Top = 12
        Width = 90
        Height = 17
        Caption = '&Default'
        TabOrder = 1
        OnClick = CBColorDefClick
      end
      object CBImageInside: TCheckBox
        Left = 8
        Top = 44
        Width = 160
        Height = 17
        Caption = 'Back Image I&nside'
        TabOrder = 2
        OnClick = CBImageInsideClick
      end
    end
    object TabBorders: TTabSheet
      Caption = 'Borders'
      object LPanelBor: TLabel
        Left = 8
        Top = 12
        Width = 90
        Height = 13
        Caption = '&Separation:'
        FocusControl = SEPanelBor
      end
      object SEPanelBor: TEdit
        Left = 102
        Top = 8
        Width = 44
        Height = 21
        Text = '0'
        TabOrder = 3
        OnChange = SEPanelBorChange
      end
      object UDPanelBor: TUpDown
        Left = 146
        Top = 8
        Width = 15
        Height = 21
        Associate = SEPanelBor
        Min = 0
        Max = 100
        Position = 0
        TabOrder = 4
      end
      object LPanelWi: TLabel
        Left = 8
        Top = 40
        Width = 90
        Height = 13
        Caption = 'Widt&h:'
        FocusControl = SEPanelWi
      end
      object SEPanelWi: TEdit
        Left = 102
        Top = 36
        Width = 44
        Height = 21
        Text = '1'
        TabOrder = 5
        OnChange = SEPanelWiChange
      end
      object UDPanelWi: TUpDown
        Left = 146
        Top = 36
        Width = 15
        Height = 21
        Associate = SEPanelWi
        Min = 1
        Max = 100
        Position = 1
        TabOrder = 6
      end
      object LRound: TLabel
        Left = 8
        Top = 68
        Width = 90
        Height = 13
        Caption = '&Round border:'
        FocusControl = ERound
      end
      object ERound: TEdit
        Left = 102
        Top = 64
        Width = 44
        Height = 21
        Text = '0'
        TabOrder = 7
        OnChange = ERoundChange
      end
      object UDRound: TUpDown
        Left = 146
        Top = 64
        Width = 15
        Height = 21
        Associate = ERound
        Min = 0
        Max = 10000
        Position = 0
        TabOrder = 8
      end
      object LInner: TLabel
        Left = 180
        Top = 12
        Width = 80
        Height = 13
        Caption = 'Bevel &inner:'
        FocusControl = CBInner
      end
      object CBInner: TComboFlat
        Left = 264
        Top = 8
        Width = 90
        Height = 21
        Style = csDropDownList
        Items.Strings = (
          'None'
          'Lowered'
          'Raised')
        TabOrder = 9
        OnChange = CBInnerChange
      end
      object LOuter: TLabel
        Left = 180
        Top = 40
        Width = 80
        Height = 13
        Caption = 'Bevel &outer:'
        FocusControl = CBOuter
      end
      object CBOuter: TComboFlat
        Left = 264
        Top = 36
        Width = 90
        Height = 21
        Style = csDropDownList
        Items.Strings = (
          'None'
          'Lowered'
          'Raised')
        TabOrder = 10
        OnChange = CBOuterChange
      end
      object BBorder: TButtonPen
        Left = 180
        Top = 68
        Width = 110
        Height = 25
        Caption = '&Border...'
        TabOrder = 11
      end
    end
    object TabMargins: TTabSheet
      Caption = 'Margins'
      object SETopMa: TEdit
        Left = 80
        Top = 8
        Width = 44
        Height = 21
        Text = '3'
        TabOrder = 12
        OnChange = SETopMaChange
      end
      object UDTopMa: TUpDown
        Left = 124
        Top = 8
        Width = 15
        Height = 21
        Associate = SETopMa
        Min = 0
        Max = 100
        Position = 3
        Increment = 5
        TabOrder = 13
      end
      object SELeftMa: TEdit
        Left = 20
        Top = 40
        Width = 44
        Height = 21
        Text = '3'
        TabOrder = 14
        OnChange = SELeftMaChange
      end
      object UDLeftMa: TUpDown
        Left = 64
        Top = 40
        Width = 15
        Height = 21
        Associate = SELeftMa
        Min = 0
        Max = 100
        Position = 3
        Increment = 5
        TabOrder = 15
      end
      object SERightMa: TEdit
        Left = 140
        Top = 40
        Width = 44
        Height = 21
        Text = '3'
        TabOrder = 16
        OnChange = SERightMaChange
      end
      object UDRightMa: TUpDown
        Left = 184
        Top = 40
        Width = 15
        Height = 21
        Associate = SERightMa
        Min = 0
        Max = 100
        Position = 3
        Increment = 5
        TabOrder = 17
      end
      object SEBotMa: TEdit
        Left = 80
        Top = 72
        Width = 44
        Height = 21
        Text = '3'
        TabOrder = 18
        OnChange = SEBotMaChange
      end
      object UDBotMa: TUpDown
        Left = 124
        Top = 72
        Width = 15
        Height = 21
        Associate = SEBotMa
        Min = 0
        Max = 100
        Position = 3
        Increment = 5
        TabOrder = 19
      end
      object LMarUnits: TLabel
        Left = 20
        Top = 112
        Width = 50
        Height = 13
        Caption = '&Units:'
        FocusControl = CBMarUnits
      end
      object CBMarUnits: TComboFlat
        Left = 74
        Top = 108
        Width = 90
        Height = 21
        Style = csDropDownList
        Items.Strings = (
          'Percent'
          'Pixels')
        TabOrder = 20
        OnChange = CBMarUnitsChange
      end
    end
    object TabGradient: TTabSheet
      Caption = 'Gradient'
    end
    object TabShadow: TTabSheet
      Caption = 'Shadow'
    end
    object TabImage: TTabSheet
      Caption = 'Image'
    end
  end
end
