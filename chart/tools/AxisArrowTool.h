// TAxisArrowTool: arrows at the two ends of an axis; a click on one scrolls the axis by a
// percentage of its range.
#pragma once

#include "chart/engine/chart/TeeTools.h"

enum TAxisArrowToolPosition { aaStart, aaEnd, aaBoth };
ORVO_DECLARE_ENUM_TYPE(TAxisArrowToolPosition)

class TAxisArrowTool;
// The tool and whether the start arrow was clicked.
using TAxisArrowClickEvent = TEvent<TAxisArrowTool*, bool>;
ORVO_DECLARE_EVENT_TYPE(TAxisArrowClickEvent)

class TAxisArrowTool : public TTeeCustomToolAxis {
    ORVO_CLASS(TAxisArrowTool, TTeeCustomToolAxis)
public:
    explicit TAxisArrowTool(TComponent* AOwner);

    String GetEditorClass() override { return QStringLiteral("TAxisArrowToolEditor"); }
    void ChartEvent(TChartToolEvent AEvent) override;
    void ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                         int Y) override;
    String Description() override;
    String LongDescription() override;

    // 0 for the start arrow, 1 for the end arrow, -1 for none.
    int ClickedArrow(int X, int Y);

    int HeadWidth() const { return FHeadWidth; }
    void SetHeadWidth(int Value) { SetIntegerProperty(FHeadWidth, Value); }
    int Length() const { return FLength; }
    void SetLength(int Value) { SetIntegerProperty(FLength, Value); }
    TAxisArrowToolPosition Position() const { return FPosition; }
    void SetPosition(TAxisArrowToolPosition Value);
    int ScrollPercent() const { return FScrollPercent; }
    void SetScrollPercent(int Value) { FScrollPercent = Value; }
    bool ScrollInverted() const { return FScrollInverted; }
    void SetScrollInverted(bool Value) { FScrollInverted = Value; }
    int SizePercent() const { return FSizePercent; }
    void SetSizePercent(int Value) { SetIntegerProperty(FSizePercent, Value); }

    TAxisArrowClickEvent OnClick;

private:
    void DoScroll(double Offset);

    int FHeadWidth = 8;
    int FLength = 16;
    TAxisArrowToolPosition FPosition = aaBoth;
    int FScrollPercent = 10;
    bool FScrollInverted = false;
    int FSizePercent = 50;
};
