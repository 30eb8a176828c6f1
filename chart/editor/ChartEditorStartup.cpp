#include "chart/editor/ChartEditorStartup.h"

#include "chart/editor/ButtonPen.h"
#include "chart/editor/ChartListBox.h"
#include "chart/editor/TeeGalleryPanel.h"
#include "chart/editor/TeeGally.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/export/ChartExportStartup.h"
#include "controls/ControlsStartup.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/LibraryStartup.h"

namespace {
// The editor's forms are found by class name (the editor of an element names its form class),
// and nothing else names them: they are registered here, in one place.
void Initialization() {
    // The controls the editor's form resources name: flat combo boxes, colour and pen
    // buttons.
    RegisterClasses({TComboFlat::StaticClass(), TButtonColor::StaticClass(), TButtonPen::StaticClass()});
    // The series list and the gallery panel of the galleries; the series list adds and
    // retypes series through the galleries.
    RegisterClasses({TChartListBox::StaticClass(), TChartGalleryPanel::StaticClass()});
    InstallSeriesGalleryProcs();
}

void Finalization() {
    RemoveSeriesGalleryProcs();
    UnRegisterClasses({TChartListBox::StaticClass(), TChartGalleryPanel::StaticClass()});
    UnRegisterClasses({TComboFlat::StaticClass(), TButtonColor::StaticClass(), TButtonPen::StaticClass()});
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
