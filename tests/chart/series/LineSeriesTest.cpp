// Line and point series: drawing into a bitmap (null treatments, stairs, stacking, markers,
// 3-D faces), the hit test of markers and segments, value ranges, margins and copying.
#include "chart/series/LineSeries.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/series/SeriesMarks.h"
#include "platform/graphics/Bitmap.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

// A plain white chart without walls, titles or legend; both axes 0 .. 10.
class TLineTestChart : public TCustomAxisPanel {
public:
    TLineTestChart() : TCustomAxisPanel(nullptr) {
        SetBounds(0, 0, 300, 220);
        SetView3D(false);
        SetColor(clWhite);
        for (TChartAxis* axis : {LeftAxis(), BottomAxis()}) {
            axis->SetMinMax(0, 10);
            axis->Grid()->SetVisible(false);
        }
    }
    void CalcWallsRect() override { CalcSize3DWalls(); }
    int CalcWallSize(TChartAxis*) override { return 0; }
    void DrawTitlesAndLegend(bool) override {}
    void DrawWalls() override {}
    bool IsFreeSeriesColor(TColor, bool, TChartSeries*) override { return true; }
};

class LineSeriesTest : public ::testing::Test {
protected:
    template <class S = TLineSeries>
    S* Add(std::initializer_list<std::pair<double, double>> Points, TColor Color = clRed) {
        auto* s = new S(&owner);
        s->SetParentChart(&chart);
        s->SetSeriesColor(Color);
        for (auto [x, y] : Points)
            s->AddXY(x, y);
        return s;
    }
    // Draws the chart; the axes and positions stay valid afterwards.
    void Paint() { image.reset(chart.TeeCreateBitmap(clWhite, TRect{0, 0, 300, 220})); }
    TColor At(int X, int Y) { return image->Canvas()->Pixels(X, Y); }
    TPoint Pos(TChartSeries* S, int Index) { return TPoint{S->CalcXPos(Index), S->CalcYPos(Index)}; }
    TPoint Mid(TPoint A, TPoint B) { return TPoint{(A.X + B.X) / 2, (A.Y + B.Y) / 2}; }
    TColor AtMid(TChartSeries* S, int A, int B) {
        const TPoint m = Mid(Pos(S, A), Pos(S, B));
        return At(m.X, m.Y);
    }

    TComponent owner{nullptr};
    TLineTestChart chart;
    std::unique_ptr<TBitmap> image;
};

TEST_F(LineSeriesTest, ConstructionSettings) {
    TLineSeries line(nullptr);
    EXPECT_FALSE(line.Pointer()->Visible());
    EXPECT_TRUE(line.DrawLine());
    EXPECT_TRUE(line.DrawBetweenPoints());
    EXPECT_FALSE(line.AllowSinglePoint());
    EXPECT_EQ(line.TreatNulls(), tnDontPaint);
    EXPECT_EQ(line.Stacked(), cssNone);
    EXPECT_EQ(line.GetEditorClass(), "TCustomSeriesEditor");
    TPointSeries points(nullptr);
    EXPECT_TRUE(points.Pointer()->Visible());
    EXPECT_FALSE(points.DrawLine());
    EXPECT_FALSE(points.ClickableLine());
    EXPECT_FALSE(points.DrawBetweenPoints());
    EXPECT_EQ(points.GetEditorClass(), "TSeriesPointerEditor");
    THorizLineSeries horiz(nullptr);
    EXPECT_FALSE(horiz.YMandatory());
    EXPECT_EQ(horiz.YValues()->Order(), loAscending);
    EXPECT_EQ(horiz.XValues()->Order(), loNone);
}

TEST_F(LineSeriesTest, DrawsSegmentsAndMarkersOnTop) {
    TLineSeries* s = Add({{1, 1}, {5, 5}, {9, 2}});
    s->LinePen()->SetWidth(1);
    s->Pointer()->SetVisible(true);
    s->Pointer()->SetStyle(psRectangle);
    s->Pointer()->Brush()->SetColor(clBlue);
    s->Pointer()->Pen()->SetVisible(false);
    Paint();
    EXPECT_EQ(AtMid(s, 0, 1), clRed);
    EXPECT_EQ(AtMid(s, 1, 2), clRed);
    // Every marker, also the first and the last, covers the line ends.
    for (int i = 0; i < 3; ++i) {
        const TPoint p = Pos(s, i);
        EXPECT_EQ(At(p.X, p.Y), clBlue) << i;
        EXPECT_EQ(At(p.X + 3, p.Y + 3), clBlue) << i;
    }
}

TEST_F(LineSeriesTest, NullTreatments) {
    struct Case {
        TTreatNullsStyle treat;
        bool firstToNull, nullToLast, acrossNull;
    };
    for (const Case c : {Case{tnDontPaint, false, false, false}, Case{tnSkip, false, false, true},
                         Case{tnIgnore, true, true, false}}) {
        SCOPED_TRACE(int(c.treat));
        TLineSeries* s = Add({{1, 2}, {5, 8}, {9, 2}});
        s->SetNull(1);
        s->SetTreatNulls(c.treat);
        Paint();
        EXPECT_EQ(AtMid(s, 0, 1) == clRed, c.firstToNull);
        EXPECT_EQ(AtMid(s, 1, 2) == clRed, c.nullToLast);
        EXPECT_EQ(AtMid(s, 0, 2) == clRed, c.acrossNull);
        delete s;
    }
}

TEST_F(LineSeriesTest, StairsAndInvertedStairs) {
    TLineSeries* s = Add({{2, 2}, {8, 8}});
    s->SetStairs(true);
    Paint();
    const TPoint a = Pos(s, 0);
    const TPoint b = Pos(s, 1);
    // Run at the earlier height, then the rise at the later x.
    EXPECT_EQ(At((a.X + b.X) / 2, a.Y), clRed);
    EXPECT_EQ(At(b.X, (a.Y + b.Y) / 2), clRed);
    EXPECT_NE(At(a.X, (a.Y + b.Y) / 2), clRed);
    s->SetInvertedStairs(true);
    Paint();
    EXPECT_EQ(At(a.X, (a.Y + b.Y) / 2), clRed);
    EXPECT_EQ(At((a.X + b.X) / 2, b.Y), clRed);
    EXPECT_NE(At((a.X + b.X) / 2, a.Y), clRed);
}

TEST_F(LineSeriesTest, StackingModes) {
    TLineSeries* a = Add({{1, 2}, {5, 3}, {9, 1}}, clRed);
    TLineSeries* b = Add({{1, 1}, {5, 4}, {9, 3}}, clBlue);
    a->SetStacked(cssStack);
    EXPECT_EQ(b->Stacked(), cssStack); // set on every line series of the chart
    EXPECT_DOUBLE_EQ(b->MaxYValue(), 7);
    EXPECT_DOUBLE_EQ(b->MinYValue(), 1);
    Paint();
    TChartAxis* left = chart.LeftAxis();
    EXPECT_EQ(b->CalcYPos(1), left->CalcYPosValue(7));
    EXPECT_EQ(a->CalcYPos(1), left->CalcYPosValue(3));
    EXPECT_EQ(AtMid(b, 0, 1), clBlue);
    EXPECT_EQ(b->GetOriginPos(1), left->CalcYPosValue(3));

    b->SetStacked(cssStack100);
    EXPECT_DOUBLE_EQ(b->MinYValue(), 0);
    EXPECT_DOUBLE_EQ(b->MaxYValue(), 100);
    left->SetMinMax(0, 100);
    Paint();
    EXPECT_EQ(b->CalcYPos(1), left->CalcYPosValue(100));
    EXPECT_EQ(a->CalcYPos(1), left->CalcYPosValue(3 * 100.0 / 7));

    // Overlap draws each series at its own values.
    b->SetStacked(cssOverlap);
    left->SetMinMax(0, 10);
    Paint();
    EXPECT_EQ(b->CalcYPos(1), left->CalcYPosValue(4));
}

TEST_F(LineSeriesTest, PointerStyles) {
    for (TSeriesPointerStyle style :
         {psRectangle, psCircle, psTriangle, psDownTriangle, psDiamond, psHexagon}) {
        SCOPED_TRACE(int(style));
        auto* s = Add<TPointSeries>({{3, 5}, {7, 5}});
        s->Pointer()->SetStyle(style);
        s->Pointer()->SetSize(6);
        s->Pointer()->Brush()->SetColor(clBlue);
        Paint();
        for (int i = 0; i < 2; ++i) {
            const TPoint p = Pos(s, i);
            EXPECT_EQ(At(p.X, p.Y), clBlue);
            EXPECT_EQ(At(p.X + 9, p.Y), clWhite);
        }
        // No line between the markers of a point series.
        EXPECT_EQ(AtMid(s, 0, 1), clWhite);
        delete s;
    }
}

