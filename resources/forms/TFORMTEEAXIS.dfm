object FormTeeAxis: TFormTeeAxis
  Left = 0
  Top = 0
  Align = alClient
  BorderStyle = bsNone
  ClientHeight = 300
  ClientWidth = 644
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object PanelLeft: TPanel
    Left = 0
    Top = 0
    Width = 106
    Height = 300
    Align = alLeft
    BevelOuter = bvNone
    TabOrder = 0
    object LAxes: TLabel
      Left = 6
      Top = 4
      Width = 60
      Height = 13
      Caption = 'A&xes:'
      FocusControl = LBAxes
    end
    object LBAxes: TListBox
      Left = 6
      Top = 20
      Width = 96
      Height = 190
      TabOrder = 1
      OnClick = LBAxesClick
    end
    object CBShow: TCheckBox
      Left = 6
      Top = 216
      Width = 90
      Height = 17
      Caption = 'Visible'
      TabOrder = 2
      OnClick = CBShowClick
    end
    object CBAxisBeh: TCheckBox
      Left = 6
      Top = 236
      Width = 90
      Height = 17
      Caption = '&Behind'
      TabOrder = 3
      OnClick = CBAxisBehClick
    end
    object BAdd: TSpeedButton
      Left = 6
      Top = 260
      Width = 25
      Height = 25
      Caption = '+'
      OnClick = BAddClick
    end
    object BDelete: TSpeedButton
      Left = 36
      Top = 260
      Width = 25
      Height = 25
      Caption = '-'
      Enabled = False
      OnClick = BDeleteClick
    end
  end
  object PageAxis: TPageControl
    Left = 106
    Top = 0
    Width = 538
    Height = 300
    Align = alClient
    TabOrder = 84
    OnChange = PageAxisChange
    OnChanging = PageAxisChanging
    object TabScales: TTabSheet
      Caption = 'Scales'
      object GBOptions: TGroupBox
        Left = 4
        Top = 2
        Width = 150
        Height = 122
        Caption = 'Options'
        TabOrder = 10
        object CBAutomatic: TCheckBox
          Left = 8
          Top = 16
          Width = 120
          Height = 17
          Caption = '&Automatic'
          TabOrder = 4
          OnClick = CBAutomaticClick
        end
        object CBLogarithmic: TCheckBox
          Left = 8
          Top = 34
          Width = 120
          Height = 17
          Caption = '&Logarithmic'
          TabOrder = 5
          OnClick = CBLogarithmicClick
        end
        object CBVisible: TCheckBox
          Left = 8
          Top = 52
          Width = 120
          Height = 17
          Caption = '&Visible'
          TabOrder = 6
          OnClick = CBVisibleClick
        end
        object CBInverted: TCheckBox
          Left = 8
          Top = 70
          Width = 120
          Height = 17
          Caption = '&Inverted'
          TabOrder = 7
          OnClick = CBInvertedClick
        end
        object LLogBase: TLabel
          Left = 8
          Top = 96
          Width = 60
          Height = 13
          Caption = 'L&og Base:'
          FocusControl = ELogBase
        end
        object ELogBase: TEdit
          Left = 64
          Top = 92
          Width = 44
          Height = 21
          Text = '10'
          TabOrder = 8
          OnChange = ELogBaseChange
        end
        object LogE: TCheckBox
          Left = 112
          Top = 94
          Width = 30
          Height = 17
          Caption = '&e'
          TabOrder = 9
          OnClick = LogEClick
        end
      end
      object GBMinimum: TGroupBox
        Left = 160
        Top = 2
        Width = 180
        Height = 100
        Caption = 'Minimum'
        TabOrder = 16
        object LAxisMin: TLabel
          Left = 8
          Top = 16
          Width = 100
          Height = 13
          Caption = '(min)'
        end
        object CBAutoMin: TCheckBox
          Left = 8
          Top = 34
          Width = 60
          Height = 17
          Caption = 'A&uto'
          TabOrder = 11
          OnClick = CBAutoMaxMinClick
        end
        object BAxisMin: TButton
          Left = 96
          Top = 30
          Width = 75
          Height = 25
          Caption = '&Change...'
          TabOrder = 12
          OnClick = BAxisMinClick
        end
        object LMinOff: TLabel
          Left = 8
          Top = 60
          Width = 60
          Height = 13
          Caption = '&Offset:'
          FocusControl = EMinOff
        end
        object EMinOff: TEdit
          Left = 58
          Top = 56
          Width = 40
          Height = 21
          Text = '0'
          TabOrder = 13
          OnChange = EMinOffChange
        end
        object UDMinOff: TUpDown
          Left = 98
          Top = 56
          Width = 15
          Height = 21
          Associate = EMinOff
          Min = -10000
          Max = 10000
          Position = 0
          TabOrder = 14
        end
        object CBMinRound: TCheckBox
          Left = 8
          Top = 80
          Width = 80
          Height = 17
          Caption = 'Round'
          TabOrder = 15
          OnClick = CBMinRoundClick
        end
      end
      object GBMaximum: TGroupBox
        Left = 346
        Top = 2
        Width = 180
        Height = 100
        Caption = 'Maximum'
        TabOrder = 22
        object LAxisMax: TLabel
          Left = 8
          Top = 16
          Width = 100
          Height = 13
          Caption = '(max)'
        end
        object CBAutoMax: TCheckBox
          Left = 8
          Top = 34
          Width = 60
          Height = 17
          Caption = 'A&uto'
          TabOrder = 17
          OnClick = CBAutoMaxMinClick
        end
        object BAxisMax: TButton
          Left = 96
          Top = 30
          Width = 75
          Height = 25
          Caption = '&Change...'
          TabOrder = 18
          OnClick = BAxisMaxClick
        end
        object LMaxOff: TLabel
          Left = 8
          Top = 60
          Width = 60
          Height = 13
          Caption = '&Offset:'
          FocusControl = EMaxOff
        end
        object EMaxOff: TEdit
          Left = 58
          Top = 56
          Width = 40
          Height = 21
          Text = '0'
          TabOrder = 19
          OnChange = EMaxOffChange
        end
        object UDMaxOff: TUpDown
          Left = 98
          Top = 56
          Width = 15
          Height = 21
          Associate = EMaxOff
          Min = -10000
          Max = 10000
          Position = 0
          TabOrder = 20
        end
        object CBMaxRound: TCheckBox
          Left = 8
          Top = 80
          Width = 80
          Height = 17
          Caption = 'Round'
          TabOrder = 21
          OnClick = CBMaxRoundClick
        end
      end
      object GBIncrement: TGroupBox
        Left = 160
        Top = 106
        Width = 366
        Height = 64
        Caption = 'Increment'
        TabOrder = 25
        object LIncre: TLabel
          Left = 8
          Top = 18
          Width = 100
          Height = 13
          Caption = 'Desired Increment:'
        end
        object LAxisIncre: TLabel
          Left = 110
          Top = 18
          Width = 120
          Height = 13
          Caption = '(increment)'
        end
        object BIncre: TButton
          Left = 280
          Top = 12
          Width = 75
          Height = 25
          Caption = '&Change...'
          TabOrder = 23
          OnClick = BIncreClick
        end
        object CBShowAll: TCheckBox
          Left = 8
          Top = 40
          Width = 150
          Height = 17
          Caption = 'Show &all labels'
          TabOrder = 24
          OnClick = CBShowAllClick
        end
      end
    end
    object TabTitle: TTabSheet
      Caption = 'Title'
      object PageTitle: TPageControl
        Left = 0
        Top = 0
        Width = 530
        Height = 250
        Align = alClient
        TabOrder = 26
        OnChange = PageTitleChange
        object TabTitleStyle: TTabSheet
          Caption = 'Style'
          object LTitle: TLabel
            Left = 8
            Top = 12
            Width = 60
            Height = 13
            Caption = 'T&itle:'
            FocusControl = ETitle
          end
          object ETitle: TEdit
            Left = 60
            Top = 8
            Width = 200
            Height = 21
            TabOrder = 27
            OnChange = ETitleChange
          end
          object LTitleAngle: TLabel
            Left = 8
            Top = 40
            Width = 60
            Height = 13
            Caption = '&Angle:'
            FocusControl = SETitleAngle
          end
          object SETitleAngle: TEdit
            Left = 60
            Top = 36
            Width = 40
            Height = 21
            Text = '0'
            TabOrder = 28
            OnChange = SETitleAngleChange
          end
          object UDTitleAngle: TUpDown
            Left = 100
            Top = 36
            Width = 15
            Height = 21
            Associate = SETitleAngle
            Min = 0
            Max = 360
            Position = 0
            Increment = 90
            TabOrder = 29
          end
          object LTitleSize: TLabel
            Left = 8
            Top = 68
            Width = 60
            Height = 13
            Caption = 'Si&ze:'
            FocusControl = SETitleSize
          end
          object SETitleSize: TEdit
            Left = 60
            Top = 64
            Width = 40
            Height = 21
            Text = '0'
            TabOrder = 30
            OnChange = SETitleSizeChange
          end
          object UDTitleSize: TUpDown
            Left = 100
            Top = 64
            Width = 15
            Height = 21
            Associate = SETitleSize
            Min = 0
            Max = 1000
            Position = 0
            TabOrder = 31
          end
          object CBTitleVisible: TCheckBox
            Left = 8
            Top = 94
            Width = 100
            Height = 17
            Caption = '&Visible'
            TabOrder = 32
            OnClick = CBTitleVisibleClick
          end
        end
        object TabTitleFormat: TTabSheet
          Caption = 'Format'
          object PageTitleFormat: TPageControl
            Left = 0
            Top = 0
            Width = 520
            Height = 220
            Align = alClient
            TabOrder = 33
            OnChange = PageTitleFormatChange
          end
        end
      end
    end
    object TabLabels: TTabSheet
      Caption = 'Labels'
      object PageLabels: TPageControl
        Left = 0
        Top = 0
        Width = 530
        Height = 250
        Align = alClient
        TabOrder = 34
        OnChange = PageLabelsChange
        object TabLabelsStyle: TTabSheet
          Caption = 'Style'
          object CBLabels: TCheckBox
            Left = 8
            Top = 8
            Width = 110
            Height = 17
            Caption = 'V&isible'
            TabOrder = 35
            OnClick = CBLabelsClick
          end
          object CBMultiline: TCheckBox
            Left = 8
            Top = 28
            Width = 110
            Height = 17
            Caption = 'Multi-lin&e'
            TabOrder = 36
            OnClick = CBMultilineClick
          end
          object CBOnAxis: TCheckBox
            Left = 8
            Top = 48
            Width = 110
            Height = 17
            Caption = 'Label on A&xis'
            TabOrder = 37
            OnClick = CBOnAxisClick
          end
          object CBRoundFirst: TCheckBox
            Left = 8
            Top = 68
            Width = 110
            Height = 17
            Caption = 'Ro&und First'
            TabOrder = 38
            OnClick = CBRoundFirstClick
          end
          object CBAlternate: TCheckBox
            Left = 8
            Top = 88
            Width = 110
            Height = 17
            Caption = '&Alternate'
            TabOrder = 39
            OnClick = CBAlternateClick
          end
          object LLabelsSize: TLabel
            Left = 140
            Top = 12
            Width = 60
            Height = 13
            Caption = 'Si&ze:'
            FocusControl = SELabelsSize
          end
          object SELabelsSize: TEdit
            Left = 240
            Top = 8
            Width = 40
            Height = 21
            Text = '0'
            TabOrder = 40
            OnChange = SELabelsSizeChange
          end
          object UDLabelsSize: TUpDown
            Left = 280
            Top = 8
            Width = 15
            Height = 21
            Associate = SELabelsSize
            Min = 0
            Max = 1000
            Position = 0
            TabOrder = 41
          end
          object LLabelsAngle: TLabel
            Left = 140
            Top = 40
            Width = 60
            Height = 13
            Caption = 'An&gle:'
            FocusControl = SELabelsAngle
          end
          object SELabelsAngle: TEdit
            Left = 240
            Top = 36
            Width = 40
            Height = 21
            Text = '0'
            TabOrder = 42
            OnChange = SELabelsAngleChange
          end
          object UDLabelsAngle: TUpDown
            Left = 280
            Top = 36
            Width = 15
            Height = 21
            Associate = SELabelsAngle
            Min = 0
            Max = 360
            Position = 0
            Increment = 90
            TabOrder = 43
          end
          object LSepar: TLabel
            Left = 140
            Top = 68
            Width = 60
            Height = 13
            Caption = 'Min. Se&paration %:'
            FocusControl = SESepar
          end
          object SESepar: TEdit
            Left = 240
            Top = 64
            Width = 40
            Height = 21
            Text = '0'
            TabOrder = 44
            OnChange = SESeparChange
          end
          object UDSepar: TUpDown
            Left = 280
            Top = 64
            Width = 15
            Height = 21
            Associate = SESepar
            Min = 0
            Max = 100
            Position = 0
            Increment = 10
            TabOrder = 45
          end
          object LLabelStyle: TLabel
            Left = 140
            Top = 96
            Width = 60
            Height = 13
            Caption = '&Style:'
            FocusControl = CBLabelStyle
          end
          object CBLabelStyle: TComboFlat
            Left = 240
            Top = 92
            Width = 90
            Height = 21
            Style = csDropDownList
            Items.Strings = (
              'Auto'
              'None'
              'Value'
              'Mark'
              'Text')
            TabOrder = 46
            OnChange = CBLabelStyleChange
          end
        end
        object TabLabelsFormat: TTabSheet
          Caption = 'Format'
          object LFormat: TLabel
            Left = 8
            Top = 12
            Width = 60
            Height = 13
            Caption = 'Labels For&mat:'
            FocusControl = CBFormat
          end
          object CBFormat: TComboBox
            Left = 8
            Top = 28
            Width = 160
            Height = 21
            Style = csDropDown
            TabOrder = 47
            OnChange = CBFormatChange
          end
          object Button1: TButton
            Left = 172
            Top = 26
            Width = 25
            Height = 25
            Caption = '...'
            TabOrder = 48
            OnClick = Button1Click
          end
          object CBExpo: TCheckBox
            Left = 8
            Top = 60
            Width = 140
            Height = 17
            Caption = '&Exponential'
            TabOrder = 49
            OnClick = CBExpoClick
          end
          object CBLabelAlign: TCheckBox
            Left = 8
            Top = 80
            Width = 140
            Height = 17
            Caption = '&Default Alignment'
            TabOrder = 50
            OnClick = CBLabelAlignClick
          end
        end
        object TabLabelsFont: TTabSheet
          Caption = 'Text'
        end
      end
    end
    object TabTicks: TTabSheet
      Caption = 'Ticks'
      object BAxisPen: TButtonPen
        Left = 8
        Top = 8
        Width = 80
        Height = 25
        Caption = '&Axis...'
        TabOrder = 51
      end
      object BTickPen: TButtonPen
        Left = 8
        Top = 38
        Width = 80
        Height = 25
        Caption = 'T&icks...'
        TabOrder = 52
      end
      object LTickLen: TLabel
        Left = 100
        Top = 44
        Width = 60
        Height = 13
        Caption = 'Len:'
        FocusControl = SEAxisTickLength
      end
      object SEAxisTickLength: TEdit
        Left = 130
        Top = 40
        Width = 40
        Height = 21
        Text = '0'
        TabOrder = 53
        OnChange = SEAxisTickLengthChange
      end
      object UDAxisTickLength: TUpDown
        Left = 170
        Top = 40
        Width = 15
        Height = 21
        Associate = SEAxisTickLength
        Min = -1000
        Max = 1000
        Position = 0
        TabOrder = 54
      end
      object BTickInner: TButtonPen
        Left = 8
        Top = 68
        Width = 80
        Height = 25
        Caption = 'I&nner...'
        TabOrder = 55
      end
      object LInnerLen: TLabel
        Left = 100
        Top = 74
        Width = 60
        Height = 13
        Caption = 'Len:'
        FocusControl = SEInnerTicksLength
      end
      object SEInnerTicksLength: TEdit
        Left = 130
        Top = 70
        Width = 40
        Height = 21
        Text = '0'
        TabOrder = 56
        OnChange = SEInnerTicksLengthChange
      end
      object UDInnerTicksLength: TUpDown
        Left = 170
        Top = 70
        Width = 15
        Height = 21
        Associate = SEInnerTicksLength
        Min = 0
        Max = 1000
        Position = 0
        TabOrder = 57
      end
      object BTickMinor: TButtonPen
        Left = 8
        Top = 98
        Width = 80
        Height = 25
        Caption = '&Minor...'
        TabOrder = 58
      end
      object LMinorLen: TLabel
        Left = 100
        Top = 104
        Width = 60
        Height = 13
        Caption = 'Len:'
        FocusControl = SEAxisMinorTickLen
      end
      object SEAxisMinorTickLen: TEdit
        Left = 130
        Top = 100
        Width = 40
        Height = 21
        Text = '0'
        TabOrder = 59
        OnChange = SEAxisMinorTickLenChange
      end
      object UDAxisMinorTickLen: TUpDown
        Left = 170
        Top = 100
        Width = 15
        Height = 21
        Associate = SEAxisMinorTickLen
        Min = -1000
        Max = 1000
        Position = 0
        TabOrder = 60
      end
      object LCount: TLabel
        Left = 200
        Top = 104
        Width = 60
        Height = 13
        Caption = '&Count:'
        FocusControl = Edit3
      end
      object Edit3: TEdit
        Left = 240
        Top = 100
        Width = 40
        Height = 21
        Text = '0'
        TabOrder = 61
        OnChange = Edit3Change
      end
      object UDCount: TUpDown
        Left = 280
        Top = 100
        Width = 15
        Height = 21
        Associate = Edit3
        Min = 0
        Max = 1000
        Position = 0
        TabOrder = 62
      end
      object CBTickOnLabels: TCheckBox
        Left = 8
        Top = 132
        Width = 140
        Height = 17
        Caption = 'At Labels Onl&y'
        TabOrder = 63
        OnClick = CBTickOnLabelsClick
      end
    end
    object TabGrid: TTabSheet
      Caption = 'Grid'
      object BAxisGrid: TButtonPen
        Left = 8
        Top = 8
        Width = 80
        Height = 25
        Caption = '&Grid...'
        TabOrder = 64
      end
      object BMinorGrid: TButtonPen
        Left = 8
        Top = 38
        Width = 80
        Height = 25
        Caption = '&Minor...'
        TabOrder = 65
      end
      object LMinorCount: TLabel
        Left = 100
        Top = 44
        Width = 60
        Height = 13
        Caption = '&Count:'
        FocusControl = SEMinorCount
      end
      object SEMinorCount: TEdit
        Left = 140
        Top = 40
        Width = 40
        Height = 21
        Text = '0'
        TabOrder = 66
        OnChange = SEMinorCountChange
      end
      object UDMinorCount: TUpDown
        Left = 180
        Top = 40
        Width = 15
        Height = 21
        Associate = SEMinorCount
        Min = 0
        Max = 1000
        Position = 0
        TabOrder = 67
      end
      object LGridZ: TLabel
        Left = 8
        Top = 76
        Width = 60
        Height = 13
        Caption = '&Z:'
        FocusControl = Edit2
      end
      object Edit2: TEdit
        Left = 88
        Top = 72
        Width = 40
        Height = 21
        Text = '0'
        TabOrder = 68
        OnChange = Edit2Change
      end
      object UDGridZ: TUpDown
        Left = 128
        Top = 72
        Width = 15
        Height = 21
        Associate = Edit2
        Min = 0
        Max = 100
        Position = 0
        TabOrder = 69
      end
      object CBGridCentered: TCheckBox
        Left = 8
        Top = 100
        Width = 100
        Height = 17
        Caption = 'C&entered'
        TabOrder = 70
        OnClick = CBGridCenteredClick
      end
      object LMarksEvery: TLabel
        Left = 8
        Top = 128
        Width = 60
        Height = 13
        Caption = 'Draw &every:'
        FocusControl = EMarksEvery
      end
      object EMarksEvery: TEdit
        Left = 88
        Top = 124
        Width = 40
        Height = 21
        Text = '1'
        TabOrder = 71
        OnChange = EMarksEveryChange
      end
      object UDMarksEvery: TUpDown
        Left = 128
        Top = 124
        Width = 15
        Height = 21
        Associate = EMarksEvery
        Min = 1
        Max = 5000
        Position = 1
        TabOrder = 72
      end
    end
    object TabPosition: TTabSheet
      Caption = 'Position'
      object LPos: TLabel
        Left = 8
        Top = 12
        Width = 60
        Height = 13
        Caption = '&Position %:'
        FocusControl = EPos
      end
      object EPos: TEdit
        Left = 78
        Top = 8
        Width = 40
        Height = 21
        Text = '0'
        TabOrder = 73
        OnChange = EPosChange
      end
      object UDPos: TUpDown
        Left = 118
        Top = 8
        Width = 15
        Height = 21
        Associate = EPos
        Min = -1000
        Max = 1000
        Position = 0
        TabOrder = 74
      end
      object LStart: TLabel
        Left = 8
        Top = 40
        Width = 60
        Height = 13
        Caption = 'St&art %:'
        FocusControl = EStart
      end
      object EStart: TEdit
        Left = 78
        Top = 36
        Width = 40
        Height = 21
        Text = '0'
        TabOrder = 75
        OnChange = EStartChange
      end
      object UDStart: TUpDown
        Left = 118
        Top = 36
        Width = 15
        Height = 21
        Associate = EStart
        Min = 0
        Max = 100
        Position = 0
        TabOrder = 76
      end
      object LEnd: TLabel
        Left = 8
        Top = 68
        Width = 60
        Height = 13
        Caption = '&End %:'
        FocusControl = EEnd
      end
      object EEnd: TEdit
        Left = 78
        Top = 64
        Width = 40
        Height = 21
        Text = '100'
        TabOrder = 77
        OnChange = EEndChange
      end
      object UDEnd: TUpDown
        Left = 118
        Top = 64
        Width = 15
        Height = 21
        Associate = EEnd
        Min = 0
        Max = 100
        Position = 100
        TabOrder = 78
      end
      object LZPos: TLabel
        Left = 8
        Top = 96
        Width = 60
        Height = 13
        Caption = '&Z %:'
        FocusControl = Edit1
      end
      object Edit1: TEdit
        Left = 78
        Top = 92
        Width = 40
        Height = 21
        Text = '0'
        TabOrder = 79
        OnChange = Edit1Change
      end
      object UDZPos: TUpDown
        Left = 118
        Top = 92
        Width = 15
        Height = 21
        Associate = Edit1
        Min = 0
        Max = 100
        Position = 0
        TabOrder = 80
      end
      object LPosUnits: TLabel
        Left = 160
        Top = 12
        Width = 60
        Height = 13
        Caption = '&Units:'
        FocusControl = CBPosUnits
      end
      object CBPosUnits: TComboFlat
        Left = 200
        Top = 8
        Width = 80
        Height = 21
        Style = csDropDownList
        Items.Strings = (
          'Percent'
          'Pixels')
        TabOrder = 81
        OnChange = CBPosUnitsChange
      end
      object CBOtherSide: TCheckBox
        Left = 160
        Top = 40
        Width = 100
        Height = 17
        Caption = '&Other side'
        TabOrder = 82
        OnClick = CBOtherSideClick
      end
      object CBHorizAxis: TCheckBox
        Left = 160
        Top = 60
        Width = 100
        Height = 17
        Caption = '&Horizontal'
        TabOrder = 83
        OnClick = CBHorizAxisClick
      end
    end
  end
end
