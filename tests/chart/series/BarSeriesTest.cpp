// Bar series on a drawn chart: the layout several bar series share (slots, stack groups,
// stacked origins), the bar rectangles, the bar size, the click test, and pixels of bars in
// every multi-bar mode and several styles in 2-D and 3-D, with marks and negative values.
#include "chart/series/BarSeries.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/CanvasGeometry.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/series/SeriesMarks.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/SysMath.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// A chart drawn into a bitmap; the series are owned by the chart's owner (none: by us).
struct BarChart {
    TChart chart{nullptr};
    TBitmap target;
    std::vector<std::unique_ptr<TChartSeries>> owned;
    explicit BarChart(bool View3D = false) {
        chart.SetBounds(0, 0, 400, 300);
        chart.SetView3D(View3D);
        chart.SetBevelOuter(bvNone);
        chart.SetColor(clWhite);
        target.SetSize(400, 300);
        chart.Canvas()->SetCanvas(target.Canvas());
    }
    ~BarChart() {
        for (auto& s : owned)
            chart.RemoveSeries(s.get());
    }
    template <class S = TBarSeries> S* Add(std::vector<double> values, TColor color) {
        auto* s = new S(nullptr);
        owned.emplace_back(s);
        s->SetSeriesColor(color);
        s->Marks()->SetVisible(false);
        for (double v : values)
            s->Add(v);
        chart.AddSeries(s);
        return s;
    }
    void Paint() { chart.Draw(target.Canvas(), TRect{0, 0, 400, 300}); }
    TColor At(int x, int y) { return target.Canvas()->Pixels(x, y); }
    TColor At(const TPoint& p) { return At(p.X, p.Y); }
};

TPoint Centre(const TRect& r) {
    return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

bool Near(TColor a, TColor b, int tolerance = 40) {
    const int ia = int(ColorToRGB(a)), ib = int(ColorToRGB(b));
    for (int shift : {0, 8, 16})
        if (std::abs(((ia >> shift) & 0xFF) - ((ib >> shift) & 0xFF)) > tolerance) return false;
    return true;
}

// Exposes the bar size computation with chosen inputs.
class TSizedBars : public TBarSeries {
public:
    explicit TSizedBars(TComponent* AOwner) : TBarSeries(AOwner) {}
    int Size(int AxisPixels, int MaxPoints, int Bars) {
        IMaxBarPoints = MaxPoints;
        INumBars = Bars;
        FGetHorizAxis->IAxisSize = AxisPixels;
        int a = 0, b = 0;
        InternalApplyBarMargin(a, b);
        return IBarSize;
    }
};

TEST(BarSeries, SideBySideBarsTakeOneSlotEachAroundTheirX) {
    BarChart c;
    TBarSeries* s[3] = {c.Add({5, 6, 7}, clRed), c.Add({4, 5, 6}, clGreen), c.Add({3, 4, 5}, clBlue)};
    c.Paint();
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(s[k]->NumBars(), 3);
        EXPECT_EQ(s[k]->OrderPos(), k + 1);
        const int x = s[k]->GetHorizAxis()->CalcXPosValue(1);
        EXPECT_EQ(s[k]->CalcXPos(1), x + int(Round(s[k]->BarSize() * (k + 1 - 2.5))));
    }
    EXPECT_GT(s[0]->BarSize(), 0);
    EXPECT_EQ(s[0]->BarSize() % 2, 0);
}

