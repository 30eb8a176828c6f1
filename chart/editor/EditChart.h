// The ways into the chart editor. Each makes the editor (owned by the application), sets its
// chart, translates it, sets what to open, shows it modally and frees it, also when showing
// raises. The first argument (the calling form or component) is not used.
#pragma once

#include "chart/engine/chart/Chart.h"

class TChartAxis;
class TChartSeries;
class TChartTitle;
class TComponent;
class TCustomChart;
class TCustomChartWall;
class TCustomForm;
class TTeeCustomTool;

void EditChart(TCustomForm* AForm, TCustomChart* AChart);
void EditChartPage(TCustomForm* AForm, TCustomChart* AChart, int PageIndex);
void EditChartLegend(TCustomForm* AForm, TCustomChart* AChart);
void EditChartTitle(TCustomForm* AForm, TChartTitle* ATitle);
void EditChartWall(TCustomForm* AForm, TCustomChartWall* AWall);
void EditChartAxis(TCustomForm* AForm, TChartAxis* Axis);
void EditSeries(TCustomForm* AForm, TChartSeries* ASeries);
void EditSeriesMarks(TCustomForm* AForm, TChartSeries* ASeries, bool Symbol);
void EditSeriesDataSource(TCustomForm* AForm, TChartSeries* ASeries);
void EditChartTool(TCustomForm* AForm, TTeeCustomTool* ATool);
void EditDSSChart(TComponent* AComponent, TCustomChart* AChart);
void EditChartPart(TCustomForm* AForm, TCustomChart* AChart, const TChartClickedPart& Part);
