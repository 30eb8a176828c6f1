inherited LinearGaugeEditor: TLinearGaugeEditor
  inherited PageControl1: TPageControl
    inherited TabOptions: TTabSheet
      object BValueArea: TButton
        Left = 200
        Top = 8
        Width = 85
        Height = 25
        Caption = '&Value area...'
        TabOrder = 2
        OnClick = BValueAreaClick
      end
      object BMaxIndicator: TButton
        Left = 200
        Top = 38
        Width = 85
        Height = 25
        Caption = '&Max. Indicator...'
        TabOrder = 2
        OnClick = BMaxIndicatorClick
      end
      object BLinearHand: TButton
        Left = 200
        Top = 68
        Width = 85
        Height = 25
        Caption = '&Hand...'
        TabOrder = 2
        OnClick = BLinearHandClick
      end
      inherited RGFont: TRadioGroup
        Visible = False
      end
    end
    object TabAxis: TTabSheet
      Caption = 'Axis'
      object PageAxis: TPageControl
        Left = 0
        Top = 0
        Width = 289
        Height = 215
        ActivePage = TabTicks
        Align = alClient
        TabOrder = 0
        object TabTicks: TTabSheet
          Caption = 'Ticks'
          object Label4: TLabel
            Left = 8
            Top = 10
            Width = 60
            Height = 13
            Caption = 'M&aximum:'
            FocusControl = EMax
          end
          object EMax: TEdit
            Left = 80
            Top = 6
            Width = 75
            Height = 21
            TabOrder = 0
            OnChange = EMaxChange
          end
          object Label5: TLabel
            Left = 8
            Top = 36
            Width = 60
            Height = 13
            Caption = 'M&inimum:'
            FocusControl = EMin
          end
          object EMin: TEdit
            Left = 80
            Top = 32
            Width = 75
            Height = 21
            TabOrder = 0
            OnChange = EMinChange
          end
          object Button1: TButton
            Left = 8
            Top = 62
            Width = 89
            Height = 25
            Caption = '&Ticks...'
            TabOrder = 2
            OnClick = Button1Click
          end
          object ETicks: TEdit
            Left = 104
            Top = 64
            Width = 35
            Height = 21
            TabOrder = 0
            Text = '0'
            OnChange = ETicksChange
          end
          object UDTicks: TUpDown
            Left = 139
            Top = 64
            Width = 16
            Height = 21
            Associate = ETicks
            Min = 0
            Max = 1000
            Thousands = False
            TabOrder = 1
          end
          object Label6: TLabel
            Left = 160
            Top = 68
            Width = 60
            Height = 13
            Caption = 'Minor distance:'
            FocusControl = ETicksDist
          end
          object ETicksDist: TEdit
            Left = 240
            Top = 64
            Width = 25
            Height = 21
            TabOrder = 0
            Text = '0'
            OnChange = ETicksDistChange
          end
          object UDTicksDist: TUpDown
            Left = 265
            Top = 64
            Width = 16
            Height = 21
            Associate = ETicksDist
            Min = 0
            Max = 1000
            Thousands = False
            TabOrder = 1
          end
          object Button2: TButton
            Left = 8
            Top = 94
            Width = 89
            Height = 25
            Caption = '&Minor Ticks...'
            TabOrder = 2
            OnClick = Button2Click
          end
          object Label7: TLabel
            Left = 104
            Top = 82
            Width = 60
            Height = 13
            Caption = 'Count:'
            FocusControl = EMinor
          end
          object EMinor: TEdit
            Left = 104
            Top = 98
            Width = 35
            Height = 21
            TabOrder = 0
            Text = '0'
            OnChange = EMinorChange
          end
          object UDMinorCount: TUpDown
            Left = 139
            Top = 98
            Width = 16
            Height = 21
            Associate = EMinor
            Min = 0
            Max = 1000
            Thousands = False
            TabOrder = 1
          end
          object Label8: TLabel
            Left = 160
            Top = 82
            Width = 60
            Height = 13
            Caption = 'Size:'
            FocusControl = Edit2
          end
          object Edit2: TEdit
            Left = 160
            Top = 98
            Width = 35
            Height = 21
            TabOrder = 0
            Text = '0'
            OnChange = Edit2Change
          end
          object UDMinorSize: TUpDown
            Left = 195
            Top = 98
            Width = 16
            Height = 21
            Associate = Edit2
            Min = 0
            Max = 1000
            Thousands = False
            TabOrder = 1
          end
          object BAxis: TButtonPen
            Left = 8
            Top = 126
            Width = 89
            Height = 25
            Caption = '&Axis...'
            TabOrder = 2
          end
        end
        object TabLabels: TTabSheet
          Caption = 'Labels'
          object Label9: TLabel
            Left = 8
            Top = 10
            Width = 60
            Height = 13
            Caption = '&Format:'
            FocusControl = EFormat
          end
          object EFormat: TEdit
            Left = 60
            Top = 6
            Width = 120
            Height = 21
            TabOrder = 0
            OnChange = EFormatChange
          end
          object Button6: TButton
            Left = 8
            Top = 36
            Width = 89
            Height = 25
            Caption = '&Font...'
            TabOrder = 2
            OnClick = Button6Click
          end
          object CBLabels: TCheckBox
            Left = 8
            Top = 70
            Width = 97
            Height = 17
            Caption = '&Visible'
            TabOrder = 3
            OnClick = CBLabelsClick
          end
        end
        object TabTitle: TTabSheet
          Caption = 'Title'
        end
      end
    end
    object TabGreen: TTabSheet
      Caption = 'Green Line'
      object Label10: TLabel
        Left = 8
        Top = 10
        Width = 60
        Height = 13
        Caption = 'St&art value:'
        FocusControl = EStartGreen
      end
      object EStartGreen: TEdit
        Left = 90
        Top = 6
        Width = 55
        Height = 21
        TabOrder = 0
        Text = '0'
        OnChange = EStartGreenChange
      end
      object UDStartGreen: TUpDown
        Left = 145
        Top = 6
        Width = 16
        Height = 21
        Associate = EStartGreen
        Min = -32000
        Max = 32000
        Thousands = False
        TabOrder = 1
      end
      object Label11: TLabel
        Left = 8
        Top = 38
        Width = 60
        Height = 13
        Caption = '&End value:'
        FocusControl = EEndGreen
      end
      object EEndGreen: TEdit
        Left = 90
        Top = 34
        Width = 55
        Height = 21
        TabOrder = 0
        Text = '0'
        OnChange = EEndGreenChange
      end
      object UDEndGreen: TUpDown
        Left = 145
        Top = 34
        Width = 16
        Height = 21
        Associate = EEndGreen
        Min = -32000
        Max = 32000
        Thousands = False
        TabOrder = 1
      end
      object BGreen: TButton
        Left = 8
        Top = 66
        Width = 89
        Height = 25
        Caption = '&Style...'
        TabOrder = 2
        OnClick = BGreenClick
      end
      object CBGreenVisible: TCheckBox
        Left = 8
        Top = 100
        Width = 97
        Height = 17
        Caption = '&Visible'
        TabOrder = 3
        OnClick = CBGreenVisibleClick
      end
    end
    object TabRed: TTabSheet
      Caption = 'Red Line'
      object Label12: TLabel
        Left = 8
        Top = 10
        Width = 60
        Height = 13
        Caption = 'St&art value:'
        FocusControl = EStartRed
      end
      object EStartRed: TEdit
        Left = 90
        Top = 6
        Width = 55
        Height = 21
        TabOrder = 0
        Text = '0'
        OnChange = EStartRedChange
      end
      object UDStartRed: TUpDown
        Left = 145
        Top = 6
        Width = 16
        Height = 21
        Associate = EStartRed
        Min = -32000
        Max = 32000
        Thousands = False
        TabOrder = 1
      end
      object Label13: TLabel
        Left = 8
        Top = 38
        Width = 60
        Height = 13
        Caption = '&End value:'
        FocusControl = EEndRed
      end
      object EEndRed: TEdit
        Left = 90
        Top = 34
        Width = 55
        Height = 21
        TabOrder = 0
        Text = '0'
        OnChange = EEndRedChange
      end
      object UDEndRed: TUpDown
        Left = 145
        Top = 34
        Width = 16
        Height = 21
        Associate = EEndRed
        Min = -32000
        Max = 32000
        Thousands = False
        TabOrder = 1
      end
      object BRed: TButton
        Left = 8
        Top = 66
        Width = 89
        Height = 25
        Caption = '&Style...'
        TabOrder = 2
        OnClick = BRedClick
      end
      object CBRedVisible: TCheckBox
        Left = 8
        Top = 100
        Width = 97
        Height = 17
        Caption = '&Visible'
        TabOrder = 3
        OnClick = CBRedVisibleClick
      end
    end
  end
end
