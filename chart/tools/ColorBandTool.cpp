// TColorBandTool: the band's rectangle, its painting at the chosen drawing step, and the
// resizing through its two edge lines.
#include "chart/tools/ColorBandTool.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/pictures/TeePicture.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/controls/ControlTypes.h"

#include <algorithm>
#include <array>

ORVO_IMPLEMENT_CLASS(TColorBandTool, TTeeCustomToolAxis)

ORVO_PUBLISHED(TColorBandTool) {
    using S = TColorBandTool;
    P.Property("Brush", &S::Brush, &S::SetBrush);
    P.Property("Color", &S::Color, &S::SetColor).Default(clWhite);
    P.Property("Cursor", &S::Cursor, &S::SetCursor).Default(0);
    P.Property("DrawBehind", &S::DrawBehind, &S::SetDrawBehind).Default(true);
    P.Property("DrawBehindAxes", &S::DrawBehindAxes, &S::SetDrawBehindAxes).Default(false);
    P.Property("EndLinePen", &S::EndLinePen, &S::SetEndLinePen);
    P.Property("EndValue", &S::EndValue, &S::SetEndValue).Default(0.0);
    P.Property("Gradient", &S::Gradient, &S::SetGradient);
    P.Property("Pen", &S::Pen, &S::SetPen);
    P.Property("Picture", &S::Picture, &S::SetPicture).Stored(&S::HasPicture);
    P.Property("ResizeEnd", &S::ResizeEnd, &S::SetResizeEnd).Default(false);
    P.Property("ResizeStart", &S::ResizeStart, &S::SetResizeStart).Default(false);
    P.Property("StartLinePen", &S::StartLinePen, &S::SetStartLinePen);
    P.Property("StartValue", &S::StartValue, &S::SetStartValue).Default(0.0);
    P.Property("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
    P.Property("OnClick", &S::OnClick);
    P.Property("OnResized", &S::OnResized);
}

TColorBandTool::TColorBandTool(TComponent* AOwner) : TTeeCustomToolAxis(AOwner) {
    FGradient = new TTeeGradient(changedEvent());
    for (TColorLineTool** line : {&FLineStart, &FLineEnd}) {
        *line = new TColorLineTool(nullptr);
        (*line)->SetActive(false);
        (*line)->SetDragRepaint(true);
        (*line)->OnDragLine = Method(this, &TColorBandTool::DragLine);
        (*line)->InternalOnEndDragLine = Method(this, &TColorBandTool::EndDragLine);
        (*line)->Pen()->OnChange = changedEvent();
    }
}

TColorBandTool::~TColorBandTool() {
    delete FLineStart;
    delete FLineEnd;
    delete FGradient;
    delete FPicture;
}

String TColorBandTool::Description() {
    return TeeMsg_ColorBandTool;
}

String TColorBandTool::LongDescription() {
    return TeeMsg_ColorBandDesc;
}

void TColorBandTool::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TColorBandTool*>(Source)) {
        FColor = s->FColor;
        FCursor = s->FCursor;
        FDrawBehind = s->FDrawBehind;
        FDrawBehindAxes = s->FDrawBehindAxes;
        FEnd = s->FEnd;
        FGradient->Assign(s->FGradient);
        FStart = s->FStart;
        FTransparency = s->FTransparency;
        FLineEnd->Assign(s->FLineEnd);
        SetPicture(s->FPicture);
        FLineStart->Assign(s->FLineStart);
    }
    TTeeCustomToolAxis::Assign(Source);
}

void TColorBandTool::SetStartValue(double Value) {
    SetDoubleProperty(FStart, Value);
    FLineStart->SetValue(FStart);
}

void TColorBandTool::SetEndValue(double Value) {
    SetDoubleProperty(FEnd, Value);
    FLineEnd->SetValue(FEnd);
}

void TColorBandTool::Loaded() {
    TTeeCustomToolAxis::Loaded();
    FLineStart->SetValue(FStart);
    FLineEnd->SetValue(FEnd);
}

