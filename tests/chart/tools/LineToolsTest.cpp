// The drag-point and cursor tools on a chart shown on a form: mouse presses, moves and
// releases reach the tools through the chart, and the cursor's XOR line on the window image.
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/series/LineSeries.h"
#include "chart/tools/CursorTool.h"
#include "chart/tools/DragPointTool.h"
#include "platform/controls/CustomForm.h"
#include "platform/graphics/Canvas.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

class LineToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr, 0);
        form->SetClientSize(500, 360);
        chart = new TChart(form);
        chart->SetParent(form);
        chart->SetBounds(0, 0, 500, 360);
        chart->SetView3D(false);
        for (TChartAxis* axis : {chart->LeftAxis(), chart->BottomAxis()}) {
            axis->SetMinMax(0, 10);
            axis->Grid()->SetVisible(false);
        }
        series = new TLineSeries(form);
        series->SetParentChart(chart);
        series->SetSeriesColor(clRed);
        for (int i = 0; i <= 10; ++i)
            series->AddXY(i, i % 2 ? 3 : 6);
        series->Pointer()->SetVisible(true);
        series->Pointer()->SetSize(5);
        form->Show();
        Frame();
    }
    // One full frame of the chart on its window, as a paint event draws it.
    void Frame() {
        QCoreApplication::processEvents();
        chart->Repaint();
    }
    void TearDown() override { delete form; }

    void Mouse(QEvent::Type Type, int X, int Y) {
        QWidget* w = chart->Widget();
        const QPointF local(X, Y);
        const Qt::MouseButton button = Type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons buttons = Type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent e(Type, local, local, w->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }
    void Down(int X, int Y) { Mouse(QEvent::MouseButtonPress, X, Y); }
    void Move(int X, int Y) { Mouse(QEvent::MouseMove, X, Y); }
    void Up(int X, int Y) { Mouse(QEvent::MouseButtonRelease, X, Y); }
    TPoint Pos(int Index) { return TPoint{series->CalcXPos(Index), series->CalcYPos(Index)}; }

    TForm* form = nullptr;
    TChart* chart = nullptr;
    TLineSeries* series = nullptr;
};

// ---- drag-point tool -------------------------------------------------------------------------

TEST_F(LineToolsTest, DragPointFollowsTheStyle) {
    struct Case {
        TDragPointStyle style;
        bool movesX, movesY;
    };
    for (const Case c : {Case{dsY, false, true}, Case{dsX, true, false}, Case{dsBoth, true, true}}) {
        SCOPED_TRACE(int(c.style));
        auto* tool = new TDragPointTool(form);
        tool->SetParentChart(chart);
        tool->SetSeries(series);
        tool->SetDragStyle(c.style);
        std::vector<int> dragged;
        tool->OnDragPoint = [&](TDragPointTool*, int Index) { dragged.push_back(Index); };
        const double x0 = series->XValues()->Value(4), y0 = series->YValues()->Value(4);
        const TPoint p = Pos(4);
        Down(p.X, p.Y);
        EXPECT_EQ(tool->Dragging(), 4);
        Move(p.X + 13, p.Y - 40);
        Move(p.X + 17, p.Y - 41);
        const double wantX = chart->BottomAxis()->CalcPosPoint(p.X + 17);
        const double wantY = chart->LeftAxis()->CalcPosPoint(p.Y - 41);
        EXPECT_EQ(series->XValues()->Value(4), c.movesX ? wantX : x0);
        EXPECT_EQ(series->YValues()->Value(4), c.movesY ? wantY : y0);
        EXPECT_EQ(dragged, (std::vector<int>{4, 4}));
        Up(p.X + 17, p.Y - 41);
        EXPECT_EQ(tool->Dragging(), -1);
        Move(p.X, p.Y); // no point held: nothing moves, nobody is told
        EXPECT_EQ(dragged.size(), 2u);
        series->SetXValue(4, x0);
        series->SetYValue(4, y0);
        delete tool;
        chart->Repaint();
    }
}

