// Feeds arbitrary bytes to the chart-file readers: loaded (binary or text form, with the
// point blocks after the stream) into a chart that holds a series of every registered type
// and a tool of every registered class, both conversions, and read as a plain component
// stream into a chart as a panel stream is. Malformed input may only raise an error of this
// system's own.
#include "chart/export/ChartFiles.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Exception.h"
#include "tests/chart/export/ChartFilesFixture.h"

#include <QApplication>
#include <cstdint>
#include <memory>

namespace {
void load(TMemoryStream& m, const uint8_t* data, size_t size) {
    m.Clear();
    if (size) m.WriteBuffer(data, int(size));
    m.SetPosition(0);
}
} // namespace

// Fonts are set up through the system's font configuration, which keeps its own one-time
// state (the same list as the tests' tests/lsan.supp).
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libQt6Gui.so.6\n";
}

void OrvoProgramStartup();

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept for the whole process (see the component-stream target).
    static QApplication* app = new QApplication(*argc, *argv);
    (void)app;
    OrvoProgramStartup();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1 << 20)) return 0;
    TMemoryStream in;
    {
        TComponent owner(nullptr);
        TChart chart(&owner);
        FillEveryType(&owner, &chart);
        load(in, data, size);
        try {
            LoadChartFromStreamCheck(&chart, &in, {}, true);
        } catch (const Exception&) {
        }
        // Whatever was read must draw.
        std::unique_ptr<TBitmap> image(chart.TeeCreateBitmap(clWhite, TRect{0, 0, 400, 300}));
    }
    for (bool toText : {true, false}) {
        load(in, data, size);
        TMemoryStream out;
        try {
            toText ? ConvertTeeToText(&in, &out) : ConvertTeeToBinary(&in, &out);
        } catch (const Exception&) {
        }
    }
    {
        TChart chart(nullptr);
        load(in, data, size);
        try {
            TReader reader(&in, 4096);
            reader.ReadRootComponent(&chart);
        } catch (const Exception&) {
        }
    }
    return 0;
}
