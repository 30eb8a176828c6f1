// The gallery entries of the series types and functions after the library's start-up, and
// the published properties of each new series and function through the component streams.
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/series/AreaSeries.h"
#include "chart/series/ArrowSeries.h"
#include "chart/series/BarSeries.h"
#include "chart/series/BasicFunctions.h"
#include "chart/series/BubbleSeries.h"
#include "chart/series/ChartShape.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/GanttSeries.h"
#include "chart/series/PieSeries.h"
#include "chart/series/StandardSeries.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Writer.h"
#include "platform/controls/CustomForm.h"

#include <QByteArray>
#include <QStringList>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

int IndexOfSeries(TClass C) {
    TTeeSeriesTypes* list = TeeSeriesTypes();
    for (int i = 0; i < list->Count(); ++i)
        if (list->Get(i)->SeriesClass == C && !list->Get(i)->FunctionClass) return i;
    return -1;
}

int IndexOfFunction(TClass C) {
    TTeeSeriesTypes* list = TeeSeriesTypes();
    for (int i = 0; i < list->Count(); ++i)
        if (list->Get(i)->FunctionClass == C && !list->Get(i)->SeriesClass) return i;
    return -1;
}

TEST(SeriesGallery, StandardSeriesInOrderOnceOnly) {
    struct Entry {
        TClass cls;
        const char* description;
        const char* page;
        int gallerySeries;
    };
    const Entry entries[] = {
        {TLineSeries::StaticClass(), "Line", "Standard", 2},
        {TBarSeries::StaticClass(), "Bar", "Standard", 2},
        {THorizBarSeries::StaticClass(), "Horizontal\rBar", "Standard", 2},
        {TAreaSeries::StaticClass(), "Area", "Standard", 2},
        {TPointSeries::StaticClass(), "Point", "Standard", 2},
        {TPieSeries::StaticClass(), "Pie", "Standard", 1},
        {TFastLineSeries::StaticClass(), "Fast Line", "Standard", 2},
        {THorizLineSeries::StaticClass(), "Horizontal\rLine", "Standard", 1},
        {THorizAreaSeries::StaticClass(), "Horizontal\rArea", "Standard", 1},
        {TArrowSeries::StaticClass(), "Arrow", "Extended", 2},
        {TBubbleSeries::StaticClass(), "Bubble", "Standard", 1},
        {TGanttSeries::StaticClass(), "Gantt", "Standard", 1},
        {TChartShape::StaticClass(), "Shape", "Standard", 2},
    };
    const int count = TeeSeriesTypes()->Count();
    RegisterTeeStandardSeries();
    EXPECT_EQ(TeeSeriesTypes()->Count(), count);
    int previous = -1;
    for (const Entry& e : entries) {
        SCOPED_TRACE(e.description);
        const int i = IndexOfSeries(e.cls);
        ASSERT_GE(i, 0);
        EXPECT_GT(i, previous);
        previous = i;
        TTeeSeriesType* t = TeeSeriesTypes()->Get(i);
        EXPECT_EQ(t->DescriptionText().toStdString(), e.description);
        EXPECT_EQ(t->GalleryPageText().toStdString(), e.page);
        EXPECT_EQ(t->NumGallerySeries, e.gallerySeries);
        EXPECT_EQ(GetClass(e.cls->ClassName()), e.cls);
    }
}

TEST(SeriesGallery, BasicFunctionsInOrder) {
    const std::pair<TClass, const char*> functions[] = {
        {TAddTeeFunction::StaticClass(), "Add"},           {TSubtractTeeFunction::StaticClass(), "Subtract"},
        {TMultiplyTeeFunction::StaticClass(), "Multiply"}, {TDivideTeeFunction::StaticClass(), "Divide"},
        {THighTeeFunction::StaticClass(), "High"},         {TLowTeeFunction::StaticClass(), "Low"},
        {TAverageTeeFunction::StaticClass(), "Average"},   {TCustomTeeFunction::StaticClass(), "y = f(x)"},
        {TMedianTeeFunction::StaticClass(), "Median"},     {TModeTeeFunction::StaticClass(), "Mode"},
    };
    int previous = -1;
    for (auto [cls, text] : functions) {
        SCOPED_TRACE(text);
        const int i = IndexOfFunction(cls);
        ASSERT_GE(i, 0);
        EXPECT_GT(i, previous);
        previous = i;
        EXPECT_EQ(TeeSeriesTypes()->Get(i)->DescriptionText().toStdString(), text);
        EXPECT_EQ(TeeSeriesTypes()->Get(i)->GalleryPageText().toStdString(), "Standard");
        EXPECT_EQ(TeeSeriesTypes()->Get(i)->NumGallerySeries, 2);
    }
    EXPECT_EQ(IndexOfFunction(TManySeriesTeeFunction::StaticClass()), -1);
    EXPECT_EQ(IndexOfFunction(TCustomSortedFunction::StaticClass()), -1);
}

