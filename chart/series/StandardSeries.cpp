// Gallery registration of the series types of this library.
#include "chart/series/StandardSeries.h"

#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/series/AreaSeries.h"
#include "chart/series/ArrowSeries.h"
#include "chart/series/BarSeries.h"
#include "chart/series/BubbleSeries.h"
#include "chart/series/ChartShape.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/GanttSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/series/PieSeries.h"
#include "platform/classes/ClassRegistry.h"

void RegisterTeeStandardSeries() {
    RegisterTeeSeries(TLineSeries::StaticClass(), &TeeMsg_GalleryLine);
    RegisterTeeSeries(TBarSeries::StaticClass(), &TeeMsg_GalleryBar);
    RegisterTeeSeries(THorizBarSeries::StaticClass(), &TeeMsg_GalleryHorizBar);
    RegisterTeeSeries(TAreaSeries::StaticClass(), &TeeMsg_GalleryArea);
    RegisterTeeSeries(TPointSeries::StaticClass(), &TeeMsg_GalleryPoint);
    RegisterTeeSeries(TPieSeries::StaticClass(), &TeeMsg_GalleryPie, &TeeMsg_GalleryStandard, 1);
    RegisterTeeSeries(TFastLineSeries::StaticClass(), &TeeMsg_GalleryFastLine);
    RegisterTeeSeries(THorizLineSeries::StaticClass(), &TeeMsg_GalleryHorizLine, &TeeMsg_GalleryStandard, 1);
    RegisterTeeSeries(THorizAreaSeries::StaticClass(), &TeeMsg_GalleryHorizArea, &TeeMsg_GalleryStandard, 1);
}

void RegisterTeeExtendedSeries() {
    RegisterTeeSeries(TArrowSeries::StaticClass(), &TeeMsg_GalleryArrow, &TeeMsg_GalleryExtended, 2);
    RegisterTeeSeries(TBubbleSeries::StaticClass(), &TeeMsg_GalleryBubble, &TeeMsg_GalleryStandard, 1);
    RegisterTeeSeries(TGanttSeries::StaticClass(), &TeeMsg_GalleryGantt, &TeeMsg_GalleryStandard, 1);
    RegisterTeeSeries(TChartShape::StaticClass(), &TeeMsg_GalleryShape, &TeeMsg_GalleryStandard, 2);
}

void UnRegisterTeeStandardSeries() {
    UnRegisterTeeSeries(
        {TLineSeries::StaticClass(), TBarSeries::StaticClass(), THorizBarSeries::StaticClass(),
         TAreaSeries::StaticClass(), TPointSeries::StaticClass(), TPieSeries::StaticClass(),
         TFastLineSeries::StaticClass(), THorizLineSeries::StaticClass(), THorizAreaSeries::StaticClass()});
    UnRegisterClasses({TLineSeries::StaticClass(), TBarSeries::StaticClass(), THorizBarSeries::StaticClass(),
                       TAreaSeries::StaticClass(), TPointSeries::StaticClass(), TPieSeries::StaticClass(),
                       TFastLineSeries::StaticClass(), THorizLineSeries::StaticClass(),
                       THorizAreaSeries::StaticClass()});
}

void UnRegisterTeeExtendedSeries() {
    UnRegisterTeeSeries({TArrowSeries::StaticClass(), TBubbleSeries::StaticClass(),
                         TGanttSeries::StaticClass(), TChartShape::StaticClass()});
    UnRegisterClasses({TArrowSeries::StaticClass(), TBubbleSeries::StaticClass(), TGanttSeries::StaticClass(),
                       TChartShape::StaticClass()});
}
