// Feeds arbitrary bytes to the chart-file readers: loaded (binary or text form, with the
// point blocks after the stream) into a chart that holds a series of every registered type
// and a tool of every registered class, both conversions, and read as a plain component
// stream into a chart (LoadTeeFromStream), after which the chart must still draw. Malformed
// input may only raise an error of this system's own.
#include "chart/export/ChartFiles.h"
#include "chart/export/TeeStore.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Exception.h"
#include "tests/chart/export/ChartFilesFixture.h"

#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartFuzzApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1 << 20)) return 0;
    TMemoryStream in;
    {
        TComponent owner(nullptr);
        TChart chart(&owner);
        FillEveryType(&owner, &chart);
        LoadFuzzInput(in, data, size);
        try {
            LoadChartFromStreamCheck(&chart, &in, {}, true);
        } catch (const Exception&) {
        }
        // Whatever was read must draw.
        std::unique_ptr<TBitmap> image(chart.TeeCreateBitmap(clWhite, TRect{0, 0, 400, 300}));
    }
    for (bool toText : {true, false}) {
        LoadFuzzInput(in, data, size);
        TMemoryStream out;
        try {
            toText ? ConvertTeeToText(&in, &out) : ConvertTeeToBinary(&in, &out);
        } catch (const Exception&) {
        }
    }
    {
        TChart chart(nullptr);
        LoadFuzzInput(in, data, size);
        try {
            LoadTeeFromStream(&chart, &in);
        } catch (const Exception&) {
        }
        std::unique_ptr<TBitmap> image(chart.TeeCreateBitmap(clWhite, TRect{0, 0, 200, 150}));
    }
    return 0;
}
