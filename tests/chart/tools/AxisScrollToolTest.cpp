// Axis scroll tool: dragging on an axis scrolls it by the dragged pixels in its own range,
// with the axes that share a series with it.
#include "chart/tools/AxisScrollTool.h"

#include "platform/graphics/Cursor.h"
#include "tests/chart/engine/StreamingSupport.h"
#include "tests/chart/tools/ToolsFixture.h"

#include <cmath>

namespace {

class AxisScrollTest : public ChartToolsFixture {
protected:
    void SetUp() override {
        ChartToolsFixture::SetUp();
        for (TChartAxis* axis : {chart->LeftAxis(), chart->BottomAxis(), chart->RightAxis()})
            axis->SetMinMax(0, 100);
        other = new TLineSeries(form);
        other->SetParentChart(chart);
        other->SetVertAxis(aRightAxis);
        other->AddXY(1, 1);
        tool = new TAxisScrollTool(form);
        tool->SetParentChart(chart);
        Frame();
    }
    // Presses on Axis, drags by (DX, DY) and releases, as the chart passes it to the tool.
    void Drag(TChartAxis* Axis, int DX, int DY) {
        const int along = (Axis->IStartPos + Axis->IEndPos) / 2 + 7;
        const int x = Axis->Horizontal() ? along : Axis->PosAxis() - 2;
        const int y = Axis->Horizontal() ? Axis->PosAxis() + 2 : along;
        ASSERT_TRUE(Axis->Clicked(x, y));
        tool->ChartMouseEvent(cmeDown, mbLeft, TShiftState(), x, y);
        tool->ChartMouseEvent(cmeMove, mbLeft, TShiftState(), x + DX, y + DY);
        tool->ChartMouseEvent(cmeUp, mbLeft, TShiftState(), x + DX, y + DY);
    }
    TAxisScrollTool* tool = nullptr;
    TLineSeries* other = nullptr;
};

TEST_F(AxisScrollTest, TenPixelsOnAFiveHundredPixelAxisScrollTwoUnits) {
    TChartAxis* axis = chart->BottomAxis();
    // Pretend the axis spans 500 pixels so the drag gives round numbers.
    axis->IAxisSize = 500;
    Drag(axis, -10, 0);
    EXPECT_DOUBLE_EQ(axis->Minimum(), 2);
    EXPECT_DOUBLE_EQ(axis->Maximum(), 102);
    tool->SetScrollInverted(true);
    axis->SetMinMax(0, 100);
    Frame();
    axis->IAxisSize = 500;
    Drag(axis, -10, 0);
    EXPECT_DOUBLE_EQ(axis->Minimum(), -2);
    // An inverted axis turns the sign once more.
    tool->SetScrollInverted(false);
    axis->SetInverted(true);
    axis->SetMinMax(0, 100);
    Frame();
    axis->IAxisSize = 500;
    Drag(axis, -10, 0);
    EXPECT_DOUBLE_EQ(axis->Minimum(), -2);
}

TEST_F(AxisScrollTest, DraggingTheLeftAxisUpMovesItsRangeDown) {
    TChartAxis* axis = chart->LeftAxis();
    const double size = axis->IAxisSize;
    Drag(axis, 0, -10);
    EXPECT_NEAR(axis->Minimum(), -100 * 10 / size, 1e-9);
    axis->SetMinMax(0, 100);
    Frame();
    tool->SetScrollInverted(true);
    Drag(axis, 0, -10);
    EXPECT_NEAR(axis->Minimum(), 100 * 10 / size, 1e-9);
}

TEST_F(AxisScrollTest, AxesSharingASeriesFollowOthersDoNot) {
    TChartAxis* left = chart->LeftAxis();
    TChartAxis* right = chart->RightAxis();
    Drag(left, 0, -10);
    EXPECT_LT(left->Minimum(), 0);
    EXPECT_DOUBLE_EQ(right->Minimum(), 0); // only the other series is on it
    // The line series on both vertical axes: the right one follows by the same pixels.
    left->SetMinMax(0, 100);
    series->SetVertAxis(aBothVertAxis);
    right->SetMinMax(0, 50);
    Frame();
    Drag(left, 0, -10);
    EXPECT_NEAR(right->Minimum(), -50 * 10.0 / right->IAxisSize, 1e-9);
    EXPECT_DOUBLE_EQ(chart->BottomAxis()->Minimum(), 0);
    // A following axis without pixel size is left alone instead of dividing by zero.
    right->SetMinMax(0, 50);
    Frame();
    right->IAxisSize = 0;
    Drag(left, 0, -10);
    EXPECT_DOUBLE_EQ(right->Minimum(), 0);
    EXPECT_DOUBLE_EQ(right->Maximum(), 50);
}

TEST_F(AxisScrollTest, PressOffEveryAxisScrollsNothingAndHoverShowsTheHand) {
    const TRect& r = chart->ChartRect;
    Down((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    Move((r.Left + r.Right) / 2 + 5, (r.Top + r.Bottom) / 2 + 5);
    Up((r.Left + r.Right) / 2 + 5, (r.Top + r.Bottom) / 2 + 5);
    for (TChartAxis* axis : {chart->LeftAxis(), chart->BottomAxis(), chart->RightAxis()}) {
        EXPECT_DOUBLE_EQ(axis->Minimum(), 0);
        EXPECT_DOUBLE_EQ(axis->Maximum(), 100);
    }
    TChartAxis* bottom = chart->BottomAxis();
    chart->SetCursor(crDefault);
    Move((bottom->IStartPos + bottom->IEndPos) / 2 + 7, bottom->PosAxis() + 2);
    EXPECT_EQ(chart->Cursor(), crHandPoint);
    // Bound to the left axis, the tool ignores the bottom one.
    tool->SetAxis(chart->LeftAxis());
    EXPECT_EQ(tool->AxisAt((bottom->IStartPos + bottom->IEndPos) / 2 + 7, bottom->PosAxis() + 2), nullptr);
    // Through the chart's mouse dispatch: a drag on the bottom axis scrolls nothing now.
    tool->SetAxis(nullptr);
    tool->SetParentChart(chart);
    const int x = (bottom->IStartPos + bottom->IEndPos) / 2 + 7, y = bottom->PosAxis() + 2;
    Down(x, y);
    Move(x - 10, y);
    Up(x - 10, y);
    EXPECT_NEAR(bottom->Minimum(), 100 * 10.0 / bottom->IAxisSize, 1e-9);
}

TEST(AxisScrollStreaming, DefaultsLeftOutAndValuesReadBack) {
    TForm form(nullptr, 0);
    auto* chart = new TChart(&form);
    chart->SetName(QStringLiteral("Chart1"));
    auto* tool = new TAxisScrollTool(chart);
    tool->SetName(QStringLiteral("Scroll1"));
    tool->SetParentChart(chart);
    QByteArray text = writeText(chart);
    EXPECT_FALSE(text.contains("ScrollInverted")) << text.toStdString();
    EXPECT_FALSE(text.contains("AxisID")) << text.toStdString();
    tool->SetScrollInverted(true);
    tool->SetAxis(chart->BottomAxis());
    text = writeText(chart);
    TForm other(nullptr, 0);
    auto* copy = new TChart(&other);
    readText(text, copy);
    ASSERT_EQ(copy->Tools()->Count(), 1);
    auto* read = dynamic_cast<TAxisScrollTool*>(copy->Tools()->Get(0));
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(read->ScrollInverted());
    EXPECT_EQ(read->Axis(), copy->BottomAxis());
}

} // namespace
