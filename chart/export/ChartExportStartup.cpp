#include "chart/export/ChartExportStartup.h"

#include "chart/export/ChartFiles.h"
#include "chart/export/ChartPreview.h"
#include "chart/export/TeePreviewPanel.h"
#include "chart/gauges/ChartGaugesStartup.h"
#include "chart/grid/ChartGridStartup.h"
#include "chart/tools/ChartToolsStartup.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/LibraryStartup.h"

namespace {
// Chart files read every series, function, tool and gauge class that the libraries below
// register; this library's own form classes are registered here.
void Initialization() {
    // Chart files naming the compatibility chart classes as root.
    RegisterChartFileClasses();
    // The print preview: its dialog and the preview control its form resource names.
    RegisterClasses({TTeePreviewPanel::StaticClass(), TChartPreview::StaticClass()});
}

void Finalization() {
    UnRegisterClasses({TTeePreviewPanel::StaticClass(), TChartPreview::StaticClass()});
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
