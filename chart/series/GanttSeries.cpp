// TGanttSeries: the bars and their connectors, the hit test of a bar, the marks on the bars,
// the range that includes the ends, sample tasks and the gallery look.
#include "chart/series/GanttSeries.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/rtl/DateTime.h"

#include <algorithm>
#include <cmath>

ORVO_IMPLEMENT_CLASS(TGanttSeries, TPointSeries)

ORVO_PUBLISHED(TGanttSeries) {
    using S = TGanttSeries;
    P.Property("ConnectingPen", &S::ConnectingPen, &S::SetConnectingPen);
    P.Property("EndValues", &S::EndValues, &S::SetEndValues);
    P.Property("NextTask", &S::NextTask, &S::SetNextTask);
    P.Property("StartValues", &S::StartValues, &S::SetStartValues);
}

TGanttSeries::TGanttSeries(TComponent* AOwner) : TPointSeries(AOwner) {
    SetHorizontal();
    FClickableLine = false;
    SetCalcVisiblePoints(false);
    XValues()->SetName(TeeMsg_ValuesGanttStart);
    XValues()->InitDateTime(true);
    SetColorEachPoint(true);
    FEndValues = new TChartValueList(this, TeeMsg_ValuesGanttEnd);
    FEndValues->InitDateTime(true);
    FNextTask = new TChartValueList(this, TeeMsg_ValuesGanttNextTask);
    FNextTask->TempValue = -1;
    FPointer->SetStyle(psRectangle);
}

void TGanttSeries::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TGanttSeries*>(Source)) LinePen()->Assign(s->LinePen());
    TPointSeries::Assign(Source);
}

void TGanttSeries::SetConnectingPen(TChartPen* Value) {
    LinePen()->Assign(Value);
}

int TGanttSeries::AddXY(double AXValue, double AYValue, const String& ALabel, TColor AColor) {
    // A new task has no next task unless one was set for it (as the stored data does): the
    // list's value for the next point returns to -1 after each point.
    const int result = TPointSeries::AddXY(AXValue, AYValue, ALabel, AColor);
    FNextTask->TempValue = -1;
    return result;
}

int TGanttSeries::AddGanttColor(double AStart, double AEnd, double AY, const String& ALabel, TColor AColor) {
    FEndValues->TempValue = AEnd;
    return AddXY(AStart, AY, ALabel, AColor);
}

int TGanttSeries::EndPos(int ValueIndex) {
    return FGetHorizAxis->CalcXPosValue(FEndValues->Value(ValueIndex));
}

void TGanttSeries::DrawValue(int ValueIndex) {
    if (!FPointer->Visible()) return;
    TCanvas3D* canvas = FParent->Canvas();
    FPointer->PrepareCanvas(canvas, GetValueColor(ValueIndex));
    const int x0 = CalcXPos(ValueIndex);
    const int x1 = EndPos(ValueIndex);
    const int y = CalcYPos(ValueIndex);
    const int half = (x1 - x0) / 2;
    FPointer->DrawPointer(canvas, FParent->View3D(), x0 + half, y, half, FPointer->VertSize(),
                          GetValueColor(ValueIndex), DoGetPointerStyle(ValueIndex));
    if (!LinePen()->Visible()) return;
    const double next = std::round(FNextTask->Value(ValueIndex));
    if (!(next >= 0 && next < Count())) return;
    const int n = int(next);
    canvas->AssignVisiblePen(LinePen());
    canvas->Brush()->SetStyle(bsClear);
    const int x2 = CalcXPos(n);
    const int y2 = CalcYPos(n);
    const int m = x1 + (x2 - x1) / 2;
    canvas->MoveTo3D(x1, y, MiddleZ);
    canvas->LineTo3D(m, y, MiddleZ);
    canvas->LineTo3D(m, y2, MiddleZ);
    canvas->LineTo3D(x2, y2, MiddleZ);
}

bool TGanttSeries::ClickedPointer(int ValueIndex, int PointX, int PointY, int X, int Y) {
    return X >= PointX && X <= EndPos(ValueIndex) && std::abs(Y - PointY) < FPointer->VertSize();
}

void TGanttSeries::DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition) {
    APosition->LeftTop.X += (EndPos(ValueIndex) - APosition->ArrowFrom.X) / 2;
    APosition->LeftTop.Y += APosition->Height / 2;
    TPointSeries::DrawMark(ValueIndex, St, APosition);
}

double TGanttSeries::MaxXValue() {
    const double v = TPointSeries::MaxXValue();
    return Count() ? std::max(v, FEndValues->MaxValue()) : v;
}

void TGanttSeries::AddSampleValues(int NumValues, bool OnlyMandatory) {
    (void)OnlyMandatory;
    static const String* const names[] = {&TeeMsg_GanttSample1, &TeeMsg_GanttSample2, &TeeMsg_GanttSample3,
                                          &TeeMsg_GanttSample4, &TeeMsg_GanttSample5, &TeeMsg_GanttSample6,
                                          &TeeMsg_GanttSample7, &TeeMsg_GanttSample8, &TeeMsg_GanttSample9,
                                          &TeeMsg_GanttSample10};
    const int count = std::min(NumValues - 1, RandomValue(20) + 10);
    const double today = std::floor(double(Date()));
    for (int k = 0; k <= count; ++k) {
        const double start = today + 3 * k + RandomValue(5);
        const double end = start + 9 + RandomValue(16);
        const int y = k % 10;
        const int task = AddGantt(start, end, y, *names[std::min(y, 9)]);
        for (int i = 0; i < task; ++i)
            if (FNextTask->Value(i) == -1 && FEndValues->Value(i) < start) {
                FNextTask->SetValue(i, task);
                break;
            }
    }
}

void TGanttSeries::PrepareForGallery(bool IsEnabled) {
    TPointSeries::PrepareForGallery(IsEnabled);
    SetColorEachPoint(IsEnabled);
    FPointer->SetVertSize(3);
    FPointer->Gradient()->SetVisible(true);
}

bool TGanttSeries::IsValidSourceOf(TChartSeries* Value) {
    return dynamic_cast<TGanttSeries*>(Value) != nullptr;
}
