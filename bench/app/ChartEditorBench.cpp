// The curve editor's Edit button to the chart editor's first paint: the handler makes the
// editor on the first chart with its drag-point tool chosen, fills the Tools page and shows
// the form; the figure ends at the form's first paint, when the editor is closed again.
#include "app/ApplicationSettings.h"
#include "app/forms/FrameChart.h"
#include "platform/classes/Registry.h"
#include "platform/controls/Application.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Timer.h"

#include "bench/support/PaintWatch.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_EditChartToolToFirstPaint(benchmark::State& state) {
    std::unique_ptr<TApplicationSettings> ownSettings;
    if (!ApplicationSettings) {
        ownSettings = std::make_unique<TApplicationSettings>();
        ApplicationSettings = ownSettings.get();
    }
    // The editor keeps its bounds and options in the registry: a scratch one, empty at first.
    QTemporaryDir scratch;
    SetRegistryFileName(scratch.filePath(QStringLiteral("registry.ini")));
    auto* form = new TForm(nullptr, 0);
    form->SetClientSize(900, 500);
    auto* editor = new TFrameChart(nullptr);
    editor->AfterConstruction();
    editor->SetParent(form);
    editor->VoltageValuesTimer->SetEnabled(false);
    form->Show();
    Application->ProcessMessages();
    bool painted = true;
    // The modal loop stands for the user: the editor is shown and closed at its first paint.
    const TShowModalHook old = SetShowModalHook([&](TCustomForm* chartEditor) {
        PaintWatch watch;
        QCoreApplication::instance()->installEventFilter(&watch);
        chartEditor->Show();
        watch.Window = chartEditor->Widget();
        for (int i = 0; i < 1000 && !watch.Painted; ++i)
            Application->ProcessMessages();
        QCoreApplication::instance()->removeEventFilter(&watch);
        painted = painted && watch.Painted;
        chartEditor->Hide();
        return int(mrCancel);
    });
    for (auto _ : state)
        editor->btnEditClick(nullptr);
    SetShowModalHook(old);
    if (!painted) state.SkipWithError("the chart editor was never painted");
    FreeObject(form);
    Application->ProcessMessages();
    SetRegistryFileName(QString());
    if (ownSettings) ApplicationSettings = nullptr;
}
BENCHMARK(BM_EditChartToolToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace
