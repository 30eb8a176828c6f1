// The gallery's tool table in its fixed order. Classes built in other units of this library
// are named by comment where they belong until they are entered here.
#include "chart/tools/ChartToolsRegistration.h"

#include "chart/engine/chart/ChartRegistries.h"
#include "chart/tools/AnnotationTool.h"
#include "chart/tools/CursorTool.h"
#include "platform/classes/ClassRegistry.h"

#define CHART_TOOLS_TABLE                                                                                    \
    TCursorTool::StaticClass(),                                                                              \
        /* TDragMarksTool */                                                                                 \
        /* TAxisArrowTool */                                                                                 \
        /* TDrawLineTool */                                                                                  \
        /* TNearestTool */                                                                                   \
        /* TColorBandTool */                                                                                 \
        /* TColorLineTool */                                                                                 \
        /* TRotateTool */                                                                                    \
        /* TChartImageTool */                                                                                \
        /* TMarksTipTool */                                                                                  \
        TAnnotationTool::StaticClass(),                                                                      \
        /* TSeriesAnimationTool */                                                                           \
        /* TGridBandTool */                                                                                  \
        /* TAxisScrollTool */                                                                                \
        /* TRectangleTool */                                                                                 \
        /* TClipSeriesTool */                                                                                \
        /* TFullScreenTool */

void RegisterChartTools() {
    RegisterTeeTools({CHART_TOOLS_TABLE});
}

void UnRegisterChartTools() {
    UnRegisterTeeTools({CHART_TOOLS_TABLE});
    UnRegisterClasses({CHART_TOOLS_TABLE});
}
