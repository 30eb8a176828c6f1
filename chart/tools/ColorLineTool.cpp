// TColorLineTool: drawing in two parts around the series, dragging by XOR pairs or repaints.
#include "chart/tools/ColorLineTool.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/graphics/Cursor.h"

#include <cmath>

ORVO_IMPLEMENT_ENUM_TYPE(TColorLineStyle, "clCustom", "clMaximum", "clCenter", "clMinimum")
ORVO_IMPLEMENT_EVENT_TYPE(TColorLineToolOnDrag)
ORVO_IMPLEMENT_CLASS(TColorLineTool, TTeeCustomToolAxis)

ORVO_PUBLISHED(TColorLineTool) {
    using S = TColorLineTool;
    P.Property("AllowDrag", &S::AllowDrag, &S::SetAllowDrag).Default(true);
    P.Property("DragRepaint", &S::DragRepaint, &S::SetDragRepaint).Default(false);
    P.Property("Draw3D", &S::Draw3D, &S::SetDraw3D).Default(true);
    P.Property("DrawBehind", &S::DrawBehind, &S::SetDrawBehind).Default(false);
    P.Property("NoLimitDrag", &S::NoLimitDrag, &S::SetNoLimitDrag).Default(false);
    P.Property("Pen", &S::Pen, &S::SetPen);
    P.Property("Style", &S::Style, &S::SetStyle).Default(clCustom);
    P.Property("Value", &S::Value, &S::SetValue).Default(0.0);
    P.Property("OnBeginDragLine", &S::OnBeginDragLine);
    P.Property("OnDragLine", &S::OnDragLine);
    P.Property("OnEndDragLine", &S::OnEndDragLine);
}

TColorLineTool::TColorLineTool(TComponent* AOwner) : TTeeCustomToolAxis(AOwner) {}

String TColorLineTool::Description() {
    return TeeMsg_ColorLineTool;
}

String TColorLineTool::LongDescription() {
    return TeeMsg_ColorLineDesc;
}

void TColorLineTool::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TColorLineTool*>(Source)) {
        FAllowDrag = s->FAllowDrag;
        FDragRepaint = s->FDragRepaint;
        FDraw3D = s->FDraw3D;
        FDrawBehind = s->FDrawBehind;
        FNoLimitDrag = s->FNoLimitDrag;
        FStyle = s->FStyle;
        FValue = s->FValue;
    }
    TTeeCustomToolAxis::Assign(Source);
}

void TColorLineTool::RepaintChart() {
    if (TCustomAxisPanel* chart = Chart()) chart->Invalidate();
}

void TColorLineTool::SetDraw3D(bool Value) {
    if (FDraw3D == Value) return;
    FDraw3D = Value;
    RepaintChart();
}

void TColorLineTool::SetDrawBehind(bool Value) {
    if (FDrawBehind == Value) return;
    FDrawBehind = Value;
    RepaintChart();
}

void TColorLineTool::SetStyle(TColorLineStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    RepaintChart();
}

void TColorLineTool::SetValue(double Value) {
    if (!ComponentState().Contains(csReading)) FStyle = clCustom;
    if (!IDragging || FDragRepaint) {
        if (FValue == Value) return;
        FValue = Value;
        RepaintChart();
    } else {
        FValue = Value;
    }
}

double TColorLineTool::CalcValue() const {
    if (!FAxis) return FValue;
    switch (FStyle) {
    case clMaximum:
        return FAxis->Maximum();
    case clCenter:
        return (FAxis->Maximum() + FAxis->Minimum()) * 0.5;
    case clMinimum:
        return FAxis->Minimum();
    default:
        return FValue;
    }
}

double TColorLineTool::LimitValue(double V) const {
    if (!FAxis) return V;
    int s = FAxis->IStartPos, e = FAxis->IEndPos;
    if (FAxis->Horizontal()) std::swap(s, e);
    if (FAxis->Inverted()) std::swap(s, e);
    const double atE = FAxis->CalcPosPoint(e), atS = FAxis->CalcPosPoint(s);
    if (V < atE) return atE;
    if (V > atS) return atS;
    return V;
}

bool TColorLineTool::Clicked(int X, int Y) {
    TCustomAxisPanel* chart = Chart();
    if (!FAxis || !chart) return false;
    const int p = FAxis->CalcPosValue(CalcValue());
    const TRect& r = chart->ChartRect;
    if (FAxis->Horizontal()) return std::abs(X - p) < 3 && Y >= r.Top && Y <= r.Bottom;
    return std::abs(Y - p) < 3 && X >= r.Left && X <= r.Right;
}

