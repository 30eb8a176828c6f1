// The operations an editor calls on a chart and its lists: moving series up and down, the
// first active series, clearing the chart, walking the series, resetting and hiding the
// axes, replacing a custom axis, finding and copying labels, percent marks, the source
// lists, the drag object and the new-chart hook.
#include "LayoutTestSupport.h"

#include "chart/engine/chart/TeeDragObject.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/graphics/Cursor.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// A chart owning series named A, B, C, ... in list order.
struct SeriesChart {
    explicit SeriesChart(int Count) {
        for (int i = 0; i < Count; ++i) {
            auto* s = new TTestBoxSeries(&chart);
            s->SetName(QString(QChar('A' + i)));
            chart.AddSeries(s);
        }
    }
    QString Order() const {
        QString o;
        for (TChartSeries* s : *chart.SeriesList())
            o += s->Name();
        return o;
    }
    TChart chart{nullptr};
};

TEST(ChartOperations, SeriesUpAndDownMoveOnePlaceAndStopAtTheEnds) {
    struct Case {
        bool up;
        int index;
        const char* order;
    };
    const Case cases[] = {
        {true, 1, "BAC"},  {true, 2, "ACB"},  {true, 0, "ABC"},  // the first series cannot go up
        {false, 0, "BAC"}, {false, 1, "ACB"}, {false, 2, "ABC"}, // the last series cannot go down
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.up ? "up " : "down ") << c.index);
        SeriesChart f(3);
        TChartSeries* s = f.chart.GetSeries(c.index);
        if (c.up)
            f.chart.SeriesUp(s);
        else
            f.chart.SeriesDown(s);
        EXPECT_EQ(f.Order(), QString::fromLatin1(c.order));
    }
    // A series of another chart moves nothing.
    SeriesChart f(2);
    TTestBoxSeries stranger(nullptr);
    f.chart.SeriesUp(&stranger);
    f.chart.SeriesDown(&stranger);
    EXPECT_EQ(f.Order(), QStringLiteral("AB"));
}

TEST(ChartOperations, ASeriesIsTheFirstActiveSeries) {
    struct Case {
        std::vector<bool> active;
        int expected; // index, -1 for none
    };
    const Case cases[] = {{{}, -1}, {{true, true}, 0}, {{false, true, true}, 1}, {{false, false}, -1}};
    for (const Case& c : cases) {
        SeriesChart f(int(c.active.size()));
        for (size_t i = 0; i < c.active.size(); ++i)
            f.chart.GetSeries(int(i))->SetActive(c.active[i]);
        TChartSeries* expected = c.expected < 0 ? nullptr : f.chart.GetSeries(c.expected);
        EXPECT_EQ(f.chart.GetASeries(), expected);
        EXPECT_EQ(f.chart.ASeries(), expected);
    }
}

TEST(ChartOperations, ClearChartFreesSeriesAndToolsAndTakesFreshSettings) {
    TChart chart(nullptr);
    auto* source = new TTestBoxSeries(&chart);
    auto* fed = new TTestBoxSeries(&chart);
    chart.AddSeries(source);
    chart.AddSeries(fed);
    fed->SetDataSource(source);
    chart.Tools()->Add(new TTeeCustomTool(&chart));
    chart.Title()->SetCaption(QStringLiteral("map"));
    chart.Legend()->SetAlignment(laBottom);
    chart.SetScrollMouseButton(mbMiddle);
    chart.BackWall()->SetColor(clRed);
    chart.SetView3D(false);
    chart.ClearChart();
    EXPECT_EQ(chart.SeriesCount(), 0);
    EXPECT_EQ(chart.Tools()->Count(), 0);
    EXPECT_EQ(chart.Title()->Caption(), QString());
    EXPECT_EQ(chart.Legend()->Alignment(), laRight);
    EXPECT_EQ(chart.ScrollMouseButton(), mbRight);
    EXPECT_TRUE(chart.View3D());
    TChart fresh(nullptr);
    EXPECT_EQ(chart.BackWall()->Color(), fresh.BackWall()->Color());
}

TEST(ChartOperations, SeriesEnumeratorVisitsEachSeriesOnce) {
    for (int n : {0, 1, 3}) {
        SeriesChart f(n);
        TSeriesEnumerator e = f.chart.SeriesList()->GetEnumerator();
        QString seen;
        while (e.MoveNext())
            seen += e.Current()->Name();
        EXPECT_EQ(seen, f.Order());
        EXPECT_FALSE(e.MoveNext()) << "stays at the end";
        EXPECT_EQ(seen.size(), n);
    }
}

TEST(ChartOperations, AxesResetAndHideReachEveryAxisAndCustomAxesArePut) {
    TChart chart(nullptr);
    auto* custom = new TChartAxis(chart.CustomAxes());
    for (int i = 0; i < chart.Axes()->Count(); ++i)
        chart.Axes()->Get(i)->SetMinMax(1, 2);
    chart.Axes()->Reset();
    chart.Axes()->Hide();
    for (int i = 0; i < chart.Axes()->Count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(chart.Axes()->Get(i)->Automatic());
        EXPECT_FALSE(chart.Axes()->Get(i)->Visible());
    }
    TChart other(nullptr);
    other.LeftAxis()->SetInverted(true);
    other.LeftAxis()->Title()->SetCaption(QStringLiteral("bar"));
    chart.CustomAxes()->Put(0, other.LeftAxis());
    EXPECT_TRUE(custom->Inverted());
    EXPECT_EQ(custom->Title()->Caption(), QStringLiteral("bar"));
    EXPECT_THROW(chart.CustomAxes()->Put(1, other.LeftAxis()), Exception);
}

