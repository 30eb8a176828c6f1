// The numeric gauge: its three markers and how they are drawn inside the face (once each),
// the digital fonts, the LED variant, the palette, the value and its format, copies, the
// markers' list, streaming with and without defaults, and the stored marker block read from
// damaged or hostile bytes.
#include "chart/gauges/NumericGauge.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/panel/TeeShape.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/Writer.h"
#include "platform/controls/CustomForm.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FloatText.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace {

// A flat chart with one numeric gauge.
struct NumericChart {
    explicit NumericChart(int w = 400, int h = 240) : width(w), height(h) {
        chart.SetBounds(0, 0, w, h);
        chart.SetView3D(false);
        chart.SetAxisVisible(false);
        gauge = new TNumericGauge(nullptr);
        chart.AddSeries(gauge);
    }
    ~NumericChart() { delete gauge; }
    // Draws the chart and notes where the gauge placed each marker's box (while the chart still
    // draws on the picture's canvas).
    void Draw() {
        target.SetSize(width, height);
        boxes.clear();
        chart.OnAfterDraw = TNotifyEvent([this](TObject*) {
            for (int i = 0; i < gauge->Markers()->Count(); ++i) {
                int lines = 0, x = 0, y = 0;
                boxes.push_back(
                    gauge->Markers()->Marker(i)->GetTextBounds(&chart, gauge->NewRect(), lines, x, y));
            }
        });
        chart.Draw(target.Canvas(), TRect{0, 0, width, height});
    }
    TColor At(int x, int y) { return target.Canvas()->Pixels(x, y); }
    // The box of marker Index in the last drawing.
    TRect Box(int Index) { return boxes.at(std::size_t(Index)); }
    // Pixels of R (right and bottom inclusive) for which Test holds.
    int Count(const TRect& R, const std::function<bool(TColor)>& Test) {
        int n = 0;
        for (int y = R.Top; y <= R.Bottom; ++y)
            for (int x = R.Left; x <= R.Right; ++x)
                if (Test(At(x, y))) ++n;
        return n;
    }
    // Writes the picture when ORVO_SCREENSHOTS names a folder.
    void Screenshot(const char* Name) {
        const QString folder = qEnvironmentVariable("ORVO_SCREENSHOTS");
        if (folder.isEmpty()) return;
        QDir().mkpath(folder);
        EXPECT_TRUE(target.Image().save(QDir(folder).filePath(QString::fromUtf8(Name) + ".png"), "PNG"));
    }
    int width;
    int height;
    TChart chart{nullptr};
    TNumericGauge* gauge = nullptr;
    TBitmap target;
    std::vector<TRect> boxes;
};

int Red(TColor c) {
    return int(c) & 0xFF;
}
int Green(TColor c) {
    return (int(c) >> 8) & 0xFF;
}
int Blue(TColor c) {
    return (int(c) >> 16) & 0xFF;
}
bool Dark(TColor c) {
    return Red(c) < 0x60 && Green(c) < 0x60 && Blue(c) < 0x60;
}
bool Light(TColor c) {
    return Red(c) > 0x78 && Green(c) > 0x78 && Blue(c) > 0x78;
}
bool Reddish(TColor c) {
    return Red(c) > 0xC0 && Green(c) < 0x60 && Blue(c) < 0x60;
}

TRect Inset(const TRect& R, int By) {
    return TRect{R.Left + By, R.Top + By, R.Right - By, R.Bottom - By};
}

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

void RoundTrip(TComponent* From, TComponent* Into) {
    TMemoryStream stream;
    {
        TWriter w(&stream);
        w.WriteRootComponent(From);
    }
    stream.SetPosition(0);
    TReader r(&stream);
    r.ReadRootComponent(Into);
}

// A form holding a chart and a numeric gauge named Gauge1.
struct Holder {
    std::unique_ptr<TForm, Free> form{new TForm(nullptr, 0)};
    TChart* chart = nullptr;
    // WithChart false: an empty form to read into.
    explicit Holder(bool WithChart = true) {
        form->SetName("Form1");
        if (!WithChart) return;
        chart = new TChart(form.get());
        chart->SetName("Chart1");
        chart->SetParent(form.get());
    }
    TNumericGauge* Gauge() { return dynamic_cast<TNumericGauge*>(form->FindComponent("Gauge1")); }
};

