#pragma once
// Start-up of the chart tools: the tool classes that galleries, chart files and form resources name.

class TLibraryStartup;

TLibraryStartup& ChartToolsStartup();
void InitializeChartTools();
void FinalizeChartTools();
