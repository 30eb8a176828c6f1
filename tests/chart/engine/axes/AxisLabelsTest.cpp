// The label step and the labels an axis draws: the 1-2-5 ladder, the room-driven search for
// numbers and dates, the curve editors' left axis at every height, and a random search over
// finite and non-finite ranges that must always end with labels inside the range.
#include "AxisTestSupport.h"

#include "chart/engine/panel/DateTimeSteps.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <stdexcept>

namespace {

TEST(NextOneTwoFiveStep, LadderAndDegenerateInput) {
    const std::pair<double, double> cases[] = {{2, 5}, {5, 10},    {0.3, 0.5},  {37, 50},
                                               {1, 2}, {9.99, 10}, {1e-5, 2e-5}};
    for (auto [x, next] : cases)
        EXPECT_NEAR(NextOneTwoFiveStep(x), next, next * 1e-12) << x;
    EXPECT_EQ(NextOneTwoFiveStep(std::numeric_limits<double>::infinity()), 1);
    // No endless recursion: 0, NaN and negative values give the smallest increment.
    EXPECT_EQ(NextOneTwoFiveStep(0), MinAxisIncrement);
    EXPECT_EQ(NextOneTwoFiveStep(std::nan("")), MinAxisIncrement);
    EXPECT_EQ(NextOneTwoFiveStep(-3), MinAxisIncrement);
    EXPECT_GE(NextOneTwoFiveStep(5e-324), 0);
}

struct Increment : ::testing::Test {
    TTestAxisPanel chart;
    TChartAxis* Axis(double Min, double Max) {
        TChartAxis* a = chart.LeftAxis();
        a->SetMinMax(Min, Max);
        a->AdjustMaxMin();
        return a;
    }
};

TEST_F(Increment, LabelsThatFit) {
    EXPECT_DOUBLE_EQ(Axis(0, 5)->CalcLabelsIncrement(7), 1);
    EXPECT_DOUBLE_EQ(Axis(-2, 2)->CalcLabelsIncrement(12), 0.5);
    TChartAxis* a = Axis(0, 5);
    EXPECT_DOUBLE_EQ(a->CalcLabelsIncrement(0), MinAxisIncrement);
    // Without separation the first candidate is taken as it is.
    a->SetLabelsSeparation(0);
    EXPECT_DOUBLE_EQ(a->CalcLabelsIncrement(7), 5.0 / 8);
}

TEST_F(Increment, DateTimeSteps) {
    TChartAxis* a = Axis(0, 10);
    a->IAxisDateTime = true;
    EXPECT_DOUBLE_EQ(a->CalcLabelsIncrement(5), 2);
    EXPECT_DOUBLE_EQ(a->CalcLabelsIncrement(0), DateTimeStep[dtOneMicroSecond]);
    a->IMaximum = std::numeric_limits<double>::infinity();
    a->InternalCalcRange();
    EXPECT_GT(a->CalcDateTimeIncrement(5), 0); // ends
}

TEST_F(Increment, LogarithmicAndAlternate) {
    TChartAxis* a = Axis(1, 1e6);
    a->SetLogarithmic(true);
    const double d = a->CalcLabelsIncrement(3);
    EXPECT_GE(d, 1e5);
    a->SetLogarithmic(false);

    // Measured labels: an increment is chosen for every length and never more labels than fit.
    for (auto [min, max] : {std::pair{0.0, 5.0}, {-2.0, 2.0}, {0.0, 4.0}, {0.0, 2000.0}}) {
        for (int size = 100; size <= 2000; size += 100) {
            TTestAxisPanel c(200, size + 40);
            TChartAxis* axis = c.LeftAxis();
            axis->SetMinMax(min, max);
            axis->AdjustMaxMin();
            axis->IStartPos = 20;
            axis->IEndPos = 20 + size;
            axis->RecalcSizeCenter();
            const double inc = axis->CalcIncrement();
            EXPECT_GT(inc, 0) << min << ".." << max << " at " << size;
            EXPECT_LE((max - min) / inc, size / 10.0) << min << ".." << max << " at " << size;
            EXPECT_EQ(axis->Increment(), 0);
            if (inc < 2) {
                axis->SetLabelsAlternate(true);
                EXPECT_DOUBLE_EQ(axis->CalcIncrement(), inc * 0.5) << "alternate rows get half the step";
            }
        }
    }
}

// The curve editors' left axis, -2..2 V, at every height: the lowest and highest labels
// and zero are always drawn, and zero never reads "-0".
TEST(CurveEditorAxis, MinusTwoToTwoAtEveryHeight) {
    for (int height = 200; height <= 1200; height += 10) {
        TTestAxisPanel chart(300, height);
        TChartSeries series(nullptr);
        series.SetParentChart(&chart);
        series.AddXY(0, -1.5);
        series.AddXY(5, 1.5);
        chart.LeftAxis()->SetLabelStyle(talAuto);
        chart.BottomAxis()->SetLabelStyle(talAuto);
        chart.LeftAxis()->SetMinMax(-2, 2);
        chart.BottomAxis()->SetMinMax(0, 5);
        chart.Paint();
        const QStringList texts = LabelTexts(chart.LeftAxis());
        EXPECT_TRUE(texts.contains(QStringLiteral("-2"))) << height << ": " << texts.join(u' ').toStdString();
        EXPECT_TRUE(texts.contains(QStringLiteral("2"))) << height;
        EXPECT_TRUE(texts.contains(QStringLiteral("0"))) << height;
        EXPECT_FALSE(texts.contains(QStringLiteral("-0"))) << height;
        const QStringList bottom = LabelTexts(chart.BottomAxis());
        EXPECT_TRUE(bottom.contains(QStringLiteral("0")) && bottom.contains(QStringLiteral("5"))) << height;
    }
}

TEST(AxisLabels, ValuesFromTheTopDownAndTicks) {
    TTestAxisPanel chart(300, 400);
    TChartAxis* a = chart.LeftAxis();
    a->SetMinMax(0, 5);
    a->SetIncrement(1);
    chart.Paint();
    EXPECT_EQ(LabelTexts(a), (QStringList{"5", "4", "3", "2", "1", "0"}));
    ASSERT_EQ(a->Tick.size(), 6u);
    EXPECT_EQ(a->Tick.front(), a->CalcPosValue(5));

    // Labels off with ticks on labels only: no ticks and no grid.
    a->SetLabels(false);
    chart.Paint();
    EXPECT_TRUE(a->Tick.empty());
}

TEST(AxisLabels, FormatsAndMultiLine) {
    TTestAxisPanel chart;
    TChartAxis* a = chart.LeftAxis();
    EXPECT_EQ(a->LabelValue(1234.5), QStringLiteral("1,234.5"));
    a->SetAxisValuesFormat(QStringLiteral("0.0"));
    EXPECT_EQ(a->LabelValue(2), QStringLiteral("2.0"));
    a->SetAxisValuesFormat(QStringLiteral("0 V"));
    a->SetLabelsMultiLine(true);
    EXPECT_EQ(a->LabelValue(3), QStringLiteral("3") + QChar(TeeLineSeparator) + QStringLiteral("V"));

    int lines = -1;
    const String sep = String(QChar(TeeLineSeparator));
    chart.MultiLineTextWidth(QStringLiteral("a") + sep + "b" + sep + "c", lines);
    EXPECT_EQ(lines, 3);
    chart.MultiLineTextWidth(QStringLiteral("a") + sep + "b" + sep + "c" + sep, lines);
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(chart.MultiLineTextWidth(String(), lines), 0);
    EXPECT_EQ(lines, 0);
}

TEST(AxisLabels, LogarithmicLabelsArePowers) {
    TTestAxisPanel chart(300, 500);
    TChartAxis* a = chart.LeftAxis();
    a->SetMinMax(1, 1000);
    a->SetLogarithmic(true);
    a->SetMinMax(0, 1000);
    chart.Paint();
    EXPECT_EQ(LabelTexts(a), (QStringList{"0.1", "1", "10", "100", "1,000"}));
}

TEST(AxisLabels, EventLabelsAndCustomItems) {
    TTestAxisPanel chart(300, 400);
    TChartAxis* a = chart.LeftAxis();
    a->SetMinMax(0, 10);
    struct Handler {
        void Next(TChartAxis*, int Index, double& Value, bool& Stop) {
            Stop = Index >= 3;
            Value = Index * 3;
        }
    } handler;
    chart.OnGetNextAxisLabel = TAxisOnGetNextLabel(&handler, &Handler::Next);
    chart.Paint();
    EXPECT_EQ(LabelTexts(a), (QStringList{"0", "3", "6"}));
    chart.OnGetNextAxisLabel = TAxisOnGetNextLabel();

    a->Items()->Clear();
    a->Items()->Add(2, QStringLiteral("two"));
    a->Items()->Add(20, QStringLiteral("out"));
    EXPECT_FALSE(a->Items()->Auto());
    chart.Paint();
    EXPECT_EQ(a->Tick.size(), 1u);
    EXPECT_EQ(a->Items()->Item(5), nullptr);
    EXPECT_FALSE(a->Items()->Delete(-1));
    EXPECT_FALSE(a->Items()->Delete(2));
    EXPECT_TRUE(a->Items()->Delete(1));
    EXPECT_EQ(a->Items()->Count(), 1);
}

// Date-time axes: labels in the axis' date format at whole days or hours, and the step for
// every axis length is one of the date-time steps, with no more labels than fit.
TEST(AxisLabels, DateTimeLabelsAndStepsForEveryLength) {
    const TFormatSettings saved = FormatSettings;
    FormatSettings = TFormatSettings::Invariant();
    const double day = EncodeDate(2026, 1, 1);
    struct Case {
        double Min, Max, Increment;
        const char* Format;
        QStringList Texts;
    };
    const Case cases[] = {
        {day, day + 4, 1, "dd/mm", {"05/01", "04/01", "03/01", "02/01", "01/01"}},
        {day, day + 0.25, DateTimeStep[dtOneHour] * 2, "hh:nn", {"06:00", "04:00", "02:00", "00:00"}},
        {day + 0.5, day + 2.5, 1, "dd mmm", {"03 Jan", "02 Jan"}},
    };
    for (const Case& c : cases) {
        TTestAxisPanel chart(1000, 300);
        TChartSeries series(nullptr);
        series.SetParentChart(&chart);
        series.XValues()->SetDateTime(true);
        series.AddXY(c.Min, 0);
        series.AddXY(c.Max, 1);
        TChartAxis* a = chart.BottomAxis();
        a->SetMinMax(c.Min, c.Max);
        a->SetIncrement(c.Increment);
        a->SetDateTimeFormat(QString::fromLatin1(c.Format));
        chart.Paint();
        EXPECT_EQ(LabelTexts(a), c.Texts) << c.Format;
    }

    for (double range : {0.01, 1.0, 10.0, 400.0}) {
        for (int size = 100; size <= 2000; size += 100) {
            TTestAxisPanel chart(size + 60, 300);
            TChartSeries series(nullptr);
            series.SetParentChart(&chart);
            series.XValues()->SetDateTime(true);
            series.AddXY(day, 0);
            series.AddXY(day + range, 1);
            TChartAxis* a = chart.BottomAxis();
            a->SetMinMax(day, day + range);
            chart.Paint();
            const int n = a->Items()->Count();
            EXPECT_LE(n, size / 10 + 1) << range << " days at " << size;
            if (n < 2) continue;
            // Labels run from the top value down, one step apart (months and years by the
            // calendar, within a few days of their nominal step).
            const double inc = a->Items()->Item(0)->Value() - a->Items()->Item(1)->Value();
            const bool isStep = std::any_of(DateTimeStep.begin(), DateTimeStep.end(), [inc](double step) {
                return std::fabs(step - inc) <= (step >= 28 ? 3 : step * 1e-6);
            });
            EXPECT_TRUE(isStep) << range << " days at " << size << ": " << inc;
        }
    }
    FormatSettings = saved;
}

// A label handler that throws leaves the axis as it was: the grid pen of a custom drawing,
// the range of a drawing with its own range, and the chart's handler after measuring.
TEST(AxisLabels, AThrowingLabelHandlerLeavesGridRangeAndHandlerAsTheyWere) {
    TTestAxisPanel chart(300, 400);
    TChartAxis* a = chart.LeftAxis();
    a->SetMinMax(0, 5);
    a->SetIncrement(1);
    chart.Paint();
    ASSERT_TRUE(a->Grid()->Visible());
    ASSERT_TRUE(bool(a->Grid()->OnChange));
    // The custom drawings run inside a frame, after the chart has drawn.
    bool fail = false;
    chart.OnGetAxisLabel = [&fail](TChartAxis*, TChartSeries*, int, String&) {
        if (fail) throw std::runtime_error("bad label");
    };
    std::function<void()> custom;
    chart.OnAfterDraw = [&](TObject*) {
        fail = true;
        custom();
    };

    custom = [&] { a->CustomDraw(40, 20, 50, false); };
    EXPECT_THROW(chart.Paint(), std::runtime_error);
    EXPECT_TRUE(a->Grid()->Visible());
    EXPECT_TRUE(bool(a->Grid()->OnChange));
    fail = false;
    custom = [&] { a->CustomDrawMinMax(40, 20, 50, false, -1, 1, 0.5); };
    EXPECT_THROW(chart.Paint(), std::runtime_error);
    EXPECT_TRUE(a->Grid()->Visible());
    EXPECT_EQ(a->Minimum(), 0);
    EXPECT_EQ(a->Maximum(), 5);
    EXPECT_EQ(a->Increment(), 1);
    fail = false;

    // Measuring detaches the handler and puts it back, also when the frame then fails.
    custom = [&] {
        EXPECT_GT(a->MaxLabelsWidth(), 0);
        throw std::runtime_error("after measuring");
    };
    EXPECT_THROW(chart.Paint(), std::runtime_error);
    EXPECT_TRUE(bool(chart.OnGetAxisLabel));
    fail = false;
    chart.OnAfterDraw = TNotifyEvent();
    chart.Paint();
    EXPECT_TRUE(bool(chart.OnGetAxisLabel));
}

// Random ranges, increments and bases, finite or not: the scale and the labels always end,
// and no label lies outside the working range.
TEST(AxisLabels, RandomRangesAlwaysEnd) {
    std::mt19937 random(20261210);
    const double specials[] = {0,
                               -0.0,
                               1e-300,
                               5e-324,
                               1e300,
                               -1e300,
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               std::nan("")};
    auto pick = [&]() -> double {
        std::uniform_int_distribution<int> kind(0, 3);
        switch (kind(random)) {
        case 0:
            return specials[std::uniform_int_distribution<size_t>(0, std::size(specials) - 1)(random)];
        case 1:
            return std::uniform_real_distribution<double>(-1e-9, 1e-9)(random);
        default:
            return std::uniform_real_distribution<double>(-1e4, 1e4)(random);
        }
    };
    TTestAxisPanel chart(300, 300);
    for (int round = 0; round < 300; ++round) {
        TChartAxis* a = round % 2 ? chart.LeftAxis() : chart.BottomAxis();
        double lo = pick();
        double hi = pick();
        a->SetLogarithmic(false);
        a->SetMinMax(lo, hi);
        const double inc = std::fabs(pick());
        if (inc >= 0) a->SetIncrement(std::isfinite(inc) ? inc : 0);
        if (round % 5 == 0 && a->Minimum() >= 0) {
            a->SetLogarithmicBase(std::uniform_real_distribution<double>(1.01, 100)(random));
            try {
                a->SetLogarithmic(true);
            } catch (const AxisException&) {
            }
        }
        chart.Paint();
        for (int i = 0; i < a->Items()->Count(); ++i) {
            const double v = a->Items()->Item(i)->Value();
            const double tol = std::fabs(a->IMaximum - a->IMinimum) * 1e-6 + 1e-9;
            EXPECT_GE(v, a->IMinimum - tol) << round << " " << lo << ".." << hi;
            EXPECT_LE(v, a->IMaximum + tol) << round << " " << lo << ".." << hi;
        }
        a->SetIncrement(0);
    }
}

} // namespace
