#include "chart/tools/ChartToolsStartup.h"

#include "chart/engine/chart/ChartRegistries.h"
#include "chart/series/ChartSeriesStartup.h"
#include "chart/tools/CursorTool.h"
#include "chart/tools/DragPointTool.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/LibraryStartup.h"

namespace {
void Initialization() {
    // The tool gallery offers the drag-point tool; chart files can hold both.
    RegisterTeeTools({TDragPointTool::StaticClass()});
    RegisterClass(TCursorTool::StaticClass());
}

void Finalization() {
    UnRegisterTeeTools({TDragPointTool::StaticClass()});
    UnRegisterClasses({TDragPointTool::StaticClass(), TCursorTool::StaticClass()});
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
