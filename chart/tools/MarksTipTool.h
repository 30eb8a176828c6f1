// TMarksTipTool: shows a point's mark text as the application's hint when the mouse moves
// over (or clicks) a series point. The hint pauses are the application's own settings.
#pragma once

#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/series/SeriesMarks.h"

enum TMarkToolMouseAction { mtmMove, mtmClick };
ORVO_DECLARE_ENUM_TYPE(TMarkToolMouseAction)

class TMarksTipTool;
using TMarksTipGetText = TEvent<TMarksTipTool*, String&>;
ORVO_DECLARE_EVENT_TYPE(TMarksTipGetText)

class TMarksTipTool : public TTeeCustomToolSeries {
    ORVO_CLASS(TMarksTipTool, TTeeCustomToolSeries)
public:
    explicit TMarksTipTool(TComponent* AOwner);

    void Assign(TPersistent* Source) override;
    String GetEditorClass() override { return QStringLiteral("TMarksTipToolEdit"); }
    void SetActive(bool Value) override;
    void ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                         int Y) override;
    String Description() override;
    String LongDescription() override;

    // The chart of the series when one is set, else the tool's chart.
    TCustomAxisPanel* Chart() const;

    TMarkToolMouseAction MouseAction() const { return FMouseAction; }
    void SetMouseAction(TMarkToolMouseAction Value);
    int MouseDelay() const;
    void SetMouseDelay(int Value);
    int HideDelay() const;
    void SetHideDelay(int Value);
    TSeriesMarksStyle Style() const { return FStyle; }
    void SetStyle(TSeriesMarksStyle Value) { FStyle = Value; }

    TNotifyEvent OnCancelHint;
    TMarksTipGetText OnGetText;

private:
    void DoCancelHint();

    TMarkToolMouseAction FMouseAction = mtmMove;
    TSeriesMarksStyle FStyle = smsLabel;
};
