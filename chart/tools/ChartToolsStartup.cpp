#include "chart/tools/ChartToolsStartup.h"

#include "chart/engine/chart/ChartRegistries.h"
#include "chart/series/ChartSeriesStartup.h"
#include "chart/tools/AntiAliasTool.h"
#include "chart/tools/ChartToolsRegistration.h"
#include "chart/tools/DragPointTool.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/LibraryStartup.h"

namespace {
void Initialization() {
    // The tool gallery offers the drag-point tool, then its table of tools in order.
    RegisterTeeTools({TDragPointTool::StaticClass()});
    RegisterChartTools();
    RegisterAntiAlias();
}

void Finalization() {
    UnRegisterAntiAlias();
    UnRegisterChartTools();
    UnRegisterTeeTools({TDragPointTool::StaticClass()});
    UnRegisterClasses({TDragPointTool::StaticClass()});
}
} // namespace

TLibraryStartup& ChartToolsStartup() {
    static TLibraryStartup startup({&ChartSeriesStartup()}, Initialization, Finalization);
    return startup;
}

void InitializeChartTools() {
    ChartToolsStartup().Initialize();
}

void FinalizeChartTools() {
    ChartToolsStartup().Finalize();
}
