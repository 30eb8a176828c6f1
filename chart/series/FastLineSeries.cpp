// TFastLineSeries: drawing all points and one added point, the hit test, margins, legend and
// gallery styles.
#include "chart/series/FastLineSeries.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/CanvasGeometry.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/HitTests.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Gdi.h"

ORVO_IMPLEMENT_CLASS(TFastLineSeries, TCustomLineSeries)

ORVO_PUBLISHED(TFastLineSeries) {
    using S = TFastLineSeries;
    P.Property("AutoRepaint", &S::AutoRepaint, &S::SetAutoRepaint).Default(true);
    P.Property("DataSource", &S::DataSource, &S::SetDataSource);
    P.Property("DrawAllPoints", &S::DrawAllPoints, &S::SetDrawAllPoints).Default(true);
    P.Property("FastPen", &S::FastPen, &S::SetFastPen).Default(false);
    P.Property("IgnoreNulls", &S::IgnoreNulls, &S::SetIgnoreNulls).Default(true);
    P.Property("InvertedStairs", &S::InvertedStairs, &S::SetInvertedStairs).Default(false);
    P.Property("LinePen", &S::LinePen, &S::SetLinePen);
    P.Property("Stairs", &S::Stairs, &S::SetStairs).Default(false);
    P.Property("TreatNulls", &S::TreatNulls, &S::SetTreatNulls).Default(tnIgnore);
}

TFastLineSeries::TFastLineSeries(TComponent* AOwner) : TCustomLineSeries(AOwner) {
    SetAllowSinglePoint(false);
    SetDrawBetweenPoints(true);
    IMandatoryPen = true;
    FTreatNulls = tnIgnore;
}

void TFastLineSeries::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TFastLineSeries*>(Source)) {
        FAutoRepaint = s->FAutoRepaint;
        FDrawAll = s->FDrawAll;
        SetFastPen(s->FFastPen);
        FIgnoreNulls = s->FIgnoreNulls;
        FInvertedStairs = s->FInvertedStairs;
        FStairs = s->FStairs;
    }
    TCustomLineSeries::Assign(Source);
}

void TFastLineSeries::SetSeriesColor(TColor AColor) {
    TCustomLineSeries::SetSeriesColor(AColor);
    LinePen()->SetColor(AColor);
}

void TFastLineSeries::SetPen(TChartPen* Value) {
    TCustomLineSeries::SetPen(Value);
    TCustomLineSeries::SetSeriesColor(LinePen()->Color());
}

void TFastLineSeries::SetFastPen(bool Value) {
    if (!TeeSetDCPenColor) return;
    FFastPen = Value;
    DCPEN = GetStockObject(DC_PEN);
}

void TFastLineSeries::CalcPosition(int ValueIndex, int& X, int& Y) {
    X = FGetHorizAxis->CalcXPosValue(FX->Value(ValueIndex));
    Y = FGetVertAxis->CalcYPosValue(FY->Value(ValueIndex));
}

void TFastLineSeries::PrepareCanvas() {
    TCanvas3D* canvas = FParent->Canvas();
    canvas->AssignVisiblePen(LinePen());
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetBackMode(cbmTransparent);
}

void TFastLineSeries::PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) {
    (void)ValueIndex;
    (void)BackColor;
    (void)BrushStyle;
    if (FParent) PrepareCanvas();
}

void TFastLineSeries::DrawLegendShape(int ValueIndex, const TRect& Rect) {
    (void)ValueIndex;
    FParent->Canvas()->DoHorizLine(Rect.Left, Rect.Right, (Rect.Top + Rect.Bottom) / 2);
}

void TFastLineSeries::MoveTo(int X, int Y) {
    TCanvas3D* canvas = FParent->Canvas();
    if (FParent->View3D())
        canvas->MoveTo3D(X, Y, MiddleZ);
    else
        canvas->MoveTo(X, Y);
}

void TFastLineSeries::LineTo(int X, int Y) {
    TCanvas3D* canvas = FParent->Canvas();
    if (FParent->View3D())
        canvas->LineTo3D(X, Y, MiddleZ);
    else
        canvas->LineTo(X, Y);
}

void TFastLineSeries::DrawAllValues() {
    PrepareCanvas();
    const int first = FFirstVisibleIndex;
    if (first < 0 || FLastVisibleIndex < 0) return;
    CalcPosition(first > 0 ? first - 1 : first, OldX, OldY);
    MoveTo(OldX, OldY);
    if (first > 0) DrawValue(first);
    for (int i = first + 1; i <= FLastVisibleIndex; ++i)
        DrawValue(i);
}

