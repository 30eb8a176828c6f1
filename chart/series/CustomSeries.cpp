// TCustomLineSeries and TCustomSeries: construction, copying, positions with stacking, the
// drawing passes and the segment step, markers, the hit test, margins, ranges and the legend.
#include "chart/series/CustomSeries.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeBlend.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/HitTests.h"
#include "chart/engine/series/SeriesMarks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

int MarksCalloutLength(TSeriesMarks* Marks) {
    return Marks->Callout()->Length();
}

int MarksCalloutDistance(TSeriesMarks* Marks) {
    return Marks->Callout()->Distance();
}

void SetMarksCalloutLength(TSeriesMarks* Marks, int Length) {
    Marks->Callout()->SetLength(Length);
    Marks->Callout()->DefaultLength = Length;
}

void ApplyMarksArrowLength(TSeriesMarks* Marks, TSeriesMarkPosition* Position) {
    Marks->ApplyArrowLength(Position);
}

ORVO_IMPLEMENT_ENUM_TYPE(TTreatNullsStyle, "tnDontPaint", "tnSkip", "tnIgnore")
ORVO_IMPLEMENT_ENUM_TYPE(TCustomSeriesStack, "cssNone", "cssOverlap", "cssStack", "cssStack100")
ORVO_IMPLEMENT_EVENT_TYPE(TOnClickPointer)
ORVO_IMPLEMENT_EVENT_TYPE(TOnGetPointerStyle)
ORVO_IMPLEMENT_CLASS(TCustomLineSeries, TChartSeries)
ORVO_IMPLEMENT_CLASS(TCustomSeries, TCustomLineSeries)

// ---- TCustomLineSeries -----------------------------------------------------------------------

void TCustomLineSeries::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TCustomLineSeries*>(Source)) FTreatNulls = s->FTreatNulls;
    TChartSeries::Assign(Source);
}

void TCustomLineSeries::SetTreatNulls(TTreatNullsStyle Value) {
    if (FTreatNulls == Value) return;
    FTreatNulls = Value;
    Repaint();
}

// ---- construction and copying ----------------------------------------------------------------

TCustomSeries::TCustomSeries(TComponent* AOwner) : TCustomLineSeries(AOwner) {
    FAreaBrush = new TChartBrush(changedEvent());
    FAreaLinesPen = CreateChartPen();
    FOutLine = new TChartHiddenPen(changedEvent());
    FPointer = new TSeriesPointer(this);
    FShadow = new TTeeShadow(changedEvent());
    FShadow->SetSize(0);
    FGradient = new TTeeGradient(changedEvent());
    SetDrawBetweenPoints(false);
}

TCustomSeries::~TCustomSeries() {
    delete FGradient;
    delete FAreaBrush;
    delete FAreaLinesPen;
    delete FShadow;
    delete FOutLine;
    delete FPointer;
}

void TCustomSeries::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TCustomSeries*>(Source)) {
        FClickableLine = s->FClickableLine;
        FAreaBrush->Assign(s->FAreaBrush);
        FAreaColor = s->FAreaColor;
        FAreaLinesPen->Assign(s->FAreaLinesPen);
        FColorEachLine = s->FColorEachLine;
        FDark3D = s->FDark3D;
        FDrawArea = s->FDrawArea;
        FDrawLine = s->FDrawLine;
        FInvertedStairs = s->FInvertedStairs;
        FLineHeight = s->FLineHeight;
        FPointer->Assign(s->FPointer);
        FStacked = s->FStacked;
        FStairs = s->FStairs;
        FOutLine->Assign(s->FOutLine);
        FShadow->Assign(s->FShadow);
        SetTransparency(s->GetTransparency());
        FGradient->Assign(s->GetGradient());
    }
    TCustomLineSeries::Assign(Source);
}

void TCustomSeries::SetParentChart(TCustomAxisPanel* Value) {
    TCustomLineSeries::SetParentChart(Value);
    FPointer->SetParentChart(Value);
}

// ---- property setters ------------------------------------------------------------------------

void TCustomSeries::SetAreaChartBrush(TChartBrush* Value) {
    FAreaBrush->Assign(Value);
}

TBrushStyle TCustomSeries::AreaBrush() const {
    return FAreaBrush->Style();
}

void TCustomSeries::SetAreaBrush(TBrushStyle Value) {
    FAreaBrush->SetStyle(Value);
}

void TCustomSeries::SetAreaLinesPen(TChartPen* Value) {
    FAreaLinesPen->Assign(Value);
}

void TCustomSeries::SetOutLine(TChartHiddenPen* Value) {
    FOutLine->Assign(Value);
}

void TCustomSeries::SetPointer(TSeriesPointer* Value) {
    FPointer->Assign(Value);
}

void TCustomSeries::SetShadow(TTeeShadow* Value) {
    FShadow->Assign(Value);
}

void TCustomSeries::SetGradient(TTeeGradient* Value) {
    FGradient->Assign(Value);
}

