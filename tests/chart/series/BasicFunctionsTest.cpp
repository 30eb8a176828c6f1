// The basic functions over ranges of one series and over one point across several series:
// sums, arithmetic, extremes, means, medians and modes, null points excluded or counted,
// series of unequal length, and y = f(x).
#include "chart/series/BasicFunctions.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/series/LineSeries.h"
#include "platform/classes/List.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace {

// A series of the values; NaN-free, with the positions in Nulls made null.
std::unique_ptr<TChartSeries> Series(const std::vector<double>& Values, const std::vector<int>& Nulls = {}) {
    auto s = std::make_unique<TChartSeries>(nullptr);
    for (double v : Values)
        s->Add(v);
    for (int i : Nulls)
        s->SetNull(i);
    return s;
}

struct RangeCase {
    const char* name;
    std::vector<double> values;
    std::vector<int> nulls;
    int first, last;
    double add, high, low, average, median, mode;
};

TEST(BasicFunctions, OverARangeOfOneSeries) {
    const RangeCase cases[] = {
        {"whole series", {4, 1, 3, 2}, {}, -1, -1, 10, 4, 1, 2.5, 2.5, 1},
        {"odd count", {3, 1, 2}, {}, -1, -1, 6, 3, 1, 2, 2, 1},
        {"four values", {1, 2, 3, 4}, {}, 0, 3, 10, 4, 1, 2.5, 2.5, 1},
        {"one value", {7}, {}, 0, 0, 7, 7, 7, 7, 7, 7},
        {"a range inside", {9, 1, 5, 3, 9}, {}, 1, 3, 9, 5, 1, 3, 3, 1},
        {"empty range", {1, 2, 3}, {}, 2, 1, 0, 0, 0, 0, 0, 0},
        {"mode of repeats", {1, 2, 2, 3, 3}, {}, -1, -1, 11, 3, 1, 2.2, 2, 2},
        {"negative values", {-5, -2, -9}, {}, -1, -1, -16, -2, -9, -16.0 / 3, -5, -9},
        {"first of equal highs", {2, 5, 5, 1}, {}, 0, 3, 13, 5, 1, 3.25, 3.5, 5},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto s = Series(c.values, c.nulls);
        EXPECT_DOUBLE_EQ(TAddTeeFunction().Calculate(s.get(), c.first, c.last), c.add);
        EXPECT_DOUBLE_EQ(THighTeeFunction().Calculate(s.get(), c.first, c.last), c.high);
        EXPECT_DOUBLE_EQ(TLowTeeFunction().Calculate(s.get(), c.first, c.last), c.low);
        EXPECT_DOUBLE_EQ(TAverageTeeFunction().Calculate(s.get(), c.first, c.last), c.average);
        EXPECT_DOUBLE_EQ(TMedianTeeFunction().Calculate(s.get(), c.first, c.last), c.median);
        EXPECT_DOUBLE_EQ(TModeTeeFunction().Calculate(s.get(), c.first, c.last), c.mode);
    }
}

TEST(BasicFunctions, NullPointsCountedOrLeftOut) {
    // 0 at position 1 is null: included it pulls the median and the mode to 0.
    auto s = Series({4, 0, 1, 3, 0, 5}, {1, 4});
    struct Case {
        bool includeNulls;
        double average, median, mode;
    };
    for (const Case c : {Case{true, 13.0 / 6, 2, 0}, Case{false, 13.0 / 4, 3.5, 1}}) {
        SCOPED_TRACE(c.includeNulls);
        TAverageTeeFunction average;
        average.SetIncludeNulls(c.includeNulls);
        TMedianTeeFunction median;
        median.SetIncludeNulls(c.includeNulls);
        TModeTeeFunction mode;
        mode.SetIncludeNulls(c.includeNulls);
        EXPECT_DOUBLE_EQ(average.Calculate(s.get(), -1, -1), c.average);
        EXPECT_DOUBLE_EQ(average.Calculate(s.get(), 0, 5), c.average);
        EXPECT_DOUBLE_EQ(median.Calculate(s.get(), -1, -1), c.median);
        EXPECT_DOUBLE_EQ(mode.Calculate(s.get(), -1, -1), c.mode);
    }
    // Nothing left to count gives 0.
    auto nulls = Series({4, 6}, {0, 1});
    TMedianTeeFunction median;
    median.SetIncludeNulls(false);
    EXPECT_DOUBLE_EQ(median.Calculate(nulls.get(), -1, -1), 0);
    TAverageTeeFunction average;
    average.SetIncludeNulls(false);
    EXPECT_DOUBLE_EQ(average.Calculate(nulls.get(), -1, -1), 0);
}

struct ManyCase {
    const char* name;
    std::vector<std::vector<double>> series;
    int index;
    double add, subtract, multiply, divide, high, low, average, median, mode;
};

TEST(BasicFunctions, OnePointAcrossSeries) {
    const ManyCase cases[] = {
        {"three series", {{10}, {3}, {2}}, 0, 15, 5, 60, 10.0 / 6, 10, 2, 5, 3, 2},
        {"divide by zero keeps the result", {{8}, {0}}, 0, 8, 8, 0, 8, 8, 0, 4, 4, 0},
        {"negative values", {{-4}, {-1}, {-7}}, 0, -12, 4, -28, -4.0 / 7, -1, -7, -4, -4, -7},
        // The first series is too short: it is left out, and the extremes start from the
        // second series, not from 0.
        {"first series too short", {{1}, {5, -3}, {2, -6}}, 1, -9, 3, 18, 0.5, -3, -6, -4.5, -4.5, -6},
        {"positive values, first too short", {{1}, {5, 3}, {2, 6}}, 1, 9, -3, 18, 0.5, 6, 3, 4.5, 4.5, 3},
        {"a short series in the middle", {{1, 4}, {2}, {3, 8}}, 1, 12, -4, 32, 0.5, 8, 4, 6, 6, 4},
        {"no series has the point", {{1}, {2}}, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const ManyCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::unique_ptr<TChartSeries>> owned;
        TList list;
        for (const auto& values : c.series) {
            owned.push_back(Series(values));
            list.Add(owned.back().get());
        }
        EXPECT_DOUBLE_EQ(TAddTeeFunction().CalculateMany(&list, c.index), c.add);
        EXPECT_DOUBLE_EQ(TSubtractTeeFunction().CalculateMany(&list, c.index), c.subtract);
        EXPECT_DOUBLE_EQ(TMultiplyTeeFunction().CalculateMany(&list, c.index), c.multiply);
        EXPECT_DOUBLE_EQ(TDivideTeeFunction().CalculateMany(&list, c.index), c.divide);
        EXPECT_DOUBLE_EQ(THighTeeFunction().CalculateMany(&list, c.index), c.high);
        EXPECT_DOUBLE_EQ(TLowTeeFunction().CalculateMany(&list, c.index), c.low);
        EXPECT_DOUBLE_EQ(TAverageTeeFunction().CalculateMany(&list, c.index), c.average);
        EXPECT_DOUBLE_EQ(TMedianTeeFunction().CalculateMany(&list, c.index), c.median);
        EXPECT_DOUBLE_EQ(TModeTeeFunction().CalculateMany(&list, c.index), c.mode);
    }
    TList empty;
    EXPECT_DOUBLE_EQ(TSubtractTeeFunction().CalculateMany(&empty, 0), 0);
    EXPECT_DOUBLE_EQ(TMedianTeeFunction().CalculateMany(&empty, 0), 0);
}

TEST(BasicFunctions, NullPointsAcrossSeries) {
    auto a = Series({1}), b = Series({0}, {0}), c = Series({5});
    TList list;
    for (TChartSeries* s : {a.get(), b.get(), c.get()})
        list.Add(s);
    TAverageTeeFunction average;
    TMedianTeeFunction median;
    EXPECT_DOUBLE_EQ(average.CalculateMany(&list, 0), 2);
    EXPECT_DOUBLE_EQ(median.CalculateMany(&list, 0), 1);
    average.SetIncludeNulls(false);
    median.SetIncludeNulls(false);
    EXPECT_DOUBLE_EQ(average.CalculateMany(&list, 0), 3);
    EXPECT_DOUBLE_EQ(median.CalculateMany(&list, 0), 3);
}

TEST(BasicFunctions, CustomFunctionFillsItsSeriesFromX) {
    TCustomTeeFunction f;
    EXPECT_TRUE(f.NoSourceRequired);
    EXPECT_DOUBLE_EQ(f.Period(), 1);
    EXPECT_EQ(f.NumPoints(), 100);

    for (bool horizontal : {false, true}) {
        SCOPED_TRACE(horizontal);
        std::unique_ptr<TChartSeries> parent;
        if (horizontal)
            parent = std::make_unique<THorizLineSeries>(nullptr);
        else
            parent = std::make_unique<TLineSeries>(nullptr);
        TCustomTeeFunction fn;
        fn.InternalSetParentSeries(parent.get());
        fn.SetNumPoints(3);
        fn.SetPeriod(0.5);
        std::vector<double> xs, previous;
        fn.OnCalculate = [&](TCustomTeeFunction* Sender, double X, double& Y) {
            xs.push_back(X);
            EXPECT_DOUBLE_EQ(Sender->X(), X);
            previous.push_back(Y);
            Y = X * 2;
        };
        parent->AddXY(50, 50); // cleared first
        fn.AddPoints(nullptr);
        EXPECT_EQ(xs, (std::vector<double>{0, 0.5, 1}));
        EXPECT_EQ(previous, (std::vector<double>{0, 0, 1})); // y keeps the last result
        ASSERT_EQ(parent->Count(), 3);
        TChartValueList* xList = horizontal ? parent->YValues() : parent->XValues();
        TChartValueList* yList = horizontal ? parent->XValues() : parent->YValues();
        EXPECT_DOUBLE_EQ(xList->Value(2), 1);
        EXPECT_DOUBLE_EQ(yList->Value(2), 2);
        fn.InternalSetParentSeries(nullptr);
    }
    // Without a handler nothing is touched.
    TLineSeries parent(nullptr);
    parent.AddXY(1, 1);
    TCustomTeeFunction idle;
    idle.InternalSetParentSeries(&parent);
    idle.AddPoints(nullptr);
    EXPECT_EQ(parent.Count(), 1);
    idle.InternalSetParentSeries(nullptr);
}

} // namespace
