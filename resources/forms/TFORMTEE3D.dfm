object FormTee3D: TFormTee3D
  Left = 0
  Top = 0
  Align = alClient
  BorderStyle = bsNone
  ClientHeight = 220
  ClientWidth = 430
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 430
    Height = 220
    Align = alClient
    TabOrder = 17
    OnChange = PageControl1Change
    object TabOptions: TTabSheet
      Caption = 'Options'
      object CBView3d: TCheckBox
        Left = 8
        Top = 8
        Width = 110
        Height = 17
        Caption = '&3 Dimensions'
        TabOrder = 0
        OnClick = CBView3dClick
      end
      object L3d: TLabel
        Left = 8
        Top = 34
        Width = 60
        Height = 13
        Caption = '3&D %:'
        FocusControl = SE3d
      end
      object SE3d: TEdit
        Left = 48
        Top = 30
        Width = 40
        Height = 21
        Text = '15'
        TabOrder = 1
        OnChange = SE3dChange
      end
      object UD3d: TUpDown
        Left = 88
        Top = 30
        Width = 15
        Height = 21
        Associate = SE3d
        Min = 1
        Max = 100
        Position = 15
        Increment = 5
        TabOrder = 2
      end
      object CBOrthogonal: TCheckBox
        Left = 8
        Top = 58
        Width = 110
        Height = 17
        Caption = '&Orthogonal'
        TabOrder = 3
        OnClick = CBOrthogonalClick
      end
      object LOrthoAngle: TLabel
        Left = 8
        Top = 84
        Width = 60
        Height = 13
        Caption = '&Angle:'
        FocusControl = EOrthoAngle
      end
      object EOrthoAngle: TEdit
        Left = 48
        Top = 80
        Width = 40
        Height = 21
        Text = '45'
        TabOrder = 4
        OnChange = EOrthoAngleChange
      end
      object UDOrthoAngle: TUpDown
        Left = 88
        Top = 80
        Width = 15
        Height = 21
        Associate = EOrthoAngle
        Min = 0
        Max = 180
        Position = 45
        Increment = 5
        TabOrder = 5
      end
      object CBZoomText: TCheckBox
        Left = 8
        Top = 110
        Width = 90
        Height = 17
        Caption = 'Zoom &Text'
        TabOrder = 6
        OnClick = CBZoomTextClick
      end
      object LTextSize: TLabel
        Left = 8
        Top = 134
        Width = 60
        Height = 13
        Caption = ''
        FocusControl = ETextSize
      end
      object ETextSize: TEdit
        Left = 78
        Top = 130
        Width = 40
        Height = 21
        Text = '100'
        TabOrder = 7
        OnChange = ETextSizeChange
      end
      object UDTextSize: TUpDown
        Left = 118
        Top = 130
        Width = 15
        Height = 21
        Associate = ETextSize
        Min = 1
        Max = 2000
        Position = 100
        Increment = 5
        TabOrder = 8
      end
      object LPercent: TLabel
        Left = 70
        Top = 134
        Width = 10
        Height = 13
        Caption = '%'
      end
      object CBClipPoints: TCheckBox
        Left = 8
        Top = 160
        Width = 100
        Height = 17
        Caption = '&Clip Points'
        TabOrder = 9
        OnClick = CBClipPointsClick
      end
      object L1: TLabel
        Left = 130
        Top = 10
        Width = 60
        Height = 13
        Caption = '&Zoom:'
        FocusControl = SBZoom
      end
      object SBZoom: TTrackBar
        Left = 210
        Top = 6
        Width = 150
        Height = 25
        Min = 1
        Max = 500
        Position = 100
        PageSize = 5
        Frequency = 20
        TabOrder = 10
        OnChange = SBZoomChange
      end
      object LZoom: TLabel
        Left = 364
        Top = 10
        Width = 40
        Height = 13
        Caption = '100'
      end
      object L2: TLabel
        Left = 130
        Top = 38
        Width = 60
        Height = 13
        Caption = '&Rotation:'
        FocusControl = SBRotation
      end
      object SBRotation: TTrackBar
        Left = 210
        Top = 34
        Width = 150
        Height = 25
        Min = 0
        Max = 360
        Position = 345
        PageSize = 10
        Frequency = 45
        TabOrder = 11
        OnChange = SBRotationChange
      end
      object LRotation: TLabel
        Left = 364
        Top = 38
        Width = 40
        Height = 13
        Caption = '345'
      end
      object L3: TLabel
        Left = 130
        Top = 66
        Width = 60
        Height = 13
        Caption = 'E&levation:'
        FocusControl = SBElevation
      end
      object SBElevation: TTrackBar
        Left = 210
        Top = 62
        Width = 150
        Height = 25
        Min = 270
        Max = 360
        Position = 345
        PageSize = 10
        Frequency = 10
        TabOrder = 12
        OnChange = SBElevationChange
      end
      object LElevation: TLabel
        Left = 364
        Top = 66
        Width = 40
        Height = 13
        Caption = '345'
      end
      object L4: TLabel
        Left = 130
        Top = 94
        Width = 60
        Height = 13
        Caption = '&Horiz. Offset:'
        FocusControl = SBHOffset
      end
      object SBHOffset: TTrackBar
        Left = 210
        Top = 90
        Width = 150
        Height = 25
        Min = -1500
        Max = 1500
        Position = 0
        LineSize = 10
        Frequency = 250
        TabOrder = 13
        OnChange = SBHOffsetChange
      end
      object LHOffset: TLabel
        Left = 364
        Top = 94
        Width = 40
        Height = 13
        Caption = '0'
      end
      object L5: TLabel
        Left = 130
        Top = 122
        Width = 60
        Height = 13
        Caption = '&Vert. Offset:'
        FocusControl = SBVOffset
      end
      object SBVOffset: TTrackBar
        Left = 210
        Top = 118
        Width = 150
        Height = 25
        Min = -1500
        Max = 1500
        Position = 0
        LineSize = 10
        Frequency = 250
        TabOrder = 14
        OnChange = SBVOffsetChange
      end
      object LVOffset: TLabel
        Left = 364
        Top = 122
        Width = 40
        Height = 13
        Caption = '0'
      end
      object L6: TLabel
        Left = 130
        Top = 150
        Width = 60
        Height = 13
        Caption = '&Perspective:'
        FocusControl = SBPerspec
      end
      object SBPerspec: TTrackBar
        Left = 210
        Top = 146
        Width = 150
        Height = 25
        Min = 0
        Max = 100
        Position = 15
        Frequency = 10
        TabOrder = 15
        OnChange = SBPerspecChange
      end
      object LPerspec: TLabel
        Left = 364
        Top = 150
        Width = 40
        Height = 13
        Caption = '15'
      end
    end
    object TabViews: TTabSheet
      Caption = 'Views'
      object ChartGalleryPanel1: TChartGalleryPanel
        Left = 0
        Top = 0
        Width = 420
        Height = 190
        Align = alClient
        TabOrder = 16
        OnChangeChart = ChartGalleryPanel1ChangeChart
      end
    end
  end
end