TEST(SeriesGallery, GanttSampleNames) {
    EXPECT_EQ(TeeMsg_GanttSample9.toStdString(), "New Version");
    EXPECT_EQ(TeeMsg_GanttSample10.toStdString(), "Banking");
    TGanttSeries gantt(nullptr);
    gantt.FillSampleValues(30);
    ASSERT_GT(gantt.Count(), 9);
    QStringList labels;
    for (int i = 0; i < gantt.Count(); ++i)
        labels << gantt.XLabel(i);
    EXPECT_TRUE(labels.contains("New Version"));
    EXPECT_TRUE(labels.contains("Banking"));
    // Every chained task names a task of the series.
    for (int i = 0; i < gantt.Count(); ++i) {
        const double next = gantt.NextTask()->Value(i);
        EXPECT_TRUE(next == -1 || (next >= 0 && next < gantt.Count())) << i;
    }
}

// ---- streaming ---------------------------------------------------------------------------------

struct Free {
    void operator()(TObject* o) const { FreeObject(o); }
};

QByteArray ToText(TComponent* Root) {
    TMemoryStream bin, out;
    {
        TWriter w(&bin);
        w.WriteRootComponent(Root);
    }
    bin.SetPosition(0);
    ObjectBinaryToText(&bin, &out);
    return QByteArray(static_cast<const char*>(out.Memory()), qsizetype(out.Size()));
}

void FromText(const QByteArray& Text, TComponent* Root) {
    TMemoryStream in, bin;
    in.WriteBuffer(Text.constData(), int(Text.size()));
    in.SetPosition(0);
    ObjectTextToBinary(&in, &bin);
    bin.SetPosition(0);
    TReader r(&bin);
    r.ReadRootComponent(Root);
}

// The text from the named object on: the series (and its function), without the form's
// and the chart's own settings.
std::string From(const QByteArray& Text, const char* Object) {
    const qsizetype at = Text.indexOf(QByteArray("object ") + Object);
    return at < 0 ? std::string() : Text.mid(at).toStdString();
}

// A form holding a chart and one series (or a series with a function) named Item1.
struct Holder {
    std::unique_ptr<TForm, Free> form{new TForm(nullptr, 0)};
    TChart* chart;
    Holder() {
        form->SetName("Form1");
        chart = new TChart(form.get());
        chart->SetName("Chart1");
        chart->SetParent(form.get());
    }
};

struct StreamCase {
    const char* name;
    TClass cls;
    // Properties that a default object leaves out.
    std::vector<const char*> defaults;
    // Changes every setting named, away from its default.
    std::function<void(TComponent*)> change;
};

