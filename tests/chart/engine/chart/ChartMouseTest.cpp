// The chart's mouse through window messages on a shown form: zoom drags and their threshold,
// direction and undo, panning with the scroll button, the wheel, tools that cancel, and the
// search for the part under a click.
#include "ToolTestSupport.h"

namespace {

using ChartMouse = ShownChart;

struct DragCase {
    int DX, DY;
    bool Zooms, Undoes;
};

TEST_F(ChartMouse, ADragCountsBeyondMinimumPixelsAndItsHorizontalDirectionDecides) {
    const DragCase cases[] = {
        {16, 16, false, false}, {16, 40, false, false}, {17, 17, true, false},
        {17, -17, true, false}, {-17, 17, false, true}, {-17, -17, false, true},
    };
    for (const DragCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.DX << "," << c.DY);
        // A zoom first, so that an undo shows.
        chart->BottomAxis()->SetMinMax(20, 80);
        chart->RestoredAxisScales = true;
        chart->SaveScales();
        chart->RestoredAxisScales = false;
        chart->BottomAxis()->SetMinMax(40, 60);
        chart->SetZoomed(true);
        Paint();
        const int x0 = X(50), y0 = Y(30);
        Drag(x0, y0, x0 + c.DX, y0 + c.DY);
        if (c.Zooms) {
            EXPECT_LT(chart->BottomAxis()->Maximum() - chart->BottomAxis()->Minimum(), 20);
            EXPECT_TRUE(chart->Zoomed());
        } else if (c.Undoes) {
            EXPECT_EQ(chart->BottomAxis()->Minimum(), 20);
            EXPECT_EQ(chart->BottomAxis()->Maximum(), 80);
            EXPECT_FALSE(chart->Zoomed());
        } else {
            EXPECT_EQ(chart->BottomAxis()->Minimum(), 40);
            EXPECT_EQ(chart->BottomAxis()->Maximum(), 60);
        }
        EXPECT_FALSE(chart->Zoom()->Active());
        chart->UndoZoom();
    }
}

TEST_F(ChartMouse, ARectangleZoomsToTheValuesUnderItsCorners) {
    Drag(X(20), Y(70), X(60), Y(30));
    EXPECT_NEAR(chart->BottomAxis()->Minimum(), 20, 1);
    EXPECT_NEAR(chart->BottomAxis()->Maximum(), 60, 1);
    EXPECT_NEAR(chart->LeftAxis()->Minimum(), 30, 1);
    EXPECT_NEAR(chart->LeftAxis()->Maximum(), 70, 1);

    // One undo restores the scales saved before the first of several zooms.
    Paint();
    Drag(X(30), Y(60), X(50), Y(40));
    chart->UndoZoom();
    EXPECT_EQ(chart->BottomAxis()->Minimum(), 0);
    EXPECT_EQ(chart->BottomAxis()->Maximum(), 100);
    EXPECT_EQ(chart->LeftAxis()->Maximum(), 100);
    chart->LeftAxis()->SetMinMax(5, 6);
    chart->UndoZoom();
    EXPECT_EQ(chart->LeftAxis()->Minimum(), 5);
}

TEST_F(ChartMouse, AHorizontalZoomSpansTheFullHeightAndKeepsTheVerticalAxes) {
    chart->Zoom()->SetDirection(tzdHorizontal);
    Down(X(20), Y(50));
    EXPECT_EQ(chart->Zoom()->Y0, chart->ChartRect.Top);
    EXPECT_EQ(chart->Zoom()->Y1, chart->ChartRect.Bottom);
    Move(X(60), Y(55));
    EXPECT_EQ(chart->Zoom()->Y1, chart->ChartRect.Bottom);
    Up(X(60), Y(55));
    EXPECT_NEAR(chart->BottomAxis()->Minimum(), 20, 1);
    EXPECT_NEAR(chart->BottomAxis()->Maximum(), 60, 1);
    EXPECT_EQ(chart->LeftAxis()->Minimum(), 0);
    EXPECT_EQ(chart->LeftAxis()->Maximum(), 100);
}

