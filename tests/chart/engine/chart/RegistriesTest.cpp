// The series, function and tool registries, the colour palettes, the theme base and the
// series factories; the series container of the chart (joining, leaving, free colours).
#include "ToolTestSupport.h"

#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/series/TeeFunction.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Bitmap.h"

#include <functional>

namespace {

class TOtherDotSeries : public TDotSeries {
    ORVO_CLASS(TOtherDotSeries, TDotSeries)
public:
    explicit TOtherDotSeries(TComponent* AOwner = nullptr) : TDotSeries(AOwner) {}
};

class TRegistryFunction : public TTeeFunction {
    ORVO_CLASS(TRegistryFunction, TTeeFunction)
public:
    explicit TRegistryFunction(TComponent* AOwner = nullptr) : TTeeFunction(AOwner) {}
};

class TCountingTheme : public TChartTheme {
    ORVO_CLASS(TCountingTheme, TChartTheme)
public:
    using TChartTheme::TChartTheme;
    void ChangeAxis(TChartAxis* Axis) override { Axes.push_back(Axis); }
    std::vector<TChartAxis*> Axes;
};

const String GalleryDots = QStringLiteral("Dots");

} // namespace

ORVO_IMPLEMENT_CLASS(TOtherDotSeries, TDotSeries)
ORVO_IMPLEMENT_CLASS(TRegistryFunction, TTeeFunction)
ORVO_IMPLEMENT_CLASS(TCountingTheme, TChartTheme)

namespace {

int EntriesOf(TClass SeriesClass, TClass FunctionClass = nullptr) {
    int n = 0;
    for (int i = 0; i < TeeSeriesTypesList()->Count(); ++i) {
        TTeeSeriesType* t = TeeSeriesTypesList()->Get(i);
        if (t->SeriesClass == SeriesClass && t->FunctionClass == FunctionClass) ++n;
    }
    return n;
}

TEST(SeriesTypes, RepeatedMainEntriesAreSkippedSubStylesAddedAndAllRemovedTogether) {
    TClass cls = TOtherDotSeries::StaticClass();
    RegisterTeeSeries(cls, &GalleryDots);
    RegisterTeeSeries(cls, &GalleryDots);
    EXPECT_EQ(EntriesOf(cls), 1);
    RegisterTeeSeriesFunction(cls, nullptr, &GalleryDots, &TeeMsg_GalleryStandard, 1, 1);
    RegisterTeeSeriesFunction(cls, nullptr, &GalleryDots, &TeeMsg_GalleryStandard, 1, 2);
    EXPECT_EQ(EntriesOf(cls), 3);
    EXPECT_EQ(TeeSeriesTypesList()->Find(cls)->SubIndex, 0);
    EXPECT_EQ(TeeSeriesTypesList()->Find(cls)->GalleryPageText(), "Standard");
    EXPECT_EQ(FindClass("TOtherDotSeries"), cls);

    TOtherDotSeries series(nullptr);
    EXPECT_EQ(GetGallerySeriesName(&series), "Dots");
    UnRegisterTeeSeries({cls});
    EXPECT_EQ(EntriesOf(cls), 0);
    EXPECT_EQ(GetGallerySeriesName(&series), "TOtherDotSeries");
}

TEST(SeriesTypes, ASeriesRegisteredOnlyWithAFunctionHasNoGalleryName) {
    TClass series = TOtherDotSeries::StaticClass();
    TClass function = TRegistryFunction::StaticClass();
    RegisterTeeSeriesFunction(series, function, &GalleryDots, &TeeMsg_GalleryStandard, 2);
    RegisterTeeBasicFunction(function, &GalleryDots);
    EXPECT_EQ(EntriesOf(series, function), 1);
    EXPECT_EQ(EntriesOf(nullptr, function), 1);
    TOtherDotSeries s(nullptr);
    EXPECT_EQ(GetGallerySeriesName(&s), "TOtherDotSeries");
    UnRegisterTeeFunctions({function});
    EXPECT_EQ(EntriesOf(series, function) + EntriesOf(nullptr, function), 0);
}

TEST(SeriesTypes, EveryRegisteredClassIsCreatedByName) {
    RegisterTeeSeries(TOtherDotSeries::StaticClass(), &GalleryDots);
    RegisterTeeBasicFunction(TRegistryFunction::StaticClass(), &GalleryDots);
    RegisterTeeTools({TRecordingTool::StaticClass()});
    TChart chart(nullptr);
    for (int i = 0; i < TeeSeriesTypesList()->Count(); ++i) {
        TTeeSeriesType* t = TeeSeriesTypesList()->Get(i);
        SCOPED_TRACE(t->DescriptionText().toStdString());
        TClass seriesClass = t->SeriesClass ? t->SeriesClass : TDotSeries::StaticClass();
        TChartSeries* s =
            CreateNewSeries(&chart, &chart, FindClass(seriesClass->ClassName()), t->FunctionClass);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->ParentChart(), &chart);
        if (t->FunctionClass) {
            EXPECT_TRUE(s->FunctionType() && s->FunctionType()->ClassType() == t->FunctionClass);
        }
    }
    for (int i = 0; i < TeeToolTypesList()->Count(); ++i) {
        TClass cls = FindClass(TeeToolTypesList()->Get(i)->ClassName());
        EXPECT_NE(chart.Tools()->Add(cls), nullptr) << cls->ClassName().toStdString();
    }
    chart.FreeAllSeries();
    UnRegisterTeeSeries({TOtherDotSeries::StaticClass()});
    UnRegisterTeeFunctions({TRegistryFunction::StaticClass()});
}