TEST_F(LineToolsTest, DragPointPicksSegmentsAndRepicksOnEveryPress) {
    auto* tool = new TDragPointTool(form);
    tool->SetParentChart(chart);
    tool->SetSeries(series);
    int calls = 0;
    tool->OnDragPoint = [&](TDragPointTool*, int) { ++calls; };
    const TPoint a = Pos(6), b = Pos(7);
    Down((a.X + b.X) / 2, (a.Y + b.Y) / 2);
    EXPECT_EQ(tool->Dragging(), 6);         // the segment answers its earlier point
    Down(a.X, chart->ChartRect.Bottom - 2); // away from every point and segment
    EXPECT_EQ(tool->Dragging(), -1);
    Move(a.X, a.Y);
    EXPECT_EQ(calls, 0);
}

TEST_F(LineToolsTest, DragOnAnAxisWithoutRangeWidensItFirst) {
    TChart empty(nullptr);
    empty.SetBounds(0, 0, 200, 100);
    std::unique_ptr<TBitmap> image(empty.TeeCreateBitmap(clWhite, TRect{0, 0, 200, 100}));
    TChartAxis* left = empty.LeftAxis();
    ASSERT_EQ(left->Minimum(), left->Maximum());
    const double before = left->Maximum();
    DragAxisValue(left, 50);
    EXPECT_FALSE(left->AutomaticMaximum());
    EXPECT_DOUBLE_EQ(left->Maximum(), before + 0.1 * MinAxisIncrement);
}

TEST_F(LineToolsTest, MouseDragOnAnAxisWithoutRangeWidensIt) {
    auto* tool = new TDragPointTool(form);
    tool->SetParentChart(chart);
    tool->SetSeries(series);
    tool->SetDragStyle(dsY);
    // Every point at 5 on an automatic axis: the axis has no range.
    for (int i = 0; i < series->Count(); ++i)
        series->SetYValue(i, 5);
    TChartAxis* left = chart->LeftAxis();
    left->SetAutomatic(true);
    Frame();
    ASSERT_EQ(left->Minimum(), left->Maximum());
    const double before = left->Maximum();
    const TPoint p = Pos(4);
    Down(p.X, p.Y);
    ASSERT_EQ(tool->Dragging(), 4);
    Move(p.X, p.Y - 30);
    EXPECT_FALSE(left->AutomaticMaximum());
    EXPECT_DOUBLE_EQ(left->Maximum(), before + 0.1 * MinAxisIncrement);
    const double y = series->YValues()->Value(4);
    EXPECT_TRUE(std::isfinite(y));
    EXPECT_EQ(y, left->CalcPosPoint(p.Y - 30));
    Up(p.X, p.Y - 30);
}

TEST(LineTools, DescriptionsAndRegistration) {
    TDragPointTool drag(nullptr);
    EXPECT_EQ(drag.Description(), "Drag Point");
    EXPECT_EQ(drag.LongDescription(), "Moves a Series point when dragging it with mouse.");
    EXPECT_EQ(drag.GetEditorClass(), "TDragPointToolEdit");
    EXPECT_GE(TeeToolTypesList()->IndexOf(TDragPointTool::StaticClass()), 0);
    TCursorTool cursor(nullptr);
    EXPECT_EQ(cursor.Description(), "Cursor");
    EXPECT_EQ(cursor.LongDescription(), "Displays draggable Cursor lines on top of Series.");
    EXPECT_FALSE(cursor.Placed()); // no chart: nothing to place it on
    cursor.SetXValue(3);
    EXPECT_EQ(cursor.XValue(), 3);
}

// ---- cursor tool ---------------------------------------------------------------------------

class CursorToolTest : public LineToolsTest {
protected:
    void SetUp() override {
        LineToolsTest::SetUp();
        cursor = new TCursorTool(form);
        cursor->SetParentChart(chart);
        cursor->SetSeries(series);
        cursor->SetStyle(cssVertical);
        cursor->Pen()->SetColor(clBlue);
        cursor->Pen()->SetWidth(1);
        cursor->OnChange = [this](TCursorTool*, int, int, double, double, TChartSeries*, int Index) {
            changes.push_back(Index);
        };
        cursor->OnSnapChange = [this](TCursorTool*, int, int, double, double, TChartSeries*, int Index) {
            snaps.push_back(Index);
        };
        Frame();
    }
    TColor Screen(int X, int Y) { return chart->VclCanvas()->Pixels(X, Y); }

    TCursorTool* cursor = nullptr;
    std::vector<int> changes, snaps;
};

