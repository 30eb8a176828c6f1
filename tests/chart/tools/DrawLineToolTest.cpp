// The draw-line tool driven through the chart's mouse dispatch: drawing, selecting,
// dragging handles and bodies, refused selections, and the inverting rubber line.
#include "chart/tools/DrawLineTool.h"
#include "chart/engine/canvas/ChartPen.h"
#include "platform/graphics/Cursor.h"
#include "tests/chart/engine/StreamingSupport.h"
#include "tests/chart/tools/ToolsFixture.h"

#include <vector>

namespace {

class DrawLineToolTest : public ChartToolsFixture {
protected:
    void SetUp() override {
        ChartToolsFixture::SetUp();
        series->SetActive(false); // an empty plot: the lines alone
        tool = new TDrawLineTool(form);
        tool->SetParentChart(chart);
        tool->Pen()->SetColor(clBlue);
        Frame();
    }
    // Draws a line from (X0, Y0) to (X1, Y1) with the mouse.
    void Draw(int X0, int Y0, int X1, int Y1) {
        Down(X0, Y0);
        Move((X0 + X1) / 2, (Y0 + Y1) / 2);
        Move(X1, Y1);
        Up(X1, Y1);
    }
    // The pen colour at (X, Y) or a pixel beside it.
    bool BlueNear(int X, int Y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (Screen(X + dx, Y + dy) == clBlue) return true;
        return false;
    }
    TDrawLineTool* tool = nullptr;
};

TEST_F(DrawLineToolTest, DrawingAddsOneSelectedLineInAxisValues) {
    int added = 0;
    tool->OnNewLine = [&](TObject*) { ++added; };
    Down(X(2), Y(2));
    Up(X(2), Y(2)); // a press and release at one pixel adds nothing
    EXPECT_EQ(tool->Lines()->Count(), 0);
    EXPECT_EQ(added, 0);
    Draw(X(2), Y(2), X(6), Y(8));
    ASSERT_EQ(tool->Lines()->Count(), 1);
    EXPECT_EQ(added, 1);
    TDrawLine* line = tool->Lines()->Last();
    EXPECT_EQ(tool->Selected(), line);
    EXPECT_EQ(line->X0(), chart->BottomAxis()->CalcPosPoint(X(2)));
    EXPECT_EQ(line->Y1(), chart->LeftAxis()->CalcPosPoint(Y(8)));
    Frame();
    // The line in the pen colour, and the selected line's two black handle squares.
    const TPoint s = tool->AxisPoint(line->StartPos), e = tool->AxisPoint(line->EndPos);
    EXPECT_EQ(Screen((s.X + e.X) / 2, (s.Y + e.Y) / 2), clBlue);
    for (TPoint h : {s, e}) {
        EXPECT_EQ(Screen(h.X - 3, h.Y - 3), clBlack);
        EXPECT_EQ(Screen(h.X + 1, h.Y + 1), clBlack); // a clear pen: the fill ends a pixel short
    }
    // The line follows its axis values when the axis zooms.
    chart->BottomAxis()->SetMinMax(0, 5);
    Frame();
    EXPECT_EQ(tool->AxisPoint(line->StartPos).X, X(2));
}

TEST_F(DrawLineToolTest, DrawingStylesOnTheChart) {
    struct Case {
        TDrawLineStyle style;
        std::vector<TPoint> on; // in axis values (x10)
        std::vector<TPoint> off;
    };
    const Case cases[] = {
        {dlLine, {{40, 40}}, {{20, 60}}},
        {dlHorizParallel, {{40, 20}, {40, 60}}, {{40, 40}, {20, 40}}},
        {dlVertParallel, {{20, 40}, {60, 40}}, {{40, 40}, {40, 20}}},
        {dlRectangle, {{40, 20}, {20, 40}, {60, 40}, {40, 60}}, {{40, 40}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.style));
        tool->Lines()->Clear();
        tool->SetSelected(nullptr);
        TDrawLine* line = tool->Lines()->AddLine(2, 2, 6, 6);
        line->SetStyle(c.style);
        Frame();
        for (TPoint p : c.on)
            EXPECT_TRUE(BlueNear(X(p.X / 10.0), Y(p.Y / 10.0))) << p.X << "," << p.Y;
        for (TPoint p : c.off)
            EXPECT_FALSE(BlueNear(X(p.X / 10.0), Y(p.Y / 10.0))) << p.X << "," << p.Y;
    }
}

TEST_F(DrawLineToolTest, HandlesMoveOneEndAndTheBodyMovesBoth) {
    TDrawLine* line = tool->Lines()->AddLine(2, 2, 6, 6);
    tool->SetSelected(line);
    Frame();
    int dragging = 0, dragged = 0;
    tool->OnDragLine = [&](TObject*) { ++dragging; };
    tool->OnDraggedLine = [&](TObject*) { ++dragged; };
    const TFloatPoint end = line->EndPos;
    // The start handle.
    Down(X(2) + 2, Y(2) - 2);
    EXPECT_EQ(tool->Handle(), chStart);
    Move(X(3), Y(1));
    Up(X(3), Y(1));
    EXPECT_EQ(line->X0(), chart->BottomAxis()->CalcPosPoint(X(3)));
    EXPECT_EQ(line->Y0(), chart->LeftAxis()->CalcPosPoint(Y(1)));
    EXPECT_EQ(line->X1(), end.X);
    EXPECT_EQ(line->Y1(), end.Y);
    EXPECT_EQ(dragged, 1);
    // The body: both ends move by the mouse offset.
    const TPoint s = tool->AxisPoint(line->StartPos), e = tool->AxisPoint(line->EndPos);
    const TPoint mid{(s.X + e.X) / 2, (s.Y + e.Y) / 2};
    ASSERT_EQ(tool->Clicked(mid.X, mid.Y), line);
    Down(mid.X, mid.Y);
    EXPECT_EQ(tool->Handle(), chSeries);
    Move(mid.X + 10, mid.Y + 5);
    Move(mid.X + 20, mid.Y + 15);
    Up(mid.X + 20, mid.Y + 15);
    EXPECT_EQ(tool->AxisPoint(line->StartPos), (TPoint{s.X + 20, s.Y + 15}));
    EXPECT_EQ(tool->AxisPoint(line->EndPos), (TPoint{e.X + 20, e.Y + 15}));
    EXPECT_EQ(dragged, 2);
    EXPECT_GT(dragging, 2);
}

TEST_F(DrawLineToolTest, RefusedSelectionKeepsTheOldOneAndStartsNoDrag) {
    TDrawLine* first = tool->Lines()->AddLine(1, 1, 4, 1);
    TDrawLine* second = tool->Lines()->AddLine(6, 8, 9, 8);
    tool->SetSelected(first);
    Frame();
    tool->OnSelecting = [&](TDrawLineTool*, TDrawLine* Line, bool& Allow) { Allow = Line != second; };
    const TFloatPoint a0 = first->StartPos, a1 = first->EndPos, b0 = second->StartPos, b1 = second->EndPos;
    Down(X(7.5), Y(8));
    EXPECT_EQ(tool->Selected(), first);
    EXPECT_EQ(tool->Handle(), chNone);
    Move(X(7.5) + 30, Y(8) + 40);
    Up(X(7.5) + 30, Y(8) + 40);
    EXPECT_EQ(first->StartPos.X, a0.X);
    EXPECT_EQ(first->StartPos.Y, a0.Y);
    EXPECT_EQ(first->EndPos.X, a1.X);
    EXPECT_EQ(first->EndPos.Y, a1.Y);
    EXPECT_EQ(second->StartPos.X, b0.X);
    EXPECT_EQ(second->EndPos.Y, b1.Y);
    EXPECT_EQ(tool->Lines()->Count(), 2); // nor was a new line drawn
}

TEST_F(DrawLineToolTest, ClickToleranceAndHoverCursors) {
    TDrawLine* line = tool->Lines()->AddLine(2, 5, 8, 5);
    Frame();
    const int y = Y(5), x = X(5);
    EXPECT_EQ(tool->Clicked(x, y + 1), line);
    EXPECT_EQ(tool->Clicked(x, y + 2), nullptr);
    tool->SetClickTolerance(3);
    EXPECT_EQ(tool->Clicked(x, y + 3), line);
    tool->SetClickTolerance(0);
    Move(x, y);
    EXPECT_EQ(chart->Cursor(), crHandPoint);
    tool->SetSelected(line);
    Move(X(8), y);
    EXPECT_EQ(chart->Cursor(), crCross);
}

TEST_F(DrawLineToolTest, RubberLineErasedExactly) {
    Frame();
    const int x0 = X(1), y0 = Y(1);
    std::vector<TColor> before;
    for (int y = Y(9); y <= y0; y += 3)
        for (int x = x0; x <= X(9); x += 3)
            before.push_back(Screen(x, y));
    Down(x0, y0);
    Move(X(5), Y(7));
    EXPECT_NE(Screen((x0 + X(5)) / 2, (y0 + Y(7)) / 2), Screen(x0 + 30, Y(9))); // drawn
    Move(X(7), Y(3));
    Move(x0, y0); // back to a single point, then the release erases it
    Up(x0, y0);
    EXPECT_EQ(tool->Lines()->Count(), 0);
    std::size_t k = 0;
    for (int y = Y(9); y <= y0; y += 3)
        for (int x = x0; x <= X(9); x += 3)
            EXPECT_EQ(Screen(x, y), before[k++]) << x << "," << y;
}

TEST_F(DrawLineToolTest, LineCopiesAndStreamsItsOwnPenOnlyWhenItHasOne) {
    TDrawLine* a = tool->Lines()->AddLine(1, 2, 3, 4);
    TDrawLine* b = tool->Lines()->AddLine(0, 0, 1, 1);
    a->Pen()->SetColor(clGreen);
    b->Assign(a);
    ASSERT_TRUE(b->HasPen());
    EXPECT_EQ(b->Pen()->Color(), clGreen);
    TDrawLine* c = tool->Lines()->AddLine(5, 5, 6, 6);
    b->Assign(c);
    EXPECT_FALSE(b->HasPen());
    EXPECT_EQ(b->X0(), 5);

    chart->SetName(QStringLiteral("Chart1"));
    tool->SetName(QStringLiteral("DrawLine1"));
    auto* owned = new TDrawLineTool(chart);
    owned->SetName(QStringLiteral("DrawLine2"));
    owned->SetParentChart(chart);
    owned->Lines()->AddLine(1, 2, 3, 4)->Pen()->SetWidth(3);
    owned->Lines()->AddLine(5, 6, 7, 8)->SetStyle(dlEllipse);
    const QByteArray text = writeText(chart);
    EXPECT_FALSE(owned->Lines()->Line(1)->HasPen()); // writing made none
    TForm other(nullptr, 0);
    auto* copy = new TChart(&other);
    readText(text, copy);
    TDrawLineTool* read = nullptr;
    for (int i = 0; i < copy->Tools()->Count(); ++i)
        if (auto* t = dynamic_cast<TDrawLineTool*>(copy->Tools()->Get(i))) read = t;
    ASSERT_NE(read, nullptr) << text.toStdString();
    ASSERT_EQ(read->Lines()->Count(), 2);
    EXPECT_TRUE(read->Lines()->Line(0)->HasPen());
    EXPECT_EQ(read->Lines()->Line(0)->Pen()->Width(), 3);
    EXPECT_FALSE(read->Lines()->Line(1)->HasPen());
    EXPECT_EQ(read->Lines()->Line(1)->Style(), dlEllipse);
    EXPECT_EQ(read->Lines()->Line(1)->Y1(), 8);
}

TEST_F(DrawLineToolTest, DeleteSelectedAndDisablingSelection) {
    TDrawLine* line = tool->Lines()->AddLine(2, 2, 6, 6);
    tool->SetSelected(line);
    tool->DeleteSelected();
    EXPECT_EQ(tool->Lines()->Count(), 0);
    EXPECT_EQ(tool->Selected(), nullptr);
    TDrawLine* next = tool->Lines()->AddLine(2, 2, 6, 6);
    tool->SetSelected(next);
    tool->SetEnableSelect(false);
    EXPECT_EQ(tool->Selected(), nullptr);
    delete next; // freeing a line leaves no dangling selection
    Frame();
}

} // namespace
