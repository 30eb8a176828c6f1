// TDragMarksTool: press on a mark, move its stored position with the mouse, release.
#include "chart/tools/DragMarksTool.h"

#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/graphics/Cursor.h"

ORVO_IMPLEMENT_EVENT_TYPE(TDragMarkEvent)
ORVO_IMPLEMENT_CLASS(TDragMarksTool, TTeeCustomToolSeries)

ORVO_PUBLISHED(TDragMarksTool) {
    using S = TDragMarksTool;
    P.Property("Series", &S::Series, &S::SetSeries);
    P.Property("OnDraggedMark", &S::OnDraggedMark);
    P.Property("OnDraggingMark", &S::OnDraggingMark);
}

TDragMarksTool::TDragMarksTool(TComponent* AOwner) : TTeeCustomToolSeries(AOwner) {}

String TDragMarksTool::Description() {
    return TeeMsg_DragMarksTool;
}

String TDragMarksTool::LongDescription() {
    return TeeMsg_DragMarksDesc;
}

TChartSeries* TDragMarksTool::MarkAt(int X, int Y, int& AIndex) {
    AIndex = -1;
    auto hit = [&](TChartSeries* s) {
        if (!s || !s->Active() || !s->Marks()->Visible()) return false;
        AIndex = s->Marks()->Clicked(X, Y);
        return AIndex != -1;
    };
    if (FSeries) return hit(FSeries) ? FSeries : nullptr;
    if (!FParent) return nullptr;
    for (int i = FParent->SeriesCount() - 1; i >= 0; --i)
        if (hit(FParent->Series(i))) return FParent->Series(i);
    AIndex = -1;
    return nullptr;
}

void TDragMarksTool::ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                                     int Y) {
    if (!FParent) return;
    switch (AEvent) {
    case cmeDown: {
        int index = -1;
        if (TChartSeries* s = MarkAt(X, Y, index)) {
            ISeries = s;
            FIndex = index;
            IOldX = X;
            IOldY = Y;
            FParent->SetCancelMouse(true);
        }
        break;
    }
    case cmeMove:
        if (FIndex == -1) {
            int index = -1;
            if (MarkAt(X, Y, index)) {
                FParent->SetCursor(crHandPoint);
                FParent->SetCancelMouse(true);
            }
            break;
        }
        if (ISeries) {
            if (TSeriesMarkPosition* p = ISeries->Marks()->Positions()->Get(FIndex)) {
                const int dx = X - IOldX, dy = Y - IOldY;
                p->Custom = true;
                p->LeftTop.X += dx;
                p->LeftTop.Y += dy;
                p->ArrowTo.X += dx;
                p->ArrowTo.Y += dy;
            }
        }
        IOldX = X;
        IOldY = Y;
        FParent->SetCancelMouse(true);
        Repaint();
        if (OnDraggingMark.Assigned()) OnDraggingMark(this, FIndex, Button, Shift, X, Y);
        break;
    case cmeUp:
        if (FIndex != -1 && OnDraggedMark.Assigned()) OnDraggedMark(this, FIndex, Button, Shift, X, Y);
        FIndex = -1;
        ISeries = nullptr;
        break;
    }
}