TEST_F(ChartMouse, AZoomAfterACustomAxisCameAndWentIsUndone) {
    Drag(X(20), Y(70), X(60), Y(30));
    auto* custom = new TChartAxis(chart);
    custom->SetMinMax(1, 2);
    Paint();
    Drag(X(30), Y(60), X(50), Y(40));
    delete custom;
    chart->UndoZoom();
    EXPECT_EQ(chart->BottomAxis()->Minimum(), 0);
    EXPECT_EQ(chart->BottomAxis()->Maximum(), 100);
    EXPECT_TRUE(chart->BottomAxis()->Automatic() == false);
}

TEST_F(ChartMouse, TheMiddleButtonPansWhileTheLeftButtonStillZooms) {
    chart->SetScrollMouseButton(mbMiddle);
    const double scrolledBefore = chart->BottomAxis()->Minimum();
    int scrolls = 0;
    chart->OnScroll = [&](TObject*) { ++scrolls; };
    Down(X(50), Y(50), WM_MBUTTONDOWN, MK_MBUTTON);
    EXPECT_TRUE(chart->IPanning()->Active());
    EXPECT_FALSE(chart->Zoom()->Active());
    Move(X(60), Y(40), MK_MBUTTON);
    Up(X(60), Y(40), WM_MBUTTONUP);
    // The data follows the pointer: dragging right shows lower values, dragging down
    // higher ones.
    EXPECT_NEAR(chart->BottomAxis()->Minimum(), scrolledBefore - 10, 0.5);
    EXPECT_NEAR(chart->LeftAxis()->Minimum(), 10, 0.5);
    EXPECT_EQ(scrolls, 1);
    EXPECT_FALSE(chart->IPanning()->Active());

    chart->UndoZoom();
    Paint();
    Drag(X(20), Y(70), X(60), Y(30));
    EXPECT_NEAR(chart->BottomAxis()->Maximum(), 60, 1);
}

TEST_F(ChartMouse, PanningKeepsToTheAllowedDirectionAndOnAllowScrollDecides) {
    chart->SetScrollMouseButton(mbMiddle);
    chart->SetAllowPanning(pmHorizontal);
    chart->OnAllowScroll = [&](TChartAxis* Axis, double&, double&, bool& Allow) {
        if (Axis == chart->TopAxis()) Allow = false;
    };
    chart->TopAxis()->SetMinMax(0, 100);
    Down(X(50), Y(50), WM_MBUTTONDOWN, MK_MBUTTON);
    Move(X(60), Y(40), MK_MBUTTON);
    Up(X(60), Y(40), WM_MBUTTONUP);
    EXPECT_NEAR(chart->BottomAxis()->Minimum(), -10, 0.5);
    EXPECT_EQ(chart->LeftAxis()->Minimum(), 0);
    EXPECT_EQ(chart->TopAxis()->Minimum(), 0);
}

TEST_F(ChartMouse, PanningOutOfThePlottingBoxEndsForGood) {
    chart->SetScrollMouseButton(mbMiddle);
    Down(X(50), Y(50), WM_MBUTTONDOWN, MK_MBUTTON);
    Move(chart->ChartRect.Right + 5, Y(50), MK_MBUTTON);
    EXPECT_FALSE(chart->IPanning()->Active());
    Move(X(40), Y(50), MK_MBUTTON);
    EXPECT_EQ(chart->BottomAxis()->Minimum(), 0);
}

TEST_F(ChartMouse, NoZoomOrPanningWhenTheSeriesDrawsWithoutAxes) {
    series->SetParentChart(nullptr);
    TNoAxisSeries pie(nullptr);
    pie.AddY(1);
    pie.SetParentChart(chart);
    int background = 0;
    chart->OnClickBackground = [&](TCustomChart*, TMouseButton, TShiftState, int, int) { ++background; };
    Down(X(20), Y(70));
    EXPECT_FALSE(chart->Zoom()->Active());
    Up(X(60), Y(30));
    EXPECT_EQ(background, 1);
    pie.SetParentChart(nullptr);
}

