#include "chart/editor/ChartEditorStartup.h"

#include "chart/editor/AntiAliasEditor.h"
#include "chart/editor/ButtonPen.h"
#include "chart/editor/ChartListBox.h"
#include "chart/editor/DragPointToolEdit.h"
#include "chart/editor/EditChartForm.h"
#include "chart/editor/FormTeePage.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/SeriesToolEditor.h"
#include "chart/editor/TeeBMPOptions.h"
#include "chart/editor/TeeEMFOptions.h"
#include "chart/editor/TeeExport.h"
#include "chart/editor/TeeGalleryPanel.h"
#include "chart/editor/TeeGally.h"
#include "chart/engine/panel/HtmlText.h"
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
    // Brush, font, shadow, shape, margins, picture, filters, format, symbol, text and
    // gradient dialogs: the gradient button their form resources name.
    RegisterClasses({TButtonGradient::StaticClass()});
    // Export dialog: the picture formats (their order fixes the save dialog's filter
    // entries), their options forms, and the picture made for a file extension.
    RegisterTeeExportFormat<TBMPExportFormat>();
    RegisterTeeExportFormat<TEMFExportFormat>();
    RegisterClasses({TBMPOptions::StaticClass(), TEMFOptions::StaticClass()});
    GraphicFileExtension = WithFileExtension;
    // The tool editors (found by the tools' editor class names) and the paging page's
    // navigator.
    RegisterClasses({TSeriesToolEditor::StaticClass(), TDragPointToolEdit::StaticClass(),
                     TAntiAliasEditor::StaticClass(), TChartPageNavigator::StaticClass()});
    // The series list and the gallery panel of the galleries; the series list adds and
    // retypes series through the galleries.
    RegisterClasses({TChartListBox::StaticClass(), TChartGalleryPanel::StaticClass()});
    InstallSeriesGalleryProcs();
    // The chart editor form.
    RegisterClasses({TChartEditForm::StaticClass()});
}

void Finalization() {
    // The chart editor form.
    UnRegisterClasses({TChartEditForm::StaticClass()});
    TeeOnShowEditor().clear();
    RemoveSeriesGalleryProcs();
    UnRegisterClasses({TChartListBox::StaticClass(), TChartGalleryPanel::StaticClass()});
    UnRegisterClasses({TSeriesToolEditor::StaticClass(), TDragPointToolEdit::StaticClass(),
                       TAntiAliasEditor::StaticClass(), TChartPageNavigator::StaticClass()});
    // Export dialog.
    if (GraphicFileExtension == WithFileExtension) GraphicFileExtension = nullptr;
    UnRegisterClasses({TBMPOptions::StaticClass(), TEMFOptions::StaticClass()});
    UnRegisterTeeExportFormat(TEMFExportFormat::StaticClass());
    UnRegisterTeeExportFormat(TBMPExportFormat::StaticClass());
    // Brush, font, shadow, shape, margins, picture, filters, format, symbol, text and
    // gradient dialogs.
    UnRegisterClasses({TButtonGradient::StaticClass()});
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
