#pragma once
// Start-up of the chart export library: the classes its form resources and files find by name.

class TLibraryStartup;

TLibraryStartup& ChartExportStartup();
void InitializeChartExport();
void FinalizeChartExport();
