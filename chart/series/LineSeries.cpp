// TLineSeries, THorizLineSeries and TPointSeries: their fixed settings, copying, gallery
// sub-styles, the line legend and the horizontal series' marks.
#include "chart/series/LineSeries.h"

#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/texts/TeeConst.h"

ORVO_IMPLEMENT_CLASS(TLineSeries, TCustomSeries)
ORVO_IMPLEMENT_CLASS(THorizLineSeries, TLineSeries)
ORVO_IMPLEMENT_CLASS(TPointSeries, TCustomSeries)

ORVO_PUBLISHED(TLineSeries) {
    using S = TLineSeries;
    P.Property("ClickableLine", &S::ClickableLine, &S::SetClickableLine).Default(true);
    P.Property("ColorEachLine", &S::ColorEachLine, &S::SetColorEachLine).Default(true);
    P.Property("Dark3D", &S::Dark3D, &S::SetDark3D).Default(true);
    P.Property("Gradient", &S::GetGradient, &S::SetGradient);
    P.Property("InvertedStairs", &S::InvertedStairs, &S::SetInvertedStairs).Default(false);
    P.Property("LineBrush", &S::LineBrush, &S::SetLineBrush).Default(bsSolid);
    P.Property("LineHeight", &S::LineHeight, &S::SetLineHeight).Default(0);
    P.Property("LinePen", &S::LinePen, &S::SetLinePen);
    P.Property("OutLine", &S::OutLine, &S::SetOutLine);
    P.Property("Pointer", &S::Pointer, &S::SetPointer);
    P.Property("Shadow", &S::Shadow, &S::SetShadow);
    P.Property("Stacked", &S::Stacked, &S::SetStacked).Default(cssNone);
    P.Property("Stairs", &S::Stairs, &S::SetStairs).Default(false);
    P.Property("Transparency", &S::GetTransparency, &S::SetTransparency).Default(0);
    P.Property("TreatNulls", &S::TreatNulls, &S::SetTreatNulls).Default(tnDontPaint);
    P.Property("OnClickPointer", &S::OnClickPointer);
    P.Property("OnGetPointerStyle", &S::OnGetPointerStyle);
}

ORVO_PUBLISHED(TPointSeries) {
    using S = TPointSeries;
    P.Property("ClickableLine", &S::ClickableLine, &S::SetClickableLine).Default(true);
    P.Property("Pointer", &S::Pointer, &S::SetPointer);
    P.Property("Transparency", &S::GetTransparency, &S::SetTransparency).Default(0);
    P.Property("OnClickPointer", &S::OnClickPointer);
    P.Property("OnGetPointerStyle", &S::OnGetPointerStyle);
}

// ---- TLineSeries -----------------------------------------------------------------------------

TLineSeries::TLineSeries(TComponent* AOwner) : TCustomSeries(AOwner) {
    FDrawLine = true;
    SetAllowSinglePoint(false);
    FPointer->SetVisible(false);
    IMandatoryPen2D = true;
    SetDrawBetweenPoints(true);
}

void TLineSeries::Assign(TPersistent* Source) {
    TCustomSeries::Assign(Source);
    if (Source && Source->ClassType() != ClassType() && !dynamic_cast<TLineSeries*>(Source))
        FPointer->SetVisible(false);
    FDrawArea = false;
    FDrawLine = true;
}

TBrushStyle TLineSeries::LineBrush() const {
    return FBrush->Style();
}

void TLineSeries::SetLineBrush(TBrushStyle Value) {
    FBrush->SetStyle(Value);
}

void TLineSeries::PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) {
    (void)ValueIndex;
    (void)BackColor;
    if (FParent) FParent->Canvas()->AssignVisiblePen(LinePen());
    BrushStyle = LineBrush();
}

void TLineSeries::CreateSubGallery(TChartSubGalleryProc AddSubChart) {
    TCustomSeries::CreateSubGallery(AddSubChart);
    for (const String* text : {&TeeMsg_Stairs, &TeeMsg_Points, &TeeMsg_Height, &TeeMsg_Hollow, &TeeMsg_Colors,
                               &TeeMsg_Marks, &TeeMsg_NoBorder, &TeeMsg_Outline})
        AddSubChart(*text);
}

void TLineSeries::SetSubGallery(TChartSeries* ASeries, int Index) {
    auto* s = dynamic_cast<TLineSeries*>(ASeries);
    if (!s) return;
    switch (Index) {
    case 1:
        s->SetStairs(true);
        break;
    case 2:
        s->Pointer()->SetVisible(true);
        break;
    case 3:
        s->SetLineHeight(5);
        break;
    case 4:
        s->SetLineBrush(bsClear);
        break;
    case 5:
        s->SetColorEachPoint(true);
        break;
    case 6:
        s->Marks()->SetVisible(true);
        break;
    case 7:
        s->LinePen()->SetVisible(false);
        break;
    case 8:
        s->OutLine()->SetVisible(true);
        break;
    default:
        TCustomSeries::SetSubGallery(ASeries, Index);
    }
}

