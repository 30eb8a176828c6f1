#pragma once
// Start-up of the chart editor library: the classes its form resources and files find by name.

class TLibraryStartup;

TLibraryStartup& ChartEditorStartup();
void InitializeChartEditor();
void FinalizeChartEditor();
