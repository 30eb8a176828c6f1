// The series gallery, as the chart editor opens it to add a series to a chart: from the call
// (CreateNewSeriesGallery) to the first full paint of its "Standard" page, every thumbnail
// drawn once, smoothing off (the options come from a registry file of the benchmark's own).
// The gallery is then cancelled. Compare with BM_MainWindowToFirstPaint of the same run.
#include "chart/editor/TeeGalleryPanel.h"
#include "chart/editor/TeeGally.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/series/LineSeries.h"
#include "platform/classes/Registry.h"
#include "platform/controls/Application.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Dialogs.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSet>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Sees the first paint of each thumbnail of a gallery.
class ThumbnailPaints : public QObject {
public:
    QSet<QObject*> Waiting;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) Waiting.remove(o);
        return false;
    }
};

struct FreeObj {
    void operator()(TObject* o) const { FreeObject(o); }
};

void BM_SeriesGalleryToFirstPaint(benchmark::State& state) {
    QTemporaryDir dir;
    SetRegistryFileName(dir.filePath(QStringLiteral("registry.ini")));
    TeeSaveBoolOption(QStringLiteral("SmoothGallery"), false);
    TeeSaveIntegerOption(QStringLiteral("GalleryMode"), 0);
    std::unique_ptr<TForm, FreeObj> owner(new TForm(nullptr, 0));
    auto* chart = new TChart(owner.get());
    chart->SetParent(owner.get());
    auto* line = new TLineSeries(owner.get());
    line->SetParentChart(chart);
    owner->Show();
    Application->ProcessMessages();
    bool allPainted = true;
    TShowModalHook previous = SetShowModalHook([&](TCustomForm* Form) {
        ThumbnailPaints watch;
        auto* gallery = dynamic_cast<TTeeGallery*>(Form);
        Form->Show();
        if (gallery) {
            TChartList* charts = gallery->ChartGalleryPanel1->Charts();
            for (int i = 0; i < charts->Count(); ++i)
                watch.Waiting.insert(charts->GetChart(i)->Widget());
        }
        QCoreApplication::instance()->installEventFilter(&watch);
        for (int i = 0; i < 1000 && !watch.Waiting.isEmpty(); ++i)
            Application->ProcessMessages();
        QCoreApplication::instance()->removeEventFilter(&watch);
        allPainted = allPainted && gallery && watch.Waiting.isEmpty();
        return int(mrCancel);
    });
    for (auto _ : state) {
        int subIndex = -1;
        benchmark::DoNotOptimize(CreateNewSeriesGallery(owner.get(), line, chart, true, false, subIndex));
    }
    SetShowModalHook(previous);
    if (!allPainted) state.SkipWithError("a thumbnail of the gallery was never painted");
    owner.reset();
    SetRegistryFileName(QString());
}
BENCHMARK(BM_SeriesGalleryToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace
