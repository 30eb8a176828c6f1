#include "SeriesTestSupport.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/series/Margins.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct OrderCase {
    TChartListOrder Order;
    std::vector<double> Start;
    double Added;
    int Index;
    std::vector<double> After;
};

TEST(ValueList, OrderedInsertionKeepsEqualValuesStable) {
    const OrderCase cases[] = {
        {loAscending, {1, 2, 2, 3}, 2, 3, {1, 2, 2, 2, 3}},
        {loAscending, {1, 2, 3}, 0, 0, {0, 1, 2, 3}},
        {loAscending, {1, 2, 3}, 3, 3, {1, 2, 3, 3}},
        {loDescending, {3, 2, 2, 1}, 2, 3, {3, 2, 2, 2, 1}},
        {loDescending, {3, 2, 1}, 4, 0, {4, 3, 2, 1}},
        {loNone, {3, 1}, 2, 2, {3, 1, 2}},
        {loAscending, {}, 7, 0, {7}},
    };
    for (const OrderCase& c : cases) {
        TChartValueList list(nullptr, "X");
        list.SetOrder(c.Order);
        for (double v : c.Start)
            list.AddChartValue(v);
        EXPECT_EQ(list.AddChartValue(c.Added), c.Index);
        EXPECT_EQ(Values(&list), c.After);
    }
}

TEST(ValueList, StatisticsFollowEveryChange) {
    TChartValueList list(nullptr, "Y");
    EXPECT_EQ(list.MinValue(), 0);
    EXPECT_EQ(list.MaxValue(), 0);
    EXPECT_EQ(list.Total(), 0);
    EXPECT_EQ(list.TotalABS(), 0);
    EXPECT_EQ(list.Range(), 0);

    list.AddChartValue(-3);
    list.AddChartValue(2);
    EXPECT_EQ(list.Total(), -1);
    EXPECT_EQ(list.TotalABS(), 5);
    EXPECT_EQ(list.MinValue(), -3);
    EXPECT_EQ(list.MaxValue(), 2);
    EXPECT_FALSE(list.Modified());

    list.InsertChartValue(1, 10);
    EXPECT_EQ(list.MaxValue(), 10);
    list.Delete(1);
    EXPECT_EQ(list.MaxValue(), 2);
    list.Delete(0, 2);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.TotalABS(), 0);
}

TEST(ValueList, DeleteRangeClosesTheGap) {
    TChartValueList list(nullptr, "Y");
    for (double v : {0, 1, 2, 3, 4, 5})
        list.AddChartValue(v);
    list.Delete(1, 3);
    EXPECT_EQ(Values(&list), (std::vector<double>{0, 4, 5}));
    list.Delete(2, 1);
    EXPECT_EQ(Values(&list), (std::vector<double>{0, 4}));
}

TEST(ValueList, LocateFindsOnlyExactValuesInRange) {
    TChartValueList list(nullptr, "Y");
    EXPECT_EQ(list.Locate(1), -1);
    for (double v : {1.0, 2.0, 2.5, 2.0})
        list.AddChartValue(v);
    EXPECT_EQ(list.Locate(2), 1);
    EXPECT_EQ(list.Locate(2.0000001), -1);
    EXPECT_EQ(list.Locate(2, 2, 3), 3);
    EXPECT_EQ(list.Locate(2, 3, 2), -1);
}

TEST(ValueList, ScrollRotatesTowardsTheFront) {
    TChartValueList list(nullptr, "Y");
    list.Scroll();
    EXPECT_EQ(list.Count(), 0);
    for (double v : {1, 2, 3})
        list.AddChartValue(v);
    list.Scroll();
    EXPECT_EQ(Values(&list), (std::vector<double>{2, 3, 1}));
}

TEST(ValueList, StorageGrowsWhenFullAndClearReleasesIt) {
    TChartValueList list(nullptr, "Y");
    for (int i = 0; i < 1000; ++i)
        list.AddChartValue(i);
    EXPECT_EQ(list.Capacity(), 1000);
    list.AddChartValue(1000);
    EXPECT_GT(list.Capacity(), 1000);
    EXPECT_EQ(list.Count(), 1001);
    EXPECT_EQ(list.Last(), 1000);
    list.ClearValues();
    EXPECT_EQ(list.Capacity(), 0);
    EXPECT_EQ(list.Count(), 0);
}

TEST(ValueList, AssignCopiesOrderDateTimeAndSourceOnly) {
    TChartValueList a(nullptr, "A");
    a.SetOrder(loDescending);
    a.SetDateTime(true);
    a.SetValueSource("Field");
    a.AddChartValue(5);
    TChartValueList b(nullptr, "B");
    b.AddChartValue(1);
    b.AddChartValue(2);
    b.Assign(&a);
    EXPECT_EQ(b.Order(), loDescending);
    EXPECT_TRUE(b.DateTime());
    EXPECT_EQ(b.ValueSource(), "Field");
    EXPECT_EQ(b.Name(), "B");
    EXPECT_EQ(Values(&b), (std::vector<double>{1, 2}));
}

TEST(ValueList, SortMovesEveryListColourAndLabelOfTheSeries) {
    TChartSeries series(nullptr);
    series.XValues()->SetOrder(loNone);
    series.AddXY(3, 30, "c", clRed);
    series.AddXY(1, 10, "a");
    series.AddXY(2, 20, "b", clBlue);
    series.XValues()->SetOrder(loAscending);
    series.XValues()->Sort();
    EXPECT_EQ(Values(series.XValues()), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(Values(series.YValues()), (std::vector<double>{10, 20, 30}));
    EXPECT_EQ(series.XLabel(0), "a");
    EXPECT_EQ(series.XLabel(2), "c");
    EXPECT_EQ(series.InternalColor(0), clTeeColor);
    EXPECT_EQ(series.InternalColor(1), clBlue);
    EXPECT_EQ(series.InternalColor(2), clRed);
}

TEST(ValueList, DirectWritesTellTheOwnerSeries) {
    TChartSeries source(nullptr);
    TChartSeries copy(nullptr);
    source.AddXY(0, 1);
    source.AddXY(1, 2);
    copy.SetDataSource(&source);
    copy.AddValues(&source);
    ASSERT_EQ(copy.Count(), 2);
    source.YValues()->SetValue(1, 9);
    EXPECT_EQ(copy.YValues()->Value(1), 9);
    source.YValues()->FillSequence();
    EXPECT_EQ(copy.YValues()->Value(1), 1);
}

TEST(Margins, CalculateInEachUnit) {
    TMargins m;
    m.Calculate(200, 100, 12);
    EXPECT_EQ(m.Size().Left, 2);
    EXPECT_EQ(m.Size().Top, 1);
    EXPECT_EQ(m.HorizSize(), 4);
    EXPECT_EQ(m.VertSize(), 2);
    m.SetUnits(maPercentSize);
    m.Calculate(200, 100, 12);
    EXPECT_EQ(m.Size().Left, 20);
    EXPECT_EQ(m.Size().Top, 5);
    m.SetUnits(maPixels);
    m.SetLeft(7);
    m.Calculate(200, 100, 12);
    EXPECT_EQ(m.Size().Left, 7);
    EXPECT_EQ(m.HorizSize(), 17);
    // Halves go to the even neighbour: 5 x 0.02 x 25 = 2.5.
    m.SetUnits(maPercentFont);
    m.Calculate(0, 0, 25);
    EXPECT_EQ(m.Size().Top, 2);

    TMargins copy;
    copy.Assign(&m);
    EXPECT_EQ(copy.Left(), 7);
    EXPECT_EQ(copy.Units(), maPercentFont);
}

} // namespace
