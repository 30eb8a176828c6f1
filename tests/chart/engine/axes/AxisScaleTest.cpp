// The axis as a data object: property setters and their refusals, fixed and scrolled
// ranges, the value-pixel conversions both ways in every mode, and the automatic range
// taken from the series.
#include "AxisTestSupport.h"

#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/texts/TeeConst.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// A vertical axis spanning pixels 100..300 (as after a layout) with a fixed range.
struct AxisSpan : ::testing::Test {
    TTestAxisPanel chart;
    TChartAxis* Span(TChartAxis* Axis, double Min, double Max, int Start = 100, int End = 300) {
        Axis->SetMinMax(Min, Max);
        Axis->AdjustMaxMin();
        Axis->IStartPos = Start;
        Axis->IEndPos = End;
        Axis->RecalcSizeCenter();
        return Axis;
    }
};

TEST_F(AxisSpan, SettersRefuseBadValuesAndKeepTheOldOne) {
    TChartAxis* a = chart.LeftAxis();
    a->SetMinMax(0, 10);
    EXPECT_THROW(a->SetMinimum(11), AxisException);
    EXPECT_THROW(a->SetMaximum(-1), AxisException);
    EXPECT_DOUBLE_EQ(a->Minimum(), 0);
    EXPECT_DOUBLE_EQ(a->Maximum(), 10);
    EXPECT_THROW(a->SetIncrement(-1), AxisException);
    EXPECT_THROW(a->SetIncrement(std::nan("")), AxisException);
    // A base at or below 1 (or not above 0) is refused: the label search would never end.
    for (double base : {1.0, 0.5, 0.0, -2.0, std::numeric_limits<double>::infinity()})
        EXPECT_THROW(a->SetLogarithmicBase(base), AxisException) << base;
    EXPECT_DOUBLE_EQ(a->LogarithmicBase(), 10);
    EXPECT_THROW(a->SetLabelsSeparation(-1), AxisException);

    a->SetLabelsAngle(-90);
    EXPECT_EQ(a->LabelsAngle(), -90);
    a->SetLabelsAngle(450);
    EXPECT_EQ(a->LabelsAngle(), 90);
    a->SetZPosition(0);
    EXPECT_DOUBLE_EQ(a->ZPosition(), 0.01);

    a->SetMinMax(-1, 10);
    EXPECT_THROW(a->SetLogarithmic(true), AxisException);
    EXPECT_FALSE(a->Logarithmic());
}

TEST_F(AxisSpan, AutomaticFlagsFollowEachOther) {
    TChartAxis* a = chart.BottomAxis();
    a->SetAutomaticMinimum(false);
    EXPECT_FALSE(a->Automatic());
    a->SetAutomaticMinimum(true);
    EXPECT_TRUE(a->Automatic());
    a->SetAutomatic(false);
    EXPECT_FALSE(a->AutomaticMinimum());
    EXPECT_FALSE(a->AutomaticMaximum());
}

TEST_F(AxisSpan, SetMinMaxOrdersAndWidensTheRange) {
    TChartAxis* a = chart.BottomAxis();
    a->SetMinMax(5, 0);
    EXPECT_DOUBLE_EQ(a->Minimum(), 0);
    EXPECT_DOUBLE_EQ(a->Maximum(), 5);
    EXPECT_FALSE(a->Automatic() || a->AutomaticMinimum() || a->AutomaticMaximum());
    a->SetMinMax(1, 1);
    EXPECT_DOUBLE_EQ(a->Maximum(), 1 + MinAxisRange);
}

TEST_F(AxisSpan, LinearConversionBothWays) {
    struct Case {
        bool horizontal, inverted;
        double value;
        int pixel;
    };
    // Range 0..10 over pixels 100..300: 20 pixels per unit; halves round to even.
    const Case cases[] = {
        {false, false, 0, 300}, {false, false, 10, 100},   {false, false, 2.5, 250},
        {false, true, 0, 100},  {false, true, 10, 300},    {true, false, 0, 100},
        {true, false, 10, 300}, {true, false, 0.025, 100}, {true, false, 0.075, 102},
        {true, true, 2.5, 250},
    };
    for (const Case& c : cases) {
        TChartAxis* a = c.horizontal ? chart.BottomAxis() : chart.LeftAxis();
        a->SetInverted(c.inverted);
        Span(a, 0, 10);
        EXPECT_EQ(a->CalcPosValue(c.value), c.pixel) << c.horizontal << c.inverted << " " << c.value;
        EXPECT_NEAR(a->CalcPosPoint(c.pixel), c.value, 0.05) << c.horizontal << c.inverted;
        a->SetInverted(false);
    }
    TChartAxis* a = Span(chart.LeftAxis(), 0, 10);
    EXPECT_EQ(a->CalcSizeValue(2.5), 50);
    EXPECT_EQ(a->CalcSizeValue(-1), 0);
}

TEST_F(AxisSpan, ZeroRangeMapsToTheMiddle) {
    TChartAxis* a = chart.LeftAxis();
    a->SetMinMax(3, 3);
    a->IMinimum = a->IMaximum = 3;
    a->IStartPos = 100;
    a->IEndPos = 300;
    a->RecalcSizeCenter();
    EXPECT_EQ(a->CalcPosValue(3), 200);
    EXPECT_EQ(a->CalcPosValue(1e300), 200);
    EXPECT_DOUBLE_EQ(a->CalcPosPoint(150), 3);
}

