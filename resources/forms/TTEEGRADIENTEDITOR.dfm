object TeeGradientEditor: TTeeGradientEditor
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Gradient Editor'
  ClientHeight = 262
  ClientWidth = 330
  Font.Height = -11
  Font.Name = 'Tahoma'
  Position = poScreenCenter
  OnShow = FormShow
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 330
    Height = 34
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object Label1: TLabel
      Left = 112
      Top = 10
      Width = 48
      Height = 13
      Caption = '&Direction:'
      FocusControl = CBDirection
    end
    object CBVisible: TCheckBox
      Left = 8
      Top = 8
      Width = 90
      Height = 17
      Caption = '&Visible'
      TabOrder = 0
      OnClick = CBVisibleClick
    end
    object CBDirection: TComboFlat
      Left = 166
      Top = 6
      Width = 150
      Height = 21
      DropDownCount = 10
      Style = csDropDownList
      TabOrder = 1
      OnChange = CBDirectionChange
      Items.Strings = (
        'Top Bottom'
        'Bottom Top'
        'Left Right'
        'Right Left'
        'From Center'
        'From Top Left'
        'From Bottom Left'
        'Radial'
        'Diagonal Up'
        'Diagonal Down')
    end
  end
  object PageControl1: TPageControl
    Left = 0
    Top = 34
    Width = 330
    Height = 188
    ActivePage = TabColors
    Align = alClient
    TabOrder = 1
    object TabDefault: TTabSheet
      Caption = 'Default'
      object Panel3: TPanel
        Left = 0
        Top = 0
        Width = 4
        Height = 160
        Align = alLeft
        BevelOuter = bvNone
        TabOrder = 0
      end
      object Gallery: TListBox
        Left = 4
        Top = 0
        Width = 120
        Height = 160
        Align = alLeft
        ItemHeight = 13
        Sorted = True
        TabOrder = 1
        OnClick = GalleryClick
      end
      object Panel4: TPanel
        Left = 124
        Top = 0
        Width = 6
        Height = 160
        Align = alLeft
        BevelOuter = bvNone
        TabOrder = 2
      end
    end
    object TabColors: TTabSheet
      Caption = 'Colors'
      object BStart: TButtonColor
        Left = 12
        Top = 12
        Width = 100
        Height = 25
        Caption = '&Start...'
        TabOrder = 0
        OnClick = BStartClick
      end
      object BMid: TButtonColor
        Left = 12
        Top = 46
        Width = 100
        Height = 25
        Caption = '&Middle...'
        TabOrder = 1
        OnClick = BMidClick
      end
      object BEnd: TButtonColor
        Left = 12
        Top = 80
        Width = 100
        Height = 25
        Caption = '&End...'
        TabOrder = 2
        OnClick = BStartClick
      end
      object BSwap: TButton
        Left = 130
        Top = 80
        Width = 75
        Height = 25
        Caption = 'S&wap'
        TabOrder = 3
        OnClick = BSwapClick
      end
      object CBMid: TCheckBox
        Left = 130
        Top = 50
        Width = 110
        Height = 17
        Caption = '&No Middle'
        TabOrder = 4
        OnClick = CBMidClick
      end
    end
    object TabOptions: TTabSheet
      Caption = 'Options'
      object Label2: TLabel
        Left = 8
        Top = 10
        Width = 42
        Height = 13
        Caption = '&Balance:'
        FocusControl = SBBalance
      end
      object LabelBalance: TLabel
        Left = 240
        Top = 10
        Width = 30
        Height = 13
        Caption = '50 %'
      end
      object Label3: TLabel
        Left = 8
        Top = 130
        Width = 31
        Height = 13
        Caption = '&Angle:'
        FocusControl = EAngle
      end
      object SBBalance: TScrollBar
        Left = 60
        Top = 8
        Width = 170
        Height = 17
        Max = 100
        PageSize = 0
        Position = 50
        TabOrder = 0
        OnChange = SBBalanceChange
      end
      object GroupBox1: TGroupBox
        Left = 8
        Top = 34
        Width = 300
        Height = 86
        Caption = 'Radial offset:'
        TabOrder = 1
        object Label4: TLabel
          Left = 8
          Top = 22
          Width = 32
          Height = 13
          Caption = '&Horiz:'
          FocusControl = TrackBar1
        end
        object Label5: TLabel
          Left = 8
          Top = 54
          Width = 25
          Height = 13
          Caption = '&Vert:'
          FocusControl = TrackBar2
        end
        object LRadialX: TLabel
          Left = 250
          Top = 22
          Width = 6
          Height = 13
          Caption = '0'
        end
        object LRadialY: TLabel
          Left = 250
          Top = 54
          Width = 6
          Height = 13
          Caption = '0'
        end
        object TrackBar1: TTrackBar
          Left = 44
          Top = 16
          Width = 200
          Height = 26
          Max = 300
          Min = -300
          PageSize = 20
          Frequency = 50
          TabOrder = 0
          OnChange = TrackBar1Change
        end
        object TrackBar2: TTrackBar
          Left = 44
          Top = 48
          Width = 200
          Height = 26
          Max = 300
          Min = -300
          PageSize = 20
          Frequency = 50
          TabOrder = 1
          OnChange = TrackBar2Change
        end
      end
      object EAngle: TEdit
        Left = 60
        Top = 126
        Width = 40
        Height = 21
        TabOrder = 2
        Text = '0'
        OnChange = EAngleChange
      end
      object UDAngle: TUpDown
        Left = 100
        Top = 126
        Width = 16
        Height = 21
        Associate = EAngle
        Max = 360
        Increment = 5
        Thousands = False
        TabOrder = 3
      end
    end
    object TabDirections: TTabSheet
      Caption = 'Directions'
    end
    object TabSubGradient: TTabSheet
      Caption = 'SubGradient'
      object Label6: TLabel
        Left = 8
        Top = 42
        Width = 72
        Height = 13
        Caption = '&Transparency:'
        FocusControl = SBTransp
      end
      object CBSubVisible: TCheckBox
        Left = 8
        Top = 12
        Width = 100
        Height = 17
        Caption = '&Visible'
        TabOrder = 0
        OnClick = CBSubVisibleClick
      end
      object SBTransp: TScrollBar
        Left = 90
        Top = 40
        Width = 150
        Height = 17
        PageSize = 0
        TabOrder = 1
        OnChange = SBTranspChange
      end
      object BSubEdit: TButtonGradient
        Left = 8
        Top = 72
        Width = 100
        Height = 25
        Caption = '&Edit...'
        TabOrder = 2
      end
    end
  end
  object PanelButtons: TPanel
    Left = 0
    Top = 222
    Width = 330
    Height = 40
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 2
    object BOK: TButton
      Left = 160
      Top = 8
      Width = 75
      Height = 25
      Caption = 'OK'
      Default = True
      ModalResult = 1
      TabOrder = 0
    end
    object BCancel: TButton
      Left = 245
      Top = 8
      Width = 75
      Height = 25
      Cancel = True
      Caption = 'Cancel'
      TabOrder = 1
      OnClick = BCancelClick
    end
  end
end
