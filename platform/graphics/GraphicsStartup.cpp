#include "platform/graphics/GraphicsStartup.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/LibraryStartup.h"
#include "platform/graphics/ImageList.h"

namespace {
void Initialization() {
    RegisterClasses({TImageList::StaticClass()});
}

void Finalization() {
    UnRegisterClasses({TImageList::StaticClass()});
}
} // namespace

TLibraryStartup& PlatformGraphicsStartup() {
    static TLibraryStartup startup({}, Initialization, Finalization);
    return startup;
}

void InitializePlatformGraphics() {
    PlatformGraphicsStartup().Initialize();
}

void FinalizePlatformGraphics() {
    PlatformGraphicsStartup().Finalize();
}