void TColorBandTool::SetGradient(TTeeGradient* Value) {
    FGradient->Assign(Value);
}

TTeePicture* TColorBandTool::Picture() {
    if (!FPicture) {
        FPicture = new TTeePicture();
        FPicture->OnChange = Method(this, &TColorBandTool::PictureChanged);
    }
    return FPicture;
}

void TColorBandTool::SetPicture(TTeePicture* Value) {
    if (!Value) {
        delete FPicture;
        FPicture = nullptr;
        Repaint();
        return;
    }
    Picture()->Assign(Value);
}

void TColorBandTool::PictureChanged(TObject*) {
    Repaint();
}

void TColorBandTool::SetResizeStart(bool Value) {
    FLineStart->SetActive(Value);
    Repaint();
}

void TColorBandTool::SetResizeEnd(bool Value) {
    FLineEnd->SetActive(Value);
    Repaint();
}

void TColorBandTool::SetAxis(TChartAxis* Value) {
    TTeeCustomToolAxis::SetAxis(Value);
    for (TColorLineTool* line : {FLineStart, FLineEnd}) {
        line->SetAxis(Value);
        line->SetParentChart(nullptr); // the lines are never in the chart's tool list
        line->SetParent(FParent);
    }
}

void TColorBandTool::SetParentChart(TCustomAxisPanel* Value) {
    TTeeCustomToolAxis::SetParentChart(Value);
    FLineStart->SetParent(FParent);
    FLineEnd->SetParent(FParent);
}

int TColorBandTool::ZPosition() {
    return FDrawBehind && FParent ? FParent->Width3D() : 0;
}

TRect TColorBandTool::BoundsRect() {
    if (!FAxis || !FParent) return TRect{0, 0, 0, 0};
    double s = FStart, e = FEnd;
    const bool inverted = FAxis->Inverted();
    if (inverted ? s < e : s > e) std::swap(s, e);
    const double lo = FAxis->Minimum(), hi = FAxis->Maximum();
    if (inverted ? (e > hi || s < lo) : (s > hi || e < lo)) return TRect{0, 0, 0, 0};
    TRect r = FParent->ChartRect;
    const bool penVisible = FPen->Visible();
    if (FAxis->Horizontal()) {
        r.Left = std::max(FAxis->IStartPos, FAxis->CalcPosValue(s));
        r.Right = std::min(FAxis->IEndPos, FAxis->CalcPosValue(e));
        if (penVisible) ++r.Right;
    } else {
        r.Top = std::max(FAxis->IStartPos, FAxis->CalcPosValue(e));
        r.Bottom = std::min(FAxis->IEndPos, FAxis->CalcPosValue(s));
        ++r.Left;
        ++r.Bottom;
        if (!penVisible) {
            ++r.Bottom;
            ++r.Right;
        }
    }
    return r;
}

bool TColorBandTool::Clicked(int X, int Y) {
    if (!FParent) return false;
    const TRect r = BoundsRect();
    if (r.Right <= r.Left || r.Bottom <= r.Top) return false;
    TCanvas3D* canvas = FParent->Canvas();
    const int z = ZPosition();
    const std::array<TPoint, 4> p{
        canvas->Calculate3DPosition(r.Left, r.Top, z), canvas->Calculate3DPosition(r.Right, r.Top, z),
        canvas->Calculate3DPosition(r.Right, r.Bottom, z), canvas->Calculate3DPosition(r.Left, r.Bottom, z)};
    // Inside the convex quadrilateral: on the same side of all four edges.
    int sign = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const TPoint a = p[i], b = p[(i + 1) % 4];
        const long long cross = (long long)(b.X - a.X) * (Y - a.Y) - (long long)(b.Y - a.Y) * (X - a.X);
        const int s = cross > 0 ? 1 : cross < 0 ? -1 : 0;
        if (s == 0) continue;
        if (sign == 0)
            sign = s;
        else if (s != sign)
            return false;
    }
    return true;
}

