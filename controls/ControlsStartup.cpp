#include "controls/ControlsStartup.h"

#include "controls/XcControls.h"
#include "platform/classes/LibraryStartup.h"
#include "storage/StorageStartup.h"

namespace {
void Initialization() {
    RegisterXcControls();
}

void Finalization() {
    // Nothing to undo.
}
} // namespace

TLibraryStartup& ControlsStartup() {
    static TLibraryStartup startup({&StorageStartup()}, Initialization, Finalization);
    return startup;
}

void InitializeControls() {
    ControlsStartup().Initialize();
}

void FinalizeControls() {
    ControlsStartup().Finalize();
}
