// The chart data grid as the curve editor uses it: bound to a series of 512 points (one
// value column, one header row), then painted on a shown form. "Fill" binds the series and
// lays the grid out; "Repaint" paints the whole visible grid once more.
#include "chart/engine/chart/Chart.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/grid/ChartGrid.h"
#include "platform/controls/Application.h"
#include "platform/controls/CustomForm.h"

#include <QApplication>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

struct Setup {
    TForm* form = new TForm(nullptr, 0);
    TChart* chart = new TChart(form);
    TChartSeries* series = new TChartSeries(form);
    TChartGrid* grid = new TChartGrid(form);
    Setup() {
        form->SetClientSize(300, 700);
        chart->AddSeries(series);
        for (int i = 0; i < 512; ++i)
            series->Add(1000.0 + i * 3.25);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 300, 700);
        grid->SetShowXValues(cgsNo);
        grid->SetShowLabels(false);
        grid->SetShowFields(false);
        form->Show();
        Application->ProcessMessages();
    }
    ~Setup() { FreeObject(form); }
};

void BM_GridFillFrom512Points(benchmark::State& state) {
    Setup s;
    for (auto _ : state) {
        s.grid->SetSeries(s.series);
        benchmark::DoNotOptimize(s.grid->RowCount());
        s.grid->SetSeries(nullptr);
    }
}
BENCHMARK(BM_GridFillFrom512Points)->Unit(benchmark::kMicrosecond);

void BM_GridRepaint512Points(benchmark::State& state) {
    Setup s;
    s.grid->SetSeries(s.series);
    for (auto _ : state)
        s.grid->Widget()->repaint();
}
BENCHMARK(BM_GridRepaint512Points)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Application->Initialize();
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