TEST_F(LineSeriesTest, PointerStyleFromTheHandler) {
    TLineSeries* s = Add({{2, 5}, {8, 5}});
    s->Pointer()->SetVisible(true);
    s->Pointer()->Brush()->SetColor(clBlue);
    s->OnGetPointerStyle = [](TChartSeries*, int Index, TSeriesPointerStyle& Style) {
        if (Index == 1) Style = psNothing;
    };
    Paint();
    const TPoint p0 = Pos(s, 0), p1 = Pos(s, 1);
    EXPECT_EQ(At(p0.X + 2, p0.Y - 2), clBlue);
    EXPECT_NE(At(p1.X + 2, p1.Y - 2), clBlue);
    EXPECT_EQ(s->Clicked(p1.X + 2, p1.Y - 2), -1); // psNothing has no marker to hit
}

TEST_F(LineSeriesTest, SingleDisplayedPointDrawsItsMarker) {
    TLineSeries* s = Add({{5, 5}});
    s->Pointer()->SetVisible(true);
    s->Pointer()->Brush()->SetColor(clBlue);
    Paint();
    const TPoint p = Pos(s, 0);
    EXPECT_EQ(At(p.X, p.Y), clBlue);
}

TEST_F(LineSeriesTest, LeadInFromThePointBeforeTheVisibleRange) {
    TLineSeries* s = Add({{-10, 0}, {2, 6}, {8, 6}});
    Paint();
    ASSERT_EQ(s->FirstVisibleIndex(), 1);
    // The segment from the hidden point enters at the chart's left edge, interpolated.
    const int edge = chart.ChartRect.Left;
    const int y = chart.LeftAxis()->CalcYPosValue(0 + (chart.BottomAxis()->CalcPosPoint(edge) + 10) * 0.5);
    const TPoint p1 = Pos(s, 1);
    EXPECT_EQ(At((edge + p1.X) / 2, (y + p1.Y) / 2), clRed);
}

TEST_F(LineSeriesTest, ThreeDimensionalFaces) {
    chart.SetView3D(true);
    chart.View3DOptions()->SetOrthogonal(true);
    TLineSeries* s = Add({{2, 5}, {8, 5}});
    s->SetDark3D(false);
    Paint();
    ASSERT_GT(chart.SeriesWidth3D(), 0);
    // The face joins the segment at the series' front and back depth.
    const TPoint front = Pos(s, 0);
    TCanvas3D* canvas = chart.Canvas();
    const TPoint a = canvas->Calculate3DPosition(front.X + 20, front.Y, s->StartZ);
    const TPoint b = canvas->Calculate3DPosition(front.X + 20, front.Y, s->EndZ);
    EXPECT_EQ(At((a.X + b.X) / 2, (a.Y + b.Y) / 2), clRed);

    // The 3-D hit test takes the whole face, and nothing above or below it.
    const int mx = (a.X + b.X) / 2, my = (a.Y + b.Y) / 2;
    EXPECT_EQ(s->Clicked(mx, my), 0);
    EXPECT_EQ(s->Clicked(mx, my - 25), -1);
    EXPECT_EQ(s->Clicked(mx, my + 25), -1);
}

// ---- hit test ------------------------------------------------------------------------------

TEST_F(LineSeriesTest, ClickedOnMarkersSegmentsAndOffBoth) {
    TLineSeries* s = Add({{1, 1}, {3, 1}, {5, 5}, {7, 5}, {9, 9}});
    s->Pointer()->SetVisible(true);
    s->Pointer()->SetSize(7);
    Paint();
    const TPoint p2 = Pos(s, 2);
    struct Case {
        int dx, dy, expected;
    };
    // Marker half sizes 7: up to 6 pixels off on both axes hits; 7 pixels off does not
    // (7 to the right still lies on the flat segment to point 3).
    for (const Case c : {Case{0, 0, 2}, Case{6, 6, 2}, Case{-6, -6, 2}, Case{0, 7, -1}, Case{7, 0, 2}}) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
        EXPECT_EQ(s->Clicked(p2.X + c.dx, p2.Y + c.dy), c.expected);
    }
    // On the line between points 3 and 4 (far from both markers) the earlier index.
    const TPoint m = Mid(Pos(s, 3), Pos(s, 4));
    EXPECT_EQ(s->Clicked(m.X, m.Y), 3);
    EXPECT_EQ(s->Clicked(m.X + 1, m.Y), 3); // one pixel off still on the line
    EXPECT_EQ(s->Clicked(m.X + 5, m.Y), -1);
    s->SetClickableLine(false);
    EXPECT_EQ(s->Clicked(m.X, m.Y), -1);
    // A hidden marker: only the exact centre hits.
    s->Pointer()->SetVisible(false);
    EXPECT_EQ(s->Clicked(p2.X, p2.Y), 2);
    EXPECT_EQ(s->Clicked(p2.X + 2, p2.Y + 2), -1);
}

