#include "chart/editor/ChartEditorStartup.h"

#include "chart/editor/AntiAliasEditor.h"
#include "chart/editor/AreaSeriesEditor.h"
#include "chart/editor/ArrowSeriesEditor.h"
#include "chart/editor/BarSeriesEditor.h"
#include "chart/editor/BaseFunctionEditor.h"
#include "chart/editor/ButtonPen.h"
#include "chart/editor/ChartListBox.h"
#include "chart/editor/ChartShapeEditor.h"
#include "chart/editor/CircledSeriesEditor.h"
#include "chart/editor/CircularGaugeEditor.h"
#include "chart/editor/CustomSeriesEditor.h"
#include "chart/editor/DragPointToolEdit.h"
#include "chart/editor/FastLineSeriesEditor.h"
#include "chart/editor/FormTeePage.h"
#include "chart/editor/FormTeeSeries.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/LinearGaugeEditor.h"
#include "chart/editor/NumericGaugeEditor.h"
#include "chart/editor/PieSeriesEditor.h"
#include "chart/editor/SeriesPointerEditor.h"
#include "chart/editor/SeriesToolEditor.h"
#include "chart/editor/StackBarSeriesEditor.h"
#include "chart/editor/TeeBMPOptions.h"
#include "chart/editor/TeeEMFOptions.h"
#include "chart/editor/TeeExport.h"
#include "chart/editor/TeeExportForm.h"
#include "chart/editor/TeeExportFormBase.h"
#include "chart/editor/TeeFuncEditor.h"
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
    // The export dialog and its base form (the chart editor's Export page).
    RegisterClasses({TTeeExportFormBase::StaticClass(), TTeeExportForm::StaticClass()});
    // The tool editors (found by the tools' editor class names) and the paging page's
    // navigator.
    RegisterClasses({TSeriesToolEditor::StaticClass(), TDragPointToolEdit::StaticClass(),
                     TAntiAliasEditor::StaticClass(), TChartPageNavigator::StaticClass()});
    // The series list and the gallery panel of the galleries; the series list adds and
    // retypes series through the galleries.
    RegisterClasses({TChartListBox::StaticClass(), TChartGalleryPanel::StaticClass()});
    InstallSeriesGalleryProcs();
    // Series page, the pointer and the line series editors (found by the series' editor class names).
    RegisterClasses({TFormTeeSeries::StaticClass(), TSeriesPointerEditor::StaticClass(),
                     TCustomSeriesEditor::StaticClass()});
    // Bar, area and fast-line series editors (found by the series' editor class names).
    RegisterClasses({TBarSeriesEditor::StaticClass(), TStackBarSeriesEditor::StaticClass(),
                     TAreaSeriesEditor::StaticClass(), TFastLineSeriesEditor::StaticClass()});
    // Pie, circled, arrow, Gantt, bubble and shape series editors (found by the series'
    // editor class names).
    RegisterClasses({TPieSeriesEditor::StaticClass(), TCircledSeriesEditor::StaticClass(),
                     TArrowSeriesEditor::StaticClass(), TChartShapeEditor::StaticClass()});
    // Function and data-source editors: the series page's data-source editor and the
    // options forms the functions name.
    RegisterClasses({TTeeFuncEditor::StaticClass(), TTeeFunctionEditor::StaticClass(),
                     TAverageFuncEditor::StaticClass(), TCustomFunctionEditor::StaticClass()});
    // Gauge editors: the gauges name them by class name.
    RegisterClasses({TNumericGaugeEditor::StaticClass(), TLinearGaugeEditor::StaticClass(),
                     TCircularGaugeEditor::StaticClass()});
}

void Finalization() {
    // Gauge editors.
    UnRegisterClasses({TNumericGaugeEditor::StaticClass(), TLinearGaugeEditor::StaticClass(),
                       TCircularGaugeEditor::StaticClass()});
    // Function and data-source editors.
    UnRegisterClasses({TTeeFuncEditor::StaticClass(), TTeeFunctionEditor::StaticClass(),
                       TAverageFuncEditor::StaticClass(), TCustomFunctionEditor::StaticClass()});
    // Pie, circled, arrow, Gantt, bubble and shape series editors.
    UnRegisterClasses({TPieSeriesEditor::StaticClass(), TCircledSeriesEditor::StaticClass(),
                       TArrowSeriesEditor::StaticClass(), TChartShapeEditor::StaticClass()});
    // Bar, area and fast-line series editors.
    UnRegisterClasses({TBarSeriesEditor::StaticClass(), TStackBarSeriesEditor::StaticClass(),
                       TAreaSeriesEditor::StaticClass(), TFastLineSeriesEditor::StaticClass()});
    // Series page, the pointer and the line series editors.
    UnRegisterClasses({TFormTeeSeries::StaticClass(), TSeriesPointerEditor::StaticClass(),
                       TCustomSeriesEditor::StaticClass()});
    RemoveSeriesGalleryProcs();
    UnRegisterClasses({TChartListBox::StaticClass(), TChartGalleryPanel::StaticClass()});
    UnRegisterClasses({TSeriesToolEditor::StaticClass(), TDragPointToolEdit::StaticClass(),
                       TAntiAliasEditor::StaticClass(), TChartPageNavigator::StaticClass()});
    // Export dialog.
    UnRegisterClasses({TTeeExportFormBase::StaticClass(), TTeeExportForm::StaticClass()});
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