void TColorBandTool::PaintBand() {
    if (!FAxis || !FParent) return;
    const TRect r = BoundsRect();
    if (r.Right <= r.Left || r.Bottom <= r.Top) return;
    TCanvas3D* canvas = FParent->Canvas();
    const bool is3D = FParent->View3D();
    canvas->AssignBrush(FBrush, FColor, FBrush->BackColor());
    canvas->AssignVisiblePen(FPen);
    const int z = ZPosition();
    TTeeBlend* blend = nullptr;
    if (FTransparency > 0) blend = canvas->BeginBlending(is3D ? canvas->CalcRect3D(r, z) : r, FTransparency);
    try {
        if (FGradient->Visible() && (!is3D || canvas->IsOrthogonal())) {
            const TRect g{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
            FGradient->Draw(canvas, is3D ? canvas->CalcRect3D(g, z) : g);
            canvas->Brush()->SetStyle(bsClear);
        }
        TGraphic* graphic = FPicture && FPicture->Graphic() ? FPicture->Filtered() : nullptr;
        if (graphic && !graphic->Empty()) {
            if (!is3D || canvas->IsOrthogonal())
                canvas->StretchDraw(is3D ? canvas->CalcRect3D(r, z) : r, graphic);
            else
                canvas->StretchDraw(r, graphic, z, cpZ);
        } else if (is3D) {
            canvas->RectangleWithZ(r, z);
        } else {
            canvas->Rectangle(r);
        }
    } catch (...) {
        if (blend) canvas->EndBlending(blend);
        throw;
    }
    if (blend) canvas->EndBlending(blend);
    for (TColorLineTool* line : {FLineEnd, FLineStart}) {
        if (!line->Active()) continue;
        line->SetValue(line == FLineEnd ? FEnd : FStart);
        line->InternalDrawLine(FDrawBehind);
    }
}

void TColorBandTool::ChartEvent(TChartToolEvent AEvent) {
    TTeeCustomToolAxis::ChartEvent(AEvent);
    switch (AEvent) {
    case cteAfterDraw:
        if (!FDrawBehind && !FDrawBehindAxes) PaintBand();
        break;
    case cteBeforeDrawSeries:
        if (FDrawBehind && !FDrawBehindAxes) PaintBand();
        break;
    case cteBeforeDrawAxes:
        if (FDrawBehindAxes) PaintBand();
        break;
    default:
        break;
    }
}

void TColorBandTool::ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                                     int Y) {
    if (!FParent) return;
    if (FLineStart->Active()) FLineStart->ChartMouseEvent(AEvent, Button, Shift, X, Y);
    if (FLineEnd->Active() && !FParent->CancelMouse()) FLineEnd->ChartMouseEvent(AEvent, Button, Shift, X, Y);
    if (AEvent == cmeMove) {
        if (FCursor != crDefault && !FParent->CancelMouse() && Clicked(X, Y)) {
            FParent->SetCursor(FCursor);
            if (!FParent->IPanning()->Active() && !FParent->Zoom()->Active()) FParent->SetCancelMouse(true);
        }
    } else if (AEvent == cmeDown) {
        if (OnClick.Assigned() && Clicked(X, Y)) OnClick(this, Button, Shift, X, Y);
    }
}

void TColorBandTool::DragLine(TColorLineTool* Sender) {
    if (!Sender->DragRepaint()) return;
    if (Sender == FLineStart)
        SetStartValue(Sender->Value());
    else
        SetEndValue(Sender->Value());
}

void TColorBandTool::EndDragLine(TColorLineTool* Sender) {
    if (!Sender->DragRepaint()) {
        if (Sender == FLineStart)
            SetStartValue(Sender->Value());
        else
            SetEndValue(Sender->Value());
    }
    if (OnResized.Assigned()) OnResized(this);
}
