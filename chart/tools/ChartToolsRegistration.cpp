// The gallery's tool table in its fixed order. Tools of the table that are not built yet
// stand as comments in their places.
#include "chart/tools/ChartToolsRegistration.h"

#include "chart/engine/chart/ChartRegistries.h"
#include "chart/tools/AnnotationTool.h"
#include "chart/tools/AxisArrowTool.h"
#include "chart/tools/ColorBandTool.h"
#include "chart/tools/ColorLineTool.h"
#include "chart/tools/CursorTool.h"
#include "chart/tools/DragMarksTool.h"
#include "chart/tools/DrawLineTool.h"
#include "chart/tools/MarksTipTool.h"
#include "chart/tools/NearestTool.h"
#include "chart/tools/RotateTool.h"
#include "platform/classes/ClassRegistry.h"

#define CHART_TOOLS_TABLE                                                                                    \
    TCursorTool::StaticClass(), TDragMarksTool::StaticClass(), TAxisArrowTool::StaticClass(),                \
        TDrawLineTool::StaticClass(), TNearestTool::StaticClass(), TColorBandTool::StaticClass(),            \
        TColorLineTool::StaticClass(), TRotateTool::StaticClass(), /* TChartImageTool */                     \
        TMarksTipTool::StaticClass(),                                                                        \
        TAnnotationTool::StaticClass(), /* TSeriesAnimationTool */ /* TGridBandTool */ /* TAxisScrollTool */ /* TRectangleTool */ /* TClipSeriesTool */ /* TFullScreenTool */

void RegisterChartTools() {
    RegisterTeeTools({CHART_TOOLS_TABLE});
}

void UnRegisterChartTools() {
    UnRegisterTeeTools({CHART_TOOLS_TABLE});
    UnRegisterClasses({CHART_TOOLS_TABLE});
}
