// Fast-line series: skipping points of one pixel column, null treatment, stairs, drawing an
// added point without a repaint (also with the DC pen), the hit test, margins and the link
// between series colour and line pen.
#include "chart/series/FastLineSeries.h"
#include "SeriesTestChart.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/CanvasGeometry.h"
#include "chart/engine/canvas/ChartPen.h"

#include <algorithm>

namespace {

class FastLineTest : public SeriesPixelTest {
protected:
    TFastLineSeries* Line(std::initializer_list<std::pair<double, double>> Points, TColor Color = clRed) {
        auto* s = Make<TFastLineSeries>(Color);
        for (auto [x, y] : Points)
            s->AddXY(x, y);
        return s;
    }
    // The red pixels of column X.
    int RedInColumn(int X) {
        int n = 0;
        for (int y = 0; y < image->Height(); ++y)
            n += At(X, y) == clRed;
        return n;
    }
};

TEST_F(FastLineTest, ConstructionAndColourFollowsThePen) {
    TFastLineSeries s(nullptr);
    EXPECT_EQ(s.TreatNulls(), tnIgnore);
    EXPECT_TRUE(s.AutoRepaint());
    EXPECT_TRUE(s.DrawAllPoints());
    EXPECT_TRUE(s.IgnoreNulls());
    EXPECT_FALSE(s.AllowSinglePoint());
    EXPECT_TRUE(s.DrawBetweenPoints());
    s.SetSeriesColor(clGreen);
    EXPECT_EQ(s.LinePen()->Color(), clGreen);
    TChartPen pen{TNotifyEvent()};
    pen.SetColor(clBlue);
    s.SetLinePen(&pen);
    EXPECT_EQ(s.SeriesColor(), clBlue);
}

TEST_F(FastLineTest, FastPenNeedsTheDcPenColourFunction) {
    TFastLineSeries s(nullptr);
    const TTeeSetDCColor saved = TeeSetDCPenColor;
    TeeSetDCPenColor = nullptr;
    s.SetFastPen(true);
    EXPECT_FALSE(s.FastPen());
    TeeSetDCPenColor = saved;
    s.SetFastPen(true);
    EXPECT_TRUE(s.FastPen());
}

TEST_F(FastLineTest, PointsOfOnePixelColumn) {
    // Ten points at one x, alternating between two heights.
    TFastLineSeries* s = Make<TFastLineSeries>();
    for (int i = 0; i < 10; ++i)
        s->AddXY(5, i % 2 ? 8 : 2);
    s->SetDrawAllPoints(false);
    Paint();
    // Only the first point is drawn: a single point draws no segment.
    EXPECT_EQ(RedInColumn(XPos(5)), 0);
    s->SetDrawAllPoints(true);
    Paint();
    // The vertical segments between the two rows.
    EXPECT_EQ(At(ValuePos(5, 5)), clRed);
    EXPECT_GE(RedInColumn(XPos(5)), YPos(2) - YPos(8));
}

TEST_F(FastLineTest, NullsDrawnAtTheirValueOrBreakTheLine) {
    TFastLineSeries* s = Line({{1, 5}, {3, 5}, {5, 5}, {7, 5}, {9, 5}});
    s->SetNull(2);
    Paint();
    EXPECT_EQ(At(ValuePos(4, 5)), clRed); // IgnoreNulls: drawn at the stored value
    s->SetIgnoreNulls(false);
    s->SetTreatNulls(tnDontPaint);
    Paint();
    EXPECT_EQ(At(ValuePos(2, 5)), clRed);
    EXPECT_EQ(At(ValuePos(4, 5)), clWhite); // into the null
    EXPECT_EQ(At(ValuePos(6, 5)), clWhite); // out of the null
    EXPECT_EQ(At(ValuePos(8, 5)), clRed);
    s->SetTreatNulls(tnSkip);
    Paint();
    EXPECT_EQ(At(ValuePos(6, 5)), clRed); // the line joins across the null
}

TEST_F(FastLineTest, Stairs) {
    TFastLineSeries* s = Line({{2, 2}, {8, 8}});
    s->SetStairs(true);
    Paint();
    EXPECT_EQ(At(ValuePos(5, 2)), clRed);
    EXPECT_EQ(At(ValuePos(8, 5)), clRed);
    s->SetInvertedStairs(true);
    Paint();
    EXPECT_EQ(At(ValuePos(2, 5)), clRed);
    EXPECT_EQ(At(ValuePos(5, 8)), clRed);
    EXPECT_EQ(At(ValuePos(5, 2)), clWhite);
}

// Paints the chart into a bitmap that stays the canvas' target afterwards, as the screen
// does for a shown chart, so that a point added without repaint lands in it.
class FastLineAddTest : public FastLineTest {
protected:
    void PaintAndKeep() {
        screen = std::make_unique<TBitmap>();
        screen->SetSize(300, 220);
        chart.SetBufferedDisplay(false);
        chart.Draw(screen->Canvas(), TRect{0, 0, 300, 220});
        chart.Canvas()->SetCanvas(screen->Canvas());
        before = std::make_unique<TBitmap>();
        before->Assign(screen.get());
    }
    // The bounds of the pixels that changed since PaintAndKeep; empty when none did.
    TRect Changed() {
        TRect r{300, 220, -1, -1};
        for (int y = 0; y < 220; ++y)
            for (int x = 0; x < 300; ++x)
                if (screen->Canvas()->Pixels(x, y) != before->Canvas()->Pixels(x, y)) {
                    r.Left = std::min(r.Left, x);
                    r.Top = std::min(r.Top, y);
                    r.Right = std::max(r.Right, x);
                    r.Bottom = std::max(r.Bottom, y);
                }
        return r;
    }
    std::unique_ptr<TBitmap> screen, before;
};

TEST_F(FastLineAddTest, AnAddedPointDrawsExactlyItsSegment) {
    for (bool fastPen : {false, true}) {
        SCOPED_TRACE(fastPen);
        TFastLineSeries* s = Line({{1, 1}, {3, 4}});
        s->SetAutoRepaint(false);
        s->SetFastPen(fastPen);
        PaintAndKeep();
        s->AddXY(6, 7);
        const TPoint a = ValuePos(3, 4), b = ValuePos(6, 7);
        EXPECT_EQ(screen->Canvas()->Pixels((a.X + b.X) / 2, (a.Y + b.Y) / 2), clRed);
        const TRect r = Changed();
        EXPECT_GE(r.Left, a.X - 1);
        EXPECT_LE(r.Right, b.X + 1);
        EXPECT_GE(r.Top, b.Y - 1);
        EXPECT_LE(r.Bottom, a.Y + 1);
        delete s;
    }
}

TEST_F(FastLineAddTest, AFirstPointAddedWithoutRepaintHasNoPredecessor) {
    // IgnoreNulls off and tnDontPaint: the draw decision looks at the point before, and the
    // first point has none.
    TFastLineSeries* s = Make<TFastLineSeries>();
    s->SetAutoRepaint(false);
    s->SetIgnoreNulls(false);
    s->SetTreatNulls(tnDontPaint);
    PaintAndKeep();
    s->AddXY(5, 5);
    EXPECT_EQ(s->Count(), 1);
    EXPECT_LT(Changed().Right, 0); // a single point draws nothing
    // A point that lands first in X order, before a null one.
    s->SetNull(0);
    s->AddXY(1, 1);
    ASSERT_EQ(s->Count(), 2);
    EXPECT_DOUBLE_EQ(s->XValues()->Value(0), 1);
    s->AddXY(9, 9);
    EXPECT_EQ(s->Count(), 3);
}

TEST_F(FastLineTest, ClickedOnTheLineAsDrawn) {
    TFastLineSeries* s = Line({{2, 2}, {8, 8}});
    Paint();
    const TPoint a = Pos(s, 0), b = Pos(s, 1);
    struct Case {
        const char* name;
        bool stairs, inverted;
        TPoint p;
        int expected;
    };
    const Case cases[] = {
        {"on a point", false, false, b, 1},
        {"on the segment", false, false, TPoint{(a.X + b.X) / 2, (a.Y + b.Y) / 2}, 0},
        {"beside the segment", false, false, TPoint{(a.X + b.X) / 2, a.Y}, -1},
        {"stairs: across at the first height", true, false, TPoint{(a.X + b.X) / 2, a.Y}, 0},
        {"stairs: up at the second x", true, false, TPoint{b.X, (a.Y + b.Y) / 2}, 0},
        {"stairs: up at the first x", true, false, TPoint{a.X, (a.Y + b.Y) / 2}, -1},
        {"inverted: up at the first x", true, true, TPoint{a.X, (a.Y + b.Y) / 2}, 0},
        {"inverted: across at the second height", true, true, TPoint{(a.X + b.X) / 2, b.Y}, 0},
        {"inverted: across at the first height", true, true, TPoint{(a.X + b.X) / 2, a.Y}, -1},
        {"inverted: up at the second x", true, true, TPoint{b.X, (a.Y + b.Y) / 2}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        s->SetStairs(c.stairs);
        s->SetInvertedStairs(c.inverted);
        EXPECT_EQ(s->Clicked(c.p.X, c.p.Y), c.expected);
    }
}

TEST_F(FastLineTest, MarginsGrowWithThePenWidth) {
    TFastLineSeries* s = Line({{2, 2}});
    for (auto [width, margin] : {std::pair{1, 1}, std::pair{3, 3}, std::pair{4, 3}, std::pair{6, 4}}) {
        s->LinePen()->SetWidth(width);
        int l = 0, r = 0, t = 0, b = 0;
        s->CalcHorizMargins(l, r);
        s->CalcVerticalMargins(t, b);
        EXPECT_EQ(l, margin) << width;
        EXPECT_EQ(r, margin) << width;
        EXPECT_EQ(t, margin) << width;
        EXPECT_EQ(b, margin) << width;
    }
}

} // namespace
