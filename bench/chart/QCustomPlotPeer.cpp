// The peer of the chart benchmarks: QCustomPlot draws the curve editor's chart into an
// 800 x 400 image in the same run, so that the figures compare on one machine under one
// load. Two charts: the canvas benchmark's picture (back gradient, dotted grids, labels,
// a 512-point curve of pen width 2) and the full curve-editor chart (the same with circle
// pointers on the points, axis titles and two vertical cursor lines). Built only where the
// library is installed; the tool itself never links it.
#include <QImage>
#include <QLinearGradient>
#include <benchmark/benchmark.h>
#include <qcustomplot.h>

#include <cmath>

namespace {

struct PeerChart {
    explicit PeerChart(bool full) : image(800, 400, QImage::Format_RGB32) {
        plot.resize(800, 400);
        plot.setNoAntialiasingOnDrag(true);
        plot.setNotAntialiasedElements(QCP::aeAll);
        QLinearGradient wall(0, 0, 0, 400);
        wall.setColorAt(0, Qt::white);
        wall.setColorAt(1, QColor(192, 192, 192));
        plot.axisRect()->setBackground(QBrush(wall));
        plot.xAxis->setRange(0, 5);
        plot.yAxis->setRange(-2, 2);
        for (QCPAxis* axis : {plot.xAxis, plot.yAxis}) {
            axis->grid()->setPen(QPen(QColor(128, 128, 128), 0, Qt::DotLine));
            if (full) axis->setLabel(axis == plot.xAxis ? "Time (s)" : "Voltage (V)");
        }
        QVector<double> x(512), y(512);
        for (int i = 0; i < 512; ++i) {
            x[i] = 5.0 * i / 511;
            y[i] = 1.8 * std::sin(i / 40.0);
        }
        QCPGraph* graph = plot.addGraph();
        graph->setData(x, y, true);
        graph->setPen(QPen(Qt::red, 2));
        if (full) {
            graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, Qt::red, Qt::white, 6));
            for (double at : {1.5, 3.5}) {
                auto* cursor = new QCPItemStraightLine(&plot);
                cursor->point1->setCoords(at, -2);
                cursor->point2->setCoords(at, 2);
                cursor->setPen(QPen(Qt::blue));
            }
        }
    }
    void Draw() {
        QCPPainter painter(&image);
        plot.toPainter(&painter, 800, 400);
    }
    QCustomPlot plot;
    QImage image;
};

void BM_QCustomPlotCanvasChart(benchmark::State& state) {
    PeerChart chart(false);
    for (auto _ : state)
        chart.Draw();
    benchmark::DoNotOptimize(chart.image.constBits());
}
BENCHMARK(BM_QCustomPlotCanvasChart)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_QCustomPlotCurveEditorChart(benchmark::State& state) {
    PeerChart chart(true);
    for (auto _ : state)
        chart.Draw();
    benchmark::DoNotOptimize(chart.image.constBits());
}
BENCHMARK(BM_QCustomPlotCurveEditorChart)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace
