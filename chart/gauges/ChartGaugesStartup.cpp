#include "chart/gauges/ChartGaugesStartup.h"

#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/gauges/CircularGauge.h"
#include "chart/gauges/GaugeFonts.h"
#include "chart/gauges/LinearGauge.h"
#include "chart/series/ChartSeriesStartup.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/LibraryStartup.h"

namespace {
void Initialization() {
    RegisterGaugeFonts();
    // The series gallery offers the circular gauge on the gauges page; chart files can hold it.
    RegisterTeeSeries(TCircularGauge::StaticClass(), &TeeMsg_CircularGauge, &TeeMsg_GalleryGauges, 1);
    // The linear gauge, and its vertical variant as a second entry (its sub-gallery item 1).
    RegisterTeeSeries(TLinearGauge::StaticClass(), &TeeMsg_LinearGauge, &TeeMsg_GalleryGauges, 1);
    RegisterTeeSeriesFunction(TLinearGauge::StaticClass(), nullptr, &TeeMsg_LinearGaugeVertical,
                              &TeeMsg_GalleryGauges, 1, 1);
}

void Finalization() {
    UnregisterGaugeFonts();
    UnRegisterTeeSeries({TCircularGauge::StaticClass(), TLinearGauge::StaticClass()});
    UnRegisterClasses({TCircularGauge::StaticClass(), TLinearGauge::StaticClass()});
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
