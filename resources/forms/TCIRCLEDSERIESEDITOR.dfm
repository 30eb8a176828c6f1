object CircledSeriesEditor: TCircledSeriesEditor
  Left = 0
  Top = 0
  Caption = 'Circled'
  ClientHeight = 236
  ClientWidth = 237
  Font.Height = -11
  Font.Name = 'Tahoma'
  Position = poScreenCenter
  OnShow = FormShow
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 237
    Height = 236
    ActivePage = TabOptions
    Align = alClient
    TabOrder = 0
    object TabOptions: TTabSheet
      Caption = 'Options'
      object Label1: TLabel
        Left = 8
        Top = 60
        Width = 47
        Height = 13
        Caption = '&Rotation:'
        FocusControl = Edit1
      end
      object CBCircled: TCheckBox
        Left = 8
        Top = 8
        Width = 150
        Height = 17
        Caption = '&Circled'
        TabOrder = 0
        OnClick = CBCircledClick
      end
      object CB3D: TCheckBox
        Left = 8
        Top = 30
        Width = 150
        Height = 17
        Caption = '&3 Dimensions'
        TabOrder = 1
        OnClick = CB3DClick
      end
      object Edit1: TEdit
        Left = 64
        Top = 56
        Width = 40
        Height = 21
        TabOrder = 2
        Text = '0'
        OnChange = Edit1Change
      end
      object UDRot: TUpDown
        Left = 104
        Top = 56
        Width = 16
        Height = 21
        Associate = Edit1
        Max = 360
        Increment = 5
        Thousands = False
        Wrap = True
        TabOrder = 3
      end
      object BBack: TButtonColor
        Left = 8
        Top = 90
        Width = 100
        Height = 25
        Caption = 'C&olor...'
        TabOrder = 4
        OnClick = BBackClick
      end
      object CBTransp: TCheckBox
        Left = 118
        Top = 94
        Width = 100
        Height = 17
        Caption = '&Transparent'
        TabOrder = 5
        OnClick = CBTranspClick
      end
      object BGradient: TButtonGradient
        Left = 8
        Top = 124
        Width = 100
        Height = 25
        Caption = '&Gradient...'
        TabOrder = 6
        OnClick = BGradientClick
      end
    end
    object TabRadius: TTabSheet
      Caption = 'Radius'
      object Label2: TLabel
        Left = 8
        Top = 12
        Width = 55
        Height = 13
        Caption = '&Horizontal:'
        FocusControl = Edit2
      end
      object Label3: TLabel
        Left = 8
        Top = 44
        Width = 42
        Height = 13
        Caption = '&Vertical:'
        FocusControl = Edit3
      end
      object Edit2: TEdit
        Left = 70
        Top = 8
        Width = 48
        Height = 21
        TabOrder = 0
        Text = '0'
        OnChange = Edit2Change
      end
      object UDX: TUpDown
        Left = 118
        Top = 8
        Width = 16
        Height = 21
        Associate = Edit2
        Max = 2000
        Increment = 5
        Thousands = False
        TabOrder = 1
      end
      object CBAutoXR: TCheckBox
        Left = 144
        Top = 10
        Width = 70
        Height = 17
        Caption = '&Auto'
        TabOrder = 2
        OnClick = CBAutoXRClick
      end
      object Edit3: TEdit
        Left = 70
        Top = 40
        Width = 48
        Height = 21
        TabOrder = 3
        Text = '0'
        OnChange = Edit3Change
      end
      object UDY: TUpDown
        Left = 118
        Top = 40
        Width = 16
        Height = 21
        Associate = Edit3
        Max = 2000
        Increment = 5
        Thousands = False
        TabOrder = 4
      end
      object CBAutoYR: TCheckBox
        Left = 144
        Top = 42
        Width = 70
        Height = 17
        Caption = 'A&uto'
        TabOrder = 5
        OnClick = CBAutoYRClick
      end
    end
    object TabShadow: TTabSheet
      Caption = 'Shadow'
    end
  end
end