TEST_F(CursorToolTest, NewCursorStartsInTheMiddleOnce) {
    ASSERT_TRUE(cursor->Placed());
    TChartAxis* h = chart->BottomAxis();
    EXPECT_EQ(cursor->Position().X, (h->IStartPos + h->IEndPos) / 2);
    EXPECT_EQ(changes, (std::vector<int>{-1}));
    chart->Repaint();
    EXPECT_EQ(changes.size(), 1u);
    // The same value again changes nothing.
    cursor->SetXValue(cursor->XValue());
    EXPECT_EQ(changes.size(), 1u);
}

TEST_F(CursorToolTest, ValueSetBeforeTheFirstLayoutIsKept) {
    auto* hidden = new TChart(form); // never shown, never laid out
    hidden->SetBounds(0, 0, 300, 200);
    auto* early = new TCursorTool(form);
    early->SetParentChart(hidden);
    early->SetStyle(cssVertical);
    early->SetXValue(2.5);
    EXPECT_FALSE(early->Placed());
    EXPECT_EQ(early->XValue(), 2.5);
    hidden->BottomAxis()->SetMinMax(0, 5);
    hidden->LeftAxis()->SetMinMax(-2, 2);
    std::unique_ptr<TBitmap> image(hidden->TeeCreateBitmap(clWhite, TRect{0, 0, 300, 200}));
    EXPECT_TRUE(early->Placed());
    EXPECT_EQ(early->XValue(), 2.5);
    EXPECT_EQ(early->Position().X, hidden->BottomAxis()->CalcXPosValue(2.5));
}

TEST_F(CursorToolTest, ValueAtPixelMinusOneIsNotUnplaced) {
    chart->BottomAxis()->SetMinMax(0, 10);
    const double offLeft = chart->BottomAxis()->CalcPosPoint(-1);
    cursor->SetXValue(offLeft);
    EXPECT_EQ(cursor->Position().X, -1);
    chart->Repaint();
    EXPECT_EQ(cursor->XValue(), offLeft);
    EXPECT_EQ(cursor->Position().X, -1);
}

TEST_F(CursorToolTest, XorLineIsDrawnOnceAfterEveryRepaint) {
    const int y = (chart->ChartRect.Top + chart->ChartRect.Bottom) / 2 + 7;
    cursor->SetXValue(2.5);
    QCoreApplication::processEvents(); // the repaint the new value asked for
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        if (round > 0) Frame();
        const int x = cursor->Position().X;
        const TColor back = Screen(x + 9, y);
        EXPECT_EQ(Screen(x, y), TColor(ColorToRGB(back) ^ ColorToRGB(clBlue) ^ ColorToRGB(chart->Color())));
    }
}

// A value set by code repaints the chart: the picture is then the one a full repaint
// draws, pixel for pixel, also when something was drawn over the chart since the cursor.
TEST_F(CursorToolTest, ValueSetByCodeLeavesThePixelsOfAFullRepaint) {
    auto image = [this] {
        std::vector<TColor> pixels;
        for (int y = 0; y < chart->Height(); ++y)
            for (int x = 0; x < chart->Width(); ++x)
                pixels.push_back(Screen(x, y));
        return pixels;
    };
    const int y = (chart->ChartRect.Top + chart->ChartRect.Bottom) / 2 + 7;
    for (bool drawnOver : {false, true}) {
        SCOPED_TRACE(drawnOver ? "drawn over" : "as painted");
        cursor->SetXValue(2.5);
        Frame();
        const int oldX = cursor->Position().X;
        const TColor oldBack = Screen(oldX + 9, y);
        if (drawnOver) {
            // Something else draws across the cursor line.
            TCanvas* c = chart->VclCanvas();
            c->Brush()->SetColor(clRed);
            c->FillRect(TRect{oldX - 5, y - 5, oldX + 5, y + 5});
        }
        const size_t before = changes.size();
        cursor->SetXValue(2.6);
        EXPECT_EQ(changes.size(), before + 1) << "told once, with no point index";
        EXPECT_EQ(changes.back(), -1);
        QCoreApplication::processEvents();
        ASSERT_NE(cursor->Position().X, oldX);
        EXPECT_EQ(Screen(oldX, y), oldBack);
        const std::vector<TColor> afterSet = image();
        chart->Repaint();
        EXPECT_TRUE(afterSet == image()) << "the picture differs from a full repaint";
    }
}

