#pragma once
// Start-up of the gauges: the gauge series that the gallery, chart files and form resources name.

class TLibraryStartup;

TLibraryStartup& ChartGaugesStartup();
void InitializeChartGauges();
void FinalizeChartGauges();
