// Feeds arbitrary bytes to the picture loaders; the first byte picks the loader (BMP, icon
// or cursor file, JPEG, PNG, metafile: .emf, .wmf or the platform's own recording). Seeds:
// fuzz/seeds/picture/. A damaged picture may only raise
// EInvalidGraphic, and a picture that loads must draw.
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/PngImage.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

// A metafile's text records choose fonts through the system's font configuration, which keeps
// its own one-time state until exit: allocations of the system, not leaks of the loaders (the
// same entry as the tests' tests/lsan.supp).
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace {

std::unique_ptr<TGraphic> loaderFor(std::uint8_t pick) {
    switch (pick % 5) {
    case 0:
        return std::make_unique<TBitmap>();
    case 1:
        return std::make_unique<TIcon>();
    case 2:
        return std::make_unique<TJPEGImage>();
    case 3:
        return std::make_unique<TPngImage>();
    default:
        return std::make_unique<TMetafile>();
    }
}

} // namespace

// Runs the start-up of the libraries this program links (written by the build).
void OrvoProgramStartup();

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Pictures draw through QPainter on images, which needs the GUI application object.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "fuzz_picture";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    OrvoProgramStartup();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > (1 << 20)) return 0;
    std::unique_ptr<TGraphic> g = loaderFor(data[0]);
    TMemoryStream in;
    if (size > 1) in.WriteBuffer(data + 1, int(size - 1));
    in.SetPosition(0);
    try {
        g->LoadFromStream(&in);
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    // Drawn small; a big picture (allowed up to 2^28 pixels) is only decoded, as drawing
    // it would take another copy at 32 bits a pixel.
    if (g->Empty() || qint64(g->Width()) * g->Height() > (1 << 20)) return 0;
    TBitmap target(8, 8);
    target.Canvas()->StretchDraw(Rect(0, 0, 8, 8), g.get());
    return 0;
}