void TCustomSeries::SetTransparency(int Value) {
    if (FTransparency == Value) return;
    FTransparency = Value;
    Repaint();
}

void TCustomSeries::SetStacked(TCustomSeriesStack Value) {
    if (FStacked == Value) return;
    FStacked = Value;
    if (FParent) {
        for (int i = 0; i < FParent->SeriesCount(); ++i)
            if (auto* s = dynamic_cast<TCustomSeries*>(FParent->Series(i)); s && s->InheritsFrom(ClassType()))
                s->FStacked = Value;
    }
    Repaint();
}

// ---- queries ---------------------------------------------------------------------------------

bool TCustomSeries::SameClassOrigin(TChartSeries* Series) {
    return Series && Series->ClassType() == ClassType();
}

TColor TCustomSeries::GetAreaBrushColor(TColor AColor) {
    return (FColorEachPoint || FAreaColor == clTeeColor) ? AColor : FAreaColor;
}

TSeriesPointerStyle TCustomSeries::DoGetPointerStyle(int ValueIndex) {
    TSeriesPointerStyle style = FPointer->Style();
    if (OnGetPointerStyle.Assigned()) OnGetPointerStyle(this, ValueIndex, style);
    return style;
}

bool TCustomSeries::RaiseClicked() {
    return TCustomLineSeries::RaiseClicked() || (FPointer->Visible() && OnClickPointer.Assigned());
}

bool TCustomSeries::IsPointInChartRect(int ValueIndex) {
    if (!FParent) return false;
    const int x = CalcXPos(ValueIndex);
    const int y = CalcYPos(ValueIndex);
    const int h = FPointer->HorizSize();
    const int v = FPointer->VertSize();
    const TRect& r = FParent->ChartRect;
    return x - h <= r.Right && x + h >= r.Left && y - v <= r.Bottom && y + v >= r.Top;
}

int TCustomSeries::CalcMarkLength() {
    return MarksCalloutLength(FMarks) + MarksCalloutDistance(FMarks);
}

// ---- stacking --------------------------------------------------------------------------------

double TCustomSeries::PointOrigin(int ValueIndex, bool SumAll) {
    if (!FParent) return 0;
    const double v = FMandatory->Value(ValueIndex);
    double result = 0;
    for (int i = 0; i < FParent->SeriesCount(); ++i) {
        TChartSeries* s = FParent->Series(i);
        if (!SumAll && s == this) break;
        if (!s->Active() || !SameClassOrigin(s) || s->Count() <= ValueIndex) continue;
        const double o = s->GetOriginValue(ValueIndex);
        if ((v >= 0 && o > 0) || (v < 0 && o < 0)) result += o;
    }
    return result;
}

int TCustomSeries::CalcStackedPos(int ValueIndex, double Value) {
    const double origin = PointOrigin(ValueIndex, false);
    if (FStacked == cssStack) return std::min(MandatoryAxis()->IEndPos, CalcPosValue(origin + Value));
    const double total = PointOrigin(ValueIndex, true);
    return total != 0 ? CalcPosValue((origin + Value) * 100.0 / total) : MandatoryAxis()->IEndPos;
}

static bool IsStacking(TCustomSeriesStack Stacked) {
    return Stacked == cssStack || Stacked == cssStack100;
}

int TCustomSeries::CalcXPos(int ValueIndex) {
    if (!FYMandatory && IsStacking(FStacked)) return CalcStackedPos(ValueIndex, FX->Value(ValueIndex));
    return TCustomLineSeries::CalcXPos(ValueIndex);
}

int TCustomSeries::CalcYPos(int ValueIndex) {
    if (FYMandatory && IsStacking(FStacked)) return CalcStackedPos(ValueIndex, FY->Value(ValueIndex));
    return TCustomLineSeries::CalcYPos(ValueIndex);
}

int TCustomSeries::GetOriginPos(int ValueIndex) {
    if (IsStacking(FStacked)) return CalcStackedPos(ValueIndex, 0);
    if (FYMandatory) return FGetVertAxis->Inverted() ? FGetVertAxis->IStartPos : FGetVertAxis->IEndPos;
    return FGetHorizAxis->Inverted() ? FGetHorizAxis->IEndPos : FGetHorizAxis->IStartPos;
}

void TCustomSeries::CalcZOrder() {
    if (FStacked != cssNone && FParent)
        IZOrder = FParent->MaxZOrder();
    else
        TCustomLineSeries::CalcZOrder();
}

// ---- value ranges ----------------------------------------------------------------------------

double TCustomSeries::CalcMinMaxValue(bool IsMinimum) {
    bool any = false;
    double result = 0;
    for (int i = 0; i < Count(); ++i) {
        if (FTreatNulls != tnIgnore && IsNull(i)) continue;
        const double v = FMandatory->Value(i);
        if (!any || (IsMinimum ? v < result : v > result)) result = v;
        any = true;
    }
    return result;
}