TEST(ToolTypes, ToolsAreListedOnceInOrderOfFirstRegistration) {
    const int before = TeeToolTypesList()->Count();
    RegisterTeeTools({TRecordingTool::StaticClass(), TRecordingTool::StaticClass()});
    const int at = TeeToolTypesList()->IndexOf(TRecordingTool::StaticClass());
    ASSERT_GE(at, 0);
    EXPECT_LE(TeeToolTypesList()->Count(), before + 1);
    UnRegisterTeeTools({TRecordingTool::StaticClass(), TDotSeries::StaticClass()});
    EXPECT_EQ(TeeToolTypesList()->IndexOf(TRecordingTool::StaticClass()), -1);
}

// ---- palettes -------------------------------------------------------------------------------

TEST(ColorPalettes, APickerListsDefaultThenEveryPaletteWithItsIndex) {
    TStringList items;
    TColorPalettes::AddTo(&items, true);
    ASSERT_EQ(items.Count(), 17);
    EXPECT_EQ(items.Strings(0), "Default");
    EXPECT_EQ(items.Objects(0), nullptr);
    EXPECT_EQ(items.Strings(1), "VorUvivi");
    EXPECT_EQ(items.Strings(16), "Cool");
    EXPECT_EQ(reinterpret_cast<intptr_t>(items.Objects(16)), 15);
    EXPECT_EQ(items.Strings(10), "Win. XP");
}

TEST(ColorPalettes, ApplyingByIndexSetsTheTableStoresTheIndexAndRecolours) {
    TChart chart(nullptr);
    TDotSeries automatic(nullptr), fixed(nullptr);
    fixed.SetSeriesColor(clRed);
    automatic.SetParentChart(&chart);
    fixed.SetParentChart(&chart);

    TColorPalettes::ApplyPalette(&chart, 13);
    ASSERT_EQ(chart.ColorPalette.size(), 12u);
    EXPECT_EQ(chart.ColorPalette[0], TColor(0xA36644));
    EXPECT_EQ(chart.ColorPaletteIndex(), 13);
    EXPECT_EQ(automatic.SeriesColor(), TColor(0xA36644));
    EXPECT_EQ(fixed.SeriesColor(), clRed);

    TColorPalettes::ApplyPalette(&chart, 9);
    ASSERT_EQ(chart.ColorPalette.size(), 13u);
    EXPECT_EQ(chart.ColorPalette[12], TColor(0x7B715F));
    EXPECT_EQ(automatic.SeriesColor(), TColor(0xFE9B82));

    for (int index : {0, 16}) {
        TColorPalettes::ApplyPalette(&chart, index);
        EXPECT_TRUE(chart.ColorPalette.empty());
        EXPECT_EQ(chart.ColorPaletteIndex(), index);
    }
    EXPECT_EQ(PaletteColors(12).front(), TColor(0xF0F0F0));
    EXPECT_EQ(PaletteColors(12).back(), TColor(0x101010));
    const size_t lengths[] = {0, 22, 11, 14, 8, 12, 9, 14, 25, 13, 16, 15, 15, 12, 8, 8};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(PaletteColors(i).size(), lengths[i]) << i;

    TColorPalettes::ApplyPalette(&chart, std::vector<TColor>{clBlue, clGreen});
    EXPECT_EQ(automatic.SeriesColor(), clBlue);
    EXPECT_EQ(chart.ColorPaletteIndex(), 16);
    automatic.SetParentChart(nullptr);
    fixed.SetParentChart(nullptr);
}