// Each marker is bound to the gauge, its box on the gauge's chart, and none is a chart tool.
void ExpectBound(TNumericGauge* g, TCustomAxisPanel* chart) {
    for (int i = 0; i < g->Markers()->Count(); ++i) {
        SCOPED_TRACE(i);
        TNumericMarker* m = g->Markers()->Marker(i);
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->Gauge(), g);
        EXPECT_EQ(m->Shape()->ParentChart(), chart);
        EXPECT_EQ(m->ParentChart(), nullptr);
    }
    if (chart) {
        EXPECT_EQ(chart->Tools()->Count(), 0);
    }
}

} // namespace

TEST(NumericGauge, NewGaugeHasItsThreeMarkers) {
    NumericChart nc;
    TNumericGauge* g = nc.gauge;
    EXPECT_EQ(g->Value(), 0);
    EXPECT_EQ(g->DigitalFont(), dfBar);
    EXPECT_FALSE(g->UseAxis());
    EXPECT_EQ(g->NumSampleValues(), 1);
    EXPECT_EQ(g->GetEditorClass(), "TNumericGaugeEditor");
    EXPECT_EQ(g->GaugeColorPalette(), NumericGaugePalette());
    ASSERT_EQ(g->Markers()->Count(), 3);
    struct Want {
        TNumericMarker* marker;
        const char* text;
        int size;
        TAnnotationPosition position;
        TColor font, shape;
        bool transparent;
    };
    const TColor light = TColor(0x00C8DBDB), dark = TColor(0x00282828);
    const Want wants[] = {
        {g->ValueMarker(), "0", 36, ppCenter, dark, light, true},
        {g->UnitsMarker(), "MHz", 18, ppLeftBottom, dark, light, true},
        {g->TextMarker(), "FREQ", 11, ppLeftTop, light, dark, false},
    };
    for (const Want& w : wants) {
        SCOPED_TRACE(w.text);
        TTextShape* s = w.marker->Shape();
        EXPECT_EQ(w.marker->Text(), w.text);
        EXPECT_EQ(s->Font()->Size(), w.size);
        EXPECT_EQ(s->Font()->Name(), "DS-Digital");
        EXPECT_EQ(w.marker->Position(), w.position);
        EXPECT_EQ(s->Font()->Color(), w.font);
        EXPECT_EQ(s->Color(), w.shape);
        EXPECT_EQ(s->Transparent(), w.transparent);
        EXPECT_FALSE(s->Frame()->Visible());
        EXPECT_FALSE(s->Shadow()->Visible());
    }
    ExpectBound(g, &nc.chart);
    EXPECT_EQ(g->Markers()->Gauge(), g);
}

// The value in the middle in the large digits, "MHz" at the bottom left and "FREQ" at the
// top left on its dark box; nothing else dark on the face.
TEST(NumericGauge, DrawsItsMarkersInsideTheFace) {
    NumericChart nc;
    TNumericGauge* g = nc.gauge;
    g->SetValue(88.5);
    nc.Draw();
    nc.Screenshot("numeric-gauge");
    const TRect face = g->NewRect();
    const TRect value = nc.Box(0);
    const TRect units = nc.Box(1);
    const TRect text = nc.Box(2);
    // Placement inside the face.
    // The box is centred on the text without its margins, so it reaches a little to the right.
    EXPECT_LT(value.Left, (face.Left + face.Right) / 2);
    EXPECT_GT(value.Right, (face.Left + face.Right) / 2);
    EXPECT_NEAR((value.Left + value.Right) / 2, (face.Left + face.Right) / 2, 15);
    EXPECT_NEAR((value.Top + value.Bottom) / 2, (face.Top + face.Bottom) / 2, 15);
    EXPECT_EQ(units.Left, face.Left + 10);
    EXPECT_NEAR(units.Bottom, face.Bottom, 2);
    EXPECT_EQ(text.Left, face.Left + 10);
    EXPECT_EQ(text.Top, face.Top + 10);
    EXPECT_GT(value.Bottom - value.Top, units.Bottom - units.Top);
    EXPECT_GT(units.Bottom - units.Top, text.Bottom - text.Top);
    // The value and the units in dark digits on the light face.
    EXPECT_GT(nc.Count(value, Dark), 50);
    EXPECT_GT(nc.Count(units, Dark), 10);
    EXPECT_TRUE(Light(nc.At((face.Left + face.Right) / 2, face.Top + 3)));
    // "FREQ" in light letters on its dark box.
    EXPECT_EQ(nc.At(text.Left + 1, text.Top + 1), TColor(0x00282828));
    EXPECT_GT(nc.Count(Inset(text, 1), Light), 5);
    // A strip of the face between the boxes holds no text.
    const TRect between{value.Right + 2, face.Top + 2, face.Right - 2, value.Top - 2};
    ASSERT_LT(between.Left, between.Right);
    ASSERT_LT(between.Top, between.Bottom);
    EXPECT_EQ(nc.Count(between, Dark), 0);
}

