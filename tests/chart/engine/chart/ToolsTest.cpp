// Tool bases and the chart's tool list: joining and leaving a chart, the events of a frame,
// series and axis tools that forget what is freed, the "AxisID" stream property; series
// sources, the circular-source check and the editors' series helpers.
#include "ToolTestSupport.h"

#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Bitmap.h"

ORVO_IMPLEMENT_CLASS(TRecordingTool, TTeeCustomTool)
ORVO_IMPLEMENT_CLASS(TDotSeries, TChartSeries)
ORVO_IMPLEMENT_CLASS(TNoAxisSeries, TDotSeries)

namespace {

class TTestAxisTool : public TTeeCustomToolAxis {
    ORVO_CLASS(TTestAxisTool, TTeeCustomToolAxis)
public:
    explicit TTestAxisTool(TComponent* AOwner = nullptr) : TTeeCustomToolAxis(AOwner) {}
};

class TTestSeriesTool : public TTeeCustomToolSeries {
    ORVO_CLASS(TTestSeriesTool, TTeeCustomToolSeries)
public:
    explicit TTestSeriesTool(TComponent* AOwner = nullptr) : TTeeCustomToolSeries(AOwner) {}
    void SeriesEvent(TChartToolEvent AEvent) override { SeriesEvents.push_back(AEvent); }
    std::vector<TChartToolEvent> SeriesEvents;
};

// A source that appends three points each time it loads.
class TThreePointSource : public TTeeSeriesSource {
    ORVO_CLASS(TThreePointSource, TTeeSeriesSource)
public:
    explicit TThreePointSource(TComponent* AOwner = nullptr) : TTeeSeriesSource(AOwner) {}
    void Load() override {
        for (int i = 0; i < 3; ++i)
            Series()->AddY(i);
    }
};

} // namespace

ORVO_IMPLEMENT_CLASS(TTestAxisTool, TTeeCustomToolAxis)
ORVO_IMPLEMENT_CLASS(TTestSeriesTool, TTeeCustomToolSeries)
ORVO_IMPLEMENT_CLASS(TThreePointSource, TTeeSeriesSource)

namespace {

TEST(ChartTools, AddJoinsTheChartOnceAndANullChartLeavesIt) {
    TChart chart(nullptr);
    auto* first = new TRecordingTool(&chart);
    auto* second = new TRecordingTool(&chart);
    chart.Tools()->Add(first);
    chart.Tools()->Add(second);
    EXPECT_EQ(first->ParentChart(), &chart);
    EXPECT_EQ(chart.Tools()->IndexOf(second), 1);

    chart.Tools()->Add(first);
    EXPECT_EQ(chart.Tools()->Count(), 2);
    EXPECT_EQ(chart.Tools()->IndexOf(first), 0);

    // Exchanging changes the order; an index outside the list is refused.
    chart.Tools()->Exchange(0, 1);
    EXPECT_EQ(chart.Tools()->Get(0), second);
    EXPECT_THROW(chart.Tools()->Exchange(1, 2), EListError);
    EXPECT_THROW(chart.Tools()->Exchange(-1, 0), EListError);
    chart.Tools()->Exchange(1, 0);
    EXPECT_EQ(chart.Tools()->Get(0), first);

    first->SetParentChart(nullptr);
    EXPECT_EQ(chart.Tools()->Count(), 1);
    EXPECT_EQ(chart.Tools()->Get(0), second);
    EXPECT_EQ(chart.Tools()->Get(5), nullptr);

    // A tool freed elsewhere leaves the list.
    delete second;
    EXPECT_EQ(chart.Tools()->Count(), 0);
    delete first;
}

TEST(ChartTools, AddByClassMakesAToolOwnedByTheChartAndRefusesOtherClasses) {
    TChart chart(nullptr);
    TTeeCustomTool* tool = chart.Tools()->Add(TRecordingTool::StaticClass());
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->Owner(), &chart);
    EXPECT_EQ(tool->ParentChart(), &chart);
    EXPECT_EQ(chart.Tools()->Add(TDotSeries::StaticClass()), nullptr);

