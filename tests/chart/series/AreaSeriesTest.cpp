// Area series: the fill to the axis, to a fixed origin and onto the area stacked below,
// stairs, the gradient, gaps, 3-D closing faces, the horizontal area, the hit test of the
// filled region and copying.
#include "chart/series/AreaSeries.h"
#include "SeriesTestChart.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/series/LineSeries.h"

namespace {

class AreaSeriesTest : public SeriesPixelTest {
protected:
    template <class S = TAreaSeries>
    S* Area(std::initializer_list<std::pair<double, double>> Points, TColor Color = clRed) {
        S* s = Make<S>(Color);
        s->LinePen()->SetVisible(false);
        s->AreaLinesPen()->SetVisible(false);
        for (auto [x, y] : Points)
            s->AddXY(x, y);
        return s;
    }
};

TEST_F(AreaSeriesTest, ConstructionAndMultiArea) {
    TAreaSeries a(nullptr);
    EXPECT_TRUE(a.DrawArea());
    EXPECT_FALSE(a.AllowSinglePoint());
    EXPECT_FALSE(a.Pointer()->Visible());
    EXPECT_TRUE(a.DrawBetweenPoints());
    EXPECT_EQ(a.GetEditorClass(), "TAreaSeriesEditor");
    THorizAreaSeries h(nullptr);
    EXPECT_FALSE(h.YMandatory());
    EXPECT_EQ(h.YValues()->Order(), loAscending);
    EXPECT_EQ(h.XValues()->Order(), loNone);
    EXPECT_EQ(h.Gradient()->Direction(), gdRightLeft);
    EXPECT_EQ(h.NumSampleValues(), 10);
    for (auto [stacked, multi] : {std::pair{cssNone, maNone}, std::pair{cssOverlap, maNone},
                                  std::pair{cssStack, maStacked}, std::pair{cssStack100, maStacked100}}) {
        a.SetStacked(stacked);
        EXPECT_EQ(a.MultiArea(), multi) << int(stacked);
    }
    a.SetMultiArea(maStacked100);
    EXPECT_EQ(a.Stacked(), cssStack100);
}

TEST_F(AreaSeriesTest, FillsDownToTheAxisOrToTheOrigin) {
    TAreaSeries* s = Area({{1, 5}, {5, 10}, {9, 6}});
    Paint();
    // Between the line and the bottom axis, nothing above the line.
    EXPECT_EQ(At(ValuePos(3, 1)), clRed);
    EXPECT_EQ(At(ValuePos(3, 6)), clRed);
    EXPECT_EQ(At(ValuePos(3, 9)), clWhite);

    s->SetUseYOrigin(true);
    s->SetYOrigin(2);
    chart.LeftAxis()->SetAutomatic(true);
    Paint();
    EXPECT_DOUBLE_EQ(s->MinYValue(), 2);
    EXPECT_LE(chart.LeftAxis()->Minimum(), 2);
    chart.LeftAxis()->SetMinMax(0, 10);
    Paint();
    EXPECT_EQ(s->GetOriginPos(0), YPos(2));
    EXPECT_EQ(At(XPos(3), YPos(3)), clRed);
    EXPECT_EQ(At(XPos(3), YPos(2) + 3), clWhite); // below the origin stays empty
}

TEST_F(AreaSeriesTest, StairsFillStepsBothWays) {
    TAreaSeries* s = Area({{2, 3}, {8, 8}});
    s->SetStairs(true);
    Paint();
    // Not inverted: the step keeps the first height up to the second point.
    EXPECT_EQ(At(ValuePos(5, 2)), clRed);
    EXPECT_EQ(At(ValuePos(5, 5)), clWhite);
    s->SetInvertedStairs(true);
    Paint();
    EXPECT_EQ(At(ValuePos(5, 5)), clRed);
    EXPECT_EQ(At(ValuePos(5, 7.5)), clRed);
}

TEST_F(AreaSeriesTest, GradientStaysInsideThePolygon) {
    TAreaSeries* s = Area({{1, 2}, {9, 9}});
    s->Gradient()->SetVisible(true);
    s->Gradient()->SetStartColor(clBlue);
    s->Gradient()->SetEndColor(clBlue);
    Paint();
    EXPECT_EQ(At(ValuePos(8, 3)), clBlue);
    // Above the slanted top, inside the gradient's rectangle, nothing is painted.
    EXPECT_EQ(At(ValuePos(2, 8)), clWhite);
}

TEST_F(AreaSeriesTest, AreasStackOnlyWithinTheirGroup) {
    TAreaSeries* a = Area({{1, 3}, {9, 3}}, clRed);
    TAreaSeries* b = Area({{1, 2}, {9, 2}}, clBlue);
    a->SetMultiArea(maStacked);
    EXPECT_EQ(b->MultiArea(), maStacked);
    Paint();
    // The second area sits on top of the first: 3 .. 5.
    EXPECT_EQ(At(ValuePos(5, 1.5)), clRed);
    EXPECT_EQ(At(ValuePos(5, 4)), clBlue);
    EXPECT_EQ(b->GetOriginPos(0), YPos(3));

    b->SetStackGroup(1);
    Paint();
    EXPECT_EQ(b->GetOriginPos(0), chart.LeftAxis()->IEndPos);
    EXPECT_EQ(At(ValuePos(5, 4)), clWhite);
}

TEST_F(AreaSeriesTest, DontPaintLeavesAGapAtANull) {
    TAreaSeries* s = Area({{1, 5}, {3, 5}, {5, 5}, {7, 5}, {9, 5}});
    s->SetNull(2);
    Paint();
    EXPECT_EQ(At(ValuePos(2, 2)), clRed);
    EXPECT_EQ(At(ValuePos(4, 2)), clWhite);
    EXPECT_EQ(At(ValuePos(6, 2)), clWhite);
    EXPECT_EQ(At(ValuePos(8, 2)), clRed);
}

TEST_F(AreaSeriesTest, ThreeDimensionalSidesCloseTheGap) {
    chart.SetView3D(true);
    chart.View3DOptions()->SetOrthogonal(true);
    TAreaSeries* s = Area({{1, 5}, {3, 5}, {5, 5}, {7, 5}, {9, 5}});
    s->SetDark3D(false);
    s->SetNull(2);
    Paint();
    TCanvas3D* canvas = chart.Canvas();
    // The side face at point 1 (before the gap), halfway back and halfway down.
    auto side = [&](int Index) {
        const TPoint f = canvas->Calculate3DPosition(s->CalcXPos(Index), YPos(2.5), s->StartZ);
        const TPoint b = canvas->Calculate3DPosition(s->CalcXPos(Index), YPos(2.5), s->EndZ);
        return TPoint{(f.X + b.X) / 2, (f.Y + b.Y) / 2};
    };
    EXPECT_EQ(At(side(1)), clRed);
    // The last point closes the area too.
    EXPECT_EQ(At(side(4)), clRed);
}

TEST_F(AreaSeriesTest, HorizontalAreaFillsToTheLeftAxis) {
    Area<THorizAreaSeries>({{5, 1}, {8, 9}});
    Paint();
    EXPECT_EQ(At(ValuePos(1, 5)), clRed);
    EXPECT_EQ(At(ValuePos(4, 2)), clRed);
    EXPECT_EQ(At(ValuePos(9, 5)), clWhite);
}

TEST_F(AreaSeriesTest, ClickInsideTheFilledRegion) {
    struct Case {
        const char* name;
        bool horizontal, stairs, inverted;
        double x, y; // the click, in values
        int expected;
    };
    const Case cases[] = {
        {"between points 3 and 4", false, false, false, 3.5, 2, 3},
        {"above the line", false, false, false, 3.5, 9.5, -1},
        {"under a flat step", false, true, false, 3.5, 3.5, 3},
        {"above a flat step", false, true, false, 3.5, 5.5, -1},
        {"under an inverted step", false, true, true, 3.5, 5.5, 3},
        {"horizontal, left of the line", true, false, false, 2, 3.5, 3},
        {"horizontal, right of the line", true, false, false, 9.5, 3.5, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TCustomSeries* s;
        // Values 1, 2, 3, 4, 6, 8 at 0 .. 5; point 3 at 4, point 4 at 6.
        if (c.horizontal)
            s = Area<THorizAreaSeries>({{1, 0}, {2, 1}, {3, 2}, {4, 3}, {6, 4}, {8, 5}});
        else
            s = Area({{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 6}, {5, 8}});
        s->SetStairs(c.stairs);
        s->SetInvertedStairs(c.inverted);
        Paint();
        EXPECT_EQ(s->Clicked(XPos(c.x), YPos(c.y)), c.expected);
        delete s;
    }
}

TEST_F(AreaSeriesTest, AssignTakesTheOriginOnlyFromAnArea) {
    TAreaSeries source(nullptr);
    source.SetYOrigin(4);
    source.SetUseYOrigin(true);
    source.SetStackGroup(2);
    TAreaSeries copy(nullptr);
    copy.Assign(&source);
    EXPECT_DOUBLE_EQ(copy.YOrigin(), 4);
    EXPECT_TRUE(copy.UseYOrigin());
    EXPECT_EQ(copy.StackGroup(), 2);
    EXPECT_TRUE(copy.DrawArea());

    // A source of an ancestor class has no origin settings: ours stay.
    TCustomSeries ancestor(nullptr);
    copy.Assign(&ancestor);
    EXPECT_DOUBLE_EQ(copy.YOrigin(), 4);
    EXPECT_TRUE(copy.UseYOrigin());
    EXPECT_EQ(copy.StackGroup(), 2);

    // An unrelated class hides the pointer.
    TLineSeries line(nullptr);
    line.Pointer()->SetVisible(true);
    copy.Pointer()->SetVisible(true);
    copy.Assign(&line);
    EXPECT_FALSE(copy.Pointer()->Visible());
}

} // namespace
