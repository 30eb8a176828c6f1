// TDragPointTool: moves a point of one series with the mouse. A press on a point (or, for a
// line series, on a segment) picks it; each move sets the picked point's X and/or Y value to
// the value under the mouse and calls OnDragPoint; the release ends the drag.
#pragma once

#include "chart/engine/chart/TeeTools.h"

enum TDragPointStyle { dsX, dsY, dsBoth };
ORVO_DECLARE_ENUM_TYPE(TDragPointStyle)

class TDragPointTool;
using TDragPointToolEvent = TEvent<TDragPointTool*, int>;
ORVO_DECLARE_EVENT_TYPE(TDragPointToolEvent)

class TDragPointTool : public TTeeCustomToolSeries {
    ORVO_CLASS(TDragPointTool, TTeeCustomToolSeries)
public:
    explicit TDragPointTool(TComponent* AOwner);

    String GetEditorClass() override { return QStringLiteral("TDragPointToolEdit"); }
    void ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                         int Y) override;
    String Description() override;
    String LongDescription() override;

    TDragPointStyle DragStyle() const { return FDragStyle; }
    void SetDragStyle(TDragPointStyle Value) { FDragStyle = Value; }
    // The point being dragged, -1 when none.
    int Dragging() const { return IDragging; }

    TDragPointToolEvent OnDragPoint;

private:
    TDragPointStyle FDragStyle = dsBoth;
    int IDragging = -1;
};

// The value at a screen coordinate on Axis; an axis without range first gets a tiny one
// (its automatic maximum off) so that the conversion has something to divide.
double DragAxisValue(TChartAxis* Axis, int Coordinate);
