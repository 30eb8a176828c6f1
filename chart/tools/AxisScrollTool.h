// TAxisScrollTool: scrolls an axis while the user drags on the axis itself (its line and
// labels); axes of the same orientation that share a series with it scroll along.
#pragma once

#include "chart/engine/chart/TeeTools.h"

class TAxisScrollTool : public TTeeCustomToolAxis {
    ORVO_CLASS(TAxisScrollTool, TTeeCustomToolAxis)
public:
    explicit TAxisScrollTool(TComponent* AOwner) : TTeeCustomToolAxis(AOwner) {}
    void ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                         int Y) override;
    String Description() override;
    String LongDescription() override;
    String GetEditorClass() override { return QStringLiteral("TAxisScrollEditor"); }
    void Assign(TPersistent* Source) override;

    // The axis under (X, Y): the tool's axis when set (and visible), else the first visible
    // axis of the chart there; null when none.
    TChartAxis* AxisAt(int X, int Y);

    bool ScrollInverted() const { return FScrollInverted; }
    void SetScrollInverted(bool Value) { FScrollInverted = Value; }

private:
    // Scrolls Axis by D pixels in its own range; nothing for an axis without pixel size.
    static void ScrollPixels(TChartAxis* Axis, int D);

    bool FScrollInverted = false;
    int OldX = 0;
    int OldY = 0;
    TChartAxis* InAxis = nullptr;
};