TEST_F(ChartMouse, TheWheelScrollsOnlyWithVerticalPanningButAlwaysReachesTheTools) {
    auto* tool = new TRecordingTool(form.get());
    chart->Tools()->Add(tool);
    const WPARAM down = WPARAM(unsigned(-120) << 16);
    chart->SetAllowPanning(pmHorizontal);
    chart->Perform(WM_MOUSEWHEEL, down, ChartPointParam(10, 10));
    EXPECT_EQ(chart->LeftAxis()->Minimum(), 0);
    EXPECT_TRUE(tool->Events.contains("wheelDown")) << tool->Events.join(' ').toStdString();

    chart->SetAllowPanning(pmBoth);
    chart->Perform(WM_MOUSEWHEEL, down, ChartPointParam(10, 10));
    EXPECT_DOUBLE_EQ(chart->LeftAxis()->Minimum(), 3);
    EXPECT_DOUBLE_EQ(chart->LeftAxis()->Maximum(), 103);
    EXPECT_EQ(chart->BottomAxis()->Minimum(), 0);
    chart->Perform(WM_MOUSEWHEEL, WPARAM(120 << 16), ChartPointParam(10, 10));
    EXPECT_NEAR(chart->LeftAxis()->Minimum(), 0, 1e-9);
}

TEST_F(ChartMouse, AToolThatCancelsStopsTheOtherToolsAndTheChart) {
    auto* first = new TRecordingTool(form.get());
    auto* second = new TRecordingTool(form.get());
    chart->Tools()->Add(first);
    chart->Tools()->Add(second);
    first->CancelOn = cmeDown;
    int background = 0;
    chart->OnClickBackground = [&](TCustomChart*, TMouseButton, TShiftState, int, int) { ++background; };
    Down(X(20), Y(70));
    EXPECT_EQ(first->Events, QStringList{QStringLiteral("down %1,%2").arg(X(20)).arg(Y(70))});
    EXPECT_TRUE(second->Events.isEmpty());
    EXPECT_FALSE(chart->Zoom()->Active());
    EXPECT_EQ(background, 0);

    first->CancelOn = -1;
    Move(X(30), Y(60));
    Up(X(30), Y(60));
    EXPECT_EQ(second->Events.size(), 2);
    EXPECT_TRUE(second->Events.last().startsWith("up"));
}

TEST_F(ChartMouse, ABackgroundHandlerThatLetsTheChartGoOnRunsOnce) {
    int calls = 0;
    chart->OnClickBackground = [&](TCustomChart* Sender, TMouseButton, TShiftState, int, int) {
        ++calls;
        Sender->SetCancelMouse(false);
    };
    Down(X(20), Y(70));
    EXPECT_EQ(calls, 1);
    // The chart went on: the zoom drag started.
    EXPECT_TRUE(chart->Zoom()->Active());
    Up(X(20), Y(70));
}

TEST_F(ChartMouse, ClicksFindTheSeriesPointTheAxisAndTheBackground) {
    TChartClickedPart part;
    chart->CalcClickedPart(TPoint{X(100), Y(100)}, part);
    EXPECT_EQ(part.Part, cpSeries);
    EXPECT_EQ(part.ASeries, series);
    EXPECT_EQ(part.PointIndex, 1);
    chart->CalcClickedPart(TPoint{X(50), Y(50)}, part);
    EXPECT_EQ(part.Part, cpChartRect);
    chart->CalcClickedPart(TPoint{chart->ChartRect.Left - 1, Y(50)}, part);
    EXPECT_EQ(part.Part, cpAxis);
    EXPECT_EQ(part.AAxis, chart->LeftAxis());
    chart->CalcClickedPart(TPoint{399, 299}, part);
    EXPECT_EQ(part.Part, cpNone);

    int seriesIndex = -2;
    TChartAxis* clickedAxis = nullptr;
    chart->OnClickSeries = [&](TCustomChart*, TChartSeries*, int Index, TMouseButton, TShiftState, int, int) {
        seriesIndex = Index;
    };
    chart->OnClickAxis = [&](TCustomChart*, TChartAxis* Axis, TMouseButton, TShiftState, int, int) {
        clickedAxis = Axis;
    };
    Down(X(0), Y(0));
    Up(X(0), Y(0));
    EXPECT_EQ(seriesIndex, 0);
    Down(chart->ChartRect.Left - 1, Y(50));
    Up(chart->ChartRect.Left - 1, Y(50));
    EXPECT_EQ(clickedAxis, chart->LeftAxis());
    // Handled clicks start no zoom.
    EXPECT_FALSE(chart->Zoom()->Active());
}

