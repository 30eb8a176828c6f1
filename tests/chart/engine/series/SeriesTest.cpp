#include "SeriesTestSupport.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/texts/TeeConst.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Series, AddKeepsXOrderAndMovesYColoursAndLabelsAlong) {
    TChartSeries s(nullptr);
    EXPECT_EQ(s.AddXY(5, 50, "a"), 0);
    EXPECT_EQ(s.AddXY(1, 10, "b", clRed), 0);
    EXPECT_EQ(s.AddXY(3, 30, "c"), 1);
    EXPECT_EQ(Values(s.XValues()), (std::vector<double>{1, 3, 5}));
    EXPECT_EQ(Values(s.YValues()), (std::vector<double>{10, 30, 50}));
    EXPECT_EQ(s.XLabel(0), "b");
    EXPECT_EQ(s.XLabel(1), "c");
    EXPECT_EQ(s.XLabel(2), "a");
    EXPECT_EQ(s.InternalColor(0), clRed);
    EXPECT_EQ(s.InternalColor(1), clTeeColor);
    EXPECT_EQ(s.InternalColor(2), clTeeColor);
}

TEST(Series, AddFormsFillTheOtherValueWithThePosition) {
    TChartSeries s(nullptr);
    s.Add(7);
    s.AddY(8);
    s.AddX(4);
    EXPECT_EQ(Values(s.XValues()), (std::vector<double>{0, 1, 4}));
    EXPECT_EQ(Values(s.YValues()), (std::vector<double>{7, 8, 2}));
    EXPECT_EQ(s.AddArray({1, 2, 3}), 3);
    EXPECT_EQ(s.Count(), 6);
    EXPECT_EQ(s.AddArray({10, 11}, {1, 2, 3}), 2);
    EXPECT_EQ(s.Count(), 8);

    TChartSeries h(nullptr);
    h.SetHorizontal();
    h.Add(7);
    h.Add(9);
    EXPECT_EQ(Values(h.XValues()), (std::vector<double>{7, 9}));
    EXPECT_EQ(Values(h.YValues()), (std::vector<double>{0, 1}));
    EXPECT_EQ(h.MandatoryValueList(), h.XValues());
}

TEST(Series, ColoursAndNulls) {
    TChartSeries s(nullptr);
    s.SetSeriesColor(clGreen);
    s.Add(1);
    s.Add(2);
    EXPECT_FALSE(s.HasColors());
    s.SetValueColor(0, clTeeColor);
    EXPECT_FALSE(s.HasColors());
    s.Add(3, "", clBlue);
    EXPECT_TRUE(s.HasColors());
    EXPECT_EQ(s.InternalColor(0), clTeeColor);
    EXPECT_EQ(s.GetValueColor(0), clGreen);
    EXPECT_EQ(s.GetValueColor(2), clBlue);

    s.SetDefaultNullValue(-1);
    const int n = s.AddNull(String("x"));
    EXPECT_EQ(s.YValues()->Value(n), -1);
    EXPECT_TRUE(s.IsNull(n));
    s.SetNull(n, false);
    EXPECT_FALSE(s.IsNull(n));
    EXPECT_EQ(s.GetValueColor(n), clGreen);

    s.SetColorEachPoint(true);
    EXPECT_NE(s.GetValueColor(0), clGreen);
    EXPECT_EQ(s.GetValueColor(2), clBlue);

    s.ColorRange(s.YValues(), 1.5, 3, clYellow);
    EXPECT_EQ(s.InternalColor(1), clYellow);
    EXPECT_EQ(s.InternalColor(2), clYellow);
    EXPECT_EQ(s.InternalColor(0), clTeeColor);
}

TEST(Series, LabelsAppearWithTheFirstNonEmptyOne) {
    TChartSeries s(nullptr);
    s.Add(1);
    s.Add(2);
    EXPECT_EQ(s.Labels()->Count(), 0);
    s.Add(3, "third");
    EXPECT_EQ(s.Labels()->Count(), 3);
    EXPECT_EQ(s.XLabel(0), "");
    EXPECT_EQ(s.XLabel(2), "third");
}

