#include "chart/tools/ChartToolsStartup.h"

#include "chart/engine/chart/ChartRegistries.h"
#include "chart/series/ChartSeriesStartup.h"
#include "chart/tools/AntiAliasTool.h"
#include "chart/tools/AxisArrowTool.h"
#include "chart/tools/ColorBandTool.h"
#include "chart/tools/ColorLineTool.h"
#include "chart/tools/CursorTool.h"
#include "chart/tools/DragMarksTool.h"
#include "chart/tools/DragPointTool.h"
#include "chart/tools/DrawLineTool.h"
#include "chart/tools/MarksTipTool.h"
#include "chart/tools/NearestTool.h"
#include "chart/tools/RotateTool.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/LibraryStartup.h"

#include <vector>

namespace {
// The tools that chart files name; the tool gallery lists them in a later step.
std::vector<TClass> StreamedTools() {
    return {TDragMarksTool::StaticClass(), TAxisArrowTool::StaticClass(), TDrawLineTool::StaticClass(),
            TNearestTool::StaticClass(),   TColorBandTool::StaticClass(), TColorLineTool::StaticClass(),
            TRotateTool::StaticClass(),    TMarksTipTool::StaticClass()};
}

void Initialization() {
    // The tool gallery offers the drag-point tool; chart files can hold both.
    RegisterTeeTools({TDragPointTool::StaticClass()});
    RegisterClass(TCursorTool::StaticClass());
    for (TClass c : StreamedTools())
        RegisterClass(c);
    RegisterAntiAlias();
}

void Finalization() {
    UnRegisterAntiAlias();
    for (TClass c : StreamedTools())
        UnRegisterClass(c);
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
