// The gauge base and the circular gauge: the value and its change event, the gauge's
// rectangle among other gauges, the frame's rings, the palette, the angles of hand, ticks and
// bands (also with a minimum other than 0 and an empty range), hits, streaming of the hand,
// and the pressure window's two dials drawn with the hand where the value says, every label
// and tick standing out from the dial and a round centre cap.
#include "chart/gauges/CircularGauge.h"
#include "chart/gauges/LinearGauge.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/panel/TeeShape.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "tests/chart/support/PressureDial.h"

#include <QImage>
#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <numbers>
#include <vector>

namespace {

// A flat chart with one circular gauge; its own axes are not drawn, the gauge draws its scale.
struct GaugeChart {
    explicit GaugeChart(int w = 350, int h = 350) : width(w), height(h) {
        chart.SetBounds(0, 0, w, h);
        chart.SetView3D(false);
        chart.SetAxisVisible(false);
        gauge = new TCircularGauge(nullptr);
        chart.AddSeries(gauge);
    }
    ~GaugeChart() { delete gauge; }
    void PressureDial(double Max) { StylePressureDial(chart, gauge, Max); }
    void Draw() {
        target.SetSize(width, height);
        chart.Draw(target.Canvas(), TRect{0, 0, width, height});
    }
    TColor At(TPoint p) { return target.Canvas()->Pixels(p.X, p.Y); }
    int width;
    int height;
    TChart chart{nullptr};
    TCircularGauge* gauge = nullptr;
    TBitmap target;
};

// The hand's colours: red over little green and blue (its gradient runs from dark orange
// through brown-red to red).
bool Reddish(TColor c) {
    const int r = int(c) & 0xFF, g = (int(c) >> 8) & 0xFF, b = (int(c) >> 16) & 0xFF;
    return r > 120 && r > g + 50 && r > b + 80;
}

} // namespace

TEST(Gauge, ValueStartsAtTheMinimumAndChangesFireOnce) {
    TCircularGauge g(nullptr);
    EXPECT_EQ(g.Count(), 1);
    EXPECT_EQ(g.Value(), 0);
    // Until a value is set, the reading follows the bottom of the range.
    g.SetMinimum(2);
    EXPECT_EQ(g.Value(), 2);

    struct Sink : TObject {
        int n = 0;
        void Changed(TObject*) { ++n; }
    } sink;
    g.OnChange = TNotifyEvent(&sink, &Sink::Changed);
    g.SetValue(3);
    g.SetValue(3);
    EXPECT_EQ(sink.n, 1);
    g.SetValue(3.5);
    EXPECT_EQ(sink.n, 2);
    g.SetMinimum(1);
    EXPECT_EQ(g.Value(), 3.5);
}

TEST(Gauge, StackedRectanglesFrameRingsAndPalette) {
    TChart chart(nullptr);
    chart.SetBounds(0, 0, 300, 260);
    chart.SetView3D(false);
    chart.SetAxisVisible(false);
    auto a = std::make_unique<TCircularGauge>(nullptr);
    auto b = std::make_unique<TCircularGauge>(nullptr);
    a->SetCircled(false);
    b->SetCircled(false);
    chart.AddSeries(a.get());
    chart.AddSeries(b.get());
    TBitmap target;
    target.SetSize(300, 260);
    chart.Draw(target.Canvas(), TRect{0, 0, 300, 260});
    const TRect r = chart.ChartRect;
    const int band = (r.Bottom - r.Top) / 2;
    EXPECT_EQ(a->OrigRect().Top, r.Top);
    EXPECT_EQ(a->OrigRect().Bottom, r.Top + band - 3);
    EXPECT_EQ(b->OrigRect().Top, r.Top + band);
    EXPECT_EQ(b->OrigRect().Bottom, r.Top + 2 * band - 3);
    // A click inside a gauge's rectangle hits it.
    EXPECT_EQ(a->Clicked(r.Left + 5, r.Top + 5), 0);
    EXPECT_EQ(a->Clicked(r.Left + 5, r.Top + band + 5), -1);
    EXPECT_EQ(b->Clicked(r.Left + 5, r.Top + band + 5), 0);

    // Width 10 % of a 300 x 200 rectangle: 20 pixels, rings of 2, 14 and 4.
    EXPECT_EQ(a->Frame()->CalcWidth(TRect{0, 0, 300, 200}), 20);

    // The palette gives the rings their back and gradient end colours, not their own.
    a->Frame()->OuterBrush()->SetColor(clYellow);
    const TColor innerOwn = a->Frame()->InnerBrush()->Color();
    a->SetGaugePalette({clRed, clGreen, clBlue}, 2);
    EXPECT_EQ(a->GetPaletteColor(1), clGreen);
    EXPECT_EQ(a->GetPaletteColor(7), clBlue);
    struct Ring {
        TFrameBrush* brush;
        TColor palette, own;
    };
    const Ring rings[] = {{a->Frame()->OuterBrush(), clRed, clYellow},
                          {a->Frame()->MiddleBrush(), clGreen, a->Frame()->MiddleBrush()->Color()},
                          {a->Frame()->InnerBrush(), clBlue, innerOwn}};
    for (const Ring& r : rings) {
        EXPECT_EQ(r.brush->BackColor(), r.palette);
        EXPECT_EQ(r.brush->Gradient()->EndColor(), r.palette);
        EXPECT_EQ(r.brush->Color(), r.own);
    }
    EXPECT_NE(innerOwn, clBlue);
    chart.RemoveSeries(a.get());
    chart.RemoveSeries(b.get());
}

