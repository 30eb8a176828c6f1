#include "chart/editor/ChartEditorStartup.h"

#include "chart/editor/AntiAliasEditor.h"
#include "chart/editor/FormTeePage.h"
#include "chart/editor/SeriesToolEditor.h"
#include "chart/export/ChartExportStartup.h"
#include "controls/ControlsStartup.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/LibraryStartup.h"

namespace {
// The editor's forms are found by class name (the editor of an element names its form class),
// and nothing else names them: they are registered here, in one place.
void Initialization() {
    // The tool editors and the chart pages' own controls.
    RegisterClasses({TSeriesToolEditor::StaticClass(), TAntiAliasEditor::StaticClass(),
                     TChartPageNavigator::StaticClass()});
}

void Finalization() {
    UnRegisterClasses({TSeriesToolEditor::StaticClass(), TAntiAliasEditor::StaticClass(),
                       TChartPageNavigator::StaticClass()});
}
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