namespace {
// The stacked extreme of the mandatory values: the plain extreme widened by every point's
// stacked sum.
double StackedExtreme(TCustomSeries* S, bool IsMinimum) {
    double result = S->CalcMinMaxValue(IsMinimum);
    if (S->Stacked() == cssStack) {
        for (int i = 0; i < S->Count(); ++i) {
            const double v = S->PointOrigin(i, false) + S->MandatoryValueList()->Value(i);
            result = IsMinimum ? std::min(result, v) : std::max(result, v);
        }
    }
    return result;
}
} // namespace

double TCustomSeries::MaxYValue() {
    if (!FYMandatory) return TCustomLineSeries::MaxYValue();
    return FStacked == cssStack100 ? 100 : StackedExtreme(this, false);
}

double TCustomSeries::MinYValue() {
    if (!FYMandatory) return TCustomLineSeries::MinYValue();
    return FStacked == cssStack100 ? 0 : StackedExtreme(this, true);
}

double TCustomSeries::MaxXValue() {
    if (FYMandatory) return TCustomLineSeries::MaxXValue();
    return FStacked == cssStack100 ? 100 : StackedExtreme(this, false);
}

double TCustomSeries::MinXValue() {
    if (FYMandatory) return TCustomLineSeries::MinXValue();
    return FStacked == cssStack100 ? 0 : StackedExtreme(this, true);
}

// ---- visible range and margins ---------------------------------------------------------------

void TCustomSeries::CalcFirstLastVisibleIndex() {
    TCustomLineSeries::CalcFirstLastVisibleIndex();
    if (FFirstVisibleIndex < 0 || FLastVisibleIndex < 0 || !FParent) return;
    const int last = Count() - 1;
    // Markers cut by the chart's edge are still drawn, and so are runs of equal values.
    while (FLastVisibleIndex < last && IsPointInChartRect(FLastVisibleIndex + 1))
        ++FLastVisibleIndex;
    while (FLastVisibleIndex < last &&
           FNotMandatory->Value(FLastVisibleIndex + 1) == FNotMandatory->Value(FLastVisibleIndex))
        ++FLastVisibleIndex;
    while (FFirstVisibleIndex > 0 && IsPointInChartRect(FFirstVisibleIndex - 1))
        --FFirstVisibleIndex;
    while (FFirstVisibleIndex > 0 &&
           FNotMandatory->Value(FFirstVisibleIndex - 1) == FNotMandatory->Value(FFirstVisibleIndex))
        --FFirstVisibleIndex;
}

void AddLineMargins(TCustomSeries* S, int& A, int& B, bool MandatorySide) {
    auto atLeast = [&](int Value) {
        A = std::max(A, Value);
        B = std::max(B, Value);
    };
    if (S->DrawLine()) {
        if (S->Stairs()) atLeast(S->LinePen()->Width());
        if (S->OutLine()->Visible()) atLeast(S->OutLine()->Width());
    }
    if (S->Marks()->Visible() && MandatorySide) {
        const int length = S->CalcMarkLength();
        if (S->YMandatory())
            A = std::max(A, length);
        else
            B = std::max(B, length);
    }
}

void TCustomSeries::CalcHorizMargins(int& LeftMargin, int& RightMargin) {
    TCustomLineSeries::CalcHorizMargins(LeftMargin, RightMargin);
    FPointer->CalcHorizMargins(LeftMargin, RightMargin);
    AddLineMargins(this, LeftMargin, RightMargin, !FYMandatory);
}

void TCustomSeries::CalcVerticalMargins(int& TopMargin, int& BottomMargin) {
    TCustomLineSeries::CalcVerticalMargins(TopMargin, BottomMargin);
    FPointer->CalcVerticalMargins(TopMargin, BottomMargin);
    AddLineMargins(this, TopMargin, BottomMargin, FYMandatory);
    if (FLineHeight > 0 && !FDrawArea && FParent && FParent->View3D() && BottomMargin < FLineHeight)
        BottomMargin = FLineHeight;
}

// ---- drawing ---------------------------------------------------------------------------------

void TCustomSeries::DrawAllValues() {
    if (!FParent) return;
    if (FShadow->Visible() && FShadow->Size() != 0) {
        const TColor oldColor = FColor;
        const bool oldPointer = FPointer->Visible();
        FColor = FShadow->Color();
        FPointer->SetVisible(false);
        TChartAxis* h = FGetHorizAxis;
        TChartAxis* v = FGetVertAxis;
        auto shift = [&](int Sign) {
            h->IStartPos += Sign * FShadow->HorizSize();
            h->IEndPos += Sign * FShadow->HorizSize();
            v->IStartPos += Sign * FShadow->VertSize();
            v->IEndPos += Sign * FShadow->VertSize();
        };
        shift(1);
        try {
            TCustomLineSeries::DrawAllValues();
        } catch (...) {
            shift(-1);
            FPointer->SetVisible(oldPointer);
            FColor = oldColor;
            throw;
        }
        shift(-1);
        FPointer->SetVisible(oldPointer);
        FColor = oldColor;
    }
    if (FOutLine->Visible()) {
        auto savedPen = std::make_unique<TChartPen>();
        auto savedOutLine = std::make_unique<TChartPen>();
        savedPen->Assign(LinePen());
        savedOutLine->Assign(FOutLine);
        const TColor oldColor = FColor;
        auto restore = [&] {
            LinePen()->Assign(savedPen.get());
            FOutLine->Assign(savedOutLine.get());
            FColor = FParent->View3D() ? oldColor : savedPen->Color();
        };
        FColor = FOutLine->Color();
        LinePen()->Assign(FOutLine);
        LinePen()->SetWidth(2 * savedOutLine->Width() + savedPen->Width());
        try {
            TCustomLineSeries::DrawAllValues();
        } catch (...) {
            restore();
            throw;
        }
        restore();
    }
    TCustomLineSeries::DrawAllValues();
}

void TCustomSeries::InitDrawValue(int ValueIndex) {
    if (ValueIndex <= 0) return;
    OldX = CalcXPos(ValueIndex - 1);
    OldY = CalcYPos(ValueIndex - 1);
    OldBottomPos = GetOriginPos(ValueIndex - 1);
    OldColor = GetValueColor(ValueIndex - 1);
}

void TCustomSeries::LinePrepareCanvas(TCanvas3D* Canvas, TColor AColor) {
    if (Canvas->Monochrome()) AColor = clWhite;
    if (FParent->View3D()) {
        if (FBrush->HasImage())
            Canvas->AssignBrush(FBrush, AColor);
        else {
            Canvas->Brush()->SetStyle(FBrush->Style());
            Canvas->Brush()->SetColor(AColor);
        }
        Canvas->AssignVisiblePen(LinePen());
    } else {
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->AssignVisiblePenColor(LinePen(), AColor);
    }
}

void TCustomSeries::DrawPointer(int AX, int AY, TColor AColor, int ValueIndex) {
    TCanvas3D* canvas = FParent->Canvas();
    FPointer->PrepareCanvas(canvas, AColor);
    const TSeriesPointerStyle style = DoGetPointerStyle(ValueIndex);
    if (OnGetPointerStyle.Assigned()) FPointer->PrepareCanvas(canvas, AColor);
    FPointer->Draw(AX, AY, AColor, style);
}

int TCustomSeries::InterpolatedLeadIn(int ValueIndex, double AtValue) {
    const int previous = ValueIndex - 1;
    const double x0 = FNotMandatory->Value(previous);
    const double delta = FNotMandatory->Value(ValueIndex) - x0;
    if (delta == 0) return CalcYPos(ValueIndex);
    const double y0 = FMandatory->Value(previous);
    const double y1 = FMandatory->Value(ValueIndex);
    double value;
    if (MandatoryAxis()->Logarithmic())
        value = (y0 > 0 && y1 > 0)
                    ? std::exp(std::log(y0) + (std::log(y1) - std::log(y0)) * (AtValue - x0) / delta)
                    : 0;
    else
        value = y0 + (AtValue - x0) * (y1 - y0) / delta;
    return CalcYPosValue(value);
}

void TCustomSeries::PrepareLeadIn(int ValueIndex, double AtValue) {
    if (FDrawArea) {
        OldX = CalcXPos(ValueIndex - 1);
        OldY = CalcYPos(ValueIndex - 1);
        OldBottomPos = GetOriginPos(ValueIndex - 1);
    } else {
        OldY = FStairs ? CalcYPos(ValueIndex - 1) : InterpolatedLeadIn(ValueIndex, AtValue);
    }
}

