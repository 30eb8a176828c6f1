// TDragPointTool: pick on press, set the value under the mouse on every move, forget on
// release.
#include "chart/tools/DragPointTool.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/texts/TeeConst.h"

ORVO_IMPLEMENT_ENUM_TYPE(TDragPointStyle, "dsX", "dsY", "dsBoth")
ORVO_IMPLEMENT_EVENT_TYPE(TDragPointToolEvent)
ORVO_IMPLEMENT_CLASS(TDragPointTool, TTeeCustomToolSeries)

ORVO_PUBLISHED(TDragPointTool) {
    using S = TDragPointTool;
    P.Property("Series", &S::Series, &S::SetSeries);
    P.Property("DragStyle", &S::DragStyle, &S::SetDragStyle).Default(dsBoth);
    P.Property("OnDragPoint", &S::OnDragPoint);
}

TDragPointTool::TDragPointTool(TComponent* AOwner) : TTeeCustomToolSeries(AOwner) {}

String TDragPointTool::Description() {
    return TeeMsg_DragPoint;
}

String TDragPointTool::LongDescription() {
    return TeeMsg_DragPointDesc;
}

double DragAxisValue(TChartAxis* Axis, int Coordinate) {
    if (Axis->Maximum() == Axis->Minimum()) {
        Axis->SetAutomaticMaximum(false);
        Axis->SetMaximum(Axis->Maximum() + 0.1 * MinAxisIncrement);
    }
    return Axis->CalcPosPoint(Coordinate);
}

void TDragPointTool::ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                                     int Y) {
    (void)Button;
    (void)Shift;
    if (!FSeries) return;
    switch (AEvent) {
    case cmeDown:
        IDragging = FSeries->Clicked(X, Y);
        if (IDragging != -1 && FParent) FParent->SetCancelMouse(true);
        break;
    case cmeMove: {
        if (IDragging == -1) return;
        // A point deleted since the press cannot be moved: the drag ends.
        if (IDragging >= FSeries->Count()) {
            IDragging = -1;
            return;
        }
        FSeries->BeginUpdate();
        try {
            if (FDragStyle == dsX || FDragStyle == dsBoth)
                FSeries->SetXValue(IDragging, DragAxisValue(FSeries->GetHorizAxis(), X));
            if (FDragStyle == dsY || FDragStyle == dsBoth)
                FSeries->SetYValue(IDragging, DragAxisValue(FSeries->GetVertAxis(), Y));
        } catch (...) {
            FSeries->EndUpdate();
            throw;
        }
        FSeries->EndUpdate();
        if (OnDragPoint.Assigned()) OnDragPoint(this, IDragging);
        break;
    }
    case cmeUp:
        IDragging = -1;
        break;
    }
}
