object BarSeriesEditor: TBarSeriesEditor
  Left = 0
  Top = 0
  Align = alClient
  BorderStyle = bsNone
  ClientHeight = 198
  ClientWidth = 283
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 283
    Height = 198
    ActivePage = TabFormat
    Align = alClient
    TabOrder = 0
    object TabFormat: TTabSheet
      Caption = 'Format'
      object LStyle: TLabel
        Left = 8
        Top = 10
        Width = 30
        Height = 13
        Caption = 'St&yle:'
        FocusControl = CBBarStyle
      end
      object LTransp: TLabel
        Left = 8
        Top = 124
        Width = 72
        Height = 13
        Caption = '&Transparency:'
        FocusControl = TBTransp
      end
      object CBBarStyle: TComboFlat
        Left = 48
        Top = 6
        Width = 121
        Height = 21
        DropDownCount = 13
        Style = csDropDownList
        TabOrder = 0
        OnChange = CBBarStyleChange
        Items.Strings = (
          'Rectangle'
          'Pyramid'
          'Invert. Pyramid'
          'Cylinder'
          'Ellipse'
          'Arrow'
          'Rect. Gradient'
          'Cone'
          'Bevel'
          'Slant Cube'
          'Diamond'
          'Invert. Arrow'
          'Invert. Cone')
      end
      object BBarBrush: TButton
        Left = 180
        Top = 4
        Width = 89
        Height = 25
        Caption = '&Pattern...'
        TabOrder = 1
        OnClick = BBarBrushClick
      end
      object CBColorEach: TCheckBox
        Left = 8
        Top = 40
        Width = 97
        Height = 17
        Caption = 'Color &Each'
        TabOrder = 2
        OnClick = CBColorEachClick
      end
      object BBarColor: TButtonColor
        Left = 180
        Top = 36
        Width = 89
        Height = 25
        Caption = '&Color...'
        TabOrder = 3
        OnClick = BBarColorClick
      end
      object CBDarkBar: TCheckBox
        Left = 8
        Top = 72
        Width = 161
        Height = 17
        Caption = '&Dark Bar 3D Sides'
        TabOrder = 4
        OnClick = CBDarkBarClick
      end
      object BGradient: TButton
        Left = 180
        Top = 68
        Width = 89
        Height = 25
        Caption = '&Gradient...'
        TabOrder = 5
        OnClick = BGradientClick
      end
      object BTickLines: TButtonPen
        Left = 180
        Top = 100
        Width = 89
        Height = 25
        Caption = '&Tick lines...'
        TabOrder = 6
      end
      object TBTransp: TTrackBar
        Left = 4
        Top = 140
        Width = 161
        Height = 26
        Max = 100
        PageSize = 10
        Frequency = 10
        TabOrder = 7
        OnChange = TBTranspChange
      end
    end
    object TabSize: TTabSheet
      Caption = 'Size'
      object LBarWidth: TLabel
        Left = 8
        Top = 12
        Width = 67
        Height = 13
        Caption = '% Bar &Width:'
        FocusControl = SEBarwidth
      end
      object LBarOffset: TLabel
        Left = 8
        Top = 40
        Width = 69
        Height = 13
        Caption = '% Bar O&ffset:'
        FocusControl = SEBarOffset
      end
      object LDepth: TLabel
        Left = 8
        Top = 68
        Width = 67
        Height = 13
        Caption = '% Bar &Depth:'
        FocusControl = Edit1
      end
      object SEBarwidth: TEdit
        Left = 88
        Top = 8
        Width = 41
        Height = 21
        TabOrder = 0
        Text = '70'
        OnChange = SEBarwidthChange
      end
      object UDBarWidth: TUpDown
        Left = 129
        Top = 8
        Width = 16
        Height = 21
        Associate = SEBarwidth
        Min = 1
        Increment = 5
        Position = 70
        TabOrder = 1
      end
      object SEBarOffset: TEdit
        Left = 88
        Top = 36
        Width = 41
        Height = 21
        TabOrder = 2
        Text = '0'
        OnChange = SEBarOffsetChange
      end
      object UDBarOffset: TUpDown
        Left = 129
        Top = 36
        Width = 16
        Height = 21
        Associate = SEBarOffset
        Min = -100
        Increment = 5
        Position = 0
        TabOrder = 3
      end
      object Edit1: TEdit
        Left = 88
        Top = 64
        Width = 41
        Height = 21
        TabOrder = 4
        Text = '100'
        OnChange = Edit1Change
      end
      object UDDepth: TUpDown
        Left = 129
        Top = 64
        Width = 16
        Height = 21
        Associate = Edit1
        Min = 1
        Increment = 5
        Position = 100
        TabOrder = 5
      end
      object CBBarSideMargins: TCheckBox
        Left = 8
        Top = 100
        Width = 161
        Height = 17
        Caption = 'Bar S&ide Margins'
        TabOrder = 6
        OnClick = CBBarSideMarginsClick
      end
      object CBMarksAutoPosition: TCheckBox
        Left = 8
        Top = 124
        Width = 161
        Height = 17
        Caption = '&Auto Mark Position'
        TabOrder = 7
        OnClick = CBMarksAutoPositionClick
      end
    end
    object TabShadow: TTabSheet
      Caption = 'Shadow'
    end
    object TabBorder: TTabSheet
      Caption = 'Border'
      object LBevel: TLabel
        Left = 8
        Top = 44
        Width = 54
        Height = 13
        Caption = 'Be&vel size:'
        FocusControl = EBevel
      end
      object LDarkPen: TLabel
        Left = 8
        Top = 72
        Width = 62
        Height = 13
        Caption = 'Dark Border:'
        FocusControl = Edit2
      end
      object BBarPen: TButtonPen
        Left = 8
        Top = 8
        Width = 89
        Height = 25
        Caption = '&Border...'
        TabOrder = 0
      end
      object EBevel: TEdit
        Left = 80
        Top = 40
        Width = 33
        Height = 21
        TabOrder = 1
        Text = '1'
        OnChange = EBevelChange
      end
      object UDBevel: TUpDown
        Left = 113
        Top = 40
        Width = 16
        Height = 21
        Associate = EBevel
        Min = 1
        Position = 1
        TabOrder = 2
      end
      object Edit2: TEdit
        Left = 80
        Top = 68
        Width = 33
        Height = 21
        TabOrder = 3
        Text = '0'
        OnChange = Edit2Change
      end
      object UDDarkPen: TUpDown
        Left = 113
        Top = 68
        Width = 16
        Height = 21
        Associate = Edit2
        Max = 255
        Increment = 5
        Position = 0
        TabOrder = 4
      end
    end
  end
end