void TFastLineSeries::DrawValue(int ValueIndex) {
    int x, y;
    CalcPosition(ValueIndex, x, y);
    if (x == OldX && (!FDrawAll || y == OldY)) return;
    bool draw = true;
    if (!FIgnoreNulls) {
        if (IsNull(ValueIndex)) {
            if (FTreatNulls == tnSkip) {
                x = OldX;
                y = OldY;
            }
            draw = FTreatNulls == tnIgnore;
        } else if (FTreatNulls == tnDontPaint && ValueIndex > 0 && IsNull(ValueIndex - 1)) {
            // The first point has no predecessor to break from.
            draw = false;
        }
    }
    if (draw) {
        if (FStairs) {
            if (FInvertedStairs)
                LineTo(OldX, y);
            else
                LineTo(x, OldY);
        }
        LineTo(x, y);
    } else {
        MoveTo(x, y);
    }
    OldX = x;
    OldY = y;
}

void TFastLineSeries::NotifyNewValue(TChartSeries* Sender, int ValueIndex) {
    if (FAutoRepaint) {
        TCustomLineSeries::NotifyNewValue(Sender, ValueIndex);
        return;
    }
    if (OnAfterAdd.Assigned()) OnAfterAdd(Sender, ValueIndex);
    NotifyValue(veAdd, ValueIndex);
    if (!FParent || !FActive || ValueIndex < 0 || ValueIndex >= Count()) return;
    TCanvas3D* canvas = FParent->Canvas();
    CalcPosition(ValueIndex > 0 ? ValueIndex - 1 : 0, OldX, OldY);
    TCanvas* target = FFastPen ? canvas->ReferenceCanvas() : nullptr;
    if (target) {
        // The stock DC pen coloured in place: no pen object is made for one segment.
        HDC dc = target->Handle();
        SelectObject(dc, DCPEN);
        TeeSetDCPenColor(dc, COLORREF(ColorToRGB(LinePen()->Color())));
    } else {
        canvas->AssignVisiblePen(LinePen());
    }
    MoveTo(OldX, OldY);
    DrawValue(ValueIndex);
    // The canvas selects its own pen again before it next draws.
    if (target) target->Refresh();
    // A kept image of the chart no longer shows the new segment: the next paint draws the
    // chart again instead of copying that image (no repaint is asked for here).
    canvas->Invalidate();
}

int TFastLineSeries::Clicked(int X, int Y) {
    if (FFirstVisibleIndex < 0 || FLastVisibleIndex < 0) return -1;
    if (FParent) FParent->Canvas()->Calculate2DPosition(X, Y, MiddleZ);
    const TPoint p{X, Y};
    TPoint previous{0, 0};
    for (int i = FFirstVisibleIndex; i <= FLastVisibleIndex && i < Count(); ++i) {
        const TPoint current{CalcXPos(i), CalcYPos(i)};
        if (current == p) return i;
        if (i > FFirstVisibleIndex) {
            bool hit;
            if (!FStairs)
                hit = PointInLine(p, current, previous);
            else if (FInvertedStairs)
                // The pieces as drawn: up or down at the previous x, then across.
                hit = PointInLine(p, previous, TPoint{previous.X, current.Y}) ||
                      PointInLine(p, TPoint{previous.X, current.Y}, current);
            else
                hit = PointInLine(p, current, TPoint{current.X, previous.Y}) ||
                      PointInLine(p, TPoint{current.X, previous.Y}, previous);
            if (hit) return i - 1;
        }
        previous = current;
    }
    return -1;
}

void TFastLineSeries::DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition) {
    ApplyMarksArrowLength(FMarks, APosition);
    TCustomLineSeries::DrawMark(ValueIndex, St, APosition);
}

namespace {
// The room half a line of pen width W needs beyond its points.
int PenMargin(int W) {
    return W - (W - 2) / 2;
}
} // namespace

void TFastLineSeries::CalcHorizMargins(int& LeftMargin, int& RightMargin) {
    TCustomLineSeries::CalcHorizMargins(LeftMargin, RightMargin);
    const int m = PenMargin(LinePen()->Width());
    LeftMargin += m;
    RightMargin += m;
}

void TFastLineSeries::CalcVerticalMargins(int& TopMargin, int& BottomMargin) {
    TCustomLineSeries::CalcVerticalMargins(TopMargin, BottomMargin);
    const int m = PenMargin(LinePen()->Width());
    TopMargin += m;
    BottomMargin += m;
}

void TFastLineSeries::CreateSubGallery(TChartSubGalleryProc AddSubChart) {
    TCustomLineSeries::CreateSubGallery(AddSubChart);
    AddSubChart(TeeMsg_Marks);
    AddSubChart(TeeMsg_Dotted);
    AddSubChart(TeeMsg_Stairs);
}

void TFastLineSeries::SetSubGallery(TChartSeries* ASeries, int Index) {
    auto* s = dynamic_cast<TFastLineSeries*>(ASeries);
    if (!s) return;
    switch (Index) {
    case 1:
        s->Marks()->SetVisible(true);
        break;
    case 2:
        s->LinePen()->SetSmallDots(true);
        break;
    case 3:
        s->SetStairs(true);
        break;
    default:
        TCustomLineSeries::SetSubGallery(ASeries, Index);
    }
}
