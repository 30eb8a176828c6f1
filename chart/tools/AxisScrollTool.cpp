// TAxisScrollTool: the hit test on the axes and the scroll of the dragged axis and of the
// axes that share a series with it.
#include "chart/tools/AxisScrollTool.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/graphics/Cursor.h"

ORVO_IMPLEMENT_CLASS(TAxisScrollTool, TTeeCustomToolAxis)

ORVO_PUBLISHED(TAxisScrollTool) {
    using T = TAxisScrollTool;
    P.Property("ScrollInverted", &T::ScrollInverted, &T::SetScrollInverted).Default(false);
}

String TAxisScrollTool::Description() {
    return TeeMsg_AxisScrollTool;
}

String TAxisScrollTool::LongDescription() {
    return TeeMsg_AxisScrollDesc;
}

void TAxisScrollTool::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TAxisScrollTool*>(Source)) FScrollInverted = s->FScrollInverted;
    TTeeCustomToolAxis::Assign(Source);
}

TChartAxis* TAxisScrollTool::AxisAt(int X, int Y) {
    if (!FParent) return nullptr;
    if (FAxis) return FAxis->Visible() && FAxis->Clicked(X, Y) ? FAxis : nullptr;
    TChartAxes* axes = FParent->Axes();
    for (int i = 0; i < axes->Count(); ++i) {
        TChartAxis* axis = axes->Get(i);
        if (axis && axis->Visible() && axis->Clicked(X, Y)) return axis;
    }
    return nullptr;
}

void TAxisScrollTool::ScrollPixels(TChartAxis* Axis, int D) {
    if (Axis->IAxisSize == 0) return;
    Axis->Scroll((Axis->Maximum() - Axis->Minimum()) * D / Axis->IAxisSize, false);
}

void TAxisScrollTool::ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton, TShiftState, int X, int Y) {
    if (!Active() || !FParent) return;
    switch (AEvent) {
    case cmeDown:
        InAxis = AxisAt(X, Y);
        OldX = X;
        OldY = Y;
        break;
    case cmeMove:
        if (InAxis) {
            // The axis may have been freed since the press.
            if (FParent->Axes()->IndexOf(InAxis) < 0) {
                InAxis = nullptr;
                break;
            }
            const bool horizontal = InAxis->Horizontal();
            int d = horizontal ? OldX - X : OldY - Y;
            if (InAxis->Inverted()) d = -d;
            if (horizontal ? FScrollInverted : !FScrollInverted) d = -d;
            ScrollPixels(InAxis, d);
            TChartAxes* axes = FParent->Axes();
            for (int i = 0; i < axes->Count(); ++i) {
                TChartAxis* other = axes->Get(i);
                if (!other || other == InAxis || other->Horizontal() != horizontal ||
                    other->IsDepthAxis() != InAxis->IsDepthAxis())
                    continue;
                for (int s = 0; s < FParent->SeriesCount(); ++s) {
                    TChartSeries* series = FParent->Series(s);
                    if (series->AssociatedToAxis(InAxis) && series->AssociatedToAxis(other)) {
                        ScrollPixels(other, d);
                        break;
                    }
                }
            }
            OldX = X;
            OldY = Y;
            FParent->SetCancelMouse(true);
        } else if (AxisAt(X, Y)) {
            FParent->SetCursor(crHandPoint);
            FParent->SetCancelMouse(true);
        }
        break;
    case cmeUp:
        InAxis = nullptr;
        break;
    }
}
