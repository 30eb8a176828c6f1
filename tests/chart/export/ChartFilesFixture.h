// A chart holding a series of every registered type (sample points, a label, a null point
// and a point colour each, the last on a custom axis) and a tool of every registered class:
// what the chart-file tests store and load.
#pragma once

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/chart/ChartTitles.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/SeriesMarks.h"
#include "platform/classes/Streams.h"

#include <QByteArray>

inline void FillEveryType(TComponent* Owner, TChart* Chart) {
    Chart->SetBounds(0, 0, 400, 300);
    Chart->Title()->SetCaption(QStringLiteral("Saved <chart> & \"data\""));
    TChartAxis* custom = Chart->CustomAxes()->Get(Chart->CustomAxes()->Add()->Index());
    TTeeSeriesTypes* types = TeeSeriesTypes();
    TChartSeries* last = nullptr;
    for (int i = 0; i < types->Count(); ++i) {
        TTeeSeriesType* t = types->Get(i);
        if (!t->SeriesClass || t->FunctionClass || t->SubIndex != 0) continue;
        TChartSeries* s = CreateNewSeries(Owner, Chart, t->SeriesClass);
        s->FillSampleValues(6);
        s->SetXLabel(1, QStringLiteral("label \"one\", <1>"));
        s->SetValueColor(2, TColor(0x123456));
        s->SetNull(3);
        s->Marks()->SetVisible(true);
        last = s;
    }
    if (last) {
        last->SetVertAxis(aCustomVertAxis);
        last->SetCustomVertAxis(custom);
    }
    for (int i = 0; i < TeeToolTypes()->Count(); ++i)
        Chart->Tools()->Add(TeeToolTypes()->Get(i));
}

inline QByteArray StreamBytes(TMemoryStream& S) {
    return QByteArray(static_cast<const char*>(S.Memory()), qsizetype(S.Size()));
}