TEST(Series, BeforeAddCanRefuseAndAfterAddHearsTheIndex) {
    TChartSeries s(nullptr);
    s.Add(1);
    bool accept = false;
    s.OnBeforeAdd = TSeriesOnBeforeAdd([&accept](TChartSeries*, bool& a) { a = accept; });
    EXPECT_EQ(s.AddXY(0.5, 9, "no", clRed), -1);
    EXPECT_EQ(s.Count(), 1);
    EXPECT_FALSE(s.HasColors());
    EXPECT_EQ(s.Labels()->Count(), 0);
    accept = true;
    std::vector<int> added;
    s.OnAfterAdd = TSeriesOnAfterAdd([&added](TChartSeries*, int i) { added.push_back(i); });
    EXPECT_EQ(s.AddXY(-1, 9), 0);
    EXPECT_EQ(added, std::vector<int>{0});
    s.BeginUpdate();
    s.AddXY(4, 4);
    s.EndUpdate();
    EXPECT_EQ(added, std::vector<int>{0});
}

TEST(Series, DeleteChecksTheWholeRange) {
    TChartSeries s(nullptr);
    for (int i = 0; i < 5; ++i)
        s.Add(i * 10, "p" + QString::number(i), i == 3 ? clRed : clTeeColor);
    try {
        s.Delete(5);
        FAIL() << "no exception";
    } catch (const ChartException& e) {
        EXPECT_EQ(e.Message, "Series Delete: ValueIndex 5 out of bounds (0 to 4).");
    }
    EXPECT_THROW(s.Delete(-1), ChartException);
    EXPECT_THROW(s.Delete(3, 3), ChartException);
    EXPECT_THROW(s.Delete(-1, 2), ChartException);
    EXPECT_THROW(s.Delete(0, -1), ChartException);
    EXPECT_EQ(s.Count(), 5);
    s.Delete(5, 1);
    EXPECT_EQ(s.Count(), 5);

    s.Delete(1);
    EXPECT_EQ(Values(s.YValues()), (std::vector<double>{0, 20, 30, 40}));
    EXPECT_EQ(s.XLabel(1), "p2");
    EXPECT_EQ(s.InternalColor(2), clRed);
    s.Delete(1, 2, true);
    EXPECT_EQ(Values(s.YValues()), (std::vector<double>{0, 40}));
    EXPECT_EQ(Values(s.XValues()), (std::vector<double>{0, 1}));
    EXPECT_EQ(s.XLabel(1), "p4");
    EXPECT_EQ(s.InternalColor(1), clTeeColor);
    s.Delete(0, 2);
    EXPECT_FALSE(s.HasColors());
}

TEST(Series, ClearEmptiesEveryListAndTellsTheEvent) {
    TChartSeries s(nullptr);
    s.Add(1, "a", clRed);
    int cleared = 0;
    s.OnClearValues = TSeriesOnClear([&cleared](TChartSeries*) { ++cleared; });
    s.Clear();
    EXPECT_EQ(s.Count(), 0);
    EXPECT_EQ(s.YValues()->Count(), 0);
    EXPECT_FALSE(s.HasColors());
    EXPECT_EQ(s.Labels()->Count(), 0);
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(s.FirstValueIndex(), -1);
}

TEST(Series, LinkedSeriesFollowTheirRecalcOptions) {
    TChartSeries source(nullptr);
    TChartSeries linked(nullptr);
    linked.SetDataSource(&source);
    EXPECT_EQ(source.LinkedSeries()->Count(), 1);
    source.Add(1);
    source.Add(2);
    EXPECT_EQ(linked.Count(), 2);
    source.Delete(0);
    EXPECT_EQ(Values(linked.YValues()), std::vector<double>{2});

    linked.SetRecalcOptions({rOnDelete, rOnModify, rOnClear});
    source.Add(3);
    EXPECT_EQ(linked.Count(), 1);
    source.RefreshSeries();
    EXPECT_EQ(linked.Count(), 2);
    source.Clear();
    EXPECT_EQ(linked.Count(), 0);

    // Dropping the source unlinks both ways.
    linked.SetDataSource(nullptr);
    EXPECT_EQ(linked.DataSources()->Count(), 0);
    EXPECT_EQ(source.LinkedSeries()->Count(), 0);
    source.Add(4);
    EXPECT_EQ(linked.Count(), 0);
}

TEST(Series, DataSourceIsValidatedAndAddedOnce) {
    TChartSeries s(nullptr);
    EXPECT_THROW(s.SetDataSource(&s), ChartException);
    TChartSeries other(nullptr);
    s.SetDataSource(&other);
    s.SetDataSource(&other);
    EXPECT_EQ(s.DataSources()->Count(), 1);
    EXPECT_EQ(other.LinkedSeries()->Count(), 1);
}