// The markers are drawn by their gauge only: none joins the chart's tools, so none is drawn
// again at its place on the whole chart.
TEST(NumericGauge, EachMarkerIsDrawnOnce) {
    NumericChart nc(400, 300);
    nc.chart.SetMarginLeft(20);
    nc.chart.SetMarginTop(20);
    TNumericGauge* g = nc.gauge;
    g->Frame()->SetVisible(false);
    g->TextMarker()->Shape()->SetColor(clFuchsia);
    g->Markers()->Add("more", 11, ppLeftTop, 4, 20);
    int drawn = 0;
    g->TextMarker()->OnBeforeDraw = TNotifyEvent([&](TObject*) { ++drawn; });
    nc.Draw();
    EXPECT_EQ(nc.chart.Tools()->Count(), 0);
    EXPECT_EQ(drawn, 0);
    const TRect text = nc.Box(2);
    ASSERT_GT(g->OrigRect().Left, 30);
    ASSERT_GT(g->OrigRect().Top, 30);
    EXPECT_EQ(nc.At(text.Left + 1, text.Top + 1), clFuchsia);
    // Where an annotation of the whole chart at the top left would be.
    EXPECT_NE(nc.At(12, 12), clFuchsia);
    EXPECT_EQ(nc.Count(TRect{0, 0, g->OrigRect().Left - 1, g->OrigRect().Top - 1},
                       [](TColor c) { return c == clFuchsia; }),
              0);
}

TEST(NumericGauge, DigitalFontSetsTheMarkersFontsWhenDrawn) {
    struct Case {
        TDigitalFont font;
        const char* name;
    };
    const Case cases[] = {{dfBar, "DS-Digital"}, {dfDot, "Elektra"}, {dfCustom, "Courier New"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NumericChart nc;
        for (int i = 0; i < 3; ++i)
            nc.gauge->Markers()->Marker(i)->Shape()->Font()->SetName("Courier New");
        nc.gauge->SetDigitalFont(c.font);
        nc.Draw();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(nc.gauge->Markers()->Marker(i)->Shape()->Font()->Name(), c.name);
        EXPECT_GT(nc.Count(nc.Box(0), Dark), 20);
    }
}

TEST(NumericGauge, LedItemOfTheSubGallery) {
    NumericChart nc;
    TNumericGauge* g = nc.gauge;
    std::vector<String> items;
    struct Sink {
        std::vector<String>* items;
        void Add(const String& s) { items->push_back(s); }
    } sink{&items};
    g->CreateSubGallery(TChartSubGalleryProc(&sink, &Sink::Add));
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1], "LED");
    g->SetSubGallery(g, 0);
    EXPECT_EQ(g->DigitalFont(), dfBar);
    EXPECT_EQ(g->GaugeColorPalette(), NumericGaugePalette());

    g->SetSubGallery(g, 1);
    EXPECT_EQ(g->DigitalFont(), dfDot);
    EXPECT_EQ(g->GaugeColorPalette(), LedGaugePalette());
    EXPECT_EQ(g->Face()->Gradient()->StartColor(), TColor(0x000A0A0A));
    EXPECT_EQ(g->ValueMarker()->Shape()->Font()->Color(), TColor(0x001E1EFF));
    EXPECT_EQ(g->UnitsMarker()->Shape()->Font()->Color(), TColor(0x001E1EFF));
    EXPECT_EQ(g->TextMarker()->Shape()->Color(), TColor(0x001E1EFF));
    EXPECT_EQ(g->TextMarker()->Shape()->Font()->Color(), TColor(0x000A0A0A));
    g->SetValue(42);
    nc.Draw();
    nc.Screenshot("numeric-gauge-led");
    const TRect face = g->NewRect();
    // Red dots on a black face.
    EXPECT_TRUE(Dark(nc.At((face.Left + face.Right) / 2, face.Top + 3)));
    EXPECT_GT(nc.Count(nc.Box(0), Reddish), 30);
    EXPECT_EQ(g->ValueMarker()->Shape()->Font()->Name(), "Elektra");
}

