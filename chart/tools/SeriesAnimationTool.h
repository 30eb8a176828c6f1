// TSeriesAnimationTool: grows its series' points from a start value to their real values in
// steps, in groups of points or all at once, once or in a loop. It runs on the user-interface
// thread and keeps the application responsive between steps by processing messages; a run
// ends at once when the series, its chart or the tool goes away or the application quits.
#pragma once

#include "chart/engine/chart/TeeTools.h"

enum TSeriesAnimationLoop { salNo, salOneWay, salCircular };
ORVO_DECLARE_ENUM_TYPE(TSeriesAnimationLoop)

class TSeriesAnimationTool;
using TSeriesAnimationStep = TEvent<TSeriesAnimationTool*, int>;
ORVO_DECLARE_EVENT_TYPE(TSeriesAnimationStep)

class TSeriesAnimationTool : public TTeeCustomToolSeries {
    ORVO_CLASS(TSeriesAnimationTool, TTeeCustomToolSeries)
public:
    explicit TSeriesAnimationTool(TComponent* AOwner);
    ~TSeriesAnimationTool() override;
    void Assign(TPersistent* Source) override;
    String Description() override;
    String LongDescription() override;
    String GetEditorClass() override { return QStringLiteral("TSeriesAnimToolEditor"); }

    // ---- new operation, after the series tool's ----
    // Runs the animation to its end (or until stopped); nothing without a series or while
    // running.
    virtual void Execute();
    // The same as an event handler.
    void Execute(TObject* Sender);

    bool Running() const { return !IStopped; }
    // Ends a run: the values are restored and OnStop fires.
    void Stop();

    int Delay() const { return FDelay; }
    void SetDelay(int Value) { FDelay = Value; }
    int DrawEvery() const { return FDrawEvery; }
    void SetDrawEvery(int Value) { FDrawEvery = Value; }
    TSeriesAnimationLoop Loop() const { return FLoop; }
    void SetLoop(TSeriesAnimationLoop Value) { FLoop = Value; }
    bool StartAtMin() const { return FStartAtMin; }
    void SetStartAtMin(bool Value) { FStartAtMin = Value; }
    double StartValue() const { return FStartValue; }
    void SetStartValue(double Value) { FStartValue = Value; }
    int Steps() const { return FSteps; }
    void SetSteps(int Value) { FSteps = Value; }

    TNotifyEvent OnStart;
    TNotifyEvent OnStop;
    TSeriesAnimationStep OnStep;

private:
    class TRunWatch;
    // One pass from the start value to the targets (or, shrinking, from the targets to 0);
    // false when the run has to end.
    bool Pass(TRunWatch& Watch, const std::vector<double>& Targets, bool Grow);
    // Invalidates the chart and processes messages for Delay milliseconds; false when the
    // run has to end.
    bool RepaintStep(TRunWatch& Watch);
    // Copies the targets back into the series.
    static void Restore(TChartSeries* Series, const std::vector<double>& Targets);

    int FDelay = 0;
    int FDrawEvery = 0;
    TSeriesAnimationLoop FLoop = salNo;
    bool FStartAtMin = true;
    double FStartValue = 0;
    int FSteps = 100;
    bool IStopped = true;
    // Told the tool is gone, so a run in progress stops touching it.
    TRunWatch* FWatch = nullptr;
};
