// TAreaSeries and THorizAreaSeries: construction, origin options, stacking by group, ranges,
// legend symbol, gallery styles and the horizontal marks.
#include "chart/series/AreaSeries.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/texts/TeeConst.h"

#include <algorithm>

ORVO_IMPLEMENT_ENUM_TYPE(TMultiArea, "maNone", "maStacked", "maStacked100")
ORVO_IMPLEMENT_CLASS(TAreaSeries, TCustomSeries)
ORVO_IMPLEMENT_CLASS(THorizAreaSeries, TAreaSeries)

ORVO_PUBLISHED(TAreaSeries) {
    using S = TAreaSeries;
    P.Property("AreaBrush", &S::AreaBrush, &S::SetAreaBrush).Default(bsSolid);
    P.Property("AreaChartBrush", &S::AreaChartBrush, &S::SetAreaChartBrush);
    P.Property("AreaColor", &S::AreaColor, &S::SetAreaColor).Type(TypeInfoTColor()).Default(clTeeColor);
    P.Property("AreaLinesPen", &S::AreaLinesPen, &S::SetAreaLinesPen);
    P.Property("ClickableLine", &S::ClickableLine, &S::SetClickableLine).Default(true);
    P.Property("ColorEachLine", &S::ColorEachLine, &S::SetColorEachLine).Default(true);
    P.Property("Dark3D", &S::Dark3D, &S::SetDark3D).Default(true);
    P.Property("DrawArea", &S::DrawArea, &S::SetDrawArea).Default(true);
    P.Property("Gradient", &S::GetGradient, &S::SetGradient);
    P.Property("InvertedStairs", &S::InvertedStairs, &S::SetInvertedStairs).Default(false);
    P.Property("LinePen", &S::LinePen, &S::SetLinePen);
    P.Property("MultiArea", &S::MultiArea, &S::SetMultiArea).Default(maNone);
    P.Property("Pointer", &S::Pointer, &S::SetPointer);
    P.Property("StackGroup", &S::StackGroup, &S::SetStackGroup).Default(0);
    P.Property("Stairs", &S::Stairs, &S::SetStairs).Default(false);
    P.Property("Transparency", &S::GetTransparency, &S::SetTransparency).Default(0);
    P.Property("TreatNulls", &S::TreatNulls, &S::SetTreatNulls).Default(tnDontPaint);
    P.Property("UseYOrigin", &S::UseYOrigin, &S::SetUseYOrigin).Default(false);
    P.Property("YOrigin", &S::YOrigin, &S::SetYOrigin).Default(0.0);
    P.Property("OnClickPointer", &S::OnClickPointer);
}

// ---- TAreaSeries -----------------------------------------------------------------------------

TAreaSeries::TAreaSeries(TComponent* AOwner) : TCustomSeries(AOwner) {
    FDrawArea = true;
    SetAllowSinglePoint(false);
    FPointer->SetVisible(false);
    SetDrawBetweenPoints(true);
}

void TAreaSeries::Assign(TPersistent* Source) {
    TCustomSeries::Assign(Source);
    FDrawArea = true;
    FDrawLine = true;
    // Only an area series has origin settings to give; any other source leaves ours alone.
    if (auto* s = dynamic_cast<TAreaSeries*>(Source)) {
        FOrigin = s->FOrigin;
        FStackGroup = s->FStackGroup;
        FUseOrigin = s->FUseOrigin;
    } else if (Source && !Source->InheritsFrom(ClassType()) &&
               !ClassType()->InheritsFrom(Source->ClassType())) {
        FPointer->SetVisible(false);
    }
}

void TAreaSeries::SetYOrigin(double Value) {
    SetDoubleProperty(FOrigin, Value);
}

TMultiArea TAreaSeries::MultiArea() const {
    switch (FStacked) {
    case cssStack:
        return maStacked;
    case cssStack100:
        return maStacked100;
    default:
        return maNone;
    }
}

void TAreaSeries::SetMultiArea(TMultiArea Value) {
    if (Value == MultiArea()) return;
    SetStacked(Value == maStacked ? cssStack : Value == maStacked100 ? cssStack100 : cssNone);
}

bool TAreaSeries::SameClassOrigin(TChartSeries* Series) {
    auto* s = dynamic_cast<TAreaSeries*>(Series);
    return s && s->ClassType() == ClassType() && s->FStackGroup == FStackGroup;
}

int TAreaSeries::GetOriginPos(int ValueIndex) {
    if (FUseOrigin) return CalcPosValue(FOrigin);
    return TCustomSeries::GetOriginPos(ValueIndex);
}

double TAreaSeries::MaxYValue() {
    const double v = TCustomSeries::MaxYValue();
    return (FUseOrigin && FYMandatory) ? std::max(v, FOrigin) : v;
}

double TAreaSeries::MinYValue() {
    const double v = TCustomSeries::MinYValue();
    return (FUseOrigin && FYMandatory) ? std::min(v, FOrigin) : v;
}

double TAreaSeries::MaxXValue() {
    const double v = TCustomSeries::MaxXValue();
    return (FUseOrigin && !FYMandatory) ? std::max(v, FOrigin) : v;
}

