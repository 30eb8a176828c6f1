// TRectangleTool: an annotation box the user moves by dragging its inside and resizes by
// dragging its edges and corners; it can also copy the chart area under the box.
#pragma once

#include "chart/tools/AnnotationTool.h"

class TBitmap;

class TRectangleTool : public TAnnotationTool {
    ORVO_CLASS(TRectangleTool, TAnnotationTool)
public:
    explicit TRectangleTool(TComponent* AOwner);
    void Assign(TPersistent* Source) override;
    void ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                         int Y) override;
    String Description() override;
    String LongDescription() override;

    // Edge codes of ClickedEdge.
    enum {
        EdgeNone = -1,
        EdgeLeft,
        EdgeTop,
        EdgeRight,
        EdgeBottom,
        EdgeTopLeft,
        EdgeBottomLeft,
        EdgeTopRight,
        EdgeBottomRight
    };
    // The edge or corner of the box within 3 pixels of (X, Y); -1 outside the box or inside
    // away from every edge.
    int ClickedEdge(int X, int Y);
    // A new bitmap (the caller owns it) of the chart area under the box: with ChartOnly the
    // chart drawn without this tool, else the chart's picture as shown.
    TBitmap* Bitmap(bool ChartOnly = false);

    bool AllowDrag() const { return FAllowDrag; }
    void SetAllowDrag(bool Value) { FAllowDrag = Value; }
    bool AllowResize() const { return FAllowResize; }
    void SetAllowResize(bool Value) { FAllowResize = Value; }
    // True during a drag of the box.
    bool Dragging() const { return IDrag; }
    // True while an edge or corner is being resized.
    bool Resizing() const { return IEdge != EdgeNone; }

    TNotifyEvent OnDragging;
    TNotifyEvent OnDragged;
    TNotifyEvent OnResizing;
    TNotifyEvent OnResized;

private:
    // Moves the box's left-top to (X, Y) in the tool's position units, keeping its size.
    void MoveTo(int X, int Y);

    bool FAllowDrag = true;
    bool FAllowResize = true;
    TPoint P{0, 0};
    bool IDrag = false;
    int IEdge = EdgeNone;
};
