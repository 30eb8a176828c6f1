// The curve editor's 50 ms voltage tick on the user-interface thread: one live-voltage read
// from a box that answers at once, both cursor lines moved, the edit check, and the repaint
// the moved lines cause handled before the next tick. The box's own transaction time is not
// the editor's; the figure is what the editor adds to it.
#include "app/ApplicationSettings.h"
#include "app/forms/FrameChart.h"
#include "device/OrvoTuningDevice.h"
#include "platform/controls/Application.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Timer.h"

#include "chart/engine/chart/Chart.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

class TInstantBox : public TOrvoTuningDevice {
public:
    bool Open() override { return true; }
    bool Close() override { return true; }
    bool GetTuning() override { return false; }
    void SetTuning(bool) override {}
    int SendMap(unsigned char, unsigned char, std::vector<unsigned char>) override { return 0; }
    int ReadMap(unsigned char, unsigned char, std::vector<unsigned char>* out) override {
        out->assign(1024, 0);
        return 0;
    }
    // Voltages that move on every read, as a running engine's do.
    int ReadVoltages(std::vector<unsigned char>* out) override {
        code_ = (code_ + 37) % 4096;
        const unsigned other = 4095 - code_;
        *out = {std::uint8_t(code_ & 0xFF), std::uint8_t(code_ >> 8), std::uint8_t(other & 0xFF),
                std::uint8_t(other >> 8)};
        return 0;
    }
    int GetActiveMap() override { return 1; }
    void ActivateMap(int) override {}
    int GetTriggeredInput() override { return 0; }
    void SetTriggeredInput(bool) override {}

private:
    unsigned code_ = 0;
};

// Counts the paint events the charts of the editor get, to show that each tick's figure
// includes the repaint of the moved cursor lines.
class TChartPaints : public QObject {
public:
    std::vector<QWidget*> Charts;
    long Count = 0;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            for (QWidget* w : Charts)
                if (o == w) ++Count;
        return false;
    }
};

class TConnectedHost : public IChartEditorHost {
public:
    int ConnectionState() override { return Connected; }
    void SetConnectionState(int) override {}
    TOrvoTuningDevice* CurrentDevice() override { return &Box; }
    TInstantBox Box;
};

void BM_VoltageTick(benchmark::State& state) {
    std::unique_ptr<TApplicationSettings> ownSettings;
    if (!ApplicationSettings) {
        ownSettings = std::make_unique<TApplicationSettings>();
        ApplicationSettings = ownSettings.get();
    }
    TConnectedHost host;
    auto* form = new TForm(nullptr, 0);
    form->SetClientSize(900, 500);
    auto* editor = new TFrameChart(nullptr);
    editor->AfterConstruction();
    editor->SetHost(&host);
    editor->SetParent(form);
    editor->VoltageValuesTimer->SetEnabled(false);
    form->Show();
    Application->ProcessMessages();
    TChartPaints paints;
    paints.Charts = {editor->Chart1->Widget(), editor->Chart2->Widget()};
    QCoreApplication::instance()->installEventFilter(&paints);
    for (auto _ : state) {
        editor->OnVoltageValuesTimer(editor->VoltageValuesTimer);
        Application->ProcessMessages();
    }
    QCoreApplication::instance()->removeEventFilter(&paints);
    state.counters["chart_paints_per_tick"] =
        state.iterations() ? double(paints.Count) / double(state.iterations()) : 0.0;
    FreeObject(form);
    Application->ProcessMessages();
    if (ownSettings) ApplicationSettings = nullptr;
}
BENCHMARK(BM_VoltageTick)->Unit(benchmark::kMicrosecond);

} // namespace