void TCustomSeries::DrawValue(int ValueIndex) {
    TCanvas3D* canvas = FParent->Canvas();
    const TColor color = GetValueColor(ValueIndex);
    int x = CalcXPos(ValueIndex);
    int y = CalcYPos(ValueIndex);
    const int first = FirstDisplayedIndex();
    if (color == clNone && FTreatNulls == tnSkip) {
        if (ValueIndex == first) {
            for (int i = 0; i < Count(); ++i)
                if (!IsNull(i)) {
                    x = CalcXPos(i);
                    y = CalcYPos(i);
                    break;
                }
        } else {
            x = OldX;
            y = OldY;
        }
    }
    if (canvas->Pen()->Color() != clBlack) canvas->Pen()->SetColor(clBlack);
    if (canvas->Brush()->Color() != color) canvas->Brush()->SetColor(color);
    if (ValueIndex > 0 && FTreatNulls == tnDontPaint && IsNull(ValueIndex - 1)) {
        OldX = x;
        OldY = y;
    }
    BottomPos = GetOriginPos(ValueIndex);
    const int last = LastDisplayedIndex();
    const bool isLast = ValueIndex == last;
    TChartAxis* edgeAxis = FYMandatory ? FGetHorizAxis : FGetVertAxis;
    auto edgeX = [&] { return edgeAxis->Inverted() ? FParent->ChartRect.Right : FParent->ChartRect.Left; };

    if (ValueIndex == first) {
        if (FDark3D) {
            const int w = FParent->SeriesWidth3D();
            tmpDark3DRatio = w == 0 ? 1 : std::abs(double(FParent->SeriesHeight3D()) / w);
        }
        if (first == FFirstVisibleIndex && ValueIndex > 0) {
            if (!FDrawArea) OldX = edgeX();
            PrepareLeadIn(ValueIndex, XScreenToValue(OldX));
            if (!IsNull(ValueIndex - 1)) {
                OldColor = GetValueColor(ValueIndex - 1);
                DrawSegment(ValueIndex, x, y, color, false, false);
            }
        }
        if (isLast && FPointer->Visible() && color != clNone) DrawPointer(x, y, color, ValueIndex);
        if (canvas->SupportsFullRotation() && FDrawArea && FParent->View3D())
            canvas->RectangleZ(x, y, BottomPos, StartZ, EndZ);
    } else if (isLast) {
        DrawSegment(ValueIndex, x, y, color, true, true);
        if (first == FLastVisibleIndex && ValueIndex > 0) {
            OldX = x;
            OldY = y;
            if (!FDrawArea) OldX = edgeX();
            PrepareLeadIn(ValueIndex, XScreenToValue(OldX));
            if (!IsNull(ValueIndex - 1)) DrawSegment(ValueIndex, x, y, color, false, false);
        }
    } else {
        DrawSegment(ValueIndex, x, y, color, false, true);
    }
    OldX = x;
    OldY = y;
    OldBottomPos = BottomPos;
    OldColor = color;
}

void TCustomSeries::DrawAreaSegment(int ValueIndex, int X, int Y, TColor AColor) {
    TCanvas3D* canvas = FParent->Canvas();
    const bool is3D = FParent->View3D();
    const TColor brushColor = GetAreaBrushColor(AColor);
    // The hatch or picture of the area brush shows over its back colour: the area colour,
    // else the series colour; white where a picture would vanish into the point colour.
    TColor back = FAreaBrush->Color() == clTeeColor ? SeriesColor() : FAreaBrush->Color();
    if (FAreaBrush->HasImage() && back == AColor) back = clWhite;
    canvas->AssignBrush(FAreaBrush, brushColor, back);
    if (FAreaLinesPen->Color() != clTeeColor && FAreaLinesPen->Visible())
        canvas->AssignVisiblePen(FAreaLinesPen);
    else
        canvas->AssignVisiblePenColor(FAreaLinesPen, AColor);
    const bool vertical = FYMandatory;

    if (is3D) {
        // The side faces that close the area where it ends: at the last point, before a gap
        // and after one.
        const bool dontPaint = FTreatNulls == tnDontPaint;
        auto closeAt = [&](int PX, int PY, int PBottom) {
            const TColor saved = canvas->Brush()->Color();
            if (FDark3D) canvas->Brush()->SetColor(ApplyDark(saved, DarkColorQuantity));
            if (vertical)
                canvas->RectangleZ(PX, PY, PBottom, StartZ, EndZ);
            else
                canvas->RectangleY(PBottom, PY, PX, StartZ, EndZ);
            canvas->Brush()->SetColor(saved);
        };
        if (dontPaint && ValueIndex >= 2 && IsNull(ValueIndex - 2)) closeAt(OldX, OldY, OldBottomPos);
        if (ValueIndex == LastDisplayedIndex() ||
            (dontPaint && ValueIndex + 1 < Count() && IsNull(ValueIndex + 1)))
            closeAt(X, Y, BottomPos);
    }

    auto blendOver = [&](const TRect& R) -> TTeeBlend* {
        if (GetTransparency() <= 0) return nullptr;
        return canvas->BeginBlending(is3D ? canvas->CalcRect3D(R, StartZ) : R, GetTransparency());
    };
    auto topLine = [&](std::initializer_list<TPoint> Points) {
        if (!LinePen()->Visible()) return;
        canvas->AssignVisiblePen(LinePen());
        const TPoint* prev = nullptr;
        for (const TPoint& p : Points) {
            if (prev) canvas->LineWithZ(prev->X, prev->Y, p.X, p.Y, StartZ);
            prev = &p;
        }
    };

    if (FStairs) {
        TRect r;
        if (vertical)
            r = FInvertedStairs ? TRect{OldX, Y, X + 1, BottomPos} : TRect{OldX, OldY, X + 1, OldBottomPos};
        else
            r = FInvertedStairs ? TRect{X, OldY, BottomPos, Y + 1} : TRect{OldX, OldY, OldBottomPos, Y + 1};
        r = OrientRectangle(r);
        TTeeBlend* blend = blendOver(r);
        if (is3D) {
            canvas->RectangleWithZ(r, StartZ);
            if (canvas->SupportsFullRotation()) canvas->RectangleWithZ(r, EndZ);
        } else if (GetGradient()->Visible()) {
            GetGradient()->Draw(canvas, r);
            if (canvas->Pen()->Style() != psClear) {
                canvas->Brush()->SetStyle(bsClear);
                canvas->Rectangle(r);
            }
        } else {
            canvas->Rectangle(r);
        }
        if (blend) canvas->EndBlending(blend);
        if (vertical) {
            if (FInvertedStairs)
                topLine({TPoint{OldX, OldY}, TPoint{OldX, Y}, TPoint{X, Y}});
            else
                topLine({TPoint{OldX, OldY}, TPoint{X, OldY}, TPoint{X, Y}});
        } else {
            if (FInvertedStairs)
                topLine({TPoint{OldX, OldY}, TPoint{X, OldY}, TPoint{X, Y}});
            else
                topLine({TPoint{OldX, OldY}, TPoint{OldX, Y}, TPoint{X, Y}});
        }
        return;
    }

    const std::array<TPoint, 4> p =
        vertical ? std::array<TPoint, 4>{TPoint{OldX, OldY}, TPoint{X, Y}, TPoint{X, BottomPos},
                                         TPoint{OldX, OldBottomPos}}
                 : std::array<TPoint, 4>{TPoint{OldX, OldY}, TPoint{X, Y}, TPoint{BottomPos, Y},
                                         TPoint{OldBottomPos, OldY}};
    TRect bounds{p[0].X, p[0].Y, p[0].X, p[0].Y};
    for (const TPoint& q : p) {
        bounds.Left = std::min(bounds.Left, q.X);
        bounds.Top = std::min(bounds.Top, q.Y);
        bounds.Right = std::max(bounds.Right, q.X);
        bounds.Bottom = std::max(bounds.Bottom, q.Y);
    }
    TTeeBlend* blend = blendOver(bounds);
    if (is3D) {
        if (GetGradient()->Visible())
            GetGradient()->Draw(canvas, p, StartZ, true);
        else
            canvas->PolygonWithZ(p, StartZ);
        if (canvas->SupportsFullRotation()) canvas->PolygonWithZ(p, EndZ);
    } else if (GetGradient()->Visible()) {
        // The gradient spans the whole height of the series, from its largest value to the
        // origin, so that neighbouring segments continue one another.
        const int top = CalcPosValue(FMandatory->MaxValue());
        const TRect r = vertical ? OrientRectangle(TRect{OldX, top, X, BottomPos})
                                 : OrientRectangle(TRect{BottomPos, OldY, top, Y});
        ClipPolygon(canvas, p, 4);
        GetGradient()->Draw(canvas, r);
        canvas->UnClipRectangle();
        if (canvas->Pen()->Style() != psClear) {
            canvas->Line(p[0].X, p[0].Y, p[1].X, p[1].Y);
            canvas->Line(p[3].X, p[3].Y, p[2].X, p[2].Y);
        }
    } else {
        canvas->Polygon(p);
    }
    if (blend) canvas->EndBlending(blend);
    topLine({TPoint{OldX, OldY}, TPoint{X, Y}});
}

