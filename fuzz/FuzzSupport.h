// Start-up shared by the fuzz targets that run the tool's widget libraries. Include it from
// the one source of a fuzz program: it defines the program's leak-check suppressions.
#pragma once

#include "platform/classes/Streams.h"

#include <QApplication>

#include <cstddef>
#include <cstdint>

// Fonts of the controls are set up through the system's font configuration, which keeps its
// own one-time state: allocations of the system, not leaks of the code under test (the same
// list as the tests' tests/lsan.supp).
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libQt6Gui.so.6\n";
}

// Runs the start-up of the libraries this program links (written by the build).
void OrvoProgramStartup();

// Starts a widget application on the offscreen platform (unless the environment names
// another) and the linked libraries. The application is kept for the whole process and never
// destroyed: at exit Qt's own thread storage is gone before static objects are, and the
// application would then take back the fonts that the gauges registered through a font cache
// that no longer exists.
inline void StartFuzzApplication(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(*argc, *argv);
    (void)app;
    OrvoProgramStartup();
}

// Puts the fuzzer's bytes into M and rewinds it.
inline void LoadFuzzInput(TMemoryStream& M, const std::uint8_t* Data, std::size_t Size) {
    M.Clear();
    if (Size) M.WriteBuffer(Data, int(Size));
    M.SetPosition(0);
}
