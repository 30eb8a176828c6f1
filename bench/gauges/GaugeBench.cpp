// The pressure window's dial, 350 x 541: the hand moves to a new value and the chart draws a
// frame, as each live reading does (every 50 ms at most). Reported per update.
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/panel/TeeShape.h"
#include "chart/gauges/CircularGauge.h"
#include "platform/graphics/Bitmap.h"

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
    gauge->SetMinimum(0);
    gauge->SetMaximum(4);
    chart.BottomAxis()->SetIncrement(0.4);
    gauge->GreenLine()->SetEndValue(2.8);
    gauge->RedLine()->SetStartValue(2.8);
    gauge->RedLine()->SetEndValue(4);
    gauge->Face()->SetTransparent(true);
    // The bands' angled gradients and the red gradient hand of length 88, as the window has.
    for (TGaugePointerRange* band : {gauge->GreenLine(), gauge->RedLine()}) {
        band->SetStyle(psRectangle);
        band->SetVertSize(5);
        band->Gradient()->SetDirection(gdBottomTop);
        band->Gradient()->SetVisible(true);
    }
    gauge->GreenLine()->Gradient()->SetStartColor(TColor(0x646464));
    gauge->GreenLine()->Gradient()->SetEndColor(TColor(0x1EC81E));
    gauge->GreenLine()->Gradient()->SetAngle(-60);
    gauge->RedLine()->Gradient()->SetStartColor(TColor(0x282864));
    gauge->RedLine()->Gradient()->SetEndColor(TColor(0x646464));
    gauge->RedLine()->Gradient()->SetAngle(180);
    TGaugeHand* hand = gauge->Hand();
    hand->SetStyle(psRectangle);
    hand->SetHorizSize(3);
    hand->SetVertSize(88);
    hand->Pen()->SetVisible(false);
    hand->Gradient()->SetDirection(gdLeftRight);
    hand->Gradient()->SetStartColor(clRed);
    hand->Gradient()->SetMidColor(TColor(0xD9));
    hand->Gradient()->SetEndColor(clRed);
    hand->Gradient()->SetVisible(true);
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

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
