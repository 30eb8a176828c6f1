// Feeds arbitrary bytes to the cursor file reader: cursor and icon files, and animated
// cursors (RIFF "ACON") with their header, rates, sequence and frames. Seeds:
// fuzz/seeds/cursor_file/. A damaged file may only give no cursor; a cursor that loads
// must turn into a Qt cursor.
#include "platform/graphics/Cursor.h"

#include <QByteArray>
#include <QCursor>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Runs the start-up of the libraries this program links (written by the build).
void OrvoProgramStartup();

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A cursor from an image goes through a pixmap, which needs the GUI application object.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "fuzz_cursor_file";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    OrvoProgramStartup();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > (1 << 20)) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    platform::detail::TAnimatedCursorFile file;
    if (platform::detail::ReadAnimatedCursorFile(bytes, file)) {
        for (const auto& step : file.Steps)
            if (step.Frame < 0 || std::size_t(step.Frame) >= file.Frames.size()) std::abort();
    }
    HCURSOR cursor = platform::detail::CursorFromFileBytes(bytes);
    if (!cursor) return 0;
    const QCursor q = platform::detail::ToQCursor(cursor);
    if (q.shape() != Qt::BitmapCursor) std::abort();
    DestroyCursor(cursor);
    return 0;
}
