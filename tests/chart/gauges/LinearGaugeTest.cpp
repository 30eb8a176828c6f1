// The linear gauge: the bar, the maximum-value indicator, ticks and labels along the scale
// for a table of ranges (empty and reversed ranges included), the bands, the value area, the
// vertical variant, the working corners of a gauge pointer and streaming.
#include "chart/gauges/LinearGauge.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/panel/TeeShape.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A flat chart with one linear gauge; the gauge draws its own scale. The bar is plain blue
// and opaque so that its pixels are easy to tell.
struct LinearChart {
    explicit LinearChart(int w = 400, int h = 300) : width(w), height(h) {
        chart.SetBounds(0, 0, w, h);
        chart.SetView3D(false);
        chart.SetAxisVisible(false);
        gauge = new TLinearGauge(nullptr);
        chart.AddSeries(gauge);
        gauge->Hand()->SetTransparency(0);
        gauge->Hand()->Brush()->SetColor(clBlue);
        gauge->Hand()->Pen()->SetVisible(false);
        gauge->Ticks()->ChangeVertSize(30);
        chart.OnGetAxisLabel = TAxisOnGetLabel(this, &LinearChart::Label);
    }
    ~LinearChart() { delete gauge; }
    void Label(TChartAxis*, TChartSeries*, int, String& Text) { labels.push_back(Text); }
    void Draw() {
        labels.clear();
        target.SetSize(width, height);
        chart.Draw(target.Canvas(), TRect{0, 0, width, height});
    }
    TColor At(int x, int y) { return target.Canvas()->Pixels(x, y); }
    int width;
    int height;
    TChart chart{nullptr};
    TLinearGauge* gauge = nullptr;
    TBitmap target;
    std::vector<String> labels;
};

} // namespace

TEST(LinearGauge, NewGaugeStartsAtTheBaseStartValueWithItsBands) {
    for (int i = 0; i < 5; ++i) {
        TLinearGauge g(nullptr);
        EXPECT_EQ(g.Value(), 0);
    }
    TLinearGauge g(nullptr);
    EXPECT_EQ(g.RedLine()->StartValue(), 80);
    EXPECT_EQ(g.RedLine()->EndValue(), 100);
    EXPECT_EQ(g.GreenLine()->StartValue(), 0);
    EXPECT_EQ(g.GreenLine()->EndValue(), 40);
    EXPECT_TRUE(g.Horizontal());
    EXPECT_FALSE(g.UseAxis());
    EXPECT_EQ(g.GetEditorClass(), "TLinearGaugeEditor");
    EXPECT_EQ(g.MaxValueIndicator()->Style(), psTriangle);
    EXPECT_TRUE(g.ValueArea()->Transparent());
}

TEST(LinearGauge, IndicatorKeepsTheHighestValueSet) {
    TLinearGauge g(nullptr);
    EXPECT_EQ(g.HighestValue(), 100);
    g.SetValue(120);
    EXPECT_EQ(g.HighestValue(), 120);
    g.SetValue(50);
    EXPECT_EQ(g.HighestValue(), 120);
    EXPECT_EQ(g.Value(), 50);
}

// Ranges with values at, between and beyond the ends: the bar's length, the indicator and the
// first and last labels. Empty and reversed ranges draw no ticks and no labels, leave the
// axis' increment alone and do not fail; an empty one draws no bar.
TEST(LinearGauge, RangesTable) {
    struct Case {
        double min, max, value;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {0, 100, 50, "0", "100"},    {0, 100, 0, "0", "100"},        {0, 100, 100, "0", "100"},
        {0, 4, 2, "0", "4"},         {0, 2000, 1500, "0", "2,000"},  {50, 100, 75, "50", "100"},
        {50, 100, 120, "50", "100"}, {10, 10, 10, nullptr, nullptr}, {100, 0, 50, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << ".." << c.max << " at " << c.value);
        LinearChart lc;
        lc.gauge->SetMaximum(c.max);
        lc.gauge->SetMinimum(c.min);
        lc.gauge->SetValue(c.value);
        TChartAxis* axis = lc.gauge->Axis();
        const double incrementBefore = axis->Increment();
        ASSERT_NO_THROW(lc.Draw());
        const TRect a = lc.gauge->AxisRect();
        const int length = a.Right - a.Left;
        ASSERT_GT(length, 100);
        const double range = c.max - c.min;
        const int expected = range == 0 ? 0 : int(std::lround((c.value - c.min) * length / range));
        EXPECT_EQ(lc.gauge->ValueOffset(c.value), expected);
        if (c.first) {
            ASSERT_FALSE(lc.labels.empty());
            EXPECT_EQ(lc.labels.front(), c.first);
            EXPECT_EQ(lc.labels.back(), c.last);
            EXPECT_EQ(lc.labels.size(), 11u);
            EXPECT_DOUBLE_EQ(axis->Increment(), range * 0.1);
        } else {
            EXPECT_TRUE(lc.labels.empty());
            EXPECT_EQ(axis->Increment(), incrementBefore);
        }
        const int midY = (a.Top + a.Bottom) / 2;
        // The bar fills the scale from its start to the value.
        // A reversed range reads from its far end; an empty one has no bar.
        const int bar = range != 0 ? std::max(0, expected) : 0;
        if (bar > 4 && bar <= length) {
            EXPECT_EQ(lc.At(a.Left + bar / 2, midY + 3), clBlue);
            EXPECT_EQ(lc.At(a.Left + bar - 2, midY + 3), clBlue);
        }
        if (bar + 4 < length) {
            EXPECT_NE(lc.At(a.Left + bar + 3, midY + 3), clBlue);
        }
        if (range == 0) {
            EXPECT_NE(lc.At(a.Left + length / 2, midY + 3), clBlue);
        }
    }
}

