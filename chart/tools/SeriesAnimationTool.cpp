// TSeriesAnimationTool: the passes and steps of a run, the wait between steps, and the watch
// that ends a run when what it works on goes away.
#include "chart/tools/SeriesAnimationTool.h"

#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/controls/Application.h"
#include "platform/win/Clock.h"

#include <algorithm>

ORVO_IMPLEMENT_ENUM_TYPE(TSeriesAnimationLoop, "salNo", "salOneWay", "salCircular")
ORVO_IMPLEMENT_EVENT_TYPE(TSeriesAnimationStep)
ORVO_IMPLEMENT_CLASS(TSeriesAnimationTool, TTeeCustomToolSeries)

ORVO_PUBLISHED(TSeriesAnimationTool) {
    using T = TSeriesAnimationTool;
    P.Property("Delay", &T::Delay, &T::SetDelay).Default(0);
    P.Property("DrawEvery", &T::DrawEvery, &T::SetDrawEvery).Default(0);
    P.Property("Loop", &T::Loop, &T::SetLoop).Default(salNo);
    P.Property("Series", &T::Series, &T::SetSeries);
    P.Property("StartAtMin", &T::StartAtMin, &T::SetStartAtMin).Default(true);
    P.Property("StartValue", &T::StartValue, &T::SetStartValue).Default(0.0);
    P.Property("Steps", &T::Steps, &T::SetSteps).Default(100);
    P.Property("OnStart", &T::OnStart);
    P.Property("OnStep", &T::OnStep);
    P.Property("OnStop", &T::OnStop);
}

// Watches what a run works on: the series and its chart tell it when they are freed, the
// tool's destructor when the tool is.
class TSeriesAnimationTool::TRunWatch : public TComponent {
public:
    explicit TRunWatch(TChartSeries* ASeries)
        : TComponent(nullptr), Series(ASeries), Chart(ASeries->ParentChart()) {
        Series->FreeNotification(this);
        if (Chart) Chart->FreeNotification(this);
    }
    // The run goes on while the tool, the series and the chart it started on are there and
    // the application is not quitting.
    bool Alive() const {
        return !ToolGone && Series && (Chart || !HadChart) && !(Application && Application->Terminated());
    }

    TChartSeries* Series;
    TCustomAxisPanel* Chart;
    const bool HadChart = Chart != nullptr;
    bool ToolGone = false;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation != opRemove) return;
        if (AComponent == Series) Series = nullptr;
        if (AComponent == Chart) Chart = nullptr;
    }
};

TSeriesAnimationTool::TSeriesAnimationTool(TComponent* AOwner) : TTeeCustomToolSeries(AOwner) {}

TSeriesAnimationTool::~TSeriesAnimationTool() {
    if (FWatch) FWatch->ToolGone = true;
}

String TSeriesAnimationTool::Description() {
    return TeeMsg_SeriesAnimTool;
}

String TSeriesAnimationTool::LongDescription() {
    return TeeMsg_SeriesAnimationDesc;
}

void TSeriesAnimationTool::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TSeriesAnimationTool*>(Source)) {
        FDelay = s->FDelay;
        FDrawEvery = s->FDrawEvery;
        FLoop = s->FLoop;
        FStartAtMin = s->FStartAtMin;
        FStartValue = s->FStartValue;
        FSteps = s->FSteps;
    }
    TTeeCustomToolSeries::Assign(Source);
}

void TSeriesAnimationTool::Execute(TObject*) {
    Execute();
}

void TSeriesAnimationTool::Stop() {
    if (IStopped) return;
    IStopped = true;
    if (OnStop) OnStop(this);
}

void TSeriesAnimationTool::Restore(TChartSeries* Series, const std::vector<double>& Targets) {
    TChartValueList* values = Series->MandatoryValueList();
    const int n = std::min(values->Count(), int(Targets.size()));
    for (int i = 0; i < n; ++i)
        values->SetValue(i, Targets[size_t(i)]);
}

bool TSeriesAnimationTool::RepaintStep(TRunWatch& Watch) {
    if (Watch.Chart) Watch.Chart->Invalidate();
    const DWORD start = GetTickCount();
    // The delay is a busy wait of message processing; Sleep(0) gives the rest of each slice
    // away (and moves a test's clock on).
    do {
        if (Application) Application->ProcessMessages();
        if (!Watch.Alive()) return false;
        if (FDelay <= 0) break;
        Sleep(0);
    } while (GetTickCount() - start < DWORD(FDelay));
    return true;
}

bool TSeriesAnimationTool::Pass(TRunWatch& Watch, const std::vector<double>& Targets, bool Grow) {
    TChartSeries* series = Watch.Series;
    TChartValueList* values = series->MandatoryValueList();
    const double s = FStartAtMin ? values->MinValue() : FStartValue;
    for (int i = 0; i < values->Count(); ++i)
        values->SetValue(i, s);
    if (!RepaintStep(Watch)) return false;
    // Fewer than one step or one point per group make one step and one group of all points.
    const int steps = std::max(1, FSteps);
    const int total = int(Targets.size());
    const int group = FDrawEvery < 1 ? std::max(1, total) : FDrawEvery;
    for (int first = 0; first < total; first += group) {
        const int last = std::min(total, first + group);
        for (int e = 0; e <= steps; ++e) {
            double f = double(e) / steps;
            double g = s - s * f;
            if (FLoop == salCircular && !Grow) {
                g = 0;
                f = double(steps - e) / steps;
            }
            values = Watch.Series->MandatoryValueList();
            const int n = std::min(last, values->Count());
            for (int i = first; i < n; ++i)
                values->SetValue(i, f * Targets[size_t(i)] + g);
            if (OnStep) OnStep(this, e);
            if (!Watch.Alive()) return false;
            if (!RepaintStep(Watch)) return false;
            if (IStopped) {
                Restore(Watch.Series, Targets);
                return RepaintStep(Watch);
            }
        }
    }
    Restore(Watch.Series, Targets);
    return RepaintStep(Watch);
}

void TSeriesAnimationTool::Execute() {
    if (!FSeries || !IStopped) return;
    TRunWatch watch(FSeries);
    TChartValueList* values = FSeries->MandatoryValueList();
    std::vector<double> targets(size_t(values->Count()));
    for (int i = 0; i < values->Count(); ++i)
        targets[size_t(i)] = values->Value(i);
    FWatch = &watch;
    FSeries->BeginUpdate();
    IStopped = false;
    // Whatever ends the run, the series gets its values back and leaves update mode, and the
    // tool (when it is still there) stops.
    auto finish = [&] {
        if (!watch.ToolGone) {
            FWatch = nullptr;
            Stop();
        }
        if (TChartSeries* series = watch.Series) {
            Restore(series, targets);
            series->EndUpdate();
        }
    };
    try {
        if (OnStart) OnStart(this);
        bool grow = true;
        while (watch.Alive() && !IStopped) {
            if (!Pass(watch, targets, grow)) break;
            if (FLoop == salNo) break;
            grow = !grow;
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}
