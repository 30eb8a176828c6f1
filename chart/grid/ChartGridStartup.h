#pragma once
// Start-up of the chart data grid: the grid and navigator classes that form resources name.

class TLibraryStartup;

TLibraryStartup& ChartGridStartup();
void InitializeChartGrid();
void FinalizeChartGrid();
