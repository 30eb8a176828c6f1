// TChartSeries: positions through the bound axes, the visible range, drawing order, marks,
// depth and Z order, mouse handling, legend items and the gallery hooks.
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/CanvasGeometry.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/HtmlText.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/Margins.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/IntText.h"

#include <algorithm>
#include <cmath>

// ---- positions -------------------------------------------------------------------------------

int TChartSeries::CalcXPos(int ValueIndex) {
    return FGetHorizAxis->CalcXPosValue(FX->Value(ValueIndex));
}

int TChartSeries::CalcYPos(int ValueIndex) {
    return FGetVertAxis->CalcYPosValue(FY->Value(ValueIndex));
}

int TChartSeries::CalcXPosValue(double Value) {
    return FGetHorizAxis->CalcXPosValue(Value);
}

int TChartSeries::CalcYPosValue(double Value) {
    return FGetVertAxis->CalcYPosValue(Value);
}

int TChartSeries::CalcPosValue(double Value) {
    return FYMandatory ? CalcYPosValue(Value) : CalcXPosValue(Value);
}

int TChartSeries::CalcXSizeValue(double Value) {
    return FGetHorizAxis->CalcSizeValue(Value);
}

int TChartSeries::CalcYSizeValue(double Value) {
    return FGetVertAxis->CalcSizeValue(Value);
}

double TChartSeries::XScreenToValue(int ScreenPos) {
    return FGetHorizAxis->CalcPosPoint(ScreenPos);
}

double TChartSeries::YScreenToValue(int ScreenPos) {
    return FGetVertAxis->CalcPosPoint(ScreenPos);
}

String TChartSeries::XValueToText(double AValue) {
    return FGetHorizAxis->LabelValue(AValue);
}

String TChartSeries::YValueToText(double AValue) {
    return FGetVertAxis->LabelValue(AValue);
}

void TChartSeries::CalcSelectionPos(int ValueIndex, int& X, int& Y) {
    X = CalcXPos(ValueIndex);
    Y = CalcYPos(ValueIndex);
}

