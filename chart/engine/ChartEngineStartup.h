#pragma once
// Start-up of the chart engine: the chart classes and the standard bitmap filters.

class TLibraryStartup;

TLibraryStartup& ChartEngineStartup();
void InitializeChartEngine();
void FinalizeChartEngine();
