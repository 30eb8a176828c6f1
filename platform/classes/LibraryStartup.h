#pragma once
// A library's start-up and close-down.
//
// Classes that form resources, chart files and galleries find by name are registered by their
// library's one start-up routine, which every program (the tool, each test, benchmark and fuzz
// program) runs at start. A static library gives a program only the units the program names, so
// registration cannot rest on a unit's own static initialiser: a class that nothing names would
// never be registered. A start-up first runs the start-ups of the libraries it stands on, runs
// once however often it is called, and its close-down undoes its own registrations (the
// libraries below stay as they are), after which it may run again.
//
// Each library that registers classes has one unit `<Library>Startup` that defines
// `TLibraryStartup& <Library>Startup()`, `Initialize<Library>()` and `Finalize<Library>()`, and
// names its start-up in its CMakeLists (`orvo_library(... STARTUP Initialize<Library>)`), so that
// every program linking the library runs it before its own code.

#include <initializer_list>
#include <vector>

class TLibraryStartup {
public:
    using TStep = void (*)();

    TLibraryStartup(std::initializer_list<TLibraryStartup*> Below, TStep Initialization,
                    TStep Finalization = nullptr);

    void Initialize();
    void Finalize();
    bool Initialized() const { return FInitialized; }

private:
    std::vector<TLibraryStartup*> FBelow;
    TStep FInitialization;
    TStep FFinalization;
    bool FInitialized = false;
    bool FRunning = false;
};