    chart.Tools()->SetActive(false);
    EXPECT_FALSE(tool->Active());
    chart.Tools()->Clear();
    EXPECT_EQ(chart.Tools()->Count(), 0);
}

TEST(ChartTools, ActiveToolsHearEveryStepOfTheFrameInOrder) {
    TChart chart(nullptr);
    chart.SetBounds(0, 0, 300, 200);
    chart.SetView3D(false);
    auto* tool = new TRecordingTool(&chart);
    auto* off = new TRecordingTool(&chart);
    chart.Tools()->Add(tool);
    chart.Tools()->Add(off);
    off->SetActive(false);
    TBitmap bitmap;
    bitmap.SetSize(300, 200);

    chart.Draw(bitmap.Canvas(), TRect{0, 0, 300, 200});
    EXPECT_EQ(tool->Events,
              (QStringList{"beforeDraw", "beforeAxes", "beforeSeries", "afterSeries", "afterDraw"}));
    EXPECT_TRUE(off->Events.isEmpty());

    // Axes drawn in front of the series come after them.
    tool->Events.clear();
    chart.SetAxisBehind(false);
    chart.Draw(bitmap.Canvas(), TRect{0, 0, 300, 200});
    EXPECT_EQ(tool->Events,
              (QStringList{"beforeDraw", "beforeSeries", "afterSeries", "beforeAxes", "afterDraw"}));

    tool->Events.clear();
    chart.Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(tool->Events, QStringList{"leave"});
}

TEST(ChartTools, SeriesToolsHearTheDrawingOfTheirOwnSeries) {
    TChart chart(nullptr);
    chart.SetBounds(0, 0, 300, 200);
    chart.SetView3D(false);
    TDotSeries drawn(nullptr), other(nullptr);
    for (TDotSeries* s : {&drawn, &other}) {
        s->SetParentChart(&chart);
        s->AddXY(1, 1);
        s->AddXY(2, 2);
    }
    TTestSeriesTool onDrawn(nullptr), off(nullptr), unbound(nullptr);
    onDrawn.SetSeries(&drawn);
    off.SetSeries(&drawn);
    off.SetActive(false);
    for (TTestSeriesTool* t : {&onDrawn, &off, &unbound})
        chart.Tools()->Add(t);
    TBitmap bitmap;
    bitmap.SetSize(300, 200);
    chart.Draw(bitmap.Canvas(), TRect{0, 0, 300, 200});
    EXPECT_EQ(onDrawn.SeriesEvents, (std::vector<TChartToolEvent>{cteBeforeDrawSeries, cteAfterDrawSeries}));
    EXPECT_TRUE(off.SeriesEvents.empty());
    EXPECT_TRUE(unbound.SeriesEvents.empty());
    for (TTestSeriesTool* t : {&onDrawn, &off, &unbound})
        t->SetParentChart(nullptr);
    drawn.SetParentChart(nullptr);
    other.SetParentChart(nullptr);
}

TEST(ChartTools, ASeriesToolWithoutSeriesWorksOnTheAxesInUse) {
    TChart chart(nullptr);
    TTestSeriesTool tool(nullptr);
    tool.SetParentChart(&chart);
    EXPECT_EQ(tool.GetHorizAxis(), chart.BottomAxis());
    EXPECT_EQ(tool.GetVertAxis(), chart.LeftAxis());

    TDotSeries series(nullptr);
    series.SetHorizAxis(aTopAxis);
    series.SetVertAxis(aRightAxis);
    series.SetParentChart(&chart);
    EXPECT_EQ(tool.GetHorizAxis(), chart.TopAxis());
    EXPECT_EQ(tool.GetVertAxis(), chart.RightAxis());

    tool.SetSeries(&series);
    EXPECT_EQ(tool.GetHorizAxis(), chart.TopAxis());
    tool.SetParentChart(nullptr);
}

TEST(ChartTools, SeriesToolsForgetAFreedSeriesAlsoWhenMadeByAssign) {
    TChart chart(nullptr);
    auto* series = new TDotSeries(nullptr);
    series->SetParentChart(&chart);
    TTestSeriesTool tool(nullptr);
    tool.SetSeries(series);
    TTestSeriesTool copy(nullptr);
    copy.Assign(&tool);
    EXPECT_EQ(copy.Series(), series);

    delete series;
    EXPECT_EQ(tool.Series(), nullptr);
    EXPECT_EQ(copy.Series(), nullptr);
}

TEST(ChartTools, AnAxisToolStreamsItsAxisIndexAndForgetsAFreedAxis) {
    TChart chart(nullptr);
    TTestAxisTool tool(nullptr);
    tool.SetAxis(chart.LeftAxis());
    EXPECT_EQ(tool.ParentChart(), &chart);
    EXPECT_EQ(chart.Axes()->IndexOf(tool.Axis()), 2);

    auto* custom = new TChartAxis(&chart);
    tool.SetAxis(custom);
    EXPECT_EQ(chart.Axes()->IndexOf(tool.Axis()), 6);
    delete custom;
    EXPECT_EQ(tool.Axis(), nullptr);
    EXPECT_EQ(tool.ParentChart(), &chart);

    tool.SetAxis(chart.RightAxis());
    tool.SetAxis(nullptr);
    EXPECT_EQ(tool.ParentChart(), nullptr);
}

class AxisToolStream : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterClasses({TTestAxisTool::StaticClass(), TForm::StaticClass()});
        form.reset(new TForm(nullptr, 0));
        form->SetName("Form1");
        chart = new TChart(form.get());
        chart->SetName("Chart1");
        chart->SetParent(form.get());
    }
    std::unique_ptr<TForm, FreeComponent> form;
    TChart* chart = nullptr;
};

TEST_F(AxisToolStream, TheAxisComesBackByItsIndex) {
    auto* onLeft = new TTestAxisTool(form.get());
    onLeft->SetName("LeftTool");
    onLeft->SetAxis(chart->LeftAxis());
    auto* onTop = new TTestAxisTool(form.get());
    onTop->SetName("TopTool");
    onTop->SetAxis(chart->TopAxis());
    auto* none = new TTestAxisTool(form.get());
    none->SetName("NoAxisTool");
    chart->Tools()->Add(none);

    const QByteArray text = ComponentToText(form.get());
    EXPECT_TRUE(text.contains("AxisID = 2")) << text.constData();
    EXPECT_TRUE(text.contains("AxisID = 1")) << text.constData();
    EXPECT_EQ(text.count("AxisID"), 2) << text.constData();

    std::unique_ptr<TForm, FreeComponent> copy(new TForm(nullptr, 0));
    ComponentFromText(text, copy.get());
    auto* chart2 = dynamic_cast<TChart*>(copy->FindComponent("Chart1"));
    ASSERT_NE(chart2, nullptr);
    ASSERT_EQ(chart2->Tools()->Count(), 3);
    auto* left2 = dynamic_cast<TTestAxisTool*>(copy->FindComponent("LeftTool"));
    auto* top2 = dynamic_cast<TTestAxisTool*>(copy->FindComponent("TopTool"));
    ASSERT_TRUE(left2 && top2);
    EXPECT_EQ(left2->Axis(), chart2->LeftAxis());
    EXPECT_EQ(top2->Axis(), chart2->TopAxis());
}

TEST_F(AxisToolStream, AnAxisIndexTheChartDoesNotHaveIsRefused) {
    auto* tool = new TTestAxisTool(form.get());
    tool->SetName("Tool1");
    tool->SetAxis(chart->LeftAxis());
    for (const char* bad : {"AxisID = 9", "AxisID = -1"}) {
        QByteArray text = ComponentToText(form.get());
        text.replace("AxisID = 2", bad);
        std::unique_ptr<TForm, FreeComponent> copy(new TForm(nullptr, 0));
        EXPECT_ANY_THROW(ComponentFromText(text, copy.get())) << bad;
    }
}

// ---- series sources -------------------------------------------------------------------------

