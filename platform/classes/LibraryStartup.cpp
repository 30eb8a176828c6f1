#include "platform/classes/LibraryStartup.h"

TLibraryStartup::TLibraryStartup(std::initializer_list<TLibraryStartup*> Below, TStep Initialization,
                                 TStep Finalization)
    : FBelow(Below), FInitialization(Initialization), FFinalization(Finalization) {}

void TLibraryStartup::Initialize() {
    // A start-up reached again through a library above it while it runs does nothing more.
    if (FInitialized || FRunning) return;
    FRunning = true;
    try {
        for (TLibraryStartup* below : FBelow)
            if (below) below->Initialize();
        if (FInitialization) FInitialization();
    } catch (...) {
        FRunning = false;
        throw;
    }
    FRunning = false;
    FInitialized = true;
}

void TLibraryStartup::Finalize() {
    if (!FInitialized) return;
    FInitialized = false;
    if (FFinalization) FFinalization();
}
