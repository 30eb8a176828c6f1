#include "chart/series/ChartSeriesStartup.h"

#include "chart/engine/ChartEngineStartup.h"
#include "chart/series/BasicFunctions.h"
#include "chart/series/StandardSeries.h"
#include "platform/classes/LibraryStartup.h"

namespace {
void Initialization() {
    // The series types and functions enter the galleries, which also lets stored charts
    // create them by name.
    RegisterTeeStandardSeries();
    RegisterTeeBasicFunctions();
    RegisterTeeExtendedSeries();
}

void Finalization() {
    UnRegisterTeeExtendedSeries();
    UnRegisterTeeBasicFunctions();
    UnRegisterTeeStandardSeries();
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
