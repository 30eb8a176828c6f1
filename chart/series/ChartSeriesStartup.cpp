#include "chart/series/ChartSeriesStartup.h"

#include "chart/engine/ChartEngineStartup.h"
#include "chart/series/BarSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/series/PieSeries.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/LibraryStartup.h"

namespace {
void Initialization() {
    // The series classes stream by name.
    RegisterClasses({TLineSeries::StaticClass(), THorizLineSeries::StaticClass(), TPointSeries::StaticClass(),
                     TBarSeries::StaticClass(), THorizBarSeries::StaticClass(), TPieSeries::StaticClass()});
}

void Finalization() {
    UnRegisterClasses({TLineSeries::StaticClass(), THorizLineSeries::StaticClass(),
                       TPointSeries::StaticClass(), TBarSeries::StaticClass(), THorizBarSeries::StaticClass(),
                       TPieSeries::StaticClass()});
}
} // namespace

TLibraryStartup& ChartSeriesStartup() {
    static TLibraryStartup startup({&ChartEngineStartup()}, Initialization, Finalization);
    return startup;
}

void InitializeChartSeries() {
    ChartSeriesStartup().Initialize();
}

void FinalizeChartSeries() {
    ChartSeriesStartup().Finalize();
}
