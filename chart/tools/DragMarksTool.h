// TDragMarksTool: moves series marks (the labels at the points) with the mouse; the mark's
// arrow keeps its start at the point and stretches to follow the label.
#pragma once

#include "chart/engine/chart/TeeTools.h"

class TDragMarksTool;
using TDragMarkEvent = TEvent<TDragMarksTool*, int, TMouseButton, TShiftState, int, int>;
ORVO_DECLARE_EVENT_TYPE(TDragMarkEvent)

class TDragMarksTool : public TTeeCustomToolSeries {
    ORVO_CLASS(TDragMarksTool, TTeeCustomToolSeries)
public:
    explicit TDragMarksTool(TComponent* AOwner);

    String GetEditorClass() override { return QStringLiteral("TDragMarksToolEditor"); }
    void ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                         int Y) override;
    String Description() override;
    String LongDescription() override;

    // The index of the mark being dragged, -1 when none, and its series.
    int Index() const { return FIndex; }
    TChartSeries* DraggedSeries() const { return ISeries; }

    TDragMarkEvent OnDraggedMark;
    TDragMarkEvent OnDraggingMark;

private:
    // The active series (the bound one, or the chart's from the last) whose mark is under
    // (X, Y), with the mark's index.
    TChartSeries* MarkAt(int X, int Y, int& AIndex);

    int IOldX = 0;
    int IOldY = 0;
    int FIndex = -1;
    TChartSeries* ISeries = nullptr;
};
