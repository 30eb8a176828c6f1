// The curve editor's chart redrawn through the chart panel: the same picture as the
// canvas benchmark (gradient back wall, grid, labels, 512-point curve, 800 x 400) drawn in
// the drawing panel's paint event. Three ways: a new frame into the off-screen image the
// panel keeps; the same with a new image made for every frame (the path without reuse);
// and a repaint of an unchanged chart, which only copies the kept image to the window.
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "platform/graphics/Bitmap.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

struct CurveChart {
    CurveChart() : panel(nullptr) {
        panel.SetBounds(0, 0, 800, 400);
        panel.SetBevelOuter(bvNone);
        panel.SetColor(clWhite);
        panel.SetView3D(false);
        window.SetSize(800, 400);
        wall.SetVisible(true);
        wall.SetStartColor(clWhite);
        wall.SetEndColor(clSilver);
        curvePen.SetColor(clRed);
        curvePen.SetWidth(2);
        gridPen.SetColor(clGray);
        gridPen.SetStyle(psDot);
        curve.resize(512);
        for (int i = 0; i < 512; ++i)
            curve[std::size_t(i)] = {40 + i * 740 / 511, 360 - int(300 * (0.5 + 0.45 * std::sin(i / 40.0)))};
        panel.OnPaint = [this](TObject*, const TRect&) { Paint(); };
    }
    void Paint() {
        TCanvas3D* canvas = panel.Canvas();
        wall.Draw(canvas, TRect{40, 20, 780, 360});
        canvas->AssignVisiblePen(&gridPen);
        for (int x = 40; x <= 780; x += 74)
            canvas->DoVertLine(x, 20, 360);
        for (int y = 20; y <= 360; y += 34)
            canvas->DoHorizLine(40, 780, y);
        canvas->AssignFont(&font);
        canvas->SetBackMode(cbmTransparent);
        for (int i = 0; i <= 10; ++i) {
            canvas->TextOut(10, 360 - i * 34 - 6, QString::number(i * 0.5, 'f', 1));
            canvas->TextOut(40 + i * 74 - 8, 366, QString::number(i * 0.5, 'f', 1));
        }
        canvas->AssignVisiblePen(&curvePen);
        canvas->Polyline(curve);
    }
    TDraw3D panel;
    TBitmap window;
    TTeeGradient wall;
    TChartPen curvePen, gridPen;
    TTeeFont font;
    TPointArray curve;
};

const TRect kRect{0, 0, 800, 400};

} // namespace

static void BM_PanelRedrawReusedBuffer(benchmark::State& state) {
    CurveChart chart;
    for (auto _ : state) {
        chart.panel.Invalidate();
        chart.panel.Draw(chart.window.Canvas(), kRect);
    }
}
BENCHMARK(BM_PanelRedrawReusedBuffer)->Unit(benchmark::kMillisecond);

static void BM_PanelRedrawNewBuffer(benchmark::State& state) {
    CurveChart chart;
    auto* canvas = dynamic_cast<TTeeCanvas3D*>(chart.panel.Canvas());
    for (auto _ : state) {
        canvas->SetBitmap(nullptr);
        chart.panel.Invalidate();
        chart.panel.Draw(chart.window.Canvas(), kRect);
    }
}
BENCHMARK(BM_PanelRedrawNewBuffer)->Unit(benchmark::kMillisecond);

static void BM_PanelRepaintUnchanged(benchmark::State& state) {
    CurveChart chart;
    chart.panel.Draw(chart.window.Canvas(), kRect);
    TCanvas3D* canvas = chart.panel.Canvas();
    canvas->SetCanvas(chart.window.Canvas());
    for (auto _ : state)
        benchmark::DoNotOptimize(canvas->ReDrawBitmap());
}
BENCHMARK(BM_PanelRepaintUnchanged)->Unit(benchmark::kMillisecond);

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