bool TChartSeries::IsPointInChartRect(int ValueIndex) {
    const TRect& r = FParent->ChartRect;
    const int x = CalcXPos(ValueIndex);
    const int y = CalcYPos(ValueIndex);
    return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

void TChartSeries::GetCursorValues(double& XValue, double& YValue) {
    const TPoint p = FParent->ScreenToClient(FParent->GetCursorPos());
    XValue = XScreenToValue(p.X);
    YValue = YScreenToValue(p.Y);
}

int TChartSeries::GetCursorValueIndex() {
    const TPoint p = FParent->ScreenToClient(FParent->GetCursorPos());
    return Clicked(p.X, p.Y);
}

double TChartSeries::GetMarkValue(int ValueIndex) {
    return FMandatory->Value(ValueIndex);
}

double TChartSeries::GetOriginValue(int ValueIndex) {
    return GetMarkValue(ValueIndex);
}

double TChartSeries::MaxXValue() {
    return FX->MaxValue();
}

double TChartSeries::MaxYValue() {
    return FY->MaxValue();
}

double TChartSeries::MaxZValue() {
    return ZOrder();
}

double TChartSeries::MinXValue() {
    return FX->MinValue();
}

double TChartSeries::MinYValue() {
    return FY->MinValue();
}

double TChartSeries::MinZValue() {
    return ZOrder();
}

int TChartSeries::MaxMarkWidth() {
    int result = 0;
    if (!FParent) return 0;
    for (int i = 0; i < Count(); ++i) {
        TTeeCustomShape* item = FMarks->MarkItem(i);
        if (!item->Visible()) continue;
        const String text = GetMarkText(i);
        int lines = 0;
        result = std::max(result, FParent->MultiLineTextWidth(text, lines));
    }
    return result;
}

// ---- visible range ---------------------------------------------------------------------------

void TChartSeries::CalcFirstLastVisibleIndex() {
    FFirstVisibleIndex = -1;
    FLastVisibleIndex = -1;
    const int n = Count();
    if (n == 0) return;
    TChartAxis* axis = FYMandatory ? FGetHorizAxis : FGetVertAxis;
    if (!FCalcVisiblePoints || FNotMandatory->Order() == loNone || !axis || !FParent) {
        FFirstVisibleIndex = 0;
        FLastVisibleIndex = n - 1;
        return;
    }
    const TRect& r = FParent->ChartRect;
    const bool offsets = axis->MinimumOffset() != 0 || axis->MaximumOffset() != 0;
    int lowPixel;
    int highPixel;
    if (FYMandatory) {
        lowPixel = axis->Inverted() ? r.Right : r.Left;
        highPixel = axis->Inverted() ? r.Left : r.Right;
        if (offsets) {
            lowPixel += axis->MinimumOffset();
            highPixel -= axis->MaximumOffset();
        }
    } else {
        lowPixel = axis->Inverted() ? r.Top : r.Bottom;
        highPixel = axis->Inverted() ? r.Bottom : r.Top;
        if (offsets) {
            lowPixel -= axis->MaximumOffset();
            highPixel += axis->MinimumOffset();
        }
    }
    const double m = axis->CalcPosPoint(lowPixel);
    const double* v = FNotMandatory->Data();
    int first = 0;
    if (v[0] <= m) {
        while (first < n && v[first] < m)
            ++first;
        if (first >= n) return;
    }
    FFirstVisibleIndex = first;
    const double M = axis->CalcPosPoint(highPixel);
    if (v[n - 1] > M) {
        int last = first;
        while (last < n - 1 && v[last] < M)
            ++last;
        if (!FDrawBetweenPoints)
            while (last > 0 && v[last] > M)
                --last;
        FLastVisibleIndex = last;
    } else {
        FLastVisibleIndex = n - 1;
    }
}

int TChartSeries::VisibleCount() const {
    if (FFirstVisibleIndex == -1 || FLastVisibleIndex == -1) return 0;
    return FLastVisibleIndex - FFirstVisibleIndex + 1;
}

bool TChartSeries::DrawValuesForward() {
    if (FYMandatory) {
        if (!FGetHorizAxis) return true;
        const bool inverted = FGetHorizAxis->Inverted();
        if (FParent && FParent->InvertedRotation) return inverted;
        return !inverted;
    }
    return !FGetVertAxis || !FGetVertAxis->Inverted();
}

bool TChartSeries::DrawSeriesForward(int ValueIndex) {
    (void)ValueIndex;
    return !(FParent && FParent->InvertedRotation);
}

int TChartSeries::FirstDisplayedIndex() {
    return DrawValuesForward() ? FFirstVisibleIndex : FLastVisibleIndex;
}

int TChartSeries::LastDisplayedIndex() {
    return DrawValuesForward() ? FLastVisibleIndex : FFirstVisibleIndex;
}

void TChartSeries::CalcFirstLastPage(int& First, int& Last) {
    const int n = Count();
    if (n == 0) {
        First = Last = -1;
        return;
    }
    const int P = FParent ? FParent->MaxPointsPerPage() : 0;
    if (P <= 0) {
        First = 0;
        Last = n - 1;
        return;
    }
    const int G = FParent->Pages()->Current();
    First = P == 1 ? G - 1 : P * (G - 1);
    if (First >= n) First = P * std::max(0, n / P - 1);
    Last = First + P - 1;
    if (Last >= n) Last = First + (n % P) - 1;
}

void TChartSeries::DrawValue(int ValueIndex) {
    (void)ValueIndex;
}

void TChartSeries::DrawAllValues() {
    if (FFirstVisibleIndex < 0 || FLastVisibleIndex < 0) return;
    TCanvas3D* canvas = FParent ? FParent->Canvas() : nullptr;
    const bool ids = canvas && canvas->SupportsID;
    auto one = [&](int i) {
        if (ids) canvas->BeginEntity(IntToStr(i));
        DrawValue(i);
        if (ids) canvas->EndEntity();
    };
    if (DrawValuesForward()) {
        for (int i = FFirstVisibleIndex; i <= FLastVisibleIndex; ++i)
            one(i);
    } else {
        for (int i = FLastVisibleIndex; i >= FFirstVisibleIndex; --i)
            one(i);
    }
}

void TChartSeries::DoBeforeDrawValues() {
    // The series tools bound to this series hear of the drawing first; the event follows.
    if (FParent) FParent->BroadcastSeriesToolEvent(this, cteBeforeDrawSeries);
    if (BeforeDrawValues.Assigned()) BeforeDrawValues(this);
}

void TChartSeries::DoAfterDrawValues() {
    if (FParent) FParent->BroadcastSeriesToolEvent(this, cteAfterDrawSeries);
    if (AfterDrawValues.Assigned()) AfterDrawValues(this);
}

void TChartSeries::DrawMarks() {
    if (FFirstVisibleIndex < 0 || FLastVisibleIndex < 0) return;
    const int every = std::max(1, FMarks->DrawEvery());
    for (int i = FFirstVisibleIndex; i <= FLastVisibleIndex; ++i) {
        if (i % every != 0 || IsNull(i)) continue;
        const String text = GetMarkText(i);
        if (text.isEmpty()) continue;
        TTeeCustomShape* item = FMarks->MarkItem(i);
        if (!item->Visible()) continue;
        TSeriesMarkPosition position;
        CalculateMarkPosition(item, text, CalcXPos(i), CalcYPos(i), &position);
        DrawMark(i, text, &position);
    }
}

void TChartSeries::DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition) {
    FMarks->InternalDraw(ValueIndex, GetValueColor(ValueIndex), St, APosition);
}

