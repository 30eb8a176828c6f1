// Start-up of the tool to its first painted main window (offscreen): the application object,
// the main window read from its form resource with its status bar, timer and worker
// component, the caption with the program's version, shown and painted. The first run after
// the program starts is printed as "cold start" together with the resident memory then; the
// benchmark repeats the window part warm. The window's timer stays still (a virtual clock),
// so no device is opened.
#include "app/ApplicationSettings.h"
#include "app/forms/ChipTuningForm.h"
#include "platform/controls/Application.h"
#include "platform/win/Clock.h"

#include "bench/support/PaintWatch.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

namespace {

// Makes, shows and paints the main window; keeps it when Keep is set. False when no paint came.
bool showMainWindowUntilPainted(bool Keep) {
    PaintWatch watch;
    QCoreApplication::instance()->installEventFilter(&watch);
    TChipTuningForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(MainWindowCaption());
    watch.Window = form->Widget();
    form->Show();
    watch.Window = form->Widget();
    for (int i = 0; i < 1000 && !watch.Painted; ++i)
        Application->ProcessMessages();
    QCoreApplication::instance()->removeEventFilter(&watch);
    if (!Keep) {
        FreeObject(form);
        Application->ProcessMessages();
    }
    return watch.Painted;
}

// The resident memory of the process in megabytes (0 when unknown).
double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

void BM_MainWindowToFirstPaint(benchmark::State& state) {
    for (auto _ : state)
        if (!showMainWindowUntilPainted(false)) state.SkipWithError("the main window was never painted");
    state.counters["rss_MB"] = residentMegabytes();
}
BENCHMARK(BM_MainWindowToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace

// Runs the start-up of the libraries this program links (written by the build).
void OrvoProgramStartup();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    TFakeClock still;
    TClockOverride clock(&still);
    QApplication app(argc, argv);
    OrvoProgramStartup();
    // The curve editors take their channels' pressure scaling from the settings.
    TApplicationSettings settings;
    ApplicationSettings = &settings;
    Application->Initialize();
    Application->SetTitle(QStringLiteral("ORVO Tuning"));
    const bool painted = showMainWindowUntilPainted(true);
    const auto end = Clock::now();
    std::printf("cold start: %.1f ms to the first painted main window%s; resident memory %.1f MB\n",
                std::chrono::duration<double, std::milli>(end - start).count(), painted ? "" : " - NO PAINT",
                residentMegabytes());
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    ApplicationSettings = nullptr;
    return 0;
}