void TCustomSeries::DrawSegment(int ValueIndex, int X, int Y, TColor AColor, bool IsLast, bool WithPointers) {
    TCanvas3D* canvas = FParent->Canvas();
    const bool is3D = FParent->View3D();
    // A null point drawn at its value (tnIgnore) has no colour of its own: it takes the
    // series colour, so that its segments show like any other.
    const TColor shown = AColor == clNone ? SeriesColor() : AColor;
    if ((X != OldX || Y != OldY) && (FTreatNulls == tnIgnore || AColor != clNone)) {
        if (is3D && (FDrawArea || FDrawLine)) {
            TColor brushColor = (FColorEachLine || FDrawArea) ? GetAreaBrushColor(shown) : SeriesColor();
            if (canvas->Monochrome()) brushColor = clWhite;
            if (FBrush->HasImage())
                canvas->AssignBrush(FBrush, clWhite);
            else {
                canvas->Brush()->SetColor(brushColor);
                canvas->Brush()->SetStyle(FBrush->Style());
            }
            canvas->AssignVisiblePen(LinePen());
            if (FStairs) {
                const TColor saved = canvas->Brush()->Color();
                if (FDark3D) canvas->Brush()->SetColor(ApplyDark(saved, DarkColorQuantity));
                if (FInvertedStairs)
                    canvas->RectangleZ(OldX, OldY, Y, StartZ, EndZ);
                else
                    canvas->RectangleY(OldX, OldY, X, StartZ, EndZ);
                canvas->Brush()->SetColor(saved);
                if (FInvertedStairs)
                    canvas->RectangleY(OldX, Y, X, StartZ, EndZ);
                else
                    canvas->RectangleZ(X, OldY, Y, StartZ, EndZ);
            } else {
                if (FLineHeight != 0)
                    canvas->Plane3D(TPoint{X, Y - FLineHeight}, TPoint{OldX, OldY - FLineHeight}, StartZ,
                                    EndZ);
                const TColor saved = canvas->Brush()->Color();
                if (FDark3D && !canvas->SupportsFullRotation() && X != OldX &&
                    double(OldY - Y) / (X - OldX) > tmpDark3DRatio)
                    canvas->Brush()->SetColor(ApplyDark(saved, DarkColorQuantity));
                TTeeBlend* blend = nullptr;
                if (GetTransparency() > 0) {
                    const int w = LinePen()->Width();
                    const TPoint a =
                        canvas->Calculate3DPosition(std::min(OldX, X), std::min(OldY, Y), StartZ);
                    const TPoint b = canvas->Calculate3DPosition(std::max(OldX, X), std::max(OldY, Y), EndZ);
                    blend = canvas->BeginBlending(TRect{std::min(a.X, b.X) - w, std::min(a.Y, b.Y) - w,
                                                        std::max(a.X, b.X) + w, std::max(a.Y, b.Y) + w},
                                                  GetTransparency());
                }
                if (GetGradient()->Visible()) {
                    GetGradient()->SetStartColor(canvas->Brush()->Color());
                    TFourPoints face{canvas->Calculate3DPosition(X, Y, StartZ),
                                     canvas->Calculate3DPosition(OldX, OldY, StartZ),
                                     canvas->Calculate3DPosition(OldX, OldY, EndZ),
                                     canvas->Calculate3DPosition(X, Y, EndZ)};
                    GetGradient()->Draw(canvas, face);
                    if (canvas->Pen()->Style() != psClear) {
                        canvas->Brush()->SetStyle(bsClear);
                        canvas->Polygon(face);
                    }
                } else {
                    canvas->Plane3D(TPoint{X, Y}, TPoint{OldX, OldY}, StartZ, EndZ);
                }
                if (blend) canvas->EndBlending(blend);
                canvas->Brush()->SetColor(saved);
            }
        }
        if (FDrawArea) {
            DrawAreaSegment(ValueIndex, X, Y, shown);
        } else if (!is3D && FDrawLine) {
            const TColor lineColor = (!FPointer->Visible() || FColorEachLine) ? shown : SeriesColor();
            LinePrepareCanvas(canvas, lineColor);
            TTeeBlend* blend = nullptr;
            if (GetTransparency() > 0) {
                const int w = LinePen()->Width();
                blend = canvas->BeginBlending(TRect{std::min(OldX, X) - w, std::min(OldY, Y) - w,
                                                    std::max(OldX, X) + w, std::max(OldY, Y) + w},
                                              GetTransparency());
            }
            if (FStairs) {
                if (FInvertedStairs)
                    canvas->DoVertLine(OldX, OldY, Y);
                else
                    canvas->DoHorizLine(OldX, X, OldY);
                canvas->LineTo(X, Y);
            } else {
                canvas->Line(OldX, OldY, X, Y);
            }
            if (blend) canvas->EndBlending(blend);
        }
    }
    if (WithPointers && FPointer->Visible()) {
        if (OldColor != clNone)
            DrawPointer(OldX, OldY, OldColor, ValueIndex - 1);
        else if (FTreatNulls != tnDontPaint)
            DrawPointer(OldX, OldY, shown, ValueIndex - 1);
        if (IsLast && AColor != clNone) DrawPointer(X, Y, AColor, ValueIndex);
    }
}

// ---- hit test --------------------------------------------------------------------------------

bool TCustomSeries::ClickedPointer(int ValueIndex, int PointX, int PointY, int X, int Y) {
    PreparePointer(ValueIndex);
    if (DoGetPointerStyle(ValueIndex) == psNothing) return false;
    return std::abs(PointX - X) < FPointer->HorizSize() && std::abs(PointY - Y) < FPointer->VertSize();
}

bool TCustomSeries::SegmentHit(TPoint P, TPoint Previous, TPoint Current) {
    if (FParent && FParent->View3D()) {
        const int w = FParent->SeriesWidth3D();
        const int h = FParent->SeriesHeight3D();
        const std::array<TPoint, 4> face{Current, TPoint{Current.X + w, Current.Y - h},
                                         TPoint{Previous.X + w, Previous.Y - h}, Previous};
        return PointInPolygon(P, face);
    }
    if (!FStairs) return PointInLine(P, Current.X, Current.Y, Previous.X, Previous.Y);
    if (FInvertedStairs)
        return PointInLine(P, Previous.X, Previous.Y, Previous.X, Current.Y) ||
               PointInLine(P, Previous.X, Current.Y, Current.X, Current.Y);
    return PointInLine(P, Previous.X, Previous.Y, Current.X, Previous.Y) ||
           PointInLine(P, Current.X, Previous.Y, Current.X, Current.Y);
}

