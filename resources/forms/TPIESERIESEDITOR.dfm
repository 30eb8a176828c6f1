object PieSeriesEditor: TPieSeriesEditor
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Pie'
  ClientHeight = 220
  ClientWidth = 355
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 355
    Height = 220
    ActivePage = TabOptions
    Align = alClient
    TabOrder = 0
    object TabOptions: TTabSheet
      Caption = 'Options'
      object Label1: TLabel
        Left = 8
        Top = 36
        Width = 78
        Height = 13
        Caption = '&Explode biggest:'
        FocusControl = SEExpBig
      end
      object Label2: TLabel
        Left = 8
        Top = 64
        Width = 61
        Height = 13
        Caption = 'Total angle:'
        FocusControl = Edit1
      end
      object Label3: TLabel
        Left = 8
        Top = 92
        Width = 62
        Height = 13
        Caption = 'Dar&k Border:'
        FocusControl = Edit2
      end
      object Label4: TLabel
        Left = 8
        Top = 120
        Width = 67
        Height = 13
        Caption = '&Multiple Pies:'
        FocusControl = CBMultiple
      end
      object Label5: TLabel
        Left = 8
        Top = 150
        Width = 79
        Height = 13
        Caption = 'Grad&ient Bright:'
        FocusControl = TBBright
      end
      object LBright: TLabel
        Left = 300
        Top = 150
        Width = 6
        Height = 13
        Caption = '0'
      end
      object CBDark3d: TCheckBox
        Left = 8
        Top = 8
        Width = 120
        Height = 17
        Caption = '&Dark 3D'
        TabOrder = 0
        OnClick = CBDark3dClick
      end
      object SEExpBig: TEdit
        Left = 100
        Top = 32
        Width = 40
        Height = 21
        TabOrder = 1
        Text = '0'
        OnChange = SEExpBigChange
      end
      object UDExpBig: TUpDown
        Left = 140
        Top = 32
        Width = 16
        Height = 21
        Associate = SEExpBig
        Increment = 5
        Thousands = False
        TabOrder = 2
      end
      object CBPatterns: TCheckBox
        Left = 180
        Top = 8
        Width = 120
        Height = 17
        Caption = 'Pa&tterns'
        TabOrder = 3
        OnClick = CBPatternsClick
      end
      object BPen: TButtonPen
        Left = 180
        Top = 30
        Width = 120
        Height = 25
        Caption = '&Border...'
        TabOrder = 4
      end
      object Edit1: TEdit
        Left = 100
        Top = 60
        Width = 40
        Height = 21
        TabOrder = 5
        Text = '360'
        OnChange = Edit1Change
      end
      object UDAngleSize: TUpDown
        Left = 140
        Top = 60
        Width = 16
        Height = 21
        Associate = Edit1
        Min = 1
        Max = 360
        Increment = 5
        Position = 360
        Thousands = False
        TabOrder = 6
      end
      object BGradient: TButtonGradient
        Left = 180
        Top = 58
        Width = 120
        Height = 25
        Caption = '3D &Gradient...'
        TabOrder = 7
      end
      object Edit2: TEdit
        Left = 100
        Top = 88
        Width = 40
        Height = 21
        TabOrder = 8
        Text = '0'
        OnChange = Edit2Change
      end
      object UpDown1: TUpDown
        Left = 140
        Top = 88
        Width = 16
        Height = 21
        Associate = Edit2
        Max = 255
        Increment = 5
        Thousands = False
        TabOrder = 9
      end
      object CBMultiple: TComboFlat
        Left = 100
        Top = 116
        Width = 100
        Height = 21
        Style = csDropDownList
        TabOrder = 10
        OnChange = CBMultipleChange
        Items.Strings = (
          'Automatic'
          'Disable')
      end
      object TBBright: TTrackBar
        Left = 100
        Top = 146
        Width = 190
        Height = 26
        Max = 255
        Min = -255
        LineSize = 5
        Frequency = 32
        TabOrder = 11
        OnChange = TBBrightChange
      end
    end
    object TabGroup: TTabSheet
      Caption = 'Group Slices'
      object Label6: TLabel
        Left = 8
        Top = 12
        Width = 28
        Height = 13
        Caption = '&Style:'
        FocusControl = CBOther
      end
      object Label7: TLabel
        Left = 8
        Top = 42
        Width = 30
        Height = 13
        Caption = '&Value:'
        FocusControl = EOtherValue
      end
      object Label8: TLabel
        Left = 8
        Top = 72
        Width = 29
        Height = 13
        Caption = '&Label:'
        FocusControl = EOtherLabel
      end
      object CBOther: TComboFlat
        Left = 60
        Top = 8
        Width = 120
        Height = 21
        Style = csDropDownList
        TabOrder = 0
        OnChange = CBOtherChange
        Items.Strings = (
          'None'
          'Below %'
          'Below Value')
      end
      object EOtherValue: TEdit
        Left = 60
        Top = 38
        Width = 120
        Height = 21
        TabOrder = 1
        OnChange = EOtherValueChange
      end
      object EOtherLabel: TEdit
        Left = 60
        Top = 68
        Width = 120
        Height = 21
        TabOrder = 2
        Text = 'Other'
        OnChange = EOtherLabelChange
      end
      object Button2: TButton
        Left = 200
        Top = 8
        Width = 100
        Height = 25
        Caption = 'Le&gend...'
        TabOrder = 3
        OnClick = Button2Click
      end
    end
    object TabColors: TTabSheet
      Caption = 'Colors'
      object Label9: TLabel
        Left = 8
        Top = 72
        Width = 69
        Height = 13
        Caption = 'C&olor palette:'
        FocusControl = CBPalette
      end
      object CBColorEach: TCheckBox
        Left = 8
        Top = 8
        Width = 150
        Height = 17
        Caption = 'Color &Each slice'
        TabOrder = 0
        OnClick = CBColorEachClick
      end
      object BColor: TButtonColor
        Left = 8
        Top = 32
        Width = 100
        Height = 25
        Caption = '&Color...'
        TabOrder = 1
      end
      object CBPalette: TComboFlat
        Left = 8
        Top = 90
        Width = 150
        Height = 21
        Style = csDropDownList
        DropDownCount = 17
        TabOrder = 2
        OnChange = CBPaletteChange
      end
    end
    object TabMarks: TTabSheet
      Caption = 'Marks'
      object Label10: TLabel
        Left = 8
        Top = 60
        Width = 88
        Height = 13
        Caption = 'Callout Leg &size:'
        FocusControl = SBLegSize
      end
      object CBMarksAutoPosition: TCheckBox
        Left = 8
        Top = 8
        Width = 180
        Height = 17
        Caption = '&Auto Mark Position'
        TabOrder = 0
        OnClick = CBMarksAutoPositionClick
      end
      object CBVertCenter: TCheckBox
        Left = 8
        Top = 32
        Width = 180
        Height = 17
        Caption = '&Vertical center callout'
        TabOrder = 1
        OnClick = CBVertCenterClick
      end
      object SBLegSize: TScrollBar
        Left = 8
        Top = 78
        Width = 180
        Height = 17
        Max = 100
        TabOrder = 2
        OnChange = SBLegSizeChange
      end
    end
  end
end
