// TNearestTool: marks the series point nearest to the mouse with a circle, rectangle,
// diamond or the point drawn again, and optionally a line from the mouse to it. With
// FullRepaint the chart repaints on every move; without it the mark moves by inverting
// pairs.
#pragma once

#include "chart/engine/chart/TeeTools.h"

enum TNearestToolStyle { hsNone, hsCircle, hsRectangle, hsDiamond, hsSeries };
ORVO_DECLARE_ENUM_TYPE(TNearestToolStyle)

class TNearestTool : public TTeeCustomToolSeries {
    ORVO_CLASS(TNearestTool, TTeeCustomToolSeries)
public:
    explicit TNearestTool(TComponent* AOwner);
    ~TNearestTool() override;

    void Assign(TPersistent* Source) override;
    String GetEditorClass() override { return QStringLiteral("TNearestToolEdit"); }
    void ChartEvent(TChartToolEvent AEvent) override;
    void ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                         int Y) override;
    String Description() override;
    String LongDescription() override;

    // The point of Series nearest to (X, Y) in pixels (a clicked point first); -1 when none
    // lies closer than 10000 pixels.
    static int GetNearestPoint(TChartSeries* Series, int X, int Y, bool IncludeNulls = false);
    // Draws the mark of Point (inverting without FullRepaint).
    void PaintHint();

    bool DrawLine() const { return FLinePen->Visible(); }
    void SetDrawLine(bool Value) { FLinePen->SetVisible(Value); }
    bool FullRepaint() const { return FFullRepaint; }
    void SetFullRepaint(bool Value) { FFullRepaint = Value; }
    TChartPen* LinePen() const { return FLinePen; }
    void SetLinePen(TChartPen* Value);
    int Size() const { return FSize; }
    void SetSize(int Value) { SetIntegerProperty(FSize, Value); }
    TNearestToolStyle Style() const { return FStyle; }
    void SetStyle(TNearestToolStyle Value);
    int Point() const { return FPoint; }

    TNotifyEvent OnChange;

private:
    bool FFullRepaint = true;
    TChartPen* FLinePen = nullptr;
    int FSize = 20;
    TNearestToolStyle FStyle = hsCircle;
    TPoint IMouse{0, 0};
    int FPoint = -1;
};