TEST(Series, DestroyedSourceOrLinkedSeriesLeavesNoPointerBehind) {
    auto* source = new TChartSeries(nullptr);
    TChartSeries linked(nullptr);
    linked.SetDataSource(source);
    FreeObject(source);
    EXPECT_EQ(linked.DataSources()->Count(), 0);

    TChartSeries source2(nullptr);
    auto* linked2 = new TChartSeries(nullptr);
    linked2->SetDataSource(&source2);
    FreeObject(linked2);
    EXPECT_EQ(source2.LinkedSeries()->Count(), 0);
    source2.Add(1);
}

TEST(Series, SortByLabelsRenumbersX) {
    TChartSeries s(nullptr);
    s.Add(1, "b");
    s.Add(2, "c");
    s.Add(3, "a");
    s.SortByLabels(loAscending);
    EXPECT_EQ(Values(s.YValues()), (std::vector<double>{3, 1, 2}));
    EXPECT_EQ(Values(s.XValues()), (std::vector<double>{0, 1, 2}));
    s.SortByLabels(loDescending);
    EXPECT_EQ(s.XLabel(0), "c");
}

TEST(Series, MembershipBindsAxesAndColour) {
    TSeriesTestChart chart;
    TChartSeries s(nullptr);
    s.SetParentChart(&chart);
    EXPECT_EQ(chart.SeriesCount(), 1);
    EXPECT_EQ(s.GetHorizAxis(), chart.BottomAxis());
    EXPECT_EQ(s.GetVertAxis(), chart.LeftAxis());
    EXPECT_TRUE(s.AssociatedToAxis(chart.BottomAxis()));
    EXPECT_FALSE(s.AssociatedToAxis(chart.TopAxis()));
    EXPECT_EQ(s.ValueListOfAxis(chart.LeftAxis()), s.YValues());
    EXPECT_EQ(s.ValueListOfAxis(chart.RightAxis()), nullptr);
    const TColor automatic = s.SeriesColor();
    EXPECT_NE(automatic, clTeeColor);
    s.SetSeriesColor(clTeeColor);
    EXPECT_EQ(s.SeriesColor(), automatic);

    s.SetHorizAxis(aTopAxis);
    s.SetVertAxis(aBothVertAxis);
    EXPECT_EQ(s.GetHorizAxis(), chart.TopAxis());
    EXPECT_TRUE(s.AssociatedToAxis(chart.RightAxis()));

    s.SetParentChart(nullptr);
    EXPECT_EQ(chart.SeriesCount(), 0);
    EXPECT_EQ(s.ParentChart(), nullptr);
}

TEST(Series, DepthPositionsAndZOrder) {
    TSeriesTestChart chart;
    chart.SetView3D(true);
    TChartSeries s(nullptr);
    s.SetParentChart(&chart);
    chart.SetMaxZOrder(1);
    s.CalcZOrder();
    EXPECT_EQ(s.ZOrder(), 2);
    chart.CalcSize3DWalls();
    const int depth = chart.SeriesWidth3D();
    s.CalcDepthPositions();
    EXPECT_EQ(s.StartZ, depth * 2);
    EXPECT_EQ(s.EndZ, depth * 3);
    EXPECT_EQ(s.MiddleZ, (s.StartZ + s.EndZ) / 2);
    s.SetDepth(4);
    s.CalcDepthPositions();
    EXPECT_EQ(s.EndZ, depth * 2 + 4);
    EXPECT_EQ(s.Marks()->ZPosition(), s.MiddleZ);
    s.SetZOrder(5);
    EXPECT_EQ(s.ZOrder(), 5);
    s.SetParentChart(nullptr);
}