TEST_F(ChartMouse, ZoomPercentNarrowsOrWidensAroundTheMiddle) {
    chart->ZoomPercent(100);
    EXPECT_NEAR(chart->BottomAxis()->Minimum(), 0, 1e-9);
    EXPECT_TRUE(chart->Zoomed());
    EXPECT_FALSE(chart->RestoredAxisScales);
    Paint();
    chart->ZoomPercent(110);
    EXPECT_NEAR(chart->BottomAxis()->Minimum(), 10, 1e-6);
    EXPECT_NEAR(chart->BottomAxis()->Maximum(), 90, 1e-6);
    EXPECT_NEAR(chart->LeftAxis()->Minimum(), 10, 1e-6);
    chart->UndoZoom();
    EXPECT_EQ(chart->BottomAxis()->Maximum(), 100);
}

TEST_F(ChartMouse, AnAnimatedZoomEndsOnTheTarget) {
    for (int steps : {1, 8}) {
        chart->Zoom()->SetAnimated(true);
        chart->Zoom()->SetAnimatedSteps(steps);
        chart->ZoomRect(TRect{X(20), Y(70), X(60), Y(30)});
        EXPECT_NEAR(chart->BottomAxis()->Minimum(), 20, 1);
        EXPECT_NEAR(chart->BottomAxis()->Maximum(), 60, 1);
        chart->UndoZoom();
        Paint();
    }
}

// The legend, the title and an axis title are found under a click; their chart events take
// the click (CancelMouse left set) or let the chart go on to the background, called once.
TEST_F(ChartMouse, ClicksFindTheLegendItemTheTitleAndTheAxisTitle) {
    chart->Title()->SetCaption(QStringLiteral("Pressure"));
    chart->BottomAxis()->Title()->SetCaption(QStringLiteral("Volts"));
    Paint();
    auto middle = [](const TRect& R) { return TPoint{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; };
    TLegendItem* second = chart->Legend()->Items()->Items(1);
    const TPoint legendAt{second->Left + 1, second->Top + 3};
    const TPoint titleAt = middle(chart->Title()->TitleRect());
    const TPoint axisTitleAt = middle(chart->BottomAxis()->Title()->ShapeBounds);

    TChartClickedPart part;
    chart->CalcClickedPart(legendAt, part);
    EXPECT_EQ(part.Part, cpLegend);
    EXPECT_EQ(part.PointIndex, 1);
    chart->CalcClickedPart(titleAt, part);
    EXPECT_EQ(part.Part, cpTitle);
    chart->CalcClickedPart(axisTitleAt, part);
    EXPECT_EQ(part.Part, cpAxisTitle);
    EXPECT_EQ(part.AAxis, chart->BottomAxis());
    // Beside the title, above the plotting box: nothing.
    chart->CalcClickedPart(TPoint{chart->Title()->TitleRect().Left - 5, titleAt.Y}, part);
    EXPECT_EQ(part.Part, cpNone);

    struct Case {
        TPoint At;
        bool GoOn;
        int Legend, Title, Background;
    };
    const Case cases[] = {
        {legendAt, false, 1, 0, 0}, {legendAt, true, 1, 0, 1},     {titleAt, false, 0, 1, 0},
        {titleAt, true, 0, 1, 1},   {axisTitleAt, false, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.At.X << "," << c.At.Y << " go on " << c.GoOn);
        int legend = 0, title = 0, background = 0;
        chart->OnClickLegend = [&](TCustomChart* Chart, TMouseButton, TShiftState, int, int) {
            ++legend;
            if (c.GoOn) Chart->SetCancelMouse(false);
        };
        chart->OnClickTitle = [&](TCustomChart* Chart, TChartTitle* Title, TMouseButton, TShiftState, int,
                                  int) {
            EXPECT_EQ(Title, Chart->Title());
            ++title;
            if (c.GoOn) Chart->SetCancelMouse(false);
        };
        chart->OnClickBackground = [&](TCustomChart*, TMouseButton, TShiftState, int, int) { ++background; };
        Down(c.At.X, c.At.Y);
        Up(c.At.X, c.At.Y);
        EXPECT_EQ(legend, c.Legend);
        EXPECT_EQ(title, c.Title);
        EXPECT_EQ(background, c.Background);
        EXPECT_FALSE(chart->CancelMouse());
        chart->UndoZoom();
    }
}

} // namespace
