#include "chart/export/ChartExportStartup.h"

#include "chart/export/ChartFiles.h"
#include "chart/gauges/ChartGaugesStartup.h"
#include "chart/grid/ChartGridStartup.h"
#include "chart/tools/ChartToolsStartup.h"
#include "platform/classes/LibraryStartup.h"

namespace {
// Chart files read every series, function, tool and gauge class that the libraries below
// register; this library's own form classes are registered here.
void Initialization() {
    // Chart files naming the compatibility chart classes as root.
    RegisterChartFileClasses();
}

void Finalization() {
    UnregisterChartFileClasses();
}
} // namespace

TLibraryStartup& ChartExportStartup() {
    static TLibraryStartup startup({&ChartToolsStartup(), &ChartGaugesStartup(), &ChartGridStartup()},
                                   Initialization, Finalization);
    return startup;
}

void InitializeChartExport() {
    ChartExportStartup().Initialize();
}

void FinalizeChartExport() {
    ChartExportStartup().Finalize();
}