TEST(NumericGauge, RegisteredOnTheGaugesPage) {
    TTeeSeriesType* type = TeeSeriesTypes()->Find(TNumericGauge::StaticClass());
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->DescriptionText(), TeeMsg_NumericGauge);
    EXPECT_EQ(type->GalleryPageText(), TeeMsg_GalleryGauges);
}

TEST(NumericGauge, PaletteRecoloursTheThreeMarkers) {
    TNumericGauge g(nullptr);
    std::vector<TColor> palette(24, clBlack);
    palette[4] = clYellow;
    palette[20] = clNavy;
    g.SetGaugePalette(palette, 23);
    EXPECT_EQ(g.ValueMarker()->Shape()->Font()->Color(), clNavy);
    EXPECT_EQ(g.ValueMarker()->Shape()->Color(), clYellow);
    EXPECT_EQ(g.UnitsMarker()->Shape()->Font()->Color(), clNavy);
    EXPECT_EQ(g.UnitsMarker()->Shape()->Color(), clYellow);
    EXPECT_EQ(g.TextMarker()->Shape()->Font()->Color(), clYellow);
    EXPECT_EQ(g.TextMarker()->Shape()->Color(), clNavy);
    // A list without markers gets none from a palette.
    g.Markers()->Clear();
    g.SetGaugePalette(palette, 23);
    EXPECT_EQ(g.Markers()->Count(), 0);
}

TEST(NumericGauge, ValueMarkerFollowsTheValueAndItsFormat) {
    TNumericGauge g(nullptr);
    int changes = 0;
    g.OnChange = TNotifyEvent([&](TObject*) { ++changes; });
    g.SetValue(1234.5678);
    EXPECT_EQ(g.ValueMarker()->Text(), "1,234.568");
    EXPECT_EQ(changes, 1);
    g.SetValueFormat("0.0");
    EXPECT_EQ(g.ValueMarker()->Text(), "1234.6");
    // An equal value changes neither the value nor the text.
    g.ValueMarker()->SetText("kept");
    g.SetValue(1234.5678);
    EXPECT_EQ(g.ValueMarker()->Text(), "kept");
    EXPECT_EQ(changes, 1);
    g.SetValue(2);
    EXPECT_EQ(g.ValueMarker()->Text(), "2.0");
    // Sample values show in the value marker too.
    g.AddSampleValues(1);
    EXPECT_EQ(g.ValueMarker()->Text(), FormatFloat("0.0", g.Value()));
}

TEST(NumericGauge, MarkerListGrowsOnReadingAndShrinksWhenAMarkerGoes) {
    NumericChart nc;
    TNumericGauge* g = nc.gauge;
    g->Markers()->Clear();
    TNumericMarker* text = g->TextMarker();
    ASSERT_EQ(g->Markers()->Count(), 3);
    EXPECT_EQ(g->Markers()->Marker(2), text);
    EXPECT_EQ(g->ValueMarker()->Text(), "");
    EXPECT_EQ(g->UnitsMarker()->Text(), "");
    EXPECT_EQ(text->Shape()->Font()->Name(), "DS-Digital");
    EXPECT_TRUE(text->Shape()->Transparent());
    ExpectBound(g, &nc.chart);
    delete g->UnitsMarker();
    ASSERT_EQ(g->Markers()->Count(), 2);
    EXPECT_EQ(g->Markers()->Marker(1), text);
    // Drawing with an emptied list draws the face alone.
    g->Markers()->Clear();
    EXPECT_NO_THROW(nc.Draw());
    EXPECT_EQ(g->Markers()->Count(), 0);
}

TEST(NumericGauge, AssignCopiesTheMarkersIntoNewOnes) {
    NumericChart nc;
    TNumericGauge source(nullptr);
    source.SetDigitalFont(dfCustom);
    source.UnitsMarker()->SetText("bar");
    source.Markers()->Add("extra", 9, ppRightTop, 3, 5);
    TNumericGauge* g = nc.gauge;
    g->Assign(&source);
    EXPECT_EQ(g->DigitalFont(), dfCustom);
    ASSERT_EQ(g->Markers()->Count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NE(g->Markers()->Marker(i), source.Markers()->Marker(i));
        EXPECT_EQ(g->Markers()->Marker(i)->Text(), source.Markers()->Marker(i)->Text());
    }
    EXPECT_EQ(g->Markers()->Marker(3)->Position(), ppRightTop);
    EXPECT_EQ(g->Markers()->Marker(3)->Shape()->Font()->Size(), 9);
    ExpectBound(g, &nc.chart);
    EXPECT_EQ(source.Markers()->Marker(0)->Gauge(), &source);
}