// Every move of a dragged cursor inside the axis rectangle is told, also one that lands
// on the same values.
TEST_F(CursorToolTest, EveryMoveWhileDraggingIsTold) {
    cursor->SetXValue(5);
    Frame();
    const int x = cursor->Position().X;
    const int y = (chart->ChartRect.Top + chart->ChartRect.Bottom) / 2 + 20;
    Down(x, y);
    ASSERT_EQ(cursor->Dragging(), ccVertical);
    changes.clear();
    Move(x + 10, y);
    Move(x + 10, y);
    Move(x + 10, y + 3);
    EXPECT_EQ(changes.size(), 3u);
    Up(x + 10, y + 3);
}

TEST_F(CursorToolTest, DraggedByItsLineWithinTheTolerance) {
    cursor->SetXValue(5);
    const int x = cursor->Position().X;
    const int y = (chart->ChartRect.Top + chart->ChartRect.Bottom) / 2 + 20;
    EXPECT_EQ(cursor->Clicked(x + 3, y), ccVertical);
    EXPECT_EQ(cursor->Clicked(x + 4, y), ccNone);
    Down(x + 2, y);
    EXPECT_EQ(cursor->Dragging(), ccVertical);
    Move(x + 30, y);
    EXPECT_EQ(cursor->XValue(), chart->BottomAxis()->CalcPosPoint(x + 30));
    // Outside the axis rectangle the cursor stays and the drag goes on.
    Move(chart->ChartRect.Right + 40, y);
    EXPECT_EQ(cursor->XValue(), chart->BottomAxis()->CalcPosPoint(x + 30));
    EXPECT_EQ(cursor->Dragging(), ccVertical);
    Up(x + 30, y);
    EXPECT_EQ(cursor->Dragging(), ccNone);

    // A negative tolerance: the line can never be picked, and moves never change the shape.
    cursor->SetClickTolerance(-1);
    const int at = cursor->Position().X;
    chart->SetCursor(crDefault);
    Move(at, y);
    EXPECT_EQ(chart->Cursor(), crDefault);
    Down(at, y);
    EXPECT_EQ(cursor->Dragging(), ccNone);
}

TEST_F(CursorToolTest, FollowsTheMouseWhenAsked) {
    cursor->SetFollowMouse(true);
    const int x = chart->BottomAxis()->CalcXPosValue(7.3);
    const int y = chart->LeftAxis()->CalcYPosValue(4.2);
    Move(x, y);
    EXPECT_EQ(cursor->XValue(), chart->BottomAxis()->CalcPosPoint(x));
    EXPECT_EQ(cursor->YValue(), chart->LeftAxis()->CalcPosPoint(y)); // set, though only the line shows
    EXPECT_EQ(cursor->Position().X, chart->BottomAxis()->CalcXPosValue(cursor->XValue()));
}

TEST_F(CursorToolTest, SnapsToTheNearestPointOncePerChange) {
    cursor->SetSnap(true);
    cursor->SetFollowMouse(true);
    changes.clear();
    const int y = chart->LeftAxis()->CalcYPosValue(5);
    Move(chart->BottomAxis()->CalcXPosValue(3.2), y);
    EXPECT_EQ(cursor->XValue(), 3);
    Move(chart->BottomAxis()->CalcXPosValue(2.9), y); // still point 3
    Move(chart->BottomAxis()->CalcXPosValue(5.9), y);
    EXPECT_EQ(cursor->XValue(), 6);
    // The snap is told when it changes, the cursor at every move.
    EXPECT_EQ(snaps, (std::vector<int>{3, 6}));
    EXPECT_EQ(changes, (std::vector<int>{3, 3, 6}));

    // A tie between two points: the lower index wins.
    cursor->SetFollowMouse(false);
    cursor->SetXValue(4.5);
    double difference = 0;
    EXPECT_EQ(cursor->NearestPoint(cssVertical, difference), 4);
    EXPECT_DOUBLE_EQ(difference, 0.5);
    cursor->SetSnapStyle(TSnapStyle::ssHorizontal);
    cursor->SetYValue(3.1);
    EXPECT_EQ(cursor->NearestPoint(cssVertical, difference), 1);
}

// ---- the curve editor's chart ------------------------------------------------------------