TEST_F(LineSeriesTest, ClickedOnStairs) {
    TLineSeries* s = Add({{2, 2}, {8, 8}});
    s->SetStairs(true);
    Paint();
    const TPoint a = Pos(s, 0), b = Pos(s, 1);
    EXPECT_EQ(s->Clicked((a.X + b.X) / 2, a.Y), 0);
    EXPECT_EQ(s->Clicked(b.X, (a.Y + b.Y) / 2), 0);
    EXPECT_EQ(s->Clicked(a.X, (a.Y + b.Y) / 2), -1);
    s->SetInvertedStairs(true);
    EXPECT_EQ(s->Clicked(a.X, (a.Y + b.Y) / 2), 0);
    EXPECT_EQ(s->Clicked((a.X + b.X) / 2, b.Y), 0);
    EXPECT_EQ(s->Clicked((a.X + b.X) / 2, a.Y), -1);
}

TEST_F(LineSeriesTest, ClickedOnTheSegmentEnteringTheVisibleRange) {
    TLineSeries* s = Add({{-10, 5}, {4, 5}, {8, 5}});
    Paint();
    ASSERT_EQ(s->FirstVisibleIndex(), 1);
    const TPoint p1 = Pos(s, 1);
    EXPECT_EQ(s->Clicked(p1.X - 10, p1.Y), 0);
    // A point series never answers a segment.
    auto* points = Add<TPointSeries>({{2, 2}, {8, 2}});
    Paint();
    const TPoint m = Mid(Pos(points, 0), Pos(points, 1));
    EXPECT_EQ(points->Clicked(m.X, m.Y), -1);
    EXPECT_EQ(points->Clicked(Pos(points, 1).X + 3, m.Y), 1);
}

TEST_F(LineSeriesTest, ClickedPointerEventAndLowestIndexWins) {
    TLineSeries* s = Add({{5, 5}, {5, 5}});
    s->Pointer()->SetVisible(true);
    int clicked = -1;
    s->OnClickPointer = [&](TCustomSeries*, int Index, int, int) { clicked = Index; };
    EXPECT_TRUE(s->RaiseClicked());
    Paint();
    const TPoint p = Pos(s, 0);
    EXPECT_EQ(s->Clicked(p.X + 1, p.Y), 0);
    EXPECT_EQ(clicked, 0);
}

// ---- ranges, margins, copying ---------------------------------------------------------------

TEST_F(LineSeriesTest, ValueRangesCountNullsOnlyWhenIgnored) {
    TLineSeries* s = Add({{1, 3}, {2, 50}, {3, -1}});
    s->SetNull(1);
    EXPECT_DOUBLE_EQ(s->CalcMinMaxValue(false), 3);
    EXPECT_DOUBLE_EQ(s->CalcMinMaxValue(true), -1);
    s->SetTreatNulls(tnIgnore);
    EXPECT_DOUBLE_EQ(s->MaxYValue(), 50);
    TLineSeries empty(nullptr);
    EXPECT_DOUBLE_EQ(empty.CalcMinMaxValue(true), 0);
}

TEST_F(LineSeriesTest, MarginsOfMarkersStairsAndMarks) {
    TLineSeries* s = Add({{1, 1}});
    s->Pointer()->SetVisible(true);
    s->Pointer()->SetSize(7);
    s->SetStairs(true);
    s->LinePen()->SetWidth(3);
    int left = 0, right = 0;
    s->CalcHorizMargins(left, right);
    EXPECT_EQ(left, 8); // the marker's size + 1
    EXPECT_EQ(right, 8);
    s->LinePen()->SetWidth(12);
    int top = 0, bottom = 0;
    s->CalcVerticalMargins(top, bottom);
    EXPECT_EQ(top, 12); // the stairs' pen width
    EXPECT_EQ(bottom, 12);

    // The marks' room goes to the side of the mandatory values only (the top of a normal
    // series), raised from that side's own margin.
    s->LinePen()->SetWidth(1);
    s->Marks()->SetVisible(true);
    s->Marks()->Callout()->SetLength(20);
    top = bottom = 0;
    s->CalcVerticalMargins(top, bottom);
    EXPECT_EQ(top, 20 + s->Marks()->Callout()->Distance());
    EXPECT_EQ(bottom, 8);
    left = right = 0;
    s->CalcHorizMargins(left, right);
    EXPECT_EQ(left, 8);
    EXPECT_EQ(right, 8);
}