TEST(NumericGauge, PublishedPropertiesAndMarkersRoundTrip) {
    TNumericGauge g(nullptr);
    g.SetDigitalFont(dfDot);
    g.SetValue(12.5);
    g.UnitsMarker()->SetText("bar");
    g.UnitsMarker()->SetPosition(ppRightTop);
    g.UnitsMarker()->Shape()->Font()->SetSize(20);
    g.UnitsMarker()->Shape()->Font()->SetColor(clLime);
    g.UnitsMarker()->Shape()->SetColor(clNavy);
    g.UnitsMarker()->Shape()->SetTransparent(false);
    g.TextMarker()->Shape()->Font()->SetName("Courier New");
    g.Markers()->Add("extra", 9, ppRightBottom, 3, 5);
    TNumericGauge back(nullptr);
    RoundTrip(&g, &back);
    EXPECT_EQ(back.DigitalFont(), dfDot);
    // The stored markers replace the new gauge's own.
    ASSERT_EQ(back.Markers()->Count(), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        TNumericMarker* a = g.Markers()->Marker(i);
        TNumericMarker* b = back.Markers()->Marker(i);
        EXPECT_EQ(b->Text(), a->Text());
        EXPECT_EQ(b->Position(), a->Position());
        EXPECT_EQ(b->Shape()->Font()->Name(), a->Shape()->Font()->Name());
        EXPECT_EQ(b->Shape()->Font()->Size(), a->Shape()->Font()->Size());
        EXPECT_EQ(b->Shape()->Font()->Color(), a->Shape()->Font()->Color());
        EXPECT_EQ(b->Shape()->Color(), a->Shape()->Color());
        EXPECT_EQ(b->Shape()->Transparent(), a->Shape()->Transparent());
    }
    EXPECT_EQ(back.Markers()->Marker(1)->Text(), "bar");
    EXPECT_EQ(back.Markers()->Marker(0)->Text(), "12.5");
    ExpectBound(&back, nullptr);
}

// In a form: defaults and an empty list are left out, and a gauge read from a stream holds the
// stored markers and no others.
TEST(NumericGauge, StreamsInAFormWithoutDefaults) {
    auto make = [](Holder& h) {
        auto* g = new TNumericGauge(h.form.get());
        g->SetName("Gauge1");
        g->SetParentChart(h.chart);
        return g;
    };
    {
        Holder h;
        TNumericGauge* g = make(h);
        g->Markers()->Clear();
        const QByteArray text = ToText(h.form.get());
        EXPECT_FALSE(text.contains("DigitalFont")) << text.toStdString();
        EXPECT_FALSE(text.contains("InternalMarkers")) << text.toStdString();
        Holder back(false);
        RoundTrip(h.form.get(), back.form.get());
        ASSERT_NE(back.Gauge(), nullptr);
        EXPECT_EQ(back.Gauge()->Markers()->Count(), 0);
        EXPECT_EQ(back.Gauge()->DigitalFont(), dfBar);
    }
    {
        Holder h;
        TNumericGauge* g = make(h);
        g->SetDigitalFont(dfCustom);
        delete g->TextMarker();
        g->UnitsMarker()->SetText("rpm");
        const QByteArray text = ToText(h.form.get());
        EXPECT_TRUE(text.contains("DigitalFont = dfCustom")) << text.toStdString();
        EXPECT_TRUE(text.contains("InternalMarkers")) << text.toStdString();
        Holder back(false);
        RoundTrip(h.form.get(), back.form.get());
        TNumericGauge* b = back.Gauge();
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->DigitalFont(), dfCustom);
        ASSERT_EQ(b->Markers()->Count(), 2);
        EXPECT_EQ(b->Markers()->Marker(0)->Text(), "0");
        EXPECT_EQ(b->Markers()->Marker(1)->Text(), "rpm");
        TChart* chart = dynamic_cast<TChart*>(back.form->FindComponent("Chart1"));
        ASSERT_NE(chart, nullptr);
        EXPECT_EQ(b->ParentChart(), chart);
        ExpectBound(b, chart);
    }
}

// ---- the stored marker block from untrusted bytes --------------------------------------------

