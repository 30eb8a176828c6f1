object FormTeeSeries: TFormTeeSeries
  Left = 0
  Top = 0
  Align = alClient
  BorderStyle = bsNone
  ClientHeight = 326
  ClientWidth = 383
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnCloseQuery = FormCloseQuery
  OnShow = FormShow
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 383
    Height = 33
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object ImageSeries: TImage
      Left = 4
      Top = 8
      Width = 16
      Height = 16
      Transparent = True
    end
    object LabelSeriesClass: TLabel
      Left = 194
      Top = 10
      Width = 3
      Height = 13
    end
    object PaintBox1: TPaintBox
      Left = 158
      Top = 4
      Width = 30
      Height = 25
      Cursor = crHandPoint
      OnClick = PaintBox1Click
      OnPaint = PaintBox1Paint
    end
    object CBSeries: TComboFlat
      Left = 26
      Top = 6
      Width = 127
      Height = 21
      HelpContext = 516
      Style = csDropDownList
      DropDownCount = 16
      TabOrder = 0
      OnChange = CBSeriesChange
    end
    object CBPersistent: TCheckBox
      Left = 300
      Top = 8
      Width = 77
      Height = 17
      Caption = 'Persistent'
      TabOrder = 1
      Visible = False
      OnClick = CBPersistentClick
    end
  end
  object PageSeries: TPageControl
    Left = 0
    Top = 33
    Width = 383
    Height = 293
    ActivePage = TheTabSheet
    Align = alClient
    TabOrder = 1
    OnChange = PageSeriesChange
    OnChanging = PageSeriesChanging
    object TheTabSheet: TTabSheet
      Caption = 'Format'
    end
    object TabGeneral: TTabSheet
      Caption = 'General'
      object GroupBox1: TGroupBox
        Left = 4
        Top = 4
        Width = 185
        Height = 105
        Caption = 'General:'
        TabOrder = 0
        object Label1: TLabel
          Left = 8
          Top = 42
          Width = 38
          Height = 13
          Caption = '&Cursor:'
          FocusControl = CBCursor
        end
        object LDepth: TLabel
          Left = 8
          Top = 74
          Width = 34
          Height = 13
          Caption = '&Depth:'
          FocusControl = EDepth
        end
        object CBShowInLegend: TCheckBox
          Left = 8
          Top = 18
          Width = 161
          Height = 17
          Caption = '&Show In Legend'
          TabOrder = 0
          OnClick = CBShowInLegendClick
        end
        object CBCursor: TComboFlat
          Left = 56
          Top = 38
          Width = 121
          Height = 21
          Style = csDropDownList
          Sorted = True
          TabOrder = 1
          OnChange = CBCursorChange
        end
        object EDepth: TEdit
          Left = 56
          Top = 70
          Width = 41
          Height = 21
          TabOrder = 2
          Text = '0'
          OnChange = EDepthChange
        end
        object UDDepth: TUpDown
          Left = 97
          Top = 70
          Width = 15
          Height = 21
          Associate = EDepth
          Max = 1200
          Thousands = False
          TabOrder = 3
        end
        object CBDepth: TCheckBox
          Left = 120
          Top = 72
          Width = 57
          Height = 17
          Caption = 'Auto'
          TabOrder = 4
          OnClick = CBDepthClick
        end
      end
      object GroupBox2: TGroupBox
        Left = 196
        Top = 4
        Width = 177
        Height = 105
        Caption = 'Formats:'
        TabOrder = 1
        object Label2: TLabel
          Left = 8
          Top = 22
          Width = 35
          Height = 13
          Caption = '&Values:'
          FocusControl = CBFormat
        end
        object Label3: TLabel
          Left = 8
          Top = 62
          Width = 48
          Height = 13
          Caption = '&Percents:'
          FocusControl = EPercentFormat
        end
        object CBFormat: TComboFlat
          Left = 8
          Top = 36
          Width = 129
          Height = 21
          TabOrder = 0
          OnChange = CBFormatChange
        end
        object Button1: TButton
          Left = 142
          Top = 36
          Width = 25
          Height = 21
          Caption = '...'
          TabOrder = 1
          OnClick = Button1Click
        end
        object EPercentFormat: TEdit
          Left = 8
          Top = 76
          Width = 129
          Height = 21
          TabOrder = 2
          OnChange = EPercentFormatChange
        end
        object Button2: TButton
          Left = 142
          Top = 76
          Width = 25
          Height = 21
          Caption = '...'
          TabOrder = 3
          OnClick = Button2Click
        end
      end
      object GBHorizAxis: TGroupBox
        Left = 4
        Top = 112
        Width = 185
        Height = 69
        Caption = 'Horizontal Axis:'
        TabOrder = 2
        object CBHorizAxis: TComboFlat
          Left = 8
          Top = 18
          Width = 169
          Height = 21
          Style = csDropDownList
          TabOrder = 0
          OnChange = CBHorizAxisChange
          Items.Strings = (
            'Top'
            'Bottom'
            'Top and Bottom')
        end
        object CBXDateTime: TCheckBox
          Left = 8
          Top = 44
          Width = 97
          Height = 17
          Caption = 'Dat&eTime'
          TabOrder = 1
          OnClick = CBXDateTimeClick
        end
      end
      object GBVertAxis: TGroupBox
        Left = 196
        Top = 112
        Width = 177
        Height = 69
        Caption = 'Vertical Axis:'
        TabOrder = 3
        object CBVertAxis: TComboFlat
          Left = 8
          Top = 18
          Width = 161
          Height = 21
          Style = csDropDownList
          TabOrder = 0
          OnChange = CBVertAxisChange
          Items.Strings = (
            'Left'
            'Right'
            'Left and Right')
        end
        object CBYDateTime: TCheckBox
          Left = 8
          Top = 44
          Width = 97
          Height = 17
          Caption = 'D&ateTime'
          TabOrder = 1
          OnClick = CBYDateTimeClick
        end
      end
      object LSort: TLabel
        Left = 8
        Top = 192
        Width = 25
        Height = 13
        Caption = 'S&ort:'
        FocusControl = CBSort
      end
      object CBSort: TComboFlat
        Left = 40
        Top = 188
        Width = 97
        Height = 21
        Style = csDropDownList
        TabOrder = 4
        OnChange = CBSortChange
        Items.Strings = (
          'Ascending'
          'Descending'
          'None')
      end
      object CBZDateTime: TCheckBox
        Left = 148
        Top = 190
        Width = 97
        Height = 17
        Caption = '&Z DateTime'
        TabOrder = 5
        Visible = False
        OnClick = CBZDateTimeClick
      end
      object CBShowInEditor: TCheckBox
        Left = 248
        Top = 190
        Width = 121
        Height = 17
        Caption = 'Show in this editor'
        TabOrder = 6
        Visible = False
        OnClick = CBShowInEditorClick
      end
    end
    object TabMarks: TTabSheet
      Caption = 'Marks'
      object PageControlMarks: TPageControl
        Left = 0
        Top = 0
        Width = 375
        Height = 265
        ActivePage = TabSheet1
        Align = alClient
        TabOrder = 0
        OnChange = PageControlMarksChange
        object TabSheet1: TTabSheet
          Caption = 'Style'
          object Label4: TLabel
            Left = 136
            Top = 12
            Width = 34
            Height = 13
            Caption = '&Angle:'
            FocusControl = SEMarksAngle
          end
          object Label5: TLabel
            Left = 136
            Top = 40
            Width = 61
            Height = 13
            Caption = 'Draw &every:'
            FocusControl = EMarksEvery
          end
          object Label6: TLabel
            Left = 8
            Top = 112
            Width = 30
            Height = 13
            Caption = '&Style:'
            FocusControl = RGMarkStyle
          end
          object Label7: TLabel
            Left = 8
            Top = 142
            Width = 58
            Height = 13
            Caption = '&Text Align:'
            FocusControl = CBTextAlign
          end
          object CBMarksVisible: TCheckBox
            Left = 8
            Top = 10
            Width = 113
            Height = 17
            Caption = '&Visible'
            TabOrder = 0
            OnClick = CBMarksVisibleClick
          end
          object CBMarkClip: TCheckBox
            Left = 8
            Top = 30
            Width = 113
            Height = 17
            Caption = 'Cl&ipped'
            TabOrder = 1
            OnClick = CBMarkClipClick
          end
          object CBMultiLine: TCheckBox
            Left = 8
            Top = 50
            Width = 113
            Height = 17
            Caption = '&Multi line'
            TabOrder = 2
            OnClick = CBMultiLineClick
          end
          object CBAllVisible: TCheckBox
            Left = 8
            Top = 70
            Width = 121
            Height = 17
            Caption = 'All Series Visi&ble'
            TabOrder = 3
            OnClick = CBAllVisibleClick
          end
          object SEMarksAngle: TEdit
            Left = 208
            Top = 8
            Width = 41
            Height = 21
            TabOrder = 4
            Text = '0'
            OnChange = SEMarksAngleChange
          end
          object UDMarksAngle: TUpDown
            Left = 249
            Top = 8
            Width = 15
            Height = 21
            Associate = SEMarksAngle
            Increment = 5
            Max = 360
            Thousands = False
            Wrap = True
            TabOrder = 5
          end
          object EMarksEvery: TEdit
            Left = 208
            Top = 36
            Width = 41
            Height = 21
            TabOrder = 6
            Text = '1'
            OnChange = EMarksEveryChange
          end
          object UDEvery: TUpDown
            Left = 249
            Top = 36
            Width = 15
            Height = 21
            Associate = EMarksEvery
            Max = 5000
            Min = 1
            Position = 1
            Thousands = False
            TabOrder = 7
          end
          object RGMarkStyle: TComboFlat
            Left = 72
            Top = 108
            Width = 169
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            TabOrder = 8
            OnChange = RGMarkStyleClick
            Items.Strings = (
              'Value'
              'Percent'
              'Label'
              'Label and Percent'
              'Label and Value'
              'Legend'
              'Percent Total'
              'Label and Percent Total'
              'X value'
              'X and Y values'
              'Series Title'
              'Point Index'
              'Percent Relative')
          end
          object CBTextAlign: TComboFlat
            Left = 72
            Top = 138
            Width = 97
            Height = 21
            Style = csDropDownList
            TabOrder = 9
            OnChange = CBTextAlignChange
            Items.Strings = (
              'Left'
              'Right'
              'Center')
          end
          object CBFontSeriesColor: TCheckBox
            Left = 8
            Top = 170
            Width = 161
            Height = 17
            Caption = '&Font Series Color'
            TabOrder = 10
            OnClick = CBFontSeriesColorClick
          end
        end
        object TabSheet2: TTabSheet
          Caption = 'Arrows'
          object Label8: TLabel
            Left = 8
            Top = 44
            Width = 37
            Height = 13
            Caption = '&Length:'
            FocusControl = SEArrowLength
          end
          object Label9: TLabel
            Left = 8
            Top = 72
            Width = 45
            Height = 13
            Caption = '&Distance:'
            FocusControl = EArrowDist
          end
          object Label10: TLabel
            Left = 8
            Top = 112
            Width = 59
            Height = 13
            Caption = '&Arrow head:'
            FocusControl = CBHead
          end
          object Label11: TLabel
            Left = 8
            Top = 140
            Width = 23
            Height = 13
            Caption = '&Size:'
            FocusControl = Edit1
          end
          object BMarkLinCol: TButtonPen
            Left = 8
            Top = 8
            Width = 83
            Height = 25
            Caption = '&Border...'
            TabOrder = 0
          end
          object BCalloutPointer: TButton
            Left = 100
            Top = 8
            Width = 83
            Height = 25
            Caption = '&Pointer...'
            TabOrder = 1
            OnClick = BCalloutPointerClick
          end
          object SEArrowLength: TEdit
            Left = 72
            Top = 40
            Width = 41
            Height = 21
            TabOrder = 2
            Text = '0'
            OnChange = SEArrowLengthChange
          end
          object UDArrowsLength: TUpDown
            Left = 113
            Top = 40
            Width = 15
            Height = 21
            Associate = SEArrowLength
            Max = 1000
            Min = -1000
            Thousands = False
            TabOrder = 3
          end
          object EArrowDist: TEdit
            Left = 72
            Top = 68
            Width = 41
            Height = 21
            TabOrder = 4
            Text = '0'
            OnChange = EArrowDistChange
          end
          object UDArrowDist: TUpDown
            Left = 113
            Top = 68
            Width = 15
            Height = 21
            Associate = EArrowDist
            Max = 1000
            Min = -1000
            Thousands = False
            TabOrder = 5
          end
          object CBHead: TComboFlat
            Left = 72
            Top = 108
            Width = 81
            Height = 21
            Style = csDropDownList
            TabOrder = 6
            OnChange = CBHeadChange
            Items.Strings = (
              'None'
              'Line'
              'Solid')
          end
          object Edit1: TEdit
            Left = 72
            Top = 136
            Width = 41
            Height = 21
            TabOrder = 7
            Text = '0'
            OnChange = Edit1Change
          end
          object UDHeadSize: TUpDown
            Left = 113
            Top = 136
            Width = 15
            Height = 21
            Associate = Edit1
            Max = 1000
            Min = -1000
            Thousands = False
            TabOrder = 8
          end
        end
        object TabSymbol: TTabSheet
          Caption = 'Symbol'
        end
        object TabMargins: TTabSheet
          Caption = 'Margins'
        end
      end
    end
    object TabDataSource: TTabSheet
      Caption = 'Data Source'
      object PanTop: TPanel
        Left = 0
        Top = 0
        Width = 375
        Height = 33
        Align = alTop
        BevelOuter = bvNone
        TabOrder = 0
        object CBDataSourcestyle: TComboFlat
          Left = 4
          Top = 6
          Width = 145
          Height = 21
          Style = csDropDownList
          DropDownCount = 12
          TabOrder = 0
          OnChange = CBDataSourcestyleChange
          Items.Strings = (
            'Manual'
            'Random'
            'Series'
            'Function')
        end
        object BAdd: TButton
          Left = 156
          Top = 4
          Width = 65
          Height = 25
          Caption = '&New...'
          TabOrder = 1
          Visible = False
        end
        object BEdit: TButton
          Left = 224
          Top = 4
          Width = 65
          Height = 25
          Caption = '&Edit...'
          TabOrder = 2
          Visible = False
        end
        object BDelete: TButton
          Left = 292
          Top = 4
          Width = 65
          Height = 25
          Caption = '&Delete'
          TabOrder = 3
          Visible = False
        end
      end
      object Panel2: TPanel
        Left = 0
        Top = 33
        Width = 375
        Height = 232
        Align = alClient
        BevelOuter = bvNone
        TabOrder = 1
        object ChartGrid1: TChartGrid
          Left = 0
          Top = 0
          Width = 375
          Height = 207
          Align = alClient
          ShowColors = True
          TabOrder = 0
          Visible = False
        end
        object ChartGridNavigator1: TChartGridNavigator
          Left = 0
          Top = 207
          Width = 375
          Height = 25
          Align = alBottom
          TabOrder = 1
          Visible = False
        end
        object PanelRandomSource: TPanel
          Left = 0
          Top = 0
          Width = 375
          Height = 105
          Align = alTop
          BevelOuter = bvNone
          TabOrder = 2
          Visible = False
          object Label12: TLabel
            Left = 8
            Top = 12
            Width = 132
            Height = 13
            Caption = '&Number of sample values:'
            FocusControl = ESamples
          end
          object ESamples: TEdit
            Left = 148
            Top = 8
            Width = 57
            Height = 21
            TabOrder = 0
            OnChange = ESamplesChange
          end
          object CBSamplesDefault: TCheckBox
            Left = 212
            Top = 10
            Width = 97
            Height = 17
            Caption = '&Default'
            TabOrder = 1
            OnClick = CBSamplesDefaultClick
          end
          object BApplyRandom: TButton
            Left = 8
            Top = 40
            Width = 75
            Height = 25
            Caption = '&Apply'
            Enabled = False
            TabOrder = 2
            OnClick = BApplyRandomClick
          end
          object Button3: TButton
            Left = 92
            Top = 40
            Width = 75
            Height = 25
            Caption = '&Clear'
            TabOrder = 3
            OnClick = Button3Click
          end
        end
        object PanelSeriesSource: TPanel
          Left = 0
          Top = 105
          Width = 375
          Height = 105
          Align = alTop
          BevelOuter = bvNone
          TabOrder = 3
          Visible = False
          object Label13: TLabel
            Left = 8
            Top = 12
            Width = 36
            Height = 13
            Caption = '&Series:'
            FocusControl = CBSeriesSource
          end
          object CBSeriesSource: TComboFlat
            Left = 52
            Top = 8
            Width = 145
            Height = 21
            Style = csDropDownList
            TabOrder = 0
            OnChange = CBSeriesSourceChange
          end
          object BApplySource: TButton
            Left = 8
            Top = 40
            Width = 75
            Height = 25
            Caption = '&Apply'
            Enabled = False
            TabOrder = 1
            OnClick = BApplySourceClick
          end
          object BClearSource: TButton
            Left = 92
            Top = 40
            Width = 75
            Height = 25
            Caption = '&Clear'
            Enabled = False
            TabOrder = 2
            OnClick = BClearSourceClick
          end
        end
      end
    end
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 1
    OnTimer = Timer1Timer
  end
end
