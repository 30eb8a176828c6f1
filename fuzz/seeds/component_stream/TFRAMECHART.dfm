object FrameChart: TFrameChart
  Left = 0
  Top = 0
  Width = 451
  Height = 304
  Align = alClient
  TabOrder = 0
  OnResize = FrameResize
  object BaseSplitter1: TSplitter
    Left = 0
    Top = 0
    Width = 451
    Height = 0
    Align = alTop
    Beveled = True
    Cursor = -15
    ResizeStyle = rsUpdate
  end
  object Splitter1: TSplitter
    Left = 0
    Top = 258
    Width = 451
    Height = 6
    Align = alBottom
    Beveled = True
    Cursor = -15
    ResizeStyle = rsUpdate
  end
  object ChartGrid1: TChartGrid
    Left = 344
    Top = 0
    Width = 107
    Height = 258
    Align = alRight
    TabOrder = 0
    OnKeyDown = ChartGrid1KeyDown
    OnKeyUp = ChartGrid1KeyUp
    OnSetEditText = ChartGrid1SetEditText
  end
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 344
    Height = 258
    ActivePage = TabSheet1
    Align = alClient
    DoubleBuffered = True
    TabOrder = 1
    OnChange = PageControl1Change
    object TabSheet1: TTabSheet
      Caption = 'Channel 1'
      object XcTabControl1: TXcTabControl
        Left = 0
        Top = 0
        Width = 336
        Height = 230
        Align = alClient
        TabOrder = 0
        Tabs.Strings = (
          'Map 1'
          'Map 2'
          'Map 3')
        TabIndex = 0
        OnChange = XcTabControl1Change
        object Chart1: TChart
          Left = 4
          Top = 24
          Width = 328
          Height = 202
          Legend.Visible = False
          Title.Visible = False
          BevelOuter = bvNone
          ScrollMouseButton = mbMiddle
          ClipPoints = False
          ColorPaletteIndex = 13
          View3D = False
          Align = alClient
          TabOrder = 0
          OnZoom = Chart1Zoom
          OnAfterDraw = Chart1AfterDraw
          OnMouseDown = Chart1MouseDown
          OnMouseMove = Chart1MouseMove
          OnMouseUp = Chart1MouseUp
          object Series1: TLineSeries
            Marks.Arrow.Visible = True
            Marks.Callout.Brush.Color = clBlack
            Marks.Callout.Arrow.Visible = True
            Marks.Visible = False
            Pointer.Brush.Color = clBlue
            Pointer.InflateMargins = True
            Pointer.Pen.Color = clLime
            Pointer.Style = psRectangle
            Pointer.Visible = True
            XValues.Name = 'X'
            XValues.Order = loAscending
            YValues.Name = 'Y'
            YValues.Order = loNone
          end
        end
      end
    end
    object TabSheet2: TTabSheet
      Caption = 'Channel 2'
      ImageIndex = 1
      object XcTabControl2: TXcTabControl
        Left = 0
        Top = 0
        Width = 336
        Height = 230
        Align = alClient
        TabOrder = 0
        Tabs.Strings = (
          'Map 1'
          'Map 2'
          'Map 3')
        TabIndex = 0
        OnChange = XcTabControl2Change
        object Chart2: TChart
          Left = 4
          Top = 24
          Width = 328
          Height = 202
          Legend.Visible = False
          Title.Visible = False
          BevelOuter = bvNone
          ScrollMouseButton = mbMiddle
          ClipPoints = False
          ColorPaletteIndex = 13
          View3D = False
          Align = alClient
          TabOrder = 0
          OnZoom = Chart1Zoom
          OnAfterDraw = Chart1AfterDraw
          OnMouseDown = Chart1MouseDown
          OnMouseMove = Chart1MouseMove
          OnMouseUp = Chart1MouseUp
          object Series2: TLineSeries
            Marks.Arrow.Visible = True
            Marks.Callout.Brush.Color = clBlack
            Marks.Callout.Arrow.Visible = True
            Marks.Visible = False
            Pointer.Brush.Color = clBlue
            Pointer.InflateMargins = True
            Pointer.Pen.Color = clLime
            Pointer.Style = psRectangle
            Pointer.Visible = True
            XValues.Name = 'X'
            XValues.Order = loAscending
            YValues.Name = 'Y'
            YValues.Order = loNone
          end
        end
      end
    end
  end
  object Panel2: TPanel
    Left = 0
    Top = 264
    Width = 451
    Height = 40
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 2
    object btnRead: TButton
      Left = 0
      Top = 0
      Width = 75
      Height = 40
      Align = alLeft
      Caption = 'Receive'
      TabOrder = 0
      Visible = False
      OnClick = btnReadClick
      OnKeyUp = OnAcKeyUp
      OnMouseUp = OnAcMouseUp
    end
    object btnSend: TButton
      Left = 75
      Top = 0
      Width = 75
      Height = 40
      Align = alLeft
      Caption = 'Send'
      TabOrder = 1
      Visible = False
      OnClick = btnSendClick
      OnKeyUp = OnAcKeyUp
      OnMouseUp = OnAcMouseUp
    end
    object btnLoad: TButton
      Left = 150
      Top = 0
      Width = 75
      Height = 40
      Align = alLeft
      Caption = 'Load'
      TabOrder = 2
      Visible = False
      OnClick = btnLoadClick
      OnKeyUp = OnAcKeyUp
      OnMouseUp = OnAcMouseUp
    end
    object btnSave: TButton
      Left = 225
      Top = 0
      Width = 75
      Height = 40
      Align = alLeft
      Caption = 'Save'
      TabOrder = 3
      Visible = False
      OnClick = btnSaveClick
      OnKeyUp = OnAcKeyUp
      OnMouseUp = OnAcMouseUp
    end
    object btnClear: TButton
      Left = 300
      Top = 0
      Width = 75
      Height = 40
      Align = alLeft
      Caption = 'Clear'
      TabOrder = 4
      OnClick = btnClearClick
      OnKeyUp = OnAcKeyUp
      OnMouseUp = OnAcMouseUp
    end
    object btnPressure: TButton
      Left = 375
      Top = 0
      Width = 75
      Height = 40
      Align = alLeft
      Caption = 'Pressure'
      TabOrder = 5
      OnClick = btnPressureClick
      OnKeyUp = OnAcKeyUp
      OnMouseUp = OnAcMouseUp
    end
    object btnEdit: TButton
      Left = 450
      Top = 0
      Width = 75
      Height = 40
      Align = alLeft
      Caption = '&Edit...'
      TabOrder = 6
      Visible = False
      OnClick = btnEditClick
      OnKeyUp = OnAcKeyUp
      OnMouseUp = OnAcMouseUp
    end
    object XcSwitch1: TXcSwitch
      Left = 525
      Top = 0
      Width = 75
      Height = 40
      Hint = 'Tuning on/off'
      Align = alLeft
      ParentShowHint = False
      ShowHint = True
      StateOn = True
      Visible = False
      OnOn = XcSwitch1On
      OnOff = XcSwitch1Off
    end
  end
  object SaveDialog1: TSaveDialog
  end
  object OpenDialog1: TOpenDialog
  end
  object VoltageValuesTimer: TTimer
    Interval = 50
    OnTimer = OnVoltageValuesTimer
  end
  object UpdateTimer: TTimer
    Enabled = False
    OnTimer = OnUpdateTimer
  end
end
