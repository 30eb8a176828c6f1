#include "chart/editor/ChartEditorStartup.h"

#include "chart/export/ChartExportStartup.h"
#include "controls/ControlsStartup.h"
#include "platform/classes/LibraryStartup.h"

namespace {
// The editor's forms are found by class name (the editor of an element names its form class),
// and nothing else names them: they are registered here, in one place.
void Initialization() {}

void Finalization() {}
} // namespace

TLibraryStartup& ChartEditorStartup() {
    static TLibraryStartup startup({&ChartExportStartup(), &ControlsStartup()}, Initialization, Finalization);
    return startup;
}

void InitializeChartEditor() {
    ChartEditorStartup().Initialize();
}

void FinalizeChartEditor() {
    ChartEditorStartup().Finalize();
}
