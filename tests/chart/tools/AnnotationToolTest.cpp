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
#include "tests/chart/engine/StreamingSupport.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

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
    TColor Screen(int X, int Y) { return chart->VclCanvas()->Pixels(X, Y); }
    void Frame() {
        chart->Invalidate();
        QCoreApplication::processEvents();
        chart->Repaint();
    }
    // The leftmost and rightmost columns of R holding blue text (smoothed edges count) on
    // the window; -1 when none.
    std::pair<int, int> Ink(const TRect& R) {
        auto blue = [](TColor c) { return GetBValue(c) - std::max(GetRValue(c), GetGValue(c)) > 60; };
        int lo = -1, hi = -1;
        for (int x = R.Left; x <= R.Right; ++x)
            for (int y = R.Top; y <= R.Bottom; ++y)
                if (blue(Screen(x, y))) {
                    if (lo < 0) lo = x;
                    hi = x;
                    break;
                }
        return {lo, hi};
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

TEST_F(AnnotationFixture, FivePositionsPlaceAndDrawTheBox) {
    tool->SetText(QStringLiteral("...."));
    tool->Shape()->SetColor(clYellow);
    const TRect cb = chart->ChartBounds();
    chart->Canvas()->AssignFont(tool->Shape()->Font());
    int lines = 0;
    const int tw = chart->MultiLineTextWidth(QStringLiteral("...."), lines);
    const int th = FontHeight() * lines;
    for (TAnnotationPosition p : {ppLeftTop, ppLeftBottom, ppRightTop, ppRightBottom, ppCenter}) {
        SCOPED_TRACE(p);
        tool->SetPosition(p);
        Frame();
        const TRect r = tool->Bounds();
        switch (p) {
        case ppLeftTop:
            EXPECT_EQ(r.Left, cb.Left + 10);
            EXPECT_EQ(r.Top, cb.Top + 10);
            break;
        case ppLeftBottom:
            EXPECT_EQ(r.Left, cb.Left + 10);
            EXPECT_EQ(r.Bottom, cb.Bottom);
            break;
        case ppRightTop:
            EXPECT_EQ(r.Right, cb.Right);
            EXPECT_EQ(r.Top, cb.Top + 10);
            break;
        case ppRightBottom:
            EXPECT_EQ(r.Right, cb.Right);
            EXPECT_EQ(r.Bottom, cb.Bottom);
            break;
        case ppCenter:
            EXPECT_EQ(r.Left, (cb.Left + cb.Right - tw) / 2);
            EXPECT_EQ(r.Top, (cb.Top + cb.Bottom - th) / 2);
            break;
        }
        // The box's background where the box is, not beside it.
        EXPECT_EQ(Screen(r.Left + 3, r.Top + 2), clYellow);
        if (r.Left > 3) {
            EXPECT_NE(Screen(r.Left - 3, r.Top + 2), clYellow);
        }
    }
    // Percent units place a custom position in hundredths of the chart bounds.
    tool->SetPositionUnits(muPercent);
    tool->SetLeft(25);
    tool->SetTop(50);
    Frame();
    const TRect r = tool->Bounds();
    EXPECT_EQ(r.Left, static_cast<int>(std::lround(25 * (cb.Right - cb.Left + 1) * 0.01)));
    EXPECT_EQ(r.Top, static_cast<int>(std::lround(50 * (cb.Bottom - cb.Top + 1) * 0.01)));
    EXPECT_EQ(Screen(r.Left + 3, r.Top + 2), clYellow);
}

TEST_F(AnnotationFixture, FramePenWidthAddsHalfItsWidthToTheBox) {
    tool->Shape()->Frame()->SetVisible(false);
    const TRect plain = tool->Bounds();
    tool->Shape()->Frame()->SetVisible(true);
    for (int w : {1, 2, 3, 4, 5}) {
        tool->Shape()->Frame()->SetWidth(w);
        const TRect r = tool->Bounds();
        EXPECT_EQ(r.Right - r.Left, plain.Right - plain.Left + (w + 1) / 2) << w;
        EXPECT_EQ(r.Bottom - r.Top, plain.Bottom - plain.Top + (w + 1) / 2) << w;
    }
}

TEST_F(AnnotationFixture, ClipTextKeepsTheTextInsideAFixedBox) {
    tool->SetText(QStringLiteral("WWWWWWWWWWWWWWWWWWWW"));
    tool->Shape()->Font()->SetColor(clBlue);
    tool->SetWidth(40);
    tool->SetHeight(FontHeight() + 8);
    Frame();
    const TRect r = tool->Bounds();
    const TRect beside{r.Right + 1, r.Top, r.Right + 60, r.Bottom};
    EXPECT_EQ(Ink(beside).first, -1);
    EXPECT_NE(Ink(r).first, -1);
    tool->SetClipText(false);
    Frame();
    EXPECT_NE(Ink(beside).first, -1);
}

TEST_F(AnnotationFixture, AlignmentsAnchorTheTextLeftCentredOrRight) {
    tool->SetText(QStringLiteral("IIII"));
    tool->Shape()->Font()->SetColor(clBlue);
    tool->SetWidth(200);
    tool->SetHeight(FontHeight() + 8);
    const TRect r = tool->Bounds();
    Frame();
    const auto left = Ink(r);
    ASSERT_NE(left.first, -1);
    EXPECT_LE(left.first - r.Left, 12);
    tool->SetTextAlignment(taRightJustify);
    Frame();
    const auto right = Ink(r);
    EXPECT_LE(r.Right - right.second, 12);
    EXPECT_GT(right.first, r.Left + 100);
    tool->SetTextAlignment(taCenter);
    Frame();
    const auto centre = Ink(r);
    EXPECT_NEAR((centre.first + centre.second) / 2, (r.Left + r.Right) / 2, 4);
}

TEST_F(AnnotationFixture, HtmlTextDrawsItsTagsAsFormatting) {
    tool->SetText(QStringLiteral("<b>AB</b>"));
    tool->Shape()->Font()->SetColor(clBlue);
    tool->SetWidth(300);
    tool->SetHeight(FontHeight() + 8);
    const TRect r = tool->Bounds();
    Frame();
    const auto plain = Ink(r);
    tool->Shape()->SetTextFormat(ttfHtml);
    Frame();
    const auto html = Ink(r);
    ASSERT_NE(html.first, -1);
    // Only "AB" is drawn: far narrower than the tags and letters of the plain text.
    EXPECT_LT(html.second - html.first, (plain.second - plain.first) / 2);
}

TEST_F(AnnotationFixture, CalloutRunsFromTheNearestBoxPointAndStopsShortByItsDistance) {
    tool->Callout()->Arrow()->SetVisible(true);
    tool->Callout()->Arrow()->SetColor(clRed);
    const TRect r = tool->Bounds();
    // Right of and below the box: from its right-bottom corner.
    tool->Callout()->SetXPosition(r.Right + 40);
    tool->Callout()->SetYPosition(r.Bottom + 40);
    Frame();
    EXPECT_EQ(Screen(r.Right + 20, r.Bottom + 20), clRed);
    EXPECT_EQ(Screen(r.Right + 36, r.Bottom + 36), clRed);
    // A distance ends the line that many pixels before the point.
    tool->Callout()->SetDistance(20);
    Frame();
    EXPECT_EQ(Screen(r.Right + 10, r.Bottom + 10), clRed);
    EXPECT_NE(Screen(r.Right + 36, r.Bottom + 36), clRed);
    // Straight right of the box: from the middle of its right edge.
    tool->Callout()->SetDistance(0);
    const int cy = (r.Top + r.Bottom) / 2;
    tool->Callout()->SetXPosition(r.Right + 50);
    tool->Callout()->SetYPosition(cy);
    Frame();
    EXPECT_EQ(Screen(r.Right + 25, cy), clRed);
    EXPECT_NE(Screen(r.Right + 25, cy - 3), clRed);
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

TEST(AnnotationStreaming, ShapeAndCalloutReadBack) {
    TForm form(nullptr, 0);
    auto* chart = new TChart(&form);
    chart->SetName(QStringLiteral("Chart1"));
    auto* tool = new TAnnotationTool(chart);
    tool->SetName(QStringLiteral("Note1"));
    tool->SetParentChart(chart);
    tool->SetText(QStringLiteral("Peak"));
    tool->SetPosition(ppRightBottom);
    tool->SetTextAlignment(taCenter);
    tool->Shape()->SetColor(clYellow);
    tool->Shape()->Frame()->SetWidth(3);
    tool->Shape()->SetTextFormat(ttfHtml);
    tool->Callout()->SetVisible(true);
    tool->Callout()->SetXPosition(120);
    tool->Callout()->SetYPosition(80);
    tool->Callout()->SetDistance(6);
    const QByteArray text = writeText(chart);
    EXPECT_FALSE(text.contains("\n    Width =")) << text.toStdString(); // the tool sizes itself
    TForm other(nullptr, 0);
    auto* copy = new TChart(&other);
    readText(text, copy);
    ASSERT_EQ(copy->Tools()->Count(), 1);
    auto* read = dynamic_cast<TAnnotationTool*>(copy->Tools()->Get(0));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Text(), QStringLiteral("Peak"));
    EXPECT_EQ(read->Position(), ppRightBottom);
    EXPECT_EQ(read->TextAlignment(), taCenter);
    EXPECT_TRUE(read->AutoSize());
    EXPECT_EQ(read->Shape()->Color(), clYellow);
    EXPECT_EQ(read->Shape()->Frame()->Width(), 3);
    EXPECT_EQ(read->Shape()->TextFormat(), ttfHtml);
    EXPECT_TRUE(read->Callout()->Visible());
    EXPECT_EQ(read->Callout()->XPosition(), 120);
    EXPECT_EQ(read->Callout()->YPosition(), 80);
    EXPECT_EQ(read->Callout()->Distance(), 6);
}

} // namespace