namespace {
// A component stream of one object from its text form.
QByteArray Component(const char* Text) {
    TMemoryStream in, bin;
    in.WriteBuffer(Text, int(std::strlen(Text)));
    in.SetPosition(0);
    ObjectTextToBinary(&in, &bin);
    return QByteArray(static_cast<const char*>(bin.Memory()), qsizetype(bin.Size()));
}

QByteArray Count(std::int32_t n) {
    const auto u = std::uint32_t(n);
    const char b[4] = {char(u & 0xFF), char((u >> 8) & 0xFF), char((u >> 16) & 0xFF), char((u >> 24) & 0xFF)};
    return QByteArray(b, 4);
}

const QByteArray One = Component("object TNumericMarker\n  Text = 'one'\nend\n");
const QByteArray Two = Component("object TNumericMarker\n  Text = 'two'\nend\n");
} // namespace

TEST(NumericGauge, StoredMarkersAreReadOneAtATimeAndOnlyAsMarkers) {
    struct Case {
        const char* name;
        QByteArray block;
        bool fails;
        std::vector<const char*> kept;
    };
    const Case cases[] = {
        {"two markers", Count(2) + One + Two, false, {"one", "two"}},
        {"no markers", Count(0), false, {}},
        {"a count far beyond the block", Count(0x7FFFFFFF) + One, true, {"one"}},
        {"a negative count", Count(-1) + One, true, {}},
        {"no count", QByteArray("\x01\x00", 2), true, {}},
        {"the second marker cut short", Count(2) + One + Two.left(Two.size() - 3), true, {"one"}},
        {"an annotation that is not a marker",
         Count(3) + One + Component("object TAnnotationTool\n  Text = 'intruder'\nend\n") + Two,
         true,
         {"one"}},
        {"a chart in place of a marker", Count(2) + One + Component("object TChart\nend\n"), true, {"one"}},
        {"a class no one registered", Count(1) + Component("object TNoSuchMarker\nend\n"), true, {}},
        {"a marker holding a component",
         Count(2) + One + Component("object TNumericMarker\n  object Inner: TNumericMarker\n  end\nend\n"),
         true,
         {"one"}},
        {"bytes that are no component", Count(1) + QByteArray("TPF0\xff\xff\xff", 7), true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NumericChart nc;
        TNumericGauge* g = nc.gauge;
        ASSERT_EQ(g->Markers()->Count(), 3);
        TMemoryStream m;
        m.WriteBuffer(c.block.constData(), int(c.block.size()));
        m.SetPosition(0);
        if (c.fails)
            EXPECT_THROW(g->ReadMarkers(&m), EReadError);
        else
            EXPECT_NO_THROW(g->ReadMarkers(&m));
        ASSERT_EQ(g->Markers()->Count(), int(c.kept.size()));
        for (std::size_t i = 0; i < c.kept.size(); ++i)
            EXPECT_EQ(g->Markers()->Marker(int(i))->Text(), c.kept[i]);
        ExpectBound(g, &nc.chart);
        EXPECT_NO_THROW(nc.Draw());
    }
}

// A damaged block inside a stored gauge fails the read with the stream's error; the gauge keeps
// the markers read before the damage.
TEST(NumericGauge, DamagedMarkersFailTheGaugesRead) {
    TNumericGauge g(nullptr);
    g.Markers()->Clear();
    g.Markers()->Add("one");
    g.Markers()->Add("two");
    TMemoryStream stream;
    {
        TWriter w(&stream);
        w.WriteRootComponent(&g);
    }
    // The second marker's text is the last thing of the block: spoil its class name instead.
    QByteArray bytes(static_cast<const char*>(stream.Memory()), qsizetype(stream.Size()));
    const qsizetype second = bytes.indexOf("TNumericMarker", bytes.indexOf("TNumericMarker") + 1);
    ASSERT_GT(second, 0);
    bytes[second + 1] = 'X';
    TMemoryStream damaged;
    damaged.WriteBuffer(bytes.constData(), int(bytes.size()));
    damaged.SetPosition(0);
    TNumericGauge back(nullptr);
    TReader r(&damaged);
    EXPECT_THROW(r.ReadRootComponent(&back), EReadError);
    ASSERT_EQ(back.Markers()->Count(), 1);
    EXPECT_EQ(back.Markers()->Marker(0)->Text(), "one");
    EXPECT_EQ(back.Markers()->Marker(0)->Gauge(), &back);
}
