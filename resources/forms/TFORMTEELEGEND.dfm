object FormTeeLegend: TFormTeeLegend
  Left = 0
  Top = 0
  Align = alClient
  BorderStyle = bsNone
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
    TabOrder = 0
    OnChange = PageControl1Change
    object TabStyle: TTabSheet
      Caption = 'Style'
      object CBShow: TCheckBox
        Left = 8
        Top = 8
        Width = 100
        Height = 17
        Caption = '&Visible'
        TabOrder = 0
        OnClick = CBShowClick
      end
      object CBInverted: TCheckBox
        Left = 8
        Top = 30
        Width = 100
        Height = 17
        Caption = '&Inverted'
        TabOrder = 1
        OnClick = CBInvertedClick
      end
      object CBFontColor: TCheckBox
        Left = 8
        Top = 52
        Width = 140
        Height = 17
        Caption = '&Font Series Color'
        TabOrder = 2
        OnClick = CBFontColorClick
      end
      object CBCheckBoxes: TComboFlat
        Left = 8
        Top = 76
        Width = 130
        Height = 21
        Style = csDropDownList
        Items.Strings = (
          'No check boxes'
          'Check boxes'
          'Radio buttons')
        TabOrder = 3
        OnChange = CBCheckBoxesChange
      end
      object BDivLines: TButtonPen
        Left = 8
        Top = 106
        Width = 130
        Height = 25
        Caption = '&Dividing Lines...'
        TabOrder = 4
      end
      object LLegendStyle: TLabel
        Left = 160
        Top = 12
        Width = 80
        Height = 13
        Caption = 'Legend &Style:'
        FocusControl = CBLegendStyle
      end
      object CBLegendStyle: TComboFlat
        Left = 250
        Top = 8
        Width = 120
        Height = 21
        Style = csDropDownList
        Items.Strings = (
          'Automatic'
          'Series Names'
          'Series Values'
          'Last Values'
          'Series Groups')
        TabOrder = 5
        OnChange = CBLegendStyleChange
      end
      object LLegStyle: TLabel
        Left = 160
        Top = 40
        Width = 80
        Height = 13
        Caption = 'Text St&yle:'
        FocusControl = CBLegStyle
      end
      object CBLegStyle: TComboFlat
        Left = 250
        Top = 36
        Width = 120
        Height = 21
        Style = csDropDownList
        DropDownCount = 11
        Items.Strings = (
          'Plain'
          'Left Value'
          'Right Value'
          'Left Percent'
          'Right Percent'
          'X Value'
          'Value'
          'Percent'
          'X and Value'
          'X and Percent')
        TabOrder = 6
        OnChange = CBLegStyleChange
      end
      object LVertSpacing: TLabel
        Left = 160
        Top = 68
        Width = 80
        Height = 13
        Caption = 'V&ert. Spacing:'
        FocusControl = EVertSpacing
      end
      object EVertSpacing: TEdit
        Left = 250
        Top = 64
        Width = 40
        Height = 21
        Text = '0'
        TabOrder = 7
        OnChange = EVertSpacingChange
      end
      object UDVertSpacing: TUpDown
        Left = 290
        Top = 64
        Width = 15
        Height = 21
        Associate = EVertSpacing
        Min = -10
        Max = 100
        Position = 0
        TabOrder = 8
      end
    end
    object TabPosition: TTabSheet
      Caption = 'Position'
      object RGPosition: TRadioGroup
        Left = 8
        Top = 4
        Width = 100
        Height = 100
        Caption = 'Position'
        Items.Strings = (
          '&Left'
          '&Right'
          '&Top'
          '&Bottom')
        TabOrder = 0
        OnClick = RGPositionClick
      end
      object CBResizeChart: TCheckBox
        Left = 8
        Top = 112
        Width = 100
        Height = 17
        Caption = 'Resi&ze Chart'
        TabOrder = 1
        OnClick = CBResizeChartClick
      end
      object LTopPos: TLabel
        Left = 120
        Top = 12
        Width = 110
        Height = 13
        Caption = '&Position Offset %:'
        FocusControl = SETopPos
      end
      object SETopPos: TEdit
        Left = 236
        Top = 8
        Width = 40
        Height = 21
        Text = '0'
        TabOrder = 2
        OnChange = SETopPosChange
      end
      object UDTopPos: TUpDown
        Left = 276
        Top = 8
        Width = 15
        Height = 21
        Associate = SETopPos
        Min = -100
        Max = 100
        Position = 0
        TabOrder = 3
      end
      object LMargin: TLabel
        Left = 120
        Top = 40
        Width = 110
        Height = 13
        Caption = '&Margin:'
        FocusControl = SEMargin
      end
      object SEMargin: TEdit
        Left = 236
        Top = 36
        Width = 40
        Height = 21
        Text = '0'
        TabOrder = 4
        OnChange = SEMarginChange
      end
      object UDMargin: TUpDown
        Left = 276
        Top = 36
        Width = 15
        Height = 21
        Associate = SEMargin
        Min = -1000
        Max = 1000
        Position = 0
        TabOrder = 5
      end
      object CBCustPos: TCheckBox
        Left = 120
        Top = 68
        Width = 90
        Height = 17
        Caption = '&Custom:'
        TabOrder = 6
        OnClick = CBCustPosClick
      end
      object CBPosPercent: TCheckBox
        Left = 220
        Top = 68
        Width = 80
        Height = 17
        Caption = 'Percent'
        Enabled = False
        TabOrder = 7
        OnClick = CBPosPercentClick
      end
      object LCustLeft: TLabel
        Left = 136
        Top = 94
        Width = 40
        Height = 13
        Caption = 'L&eft:'
        FocusControl = ECustLeft
      end
      object ECustLeft: TEdit
        Left = 180
        Top = 90
        Width = 44
        Height = 21
        Enabled = False
        Text = '0'
        TabOrder = 8
        OnChange = ECustLeftChange
      end
      object UDCustLeft: TUpDown
        Left = 224
        Top = 90
        Width = 15
        Height = 21
        Associate = ECustLeft
        Enabled = False
        Min = -100
        Max = 9000
        Position = 0
        Increment = 5
        TabOrder = 9
      end
      object LCustTop: TLabel
        Left = 136
        Top = 120
        Width = 40
        Height = 13
        Caption = 'T&op:'
        FocusControl = ECustTop
      end
      object ECustTop: TEdit
        Left = 180
        Top = 116
        Width = 44
        Height = 21
        Enabled = False
        Text = '0'
        TabOrder = 10
        OnChange = ECustTopChange
      end
      object UDCustTop: TUpDown
        Left = 224
        Top = 116
        Width = 15
        Height = 21
        Associate = ECustTop
        Enabled = False
        Min = -100
        Max = 9000
        Position = 0
        Increment = 5
        TabOrder = 11
      end
    end
    object TabSymbol: TTabSheet
      Caption = 'Symbols'
    end
    object TabTitle: TTabSheet
      Caption = 'Title'
      object PageControlTitle: TPageControl
        Left = 0
        Top = 0
        Width = 432
        Height = 212
        Align = alClient
        TabOrder = 0
        OnChange = PageControlTitleChange
        object TabTitleOptions: TTabSheet
          Caption = 'Options'
          object LText: TLabel
            Left = 8
            Top = 8
            Width = 40
            Height = 13
            Caption = '&Text:'
            FocusControl = MemoText
          end
          object MemoText: TMemo
            Left = 8
            Top = 24
            Width = 200
            Height = 80
            ScrollBars = ssBoth
            TabOrder = 0
            WordWrap = False
            OnChange = MemoTextChange
          end
          object Button1: TButton
            Left = 216
            Top = 24
            Width = 75
            Height = 25
            Caption = '&Edit...'
            TabOrder = 1
            OnClick = Button1Click
          end
          object LTextAlign: TLabel
            Left = 8
            Top = 116
            Width = 90
            Height = 13
            Caption = 'Text &alignment:'
            FocusControl = CBTextAlign
          end
          object CBTextAlign: TComboFlat
            Left = 100
            Top = 112
            Width = 90
            Height = 21
            Style = csDropDownList
            Items.Strings = (
              'Left'
              'Center'
              'Right')
            TabOrder = 2
            OnChange = CBTextAlignChange
          end
          object CBTitleVisible: TCheckBox
            Left = 216
            Top = 114
            Width = 80
            Height = 17
            Caption = '&Visible'
            TabOrder = 3
            OnClick = CBTitleVisibleClick
          end
        end
      end
    end
  end
end
