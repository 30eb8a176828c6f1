#include "storage/StorageStartup.h"

#include "platform/classes/LibraryStartup.h"
#include "platform/controls/PlatformControlsStartup.h"
#include "storage/support/XcWinUtils.h"

namespace {
void Initialization() {
    RegisterDragCursors();
}

void Finalization() {}
} // namespace

TLibraryStartup& StorageStartup() {
    static TLibraryStartup startup({&PlatformControlsStartup()}, Initialization, Finalization);
    return startup;
}

void InitializeStorage() {
    StorageStartup().Initialize();
}

void FinalizeStorage() {
    StorageStartup().Finalize();
}
