// The smoothing tool on the curve editor's chart (800 x 400, back-wall gradient, dotted
// grids, a 512-point line with circle pointers and pen width 2, two vertical cursors):
// the full redraw with and without the tool in the same run, the 512-point curve alone on
// the smoothing canvas against a painter with antialiasing drawing the same polyline into
// an image of that size, and a cursor step on the plain and on the smoothed chart.
#include "bench/support/EditorChartStyle.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/Chart.h"
#include "chart/series/LineSeries.h"
#include "chart/tools/AntiAliasCanvas.h"
#include "chart/tools/AntiAliasTool.h"
#include "chart/tools/CursorTool.h"
#include "platform/controls/CustomForm.h"
#include "platform/graphics/Bitmap.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

struct EditorChart {
    explicit EditorChart(bool Smooth) {
        window.SetSize(800, 400);
        form = std::make_unique<TForm>(nullptr, 0);
        chart = NewEditorChart(form.get());
        auto* series = new TLineSeries(chart);
        series->SetParentChart(chart);
        series->SetSeriesColor(clRed);
        series->LinePen()->SetWidth(2);
        series->Pointer()->SetVisible(true);
        series->Pointer()->SetStyle(psCircle);
        series->Pointer()->SetSize(3);
        series->Pointer()->Brush()->SetColor(clWhite);
        for (int i = 0; i < 512; ++i)
            series->AddXY(5.0 * i / 511, 1.8 * std::sin(i / 40.0));
        for (double at : {1.5, 3.5}) {
            auto* cursor = new TCursorTool(chart);
            cursor->SetParentChart(chart);
            cursor->SetStyle(cssVertical);
            cursor->Pen()->SetColor(clBlue);
            cursor->SetXValue(at);
            cursors.push_back(cursor);
        }
        if (Smooth) {
            auto* tool = new TAntiAliasTool(chart);
            tool->SetParentChart(chart);
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
    std::vector<TCursorTool*> cursors;
};

void Redraw(benchmark::State& state, bool Smooth) {
    EditorChart c(Smooth);
    for (auto _ : state)
        c.Draw();
    benchmark::DoNotOptimize(c.window.Canvas()->Pixels(400, 200));
}

void BM_EditorChartRedrawPlain(benchmark::State& state) {
    Redraw(state, false);
}
BENCHMARK(BM_EditorChartRedrawPlain)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_EditorChartRedrawAntiAlias(benchmark::State& state) {
    Redraw(state, true);
}
BENCHMARK(BM_EditorChartRedrawAntiAlias)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The curve of the chart in pixels: 512 points across 720 pixels, 162 pixels high.
std::vector<TPoint> CurvePoints() {
    std::vector<TPoint> p;
    for (int i = 0; i < 512; ++i)
        p.push_back(
            TPoint{40 + int(std::lround(720.0 * i / 511)), 200 - int(std::lround(162 * std::sin(i / 40.0)))});
    return p;
}

void BM_CurveAntiAliasCanvas(benchmark::State& state) {
    TBitmap target(800, 400);
    TAntiAliasCanvas canvas;
    canvas.InitWindow(target.Canvas(), nullptr, clWhite, false, TRect{0, 0, 800, 400});
    canvas.Projection(0, TRect{0, 0, 800, 400}, TRect{0, 0, 800, 400});
    canvas.Pen()->SetColor(clRed);
    canvas.Pen()->SetWidth(2);
    const std::vector<TPoint> points = CurvePoints();
    for (auto _ : state)
        canvas.Polyline(points);
    benchmark::DoNotOptimize(canvas.Bitmap()->Canvas()->Pixels(400, 200));
}
BENCHMARK(BM_CurveAntiAliasCanvas)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

void BM_CurveQPainterAntialiased(benchmark::State& state) {
    QImage image(800, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPolygonF polygon;
    for (const TPoint& p : CurvePoints())
        polygon << QPointF(p.X, p.Y);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(Qt::red, 2));
        painter.drawPolyline(polygon);
    }
    benchmark::DoNotOptimize(image.pixel(400, 200));
}
BENCHMARK(BM_CurveQPainterAntialiased)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

void CursorStep(benchmark::State& state, bool Smooth) {
    EditorChart c(Smooth);
    TCursorTool* cursor = c.cursors.front();
    const double step = 5.0 / 511;
    int i = 0;
    for (auto _ : state)
        cursor->SetXValue(1.5 + step * (i++ % 2));
    QCoreApplication::processEvents();
}

void BM_CursorStepPlain(benchmark::State& state) {
    CursorStep(state, false);
}
BENCHMARK(BM_CursorStepPlain)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

void BM_CursorStepAntiAlias(benchmark::State& state) {
    CursorStep(state, true);
}
BENCHMARK(BM_CursorStepAntiAlias)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

} // namespace

// Runs the start-up of the libraries this program links (written by the build).
void OrvoProgramStartup();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    OrvoProgramStartup();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
