// The axis panel: the order of a frame's steps, AutoRepaint restored on every exit of a
// frame, the axes' visibility and ranges from the series, paging, the 3-D sizes, and the
// axis layout and hit test on a drawn chart.
#include "AxisTestSupport.h"

#include "chart/engine/texts/TeeConst.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(AxisPanel, FrameStepsInOrder) {
    TTestAxisPanel chart;
    chart.Paint();
    EXPECT_EQ(chart.Steps, (QStringList{"titles before", "walls rect", "walls", "axes", "series",
                                        "titles after", "after"}));
    chart.SetAxisBehind(false);
    chart.Paint();
    EXPECT_EQ(chart.Steps, (QStringList{"titles before", "walls rect", "walls", "series", "axes",
                                        "titles after", "after"}));
}

TEST(AxisPanel, AutoRepaintComesBackAfterAFailedFrame) {
    TTestAxisPanel chart;
    struct Thrower {
        void Fail(TObject*) { throw std::runtime_error("handler failed"); }
    } thrower;
    chart.OnBeforeDrawChart = TNotifyEvent(&thrower, &Thrower::Fail);
    EXPECT_THROW(chart.Paint(), std::runtime_error);
    EXPECT_TRUE(chart.AutoRepaint());
    chart.OnBeforeDrawChart = TNotifyEvent();
    chart.SetAutoRepaint(false);
    chart.Paint();
    EXPECT_FALSE(chart.AutoRepaint());
}

TEST(AxisPanel, AxesOfAChartWithoutSeriesAndWithSeries) {
    TTestAxisPanel chart;
    chart.Paint();
    EXPECT_TRUE(chart.IsAxisVisible(chart.LeftAxis()));
    EXPECT_TRUE(chart.IsAxisVisible(chart.BottomAxis()));
    EXPECT_FALSE(chart.IsAxisVisible(chart.DepthAxis())); // hidden, and 2-D
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), 0);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Maximum(), 0);

    auto* s = new TChartSeries(nullptr);
    s->SetParentChart(&chart);
    EXPECT_EQ(chart.SeriesCount(), 1);
    for (int i = 0; i < 25; ++i)
        s->AddXY(i, i * 2);
    chart.Paint();
    EXPECT_TRUE(chart.IsAxisVisible(chart.LeftAxis()));
    EXPECT_FALSE(chart.IsAxisVisible(chart.RightAxis())); // no series on it
    EXPECT_DOUBLE_EQ(chart.BottomAxis()->Maximum(), 24);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Maximum(), 48);

    // Paging: 10 points a page, 3 pages; the partial last page keeps a full page's scale.
    chart.SetMaxPointsPerPage(10);
    EXPECT_EQ(chart.Pages()->Count(), 3);
    int changes = 0;
    struct Counter {
        int* n;
        void Changed(TObject*) { ++*n; }
    } counter{&changes};
    chart.OnPageChange = TNotifyEvent(&counter, &Counter::Changed);
    chart.SetPage(99);
    EXPECT_EQ(chart.Page(), 3);
    EXPECT_EQ(changes, 1);
    chart.SetScaleLastPage(false);
    EXPECT_DOUBLE_EQ(chart.MaxXValue(chart.BottomAxis()), 28);
    EXPECT_DOUBLE_EQ(chart.MinXValue(chart.BottomAxis()), 20);
    chart.SetPage(0);
    EXPECT_EQ(chart.Page(), 1);
    EXPECT_THROW(chart.SetMaxPointsPerPage(-1), ChartException);
    chart.SetMaxPointsPerPage(0);
    chart.Pages()->NextPage();
    EXPECT_EQ(chart.Pages()->Count(), 1);
    EXPECT_EQ(chart.Page(), 1);

    chart.RemoveSeries(s);
    EXPECT_EQ(chart.SeriesCount(), 0);
    EXPECT_EQ(s->ParentChart(), nullptr);
    delete s;
}

