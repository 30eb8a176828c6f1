// The fast line against the line series: 1,000,000 points drawn into an 800 x 400 chart by a
// fast line that skips the points of an already drawn pixel column, by one that draws every
// point, and by a line series without markers drawing the same points. Then appending 1,000
// points to a shown 100,000-point fast line, the pending paint processed after each: drawn
// as one segment each (AutoRepaint off) or by repainting the chart (AutoRepaint on).
#include "chart/engine/chart/Chart.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "platform/controls/CustomForm.h"
#include "platform/graphics/Bitmap.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

double Sample(int I) {
    return std::sin(I / 5000.0) * 100 + std::sin(I * 0.7) * 10;
}

template <class S> void Fill(S* Series, int N) {
    Series->BeginUpdate();
    for (int i = 0; i < N; ++i)
        Series->AddXY(i, Sample(i));
    Series->EndUpdate();
}

// A chart of 800 x 400 without legend or title, drawn into a bitmap.
struct DrawChart {
    TChart chart{nullptr};
    TBitmap window;
    DrawChart() {
        chart.SetBounds(0, 0, 800, 400);
        chart.SetView3D(false);
        chart.Legend()->SetVisible(false);
        chart.Title()->SetVisible(false);
        window.SetSize(800, 400);
    }
    void Draw() {
        chart.Invalidate();
        chart.Draw(window.Canvas(), TRect{0, 0, 800, 400});
    }
};

constexpr int MillionPoints = 1000000;

void BM_FastLineDraw(benchmark::State& State, bool DrawAll) {
    DrawChart c;
    auto* s = new TFastLineSeries(&c.chart);
    s->SetParentChart(&c.chart);
    s->SetDrawAllPoints(DrawAll);
    Fill(s, MillionPoints);
    for (auto _ : State)
        c.Draw();
    State.SetItemsProcessed(State.iterations() * MillionPoints);
}

void BM_FastLineSkippingColumns(benchmark::State& State) {
    BM_FastLineDraw(State, false);
}
void BM_FastLineAllPoints(benchmark::State& State) {
    BM_FastLineDraw(State, true);
}

void BM_LineSeriesWithoutPointers(benchmark::State& State) {
    DrawChart c;
    auto* s = new TLineSeries(&c.chart);
    s->SetParentChart(&c.chart);
    s->Pointer()->SetVisible(false);
    Fill(s, MillionPoints);
    for (auto _ : State)
        c.Draw();
    State.SetItemsProcessed(State.iterations() * MillionPoints);
}

void BM_FastLineAppend(benchmark::State& State, bool AutoRepaint) {
    constexpr int Base = 100000, Added = 1000;
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr, 0);
    form->SetClientSize(800, 400);
    auto* chart = new TChart(form.get());
    chart->SetParent(form.get());
    chart->SetBounds(0, 0, 800, 400);
    chart->SetView3D(false);
    chart->Legend()->SetVisible(false);
    chart->BottomAxis()->SetMinMax(0, Base + Added);
    chart->LeftAxis()->SetMinMax(-120, 120);
    auto* s = new TFastLineSeries(form.get());
    s->SetParentChart(chart);
    Fill(s, Base);
    form->Show();
    QCoreApplication::processEvents();
    s->SetAutoRepaint(AutoRepaint);
    for (auto _ : State) {
        for (int i = Base; i < Base + Added; ++i) {
            s->AddXY(i, Sample(i));
            QCoreApplication::processEvents();
        }
        State.PauseTiming();
        s->BeginUpdate();
        s->Delete(Base, Added);
        s->EndUpdate();
        QCoreApplication::processEvents();
        State.ResumeTiming();
    }
    State.SetItemsProcessed(State.iterations() * Added);
}

void BM_FastLineAppendWithoutRepaint(benchmark::State& State) {
    BM_FastLineAppend(State, false);
}
void BM_FastLineAppendRepainting(benchmark::State& State) {
    BM_FastLineAppend(State, true);
}

} // namespace

BENCHMARK(BM_FastLineSkippingColumns)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_FastLineAllPoints)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_LineSeriesWithoutPointers)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_FastLineAppendWithoutRepaint)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_FastLineAppendRepainting)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

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