bool TCustomSeries::AreaHit(TPoint P, TPoint Previous, TPoint Current) {
    // The region filled between the previous point and this one, down to their origins;
    // with stairs its top is flat at the step's height.
    std::array<TPoint, 4> area;
    if (FYMandatory) {
        const int topPrev = FStairs && FInvertedStairs ? Current.Y : Previous.Y;
        const int topCur = FStairs && !FInvertedStairs ? Previous.Y : Current.Y;
        area = {TPoint{Previous.X, topPrev}, TPoint{Current.X, topCur}, TPoint{Current.X, BottomPos},
                TPoint{Previous.X, OldBottomPos}};
    } else {
        const int topPrev = FStairs && FInvertedStairs ? Current.X : Previous.X;
        const int topCur = FStairs && !FInvertedStairs ? Previous.X : Current.X;
        area = {TPoint{topPrev, Previous.Y}, TPoint{topCur, Current.Y}, TPoint{BottomPos, Current.Y},
                TPoint{OldBottomPos, Previous.Y}};
    }
    return PointInPolygon(P, area);
}

int TCustomSeries::Clicked(int X, int Y) {
    if (FParent) FParent->Canvas()->Calculate2DPosition(X, Y, StartZ);
    int result = TCustomLineSeries::Clicked(X, Y);
    if (result != -1 || FFirstVisibleIndex < 0 || FLastVisibleIndex < 0) return result;
    TPoint previous{0, 0};
    OldBottomPos = 0;
    const int start = FClickableLine ? std::max(0, FFirstVisibleIndex - 1) : FFirstVisibleIndex;
    const TPoint p{X, Y};
    for (int t = start; t <= FLastVisibleIndex && t < Count(); ++t) {
        const TPoint current{CalcXPos(t), CalcYPos(t)};
        if (FPointer->Visible() && ClickedPointer(t, current.X, current.Y, X, Y)) {
            if (OnClickPointer.Assigned()) OnClickPointer(this, t, X, Y);
            return t;
        }
        if (current == p) return t;
        if (t > start && FClickableLine) {
            if (SegmentHit(p, previous, current)) return t - 1;
            if (FDrawArea) {
                BottomPos = GetOriginPos(t);
                if (AreaHit(p, previous, current)) return t - 1;
            }
        }
        previous = current;
        OldBottomPos = FDrawArea ? GetOriginPos(t) : BottomPos;
    }
    return -1;
}

// ---- marks and legend ------------------------------------------------------------------------

void TCustomSeries::DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition) {
    FMarks->SetZPosition(StartZ);
    if (FYMandatory) ApplyMarksArrowLength(FMarks, APosition);
    TCustomLineSeries::DrawMark(ValueIndex, St, APosition);
}

namespace {
// The line of a line series' legend symbol: a rectangle in 3-D, else a line through the middle.
void DrawLegendLine(TCustomSeries* S, TColor AColor, const TRect& Rect) {
    TCanvas3D* canvas = S->ParentChart()->Canvas();
    S->LinePrepareCanvas(canvas, AColor);
    if (S->ParentChart()->View3D())
        canvas->Rectangle(Rect);
    else
        canvas->DoHorizLine(Rect.Left, Rect.Right, (Rect.Top + Rect.Bottom) / 2);
}
} // namespace

void TCustomSeries::DrawLegendShape(int ValueIndex, const TRect& Rect) {
    TColor color = ValueIndex == -1 ? SeriesColor() : LegendItemColor(ValueIndex);
    if (FPointer->Visible()) {
        if (FDrawLine) DrawLegendLine(this, color, Rect);
        TSeriesPointerStyle style = FPointer->Style();
        if (OnGetPointerStyle.Assigned() && ValueIndex != -1) {
            OnGetPointerStyle(this, ValueIndex, style);
            color = FPointer->Color();
        }
        TeePointerDrawLegend(FPointer, color, Rect, LinePen()->Visible(), style);
    } else if (!FDrawLine || FDrawArea) {
        TCustomLineSeries::DrawLegendShape(ValueIndex, Rect);
    } else {
        DrawLegendLine(this, color, Rect);
    }
}

void TeePointerDrawLegend(TSeriesPointer* Pointer, TColor AColor, const TRect& Rect, bool DrawPen,
                          TSeriesPointerStyle Style) {
    TCustomTeePanel* chart = Pointer->ParentChart();
    if (!chart) return;
    TCanvas3D* canvas = chart->Canvas();
    Pointer->PrepareCanvas(canvas, AColor);
    const int width = Rect.Right - Rect.Left;
    const int height = Rect.Bottom - Rect.Top;
    const int h = DrawPen ? width / 3 : width / 2 + 1;
    const int v = DrawPen ? height / 3 : height / 2 + 1;
    Pointer->DrawPointer(canvas, false, (Rect.Left + Rect.Right) / 2, (Rect.Top + Rect.Bottom) / 2,
                         std::min(Pointer->HorizSize(), h), std::min(Pointer->VertSize(), v), AColor, Style);
}