double TAreaSeries::MinXValue() {
    const double v = TCustomSeries::MinXValue();
    return (FUseOrigin && !FYMandatory) ? std::min(v, FOrigin) : v;
}

bool TAreaSeries::DrawSeriesForward(int ValueIndex) {
    if (MultiArea() != maNone) return !MandatoryAxis()->Inverted();
    return TCustomSeries::DrawSeriesForward(ValueIndex);
}

void TAreaSeries::CalcZOrder() {
    if (MultiArea() == maNone || !FParent) {
        TCustomSeries::CalcZOrder();
        return;
    }
    for (int i = 0; i < FParent->SeriesCount(); ++i) {
        TChartSeries* s = FParent->Series(i);
        if (s == this) break;
        if (s->Active() && SameClassOrigin(s)) {
            IZOrder = s->CalculatedZOrder();
            return;
        }
    }
    // The first area of its group takes a place of its own, as an unstacked series would.
    const TCustomSeriesStack saved = FStacked;
    FStacked = cssNone;
    try {
        TCustomSeries::CalcZOrder();
    } catch (...) {
        FStacked = saved;
        throw;
    }
    FStacked = saved;
}

void TAreaSeries::PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) {
    (void)ValueIndex;
    if (!FParent) return;
    TCanvas3D* canvas = FParent->Canvas();
    BackColor = GetAreaBrushColor(canvas->Brush()->Color());
    canvas->AssignVisiblePen(FAreaLinesPen);
    BrushStyle = AreaBrush();
}

void TAreaSeries::DrawLegendShape(int ValueIndex, const TRect& Rect) {
    if (!FParent) return;
    TCanvas3D* canvas = FParent->Canvas();
    if (GetGradient()->Visible()) {
        GetGradient()->Draw(canvas, Rect);
        return;
    }
    if (FAreaBrush->HasImage()) {
        TColor color = FAreaBrush->Color();
        if (color == clTeeColor) color = LegendItemColor(ValueIndex);
        TColor back = GetAreaBrushColor(canvas->Brush()->Color());
        if (back == color) back = clWhite;
        canvas->AssignBrush(FAreaBrush, color, back);
    }
    TCustomSeries::DrawLegendShape(ValueIndex, Rect);
}

void TAreaSeries::ApplyGalleryFormat() {
    GetGradient()->SetVisible(true);
    if (FParent) SetSeriesColor(FParent->GetDefaultColor(3));
    GetGradient()->SetStartColor(SeriesColor());
    if (FParent) GetGradient()->SetEndColor(FParent->GetDefaultColor(0));
}

void TAreaSeries::PrepareForGallery(bool IsEnabled) {
    TCustomSeries::PrepareForGallery(IsEnabled);
    ApplyGalleryFormat();
}

void TAreaSeries::GalleryChanged3D(bool Is3D) {
    TCustomSeries::GalleryChanged3D(Is3D);
    ApplyGalleryFormat();
}

void TAreaSeries::CreateSubGallery(TChartSubGalleryProc AddSubChart) {
    TCustomSeries::CreateSubGallery(AddSubChart);
    for (const String* text : {&TeeMsg_Stairs, &TeeMsg_Marks, &TeeMsg_Colors, &TeeMsg_Hollow, &TeeMsg_NoLines,
                               &TeeMsg_Stack, &TeeMsg_Stack100, &TeeMsg_Points, &TeeMsg_Gradient})
        AddSubChart(*text);
}

void TAreaSeries::SetSubGallery(TChartSeries* ASeries, int Index) {
    auto* s = dynamic_cast<TAreaSeries*>(ASeries);
    if (!s) return;
    switch (Index) {
    case 1:
        s->SetStairs(true);
        break;
    case 2:
        s->Marks()->SetVisible(true);
        break;
    case 3:
        s->SetColorEachPoint(true);
        break;
    case 4:
        s->SetAreaBrush(bsClear);
        break;
    case 5:
        s->AreaLinesPen()->SetVisible(false);
        break;
    case 6:
        s->SetMultiArea(maStacked);
        break;
    case 7:
        s->SetMultiArea(maStacked100);
        break;
    case 8:
        s->Pointer()->SetVisible(true);
        break;
    case 9:
        s->Gradient()->SetVisible(true);
        break;
    default:
        TCustomSeries::SetSubGallery(ASeries, Index);
    }
}

// ---- THorizAreaSeries ------------------------------------------------------------------------

THorizAreaSeries::THorizAreaSeries(TComponent* AOwner) : TAreaSeries(AOwner) {
    SetHorizontal();
    XValues()->SetOrder(loNone);
    YValues()->SetOrder(loAscending);
    GetGradient()->SetDirection(gdRightLeft);
}

void THorizAreaSeries::DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition) {
    const int distance = MarksCalloutDistance(FMarks);
    const int length = MarksCalloutLength(FMarks) + distance;
    const int arrowY = APosition->ArrowTo.Y;
    APosition->LeftTop.Y = arrowY - APosition->Height / 2;
    APosition->LeftTop.X += length + APosition->Width / 2;
    APosition->ArrowTo.X += length;
    APosition->ArrowFrom.Y = arrowY;
    APosition->ArrowFrom.X += distance;
    TCustomSeries::DrawMark(ValueIndex, St, APosition);
}
