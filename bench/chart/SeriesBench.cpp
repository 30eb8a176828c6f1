// Adding and deleting a series' points: 100,000 points added with X in order and out of
// order (each pair of neighbours swapped, so every second point is inserted one place
// back), then all deleted one at a time from the last. The time per point stays the same
// from 10,000 to 100,000 points: adding is linear.
#include "chart/engine/series/ChartSeries.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void AddThenDelete(benchmark::State& State, bool InOrder) {
    const int n = int(State.range(0));
    for (auto _ : State) {
        TChartSeries series(nullptr);
        for (int i = 0; i < n; ++i)
            series.AddXY(InOrder ? i : (i ^ 1), i);
        for (int i = series.Count() - 1; i >= 0; --i)
            series.Delete(i);
        benchmark::DoNotOptimize(series.Count());
    }
    State.SetItemsProcessed(State.iterations() * n);
    State.SetComplexityN(n);
}

void BM_SeriesAddDeleteInOrder(benchmark::State& State) {
    AddThenDelete(State, true);
}
void BM_SeriesAddDeleteOutOfOrder(benchmark::State& State) {
    AddThenDelete(State, false);
}

} // namespace

BENCHMARK(BM_SeriesAddDeleteInOrder)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN);
BENCHMARK(BM_SeriesAddDeleteOutOfOrder)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN);

// Runs the start-up of the libraries this program links (written by the build).
void OrvoProgramStartup();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    OrvoProgramStartup();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