TEST(LinearGauge, IndicatorDrawnAtTheHighestValueEvenBeyondTheScale) {
    LinearChart lc(500, 300);
    lc.gauge->MaxValueIndicator()->Brush()->SetColor(clLime);
    lc.gauge->MaxValueIndicator()->ChangeHorizSize(6);
    lc.gauge->MaxValueIndicator()->ChangeVertSize(6);
    lc.gauge->SetValue(120);
    lc.gauge->SetValue(50);
    lc.Draw();
    const TRect a = lc.gauge->AxisRect();
    const int x = a.Left + lc.gauge->ValueOffset(120);
    EXPECT_GT(x, a.Right);
    EXPECT_EQ(lc.At(x, a.Bottom), clLime);
    EXPECT_NE(lc.At(a.Right, a.Bottom), clLime);
}

TEST(LinearGauge, BandsBesideTheScaleAndValueArea) {
    LinearChart lc;
    lc.gauge->RedLine()->ChangeVertSize(8);
    lc.gauge->GreenLine()->ChangeVertSize(8);
    lc.gauge->RedLine()->Gradient()->SetVisible(false);
    lc.gauge->RedLine()->Brush()->SetColor(clRed);
    lc.gauge->GreenLine()->Gradient()->SetStartColor(clGreen);
    lc.gauge->GreenLine()->Gradient()->SetMidColor(clGreen);
    lc.gauge->GreenLine()->Gradient()->SetEndColor(clGreen);
    lc.gauge->ValueArea()->SetTransparent(false);
    lc.gauge->ValueArea()->SetColor(clYellow);
    lc.gauge->ValueArea()->Gradient()->SetVisible(false);
    lc.gauge->SetValue(0);
    lc.Draw();
    const TRect a = lc.gauge->AxisRect();
    const int pen = lc.gauge->Axis()->Axis()->Width();
    const int y = a.Bottom + pen + 4;
    EXPECT_EQ(lc.At(a.Left + lc.gauge->ValueOffset(90), y), clRed);
    EXPECT_EQ(lc.At(a.Left + lc.gauge->ValueOffset(20), y), clGreen);
    const TColor gap = lc.At(a.Left + lc.gauge->ValueOffset(60), y);
    EXPECT_NE(gap, clRed);
    EXPECT_NE(gap, clGreen);
    // The value area fills the scale where no bar is.
    EXPECT_EQ(lc.At(a.Left + lc.gauge->ValueOffset(55), (a.Top + a.Bottom) / 2 + 3), clYellow);
}

TEST(LinearGauge, BarTakesTheHandsGradientOnlyWithTheValuePalette) {
    for (bool palette : {false, true}) {
        LinearChart lc;
        lc.gauge->Hand()->Gradient()->SetStartColor(clRed);
        lc.gauge->Hand()->Gradient()->SetMidColor(clRed);
        lc.gauge->Hand()->Gradient()->SetEndColor(clRed);
        lc.gauge->SetUseValueColorPalette(palette);
        lc.gauge->SetValue(60);
        lc.Draw();
        const TRect a = lc.gauge->AxisRect();
        EXPECT_EQ(lc.At(a.Left + lc.gauge->ValueOffset(30), (a.Top + a.Bottom) / 2 + 3),
                  palette ? clRed : clBlue);
    }
}

