// Feeds arbitrary texts to the HTML-subset text layout: measured and drawn on a small
// bitmap canvas. Malformed texts may only raise the layout's or the conversions' errors.
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/panel/HtmlText.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Font.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {
struct TFuzzCanvas {
    TFuzzCanvas() {
        target.SetSize(64, 32);
        canvas.SetUseBuffer(false);
        canvas.InitWindow(target.Canvas(), nullptr, clWhite, false, TRect{0, 0, 64, 32});
    }
    TBitmap target;
    TTeeCanvas3D canvas;
};
} // namespace

// The font configuration library caches every font pattern it is first asked for, and the
// window-system plugin its own state: one-time allocations of the system, not leaks of the
// layout (the same list as the tests' tests/lsan.supp).
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libQt6Gui.so.6\n";
}

// Runs the start-up of the libraries this program links (written by the build).
void OrvoProgramStartup();

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(*argc, *argv);
    OrvoProgramStartup();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TFuzzCanvas f;
    // Long texts only repeat what short ones reach.
    const String text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(std::min<std::size_t>(size, 2048)));
    TFont* font = f.canvas.Font();
    font->SetName(QStringLiteral("Arial"));
    font->SetSize(8);
    font->SetStyle({});
    try {
        HtmlTextExtent(&f.canvas, text);
    } catch (const Exception&) {
    }
    font->SetSize(8);
    try {
        HtmlTextOut(&f.canvas, 2, 2, text);
    } catch (const Exception&) {
    }
    return 0;
}