void TColorLineTool::DrawColorLine(bool Back) {
    TCustomAxisPanel* chart = Chart();
    if (!chart || !FAxis) return;
    double v = CalcValue();
    // Only the drawn position is held to the axis: Value and Style stay as they are.
    if (FAllowDrag && !FNoLimitDrag) v = LimitValue(v);
    const int p = FAxis->CalcPosValue(v);
    TCanvas3D* canvas = chart->Canvas();
    const int w = chart->View3D() ? chart->Width3D() : 0;
    const TRect& r = chart->ChartRect;
    const bool horizontal = FAxis->Horizontal();
    if (Back) {
        if (horizontal) {
            if (FDraw3D) canvas->ZLine3D(p, r.Bottom, 0, w);
            if (FDrawBehind || FDraw3D) canvas->VertLine3D(p, r.Top, r.Bottom, w);
        } else {
            if (FDraw3D) canvas->ZLine3D(r.Left, p, 0, w);
            if (FDrawBehind || FDraw3D) canvas->HorizLine3D(r.Left, r.Right, p, w);
        }
    } else if (chart->View3D() || !IDragging || FDragRepaint) {
        if (horizontal) {
            if (FDraw3D) canvas->ZLine3D(p, r.Top, 0, w);
            if (!FDrawBehind) canvas->VertLine3D(p, r.Top, r.Bottom, 0);
        } else {
            if (FDraw3D) canvas->ZLine3D(r.Right, p, 0, w);
            if (!FDrawBehind) canvas->HorizLine3D(r.Left, r.Right, p, 0);
        }
    }
}

void TColorLineTool::InternalDrawLine(bool Back) {
    TCustomAxisPanel* chart = Chart();
    if (!chart) return;
    TCanvas3D* canvas = chart->Canvas();
    canvas->AssignVisiblePen(FPen);
    canvas->SetBackMode(cbmTransparent);
    DrawColorLine(Back);
}

void TColorLineTool::ChartEvent(TChartToolEvent AEvent) {
    TTeeCustomToolAxis::ChartEvent(AEvent);
    if (!FAxis) return;
    if (AEvent == cteBeforeDrawSeries)
        InternalDrawLine(true);
    else if (AEvent == cteAfterDraw)
        InternalDrawLine(false);
}

void TColorLineTool::DoEndDragLine() {
    if (InternalOnEndDragLine.Assigned()) InternalOnEndDragLine(this);
    if (OnEndDragLine.Assigned()) OnEndDragLine(this);
}

void TColorLineTool::ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                                     int Y) {
    (void)Shift;
    TCustomAxisPanel* chart = Chart();
    if (!FAllowDrag || !FAxis || !chart) return;
    switch (AEvent) {
    case cmeDown:
        if (Button != mbLeft) return;
        IDragging = Clicked(X, Y);
        chart->SetCancelMouse(IDragging);
        if (IDragging && OnBeginDragLine.Assigned()) OnBeginDragLine(this);
        break;
    case cmeMove:
        if (IDragging) {
            double v = FAxis->CalcPosPoint(FAxis->Horizontal() ? X : Y);
            if (!FNoLimitDrag) v = LimitValue(v);
            if (FDragRepaint) {
                SetValue(v);
            } else if (v != CalcValue()) {
                // The line moves by an XOR pair: drawing it again erases it.
                TCanvas3D* canvas = chart->Canvas();
                canvas->AssignVisiblePen(FPen);
                canvas->Pen()->SetMode(pmNotXor);
                canvas->SetBackMode(cbmTransparent);
                DrawColorLine(true);
                DrawColorLine(false);
                FStyle = clCustom;
                FValue = v;
                if (OnDragLine.Assigned()) OnDragLine(this);
                canvas->AssignVisiblePen(FPen);
                canvas->Pen()->SetMode(pmNotXor);
                DrawColorLine(true);
                DrawColorLine(false);
                canvas->Pen()->SetMode(pmCopy);
                canvas->Invalidate();
                chart->SetCancelMouse(true);
                return;
            }
            chart->SetCancelMouse(true);
            if (OnDragLine.Assigned()) OnDragLine(this);
        } else if (Clicked(X, Y)) {
            chart->SetCursor(FAxis->Horizontal() ? crHSplit : crVSplit);
            chart->SetCancelMouse(true);
        } else {
            chart->SetCursor(crDefault);
        }
        break;
    case cmeUp:
        if (IDragging) {
            if (!FDragRepaint) chart->Invalidate();
            DoEndDragLine();
            IDragging = false;
        }
        break;
    }
}
