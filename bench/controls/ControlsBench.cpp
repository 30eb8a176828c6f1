// Start-up to the first painted window: the application object, a form of about forty
// controls (panels, labels, buttons, edits, a page control with two sheets, a string
// grid) read from its text resource, shown, and events handled until its first paint.
// The first run after the program starts (fonts, styles and the window system met for
// the first time) is printed as "cold start"; the benchmark repeats the form part warm.
#include "platform/controls/Application.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/StandardControls.h"

#include "bench/support/PaintWatch.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

class TBenchForm : public TForm {
    ORVO_CLASS(TBenchForm, TForm)
public:
    explicit TBenchForm(TComponent* AOwner) : TForm(AOwner) {}
};
ORVO_IMPLEMENT_CLASS(TBenchForm, TForm)

namespace {

// Creates, shows and paints the form once; answers false when no paint came.
bool showFormUntilPainted() {
    PaintWatch watch;
    QCoreApplication::instance()->installEventFilter(&watch);
    TBenchForm* form = nullptr;
    Application->CreateForm(form);
    watch.Window = form->Widget();
    form->Show();
    watch.Window = form->Widget();
    // The pass that paints the window runs inside one call.
    for (int i = 0; i < 1000 && !watch.Painted; ++i)
        Application->ProcessMessages();
    QCoreApplication::instance()->removeEventFilter(&watch);
    FreeObject(form);
    Application->ProcessMessages();
    return watch.Painted;
}

void BM_FormFromResourceToFirstPaint(benchmark::State& state) {
    for (auto _ : state)
        if (!showFormUntilPainted()) state.SkipWithError("the form was never painted");
}
BENCHMARK(BM_FormFromResourceToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace

// Runs the start-up of the libraries this program links (written by the build).
void OrvoProgramStartup();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    QApplication app(argc, argv);
    OrvoProgramStartup();
    Application->Initialize();
    RegisterStandardControls();
    const auto appMade = Clock::now();
    const bool painted = showFormUntilPainted();
    const auto end = Clock::now();
    auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };
    std::printf("cold start: %.1f ms to the first paint (application %.1f ms, form %.1f ms)%s\n",
                ms(end - start), ms(appMade - start), ms(end - appMade), painted ? "" : " - NO PAINT");
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return painted ? 0 : 1;
}
