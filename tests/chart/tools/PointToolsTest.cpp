// Drag marks, nearest point, rotate and marks tip tools driven through the chart's
// dispatch.
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/tools/DragMarksTool.h"
#include "chart/tools/MarksTipTool.h"
#include "chart/tools/NearestTool.h"
#include "chart/tools/RotateTool.h"
#include "platform/controls/Application.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Timer.h"
#include "platform/win/Clock.h"
#include "tests/chart/engine/StreamingSupport.h"
#include "tests/chart/tools/ToolsFixture.h"

#include <cmath>

namespace {

// ---- drag marks ----------------------------------------------------------------------------

using DragMarksTest = ChartToolsFixture;

TEST_F(DragMarksTest, DraggingMovesTheLabelAndTheArrowEndOnly) {
    series->Marks()->SetVisible(true);
    auto* tool = new TDragMarksTool(form);
    tool->SetParentChart(chart);
    Frame();
    TSeriesMarkPosition* p = series->Marks()->Positions()->Get(4);
    ASSERT_NE(p, nullptr);
    const TPoint leftTop = p->LeftTop, to = p->ArrowTo, from = p->ArrowFrom;
    const TRect r = p->Bounds();
    const TPoint at{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    int dragging = 0, dragged = 0, index = -2;
    tool->OnDraggingMark = [&](TDragMarksTool*, int, TMouseButton, TShiftState, int, int) { ++dragging; };
    tool->OnDraggedMark = [&](TDragMarksTool*, int I, TMouseButton, TShiftState, int, int) {
        ++dragged;
        index = I;
    };
    Move(at.X, at.Y);
    EXPECT_EQ(chart->Cursor(), crHandPoint);
    Down(at.X, at.Y);
    EXPECT_EQ(tool->Index(), 4);
    Move(at.X + 6, at.Y - 3);
    Move(at.X + 10, at.Y - 5);
    Up(at.X + 10, at.Y - 5);
    p = series->Marks()->Positions()->Get(4);
    EXPECT_TRUE(p->Custom);
    EXPECT_EQ(p->LeftTop, (TPoint{leftTop.X + 10, leftTop.Y - 5}));
    EXPECT_EQ(p->ArrowTo, (TPoint{to.X + 10, to.Y - 5}));
    EXPECT_EQ(p->ArrowFrom, from);
    EXPECT_EQ(dragging, 2);
    EXPECT_EQ(dragged, 1);
    EXPECT_EQ(index, 4);
    EXPECT_EQ(tool->Index(), -1);
    Up(at.X, at.Y); // no second call without a mark held
    EXPECT_EQ(dragged, 1);
}

// ---- nearest point -------------------------------------------------------------------------

class NearestTest : public ChartToolsFixture {
protected:
    void SetUp() override {
        ChartToolsFixture::SetUp();
        series->Pointer()->SetVisible(false);
        tool = new TNearestTool(form);
        tool->SetParentChart(chart);
        tool->SetSeries(series);
        tool->Pen()->SetStyle(psSolid);
        tool->Pen()->SetColor(clBlue);
        tool->LinePen()->SetColor(clGreen);
        Frame();
    }
    bool BlueNear(int X, int Y) {
        for (int d = -1; d <= 1; ++d)
            if (Screen(X + d, Y) == clBlue || Screen(X, Y + d) == clBlue) return true;
        return false;
    }
    TNearestTool* tool = nullptr;
};

TEST_F(NearestTest, FindsTheNearestPointLowestIndexOnTies) {
    const TPoint p4 = Pos(4);
    EXPECT_EQ(TNearestTool::GetNearestPoint(series, p4.X + 2, p4.Y + 30), 4);
    // A second point on top of point 4 ties with it: the lower index wins.
    series->AddXY(4, 6);
    Frame();
    EXPECT_EQ(TNearestTool::GetNearestPoint(series, p4.X + 2, p4.Y + 30), 4);
    // Points outside the chart rectangle are not found; an empty series finds none.
    chart->BottomAxis()->SetMinMax(20, 30);
    Frame();
    EXPECT_EQ(TNearestTool::GetNearestPoint(series, p4.X, p4.Y), -1);
    series->Clear();
    EXPECT_EQ(TNearestTool::GetNearestPoint(series, p4.X, p4.Y), -1);
}

TEST_F(NearestTest, MarkStylesWithAndWithoutFullRepaint) {
    const TPoint p = Pos(4);
    struct Case {
        TNearestToolStyle style;
        TPoint edge; // relative to the point
    };
    const Case cases[] = {{hsCircle, {0, -20}}, {hsRectangle, {-20, -10}}, {hsDiamond, {10, -10}}};
    for (bool full : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << full << " " << int(c.style));
            tool->SetFullRepaint(full);
            tool->SetStyle(c.style);
            Frame();
            const TColor before = Screen(p.X + c.edge.X, p.Y + c.edge.Y);
            Move(p.X, p.Y + 40);
            EXPECT_EQ(tool->Point(), 4);
            if (full) {
                Frame();
                EXPECT_TRUE(BlueNear(p.X + c.edge.X, p.Y + c.edge.Y));
                EXPECT_EQ(Screen(p.X, p.Y + 30), clGreen); // the line from the mouse
            } else {
                EXPECT_NE(Screen(p.X + c.edge.X, p.Y + c.edge.Y), before);
            }
            // Moving to another point takes the mark away from this one.
            const TPoint q = Pos(8);
            Move(q.X, q.Y + 40);
            EXPECT_EQ(tool->Point(), 8);
            if (full) Frame();
            EXPECT_EQ(Screen(p.X + c.edge.X, p.Y + c.edge.Y), before);
            Move(q.X, q.Y + 40); // the same place again: erased and drawn once more
            if (!full) {
                EXPECT_NE(Screen(q.X + c.edge.X, q.Y + c.edge.Y), Screen(q.X + c.edge.X + 50, q.Y + 90));
            }
        }
    }
}

