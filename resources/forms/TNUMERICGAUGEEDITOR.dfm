object NumericGaugeEditor: TNumericGaugeEditor
  Left = 0
  Top = 0
  BorderStyle = bsNone
  ClientHeight = 243
  ClientWidth = 297
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 297
    Height = 243
    ActivePage = TabOptions
    Align = alClient
    TabOrder = 0
    object TabOptions: TTabSheet
      Caption = 'Options'
      object Label1: TLabel
        Left = 8
        Top = 12
        Width = 31
        Height = 13
        Caption = '&Value:'
        FocusControl = EValue
      end
      object SpeedButton1: TSpeedButton
        Left = 150
        Top = 8
        Width = 21
        Height = 21
        Caption = '+'
        OnClick = SpeedButton1Click
      end
      object SpeedButton2: TSpeedButton
        Left = 174
        Top = 8
        Width = 21
        Height = 21
        Caption = '-'
        OnClick = SpeedButton2Click
      end
      object Label2: TLabel
        Left = 8
        Top = 42
        Width = 39
        Height = 13
        Caption = '&Palette:'
        FocusControl = CBPalette
      end
      object EValue: TEdit
        Left = 60
        Top = 8
        Width = 85
        Height = 21
        TabOrder = 0
        OnChange = EValueChange
      end
      object CBPalette: TComboFlat
        Left = 60
        Top = 38
        Width = 135
        Height = 21
        Style = csDropDownList
        DropDownCount = 16
        TabOrder = 1
        OnChange = CBPaletteChange
        Items.Strings = (
          'Current'
          'LCD'
          'LED')
      end
      object RGFont: TRadioGroup
        Left = 8
        Top = 70
        Width = 187
        Height = 81
        Caption = 'Digital &font:'
        Items.Strings = (
          '&Bar'
          '&Dot'
          '&Custom')
        TabOrder = 2
        OnClick = RGFontClick
      end
    end
    object TabMarkers: TTabSheet
      Caption = 'Markers'
    end
    object TabFrame: TTabSheet
      Caption = 'Frame'
      object PageFrame: TPageControl
        Left = 0
        Top = 0
        Width = 289
        Height = 215
        ActivePage = TabGeneral
        Align = alClient
        TabOrder = 0
        object TabGeneral: TTabSheet
          Caption = 'General'
          object Label3: TLabel
            Left = 8
            Top = 38
            Width = 32
            Height = 13
            Caption = '&Width:'
            FocusControl = EWidth
          end
          object CBFrameVisible: TCheckBox
            Left = 8
            Top = 10
            Width = 120
            Height = 17
            Caption = '&Visible'
            TabOrder = 0
            OnClick = CBFrameVisibleClick
          end
          object EWidth: TEdit
            Left = 60
            Top = 34
            Width = 41
            Height = 21
            TabOrder = 1
            Text = '0'
            OnChange = EWidthChange
          end
          object UDWidth: TUpDown
            Left = 101
            Top = 34
            Width = 16
            Height = 21
            Associate = EWidth
            Max = 100
            Thousands = False
            TabOrder = 2
          end
          object BBrush: TButton
            Left = 8
            Top = 66
            Width = 109
            Height = 25
            Caption = '&Pattern...'
            TabOrder = 3
            OnClick = BBrushClick
          end
          object BGradient: TButtonGradient
            Left = 8
            Top = 98
            Width = 109
            Height = 25
            Caption = '&Gradient...'
            TabOrder = 4
          end
        end
        object TabOuter: TTabSheet
          Caption = 'Outer'
        end
        object TabMiddle: TTabSheet
          Caption = 'Middle'
        end
        object TabInner: TTabSheet
          Caption = 'Inner'
        end
        object TabShadow: TTabSheet
          Caption = 'Shadow'
        end
      end
    end
    object TabBack: TTabSheet
      Caption = 'Back'
    end
  end
end
