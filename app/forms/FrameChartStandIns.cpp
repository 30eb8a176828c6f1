#include "app/forms/FrameChartStandIns.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/series/ChartValueList.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Pen.h"
#include "platform/rtl/FloatText.h"

#include <cmath>
#include <limits>

void RegisterCurveEditorStandIns() {
    static const bool registered = [] {
        if (!GetClass(QStringLiteral("TLineSeries")))
            RegisterClassAlias(TStandInLineSeries::StaticClass(), QStringLiteral("TLineSeries"));
        if (!GetClass(QStringLiteral("TChartGrid")))
            RegisterClassAlias(TStandInChartGrid::StaticClass(), QStringLiteral("TChartGrid"));
        return true;
    }();
    (void)registered;
}

namespace {
TCanvas* ChartCanvas(TCustomAxisPanel* chart) {
    return chart && chart->Canvas() ? chart->Canvas()->ReferenceCanvas() : nullptr;
}
} // namespace

// ---- TStandInLineSeries -------------------------------------------------------------------

ORVO_IMPLEMENT_CLASS(TStandInLineSeries, TChartSeries)
ORVO_PUBLISHED(TStandInLineSeries) {}

TStandInLineSeries::TStandInLineSeries(TComponent* AOwner) : TChartSeries(AOwner), FLinePen(new TPen()) {}

TStandInLineSeries::~TStandInLineSeries() {
    delete FLinePen;
}

void TStandInLineSeries::DrawAllValues() {
    TCanvas* canvas = ChartCanvas(ParentChart());
    if (!canvas || Count() == 0) return;
    canvas->Pen()->Assign(FLinePen);
    canvas->Pen()->SetColor(SeriesColor());
    canvas->MoveTo(CalcXPos(0), CalcYPos(0));
    for (int i = 1; i < Count(); ++i)
        canvas->LineTo(CalcXPos(i), CalcYPos(i));
}

int TStandInLineSeries::Clicked(int X, int Y) {
    if (!ParentChart()) return -1;
    for (int i = 0; i < Count(); ++i)
        if (std::abs(CalcXPos(i) - X) <= HitRadius && std::abs(CalcYPos(i) - Y) <= HitRadius) return i;
    return -1;
}

// ---- TStandInChartGrid --------------------------------------------------------------------

ORVO_IMPLEMENT_CLASS(TStandInChartGrid, TDrawGrid)
ORVO_PUBLISHED(TStandInChartGrid) {}

TStandInChartGrid::TStandInChartGrid(TComponent* AOwner) : TDrawGrid(AOwner) {
    SetColCount(2);
    SetRowCount(2);
}

void TStandInChartGrid::SetSeries(TChartSeries* Value) {
    if (FSeries == Value) return;
    if (FSeries) FSeries->RemoveFreeNotification(this);
    FSeries = Value;
    if (FSeries) FSeries->FreeNotification(this);
    RecalcDimensions();
}

void TStandInChartGrid::Notification(TComponent* AComponent, TOperation Operation) {
    TDrawGrid::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FSeries) {
        FSeries = nullptr;
        RecalcDimensions();
    }
}

void TStandInChartGrid::RecalcDimensions() {
    const int points = FSeries ? FSeries->Count() : 0;
    SetColCount(2);
    SetRowCount(std::max(2, points + 1));
    Invalidate();
}

String TStandInChartGrid::GetEditText(int ACol, int ARow) {
    if (!FSeries || ACol != 1 || ARow < 1 || ARow > FSeries->Count()) return String();
    return FloatToStr(FSeries->YValues()->Value(ARow - 1));
}

void TStandInChartGrid::SetEditText(int ACol, int ARow, const String& Value) {
    if (!FSeries || ACol != 1 || ARow < 1 || ARow > FSeries->Count()) return;
    double y = 0;
    if (!TryStrToFloat(Value, y) || !std::isfinite(y)) return;
    FSeries->YValues()->SetValue(ARow - 1, y);
    FSeries->Repaint();
    TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStandInChartGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    String text;
    if (ARow == 0)
        text = ACol == 0 ? QStringLiteral("#") : (FSeries ? FSeries->YValues()->Name() : String());
    else if (FSeries && ARow <= FSeries->Count())
        text = ACol == 0 ? QString::number(ARow - 1) : FloatToStr(FSeries->YValues()->Value(ARow - 1));
    Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, text);
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

// ---- TStandInDragPointTool ----------------------------------------------------------------

ORVO_IMPLEMENT_CLASS(TStandInDragPointTool, TComponent)
ORVO_PUBLISHED(TStandInDragPointTool) {}

void TStandInDragPointTool::MouseDown(TMouseButton Button, int X, int Y) {
    FIndex = Button == mbLeft && FSeries ? FSeries->Clicked(X, Y) : -1;
}

void TStandInDragPointTool::MouseMove(int, int Y) {
    if (FIndex < 0 || !FSeries || FIndex >= FSeries->Count()) return;
    if (FStyle != dsX) FSeries->YValues()->SetValue(FIndex, FSeries->YScreenToValue(Y));
    if (OnDragPoint.Assigned()) OnDragPoint(this, FIndex);
}

void TStandInDragPointTool::MouseUp() {
    FIndex = -1;
}

// ---- TStandInCursorTool -------------------------------------------------------------------

ORVO_IMPLEMENT_CLASS(TStandInCursorTool, TComponent)
ORVO_PUBLISHED(TStandInCursorTool) {}

TStandInCursorTool::TStandInCursorTool(TComponent* AOwner) : TComponent(AOwner), FPen(new TPen()) {}

TStandInCursorTool::~TStandInCursorTool() {
    delete FPen;
}

void TStandInCursorTool::SetXValue(double Value) {
    if (FXValue == Value) return;
    FXValue = Value;
    if (FChart) FChart->Invalidate();
}

void TStandInCursorTool::DrawLine() {
    TCanvas* canvas = ChartCanvas(FChart);
    if (!canvas || !FActive || FStyle == cssHorizontal) return;
    TChartAxis* axis = FChart->BottomAxis();
    if (!axis || FXValue < axis->Minimum() || FXValue > axis->Maximum()) return;
    const int x = axis->CalcXPosValue(FXValue);
    canvas->Pen()->Assign(FPen);
    canvas->MoveTo(x, FChart->ChartRect.Top);
    canvas->LineTo(x, FChart->ChartRect.Bottom);
}