TEST(SeriesStreaming, PublishedPropertiesRoundTripWithoutDefaults) {
    const StreamCase cases[] = {
        {"area",
         TAreaSeries::StaticClass(),
         {"YOrigin", "UseYOrigin", "StackGroup", "MultiArea"},
         [](TComponent* c) {
             auto* s = static_cast<TAreaSeries*>(c);
             s->SetYOrigin(2.5);
             s->SetUseYOrigin(true);
             s->SetStackGroup(3);
             s->SetMultiArea(maStacked);
             s->SetAreaColor(clBlue);
             s->SetStairs(true);
         }},
        {"fast line",
         TFastLineSeries::StaticClass(),
         {"TreatNulls", "AutoRepaint", "DrawAllPoints", "IgnoreNulls", "Stairs", "InvertedStairs", "FastPen"},
         [](TComponent* c) {
             auto* s = static_cast<TFastLineSeries*>(c);
             s->SetTreatNulls(tnDontPaint);
             s->SetAutoRepaint(false);
             s->SetDrawAllPoints(false);
             s->SetIgnoreNulls(false);
             s->SetStairs(true);
             s->SetInvertedStairs(true);
             s->SetFastPen(true);
         }},
        {"bubble",
         TBubbleSeries::StaticClass(),
         {"Squared"},
         [](TComponent* c) { static_cast<TBubbleSeries*>(c)->SetSquared(false); }},
        {"arrow",
         TArrowSeries::StaticClass(),
         {},
         // The head sizes are the pointer's: never stored under their own names.
         [](TComponent* c) {
             static_cast<TArrowSeries*>(c)->SetArrowWidth(9);
             static_cast<TArrowSeries*>(c)->AddArrow(1, 2, 3, 4);
         }},
        {"gantt",
         TGanttSeries::StaticClass(),
         {},
         [](TComponent* c) { static_cast<TGanttSeries*>(c)->ConnectingPen()->SetWidth(3); }},
        {"shape",
         TChartShape::StaticClass(),
         {"Style", "XYStyle", "Alignment", "VertAlign", "RoundRectangle", "Transparent", "Transparency"},
         [](TComponent* c) {
             auto* s = static_cast<TChartShape*>(c);
             s->SetStyle(chasDiamond);
             s->SetXYStyle(xysPixels);
             s->SetAlignment(taRightJustify);
             s->SetVertAlign(vaBottom);
             s->SetRoundRectangle(true);
             s->SetTransparent(true);
             s->SetTransparency(30);
             s->Text()->Add("two");
             s->Text()->Add("lines");
             s->Font()->SetSize(14);
             s->SetX1(50);
         }},
    };
    for (const StreamCase& c : cases) {
        SCOPED_TRACE(c.name);
        Holder h;
        auto* s = static_cast<TChartSeries*>(c.cls->CreateComponent(h.form.get()));
        s->SetName("Item1");
        s->SetParentChart(h.chart);
        const QByteArray plain = ToText(h.form.get());
        for (const char* name : c.defaults)
            EXPECT_FALSE(plain.contains("      " + QByteArray(name) + " =")) << name << " in\n"
                                                                             << plain.toStdString();
        c.change(s);
        const QByteArray text = ToText(h.form.get());
        for (const char* name : c.defaults)
            EXPECT_TRUE(text.contains("      " + QByteArray(name) + " =")) << name << " not in\n"
                                                                           << text.toStdString();
        EXPECT_FALSE(text.contains("ArrowWidth"));

        std::unique_ptr<TForm, Free> copy(new TForm(nullptr, 0));
        FromText(text, copy.get());
        auto* read = dynamic_cast<TChartSeries*>(copy->FindComponent("Item1"));
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->ClassType(), c.cls);
        EXPECT_EQ(From(ToText(copy.get()), "Item1"), From(text, "Item1"));
    }
}

TEST(SeriesStreaming, FunctionsRoundTripWithoutDefaults) {
    struct Case {
        const char* name;
        TClass cls;
        std::vector<const char*> defaults;
        std::function<void(TTeeFunction*)> change;
    };
    const Case cases[] = {
        {"average",
         TAverageTeeFunction::StaticClass(),
         {"IncludeNulls"},
         [](TTeeFunction* f) { static_cast<TAverageTeeFunction*>(f)->SetIncludeNulls(false); }},
        {"median",
         TMedianTeeFunction::StaticClass(),
         {"IncludeNulls"},
         [](TTeeFunction* f) { static_cast<TMedianTeeFunction*>(f)->SetIncludeNulls(false); }},
        {"custom",
         TCustomTeeFunction::StaticClass(),
         {"NumPoints", "StartX"},
         [](TTeeFunction* f) {
             static_cast<TCustomTeeFunction*>(f)->SetNumPoints(7);
             static_cast<TCustomTeeFunction*>(f)->SetStartX(-2);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Holder h;
        auto* s = new TLineSeries(h.form.get());
        s->SetName("Series1");
        s->SetParentChart(h.chart);
        TTeeFunction* f = CreateNewTeeFunction(s, c.cls);
        const QByteArray plain = ToText(h.form.get());
        ASSERT_TRUE(plain.contains(c.cls->ClassName().toUtf8())) << plain.toStdString();
        for (const char* name : c.defaults)
            EXPECT_FALSE(plain.contains("      " + QByteArray(name) + " =")) << name;
        c.change(f);
        const QByteArray text = ToText(h.form.get());
        for (const char* name : c.defaults)
            EXPECT_TRUE(text.contains("      " + QByteArray(name) + " =")) << name;
        std::unique_ptr<TForm, Free> copy(new TForm(nullptr, 0));
        FromText(text, copy.get());
        EXPECT_EQ(From(ToText(copy.get()), "Series1"), From(text, "Series1"));
    }
}

} // namespace
