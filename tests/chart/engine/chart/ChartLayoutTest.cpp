// The chart's layout: the frame order with walls, titles and legend, the room each title
// block takes, the walls in 2-D and 3-D, and the legend's layout, clicks and check boxes.
#include "LayoutTestSupport.h"

#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/List.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/SysMath.h"

#include <gtest/gtest.h>

namespace {

// The entities of the parts this test looks at, in drawing order.
QStringList parts(const QStringList& Entities) {
    static const QStringList known{"Legend", "title", "subtitle", "foot", "subfoot", "axes", "BoxA", "BoxB"};
    QStringList result;
    for (const QString& e : Entities)
        if (known.contains(e)) result << e;
    return result;
}

// The height of "W" in Font on Chart's canvas.
int textHeight(TLayoutChart& Chart, TTeeFont* Font) {
    Chart.Canvas()->AssignFont(Font);
    return Chart.Canvas()->TextHeight(QStringLiteral("W"));
}

// ---- frame order -------------------------------------------------------------------------------

TEST(ChartFrame, DrawsWallsAxesSeriesLegendAndTitlesInTheirOrder) {
    TLayoutChart chart(400, 300, true);
    TTestBoxSeries* a = chart.AddBoxSeries({1, 2, 3}, QStringLiteral("A"));
    a->SetName(QStringLiteral("BoxA"));
    chart.AddBoxSeries({3, 2, 1}, QStringLiteral("B"))->SetName(QStringLiteral("BoxB"));
    chart.Title()->SetCaption(QStringLiteral("Title"));
    chart.Foot()->SetCaption(QStringLiteral("Foot"));
    chart.Paint();
    EXPECT_EQ(chart.Steps,
              (QStringList{"titles before", "walls", "axes", "series", "titles after", "after"}));
    // A vertical legend is laid out before the title blocks; the series come after the axes.
    EXPECT_EQ(parts(chart.Entities()),
              (QStringList{"Legend", "title", "subtitle", "foot", "subfoot", "axes", "BoxA", "BoxB"}));

    // A horizontal legend comes after the blocks; axes drawn after the series when not behind.
    chart.Legend()->SetAlignment(laBottom);
    chart.SetAxisBehind(false);
    chart.Paint();
    EXPECT_EQ(chart.Steps,
              (QStringList{"titles before", "walls", "series", "axes", "titles after", "after"}));
    EXPECT_EQ(parts(chart.Entities()),
              (QStringList{"title", "subtitle", "foot", "subfoot", "Legend", "BoxA", "BoxB", "axes"}));

    // Blocks and the legend with a custom position are drawn after the series.
    chart.Title()->SetCustomPosition(true);
    chart.Legend()->SetCustomPosition(true);
    chart.Paint();
    EXPECT_EQ(parts(chart.Entities()),
              (QStringList{"subtitle", "foot", "subfoot", "BoxA", "BoxB", "axes", "Legend", "title"}));
}

TEST(ChartFrame, AutoRepaintComesBackAfterAFrameThatThrows) {
    TLayoutChart chart;
    chart.AddBoxSeries({1, 2});
    chart.OnGetLegendText = TOnGetLegendText([](TCustomAxisPanel*, TLegendStyle, int, String&) {
        throw Exception(QStringLiteral("handler failed"));
    });
    EXPECT_THROW(chart.Paint(), Exception);
    EXPECT_TRUE(chart.AutoRepaint());
    chart.OnGetLegendText = TOnGetLegendText();
    EXPECT_NO_THROW(chart.Paint());
    EXPECT_TRUE(chart.AutoRepaint());
}

// ---- title blocks ------------------------------------------------------------------------------

struct TitleRoom {
    const char* name;
    bool foot;
    bool visible;
    QStringList lines;
    int expectedLines; // lines that take room
};

class TitleBlockRoom : public ::testing::TestWithParam<TitleRoom> {};

TEST_P(TitleBlockRoom, TakesTheRoomOfItsLinesAndTheMargin) {
    const TitleRoom& c = GetParam();
    TLayoutChart chart;
    TChartTitle* block = c.foot ? chart.Foot() : chart.Title();
    block->Frame()->SetVisible(false);
    for (const QString& line : c.lines)
        block->Text()->Add(line);
    block->SetVisible(c.visible);
    const TRect before{10, 20, 390, 280};
    chart.ChartRect = before;
    block->DrawTitle();
    const int h = textHeight(chart, block->Font());
    const int room = c.expectedLines == 0 ? 0 : c.expectedLines * h + 5;
    if (c.foot) {
        EXPECT_EQ(chart.ChartRect.Bottom, before.Bottom - room);
        EXPECT_EQ(chart.ChartRect.Top, before.Top);
    } else {
        EXPECT_EQ(chart.ChartRect.Top, before.Top + room);
        EXPECT_EQ(chart.ChartRect.Bottom, before.Bottom);
    }
}

INSTANTIATE_TEST_SUITE_P(Blocks, TitleBlockRoom,
                         ::testing::Values(TitleRoom{"title", false, true, {"Title"}, 1},
                                           TitleRoom{"two_lines", false, true, {"One", "Two"}, 2},
                                           TitleRoom{"foot", true, true, {"Foot"}, 1},
                                           TitleRoom{"empty", false, true, {}, 0},
                                           TitleRoom{"hidden", false, false, {"Title"}, 0},
                                           TitleRoom{"hidden_foot", true, false, {"Foot"}, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartTitle, CaptionIsTheFirstLineAndReplacesEveryLine) {
    TChartTitle title;
    EXPECT_EQ(title.Caption(), QString());
    title.Text()->Add(QStringLiteral("a"));
    title.Text()->Add(QStringLiteral("b"));
    EXPECT_EQ(title.Caption(), QStringLiteral("a"));
    title.SetCaption(QStringLiteral("c"));
    EXPECT_EQ(title.Text()->Count(), 1);
    title.SetCaption(QString());
    EXPECT_EQ(title.Text()->Count(), 0);
}

TEST(ChartTitle, FrameSpansTheWidthOnlyWithoutAdjustFrame) {
    TLayoutChart chart;
    chart.Title()->Frame()->SetVisible(false);
    chart.Title()->SetCaption(QStringLiteral("Hi"));
    chart.ChartRect = TRect{10, 20, 390, 280};
    chart.Title()->DrawTitle();
    const TRect adjusted = chart.Title()->TitleRect();
    EXPECT_LT(adjusted.Right - adjusted.Left, 100);
    EXPECT_NEAR((adjusted.Left + adjusted.Right) / 2, 200, 1);

    chart.Title()->SetAdjustFrame(false);
    chart.ChartRect = TRect{10, 20, 390, 280};
    chart.Title()->DrawTitle();
    EXPECT_EQ(chart.Title()->TitleRect().Left, 10);
    EXPECT_EQ(chart.Title()->TitleRect().Right, 390);
    EXPECT_TRUE(chart.Title()->Clicked(10, 21));
    EXPECT_FALSE(chart.Title()->Clicked(9, 21));
}

// ---- walls -------------------------------------------------------------------------------------

TEST(ChartWalls, DefaultsAndWallSizeByAxis) {
    TLayoutChart chart;
    EXPECT_EQ(chart.BackWall()->Color(), clSilver);
    EXPECT_TRUE(chart.BackWall()->Transparent());
    EXPECT_EQ(chart.LeftWall()->Color(), TColor(0x80FFFF));
    EXPECT_EQ(chart.BottomWall()->Color(), TColor(0xFFFFFF));
    EXPECT_FALSE(chart.RightWall()->Visible());
    chart.Walls()->SetSize(4);
    EXPECT_EQ(chart.CalcWallSize(chart.LeftAxis()), 0) << "2-D";
    chart.SetView3D(true);
    EXPECT_EQ(chart.CalcWallSize(chart.LeftAxis()), 4);
    EXPECT_EQ(chart.CalcWallSize(chart.RightAxis()), 0) << "hidden right wall";
    EXPECT_EQ(chart.CalcWallSize(chart.TopAxis()), 4) << "back wall";
    chart.SetView3DWalls(false);
    EXPECT_EQ(chart.CalcWallSize(chart.BottomAxis()), 0);
}

TEST(ChartWalls, EndPositionEndsTheWallHalfway) {
    TLayoutChart chart;
    chart.ChartRect = TRect{10, 20, 390, 220};
    int top = 0, bottom = 0;
    chart.BackWall()->CalcPositions(top, bottom);
    EXPECT_EQ(top, 20);
    EXPECT_EQ(bottom, 220);
    chart.BackWall()->SetEndPosition(50);
    chart.BackWall()->SetStartPosition(10);
    chart.BackWall()->CalcPositions(top, bottom);
    EXPECT_EQ(bottom, 120);
    EXPECT_EQ(top, 40);
}

// A chart whose back wall is a solid red rectangle and whose panel is white.
void paintRedBackWall(TLayoutChart& Chart) {
    Chart.SetPanelColor(clWhite);
    Chart.BackWall()->SetTransparent(false);
    Chart.BackWall()->SetColor(clRed);
    Chart.BackWall()->Pen()->SetColor(clRed);
    Chart.Legend()->SetVisible(false);
    Chart.LeftAxis()->SetVisible(false);
    Chart.BottomAxis()->SetVisible(false);
    Chart.Paint();
}

TEST(ChartWalls, BackWallIn2DCoversThePlottingRectangleOnePixelWiderAndTaller) {
    TLayoutChart chart;
    chart.AddBoxSeries({1, 2});
    paintRedBackWall(chart);
    const TRect r = chart.ChartRect;
    EXPECT_EQ(chart.Pixel(r.Left, r.Top), clRed);
    EXPECT_EQ(chart.Pixel(r.Right, r.Bottom), clRed);
    EXPECT_EQ(chart.Pixel(r.Right + 1, r.Top + 5), clWhite);
    EXPECT_EQ(chart.Pixel(r.Left + 5, r.Bottom + 1), clWhite);
}

TEST(ChartWalls, NoWallWithoutWallsOrWhenTheFirstSeriesUsesNoAxes) {
    {
        TLayoutChart chart;
        chart.AddBoxSeries({1, 2});
        chart.SetView3DWalls(false);
        paintRedBackWall(chart);
        EXPECT_EQ(chart.Pixel(chart.ChartRect.Left + 5, chart.ChartRect.Top + 5), clWhite);
    }
    {
        TLayoutChart chart;
        chart.AddBoxSeries({1, 2})->UsesAxes = false;
        chart.AddBoxSeries({1, 2});
        EXPECT_FALSE(chart.ActiveSeriesUseAxis());
        paintRedBackWall(chart);
        EXPECT_EQ(chart.Pixel(chart.ChartRect.Left + 5, chart.ChartRect.Top + 5), clWhite);
    }
}

TEST(ChartWalls, GradientFillsTheBackWall) {
    TLayoutChart chart;
    chart.AddBoxSeries({1, 2});
    chart.BackWall()->SetTransparent(false);
    TTeeGradient* g = chart.BackWall()->Gradient();
    g->SetVisible(true);
    g->SetStartColor(clBlue);
    g->SetEndColor(clBlue);
    chart.Legend()->SetVisible(false);
    chart.Paint();
    EXPECT_EQ(chart.Pixel(chart.ChartRect.Left + 20, chart.ChartRect.Top + 20), clBlue);
}

TEST(ChartWalls, In3DTheWallsTakeRoomAndTheSideFacesAreDrawn) {
    TLayoutChart chart;
    chart.AddBoxSeries({1, 2});
    chart.Legend()->SetVisible(false);
    chart.Paint();
    const TRect flat = chart.ChartRect;
    chart.SetView3D(true);
    chart.Paint();
    EXPECT_GT(chart.Width3D(), 0);
    // The depth runs to the right and up: the plotting box gives way on those sides.
    EXPECT_LE(chart.ChartRect.Right, flat.Right - chart.Width3D());
    EXPECT_GE(chart.ChartRect.Top, flat.Top + chart.Height3D());
    // The left wall (light yellow) lies left of the plotting box's front edge, in depth.
    const TPoint p = chart.Canvas()->Calculate3DPosition(chart.ChartRect.Left, chart.ChartRect.Top + 40,
                                                         chart.Width3D() / 2);
    EXPECT_EQ(chart.Pixel(p.X, p.Y), TColor(0x80FFFF));
}

// ---- legend ------------------------------------------------------------------------------------

TEST(ChartLegend, AutoStyleListsPointsOfOneSeriesAndSeriesOfMore) {
    TLayoutChart chart;
    chart.AddBoxSeries({1, 2, 3}, QStringLiteral("A"));
    EXPECT_EQ(chart.Legend()->CalcLegendStyle(), lsValues);
    chart.Paint();
    EXPECT_EQ(chart.Legend()->TotalLegendItems(), 3);
    chart.AddBoxSeries({1, 2}, QStringLiteral("B"));
    EXPECT_EQ(chart.Legend()->CalcLegendStyle(), lsSeries);
    chart.Paint();
    EXPECT_EQ(chart.Legend()->TotalLegendItems(), 2);
    EXPECT_EQ(chart.FormattedLegend(1), QStringLiteral("B"));
    chart.Legend()->SetCheckBoxes(true);
    chart.Series(1)->SetActive(false);
    EXPECT_EQ(chart.Legend()->CalcLegendStyle(), lsSeries) << "check boxes list series";
}

TEST(ChartLegend, RightLegendWidthAndTheRoomItLeaves) {
    TLayoutChart chart;
    for (const char* t : {"One", "Two", "Three"})
        chart.AddBoxSeries({1, 2}, QString::fromLatin1(t));
    // The plotting box the legend is laid out in.
    TRect offered;
    int offeredWidth = 0;
    chart.OnGetLegendRect = TOnGetLegendRect([&](TCustomChart* c, TRect&) {
        offered = c->ChartRect;
        offeredWidth = c->ChartWidth();
    });
    chart.Paint();
    TChartLegend* legend = chart.Legend();
    const int fw = legend->Frame()->Width();
    chart.Canvas()->AssignFont(legend->Font());
    const int blank = chart.Canvas()->TextWidth(QStringLiteral(" "));
    const int t = chart.Canvas()->TextWidth(QStringLiteral("Three")) + blank - 1;
    const TRect r = legend->RectLegend();
    EXPECT_EQ(r.Right - r.Left, t + 12 + int(Round((t + 12) * 0.2)) + 2);
    const int shadow = legend->Shadow()->Visible() ? legend->Shadow()->HorizSize() : 0;
    EXPECT_EQ(r.Right, offered.Right - shadow - fw - 1);
    // The plotting box ends 3 percent of the chart width left of the legend.
    EXPECT_EQ(chart.ChartRect.Right, r.Left - 3 * offeredWidth / 100);
}

TEST(ChartLegend, VerticalAlignmentsTakeTheirSideOfThePlottingBox) {
    struct Case {
        TLegendAlignment align;
        const char* name;
    };
    for (Case c :
         {Case{laLeft, "left"}, Case{laRight, "right"}, Case{laTop, "top"}, Case{laBottom, "bottom"}}) {
        TLayoutChart chart;
        chart.AddBoxSeries({1, 2}, QStringLiteral("A"));
        chart.AddBoxSeries({2, 1}, QStringLiteral("B"));
        chart.Legend()->SetAlignment(c.align);
        chart.Paint();
        const TRect l = chart.Legend()->RectLegend();
        const TRect p = chart.ChartRect;
        SCOPED_TRACE(c.name);
        switch (c.align) {
        case laLeft:
            EXPECT_GT(p.Left, l.Right);
            break;
        case laRight:
            EXPECT_LT(p.Right, l.Left);
            break;
        case laTop:
            EXPECT_GT(p.Top, l.Bottom);
            break;
        case laBottom:
            EXPECT_LT(p.Bottom, l.Top);
            break;
        }
        // The item a click on the first row's text hits is the first series.
        chart.Canvas()->AssignFont(chart.Legend()->Font());
        const int y = chart.Legend()->FirstItemTop() + chart.Legend()->CalcItemHeight() / 2;
        EXPECT_EQ(chart.Legend()->Clicked(l.Left + 3, y), 0);
        EXPECT_EQ(chart.Legend()->Clicked(l.Left - 3, y), -1);
    }
}

TEST(ChartLegend, HorizontalLegendRowsAreLimitedByMaxNumRows) {
    TLayoutChart chart(400, 400);
    TTestBoxSeries* s = chart.AddBoxSeries({});
    for (int i = 0; i < 25; ++i)
        s->Add(i, QStringLiteral("P%1").arg(i % 10));
    TChartLegend* legend = chart.Legend();
    legend->SetAlignment(laBottom);
    legend->SetTextStyle(ltsPlain);
    chart.Paint();
    const int cols = legend->NumCols;
    ASSERT_GT(cols, 0);
    ASSERT_LT(cols, 25);
    EXPECT_EQ(legend->NumRows, (25 + cols - 1) / cols);
    EXPECT_EQ(legend->LastValue(), 24);
    legend->SetMaxNumRows(1);
    chart.Paint();
    EXPECT_EQ(legend->NumRows, 1);
    EXPECT_EQ(legend->LastValue(), cols - 1);
}

TEST(ChartLegend, InvertedListsTheLastItemOnTop) {
    TLayoutChart chart;
    chart.AddBoxSeries({1, 2, 3, 4});
    chart.Legend()->SetInverted(true);
    chart.Paint();
    TChartLegend* legend = chart.Legend();
    const TRect l = legend->RectLegend();
    chart.Canvas()->AssignFont(legend->Font());
    const int y = legend->FirstItemTop() + 3;
    EXPECT_EQ(legend->Clicked(l.Left + 5, y), 3);
    EXPECT_LT(legend->Items()->Items(3)->Top, legend->Items()->Items(0)->Top);
}

TEST(ChartLegend, RadioCheckBoxesLeaveOneSeriesActive) {
    TLayoutChart chart;
    for (const char* t : {"A", "B", "C"})
        chart.AddBoxSeries({1, 2}, QString::fromLatin1(t));
    TChartLegend* legend = chart.Legend();
    legend->SetCheckBoxes(true);
    EXPECT_FALSE(legend->DoMouseDown(0, 0, -1));
    EXPECT_TRUE(legend->DoMouseDown(0, 0, 1));
    EXPECT_FALSE(chart.Series(1)->Active()) << "check box toggles";
    EXPECT_TRUE(legend->DoMouseDown(0, 0, 1));
    EXPECT_TRUE(chart.Series(1)->Active());

    legend->SetCheckBoxesStyle(cbsRadio);
    EXPECT_EQ(chart.CountActiveSeries(), 1) << "radio style keeps only the first";
    EXPECT_TRUE(legend->DoMouseDown(0, 0, 1));
    EXPECT_FALSE(chart.Series(0)->Active());
    EXPECT_TRUE(chart.Series(1)->Active());
    EXPECT_FALSE(chart.Series(2)->Active());
    // With check boxes every series is listed, active or not.
    chart.Paint();
    EXPECT_EQ(legend->TotalLegendItems(), 3);
}

TEST(ChartLegend, SeriesGroupsAreListedAndSwitchedByTheirCheckBoxes) {
    TLayoutChart chart;
    TTestBoxSeries* a = chart.AddBoxSeries({1, 2}, QStringLiteral("A"));
    TTestBoxSeries* b = chart.AddBoxSeries({2, 1}, QStringLiteral("B"));
    TSeriesGroup* first = chart.SeriesList()->AddGroup(QStringLiteral("Inputs"));
    first->Series()->Add(a);
    TSeriesGroup* second = chart.SeriesList()->AddGroup(QStringLiteral("Outputs"));
    second->Series()->Add(b);
    TChartLegend* legend = chart.Legend();
    legend->SetLegendStyle(lsSeriesGroups);
    legend->SetCheckBoxes(true);
    chart.Paint();
    EXPECT_EQ(legend->TotalLegendItems(), 2);
    EXPECT_EQ(chart.FormattedLegend(1), QStringLiteral("Outputs"));
    EXPECT_TRUE(legend->DoMouseDown(0, 0, 0));
    EXPECT_FALSE(a->Active());
    EXPECT_TRUE(b->Active());
    legend->SetCheckBoxesStyle(cbsRadio);
    EXPECT_TRUE(legend->DoMouseDown(0, 0, 0));
    EXPECT_TRUE(a->Active());
    EXPECT_FALSE(b->Active());
    EXPECT_TRUE(legend->DoMouseDown(0, 0, 7)) << "an index past the groups changes nothing";
    EXPECT_TRUE(a->Active());
}

TEST(ChartLegend, FirstValueIsCheckedAndKeptOnAPagedChart) {
    TLayoutChart chart;
    TTestBoxSeries* s = chart.AddBoxSeries({});
    for (int i = 0; i < 25; ++i)
        s->Add(i);
    TChartLegend* legend = chart.Legend();
    EXPECT_THROW(legend->SetFirstValue(-1), LegendException);
    EXPECT_NO_THROW(legend->SetFirstValue(0));
    legend->SetFirstValue(2);
    chart.Paint();
    EXPECT_EQ(legend->TotalLegendItems(), 23);

    chart.SetMaxPointsPerPage(10);
    chart.SetPage(3);
    chart.Paint();
    EXPECT_EQ(legend->TotalLegendItems(), 5) << "the last page's points";
    EXPECT_EQ(legend->FirstValue(), 2) << "the program's value stays";
    chart.SetMaxPointsPerPage(0);
    chart.Paint();
    EXPECT_EQ(legend->TotalLegendItems(), 23);
}

TEST(ChartLegend, ItemsGrowOnDemandAndRefuseANegativeIndex) {
    TChartLegend legend;
    EXPECT_THROW(legend.Items()->Items(-1), EListError);
    EXPECT_EQ(legend.Items()->Items(2)->Text(), QString());
    EXPECT_EQ(legend.Items()->Count(), 3);
    EXPECT_FALSE(legend.Items()->Custom);
    legend.Items()->Items(1)->SetText(QStringLiteral("mine"));
    EXPECT_TRUE(legend.Items()->Custom);
    legend.Items()->Clear();
    EXPECT_FALSE(legend.Items()->Custom);
    EXPECT_EQ(legend.Items()->Count(), 0);
}

TEST(ChartLegend, ContinuousSymbolsJoin) {
    TLayoutChart chart;
    chart.AddBoxSeries({1, 2, 3});
    chart.Legend()->Symbol()->SetContinuous(true);
    chart.Paint();
    TLegendItems* items = chart.Legend()->Items();
    // Each box reaches one pixel into the next one's (right and bottom edges are exclusive).
    EXPECT_EQ(items->Items(0)->SymbolRect.Bottom, items->Items(1)->SymbolRect.Top + 1);
    EXPECT_EQ(items->Items(1)->SymbolRect.Bottom, items->Items(2)->SymbolRect.Top + 1);
    EXPECT_GT(items->Items(0)->SymbolRect.Top, items->Items(0)->Top);
    EXPECT_LT(items->Items(2)->SymbolRect.Bottom,
              items->Items(2)->SymbolRect.Top + chart.Legend()->CalcItemHeight());
}

TEST(ChartLegend, ValueAndLabelColumnsAreAlignedByTextStyle) {
    TLayoutChart chart;
    TTestBoxSeries* s = chart.AddBoxSeries({});
    s->Add(5, QStringLiteral("five"));
    s->Add(123, QStringLiteral("big"));
    chart.Paint();
    TLegendItems* items = chart.Legend()->Items();
    // ltsLeftValue: the values right-aligned in column 0, the labels after them.
    EXPECT_EQ(items->Items(0)->Align, taRightJustify);
    EXPECT_EQ(items->Items(0)->Left, items->Items(1)->Left);
    EXPECT_EQ(items->Items(0)->Text2(), QStringLiteral("five"));
    EXPECT_EQ(chart.Legend()->ColumnWidths[0], chart.Canvas()->TextWidth(QStringLiteral("123")));
}

TEST(ChartLegend, SymbolOfTheBackgroundColourGetsAFrame) {
    TLayoutChart chart;
    chart.AddBoxSeries({1, 2}, QStringLiteral("A"))->SetSeriesColor(clWhite);
    chart.AddBoxSeries({1, 2}, QStringLiteral("B"))->SetSeriesColor(clRed);
    chart.Paint();
    const TRect r = chart.Legend()->Items()->Items(0)->SymbolRect;
    EXPECT_NE(chart.Pixel(r.Left, r.Top + 2), clWhite);
    EXPECT_EQ(chart.Pixel((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), clWhite);
    const TRect red = chart.Legend()->Items()->Items(1)->SymbolRect;
    EXPECT_EQ(chart.Pixel((red.Left + red.Right) / 2, (red.Top + red.Bottom) / 2), clRed);
}

TEST(ChartLegend, NoRoomMeansNoLegendAndNoLostRoom) {
    TLayoutChart chart(400, 30);
    for (int i = 0; i < 5; ++i)
        chart.AddBoxSeries({1, 2}, QStringLiteral("S%1").arg(i));
    chart.Legend()->Font()->SetSize(40);
    chart.Paint();
    EXPECT_EQ(chart.Legend()->NumRows, 0);
    EXPECT_EQ(chart.Legend()->LastValue(), -1);
    EXPECT_EQ(chart.Legend()->Clicked(390, 10), -1);
}

TEST(Chart, AxisTitleOrNameFallsBackToTheAxisName) {
    TLayoutChart chart;
    EXPECT_EQ(chart.AxisTitleOrName(chart.RightAxis()), QStringLiteral("Right Axis"));
    EXPECT_EQ(chart.AxisTitleOrName(chart.TopAxis()), QStringLiteral("Top Axis"));
    EXPECT_EQ(chart.AxisTitleOrName(chart.DepthAxis()), TeeMsg_DepthAxis);
    chart.LeftAxis()->Title()->SetCaption(QStringLiteral("Volts"));
    EXPECT_EQ(chart.AxisTitleOrName(chart.LeftAxis()), QStringLiteral("Volts"));
}

} // namespace
