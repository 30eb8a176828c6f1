// The chart data grid as the curve editor uses it: bound to a series of 512 points (one
// value column, one header row), then painted on a shown form. "Fill" binds the series and
// lays the grid out; "Repaint" paints the whole visible grid once more (into a picture).
#include "chart/engine/chart/Chart.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/grid/ChartGrid.h"
#include "platform/controls/Application.h"
#include "platform/controls/CustomForm.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

// Counts the cells drawn, to tell that a repaint really painted.
class TCountingGrid : public TChartGrid {
public:
    explicit TCountingGrid(TComponent* AOwner) : TChartGrid(AOwner) {}
    long Cells = 0;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override {
        ++Cells;
        TChartGrid::DrawCell(ACol, ARow, ARect, AState);
    }
};

struct Setup {
    TForm* form = new TForm(nullptr, 0);
    TChart* chart = new TChart(form);
    TChartSeries* series = new TChartSeries(form);
    TCountingGrid* grid = new TCountingGrid(form);
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
    s.grid->Cells = 0;
    for (auto _ : state) {
        s.grid->Invalidate();
        benchmark::DoNotOptimize(s.grid->Widget()->grab());
    }
    state.counters["cells"] = benchmark::Counter(double(s.grid->Cells), benchmark::Counter::kAvgIterations);
    if (s.grid->Cells == 0) state.SkipWithError("nothing was painted");
}
BENCHMARK(BM_GridRepaint512Points)->Unit(benchmark::kMicrosecond);

} // namespace

// Runs the start-up of the libraries this program links (written by the build).
void OrvoProgramStartup();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    OrvoProgramStartup();
    Application->Initialize();
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