TEST(Series, VisibleRangeFollowsTheAxis) {
    TSeriesTestChart chart;
    TChartSeries s(nullptr);
    s.SetParentChart(&chart);
    for (int i = 0; i < 100; ++i)
        s.AddXY(i, i);
    TChartAxis* bottom = chart.BottomAxis();

    chart.Place(bottom, 10, 20);
    s.CalcFirstLastVisibleIndex();
    EXPECT_EQ(s.FirstValueIndex(), 10);
    EXPECT_EQ(s.LastValueIndex(), 20);

    chart.Place(bottom, 10, 20.5);
    s.SetDrawBetweenPoints(true);
    s.CalcFirstLastVisibleIndex();
    EXPECT_EQ(s.LastValueIndex(), 21);
    s.SetDrawBetweenPoints(false);

    bottom->SetInverted(true);
    chart.Place(bottom, 10, 20);
    s.CalcFirstLastVisibleIndex();
    EXPECT_EQ(s.FirstValueIndex(), 10);
    EXPECT_EQ(s.LastValueIndex(), 20);
    bottom->SetInverted(false);

    // Offsets widen the scale beyond the plotted values; the edges move in by them, so the
    // points in the offset room stay out.
    bottom->SetMinimumOffset(10);
    bottom->SetMaximumOffset(10);
    chart.Place(bottom, 10, 20);
    bottom->AdjustMaxMinRect(TRect{10, 0, 10, 0});
    s.CalcFirstLastVisibleIndex();
    EXPECT_EQ(s.FirstValueIndex(), 10);
    EXPECT_EQ(s.LastValueIndex(), 20);
    bottom->SetMinimumOffset(0);
    bottom->SetMaximumOffset(0);

    chart.Place(bottom, 200, 300);
    s.CalcFirstLastVisibleIndex();
    EXPECT_EQ(s.FirstValueIndex(), -1);
    EXPECT_EQ(s.LastValueIndex(), -1);
    EXPECT_EQ(s.VisibleCount(), 0);

    s.XValues()->SetOrder(loNone);
    s.CalcFirstLastVisibleIndex();
    EXPECT_EQ(s.FirstValueIndex(), 0);
    EXPECT_EQ(s.LastValueIndex(), 99);
    s.SetParentChart(nullptr);
}

TEST(Series, PositionsConvertThroughTheBoundAxes) {
    TSeriesTestChart chart;
    TChartSeries s(nullptr);
    s.SetParentChart(&chart);
    s.AddXY(5, 50);
    chart.Place(chart.BottomAxis(), 0, 10, {0, 0, 100, 100});
    chart.Place(chart.LeftAxis(), 0, 100, {0, 0, 100, 100});
    const int x = s.CalcXPos(0);
    const int y = s.CalcYPos(0);
    EXPECT_EQ(x, chart.BottomAxis()->CalcXPosValue(5));
    EXPECT_EQ(y, chart.LeftAxis()->CalcYPosValue(50));
    EXPECT_NEAR(s.XScreenToValue(x), 5, 0.1);
    EXPECT_NEAR(s.YScreenToValue(y), 50, 1);
    EXPECT_EQ(s.CalcPosValue(50), y);
    EXPECT_TRUE(s.IsPointInChartRect(0));
    s.SetParentChart(nullptr);
}

TEST(Series, DrawAllValuesInDrawingOrder) {
    TSeriesTestChart chart;
    TRecordingSeries s;
    s.SetParentChart(&chart);
    for (int i = 0; i < 10; ++i)
        s.AddXY(i, i);
    chart.Place(chart.BottomAxis(), 2, 4);
    s.CalcFirstLastVisibleIndex();
    s.DrawAllValues();
    EXPECT_EQ(s.Drawn, (std::vector<int>{2, 3, 4}));
    s.Drawn.clear();
    chart.BottomAxis()->SetInverted(true);
    s.DrawAllValues();
    EXPECT_EQ(s.Drawn, (std::vector<int>{4, 3, 2}));
    s.SetParentChart(nullptr);
}

