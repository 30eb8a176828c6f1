// The curve editor's chart: an 800 x 400 chart with a back-wall gradient, bottom axis 0..5
// and left axis -2..2 with dotted grids, labels and titles, one 512-point line series with
// circle pointers (pen width 2) and two vertical cursor tools. Three figures: a full redraw
// into an image of the same size, a cursor moved by one voltage step (XOR erase and draw,
// no repaint), and a dragged point (the mouse move and the repainted frame). Where
// QCustomPlot is installed, its drawing of the same chart runs in the same program.
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/Chart.h"
#include "chart/series/LineSeries.h"
#include "chart/tools/CursorTool.h"
#include "chart/tools/DragPointTool.h"
#include "platform/controls/CustomForm.h"
#include "platform/graphics/Bitmap.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

struct CurveEditorChart {
    CurveEditorChart() {
        window.SetSize(800, 400);
        // On a shown form, as in the curve editor: the cursor's XOR lines go to the window.
        form = std::make_unique<TForm>(nullptr, 0);
        form->SetClientSize(800, 400);
        chart = new TChart(form.get());
        chart->SetParent(form.get());
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
        chart->BottomAxis()->Title()->SetCaption(QStringLiteral("Time (s)"));
        chart->LeftAxis()->Title()->SetCaption(QStringLiteral("Voltage (V)"));
        for (TChartAxis* axis : {chart->BottomAxis(), chart->LeftAxis()}) {
            axis->Grid()->SetColor(clGray);
            axis->Grid()->SetStyle(psDot);
        }
        series = new TLineSeries(chart);
        series->SetParentChart(chart);
        series->SetSeriesColor(clRed);
        series->LinePen()->SetWidth(2);
        series->Pointer()->SetVisible(true);
        series->Pointer()->SetStyle(psCircle);
        series->Pointer()->SetSize(3);
        series->Pointer()->Brush()->SetColor(clWhite);
        for (int i = 0; i < 512; ++i)
            series->AddXY(5.0 * i / 511, 1.8 * std::sin(i / 40.0));
        drag = new TDragPointTool(chart);
        drag->SetParentChart(chart);
        drag->SetSeries(series);
        drag->SetDragStyle(dsY);
        for (double at : {1.5, 3.5}) {
            auto* cursor = new TCursorTool(chart);
            cursor->SetParentChart(chart);
            cursor->SetStyle(cssVertical);
            cursor->SetClickTolerance(-1);
            cursor->Pen()->SetColor(clBlue);
            cursor->SetXValue(at);
            cursors.push_back(cursor);
        }
        form->Show();
        QCoreApplication::processEvents();
        chart->Repaint();
        Draw();
    }
    void Draw() { chart->Draw(window.Canvas(), TRect{0, 0, 800, 400}); }

    TBitmap window;
    std::unique_ptr<TForm> form;
    TChart* chart = nullptr;
    TLineSeries* series = nullptr;
    TDragPointTool* drag = nullptr;
    std::vector<TCursorTool*> cursors;
};

void BM_CurveEditorChartRedraw(benchmark::State& state) {
    CurveEditorChart c;
    for (auto _ : state)
        c.Draw();
    benchmark::DoNotOptimize(c.window.Canvas()->Pixels(400, 200));
}
BENCHMARK(BM_CurveEditorChartRedraw)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_CurveEditorCursorStep(benchmark::State& state) {
    CurveEditorChart c;
    TCursorTool* cursor = c.cursors.front();
    const double step = 5.0 / 511;
    int i = 0;
    int frames = 0;
    c.chart->OnAfterDraw = [&](TObject*) { ++frames; };
    for (auto _ : state) {
        // Back and forth by one input step, as the live voltage moves.
        cursor->SetXValue(1.5 + step * (i++ % 2));
    }
    QCoreApplication::processEvents();
    // Chart frames drawn while the cursor moved: each value set by code asks for a repaint,
    // and the window draws the requests pending at once as one frame.
    state.counters["frames"] = frames;
}
BENCHMARK(BM_CurveEditorCursorStep)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_CurveEditorDragPoint(benchmark::State& state) {
    CurveEditorChart c;
    const int x = c.series->CalcXPos(200);
    const int y = c.series->CalcYPos(200);
    c.drag->ChartMouseEvent(cmeDown, mbLeft, TShiftState(), x, y);
    // Markers 1.4 pixels apart overlap: the lowest index under the mouse is picked.
    if (c.drag->Dragging() < 0) state.SkipWithError("no point was picked");
    int i = 0;
    for (auto _ : state) {
        c.drag->ChartMouseEvent(cmeMove, mbLeft, TShiftState(), x, y - 10 + (i++ % 20));
        c.Draw();
    }
    c.drag->ChartMouseEvent(cmeUp, mbLeft, TShiftState(), x, y);
}
BENCHMARK(BM_CurveEditorDragPoint)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
