// Shape series: every style in 2-D and 3-D, the corners and their styles, text placement
// and colour, the hit test of each style with the corners given in both orders.
#include "chart/series/ChartShape.h"
#include "SeriesTestChart.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "platform/classes/StringList.h"

namespace {

class ChartShapeTest : public SeriesPixelTest {
protected:
    TChartShape* Shape(TChartShapeStyle Style, double X0, double Y0, double X1, double Y1) {
        auto* s = Make<TChartShape>(clRed);
        s->SetStyle(Style);
        s->SetX0(X0);
        s->SetY0(Y0);
        s->SetX1(X1);
        s->SetY1(Y1);
        s->Pen()->SetColor(clBlue);
        return s;
    }
};

TEST_F(ChartShapeTest, ConstructionAndCorners) {
    TChartShape s(nullptr);
    EXPECT_EQ(s.Count(), 2);
    EXPECT_EQ(s.Style(), chasCircle);
    EXPECT_EQ(s.XYStyle(), xysAxis);
    EXPECT_DOUBLE_EQ(s.X1(), 100);
    EXPECT_FALSE(s.ManualData());
    s.SetY0(7);
    EXPECT_TRUE(s.ManualData());
    s.SetSeriesColor(clGreen);
    EXPECT_EQ(s.Brush()->Color(), clGreen);
    // Reading a corner of an empty shape adds the points it needs.
    s.Clear();
    EXPECT_DOUBLE_EQ(s.X1(), 0);
    EXPECT_EQ(s.Count(), 2);
    s.SetShapeRectangle(TRect{10, 20, 30, 40});
    EXPECT_EQ(s.XYStyle(), xysPixels);
    EXPECT_FALSE(s.UseAxis());
    EXPECT_EQ(s.GetShapeRectangle(), (TRect{10, 20, 30, 40}));
    // Coinciding corners still make a shape one pixel wide and high.
    s.SetShapeRectangle(TRect{10, 20, 10, 20});
    EXPECT_EQ(s.GetAdjustedRectangle(), (TRect{10, 20, 11, 21}));
}

struct StyleCase {
    TChartShapeStyle style;
    // Points inside the shape's box (fractions of the box from its left top), with the
    // colour expected there: the brush (red), the pen (blue) or nothing (white).
    double fx, fy;
    TColor colour;
};

TEST_F(ChartShapeTest, EveryStyleIn2DAnd3D) {
    const StyleCase cases[] = {
        {chasRectangle, 0.5, 0.5, clRed},      {chasRectangle, 0.9, 0.1, clRed},
        {chasCircle, 0.5, 0.5, clRed},         {chasCircle, 0.05, 0.05, clWhite},
        {chasVertLine, 0.5, 0.3, clBlue},      {chasVertLine, 0.3, 0.3, clWhite},
        {chasHorizLine, 0.3, 0.5, clBlue},     {chasHorizLine, 0.3, 0.3, clWhite},
        {chasTriangle, 0.5, 0.8, clRed},       {chasTriangle, 0.1, 0.2, clWhite},
        {chasInvertTriangle, 0.5, 0.2, clRed}, {chasInvertTriangle, 0.1, 0.8, clWhite},
        {chasDiamond, 0.5, 0.5, clRed},        {chasDiamond, 0.1, 0.1, clWhite},
        {chasCube, 0.5, 0.5, clRed},           {chasCross, 0.5, 0.2, clBlue},
        {chasCross, 0.2, 0.2, clWhite},        {chasStar, 0.5, 0.2, clBlue},
        {chasPyramid, 0.5, 0.8, clRed},        {chasInvertPyramid, 0.5, 0.2, clRed},
    };
    for (bool is3D : {false, true}) {
        chart.SetView3D(is3D);
        chart.View3DOptions()->SetOrthogonal(true);
        for (const StyleCase& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << (is3D ? "3-D " : "2-D ") << int(c.style) << " at " << c.fx << "," << c.fy);
            TChartShape* s = Shape(c.style, 2, 8, 8, 2);
            Paint();
            const TRect r = s->GetAdjustedRectangle();
            TPoint p{r.Left + int((r.Right - r.Left) * c.fx), r.Top + int((r.Bottom - r.Top) * c.fy)};
            if (is3D) p = chart.Canvas()->Calculate3DPosition(p.X, p.Y, s->MiddleZ);
            if (is3D && (c.style == chasCube || c.style == chasPyramid || c.style == chasInvertPyramid))
                EXPECT_NE(At(p), clWhite); // shaded faces
            else
                EXPECT_EQ(At(p), c.colour);
            delete s;
        }
    }
}