TEST(CircularGauge, AnglesOfValuesRangesAndRotation) {
    GaugeChart f;
    f.Draw();
    TCircularGauge* g = f.gauge;
    // Defaults: 300 degrees from 30; value 50 points up.
    EXPECT_DOUBLE_EQ(g->StartAngle(), 30);
    EXPECT_DOUBLE_EQ(g->CalcValue(0), 30);
    EXPECT_DOUBLE_EQ(g->CalcValue(50), 180);
    EXPECT_DOUBLE_EQ(g->CalcValue(100), 330);
    const TPoint up = g->PointAlongHand(50, 180);
    EXPECT_EQ(up.X, g->Centre().X);
    EXPECT_EQ(up.Y, g->Centre().Y - 50);

    struct Case {
        double min, max, value, angle;
    };
    const Case cases[] = {
        {0, 4, 0, 30},     {0, 4, 4, 330},       {0, 4, 2.8, 240}, {0, 4, 5, 405},
        {0, 4, -1, -45},   {0, 2000, 1400, 240}, {1, 5, 1, 30},    {1, 5, 5, 330},
        {-10, 10, 0, 180}, {3, 3, 3, 30},        {3, 3, 100, 30},
    };
    for (const Case& c : cases) {
        g->SetMinimum(c.min);
        g->SetMaximum(c.max);
        f.Draw();
        EXPECT_NEAR(g->CalcValue(c.value), c.angle, 1e-9) << c.min << ".." << c.max << " value " << c.value;
    }
    g->SetMinimum(0);
    g->SetMaximum(100);
    g->SetRotationAngle(90);
    f.Draw();
    // Turned by 90 degrees, value 0 points left and up.
    const TPoint p = g->PointAlongHand(100, g->CalcValue(0));
    EXPECT_LT(p.X, g->Centre().X);
    EXPECT_LT(p.Y, g->Centre().Y);
}

TEST(CircularGauge, PressureDialsPutTheHandAtTheValue) {
    struct Case {
        double max, value;
    };
    const Case cases[] = {
        {4, 0},    {4, 4},      {4, 2.5},     {4, 2.8},     {4, 5},
        {4, -0.5}, {2000, 200}, {2000, 1400}, {2000, 2000}, {2000, 2300},
    };
    for (const Case& c : cases) {
        GaugeChart f(350, 350);
        f.PressureDial(c.max);
        f.gauge->SetValue(c.value);
        f.Draw();
        TCircularGauge* g = f.gauge;
        const double angle = g->CalcValue(c.value);
        EXPECT_NEAR(angle, 30 + (c.value / c.max) * 300, 1e-9);
        // The hand covers a point two thirds along its length, and not the point opposite.
        const int along = g->Hand()->VertSize() * 2 / 3;
        EXPECT_TRUE(Reddish(f.At(g->PointAlongHand(along, angle)))) << c.max << ": " << c.value;
        EXPECT_FALSE(Reddish(f.At(g->PointAlongHand(along, angle + 90)))) << c.max << ": " << c.value;
    }
}