TEST_F(NearestTest, SeriesStyleAndMouseLeave) {
    tool->SetStyle(hsSeries);
    series->Pointer()->SetVisible(true);
    const TColor penColor = series->Pen()->Color();
    Frame();
    const TPoint p = Pos(4);
    int changes = 0;
    tool->OnChange = [&](TObject*) { ++changes; };
    Move(p.X, p.Y + 40);
    Frame();
    EXPECT_EQ(changes, 1);
    // The series drew the point again with the tool's pen and got its own pen back.
    EXPECT_EQ(series->Pen()->Color(), penColor);
    EXPECT_EQ(series->Pen()->Style(), psSolid);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(chart->Widget(), &leave);
    EXPECT_EQ(tool->Point(), -1);
    Frame();
    EXPECT_EQ(Screen(p.X, p.Y + 30), Screen(p.X + 60, p.Y + 30));
}

// ---- rotate ------------------------------------------------------------------------------

class RotateTest : public ChartToolsFixture {
protected:
    void SetUp() override {
        ChartToolsFixture::SetUp();
        tool = new TRotateTool(form);
        tool->SetParentChart(chart);
        chart->View3DOptions()->SetRotation(0);
        chart->View3DOptions()->SetElevation(345);
    }
    TView3DOptions* View() { return chart->View3DOptions(); }
    TRotateTool* tool = nullptr;
};

TEST_F(RotateTest, SpeedScalesTheTurnAcrossTheChartWidth) {
    struct Case {
        int speed;
        double degrees;
    };
    for (const Case c : {Case{50, 90}, Case{100, 135}}) {
        SCOPED_TRACE(c.speed);
        tool->SetSpeed(c.speed);
        View()->SetRotation(0);
        Down(0, 200);
        Move(250, 200);
        Move(500, 200);
        Up(500, 200);
        EXPECT_NEAR(View()->RotationFloat(), c.degrees, 1e-9);
        EXPECT_TRUE(chart->View3D());
        EXPECT_FALSE(View()->Orthogonal());
    }
}

TEST_F(RotateTest, ElevationStaysBetween270And360AndRotationWraps) {
    Down(200, 300);
    Move(200, 0);
    Up(200, 0);
    EXPECT_EQ(View()->ElevationFloat(), 360);
    Down(200, 0);
    Move(200, 360);
    Up(200, 360);
    EXPECT_EQ(View()->ElevationFloat(), 270);
    View()->SetRotation(350);
    tool->SetStyle(rsRotation);
    tool->DoRotation(20, 30);
    EXPECT_DOUBLE_EQ(View()->RotationFloat(), 10);
    EXPECT_EQ(View()->ElevationFloat(), 270);
    tool->DoRotation(-20, 0);
    EXPECT_DOUBLE_EQ(View()->RotationFloat(), 350);
    // Another button does nothing.
    Down(100, 100, Qt::RightButton);
    EXPECT_FALSE(tool->Dragging());
}

TEST_F(RotateTest, ScreenCursorDuringTheDrag) {
    const TCursor before = ::Screen->Cursor();
    Down(100, 100);
    EXPECT_EQ(::Screen->Cursor(), 2020);
    Move(120, 100);
    Up(120, 100);
    EXPECT_EQ(::Screen->Cursor(), before);
}

TEST_F(RotateTest, WireframeDrawnAndErasedWithoutRepaint) {
    chart->SetView3D(true);
    tool->Pen()->SetVisible(true);
    Frame();
    const TColor corner = Screen(chart->ChartRect.Left, chart->ChartRect.Top);
    int rotates = 0;
    tool->OnRotate = [&](TObject*) { ++rotates; };
    Down(200, 200);
    Move(210, 200); // first step: repaints off, wireframe drawn
    EXPECT_FALSE(chart->AutoRepaint());
    const TRect r = chart->ChartRect;
    auto* canvas = chart->Canvas();
    const TPoint c0 = canvas->Calculate3DPosition(r.Left, r.Top, 0);
    EXPECT_NE(Screen(c0.X, c0.Y), corner);
    Move(220, 200); // the old one erased, a new one drawn
    Up(220, 200);
    EXPECT_TRUE(chart->AutoRepaint());
    EXPECT_EQ(rotates, 2);
}

TEST_F(RotateTest, InertiaCoastsAndDecaysPerChartEvent) {
    TFakeClock clock{1000};
    TClockOverride install(&clock);
    tool->SetInertia(50);
    Down(100, 200);
    Move(150, 200);
    Up(150, 200);
    ASSERT_TRUE(tool->Coasting());
    const double step = tool->StepX();
    ASSERT_GT(step, 0.01);
    const double at = View()->RotationFloat();
    clock.Advance(5);
    CheckTimers();
    EXPECT_NEAR(View()->RotationFloat(), at + step, 1e-9); // a step at the speed of the drag
    tool->ChartEvent(cteBeforeDraw);
    EXPECT_NEAR(tool->StepX(), step * (1 - 0.05), 1e-12);
    for (int i = 0; i < 1000 && tool->Coasting(); ++i)
        tool->ChartEvent(cteAfterDraw);
    EXPECT_FALSE(tool->Coasting());
    EXPECT_LE(std::abs(tool->StepX()), 0.01);

    // Inertia 100: no decay; a new press stops coasting.
    tool->SetInertia(100);
    Down(100, 200);
    Move(150, 200);
    Up(150, 200);
    const double kept = tool->StepX();
    tool->ChartEvent(cteAfterDraw);
    EXPECT_EQ(tool->StepX(), kept);
    EXPECT_TRUE(tool->Coasting());
    Down(150, 200);
    EXPECT_FALSE(tool->Coasting());
    Up(150, 200);
    // Inertia 0: no coasting at all.
    tool->SetInertia(0);
    Down(100, 200);
    Move(150, 200);
    Up(150, 200);
    EXPECT_FALSE(tool->Coasting());
}

TEST_F(RotateTest, StreamsWithThePenHiddenAndItsCursor) {
    chart->SetName(QStringLiteral("Chart1"));
    auto* owned = new TRotateTool(chart);
    owned->SetName(QStringLiteral("Rotate"));
    owned->SetParentChart(chart);
    QByteArray text = writeText(chart);
    EXPECT_FALSE(text.contains("Cursor")) << text.toStdString();
    EXPECT_FALSE(text.contains("Pen.")) << text.toStdString();
    owned->SetInertia(30);
    owned->SetButton(mbRight);
    owned->SetStyle(rsElevation);
    text = writeText(chart);
    TForm other(nullptr, 0);
    auto* copy = new TChart(&other);
    readText(text, copy);
    TRotateTool* read = nullptr;
    for (int i = 0; i < copy->Tools()->Count(); ++i)
        if (auto* t = dynamic_cast<TRotateTool*>(copy->Tools()->Get(i)); t && t->Name() == "Rotate") read = t;
    ASSERT_NE(read, nullptr) << text.toStdString();
    EXPECT_EQ(read->Inertia(), 30);
    EXPECT_EQ(read->Button(), mbRight);
    EXPECT_EQ(read->Style(), rsElevation);
    EXPECT_EQ(read->Cursor(), 2020);
    EXPECT_FALSE(read->Pen()->Visible());
}