TEST_F(ChartShapeTest, LineKeepsItsDirection) {
    TChartShape* s = Shape(chasLine, 2, 2, 8, 8);
    Paint();
    // From the bottom left to the top right, not across the other diagonal.
    EXPECT_EQ(At(ValuePos(5, 5)), clBlue);
    EXPECT_EQ(At(ValuePos(3, 7)), clWhite);
    EXPECT_EQ(s->Clicked(XPos(5), YPos(5)), 0);
    EXPECT_EQ(s->Clicked(XPos(3), YPos(7)), -1);
}

TEST_F(ChartShapeTest, NothingDrawnWithThreePointsOrOutsideTheChart) {
    TChartShape* s = Shape(chasRectangle, 2, 2, 8, 8);
    s->AddXY(5, 5);
    Paint();
    EXPECT_EQ(At(ValuePos(4, 4)), clWhite);
    s->Delete(2);
    Paint();
    EXPECT_EQ(At(ValuePos(4, 4)), clRed);
    s->SetX0(20);
    s->SetX1(30);
    Paint();
    EXPECT_EQ(At(chart.ChartRect.Right - 2, YPos(5)), clWhite);
}

TEST_F(ChartShapeTest, TextAlignmentsAndColour) {
    TChartShape* s = Shape(chasRectangle, 1, 9, 9, 1);
    s->Text()->Add("WWWW");
    s->Font()->SetColor(clBlack);
    s->Font()->SetSize(12);
    s->Pen()->SetVisible(false);
    const TRect r = [&] {
        Paint();
        return s->GetAdjustedRectangle();
    }();
    // Any black pixel in the band of rows [Top, Bottom) and columns [Left, Right).
    auto blackIn = [&](int Left, int Top, int Right, int Bottom, TColor Colour = clBlack) {
        for (int y = Top; y < Bottom; ++y)
            for (int x = Left; x < Right; ++x)
                if (At(x, y) == Colour) return true;
        return false;
    };
    const int third = (r.Right - r.Left) / 3, h = (r.Bottom - r.Top) / 3;
    struct Case {
        TAlignment align;
        TTeeVertAlign vert;
        int column, row; // which third holds the text
    };
    for (const Case c : {Case{taLeftJustify, vaTop, 0, 0}, Case{taCenter, vaCenter, 1, 1},
                         Case{taRightJustify, vaBottom, 2, 2}}) {
        SCOPED_TRACE(testing::Message() << int(c.align) << "," << int(c.vert));
        s->SetAlignment(c.align);
        s->SetVertAlign(c.vert);
        Paint();
        for (int col = 0; col < 3; ++col)
            for (int row = 0; row < 3; ++row) {
                const int left = r.Left + col * third, top = r.Top + row * h;
                EXPECT_EQ(blackIn(left, top, left + third, top + h), col == c.column && row == c.row)
                    << col << "," << row;
            }
    }
    // Black text on a black brush turns white.
    s->SetSeriesColor(clBlack);
    s->SetAlignment(taCenter);
    s->SetVertAlign(vaCenter);
    Paint();
    EXPECT_TRUE(blackIn(r.Left + third, r.Top + h, r.Left + 2 * third, r.Top + 2 * h, clWhite));
}

TEST_F(ChartShapeTest, ClicksPerStyleWithTheCornersInBothOrders) {
    struct Case {
        TChartShapeStyle style;
        double x, y; // in values, the shape spans 2 .. 8 both ways
        int expected;
    };
    const Case cases[] = {
        {chasRectangle, 5, 5, 0},
        {chasRectangle, 8, 8, 0},
        {chasRectangle, 9, 5, -1},
        {chasCircle, 5, 5, 0},
        {chasCircle, 2.3, 2.3, -1},
        {chasVertLine, 5, 3, 0},
        {chasVertLine, 4, 3, -1},
        {chasHorizLine, 3, 5, 0},
        {chasHorizLine, 3, 4, -1},
        // The apex is at the top on the screen, as drawn.
        {chasTriangle, 5, 7.5, 0},
        {chasTriangle, 5, 2.5, 0},
        {chasTriangle, 2.5, 7.5, -1},
        {chasPyramid, 2.5, 7.5, -1},
        {chasInvertTriangle, 5, 2.5, 0},
        {chasInvertTriangle, 2.5, 2.5, -1},
        {chasInvertPyramid, 5, 7.5, 0},
        {chasDiamond, 5, 5, 0},
        {chasDiamond, 2.5, 2.5, -1},
        {chasStar, 2.5, 2.5, 0},
        {chasCube, 9, 9, -1},
    };
    for (bool swapped : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << int(c.style) << " at " << c.x << "," << c.y << (swapped ? " swapped" : ""));
            TChartShape* s = swapped ? Shape(c.style, 8, 8, 2, 2) : Shape(c.style, 2, 2, 8, 8);
            Paint();
            EXPECT_EQ(s->Clicked(XPos(c.x), YPos(c.y)), c.expected);
            delete s;
        }
    }
}

} // namespace