TEST(Series, LegendStringsInEveryStyle) {
    TChartSeries s(nullptr);
    s.Add(10, "a");
    s.Add(30, "b");
    const String sep(TeeColumnSeparator);
    struct Case {
        TLegendTextStyle Style;
        String Text;
    };
    const Case cases[] = {
        {ltsPlain, "b"},
        {ltsLeftValue, "30" + sep + "b"},
        {ltsRightValue, "b" + sep + "30"},
        {ltsLeftPercent, "75 %" + sep + "b"},
        {ltsRightPercent, "b" + sep + "75 %"},
        {ltsXValue, "1"},
        {ltsValue, "30"},
        {ltsPercent, "75 %"},
        {ltsXAndValue, "1" + sep + "30"},
        {ltsXAndPercent, "1" + sep + "75 %"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(s.LegendString(1, c.Style), c.Text) << int(c.Style);
    TChartSeries unlabelled(nullptr);
    unlabelled.Add(0);
    EXPECT_EQ(unlabelled.LegendString(0, ltsLeftValue), "0");
    EXPECT_EQ(unlabelled.LegendString(0, ltsPercent), "100 %");
}

TEST(Series, MarkTextsInEveryStyle) {
    TChartSeries s(nullptr);
    s.SetTitle("T");
    s.Add(10, "a");
    s.Add(30, "");
    struct Case {
        TSeriesMarksStyle Style;
        int Index;
        String Text;
    };
    const Case cases[] = {
        {smsValue, 0, "10"},
        {smsPercent, 0, "25 %"},
        {smsLabel, 0, "a"},
        {smsLabel, 1, "30"},
        {smsLabelPercent, 0, "a 25 %"},
        {smsLabelValue, 0, "a 10"},
        {smsPercentTotal, 1, "75 % of 40"},
        {smsLabelPercentTotal, 0, "a 25 % of 40"},
        {smsXValue, 1, "1"},
        {smsXY, 1, "1 30"},
        {smsSeriesTitle, 0, "T"},
        {smsPointIndex, 1, "1"},
        {smsPercentRelative, 0, "100 %"},
        {smsPercentRelative, 1, "300 %"},
        // The legend's text needs a chart.
        {smsLegend, 0, ""},
    };
    for (const Case& c : cases) {
        s.Marks()->SetStyle(c.Style);
        EXPECT_EQ(s.GetMarkText(c.Index), c.Text) << int(c.Style);
    }
    // The series' value and percent formats, the total included.
    s.SetValueFormat("0.0");
    s.SetPercentFormat("0.0 %");
    const Case formatted[] = {
        {smsValue, 0, "10.0"},        {smsPercent, 0, "25.0 %"},
        {smsLabelValue, 0, "a 10.0"}, {smsPercentTotal, 1, "75.0 % of 40.0"},
        {smsXY, 1, "1.0 30.0"},       {smsPercentRelative, 1, "300.0 %"},
    };
    for (const Case& c : formatted) {
        s.Marks()->SetStyle(c.Style);
        EXPECT_EQ(s.GetMarkText(c.Index), c.Text) << int(c.Style);
    }
    s.SetValueFormat(TeeMsg_DefValueFormat);
    s.SetPercentFormat(TeeMsg_DefPercentFormat);
    s.Marks()->SetMultiLine(true);
    s.Marks()->SetStyle(smsLabelValue);
    EXPECT_EQ(s.GetMarkText(0), "a\r10");

    // A first point of 0 never leads to an infinite or undefined percentage.
    TChartSeries z(nullptr);
    z.Add(0);
    z.Add(5);
    z.Marks()->SetStyle(smsPercentRelative);
    EXPECT_EQ(z.GetMarkText(1), "0 %");

    s.OnGetMarkText = TSeriesOnGetMarkText([](TChartSeries*, int, String& text) { text += "!"; });
    EXPECT_EQ(s.GetMarkText(0), "a\r10!");
}

TEST(Series, MarksDrawEveryIsAtLeastOne) {
    TChartSeries s(nullptr);
    s.Marks()->SetDrawEvery(0);
    EXPECT_EQ(s.Marks()->DrawEvery(), 1);
    s.Marks()->SetDrawEvery(-3);
    EXPECT_EQ(s.Marks()->DrawEvery(), 1);
}

TEST(Series, SampleValuesAndGallery) {
    TChartSeries s(nullptr);
    s.FillSampleValues(0);
    EXPECT_EQ(s.Count(), 25);
    EXPECT_FALSE(s.ManualData());
    EXPECT_THROW(s.FillSampleValues(-1), ChartException);
    s.FillSampleValues(3);
    EXPECT_EQ(s.Count(), 3);
    std::vector<String> styles;
    s.CreateSubGallery(TChartSubGalleryProc([&styles](const String& d) { styles.push_back(d); }));
    EXPECT_EQ(styles, std::vector<String>{"Normal"});
}

TEST(Series, AssignCopiesManualPointsOrTheSources) {
    TChartSeries manual(nullptr);
    manual.SetManualData(true);
    manual.Add(1, "x", clRed);
    manual.Add(2);
    TChartSeries copy(nullptr);
    copy.Assign(&manual);
    EXPECT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.XLabel(0), "x");
    EXPECT_EQ(copy.InternalColor(0), clRed);

    TChartSeries fed(nullptr);
    fed.SetDataSource(&manual);
    TChartSeries copy2(nullptr);
    copy2.Assign(&fed);
    EXPECT_EQ(copy2.DataSource(), &manual);
}

} // namespace