TEST(BarSeries, StackGroupsShareSlotsAndSignsStackApart) {
    BarChart c;
    std::vector<TBarSeries*> s;
    const double values[4][2] = {{2, -1}, {3, 4}, {5, -2}, {1, 1}};
    for (int i = 0; i < 4; ++i) {
        s.push_back(c.Add({values[i][0], values[i][1]}, TColor(0x101010 * (i + 1))));
        s.back()->SetStackGroup(i % 2);
    }
    s[0]->SetMultiBar(mbStacked); // copied to every bar series of the chart
    for (TBarSeries* b : s)
        EXPECT_EQ(b->MultiBar(), mbStacked);
    c.Paint();
    EXPECT_EQ(s[0]->NumBars(), 2);
    EXPECT_EQ(s[0]->OrderPos(), 1);
    EXPECT_EQ(s[1]->OrderPos(), 2);
    EXPECT_EQ(s[3]->OrderPos(), 2);
    // Group 0 at point 0: 2 then 5 on it; at point 1: -1 then -2 below it.
    EXPECT_EQ(s[2]->PointOrigin(0, false), 2);
    EXPECT_EQ(s[2]->PointOrigin(1, false), -1);
    // Group 1 at point 1: a positive value stacks only on the positive ones.
    EXPECT_EQ(s[3]->PointOrigin(1, false), 4);
    EXPECT_EQ(s[2]->MaxYValue(), 7);
    EXPECT_EQ(s[2]->MinYValue(), -3);
}

TEST(BarSeries, StackedHundredWithNothingToShareSitsOnTheAxisOrigin) {
    BarChart c;
    TBarSeries* a = c.Add({0, 2}, clRed);
    TBarSeries* b = c.Add({0, 6}, clBlue);
    a->SetMultiBar(mbStacked100);
    c.Paint();
    const int zero = a->GetVertAxis()->CalcYPosValue(0);
    EXPECT_NE(zero, 0);
    for (TBarSeries* s : {a, b}) {
        EXPECT_EQ(s->CalcYPos(0), zero);
        EXPECT_EQ(s->GetOriginPos(0), zero);
    }
    EXPECT_EQ(b->CalcYPos(1), b->GetVertAxis()->CalcYPosValue(100));
    EXPECT_EQ(a->CalcYPos(1), a->GetVertAxis()->CalcYPosValue(25));
}

TEST(BarSeries, FullWidthBarsTouchTheirNeighbours) {
    BarChart c;
    TBarSeries* s = c.Add({1, 2, 3, 4}, clRed);
    s->SetMultiBar(mbNone);
    s->SetBarWidthPercent(100);
    c.Paint();
    const int pw = std::max(1, s->BarPen()->Width());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(s->CalcBarBounds(i).Right, s->CalcXPos(i + 1) + 1 - pw / 2);
}

TEST(BarSeries, BarSizeFromTheAxisIsMadeEven) {
    BarChart c;
    auto* s = c.Add<TSizedBars>({1, 2}, clRed);
    c.Paint();
    EXPECT_EQ(s->Size(100, 10, 1), 8); // 70 % of 10 pixels is 7
    EXPECT_EQ(s->Size(100, 10, 2), 4); // 7 div 2 is 3
    EXPECT_EQ(s->Size(100, 0, 1), 0);
    s->SetCustomBarWidth(9);
    EXPECT_EQ(s->Size(100, 10, 1), 9);
}

TEST(BarSeries, RectangleBoundsRunFromTheValueToTheOrigin) {
    BarChart c;
    TBarSeries* v = c.Add({3, -2}, clRed);
    v->SetMultiBar(mbNone);
    c.Paint();
    const TRect up = v->CalcBarBounds(0), down = v->CalcBarBounds(1);
    const int origin = v->GetVertAxis()->CalcYPosValue(0);
    EXPECT_EQ(up.Top, v->GetVertAxis()->CalcYPosValue(3));
    EXPECT_EQ(up.Bottom, origin);
    EXPECT_EQ(down.Top, v->GetVertAxis()->CalcYPosValue(-2));
    EXPECT_EQ(down.Bottom, origin);
    EXPECT_EQ(up.Right - up.Left, v->BarSize() + 1);

    BarChart h;
    auto* hb = h.Add<THorizBarSeries>({3, -2}, clBlue);
    hb->SetMultiBar(mbNone);
    h.Paint();
    const TRect r = hb->CalcBarBounds(0);
    EXPECT_EQ(r.Left, hb->GetHorizAxis()->CalcXPosValue(0));
    EXPECT_EQ(r.Right, hb->GetHorizAxis()->CalcXPosValue(3));
    EXPECT_EQ(r.Bottom - r.Top, hb->BarSize() - 1);
}

