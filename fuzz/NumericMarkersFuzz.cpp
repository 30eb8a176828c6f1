// Feeds arbitrary bytes to a numeric gauge as its stored marker block ("InternalMarkers"): a
// count and that many marker component streams. Damage may only raise the stream's read error;
// the gauge then holds the markers read before it, which write back and read again.
#include "chart/engine/chart/Chart.h"
#include "chart/gauges/NumericGauge.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/Exception.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartFuzzApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1 << 16) return 0;
    TChart chart(nullptr);
    auto* gauge = new TNumericGauge(nullptr);
    chart.AddSeries(gauge);
    TMemoryStream in;
    if (size) in.WriteBuffer(data, int(size));
    in.SetPosition(0);
    try {
        gauge->ReadMarkers(&in);
    } catch (const EReadError&) {
    }
    for (int i = 0; i < gauge->Markers()->Count(); ++i) {
        TNumericMarker* m = gauge->Markers()->Marker(i);
        if (!m || m->Gauge() != gauge) std::abort();
    }
    if (chart.Tools()->Count() != 0) std::abort();
    // What was read writes back and reads again, to the same number of markers.
    const int count = gauge->Markers()->Count();
    TMemoryStream out;
    gauge->WriteMarkers(&out);
    out.SetPosition(0);
    gauge->ReadMarkers(&out);
    if (gauge->Markers()->Count() != count) std::abort();
    delete gauge;
    return 0;
}