// ---- marks tip -----------------------------------------------------------------------------

class MarksTipTest : public ChartToolsFixture {
protected:
    void SetUp() override {
        ChartToolsFixture::SetUp();
        tool = new TMarksTipTool(form);
        tool->SetParentChart(chart);
    }
    String TextOf(int Index, TSeriesMarksStyle Style) {
        const TSeriesMarksStyle old = series->Marks()->Style();
        series->Marks()->SetStyle(Style);
        const String text = series->GetMarkText(Index);
        series->Marks()->SetStyle(old);
        return text;
    }
    TMarksTipTool* tool = nullptr;
};

TEST_F(MarksTipTest, HintFollowsThePointUnderTheMouse) {
    tool->SetStyle(smsValue);
    series->Marks()->SetStyle(smsLabel);
    const TPoint p4 = Pos(4), p5 = Pos(5);
    Move(p4.X, p4.Y);
    EXPECT_EQ(chart->Hint(), TextOf(4, smsValue));
    EXPECT_TRUE(chart->ShowHint());
    EXPECT_EQ(series->Marks()->Style(), smsLabel); // the series keeps its own style
    EXPECT_TRUE(chart->AutoRepaint());
    Move(p5.X, p5.Y);
    EXPECT_EQ(chart->Hint(), TextOf(5, smsValue));
    int cancels = 0;
    tool->OnCancelHint = [&](TObject*) { ++cancels; };
    Move(p5.X, chart->ChartRect.Top + 2); // away from every point
    EXPECT_EQ(chart->Hint(), String());
    EXPECT_EQ(cancels, 1);
    // Texts can be changed by the handler; clicks only with mtmClick.
    tool->OnGetText = [](TMarksTipTool*, String& Text) {
        Text = QStringLiteral("<") + Text + QStringLiteral(">");
    };
    tool->SetMouseAction(mtmClick);
    Move(p4.X, p4.Y);
    EXPECT_EQ(chart->Hint(), String());
    Down(p4.X, p4.Y);
    Up(p4.X, p4.Y);
    EXPECT_EQ(chart->Hint(), QStringLiteral("<") + TextOf(4, smsValue) + QStringLiteral(">"));
}

TEST_F(MarksTipTest, TwoToolsLeaveTheHintToEachOther) {
    auto* second = new TMarksTipTool(form);
    second->SetParentChart(chart);
    const TPoint p = Pos(4);
    Move(p.X, p.Y);
    const String shown = chart->Hint();
    EXPECT_FALSE(shown.isEmpty());
    Move(p.X, chart->ChartRect.Top + 2);
    EXPECT_EQ(chart->Hint(), shown);
}

TEST_F(MarksTipTest, DelaysAreTheApplicationsHintPauses) {
    const int pause = Application->HintPause(), hide = Application->HintHidePause();
    tool->SetMouseDelay(123);
    tool->SetHideDelay(4567);
    EXPECT_EQ(Application->HintPause(), 123);
    EXPECT_EQ(Application->HintHidePause(), 4567);
    TMarksTipTool other(nullptr);
    EXPECT_EQ(other.MouseDelay(), 123);
    chart->SetName(QStringLiteral("Chart1"));
    auto* owned = new TMarksTipTool(chart);
    owned->SetName(QStringLiteral("Tip"));
    owned->SetParentChart(chart);
    owned->SetStyle(smsValue);
    owned->SetMouseAction(mtmClick);
    const QByteArray text = writeText(chart);
    EXPECT_FALSE(text.contains("MouseDelay"));
    EXPECT_FALSE(text.contains("HideDelay"));
    TForm form2(nullptr, 0);
    auto* copy = new TChart(&form2);
    readText(text, copy);
    TMarksTipTool* read = nullptr;
    for (int i = 0; i < copy->Tools()->Count(); ++i)
        if (auto* t = dynamic_cast<TMarksTipTool*>(copy->Tools()->Get(i)); t && t->Name() == "Tip") read = t;
    ASSERT_NE(read, nullptr) << text.toStdString();
    EXPECT_EQ(read->Style(), smsValue);
    EXPECT_EQ(read->MouseAction(), mtmClick);
    Application->SetHintPause(pause);
    Application->SetHintHidePause(hide);
}

} // namespace
