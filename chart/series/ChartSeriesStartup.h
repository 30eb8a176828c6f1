#pragma once
// Start-up of the series types: the series classes that chart files and form resources name.

class TLibraryStartup;

TLibraryStartup& ChartSeriesStartup();
void InitializeChartSeries();
void FinalizeChartSeries();
