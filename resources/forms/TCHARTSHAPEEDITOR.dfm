object ChartShapeEditor: TChartShapeEditor
  Left = 0
  Top = 0
  Caption = 'Shape'
  ClientHeight = 204
  ClientWidth = 311
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 311
    Height = 204
    ActivePage = TabStyle
    Align = alClient
    TabOrder = 0
    object TabStyle: TTabSheet
      Caption = 'Style'
      object Label1: TLabel
        Left = 8
        Top = 12
        Width = 28
        Height = 13
        Caption = '&Style:'
        FocusControl = CBStyle
      end
      object Label2: TLabel
        Left = 8
        Top = 136
        Width = 72
        Height = 13
        Caption = '&Transparency:'
        FocusControl = Edit1
      end
      object CBStyle: TComboFlat
        Left = 48
        Top = 8
        Width = 130
        Height = 21
        Style = csDropDownList
        DropDownCount = 14
        TabOrder = 0
        OnChange = CBStyleChange
        Items.Strings = (
          'Rectangle'
          'Circle'
          'Vertical Line'
          'Horiz. Line'
          'Triangle'
          'Invert. Triangle'
          'Line'
          'Diamond'
          'Cube'
          'Cross'
          'Diagonal Cross'
          'Star'
          'Pyramid'
          'Invert. Pyramid')
      end
      object BShapeColor: TButtonColor
        Left = 8
        Top = 40
        Width = 100
        Height = 25
        Caption = '&Color...'
        TabOrder = 1
      end
      object BShapePen: TButtonPen
        Left = 8
        Top = 70
        Width = 100
        Height = 25
        Caption = 'Bor&der...'
        TabOrder = 2
      end
      object BShapeBrush: TButton
        Left = 8
        Top = 100
        Width = 100
        Height = 25
        Caption = '&Pattern...'
        TabOrder = 3
        OnClick = BShapeBrushClick
      end
      object CBTrans: TCheckBox
        Left = 124
        Top = 44
        Width = 150
        Height = 17
        Caption = 'Tra&nsparent'
        TabOrder = 4
        OnClick = CBTransClick
      end
      object CBRound: TCheckBox
        Left = 124
        Top = 74
        Width = 150
        Height = 17
        Caption = '&Round Rectangle'
        TabOrder = 5
        OnClick = CBRoundClick
      end
      object BGradient: TButtonGradient
        Left = 124
        Top = 100
        Width = 100
        Height = 25
        Caption = '&Gradient...'
        TabOrder = 6
      end
      object Edit1: TEdit
        Left = 90
        Top = 132
        Width = 40
        Height = 21
        TabOrder = 7
        Text = '0'
        OnChange = Edit1Change
      end
      object UDTransp: TUpDown
        Left = 130
        Top = 132
        Width = 16
        Height = 21
        Associate = Edit1
        Thousands = False
        TabOrder = 8
      end
    end
    object TabText: TTabSheet
      Caption = 'Text'
      object Label3: TLabel
        Left = 8
        Top = 6
        Width = 26
        Height = 13
        Caption = '&Text:'
        FocusControl = MemoText
      end
      object MemoText: TMemo
        Left = 8
        Top = 22
        Width = 160
        Height = 110
        ScrollBars = ssBoth
        TabOrder = 0
        OnChange = MemoTextChange
      end
      object RGVertAlign: TRadioGroup
        Left = 178
        Top = 4
        Width = 118
        Height = 72
        Caption = '&Alignment'
        Items.Strings = (
          'Top'
          'Center'
          'Bottom')
        TabOrder = 1
        OnClick = RGVertAlignClick
      end
      object RGAlign: TRadioGroup
        Left = 178
        Top = 80
        Width = 118
        Height = 72
        Caption = '&Horiz. Alignment'
        Items.Strings = (
          'Left'
          'Center'
          'Right')
        TabOrder = 2
        OnClick = RGAlignClick
      end
      object Button1: TButton
        Left = 8
        Top = 140
        Width = 75
        Height = 25
        Caption = '&Edit...'
        TabOrder = 3
        OnClick = Button1Click
      end
    end
    object TabPosition: TTabSheet
      Caption = 'Position'
      object Label4: TLabel
        Left = 8
        Top = 12
        Width = 23
        Height = 13
        Caption = '&Left:'
        FocusControl = SEX0
      end
      object Label5: TLabel
        Left = 150
        Top = 12
        Width = 28
        Height = 13
        Caption = '&Right'
        FocusControl = SEX1
      end
      object Label6: TLabel
        Left = 8
        Top = 42
        Width = 22
        Height = 13
        Caption = '&Top:'
        FocusControl = SEY0
      end
      object Label7: TLabel
        Left = 150
        Top = 42
        Width = 37
        Height = 13
        Caption = '&Bottom:'
        FocusControl = SEY1
      end
      object Label8: TLabel
        Left = 8
        Top = 80
        Width = 28
        Height = 13
        Caption = '&Units:'
        FocusControl = CBUnits
      end
      object SEX0: TEdit
        Left = 50
        Top = 8
        Width = 80
        Height = 21
        TabOrder = 0
        OnChange = SEX0Change
      end
      object SEX1: TEdit
        Left = 196
        Top = 8
        Width = 80
        Height = 21
        TabOrder = 1
        OnChange = SEX1Change
      end
      object SEY0: TEdit
        Left = 50
        Top = 38
        Width = 80
        Height = 21
        TabOrder = 2
        OnChange = SEY0Change
      end
      object SEY1: TEdit
        Left = 196
        Top = 38
        Width = 80
        Height = 21
        TabOrder = 3
        OnChange = SEY1Change
      end
      object CBUnits: TComboFlat
        Left = 50
        Top = 76
        Width = 110
        Height = 21
        Style = csDropDownList
        TabOrder = 4
        OnChange = CBUnitsChange
        Items.Strings = (
          'Pixels'
          'Axis'
          'Axis Origin')
      end
    end
    object TabFont: TTabSheet
      Caption = 'Font'
    end
  end
end
