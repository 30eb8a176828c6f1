object AreaSeriesEditor: TAreaSeriesEditor
  Left = 0
  Top = 0
  Align = alClient
  BorderStyle = bsDialog
  ClientHeight = 236
  ClientWidth = 318
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 318
    Height = 236
    ActivePage = TabOptions
    Align = alClient
    TabOrder = 0
    object TabOptions: TTabSheet
      Caption = 'Options'
      object LTransp: TLabel
        Left = 8
        Top = 116
        Width = 72
        Height = 13
        Caption = 'Tra&nsparency:'
        FocusControl = ETransp
      end
      object LNulls: TLabel
        Left = 8
        Top = 176
        Width = 59
        Height = 13
        Caption = 'Treat n&ulls:'
        FocusControl = CBNulls
      end
      object GBArea: TGroupBox
        Left = 8
        Top = 4
        Width = 97
        Height = 65
        Caption = 'Area:'
        TabOrder = 0
        object CBStairs: TCheckBox
          Left = 8
          Top = 18
          Width = 81
          Height = 17
          Caption = '&Stairs'
          TabOrder = 0
          OnClick = CBStairsClick
        end
        object CBInvStairs: TCheckBox
          Left = 8
          Top = 40
          Width = 81
          Height = 17
          Caption = 'Inverted'
          Enabled = False
          TabOrder = 1
          OnClick = CBInvStairsClick
        end
      end
      object BAreaLinesPen: TButtonPen
        Left = 112
        Top = 8
        Width = 94
        Height = 25
        Caption = 'Area &Lines...'
        TabOrder = 1
      end
      object BAreaLinePen: TButtonPen
        Left = 210
        Top = 8
        Width = 94
        Height = 25
        Caption = '&Border...'
        TabOrder = 2
      end
      object BPattern: TButton
        Left = 112
        Top = 40
        Width = 94
        Height = 25
        Caption = '&Pattern...'
        TabOrder = 3
        OnClick = BPatternClick
      end
      object Button1: TButton
        Left = 210
        Top = 40
        Width = 94
        Height = 25
        Caption = '&Top...'
        TabOrder = 4
        OnClick = Button1Click
      end
      object CBDark3D: TCheckBox
        Left = 8
        Top = 84
        Width = 97
        Height = 17
        Caption = '&Dark 3D'
        TabOrder = 5
        OnClick = CBDark3DClick
      end
      object ETransp: TEdit
        Left = 88
        Top = 112
        Width = 33
        Height = 21
        TabOrder = 6
        Text = '0'
        OnChange = ETranspChange
      end
      object UDTransp: TUpDown
        Left = 121
        Top = 112
        Width = 16
        Height = 21
        Associate = ETransp
        Position = 0
        TabOrder = 7
      end
      object GBColor: TGroupBox
        Left = 152
        Top = 76
        Width = 149
        Height = 81
        Caption = 'Color:'
        TabOrder = 8
        object CBColorEach: TCheckBox
          Left = 8
          Top = 18
          Width = 97
          Height = 17
          Caption = 'Color &Each'
          TabOrder = 0
          OnClick = CBColorEachClick
        end
        object BAreaColor: TButtonColor
          Left = 8
          Top = 44
          Width = 89
          Height = 25
          Caption = '&Color...'
          TabOrder = 1
          OnClick = BAreaColorClick
        end
      end
      object CBNulls: TComboFlat
        Left = 80
        Top = 172
        Width = 105
        Height = 21
        Style = csDropDownList
        TabOrder = 9
        OnChange = CBNullsChange
        Items.Strings = (
          'Dont Paint'
          'Skip'
          'Ignore')
      end
    end
    object TabStack: TTabSheet
      Caption = 'Stack'
      object RGMultiArea: TRadioGroup
        Left = 8
        Top = 4
        Width = 121
        Height = 89
        Caption = '&Multiple Areas:'
        Items.Strings = (
          'None'
          'Stacked'
          'Stacked 100%')
        TabOrder = 0
        OnClick = RGMultiAreaClick
      end
      object CBUseOrigin: TCheckBox
        Left = 144
        Top = 12
        Width = 97
        Height = 17
        Caption = '&Use Origin'
        TabOrder = 1
        OnClick = CBUseOriginClick
      end
      object LOrigin: TLabel
        Left = 144
        Top = 40
        Width = 34
        Height = 13
        Caption = '&Origin:'
        FocusControl = EOrigin
      end
      object EOrigin: TEdit
        Left = 188
        Top = 36
        Width = 65
        Height = 21
        TabOrder = 2
        Text = '0'
        OnChange = EOriginChange
      end
      object UDOrigin: TUpDown
        Left = 253
        Top = 36
        Width = 16
        Height = 21
        Associate = EOrigin
        Min = -30000
        Max = 30000
        Position = 0
        TabOrder = 3
      end
      object GBGroup: TGroupBox
        Left = 8
        Top = 100
        Width = 121
        Height = 53
        TabOrder = 4
        object LGroup: TLabel
          Left = 8
          Top = 22
          Width = 64
          Height = 13
          Caption = 'Stack &Group:'
          FocusControl = EGroup
        end
        object EGroup: TEdit
          Left = 76
          Top = 18
          Width = 25
          Height = 21
          TabOrder = 0
          Text = '0'
          OnChange = EGroupChange
        end
        object UDGroup: TUpDown
          Left = 101
          Top = 18
          Width = 16
          Height = 21
          Associate = EGroup
          Max = 1000
          Position = 0
          TabOrder = 1
        end
      end
    end
  end
end
