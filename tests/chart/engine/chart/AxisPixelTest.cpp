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

TEST(AxisPixels, MinorTicksBetweenTheTicksAndAnUprightTitleBesideTheLabels) {
    TLayoutChart chart;
    setUp(chart);
    chart.LeftAxis()->Grid()->SetVisible(false);
    chart.Paint();
    TChartAxis* left = chart.LeftAxis();
    // Dark pixels in the row of a value, just left of the axis line.
    auto row = [&](double Value) {
        const int y = left->CalcYPosValue(Value);
        return darkPixels(chart, TRect{left->PosAxis() - 10, y, left->PosAxis() - 1, y + 1});
    };
    // Ticks every 2, three minor ticks between: one at 1, none at 1.25.
    const int none = row(1.25);
    EXPECT_GT(row(1), none);
    EXPECT_GT(row(2), row(1)) << "a tick is longer than a minor tick";
    left->MinorTicks()->SetVisible(false);
    chart.Paint();
    EXPECT_EQ(row(1), none);

    const TRect strip{0, chart.ChartRect.Top, chart.ChartRect.Left - 1, chart.ChartRect.Bottom};
    TRect labels;
    const int untitled = darkPixels(chart, strip, &labels);
    left->Title()->SetCaption(QStringLiteral("Volts"));
    chart.Paint();
    const TRect titled{0, chart.ChartRect.Top, chart.ChartRect.Left - 1, chart.ChartRect.Bottom};
    TRect all;
    EXPECT_GT(darkPixels(chart, titled, &all), untitled + 20);
    // The title stands upright left of the labels.
    TRect title;
    ASSERT_GT(darkPixels(chart, TRect{0, titled.Top, all.Left + 14, titled.Bottom}, &title), 0);
    EXPECT_GT(title.Bottom - title.Top, 2 * (title.Right - title.Left));
    EXPECT_LT(title.Right, left->PosLabels() - left->MaxLabelsWidth() + 2);
}

// Exponent style: "4.0E+3" is drawn as the mantissa with a smaller, raised exponent and
// no "E".
TEST(AxisPixels, ExponentLabelsRaiseASmallerExponent) {
    TLayoutChart chart;
    setUp(chart);
    TChartAxis* bottom = chart.BottomAxis();
    bottom->SetMinMax(1000, 5000);
    bottom->SetIncrement(2000);
    bottom->SetAxisValuesFormat(QStringLiteral("0.0E+0"));
    EXPECT_EQ(bottom->LabelValue(4000), QStringLiteral("4.0E+3"));
    auto label = [&](TRect& Box) {
        chart.Paint();
        // Labels at the multiples of the step: 4000 and 2000.
        const int x = bottom->CalcXPosValue(4000);
        return darkPixels(chart, TRect{x - 40, chart.ChartRect.Bottom + 6, x + 40, chart.Target.Height()},
                          &Box);
    };
    TRect plain, raised;
    ASSERT_GT(label(plain), 0);
    bottom->SetLabelsExponent(true);
    ASSERT_GT(label(raised), 0);
    EXPECT_LT(raised.Right - raised.Left, plain.Right - plain.Left);
    EXPECT_LT(raised.Top, plain.Top);
}

} // namespace
