#include "app/AppStartup.h"

#include "app/forms/ChipTuningForm.h"
#include "app/forms/FormPressure.h"
#include "app/forms/FormSettings.h"
#include "app/forms/FrameChart.h"
#include "app/forms/FramePressure.h"
#include "app/forms/FrameTools.h"
#include "chart/editor/ChartEditorStartup.h"
#include "chart/gauges/ChartGaugesStartup.h"
#include "chart/grid/ChartGridStartup.h"
#include "chart/tools/ChartToolsStartup.h"
#include "controls/ControlsStartup.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/LibraryStartup.h"

namespace {
void Initialization() {
    RegisterClasses({TChipTuningForm::StaticClass(), TFrameChart::StaticClass(), TFrameTools::StaticClass(),
                     TFormSettings::StaticClass(), TFormPressure::StaticClass(),
                     TFramePressure::StaticClass()});
}

void Finalization() {
    UnRegisterClasses({TChipTuningForm::StaticClass(), TFrameChart::StaticClass(), TFrameTools::StaticClass(),
                       TFormSettings::StaticClass(), TFormPressure::StaticClass(),
                       TFramePressure::StaticClass()});
}
} // namespace

TLibraryStartup& AppStartup() {
    static TLibraryStartup startup({&ControlsStartup(), &ChartToolsStartup(), &ChartGridStartup(),
                                    &ChartGaugesStartup(), &ChartEditorStartup()},
                                   Initialization, Finalization);
    return startup;
}

void InitializeApp() {
    AppStartup().Initialize();
}

void FinalizeApp() {
    AppStartup().Finalize();
}
