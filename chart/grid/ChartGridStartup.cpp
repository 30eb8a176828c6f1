#include "chart/grid/ChartGridStartup.h"

#include "chart/grid/ChartGrid.h"
#include "chart/grid/TeeNavigator.h"
#include "chart/series/ChartSeriesStartup.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/LibraryStartup.h"

namespace {
void Initialization() {
    RegisterClasses({TChartGrid::StaticClass(), TChartGridNavigator::StaticClass()});
}

void Finalization() {
    UnRegisterClasses({TChartGrid::StaticClass(), TChartGridNavigator::StaticClass()});
}
} // namespace

TLibraryStartup& ChartGridStartup() {
    static TLibraryStartup startup({&ChartSeriesStartup()}, Initialization, Finalization);
    return startup;
}

void InitializeChartGrid() {
    ChartGridStartup().Initialize();
}

void FinalizeChartGrid() {
    ChartGridStartup().Finalize();
}
