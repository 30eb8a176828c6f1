// TTeeDragObject: what a chart part dragged elsewhere carries, for a target that accepts
// chart parts (the chart editor's lists, say). The engine starts no such drag itself.
#pragma once

#include "chart/engine/chart/Chart.h"

class TTeeDragObject : public TObject {
    ORVO_CLASS(TTeeDragObject, TObject)
public:
    explicit TTeeDragObject(const TChartClickedPart& APart) : FPart(APart) {}
    // The part copied when the drag began.
    const TChartClickedPart& Part() const { return FPart; }
    // The chart's hand while the target accepts the part, else the no-drop cursor.
    virtual TCursor GetDragCursor(bool Accepted, int X, int Y);
    // Nothing to tidy up when the drag ends.
    virtual void Finished(TObject* Target, int X, int Y, bool Accepted);

private:
    TChartClickedPart FPart;
};