TEST(CircularGauge, PressureDialLabelsReadAsTheScale) {
    struct Case {
        double max;
        std::vector<const char*> labels;
    };
    const Case cases[] = {
        {4, {"0", "0.4", "0.8", "1.2", "1.6", "2", "2.4", "2.8", "3.2", "3.6", "4"}},
        {2000, {"0", "200", "400", "600", "800", "1,000", "1,200", "1,400", "1,600", "1,800", "2,000"}},
    };
    for (const Case& c : cases) {
        GaugeChart f(350, 350);
        f.PressureDial(c.max);
        QStringList drawn;
        f.chart.OnGetAxisLabel = [&](TChartAxis*, TChartSeries*, int, String& Text) { drawn << Text; };
        f.Draw();
        QStringList expected;
        for (const char* l : c.labels)
            expected << QString::fromLatin1(l);
        EXPECT_EQ(drawn, expected) << c.max;
    }
}

TEST(CircularGauge, BandsAndAnEmptyRange) {
    GaugeChart f;
    f.PressureDial(4);
    f.gauge->SetValue(0);
    f.Draw();
    TCircularGauge* g = f.gauge;
    // A point inside the band ring at a value, on the side away from the hand.
    auto bandPoint = [&](double value) {
        TCanvas* canvas = f.target.Canvas();
        canvas->Font()->Assign(f.chart.BottomAxis()->LabelsFont());
        const int shrink =
            int(std::lround(std::min(g->XRadius(), g->YRadius()) * 0.25)) + canvas->TextHeight("W");
        const TRect n = g->NewRect();
        const double r = std::min(n.Right - n.Left, n.Bottom - n.Top) / 2.0 - shrink;
        const double e = (g->CalcValue(value) + 90) * std::numbers::pi / 180;
        return TPoint{g->Centre().X + int(std::lround(std::cos(e) * r * 0.95)),
                      g->Centre().Y + int(std::lround(std::sin(e) * r * 0.95))};
    };
    const TPoint green = bandPoint(2);
    const TPoint red = bandPoint(3.4);
    // Through the transparent face the chart shows; no hand or band is straight above the centre.
    const TColor back = f.At(TPoint{g->Centre().X, g->Centre().Y - 40});
    EXPECT_NE(f.At(green), back);
    EXPECT_NE(f.At(red), back);
    EXPECT_NE(f.At(green), f.At(red));

    // With no room between Minimum and Maximum the hand stands at the start and no band shows.
    g->SetMinimum(2);
    g->SetMaximum(2);
    g->SetValue(2);
    f.Draw();
    EXPECT_DOUBLE_EQ(g->AngleStep(), 0);
    EXPECT_TRUE(Reddish(f.At(g->PointAlongHand(g->Hand()->VertSize() * 2 / 3, 30))));
    EXPECT_EQ(f.At(green), back);
    EXPECT_EQ(f.At(red), back);
}

// A range or increment read from a damaged chart file can be anything a double holds: the
// scale is then not drawn tick by tick, and both gauges still draw without fault.
TEST(Gauge, ScaleTicksOfUnusableRangesAndIncrements) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double min, max, increment;
        int ticks;
    } cases[] = {
        {0, 5, 1, 5},          {0, 5, 2, 2},         {1, 1, 1, -1},       {0, 5, 0, -1},
        {0, 5, -1, -1},        {0, 5, nan, -1},      {0, 5, inf, 0},      {0, 1, 1e-5, -1},  {0, 1e300, 1e-300, -1},
        {-inf, inf, 1, -1},    {0, inf, 1, -1},      {nan, 5, 1, -1},     {0, nan, 1, -1},
        {-1e308, 1e308, 1, -1}, {5, 0, inf, 0},     {5, 0, 1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << ".." << c.max << " by " << c.increment);
        TChart chart(nullptr);
        chart.SetBounds(0, 0, 200, 200);
        auto* circular = new TCircularGauge(&chart);
        auto* linear = new TLinearGauge(&chart);
        for (TCustomGaugeMinMax* g : {static_cast<TCustomGaugeMinMax*>(circular),
                                      static_cast<TCustomGaugeMinMax*>(linear)}) {
            chart.AddSeries(g);
            g->SetMinimum(c.min);
            g->SetMaximum(c.max);
            if (c.increment >= 0) g->Axis()->SetIncrement(c.increment);
            g->SetValues();
            EXPECT_EQ(g->ScaleTicks(c.increment), c.ticks);
        }
        std::unique_ptr<TBitmap> image(chart.TeeCreateBitmap(clWhite, TRect{0, 0, 200, 200}));
        EXPECT_TRUE(image);
    }
    EXPECT_TRUE(TCustomGaugeMinMax::MinorTicksFit(100, 100));
    EXPECT_FALSE(TCustomGaugeMinMax::MinorTicksFit(100, 101));
    EXPECT_FALSE(TCustomGaugeMinMax::MinorTicksFit(10000, INT_MAX));
    EXPECT_FALSE(TCustomGaugeMinMax::MinorTicksFit(-1, 4));
}