TEST(ChartOperations, LabelsAreFoundAndCopied) {
    TTestBoxSeries series(nullptr);
    TLabelsList* labels = series.Labels();
    labels->SetLabel(0, QStringLiteral("Idle"));
    labels->SetLabel(2, QStringLiteral("Full"));
    labels->SetLabel(3, QStringLiteral("idle"));
    struct Case {
        const char* label;
        bool caseSensitive;
        int expected;
    };
    const Case cases[] = {{"Idle", true, 0}, {"idle", true, 3},   {"IDLE", false, 0}, {"IDLE", true, -1},
                          {"", false, 1},    {"Half", false, -1}, {"full", false, 2}};
    for (const Case& c : cases)
        EXPECT_EQ(labels->IndexOfLabel(QString::fromLatin1(c.label), c.caseSensitive), c.expected)
            << c.label << (c.caseSensitive ? " case-sensitive" : "");

    TTestBoxSeries other(nullptr);
    other.Labels()->SetLabel(5, QStringLiteral("old"));
    other.Labels()->Assign(labels);
    ASSERT_EQ(other.Labels()->Count(), labels->Count());
    for (int i = 0; i < labels->Count(); ++i)
        EXPECT_EQ(other.Labels()->Label(i), labels->Label(i)) << i;
    other.Labels()->Assign(other.Labels());
    EXPECT_EQ(other.Labels()->Count(), 4);
}

TEST(ChartOperations, MarkPercentOfTheAbsoluteTotal) {
    TTestBoxSeries series(nullptr);
    for (double v : {10.0, -30.0, 60.0})
        series.Add(v);
    series.SetPercentFormat(QStringLiteral("0.#"));
    series.SetValueFormat(QStringLiteral("0"));
    EXPECT_EQ(series.MarkPercent(0, false), QStringLiteral("10"));
    EXPECT_EQ(series.MarkPercent(1, false), QStringLiteral("30"));
    EXPECT_EQ(series.MarkPercent(2, true),
              Format(TeeMsg_DefaultPercentOf, {QStringLiteral("60"), QStringLiteral("100")}));
    series.Marks()->SetMultiLine(true);
    EXPECT_EQ(series.MarkPercent(2, true),
              Format(TeeMsg_DefaultPercentOf2, {QStringLiteral("60"), QStringLiteral("100")}));
    TTestBoxSeries zero(nullptr);
    zero.Add(0);
    zero.SetPercentFormat(QStringLiteral("0"));
    EXPECT_EQ(zero.MarkPercent(0, false), QStringLiteral("100")) << "a zero total counts as the whole";
}

TEST(ChartOperations, SourceItemsListTheSourceSeriesValueLists) {
    TChart chart(nullptr);
    auto* source = new TTestBoxSeries(&chart);
    auto* fed = new TTestBoxSeries(&chart);
    chart.AddSeries(source);
    chart.AddSeries(fed);
    QStringList names;
    const TGetStrProc collect = [&names](const String& S) { names << S; };
    chart.FillValueSourceItems(fed->YValues(), collect);
    EXPECT_TRUE(names.isEmpty()) << "no source yet";
    fed->SetDataSource(source);
    chart.FillValueSourceItems(fed->YValues(), collect);
    EXPECT_EQ(names, (QStringList{source->XValues()->Name(), source->YValues()->Name()}));
    names.clear();
    chart.FillSeriesSourceItems(fed, collect);
    EXPECT_TRUE(names.isEmpty());
}

TEST(ChartOperations, DragObjectCarriesThePartAndShowsTheHandWhileAccepted) {
    TChartClickedPart part;
    part.Part = cpSeries;
    part.PointIndex = 4;
    TTeeDragObject drag(part);
    EXPECT_EQ(drag.Part().Part, cpSeries);
    EXPECT_EQ(drag.Part().PointIndex, 4);
    EXPECT_EQ(drag.GetDragCursor(true, 0, 0), crTeeHand);
    EXPECT_EQ(drag.GetDragCursor(false, 0, 0), crNoDrop);
}

// An owner in the designer.
struct TDesignOwner : TComponent {
    TDesignOwner() : TComponent(nullptr) { SetDesigning(true); }
};

TCustomChart* hooked = nullptr;
void rememberChart(TCustomChart* Chart) {
    hooked = Chart;
}

TEST(ChartOperations, NewChartHookRunsOnlyForADesignedChartWithAnOwner) {
    TeeNewChartHook = &rememberChart;
    hooked = nullptr;
    {
        TChart running(nullptr);
        EXPECT_EQ(hooked, nullptr) << "not designing";
    }
    TDesignOwner owner;
    auto* designed = new TChart(&owner);
    EXPECT_EQ(hooked, designed);
    TeeNewChartHook = nullptr;
    EXPECT_EQ(TeeThemeSelectorHook, nullptr);
}

} // namespace