// 800 x 400 with a shaded back wall, bottom axis 0..5 and left axis -2..2 with dotted grids,
// labels and titles, a 512-point line with circle pointers (pen width 2), a vertical drag
// tool and two vertical cursors: every pointer sits where its value puts it and the cursor
// lines stand at their values, drawn once over the chart.
TEST(CurveEditorChart, PointsPointersAndCursorLinesWhereTheValuesPutThem) {
    TForm form(nullptr, 0);
    form.SetClientSize(800, 400);
    auto* chart = new TChart(&form);
    chart->SetParent(&form);
    chart->SetBounds(0, 0, 800, 400);
    chart->SetView3D(false);
    chart->Legend()->SetVisible(false);
    chart->Title()->SetVisible(false);
    TTeeGradient* wall = chart->BackWall()->Gradient();
    wall->SetStartColor(clWhite);
    wall->SetEndColor(clSilver);
    wall->SetVisible(true);
    chart->BottomAxis()->SetMinMax(0, 5);
    chart->LeftAxis()->SetMinMax(-2, 2);
    chart->BottomAxis()->SetIncrement(0.5);
    chart->LeftAxis()->SetIncrement(0.5);
    chart->BottomAxis()->Title()->SetCaption(QStringLiteral("Time (s)"));
    chart->LeftAxis()->Title()->SetCaption(QStringLiteral("Voltage (V)"));
    for (TChartAxis* axis : {chart->BottomAxis(), chart->LeftAxis()}) {
        axis->Grid()->SetColor(clGray);
        axis->Grid()->SetStyle(psDot);
    }
    auto* series = new TLineSeries(&form);
    series->SetParentChart(chart);
    series->SetSeriesColor(clRed);
    series->LinePen()->SetWidth(2);
    series->Pointer()->SetVisible(true);
    series->Pointer()->SetStyle(psCircle);
    series->Pointer()->SetSize(3);
    series->Pointer()->Brush()->SetColor(clYellow);
    for (int i = 0; i < 512; ++i)
        series->AddXY(5.0 * i / 511, 1.8 * std::sin(i / 40.0));
    auto* drag = new TDragPointTool(&form);
    drag->SetParentChart(chart);
    drag->SetSeries(series);
    drag->SetDragStyle(dsY);
    std::vector<TCursorTool*> cursors;
    for (double at : {1.3, 3.7}) {
        auto* cursor = new TCursorTool(&form);
        cursor->SetParentChart(chart);
        cursor->SetStyle(cssVertical);
        cursor->Pen()->SetColor(clBlue);
        cursor->SetXValue(at); // before the chart's first layout: kept, placed on the first paint
        cursors.push_back(cursor);
    }
    form.Show();
    QCoreApplication::processEvents();
    chart->Repaint();
    auto screen = [&](int X, int Y) { return chart->VclCanvas()->Pixels(X, Y); };

    // The pointers lie 1.4 pixels apart and overlap: each point's centre shows a pointer's
    // fill or its outline (drawn by the points after it), never the line or the wall. (The
    // first and last points lie on the wall's edges, which are drawn over them.)
    series->Pointer()->Pen()->SetColor(clGreen);
    chart->Repaint();
    for (int i = 1; i < 511; i += 17) {
        SCOPED_TRACE(i);
        const int x = chart->BottomAxis()->CalcXPosValue(series->XValues()->Value(i));
        const int y = chart->LeftAxis()->CalcYPosValue(series->YValues()->Value(i));
        EXPECT_EQ(series->CalcXPos(i), x);
        EXPECT_EQ(series->CalcYPos(i), y);
        const TColor c = screen(x, y);
        EXPECT_TRUE(c == clYellow || c == clGreen) << c;
    }
    EXPECT_EQ(screen(series->CalcXPos(510), series->CalcYPos(510)), clYellow);
    const TColor ink = TColor(ColorToRGB(clBlue) ^ ColorToRGB(chart->Color()));
    for (TCursorTool* cursor : cursors) {
        SCOPED_TRACE(cursor->XValue());
        ASSERT_TRUE(cursor->Placed());
        const int x = cursor->Position().X;
        EXPECT_EQ(x, chart->BottomAxis()->CalcXPosValue(cursor->XValue()));
        // Rows between the grid lines, away from the curve (which stays within -1.8..1.8).
        for (double v : {1.9, 1.85, -1.9}) {
            const int y = chart->LeftAxis()->CalcYPosValue(v);
            EXPECT_EQ(screen(x, y), TColor(ColorToRGB(screen(x + 4, y)) ^ ColorToRGB(ink))) << v;
        }
    }
}

} // namespace
