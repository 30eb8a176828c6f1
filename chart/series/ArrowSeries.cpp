// TArrowSeries: the arrows, their hit test, the ranges that include the end points, sample
// values and the gallery look.
#include "chart/series/ArrowSeries.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/HitTests.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/texts/TeeConst.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TArrowSeries, TPointSeries)

ORVO_PUBLISHED(TArrowSeries) {
    using S = TArrowSeries;
    P.Property("ArrowHeight", &S::ArrowHeight, &S::SetArrowHeight).Stored(false);
    P.Property("ArrowWidth", &S::ArrowWidth, &S::SetArrowWidth).Stored(false);
    P.Property("EndXValues", &S::EndXValues, &S::SetEndXValues);
    P.Property("EndYValues", &S::EndYValues, &S::SetEndYValues);
    P.Property("StartXValues", &S::StartXValues, &S::SetStartXValues);
    P.Property("StartYValues", &S::StartYValues, &S::SetStartYValues);
}

TArrowSeries::TArrowSeries(TComponent* AOwner) : TPointSeries(AOwner) {
    SetCalcVisiblePoints(false);
    XValues()->InitDateTime(true);
    FEndXValues = new TChartValueList(this, TeeMsg_ValuesArrowEndX);
    FEndXValues->InitDateTime(true);
    FEndYValues = new TChartValueList(this, TeeMsg_ValuesArrowEndY);
    FPointer->SetInflateMargins(false);
    FMarks->Frame()->SetVisible(false);
    FMarks->SetTransparent(true);
}

int TArrowSeries::ArrowHeight() const {
    return FPointer->VertSize();
}

void TArrowSeries::SetArrowHeight(int Value) {
    FPointer->SetVertSize(Value);
}

int TArrowSeries::ArrowWidth() const {
    return FPointer->HorizSize();
}

void TArrowSeries::SetArrowWidth(int Value) {
    FPointer->SetHorizSize(Value);
}

int TArrowSeries::AddArrow(double X0, double Y0, double X1, double Y1, const String& ALabel, TColor AColor) {
    FEndXValues->TempValue = X1;
    FEndYValues->TempValue = Y1;
    return AddXY(X0, Y0, ALabel, AColor);
}

TPoint TArrowSeries::StartPoint(int ValueIndex) {
    return TPoint{CalcXPos(ValueIndex), CalcYPos(ValueIndex)};
}

TPoint TArrowSeries::EndPoint(int ValueIndex) {
    return TPoint{FGetHorizAxis->CalcXPosValue(FEndXValues->Value(ValueIndex)),
                  FGetVertAxis->CalcYPosValue(FEndYValues->Value(ValueIndex))};
}

void TArrowSeries::DrawValue(int ValueIndex) {
    TCanvas3D* canvas = FParent->Canvas();
    const TColor color = GetValueColor(ValueIndex);
    const bool is3D = FParent->View3D();
    if (is3D)
        FPointer->PrepareCanvas(canvas, color);
    else
        canvas->AssignVisiblePenColor(FPointer->Pen(), color);
    canvas->Arrow(is3D, StartPoint(ValueIndex), EndPoint(ValueIndex), ArrowWidth(), ArrowHeight(), MiddleZ,
                  FPercent);
}

int TArrowSeries::Clicked(int X, int Y) {
    const TPoint p{X, Y};
    const int tolerance = FPointer->Pen()->Width();
    for (int i = 0; i < Count(); ++i)
        if (PointInLine(p, StartPoint(i), EndPoint(i), tolerance)) return i;
    return -1;
}

double TArrowSeries::MaxXValue() {
    const double v = TPointSeries::MaxXValue();
    return Count() ? std::max(v, FEndXValues->MaxValue()) : v;
}

double TArrowSeries::MinXValue() {
    const double v = TPointSeries::MinXValue();
    return Count() ? std::min(v, FEndXValues->MinValue()) : v;
}

double TArrowSeries::MaxYValue() {
    const double v = TPointSeries::MaxYValue();
    return Count() ? std::max(v, FEndYValues->MaxValue()) : v;
}

double TArrowSeries::MinYValue() {
    const double v = TPointSeries::MinYValue();
    return Count() ? std::min(v, FEndYValues->MinValue()) : v;
}

void TArrowSeries::AddSampleValues(int NumValues, bool OnlyMandatory) {
    (void)OnlyMandatory;
    const TSeriesRandomBounds b = RandomBounds(NumValues);
    const int spanX = std::max(1, int(NumValues * b.StepX));
    const int spanY = std::max(1, int(b.DifY));
    for (int i = 0; i < NumValues; ++i) {
        const double x0 = b.tmpX + RandomValue(spanX);
        const double y0 = b.MinY + RandomValue(spanY);
        AddArrow(x0, y0, x0 + RandomValue(spanX), y0 + RandomValue(spanY));
    }
}

void TArrowSeries::PrepareForGallery(bool IsEnabled) {
    TPointSeries::PrepareForGallery(IsEnabled);
    FillSampleValues(3);
    SetArrowWidth(12);
    SetArrowHeight(12);
    if (!IsEnabled) SetSeriesColor(clSilver);
}

bool TArrowSeries::IsValidSourceOf(TChartSeries* Value) {
    return dynamic_cast<TArrowSeries*>(Value) != nullptr;
}
