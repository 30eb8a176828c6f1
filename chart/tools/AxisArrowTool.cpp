// TAxisArrowTool: drawing the arrows after each paint, hit tests and scrolling.
#include "chart/tools/AxisArrowTool.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/graphics/Cursor.h"

#include <cmath>

ORVO_IMPLEMENT_ENUM_TYPE(TAxisArrowToolPosition, "aaStart", "aaEnd", "aaBoth")
ORVO_IMPLEMENT_EVENT_TYPE(TAxisArrowClickEvent)
ORVO_IMPLEMENT_CLASS(TAxisArrowTool, TTeeCustomToolAxis)

ORVO_PUBLISHED(TAxisArrowTool) {
    using S = TAxisArrowTool;
    P.Property("Brush", &S::Brush, &S::SetBrush);
    P.Property("HeadWidth", &S::HeadWidth, &S::SetHeadWidth).Default(8);
    P.Property("Length", &S::Length, &S::SetLength).Default(16);
    P.Property("Pen", &S::Pen, &S::SetPen);
    P.Property("Position", &S::Position, &S::SetPosition).Default(aaBoth);
    P.Property("ScrollInverted", &S::ScrollInverted, &S::SetScrollInverted).Default(false);
    P.Property("ScrollPercent", &S::ScrollPercent, &S::SetScrollPercent).Default(10);
    P.Property("SizePercent", &S::SizePercent, &S::SetSizePercent).Default(50);
    P.Property("OnClick", &S::OnClick);
}

TAxisArrowTool::TAxisArrowTool(TComponent* AOwner) : TTeeCustomToolAxis(AOwner) {}

String TAxisArrowTool::Description() {
    return TeeMsg_AxisArrowTool;
}

String TAxisArrowTool::LongDescription() {
    return TeeMsg_AxisArrowDesc;
}

void TAxisArrowTool::SetPosition(TAxisArrowToolPosition Value) {
    if (FPosition == Value) return;
    FPosition = Value;
    Repaint();
}

void TAxisArrowTool::ChartEvent(TChartToolEvent AEvent) {
    TTeeCustomToolAxis::ChartEvent(AEvent);
    if (AEvent != cteAfterDraw || !FAxis || !FParent) return;
    TCanvas3D* c = FParent->Canvas();
    c->AssignBrush(FBrush);
    c->AssignVisiblePen(FPen);
    const int z = FParent->View3D() && FAxis->OtherSide() ? FParent->Width3D() : 0;
    auto at = [this](int Pos) {
        return FAxis->Horizontal() ? TPoint{Pos, FAxis->PosAxis()} : TPoint{FAxis->PosAxis(), Pos};
    };
    if (FPosition == aaStart || FPosition == aaBoth)
        c->Arrow(true, at(FAxis->IStartPos + FLength), at(FAxis->IStartPos), FHeadWidth, FHeadWidth, z,
                 FSizePercent);
    if (FPosition == aaEnd || FPosition == aaBoth)
        c->Arrow(true, at(FAxis->IEndPos - FLength), at(FAxis->IEndPos), FHeadWidth, FHeadWidth, z,
                 FSizePercent);
}

int TAxisArrowTool::ClickedArrow(int X, int Y) {
    if (!FAxis) return -1;
    const int across = FAxis->Horizontal() ? Y : X;
    const int along = FAxis->Horizontal() ? X : Y;
    if (std::abs(across - FAxis->PosAxis()) > 2) return -1;
    if ((FPosition == aaStart || FPosition == aaBoth) && along > FAxis->IStartPos &&
        along < FAxis->IStartPos + FLength)
        return 0;
    if ((FPosition == aaEnd || FPosition == aaBoth) && along > FAxis->IEndPos - FLength &&
        along < FAxis->IEndPos)
        return 1;
    return -1;
}

void TAxisArrowTool::DoScroll(double Offset) {
    auto* chart = dynamic_cast<TCustomChart*>(FParent);
    if (chart && chart->OnAllowScroll.Assigned()) {
        double newMin = FAxis->Minimum() + Offset, newMax = FAxis->Maximum() + Offset;
        bool allow = true;
        chart->OnAllowScroll(FAxis, newMin, newMax, allow);
        if (!allow) return;
    }
    FAxis->Scroll(Offset, false);
    // An axis shared through a series that uses both axes of its direction scrolls its pair
    // once, however many series share it.
    TChartAxis* other = nullptr;
    for (int i = 0; i < FParent->SeriesCount() && !other; ++i) {
        TChartSeries* s = FParent->Series(i);
        if (!s->Active()) continue;
        if (s->HorizAxis() == aBothHorizAxis &&
            (FAxis == FParent->TopAxis() || FAxis == FParent->BottomAxis()))
            other = FAxis == FParent->TopAxis() ? FParent->BottomAxis() : FParent->TopAxis();
        else if (s->VertAxis() == aBothVertAxis &&
                 (FAxis == FParent->LeftAxis() || FAxis == FParent->RightAxis()))
            other = FAxis == FParent->LeftAxis() ? FParent->RightAxis() : FParent->LeftAxis();
    }
    if (other) other->Scroll(Offset, false);
    if (FParent->OnScroll.Assigned()) FParent->OnScroll(FParent);
}

void TAxisArrowTool::ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                                     int Y) {
    (void)Button;
    (void)Shift;
    if (!FAxis || !FParent || !FAxis->Visible()) return;
    if (AEvent == cmeDown) {
        if (FScrollPercent == 0) return;
        const int hit = ClickedArrow(X, Y);
        if (hit == -1) return;
        double delta = (FAxis->Maximum() - FAxis->Minimum()) * FScrollPercent / 100.0;
        if (FScrollInverted) delta = -delta;
        DoScroll(hit == 0 ? delta : -delta);
        FParent->SetCancelMouse(true);
        if (OnClick.Assigned()) OnClick(this, hit == 0);
    } else if (AEvent == cmeMove) {
        if (ClickedArrow(X, Y) != -1) {
            FParent->SetCursor(crHandPoint);
            FParent->SetCancelMouse(true);
        }
    }
}