// A band read from a damaged chart file: its range many times round the dial, its inner edge
// thrown far out by a large negative size, a gradient over it. It draws as at most the whole
// circle, within the pixel limit and at once.
TEST(CircularGauge, BandOfExtremeRangeAndSizeDraws) {
    GaugeChart f;
    f.PressureDial(4);
    TGaugePointerRange* band = f.gauge->GreenLine();
    band->SetVisible(true);
    band->SetStartValue(-1e9);
    band->SetEndValue(1e9);
    band->ChangeVertSize(-100000);
    band->Gradient()->SetVisible(true);
    f.Draw();
    band->SetEndValue(std::numeric_limits<double>::infinity());
    f.Draw();
}

TEST(CircularGauge, RegisteredOnTheGaugesPage) {
    TTeeSeriesType* type = TeeSeriesTypes()->Find(TCircularGauge::StaticClass());
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->DescriptionText(), TeeMsg_CircularGauge);
    EXPECT_EQ(type->GalleryPageText(), TeeMsg_GalleryGauges);
    TCircularGauge g(nullptr);
    EXPECT_EQ(g.GetEditorClass(), "TCircularGaugeEditor");
}

TEST(CircularGauge, HandStreamsWithTheConstructorsDefaults) {
    RegisterClass(TCircularGauge::StaticClass());
    auto roundTrip = [](int distance, int offset) {
        TCircularGauge g(nullptr);
        g.Hand()->SetDistance(distance);
        g.Hand()->SetOffset(offset);
        TMemoryStream stream;
        {
            TWriter w(&stream);
            w.WriteRootComponent(&g);
        }
        stream.SetPosition(0);
        TCircularGauge back(nullptr);
        back.Hand()->SetDistance(1);
        back.Hand()->SetOffset(2);
        TReader r(&stream);
        r.ReadRootComponent(&back);
        return std::pair{back.Hand()->Distance(), back.Hand()->Offset()};
    };
    TCircularGauge fresh(nullptr);
    EXPECT_EQ(fresh.Hand()->Distance(), 30);
    EXPECT_EQ(fresh.Hand()->Offset(), 80);
    // Written values come back, the defaults included (those are left out of the stream and
    // a new hand starts with them).
    EXPECT_EQ(roundTrip(80, 30), (std::pair{80, 30}));
    TCircularGauge plain(nullptr);
    TMemoryStream stream;
    {
        TWriter w(&stream);
        w.WriteRootComponent(&plain);
    }
    stream.SetPosition(0);
    TCircularGauge back(nullptr);
    TReader r(&stream);
    r.ReadRootComponent(&back);
    EXPECT_EQ(back.Hand()->Distance(), 30);
    EXPECT_EQ(back.Hand()->Offset(), 80);
}

TEST(CircularGauge, DestroyedWithItsChartInEitherOrder) {
    {
        TComponent owner(nullptr);
        auto* g = new TCircularGauge(&owner);
        auto* chart = new TChart(&owner);
        chart->AddSeries(g);
    }
    {
        TComponent owner(nullptr);
        auto* chart = new TChart(&owner);
        auto* g = new TCircularGauge(&owner);
        chart->AddSeries(g);
        chart->BottomAxis()->Title()->SetVisible(true);
        delete g;
        // The gauge gave the axis back without a title.
        EXPECT_FALSE(chart->BottomAxis()->Title()->Visible());
    }
    SUCCEED();
}

namespace {

// The pixels where two drawings of one size differ.
std::vector<TPoint> Differences(const TBitmap& a, const TBitmap& b) {
    const QImage& x = a.Image();
    const QImage& y = b.Image();
    std::vector<TPoint> out;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            if (x.pixel(col, row) != y.pixel(col, row)) out.push_back(TPoint{col, row});
    return out;
}

// The scale angle (the one ticks and labels are placed by) of a pixel seen from the centre,
// in [0, 360).
double ScaleAngleOf(TPoint p, TPoint centre) {
    const double a = std::atan2(double(centre.Y - p.Y), double(centre.X - p.X)) * 180 / std::numbers::pi;
    return a < 0 ? a + 360 : a;
}

bool NearAngle(double a, double b, double tolerance) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360 - d) <= tolerance;
}

} // namespace

