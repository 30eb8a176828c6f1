// One redraw of the curve editor's chart through the canvas: a gradient back wall, a
// 512-point curve, grid lines and axis labels, into an 800 x 400 off-screen buffer and
// onto the window's image.
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "platform/graphics/Bitmap.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>

static void BM_ChartRedraw(benchmark::State& state) {
    TBitmap window;
    window.SetSize(800, 400);
    TView3DOptions options;
    TTeeCanvas3D canvas;
    TTeeGradient wall;
    wall.SetVisible(true);
    wall.SetStartColor(clWhite);
    wall.SetEndColor(clSilver);
    TChartPen curvePen, gridPen;
    curvePen.SetColor(clRed);
    curvePen.SetWidth(2);
    gridPen.SetColor(clGray);
    gridPen.SetStyle(psDot);
    TTeeFont font;
    TPointArray curve(512);
    for (int i = 0; i < 512; ++i)
        curve[std::size_t(i)] = {40 + i * 740 / 511, 360 - int(300 * (0.5 + 0.45 * std::sin(i / 40.0)))};
    const TRect rect{0, 0, 800, 400};
    for (auto _ : state) {
        canvas.InitWindow(window.Canvas(), &options, clWhite, false, rect);
        canvas.Projection(0, rect, rect);
        wall.Draw(&canvas, TRect{40, 20, 780, 360});
        canvas.AssignVisiblePen(&gridPen);
        for (int x = 40; x <= 780; x += 74)
            canvas.DoVertLine(x, 20, 360);
        for (int y = 20; y <= 360; y += 34)
            canvas.DoHorizLine(40, 780, y);
        canvas.AssignFont(&font);
        canvas.SetBackMode(cbmTransparent);
        for (int i = 0; i <= 10; ++i) {
            canvas.TextOut(10, 360 - i * 34 - 6, QString::number(i * 0.5, 'f', 1));
            canvas.TextOut(40 + i * 74 - 8, 366, QString::number(i * 0.5, 'f', 1));
        }
        canvas.AssignVisiblePen(&curvePen);
        canvas.Polyline(curve);
        canvas.ShowImage(window.Canvas(), window.Canvas(), rect);
    }
}
BENCHMARK(BM_ChartRedraw)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

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
