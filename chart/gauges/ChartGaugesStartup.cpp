#include "chart/gauges/ChartGaugesStartup.h"

#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/gauges/CircularGauge.h"
#include "chart/gauges/GaugeFonts.h"
#include "chart/gauges/LinearGauge.h"
#include "chart/gauges/NumericGauge.h"
#include "chart/series/ChartSeriesStartup.h"
#include "chart/tools/ChartToolsStartup.h"
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
    // The numeric gauge (its LED variant is its sub-gallery item 1), and its markers, which
    // chart files hold inside it.
    RegisterTeeSeries(TNumericGauge::StaticClass(), &TeeMsg_NumericGauge, &TeeMsg_GalleryGauges, 1);
    RegisterClasses({TNumericMarker::StaticClass()});
}

void Finalization() {
    UnregisterGaugeFonts();
    UnRegisterTeeSeries(
        {TCircularGauge::StaticClass(), TLinearGauge::StaticClass(), TNumericGauge::StaticClass()});
    UnRegisterClasses({TCircularGauge::StaticClass(), TLinearGauge::StaticClass(),
                       TNumericGauge::StaticClass(), TNumericMarker::StaticClass()});
}
} // namespace

TLibraryStartup& ChartGaugesStartup() {
    static TLibraryStartup startup({&ChartSeriesStartup(), &ChartToolsStartup()}, Initialization,
                                   Finalization);
    return startup;
}

void InitializeChartGauges() {
    ChartGaugesStartup().Initialize();
}

void FinalizeChartGauges() {
    ChartGaugesStartup().Finalize();
}
