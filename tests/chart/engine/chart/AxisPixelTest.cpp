// The axes as a whole chart draws them: ticks and grid lines at the values' pixels, rotated
// labels, and the depth axis beside the 3-D box.
#include "LayoutTestSupport.h"

#include "chart/engine/canvas/ChartPen.h"

#include <gtest/gtest.h>

namespace {

bool dark(TColor C) {
    const int r = C & 0xFF, g = (C >> 8) & 0xFF, b = (C >> 16) & 0xFF;
    // Black labels and the dark grey ticks; not the grey grid or the silver wall.
    return r + g + b < 3 * 140;
}

// The dark pixels in R, and their bounding box.
int darkPixels(TLayoutChart& Chart, const TRect& R, TRect* Box = nullptr) {
    int n = 0;
    TRect box{R.Right, R.Bottom, R.Left, R.Top};
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x)
            if (dark(Chart.Pixel(x, y))) {
                ++n;
                box = TRect{std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                            std::max(box.Bottom, y + 1)};
            }
    if (Box) *Box = box;
    return n;
}

// A white 2-D chart with one series and fixed axes: left 0..10 by 2, bottom 0..5 by 1.
void setUp(TLayoutChart& Chart) {
    Chart.SetPanelColor(clWhite);
    Chart.Legend()->SetVisible(false);
    Chart.AddBoxSeries({1, 2}, QStringLiteral("Curve"))->SetSeriesColor(clRed);
    Chart.LeftAxis()->SetMinMax(0, 10);
    Chart.LeftAxis()->SetIncrement(2);
    Chart.BottomAxis()->SetMinMax(0, 5);
    Chart.BottomAxis()->SetIncrement(1);
}

TEST(AxisPixels, TicksSitAtTheValuesAndPointOutwards) {
    TLayoutChart chart;
    setUp(chart);
    chart.LeftAxis()->Grid()->SetVisible(false);
    chart.LeftAxis()->MinorTicks()->SetVisible(false);
    chart.Paint();
    TChartAxis* left = chart.LeftAxis();
    const int x = left->PosAxis();
    for (double v : {0.0, 4.0, 10.0}) {
        const int y = left->CalcYPosValue(v);
        SCOPED_TRACE(v);
        // The tick runs TickLength pixels left of the axis line.
        EXPECT_TRUE(dark(chart.Pixel(x - 3, y)));
        EXPECT_FALSE(dark(chart.Pixel(x - left->TickLength() - 3, y)));
    }
    // Between two ticks there is none.
    EXPECT_FALSE(dark(chart.Pixel(x - 3, left->CalcYPosValue(3))));
}

TEST(AxisPixels, GridLinesAreDottedAcrossThePlottingBox) {
    TLayoutChart chart;
    setUp(chart);
    chart.Paint();
    const int y = chart.LeftAxis()->CalcYPosValue(6);
    int grey = 0, white = 0;
    for (int x = chart.ChartRect.Left + 10; x < chart.ChartRect.Right - 10; ++x) {
        const TColor c = chart.Pixel(x, y);
        if (c == clGray) ++grey;
        if (c == clWhite || c == clSilver) ++white;
    }
    EXPECT_GT(grey, 20);
    EXPECT_GT(white, 20) << "dotted, not solid";
    // No grid line halfway between two labels.
    const int between = chart.LeftAxis()->CalcYPosValue(5);
    int greyBetween = 0;
    for (int x = chart.ChartRect.Left + 10; x < chart.ChartRect.Right - 10; ++x)
        if (chart.Pixel(x, between) == clGray) ++greyBetween;
    EXPECT_EQ(greyBetween, 0);
}

TEST(AxisPixels, RotatedLabelsStandUpright) {
    TLayoutChart chart;
    setUp(chart);
    chart.BottomAxis()->SetMinMax(1000, 5000);
    chart.BottomAxis()->SetIncrement(1000);
    chart.Paint();
    TRect flat;
    const TRect below{chart.ChartRect.Left - 20, chart.ChartRect.Bottom + 6, chart.ChartRect.Right + 20,
                      chart.Target.Height()};
    ASSERT_GT(darkPixels(chart, below, &flat), 0);
    const int flatBottom = chart.ChartRect.Bottom;

    chart.BottomAxis()->SetLabelsAngle(90);
    chart.Paint();
    // Upright labels need more room below the plotting box.
    EXPECT_LT(chart.ChartRect.Bottom, flatBottom);
    // The label of 3000 is taller than wide, centred on its value's pixel.
    const int x = chart.BottomAxis()->CalcXPosValue(3000);
    TRect label;
    const TRect around{x - 12, chart.ChartRect.Bottom + 6, x + 12, chart.Target.Height()};
    ASSERT_GT(darkPixels(chart, around, &label), 0);
    EXPECT_GT(label.Bottom - label.Top, 2 * (label.Right - label.Left));
    EXPECT_NEAR((label.Left + label.Right) / 2, x, 8);
}

TEST(AxisPixels, DepthAxisLabelsTheDepthIn3D) {
    TLayoutChart chart;
    setUp(chart);
    chart.SetView3D(true);
    chart.Paint();
    const TRect side{chart.ChartRect.Right + 2, chart.ChartRect.Top - chart.Height3D() - 5,
                     chart.Target.Width(), chart.ChartRect.Bottom + 5};
    const int without = darkPixels(chart, side);

    chart.DepthAxis()->SetVisible(true);
    chart.Paint();
    ASSERT_GT(chart.Width3D(), 0);
    const TRect side2{chart.ChartRect.Right + 2, chart.ChartRect.Top - chart.Height3D() - 5,
                      chart.Target.Width(), chart.ChartRect.Bottom + 5};
    EXPECT_GT(darkPixels(chart, side2), without + 10);
    // Its labels leave the plotting box less room on the right.
    EXPECT_TRUE(chart.IsAxisVisible(chart.DepthAxis()));
}

} // namespace
