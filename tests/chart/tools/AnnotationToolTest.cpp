// Annotation tool: placement of the box on a chart, size rules, clicks and the gallery table.
#include "chart/tools/AnnotationTool.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/chart/Chart.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Streams.h"
#include "platform/classes/Writer.h"
#include "platform/controls/CustomForm.h"

#include <QCoreApplication>

#include <gtest/gtest.h>


namespace {

class AnnotationFixture : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr, 0);
        form->SetClientSize(400, 300);
        chart = new TChart(form);
        chart->SetParent(form);
        chart->SetBounds(0, 0, 400, 300);
        tool = new TAnnotationTool(form);
        tool->SetParentChart(chart);
        tool->SetText(QStringLiteral("Hello"));
        form->Show();
        QCoreApplication::processEvents();
        chart->Repaint();
    }
    void TearDown() override { delete form; }
    int FontHeight() {
        chart->Canvas()->AssignFont(tool->Shape()->Font());
        return chart->Canvas()->FontHeight();
    }
    TForm* form = nullptr;
    TChart* chart = nullptr;
    TAnnotationTool* tool = nullptr;
};

TEST_F(AnnotationFixture, DefaultBoxSitsTenPixelsInAndGrowsWithText) {
    const TRect cb = chart->ChartBounds();
    const TRect r = tool->Bounds();
    EXPECT_EQ(r.Left, cb.Left + 10);
    EXPECT_EQ(r.Top, cb.Top + 10);
    const int w1 = r.Right - r.Left;
    tool->SetText(QStringLiteral("Hello, a much longer text"));
    const TRect r2 = tool->Bounds();
    EXPECT_GT(r2.Right - r2.Left, w1);
}

TEST_F(AnnotationFixture, TwoLinesGiveTwoFontHeightsPlusMargins) {
    tool->Shape()->Frame()->SetVisible(false);
    tool->SetText(QStringLiteral("A") + QChar(TeeLineSeparator) + QStringLiteral("B"));
    int n = 0, x = 0, y = 0;
    const TRect r = tool->GetTextBounds(n, x, y);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(r.Bottom - r.Top + 1, 2 * FontHeight() + tool->Shape()->Margins()->VertSize());
}

TEST_F(AnnotationFixture, RightBottomIsFlushWithChartBounds) {
    tool->SetPosition(ppRightBottom);
    const TRect cb = chart->ChartBounds();
    const TRect r = tool->Bounds();
    // The box ends on the last pixel of the chart bounds (no 10-pixel gap).
    EXPECT_EQ(r.Right, cb.Right);
    EXPECT_EQ(r.Bottom, cb.Bottom);
}

TEST_F(AnnotationFixture, WidthSwitchesAutoSizeOffAndKeepsTheWidth) {
    tool->SetWidth(77);
    EXPECT_FALSE(tool->AutoSize());
    tool->SetText(QStringLiteral("A far longer text than seventy-seven pixels can hold"));
    const TRect r = tool->Bounds();
    EXPECT_EQ(r.Right - r.Left + 1, 77);
}

TEST_F(AnnotationFixture, PercentLeftPutsTheBoxAtHalfTheChartWidth) {
    tool->SetPositionUnits(muPercent);
    tool->SetLeft(50);
    tool->SetTop(0);
    const TRect cb = chart->ChartBounds();
    EXPECT_EQ(tool->Bounds().Left, static_cast<int>(std::lround(50 * (cb.Right - cb.Left + 1) * 0.01)));
}

TEST_F(AnnotationFixture, ClickAndDoubleClickOnlyInsideTheBox) {
    int clicks = 0, doubles = 0;
    struct Sink {
        int* c;
        int* d;
        void Click(TAnnotationTool*, TMouseButton, TShiftState, int, int) { ++*c; }
        void Dbl(TAnnotationTool*, TMouseButton, TShiftState, int, int) { ++*d; }
    } sink{&clicks, &doubles};
    tool->OnClick = TAnnotationClick(&sink, &Sink::Click);
    tool->OnDblClick = TAnnotationClick(&sink, &Sink::Dbl);
    const TRect r = tool->Bounds();
    tool->ChartMouseEvent(cmeDown, mbLeft, TShiftState(), r.Left + 2, r.Top + 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 0);
    tool->ChartMouseEvent(cmeDown, mbLeft, TShiftState() << ssDouble, r.Left + 2, r.Top + 2);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(doubles, 1);
    tool->ChartMouseEvent(cmeDown, mbLeft, TShiftState() << ssDouble, r.Right + 5, r.Bottom + 5);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(doubles, 1);
}

TEST_F(AnnotationFixture, HoverCursorOnlyOverTheBoxAndNoBoxWithoutAChart) {
    tool->SetCursor(crHandPoint);
    const TRect r = tool->Bounds();
    chart->SetCursor(crDefault);
    tool->ChartMouseEvent(cmeMove, mbLeft, TShiftState(), r.Right + 20, r.Bottom + 20);
    EXPECT_EQ(chart->Cursor(), crDefault);
    tool->ChartMouseEvent(cmeMove, mbLeft, TShiftState(), r.Left + 1, r.Top + 1);
    EXPECT_EQ(chart->Cursor(), crHandPoint);

    TAnnotationTool loose(nullptr);
    int n = -1, x = -1, y = -1;
    EXPECT_EQ(loose.GetTextBounds(n, x, y), TRect());
    EXPECT_FALSE(loose.Clicked(0, 0));
}

QByteArray ToolText(TComponent* Root) {
    TMemoryStream bin, out;
    {
        TWriter w(&bin);
        w.WriteRootComponent(Root);
    }
    bin.SetPosition(0);
    ObjectBinaryToText(&bin, &out);
    return QByteArray(static_cast<const char*>(out.Memory()), qsizetype(out.Size()));
}

TEST(AnnotationStreaming, SizeOnlyWithoutAutoSizeAndNoPosition) {
    TAnnotationTool tool(nullptr);
    tool.SetName(QStringLiteral("Annotation1"));
    const QByteArray plain = ToolText(&tool);
    for (const char* absent : {"Width", "Height", "Left", "Top", "AutoSize", "Position", "Cursor"})
        EXPECT_FALSE(plain.contains(absent)) << absent << "\n" << plain.constData();
    tool.SetWidth(77);
    tool.SetText(QStringLiteral("Note"));
    const QByteArray sized = ToolText(&tool);
    EXPECT_TRUE(sized.contains("Width = 77")) << sized.constData();
    EXPECT_TRUE(sized.contains("AutoSize = False")) << sized.constData();
    EXPECT_TRUE(sized.contains("Text = 'Note'")) << sized.constData();
}

} // namespace