TEST(SeriesSource, SwitchingOffClearsThePointsOnlyInClearMode) {
    TChart chart(nullptr);
    TDotSeries series(nullptr);
    series.SetParentChart(&chart);
    TThreePointSource source(nullptr);
    source.SetSeries(&series);
    EXPECT_EQ(series.DataSource(), &source);

    source.Open();
    EXPECT_EQ(series.Count(), 3);
    source.Close();
    EXPECT_EQ(series.Count(), 0);

    source.SetLoadMode(lmAppend);
    source.Open();
    source.Refresh();
    EXPECT_EQ(series.Count(), 6);
    source.Close();
    EXPECT_EQ(series.Count(), 6);
    EXPECT_TRUE(source.HasSeries(&series));

    source.SetSeries(nullptr);
    EXPECT_EQ(series.DataSource(), nullptr);
}

TEST(SeriesSource, ASourceForgetsItsFreedSeries) {
    TComponent owner(nullptr);
    TChart chart(nullptr);
    auto* series = new TDotSeries(&owner);
    series->SetParentChart(&chart);
    // Sources and series live on one form.
    auto& source = *new TThreePointSource(&owner);
    source.SetSeries(series);
    FreeObject(series);
    EXPECT_EQ(source.Series(), nullptr);

    // A source the series lets go of lets go of the series too.
    TDotSeries other(nullptr), from(nullptr);
    other.SetParentChart(&chart);
    from.SetParentChart(&chart);
    source.SetSeries(&other);
    other.SetDataSource(&from);
    EXPECT_EQ(source.Series(), nullptr);
}

// ---- circular sources -----------------------------------------------------------------------

TEST(SeriesSources, ALoopThroughAnySourceIsRefused) {
    TChart chart(nullptr);
    TDotSeries a(nullptr), b(nullptr), c(nullptr), d(nullptr);
    for (TDotSeries* s : {&a, &b, &c, &d})
        s->SetParentChart(&chart);

    // b reads from c and from a (its second source): a may not read from b.
    b.DataSources()->Add(&c);
    b.DataSources()->Add(&a);
    try {
        a.SetDataSource(&b);
        ADD_FAILURE() << "a loop through the second source was accepted";
    } catch (const ChartException& e) {
        EXPECT_EQ(e.Message, TeeMsg_CircularSeries);
    }
    EXPECT_EQ(a.DataSource(), nullptr);

    // A loop that does not pass through d still ends.
    c.DataSources()->Add(&d);
    EXPECT_FALSE(chart.CheckOtherSeries(&d, &a));
}

// ---- helpers of the editors ---------------------------------------------------------------

TEST(SeriesHelpers, TitlesNamesAndTheListOfEditors) {
    TChart chart(nullptr);
    TDotSeries titled(nullptr), named(nullptr), hidden(nullptr);
    titled.SetTitle(QStringLiteral("Boost") + TeeColumnSeparator + QStringLiteral("map"));
    named.SetName("Pressure");
    hidden.SetShowInEditor(false);
    for (TDotSeries* s : {&titled, &named, &hidden})
        s->SetParentChart(&chart);
    EXPECT_EQ(SeriesTitleOrName(&titled), "Boost map");
    EXPECT_EQ(SeriesTitleOrName(&named), "Pressure");

    TStringList items;
    FillSeriesItems(&items, chart.SeriesList(), true);
    ASSERT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Strings(0), "Boost map");
    EXPECT_EQ(items.Objects(1), &named);
}

} // namespace

namespace {

TEST(ChartSeriesList, AllActiveAndGroups) {
    TChart chart(nullptr);
    TChartSeriesList* list = chart.SeriesList();
    EXPECT_TRUE(list->AllActive());
    list->SetAllActive(false);
    TDotSeries a(nullptr), b(nullptr);
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    b.SetActive(false);
    EXPECT_FALSE(list->AllActive());
    list->SetAllActive(true);
    EXPECT_TRUE(a.Active() && b.Active());

    TSeriesGroup* group = list->AddGroup("Maps");
    EXPECT_EQ(group->Name(), "Maps");
    EXPECT_EQ(chart.SeriesGroups()->Count(), 1);
    EXPECT_TRUE(chart.IsSeriesGroupsStored());
    TChart other(nullptr);
    other.SeriesList()->Assign(list);
    ASSERT_EQ(other.SeriesGroups()->Count(), 1);
    EXPECT_EQ(static_cast<TSeriesGroup*>(other.SeriesGroups()->Items(0))->Name(), "Maps");
}

} // namespace
