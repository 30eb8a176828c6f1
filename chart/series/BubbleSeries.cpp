// TBubbleSeries: sizing each marker from its radius, the ranges the radii widen, the hit
// test of each marker style, sample values and the gallery look.
#include "chart/series/BubbleSeries.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/HitTests.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/texts/TeeConst.h"

#include <algorithm>
#include <cmath>

ORVO_IMPLEMENT_CLASS(TBubbleSeries, TPointSeries)

ORVO_PUBLISHED(TBubbleSeries) {
    using S = TBubbleSeries;
    P.Property("RadiusValues", &S::RadiusValues, &S::SetRadiusValues);
    P.Property("Squared", &S::Squared, &S::SetSquared).Default(true);
}

TBubbleSeries::TBubbleSeries(TComponent* AOwner) : TPointSeries(AOwner) {
    FRadiusValues = new TChartValueList(this, TeeMsg_ValuesBubbleRadius);
    FPointer->SetInflateMargins(false);
    FPointer->SetStyle(psCircle);
    FPointer->SetAllowChangeSize(false);
    FMarks->Frame()->SetVisible(false);
    FMarks->SetTransparent(true);
    SetColorEachPoint(true);
    SetDrawBetweenPoints(false);
}

void TBubbleSeries::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TBubbleSeries*>(Source)) FSquared = s->FSquared;
    TPointSeries::Assign(Source);
}

int TBubbleSeries::AddBubble(double X, double Y, double Radius, const String& ALabel, TColor AColor) {
    FRadiusValues->TempValue = Radius;
    return AddXY(X, Y, ALabel, AColor);
}

TTeeGradient* TBubbleSeries::GetGradient() {
    return FPointer->Gradient();
}

void TBubbleSeries::PreparePointer(int ValueIndex) {
    const double r = FRadiusValues->Value(ValueIndex);
    const int v = FGetVertAxis->CalcSizeValue(r);
    FPointer->ChangeVertSize(v);
    FPointer->ChangeHorizSize(FSquared ? v : FGetHorizAxis->CalcSizeValue(r));
}

void TBubbleSeries::DrawValue(int ValueIndex) {
    PreparePointer(ValueIndex);
    DrawPointer(CalcXPos(ValueIndex), CalcYPos(ValueIndex), GetValueColor(ValueIndex), ValueIndex);
}

bool TBubbleSeries::IsPointInChartRect(int ValueIndex) {
    PreparePointer(ValueIndex);
    return TPointSeries::IsPointInChartRect(ValueIndex);
}

double TBubbleSeries::MaxYValue() {
    double result = TPointSeries::MaxYValue();
    for (int i = 0; i < Count(); ++i)
        result = std::max(result, FY->Value(i) + FRadiusValues->Value(i));
    return result;
}

double TBubbleSeries::MinYValue() {
    double result = TPointSeries::MinYValue();
    for (int i = 0; i < Count(); ++i)
        result = std::min(result, FY->Value(i) - FRadiusValues->Value(i));
    return result;
}

double TBubbleSeries::MaxZValue() {
    if (FPointer->Draw3D()) return Count() ? FRadiusValues->MaxValue() : 0;
    return TPointSeries::MaxZValue();
}

double TBubbleSeries::MinZValue() {
    if (FPointer->Draw3D()) return Count() ? -FRadiusValues->MaxValue() : 0;
    return TPointSeries::MinZValue();
}

void TBubbleSeries::DrawLegendShape(int ValueIndex, const TRect& Rect) {
    const int size = std::min(Rect.Right - Rect.Left, Rect.Bottom - Rect.Top);
    FPointer->ChangeHorizSize(size);
    FPointer->ChangeVertSize(size);
    TPointSeries::DrawLegendShape(ValueIndex, Rect);
}

bool TBubbleSeries::ClickedPointer(int ValueIndex, int PointX, int PointY, int X, int Y) {
    PreparePointer(ValueIndex);
    const TSeriesPointerStyle style = DoGetPointerStyle(ValueIndex);
    const int h = FPointer->HorizSize(), v = FPointer->VertSize();
    const TRect r{PointX - h, PointY - v, PointX + h, PointY + v};
    const TPoint p{X, Y};
    switch (style) {
    case psCircle:
    case psHexagon:
        return PointInEllipse(p, r);
    case psTriangle:
        return PointInTriangle(p, r.Left, r.Right, PointY - v, PointY + v);
    case psDownTriangle:
        return PointInTriangle(p, r.Left, r.Right, PointY + v, PointY - v);
    case psDiamond: {
        const std::array<TPoint, 4> d{TPoint{PointX, r.Top}, TPoint{r.Right, PointY},
                                      TPoint{PointX, r.Bottom}, TPoint{r.Left, PointY}};
        return PointInPolygon(p, d);
    }
    case psLeftTriangle:
        return PointInHorizTriangle(p, r.Top, r.Bottom, r.Left, r.Right);
    case psRightTriangle:
        return PointInHorizTriangle(p, r.Top, r.Bottom, r.Right, r.Left);
    case psNothing:
        return false;
    default:
        return std::abs(PointX - X) < h && std::abs(PointY - Y) < v;
    }
}

void TBubbleSeries::AddSampleValues(int NumValues, bool OnlyMandatory) {
    (void)OnlyMandatory;
    TSeriesRandomBounds b = RandomBounds(NumValues);
    const double span = b.DifY;
    for (int i = 0; i < NumValues; ++i) {
        const double y = RandomValue(std::max(1, int(std::round(span))));
        const double radius = std::round(span / (10 + RandomValue(15))) + span / 15;
        AddBubble(b.tmpX, y, radius);
        b.tmpX += b.StepX;
    }
}

void TBubbleSeries::PrepareForGallery(bool IsEnabled) {
    TPointSeries::PrepareForGallery(IsEnabled);
    FPointer->Gradient()->SetVisible(true);
}

bool TBubbleSeries::IsValidSourceOf(TChartSeries* Value) {
    return dynamic_cast<TBubbleSeries*>(Value) != nullptr;
}