TEST_F(AxisSpan, FarValuesStayWithinThePixelLimit) {
    TChartAxis* a = Span(chart.LeftAxis(), 0, 10);
    for (double v :
         {1e300, -1e300, std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
        const int p = a->CalcPosValue(v);
        EXPECT_LE(std::abs(p), TeeMaxPixelPos) << v;
    }
    EXPECT_EQ(a->CalcPosValue(1e300), -TeeMaxPixelPos);
    // The fast conversions stop at the same limit instead of converting an unbounded double.
    chart.Axes()->SetFastCalc(true);
    EXPECT_EQ(a->CalcPosValue(2.5), 250);
    EXPECT_EQ(a->CalcPosValue(-1e300), TeeMaxPixelPos);
    EXPECT_EQ(a->CalcPosValue(std::numeric_limits<double>::infinity()), -TeeMaxPixelPos);
    EXPECT_EQ(a->CalcPosValue(std::nan("")), a->CalcPosValue(std::nan("")));
    chart.Axes()->SetFastCalc(false);
}

TEST_F(AxisSpan, LogarithmicConversion) {
    for (double base : {2.0, std::exp(1.0), 10.0}) {
        TChartAxis* a = chart.BottomAxis();
        a->SetMinMax(1, 1000);
        a->SetLogarithmicBase(base);
        a->SetLogarithmic(true);
        Span(a, 1, 1000, 0, 300);
        // Positions depend on ratios only: each decade takes 100 pixels whatever the base.
        EXPECT_EQ(a->CalcPosValue(10), 100) << base;
        EXPECT_EQ(a->CalcPosValue(100), 200) << base;
        EXPECT_EQ(a->CalcPosValue(0), 0) << base;
        EXPECT_EQ(a->CalcPosValue(-5), 0) << base;
        EXPECT_DOUBLE_EQ(a->CalcPosPoint(0), 1);
        EXPECT_DOUBLE_EQ(a->CalcPosPoint(300), 1000);
        EXPECT_NEAR(a->CalcPosPoint(100), 10, 1e-9);
        EXPECT_EQ(a->CalcSizeValue(10), 100);
        a->SetLogarithmic(false);
    }
}

TEST_F(AxisSpan, MarginsWidenTheRange) {
    TChartAxis* a = chart.BottomAxis();
    a->SetMinMax(0, 10);
    a->AdjustMaxMin();
    chart.ChartRect = TRect{0, 0, 100, 100};
    chart.ReCalcWidthHeight();
    a->InternalCalcPositions();
    a->AdjustMaxMinRect(TRect{10, 0, 10, 0});
    EXPECT_NEAR(a->IMinimum, -1.25, 1e-9);
    EXPECT_NEAR(a->IMaximum, 11.25, 1e-9);
    EXPECT_EQ(a->CalcPosValue(0), 10);
}

TEST(AxisSeries, AutomaticRangeComesFromTheSeriesAndScrollChecksLimits) {
    TTestAxisPanel chart;
    auto* s = new TChartSeries(nullptr);
    s->SetParentChart(&chart);
    s->AddXY(1, -2);
    s->AddXY(4, 7);
    chart.BottomAxis()->AdjustMaxMin();
    chart.LeftAxis()->AdjustMaxMin();
    EXPECT_DOUBLE_EQ(chart.BottomAxis()->Minimum(), 1);
    EXPECT_DOUBLE_EQ(chart.BottomAxis()->Maximum(), 4);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), -2);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Maximum(), 7);

    TChartAxis* a = chart.BottomAxis();
    a->SetMinMax(0, 10);
    a->Scroll(1, true); // no value above 10
    EXPECT_DOUBLE_EQ(a->Maximum(), 10);
    a->Scroll(0, true);
    EXPECT_DOUBLE_EQ(a->Maximum(), 10);
    a->Scroll(2, false);
    EXPECT_DOUBLE_EQ(a->Minimum(), 2);
    EXPECT_DOUBLE_EQ(a->Maximum(), 12);
    a->SetMinMax(3, 10);
    a->Scroll(-1, true); // 1 lies below 3
    EXPECT_DOUBLE_EQ(a->Minimum(), 2);

    s->XValues()->SetDateTime(true);
    EXPECT_TRUE(chart.BottomAxis()->IsDateTime());
    EXPECT_FALSE(chart.LeftAxis()->IsDateTime());
    delete s;
}

TEST(AxisLifetime, FreeingACustomAxisClearsMastersAndRebindsSeries) {
    TTestAxisPanel chart;
    auto* master = new TChartAxis(&chart);
    auto* follower = new TChartAxis(&chart);
    follower->SetMaster(master);
    ASSERT_EQ(chart.Axes()->Count(), 8);
    auto* s = new TChartSeries(nullptr);
    s->SetParentChart(&chart);
    s->SetCustomVertAxis(master);
    master->SetMinMax(1, 2);
    EXPECT_DOUBLE_EQ(follower->Maximum(), 2);
    delete master;
    EXPECT_EQ(follower->Master(), nullptr);
    EXPECT_EQ(s->CustomVertAxis(), nullptr);
    EXPECT_EQ(s->GetVertAxis(), chart.LeftAxis());
    EXPECT_EQ(chart.Axes()->Count(), 7);
    delete s;
}

} // namespace