void TChartSeries::CalculateMarkPosition(TTeeCustomShape* Shape, const String& St, int X, int Y,
                                         TSeriesMarkPosition* APosition) {
    // Margins, pen width and font come from the chart file as any int: summed in 64 bits and
    // held within the pixel limit.
    Int64 width = 0;
    Int64 height = 0;
    int fontHeight = 0;
    if (FParent && FParent->Canvas()) {
        TCanvas3D* canvas = FParent->Canvas();
        canvas->AssignFont(Shape->Font());
        TView3DOptions* view = FParent->View3DOptions();
        if (FParent->View3D() && !canvas->Supports3DText() && view && view->ZoomText() && view->Zoom() != 100)
            canvas->Font()->SetSize(std::max(1, int(Round(canvas->Font()->Size() * view->Zoom() / 100.0))));
        fontHeight = canvas->FontHeight();
        if (Shape->TextFormat() == ttfHtml) {
            const TSize extent = HtmlTextExtent(canvas, St);
            width = extent.cx;
            height = extent.cy;
        } else {
            int lines = 0;
            width = FParent->MultiLineTextWidth(St, lines);
            height = lines * fontHeight;
        }
    }
    TMargins* margins = FMarks->Margins();
    margins->Calculate(ClampPx(width), ClampPx(height), fontHeight);
    width += margins->HorizSize();
    height += margins->VertSize();
    const bool symbol = FMarks->HasSymbol() && FMarks->Symbol()->ShouldDraw();
    if (symbol) width += fontHeight - 4;
    if (Shape->Pen()->Visible()) {
        width += Shape->Pen()->Width() - 1;
        height += Shape->Pen()->Width() - 1;
    } else {
        ++width;
        ++height;
    }
    APosition->Width = std::max(0, ClampPx(width));
    APosition->Height = std::max(0, ClampPx(height));
    if (FMarks->HasSymbol()) FMarks->Symbol()->ShapeBounds = TRect{0, 0, fontHeight, fontHeight};
    FMarks->Positions()->MoveTo(*APosition, ClampPx(X), ClampPx(Y));
    if (FMarks->HasSymbol()) {
        TRect& b = FMarks->Symbol()->ShapeBounds;
        const int w = b.Right - b.Left;
        const int h = b.Bottom - b.Top;
        b = ::Bounds(APosition->LeftTop.X + 2, APosition->LeftTop.Y + 2, w, h);
    }
}

