object ChartTestForm: TChartTestForm
  Left = 0
  Top = 0
  Caption = 'Chart'
  ClientHeight = 300
  ClientWidth = 400
  object Chart1: TChart
    Left = 0
    Top = 0
    Width = 400
    Height = 300
    BackWall.Gradient.EndColor = 12615744
    BackWall.Gradient.StartColor = 15790320
    BackWall.Gradient.Visible = True
    BackWall.Transparent = False
    BevelOuter = bvNone
    BottomAxis.Automatic = False
    BottomAxis.AutomaticMaximum = False
    BottomAxis.AutomaticMinimum = False
    BottomAxis.Increment = 1.000000000000000000
    BottomAxis.Maximum = 5.000000000000000000
    Color = clWhite
    LeftAxis.Automatic = False
    LeftAxis.AutomaticMaximum = False
    LeftAxis.AutomaticMinimum = False
    LeftAxis.Grid.SmallDots = True
    LeftAxis.Maximum = 2.000000000000000000
    LeftAxis.Minimum = -2.000000000000000000
    LeftAxis.Title.Caption = 'Volts'
    Legend.Alignment = laBottom
    ScrollMouseButton = mbMiddle
    Title.Text.Strings = (
      'Map 1')
    View3D = False
    object Series1: TTestBoxSeries
      SeriesColor = clRed
      Title = 'Curve'
    end
  end
end
