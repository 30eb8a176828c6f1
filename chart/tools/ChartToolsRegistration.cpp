// The gallery's tool table in its fixed order.
#include "chart/tools/ChartToolsRegistration.h"

#include "chart/engine/chart/ChartRegistries.h"
#include "chart/tools/AnnotationTool.h"
#include "chart/tools/AxisArrowTool.h"
#include "chart/tools/AxisScrollTool.h"
#include "chart/tools/ChartImageTool.h"
#include "chart/tools/ColorBandTool.h"
#include "chart/tools/ColorLineTool.h"
#include "chart/tools/CursorTool.h"
#include "chart/tools/DragMarksTool.h"
#include "chart/tools/DrawLineTool.h"
#include "chart/tools/FullScreenTool.h"
#include "chart/tools/GridBandTool.h"
#include "chart/tools/MarksTipTool.h"
#include "chart/tools/NearestTool.h"
#include "chart/tools/RectangleTool.h"
#include "chart/tools/RotateTool.h"
#include "chart/tools/SeriesAnimationTool.h"
#include "platform/classes/ClassRegistry.h"

#define CHART_TOOLS_TABLE                                                                                    \
    TCursorTool::StaticClass(), TDragMarksTool::StaticClass(), TAxisArrowTool::StaticClass(),                \
        TDrawLineTool::StaticClass(), TNearestTool::StaticClass(), TColorBandTool::StaticClass(),            \
        TColorLineTool::StaticClass(), TRotateTool::StaticClass(), TChartImageTool::StaticClass(),           \
        TMarksTipTool::StaticClass(), TAnnotationTool::StaticClass(), TSeriesAnimationTool::StaticClass(),   \
        TGridBandTool::StaticClass(), TAxisScrollTool::StaticClass(), TRectangleTool::StaticClass(),         \
        TClipSeriesTool::StaticClass(), TFullScreenTool::StaticClass()

void RegisterChartTools() {
    RegisterTeeTools({CHART_TOOLS_TABLE});
}

void UnRegisterChartTools() {
    UnRegisterTeeTools({CHART_TOOLS_TABLE});
    UnRegisterClasses({CHART_TOOLS_TABLE});
}
