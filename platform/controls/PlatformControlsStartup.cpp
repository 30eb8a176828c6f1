#include "platform/controls/PlatformControlsStartup.h"

#include "platform/classes/LibraryStartup.h"
#include "platform/controls/StandardControls.h"
#include "platform/graphics/GraphicsStartup.h"

namespace {
void Initialization() {
    RegisterStandardControls();
}

void Finalization() {
    // The standard controls stay: the class library keeps them for the program's life.
}
} // namespace

TLibraryStartup& PlatformControlsStartup() {
    static TLibraryStartup startup({&PlatformGraphicsStartup()}, Initialization, Finalization);
    return startup;
}

void InitializePlatformControls() {
    PlatformControlsStartup().Initialize();
}

void FinalizePlatformControls() {
    PlatformControlsStartup().Finalize();
}