// ---- depth and Z order -----------------------------------------------------------------------

void TChartSeries::CalcZOrder() {
    if (!FParent) return;
    if (FZOrder == -1) {
        if (FParent->View3D()) {
            FParent->SetMaxZOrder(FParent->MaxZOrder() + 1);
            IZOrder = FParent->MaxZOrder();
        } else {
            IZOrder = 0;
        }
    } else {
        FParent->SetMaxZOrder(std::max(FParent->MaxZOrder(), FZOrder));
    }
}

int TChartSeries::ZOrder() const {
    return FZOrder == -1 ? IZOrder : FZOrder;
}

void TChartSeries::SetZOrder(int Value) {
    SetIntegerProperty(FZOrder, Value);
    IZOrder = Value == -1 ? 0 : Value;
}

void TChartSeries::CalcDepthPositions() {
    const int seriesDepth = FParent ? FParent->SeriesWidth3D() : 0;
    StartZ = seriesDepth * IZOrder;
    EndZ = StartZ + (FDepth == -1 ? seriesDepth : FDepth);
    MiddleZ = (StartZ + EndZ) / 2;
    FMarks->SetZPosition(MiddleZ);
}

bool TChartSeries::MoreSameZOrder() {
    if (!FParent || !FParent->ApplyZOrder()) return false;
    for (int i = 0; i < FParent->SeriesCount(); ++i) {
        TChartSeries* s = FParent->Series(i);
        if (s != this && s->Active() && !s->HasZValues() && s->ZOrder() == ZOrder()) return true;
    }
    return false;
}

bool TChartSeries::FirstInZOrder() {
    if (!FActive) return false;
    if (!FParent) return true;
    for (int i = 0; i < FParent->SeriesCount(); ++i) {
        TChartSeries* s = FParent->Series(i);
        if (s == this) break;
        if (s->Active() && s->ZOrder() == ZOrder()) return false;
    }
    return true;
}

// ---- mouse -----------------------------------------------------------------------------------

int TChartSeries::Clicked(int X, int Y) {
    (void)X;
    (void)Y;
    return -1;
}

bool TChartSeries::RaiseClicked() {
    return OnClick.Assigned() || OnDblClick.Assigned();
}

bool TChartSeries::CheckMouse(int X, int Y) {
    if (FCursor == 0 && !OnMouseEnter.Assigned() && !OnMouseLeave.Assigned()) return false;
    if (Clicked(X, Y) == -1) {
        if (IMouseInside) {
            IMouseInside = false;
            if (OnMouseLeave.Assigned()) OnMouseLeave(this);
        }
        return false;
    }
    if (FCursor != 0 && FParent) FParent->SetCursor(FCursor);
    if (!IMouseInside) {
        IMouseInside = true;
        if (OnMouseEnter.Assigned()) OnMouseEnter(this);
    }
    return true;
}

// ---- legend ----------------------------------------------------------------------------------

int TChartSeries::CountLegendItems() {
    return Count();
}

int TChartSeries::LegendToValueIndex(int LegendIndex) {
    return LegendIndex;
}

TColor TChartSeries::LegendItemColor(int LegendIndex) {
    return GetValueColor(LegendIndex);
}

String TChartSeries::LegendString(int LegendIndex, TLegendTextStyle LegendTextStyle) {
    const int i = LegendToValueIndex(LegendIndex);
    const String label = XLabel(i);
    if (LegendTextStyle == ltsPlain) return label;
    const double v = GetMarkValue(i);
    auto valueText = [&]() {
        if (FMandatory->DateTime()) {
            String s;
            DateTimeToString(s, String(), v);
            return s;
        }
        return FormatFloat(FValueFormat, v);
    };
    auto percentText = [&]() {
        const double total = FMandatory->TotalABS();
        return FormatFloat(FPercentFormat, total == 0 ? 100.0 : v * 100 / total);
    };
    auto xText = [&]() {
        const double x = FX->Value(i);
        return FGetHorizAxis ? FGetHorizAxis->LabelValue(x) : FormatFloat(FValueFormat, x);
    };
    const String sep(TeeColumnSeparator);
    auto left = [&](const String& first) { return label.isEmpty() ? first : first + sep + label; };
    auto right = [&](const String& last) { return label.isEmpty() ? last : label + sep + last; };
    switch (LegendTextStyle) {
    case ltsLeftValue:
        return left(valueText());
    case ltsRightValue:
        return right(valueText());
    case ltsLeftPercent:
        return left(percentText());
    case ltsRightPercent:
        return right(percentText());
    case ltsXValue:
        return xText();
    case ltsValue:
        return valueText();
    case ltsPercent:
        return percentText();
    case ltsXAndValue:
        return xText() + sep + valueText();
    case ltsXAndPercent:
        return xText() + sep + percentText();
    case ltsPlain:
        break;
    }
    return label;
}

