inherited CircularGaugeEditor: TCircularGaugeEditor
  ClientHeight = 279
  ClientWidth = 367
  inherited PageControl1: TPageControl
    Width = 367
    Height = 279
    inherited TabOptions: TTabSheet
      object Label14: TLabel
        Left = 8
        Top = 162
        Width = 70
        Height = 13
        Caption = '&Total Angle:'
        FocusControl = ETotalAngle
      end
      object ETotalAngle: TEdit
        Left = 90
        Top = 158
        Width = 38
        Height = 21
        TabOrder = 0
        Text = '0'
        OnChange = ETotalAngleChange
      end
      object UDTotalAngle: TUpDown
        Left = 128
        Top = 158
        Width = 16
        Height = 21
        Associate = ETotalAngle
        Min = 0
        Max = 360
        Thousands = False
        Wrap = True
        TabOrder = 1
      end
      object Label15: TLabel
        Left = 8
        Top = 188
        Width = 70
        Height = 13
        Caption = 'Rotation:'
        FocusControl = Edit4
      end
      object Edit4: TEdit
        Left = 90
        Top = 184
        Width = 38
        Height = 21
        TabOrder = 0
        Text = '0'
        OnChange = Edit4Change
      end
      object UDRotAngle: TUpDown
        Left = 128
        Top = 184
        Width = 16
        Height = 21
        Associate = Edit4
        Min = 0
        Max = 360
        Thousands = False
        Wrap = True
        TabOrder = 1
      end
      object Label16: TLabel
        Left = 8
        Top = 214
        Width = 70
        Height = 13
        Caption = '&Hand distance:'
        FocusControl = Edit1
      end
      object Edit1: TEdit
        Left = 90
        Top = 210
        Width = 38
        Height = 21
        TabOrder = 0
        Text = '0'
        OnChange = Edit1Change
      end
      object UDHandDist: TUpDown
        Left = 128
        Top = 210
        Width = 16
        Height = 21
        Associate = Edit1
        Min = 0
        Max = 10000
        Thousands = False
        TabOrder = 1
      end
      object Label17: TLabel
        Left = 150
        Top = 214
        Width = 70
        Height = 13
        Caption = 'Hand &Offset:'
        FocusControl = Edit3
      end
      object Edit3: TEdit
        Left = 230
        Top = 210
        Width = 38
        Height = 21
        TabOrder = 0
        Text = '0'
        OnChange = Edit3Change
      end
      object UDHandOff: TUpDown
        Left = 268
        Top = 210
        Width = 16
        Height = 21
        Associate = Edit3
        Min = 0
        Max = 10000
        Thousands = False
        TabOrder = 1
      end
      object CBLabelsInside: TCheckBox
        Left = 200
        Top = 100
        Width = 100
        Height = 17
        Caption = 'Labels &Inside'
        TabOrder = 3
        OnClick = CBLabelsInsideClick
      end
      object CBRotateLabels: TCheckBox
        Left = 200
        Top = 122
        Width = 100
        Height = 17
        Caption = '&Rotate Labels'
        TabOrder = 3
        OnClick = CBRotateLabelsClick
      end
      object CBCircled: TCheckBox
        Left = 200
        Top = 144
        Width = 100
        Height = 17
        Caption = 'Circled'
        TabOrder = 3
        OnClick = CBCircledClick
      end
      object BHand: TButton
        Left = 270
        Top = 8
        Width = 85
        Height = 25
        Caption = '&Hand...'
        TabOrder = 4
        OnClick = BHandClick
      end
      object BCenter: TButton
        Left = 270
        Top = 38
        Width = 85
        Height = 25
        Caption = '&Center...'
        TabOrder = 4
        OnClick = BCenterClick
      end
      object Button3: TButton
        Left = 270
        Top = 68
        Width = 85
        Height = 25
        Caption = '&End Point...'
        TabOrder = 4
        OnClick = Button3Click
      end
    end
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 1
    OnTimer = Timer1Timer
  end
end