// ---- THorizLineSeries ------------------------------------------------------------------------

THorizLineSeries::THorizLineSeries(TComponent* AOwner) : TLineSeries(AOwner) {
    SetHorizontal();
    SetCalcVisiblePoints(false);
    XValues()->SetOrder(loNone);
    YValues()->SetOrder(loAscending);
}

int THorizLineSeries::CalcMarkLength() {
    return MaxMarkWidth();
}

void THorizLineSeries::DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition) {
    const int distance = MarksCalloutDistance(FMarks);
    int length = MarksCalloutLength(FMarks) + distance;
    const bool leftOfOrigin = APosition->ArrowFrom.X < GetOriginPos(ValueIndex);
    if (leftOfOrigin) length = -length - APosition->Width;
    APosition->LeftTop.X += length + APosition->Width / 2;
    APosition->LeftTop.Y += APosition->Height / 2;
    APosition->ArrowTo.X += length;
    APosition->ArrowFrom.X += leftOfOrigin ? -distance : distance;
    TCustomSeries::DrawMark(ValueIndex, St, APosition);
}

// ---- TPointSeries ----------------------------------------------------------------------------

TPointSeries::TPointSeries(TComponent* AOwner) : TCustomSeries(AOwner) {
    FixedPointSettings();
    SetMarksCalloutLength(FMarks, 0);
}

void TPointSeries::FixedPointSettings() {
    FPointer->SetVisible(true);
    FDrawArea = false;
    FDrawLine = false;
    FClickableLine = false;
}

void TPointSeries::Assign(TPersistent* Source) {
    TCustomSeries::Assign(Source);
    FixedPointSettings();
}

int TPointSeries::GetTransparency() {
    return FPointer->Transparency();
}

void TPointSeries::SetTransparency(int Value) {
    FPointer->SetTransparency(Value);
}

void TPointSeries::SetColorEachPoint(bool Value) {
    TCustomSeries::SetColorEachPoint(Value);
    if (Value) FPointer->SetColor(clTeeColor);
}

void TPointSeries::PrepareForGallery(bool IsEnabled) {
    TCustomSeries::PrepareForGallery(IsEnabled);
    if (!FParent) return;
    const int size = FParent->Width() > 49 ? 6 : 4;
    FPointer->SetHorizSize(size);
    FPointer->SetVertSize(size);
    if (FParent->SeriesCount() > 1 && FParent->Series(1) == this) FPointer->SetStyle(psTriangle);
}

void TPointSeries::CreateSubGallery(TChartSubGalleryProc AddSubChart) {
    TCustomSeries::CreateSubGallery(AddSubChart);
    AddSubChart(TeeMsg_Colors);
    AddSubChart(TeeMsg_Marks);
    AddSubChart(TeeMsg_Hollow);
    AddSubChart(TeeMsg_NoBorder);
    AddSubChart(TeeMsg_Gradient);
    if (!CanDoExtra()) return;
    for (const String* text : {&TeeMsg_Point2D, &TeeMsg_Triangle, &TeeMsg_Star, &TeeMsg_Circle,
                               &TeeMsg_DownTri, &TeeMsg_Cross, &TeeMsg_Diamond, &TeeMsg_Hexagon})
        AddSubChart(*text);
}

void TPointSeries::SetSubGallery(TChartSeries* ASeries, int Index) {
    auto* s = dynamic_cast<TPointSeries*>(ASeries);
    if (!s) return;
    TSeriesPointer* p = s->Pointer();
    switch (Index) {
    case 1:
        s->SetColorEachPoint(true);
        return;
    case 2:
        s->Marks()->SetVisible(true);
        return;
    case 3:
        p->Brush()->SetStyle(bsClear);
        return;
    case 4:
        p->Pen()->SetVisible(false);
        return;
    case 5:
        p->Gradient()->SetVisible(true);
        return;
    default:
        break;
    }
    if (Index >= 6 && Index <= 13 && !CanDoExtra()) return;
    switch (Index) {
    case 6:
        p->SetDraw3D(false);
        break;
    case 7:
        p->SetStyle(psTriangle);
        break;
    case 8:
        p->SetStyle(psStar);
        break;
    case 9:
        p->SetStyle(psCircle);
        p->SetHorizSize(8);
        p->SetVertSize(8);
        break;
    case 10:
        p->SetStyle(psDownTriangle);
        break;
    case 11:
        p->SetStyle(psCross);
        break;
    case 12:
        p->SetStyle(psDiamond);
        break;
    case 13:
        p->SetStyle(psHexagon);
        break;
    default:
        TCustomSeries::SetSubGallery(ASeries, Index);
    }
}
