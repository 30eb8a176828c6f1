// Arrow, bubble and Gantt series: their drawing, hit tests, ranges widened by the extra
// value lists, and those lists in the stored point data.
#include "SeriesTestChart.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/series/SeriesDataStream.h"
#include "chart/series/ArrowSeries.h"
#include "chart/series/BubbleSeries.h"
#include "chart/series/GanttSeries.h"
#include "platform/classes/Streams.h"

namespace {

using ExtendedSeriesTest = SeriesPixelTest;

TEST_F(ExtendedSeriesTest, ArrowsRunFromStartToEnd) {
    auto* s = Make<TArrowSeries>(clRed);
    s->AddArrow(2, 2, 8, 2);
    s->AddArrow(2, 8, 4, 8, QString(), clBlue);
    EXPECT_FALSE(s->CanDoExtra());
    EXPECT_DOUBLE_EQ(s->EndXValues()->Value(0), 8);
    EXPECT_DOUBLE_EQ(s->MaxXValue(), 8);
    EXPECT_DOUBLE_EQ(s->MinYValue(), 2);
    Paint();
    EXPECT_EQ(At(ValuePos(5, 2)), clRed);
    EXPECT_EQ(At(ValuePos(3, 8)), clBlue);
    EXPECT_EQ(At(ValuePos(5, 5)), clWhite);
    EXPECT_EQ(s->Clicked(XPos(5), YPos(2)), 0);
    EXPECT_EQ(s->Clicked(XPos(5), YPos(2) + 1), 0);
    EXPECT_EQ(s->Clicked(XPos(3), YPos(8)), 1);
    EXPECT_EQ(s->Clicked(XPos(6), YPos(5)), -1);
}

TEST_F(ExtendedSeriesTest, ArrowSubGalleryHasNoExtraPointerStyles) {
    TArrowSeries arrow(nullptr);
    TPointSeries point(nullptr);
    int arrows = 0, points = 0;
    arrow.CreateSubGallery([&](const String&) { ++arrows; });
    point.CreateSubGallery([&](const String&) { ++points; });
    EXPECT_EQ(arrows, points - 8);
}

TEST_F(ExtendedSeriesTest, BubbleRadiusWidensTheRangeAndSizesTheCircle) {
    auto* s = Make<TBubbleSeries>(clRed);
    s->SetColorEachPoint(false);
    s->AddBubble(5, 10, 5);
    EXPECT_DOUBLE_EQ(s->MaxYValue(), 15);
    EXPECT_DOUBLE_EQ(s->MinYValue(), 5);
    chart.LeftAxis()->SetMinMax(0, 20);
    // The horizontal axis twice as dense: a squared bubble stays round on the screen.
    chart.BottomAxis()->SetMinMax(0, 40);
    s->Pointer()->Pen()->SetVisible(false);
    Paint();
    const int radius = YPos(10) - YPos(15);
    const TPoint c = Pos(s, 0);
    EXPECT_EQ(At(c.X + radius - 2, c.Y), clRed);
    EXPECT_EQ(At(c.X + radius + 2, c.Y), clWhite);
    EXPECT_EQ(At(c.X, c.Y - radius + 2), clRed);
    s->SetSquared(false);
    Paint();
    const int wide = XPos(10) - XPos(5);
    ASSERT_LT(wide + 3, radius);
    EXPECT_EQ(At(c.X + wide + 2, c.Y), clWhite);
}

TEST_F(ExtendedSeriesTest, BubbleClicksFollowThePointerStyle) {
    auto* s = Make<TBubbleSeries>(clRed);
    s->AddBubble(5, 5, 2);
    Paint();
    const TPoint c = Pos(s, 0);
    const int r = YPos(5) - YPos(7);
    struct Case {
        TSeriesPointerStyle style;
        int dx, dy;
        bool hit;
    };
    // The corner of the square around the marker is outside the circle, diamond and
    // triangles; the centre is inside all; just above the apex of a triangle misses.
    const Case cases[] = {
        {psCircle, 0, 0, true},
        {psCircle, r - 2, r - 2, false},
        {psCircle, r - 2, 0, true},
        {psRectangle, r - 2, r - 2, true},
        {psDiamond, r - 2, r - 2, false},
        {psDiamond, r / 2 - 1, 0, true},
        {psTriangle, 0, -r / 2, true},
        {psTriangle, r - 2, -r + 2, false},
        {psDownTriangle, 0, r / 2, true},
        {psDownTriangle, r - 2, r - 2, false},
        {psLeftTriangle, -r / 2, 0, true},
        {psLeftTriangle, -r + 2, -r + 2, false},
        {psRightTriangle, r / 2, 0, true},
        {psRightTriangle, r - 2, r - 2, false},
        {psNothing, 0, 0, false},
    };
    for (const Case& c2 : cases) {
        SCOPED_TRACE(testing::Message() << int(c2.style) << " " << c2.dx << "," << c2.dy);
        s->Pointer()->SetStyle(c2.style);
        EXPECT_EQ(s->ClickedPointer(0, c.X, c.Y, c.X + c2.dx, c.Y + c2.dy), c2.hit);
    }
}

TEST_F(ExtendedSeriesTest, GanttBarsAndConnectors) {
    auto* s = Make<TGanttSeries>(clRed);
    s->SetColorEachPoint(false);
    s->Pointer()->Pen()->SetVisible(false);
    s->ConnectingPen()->SetColor(clBlue);
    const int a = s->AddGantt(1, 4, 2, "a");
    const int b = s->AddGantt(6, 9, 6, "b");
    const int c = s->AddGantt(6, 9, 9, "c");
    EXPECT_DOUBLE_EQ(s->NextTask()->Value(a), -1);
    s->NextTask()->SetValue(a, b);
    s->NextTask()->SetValue(b, 7); // out of range: no connector
    (void)c;
    EXPECT_DOUBLE_EQ(s->MaxXValue(), 9);
    Paint();
    EXPECT_EQ(At(ValuePos(2.5, 2)), clRed);
    EXPECT_EQ(At(ValuePos(7.5, 6)), clRed);
    // The connector: across from the end of a, up at the middle, across into b.
    const int mid = XPos(4) + (XPos(6) - XPos(4)) / 2;
    EXPECT_EQ(At(XPos(4) + 2, YPos(2)), clBlue);
    EXPECT_EQ(At(mid, YPos(4)), clBlue);
    EXPECT_EQ(At(mid, YPos(7)), clWhite);
    // None from b, whose next task is out of range, nor from c (-1).
    EXPECT_EQ(At(XPos(9) + 3, YPos(6)), clWhite);
    EXPECT_EQ(At(XPos(9) + 3, YPos(9)), clWhite);
}

TEST_F(ExtendedSeriesTest, GanttClicks) {
    auto* s = Make<TGanttSeries>(clRed);
    s->AddGantt(2, 6, 5, "a");
    s->Pointer()->SetVertSize(4);
    Paint();
    const int x0 = XPos(2), x1 = XPos(6), y = YPos(5);
    struct Case {
        const char* name;
        int x, y, expected;
    };
    const Case cases[] = {
        {"the start", x0, y, 0},
        {"one pixel left of the start", x0 - 1, y, -1},
        {"the end", x1, y, 0},
        {"past the end", x1 + 1, y, -1},
        {"within the half height", (x0 + x1) / 2, y + 3, 0},
        {"at the half height", (x0 + x1) / 2, y + 4, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(s->Clicked(c.x, c.y), c.expected);
    }
}

TEST_F(ExtendedSeriesTest, ExtraValueListsRoundTripInTheStoredData) {
    TArrowSeries arrow(nullptr);
    arrow.AddArrow(1, 2, 3, 4);
    arrow.AddArrow(5, 6, 7, 8);
    TBubbleSeries bubble(nullptr);
    bubble.AddBubble(1, 2, 3);
    TGanttSeries gantt(nullptr);
    gantt.AddGantt(10, 20, 1);
    gantt.AddGantt(30, 40, 2);
    gantt.NextTask()->SetValue(0, 1);
    struct Case {
        TChartSeries* source;
        TChartSeries* copy;
    };
    TArrowSeries arrowCopy(nullptr);
    TBubbleSeries bubbleCopy(nullptr);
    TGanttSeries ganttCopy(nullptr);
    for (const Case c : {Case{&arrow, &arrowCopy}, Case{&bubble, &bubbleCopy}, Case{&gantt, &ganttCopy}}) {
        SCOPED_TRACE(c.source->ClassName().toStdString());
        TMemoryStream m;
        WriteSeriesData(c.source, &m);
        m.SetPosition(0);
        ReadSeriesData(c.copy, &m);
        ASSERT_EQ(c.copy->Count(), c.source->Count());
        ASSERT_EQ(c.copy->ValuesList()->Count(), c.source->ValuesList()->Count());
        for (int l = 0; l < c.source->ValuesList()->Count(); ++l)
            for (int i = 0; i < c.source->Count(); ++i)
                EXPECT_DOUBLE_EQ(c.copy->ValuesList()->Get(l)->Value(i),
                                 c.source->ValuesList()->Get(l)->Value(i));
    }
    EXPECT_EQ(ganttCopy.XValues()->Name(), "Start");
    EXPECT_EQ(ganttCopy.EndValues()->Name(), "End");
    EXPECT_EQ(bubbleCopy.RadiusValues()->Name(), "Radius");
    EXPECT_EQ(arrowCopy.EndYValues()->Name(), "EndY");
}

} // namespace
