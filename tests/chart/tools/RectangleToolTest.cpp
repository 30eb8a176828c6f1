// Rectangle tool: edges and corners under the mouse, dragging and resizing through the
// chart's mouse dispatch, hover cursors, the copy of the area under the box, streaming.
#include "chart/tools/RectangleTool.h"

#include "chart/engine/canvas/TeeShadow.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Cursor.h"
#include "tests/chart/engine/StreamingSupport.h"
#include "tests/chart/tools/ToolsFixture.h"

#include <memory>
#include <stdexcept>

namespace {

class RectangleToolTest : public ChartToolsFixture {
protected:
    void SetUp() override {
        ChartToolsFixture::SetUp();
        series->SetActive(false);
        tool = new TRectangleTool(form);
        tool->SetParentChart(chart);
        tool->SetLeft(100);
        tool->SetTop(80);
        Frame();
    }
    TRectangleTool* tool = nullptr;
};

TEST_F(RectangleToolTest, NewToolIsAFiftyPixelBoxAtTenTenSeeThroughWithoutShadow) {
    TRectangleTool fresh(nullptr);
    fresh.SetParentChart(chart);
    EXPECT_EQ(fresh.Bounds(), (TRect{10, 10, 59, 59}));
    EXPECT_EQ(fresh.Shape()->Transparency(), 75);
    EXPECT_EQ(fresh.Shape()->Shadow()->Size(), 0);
    EXPECT_FALSE(fresh.AutoSize());
    EXPECT_EQ(fresh.Cursor(), crHandPoint);
    EXPECT_FALSE(fresh.Dragging());
    EXPECT_FALSE(fresh.Resizing());
}

TEST_F(RectangleToolTest, ClickedEdgeForEveryCode) {
    // The box is (100, 80) .. (149, 129).
    const TRect r = tool->Bounds();
    ASSERT_EQ(r, (TRect{100, 80, 149, 129}));
    const int mx = 125, my = 105;
    struct Case {
        int x, y, edge;
    };
    const Case cases[] = {
        {r.Left + 3, my, 0},           {r.Left + 4, my, -1},        {mx, r.Top + 3, 1},
        {mx, r.Top + 4, -1},           {r.Right - 3, my, 2},        {r.Right - 4, my, -1},
        {mx, r.Bottom - 3, 3},         {mx, r.Bottom - 4, -1},      {r.Left + 1, r.Top + 2, 4},
        {r.Left + 3, r.Bottom - 3, 5}, {r.Right - 3, r.Top + 3, 6}, {r.Right, r.Bottom, 7},
        {r.Left - 1, my, -1},          {mx, r.Bottom + 1, -1},      {mx, my, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tool->ClickedEdge(c.x, c.y), c.edge) << c.x << "," << c.y;
}

TEST_F(RectangleToolTest, DragMovesTheBoxAndFiresItsEvents) {
    int dragging = 0, dragged = 0;
    tool->OnDragging = [&](TObject*) { ++dragging; };
    tool->OnDragged = [&](TObject*) { ++dragged; };
    Down(120, 100);
    EXPECT_TRUE(tool->Dragging());
    EXPECT_FALSE(tool->Resizing());
    Move(150, 90);
    EXPECT_EQ(tool->Bounds(), (TRect{130, 70, 179, 119}));
    Up(150, 90);
    EXPECT_FALSE(tool->Dragging());
    EXPECT_EQ(dragging, 1);
    EXPECT_EQ(dragged, 1);
    // The box is drawn where it went: 75 % see-through white over the chart's back.
    Frame();
    EXPECT_NE(Screen(150, 95), Screen(110, 125)) << "moved box and uncovered area look alike";
}

TEST_F(RectangleToolTest, ResizingStopsThreePixelsShortAndCornersMoveTwoEdges) {
    int resizing = 0, resized = 0;
    tool->OnResizing = [&](TObject*) { ++resizing; };
    tool->OnResized = [&](TObject*) { ++resized; };
    // The left edge dragged past the right one stops 3 pixels before it.
    Down(101, 105);
    EXPECT_TRUE(tool->Resizing());
    Move(300, 105);
    EXPECT_EQ(tool->Bounds(), (TRect{146, 80, 149, 129}));
    Up(300, 105);
    EXPECT_FALSE(tool->Resizing());
    EXPECT_EQ(resizing, 1);
    EXPECT_EQ(resized, 1);
    // Pressing 2 pixels from the bottom-right corner resizes both edges by the grab offset.
    tool->SetBounds(TRect{100, 80, 149, 129});
    Down(147, 127);
    Move(167, 147);
    Up(167, 147);
    EXPECT_EQ(tool->Bounds(), (TRect{100, 80, 169, 149}));
    // The top-left corner upwards and to the left.
    Down(101, 82);
    Move(91, 62);
    Up(91, 62);
    EXPECT_EQ(tool->Bounds(), (TRect{90, 60, 169, 149}));
}

TEST_F(RectangleToolTest, WithoutResizeAnEdgePressDragsAndWithoutDragNothingMoves) {
    tool->SetAllowResize(false);
    Down(101, 105);
    EXPECT_TRUE(tool->Dragging());
    Move(111, 105);
    Up(111, 105);
    EXPECT_EQ(tool->Bounds().Left, 110);
    tool->SetAllowDrag(false);
    Down(125, 105);
    EXPECT_FALSE(tool->Dragging());
    Move(145, 125);
    Up(145, 125);
    EXPECT_EQ(tool->Bounds().Left, 110);
}

TEST_F(RectangleToolTest, PercentUnitsMoveTheLeftTopInPercentOfTheChart) {
    tool->SetPositionUnits(muPercent);
    tool->SetLeft(10);
    tool->SetTop(10);
    const TRect r = tool->Bounds();
    Down(r.Left + 20, r.Top + 20);
    Move(250 + 20, 180 + 20);
    Up(250 + 20, 180 + 20);
    EXPECT_EQ(tool->Left(), 50); // 250 of 500 pixels
    EXPECT_EQ(tool->Top(), 50);  // 180 of 360 pixels
    EXPECT_EQ(tool->Width(), 50);
}

TEST_F(RectangleToolTest, HoverCursorsForEdgesCornersAndInside) {
    struct Case {
        int x, y;
        TCursor cursor;
    };
    const Case cases[] = {{101, 105, crSizeWE},   {148, 105, crSizeWE},  {125, 81, crSizeNS},
                          {125, 128, crSizeNS},   {101, 81, crSizeNWSE}, {148, 128, crSizeNWSE},
                          {101, 128, crSizeNESW}, {148, 81, crSizeNESW}, {125, 105, crHandPoint}};
    for (const Case& c : cases) {
        chart->SetCursor(crDefault);
        tool->ChartMouseEvent(cmeMove, mbLeft, TShiftState(), c.x, c.y);
        EXPECT_EQ(chart->Cursor(), c.cursor) << c.x << "," << c.y;
        EXPECT_TRUE(chart->CancelMouse());
    }
    tool->SetAllowResize(false);
    chart->SetCancelMouse(true);
    tool->ChartMouseEvent(cmeMove, mbLeft, TShiftState(), 101, 105);
    EXPECT_FALSE(chart->CancelMouse());
    chart->SetCancelMouse(true);
    tool->ChartMouseEvent(cmeMove, mbLeft, TShiftState(), 300, 300);
    EXPECT_FALSE(chart->CancelMouse());
}

TEST_F(RectangleToolTest, BitmapHoldsThePixelsUnderTheBox) {
    tool->Shape()->SetColor(clBlue);
    tool->Shape()->SetTransparency(0);
    Frame();
    std::unique_ptr<TBitmap> shown(tool->Bitmap(false));
    ASSERT_EQ(shown->Width(), 50);
    ASSERT_EQ(shown->Height(), 50);
    EXPECT_EQ(shown->Canvas()->Pixels(25, 25), Screen(125, 105));
    EXPECT_EQ(shown->Canvas()->Pixels(25, 25), clBlue);
    // Without the tool: the chart under the box, and the tool is active again after.
    std::unique_ptr<TBitmap> chartOnly(tool->Bitmap(true));
    EXPECT_NE(chartOnly->Canvas()->Pixels(25, 25), clBlue);
    EXPECT_TRUE(tool->Active());
    // A drawing that fails still gives the tool back its Active.
    chart->OnAfterDraw = [](TObject*) { throw std::runtime_error("drawing failed"); };
    EXPECT_THROW(std::unique_ptr<TBitmap>(tool->Bitmap(true)), std::runtime_error);
    EXPECT_TRUE(tool->Active());
    chart->OnAfterDraw = TNotifyEvent();
}

TEST(RectangleToolStreaming, DefaultsLeftOutAndValuesReadBack) {
    TForm form(nullptr, 0);
    auto* chart = new TChart(&form);
    chart->SetName(QStringLiteral("Chart1"));
    auto* tool = new TRectangleTool(chart);
    tool->SetName(QStringLiteral("Rect1"));
    tool->SetParentChart(chart);
    QByteArray text = writeText(chart);
    for (const char* absent : {"AutoSize", "Cursor", "AllowDrag", "AllowResize", "PositionUnits"})
        EXPECT_FALSE(text.contains(absent)) << absent << "\n" << text.toStdString();
    EXPECT_TRUE(text.contains("Width = 50")) << text.toStdString();
    tool->SetAllowDrag(false);
    tool->SetCursor(crDefault);
    tool->SetLeft(33);
    tool->SetWidth(70);
    text = writeText(chart);
    TForm other(nullptr, 0);
    auto* copy = new TChart(&other);
    readText(text, copy);
    ASSERT_EQ(copy->Tools()->Count(), 1);
    auto* read = dynamic_cast<TRectangleTool*>(copy->Tools()->Get(0));
    ASSERT_NE(read, nullptr);
    EXPECT_FALSE(read->AllowDrag());
    EXPECT_TRUE(read->AllowResize());
    EXPECT_EQ(read->Cursor(), crDefault);
    EXPECT_EQ(read->Shape()->Left(), 33);
    EXPECT_EQ(read->Width(), 70);
    EXPECT_FALSE(read->AutoSize());
}

} // namespace