TEST(CircularGauge, FrameBrushIsSolidInTheDefaultColour) {
    TCircularGauge g(nullptr);
    EXPECT_EQ(g.Frame()->Brush()->Style(), bsSolid);
    EXPECT_EQ(g.Frame()->Brush()->Color(), clDefault);
}

// Each label and each major tick of the pressure dial changes the dial's pixels at its place
// on the scale: drawn with it and without it, the two pictures differ there. (Labels and
// ticks are in the inner ring's colour; they must stand on the area inside the rings.)
TEST(CircularGauge, PressureDialLabelsAndTicksStandOutFromTheDial) {
    struct Part {
        const char* name;
        std::function<void(GaugeChart&)> hide;
        double tolerance; // degrees around the scale angle of a value
    };
    const Part parts[] = {
        {"labels", [](GaugeChart& f) { f.chart.BottomAxis()->SetLabels(false); }, 8},
        {"ticks", [](GaugeChart& f) { f.gauge->Ticks()->SetVisible(false); }, 3},
    };
    for (double max : {4.0, 2000.0})
        for (const Part& part : parts) {
            GaugeChart with, without;
            with.PressureDial(max);
            without.PressureDial(max);
            // The hand stays out of the way at the start of the scale.
            with.gauge->SetValue(0);
            without.gauge->SetValue(0);
            part.hide(without);
            with.Draw();
            without.Draw();
            const std::vector<TPoint> diff = Differences(with.target, without.target);
            const TCircularGauge* g = with.gauge;
            for (int i = 0; i <= 10; ++i) {
                const double angle = g->StartAngle() - 90 + i * 30.0;
                const auto near = std::count_if(diff.begin(), diff.end(), [&](TPoint p) {
                    return NearAngle(ScaleAngleOf(p, g->Centre()), angle, part.tolerance);
                });
                EXPECT_GE(near, 10) << part.name << " of 0.." << max << " at " << i * max / 10;
            }
        }
}

// The centre cap is a circle 16 pixels across over the dial's centre, with its 2-pixel shadow
// below and to the right; the corners of its square stay the dial's.
TEST(CircularGauge, CentreCapIsARound16PixelCircle) {
    for (double max : {4.0, 2000.0}) {
        GaugeChart with, without;
        for (GaugeChart* f : {&with, &without}) {
            f->PressureDial(max);
            f->gauge->Hand()->SetVisible(false);
            f->gauge->EndPoint()->SetVisible(false);
        }
        without.gauge->Center()->SetVisible(false);
        with.Draw();
        without.Draw();
        const std::vector<TPoint> diff = Differences(with.target, without.target);
        ASSERT_FALSE(diff.empty()) << max;
        TRect box{diff[0].X, diff[0].Y, diff[0].X, diff[0].Y};
        for (TPoint p : diff) {
            box.Left = std::min(box.Left, p.X);
            box.Top = std::min(box.Top, p.Y);
            box.Right = std::max(box.Right, p.X + 1);
            box.Bottom = std::max(box.Bottom, p.Y + 1);
        }
        const int cx = with.gauge->CircleXCenter(), cy = with.gauge->CircleYCenter();
        // Nothing beyond the cap and its shadow: at most 16 + 2 pixels either way.
        EXPECT_LE(box.Right - box.Left, 18) << max;
        EXPECT_LE(box.Bottom - box.Top, 18) << max;
        // 16 across through the centre, from 8 left of it.
        int first = INT_MAX, last = INT_MIN;
        for (TPoint p : diff)
            if (p.Y == cy) {
                first = std::min(first, p.X);
                last = std::max(last, p.X);
            }
        EXPECT_EQ(first, cx - 8) << max;
        EXPECT_EQ(last - first + 1, 16) << max;
        // Round: the top-left corner of its square is untouched, the middle of each side is not.
        auto changed = [&](int x, int y) {
            return std::find_if(diff.begin(), diff.end(), [&](TPoint p) { return p.X == x && p.Y == y; }) !=
                   diff.end();
        };
        EXPECT_FALSE(changed(cx - 8, cy - 8)) << max;
        EXPECT_FALSE(changed(cx - 7, cy - 7)) << max;
        EXPECT_TRUE(changed(cx - 7, cy)) << max;
        EXPECT_TRUE(changed(cx, cy - 7)) << max;
        EXPECT_TRUE(changed(cx, cy)) << max;
    }
}