TEST(LinearGauge, MinorTicksOfBothPointerStyles) {
    for (TGaugePointerStyles style : {gpMinorTick, gpTick}) {
        SCOPED_TRACE(int(style));
        LinearChart lc;
        lc.gauge->Axis()->SetMinorTickCount(1);
        lc.gauge->MinorTicks()->SetGaugeStyle(style);
        lc.gauge->MinorTicks()->ChangeHorizSize(4);
        lc.gauge->MinorTicks()->ChangeVertSize(4);
        lc.gauge->MinorTicks()->Brush()->SetStyle(bsSolid);
        lc.gauge->MinorTicks()->Brush()->SetColor(clFuchsia);
        lc.gauge->MinorTicks()->Pen()->SetColor(clFuchsia);
        lc.gauge->SetValue(0);
        lc.Draw();
        const TRect a = lc.gauge->AxisRect();
        const int x = a.Left + lc.gauge->ValueOffset(5);
        const int pen = lc.gauge->Axis()->Axis()->Width();
        const int y = style == gpTick ? a.Top + 2 : a.Top + (a.Bottom - a.Top - pen) / 2;
        EXPECT_EQ(lc.At(x, y), clFuchsia);
    }
}

TEST(LinearGauge, VerticalSubGalleryItemTurnsTheScale) {
    LinearChart lc(300, 400);
    std::vector<String> items;
    struct Sink {
        std::vector<String>* items;
        void Add(const String& s) { items->push_back(s); }
    } sink{&items};
    lc.gauge->CreateSubGallery(TChartSubGalleryProc(&sink, &Sink::Add));
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1], "Vertical");
    lc.gauge->SetSubGallery(lc.gauge, 1);
    EXPECT_FALSE(lc.gauge->Horizontal());
    EXPECT_EQ(lc.gauge->Axis(), lc.gauge->GetVertAxis());
    lc.gauge->SetValue(30);
    lc.Draw();
    EXPECT_EQ(lc.gauge->MaxValueIndicator()->Style(), psLeftTriangle);
    // Labels read from the maximum at the top down to the minimum.
    ASSERT_EQ(lc.labels.size(), 11u);
    EXPECT_EQ(lc.labels.front(), "100");
    EXPECT_EQ(lc.labels.back(), "0");
    const TRect a = lc.gauge->AxisRect();
    const int length = a.Bottom - a.Top;
    ASSERT_GT(length, 100);
    const int midX = (a.Left + a.Right) / 2 + 3;
    const int top = a.Bottom - lc.gauge->ValueOffset(30);
    EXPECT_EQ(lc.At(midX, a.Bottom - 2), clBlue);
    EXPECT_EQ(lc.At(midX, top + 2), clBlue);
    EXPECT_NE(lc.At(midX, top - 3), clBlue);
    lc.gauge->SetSubGallery(lc.gauge, 0);
    EXPECT_TRUE(lc.gauge->Horizontal());
}

TEST(GaugeSeriesPointer, SetValuesFillsTheWorkingCorners) {
    TGaugeSeriesPointer p;
    p.Shadow()->SetHorizSize(3);
    p.Shadow()->SetVertSize(0);
    p.SetValues(50, 40, 10, 4);
    EXPECT_EQ(p.PXMinus, 46);
    EXPECT_EQ(p.PXPlus, 54);
    EXPECT_EQ(p.PYMinus, 30);
    EXPECT_EQ(p.PYPlus, 50);
    EXPECT_EQ(p.PXMinusSmall, 48);
    EXPECT_EQ(p.PXPlusSmall, 52);
    EXPECT_EQ(p.PYMinusSmall, 38);
    EXPECT_EQ(p.PYPlusSmall, 42);
    EXPECT_DOUBLE_EQ(p.Angle, 180);
}

TEST(LinearGauge, PublishedPropertiesRoundTrip) {
    RegisterClass(TLinearGauge::StaticClass());
    auto roundTrip = [](TLinearGauge& g, TLinearGauge& back) {
        TMemoryStream stream;
        {
            TWriter w(&stream);
            w.WriteRootComponent(&g);
        }
        stream.SetPosition(0);
        TReader r(&stream);
        r.ReadRootComponent(&back);
    };
    TLinearGauge g(nullptr);
    g.SetHorizontal(false);
    g.SetUseValueColorPalette(true);
    g.MaxValueIndicator()->ChangeVertSize(9);
    g.MaxValueIndicator()->Brush()->SetColor(clLime);
    g.ValueArea()->SetTransparent(false);
    TLinearGauge back(nullptr);
    roundTrip(g, back);
    EXPECT_FALSE(back.Horizontal());
    EXPECT_TRUE(back.UseValueColorPalette());
    EXPECT_EQ(back.MaxValueIndicator()->VertSize(), 9);
    EXPECT_EQ(back.MaxValueIndicator()->Brush()->Color(), clLime);
    EXPECT_FALSE(back.ValueArea()->Transparent());

    // Defaults are left out and come back as the constructor gives them.
    TLinearGauge plain(nullptr);
    TLinearGauge other(nullptr);
    roundTrip(plain, other);
    EXPECT_TRUE(other.Horizontal());
    EXPECT_FALSE(other.UseValueColorPalette());
    EXPECT_EQ(other.MaxValueIndicator()->VertSize(), 5);
    EXPECT_TRUE(other.ValueArea()->Transparent());
}
