// The pressure window's dial, 350 x 541: the hand moves to a new value and the chart draws a
// frame, as each live reading does (every 50 ms at most). Reported per update.
#include "chart/engine/chart/Chart.h"
#include "chart/gauges/CircularGauge.h"
#include "platform/graphics/Bitmap.h"
#include "tests/chart/support/PressureDial.h"

#include <QApplication>
#include <benchmark/benchmark.h>

static void BM_PressureHandUpdate(benchmark::State& state) {
    TChart chart(nullptr);
    chart.SetBounds(0, 0, 350, 541);
    chart.SetBevelOuter(bvNone);
    chart.SetView3D(false);
    chart.SetAxisVisible(false);
    auto* gauge = new TCircularGauge(nullptr);
    chart.AddSeries(gauge);
    StylePressureDial(chart, gauge, 4);
    TBitmap window;
    window.SetSize(350, 541);
    const TRect rect{0, 0, 350, 541};
    int step = 0;
    for (auto _ : state) {
        // 1,000 readings sweep the dial back and forth.
        gauge->SetValue((step++ % 1000) * 0.004);
        chart.Draw(window.Canvas(), rect);
    }
    state.SetItemsProcessed(state.iterations());
    delete gauge;
}
BENCHMARK(BM_PressureHandUpdate)->Unit(benchmark::kMillisecond)->Iterations(1000);

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
