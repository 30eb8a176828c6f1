// One frame of the chart control, 800 x 400: two axes with grids and labels, a back wall
// with a gradient, a title and a foot, no series -- the fixed cost of every redraw of the
// curve editor's chart before its curve is drawn.
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/Chart.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Bitmap.h"

#include <QApplication>
#include <benchmark/benchmark.h>

static void BM_ChartFrameTwoAxes(benchmark::State& state) {
    TChart chart(nullptr);
    chart.SetBounds(0, 0, 800, 400);
    chart.SetBevelOuter(bvNone);
    chart.SetView3D(false);
    chart.BottomAxis()->SetMinMax(0, 5);
    chart.BottomAxis()->SetLabelStyle(talValue);
    chart.LeftAxis()->SetMinMax(-2, 2);
    chart.LeftAxis()->SetLabelStyle(talValue);
    chart.LeftAxis()->Grid()->SetSmallDots(true);
    chart.BottomAxis()->Grid()->SetSmallDots(true);
    chart.BackWall()->SetTransparent(false);
    TTeeGradient* g = chart.BackWall()->Gradient();
    g->SetVisible(true);
    g->SetStartColor(clWhite);
    g->SetEndColor(clSilver);
    chart.Title()->Text()->Add(QStringLiteral("Map 1"));
    chart.Foot()->Text()->Add(QStringLiteral("Input voltage"));
    TBitmap window;
    window.SetSize(800, 400);
    const TRect rect{0, 0, 800, 400};
    for (auto _ : state) {
        chart.Invalidate();
        chart.Draw(window.Canvas(), rect);
    }
}
BENCHMARK(BM_ChartFrameTwoAxes)->Unit(benchmark::kMillisecond);

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
