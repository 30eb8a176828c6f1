#include "chart/engine/ChartEngineStartup.h"

#include "chart/engine/chart/Chart.h"
#include "chart/engine/pictures/BitmapFilters.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/LibraryStartup.h"
#include "platform/controls/PlatformControlsStartup.h"

namespace {
void Initialization() {
    // Charts and their axes are found by name when a form resource or chart file is read.
    RegisterClasses({TChart::StaticClass(), TChartAxis::StaticClass(), TChartDepthAxis::StaticClass(),
                     TChartAxisTitle::StaticClass(), TAxisItem::StaticClass()});
    // The bitmap filters are there before any code of the program reads a picture.
    TeeRegisterStandardFilters();
}

void Finalization() {
    UnRegisterClasses({TChart::StaticClass(), TChartAxis::StaticClass(), TChartDepthAxis::StaticClass(),
                       TChartAxisTitle::StaticClass(), TAxisItem::StaticClass()});
}
} // namespace

TLibraryStartup& ChartEngineStartup() {
    static TLibraryStartup startup({&PlatformControlsStartup()}, Initialization, Finalization);
    return startup;
}

void InitializeChartEngine() {
    ChartEngineStartup().Initialize();
}

void FinalizeChartEngine() {
    ChartEngineStartup().Finalize();
}
