object FormTeeWall: TFormTeeWall
  Left = 0
  Top = 0
  Align = alClient
  BorderStyle = bsNone
  ClientHeight = 250
  ClientWidth = 440
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 440
    Height = 32
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object CBView3dWalls: TCheckBox
      Left = 8
      Top = 8
      Width = 120
      Height = 17
      Caption = '&Visible Walls'
      TabOrder = 0
      OnClick = CBView3dWallsClick
    end
    object LAllSize: TLabel
      Left = 150
      Top = 10
      Width = 30
      Height = 13
      Caption = 'Size:'
      FocusControl = EAllSize
    end
    object EAllSize: TEdit
      Left = 184
      Top = 6
      Width = 40
      Height = 21
      Text = '0'
      TabOrder = 1
      OnChange = EAllSizeChange
    end
    object UDAllSize: TUpDown
      Left = 224
      Top = 6
      Width = 15
      Height = 21
      Associate = EAllSize
      Min = 0
      Max = 100
      Position = 0
      TabOrder = 2
    end
  end
  object TabSubWalls: TTabControl
    Left = 0
    Top = 32
    Width = 440
    Height = 218
    Align = alClient
    TabOrder = 1
    OnChange = TabSubWallsChange
      object BWallColor: TButtonColor
        Left = 8
        Top = 30
        Width = 100
        Height = 25
        Caption = '&Color...'
        TabOrder = 0
        OnClick = BWallColorClick
      end
      object BWallPen: TButtonPen
        Left = 8
        Top = 60
        Width = 100
        Height = 25
        Caption = 'B&order...'
        TabOrder = 1
      end
      object BWallBrush: TButton
        Left = 8
        Top = 90
        Width = 100
        Height = 25
        Caption = '&Pattern...'
        TabOrder = 2
        OnClick = BWallBrushClick
      end
      object BGradient: TButtonGradient
        Left = 8
        Top = 120
        Width = 100
        Height = 25
        Caption = '&Gradient...'
        TabOrder = 3
        OnClick = BGradientClick
      end
      object BImage: TButton
        Left = 8
        Top = 150
        Width = 100
        Height = 25
        Caption = '&Image...'
        TabOrder = 4
        OnClick = BImageClick
      end
      object BShadow: TButton
        Left = 8
        Top = 180
        Width = 100
        Height = 25
        Caption = '&Shadow...'
        TabOrder = 5
        Visible = False
        OnClick = BShadowClick
      end
      object LWallSize: TLabel
        Left = 124
        Top = 36
        Width = 50
        Height = 13
        Caption = 'Siz&e:'
        FocusControl = SEWallSize
      end
      object SEWallSize: TEdit
        Left = 184
        Top = 32
        Width = 40
        Height = 21
        Text = '0'
        TabOrder = 6
        OnChange = SEWallSizeChange
      end
      object UDWallSize: TUpDown
        Left = 224
        Top = 32
        Width = 15
        Height = 21
        Associate = SEWallSize
        Min = 0
        Max = 100
        Position = 0
        TabOrder = 7
      end
      object CBTransp: TCheckBox
        Left = 124
        Top = 62
        Width = 110
        Height = 17
        Caption = '&Transparent'
        TabOrder = 8
        OnClick = CBTranspClick
      end
      object CBDark3D: TCheckBox
        Left = 124
        Top = 84
        Width = 110
        Height = 17
        Caption = '&Dark 3D'
        TabOrder = 9
        OnClick = CBDark3DClick
      end
      object CBVisible: TCheckBox
        Left = 124
        Top = 106
        Width = 110
        Height = 17
        Caption = 'V&isible'
        TabOrder = 10
        OnClick = CBVisibleClick
      end
      object CBAutoHide: TCheckBox
        Left = 124
        Top = 128
        Width = 110
        Height = 17
        Caption = '&Auto Hide'
        TabOrder = 11
        OnClick = CBAutoHideClick
      end
      object LTransparency: TLabel
        Left = 124
        Top = 158
        Width = 80
        Height = 13
        Caption = 'T&ransparency:'
        FocusControl = Edit1
      end
      object Edit1: TEdit
        Left = 210
        Top = 154
        Width = 40
        Height = 21
        Text = '0'
        TabOrder = 12
        OnChange = Edit1Change
      end
      object UDTransparency: TUpDown
        Left = 250
        Top = 154
        Width = 15
        Height = 21
        Associate = Edit1
        Min = 0
        Max = 100
        Position = 0
        TabOrder = 13
      end
      object GBPosition: TGroupBox
        Left = 290
        Top = 30
        Width = 120
        Height = 80
        Caption = 'Position:'
        TabOrder = 14
        object LStart: TLabel
          Left = 8
          Top = 24
          Width = 40
          Height = 13
          Caption = 'Start:'
          FocusControl = Edit2
        end
        object Edit2: TEdit
          Left = 50
          Top = 20
          Width = 40
          Height = 21
          Text = '0'
          TabOrder = 0
          OnChange = Edit2Change
        end
        object UDStart: TUpDown
          Left = 90
          Top = 20
          Width = 15
          Height = 21
          Associate = Edit2
          Min = 0
          Max = 100
          Position = 0
          TabOrder = 1
        end
        object LEnd: TLabel
          Left = 8
          Top = 52
          Width = 40
          Height = 13
          Caption = 'End:'
          FocusControl = Edit3
        end
        object Edit3: TEdit
          Left = 50
          Top = 48
          Width = 40
          Height = 21
          Text = '100'
          TabOrder = 2
          OnChange = Edit3Change
        end
        object UDEnd: TUpDown
          Left = 90
          Top = 48
          Width = 15
          Height = 21
          Associate = Edit3
          Min = 0
          Max = 100
          Position = 100
          TabOrder = 3
        end
      end
  end
end