// The marks' room raises the margin on the mandatory side from that margin's own value and
// leaves the other one alone, whichever of the two was larger before.
TEST_F(LineSeriesTest, MarksMarginGrowsFromItsOwnSide) {
    TLineSeries* normal = Add({{1, 1}, {2, 2}});
    TLineSeries* horiz = Add<THorizLineSeries>({{12345.5, 1}, {23456.5, 2}});
    for (TLineSeries* s : {normal, horiz}) {
        s->Marks()->SetVisible(true);
        s->Marks()->Callout()->SetLength(20);
    }
    // The horizontal series measures its marks' texts on the chart's canvas.
    TBitmap target;
    target.SetSize(300, 220);
    chart.Canvas()->SetCanvas(target.Canvas());
    struct Case {
        TLineSeries* series;
        int a, b;      // the margins before
        bool marksOnA; // else on B
    };
    const Case cases[] = {
        {normal, 5, 200, true}, {normal, 200, 5, true}, {normal, 5, 6, true},
        {horiz, 5, 200, false}, {horiz, 200, 5, false}, {horiz, 6, 5, false},
    };
    for (const Case& c : cases) {
        const bool isHoriz = c.series == horiz;
        SCOPED_TRACE(::testing::Message() << (isHoriz ? "horizontal " : "normal ") << c.a << "," << c.b);
        const int length = c.series->CalcMarkLength();
        ASSERT_GT(length, 6);
        int a = c.a, b = c.b;
        AddLineMargins(c.series, a, b, true);
        EXPECT_EQ(a, c.marksOnA ? std::max(c.a, length) : c.a);
        EXPECT_EQ(b, c.marksOnA ? c.b : std::max(c.b, length));
        // The other margin pair gets no room for the marks.
        a = c.a;
        b = c.b;
        AddLineMargins(c.series, a, b, false);
        EXPECT_EQ(a, c.a);
        EXPECT_EQ(b, c.b);
    }
    // Through the series: a horizontal series' marks stand to the right of its points.
    horiz->Pointer()->SetVisible(true);
    horiz->Pointer()->SetSize(3);
    int left = 0, right = 0;
    horiz->CalcHorizMargins(left, right);
    EXPECT_EQ(left, 4);
    EXPECT_EQ(right, std::max(4, horiz->CalcMarkLength()));
    int top = 0, bottom = 0;
    horiz->CalcVerticalMargins(top, bottom);
    EXPECT_EQ(top, 4);
    EXPECT_EQ(bottom, 4);
}

TEST_F(LineSeriesTest, AssignBetweenLineAndPointSeries) {
    TPointSeries points(nullptr);
    points.Pointer()->SetStyle(psDiamond);
    TLineSeries line(nullptr);
    line.Assign(&points);
    EXPECT_FALSE(line.Pointer()->Visible());
    EXPECT_EQ(line.Pointer()->Style(), psDiamond);
    EXPECT_TRUE(line.DrawLine());

    TLineSeries source(nullptr);
    source.Pointer()->SetVisible(true);
    source.SetStairs(true);
    source.SetTreatNulls(tnSkip);
    line.Assign(&source);
    EXPECT_TRUE(line.Pointer()->Visible());
    EXPECT_TRUE(line.Stairs());
    EXPECT_EQ(line.TreatNulls(), tnSkip);

    points.Assign(&source);
    EXPECT_TRUE(points.Pointer()->Visible());
    EXPECT_FALSE(points.DrawLine());
    EXPECT_FALSE(points.ClickableLine());
}

TEST_F(LineSeriesTest, GalleryEntries) {
    TLineSeries line(nullptr);
    QStringList texts;
    line.CreateSubGallery([&](const String& Text) { texts << Text; });
    EXPECT_EQ(texts, (QStringList{"Normal", "Stairs", "Points", "Height", "Hollow", "Colors", "Marks",
                                  "No Border", "Outline"}));
    line.SetSubGallery(&line, 3);
    EXPECT_EQ(line.LineHeight(), 5);
    TPointSeries points(nullptr);
    texts.clear();
    points.CreateSubGallery([&](const String& Text) { texts << Text; });
    EXPECT_EQ(texts.size(), 14);
    points.SetSubGallery(&points, 9);
    EXPECT_EQ(points.Pointer()->Style(), psCircle);
    EXPECT_EQ(points.Pointer()->HorizSize(), 8);
}

} // namespace