TEST(ChartTheme, ApplyWalksTheAxisListThenTheCustomAxes) {
    TChart chart(nullptr);
    auto* custom = new TChartAxis(&chart);
    TCountingTheme theme(&chart);
    theme.Apply();
    ASSERT_EQ(theme.Axes.size(), 8u);
    EXPECT_EQ(theme.Axes[0], chart.BottomAxis());
    EXPECT_EQ(theme.Axes[7], custom);
    EXPECT_EQ(theme.Description(), "Default");
    TCountingTheme none;
    none.Apply();
    EXPECT_TRUE(none.Axes.empty());
}

// ---- factories ------------------------------------------------------------------------------

TEST(SeriesFactories, ChangingTheTypeKeepsNamePositionEventsDependantsAndTools) {
    std::unique_ptr<TForm, FreeComponent> form(new TForm(nullptr, 0));
    auto* chart = new TChart(form.get());
    TChartSeries* first = CreateNewSeries(form.get(), chart, TDotSeries::StaticClass());
    TChartSeries* old = CreateNewSeries(form.get(), chart, TDotSeries::StaticClass());
    TChartSeries* dependant = CreateNewSeries(form.get(), chart, TDotSeries::StaticClass());
    EXPECT_EQ(first->Name(), "Series1");
    EXPECT_EQ(old->Name(), "Series2");
    old->AddY(5);
    old->SetTitle("Boost");
    int clicks = 0;
    old->OnClick = [&](TChartSeries*, int, TMouseButton, TShiftState, int, int) { ++clicks; };
    dependant->SetDataSource(old);
    auto* tool = new TRecordingTool(form.get());
    chart->Tools()->Add(tool);
    class TKeepSeries : public TTeeCustomToolSeries {
    public:
        using TTeeCustomToolSeries::TTeeCustomToolSeries;
    };
    auto* seriesTool = new TKeepSeries(form.get());
    seriesTool->SetSeries(old);
    chart->Tools()->Add(seriesTool);

    TChartSeries* same = old;
    EXPECT_EQ(ChangeSeriesType(same, TDotSeries::StaticClass()), old);

    TChartSeries* changed = old;
    ChangeSeriesType(changed, TOtherDotSeries::StaticClass());
    ASSERT_NE(changed, old);
    EXPECT_STREQ(changed->ClassName().toLatin1().constData(), "TOtherDotSeries");
    EXPECT_EQ(changed->Name(), "Series2");
    EXPECT_EQ(changed->Title(), "Boost");
    EXPECT_EQ(chart->SeriesList()->IndexOf(changed), 1);
    EXPECT_EQ(chart->SeriesCount(), 3);
    EXPECT_EQ(changed->Count(), 1);
    changed->OnClick(changed, 0, mbLeft, TShiftState(), 0, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(dependant->DataSource(), changed);
    EXPECT_EQ(changed->LinkedSeries()->IndexOf(dependant), 0);
    EXPECT_EQ(seriesTool->Series(), changed);

    ChangeAllSeriesType(chart, TOtherDotSeries::StaticClass());
    for (int i = 0; i < chart->SeriesCount(); ++i)
        EXPECT_TRUE(chart->GetSeries(i)->InheritsFrom(TOtherDotSeries::StaticClass()));
    EXPECT_EQ(chart->GetSeries(2)->DataSource(), chart->GetSeries(1));
}

TEST(SeriesFactories, ClonesOfSeriesAndTools) {
    std::unique_ptr<TForm, FreeComponent> form(new TForm(nullptr, 0));
    auto* chart = new TChart(form.get());
    TChartSeries* s = CreateNewSeries(form.get(), chart, TDotSeries::StaticClass());
    s->AddY(1);
    s->AddY(2);
    TChartSeries* clone = CloneChartSeries(s);
    EXPECT_EQ(clone->Name(), "Series2");
    EXPECT_EQ(clone->ParentChart(), chart);
    EXPECT_EQ(clone->Owner(), form.get());
    EXPECT_EQ(clone->Count(), 2);

    auto* tool = new TRecordingTool(form.get());
    tool->SetActive(false);
    TTeeCustomTool* copy = CloneChartTool(tool, form.get());
    EXPECT_EQ(copy->Name(), "ChartTool1");
    EXPECT_FALSE(copy->Active());
    EXPECT_EQ(copy->ParentChart(), nullptr);
}

TEST(SeriesFactories, TheLegendSymbolOfASeriesWithoutChartIsPaintedOnATemporaryChart) {
    TDotSeries series(nullptr);
    series.SetSeriesColor(clRed);
    TBitmap bitmap;
    bitmap.SetSize(20, 20);
    PaintSeriesLegend(&series, bitmap.Canvas(), TRect{2, 2, 18, 18});
    EXPECT_EQ(series.ParentChart(), nullptr);
    EXPECT_EQ(bitmap.Canvas()->Pixels(10, 10), clRed);
}

// ---- the series container -------------------------------------------------------------------

class TSeriesEventLog : public TInterfacedObject, public ITeeEventListener {
public:
    explicit TSeriesEventLog(std::function<void(TTeeSeriesEvent*)> f) : OnEvent(std::move(f)) {}
    void TeeEvent(TTeeEvent* Event) override {
        if (auto* e = dynamic_cast<TTeeSeriesEvent*>(Event)) OnEvent(e);
    }
    std::function<void(TTeeSeriesEvent*)> OnEvent;
};

TEST(SeriesContainer, RemovingTellsTheListenersBeforeAndTheEventAfter) {
    TChart chart(nullptr);
    QStringList log;
    auto* listener = new TSeriesEventLog([&](TTeeSeriesEvent* e) {
        if (e->Event == seRemove)
            log << QStringLiteral("broadcast, in list: %1").arg(chart.SeriesList()->IndexOf(e->Series) >= 0);
    });
    chart.Listeners()->Add(listener);
    TDotSeries series(nullptr);
    series.SetParentChart(&chart);
    chart.OnRemoveSeries = [&](TCustomChartSeries* S) {
        log << QStringLiteral("event, in list: %1").arg(chart.SeriesList()->IndexOf(S) >= 0);
    };
    int added = 0;
    chart.OnAddSeries = [&](TCustomChartSeries*) { ++added; };
    chart.AddSeries(&series);
    EXPECT_EQ(added, 0);
    chart.RemoveSeries(&series);
    EXPECT_EQ(log, (QStringList{"broadcast, in list: 1", "event, in list: 0"}));
    EXPECT_EQ(series.ParentChart(), nullptr);
    chart.RemoveSeries(-1);
    chart.Listeners()->Remove(listener);
}

TEST(SeriesContainer, ANewSeriesTakesTheFirstFreePaletteColourOrTheLast) {
    TChart chart(nullptr);
    chart.ColorPalette = {clRed, clGreen, clBlue, clYellow};
    TDotSeries a(nullptr), b(nullptr), c(nullptr), d(nullptr);
    a.SetSeriesColor(clRed);
    b.SetSeriesColor(clGreen);
    c.SetSeriesColor(clBlue);
    for (TDotSeries* s : {&a, &b, &c})
        s->SetParentChart(&chart);
    EXPECT_EQ(chart.GetFreeSeriesColor(false, nullptr), clYellow);
    c.SetSeriesColor(clYellow);
    EXPECT_EQ(chart.GetFreeSeriesColor(false, nullptr), clBlue);
    d.SetParentChart(&chart);
    EXPECT_EQ(d.SeriesColor(), clBlue);
    chart.RemoveAllSeries();
}

TEST(SeriesContainer, FreeAllSeriesOfAClassKeepsTheOthersInOrder) {
    TChart chart(nullptr);
    auto* a = new TDotSeries(nullptr);
    auto* b = new TOtherDotSeries(nullptr);
    auto* c = new TDotSeries(nullptr);
    auto* d = new TOtherDotSeries(nullptr);
    for (TChartSeries* s : std::initializer_list<TChartSeries*>{a, b, c, d})
        s->SetParentChart(&chart);
    chart.FreeAllSeries(TOtherDotSeries::StaticClass());
    ASSERT_EQ(chart.SeriesCount(), 2);
    EXPECT_EQ(chart.GetSeries(0), a);
    EXPECT_EQ(chart.GetSeries(1), c);
}

} // namespace
