// TColorLineTool: a line across the chart rectangle at one value of its axis, which the user
// can drag. Clamping to the axis range applies to where the line is drawn and to dragging;
// painting never changes the line's Value or Style.
#pragma once

#include "chart/engine/chart/TeeTools.h"

enum TColorLineStyle { clCustom, clMaximum, clCenter, clMinimum };
ORVO_DECLARE_ENUM_TYPE(TColorLineStyle)

class TColorLineTool;
using TColorLineToolOnDrag = TEvent<TColorLineTool*>;
ORVO_DECLARE_EVENT_TYPE(TColorLineToolOnDrag)

class TColorLineTool : public TTeeCustomToolAxis {
    ORVO_CLASS(TColorLineTool, TTeeCustomToolAxis)
public:
    explicit TColorLineTool(TComponent* AOwner);

    void Assign(TPersistent* Source) override;
    String GetEditorClass() override { return QStringLiteral("TColorLineToolEditor"); }
    void ChartEvent(TChartToolEvent AEvent) override;
    void ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                         int Y) override;
    String Description() override;
    String LongDescription() override;

    // ---- new operations, in slot order ----
    // The owner's end-of-drag handler, then OnEndDragLine.
    virtual void DoEndDragLine();
    // The chart to draw on when the line has no chart of its own (a band's edge).
    virtual void SetParent(TCustomAxisPanel* Value) { IParent = Value; }

    TCustomAxisPanel* Chart() const { return IParent ? IParent : FParent; }
    // The value the line stands at: the axis maximum, centre or minimum, or Value.
    double CalcValue() const;
    // V held within the values at the two ends of the axis.
    double LimitValue(double V) const;
    bool Clicked(int X, int Y);
    // Draws the back (before the series) or front (after the chart) part with the pen.
    void InternalDrawLine(bool Back);
    bool Dragging() const { return IDragging; }

    bool AllowDrag() const { return FAllowDrag; }
    void SetAllowDrag(bool Value) { FAllowDrag = Value; }
    bool DragRepaint() const { return FDragRepaint; }
    void SetDragRepaint(bool Value) { FDragRepaint = Value; }
    bool Draw3D() const { return FDraw3D; }
    void SetDraw3D(bool Value);
    bool DrawBehind() const { return FDrawBehind; }
    void SetDrawBehind(bool Value);
    bool NoLimitDrag() const { return FNoLimitDrag; }
    void SetNoLimitDrag(bool Value) { FNoLimitDrag = Value; }
    TColorLineStyle Style() const { return FStyle; }
    void SetStyle(TColorLineStyle Value);
    double Value() const { return FValue; }
    void SetValue(double Value);

    TColorLineToolOnDrag OnBeginDragLine;
    TColorLineToolOnDrag OnDragLine;
    TColorLineToolOnDrag OnEndDragLine;
    TColorLineToolOnDrag InternalOnEndDragLine;

private:
    void DrawColorLine(bool Back);
    void RepaintChart();

    bool FAllowDrag = true;
    bool FDragRepaint = false;
    bool FDraw3D = true;
    bool FDrawBehind = false;
    bool FNoLimitDrag = false;
    TColorLineStyle FStyle = clCustom;
    double FValue = 0;
    bool IDragging = false;
    TCustomAxisPanel* IParent = nullptr;
};