TEST(AxisPanel, DepthAxisRangeAnd3DSizes) {
    TTestAxisPanel chart;
    EXPECT_DOUBLE_EQ(chart.InternalMinMax(chart.DepthAxis(), true, false), -0.5);
    EXPECT_DOUBLE_EQ(chart.InternalMinMax(chart.DepthAxis(), false, false), 0.5);
    chart.DepthAxis()->SetLabelStyle(talValue);
    EXPECT_DOUBLE_EQ(chart.InternalMinMax(chart.DepthAxis(), false, false), 0);

    chart.SetChart3DPercent(40);
    chart.CalcSize3DWalls();
    EXPECT_EQ(chart.Width3D(), 0);
    EXPECT_EQ(chart.Height3D(), 0);
    EXPECT_THROW(chart.SetChart3DPercent(0), Exception);
    EXPECT_THROW(chart.SetChart3DPercent(101), Exception);
    EXPECT_EQ(chart.Chart3DPercent(), 40);

    chart.DepthAxis()->SetInverted(true);
    EXPECT_TRUE(chart.DepthTopAxis()->Inverted());
    chart.DepthTopAxis()->SetInverted(false);
    EXPECT_FALSE(chart.DepthAxis()->Inverted());
}

TEST(AxisPanel, LayoutShrinksTheChartAndClicksHitTheAxis) {
    TTestAxisPanel chart(400, 300);
    chart.LeftAxis()->SetMinMax(-2, 2);
    chart.BottomAxis()->SetMinMax(0, 5);
    chart.BottomAxis()->Title()->SetCaption(QStringLiteral("Input"));
    chart.Paint();
    TChartAxis* bottom = chart.BottomAxis();
    TChartAxis* left = chart.LeftAxis();
    // The bottom axis line sits on the chart rectangle's bottom; labels below it by the
    // tick room (pen width 2 + 1, ticks 4).
    EXPECT_EQ(bottom->PosAxis(), chart.ChartRect.Bottom);
    EXPECT_EQ(bottom->PosLabels(), bottom->PosAxis() + 7);
    EXPECT_GT(bottom->PosTitle(), bottom->PosLabels());
    EXPECT_EQ(left->PosAxis(), chart.ChartRect.Left);
    EXPECT_EQ(left->IStartPos, chart.ChartRect.Top);
    EXPECT_EQ(left->IEndPos, chart.ChartRect.Bottom);
    EXPECT_EQ(left->CalcPosValue(-2), chart.ChartRect.Bottom);

    const int midX = (bottom->IStartPos + bottom->IEndPos) / 2;
    EXPECT_TRUE(bottom->Clicked(midX, bottom->PosAxis()));
    EXPECT_TRUE(bottom->Clicked(midX, bottom->PosLabels()));
    EXPECT_FALSE(bottom->Clicked(midX, bottom->PosAxis() - 10));
    EXPECT_FALSE(bottom->Clicked(bottom->IEndPos + 20, bottom->PosAxis()));
    bottom->SetLabels(false);
    EXPECT_FALSE(bottom->Clicked(midX, bottom->PosAxis() + 2));
    EXPECT_TRUE(bottom->Clicked(midX, bottom->PosAxis()));

    // The axis line is drawn in the axis pen's colour (black) at the left edge.
    const TColor line = chart.Target.Canvas()->Pixels(left->PosAxis(), (left->IStartPos + left->IEndPos) / 2);
    EXPECT_EQ(ColorToRGB(line), 0x000000u);
}

TEST(AxisPanel, PositionsAndSizes) {
    TTestAxisPanel chart;
    TChartAxis* left = chart.LeftAxis();
    const TRect r{10, 20, 210, 120};
    EXPECT_EQ(left->GetRectangleEdge(r), 10);
    left->SetPositionPercent(50);
    EXPECT_EQ(left->ApplyPosition(10, r), 110);
    left->SetPositionUnits(muPixels);
    EXPECT_EQ(left->ApplyPosition(10, r), 60);
    EXPECT_EQ(left->InflateAxisPos(10, 5), 5);
    EXPECT_EQ(chart.BottomAxis()->InflateAxisPos(10, 5), 15);
    EXPECT_EQ(left->SizeTickAxis(), 7);
}

} // namespace
