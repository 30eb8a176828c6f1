// Axis arrows, colour lines and colour bands driven through the chart's dispatch and
// checked on the window's picture.
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/pictures/TeePicture.h"
#include "chart/tools/AxisArrowTool.h"
#include "chart/tools/ColorBandTool.h"
#include "chart/tools/ColorLineTool.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Cursor.h"
#include "tests/chart/engine/StreamingSupport.h"
#include "tests/chart/tools/ToolsFixture.h"

#include <vector>

namespace {

// ---- axis arrows ---------------------------------------------------------------------------

class AxisArrowTest : public ChartToolsFixture {
protected:
    void SetUp() override {
        ChartToolsFixture::SetUp();
        arrows = new TAxisArrowTool(form);
        arrows->SetParentChart(chart);
        arrows->SetAxis(chart->BottomAxis());
        arrows->Brush()->SetColor(clLime);
        arrows->Pen()->SetColor(clLime);
        Frame();
    }
    TAxisArrowTool* arrows = nullptr;
};

TEST_F(AxisArrowTest, ClicksBesideTheAxisLineScrollByThePercentage) {
    TChartAxis* axis = chart->BottomAxis();
    const int pos = axis->PosAxis();
    const int along = axis->IStartPos + 8;
    struct Case {
        int across;
        bool scrolls;
    };
    for (const Case c : {Case{2, true}, Case{-2, true}, Case{3, false}, Case{-3, false}}) {
        SCOPED_TRACE(c.across);
        axis->SetMinMax(0, 10);
        Down(along, pos + c.across);
        Up(along, pos + c.across);
        EXPECT_DOUBLE_EQ(axis->Minimum(), c.scrolls ? 1 : 0);
        EXPECT_DOUBLE_EQ(axis->Maximum(), c.scrolls ? 11 : 10);
    }
    // The end arrow scrolls the other way; inverted scrolling swaps them.
    axis->SetMinMax(0, 10);
    EXPECT_EQ(arrows->ClickedArrow(axis->IEndPos - 8, pos), 1);
    Down(axis->IEndPos - 8, pos);
    EXPECT_DOUBLE_EQ(axis->Minimum(), -1);
    arrows->SetScrollInverted(true);
    Down(axis->IEndPos - 8, pos);
    EXPECT_DOUBLE_EQ(axis->Minimum(), 0);
}

TEST_F(AxisArrowTest, PositionDecidesWhatIsDrawnAndClickable) {
    TChartAxis* axis = chart->BottomAxis();
    const int pos = axis->PosAxis();
    auto hasArrow = [&](int tip, int dir) {
        // A pixel of the filled head, a few pixels back from its tip, beside the axis line.
        return Screen(tip - dir * 4, pos + 1) == clLime || Screen(tip - dir * 4, pos - 1) == clLime;
    };
    struct Case {
        TAxisArrowToolPosition position;
        bool start, end;
    };
    for (const Case c : {Case{aaBoth, true, true}, Case{aaStart, true, false}, Case{aaEnd, false, true}}) {
        SCOPED_TRACE(int(c.position));
        arrows->SetPosition(c.position);
        Frame();
        EXPECT_EQ(hasArrow(axis->IStartPos, -1), c.start);
        EXPECT_EQ(hasArrow(axis->IEndPos, 1), c.end);
        EXPECT_EQ(arrows->ClickedArrow(axis->IStartPos + 8, pos), c.start ? 0 : -1);
        EXPECT_EQ(arrows->ClickedArrow(axis->IEndPos - 8, pos), c.end ? 1 : -1);
    }
}

TEST_F(AxisArrowTest, ArrowsOnTheOtherSideIn3D) {
    chart->SetView3D(true);
    chart->BottomAxis()->SetOtherSide(true);
    Frame();
    TChartAxis* axis = chart->BottomAxis();
    const TPoint tip =
        chart->Canvas()->Calculate3DPosition(axis->IStartPos + 4, axis->PosAxis(), chart->Width3D());
    bool found = false;
    for (int dy = -1; dy <= 1 && !found; ++dy)
        for (int dx = -1; dx <= 1 && !found; ++dx)
            found = Screen(tip.X + dx, tip.Y + dy) == clLime;
    EXPECT_TRUE(found);
}

TEST_F(AxisArrowTest, ZeroPercentRefusedScrollsAndPairedAxes) {
    TChartAxis* axis = chart->BottomAxis();
    const int pos = axis->PosAxis();
    int clicks = 0, scrolls = 0;
    bool lastStart = false;
    arrows->OnClick = [&](TAxisArrowTool*, bool AtStart) {
        ++clicks;
        lastStart = AtStart;
    };
    chart->OnScroll = [&](TObject*) { ++scrolls; };
    // ScrollPercent 0: the hand cursor, but no scroll and no OnClick.
    arrows->SetScrollPercent(0);
    chart->SetCursor(crDefault);
    Move(axis->IStartPos + 8, pos);
    EXPECT_EQ(chart->Cursor(), crHandPoint);
    Down(axis->IStartPos + 8, pos);
    Up(axis->IStartPos + 8, pos);
    EXPECT_EQ(clicks, 0);
    EXPECT_DOUBLE_EQ(axis->Minimum(), 0);
    // A refusing OnAllowScroll: nothing scrolls, OnScroll stays quiet, OnClick still runs.
    arrows->SetScrollPercent(10);
    chart->OnAllowScroll = [](TChartAxis*, double&, double&, bool& Allow) { Allow = false; };
    Down(axis->IStartPos + 8, pos);
    Up(axis->IStartPos + 8, pos);
    EXPECT_DOUBLE_EQ(axis->Minimum(), 0);
    EXPECT_EQ(scrolls, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(lastStart);
    chart->OnAllowScroll = nullptr;
    // Two series on both horizontal axes: the top axis scrolls once with the bottom one.
    chart->TopAxis()->SetMinMax(0, 10);
    series->SetHorizAxis(aBothHorizAxis);
    auto* more = new TLineSeries(form);
    more->SetParentChart(chart);
    more->SetHorizAxis(aBothHorizAxis);
    more->AddXY(1, 1);
    Frame();
    Down(axis->IStartPos + 8, axis->PosAxis());
    EXPECT_DOUBLE_EQ(axis->Minimum(), 1);
    EXPECT_DOUBLE_EQ(chart->TopAxis()->Minimum(), 1);
    EXPECT_EQ(scrolls, 1);
}

TEST_F(AxisArrowTest, StreamsOnlyChangedValuesAndTheAxis) {
    chart->SetName(QStringLiteral("Chart1"));
    auto* owned = new TAxisArrowTool(chart);
    owned->SetName(QStringLiteral("Arrows"));
    owned->SetParentChart(chart);
    owned->SetAxis(chart->LeftAxis());
    QByteArray text = writeText(chart);
    for (const char* name : {"HeadWidth", "Length", "Position", "ScrollPercent", "SizePercent"})
        EXPECT_FALSE(text.contains(name)) << name;
    EXPECT_TRUE(text.contains("AxisID")) << text.toStdString();
    owned->SetHeadWidth(5);
    owned->SetLength(20);
    owned->SetPosition(aaEnd);
    owned->SetScrollPercent(25);
    owned->SetSizePercent(70);
    text = writeText(chart);
    TForm other(nullptr, 0);
    auto* copy = new TChart(&other);
    readText(text, copy);
    TAxisArrowTool* read = nullptr;
    for (int i = 0; i < copy->Tools()->Count(); ++i)
        if (auto* t = dynamic_cast<TAxisArrowTool*>(copy->Tools()->Get(i)); t && t->Name() == "Arrows")
            read = t;
    ASSERT_NE(read, nullptr) << text.toStdString();
    EXPECT_EQ(read->HeadWidth(), 5);
    EXPECT_EQ(read->Length(), 20);
    EXPECT_EQ(read->Position(), aaEnd);
    EXPECT_EQ(read->ScrollPercent(), 25);
    EXPECT_EQ(read->SizePercent(), 70);
    EXPECT_EQ(read->Axis(), copy->LeftAxis());
}

// ---- colour line ---------------------------------------------------------------------------

class ColorLineTest : public ChartToolsFixture {
protected:
    void SetUp() override {
        ChartToolsFixture::SetUp();
        series->SetActive(false);
        line = new TColorLineTool(form);
        line->SetParentChart(chart);
        line->SetAxis(chart->BottomAxis());
        line->Pen()->SetColor(clBlue);
        line->SetValue(4);
        Frame();
    }
    int MidY() { return (chart->ChartRect.Top + chart->ChartRect.Bottom) / 2; }
    TColorLineTool* line = nullptr;
};

TEST_F(ColorLineTest, CentreLineFollowsZoomAndDragSetsCustom) {
    line->SetStyle(clCenter);
    Frame();
    EXPECT_EQ(Screen(X(5), MidY()), clBlue);
    chart->BottomAxis()->SetMinMax(0, 4);
    Frame();
    EXPECT_EQ(Screen(X(2), MidY()), clBlue);
    EXPECT_EQ(line->Style(), clCenter); // painting changed nothing
    chart->BottomAxis()->SetMinMax(0, 10);
    Frame();
    Down(X(5), MidY());
    EXPECT_TRUE(line->Dragging());
    Move(X(7), MidY());
    Up(X(7), MidY());
    EXPECT_EQ(line->Style(), clCustom);
    EXPECT_DOUBLE_EQ(line->Value(), chart->BottomAxis()->CalcPosPoint(X(7)));
}

TEST_F(ColorLineTest, PaintingClampsOnlyTheDrawnPosition) {
    line->SetValue(14); // beyond the axis
    Frame();
    EXPECT_EQ(line->Value(), 14);
    EXPECT_EQ(line->Style(), clCustom);
    EXPECT_EQ(Screen(chart->BottomAxis()->IEndPos, MidY()), clBlue); // drawn at the axis end
    chart->BottomAxis()->SetMinMax(0, 20);
    Frame();
    EXPECT_EQ(Screen(X(14), MidY()), clBlue); // back where its value is
}

TEST_F(ColorLineTest, DraggingStopsAtTheAxisUnlessUnlimited) {
    struct Case {
        bool noLimit;
        bool repaint;
    };
    for (const Case c : {Case{false, false}, Case{false, true}, Case{true, false}}) {
        SCOPED_TRACE(testing::Message() << c.noLimit << c.repaint);
        line->SetValue(4);
        line->SetNoLimitDrag(c.noLimit);
        line->SetDragRepaint(c.repaint);
        Frame();
        int begins = 0, drags = 0, ends = 0;
        line->OnBeginDragLine = [&](TColorLineTool*) { ++begins; };
        line->OnDragLine = [&](TColorLineTool*) { ++drags; };
        line->OnEndDragLine = [&](TColorLineTool*) { ++ends; };
        Down(X(4) + 2, MidY());
        Move(chart->ChartRect.Right + 40, MidY());
        Up(chart->ChartRect.Right + 40, MidY());
        const double limit = chart->BottomAxis()->CalcPosPoint(chart->BottomAxis()->IEndPos);
        if (c.noLimit)
            EXPECT_GT(line->Value(), limit);
        else
            EXPECT_DOUBLE_EQ(line->Value(), limit);
        EXPECT_EQ(begins, 1);
        EXPECT_EQ(drags, 1);
        EXPECT_EQ(ends, 1);
        EXPECT_FALSE(line->Dragging());
    }
}

TEST_F(ColorLineTest, CursorsAndClicks) {
    const int x = X(4);
    EXPECT_TRUE(line->Clicked(x + 2, MidY()));
    EXPECT_FALSE(line->Clicked(x + 3, MidY()));
    EXPECT_FALSE(line->Clicked(x, chart->ChartRect.Bottom + 5));
    Move(x, MidY());
    EXPECT_EQ(chart->Cursor(), crHSplit);
    Move(x + 30, MidY());
    EXPECT_EQ(chart->Cursor(), crDefault);
    line->SetAxis(chart->LeftAxis());
    line->SetValue(6);
    Frame();
    Move((chart->ChartRect.Left + chart->ChartRect.Right) / 2, Y(6));
    EXPECT_EQ(chart->Cursor(), crVSplit);
    line->SetAllowDrag(false);
    Down((chart->ChartRect.Left + chart->ChartRect.Right) / 2, Y(6));
    EXPECT_FALSE(line->Dragging());
}

TEST_F(ColorLineTest, BackAndFrontPartsIn3D) {
    chart->SetView3D(true);
    Frame();
    const int w = chart->Width3D();
    ASSERT_GT(w, 4);
    TCanvas3D* c = chart->Canvas();
    const TRect& r = chart->ChartRect;
    auto blueNear = [&](TPoint p) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (Screen(p.X + dx, p.Y + dy) == clBlue) return true;
        return false;
    };
    const int mid = (r.Top + r.Bottom) / 2;
    // The back line at the chart's depth, the front line at depth 0, and the depth line at
    // the top joining them.
    EXPECT_TRUE(blueNear(c->Calculate3DPosition(X(4), mid, w)));
    EXPECT_TRUE(blueNear(c->Calculate3DPosition(X(4), mid, 0)));
    EXPECT_TRUE(blueNear(c->Calculate3DPosition(X(4), r.Top, w / 2)));
    line->SetDrawBehind(true);
    line->SetDraw3D(false);
    Frame();
    EXPECT_TRUE(blueNear(c->Calculate3DPosition(X(4), mid, w)));
    EXPECT_FALSE(blueNear(c->Calculate3DPosition(X(4), mid, 0)));
}

// ---- colour band ---------------------------------------------------------------------------

class ColorBandTest : public ChartToolsFixture {
protected:
    void SetUp() override {
        ChartToolsFixture::SetUp();
        chart->BackWall()->SetTransparent(false);
        chart->BackWall()->Brush()->SetColor(clWhite);
        band = new TColorBandTool(form);
        band->SetParentChart(chart);
        band->SetAxis(chart->BottomAxis());
        band->SetColor(clYellow);
        band->Pen()->SetVisible(false);
        band->SetStartValue(3);
        band->SetEndValue(5);
        Frame();
    }
    int MidY() { return Y(8); }
    TColorBandTool* band = nullptr;
};

TEST_F(ColorBandTest, FillsTheStripBetweenItsValuesInEitherOrder) {
    EXPECT_EQ(Screen(X(4), MidY()), clYellow);
    EXPECT_NE(Screen(X(2), MidY()), clYellow);
    EXPECT_NE(Screen(X(6), MidY()), clYellow);
    const TRect forward = band->BoundsRect();
    band->SetStartValue(5);
    band->SetEndValue(3);
    EXPECT_EQ(band->BoundsRect(), forward);
    // Outside the axis range: nothing drawn, nothing clickable.
    band->SetStartValue(12);
    band->SetEndValue(15);
    Frame();
    EXPECT_EQ(band->BoundsRect().Right - band->BoundsRect().Left, 0);
    EXPECT_FALSE(band->Clicked(chart->BottomAxis()->IEndPos - 1, MidY()));
    EXPECT_NE(Screen(chart->BottomAxis()->IEndPos - 2, MidY()), clYellow);
    // Partly outside: held to the axis.
    band->SetStartValue(8);
    Frame();
    EXPECT_EQ(Screen(chart->BottomAxis()->IEndPos - 2, MidY()), clYellow);
    EXPECT_NE(Screen(chart->BottomAxis()->IEndPos + 3, MidY()), clYellow);
}

TEST_F(ColorBandTest, BehindOrInFrontOfSeriesAndAxes) {
    series->LinePen()->SetWidth(3);
    Frame();
    const int x = X(4), y = series->CalcYPos(4);
    // Behind the series by default: the series' line shows over the band.
    EXPECT_EQ(Screen(x, y), clRed);
    band->SetDrawBehind(false);
    Frame();
    EXPECT_EQ(Screen(x, y), clYellow);
    // Behind the axes: the left axis line over a band reaching it.
    band->SetStartValue(0);
    band->SetDrawBehindAxes(true);
    Frame();
    EXPECT_EQ(Screen(X(4), MidY()), clYellow);
    EXPECT_NE(Screen(chart->LeftAxis()->PosAxis(), MidY()), clYellow);
}

TEST_F(ColorBandTest, GradientPictureAndTransparency) {
    band->Gradient()->SetStartColor(clBlue);
    band->Gradient()->SetEndColor(clBlue);
    band->Gradient()->SetVisible(true);
    Frame();
    EXPECT_EQ(Screen(X(4), MidY()), clBlue);
    band->Gradient()->SetVisible(false);
    TBitmap picture(4, 4);
    picture.Canvas()->Brush()->SetColor(clGreen);
    picture.Canvas()->FillRect(TRect{0, 0, 4, 4});
    band->Picture()->Assign(&picture);
    Frame();
    EXPECT_EQ(Screen(X(4), MidY()), clGreen);
    band->SetPicture(nullptr);
    band->SetActive(false);
    Frame();
    const int under = int(ColorToRGB(Screen(X(4), MidY())) & 0xFF);
    band->SetActive(true);
    band->SetColor(clBlack);
    band->SetTransparency(50);
    Frame();
    const unsigned c = unsigned(ColorToRGB(Screen(X(4), MidY())));
    EXPECT_NEAR(int(c & 0xFF), under / 2, 2); // half black over what lies under the band
}

TEST_F(ColorBandTest, ResizingByItsEdgeLine) {
    band->SetResizeStart(true);
    Frame();
    int resized = 0;
    band->OnResized = [&](TObject*) { ++resized; };
    Down(X(3), MidY());
    Move(X(2.5), MidY());
    EXPECT_DOUBLE_EQ(band->StartValue(), chart->BottomAxis()->CalcPosPoint(X(2.5)));
    Move(X(2), MidY());
    EXPECT_DOUBLE_EQ(band->StartValue(), chart->BottomAxis()->CalcPosPoint(X(2)));
    Up(X(2), MidY());
    EXPECT_EQ(resized, 1);
    EXPECT_EQ(chart->Tools()->Count(), 1); // the edge lines are not the chart's tools
    // A band cursor over the band, and clicks.
    band->SetCursor(crHandPoint);
    int clicks = 0;
    band->OnClick = [&](TObject*, TMouseButton, TShiftState, int, int) { ++clicks; };
    Move(X(4), MidY());
    EXPECT_EQ(chart->Cursor(), crHandPoint);
    Down(X(4), MidY());
    Up(X(4), MidY());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ColorBandTest, StreamsItsValuesAndLines) {
    chart->SetName(QStringLiteral("Chart1"));
    auto* owned = new TColorBandTool(chart);
    owned->SetName(QStringLiteral("Band"));
    owned->SetParentChart(chart);
    owned->SetAxis(chart->LeftAxis());
    owned->SetStartValue(2);
    owned->SetEndValue(7);
    owned->SetColor(clAqua);
    owned->SetResizeEnd(true);
    owned->SetTransparency(30);
    auto* colorLine = new TColorLineTool(chart);
    colorLine->SetName(QStringLiteral("Line"));
    colorLine->SetParentChart(chart);
    colorLine->SetAxis(chart->BottomAxis());
    colorLine->SetStyle(clMaximum);
    colorLine->SetDrawBehind(true);
    const QByteArray text = writeText(chart);
    EXPECT_FALSE(text.contains("Picture")) << text.toStdString();
    TForm other(nullptr, 0);
    auto* copy = new TChart(&other);
    readText(text, copy);
    TColorBandTool* b = nullptr;
    TColorLineTool* l = nullptr;
    for (int i = 0; i < copy->Tools()->Count(); ++i) {
        TTeeCustomTool* t = copy->Tools()->Get(i);
        if (t->Name() == "Band") b = dynamic_cast<TColorBandTool*>(t);
        if (t->Name() == "Line") l = dynamic_cast<TColorLineTool*>(t);
    }
    ASSERT_NE(b, nullptr) << text.toStdString();
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(b->StartValue(), 2);
    EXPECT_EQ(b->EndValue(), 7);
    EXPECT_EQ(b->EndLine()->Value(), 7);
    EXPECT_EQ(b->Color(), clAqua);
    EXPECT_TRUE(b->ResizeEnd());
    EXPECT_EQ(b->Transparency(), 30);
    EXPECT_EQ(b->Axis(), copy->LeftAxis());
    EXPECT_EQ(l->Style(), clMaximum); // read after Value: the style survives
    EXPECT_TRUE(l->DrawBehind());
}

} // namespace