void TChartSeries::DrawLegendShape(int ValueIndex, const TRect& Rect) {
    (void)ValueIndex;
    FParent->DrawLegendShape(Rect);
}

void TChartSeries::PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) {
    (void)ValueIndex;
    (void)BackColor;
    (void)BrushStyle;
}

void TChartSeries::DrawLegend(int ValueIndex, const TRect& Rect) {
    if (ValueIndex == -1 && FColorEachPoint) return;
    if (!FParent) return;
    const bool oldAutoRepaint = FParent->AutoRepaint();
    FParent->SetAutoRepaint(false);
    const TBrushStyle oldStyle = FBrush->Style();
    try {
        const TColor color = ValueIndex == -1 ? SeriesColor() : LegendItemColor(ValueIndex);
        TCanvas3D* canvas = FParent->Canvas();
        canvas->Brush()->SetColor(color);
        if (color != clNone) {
            TColor back = FParent->LegendColor;
            TBrushStyle style = FBrush->Style();
            canvas->AssignVisiblePen(FPen);
            PrepareLegendCanvas(ValueIndex, back, style);
            if (FParent->LegendPen) canvas->AssignVisiblePen(FParent->LegendPen);
            if (back == clTeeColor) {
                back = FParent->LegendColor;
                if (back == clTeeColor) back = FParent->Color();
            }
            if (style != FBrush->Style() && !(FBrush->HasImage() && FBrush->Image()->Graphic()))
                FBrush->SetStyle(style);
            FParent->SetBrushCanvas(color, FBrush, back);
            DrawLegendShape(ValueIndex, Rect);
        }
    } catch (...) {
        if (FBrush->Style() != oldStyle) FBrush->SetStyle(oldStyle);
        FParent->SetAutoRepaint(oldAutoRepaint);
        throw;
    }
    if (FBrush->Style() != oldStyle) FBrush->SetStyle(oldStyle);
    FParent->SetAutoRepaint(oldAutoRepaint);
}

// ---- gallery ---------------------------------------------------------------------------------

void TChartSeries::CreateSubGallery(TChartSubGalleryProc AddSubChart) {
    AddSubChart(TeeMsg_Normal);
}

void TChartSeries::SetSubGallery(TChartSeries* ASeries, int Index) {
    (void)ASeries;
    (void)Index;
}

void TChartSeries::PrepareForGallery(bool IsEnabled) {
    FillSampleValues(4);
    FMarks->SetVisible(false);
    FMarks->Font()->SetSize(7);
    FMarks->SetDrawEvery(2);
    SetColorEachPoint(true);
    if (!IsEnabled)
        SetSeriesColor(TColor(0xC0C0C0));
    else if (FParent)
        SetSeriesColor(FParent->GetDefaultColor(
            FParent->SeriesCount() > 0 && FParent->Series(0) == this ? clTeeGallery1 : clTeeGallery2));
}

String TChartSeries::SeriesNameOrIndex(TCustomChartSeries* Series) {
    String result = Series->Name();
    if (result.isEmpty() && Series->ParentChart())
        result = TeeMsg_Series + " " + IntToStr(Series->ParentChart()->SeriesList()->IndexOf(Series) + 1);
    return result;
}
