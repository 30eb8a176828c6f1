// TGanttSeries: horizontal task bars from a start ("Start", the X list) to an end date
// ("End"), one row per Y value, each optionally joined to a next task ("NextTask", -1 for
// none) by a three-piece connector.
#pragma once

#include "chart/series/LineSeries.h"

class TGanttSeries : public TPointSeries {
    ORVO_CLASS(TGanttSeries, TPointSeries)
public:
    explicit TGanttSeries(TComponent* AOwner);
    void Assign(TPersistent* Source) override;
    String GetEditorClass() override { return QStringLiteral("TGanttSeriesEditor"); }
    void DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition) override;
    void DrawValue(int ValueIndex) override;
    // No next task for the new point unless the next-task list's value was set for it.
    int AddXY(double AXValue, double AYValue, const String& ALabel = String(),
              TColor AColor = clTeeColor) override;
    double MaxXValue() override;
    bool ClickedPointer(int ValueIndex, int PointX, int PointY, int X, int Y) override;
    void AddSampleValues(int NumValues, bool OnlyMandatory = false) override;
    void PrepareForGallery(bool IsEnabled) override;
    bool IsValidSourceOf(TChartSeries* Value) override;

    int AddGanttColor(double AStart, double AEnd, double AY, const String& ALabel, TColor AColor);
    int AddGantt(double AStart, double AEnd, double AY, const String& ALabel = String()) {
        return AddGanttColor(AStart, AEnd, AY, ALabel, clTeeColor);
    }

    TChartPen* ConnectingPen() const { return LinePen(); }
    void SetConnectingPen(TChartPen* Value);
    TChartValueList* StartValues() const { return XValues(); }
    void SetStartValues(TChartValueList* Value) { SetXValues(Value); }
    TChartValueList* EndValues() const { return FEndValues; }
    void SetEndValues(TChartValueList* Value) { SetChartValueList(FEndValues, Value); }
    TChartValueList* NextTask() const { return FNextTask; }
    void SetNextTask(TChartValueList* Value) { SetChartValueList(FNextTask, Value); }

private:
    int EndPos(int ValueIndex);

    TChartValueList* FEndValues = nullptr;
    TChartValueList* FNextTask = nullptr;
};
