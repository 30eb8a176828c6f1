#include "chart/gauges/ChartGaugesStartup.h"

#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/gauges/CircularGauge.h"
#include "chart/series/ChartSeriesStartup.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/LibraryStartup.h"

namespace {
void Initialization() {
    // The series gallery offers the circular gauge on the gauges page; chart files can hold it.
    RegisterTeeSeries(TCircularGauge::StaticClass(), &TeeMsg_CircularGauge, &TeeMsg_GalleryGauges, 1);
}

void Finalization() {
    UnRegisterTeeSeries({TCircularGauge::StaticClass()});
    UnRegisterClasses({TCircularGauge::StaticClass()});
}
} // namespace

TLibraryStartup& ChartGaugesStartup() {
    static TLibraryStartup startup({&ChartSeriesStartup()}, Initialization, Finalization);
    return startup;
}

void InitializeChartGauges() {
    ChartGaugesStartup().Initialize();
}

void FinalizeChartGauges() {
    ChartGaugesStartup().Finalize();
}