TEST(BarSeries, ClickFindsTheBarUnderThePoint) {
    BarChart c;
    TBarSeries* s = c.Add({3, -2, 5}, clRed);
    s->SetMultiBar(mbNone);
    c.Paint();
    for (int i = 0; i < 3; ++i) {
        const TPoint p = Centre(s->CalcBarBounds(i));
        EXPECT_EQ(s->Clicked(p.X, p.Y), i);
    }
    const TRect r = s->CalcBarBounds(0);
    EXPECT_EQ(s->Clicked(r.Left + 2, std::min(r.Top, r.Bottom) - 5), -1);
    s->SetBarStyle(bsPyramid);
    c.Paint();
    // Near the top corner of a pyramid lies outside it.
    EXPECT_EQ(s->Clicked(r.Left + 1, r.Top + 1), -1);
    EXPECT_EQ(s->Clicked(Centre(r).X, r.Bottom - 2), 0);
}

struct ModeCase {
    TMultiBar Mode;
    bool View3D;
};

class BarModes : public ::testing::TestWithParam<ModeCase> {};

// Two series with a negative point each: every bar shows its colour in its middle, and
// marks sit above bars going up and below bars going down.
TEST_P(BarModes, EveryBarShowsItsColourAndMarksFollowTheBar) {
    const ModeCase m = GetParam();
    BarChart c(m.View3D);
    TBarSeries* a = c.Add({4, -3, 6}, clRed);
    TBarSeries* b = c.Add({2, -2, 3}, clBlue);
    a->SetMultiBar(m.Mode);
    // Marks are checked where bars stand side by side; stacked ones would cover the bars above.
    const bool sideBySide = m.Mode == mbNone || m.Mode == mbSide || m.Mode == mbSideAll;
    for (TBarSeries* s : {a, b}) {
        s->Marks()->SetVisible(sideBySide);
        s->BarPen()->SetVisible(false);
    }
    c.Paint();
    // Without slots the second series' bars stand over the first one's.
    const bool overlaid = m.Mode == mbNone || m.Mode == mbSelfStack;
    for (TBarSeries* s : {a, b})
        for (int i = 0; i < 3; ++i) {
            if (overlaid && s == a) continue;
            TRect r = s->CalcBarBounds(i);
            if (m.View3D) r = c.chart.Canvas()->CalcRect3D(r, s->StartZ);
            SCOPED_TRACE(::testing::Message() << s->SeriesColor() << " point " << i);
            EXPECT_TRUE(Near(c.At(Centre(r)), s->SeriesColor(), 70)) << c.At(Centre(r));
        }
    if (sideBySide) {
        const TSeriesMarkPosition* up = a->Marks()->Positions()->Get(0);
        const TSeriesMarkPosition* down = a->Marks()->Positions()->Get(1);
        ASSERT_TRUE(up && down);
        EXPECT_LT(up->LeftTop.Y + up->Height, a->CalcYPos(0) + 1);
        EXPECT_GT(down->LeftTop.Y, a->CalcYPos(1) - 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, BarModes,
                         ::testing::Values(ModeCase{mbNone, false}, ModeCase{mbSide, false},
                                           ModeCase{mbStacked, false}, ModeCase{mbStacked100, false},
                                           ModeCase{mbSideAll, false}, ModeCase{mbSelfStack, false},
                                           ModeCase{mbSide, true}, ModeCase{mbStacked, true},
                                           ModeCase{mbSideAll, true}));

class HorizBarModes : public ::testing::TestWithParam<TMultiBar> {};

// Horizontal bars in every mode: each bar of the upper series runs along the horizontal axis
// from its origin (stacked on the lower series' bar, or on its own earlier points) to its
// value and shows its colour; side by side, the two series' bars take separate rows, and a
// self-stacked series keeps all its bars in one row.
TEST_P(HorizBarModes, BarsRunFromTheirOriginToTheirValueAndTakeTheirRows) {
    const TMultiBar mode = GetParam();
    BarChart c;
    const std::vector<double> lower = {4, 3, 6}, upper = {2, 1, 3};
    auto* a = c.Add<THorizBarSeries>(lower, clRed);
    auto* b = c.Add<THorizBarSeries>(upper, clBlue);
    a->SetMultiBar(mode);
    c.Paint();
    TChartAxis* axis = b->GetHorizAxis();
    double selfStacked = 0;
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(::testing::Message() << "point " << i);
        double from = 0, to = upper[i];
        if (mode == mbStacked) {
            from = lower[i];
            to = lower[i] + upper[i];
        } else if (mode == mbStacked100) {
            from = lower[i] * 100 / (lower[i] + upper[i]);
            to = 100;
        } else if (mode == mbSelfStack) {
            from = selfStacked;
            to = selfStacked += upper[i];
        }
        const TRect r = b->CalcBarBounds(i), other = a->CalcBarBounds(i);
        EXPECT_EQ(r.Left, axis->CalcXPosValue(from));
        EXPECT_EQ(r.Right, axis->CalcXPosValue(to));
        EXPECT_TRUE(Near(c.At(Centre(r)), clBlue, 70)) << c.At(Centre(r));
        if (mode == mbSide || mode == mbSideAll) {
            EXPECT_TRUE(r.Bottom <= other.Top || other.Bottom <= r.Top);
        } else if (mode == mbSelfStack) {
            EXPECT_EQ(r.Top, b->CalcBarBounds(0).Top);
        } else {
            EXPECT_EQ(r.Top, other.Top);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, HorizBarModes,
                         ::testing::Values(mbNone, mbSide, mbStacked, mbStacked100, mbSideAll, mbSelfStack));

struct StyleCase {
    TBarStyle Style;
    bool View3D;
};

class BarStyles : public ::testing::TestWithParam<StyleCase> {};

// The middle of each shape carries the bar colour (a shade of it in 3-D), and the space
// just beside the bar stays background.
TEST_P(BarStyles, ShapesFillTheirMiddle) {
    const StyleCase p = GetParam();
    BarChart c(p.View3D);
    TBarSeries* s = c.Add({5, -4}, clRed);
    s->SetMultiBar(mbNone);
    s->SetBarStyle(p.Style);
    s->SetBarWidthPercent(50);
    s->BarPen()->SetVisible(false); // the edges of the solids' faces stay out of the way
    c.Paint();
    for (int i = 0; i < 2; ++i) {
        TRect r = s->CalcBarBounds(i);
        if (p.View3D) r = c.chart.Canvas()->CalcRect3D(r, s->MiddleZ);
        SCOPED_TRACE(::testing::Message() << "point " << i);
        const TColor mid = c.At(Centre(r).X + 2, Centre(r).Y); // beside the slant cube's middle line
        EXPECT_NE(ColorToRGB(mid), ColorToRGB(clWhite));
        EXPECT_GT(int(mid) & 0xFF, (int(mid) >> 16) & 0xFF) << "reddish";
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, BarStyles,
                         ::testing::Values(StyleCase{bsRectangle, false}, StyleCase{bsPyramid, false},
                                           StyleCase{bsInvPyramid, false}, StyleCase{bsEllipse, false},
                                           StyleCase{bsDiamond, false}, StyleCase{bsArrow, false},
                                           StyleCase{bsBevel, false}, StyleCase{bsSlantCube, false},
                                           StyleCase{bsRectangle, true}, StyleCase{bsCilinder, true},
                                           StyleCase{bsPyramid, true}, StyleCase{bsCone, true},
                                           StyleCase{bsEllipse, true}, StyleCase{bsDiamond, true}));

TEST(BarSeries, NullPointDrawsNeitherBarNorShadow) {
    BarChart c;
    TBarSeries* s = c.Add({4, 5, 6}, clRed);
    s->SetMultiBar(mbNone);
    s->Shadow()->SetSmooth(false);
    s->Shadow()->SetHorizSize(4);
    s->Shadow()->SetVertSize(4);
    s->SetNull(1);
    c.Paint();
    const TRect r = s->CalcBarBounds(1);
    EXPECT_EQ(ColorToRGB(c.At(Centre(r))), ColorToRGB(clWhite));
    EXPECT_EQ(ColorToRGB(c.At(r.Right + 2, Centre(r).Y)), ColorToRGB(clWhite));
    const TRect drawn = s->CalcBarBounds(0);
    EXPECT_TRUE(Near(c.At(Centre(drawn)), clRed, 10));
    // The shadow of a drawn bar shows beside its right edge.
    EXPECT_TRUE(Near(c.At(drawn.Right + 1, Centre(drawn).Y), TColor(0x808080), 10));
}

TEST(BarSeries, DarkPenDarkensTheOutlineOfEachBar) {
    BarChart c;
    TBarSeries* s = c.Add({5}, TColor(0xC0C0F0));
    s->SetMultiBar(mbNone);
    s->SetDarkPen(130);
    c.Paint();
    const TRect r = s->CalcBarBounds(0);
    EXPECT_EQ(ColorToRGB(c.At(r.Left, Centre(r).Y)), ApplyDark(TColor(0xC0C0F0), 125));
}

TEST(BarSeries, RelativeGradientOfEqualBarsIsAPlainGradient) {
    BarChart c;
    TBarSeries* s = c.Add({3, 3, 3}, clBlue);
    s->SetMultiBar(mbNone);
    s->SetUseYOrigin(false);
    s->SetBarStyle(bsRectGradient);
    s->Gradient()->SetRelative(true);
    c.Paint();
    const TRect r = s->CalcBarBounds(1);
    // A gradient between white and the bar's own colour, one at each end.
    const TColor top = c.At(Centre(r).X, r.Top + 3), bottom = c.At(Centre(r).X, r.Bottom - 3);
    EXPECT_TRUE((Near(top, clBlue) && Near(bottom, clWhite)) || (Near(top, clWhite) && Near(bottom, clBlue)))
        << top << " " << bottom;
}

TEST(BarSeries, AssignCopiesTheBarSettings) {
    TBarSeries a(nullptr), b(nullptr);
    a.SetBarStyle(bsCone);
    a.SetBarWidthPercent(55);
    a.SetStackGroup(3);
    a.SetYOrigin(2.5);
    a.SetAutoBarSize(true);
    b.Assign(&a);
    EXPECT_EQ(b.BarStyle(), bsCone);
    EXPECT_EQ(b.BarWidthPercent(), 55);
    EXPECT_EQ(b.StackGroup(), 3);
    EXPECT_EQ(b.YOrigin(), 2.5);
    EXPECT_FALSE(b.AutoBarSize());
    EXPECT_EQ(b.MandatoryValueList()->Name(), QStringLiteral("Bar"));
}

} // namespace

// Sample bars share the X values of the other bar series of their class: at the point
// indexes, unless another such series has other X values; one fill of the asked count.
TEST(BarSampleValues, OneFillWithXValuesOnlyBesideBarsThatHaveThem) {
    auto sequential = [](TChartSeries* s) {
        for (int i = 0; i < s->Count(); ++i)
            if (s->XValues()->Value(i) != i) return false;
        return true;
    };
    struct Case {
        const char* what;
        std::vector<double> otherX; // X values of another bar series; empty: none
        bool horizontalOther;       // the other series is of another class
        bool expectSequential;
    };
    const Case cases[] = {
        {"alone", {}, false, true},
        {"beside bars at their indexes", {0, 1, 2}, false, true},
        {"beside bars with other X values", {0, 2.5, 7}, false, false},
        {"beside horizontal bars with other X values", {0, 2.5, 7}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BarChart f;
        if (!c.otherX.empty()) {
            TChartSeries* other = c.horizontalOther
                                      ? static_cast<TChartSeries*>(f.Add<THorizBarSeries>({}, clRed))
                                      : static_cast<TChartSeries*>(f.Add({}, clRed));
            for (size_t i = 0; i < c.otherX.size(); ++i)
                other->AddXY(c.otherX[i], double(i + 1));
        }
        TBarSeries* bars = f.Add({}, clBlue);
        bars->FillSampleValues(6);
        EXPECT_EQ(bars->Count(), 6);
        EXPECT_EQ(sequential(bars), c.expectSequential);
    }
}
